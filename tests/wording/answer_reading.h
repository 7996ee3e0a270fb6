// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The terminal's answers read back as their reader would: the --json parsed again, the text cut
// into lines and fields. The answers' own writer is not used to read them.
#include "wording/json.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zq::answer_reading {

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
    unsigned hex4() {
        unsigned v = 0;
        for (int i = 0; i < 4; ++i, ++at_) {
            const char c = at_ < s_.size() ? s_[at_] : 'x';
            const int d = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
            if (d < 0) return ok_ = false, 0;
            v = v * 16 + unsigned(d);
        }
        return v;
    }
    static void append(std::string& out, char32_t c) {
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    std::optional<std::string> string() {
        if (!take('"')) return std::nullopt;
        std::string out;
        while (at_ < s_.size() && s_[at_] != '"') {
            const char c = s_[at_++];
            if (c != '\\') {
                if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
                out += c;
                continue;
            }
            if (at_ >= s_.size()) return std::nullopt;
            const char e = s_[at_++];
            switch (e) {
            case '"':
            case '\\':
            case '/':
                out += e;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                char32_t c32 = hex4();
                if (c32 >= 0xD800 && c32 < 0xDC00 && word("\\u")) {
                    const unsigned low = hex4();
                    if (low < 0xDC00 || low > 0xDFFF) return std::nullopt;
                    c32 = 0x10000 + ((c32 - 0xD800) << 10) + (low - 0xDC00);
                }
                append(out, c32);
                break;
            }
            default:
                return std::nullopt;
            }
        }
        if (!take('"') || !ok_) return std::nullopt;
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

inline std::string joined(const std::vector<std::string>& pieces, std::string_view by) {
    std::string out;
    for (std::size_t i = 0; i < pieces.size(); ++i)
        out += (i ? std::string(by) : std::string()) + pieces[i];
    return out;
}

inline int lineEnds(std::string_view text) {
    int n = 0;
    for (const char c : text)
        n += c == '\n';
    return n;
}

} // namespace zq::answer_reading
