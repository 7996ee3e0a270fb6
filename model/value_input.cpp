// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/value_input.h"

#include "model/colour_code.h"

#include <algorithm>
#include <array>
#include <variant>
#include <vector>

namespace zq::model {

namespace {

const char* const kHex = "0123456789ABCDEF";

std::string hexByte(unsigned char b) {
    return std::string("0x") + kHex[b >> 4] + kHex[b & 15];
}

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF, no cut sequences.
// On failure, the offending bytes as "0xC0 0xAE", never the bytes themselves.
std::variant<std::u32string, std::string> decode(std::string_view s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        int len = 0;
        unsigned char lo = 0x80, hi = 0xBF; // the range of the second byte
        if (b < 0x80) {
            len = 1;
        } else if (b >= 0xC2 && b <= 0xDF) {
            len = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            len = 3;
            if (b == 0xE0) lo = 0xA0;
            if (b == 0xED) hi = 0x9F; // surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            len = 4;
            if (b == 0xF0) lo = 0x90;
            if (b == 0xF4) hi = 0x8F;
        }
        char32_t c = len == 1 ? b : b & (0x7F >> len);
        bool whole = len > 0 && i + std::size_t(len) <= s.size();
        for (int k = 1; whole && k < len; ++k) {
            const auto next = static_cast<unsigned char>(s[i + std::size_t(k)]);
            whole = k == 1 ? next >= lo && next <= hi : (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!whole) {
            std::string bytes = hexByte(b);
            for (std::size_t k = i + 1;
                 k < s.size() && k < i + 4 && (static_cast<unsigned char>(s[k]) & 0xC0) == 0x80;
                 ++k)
                bytes += " " + hexByte(static_cast<unsigned char>(s[k]));
            return bytes;
        }
        out += c;
        i += std::size_t(len);
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

bool in(char32_t c, char32_t first, char32_t last) {
    return c >= first && c <= last;
}

bool isControl(char32_t c) {
    return (c < 0x20 && c != U'\t' && c != U'\r' && c != U'\n') || in(c, 0x7F, 0x9F);
}

// Zero-width characters and direction marks that pasted text carries unseen.
bool isIgnored(char32_t c) {
    return in(c, 0x200B, 0x200F) || in(c, 0x202A, 0x202E) || in(c, 0x2066, 0x2069) || c == 0x2060 ||
           c == 0xFEFF;
}

bool isSpace(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n' || c == 0x00A0 ||
           in(c, 0x2000, 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000;
}

// Characters that show nothing, or nothing of their own, when quoted.
bool isInvisible(char32_t c) {
    return isControl(c) || isIgnored(c) || isSpace(c) || c == 0x00AD || c == 0x034F ||
           c == 0x061C || in(c, 0x0300, 0x036F) || in(c, 0x115F, 0x1160) || in(c, 0x17B4, 0x17B5) ||
           in(c, 0x180B, 0x180F) || in(c, 0x1AB0, 0x1AFF) || in(c, 0x1DC0, 0x1DFF) ||
           in(c, 0x2028, 0x2029) || in(c, 0x2061, 0x2064) || in(c, 0x206A, 0x206F) ||
           in(c, 0x20D0, 0x20FF) || c == 0x2800 || c == 0x3164 || in(c, 0xE000, 0xF8FF) ||
           in(c, 0xFDD0, 0xFDEF) || in(c, 0xFE00, 0xFE0F) || in(c, 0xFE20, 0xFE2F) || c == 0xFFA0 ||
           in(c, 0xFFF0, 0xFFFB) || (c & 0xFFFE) == 0xFFFE || in(c, 0x1D173, 0x1D17A) ||
           c >= 0xE0000;
}

// A character as a reason can show it: itself, or its code point where it would not show.
std::string shown(char32_t c) {
    if (!isInvisible(c)) return encode(c);
    std::string hex;
    for (char32_t v = c; v != 0 || hex.size() < 4; v >>= 4)
        hex.insert(hex.begin(), kHex[v & 15]);
    return "U+" + hex;
}

std::string shown(std::u32string_view s) {
    std::string out;
    for (const char32_t c : s) {
        const bool code = isInvisible(c);
        if (code && !out.empty() && out.back() != ' ') out += ' ';
        out += shown(c);
        if (code) out += ' ';
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

// What a Chinese input method produces becomes its plain form: full-width digits, letters
// and point, the ideographic full stop, the ohm sign.
char32_t plain(char32_t c) {
    if (c >= 0xFF01 && c <= 0xFF5E) return c - 0xFEE0;
    if (isSpace(c)) return U' ';
    switch (c) {
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

// The power of ten of a multiplier, R being the bare ohm.
std::optional<int> letterPower(char32_t c) {
    switch (lower(c)) {
    case U'r':
        return 0;
    case U'k':
    case U'千':
        return 3;
    case U'm':
    case U'兆':
        return 6;
    case U'g':
    case U'吉':
        return 9;
    default:
        return std::nullopt;
    }
}

// The ohm itself, after an optional multiplier; longest first.
constexpr std::array<std::u32string_view, 5> kOhmWords{U"欧姆", U"欧", U"ohms", U"ohm", U"Ω"};

std::size_t ohmWordAt(const std::u32string& s, std::size_t at) {
    for (const std::u32string_view w : kOhmWords) {
        if (s.size() - at < w.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < w.size() && same; ++i)
            same = lower(s[at + i]) == w[i];
        if (same) return w.size();
    }
    return 0;
}

ValueInput refuse(std::string reason) {
    return {false, {}, std::move(reason), {}};
}

const std::string kUnitsHint = "能用的单位有 R、k、M、G、Ω、欧、千欧、兆欧";

// The text as characters in their plain form, spaces kept as one kind, invisible marks gone;
// or the reason it cannot be read at all.
std::variant<std::u32string, std::string> cleaned(std::string_view text) {
    auto decoded = decode(text);
    if (const auto* bytes = std::get_if<std::string>(&decoded))
        return "输入里有不是 UTF-8 文字的字节（" + *bytes + "），请重新输入。";
    const std::u32string& raw = std::get<std::u32string>(decoded);
    std::u32string s;
    for (const char32_t c : raw) {
        if (isControl(c)) return "输入里有控制字符 " + shown(c) + "，请删掉后重新输入。";
        if (!isIgnored(c)) s += plain(c);
    }
    if (s.size() > kMaxValueInput || raw.size() > 4 * kMaxValueInput)
        return "输入太长了：阻值最多写 " + std::to_string(kMaxValueInput) + " 个字符。";
    while (!s.empty() && s.back() == U' ')
        s.pop_back();
    s.erase(0, std::min(s.find_first_not_of(U' '), s.size()));
    return s;
}

std::string ascii(const std::u32string& d) {
    std::string out;
    for (const char32_t c : d)
        out += static_cast<char>(c);
    return out;
}

} // namespace

ValueInput parseValue(std::string_view text, std::string_view localePoint) {
    auto clean = cleaned(text);
    if (const auto* reason = std::get_if<std::string>(&clean)) return refuse(*reason);
    std::u32string& s = std::get<std::u32string>(clean);
    if (s.empty()) return refuse("请先输入阻值，例如 4.7k 或 470。");
    if (s.front() == U'-') return refuse("阻值不能是负数。");
    if (s.front() == U'+') s.erase(0, 1);

    auto nextIs = [&](std::size_t at, auto&& test) {
        while (at < s.size() && s[at] == U' ')
            ++at;
        return at < s.size() && test(s[at]);
    };
    auto isPoint = [&](char32_t c) { return c == U'.' || (localePoint == "," && c == U','); };

    // The number: digits, one point, or one multiplier standing for the point ("4k7", "R47").
    std::u32string whole, fraction;
    bool inFraction = false, sawPoint = false, inner = false;
    std::optional<int> power;
    char32_t letter = 0;
    std::size_t i = 0;
    for (; i < s.size(); ++i) {
        const char32_t c = s[i];
        if (isDigit(c)) {
            (inFraction ? fraction : whole) += c;
        } else if (isPoint(c)) {
            if (sawPoint) return refuse("阻值里只能有一个小数点。");
            if (inner) return refuse("小数点和单位字母不能一起当小数点用，写 4.7k 或 4k7。");
            sawPoint = inFraction = true;
        } else if (c == U',') {
            return refuse("小数点请用“.”，不要用逗号。");
        } else if (c == U' ' && nextIs(i, [&](char32_t n) { return isDigit(n) || isPoint(n); })) {
            continue; // "4 700": a space between digits groups them
        } else if (const auto p = letterPower(c); p && i + 1 < s.size() && isDigit(s[i + 1])) {
            if (inner) return refuse("单位字母只能有一个，例如 4.7k 或 4k7。");
            if (sawPoint) return refuse("阻值里只能有一个小数点。");
            inner = inFraction = true;
            power = *p;
            letter = c;
        } else {
            break;
        }
    }

    // The unit: a multiplier, the ohm, or both ("4.7k", "4.7Ω", "4.7 kΩ", "4.7千欧").
    while (i < s.size() && s[i] == U' ')
        ++i;
    bool unit = false;
    if (i < s.size()) {
        if (const auto p = letterPower(s[i])) {
            if (inner) return refuse("单位字母只能有一个，例如 4.7k 或 4k7。");
            power = *p;
            letter = s[i];
            unit = true;
            ++i;
            // "4.7 k Ω": a space may part the multiplier from the ohm.
            const std::size_t after = std::min(s.find_first_not_of(U' ', i), s.size());
            if (after < s.size() && ohmWordAt(s, after) > 0) i = after;
        }
        if (const std::size_t n = i < s.size() ? ohmWordAt(s, i) : 0) {
            unit = true;
            i += n;
        }
    }
    if (i < s.size()) {
        if (!unit) return refuse("“" + shown(s[i]) + "”不是阻值的单位，" + kUnitsHint + "。");
        std::size_t read = i;
        while (read > 0 && s[read - 1] == U' ')
            --read;
        std::size_t extra = i;
        while (extra < s.size() && s[extra] == U' ')
            ++extra;
        return refuse("“" + shown(std::u32string_view(s).substr(0, read)) + "”后面多了“" +
                      shown(std::u32string_view(s).substr(extra)) +
                      "”：阻值后面只写单位，例如 4.7k 或 4.7kΩ。");
    }
    if (whole.empty() && fraction.empty()) return refuse("请输入数字，例如 4.7k 或 470。");

    ValueInput v{
        true, Decimal::fromParts(ascii(whole), ascii(fraction), power.value_or(0)), {}, {}};
    // A resistor of milliohms has no colour code; a small m is far more likely a lazy M.
    if (letter == U'm')
        v.note = "小写 m 按 M（兆）读，即 " + v.ohms.shifted(-6).text(localePoint) +
                 "MΩ；色环电阻没有毫欧（mΩ）的。";
    return v;
}

std::optional<int> toleranceColourOf(std::string_view text) {
    auto clean = cleaned(text);
    if (!std::holds_alternative<std::u32string>(clean)) return std::nullopt;
    std::u32string s;
    for (const char32_t c : std::get<std::u32string>(clean))
        if (c != U' ') s += c;
    std::string name;
    for (const char32_t c : s)
        name += encode(c);
    if (const auto colour = colourByName(name)) return colour;

    // "±5%", "+-5%", "+/-5%", "5%".
    for (const std::u32string_view sign : {U"±", U"+-", U"+/-"})
        if (s.starts_with(sign)) {
            s.erase(0, sign.size());
            break;
        }
    if (s.size() < 2 || s.back() != U'%') return std::nullopt;
    s.pop_back();
    std::u32string whole, fraction;
    bool point = false;
    for (const char32_t c : s) {
        if (c == U'.' && !point) {
            point = true;
        } else if (isDigit(c)) {
            (point ? fraction : whole) += c;
        } else {
            return std::nullopt;
        }
    }
    if (whole.empty() && fraction.empty()) return std::nullopt;
    const Decimal percent = Decimal::fromParts(ascii(whole), ascii(fraction), 0);
    for (const ColourRecord& c : kColourRecords)
        if (c.hasTolerance() && Decimal::of(std::uint64_t(c.tolerance), -2) == percent)
            return c.index;
    return std::nullopt;
}

} // namespace zq::model
