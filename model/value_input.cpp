// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/value_input.h"

#include "model/colour_code.h"
#include "model/typed_text.h"
#include "model/vocabulary.h"

#include <algorithm>
#include <array>
#include <utility>
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
    case 0x3002: // ideographic full stop
        return U'.';
    case 0x2126: // ohm sign
        return 0x03A9;
    case 0x03C9: // small omega, typed for the capital
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
        return 3;
    case U'm':
        return 6;
    case U'g':
        return 9;
    default:
        for (const auto& w : vocabulary::kMultiplierWords)
            if (w.word == c) return w.power;
        return std::nullopt;
    }
}

std::size_t ohmWordAt(const std::u32string& s, std::size_t at) {
    for (const std::u32string_view w : vocabulary::kOhmWords) {
        if (s.size() - at < w.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < w.size() && same; ++i)
            same = lower(s[at + i]) == w[i];
        if (same) return w.size();
    }
    return 0;
}

ValueInput refuse(InputRefusal why, std::string quoted = {}, std::string extra = {}) {
    ValueInput v;
    v.refusal = why;
    v.quoted = std::move(quoted);
    v.extra = std::move(extra);
    return v;
}

// The text as characters in their plain form, spaces kept as one kind; or why it cannot be
// read at all.
std::variant<std::u32string, ValueInput> cleaned(std::string_view text) {
    const typed::Decoded decoded = typed::decode(text);
    if (!decoded.broken.empty()) return refuse(InputRefusal::BrokenText, decoded.broken);
    const std::u32string& raw = decoded.chars;
    std::u32string s;
    for (const char32_t c : raw) {
        if (typed::isControl(c)) return refuse(InputRefusal::ControlCharacter, typed::codePoint(c));
        if (typed::isUnseenMark(c)) return refuse(InputRefusal::UnseenCharacter, typed::codePoint(c));
        s += plain(c);
    }
    if (s.size() > kMaxValueInput || raw.size() > 4 * kMaxValueInput)
        return refuse(InputRefusal::TooLong);
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

std::string_view codeOf(InputRefusal r) {
    switch (r) {
    case InputRefusal::None:
        return "";
    case InputRefusal::BrokenText:
        return "not-utf8";
    case InputRefusal::ControlCharacter:
        return "control-character";
    case InputRefusal::UnseenCharacter:
        return "unseen-character";
    case InputRefusal::TooLong:
        return "too-long";
    case InputRefusal::Empty:
        return "empty";
    case InputRefusal::Negative:
        return "negative";
    case InputRefusal::TwoPoints:
        return "two-points";
    case InputRefusal::PointAndLetter:
        return "point-and-letter";
    case InputRefusal::Comma:
        return "comma";
    case InputRefusal::TwoLetters:
        return "two-letters";
    case InputRefusal::NotAUnit:
        return "not-a-unit";
    case InputRefusal::AfterTheUnit:
        return "after-the-unit";
    case InputRefusal::NoDigits:
        return "no-digits";
    case InputRefusal::Milliohms:
        return "milliohms";
    }
    return "";
}

std::string_view codeOf(InputNote n) {
    return n == InputNote::MilliohmReadAsMegohm ? "milliohm-read-as-megohm" : "";
}

ValueInput parseValue(std::string_view text, std::string_view localePoint) {
    auto clean = cleaned(text);
    if (auto* refused = std::get_if<ValueInput>(&clean)) return *refused;
    std::u32string& s = std::get<std::u32string>(clean);
    if (s.empty()) return refuse(InputRefusal::Empty);
    if (s.front() == U'-') return refuse(InputRefusal::Negative);
    const std::u32string typedText = s;
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
            if (sawPoint) return refuse(InputRefusal::TwoPoints);
            if (inner) return refuse(InputRefusal::PointAndLetter);
            sawPoint = inFraction = true;
        } else if (c == U',') {
            return refuse(InputRefusal::Comma);
        } else if (c == U' ' && nextIs(i, [&](char32_t n) { return isDigit(n) || isPoint(n); })) {
            continue; // "4 700": a space between digits groups them
        } else if (const auto p = letterPower(c); p && i + 1 < s.size() && isDigit(s[i + 1])) {
            if (inner) return refuse(InputRefusal::TwoLetters);
            if (sawPoint) return refuse(InputRefusal::TwoPoints);
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
    bool unit = false, ohm = false;
    if (i < s.size() && s[i] == vocabulary::kMilliWord)
        return refuse(InputRefusal::Milliohms, typed::shown(typedText));
    if (i < s.size()) {
        if (const auto p = letterPower(s[i])) {
            if (inner) return refuse(InputRefusal::TwoLetters);
            power = *p;
            letter = s[i];
            unit = true;
            ++i;
            // "4.7 k Ω": a space may part the multiplier from the ohm.
            const std::size_t after = std::min(s.find_first_not_of(U' ', i), s.size());
            if (after < s.size() && ohmWordAt(s, after) > 0) i = after;
        }
        if (const std::size_t n = i < s.size() ? ohmWordAt(s, i) : 0) {
            unit = ohm = true;
            i += n;
        }
    }
    if (i < s.size()) {
        if (!unit) return refuse(InputRefusal::NotAUnit, typed::shown(s[i]));
        std::size_t read = i;
        while (read > 0 && s[read - 1] == U' ')
            --read;
        std::size_t extra = i;
        while (extra < s.size() && s[extra] == U' ')
            ++extra;
        return refuse(InputRefusal::AfterTheUnit,
                      typed::shown(std::u32string_view(s).substr(0, read)),
                      typed::shown(std::u32string_view(s).substr(extra)));
    }
    if (whole.empty() && fraction.empty()) return refuse(InputRefusal::NoDigits);
    // A small m written with the ohm means milli, which no colour-coded part carries; alone it
    // is far more likely a lazy M.
    if (letter == U'm' && ohm) return refuse(InputRefusal::Milliohms, typed::shown(typedText));

    ValueInput v;
    v.ok = true;
    v.ohms = Decimal::fromParts(ascii(whole), ascii(fraction), power.value_or(0));
    if (letter == U'm') v.note = InputNote::MilliohmReadAsMegohm;
    return v;
}

std::optional<Tolerance> readTolerance(std::string_view text) {
    auto clean = cleaned(text);
    if (!std::holds_alternative<std::u32string>(clean)) return std::nullopt;
    std::u32string s;
    for (const char32_t c : std::get<std::u32string>(clean))
        if (c != U' ') s += c;
    // Outside the main window a colour means what IEC 60062:2016 gives it, so that one part
    // has one range however its tolerance is named.
    const auto iecOf = [](const ColourRecord& c) {
        return c.iecTolerance != 0 && c.iecTolerance != c.tolerance;
    };
    if (const auto colour = colourByName(typed::encode(s)))
        return Tolerance{*colour, iecOf(colourRecord(*colour))};

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
    auto is = [&](int hundredths) {
        return hundredths != 0 && Decimal::of(std::uint64_t(hundredths), -2) == percent;
    };
    for (const ColourRecord& c : kColourRecords)
        if (is(toleranceOf(c, true))) return Tolerance{c.index, iecOf(c)};
    return std::nullopt;
}

ValueAndTolerance parseValueAndTolerance(std::string_view text, std::string_view localePoint) {
    ValueAndTolerance out{parseValue(text, localePoint), std::nullopt, std::string(text)};
    if (out.value.ok) return out;
    const typed::Decoded decoded = typed::decode(text);
    std::u32string s = decoded.chars;
    while (!s.empty() && typed::isSpace(s.back()))
        s.pop_back();
    std::size_t space = s.size();
    while (space > 0 && !typed::isSpace(s[space - 1]))
        --space;
    if (!decoded.broken.empty() || space == 0) return out;
    const auto tolerance = readTolerance(typed::encode(std::u32string_view(s).substr(space)));
    std::u32string head = s.substr(0, space);
    while (!head.empty() && typed::isSpace(head.back()))
        head.pop_back();
    const std::string headText = typed::encode(head);
    ValueInput value = parseValue(headText, localePoint);
    if (!tolerance || !value.ok) return out;
    return {value, tolerance, headText};
}

std::string typedForm(const Decimal& ohms) {
    static constexpr std::pair<int, std::string_view> kPrefixes[] = {{9, "G"}, {6, "M"}, {3, "k"}};
    for (const auto& [power, prefix] : kPrefixes)
        if (ohms >= Decimal::of(1, power)) return ohms.shifted(-power).text() + std::string(prefix);
    return ohms.text();
}

} // namespace zq::model
