// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/answers.h"

#include "app/answer_output.h"
#include "model/colour_code.h"
#include "model/smd.h"
#include "wording/chip_code.h"

namespace zq::app {

using namespace output;

namespace {

// A reading with the arithmetic the text shows, as facts.
QJsonObject readingObject(const model::SmdReading& r) {
    QJsonObject o{{QStringLiteral("kind"), q(model::smdKindName(r.kind))},
                  {QStringLiteral("value_ohms"), exact(r.value)},
                  {QStringLiteral("tolerance_percent"), optionalPercent(r.tolerance)}};
    if (r.kind == model::SmdKind::Eia96) {
        o[QStringLiteral("eia_number")] = r.eiaNumber;
        o[QStringLiteral("e96_member")] = r.eiaMember;
        o[QStringLiteral("letter")] = QString(QLatin1Char(r.letter));
        o[QStringLiteral("power")] = r.power;
    } else if (r.point) {
        o[QStringLiteral("before_r")] = q(r.whole);
        o[QStringLiteral("after_r")] = q(r.fraction);
    } else if (r.kind != model::SmdKind::Jumper) {
        o[QStringLiteral("significant")] = q(r.significant);
        o[QStringLiteral("power")] = r.power;
    }
    return o;
}

QString smdJson(const model::SmdAnswer& a, const std::vector<int>& four,
                const std::vector<int>& five, const model::DecimalFormat& fmt) {
    const model::SmdReading& r = a.readings.front();
    QJsonObject o = readingObject(r);
    // "code" is a refusal's code in every answer: the code printed on the part is named so.
    o[QStringLiteral("printed_code")] = q(a.code);
    o[QStringLiteral("colours4")] = four.empty() ? QJsonValue() : englishNames(four);
    o[QStringLiteral("colours5")] = five.empty() ? QJsonValue() : englishNames(five);
    // A code that reads two ways: the more usual reading above, the other here.
    if (a.readings.size() > 1) o[QStringLiteral("other_reading")] = readingObject(a.readings[1]);
    QJsonArray notes;
    if (a.twoWays)
        notes << QJsonObject{{QStringLiteral("code"), q(wording::chipNoteCode(a))},
                             {QStringLiteral("text"), wording::chipNote(a, fmt)}};
    o[QStringLiteral("notes")] = notes;
    o[QStringLiteral("explanation")] = wording::chipExplanation(a, r, fmt);
    return jsonText(o);
}

} // namespace

Answer smdAnswer(const QString& code, bool json, const QString& pointText) {
    const model::DecimalFormat fmt{pointText.toStdString()};
    const model::SmdAnswer a = model::readSmdCode(code.toStdString());
    if (a.readings.empty()) {
        return refusal(q(model::smdReasonName(a.refusal.reason)), wording::chipReason(a, fmt),
                       json);
    }
    // The report: the readings, and the bands of the first.
    const model::SmdReading& r = a.readings.front();
    const std::vector<int> four = model::bandsOfCode(r, 4), five = model::bandsOfCode(r, 5);
    Answer out;
    out.out = json ? smdJson(a, four, five, fmt) : wording::chipAnswerText(a, four, five, fmt);
    return out;
}

} // namespace zq::app
