// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/answers/answers.h"

#include "model/colour_code.h"
#include "model/smd.h"
#include "wording/answers/output.h"
#include "wording/chip_code.h"

namespace zq::answers {

using namespace output;

namespace {

// A reading with the arithmetic the text shows, as facts.
Json::Object readingObject(const model::SmdReading& r) {
    Json::Object o{{"kind", model::smdKindName(r.kind)},
                   {"value_ohms", exact(r.value)},
                   {"tolerance_percent", optionalPercent(r.tolerance)}};
    if (r.kind == model::SmdKind::Eia96) {
        o["eia_number"] = r.eiaNumber;
        o["e96_member"] = r.eiaMember;
        o["letter"] = std::string(1, r.letter);
        o["power"] = r.power;
    } else if (r.point) {
        o["before_r"] = r.whole;
        o["after_r"] = r.fraction;
    } else if (r.kind != model::SmdKind::Jumper) {
        o["significant"] = r.significant;
        o["power"] = r.power;
    }
    return o;
}

std::string smdJson(const model::SmdAnswer& a, const std::vector<int>& four,
                    const std::vector<int>& five, const model::DecimalFormat& fmt) {
    const model::SmdReading& r = a.readings.front();
    Json::Object o = readingObject(r);
    // "code" is a refusal's code in every answer: the code printed on the part is named so.
    o["printed_code"] = a.code;
    o["colours4"] = four.empty() ? Json() : Json(englishNames(four));
    o["colours5"] = five.empty() ? Json() : Json(englishNames(five));
    // A code that reads two ways: the more usual reading above, the other here.
    if (a.readings.size() > 1) o["other_reading"] = readingObject(a.readings[1]);
    Json::Array notes;
    if (a.twoWays)
        notes.emplace_back(
            Json::Object{{"code", wording::chipNoteCode(a)}, {"text", wording::chipNote(a, fmt)}});
    o["notes"] = notes;
    o["explanation"] = wording::chipExplanation(a, r, fmt);
    return jsonText(o);
}

} // namespace

Answer smdAnswer(const std::string& code, bool json, const std::string& point) {
    const model::DecimalFormat fmt{point};
    const model::SmdAnswer a = model::readSmdCode(code);
    if (a.readings.empty())
        return refusal(std::string(model::smdReasonName(a.refusal.reason)),
                       wording::chipReason(a, fmt), json);
    // The report: the readings, and the bands of the first.
    const model::SmdReading& r = a.readings.front();
    const std::vector<int> four = model::bandsOfCode(r, 4), five = model::bandsOfCode(r, 5);
    Answer out;
    out.out = json ? smdJson(a, four, five, fmt) : wording::chipAnswerText(a, four, five, fmt);
    return out;
}

} // namespace zq::answers
