// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/answers.h"

#include "app/answer_output.h"
#include "model/colour_code.h"
#include "model/colour_finder.h"
#include "model/smd.h"
#include "model/value_input.h"
#include "wording/value.h"
#include "wording/words.h"

namespace zq::app {

using namespace output;

namespace {

QJsonObject noteObject(std::string_view code, const QString& text) {
    return {{QStringLiteral("code"), q(code)}, {QStringLiteral("text"), text}};
}

// The reason, and with --json its machine code beside it.
Answer refused(std::string_view code, const QString& reason, bool json) {
    Answer a = refusal(reason, json);
    if (json)
        a.out = jsonText({{QStringLiteral("error"), reason}, {QStringLiteral("code"), q(code)}});
    return a;
}

} // namespace

Answer coloursAnswer(const ColoursQuestion& question, bool json, const QString& pointText) {
    const std::string point = pointText.toStdString();
    const model::DecimalFormat fmt{point};
    int bands = 4;
    if (question.bands) {
        if (*question.bands != QLatin1String("4") && *question.bands != QLatin1String("5"))
            return refused(model::codeOf(model::FindingRefusal::BandCount),
                           wording::bandCountRefusal(), json);
        bands = question.bands->toInt();
    }
    model::Tolerance tolerance = model::defaultTolerance(bands);
    if (question.tolerance) {
        const auto named = model::readTolerance(question.tolerance->toStdString());
        if (!named)
            return refused("unknown-tolerance", wording::toleranceNameRefusal(*question.tolerance),
                           json);
        tolerance = *named;
    }
    const model::ValueInput typed = model::parseValue(question.value.toStdString(), point);
    if (!typed.ok) return refused(model::codeOf(typed.refusal), wording::inputReason(typed), json);
    const model::Finding f = model::findColours(typed.ohms, bands, tolerance);
    if (!f.answer) return refused(model::codeOf(f.refusal), wording::findingReason(f, fmt), json);
    const model::ColourAnswer& a = *f.answer;
    const std::vector<std::string> codes = model::smdCodesFor(typed.ohms);

    Answer out;
    if (json) {
        QJsonArray english, chinese, standard, notes;
        for (const int colour : model::bandColours(a)) {
            english << q(model::colourRecord(colour).english);
            chinese << wording::shortName(colour);
        }
        for (const model::StandardValue& v : f.standard) {
            QJsonArray member;
            for (const model::ESeries s : v.member)
                member << q(model::seriesName(s));
            standard << QJsonObject{{QStringLiteral("value_ohms"), exact(v.value)},
                                    {QStringLiteral("member"), member},
                                    {QStringLiteral("makeable"), v.makeable},
                                    {QStringLiteral("error_percent"), q(model::errorPercent(v))}};
        }
        if (typed.note != model::InputNote::None)
            notes << noteObject(model::codeOf(typed.note), wording::inputNote(typed, fmt));
        for (const model::Note& n : f.notes)
            notes << noteObject(model::codeOf(n.code), wording::note(n, fmt));
        const bool jumper = a.value.isZero();
        out.out = jsonText({
            {QStringLiteral("input"), question.value},
            {QStringLiteral("bands"), bands},
            {QStringLiteral("colours"), english},
            {QStringLiteral("colours_zh"), chinese},
            {QStringLiteral("value_ohms"), exact(a.value)},
            {QStringLiteral("exact"), a.exact},
            {QStringLiteral("tolerance_percent"),
             jumper ? QJsonValue() : QJsonValue(hundredthsPercent(a.tolerance))},
            {QStringLiteral("precision"), a.precision},
            {QStringLiteral("min_ohms"), exact(model::withTolerance(a.value, a.tolerance, -1))},
            {QStringLiteral("max_ohms"), exact(model::withTolerance(a.value, a.tolerance, +1))},
            {QStringLiteral("standard"), standard},
            {QStringLiteral("notes"), notes},
            {QStringLiteral("smd"), stringArray(codes)},
        });
        return out;
    }
    QStringList lines{wording::coloursLine(a), wording::valueLine(a, fmt),
                      wording::toleranceLine(a, fmt)};
    if (const QString n = wording::inputNote(typed, fmt); !n.isEmpty())
        lines << wording::noteLine(n);
    for (const QString& n : wording::answerNotes(f, fmt))
        lines << wording::noteLine(n);
    if (const QString heading = wording::standardHeading(f, fmt); !heading.isEmpty())
        lines << wording::standardLine(heading + wording::standardAside(f, fmt));
    for (const model::StandardValue& v : f.standard)
        if (v.makeable) lines << wording::standardValueLine(v, fmt);
    if (!codes.empty()) {
        QStringList shown;
        for (const std::string& c : codes)
            shown << q(c);
        lines << wording::smdLine(shown);
    }
    out.out = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return out;
}

} // namespace zq::app
