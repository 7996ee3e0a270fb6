// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/answers.h"

#include "model/colour_code.h"
#include "model/colour_finder.h"
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
    Answer a;
    a.status = 2;
    a.err = q(reason) + QLatin1Char('\n');
    if (json) a.out = jsonText({{QStringLiteral("error"), q(reason)}});
    return a;
}

QString hundredthsPercent(int hundredths) {
    return exact(model::Decimal::of(std::uint64_t(hundredths), -2));
}

} // namespace

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
        const auto colour = model::colourByName(question.tolerance->toStdString());
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
        for (int band = 0; band < 5; ++band) {
            if (bands == 4 && band == 3) continue;
            const model::ColourRecord& c = model::colourRecord(a.palette[std::size_t(band)]);
            english << q(c.english);
            chinese << q(c.shortName);
        }
        for (const model::StandardValue& v : f.standard) {
            QStringList series;
            for (const model::ESeries s : v.series)
                series << q(model::seriesName(s));
            standard << QJsonObject{
                {QStringLiteral("series"), series.join(QLatin1Char('/'))},
                {QStringLiteral("value_ohms"), exact(v.value)},
                {QStringLiteral("error_percent"), q(model::percentText(v.percent, {}))}};
        }
        out.out = jsonText({
            {QStringLiteral("input"), question.value},
            {QStringLiteral("bands"), bands},
            {QStringLiteral("colours"), english},
            {QStringLiteral("colours_zh"), chinese},
            {QStringLiteral("value_ohms"), exact(a.value)},
            {QStringLiteral("exact"), a.exact},
            {QStringLiteral("tolerance_percent"), hundredthsPercent(hundredths)},
            {QStringLiteral("min_ohms"), exact(model::withTolerance(a.value, hundredths, -1))},
            {QStringLiteral("max_ohms"), exact(model::withTolerance(a.value, hundredths, +1))},
            {QStringLiteral("standard"), standard},
        });
        return out;
    }
    const std::string shown = model::shownValue(a, fmt);
    const std::string prefix = "等于： ";
    std::string text =
        "色环：" + model::colourNames(a) + "（" + (bands == 4 ? "四" : "五") + "环电阻）\n";
    text += "阻值：" + shown.substr(shown.starts_with(prefix) ? prefix.size() : 0) + '\n';
    text += "误差：" + model::toleranceText(hundredths) + "，" + model::rangeText(a, fmt) + '\n';
    if (!f.note.empty()) text += "说明：" + f.note + '\n';
    for (const model::StandardValue& v : f.standard) {
        std::string series;
        for (const model::ESeries s : v.series)
            series += (series.empty() ? "" : "/") + std::string(model::seriesName(s));
        text += "标准值 " + series + "：" + model::withUnit(v.value, fmt) + "（" +
                model::percentText(v.percent, fmt) + "）\n";
    }
    out.out = q(text);
    return out;
}

} // namespace zq::app
