// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/chip_code.h"

#include "model/typed_text.h"
#include "wording/words.h"

#include <array>

namespace zq::wording {

namespace {

// The catalogue's context of every chip-code text.
class ChipCode {
    Q_DECLARE_TR_FUNCTIONS(ChipCode)
};

QString n(long long v) {
    return QString::number(v);
}

QString plain(const model::Decimal& v, const model::DecimalFormat& fmt) {
    return q(v.text(fmt.point));
}

QString superscript(int power) {
    static constexpr std::array<char16_t, 10> kDigits{u'⁰', u'¹', u'²', u'³', u'⁴',
                                                      u'⁵', u'⁶', u'⁷', u'⁸', u'⁹'};
    return power >= 0 && power <= 9 ? QString(QChar(kDigits[std::size_t(power)]))
                                    : QString::number(power);
}

QString twoDigits(int number) {
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

QString times(int power, const model::DecimalFormat& fmt) {
    return plain(model::Decimal::of(1, power), fmt);
}

QString letter(char c) {
    return QString(QLatin1Char(c));
}

// A jumper is one band, the same on four- and five-band layouts: not two lists of one.
QString jumperBand(int colour) {
    return ChipCode::tr("色环：零欧跳线只有一个%1环。").arg(shortName(colour));
}

QString eiaLetterList() {
    //: The multiplier letters of EIA-96 codes, second names in brackets.
    return ChipCode::tr("Z、Y（R）、X（S）、A、B（H）、C、D、E、F");
}

QString characterReason(char32_t c) {
    const QString cp = q(model::typed::codePoint(c));
    if (!model::typed::showsItself(c))
        return ChipCode::tr("字符 %1 不是贴片电阻代码里的字符：代码只由数字和字母组成，不带单位。")
            .arg(cp);
    // Look-alikes such as a Cyrillic А are named by code point as well.
    const QString shown = q(model::typed::encode(c));
    return c < 0x80
               ? ChipCode::tr("“%1”不是贴片电阻代码里的字符：代码只由数字和字母组成，不带单位。")
                     .arg(shown)
               : ChipCode::tr(
                     "“%1”（%2）不是贴片电阻代码里的字符：代码只由数字和字母组成，不带单位。")
                     .arg(shown, cp);
}

} // namespace

QString chipArithmetic(const model::SmdReading& r, const model::DecimalFormat& fmt) {
    switch (r.kind) {
    case model::SmdKind::Jumper:
        return ChipCode::tr("零欧跳线 → %1").arg(ohms(r.value, fmt));
    case model::SmdKind::Eia96:
        return ChipCode::tr("%1 → %2，%2 × %3 = %4")
            .arg(twoDigits(r.eiaNumber), n(r.eiaMember), times(r.power, fmt), ohms(r.value, fmt));
    case model::SmdKind::ThreeDigit:
    case model::SmdKind::FourDigit:
        if (r.point) return ChipCode::tr("R 当小数点 → %1").arg(ohms(r.value, fmt));
        return ChipCode::tr("%1 × 10%2 = %3")
            .arg(q(r.significant), superscript(r.power), ohms(r.value, fmt));
    }
    return {};
}

QString chipLine(const model::SmdAnswer& a, const model::SmdReading& r,
                 const model::DecimalFormat& fmt) {
    QString code = q(a.code);
    if (a.readings.size() > 1)
        code += r.kind == model::SmdKind::Eia96 ? ChipCode::tr("（按 EIA-96）")
                                                : ChipCode::tr("（R 当小数点）");
    QString value = ohms(r.value, fmt);
    if (r.tolerance) value += QLatin1Char(' ') + tolerance(*r.tolerance);
    return ChipCode::tr("%1 = %2：%3").arg(code, value, chipArithmetic(r, fmt));
}

QString chipExplanation(const model::SmdAnswer& a, const model::SmdReading& r,
                        const model::DecimalFormat& fmt) {
    switch (r.kind) {
    case model::SmdKind::Jumper:
        return ChipCode::tr("全是 0 表示零欧跳线电阻，相当于一根导线，阻值是 %1。")
            .arg(ohms(r.value, fmt));
    case model::SmdKind::Eia96:
        return ChipCode::tr(
                   "EIA-96 代码：前两位 %1 是 E96 系列的第 %2 个值 %3，字母 %4 表示乘 %5，所以是 "
                   "%6，精度 ±1%。")
            .arg(twoDigits(r.eiaNumber), n(r.eiaNumber), n(r.eiaMember), letter(r.letter),
                 times(r.power, fmt), ohms(r.value, fmt));
    case model::SmdKind::ThreeDigit:
    case model::SmdKind::FourDigit:
        break;
    }
    if (r.point)
        return ChipCode::tr("R 在代码里代表小数点，%1 就是 %2。")
            .arg(q(a.code), ohms(r.value, fmt));
    const QString sentence =
        r.power == 0
            ? ChipCode::tr("前%1位 %2 是有效数字，最后一位 %3 表示再乘 10 的 %3 次方（就是乘 "
                           "1），所以是 %4。")
            : ChipCode::tr(
                  "前%1位 %2 是有效数字，最后一位 %3 表示再乘 10 的 %3 次方（在后面添 %3 个 "
                  "0），所以是 %4。");
    const QString count =
        r.kind == model::SmdKind::ThreeDigit ? ChipCode::tr("两") : ChipCode::tr("三");
    return sentence.arg(count, q(r.significant), n(r.power), ohms(r.value, fmt));
}

QString chipNote(const model::SmdAnswer& a, const model::DecimalFormat& fmt) {
    if (!a.twoWays) return {};
    const model::SmdTwoWays& w = *a.twoWays;
    const QString code = quoted(q(a.code)), point = ohms(w.pointValue, fmt),
                  eia = ohms(w.eiaValue, fmt);
    if (w.equal)
        return ChipCode::tr(
                   "%1有两种读法，得数一样：R 当小数点是 %2，当 EIA-96 代码（R 表示 ×0.01）也是 "
                   "%3，只是 EIA-96 的电阻精度是 ±1%。")
            .arg(code, point, eia);
    return ChipCode::tr(
               "%1有两种读法：R 当小数点是 %2，当 EIA-96 代码是 %3（%4 号是 %5，R 表示 "
               "×0.01）。三位代码一般把 %2 印成 %6，所以 EIA-96 的读法更常见；EIA-96 代码多印在 "
               "0603 这类小个头的 1% 电阻上，个头大的多半是 %2，拿不准就用万用表量一下。")
        .arg(code, point, eia, q(w.whole), n(w.eiaMember), q(w.usualCode));
}

std::string_view chipNoteCode(const model::SmdAnswer& a) {
    if (!a.twoWays) return {};
    return a.twoWays->equal ? "two-readings-same-value" : "two-readings";
}

QString chipReason(const model::SmdAnswer& a, const model::DecimalFormat& fmt) {
    using R = model::SmdReason;
    const model::SmdRefusal& f = a.refusal;
    const QString code = quoted(q(a.code));
    switch (f.reason) {
    case R::None:
        return {};
    case R::Empty:
        return ChipCode::tr("请先输入贴片电阻上印的代码，例如 472、4702、4R7 或 01C。");
    case R::BrokenUtf8:
        return ChipCode::tr("输入里有无效的 UTF-8 字节 %1：贴片电阻的代码只由数字和字母组成。")
            .arg(q(f.broken));
    case R::Unseen:
        return ChipCode::tr("输入里有看不见的字符 %1：贴片电阻的代码只由数字和字母组成，请删掉它。")
            .arg(q(model::typed::codePoint(f.character)));
    case R::DecimalPoint:
        return ChipCode::tr("贴片电阻的代码里没有小数点“%1”：小数点用 R 表示，例如 %2 印作 4R7。")
            .arg(q(model::typed::encode(f.character)), ohms(model::Decimal::of(47, -1), fmt));
    case R::NotCodeChar:
        return characterReason(f.character);
    case R::InnerSpace:
        return ChipCode::tr("%1中间有空格：贴片电阻的代码是连着印的，请照电阻上的样子连起来输入。")
            .arg(code);
    case R::ManyR:
        return ChipCode::tr("%1里有 %2 个 R：R 是小数点，一个代码里只能有一个。")
            .arg(code, n(qint64(f.count)));
    case R::TooLong:
        return ChipCode::tr("%1有 %2 个字符，太长了：贴片电阻的代码最多 4 个字符。")
            .arg(code, n(qint64(f.count)));
    case R::OnlyR:
        return ChipCode::tr("只有一个 R：R 在代码里当小数点，前后还要有数字，例如 R47、4R7。");
    case R::TooShort:
        return f.hasR
                   ? ChipCode::tr("%1太短了：贴片电阻的代码是 3 或 4 个字符（零欧跳线可以只印 0 或 "
                                  "00），例如 1R0、R47。")
                         .arg(code)
                   : ChipCode::tr("%1太短了：贴片电阻的代码是 3 或 4 个字符（零欧跳线可以只印 0 或 "
                                  "00）。")
                         .arg(code);
    case R::EiaCode: {
        QStringList why;
        if (f.badNumber)
            why << ChipCode::tr("EIA-96 的编号只有 01～96，%1不在其中")
                       .arg(quoted(q(a.code.substr(0, 2))));
        if (f.badLetter)
            why << ChipCode::tr("%1不是 EIA-96 的倍率字母，能用的有 %2")
                       .arg(quoted(q(a.code.substr(2))), eiaLetterList());
        return ChipCode::tr("%1。").arg(why.join(ChipCode::tr("；")));
    }
    case R::EiaLetterPlace:
        return ChipCode::tr(
                   "“%1”是 EIA-96 的倍率字母，要写在两位数字后面（例如 01%1），%2不是这样的代码。")
            .arg(letter(f.letter), code);
    case R::UnknownLetter:
        return ChipCode::tr("“%1”不是贴片电阻代码里的字母：数字代码只用 R 当小数点，EIA-96 "
                            "代码是两位数字加一个倍率字母（%2）。")
            .arg(letter(f.letter), eiaLetterList());
    case R::ZeroWithPower:
        return ChipCode::tr("%1的有效数字是 %2，乘 10 的几次方都还是 0：零欧跳线只印 0、00、000 或 "
                            "0000，没有这种写法。")
            .arg(code, q(f.significant));
    case R::LeadingZero:
        return ChipCode::tr("%1以 0 开头：数字代码的第一位是有效数字，厂家不在前面添 0（全是 0 "
                            "的才是零欧跳线）。")
            .arg(code);
    case R::PointLeadingZero:
        return ChipCode::tr(
                   "%1在 R 前面的数字以 0 开头：R 前面要么没有数字，要么只有一个 0（如 R47、"
                   "0R47），要么是不以 0 开头的数字（如 4R7、47R）。")
            .arg(code);
    case R::ZeroWithPoint:
        return ChipCode::tr("%1读出来是 0：零欧跳线只印 0、00、000 或 0000，不用 R。").arg(code);
    case R::CapacitorPower:
        return ChipCode::tr(
                   "%1的最后一位 %2 不是贴片电阻用的倍率：当 10 的 %2 次方是 %3，"
                   "一般的贴片电阻做不到这么大；照电容的写法当 ×%4 是 %5，可电阻的小数要用 R "
                   "写。读不准，请用万用表量一下。")
            .arg(code, n(f.power), ohms(f.asPower, fmt), times(f.power - 10, fmt),
                 ohms(f.asFraction, fmt));
    case R::TooLarge:
        return ChipCode::
            tr("%1读出来是 %2 × 10%3 = %4，一般的贴片电阻做不到这么大：四位代码的最后一位最大是 "
               "6。读不准，请用万用表量一下。")
                .arg(code, q(f.significant), superscript(f.power), ohms(f.asPower, fmt));
    }
    return {};
}

QString chipComment(const model::SmdAnswer& a, const model::DecimalFormat& fmt) {
    if (a.readings.empty()) return {};
    return a.twoWays ? chipNote(a, fmt) : chipExplanation(a, a.readings.front(), fmt);
}

QString chipBandsLine(const std::vector<int>& four, const std::vector<int>& five) {
    if (four.size() == 1) return jumperBand(four.front());
    QStringList bands;
    if (!four.empty()) bands << ChipCode::tr("四环 %1").arg(shortNames(four));
    if (!five.empty()) bands << ChipCode::tr("五环 %1").arg(shortNames(five));
    return bands.isEmpty()
               ? QString()
               : ChipCode::tr("同样的阻值用色环：%1").arg(bands.join(ChipCode::tr("；")));
}

QString chipAnswerText(const model::SmdAnswer& a, const std::vector<int>& four,
                       const std::vector<int>& five, const model::DecimalFormat& fmt) {
    QString text;
    for (const model::SmdReading& r : a.readings)
        text += chipLine(a, r, fmt) + QLatin1Char('\n');
    text += ChipCode::tr("说明：%1").arg(chipComment(a, fmt)) + QLatin1Char('\n');
    if (four.size() == 1) return text + jumperBand(four.front()) + QLatin1Char('\n');
    if (!four.empty())
        text += ChipCode::tr("四环色环：%1").arg(shortNames(four)) + QLatin1Char('\n');
    if (!five.empty())
        text += ChipCode::tr("五环色环：%1").arg(shortNames(five)) + QLatin1Char('\n');
    return text;
}

} // namespace zq::wording
