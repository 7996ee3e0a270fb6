// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/answers.h"

#include "model/band_reading.h"
#include "model/colour_code.h"
#include "model/colour_finder.h"
#include "model/smd.h"
#include "model/value_input.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zq::app {

namespace {

QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// Exact numbers travel as decimal strings with "." as the point, whatever the locale.
QString exact(const model::Decimal& d) {
    return q(d.text());
}

QString jsonText(const QJsonObject& o) {
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
}

Answer refuse(const std::string& reason, bool json) {
    return refusal(q(reason), json);
}

QString hundredthsPercent(int hundredths) {
    return exact(model::Decimal::of(std::uint64_t(hundredths), -2));
}

QJsonValue optionalPercent(const std::optional<int>& hundredths) {
    return hundredths ? QJsonValue(hundredthsPercent(*hundredths)) : QJsonValue();
}

QJsonArray stringArray(const std::vector<std::string>& items) {
    QJsonArray out;
    for (const std::string& s : items)
        out << q(s);
    return out;
}

QJsonArray englishNames(const std::vector<int>& colours) {
    QJsonArray out;
    for (const int c : colours)
        out << q(model::colourRecord(c).english);
    return out;
}

} // namespace

Answer refusal(const QString& reason, bool json) {
    Answer a;
    a.status = 2;
    a.err = reason + QLatin1Char('\n');
    if (json) a.out = jsonText({{QStringLiteral("error"), reason}});
    return a;
}

Answer coloursAnswer(const ColoursQuestion& question, bool json, const QString& pointText) {
    const std::string point = pointText.toStdString();
    int bands = 4;
    if (question.bands) {
        if (*question.bands != QLatin1String("4") && *question.bands != QLatin1String("5"))
            return refuse("色环数只能是 4 或 5。", json);
        bands = question.bands->toInt();
    }
    int tolerance = model::defaultTolerance(bands);
    if (question.tolerance) {
        const auto colour = model::toleranceColourOf(question.tolerance->toStdString());
        if (!colour)
            return refuse("“" + question.tolerance->toStdString() + "”不是色环的颜色。", json);
        tolerance = *colour;
    }
    const model::ValueInput typed = model::parseValue(question.value.toStdString(), point);
    if (!typed.ok) return refuse(typed.reason, json);
    const model::DecimalFormat fmt{point};
    const model::Finding f = model::findColours(typed.ohms, bands, tolerance, fmt);
    if (!f.answer) return refuse(f.reason, json);
    const model::ColourAnswer& a = *f.answer;
    const int hundredths = model::colourRecord(tolerance).tolerance;

    Answer out;
    if (json) {
        QJsonArray english, chinese, standard;
        for (const int colour : model::bandColours(a)) {
            const model::ColourRecord& c = model::colourRecord(colour);
            english << q(c.english);
            chinese << q(c.shortName);
        }
        for (const model::StandardValue& v : f.standard) {
            QStringList series;
            for (const model::ESeries s : v.series)
                series << q(model::seriesName(s));
            standard << QJsonObject{{QStringLiteral("series"), series.join(QLatin1Char('/'))},
                                    {QStringLiteral("value_ohms"), exact(v.value)},
                                    {QStringLiteral("error_percent"), q(model::errorPercent(v))}};
        }
        out.out = jsonText({
            {QStringLiteral("input"), question.value},
            {QStringLiteral("bands"), bands},
            {QStringLiteral("colours"), english},
            {QStringLiteral("colours_zh"), chinese},
            {QStringLiteral("value_ohms"), exact(a.value)},
            {QStringLiteral("exact"), a.exact},
            {QStringLiteral("tolerance_percent"),
             a.value.isZero() ? QJsonValue() : QJsonValue(hundredthsPercent(hundredths))},
            {QStringLiteral("min_ohms"), exact(model::withTolerance(a.value, hundredths, -1))},
            {QStringLiteral("max_ohms"), exact(model::withTolerance(a.value, hundredths, +1))},
            {QStringLiteral("standard"), standard},
            {QStringLiteral("smd"), stringArray(model::smdCodesFor(typed.ohms))},
        });
        return out;
    }
    const std::string shown = model::shownValue(a, fmt);
    const std::string prefix = "等于： ";
    // A jumper is one black band, with no tolerance to speak of.
    const bool jumper = a.value.isZero();
    std::string text = "色环：" + model::colourNames(a) + "（" +
                       (jumper       ? "跳线电阻"
                        : bands == 4 ? "四环电阻"
                                     : "五环电阻") +
                       "）\n";
    text += "阻值：" + shown.substr(shown.starts_with(prefix) ? prefix.size() : 0) + '\n';
    text += "误差：" + (jumper ? "" : model::toleranceText(hundredths) + "，") +
            model::rangeText(a, fmt) + '\n';
    if (!typed.note.empty()) text += "说明：" + typed.note + '\n';
    if (!f.note.empty()) text += "说明：" + f.note + '\n';
    if (!f.standardNote.empty()) text += "标准值：" + f.standardNote + '\n';
    for (const model::StandardValue& v : f.standard) {
        std::string series;
        for (const model::ESeries s : v.series)
            series += (series.empty() ? "" : "/") + std::string(model::seriesName(s));
        text += "标准值 " + series + "：" + model::withUnit(v.value, fmt) + "（" +
                model::percentText(v, fmt) + "）\n";
    }
    if (const auto codes = model::smdCodesFor(typed.ohms); !codes.empty()) {
        text += "贴片代码：";
        for (std::size_t i = 0; i < codes.size(); ++i)
            text += (i ? " " : "") + codes[i];
        text += '\n';
    }
    out.out = q(text);
    return out;
}

Answer smdAnswer(const QString& code, bool json, const QString& pointText) {
    const model::DecimalFormat fmt{pointText.toStdString()};
    const model::SmdAnswer a = model::readSmdCode(code.toStdString(), fmt);
    if (a.readings.empty()) return refuse(a.reason, json);
    const model::SmdReading& r = a.readings.front();
    const std::vector<int> four = model::bandsOfCode(r, 4), five = model::bandsOfCode(r, 5);
    Answer out;
    if (json) {
        QJsonObject o{
            {QStringLiteral("code"), q(a.code)},
            {QStringLiteral("kind"), q(model::smdKindName(r.kind))},
            {QStringLiteral("value_ohms"), exact(r.value)},
            {QStringLiteral("tolerance_percent"), optionalPercent(r.tolerance)},
            {QStringLiteral("colours4"), four.empty() ? QJsonValue() : englishNames(four)},
            {QStringLiteral("colours5"), five.empty() ? QJsonValue() : englishNames(five)},
        };
        // A code that reads two ways: the more usual reading above, the other here.
        if (a.readings.size() > 1) {
            const model::SmdReading& other = a.readings[1];
            o[QStringLiteral("other_reading")] = QJsonObject{
                {QStringLiteral("kind"), q(model::smdKindName(other.kind))},
                {QStringLiteral("value_ohms"), exact(other.value)},
                {QStringLiteral("tolerance_percent"), optionalPercent(other.tolerance)}};
            o[QStringLiteral("note")] = q(a.note);
        }
        out.out = jsonText(o);
        return out;
    }
    std::string text;
    for (const model::SmdReading& each : a.readings)
        text += model::smdLine(a, each, fmt) + '\n';
    text += "说明：" + (a.note.empty() ? r.explanation : a.note) + '\n';
    if (!four.empty()) text += "四环色环：" + model::shortNames(four) + '\n';
    if (!five.empty()) text += "五环色环：" + model::shortNames(five) + '\n';
    out.out = q(text);
    return out;
}

Answer readAnswer(const QStringList& colourNames, const std::optional<QString>& measuredText,
                  bool json, const QString& pointText) {
    const model::DecimalFormat fmt{pointText.toStdString()};
    if (colourNames.size() < model::kFewestBands || colourNames.size() > model::kMostBands)
        return refuse("色环电阻有三到六个环，这里给了 " + std::to_string(colourNames.size()) +
                          " 个颜色。",
                      json);
    std::vector<int> colours;
    for (const QString& name : colourNames) {
        const auto c = model::colourByName(name.toStdString());
        if (!c || *c == model::palette::kNone)
            return refuse("“" + name.toStdString() + "”不是色环的颜色。", json);
        colours.push_back(*c);
    }
    std::optional<model::Decimal> measured;
    if (measuredText) {
        const model::ValueInput v = model::parseValue(measuredText->toStdString(), fmt.point);
        if (!v.ok) return refuse("万用表读数：" + v.reason, json);
        measured = v.ohms;
    }
    const model::BandReadings r = model::readBothWays(colours, measured, fmt);
    if (!r.reason.empty()) return refuse(r.reason, json);
    if (r.readings.empty()) {
        std::string why;
        for (const model::RuledOut& o : r.ruledOut)
            why += o.why;
        return refuse("两头都读不通：" + why, json);
    }
    Answer out;
    if (json) {
        QJsonArray readings, ruledOut, changes;
        for (const model::BandReadingItem& i : r.readings)
            readings << QJsonObject{
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
                {QStringLiteral("likely"), i.likely},
                {QStringLiteral("matches"), i.matches ? QJsonValue(*i.matches) : QJsonValue()},
                {QStringLiteral("why"), q(i.why)},
            };
        for (const model::RuledOut& o : r.ruledOut)
            ruledOut << QJsonObject{
                {QStringLiteral("direction"), q(model::directionName(o.direction))},
                {QStringLiteral("why"), q(o.why)}};
        for (const model::BandChange& c : r.changes)
            changes << QJsonObject{{QStringLiteral("band"), c.band},
                                   {QStringLiteral("from"), q(model::colourRecord(c.from).english)},
                                   {QStringLiteral("to"), q(model::colourRecord(c.to).english)},
                                   {QStringLiteral("value_ohms"), exact(c.value)}};
        out.out = jsonText({{QStringLiteral("bands"), int(colours.size())},
                            {QStringLiteral("readings"), readings},
                            {QStringLiteral("ruled_out"), ruledOut},
                            {QStringLiteral("changes"), changes},
                            {QStringLiteral("verdict"), q(r.verdict)}});
        return out;
    }
    std::string text = r.verdict + '\n';
    for (const model::BandReadingItem& i : r.readings) {
        text += std::string(i.likely ? "● " : "○ ") +
                std::string(model::directionText(i.direction)) + "：" +
                model::shortNames(i.colours) + " → " + model::withUnit(i.reading.value, fmt) + " " +
                model::toleranceText(i.reading.tolerance);
        if (i.reading.tcrPpm) text += " " + std::to_string(*i.reading.tcrPpm) + "ppm/K";
        text += "（" + model::withUnit(i.reading.min, fmt) + "～" +
                model::withUnit(i.reading.max, fmt) + "）\n  " + i.why + '\n';
    }
    for (const model::RuledOut& o : r.ruledOut)
        text += "✕ " + o.why + '\n';
    for (const model::BandChange& c : r.changes)
        text += "？ " + c.text + '\n';
    out.out = q(text);
    return out;
}

} // namespace zq::app
