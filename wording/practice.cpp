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
class Practice {
    Q_DECLARE_TR_FUNCTIONS(Practice)
};

constexpr std::array<const char*, model::practice::kQuestionKinds> kQuestionKindNames{
    QT_TRANSLATE_NOOP("Practice", "读阻值"), QT_TRANSLATE_NOOP("Practice", "选色环"),
    QT_TRANSLATE_NOOP("Practice", "从哪端读"), QT_TRANSLATE_NOOP("Practice", "贴片代码"),
    QT_TRANSLATE_NOOP("Practice", "误差范围"),
};

constexpr std::array<const char*, model::practice::kMistakeKinds> kMistakeKindNames{
    QT_TRANSLATE_NOOP("Practice", "读反方向"), QT_TRANSLATE_NOOP("Practice", "四五环混淆"),
    QT_TRANSLATE_NOOP("Practice", "倍率错位"), QT_TRANSLATE_NOOP("Practice", "颜色看混"),
    QT_TRANSLATE_NOOP("Practice", "单位弄错"), QT_TRANSLATE_NOOP("Practice", "误差读错"),
    QT_TRANSLATE_NOOP("Practice", "没看间隔"),
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
QString times(int colour) {
    return QStringLiteral("×") + q(model::colourRecord(colour).multiplier().text());
}

// "黄 = 4", "红 = ×100", "金 = ±5%", "棕 = 100ppm/K".
QString meaning(int colour, Role role) {
    const model::ColourRecord& r = model::colourRecord(colour);
    switch (role) {
    case Role::Digit:
        return QString::number(r.digit);
    case Role::Multiplier:
        return times(colour);
    case Role::Tolerance:
        return tolerance(model::toleranceOf(r, true));
    case Role::Coefficient:
        return Practice::tr("%1ppm/K").arg(r.tcrPpm);
    }
    return {};
}

QString roleName(Role role) {
    switch (role) {
    case Role::Digit:
        return Practice::tr("数字");
    case Role::Multiplier:
        return Practice::tr("倍率");
    case Role::Tolerance:
        return Practice::tr("误差");
    case Role::Coefficient:
        return Practice::tr("温度系数");
    }
    return {};
}

// The bands in reading order whose meanings the hints and the working give.
const std::vector<int>& readingBands(const Question& q) {
    return q.kind == QuestionKind::PickBands ? q.answerBands : q.part.bands;
}

QString endName(End e) {
    return e == End::Left ? Practice::tr("左端") : Practice::tr("右端");
}

QString powerOfTen(int power) {
    return QStringLiteral("1") + QString(std::abs(power), QLatin1Char('0'));
}

} // namespace

QString questionKindName(QuestionKind k) {
    return Practice::tr(kQuestionKindNames[std::size_t(k)]);
}

QString mistakeKindName(MistakeKind k) {
    if (k == MistakeKind::Other) return Practice::tr("其他");
    return Practice::tr(kMistakeKindNames[std::size_t(k)]);
}

QString questionText(const Question& q, const model::DecimalFormat& fmt) {
    switch (q.kind) {
    case QuestionKind::ReadValue:
        return Practice::tr("这只电阻是多少欧？输入阻值（4.7k、4k7、4700 都行），按回车。");
    case QuestionKind::PickBands:
        return (q.bandCount == 5 ? Practice::tr("点色块排出 %1 %2 的五环色环，再按“作答”。")
                                 : Practice::tr("点色块排出 %1 %2 的四环色环，再按“作答”。"))
            .arg(ohms(q.value, fmt), tolerance(q.tolerance));
    case QuestionKind::ReadDirection:
        return Practice::tr("这只电阻从哪一端读起？点那一端，或按 ← → 选好再按回车。");
    case QuestionKind::ChipCode:
        return Practice::tr("贴片电阻上印着 %1，它是多少欧？输入阻值，按回车。").arg(wording::q(q.code));
    case QuestionKind::ToleranceLimit:
        return q.limit == Limit::Lowest ? Practice::tr("这只电阻量出来最低可能是多少欧？输入阻值，按回车。")
                                        : Practice::tr("这只电阻量出来最高可能是多少欧？输入阻值，按回车。");
    }
    return {};
}

QString questionSpoken(const Question& q, const model::DecimalFormat& fmt) {
    const QString text = questionText(q, fmt);
    if (q.kind == QuestionKind::PickBands || q.kind == QuestionKind::ChipCode)
        return text + questionKeys(q);
    const std::vector<int> shown = q.part.shown();
    const int gap = q.part.shownBeforeGap();
    QStringList bands;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        QString band = Practice::tr("%1：%2").arg(bandOrdinal(int(i) + 1), colourName(shown[i]));
        if (gap > 0 && int(i) == gap) band = Practice::tr("隔开，") + band;
        bands << band;
    }
    return text + Practice::tr("从左到右，%1。").arg(bands.join(Practice::tr("，"))) + questionKeys(q);
}

QString questionKeys(const Question& q) {
    switch (q.kind) {
    case QuestionKind::PickBands:
        return Practice::tr("按键：1 到 9 和 0 选数字的颜色，J 金色，Y 银色，退格键退一环，回车作答；问号键看提示，PageDown 跳过并看答案。");
    case QuestionKind::ReadDirection:
        return Practice::tr("按键：左右方向键选一端，回车作答；问号键看提示，PageDown 跳过并看答案。");
    default:
        return Practice::tr("按键：输入阻值后按回车作答，再按回车下一题；问号键看提示，PageDown 跳过并看答案。");
    }
}

namespace {

// The layout of an n-band part, said so that it is true for that part: which bands are digits,
// which the multiplier, and what follows.
QString layoutRule(int n) {
    switch (n) {
    case 3:
        return Practice::tr("三环电阻：前两环是数字，第三环是倍率（数字后面添几个 0），没有误差环，误差是 ±20%。");
    case 4:
        return Practice::tr("四环电阻：前两环是数字，第三环是倍率（数字后面添几个 0），第四环是误差。");
    case 5:
        return Practice::tr("五环电阻：前三环是数字，第四环是倍率（数字后面添几个 0），第五环是误差。");
    default:
        return Practice::tr("六环电阻：前三环是数字，第四环是倍率（数字后面添几个 0），第五环是误差，第六环是温度系数环。");
    }
}

// Where reading starts on a drawn part, as its layout shows it.
QString whereToStart(int n) {
    if (n == 3) return Practice::tr("三环电阻没有隔开的误差环：金色和银色不会是第一环，它们没有数字。");
    if (n == 6)
        return Practice::tr("误差环和前面的环隔开一段，它和温度系数环是最后读的两环，所以从另一端读起。");
    return Practice::tr("误差环和前面的环隔开一段，它是最后读的一环，所以从另一端读起。");
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
QStringList chipPieces(const model::SmdReading& r) {
    QStringList out;
    if (r.kind == model::SmdKind::Eia96) {
        out << Practice::tr("前两位 %1 是 E96 系列的第 %2 个值：%3。")
                   .arg(QStringLiteral("%1").arg(r.eiaNumber, 2, 10, QLatin1Char('0')))
                   .arg(r.eiaNumber)
                   .arg(r.eiaMember);
        out << Practice::tr("字母 %1 是倍率 ×%2。")
                   .arg(QString(QLatin1Char(r.letter)), q(model::Decimal::of(1, r.power).text()));
        return out;
    }
    if (r.point) {
        out << (r.whole.empty() ? Practice::tr("R 前面没有数字：整数部分是 0。")
                                : Practice::tr("R 前面的 %1 是整数部分。").arg(q(r.whole)));
        return out;
    }
    for (std::size_t i = 0; i < r.significant.size(); ++i)
        out << Practice::tr("第 %1 位 %2 是数字。").arg(i + 1).arg(QChar::fromLatin1(r.significant[i]));
    return out;
}

QString chipRule(const model::SmdReading& r) {
    if (r.kind == model::SmdKind::Eia96)
        return Practice::tr("两位数字加一个字母是 EIA-96 代码：数字是 E96 系列里第几个值，字母是倍率。");
    if (r.point) return Practice::tr("代码里的 R 代表小数点，R 前后的数字照写。");
    return r.kind == model::SmdKind::ThreeDigit
               ? Practice::tr("三位代码：前两位是数字，最后一位是 10 的几次方，就是在数字后面添几个 0。")
               : Practice::tr("四位代码：前三位是数字，最后一位是 10 的几次方，就是在数字后面添几个 0。");
}

} // namespace

QStringList hints(const Question& q) {
    QStringList out;
    if (q.kind == QuestionKind::ChipCode) {
        const model::SmdAnswer a = model::readSmdCode(q.code);
        if (a.readings.empty()) return out;
        out << chipRule(a.readings.front()) << chipPieces(a.readings.front());
        return out;
    }
    const std::vector<int>& bands = readingBands(q);
    const int n = int(bands.size());
    if (q.kind == QuestionKind::ReadDirection) {
        // Naming the bands in reading order would give the end away: the rules instead, the
        // cue the part shows first (its gap, or, spaced evenly, its colours).
        // A three-band part has no tolerance band to stand apart.
        const QString gap =
            n == 3 ? whereToStart(n)
                   : Practice::tr("看间隔：误差环和别的环隔得远一些，它在读的最后，另一端就是读起的一端。");
        const QString colours = Practice::tr("看颜色：金色和银色不会是第一环，它们没有数字。");
        using Cues = model::practice::DrawnPart::Cues;
        if (q.part.cues == Cues::GapOnly)
            out << gap
                << Practice::tr("这只电阻的颜色两头读都说得通，只有间隔分得出哪头先读。");
        else if (q.part.cues == Cues::ColoursOnly)
            out << colours << Practice::tr("这只电阻的色环是等距画的，看不出间隔：只能看颜色。");
        else
            out << gap << colours;
        return out;
    }
    QString rule = layoutRule(n);
    if (q.kind != QuestionKind::PickBands)
        rule += Practice::tr("这只电阻从%1读起。").arg(endName(q.part.readFrom()));
    if (q.kind == QuestionKind::ToleranceLimit)
        rule += q.limit == Limit::Lowest ? Practice::tr("最低值是阻值减去误差的那一份。")
                                         : Practice::tr("最高值是阻值加上误差的那一份。");
    out << rule;
    for (int b = 1; b <= bandsHinted(q); ++b) {
        const int colour = bands[std::size_t(b - 1)];
        const Role role = roleOf(b, n);
        out << Practice::tr("%1%2：%3 %4。")
                   .arg(bandOrdinal(b), colourName(colour), roleName(role), meaning(colour, role));
    }
    return out;
}

namespace {

// What the colours of a part drawn without its gap say against the end it was read from: the
// rule reading that way breaks, or why its reading is the less likely one.
QString colourCue(const Question& q, const model::DecimalFormat& fmt) {
    const model::BandReadings r = model::readBothWays(q.part.shown());
    const End wrongEnd = q.part.readFrom() == End::Left ? End::Right : End::Left;
    const auto wrongWay =
        wrongEnd == End::Left ? model::Direction::AsEntered : model::Direction::Reversed;
    const QString from = endName(wrongEnd);
    for (const model::RuledOut& o : r.ruledOut) {
        if (o.direction != wrongWay) continue;
        switch (o.rule) {
        case model::Rule::NoDigit:
            if (o.band == 1)
                return Practice::tr("从%1读，第一环是%2，可%2没有数字，不会是第一环。")
                    .arg(from, colourName(o.colour));
            return Practice::tr("从%1读，%2是%3，可%3没有数字。")
                .arg(from, bandOrdinal(o.band), colourName(o.colour));
        case model::Rule::NotATolerance:
            return Practice::tr("从%1读，误差环是%2，可%2不是误差环的颜色。")
                .arg(from, colourName(o.colour));
        case model::Rule::NoMultiplier:
        case model::Rule::NoCoefficient:
            return Practice::tr("从%1读，%2是%3，可没有%3的%4。")
                .arg(from, bandOrdinal(o.band), colourName(o.colour), bandRoleName(o.role));
        case model::Rule::AllDigitsBlack:
            return Practice::tr("从%1读，数字环全是黑色，没有这样的电阻。").arg(from);
        }
    }
    const auto other = std::find_if(r.readings.begin(), r.readings.end(), [&](const auto& i) {
        return i.direction == wrongWay;
    });
    if (other != r.readings.end() && r.verdict.reason == model::VerdictReason::LeadingBlack)
        return Practice::tr("从%1读，第一环是黑色，可没有电阻以黑色打头。").arg(from);
    if (other != r.readings.end() && r.verdict.reason == model::VerdictReason::Series)
        return Practice::tr("从%1读是 %2，不是标准阻值。").arg(from, ohms(other->reading.value, fmt));
    return Practice::tr("色环是等距画的，只能看颜色：金色和银色不会是第一环，黑色不是误差环的颜色。");
}

// A chip code's power digit taken for one digit more: "432" typed for 4.3 kΩ.
QString powerDigitTakenForADigit(const Question& q) {
    const QString code = wording::q(q.code);
    const bool digits = code.size() >= 3 && std::all_of(code.begin(), code.end(), [](QChar c) {
                            return c.isDigit();
                        });
    if (!digits) return Practice::tr("把最后一位当成了数字：它是 10 的几次方，不是数字。");
    return Practice::tr("把最后一位当成了数字：%1 的最后一位 %2 是 10 的几次方，要在 %3 后面添 %2 个 0。")
        .arg(code, code.right(1), code.chopped(1));
}

} // namespace

QString mistakeText(const Question& q, const model::practice::Mistake& m,
                    const model::DecimalFormat& fmt) {
    const bool chip = q.kind == QuestionKind::ChipCode;
    switch (m.kind) {
    case MistakeKind::WrongEnd:
        // Only what the part showed tells the end: its gap, or, drawn evenly, its colours.
        return Practice::tr("读反了方向：这只电阻要从%1读起。%2")
            .arg(endName(q.part.readFrom()),
                 q.kind == QuestionKind::ReadDirection && !q.part.gapShown()
                     ? colourCue(q, fmt)
                     : whereToStart(int(readingBands(q).size())));
    case MistakeKind::BandCount:
        if (chip) return Practice::tr("三位和四位代码弄混了：四位代码前三位是数字，最后一位才是 10 的几次方。");
        return Practice::tr("环数弄混了：五环、六环电阻前三环是数字，第四环才是倍率；三环、四环电阻前两环是数字，第三环是倍率。");
    case MistakeKind::MultiplierOff:
        if (m.powerOff == 0 && chip) return powerDigitTakenForADigit(q);
        if (m.powerOff == 0)
            return Practice::tr("把倍率环当成了一位数字：%1是倍率 %2，不是数字。")
                .arg(bandOrdinal(m.band), m.shownColour == model::palette::kNone
                                               ? QString()
                                               : times(m.shownColour));
        return (m.powerOff > 0 ? Practice::tr("倍率错了，答案大了 %1 倍。%2")
                               : Practice::tr("倍率错了，答案小了 %1 倍。%2"))
            .arg(powerOfTen(m.powerOff),
                 m.band > 0 && m.shownColour != model::palette::kNone
                     ? Practice::tr("%1是%2，倍率 %3。")
                           .arg(bandOrdinal(m.band), colourName(m.shownColour), times(m.shownColour))
                     : QString());
    case MistakeKind::ConfusedColour:
        if (q.kind == QuestionKind::PickBands)
            return Practice::tr("颜色选混了：%1应是%2，你选了%3。这两种颜色容易混。")
                .arg(bandOrdinal(m.band), colourName(m.shownColour), colourName(m.takenColour));
        return Practice::tr("颜色看混了：%1是%2，你当成了%3。这两种颜色容易看混。")
            .arg(bandOrdinal(m.band), colourName(m.shownColour), colourName(m.takenColour));
    case MistakeKind::UnitSlip:
        return (m.powerOff > 0 ? Practice::tr("单位弄错了：答案大了 %1 倍。k 是千（×1000），M 是兆（×1000000）。")
                               : Practice::tr("单位弄错了：答案小了 %1 倍。k 是千（×1000），M 是兆（×1000000）。"))
            .arg(powerOfTen(m.powerOff));
    case MistakeKind::ToleranceMisread:
        return Practice::tr("误差读错了：%1%2是 %3，你按 %4 算了。")
            .arg(bandOrdinal(m.band), colourName(m.shownColour), tolerance(q.tolerance),
                 tolerance(m.takenTolerance));
    case MistakeKind::AgainstGap:
        return Practice::tr("读反了：宽的间隔在%1，那边的一环是误差环，要从%2读起。")
            .arg(q.part.readFrom() == End::Left ? Practice::tr("右边") : Practice::tr("左边"),
                 endName(q.part.readFrom()));
    case MistakeKind::Other:
        break;
    }
    return {};
}

QString verdictText(const Question& q, const model::practice::Judgement& j, bool helped,
                    const model::DecimalFormat& fmt) {
    using model::practice::Verdict;
    if (j.verdict == Verdict::Right)
        return helped ? Practice::tr("答对了！看过提示，这题记作“提示后答对”。") : Practice::tr("答对了！");
    if (j.verdict == Verdict::Skipped) {
        QString answer;
        if (q.kind == QuestionKind::PickBands)
            answer = shortNames(q.answerBands);
        else if (q.kind == QuestionKind::ReadDirection)
            answer = Practice::tr("从%1读起").arg(endName(q.answerEnd));
        else
            answer = ohms(q.answerValue, fmt);
        return Practice::tr("跳过了这题，记作没答对。答案：%1。").arg(answer);
    }
    if (j.verdict != Verdict::Wrong) return {};
    // The mistake named is the verdict; an answer no known mistake explains is said wrong once.
    const QString named = mistakeText(q, j.mistake, fmt);
    return named.isEmpty() ? Practice::tr("不对，对照下面的算法看看错在哪里。") : named;
}

QString unreadableText(const Question& q, const QString& reason, int picked) {
    if (q.kind == QuestionKind::PickBands)
        return Practice::tr("还差几环：要选 %1 环，已选 %2 环。").arg(q.bandCount).arg(picked);
    if (reason.isEmpty()) return Practice::tr("先输入一个阻值。");
    return Practice::tr("没读懂这个答案：%1").arg(reason);
}

QString workingText(const Question& q, const model::DecimalFormat& fmt) {
    if (q.kind == QuestionKind::ChipCode) {
        const model::SmdAnswer a = model::readSmdCode(q.code);
        if (a.readings.empty()) return {};
        return Practice::tr("算法：%1").arg(chipLine(a, a.readings.front(), fmt));
    }
    const std::vector<int>& bands = readingBands(q);
    const int n = int(bands.size());
    QStringList steps;
    QString digits, multiplier;
    for (int b = 1; b <= n; ++b) {
        const int c = bands[std::size_t(b - 1)];
        const Role role = roleOf(b, n);
        steps << Practice::tr("　%1 %2 → %3 %4")
                     .arg(bandOrdinal(b), shortName(c), roleName(role), meaning(c, role));
        if (role == Role::Digit) digits += QString::number(model::colourRecord(c).digit);
        if (role == Role::Multiplier) multiplier = times(c);
    }
    QStringList lines;
    if (q.kind == QuestionKind::ReadDirection || q.part.reversed)
        lines << Practice::tr("从%1读起：").arg(endName(q.part.readFrom()));
    else
        lines << Practice::tr("这样读：");
    lines << steps;
    // The raw product in ohms, then the main window's form where that reads otherwise.
    const QString raw = Practice::tr("%1Ω").arg(wording::q(q.value.text(fmt.point)));
    const QString shown = ohms(q.value, fmt);
    lines << (raw == shown ? Practice::tr("%1 %2 = %3").arg(digits, multiplier, raw)
                           : Practice::tr("%1 %2 = %3 = %4").arg(digits, multiplier, raw, shown));
    if (q.tolerance > 0) {
        if (q.kind == QuestionKind::ToleranceLimit)
            lines << (q.limit == Limit::Lowest ? Practice::tr("最低：%1 − %2 = %3")
                                               : Practice::tr("最高：%1 + %2 = %3"))
                         .arg(ohms(q.value, fmt), tolerance(q.tolerance).mid(1),
                              ohms(q.answerValue, fmt));
        else
            lines << Practice::tr("阻值 %1，误差 %2。").arg(ohms(q.value, fmt), tolerance(q.tolerance));
    }
    return lines.join(QLatin1Char('\n'));
}

QString pickedText(std::span<const int> colours, int wanted) {
    return Practice::tr("已选 %1/%2 环").arg(colours.size()).arg(wanted);
}

QString chartCaption() {
    return Practice::tr("条：绿 答对，黄 看过提示后答对，红 答错或跳过。\n点一行，就出一道这一类的题。");
}

QString questionHeading() {
    return Practice::tr("题型");
}

QString questionTallyHeading() {
    return Practice::tr("最近答对 / 共几题");
}

QString mistakeHeading() {
    return Practice::tr("易犯的错");
}

QString mistakeTallyHeading() {
    return Practice::tr("最近犯过 / 共几题");
}

QString questionTally(const model::practice::Track& t) {
    if (t.recent.empty()) return {};
    return Practice::tr("%1/%2").arg(t.rightLately()).arg(t.recent.size());
}

QString mistakeTally(const model::practice::Track& t) {
    if (t.recent.empty()) return {};
    return t.fading() ? Practice::tr("%1/%2 渐少").arg(t.wrongLately()).arg(t.recent.size())
                      : Practice::tr("%1/%2").arg(t.wrongLately()).arg(t.recent.size());
}

QString chartRowSpoken(const QString& kindName, const model::practice::Track& t) {
    if (t.recent.empty()) return Practice::tr("%1：还没练过。点它出一道这类题。").arg(kindName);
    return Practice::tr("%1：最近 %2 题答对 %3 题，提示后答对 %4 题。点它出一道这类题。")
        .arg(kindName)
        .arg(t.recent.size())
        .arg(t.rightLately())
        .arg(t.helpedLately());
}

QString mistakeRowSpoken(const QString& kindName, const model::practice::Track& t) {
    if (t.recent.empty()) return Practice::tr("%1：还没有题考到它。点它出一道这类题。").arg(kindName);
    return (t.fading() ? Practice::tr("%1：最近 %2 题里犯过 %3 次，在减少。点它出一道这类题。")
                       : Practice::tr("%1：最近 %2 题里犯过 %3 次。点它出一道这类题。"))
        .arg(kindName)
        .arg(t.recent.size())
        .arg(t.wrongLately());
}

QString roundReview(const model::practice::LearnerState& s) {
    const model::practice::RoundTally& r = s.round;
    const QString comma = Practice::tr("、");
    QStringList score{Practice::tr("答对 %1 题").arg(r.right)};
    if (r.helped) score << Practice::tr("提示后答对 %1 题").arg(r.helped);
    if (r.wrong) score << Practice::tr("答错 %1 题").arg(r.wrong);
    if (r.skipped) score << Practice::tr("跳过 %1 题").arg(r.skipped);
    QStringList lines{Practice::tr("第 %1 轮做完了：%2 题里%3。")
                          .arg(r.number)
                          .arg(r.asked)
                          .arg(score.join(Practice::tr("，")))};
    QStringList missed, made;
    for (const QuestionKind k : model::practice::kAllQuestionKinds)
        if (const int n = r.missed[std::size_t(k)])
            missed << Practice::tr("%1 %2 题").arg(questionKindName(k)).arg(n);
    for (const MistakeKind m : model::practice::kAllMistakeKinds)
        if (const int n = r.made[std::size_t(m)])
            made << Practice::tr("%1 %2 次").arg(mistakeKindName(m)).arg(n);
    if (missed.isEmpty())
        lines << Practice::tr("这一轮没有答错或跳过的题。");
    else if (made.isEmpty())
        lines << Practice::tr("没答对的：%1。").arg(missed.join(comma));
    else
        lines << Practice::tr("没答对的：%1；犯的错：%2。").arg(missed.join(comma), made.join(comma));
    QStringList strong;
    for (const QuestionKind k : model::practice::reviewOf(s).strong)
        strong << questionKindName(k);
    if (!strong.isEmpty()) lines << Practice::tr("最近做得好的：%1。").arg(strong.join(comma));
    const std::optional<model::practice::Pick> next = model::practice::practiseNext(s);
    if (!next)
        lines << Practice::tr("没有特别要补的，照这样练下去。");
    else {
        const QString name =
            next->focus ? mistakeKindName(*next->focus) : questionKindName(next->kind);
        lines << Practice::tr("下一轮先练“%1”：点下面图表里的这一行，就出这类题。").arg(name);
    }
    return lines.join(QLatin1Char('\n'));
}

QString pickedTag(bool answerDrawn) {
    return answerDrawn ? Practice::tr("正确") : Practice::tr("你的");
}

QString rightBands(std::span<const int> colours) {
    return Practice::tr("正确：%1").arg(shortNames(colours));
}

QString progressSetAside(const QString& fileName) {
    return Practice::tr("练习进度文件读不了，已改名为 %1 放在一边；这次从头开始。").arg(fileName);
}

QString progressNotSetAside(const QString& path) {
    return Practice::tr("练习进度文件 %1 读不了，也没能改名放在一边；这次从头开始，进度不保存，免得盖掉它。").arg(path);
}

QString progressNotSaved(const QString& why) {
    if (why.isEmpty()) return Practice::tr("练习进度没能保存。");
    return Practice::tr("练习进度没能保存：%1").arg(why);
}

QString restartTitle() {
    return Practice::tr("重新开始");
}

QString restartQuestion() {
    return Practice::tr("清除全部练习进度，从头开始？");
}

QString restarted() {
    return Practice::tr("进度已清除，从头开始。");
}

QString notForThisQuestion() {
    return Practice::tr("这题用不上它。");
}

QString chooseEndFirst() {
    return Practice::tr("先按 ← 或 → 选一端，再按回车。");
}

} // namespace zq::wording
