// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/smd.h"

#include "model/colour_finder.h"
#include "model/e_series.h"
#include "model/typed_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

namespace zq::model {

namespace {

// Full-width forms from a Chinese input method become ASCII; letters become upper case.
char32_t folded(char32_t c) {
    c = typed::narrowed(c);
    return c >= U'a' && c <= U'z' ? c - 32 : c;
}

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}
bool isCodeChar(char32_t c) {
    return isDigit(c) || (c >= U'A' && c <= U'Z');
}

SmdRefusal badCharacter(char32_t c) {
    SmdRefusal r;
    r.character = c;
    if (typed::isControl(c) || typed::isUnseenMark(c))
        r.reason = SmdReason::Unseen;
    else if (c == U'.' || c == U',' || c == 0x3002)
        r.reason = SmdReason::DecimalPoint;
    else
        r.reason = SmdReason::NotCodeChar;
    return r;
}

// The multiplier letters of the EIA-96 code (IEC 60062); R, S and H are second names of Y, X
// and B.
struct EiaLetter {
    char letter;
    int power;
};
constexpr std::array<EiaLetter, 12> kEiaLetters{{{'Z', -3},
                                                 {'Y', -2},
                                                 {'R', -2},
                                                 {'X', -1},
                                                 {'S', -1},
                                                 {'A', 0},
                                                 {'B', 1},
                                                 {'H', 1},
                                                 {'C', 2},
                                                 {'D', 3},
                                                 {'E', 4},
                                                 {'F', 5}}};
constexpr int kEiaTolerance = 100; // ±1 %, hundredths of a per cent

// The largest power of a digit code: every code stays under 1 GΩ (see smd.h).
constexpr int kMaxPower3 = 7, kMaxPower4 = 6;

SmdReading jumper() {
    SmdReading r;
    r.kind = SmdKind::Jumper;
    return r;
}

SmdReading eiaReading(int number, char letter) {
    SmdReading r;
    r.kind = SmdKind::Eia96;
    r.eiaNumber = number;
    r.eiaMember = eia96Member(number);
    r.letter = letter;
    r.power = *eiaPower(letter);
    r.value = Decimal::of(static_cast<std::uint64_t>(r.eiaMember), r.power);
    r.tolerance = kEiaTolerance;
    return r;
}

SmdAnswer refused(SmdAnswer a, SmdReason why) {
    a.refusal.reason = why;
    return a;
}

// Two digits and a letter other than R.
SmdAnswer readEia(SmdAnswer a) {
    const int number = (a.code[0] - '0') * 10 + (a.code[1] - '0');
    a.refusal.badNumber = number < 1 || number > 96;
    a.refusal.badLetter = !eiaPower(a.code[2]);
    if (a.refusal.badNumber || a.refusal.badLetter) return refused(a, SmdReason::EiaCode);
    a.readings.push_back(eiaReading(number, a.code[2]));
    return a;
}

// Digits and one R, the decimal point; two digits and R also name an E96 member with R for
// ×0.01, which is the only reading left where the digits before R start with 0 ("05R").
SmdAnswer readWithPoint(SmdAnswer a) {
    const std::string& s = a.code;
    const std::size_t at = s.find('R');
    const std::string whole = s.substr(0, at), fraction = s.substr(at + 1);
    const Decimal value = Decimal::fromParts(whole, fraction, 0);
    int number = 0;
    if (s.size() == 3 && at == 2) std::from_chars(whole.data(), whole.data() + whole.size(), number);
    const bool eia = number >= 1 && number <= 96;
    if (eia) a.readings.push_back(eiaReading(number, 'R'));
    const SmdReason pointRefused = value.isZero() ? SmdReason::ZeroWithPoint
                                   : whole.size() > 1 && whole[0] == '0'
                                       ? SmdReason::PointLeadingZero
                                       : SmdReason::None;
    if (pointRefused != SmdReason::None) return eia ? a : refused(a, pointRefused);

    SmdReading point;
    point.kind = s.size() == 3 ? SmdKind::ThreeDigit : SmdKind::FourDigit;
    point.value = value;
    point.point = true;
    point.whole = whole;
    point.fraction = fraction;
    a.readings.push_back(point);
    if (eia) {
        const SmdReading& e = a.readings.front();
        a.twoWays = SmdTwoWays{value, e.value,     e.value == value,
                               whole, e.eiaMember, smdCodesFor(value).front()};
    }
    return a;
}

// Two or three significant digits and a power of ten.
SmdAnswer readDigits(SmdAnswer a) {
    const std::string& s = a.code;
    const std::string sig = s.substr(0, s.size() - 1);
    const int power = s.back() - '0';
    std::uint64_t digits = 0;
    std::from_chars(sig.data(), sig.data() + sig.size(), digits);
    a.refusal.significant = sig;
    a.refusal.power = power;
    if (digits == 0) return refused(a, SmdReason::ZeroWithPower); // all zeros are read before
    if (s[0] == '0') return refused(a, SmdReason::LeadingZero);
    if (power >= 8) {
        // 8 and 9 mean ×0.01 and ×0.1 in the capacitor code; resistors write fractions with R.
        a.refusal.asPower = Decimal::of(digits, power);
        a.refusal.asFraction = Decimal::of(digits, power - 10);
        return refused(a, SmdReason::CapacitorPower);
    }
    if (power > (s.size() == 3 ? kMaxPower3 : kMaxPower4)) {
        a.refusal.asPower = Decimal::of(digits, power);
        return refused(a, SmdReason::TooLarge);
    }
    SmdReading r;
    r.kind = s.size() == 3 ? SmdKind::ThreeDigit : SmdKind::FourDigit;
    r.value = Decimal::of(digits, power);
    r.significant = sig;
    r.power = power;
    a.readings.push_back(r);
    a.refusal = {};
    return a;
}

std::string padded(std::uint64_t n, std::size_t width) {
    std::string out = std::to_string(n);
    return std::string(width > out.size() ? width - out.size() : 0, '0') + out;
}

// The code of `width` characters with R after `at` digits that reads to `ohms`; empty if none.
std::string pointCode(const Decimal& ohms, std::size_t width, std::size_t at) {
    const int decimals = static_cast<int>(width - 1 - at);
    if (!ohms.divisibleByPowerOfTen(-decimals) || ohms.decade() >= static_cast<int>(at)) return {};
    std::string digits = padded(ohms.roundedQuotient(-decimals), width - 1);
    if (digits.size() != width - 1) return {};
    if (at > 1 && digits[0] == '0') return {}; // before R: nothing, a lone 0, or no leading 0
    return digits.insert(at, "R");
}

} // namespace

std::string_view smdKindName(SmdKind k) {
    switch (k) {
    case SmdKind::ThreeDigit:
        return "3-digit";
    case SmdKind::FourDigit:
        return "4-digit";
    case SmdKind::Eia96:
        return "EIA-96";
    case SmdKind::Jumper:
        return "jumper";
    }
    return "";
}

std::string_view smdReasonName(SmdReason r) {
    switch (r) {
    case SmdReason::None:
        return "";
    case SmdReason::Empty:
        return "empty";
    case SmdReason::BrokenUtf8:
        return "broken-utf8";
    case SmdReason::Unseen:
        return "unseen-character";
    case SmdReason::DecimalPoint:
        return "decimal-point";
    case SmdReason::NotCodeChar:
        return "not-a-code-character";
    case SmdReason::InnerSpace:
        return "space-inside";
    case SmdReason::ManyR:
        return "more-than-one-r";
    case SmdReason::TooLong:
        return "too-long";
    case SmdReason::OnlyR:
        return "only-r";
    case SmdReason::TooShort:
        return "too-short";
    case SmdReason::EiaCode:
        return "not-eia-96";
    case SmdReason::EiaLetterPlace:
        return "eia-letter-out-of-place";
    case SmdReason::UnknownLetter:
        return "unknown-letter";
    case SmdReason::ZeroWithPower:
        return "zero-with-power";
    case SmdReason::LeadingZero:
        return "leading-zero";
    case SmdReason::PointLeadingZero:
        return "leading-zero-before-r";
    case SmdReason::ZeroWithPoint:
        return "zero-with-r";
    case SmdReason::CapacitorPower:
        return "capacitor-power";
    case SmdReason::TooLarge:
        return "too-large";
    }
    return "";
}

int eia96Member(int number) {
    return seriesMembers(ESeries::E96)[static_cast<std::size_t>(number - 1)];
}

std::optional<int> eiaPower(char letter) {
    const auto it = std::find_if(kEiaLetters.begin(), kEiaLetters.end(),
                                 [letter](const EiaLetter& l) { return l.letter == letter; });
    return it == kEiaLetters.end() ? std::nullopt : std::optional<int>(it->power);
}

std::string eiaLetters(int power) {
    std::string out;
    for (const EiaLetter& l : kEiaLetters)
        if (l.power == power) out += l.letter;
    return out;
}

SmdAnswer readSmdCode(std::string_view utf8) {
    SmdAnswer a;
    typed::Decoded decoded = typed::decode(utf8);
    if (!decoded.broken.empty()) {
        a.refusal.broken = decoded.broken;
        return refused(a, SmdReason::BrokenUtf8);
    }
    std::u32string& chars = decoded.chars;
    for (char32_t& c : chars)
        c = folded(c);
    std::size_t from = 0, to = chars.size();
    while (from < to && typed::isSpace(chars[from]))
        ++from;
    while (to > from && typed::isSpace(chars[to - 1]))
        --to;
    if (from == to) return refused(a, SmdReason::Empty);
    for (std::size_t i = from; i < to; ++i) {
        if (!typed::isSpace(chars[i]) && !isCodeChar(chars[i])) {
            a.refusal = badCharacter(chars[i]);
            return a;
        }
    }
    for (std::size_t i = from; i < to; ++i)
        a.code += typed::isSpace(chars[i]) ? ' ' : static_cast<char>(chars[i]);
    const std::string& s = a.code;

    if (s.find(' ') != std::string::npos) return refused(a, SmdReason::InnerSpace);
    if (const auto rs = std::count(s.begin(), s.end(), 'R'); rs > 1) {
        a.refusal.count = static_cast<std::size_t>(rs);
        return refused(a, SmdReason::ManyR);
    }
    if (s.size() > 4) {
        a.refusal.count = s.size();
        return refused(a, SmdReason::TooLong);
    }
    // All zeros without R, in any width a maker prints: the jumper.
    if (s.find_first_not_of('0') == std::string::npos) {
        a.readings.push_back(jumper());
        return a;
    }
    if (s == "R") return refused(a, SmdReason::OnlyR);
    const bool hasR = s.find('R') != std::string::npos;
    if (s.size() < 3) {
        a.refusal.hasR = hasR;
        return refused(a, SmdReason::TooShort);
    }
    if (s.size() == 3 && isDigit(s[0]) && isDigit(s[1]) && s[2] != 'R' && !isDigit(s[2]))
        return readEia(a);
    const auto letter =
        std::find_if(s.begin(), s.end(), [](char c) { return c > '9' && c != 'R'; });
    if (letter != s.end()) {
        a.refusal.letter = *letter;
        return refused(a, eiaPower(*letter) ? SmdReason::EiaLetterPlace : SmdReason::UnknownLetter);
    }
    return hasR ? readWithPoint(a) : readDigits(a);
}

std::vector<std::string> smdCodesFor(const Decimal& ohms) {
    if (ohms.isZero()) return {"0", "00", "000", "0000"};
    std::vector<std::string> out;
    const int decade = ohms.decade();
    auto add = [&out](std::string code) {
        if (!code.empty()) out.push_back(std::move(code));
    };
    for (const std::size_t width : {3u, 4u}) {
        // Significant digits and a power.
        const int power = decade - static_cast<int>(width - 2);
        if (power >= 0 && power <= (width == 3 ? kMaxPower3 : kMaxPower4) &&
            ohms.divisibleByPowerOfTen(power))
            add(padded(ohms.roundedQuotient(power), width - 1) + std::to_string(power));
        // R as the point, further left first; but two digits 01..96 and R read first as the
        // EIA-96 code ("47R" is 3.01 Ω), so that code is not offered for the point value.
        for (std::size_t at = 0; at < width; ++at)
            if (!(width == 3 && at == 2 && ohms.divisibleByPowerOfTen(0) && ohms >= Decimal::of(1, 0) &&
                  ohms <= Decimal::of(96, 0)))
                add(pointCode(ohms, width, at));
    }
    // EIA-96: an E96 member and the letters of its power.
    const int power = decade - 2;
    if (power >= -3 && power <= 5 && ohms.divisibleByPowerOfTen(power)) {
        const auto members = seriesMembers(ESeries::E96);
        const auto m = std::find(members.begin(), members.end(),
                                 static_cast<int>(ohms.roundedQuotient(power)));
        if (m != members.end())
            for (const char l : eiaLetters(power))
                out.push_back(padded(static_cast<std::uint64_t>(m - members.begin() + 1), 2) + l);
    }
    return out;
}

std::vector<int> bandsOfCode(const SmdReading& r, int bands) {
    if (!makeable(r.value, bands)) return {};
    const int tolerance = r.tolerance ? *colourOfTolerance(*r.tolerance) : defaultTolerance(bands);
    const Finding f = findColours(r.value, bands, tolerance);
    return f.answer ? bandColours(*f.answer) : std::vector<int>{};
}

} // namespace zq::model
