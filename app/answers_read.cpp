// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/answers.h"

#include "app/answer_output.h"
#include "model/band_reading.h"
#include "model/colour_code.h"
#include "model/value_input.h"
#include "wording/reading.h"
#include "wording/words.h"

namespace zq::app {

using namespace output;

namespace {

QString roleName(model::BandRole role) {
    switch (role) {
    case model::BandRole::Digit:
        return QStringLiteral("digit");
    case model::BandRole::Multiplier:
        return QStringLiteral("multiplier");
    case model::BandRole::Tolerance:
        return QStringLiteral("tolerance");
    case model::BandRole::Coefficient:
        return QStringLiteral("coefficient");
    }
    return {};
}

QString outcomeName(model::MeasuredOutcome m) {
    switch (m) {
    case model::MeasuredOutcome::NotMeasured:
        return QStringLiteral("not-measured");
    case model::MeasuredOutcome::Matches:
        return QStringLiteral("matches");
    case model::MeasuredOutcome::NoneMatchMisread:
        return QStringLiteral("none-match-misread");
    case model::MeasuredOutcome::NoneMatch:
        return QStringLiteral("none-match");
    }
    return {};
}

QJsonArray said(const std::vector<wording::Said>& items) {
    QJsonArray out;
    for (const wording::Said& s : items)
        out << QJsonObject{{QStringLiteral("code"), s.code}, {QStringLiteral("text"), s.text}};
    return out;
}

QJsonValue optionalColour(int colour) {
    return colour == model::palette::kNone ? QJsonValue()
                                           : QJsonValue(q(model::colourRecord(colour).english));
}

QJsonObject readingJson(const model::BandReadingItem& i, const model::BandReadings& r,
                        const model::DecimalFormat& fmt) {
    QJsonArray toleranceSeries;
    for (const model::ESeries s : i.toleranceSeries)
        toleranceSeries << q(model::seriesName(s));
    return {
        {QStringLiteral("direction"), q(model::directionName(i.direction))},
        {QStringLiteral("colours"), englishNames(i.colours)},
        {QStringLiteral("value_ohms"), exact(i.reading.value)},
        {QStringLiteral("tolerance_percent"), hundredthsPercent(i.reading.tolerance)},
        {QStringLiteral("tcr_ppm"),
         i.reading.tcrPpm ? QJsonValue(*i.reading.tcrPpm) : QJsonValue()},
        {QStringLiteral("min_ohms"), exact(i.reading.min)},
        {QStringLiteral("max_ohms"), exact(i.reading.max)},
        {QStringLiteral("series"),
         i.series ? QJsonValue(q(model::seriesName(*i.series))) : QJsonValue()},
        {QStringLiteral("tolerance_series"), toleranceSeries},
        {QStringLiteral("tolerance_colour"), optionalColour(i.toleranceColour)},
        {QStringLiteral("precision"), i.precision},
        {QStringLiteral("rare_tolerance_colour"), i.rareTolerance},
        {QStringLiteral("leading_black"), i.leadingBlack},
        {QStringLiteral("likely"), i.likely},
        {QStringLiteral("matches"), i.matches ? QJsonValue(*i.matches) : QJsonValue()},
        {QStringLiteral("why"), said(wording::readingNotes(i, r.measured, fmt))},
    };
}

QJsonObject ruledOutJson(const model::RuledOut& o) {
    const wording::Said s = wording::ruledOut(o);
    return {{QStringLiteral("direction"), q(model::directionName(o.direction))},
            {QStringLiteral("colours"), englishNames(o.colours)},
            {QStringLiteral("band"), o.band},
            {QStringLiteral("role"), roleName(o.role)},
            {QStringLiteral("colour"), q(model::colourRecord(o.colour).english)},
            {QStringLiteral("read_from_other_end"), o.readFromOtherEnd},
            {QStringLiteral("far_end_role"),
             o.readFromOtherEnd ? QJsonValue(roleName(o.farEndRole)) : QJsonValue()},
            {QStringLiteral("code"), s.code},
            {QStringLiteral("text"), s.text}};
}

QJsonObject changeJson(const model::BandChange& c, const model::DecimalFormat& fmt) {
    const wording::Said s = wording::change(c, fmt);
    return {{QStringLiteral("band"), c.readingBand},
            {QStringLiteral("from"), q(model::colourRecord(c.from).english)},
            {QStringLiteral("to"), q(model::colourRecord(c.to).english)},
            {QStringLiteral("direction"), q(model::directionName(c.direction))},
            {QStringLiteral("value_ohms"), exact(c.reading.value)},
            {QStringLiteral("tolerance_percent"), hundredthsPercent(c.reading.tolerance)},
            {QStringLiteral("min_ohms"), exact(c.reading.min)},
            {QStringLiteral("max_ohms"), exact(c.reading.max)},
            {QStringLiteral("code"), s.code},
            {QStringLiteral("text"), s.text}};
}

// The cues given, and the one that decided the verdict (its sentence is among the verdict's).
QJsonObject cuesJson(const model::BandReadings& r) {
    const model::Cues& c = r.cues.given;
    const QString decided = wording::decidingCue(r);
    return {
        {QStringLiteral("gap"), c.end ? QJsonValue(q(model::sideName(c.end->side))) : QJsonValue()},
        {QStringLiteral("body"),
         c.body ? QJsonValue(q(model::bodyColourName(*c.body))) : QJsonValue()},
        {QStringLiteral("decided_by"), decided.isEmpty() ? QJsonValue() : QJsonValue(decided)}};
}

// The reason, and with --json its machine code beside it.
Answer refused(const QString& code, const QString& reason, bool json) {
    return refusal(code, reason, json);
}

// The report is the readings as the model gives them, with the measurement as typed.
QString readJson(const std::vector<int>& colours, const std::optional<model::Decimal>& measured,
                 const wording::Said& measuredNote, const model::BandReadings& r,
                 const model::DecimalFormat& fmt) {
    QJsonArray readings, ruledOut, changes, notes;
    for (const model::BandReadingItem& i : r.readings)
        readings << readingJson(i, r, fmt);
    for (const model::RuledOut& o : r.ruledOut)
        ruledOut << ruledOutJson(o);
    for (const model::BandChange& c : r.changes)
        changes << changeJson(c, fmt);
    if (!measuredNote.text.isEmpty()) notes = said({measuredNote});
    return jsonText(
        {{QStringLiteral("bands"), int(colours.size())},
         {QStringLiteral("colours"), englishNames(colours)},
         {QStringLiteral("measured_ohms"), measured ? QJsonValue(exact(*measured)) : QJsonValue()},
         {QStringLiteral("measured_outcome"), outcomeName(r.verdict.measured)},
         {QStringLiteral("notes"), notes},
         {QStringLiteral("verdict"), said(wording::verdict(r, fmt))},
         {QStringLiteral("cues"), cuesJson(r)},
         {QStringLiteral("readings"), readings},
         {QStringLiteral("ruled_out"), ruledOut},
         {QStringLiteral("changes"), changes}});
}

QString readText(const wording::Said& measuredNote, const model::BandReadings& r,
                 const model::DecimalFormat& fmt) {
    QString text = wording::joined(wording::verdict(r, fmt)) + QLatin1Char('\n');
    if (!measuredNote.text.isEmpty()) text += measuredNote.text + QLatin1Char('\n');
    for (const model::BandReadingItem& i : r.readings)
        text += wording::readingLine(i, fmt) + QStringLiteral("\n  ") +
                wording::joined(wording::readingNotes(i, r.measured, fmt)) + QLatin1Char('\n');
    for (const model::RuledOut& o : r.ruledOut)
        text += wording::ruledOutLine(o) + QLatin1Char('\n');
    for (const model::BandChange& c : r.changes)
        text += wording::changeLine(c, fmt) + QLatin1Char('\n');
    return text;
}

} // namespace

Answer readAnswer(const QStringList& colourNames, const std::optional<QString>& measuredText,
                  bool json, const QString& pointText, const ReadCues& typedCues) {
    const model::DecimalFormat fmt{pointText.toStdString()};
    if (colourNames.size() < model::kFewestBands || colourNames.size() > model::kMostBands)
        return refused(QStringLiteral("band-count"),
                       wording::bandCountRefusal(int(colourNames.size())), json);
    std::vector<int> colours;
    for (const QString& typed : colourNames) {
        // A blank word is the missing band, as 无 is; the model says where that may stand.
        const QString name = typed.trimmed();
        const auto c = name.isEmpty() ? std::optional(model::palette::kNone)
                                      : model::colourByName(name.toStdString());
        if (!c) return refused(QStringLiteral("unknown-colour"), wording::notAColour(name), json);
        colours.push_back(*c);
    }
    std::optional<model::Decimal> measured;
    wording::Said measuredNote;
    if (measuredText) {
        const model::ValueInput v = model::parseValue(measuredText->toStdString(), fmt.point);
        if (!v.ok)
            return refused(QStringLiteral("unreadable-measurement"), wording::measuredRefusal(v),
                           json);
        measured = v.ohms;
        measuredNote = wording::measuredNote(v, fmt);
    }
    model::Cues cues;
    if (typedCues.gap) {
        const auto side = model::sideOfName(typedCues.gap->trimmed().toLower().toStdString());
        if (!side)
            return refused(QStringLiteral("unknown-gap"), wording::gapNameRefusal(*typedCues.gap),
                           json);
        cues.end = model::EndCue{model::EndCue::Kind::WiderGap, *side};
    }
    if (typedCues.body) {
        cues.body = model::bodyColourOfName(typedCues.body->trimmed().toLower().toStdString());
        if (!cues.body)
            return refused(QStringLiteral("unknown-body"),
                           wording::bodyNameRefusal(*typedCues.body), json);
    }
    const model::BandReadings r = model::readBothWays(colours, measured, cues);
    if (r.problem != model::InputProblem::None) {
        const wording::Said why = wording::inputRefusal(r);
        return refused(why.code, why.text, json);
    }
    if (r.readings.empty())
        return refused(QStringLiteral("neither-way"), wording::neitherWay(r), json);

    Answer out;
    out.out =
        json ? readJson(colours, measured, measuredNote, r, fmt) : readText(measuredNote, r, fmt);
    return out;
}

} // namespace zq::app
