// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/value.h"

#include "model/colour_code.h"
#include "wording/reading.h"
#include "wording/words.h"

namespace zq::wording {

namespace {

std::string kindName(int bands) {
    return bands == 4 ? translate("Value", "四环电阻") : translate("Value", "五环电阻");
}

std::string digitCount(int digits) {
    return digits == 2 ? translate("Value", "两") : translate("Value", "三");
}

// "E24、E96": the series a value belongs to, in a sentence.
std::string seriesList(const std::vector<model::ESeries>& series) {
    std::vector<std::string> names;
    for (const model::ESeries s : series)
        names.push_back(std::string(model::seriesName(s)));
    //: Between the names of series in a list: "E24、E96".
    return join(names, translate("Value", "、"));
}

std::string reach(const Phrase& pattern, const model::Finding& f, const model::DecimalFormat& fmt) {
    const model::Reach& r = *f.reach;
    return pattern.arg(kindName(f.bands), ohmsRange(r.smallest, r.largest, fmt),
                       ohms(r.nearest, fmt), shortNames(r.nearestBands));
}

// Whether the note heads the standard values (member of a series or not) rather than standing
// among the others.
bool headsTheStandardValues(const model::Note& n) {
    using C = model::NoteCode;
    return n.code == C::StandardMember || n.code == C::StandardMemberUnmakeable ||
           n.code == C::NotStandard;
}

// "四环电阻", "五环电阻", "跳线电阻".
std::string kindOfPart(const model::ColourAnswer& a) {
    return a.value.isZero() ? translate("Value", "跳线电阻") : kindName(a.bands);
}

} // namespace

std::string inputReason(const model::ValueInput& v) {
    using R = model::InputRefusal;
    const std::string quoted = std::string(v.quoted);
    switch (v.refusal) {
    case R::None:
        return {};
    case R::BrokenText:
        return translate("Value", "输入里有不是 UTF-8 文字的字节（%1），请重新输入。").arg(quoted);
    case R::ControlCharacter:
        return translate("Value", "输入里有控制字符 %1，请删掉后重新输入。").arg(quoted);
    case R::UnseenCharacter:
        return translate("Value", "输入里有看不见的字符 %1，请删掉后重新输入。").arg(quoted);
    case R::TooLong:
        return translate("Value", "输入太长了：阻值最多写 %1 个字符。").arg(model::kMaxValueInput);
    case R::Empty:
        return translate("Value", "请先输入阻值，例如 4.7k 或 470。");
    case R::Negative:
        return translate("Value", "阻值不能是负数。");
    case R::TwoPoints:
        return translate("Value", "阻值里只能有一个小数点。");
    case R::PointAndLetter:
        return translate("Value", "小数点和单位字母不能一起当小数点用，写 4.7k 或 4k7。");
    case R::Comma:
        return translate("Value", "小数点请用“.”，不要用逗号。");
    case R::TwoLetters:
        return translate("Value", "单位字母只能有一个，例如 4.7k 或 4k7。");
    case R::NotAUnit:
        return translate("Value",
                         "“%1”不是阻值的单位，能用的单位有 R、k、M、G、Ω、欧、千欧、兆欧。")
            .arg(quoted);
    case R::AfterTheUnit:
        return translate("Value", "“%1”后面多了“%2”：阻值后面只写单位，例如 4.7k 或 4.7kΩ。")
            .arg(quoted, std::string(v.extra));
    case R::NoDigits:
        return translate("Value", "请输入数字，例如 4.7k 或 470。");
    case R::Milliohms:
        return translate("Value",
                         "“%1”是毫欧：色环电阻没有毫欧（mΩ）的阻值，请用 Ω、k、M 或 G 写。")
            .arg(quoted);
    }
    return {};
}

std::string inputNote(const model::ValueInput& v, const model::DecimalFormat& fmt) {
    if (v.note != model::InputNote::MilliohmReadAsMegohm) return {};
    return translate("Value", "小写 m 按 M（兆）读，即 %1；色环电阻没有毫欧（mΩ）的。")
        .arg(ohms(v.ohms, fmt));
}

std::string coloursRefusal(const model::ColoursOfValue& c, const model::DecimalFormat& fmt) {
    return c.typed.ok ? findingReason(c.finding, fmt) : inputReason(c.typed);
}

std::string findingReason(const model::Finding& f, const model::DecimalFormat& fmt) {
    using R = model::FindingRefusal;
    switch (f.refusal) {
    case R::None:
        return {};
    case R::BandCount:
        return translate("Value", "色环电阻只有四环和五环两种。");
    case R::NoSuchColour:
        return translate("Value", "没有这种颜色。");
    case R::NotAToleranceColour:
        return translate("Value",
                         "误差环没有%1，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！")
            .arg(colourName(f.tolerance.colour));
    case R::FiveBandsWithoutBand5:
        return translate("Value",
                         "五环电阻不能没有误差环（±20%）：少了第五环，会被当成四环电阻读错。");
    case R::TooLarge:
        return reach(translate("Value", "阻值太大了：%1能做 %2，最接近的 %3 是 %4。"), f, fmt);
    case R::TooSmall:
        return reach(translate("Value", "阻值太小了：%1能做 %2，最接近的 %3 是 %4。"), f, fmt);
    case R::TooSmallJumperNearer:
        return translate("Value", "阻值太小了：%1能做 %2，最接近的是 0Ω 跳线电阻，只有一条黑色环。")
            .arg(kindName(f.bands), ohmsRange(f.reach->smallest, f.reach->largest, fmt));
    }
    return {};
}

std::string note(const model::Note& n, const model::DecimalFormat& fmt) {
    using C = model::NoteCode;
    switch (n.code) {
    case C::Nearest:
        return translate("Value", "%1只有%2位有效数字，做不出 %3，最接近的是 %4。")
            .arg(kindName(n.bands), digitCount(n.digits), ohms(n.value, fmt), ohms(n.nearest, fmt));
    case C::NearestFiveBandsCould:
        return translate("Value", "%1只有%2位有效数字，做不出 %3，最接近的是 %4；五环能做出。")
            .arg(kindName(n.bands), digitCount(n.digits), ohms(n.value, fmt), ohms(n.nearest, fmt));
    case C::MadeAsFourBands:
        return translate("Value", "五环电阻最小 %1，这是四环电阻。").arg(ohms(n.nearest, fmt));
    case C::Jumper:
        return translate("Value", "0Ω 是跳线电阻，实物上只有一条黑色环。");
    case C::Precision: {
        const model::ColourRecord& c = model::colourRecord(n.colour);
        if (!c.hasTolerance())
            return translate("Value",
                             "%1误差环是 IEC 60062:2016 标准给的精密误差：%2，这是精密电阻。")
                .arg(colourName(n.colour), tolerance(n.hundredths));
        // The reading window's note, word for word: one part, one sentence.
        return precisionNote(n.colour).text;
    }
    case C::StandardMember:
        return translate("Value", "%1 是 %2 标准值。")
            .arg(ohms(n.value, fmt), seriesList(n.series));
    case C::StandardMemberUnmakeable:
        return translate("Value", "%1 是 %2 标准值，但%3做不出。")
            .arg(ohms(n.value, fmt), seriesList(n.series), kindName(n.bands));
    case C::NotStandard:
        return translate("Value", "%1 不是 %2 标准值。")
            .arg(ohms(n.value, fmt), seriesList(n.series));
    case C::UnmakeableNeighbours: {
        std::vector<std::string> names;
        for (const model::StandardValue& v : n.neighbours)
            //: A standard value, its series and how far it lies: "0.047Ω（E24，-6.00%）".
            names.push_back(
                translate("Value", "%1（%2，%3）")
                    .arg(ohms(v.value, fmt), seriesLabel(v.member), signedPercent(v.change, fmt)));
        return translate("Value", "%1做不出相邻的标准值 %2。")
            .arg(kindName(n.bands), join(names, translate("Value", "、")));
    }
    }
    return {};
}

std::vector<std::string> answerNotes(const model::Finding& f, const model::DecimalFormat& fmt) {
    std::vector<std::string> out;
    for (const model::Note& n : f.notes)
        if (!headsTheStandardValues(n) && n.code != model::NoteCode::UnmakeableNeighbours)
            out.push_back(note(n, fmt));
    return out;
}

std::string standardAside(const model::Finding& f, const model::DecimalFormat& fmt) {
    for (const model::Note& n : f.notes)
        if (n.code == model::NoteCode::UnmakeableNeighbours) return note(n, fmt);
    return {};
}

std::string standardHeading(const model::Finding& f, const model::DecimalFormat& fmt) {
    for (const model::Note& n : f.notes)
        if (headsTheStandardValues(n)) return note(n, fmt);
    return {};
}

std::string colourNames(const model::ColourAnswer& a) {
    return shortNames(model::bandColours(a));
}

std::string shownValue(const model::ColourAnswer& a, const model::DecimalFormat& fmt) {
    // Bands carry at most three significant digits, so two decimals in the unit are exact.
    return translate("Value", "等于： %1").arg(ohms(a.value, fmt));
}

std::string range(const model::ColourAnswer& a, const model::DecimalFormat& fmt) {
    if (a.value.isZero())
        return translate("Value", "%1（跳线，没有误差环）").arg(ohms(a.value, fmt));
    return ohmsRange(model::withTolerance(a.value, a.tolerance, -1),
                     model::withTolerance(a.value, a.tolerance, +1), fmt);
}

std::string coloursLine(const model::ColourAnswer& a) {
    return translate("Value", "色环：%1（%2）").arg(colourNames(a), kindOfPart(a));
}

std::string valueLine(const model::ColourAnswer& a, const model::DecimalFormat& fmt) {
    return translate("Value", "阻值：%1").arg(ohms(a.value, fmt));
}

std::string toleranceLine(const model::ColourAnswer& a, const model::DecimalFormat& fmt) {
    // A jumper is one black band, with no tolerance to speak of.
    if (a.value.isZero()) return translate("Value", "误差：%1").arg(range(a, fmt));
    return translate("Value", "误差：%1，%2").arg(tolerance(a.tolerance), range(a, fmt));
}

std::string noteLine(const std::string& note) {
    return translate("Value", "说明：%1").arg(note);
}

std::string standardLine(const model::Finding& f, const model::DecimalFormat& fmt) {
    const std::string heading = standardHeading(f, fmt);
    if (heading.empty()) return {};
    const std::string aside = standardAside(f, fmt);
    return aside.empty() ? translate("Value", "标准值：%1").arg(heading)
                         : translate("Value", "标准值：%1%2").arg(heading, aside);
}

std::string standardCaption(const model::Finding& f, bool offered,
                            const model::DecimalFormat& fmt) {
    const std::string heading = standardHeading(f, fmt);
    return offered ? translate("Value", "%1点一下填入：").arg(heading) : heading;
}

std::string toleranceChipName(int paletteIndex) {
    //: A tolerance chip to a screen reader: "金色，±5%".
    return translate("Value", "%1，%2")
        .arg(colourName(paletteIndex), tolerance(model::hundredthsOf(paletteIndex)));
}

std::string rangeCaption(const model::ColourAnswer& a, const model::DecimalFormat& fmt) {
    return translate("Value", "误差范围：%1").arg(range(a, fmt));
}

std::string standardValueLine(const model::StandardValue& v, const model::DecimalFormat& fmt) {
    return translate("Value", "标准值 %1：%2（%3）")
        .arg(seriesLabel(v.member), ohms(v.value, fmt), signedPercent(v.change, fmt));
}

std::string smdLine(const std::vector<std::string>& codes) {
    return translate("Value", "贴片代码：%1").arg(join(codes, " "));
}

std::string standardValueEntry(const model::StandardValue& v, const model::DecimalFormat& fmt) {
    return Phrase("%1  %2  %3")
        .arg(seriesLabel(v.member), ohms(v.value, fmt), signedPercent(v.change, fmt));
}

std::string smdCodes(const std::vector<std::string>& codes) {
    return translate("Value", "贴片代码：%1").arg(join(codes, translate("Value", "、")));
}

std::string valueExample() {
    return translate("ValueWindow", "例如 4.7k、4k7、470R、R47、1M5，按回车查色环。");
}

std::string handOverRefusal(const model::ColourAnswer& a) {
    if (a.value.isZero())
        return translate("Value", "跳线电阻只有一条黑环，主窗口的色环做不出它：0Ω 只能在这里看。");
    const model::ColourRecord& c = model::colourRecord(a.palette[4]);
    if (!c.hasTolerance())
        return translate("Value",
                         "主窗口的误差环没有%1：这是 IEC 60062 标准里的精密误差，只能在这里看。")
            .arg(colourName(c.index));
    return translate("Value", "主窗口的%1误差环是 %2：%3 是 IEC 60062 的精密误差，只能在这里看。")
        .arg(colourName(c.index), tolerance(c.tolerance), tolerance(a.tolerance));
}

std::string bandCountRefusal() {
    return translate("Value", "色环数只能是 4 或 5。");
}

std::string toleranceNameRefusal(const std::string& typed) {
    return notAColour(typed);
}

} // namespace zq::wording
