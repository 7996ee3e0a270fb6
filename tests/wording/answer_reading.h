// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The terminal's answers read back as their reader would: the --json parsed again, the text cut
// into lines and fields. The answers' own writer is not used to read them.
#include "wording/catalogue.h"
#include "wording/json.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zq::answer_reading {

using wording::join;
using wording::Json;

// The JSON the answers write: no fractions or exponents, which they never use.
class JsonReader {
  public:
    static std::optional<Json> read(std::string_view text) {
        JsonReader r{text};
        Json v = r.value();
        r.space();
        if (!r.ok_ || r.at_ != text.size()) return std::nullopt;
        return v;
    }

  private:
    explicit JsonReader(std::string_view text) : s_(text) {}

    void space() {
        while (at_ < s_.size() &&
               (s_[at_] == ' ' || s_[at_] == '\n' || s_[at_] == '\r' || s_[at_] == '\t'))
            ++at_;
    }
    bool take(char c) {
        space();
        if (at_ < s_.size() && s_[at_] == c) return ++at_, true;
        return false;
    }
    bool word(std::string_view w) {
        if (s_.substr(at_, w.size()) != w) return false;
        at_ += w.size();
        return true;
    }
    Json fail() {
        ok_ = false;
        at_ = s_.size();
        return {};
    }
    // The writer escapes only quotes, backslashes and control characters; all else is as is.
    std::optional<std::string> string() {
        if (!take('"')) return std::nullopt;
        std::string out;
        while (at_ < s_.size() && s_[at_] != '"') {
            const char c = s_[at_++];
            if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
            if (c != '\\') {
                out += c;
                continue;
            }
            const char e = at_ < s_.size() ? s_[at_++] : 'x';
            const std::string_view plain = "\"\\/bfnrt", meant = "\"\\/\b\f\n\r\t";
            unsigned code = 0;
            if (plain.find(e) != std::string_view::npos)
                out += meant[plain.find(e)];
            else if (e == 'u' &&
                     std::from_chars(s_.data() + at_, s_.data() + std::min(at_ + 4, s_.size()),
                                     code, 16)
                             .ptr == s_.data() + at_ + 4 &&
                     code < 0x80)
                out += char(code), at_ += 4;
            else
                return std::nullopt;
        }
        if (!take('"')) return std::nullopt;
        return out;
    }
    Json value() {
        space();
        if (at_ >= s_.size()) return fail();
        const char c = s_[at_];
        if (c == '{') {
            ++at_;
            Json::Object o;
            if (take('}')) return o;
            do {
                const std::optional<std::string> key = string();
                if (!key || !take(':')) return fail();
                o[*key] = value();
            } while (take(','));
            return take('}') ? Json(o) : fail();
        }
        if (c == '[') {
            ++at_;
            Json::Array a;
            if (take(']')) return a;
            do
                a.push_back(value());
            while (take(','));
            return take(']') ? Json(a) : fail();
        }
        if (c == '"') {
            const std::optional<std::string> text = string();
            return text ? Json(*text) : fail();
        }
        if (word("true")) return true;
        if (word("false")) return false;
        if (word("null")) return nullptr;
        std::int64_t n = 0;
        const auto [end, error] = std::from_chars(s_.data() + at_, s_.data() + s_.size(), n);
        if (error != std::errc() || end == s_.data() + at_) return fail();
        at_ = std::size_t(end - s_.data());
        return n;
    }

    std::string_view s_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

inline std::optional<Json> parsedJson(std::string_view text) {
    return JsonReader::read(text);
}

// The member under key: null when it is not there; `present` tells the two apart.
inline const Json& field(const Json& o, std::string_view key) {
    static const Json kAbsent;
    for (const auto& [k, v] : o.members())
        if (k == key) return v;
    return kAbsent;
}

inline bool present(const Json& o, std::string_view key) {
    for (const auto& member : o.members())
        if (member.first == key) return true;
    return false;
}

// Written as null, which an absent member is not.
inline bool isNull(const Json& o, std::string_view key) {
    return present(o, key) && field(o, key).kind() == Json::Kind::Null;
}

inline std::vector<std::string> keys(const Json& o) {
    std::vector<std::string> out;
    for (const auto& member : o.members())
        out.push_back(member.first);
    return out;
}

// The texts of an array of strings.
inline std::vector<std::string> texts(const Json& array) {
    std::vector<std::string> out;
    for (const Json& item : array.items())
        out.push_back(item.text());
    return out;
}

inline bool contains(std::string_view text, std::string_view piece) {
    return text.find(piece) != std::string_view::npos;
}

inline std::vector<std::string> split(std::string_view text, std::string_view by) {
    std::vector<std::string> out;
    for (std::size_t from = 0;;) {
        const std::size_t to = text.find(by, from);
        out.emplace_back(text.substr(from, to - from));
        if (to == std::string_view::npos) return out;
        from = to + by.size();
    }
}

inline int lineEnds(std::string_view text) {
    int n = 0;
    for (const char c : text)
        n += c == '\n';
    return n;
}

} // namespace zq::answer_reading
