// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/practice.h"

#include "model/colour_code.h"
#include "model/smd.h"
#include "wording/chip_code.h"
#include "wording/words.h"

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
        return tolerance(r.tolerance ? r.tolerance : r.iecTolerance);
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
        return Practice::tr("这只电阻该从哪一端读起？点那一端的电阻身。");
    case QuestionKind::ChipCode:
        return Practice::tr("贴片电阻上印着 %1，它是多少欧？输入阻值，按回车。").arg(wording::q(q.code));
    case QuestionKind::ToleranceLimit:
        return q.limit == Limit::Lowest ? Practice::tr("这只电阻量出来最低可能是多少欧？输入阻值，按回车。")
                                        : Practice::tr("这只电阻量出来最高可能是多少欧？输入阻值，按回车。");
    }
    return {};
}

QString questionSpoken(const Question& q, const model::DecimalFormat& fmt) {
    QString text = questionText(q, fmt);
    if (q.kind == QuestionKind::PickBands || q.kind == QuestionKind::ChipCode) return text;
    const std::vector<int> shown = q.part.shown();
    const int gap = q.part.shownBeforeGap();
    QStringList bands;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        QString band = Practice::tr("%1：%2").arg(bandOrdinal(int(i) + 1), colourName(shown[i]));
        if (gap > 0 && int(i) == gap) band = Practice::tr("隔开，") + band;
        bands << band;
    }
    return text + Practice::tr("从左到右，%1。").arg(bands.join(Practice::tr("，")));
}

int hintCount(const Question& q) {
    if (q.kind == QuestionKind::ChipCode) return 1;
    // Naming the bands in reading order would give the end away: the rules instead.
    if (q.kind == QuestionKind::ReadDirection) return 2;
    return int(readingBands(q).size());
}

QString hintText(const Question& q, int hint) {
    if (q.kind == QuestionKind::ChipCode) {
        const model::SmdAnswer a = model::readSmdCode(q.code);
        return a.readings.empty() ? QString() : chipExplanation(a, a.readings.front());
    }
    if (q.kind == QuestionKind::ReadDirection) {
        // The cue the part shows comes first: its gap, or, spaced evenly, its colours.
        const QString gap =
            Practice::tr("看间隔：误差环和别的环隔得远一些，它在读的最后，另一端就是读起的一端。");
        const QString colours = Practice::tr("看颜色：金色和银色不会是第一环，它们没有数字。");
        using Cues = model::practice::DrawnPart::Cues;
        if (q.part.cues == Cues::GapOnly)
            return hint == 1 ? gap
                   : hint == 2
                       ? Practice::tr("这只电阻的颜色两头读都说得通，只有间隔分得出哪头先读。")
                       : QString();
        if (hint == 1) return q.part.cues == Cues::ColoursOnly ? colours : gap;
        if (hint == 2)
            return q.part.cues == Cues::ColoursOnly
                       ? Practice::tr("这只电阻的色环是等距画的，看不出间隔：只能看颜色。")
                       : colours;
        return {};
    }
    const std::vector<int>& bands = readingBands(q);
    if (hint < 1 || hint > int(bands.size())) return {};
    const int colour = bands[std::size_t(hint - 1)];
    const Role role = roleOf(hint, int(bands.size()));
    if (q.kind == QuestionKind::PickBands)
        return Practice::tr("%1是%2 %3：%4。")
            .arg(bandOrdinal(hint), roleName(role), meaning(colour, role), colourName(colour));
    return Practice::tr("%1（从%2数）%3是%4：%5。")
        .arg(bandOrdinal(hint), endName(q.part.readFrom()), colourName(colour), roleName(role),
             meaning(colour, role));
}

QString mistakeText(const Question& q, const model::practice::Mistake& m,
                    const model::DecimalFormat&) {
    const bool chip = q.kind == QuestionKind::ChipCode;
    switch (m.kind) {
    case MistakeKind::WrongEnd:
        return Practice::tr("读反了方向：这只电阻要从%1读起。误差环和别的环隔得远些，它总在最后。")
            .arg(endName(q.part.readFrom()));
    case MistakeKind::BandCount:
        if (chip) return Practice::tr("三位和四位代码弄混了：四位代码前三位是数字，最后一位才是 10 的几次方。");
        return Practice::tr("四环和五环弄混了：五环电阻前三环是数字，第四环才是倍率；四环电阻前两环是数字。");
    case MistakeKind::MultiplierOff:
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
    return Practice::tr("答案不对。看看下面的算法。");
}

QString verdictText(const Question& q, const model::practice::Judgement& j, bool helped,
                    const model::DecimalFormat& fmt) {
    using model::practice::Verdict;
    if (j.verdict == Verdict::Right)
        return helped ? Practice::tr("答对了！看过提示，这题记作“提示后答对”。") : Practice::tr("答对了！");
    if (j.verdict == Verdict::Wrong) return Practice::tr("不对。") + mistakeText(q, j.mistake, fmt);
    return {};
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
    return Practice::tr("每类最近 %1 次：绿色是答对，黄色是看过提示后答对，红色是答错。")
        .arg(model::practice::kRecent);
}

QString chartRowSpoken(const QString& kindName, const model::practice::Track& t) {
    if (t.recent.empty()) return Practice::tr("%1：还没练过").arg(kindName);
    return Practice::tr("%1：最近 %2 次答对 %3 次，提示后答对 %4 次")
        .arg(kindName)
        .arg(t.recent.size())
        .arg(t.rightLately())
        .arg(t.helpedLately());
}

QString progressSetAside(const QString& fileName) {
    return Practice::tr("练习进度文件读不了，已改名为 %1 放在一边；这次从头开始。").arg(fileName);
}

QString progressNotSetAside(const QString& path) {
    return Practice::tr("练习进度文件 %1 读不了，也没能改名放在一边；这次从头开始。").arg(path);
}

QString progressNotSaved(const QString& why) {
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

} // namespace zq::wording
