// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/answers.h"

#include "app/answer_output.h"
#include "model/band_reading.h"
#include "model/colour_code.h"
#include "model/colour_finder.h"
#include "model/value_input.h"

namespace zq::app {

using namespace output;

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
