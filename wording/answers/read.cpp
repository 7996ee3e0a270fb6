// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/answers/answers.h"

#include "model/band_reading.h"
#include "model/colour_code.h"
#include "model/value_input.h"
#include "wording/answers/output.h"
#include "wording/reading.h"
#include "wording/words.h"

#include <array>

namespace zq::answers {

using namespace output;

namespace {

// The white space a typed word may carry round it: the ASCII ones, the next line and no-break
// spaces, and every Unicode space, line and paragraph separator, in UTF-8.
std::size_t spaceAtStart(std::string_view s) {
    static constexpr std::array<std::string_view, 18> kWide{
        "\u0085", "\u00a0", "\u1680", "\u2000", "\u2001", "\u2002", "\u2003", "\u2004", "\u2005",
        "\u2006", "\u2007", "\u2008", "\u2009", "\u200a", "\u2028", "\u2029", "\u202f", "\u205f"};
    if (s.empty()) return 0;
    if (s[0] == ' ' || (s[0] >= '\t' && s[0] <= '\r')) return 1;
    if (s.starts_with("\u3000")) return 3;
    for (const std::string_view w : kWide)
        if (s.starts_with(w)) return w.size();
    return 0;
}

std::size_t spaceAtEnd(std::string_view s) {
    for (std::size_t n = 1; n <= 3 && n <= s.size(); ++n)
        if (spaceAtStart(s.substr(s.size() - n)) == n) return n;
    return 0;
}

std::string trimmed(std::string_view s) {
    while (const std::size_t n = spaceAtStart(s))
        s.remove_prefix(n);
    while (const std::size_t n = spaceAtEnd(s))
        s.remove_suffix(n);
    return std::string(s);
}

// The names of sides and bodies are ASCII or Chinese: only ASCII letters have a case to drop.
std::string asciiLower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

std::string roleName(model::BandRole role) {
    switch (role) {
    case model::BandRole::Digit:
        return "digit";
    case model::BandRole::Multiplier:
        return "multiplier";
    case model::BandRole::Tolerance:
        return "tolerance";
    case model::BandRole::Coefficient:
        return "coefficient";
    }
    return {};
}

std::string outcomeName(model::MeasuredOutcome m) {
    switch (m) {
    case model::MeasuredOutcome::NotMeasured:
        return "not-measured";
    case model::MeasuredOutcome::Matches:
        return "matches";
    case model::MeasuredOutcome::NoneMatchMisread:
        return "none-match-misread";
    case model::MeasuredOutcome::NoneMatch:
        return "none-match";
    }
    return {};
}

Json::Array said(const std::vector<wording::Said>& items) {
    Json::Array out;
    for (const wording::Said& s : items)
        out.emplace_back(Json::Object{{"code", s.code}, {"text", s.text}});
    return out;
}

Json optionalColour(int colour) {
    return colour == model::palette::kNone ? Json() : Json(model::colourRecord(colour).english);
}

Json::Object readingJson(const model::BandReadingItem& i, const model::BandReadings& r,
                         const model::DecimalFormat& fmt) {
    Json::Array toleranceSeries;
    for (const model::ESeries s : i.toleranceSeries)
        toleranceSeries.emplace_back(model::seriesName(s));
    return {
        {"direction", model::directionName(i.direction)},
        {"colours", englishNames(i.colours)},
        {"value_ohms", exact(i.reading.value)},
        {"tolerance_percent", hundredthsPercent(i.reading.tolerance)},
        {"tcr_ppm", i.reading.tcrPpm ? Json(*i.reading.tcrPpm) : Json()},
        {"min_ohms", exact(i.reading.min)},
        {"max_ohms", exact(i.reading.max)},
        {"series", i.series ? Json(model::seriesName(*i.series)) : Json()},
        {"tolerance_series", toleranceSeries},
        {"tolerance_colour", optionalColour(i.toleranceColour)},
        {"precision", i.precision},
        {"rare_tolerance_colour", i.rareTolerance},
        {"leading_black", i.leadingBlack},
        {"likely", i.likely},
        {"matches", i.matches ? Json(*i.matches) : Json()},
        {"why", said(wording::readingNotes(i, r.measured, fmt))},
    };
}

Json::Object ruledOutJson(const model::RuledOut& o) {
    const wording::Said s = wording::ruledOut(o);
    return {{"direction", model::directionName(o.direction)},
            {"colours", englishNames(o.colours)},
            {"band", o.band},
            {"role", roleName(o.role)},
            {"colour", model::colourRecord(o.colour).english},
            {"read_from_other_end", o.readFromOtherEnd},
            {"far_end_role", o.readFromOtherEnd ? Json(roleName(o.farEndRole)) : Json()},
            {"code", s.code},
            {"text", s.text}};
}

Json::Object changeJson(const model::BandChange& c, const model::DecimalFormat& fmt) {
    const wording::Said s = wording::change(c, fmt);
    return {{"band", c.readingBand},
            {"from", model::colourRecord(c.from).english},
            {"to", model::colourRecord(c.to).english},
            {"direction", model::directionName(c.direction)},
            {"value_ohms", exact(c.reading.value)},
            {"tolerance_percent", hundredthsPercent(c.reading.tolerance)},
            {"min_ohms", exact(c.reading.min)},
            {"max_ohms", exact(c.reading.max)},
            {"code", s.code},
            {"text", s.text}};
}

// The cues given, and the one that decided the verdict (its sentence is among the verdict's).
Json::Object cuesJson(const model::BandReadings& r) {
    const model::Cues& c = r.cues.given;
    const std::string decided = wording::decidingCue(r);
    return {{"gap", c.end ? Json(model::sideName(c.end->side)) : Json()},
            {"body", c.body ? Json(model::bodyColourName(*c.body)) : Json()},
            {"decided_by", decided.empty() ? Json() : Json(decided)}};
}

// The report is the readings as the model gives them, with the measurement as typed.
std::string readJson(const std::vector<int>& colours, const std::optional<model::Decimal>& measured,
                     const wording::Said& measuredNote, const model::BandReadings& r,
                     const model::DecimalFormat& fmt) {
    Json::Array readings, ruledOut, changes, notes;
    for (const model::BandReadingItem& i : r.readings)
        readings.emplace_back(readingJson(i, r, fmt));
    for (const model::RuledOut& o : r.ruledOut)
        ruledOut.emplace_back(ruledOutJson(o));
    for (const model::BandChange& c : r.changes)
        changes.emplace_back(changeJson(c, fmt));
    if (!measuredNote.text.empty()) notes = said({measuredNote});
    return jsonText({{"bands", int(colours.size())},
                     {"colours", englishNames(colours)},
                     {"measured_ohms", measured ? Json(exact(*measured)) : Json()},
                     {"measured_outcome", outcomeName(r.verdict.measured)},
                     {"notes", notes},
                     {"verdict", said(wording::verdict(r, fmt))},
                     {"cues", cuesJson(r)},
                     {"readings", readings},
                     {"ruled_out", ruledOut},
                     {"changes", changes}});
}

std::string readText(const wording::Said& measuredNote, const model::BandReadings& r,
                     const model::DecimalFormat& fmt) {
    std::string text = wording::joined(wording::verdict(r, fmt)) + '\n';
    if (!measuredNote.text.empty()) text += measuredNote.text + '\n';
    for (const model::BandReadingItem& i : r.readings)
        text += wording::readingLine(i, fmt) + "\n  " +
                wording::joined(wording::readingNotes(i, r.measured, fmt)) + '\n';
    for (const model::RuledOut& o : r.ruledOut)
        text += wording::ruledOutLine(o) + '\n';
    for (const model::BandChange& c : r.changes)
        text += wording::changeLine(c, fmt) + '\n';
    return text;
}

} // namespace

Answer readAnswer(const std::vector<std::string>& colourNames,
                  const std::optional<std::string>& measuredText, bool json,
                  const std::string& point, const ReadCues& typedCues) {
    const model::DecimalFormat fmt{point};
    if (colourNames.size() < std::size_t(model::kFewestBands) ||
        colourNames.size() > std::size_t(model::kMostBands))
        return refusal(std::string(model::codeOf(model::InputProblem::BandCount)),
                       wording::bandCountRefusal(int(colourNames.size())), json);
    std::vector<int> colours;
    for (const std::string& typed : colourNames) {
        // A blank word is the missing band, as 无 is; the model says where that may stand.
        const std::string name = trimmed(typed);
        const auto c =
            name.empty() ? std::optional(model::palette::kNone) : model::colourByName(name);
        if (!c) return refusal("unknown-colour", wording::notAColour(name), json);
        colours.push_back(*c);
    }
    std::optional<model::Decimal> measured;
    wording::Said measuredNote;
    if (measuredText) {
        const model::ValueInput v = model::parseValue(*measuredText, fmt.point);
        if (!v.ok) return refusal("unreadable-measurement", wording::measuredRefusal(v), json);
        measured = v.ohms;
        measuredNote = wording::measuredNote(v, fmt);
    }
    model::Cues cues;
    if (typedCues.gap) {
        const auto side = model::sideOfName(asciiLower(trimmed(*typedCues.gap)));
        if (!side) return refusal("unknown-gap", wording::gapNameRefusal(*typedCues.gap), json);
        cues.end = model::EndCue{model::EndCue::Kind::WiderGap, *side};
    }
    if (typedCues.body) {
        cues.body = model::bodyColourOfName(asciiLower(trimmed(*typedCues.body)));
        if (!cues.body)
            return refusal("unknown-body", wording::bodyNameRefusal(*typedCues.body), json);
    }
    const model::BandReadings r = model::readBothWays(colours, measured, cues);
    if (r.problem != model::InputProblem::None) {
        const wording::Said why = wording::inputRefusal(r);
        return refusal(why.code, why.text, json);
    }
    if (r.readings.empty()) return refusal("neither-way", wording::neitherWay(r), json);

    Answer out;
    out.out =
        json ? readJson(colours, measured, measuredNote, r, fmt) : readText(measuredNote, r, fmt);
    return out;
}

} // namespace zq::answers
