// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/answers.h"

#include "app/answer_output.h"
#include "model/colour_code.h"
#include "model/colour_finder.h"
#include "model/smd.h"
#include "model/value_input.h"

namespace zq::app {

using namespace output;

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

} // namespace zq::app
