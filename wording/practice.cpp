// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/practice.h"

#include "model/band_reading.h"
#include "model/colour_code.h"
#include "model/smd.h"
#include "wording/chip_code.h"
#include "wording/reading.h"
#include "wording/words.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace zq::wording {

namespace {

using model::practice::End;
using model::practice::Limit;
using model::practice::MistakeKind;
using model::practice::Question;
using model::practice::QuestionKind;

// The catalogue's context of every practice text.
class Practice {};

constexpr std::array<const char*, model::practice::kQuestionKinds> kQuestionKindNames{
    ZQ_TRANSLATE_NOOP("Practice", "读阻值"),   ZQ_TRANSLATE_NOOP("Practice", "选色环"),
    ZQ_TRANSLATE_NOOP("Practice", "从哪端读"), ZQ_TRANSLATE_NOOP("Practice", "贴片代码"),
    ZQ_TRANSLATE_NOOP("Practice", "误差范围"),
};

constexpr std::array<const char*, model::practice::kMistakeKinds> kMistakeKindNames{
    ZQ_TRANSLATE_NOOP("Practice", "读反方向"), ZQ_TRANSLATE_NOOP("Practice", "四五环混淆"),
    ZQ_TRANSLATE_NOOP("Practice", "倍率错位"), ZQ_TRANSLATE_NOOP("Practice", "颜色看混"),
    ZQ_TRANSLATE_NOOP("Practice", "单位弄错"), ZQ_TRANSLATE_NOOP("Practice", "误差读错"),
    ZQ_TRANSLATE_NOOP("Practice", "没看间隔"),
};

enum class Role { Digit, Multiplier, Tolerance, Coefficient };

// What band `band` (1-based, reading order) of an n-band part stands for.
Role roleOf(int band, int n) {
    const int digits = n >= 5 ? 3 : 2;
    if (band <= digits) return Role::Digit;
    if (band == digits + 1) return Role::Multiplier;
    if (band == digits + 2) return Role::Tolerance;
    return Role::Coefficient;
}

// "×100", "×0.1".
std::string times(int colour) {
    return std::string("×") + std::string(model::colourRecord(colour).multiplier().text());
}

// "黄 = 4", "红 = ×100", "金 = ±5%", "棕 = 100ppm/K".
std::string meaning(int colour, Role role) {
    const model::ColourRecord& r = model::colourRecord(colour);
    switch (role) {
    case Role::Digit:
        return std::to_string(r.digit);
    case Role::Multiplier:
        return times(colour);
    case Role::Tolerance:
        return tolerance(model::toleranceOf(r, true));
    case Role::Coefficient:
        return translate("Practice", "%1ppm/K").arg(r.tcrPpm);
    }
    return {};
}

std::string roleName(Role role) {
    switch (role) {
    case Role::Digit:
        return translate("Practice", "数字");
    case Role::Multiplier:
        return translate("Practice", "倍率");
    case Role::Tolerance:
        return translate("Practice", "误差");
    case Role::Coefficient:
        return translate("Practice", "温度系数");
    }
    return {};
}

// The bands in reading order whose meanings the hints and the working give.
const std::vector<int>& readingBands(const Question& q) {
    return q.kind == QuestionKind::PickBands ? q.answerBands : q.part.bands;
}

std::string endName(End e) {
    return e == End::Left ? translate("Practice", "左端") : translate("Practice", "右端");
}

std::string powerOfTen(int power) {
    return std::string("1") + std::string(std::abs(power), '0');
}

} // namespace

std::string questionKindName(QuestionKind k) {
    return translate("Practice", kQuestionKindNames[std::size_t(k)]);
}

std::string mistakeKindName(MistakeKind k) {
    if (k == MistakeKind::Other) return translate("Practice", "其他");
    return translate("Practice", kMistakeKindNames[std::size_t(k)]);
}

std::string questionText(const Question& q, const model::DecimalFormat& fmt) {
    switch (q.kind) {
    case QuestionKind::ReadValue:
        return translate("Practice",
                         "这只电阻是多少欧？输入阻值（4.7k、4k7、4700 都行），按回车。");
    case QuestionKind::PickBands:
        return (q.bandCount == 5
                    ? translate("Practice", "点色块排出 %1 %2 的五环色环，再按“作答”。")
                    : translate("Practice", "点色块排出 %1 %2 的四环色环，再按“作答”。"))
            .arg(ohms(q.value, fmt), tolerance(q.tolerance));
    case QuestionKind::ReadDirection:
        return translate("Practice", "这只电阻从哪一端读起？点那一端，或按 ← → 选好再按回车。");
    case QuestionKind::ChipCode:
        return translate("Practice", "贴片电阻上印着 %1，它是多少欧？输入阻值，按回车。")
            .arg(std::string(q.code));
    case QuestionKind::ToleranceLimit:
        return q.limit == Limit::Lowest
                   ? translate("Practice", "这只电阻量出来最低可能是多少欧？输入阻值，按回车。")
                   : translate("Practice", "这只电阻量出来最高可能是多少欧？输入阻值，按回车。");
    }
    return {};
}

std::string questionSpoken(const Question& q, const model::DecimalFormat& fmt) {
    const std::string text = questionText(q, fmt);
    if (q.kind == QuestionKind::PickBands || q.kind == QuestionKind::ChipCode)
        return text + questionKeys(q);
    const std::vector<int> shown = q.part.shown();
    const int gap = q.part.shownBeforeGap();
    std::vector<std::string> bands;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        std::string band =
            translate("Practice", "%1：%2").arg(bandOrdinal(int(i) + 1), colourName(shown[i]));
        if (gap > 0 && int(i) == gap) band = translate("Practice", "隔开，") + band;
        bands.push_back(band);
    }
    return text +
           translate("Practice", "从左到右，%1。").arg(join(bands, translate("Practice", "，"))) +
           questionKeys(q);
}

std::string questionKeys(const Question& q) {
    switch (q.kind) {
    case QuestionKind::PickBands:
        return translate("Practice",
                         "按键：1 到 9 和 0 选数字的颜色，J 金色，Y "
                         "银色，退格键退一环，回车作答；问号键看提示，PageDown 跳过并看答案。");
    case QuestionKind::ReadDirection:
        return translate("Practice",
                         "按键：左右方向键选一端，回车作答；问号键看提示，PageDown 跳过并看答案。");
    default:
        return translate(
            "Practice",
            "按键：输入阻值后按回车作答，再按回车下一题；问号键看提示，PageDown 跳过并看答案。");
    }
}

namespace {

// The layout of an n-band part, said so that it is true for that part: which bands are digits,
// which the multiplier, and what follows.
std::string layoutRule(int n) {
    switch (n) {
    case 3:
        return translate(
            "Practice",
            "三环电阻：前两环是数字，第三环是倍率（数字后面添几个 0），没有误差环，误差是 ±20%。");
    case 4:
        return translate(
            "Practice", "四环电阻：前两环是数字，第三环是倍率（数字后面添几个 0），第四环是误差。");
    case 5:
        return translate(
            "Practice", "五环电阻：前三环是数字，第四环是倍率（数字后面添几个 0），第五环是误差。");
    default:
        return translate("Practice", "六环电阻：前三环是数字，第四环是倍率（数字后面添几个 "
                                     "0），第五环是误差，第六环是温度系数环。");
    }
}

// Where reading starts on a drawn part, as its layout shows it.
std::string whereToStart(int n) {
    if (n == 3)
        return translate("Practice",
                         "三环电阻没有隔开的误差环：金色和银色不会是第一环，它们没有数字。");
    if (n == 6)
        return translate(
            "Practice",
            "误差环和前面的环隔开一段，它和温度系数环是最后读的两环，所以从另一端读起。");
    return translate("Practice", "误差环和前面的环隔开一段，它是最后读的一环，所以从另一端读起。");
}

// The bands a hint tells, one a hint: the digits and the multiplier, and the tolerance where
// the answer needs it; a part to be picked keeps its last band back.
int bandsHinted(const Question& q) {
    const int n = int(readingBands(q).size());
    const int digits = n >= 5 ? 3 : 2;
    if (q.kind == QuestionKind::ReadValue) return digits + 1;
    if (q.kind == QuestionKind::ToleranceLimit) return std::min(n, digits + 2);
    return n - 1; // PickBands: the last band is the learner's to find
}

// A chip code's pieces after its rule: the digits one at a time, the part before R, or the
// number and the letter. The power digit, and what follows R, the rule leaves to the learner.
std::vector<std::string> chipPieces(const model::SmdReading& r) {
    std::vector<std::string> out;
    if (r.kind == model::SmdKind::Eia96) {
        out.push_back(translate("Practice", "前两位 %1 是 E96 系列的第 %2 个值：%3。")
                          .arg((r.eiaNumber < 10 ? "0" : "") + std::to_string(r.eiaNumber))
                          .arg(r.eiaNumber)
                          .arg(r.eiaMember));
        out.push_back(
            translate("Practice", "字母 %1 是倍率 ×%2。")
                .arg(std::string(1, r.letter), std::string(model::Decimal::of(1, r.power).text())));
        return out;
    }
    if (r.point) {
        out.push_back(
            (r.whole.empty()
                 ? translate("Practice", "R 前面没有数字：整数部分是 0。")
                 : translate("Practice", "R 前面的 %1 是整数部分。").arg(std::string(r.whole))));
        return out;
    }
    for (std::size_t i = 0; i < r.significant.size(); ++i)
        out.push_back(translate("Practice", "第 %1 位 %2 是数字。")
                          .arg(i + 1)
                          .arg(std::string(1, r.significant[i])));
    return out;
}

std::string chipRule(const model::SmdReading& r) {
    if (r.kind == model::SmdKind::Eia96)
        return translate(
            "Practice",
            "两位数字加一个字母是 EIA-96 代码：数字是 E96 系列里第几个值，字母是倍率。");
    if (r.point) return translate("Practice", "代码里的 R 代表小数点，R 前后的数字照写。");
    return r.kind == model::SmdKind::ThreeDigit
               ? translate(
                     "Practice",
                     "三位代码：前两位是数字，最后一位是 10 的几次方，就是在数字后面添几个 0。")
               : translate(
                     "Practice",
                     "四位代码：前三位是数字，最后一位是 10 的几次方，就是在数字后面添几个 0。");
}

} // namespace

std::vector<std::string> hints(const Question& q) {
    std::vector<std::string> out;
    if (q.kind == QuestionKind::ChipCode) {
        const model::SmdAnswer a = model::readSmdCode(q.code);
        if (a.readings.empty()) return out;
        out = chipPieces(a.readings.front());
        out.insert(out.begin(), chipRule(a.readings.front()));
        return out;
    }
    const std::vector<int>& bands = readingBands(q);
    const int n = int(bands.size());
    if (q.kind == QuestionKind::ReadDirection) {
        // Naming the bands in reading order would give the end away: the rules instead, the
        // cue the part shows first (its gap, or, spaced evenly, its colours).
        // A three-band part has no tolerance band to stand apart.
        const std::string gap =
            n == 3 ? whereToStart(n)
                   : translate(
                         "Practice",
                         "看间隔：误差环和别的环隔得远一些，它在读的最后，另一端就是读起的一端。");
        const std::string colours =
            translate("Practice", "看颜色：金色和银色不会是第一环，它们没有数字。");
        using Cues = model::practice::DrawnPart::Cues;
        if (q.part.cues == Cues::GapOnly)
            return {gap, translate("Practice",
                                   "这只电阻的颜色两头读都说得通，只有间隔分得出哪头先读。")};
        if (q.part.cues == Cues::ColoursOnly)
            return {colours,
                    translate("Practice", "这只电阻的色环是等距画的，看不出间隔：只能看颜色。")};
        return {gap, colours};
    }
    std::string rule = layoutRule(n);
    if (q.kind != QuestionKind::PickBands)
        rule += translate("Practice", "这只电阻从%1读起。").arg(endName(q.part.readFrom()));
    if (q.kind == QuestionKind::ToleranceLimit)
        rule += q.limit == Limit::Lowest ? translate("Practice", "最低值是阻值减去误差的那一份。")
                                         : translate("Practice", "最高值是阻值加上误差的那一份。");
    out.push_back(rule);
    for (int b = 1; b <= bandsHinted(q); ++b) {
        const int colour = bands[std::size_t(b - 1)];
        const Role role = roleOf(b, n);
        out.push_back(
            translate("Practice", "%1%2：%3 %4。")
                .arg(bandOrdinal(b), colourName(colour), roleName(role), meaning(colour, role)));
    }
    return out;
}

namespace {

// What the colours of a part drawn without its gap say against the end it was read from: the
// rule reading that way breaks, or why its reading is the less likely one.
std::string colourCue(const Question& q, const model::DecimalFormat& fmt) {
    const model::BandReadings r = model::readBothWays(q.part.shown());
    const End wrongEnd = q.part.readFrom() == End::Left ? End::Right : End::Left;
    const auto wrongWay =
        wrongEnd == End::Left ? model::Direction::AsEntered : model::Direction::Reversed;
    const std::string from = endName(wrongEnd);
    for (const model::RuledOut& o : r.ruledOut) {
        if (o.direction != wrongWay) continue;
        switch (o.rule) {
        case model::Rule::NoDigit:
            if (o.band == 1)
                return translate("Practice", "从%1读，第一环是%2，可%2没有数字，不会是第一环。")
                    .arg(from, colourName(o.colour));
            return translate("Practice", "从%1读，%2是%3，可%3没有数字。")
                .arg(from, bandOrdinal(o.band), colourName(o.colour));
        case model::Rule::NotATolerance:
            return translate("Practice", "从%1读，误差环是%2，可%2不是误差环的颜色。")
                .arg(from, colourName(o.colour));
        case model::Rule::NoMultiplier:
        case model::Rule::NoCoefficient:
            return translate("Practice", "从%1读，%2是%3，可没有%3的%4。")
                .arg(from, bandOrdinal(o.band), colourName(o.colour), bandRoleName(o.role));
        case model::Rule::AllDigitsBlack:
            return translate("Practice", "从%1读，数字环全是黑色，没有这样的电阻。").arg(from);
        }
    }
    const auto other = std::find_if(r.readings.begin(), r.readings.end(),
                                    [&](const auto& i) { return i.direction == wrongWay; });
    if (other != r.readings.end() && r.verdict.reason == model::VerdictReason::LeadingBlack)
        return translate("Practice", "从%1读，第一环是黑色，可没有电阻以黑色打头。").arg(from);
    if (other != r.readings.end() && r.verdict.reason == model::VerdictReason::Series)
        return translate("Practice", "从%1读是 %2，不是标准阻值。")
            .arg(from, ohms(other->reading.value, fmt));
    return translate("Practice",
                     "色环是等距画的，只能看颜色：金色和银色不会是第一环，黑色不是误差环的颜色。");
}

// A chip code's power digit taken for one digit more: "432" typed for 4.3 kΩ.
std::string powerDigitTakenForADigit(const Question& q) {
    const std::string code = std::string(q.code);
    const bool digits = code.size() >= 3 && std::all_of(code.begin(), code.end(), [](char c) {
                            return c >= '0' && c <= '9';
                        });
    if (!digits) return translate("Practice", "把最后一位当成了数字：它是 10 的几次方，不是数字。");
    return translate(
               "Practice",
               "把最后一位当成了数字：%1 的最后一位 %2 是 10 的几次方，要在 %3 后面添 %2 个 0。")
        .arg(code, code.substr(code.size() - 1), code.substr(0, code.size() - 1));
}

} // namespace

std::string mistakeText(const Question& q, const model::practice::Mistake& m,
                        const model::DecimalFormat& fmt) {
    const bool chip = q.kind == QuestionKind::ChipCode;
    switch (m.kind) {
    case MistakeKind::WrongEnd:
        // Only what the part showed tells the end: its gap, or, drawn evenly, its colours.
        return translate("Practice", "读反了方向：这只电阻要从%1读起。%2")
            .arg(endName(q.part.readFrom()),
                 q.kind == QuestionKind::ReadDirection && !q.part.gapShown()
                     ? colourCue(q, fmt)
                     : whereToStart(int(readingBands(q).size())));
    case MistakeKind::BandCount:
        if (chip)
            return translate(
                "Practice",
                "三位和四位代码弄混了：四位代码前三位是数字，最后一位才是 10 的几次方。");
        return translate("Practice", "环数弄混了：五环、六环电阻前三环是数字，第四环才是倍率；三环"
                                     "、四环电阻前两环是数字，第三环是倍率。");
    case MistakeKind::MultiplierOff:
        if (m.powerOff == 0 && chip) return powerDigitTakenForADigit(q);
        if (m.powerOff == 0)
            return translate("Practice", "把倍率环当成了一位数字：%1是倍率 %2，不是数字。")
                .arg(bandOrdinal(m.band),
                     m.shownColour == model::palette::kNone ? std::string() : times(m.shownColour));
        return (m.powerOff > 0 ? translate("Practice", "倍率错了，答案大了 %1 倍。%2")
                               : translate("Practice", "倍率错了，答案小了 %1 倍。%2"))
            .arg(
                powerOfTen(m.powerOff),
                m.band > 0 && m.shownColour != model::palette::kNone
                    ? translate("Practice", "%1是%2，倍率 %3。")
                          .arg(bandOrdinal(m.band), colourName(m.shownColour), times(m.shownColour))
                    : std::string());
    case MistakeKind::ConfusedColour:
        if (q.kind == QuestionKind::PickBands)
            return translate("Practice", "颜色选混了：%1应是%2，你选了%3。这两种颜色容易混。")
                .arg(bandOrdinal(m.band), colourName(m.shownColour), colourName(m.takenColour));
        return translate("Practice", "颜色看混了：%1是%2，你当成了%3。这两种颜色容易看混。")
            .arg(bandOrdinal(m.band), colourName(m.shownColour), colourName(m.takenColour));
    case MistakeKind::UnitSlip:
        return (m.powerOff > 0
                    ? translate("Practice",
                                "单位弄错了：答案大了 %1 倍。k 是千（×1000），M 是兆（×1000000）。")
                    : translate(
                          "Practice",
                          "单位弄错了：答案小了 %1 倍。k 是千（×1000），M 是兆（×1000000）。"))
            .arg(powerOfTen(m.powerOff));
    case MistakeKind::ToleranceMisread:
        return translate("Practice", "误差读错了：%1%2是 %3，你按 %4 算了。")
            .arg(bandOrdinal(m.band), colourName(m.shownColour), tolerance(q.tolerance),
                 tolerance(m.takenTolerance));
    case MistakeKind::AgainstGap:
        return translate("Practice", "读反了：宽的间隔在%1，那边的一环是误差环，要从%2读起。")
            .arg(q.part.readFrom() == End::Left ? translate("Practice", "右边")
                                                : translate("Practice", "左边"),
                 endName(q.part.readFrom()));
    case MistakeKind::Other:
        break;
    }
    return {};
}

std::string verdictText(const Question& q, const model::practice::Judgement& j, bool helped,
                        const model::DecimalFormat& fmt) {
    using model::practice::Verdict;
    if (j.verdict == Verdict::Right)
        return helped ? translate("Practice", "答对了！看过提示，这题记作“提示后答对”。")
                      : translate("Practice", "答对了！");
    if (j.verdict == Verdict::Skipped) {
        std::string answer;
        if (q.kind == QuestionKind::PickBands)
            answer = shortNames(q.answerBands);
        else if (q.kind == QuestionKind::ReadDirection)
            answer = translate("Practice", "从%1读起").arg(endName(q.answerEnd));
        else
            answer = ohms(q.answerValue, fmt);
        return translate("Practice", "跳过了这题，记作没答对。答案：%1。").arg(answer);
    }
    if (j.verdict != Verdict::Wrong) return {};
    // The mistake named is the verdict; an answer no known mistake explains is said wrong once.
    const std::string named = mistakeText(q, j.mistake, fmt);
    return named.empty() ? translate("Practice", "不对，对照下面的算法看看错在哪里。") : named;
}

std::string unreadableText(const Question& q, const std::string& reason, int picked) {
    if (q.kind == QuestionKind::PickBands)
        return translate("Practice", "还差几环：要选 %1 环，已选 %2 环。")
            .arg(q.bandCount)
            .arg(picked);
    if (reason.empty()) return translate("Practice", "先输入一个阻值。");
    return translate("Practice", "没读懂这个答案：%1").arg(reason);
}

std::string workingText(const Question& q, const model::DecimalFormat& fmt) {
    if (q.kind == QuestionKind::ChipCode) {
        const model::SmdAnswer a = model::readSmdCode(q.code);
        if (a.readings.empty()) return {};
        return translate("Practice", "算法：%1").arg(chipLine(a, a.readings.front(), fmt));
    }
    const std::vector<int>& bands = readingBands(q);
    const int n = int(bands.size());
    std::vector<std::string> steps;
    std::string digits, multiplier;
    for (int b = 1; b <= n; ++b) {
        const int c = bands[std::size_t(b - 1)];
        const Role role = roleOf(b, n);
        steps.push_back(translate("Practice", "　%1 %2 → %3 %4")
                            .arg(bandOrdinal(b), shortName(c), roleName(role), meaning(c, role)));
        if (role == Role::Digit) digits += std::to_string(model::colourRecord(c).digit);
        if (role == Role::Multiplier) multiplier = times(c);
    }
    std::vector<std::string> lines;
    if (q.kind == QuestionKind::ReadDirection || q.part.reversed)
        lines.push_back(translate("Practice", "从%1读起：").arg(endName(q.part.readFrom())));
    else
        lines.push_back(translate("Practice", "这样读："));
    lines.insert(lines.end(), steps.begin(), steps.end());
    // The raw product in ohms, then the main window's form where that reads otherwise.
    const std::string raw = translate("Practice", "%1Ω").arg(std::string(q.value.text(fmt.point)));
    const std::string shown = ohms(q.value, fmt);
    lines.push_back(
        (raw == shown
             ? translate("Practice", "%1 %2 = %3").arg(digits, multiplier, raw)
             : translate("Practice", "%1 %2 = %3 = %4").arg(digits, multiplier, raw, shown)));
    if (q.tolerance > 0) {
        if (q.kind == QuestionKind::ToleranceLimit)
            lines.push_back((q.limit == Limit::Lowest ? translate("Practice", "最低：%1 − %2 = %3")
                                                      : translate("Practice", "最高：%1 + %2 = %3"))
                                .arg(ohms(q.value, fmt),
                                     tolerance(q.tolerance).substr(std::string_view("±").size()),
                                     ohms(q.answerValue, fmt)));
        else
            lines.push_back(translate("Practice", "阻值 %1，误差 %2。")
                                .arg(ohms(q.value, fmt), tolerance(q.tolerance)));
    }
    return join(lines, "\n");
}

std::string pickedText(std::span<const int> colours, int wanted) {
    return translate("Practice", "已选 %1/%2 环").arg(colours.size()).arg(wanted);
}

std::string chartCaption() {
    return translate(
        "Practice",
        "条：绿 答对，黄 看过提示后答对，红 答错或跳过。\n点一行，就出一道这一类的题。");
}

std::string questionHeading() {
    return translate("Practice", "题型");
}

std::string questionTallyHeading() {
    return translate("Practice", "最近答对 / 共几题");
}

std::string mistakeHeading() {
    return translate("Practice", "易犯的错");
}

std::string mistakeTallyHeading() {
    return translate("Practice", "最近犯过 / 共几题");
}

std::string questionTally(const model::practice::Track& t) {
    if (t.recent.empty()) return {};
    return translate("Practice", "%1/%2").arg(t.rightLately()).arg(t.recent.size());
}

std::string mistakeTally(const model::practice::Track& t) {
    if (t.recent.empty()) return {};
    return t.fading()
               ? translate("Practice", "%1/%2 渐少").arg(t.wrongLately()).arg(t.recent.size())
               : translate("Practice", "%1/%2").arg(t.wrongLately()).arg(t.recent.size());
}

std::string chartRowSpoken(const std::string& kindName, const model::practice::Track& t) {
    if (t.recent.empty())
        return translate("Practice", "%1：还没练过。点它出一道这类题。").arg(kindName);
    return translate("Practice", "%1：最近 %2 题答对 %3 题，提示后答对 %4 题。点它出一道这类题。")
        .arg(kindName)
        .arg(t.recent.size())
        .arg(t.rightLately())
        .arg(t.helpedLately());
}

std::string mistakeRowSpoken(const std::string& kindName, const model::practice::Track& t) {
    if (t.recent.empty())
        return translate("Practice", "%1：还没有题考到它。点它出一道这类题。").arg(kindName);
    return (t.fading()
                ? translate("Practice", "%1：最近 %2 题里犯过 %3 次，在减少。点它出一道这类题。")
                : translate("Practice", "%1：最近 %2 题里犯过 %3 次。点它出一道这类题。"))
        .arg(kindName)
        .arg(t.recent.size())
        .arg(t.wrongLately());
}

std::string roundReview(const model::practice::LearnerState& s) {
    const model::practice::RoundTally& r = s.round;
    const std::string comma = translate("Practice", "、");
    std::vector<std::string> score{translate("Practice", "答对 %1 题").arg(r.right)};
    if (r.helped) score.push_back(translate("Practice", "提示后答对 %1 题").arg(r.helped));
    if (r.wrong) score.push_back(translate("Practice", "答错 %1 题").arg(r.wrong));
    if (r.skipped) score.push_back(translate("Practice", "跳过 %1 题").arg(r.skipped));
    std::vector<std::string> lines{translate("Practice", "第 %1 轮做完了：%2 题里%3。")
                                       .arg(r.number)
                                       .arg(r.asked)
                                       .arg(join(score, translate("Practice", "，")))};
    std::vector<std::string> missed, made;
    for (const QuestionKind k : model::practice::kAllQuestionKinds)
        if (const int n = r.missed[std::size_t(k)])
            missed.push_back(translate("Practice", "%1 %2 题").arg(questionKindName(k)).arg(n));
    for (const MistakeKind m : model::practice::kAllMistakeKinds)
        if (const int n = r.made[std::size_t(m)])
            made.push_back(translate("Practice", "%1 %2 次").arg(mistakeKindName(m)).arg(n));
    if (missed.empty())
        lines.push_back(translate("Practice", "这一轮没有答错或跳过的题。"));
    else if (made.empty())
        lines.push_back(translate("Practice", "没答对的：%1。").arg(join(missed, comma)));
    else
        lines.push_back(translate("Practice", "没答对的：%1；犯的错：%2。")
                            .arg(join(missed, comma), join(made, comma)));
    std::vector<std::string> strong;
    for (const QuestionKind k : model::practice::reviewOf(s).strong)
        strong.push_back(questionKindName(k));
    if (!strong.empty())
        lines.push_back(translate("Practice", "最近做得好的：%1。").arg(join(strong, comma)));
    const std::optional<model::practice::Pick> next = model::practice::practiseNext(s);
    if (!next)
        lines.push_back(translate("Practice", "没有特别要补的，照这样练下去。"));
    else {
        const std::string name =
            next->focus ? mistakeKindName(*next->focus) : questionKindName(next->kind);
        lines.push_back(
            translate("Practice", "下一轮先练“%1”：点下面图表里的这一行，就出这类题。").arg(name));
    }
    return join(lines, "\n");
}

std::string pickedTag(bool answerDrawn) {
    return answerDrawn ? translate("Practice", "正确") : translate("Practice", "你的");
}

std::string rightBands(std::span<const int> colours) {
    return translate("Practice", "正确：%1").arg(shortNames(colours));
}

std::string progressSetAside(const std::string& fileName) {
    return translate("Practice", "练习进度文件读不了，已改名为 %1 放在一边；这次从头开始。")
        .arg(fileName);
}

std::string progressNotSetAside(const std::string& path) {
    return translate(
               "Practice",
               "练习进度文件 %1 读不了，也没能改名放在一边；这次从头开始，进度不保存，免得盖掉它。")
        .arg(path);
}

std::string progressNotSaved(const std::string& why) {
    if (why.empty()) return translate("Practice", "练习进度没能保存。");
    return translate("Practice", "练习进度没能保存：%1").arg(why);
}

std::string restartTitle() {
    return translate("Practice", "重新开始");
}

std::string restartQuestion() {
    return translate("Practice", "清除全部练习进度，从头开始？");
}

std::string restarted() {
    return translate("Practice", "进度已清除，从头开始。");
}

std::string notForThisQuestion() {
    return translate("Practice", "这题用不上它。");
}

std::string chooseEndFirst() {
    return translate("Practice", "先按 ← 或 → 选一端，再按回车。");
}

} // namespace zq::wording
