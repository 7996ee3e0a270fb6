// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/value_input.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace zq::model {

namespace {

std::vector<char32_t> decode(std::string_view s) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const int len = b < 0x80         ? 1
                        : (b >> 5) == 6  ? 2
                        : (b >> 4) == 14 ? 3
                        : (b >> 3) == 30 ? 4
                                         : 0;
        if (len == 0 || i + static_cast<std::size_t>(len) > s.size()) {
            out.push_back(U'\uFFFD'); // a broken byte is a character that is not a unit
            ++i;
            continue;
        }
        char32_t c = len == 1 ? b : b & (0x7F >> len);
        bool whole = true;
        for (int k = 1; k < len; ++k) {
            const auto next = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            whole = whole && (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!whole || c > 0x10FFFF) {
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        out.push_back(c);
        i += static_cast<std::size_t>(len);
    }
    return out;
}

std::string encode(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// What a Chinese input method produces becomes its plain form: full-width digits, letters
// and point, the ideographic space and full stop, the ohm sign.
char32_t plain(char32_t c) {
    if (c >= 0xFF01 && c <= 0xFF5E) return c - 0xFEE0;
    switch (c) {
    case 0x3000:
        return U' ';
    case 0x3002: // 。
        return U'.';
    case 0x2126: // ohm sign
        return 0x03A9;
    case 0x03C9: // ω, typed for Ω
        return 0x03A9;
    case 0x2212: // minus sign
        return U'-';
    default:
        return c;
    }
}

char32_t lower(char32_t c) {
    return c >= U'A' && c <= U'Z' ? c + 32 : c;
}

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// The power of ten of a multiplier letter, R being the bare ohm.
std::optional<int> letterPower(char32_t c) {
    switch (lower(c)) {
    case U'r':
        return 0;
    case U'k':
        return 3;
    case U'm':
        return 6;
    case U'g':
        return 9;
    default:
        return std::nullopt;
    }
}

// Unit words at the end, longest first; the ones with a prefix carry its power.
struct UnitWord {
    std::u32string_view word;
    int power; // -1: only "ohm", no power of its own
};
constexpr std::array<UnitWord, 10> kUnitWords{{
    {U"千欧姆", 3},
    {U"兆欧姆", 6},
    {U"千欧", 3},
    {U"兆欧", 6},
    {U"吉欧", 9},
    {U"欧姆", -1},
    {U"欧", -1},
    {U"ohms", -1},
    {U"ohm", -1},
    {U"Ω", -1},
}};

bool endsWithWord(const std::u32string& s, std::u32string_view word) {
    if (s.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (lower(s[s.size() - word.size() + i]) != word[i]) return false;
    return true;
}

ValueInput refuse(std::string reason) {
    return {false, {}, std::move(reason)};
}

const std::string kUnitsHint = "能用的单位有 R、k、M、G、Ω、欧、千欧、兆欧";

} // namespace

ValueInput parseValue(std::string_view text, std::string_view localePoint) {
    const std::vector<char32_t> raw = decode(text);
    if (raw.size() > kMaxValueInput)
        return refuse("输入太长了：阻值最多写 " + std::to_string(kMaxValueInput) + " 个字符。");

    std::u32string s;
    for (const char32_t c : raw)
        if (const char32_t p = plain(c); p != U' ' && p != U'\t' && p != U'\r' && p != U'\n')
            s += p;
    if (s.empty()) return refuse("请先输入阻值，例如 4.7k 或 470。");
    if (s.front() == U'-') return refuse("阻值不能是负数。");
    if (s.front() == U'+') s.erase(0, 1);

    // The unit word at the end, then at most one multiplier letter in the number.
    int unitPower = -1;
    for (const UnitWord& u : kUnitWords) {
        if (!endsWithWord(s, u.word)) continue;
        s.erase(s.size() - u.word.size());
        unitPower = u.power;
        break;
    }

    std::u32string whole, fraction;
    bool inFraction = false, sawPoint = false, sawLetter = false;
    int power = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char32_t c = s[i];
        const bool commaPoint = localePoint == "," && c == U',';
        if (isDigit(c)) {
            (inFraction ? fraction : whole) += c;
        } else if (c == U'.' || commaPoint) {
            if (sawPoint) return refuse("阻值里只能有一个小数点。");
            if (sawLetter && inFraction)
                return refuse("小数点和单位字母不能一起当小数点用，写 4.7k 或 4k7。");
            sawPoint = inFraction = true;
        } else if (c == U',') {
            return refuse("小数点请用“.”，不要用逗号。");
        } else if (const auto p = letterPower(c)) {
            if (sawLetter) return refuse("单位字母只能有一个，例如 4.7k 或 4k7。");
            if (unitPower > 0) return refuse("单位重复了：写 4.7k 或 4.7千欧，不要两个一起写。");
            // A letter after a point ("4.7k") is a unit; inside the digits it is the point.
            const bool last = i + 1 == s.size();
            if (!last && sawPoint) return refuse("阻值里只能有一个小数点。");
            sawLetter = true;
            power = *p;
            if (!last) inFraction = true;
        } else {
            return refuse("“" + encode(c) + "”不是阻值的单位，" + kUnitsHint + "。");
        }
    }
    if (whole.empty() && fraction.empty()) return refuse("请输入数字，例如 4.7k 或 470。");
    if (unitPower > 0) power = unitPower;

    auto ascii = [](const std::u32string& d) {
        std::string out;
        for (const char32_t c : d)
            out += static_cast<char>(c);
        return out;
    };
    return {true, Decimal::fromParts(ascii(whole), ascii(fraction), power), {}};
}

} // namespace zq::model
