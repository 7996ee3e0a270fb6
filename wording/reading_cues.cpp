// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The sentences about the cues of a part in the hand: the wider gap, the band nearer its
// lead, the body colour.
#include "model/typed_text.h"
#include "wording/reading.h"
#include "wording/words.h"

namespace zq::wording {

namespace {

using model::CueOutcome;
using model::Direction;
using model::EndCue;
using model::Side;

std::string sideText(Side s) {
    return s == Side::Left ? translate("Reading", "左边") : translate("Reading", "右边");
}

// The side a reading's first band stands on.
Side firstSide(Direction d) {
    return d == Direction::AsEntered ? Side::Left : Side::Right;
}

// "宽的间隔在右边", "靠近引线的那一环在左边".
std::string cueText(const EndCue& c) {
    return c.kind == EndCue::Kind::WiderGap
               ? translate("Reading", "宽的间隔在%1").arg(sideText(c.side))
               : translate("Reading", "靠近引线的那一环在%1").arg(sideText(c.side));
}

std::string cueCode(const EndCue& c, const char* outcome) {
    return (c.kind == EndCue::Kind::WiderGap ? std::string("gap-") : std::string("nearer-end-")) +
           std::string(outcome);
}

// The tolerances a body colour goes with: "±5%、±10%、±20%".
std::string fittingTolerances(model::BodyColour b) {
    std::vector<std::string> out;
    for (const int t : {500, 1000, 2000, 100, 50, 200})
        if (model::bodyFits(b, t).value_or(false)) out.push_back(tolerance(t));
    return join(out, translate("Reading", "、"));
}

std::string valueText(const model::BandReadingItem& i, const model::DecimalFormat& fmt) {
    return ohms(i.reading.value, fmt) + ' ' + tolerance(i.reading.tolerance);
}

const model::BandReadingItem* readingOf(const model::BandReadings& r, Direction d) {
    for (const model::BandReadingItem& i : r.readings)
        if (i.direction == d) return &i;
    return nullptr;
}

// Why the colours go against the end cue, after the cue itself.
std::string against(const model::BandReadings& r, const model::DecimalFormat& fmt) {
    const model::CueVerdict& cv = r.cues;
    const Direction d = cv.endDirection;
    const std::string cue = cueText(*cv.given.end);
    const auto firstBand = [&](int colour) {
        return translate("Reading", "%1，可是%2那一环是%3，不能做第一环：再看一下。")
            .arg(cue, sideText(firstSide(d)), colourName(colour));
    };
    const model::BandReadingItem* own = readingOf(r, d);
    if (cv.against == model::VerdictReason::LeadingBlack) return firstBand(model::palette::kBlack);
    if (cv.against == model::VerdictReason::Series && own)
        return translate("Reading", "%1，可是%2的 %3 不是标准阻值：再看一下。")
            .arg(cue, directionText(d), valueText(*own, fmt));
    if (cv.against == model::VerdictReason::Measurement && own)
        return translate("Reading", "%1，可是量到的阻值不合%2的 %3：再看一下。")
            .arg(cue, directionText(d), valueText(*own, fmt));
    for (const model::RuledOut& o : r.ruledOut) {
        if (o.direction != d) continue;
        if (o.band == 1) return firstBand(o.colour);
        return translate("Reading", "%1，可是%2时%3是%4，不能做%5：再看一下。")
            .arg(cue, directionText(d), bandOrdinal(o.band), colourName(o.colour),
                 bandRoleName(o.role));
    }
    return translate("Reading", "%1，可是颜色不是这样读的：再看一下。").arg(cue);
}

// A decided end cue chose what the colours alone would not: why that is unusual.
std::string lookAgain(const model::BandReadings& r, const model::DecimalFormat& fmt) {
    const model::CueVerdict& cv = r.cues;
    const model::BandReadingItem &own = r.readings.at(0), &other = r.readings.at(1);
    const std::string dOwn = directionText(own.direction), dOther = directionText(other.direction);
    if (cv.offSeries && cv.rarerColour)
        return translate("Reading", "不过%1的 %2 不是标准阻值，误差环是少见的%3；"
                                    "%4的 %5 是标准阻值，误差环是常见的%6：再看一下。")
            .arg(dOwn, valueText(own, fmt), colourName(own.toleranceColour), dOther,
                 valueText(other, fmt), colourName(other.toleranceColour));
    if (cv.offSeries)
        return translate("Reading", "不过%1的 %2 不是标准阻值，%3的 %4 才是：再看一下。")
            .arg(dOwn, valueText(own, fmt), dOther, valueText(other, fmt));
    return translate("Reading", "不过%1时误差环是%2，少见；%3时误差环是%4，很常见：再看一下。")
        .arg(dOwn, colourName(own.toleranceColour), dOther, colourName(other.toleranceColour));
}

// What was typed, as a refusal quotes it: unseen marks shown, cut short.
std::string shownTyped(const std::string& typed) {
    return quoted(std::string(model::typed::shown(model::typed::decode(typed).chars)));
}

} // namespace

std::string bodyColourText(model::BodyColour b) {
    switch (b) {
    case model::BodyColour::Beige:
        return translate("Reading", "米色");
    case model::BodyColour::Blue:
        return translate("Reading", "蓝色");
    case model::BodyColour::Green:
        return translate("Reading", "绿色");
    case model::BodyColour::Other:
        return translate("Reading", "其他颜色");
    }
    return {};
}

Said cueDecided(const model::BandReadings& r, const model::DecimalFormat& fmt) {
    const model::BandReadingItem& win = r.readings.at(0);
    const model::CueVerdict& cv = r.cues;
    if (r.verdict.reason == model::VerdictReason::BodyColour) {
        const model::BodyColour b = *cv.given.body;
        return {std::string("body-decides"),
                translate("Reading", "%1的身体多是 %2 的电阻，所以更可能是%3的 %4。")
                    .arg(bodyColourText(b), fittingTolerances(b), directionText(win.direction),
                         valueText(win, fmt))};
    }
    const EndCue& c = *cv.given.end;
    const std::string dir = directionText(win.direction), value = valueText(win, fmt);
    std::string text;
    if (c.kind == EndCue::Kind::NearerEnd)
        text = translate("Reading", "%1，它是第一环，所以%2：%3。").arg(cueText(c), dir, value);
    else if (win.toleranceColour == model::palette::kNone)
        text =
            translate("Reading", "%1，色环从另一头排起，所以%2：%3。").arg(cueText(c), dir, value);
    else
        text = translate("Reading", "%1，%2那一环是误差环，所以%3：%4。")
                   .arg(cueText(c), sideText(c.side), dir, value);
    return {cueCode(c, "decides"), text};
}

std::vector<Said> cueNotes(const model::BandReadings& r, const model::DecimalFormat& fmt) {
    std::vector<Said> out;
    const model::CueVerdict& cv = r.cues;
    if (cv.given.end) {
        const EndCue& c = *cv.given.end;
        switch (cv.end) {
        case CueOutcome::Agrees:
            out.push_back(
                {cueCode(c, "agrees"), translate("Reading", "%1，也是%2。")
                                           .arg(cueText(c), directionText(cv.endDirection))});
            break;
        case CueOutcome::Contradicted:
            out.push_back({cueCode(c, "contradicted"), against(r, fmt)});
            break;
        case CueOutcome::NoBearing:
            out.push_back({cueCode(c, "no-bearing"),
                           translate("Reading", "两头读都一样，用不着分哪头先读。")});
            break;
        case CueOutcome::Decided:
            if (cv.offSeries || cv.rarerColour)
                out.push_back({cueCode(c, "look-again"), lookAgain(r, fmt)});
            break;
        case CueOutcome::NotGiven:
            break;
        }
    }
    if (cv.given.body && !r.readings.empty()) {
        const model::BodyColour b = *cv.given.body;
        const model::BandReadingItem& likely = r.readings.front();
        switch (cv.body) {
        case CueOutcome::Agrees:
            out.push_back({std::string("body-fits"),
                           translate("Reading", "%1的身体和 %2 的误差合得上。")
                               .arg(bodyColourText(b), tolerance(likely.reading.tolerance))});
            break;
        case CueOutcome::Contradicted:
            out.push_back(
                {std::string("body-does-not-fit"),
                 translate("Reading", "%1的身体多是 %2 的电阻，少有 %3 的：再看一下颜色。")
                     .arg(bodyColourText(b), fittingTolerances(b),
                          tolerance(likely.reading.tolerance))});
            break;
        case CueOutcome::NoBearing:
            if (!model::bodyFits(b, 0).has_value())
                out.push_back(
                    {std::string("body-no-bearing"),
                     translate("Reading", "%1的身体看不出是哪种电阻。").arg(bodyColourText(b))});
            else if (*model::bodyFits(b, likely.reading.tolerance))
                out.push_back(
                    {std::string("body-no-bearing"),
                     translate("Reading", "%1的身体分不出这两种读法。").arg(bodyColourText(b))});
            else
                out.push_back(
                    {std::string("body-fits-neither"),
                     translate("Reading", "%1的身体多是 %2 的电阻，两种读法都不是：再看一下颜色。")
                         .arg(bodyColourText(b), fittingTolerances(b))});
            break;
        case CueOutcome::NotGiven:
        case CueOutcome::Decided:
            break;
        }
    }
    return out;
}

std::string gapOption(Side s, bool chosen) {
    return (chosen ? std::string("● ") : std::string("○ ")) + sideText(s);
}

std::string bodyOption(model::BodyColour b, bool chosen) {
    return (chosen ? std::string("● ") : std::string("○ ")) +
           (b == model::BodyColour::Other ? translate("Reading", "其他") : bodyColourText(b));
}

std::string gapOptionName(Side s, bool chosen) {
    return chosen ? translate("Reading", "宽的间隔在%1（已选，再按一下取消）").arg(sideText(s))
                  : translate("Reading", "宽的间隔在%1").arg(sideText(s));
}

std::string bodyOptionName(model::BodyColour b, bool chosen) {
    return chosen ? translate("Reading", "身体是%1（已选，再按一下取消）").arg(bodyColourText(b))
                  : translate("Reading", "身体是%1").arg(bodyColourText(b));
}

std::string gapNameRefusal(const std::string& typed) {
    return translate("Reading", "--gap 要写宽的间隔在哪一边：left 或 right（左、右），这里是%1。")
        .arg(shownTyped(typed));
}

std::string bodyNameRefusal(const std::string& typed) {
    return translate("Reading", "--body 要写电阻身体的颜色：beige、blue、green 或 other"
                                "（米色、蓝色、绿色、其他），这里是%1。")
        .arg(shownTyped(typed));
}

std::string decidingCue(const model::BandReadings& r) {
    switch (r.verdict.reason) {
    case model::VerdictReason::EndCue:
        return r.cues.given.end->kind == EndCue::Kind::WiderGap ? std::string("gap")
                                                                : std::string("nearer-end");
    case model::VerdictReason::BodyColour:
        return std::string("body");
    default:
        return {};
    }
}

} // namespace zq::wording
