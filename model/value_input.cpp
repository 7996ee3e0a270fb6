// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/value_input.h"

#include "model/colour_code.h"
#include "model/typed_text.h"

#include <algorithm>
#include <array>
#include <variant>
#include <vector>

namespace zq::model {

namespace {

// What a Chinese input method produces becomes its plain form: full-width digits, letters
// and point, the ideographic full stop, the ohm sign.
char32_t plain(char32_t c) {
    if (typed::isSpace(c)) return U' ';
    c = typed::narrowed(c);
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
    const typed::Decoded decoded = typed::decode(text);
    if (!decoded.broken.empty())
        return "输入里有不是 UTF-8 文字的字节（" + decoded.broken + "），请重新输入。";
    const std::u32string& raw = decoded.chars;
    std::u32string s;
    for (const char32_t c : raw) {
        if (typed::isControl(c))
            return "输入里有控制字符 " + typed::codePoint(c) + "，请删掉后重新输入。";
        if (!typed::isUnseenMark(c)) s += plain(c);
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
        if (!unit)
            return refuse("“" + typed::shown(s[i]) + "”不是阻值的单位，" + kUnitsHint + "。");
        std::size_t read = i;
        while (read > 0 && s[read - 1] == U' ')
            --read;
        std::size_t extra = i;
        while (extra < s.size() && s[extra] == U' ')
            ++extra;
        return refuse("“" + typed::shown(std::u32string_view(s).substr(0, read)) + "”后面多了“" +
                      typed::shown(std::u32string_view(s).substr(extra)) +
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
    if (const auto colour = colourByName(typed::encode(s))) return colour;

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
