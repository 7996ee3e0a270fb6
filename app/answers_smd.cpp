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

} // namespace

Answer smdAnswer(const QString& code, bool json, const QString& pointText) {
    const model::DecimalFormat fmt{pointText.toStdString()};
    const model::SmdAnswer a = model::readSmdCode(code.toStdString());
    if (a.readings.empty()) {
        Answer out = refusal(wording::chipReason(a, fmt), json);
        if (json) {
            out.out = jsonText(
                {{QStringLiteral("error"), wording::chipReason(a, fmt)},
                 {QStringLiteral("error_code"), q(model::smdReasonName(a.refusal.reason))}});
        }
        return out;
    }
    const model::SmdReading& r = a.readings.front();
    const std::vector<int> four = model::bandsOfCode(r, 4), five = model::bandsOfCode(r, 5);
    Answer out;
    if (!json) {
        out.out = wording::chipAnswerText(a, four, five, fmt);
        return out;
    }
    QJsonObject o = readingObject(r);
    o[QStringLiteral("code")] = q(a.code);
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
    out.out = jsonText(o);
    return out;
}

} // namespace zq::app
