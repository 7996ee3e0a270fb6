// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/answers.h"

#include "app/answer_output.h"
#include "model/colour_code.h"
#include "model/smd.h"

namespace zq::app {

using namespace output;

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

} // namespace zq::app
