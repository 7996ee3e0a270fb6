// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/answers.h"

#include "app/answer_output.h"
#include "model/colour_code.h"
#include "model/colour_finder.h"
#include "model/combinations/combinations.h"
#include "model/combinations/kit_file.h"
#include "model/smd.h"
#include "model/value_input.h"
#include "wording/combinations.h"
#include "wording/value.h"
#include "wording/words.h"

#include <QFile>
#include <QRegularExpression>

namespace zq::app {

using namespace output;

namespace {

QJsonObject noteObject(std::string_view code, const QString& text) {
    return {{QStringLiteral("code"), q(code)}, {QStringLiteral("text"), text}};
}

Answer refused(std::string_view code, const QString& reason, bool json) {
    return refusal(q(code), reason, json);
}

// The parts a user has, by the name of a series or from a file; or why they cannot be had.
struct Have {
    std::vector<model::Decimal> values;
    QString name; // as the heading names the kit
    std::vector<model::KitNote> notes;
    std::optional<Answer> refusal;
};

Have readHave(const QString& have, bool json) {
    Have out;
    out.name = have;
    QStringList offered;
    for (const model::ESeries s : {model::ESeries::E6, model::ESeries::E12, model::ESeries::E24}) {
        offered << q(model::seriesName(s));
        if (have.compare(offered.back(), Qt::CaseInsensitive) == 0) {
            out.values = model::seriesKit(s);
            out.name = wording::seriesKitName(s);
            return out;
        }
    }
    const model::KitFileRead read = model::readKitFile(QFile::encodeName(have).toStdString());
    const auto refuse = [&](std::string_view code, const QString& why) {
        out.refusal = refused(code, why, json);
        return out;
    };
    // "E48" names a series the program has no kit of, unless a file is called so.
    static const QRegularExpression kSeriesName(QStringLiteral("^[Ee][0-9]+$"));
    if (read.trouble == model::KitFileTrouble::missing && kSeriesName.match(have).hasMatch())
        return refuse("no-such-kit", wording::noSuchSeriesKit(have, offered));
    if (read.trouble == model::KitFileTrouble::tooLarge)
        return refuse("kit-too-large", wording::kitFileUnreadable(have, read.trouble));
    if (read.trouble != model::KitFileTrouble::none)
        return refuse("kit-unreadable", wording::kitFileUnreadable(have, read.trouble));
    const model::KitFile& kit = read.kit;
    if (kit.over == model::KitLimit::bytes)
        return refuse("kit-too-large",
                      wording::kitFileUnreadable(have, model::KitFileTrouble::tooLarge));
    if (kit.over == model::KitLimit::values)
        return refuse("kit-too-many-values", wording::kitTooManyValues(have));
    // A line the user meant as a part but the program cannot use would silently shrink the kit.
    if (!kit.refused.empty())
        return refuse("kit-line-refused", wording::kitLineRefused(have, kit.refused.front()));
    if (kit.values.empty()) return refuse("kit-empty", wording::kitFileEmpty(have));
    out.values = kit.values;
    out.notes = kit.notes;
    return out;
}

QString circuitCode(model::Circuit c) {
    switch (c) {
    case model::Circuit::single:
        return QStringLiteral("single");
    case model::Circuit::series:
        return QStringLiteral("series");
    case model::Circuit::parallel:
        return QStringLiteral("parallel");
    case model::Circuit::seriesOfParallel:
    case model::Circuit::parallelOfSeries:
        return QStringLiteral("series+parallel");
    }
    return {};
}

std::string codeOf(model::KitValueFault f) {
    switch (f) {
    case model::KitValueFault::zero:
        return "combination-zero";
    case model::KitValueFault::finerThanMilliohm:
        return "combination-below-milliohm";
    case model::KitValueFault::aboveGigaohm:
        return "combination-above-gigaohm";
    }
    return {};
}

// What --colours answers, as facts: the text and the JSON are written from it alone.
struct ColoursReport {
    QString input;
    model::ValueInput typed;
    model::Finding finding; // with an answer
    std::vector<std::string> codes;
    std::optional<Have> have;
    std::optional<model::Combinations> made;
};

QString coloursJson(const ColoursReport& r, const model::DecimalFormat& fmt) {
    const model::ColourAnswer& a = *r.finding.answer;
    const model::Finding& f = r.finding;
    const model::ValueInput& typed = r.typed;
    const std::vector<std::string>& codes = r.codes;
    const std::optional<Have>& have = r.have;
    const std::optional<model::Combinations>& made = r.made;
    const QString& input = r.input;
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
                                {QStringLiteral("error_percent"), q(model::errorPercent(v.change))}};
    }
    if (typed.note != model::InputNote::None)
        notes << noteObject(model::codeOf(typed.note), wording::inputNote(typed, fmt));
    for (const model::Note& n : f.notes)
        notes << noteObject(model::codeOf(n.code), wording::note(n, fmt));
    QJsonArray combinations;
    if (made) {
        for (const model::KitNote& n : have->notes)
            notes << noteObject(model::codeOf(n.reading.note),
                                wording::kitLineNote(have->name, n, fmt));
        if (made->wantedFault)
            notes << noteObject(codeOf(*made->wantedFault),
                                wording::wantedFault(*made->wantedFault));
        for (const auto& c : made->bestOfParts) {
            if (!c) continue;
            QJsonArray parts;
            for (const model::Decimal& p : c->parts)
                parts << exact(p);
            QJsonObject o{
                {QStringLiteral("parts_ohms"), parts},
                {QStringLiteral("circuit"), circuitCode(c->circuit)},
                {QStringLiteral("value_ohms"), exact(c->shown)},
                {QStringLiteral("value_exact"),
                 exact(c->numerator) + QLatin1Char('/') + exact(c->denominator)},
                {QStringLiteral("error_percent"), q(model::errorPercent(c->error))},
                {QStringLiteral("within_tolerance"), c->withinTolerance},
                {QStringLiteral("simplest"), made->simplest == c},
            };
            if (c->circuit == model::Circuit::seriesOfParallel)
                o.insert(QStringLiteral("shape"), QStringLiteral("R1+(R2||R3)"));
            if (c->circuit == model::Circuit::parallelOfSeries)
                o.insert(QStringLiteral("shape"), QStringLiteral("R1||(R2+R3)"));
            combinations << o;
        }
    }
    const bool jumper = a.value.isZero();
    QJsonObject whole{
        {QStringLiteral("input"), input},
        {QStringLiteral("bands"), a.bands},
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
    };
    if (made) {
        whole.insert(QStringLiteral("have"), have->name);
        whole.insert(QStringLiteral("combinations"), combinations);
    }
    return jsonText(whole);
}

QString coloursText(const ColoursReport& r, const model::DecimalFormat& fmt) {
    const model::ColourAnswer& a = *r.finding.answer;
    const model::Finding& f = r.finding;
    const model::ValueInput& typed = r.typed;
    const std::vector<std::string>& codes = r.codes;
    const std::optional<Have>& have = r.have;
    const std::optional<model::Combinations>& made = r.made;
    QStringList lines{wording::coloursLine(a), wording::valueLine(a, fmt),
                      wording::toleranceLine(a, fmt)};
    if (const QString n = wording::inputNote(typed, fmt); !n.isEmpty())
        lines << wording::noteLine(n);
    for (const QString& n : wording::answerNotes(f, fmt))
        lines << wording::noteLine(n);
    if (const QString line = wording::standardLine(f, fmt); !line.isEmpty()) lines << line;
    for (const model::StandardValue& v : f.standard)
        if (v.makeable) lines << wording::standardValueLine(v, fmt);
    if (!codes.empty()) {
        QStringList shown;
        for (const std::string& c : codes)
            shown << q(c);
        lines << wording::smdLine(shown);
    }
    if (made) {
        lines << wording::combinationsHeading(typed.ohms, have->name, a.tolerance, fmt);
        for (const model::KitNote& n : have->notes)
            lines << wording::noteLine(wording::kitLineNote(have->name, n, fmt));
        if (made->wantedFault) lines << wording::noteLine(wording::wantedFault(*made->wantedFault));
        for (const auto& c : made->bestOfParts)
            if (c) lines << wording::combinationLine(*c, made->simplest == c, fmt);
        if (!made->wantedFault && !made->simplest)
            lines << wording::noteLine(wording::noneWithinTolerance(a.tolerance));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
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
    ColoursReport report{question.value, typed, f, model::smdCodesFor(typed.ohms), {}, {}};
    if (question.have) {
        report.have = readHave(*question.have, json);
        if (report.have->refusal) return *report.have->refusal;
        report.made = model::findCombinations(typed.ohms, model::Kit(report.have->values),
                                              f.answer->tolerance);
    }
    Answer out;
    out.out = json ? coloursJson(report, fmt) : coloursText(report, fmt);
    return out;
}

} // namespace zq::app
