// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/json.h"

#include <algorithm>

namespace zq::wording {

Json::Object::Object(std::initializer_list<std::pair<std::string, Json>> members) {
    for (const auto& [key, value] : members)
        (*this)[key] = value;
}

Json& Json::Object::operator[](std::string_view key) {
    const auto at = std::lower_bound(members_.begin(), members_.end(), key,
                                     [](const auto& m, std::string_view k) { return m.first < k; });
    if (at != members_.end() && at->first == key) return at->second;
    return members_.insert(at, {std::string(key), Json()})->second;
}

namespace {

// How many bytes the well-formed UTF-8 sequence at s[i] takes, 0 where none starts.
std::size_t sequenceLength(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned lead = byte(i);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned low = 0x80, high = 0xBF; // the second byte's range, narrower after some leads
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;  // overlong
        if (lead == 0xED) high = 0x9F; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;  // overlong
        if (lead == 0xF4) high = 0x8F; // past U+10FFFF
    } else {
        return 0;
    }
    if (i + length > s.size() || byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    return length;
}

void appendString(std::string& out, std::string_view s) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        const std::size_t length = sequenceLength(s, i);
        if (length == 0) {
            out += "\xEF\xBF\xBD"; // one U+FFFD per stray byte, then go on with the next
            ++i;
            continue;
        }
        // Only what JSON requires is escaped, with the short forms where there are some;
        // '/', DEL and everything past ASCII go out as they are.
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                out += "\\u00";
                out += kHex[c >> 4];
                out += kHex[c & 0xF];
            } else {
                out.append(s, i, length);
            }
        }
        i += length;
    }
    out += '"';
}

void append(std::string& out, const Json& v) {
    switch (v.kind()) {
    case Json::Kind::Null: out += "null"; break;
    case Json::Kind::Bool: out += v.boolean() ? "true" : "false"; break;
    case Json::Kind::Integer: out += std::to_string(v.integer()); break;
    case Json::Kind::String: appendString(out, v.text()); break;
    case Json::Kind::Array: {
        out += '[';
        for (std::size_t i = 0; i < v.items().size(); ++i) {
            if (i > 0) out += ',';
            append(out, v.items()[i]);
        }
        out += ']';
        break;
    }
    case Json::Kind::Object: {
        out += '{';
        bool first = true;
        for (const auto& [key, value] : v.members()) {
            if (!first) out += ',';
            first = false;
            appendString(out, key);
            out += ':';
            append(out, value);
        }
        out += '}';
        break;
    }
    }
}

} // namespace

std::string compactText(const Json& value) {
    std::string out;
    append(out, value);
    return out;
}

} // namespace zq::wording
