// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/smd.h"

#include "model/colour_finder.h"
#include "model/e_series.h"
#include "model/typed_text.h"
#include "model/units.h"

#include <algorithm>
#include <array>
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

std::string badCharacter(char32_t c) {
    if (!typed::showsItself(c))
        return "输入里有看不见的字符 " + typed::codePoint(c) +
               "：贴片电阻的代码只由数字和字母组成，请删掉它。";
    if (c == U'.' || c == U',' || c == 0x3002)
        return "贴片电阻的代码里没有小数点“" + typed::encode(c) +
               "”：小数点用 R 表示，例如 4.7Ω 印作 4R7。";
    // Look-alikes such as a Cyrillic А are named by code point as well.
    const std::string named = c < 0x80 ? "" : "（" + typed::codePoint(c) + "）";
    return "“" + typed::encode(c) + "”" + named +
           "不是贴片电阻代码里的字符：代码只由数字和字母组成，不带单位。";
}

// A code quoted in a reason; very long input is cut short.
std::string quoted(const std::string& s) {
    constexpr std::size_t kShown = 12;
    return "“" + (s.size() > kShown ? s.substr(0, kShown) + "…" : s) + "”";
}

// "4700Ω", and for a kilohm or more also in its unit: "4700Ω = 4.7KΩ".
std::string valueText(const Decimal& v, const DecimalFormat& fmt) {
    std::string out = v.text(fmt.point) + "Ω";
    const Unit* unit = nullptr;
    for (const Unit& u : kUnits)
        if (u.power > 0 && v >= Decimal::of(1, u.power)) unit = &u;
    if (unit) out += " = " + v.shifted(-unit->power).text(fmt.point) + std::string(unit->text);
    return out;
}

std::string compact(const Decimal& v, const DecimalFormat& fmt) {
    const std::string full = valueText(v, fmt);
    const auto eq = full.rfind(" = ");
    return eq == std::string::npos ? full : full.substr(eq + 3);
}

// The multiplier letters of the EIA-96 code (IEC 60062); R, S and H are second names of Y, X
// and B, and the writer uses the first name of each power.
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
constexpr std::string_view kEiaLetterList = "Z、Y（R）、X（S）、A、B（H）、C、D、E、F";
constexpr int kEiaTolerance = 100; // ±1 %, hundredths of a per cent

const EiaLetter* eiaLetter(char c) {
    const auto it = std::find_if(kEiaLetters.begin(), kEiaLetters.end(),
                                 [c](const EiaLetter& l) { return l.letter == c; });
    return it == kEiaLetters.end() ? nullptr : &*it;
}

// The largest power a digit code stands for; see readSmdCode for why 8 and 9 are not powers.
constexpr int kMaxPower = 7;

constexpr std::array<const char*, 10> kSuperscripts{"⁰", "¹", "²", "³", "⁴",
                                                    "⁵", "⁶", "⁷", "⁸", "⁹"};

SmdReading jumper() {
    return {SmdKind::Jumper, Decimal(), std::nullopt, "零欧跳线 → 0Ω",
            "全是 0 表示零欧跳线电阻，相当于一根导线，阻值是 0Ω。"};
}

SmdReading eiaReading(int number, const EiaLetter& l, const DecimalFormat& fmt) {
    const int member = seriesMembers(ESeries::E96)[static_cast<std::size_t>(number - 1)];
    const Decimal value = Decimal::of(static_cast<std::uint64_t>(member), l.power);
    const std::string n = (number < 10 ? "0" : "") + std::to_string(number);
    const std::string times = Decimal::of(1, l.power).text(fmt.point);
    return {SmdKind::Eia96, value, kEiaTolerance,
            n + " → " + std::to_string(member) + "，" + std::to_string(member) + " × " + times +
                " = " + valueText(value, fmt),
            "EIA-96 代码：前两位 " + n + " 是 E96 系列的第 " + std::to_string(number) + " 个值 " +
                std::to_string(member) + "，字母 " + l.letter + " 表示乘 " + times + "，所以是 " +
                withUnit(value, fmt) + "，精度 ±1%。"};
}

// Two digits and a letter other than R.
SmdAnswer readEia(SmdAnswer a, const DecimalFormat& fmt) {
    const int number = (a.code[0] - '0') * 10 + (a.code[1] - '0');
    const EiaLetter* l = eiaLetter(a.code[2]);
    std::string why;
    if (number < 1 || number > 96)
        why = "EIA-96 的编号只有 01～96，“" + a.code.substr(0, 2) + "”不在其中";
    if (!l) {
        if (!why.empty()) why += "；";
        why += "“" + a.code.substr(2) + "”不是 EIA-96 的倍率字母，能用的有 " +
               std::string(kEiaLetterList);
    }
    if (!why.empty()) {
        a.reason = why + "。";
        return a;
    }
    a.readings.push_back(eiaReading(number, *l, fmt));
    return a;
}

// Digits and one R, the decimal point.
SmdAnswer readWithPoint(SmdAnswer a, const DecimalFormat& fmt) {
    const std::string& s = a.code;
    const std::size_t at = s.find('R');
    const std::string whole = s.substr(0, at), fraction = s.substr(at + 1);
    const Decimal value = Decimal::fromParts(whole, fraction, 0);
    if (value.isZero()) {
        a.readings.push_back(jumper());
        return a;
    }
    const auto lead = std::min(whole.find_first_not_of('0'), whole.size());
    const std::string printed = (lead == whole.size() ? "0" : whole.substr(lead)) +
                                (fraction.empty() ? "" : fmt.point + fraction) + "Ω";
    a.readings.push_back({s.size() == 3 ? SmdKind::ThreeDigit : SmdKind::FourDigit, value,
                          std::nullopt, "R 当小数点 → " + printed,
                          "R 在代码里代表小数点，" + s + " 就是 " + printed + "。"});

    // Two digits and R also name an E96 member with R for ×0.01.
    const int number = s.size() == 3 && at == 2 ? std::stoi(whole) : 0;
    if (number < 1 || number > 96) return a;
    a.readings.insert(a.readings.begin(), eiaReading(number, *eiaLetter('R'), fmt));
    const SmdReading &eia = a.readings[0], &point = a.readings[1];
    if (eia.value == point.value) {
        a.note = quoted(s) + "有两种读法，得数一样：R 当小数点是 " + printed +
                 "，当 EIA-96 代码（R 表示 ×0.01）也是 " + compact(eia.value, fmt) +
                 "，只是 EIA-96 的电阻精度是 ±1%。";
    } else {
        a.note = quoted(s) + "有两种读法：R 当小数点是 " + printed + "，当 EIA-96 代码是 " +
                 compact(eia.value, fmt) + "（" + whole + " 号是 " +
                 std::to_string(seriesMembers(ESeries::E96)[static_cast<std::size_t>(number - 1)]) +
                 "，R 表示 ×0.01）。三位代码一般把 " + printed + " 印成 " +
                 smdCodesFor(point.value).front() +
                 "，所以 EIA-96 的读法更常见；EIA-96 代码多印在 0603 "
                 "这类小个头的 1% 电阻上，个头大的多半是 " +
                 printed + "，拿不准就用万用表量一下。";
    }
    return a;
}

// Two or three significant digits and a power of ten.
SmdAnswer readDigits(SmdAnswer a, const DecimalFormat& fmt) {
    const std::string& s = a.code;
    const std::string sig = s.substr(0, s.size() - 1);
    const int power = s.back() - '0';
    const std::uint64_t digits = std::stoull(sig);
    if (digits == 0) {
        if (power == 0) {
            a.readings.push_back(jumper());
        } else {
            a.reason = quoted(s) + "的有效数字是 " + sig +
                       "，乘 10 的几次方都还是 0：零欧跳线只印 0、000 或 0000，没有这种写法。";
        }
        return a;
    }
    if (power > kMaxPower) {
        // 8 and 9 mean ×0.01 and ×0.1 in the capacitor code; resistors write fractions with R.
        const Decimal asPower = Decimal::of(digits, power),
                      asFraction = Decimal::of(digits, power - 10);
        a.reason = quoted(s) + "的最后一位 " + std::string(1, s.back()) +
                   " 不是贴片电阻用的倍率：当 10 的 " + std::string(1, s.back()) + " 次方是 " +
                   compact(asPower, fmt) + "，一般的贴片电阻做不到这么大；照电容的写法当 ×" +
                   Decimal::of(1, power - 10).text(fmt.point) + " 是 " + compact(asFraction, fmt) +
                   "，可电阻的小数要用 R 写。读不准，请用万用表量一下。";
        return a;
    }
    const Decimal value = Decimal::of(digits, power);
    const std::string count = s.size() == 3 ? "两" : "三";
    a.readings.push_back(
        {s.size() == 3 ? SmdKind::ThreeDigit : SmdKind::FourDigit, value, std::nullopt,
         sig + " × 10" + kSuperscripts[static_cast<std::size_t>(power)] + " = " +
             valueText(value, fmt),
         "前" + count + "位 " + sig + " 是有效数字，最后一位 " + std::to_string(power) +
             " 表示再乘 10 的 " + std::to_string(power) + " 次方" +
             (power == 0 ? "（就是乘 1）" : "（在后面添 " + std::to_string(power) + " 个 0）") +
             "，所以是 " + withUnit(value, fmt) + "。"});
    return a;
}

std::string padded(std::uint64_t n, std::size_t width) {
    std::string out = std::to_string(n);
    return std::string(width > out.size() ? width - out.size() : 0, '0') + out;
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

SmdAnswer readSmdCode(std::string_view utf8, const DecimalFormat& fmt) {
    SmdAnswer a;
    typed::Decoded decoded = typed::decode(utf8);
    if (!decoded.broken.empty()) {
        a.reason =
            "输入里有无效的 UTF-8 字节 " + decoded.broken + "：贴片电阻的代码只由数字和字母组成。";
        return a;
    }
    std::u32string& chars = decoded.chars;
    for (char32_t& c : chars)
        c = folded(c);
    std::size_t from = 0, to = chars.size();
    while (from < to && typed::isSpace(chars[from]))
        ++from;
    while (to > from && typed::isSpace(chars[to - 1]))
        --to;
    if (from == to) {
        a.reason = "请先输入贴片电阻上印的代码，例如 472、4702、4R7 或 01C。";
        return a;
    }
    for (std::size_t i = from; i < to; ++i) {
        if (!typed::isSpace(chars[i]) && !isCodeChar(chars[i])) {
            a.reason = badCharacter(chars[i]);
            return a;
        }
    }
    for (std::size_t i = from; i < to; ++i)
        a.code += typed::isSpace(chars[i]) ? ' ' : static_cast<char>(chars[i]);
    const std::string& s = a.code;

    if (s.find(' ') != std::string::npos) {
        a.reason = quoted(s) + "中间有空格：贴片电阻的代码是连着印的，请照电阻上的样子连起来输入。";
        return a;
    }
    if (const auto rs = std::count(s.begin(), s.end(), 'R'); rs > 1) {
        a.reason =
            quoted(s) + "里有 " + std::to_string(rs) + " 个 R：R 是小数点，一个代码里只能有一个。";
        return a;
    }
    if (s.size() > 4) {
        a.reason = quoted(s) + "有 " + std::to_string(s.size()) +
                   " 个字符，太长了：贴片电阻的代码最多 4 个字符。";
        return a;
    }
    if (s == "0") {
        a.readings.push_back(jumper());
        return a;
    }
    if (s == "R") {
        a.reason = "只有一个 R：R 在代码里当小数点，前后还要有数字，例如 R47、4R7。";
        return a;
    }
    const bool hasR = s.find('R') != std::string::npos;
    if (s.size() < 3) {
        a.reason = quoted(s) + "太短了：贴片电阻的代码是 3 或 4 个字符（零欧跳线只印一个 0）" +
                   (hasR ? "，例如 1R0、R47。" : "。");
        return a;
    }
    if (s.size() == 3 && isDigit(s[0]) && isDigit(s[1]) && s[2] != 'R' && !isDigit(s[2]))
        return readEia(a, fmt);
    const auto letter =
        std::find_if(s.begin(), s.end(), [](char c) { return c > '9' && c != 'R'; });
    if (letter != s.end()) {
        const std::string l(1, *letter);
        a.reason = eiaLetter(*letter)
                       ? "“" + l + "”是 EIA-96 的倍率字母，要写在两位数字后面（例如 01" + l +
                             "），" + quoted(s) + "不是这样的代码。"
                       : "“" + l +
                             "”不是贴片电阻代码里的字母：数字代码只用 R 当小数点，EIA-96 "
                             "代码是两位数字加一个倍率字母（" +
                             std::string(kEiaLetterList) + "）。";
        return a;
    }
    return hasR ? readWithPoint(a, fmt) : readDigits(a, fmt);
}

std::vector<std::string> smdCodesFor(const Decimal& ohms) {
    if (ohms.isZero()) return {"0", "000", "0000"};
    std::vector<std::string> out;
    const int decade = ohms.decade();
    // The value's digits from the power e on, when nothing is left below it.
    auto digitsFrom = [&](int e, std::size_t width) {
        return ohms.divisibleByPowerOfTen(e) ? padded(ohms.roundedQuotient(e), width)
                                             : std::string();
    };
    auto withPoint = [](std::string digits, std::size_t at) {
        return digits.empty() ? digits : digits.insert(at, "R");
    };
    auto add = [&out](std::string code) {
        if (!code.empty()) out.push_back(std::move(code));
    };

    // Three characters: two digits and a power, or R for the point under 10 Ω.
    if (decade >= 1 && decade - 1 <= kMaxPower) {
        if (std::string d = digitsFrom(decade - 1, 2); !d.empty())
            add(d + std::to_string(decade - 1));
    } else if (decade >= -2 && decade <= 0) {
        add(withPoint(digitsFrom(-2 + (decade == 0), 2), decade == 0 ? 1 : 0));
    }
    // Four characters: three digits and a power, or R for the point under 100 Ω.
    if (decade >= 2 && decade - 2 <= kMaxPower) {
        if (std::string d = digitsFrom(decade - 2, 3); !d.empty())
            add(d + std::to_string(decade - 2));
    } else if (decade >= -3 && decade <= 1) {
        const int point = std::max(decade, -1) + 1; // digits before R
        add(withPoint(digitsFrom(point - 3, 3), static_cast<std::size_t>(point)));
    }
    // EIA-96: an E96 member and the letter of its power.
    const int power = decade - 2;
    if (power >= -3 && power <= 5 && ohms.divisibleByPowerOfTen(power)) {
        const auto members = seriesMembers(ESeries::E96);
        const auto m = std::find(members.begin(), members.end(),
                                 static_cast<int>(ohms.roundedQuotient(power)));
        if (m != members.end())
            out.push_back(
                padded(static_cast<std::uint64_t>(m - members.begin() + 1), 2) +
                std::find_if(kEiaLetters.begin(), kEiaLetters.end(), [power](const EiaLetter& l) {
                    return l.power == power;
                })->letter);
    }
    return out;
}

std::string smdLine(const SmdAnswer& a, const SmdReading& r, const DecimalFormat& fmt) {
    std::string line = a.code;
    if (a.readings.size() > 1)
        line += r.kind == SmdKind::Eia96 ? "（按 EIA-96）" : "（R 当小数点）";
    line += " = " + withUnit(r.value, fmt);
    if (r.tolerance) line += " " + toleranceText(*r.tolerance);
    return line + "：" + r.arithmetic;
}

std::vector<int> bandsOfCode(const SmdReading& r, int bands) {
    if (!makeable(r.value, bands)) return {};
    const int tolerance = r.tolerance ? *colourOfTolerance(*r.tolerance) : defaultTolerance(bands);
    const Finding f = findColours(r.value, bands, tolerance);
    return f.answer ? bandColours(*f.answer) : std::vector<int>{};
}

} // namespace zq::model
