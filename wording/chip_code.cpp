// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/chip_code.h"

#include "model/typed_text.h"
#include "wording/words.h"

#include <array>

namespace zq::wording {

namespace {

std::string n(long long v) {
    return std::to_string(v);
}

std::string plain(const model::Decimal& v, const model::DecimalFormat& fmt) {
    return std::string(v.text(fmt.point));
}

std::string superscript(int power) {
    static constexpr std::array<const char*, 10> kDigits{"⁰", "¹", "²", "³", "⁴",
                                                         "⁵", "⁶", "⁷", "⁸", "⁹"};
    return power >= 0 && power <= 9 ? std::string(kDigits[std::size_t(power)])
                                    : std::to_string(power);
}

std::string twoDigits(int number) {
    return (number < 10 ? "0" : "") + std::to_string(number);
}

std::string times(int power, const model::DecimalFormat& fmt) {
    return plain(model::Decimal::of(1, power), fmt);
}

std::string letter(char c) {
    return std::string(1, c);
}

// A jumper is one band, the same on four- and five-band layouts: not two lists of one.
std::string jumperBand(int colour) {
    return translate("ChipCode", "色环：零欧跳线只有一个%1环。").arg(shortName(colour));
}

std::string eiaLetterList() {
    //: The multiplier letters of EIA-96 codes, second names in brackets.
    return translate("ChipCode", "Z、Y（R）、X（S）、A、B（H）、C、D、E、F");
}

std::string characterReason(char32_t c) {
    const std::string cp = std::string(model::typed::codePoint(c));
    if (!model::typed::showsItself(c))
        return translate("ChipCode",
                         "字符 %1 不是贴片电阻代码里的字符：代码只由数字和字母组成，不带单位。")
            .arg(cp);
    // Look-alikes such as a Cyrillic А are named by code point as well.
    const std::string shown = std::string(model::typed::encode(c));
    return c < 0x80
               ? translate("ChipCode",
                           "“%1”不是贴片电阻代码里的字符：代码只由数字和字母组成，不带单位。")
                     .arg(shown)
               : translate("ChipCode",
                           "“%1”（%2）不是贴片电阻代码里的字符：代码只由数字和字母组成，不带单位。")
                     .arg(shown, cp);
}

} // namespace

std::string chipArithmetic(const model::SmdReading& r, const model::DecimalFormat& fmt) {
    switch (r.kind) {
    case model::SmdKind::Jumper:
        return translate("ChipCode", "零欧跳线 → %1").arg(ohms(r.value, fmt));
    case model::SmdKind::Eia96:
        return translate("ChipCode", "%1 → %2，%2 × %3 = %4")
            .arg(twoDigits(r.eiaNumber), n(r.eiaMember), times(r.power, fmt), ohms(r.value, fmt));
    case model::SmdKind::ThreeDigit:
    case model::SmdKind::FourDigit:
        if (r.point) return translate("ChipCode", "R 当小数点 → %1").arg(ohms(r.value, fmt));
        return translate("ChipCode", "%1 × 10%2 = %3")
            .arg(std::string(r.significant), superscript(r.power), ohms(r.value, fmt));
    }
    return {};
}

std::string chipLine(const model::SmdAnswer& a, const model::SmdReading& r,
                     const model::DecimalFormat& fmt) {
    std::string code = std::string(a.code);
    if (a.readings.size() > 1)
        code += r.kind == model::SmdKind::Eia96 ? translate("ChipCode", "（按 EIA-96）")
                                                : translate("ChipCode", "（R 当小数点）");
    std::string value = ohms(r.value, fmt);
    if (r.tolerance) value += ' ' + tolerance(*r.tolerance);
    return translate("ChipCode", "%1 = %2：%3").arg(code, value, chipArithmetic(r, fmt));
}

std::string chipExplanation(const model::SmdAnswer& a, const model::SmdReading& r,
                            const model::DecimalFormat& fmt) {
    switch (r.kind) {
    case model::SmdKind::Jumper:
        return translate("ChipCode", "全是 0 表示零欧跳线电阻，相当于一根导线，阻值是 %1。")
            .arg(ohms(r.value, fmt));
    case model::SmdKind::Eia96:
        return translate(
                   "ChipCode",
                   "EIA-96 代码：前两位 %1 是 E96 系列的第 %2 个值 %3，字母 %4 表示乘 %5，所以是 "
                   "%6，精度 ±1%。")
            .arg(twoDigits(r.eiaNumber), n(r.eiaNumber), n(r.eiaMember), letter(r.letter),
                 times(r.power, fmt), ohms(r.value, fmt));
    case model::SmdKind::ThreeDigit:
    case model::SmdKind::FourDigit:
        break;
    }
    if (r.point)
        return translate("ChipCode", "R 在代码里代表小数点，%1 就是 %2。")
            .arg(std::string(a.code), ohms(r.value, fmt));
    const Phrase sentence =
        r.power == 0
            ? translate("ChipCode",
                        "前%1位 %2 是有效数字，最后一位 %3 表示再乘 10 的 %3 次方（就是乘 "
                        "1），所以是 %4。")
            : translate("ChipCode",
                        "前%1位 %2 是有效数字，最后一位 %3 表示再乘 10 的 %3 次方（在后面添 %3 个 "
                        "0），所以是 %4。");
    const std::string count = r.kind == model::SmdKind::ThreeDigit ? translate("ChipCode", "两")
                                                                   : translate("ChipCode", "三");
    return sentence.arg(count, std::string(r.significant), n(r.power), ohms(r.value, fmt));
}

std::string chipNote(const model::SmdAnswer& a, const model::DecimalFormat& fmt) {
    if (!a.twoWays) return {};
    const model::SmdTwoWays& w = *a.twoWays;
    const std::string code = quoted(std::string(a.code)), point = ohms(w.pointValue, fmt),
                      eia = ohms(w.eiaValue, fmt);
    if (w.equal)
        return translate(
                   "ChipCode",
                   "%1有两种读法，得数一样：R 当小数点是 %2，当 EIA-96 代码（R 表示 ×0.01）也是 "
                   "%3，只是 EIA-96 的电阻精度是 ±1%。")
            .arg(code, point, eia);
    return translate(
               "ChipCode",
               "%1有两种读法：R 当小数点是 %2，当 EIA-96 代码是 %3（%4 号是 %5，R 表示 "
               "×0.01）。三位代码一般把 %2 印成 %6，所以 EIA-96 的读法更常见；EIA-96 代码多印在 "
               "0603 这类小个头的 1% 电阻上，个头大的多半是 %2，拿不准就用万用表量一下。")
        .arg(code, point, eia, std::string(w.whole), n(w.eiaMember), std::string(w.usualCode));
}

std::string_view chipNoteCode(const model::SmdAnswer& a) {
    if (!a.twoWays) return {};
    return a.twoWays->equal ? "two-readings-same-value" : "two-readings";
}

std::string chipReason(const model::SmdAnswer& a, const model::DecimalFormat& fmt) {
    using R = model::SmdReason;
    const model::SmdRefusal& f = a.refusal;
    const std::string code = quoted(std::string(a.code));
    switch (f.reason) {
    case R::None:
        return {};
    case R::Empty:
        return translate("ChipCode", "请先输入贴片电阻上印的代码，例如 472、4702、4R7 或 01C。");
    case R::BrokenUtf8:
        return translate("ChipCode",
                         "输入里有无效的 UTF-8 字节 %1：贴片电阻的代码只由数字和字母组成。")
            .arg(std::string(f.broken));
    case R::Unseen:
        return translate("ChipCode",
                         "输入里有看不见的字符 %1：贴片电阻的代码只由数字和字母组成，请删掉它。")
            .arg(std::string(model::typed::codePoint(f.character)));
    case R::DecimalPoint:
        return translate("ChipCode",
                         "贴片电阻的代码里没有小数点“%1”：小数点用 R 表示，例如 %2 印作 4R7。")
            .arg(std::string(model::typed::encode(f.character)),
                 ohms(model::Decimal::of(47, -1), fmt));
    case R::NotCodeChar:
        return characterReason(f.character);
    case R::InnerSpace:
        return translate("ChipCode",
                         "%1中间有空格：贴片电阻的代码是连着印的，请照电阻上的样子连起来输入。")
            .arg(code);
    case R::ManyR:
        return translate("ChipCode", "%1里有 %2 个 R：R 是小数点，一个代码里只能有一个。")
            .arg(code, n(std::int64_t(f.count)));
    case R::TooLong:
        return translate("ChipCode", "%1有 %2 个字符，太长了：贴片电阻的代码最多 4 个字符。")
            .arg(code, n(std::int64_t(f.count)));
    case R::OnlyR:
        return translate("ChipCode",
                         "只有一个 R：R 在代码里当小数点，前后还要有数字，例如 R47、4R7。");
    case R::TooShort:
        return f.hasR ? translate("ChipCode",
                                  "%1太短了：贴片电阻的代码是 3 或 4 个字符（零欧跳线可以只印 0 或 "
                                  "00），例如 1R0、R47。")
                            .arg(code)
                      : translate("ChipCode",
                                  "%1太短了：贴片电阻的代码是 3 或 4 个字符（零欧跳线可以只印 0 或 "
                                  "00）。")
                            .arg(code);
    case R::EiaCode: {
        std::vector<std::string> why;
        if (f.badNumber)
            why.push_back(translate("ChipCode", "EIA-96 的编号只有 01～96，%1不在其中")
                              .arg(quoted(std::string(a.code.substr(0, 2)))));
        if (f.badLetter)
            why.push_back(translate("ChipCode", "%1不是 EIA-96 的倍率字母，能用的有 %2")
                              .arg(quoted(std::string(a.code.substr(2))), eiaLetterList()));
        return translate("ChipCode", "%1。").arg(join(why, translate("ChipCode", "；")));
    }
    case R::EiaLetterPlace:
        return translate(
                   "ChipCode",
                   "“%1”是 EIA-96 的倍率字母，要写在两位数字后面（例如 01%1），%2不是这样的代码。")
            .arg(letter(f.letter), code);
    case R::UnknownLetter:
        return translate("ChipCode",
                         "“%1”不是贴片电阻代码里的字母：数字代码只用 R 当小数点，EIA-96 "
                         "代码是两位数字加一个倍率字母（%2）。")
            .arg(letter(f.letter), eiaLetterList());
    case R::ZeroWithPower:
        return translate("ChipCode",
                         "%1的有效数字是 %2，乘 10 的几次方都还是 0：零欧跳线只印 0、00、000 或 "
                         "0000，没有这种写法。")
            .arg(code, std::string(f.significant));
    case R::LeadingZero:
        return translate("ChipCode",
                         "%1以 0 开头：数字代码的第一位是有效数字，厂家不在前面添 0（全是 0 "
                         "的才是零欧跳线）。")
            .arg(code);
    case R::PointLeadingZero:
        return translate("ChipCode",
                         "%1在 R 前面的数字以 0 开头：R 前面要么没有数字，要么只有一个 0（如 R47、"
                         "0R47），要么是不以 0 开头的数字（如 4R7、47R）。")
            .arg(code);
    case R::ZeroWithPoint:
        return translate("ChipCode", "%1读出来是 0：零欧跳线只印 0、00、000 或 0000，不用 R。")
            .arg(code);
    case R::CapacitorPower:
        return translate("ChipCode",
                         "%1的最后一位 %2 不是贴片电阻用的倍率：当 10 的 %2 次方是 %3，"
                         "一般的贴片电阻做不到这么大；照电容的写法当 ×%4 是 %5，可电阻的小数要用 R "
                         "写。读不准，请用万用表量一下。")
            .arg(code, n(f.power), ohms(f.asPower, fmt), times(f.power - 10, fmt),
                 ohms(f.asFraction, fmt));
    case R::TooLarge:
        return translate("ChipCode", "%1读出来是 %2 × 10%3 = "
                                     "%4，一般的贴片电阻做不到这么大：四位代码的最后一位最大是 "
                                     "6。读不准，请用万用表量一下。")
            .arg(code, std::string(f.significant), superscript(f.power), ohms(f.asPower, fmt));
    }
    return {};
}

std::string chipComment(const model::SmdAnswer& a, const model::DecimalFormat& fmt) {
    if (a.readings.empty()) return {};
    return a.twoWays ? chipNote(a, fmt) : chipExplanation(a, a.readings.front(), fmt);
}

std::string chipBandsLine(const std::vector<int>& four, const std::vector<int>& five) {
    if (four.size() == 1) return jumperBand(four.front());
    std::vector<std::string> bands;
    if (!four.empty()) bands.push_back(translate("ChipCode", "四环 %1").arg(shortNames(four)));
    if (!five.empty()) bands.push_back(translate("ChipCode", "五环 %1").arg(shortNames(five)));
    return bands.empty() ? std::string()
                         : translate("ChipCode", "同样的阻值用色环：%1")
                               .arg(join(bands, translate("ChipCode", "；")));
}

std::string chipAnswerText(const model::SmdAnswer& a, const std::vector<int>& four,
                           const std::vector<int>& five, const model::DecimalFormat& fmt) {
    std::string text;
    for (const model::SmdReading& r : a.readings)
        text += chipLine(a, r, fmt) + '\n';
    text += translate("ChipCode", "说明：%1").arg(chipComment(a, fmt)) + '\n';
    if (four.size() == 1) return text + jumperBand(four.front()) + '\n';
    if (!four.empty()) text += translate("ChipCode", "四环色环：%1").arg(shortNames(four)) + '\n';
    if (!five.empty()) text += translate("ChipCode", "五环色环：%1").arg(shortNames(five)) + '\n';
    return text;
}

} // namespace zq::wording
