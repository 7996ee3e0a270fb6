// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/reading.h"

#include "model/typed_text.h"
#include "wording/main_window.h"
#include "wording/value.h"
#include "wording/words.h"

#include <algorithm>

namespace zq::wording {

namespace {

using model::BandRole;
using model::Direction;
using model::VerdictReason;
using namespace model::palette;

std::string roleName(BandRole role) {
    switch (role) {
    case BandRole::Digit:
        return translate("BandRole", "数字环");
    case BandRole::Multiplier:
        return translate("BandRole", "倍率环");
    case BandRole::Tolerance:
        return translate("BandRole", "误差环");
    case BandRole::Coefficient:
        return translate("BandRole", "温度系数环");
    }
    return {};
}

// "4.70KΩ ±5%".
std::string valueText(const model::Reading& r, const model::DecimalFormat& fmt) {
    return ohms(r.value, fmt) + ' ' + tolerance(r.tolerance);
}

// The main window's words for a digit band that cannot take gold, silver or none, after the
// band it names.
std::string digitRefusal(int colour) {
    switch (colour) {
    case kGold:
        return translate(
            "BandRefusal",
            "所以不能为金色，金为被乘数，数值是0.1,同时金也是允许误差值，是±5%。记住啦！");
    case kSilver:
        return translate(
            "BandRefusal",
            "所以不能为银色，银为被乘数，数值是0.01,同时银也是允许误差值，是±10%。记住啦！");
    default:
        return translate("BandRefusal", "所以不能为无色，无色为允许误差值,是±20%。记住啦！");
    }
}

// The tolerance colours only IEC 60062:2016 gives: "橙、黄、灰".
std::string precisionColours() {
    std::vector<std::string> out;
    for (const model::ColourRecord& c : model::colourRecords())
        if (c.tolerance == 0 && c.iecTolerance != 0) out.push_back(shortName(c.index));
    return join(out, translate("Reading", "、"));
}

std::string bothSeries(bool bothStandard) {
    return bothStandard ? translate("Reading", "两种读法都是标准阻值")
                        : translate("Reading", "两种读法都不是标准阻值");
}

std::string seriesNote(const model::BandReadingItem& item, const model::DecimalFormat& fmt) {
    const model::Reading& r = item.reading;
    if (r.value.isZero()) return translate("Reading", "0Ω 是跳线电阻，不属于哪个阻值系列。");
    if (item.series)
        return translate("Reading", "%1 是 %2 系列里的标准阻值，%3 的电阻就按这个系列生产。")
            .arg(ohms(r.value, fmt), seriesLabel({*item.series}), tolerance(r.tolerance));
    return translate("Reading", "%1 不在 %2 电阻所用的 %3 系列里，很少有这样的电阻。")
        .arg(ohms(r.value, fmt), tolerance(r.tolerance), seriesAlternatives(item.toleranceSeries));
}

} // namespace

Said precisionNote(int colour) {
    const model::ColourRecord& c = model::colourRecord(colour);
    if (c.tolerance == 0)
        return {
            std::string("precision-tolerance"),
            translate("Reading", "%1误差环是 IEC 60062:2016 标准给的精密误差：%2，这是精密电阻。")
                .arg(colourName(colour), tolerance(c.iecTolerance))};
    return {std::string("precision-tolerance-differs"),
            translate("Reading",
                      "%1误差环按本程序的表是 %2，IEC 60062:2016 标准给的是 %3；这是精密电阻。")
                .arg(colourName(colour), tolerance(c.tolerance), tolerance(c.iecTolerance))};
}

namespace {

Said matchNote(const model::Reading& r, const model::Decimal& m, const model::DecimalFormat& fmt) {
    const bool in = r.min <= m && m <= r.max;
    return in ? Said{std::string("measurement-matches"),
                     translate("Reading", "量到的 %1 在 %2 之内，相符。")
                         .arg(ohms(m, fmt), ohmsRange(r.min, r.max, fmt))}
              : Said{std::string("measurement-does-not-match"),
                     translate("Reading", "量到的 %1 不在 %2 之内，不相符。")
                         .arg(ohms(m, fmt), ohmsRange(r.min, r.max, fmt))};
}

// The sentence that says which of two readings is likely: readings[0] over readings[1].
Said decided(const model::BandReadings& r, const model::DecimalFormat& fmt) {
    const model::Verdict& v = r.verdict;
    const auto dir = [](const model::BandReadingItem& i) { return directionText(i.direction); };
    const auto value = [&fmt](const model::BandReadingItem& i) {
        return valueText(i.reading, fmt);
    };
    switch (v.reason) {
    case VerdictReason::Measurement: {
        const model::BandReadingItem& win = r.readings.at(0);
        return {std::string("measurement"),
                translate("Reading", "量到的阻值只和%1的 %2 相符，所以就是它。")
                    .arg(dir(win), value(win))};
    }
    case VerdictReason::LeadingBlack: {
        const model::BandReadingItem &win = r.readings.at(0), &lose = r.readings.at(1);
        return {
            std::string("leading-black"),
            translate("Reading", "更可能是%1的 %2：%3的 %4 第一环是黑色，没有厂家这样生产电阻。")
                .arg(dir(win), value(win), dir(lose), value(lose))};
    }
    case VerdictReason::Series: {
        const model::BandReadingItem &win = r.readings.at(0), &lose = r.readings.at(1);
        return {
            std::string("series"),
            translate("Reading",
                      "更可能是%1的 %2：它是标准阻值，而%3的 %4 不是，很少有厂家生产这样的电阻。")
                .arg(dir(win), value(win), dir(lose), value(lose))};
    }
    case VerdictReason::ToleranceColour: {
        const model::BandReadingItem &win = r.readings.at(0), &lose = r.readings.at(1);
        return {
            std::string("tolerance-colour"),
            translate("Reading",
                      "%1，但%2时误差环是%3，很常见；%4时误差环是%5，少见。所以更可能是%6的 %7。")
                .arg(bothSeries(v.bothStandard), dir(win), colourName(win.toleranceColour),
                     dir(lose), colourName(lose.toleranceColour), dir(win), value(win))};
    }
    case VerdictReason::Undecided:
        return {
            std::string("undecided"),
            v.toleranceBands
                ? translate("Reading", "%1，误差环的颜色也分不出哪种更常见，看不出哪种读法更可能。")
                      .arg(bothSeries(v.bothStandard))
                : translate("Reading", "%1，看不出哪种读法更可能。")
                      .arg(bothSeries(v.bothStandard))};
    case VerdictReason::Palindrome:
        return {std::string("palindrome"),
                translate("Reading", "正着读和倒着读是一样的：%1。").arg(value(r.readings.at(0)))};
    case VerdictReason::OnlyOneWay:
        return {std::string("only-one-way"),
                translate("Reading", "只有%1说得通：%2。")
                    .arg(dir(r.readings.at(0)), value(r.readings.at(0)))};
    case VerdictReason::EndCue:
    case VerdictReason::BodyColour:
        return cueDecided(r, fmt);
    case VerdictReason::Neither:
        return {std::string("neither-way"),
                translate("Reading", "两头读都说不通，请再看看是不是有颜色看错了。")};
    }
    return {};
}

} // namespace

std::string bandRoleName(BandRole role) {
    return roleName(role);
}

std::string directionText(Direction d) {
    return d == Direction::AsEntered ? translate("Reading", "从左往右读")
                                     : translate("Reading", "从右往左读");
}

Said inputRefusal(const model::BandReadings& r) {
    switch (r.problem) {
    case model::InputProblem::None:
        return {};
    case model::InputProblem::BandCount:
        return {std::string(model::codeOf(r.problem)),
                translate("Reading", "色环电阻有三到六个环，这里有 %1 个。").arg(r.bandCount)};
    case model::InputProblem::AbsentBand:
        return {std::string(model::codeOf(r.problem)),
                translate("Reading", "%1是无色：无色就是没有环，只输入看得见的色环。")
                    .arg(bandOrdinal(r.problemBand))};
    case model::InputProblem::NotAColour:
        return {std::string(model::codeOf(r.problem)),
                translate("Reading", "%1不是一种颜色。").arg(bandOrdinal(r.problemBand))};
    }
    return {};
}

std::string readingLine(const model::BandReadingItem& item, const model::DecimalFormat& fmt) {
    std::string value = valueText(item.reading, fmt);
    if (item.reading.tcrPpm) value += Phrase(" %1ppm/K").arg(*item.reading.tcrPpm);
    return (item.likely ? std::string("● ") : std::string("○ ")) +
           translate("Reading", "%1：%2 → %3（%4）")
               .arg(directionText(item.direction), shortNames(item.colours), value,
                    ohmsRange(item.reading.min, item.reading.max, fmt));
}

std::vector<Said> readingNotes(const model::BandReadingItem& item,
                               const std::optional<model::Decimal>& measured,
                               const model::DecimalFormat& fmt) {
    std::vector<Said> out;
    const std::string code = item.reading.value.isZero() ? std::string("jumper")
                             : item.series               ? std::string("standard-member")
                                                         : std::string("off-series");
    out.push_back({code, seriesNote(item, fmt)});
    if (item.precision)
        out.push_back(precisionNote(item.toleranceColour));
    else if (item.rareTolerance)
        out.push_back(
            {std::string("rare-tolerance-colour"),
             translate("Reading", "%1误差环少见。").arg(colourName(item.toleranceColour))});
    if (measured) out.push_back(matchNote(item.reading, *measured, fmt));
    return out;
}

std::vector<Said> verdict(const model::BandReadings& r, const model::DecimalFormat& fmt) {
    std::vector<Said> out{decided(r, fmt)};
    for (Said& s : cueNotes(r, fmt))
        out.push_back(std::move(s));
    const model::MeasuredOutcome m = r.verdict.measured;
    if (r.verdict.reason == VerdictReason::Undecided) {
        // Only without a measurement is there one to ask for.
        if (m == model::MeasuredOutcome::NotMeasured)
            out.push_back({std::string("measure-to-decide"),
                           translate("Reading", "请用万用表量一下阻值，再对照两种读法的范围。")});
    }
    if (m == model::MeasuredOutcome::NoneMatchMisread)
        out.push_back({std::string("measurement-matches-none-misread"),
                       translate("Reading", "量到的阻值和哪种读法都不相符，可能看错了一个颜色。")});
    else if (m == model::MeasuredOutcome::NoneMatch)
        out.push_back(
            {std::string("measurement-matches-none"),
             translate("Reading", "量到的阻值和哪种读法都不相符，也不像是看错了一个颜色。")});
    return out;
}

Said ruledOut(const model::RuledOut& o) {
    std::string why;
    std::string code;
    switch (o.rule) {
    case model::Rule::NoDigit:
        code = std::string("no-digit");
        why = digitRefusal(o.colour);
        break;
    case model::Rule::NotATolerance:
        code = std::string("not-a-tolerance");
        why = toleranceBandRefusal(o.colour) +
              translate("Reading", "精密电阻的误差环还可能是%1色。").arg(precisionColours());
        break;
    case model::Rule::NoMultiplier:
        code = std::string("no-multiplier");
        why = translate("Reading", "没有%1的%2。").arg(colourName(o.colour), roleName(o.role));
        break;
    case model::Rule::NoCoefficient:
        code = std::string("no-coefficient");
        why = translate("Reading", "没有%1的%2。").arg(colourName(o.colour), roleName(o.role));
        break;
    case model::Rule::AllDigitsBlack:
        return {std::string("all-digits-black"),
                translate("Reading", "%1，数字环全是黑色：没有这样的电阻（跳线电阻只有一个"
                                     "黑环），多半是看错了一环。")
                    .arg(directionText(o.direction))};
    }
    std::string text = translate("Reading", "%1，%2是%3；%2是%4，")
                           .arg(directionText(o.direction), bandOrdinal(o.band),
                                colourName(o.colour), roleName(o.role)) +
                       why;
    if (o.readFromOtherEnd)
        text += translate("Reading", "金色或银色的环只会在%1一端，所以要从另一端读起。")
                    .arg(roleName(o.farEndRole));
    return {code, text};
}

Said change(const model::BandChange& c, const model::DecimalFormat& fmt) {
    return {std::string("one-band-misread"),
            translate("Reading", "%1可能是%2而不是%3：那样%4是 %5，和量到的相符。")
                .arg(bandOrdinal(c.readingBand), colourName(c.to), colourName(c.from),
                     directionText(c.direction), valueText(c.reading, fmt))};
}

std::string joined(const std::vector<Said>& said) {
    std::string out;
    for (const Said& s : said)
        out += s.text;
    return out;
}

std::string ruledOutLine(const model::RuledOut& o) {
    return std::string("✕ ") + ruledOut(o).text;
}

std::string changeLine(const model::BandChange& c, const model::DecimalFormat& fmt) {
    return translate("Reading", "？ %1").arg(change(c, fmt).text);
}

ReadingLines readingLines(const model::BandReadings& r, const model::DecimalFormat& fmt) {
    ReadingLines out;
    if (r.problem != model::InputProblem::None) {
        out.verdict = inputRefusal(r).text;
        return out;
    }
    // What the cues add stands on a line of its own, so that the verdict stays short.
    std::vector<Said> said = verdict(r, fmt);
    const std::vector<Said> cues = cueNotes(r, fmt);
    std::erase_if(said, [&cues](const Said& s) {
        return std::any_of(cues.begin(), cues.end(),
                           [&s](const Said& c) { return c.text == s.text; });
    });
    out.verdict = joined(said);
    if (!cues.empty()) out.lines.push_back(joined(cues));
    for (const model::BandReadingItem& i : r.readings)
        out.lines.push_back(readingLine(i, fmt) + '\n' + joined(readingNotes(i, r.measured, fmt)));
    for (const model::RuledOut& o : r.ruledOut)
        out.lines.push_back(ruledOutLine(o));
    for (const model::BandChange& c : r.changes)
        out.lines.push_back(changeLine(c, fmt));
    return out;
}

std::string measuredRefusal(const model::ValueInput& v) {
    return translate("Reading", "万用表读数：%1").arg(inputReason(v));
}

Said measuredNote(const model::ValueInput& v, const model::DecimalFormat& fmt) {
    if (v.note == model::InputNote::None) return {};
    return {std::string(model::codeOf(v.note)),
            translate("Reading", "万用表读数：%1").arg(inputNote(v, fmt))};
}

std::string bandCountRefusal(int given) {
    return translate("Reading", "色环电阻有三到六个环，这里给了 %1 个颜色。").arg(given);
}

std::string neitherWay(const model::BandReadings& r) {
    std::string why;
    for (const model::RuledOut& o : r.ruledOut)
        why += ruledOut(o).text;
    return translate("Reading", "两头都读不通：%1").arg(why);
}

std::string enterHint() {
    return translate("Reading",
                     "从左到右点你看到的色块（三到六环；键 1～9、0 是数字的颜色，J 金，Y 银）。");
}

std::string enteredBands(const std::vector<int>& colours) {
    std::string text =
        translate("Reading", "已输入 %1 环：%2").arg(colours.size()).arg(shortNames(colours));
    if (int(colours.size()) < model::kFewestBands)
        text += translate("Reading", "（至少要三环）");
    else if (int(colours.size()) == model::kMostBands)
        text += translate("Reading", "（最多六环）");
    return text;
}

std::string tooManyBands() {
    return translate("Reading", "色环电阻最多六个环；看错了就按“退一环”。");
}

std::string nothingToShow(bool tooFewBands) {
    return tooFewBands ? translate("Reading", "先输入三到六个色环。")
                       : translate("Reading", "这组色环两头都读不通，没有可显示的读法。");
}

std::string precisionStaysHere(int toleranceColour) {
    return translate("Reading",
                     "主窗口的误差环没有%1：这是 IEC 60062 标准里的精密误差，只能在这里看。")
        .arg(colourName(toleranceColour));
}

std::string threeBandsAsFour() {
    return translate("Reading", "三环电阻就是误差环为无色（±20%）的四环电阻，主窗口按四环显示。");
}

std::string sixthBandLeftBehind(int coefficientColour) {
    return translate("Reading", "主窗口没有温度系数环，第六环（%1）没有带过去。")
        .arg(colourName(coefficientColour));
}

std::string undecidedShownAs(Direction d) {
    return translate("Reading", "两种读法分不出，先按%1显示；量一下再定。").arg(directionText(d));
}

std::string misreadShownAs(int band, int seen, int shown) {
    return translate("Reading", "按%1是%2而不是%3显示，和量到的相符。")
        .arg(bandOrdinal(band), colourName(shown), colourName(seen));
}

std::string codeHasNoValue() {
    return translate("Reading", "这个贴片代码读不出阻值，没有可显示的。");
}

std::string codeHasNoBands() {
    return translate("Reading", "这个阻值做不成四环或五环色环电阻，主窗口显示不了。");
}

std::string handOverNote(const model::HandOver& h) {
    using Refusal = model::HandOver::Refusal;
    switch (h.refusal) {
    case Refusal::NothingRead:
        return nothingToShow(h.tooFewBands);
    case Refusal::PrecisionTolerance:
        return precisionStaysHere(h.toleranceColour);
    case Refusal::CodeHasNoValue:
        return codeHasNoValue();
    case Refusal::CodeHasNoBands:
        return codeHasNoBands();
    case Refusal::None:
        break;
    }
    std::string note = h.threeBandsAsFour ? threeBandsAsFour()
                       : h.sixthBand      ? sixthBandLeftBehind(*h.sixthBand)
                                          : std::string();
    if (h.misread)
        note += misreadShownAs(h.misread->readingBand, h.misread->from, h.misread->to);
    else if (h.undecided)
        note += undecidedShownAs(*h.undecided);
    return note;
}

} // namespace zq::wording
