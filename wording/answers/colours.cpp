// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/answers/answers.h"

#include "model/colour_code.h"
#include "model/colour_finder.h"
#include "model/combinations/combinations.h"
#include "model/combinations/kit_file.h"
#include "model/smd.h"
#include "model/value_input.h"
#include "wording/answers/output.h"
#include "wording/combinations.h"
#include "wording/value.h"
#include "wording/words.h"

namespace zq::answers {

using namespace output;

namespace {

Json noteObject(std::string_view code, const std::string& text) {
    return Json::Object{{"code", code}, {"text", text}};
}

Answer refused(std::string_view code, const std::string& reason, bool json) {
    return refusal(std::string(code), reason, json);
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool sameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    return true;
}

// "E48": a letter E and digits. A single line end after them still counts, as it always has.
bool looksLikeSeriesName(std::string_view s) {
    if (s.ends_with('\n')) s.remove_suffix(1);
    if (s.size() < 2 || asciiLower(s.front()) != 'e') return false;
    for (const char c : s.substr(1))
        if (c < '0' || c > '9') return false;
    return true;
}

// The parts a user has, by the name of a series or from a file; or why they cannot be had.
struct Have {
    std::vector<model::Decimal> values;
    std::string name; // as the heading names the kit
    std::vector<model::KitNote> notes;
    std::optional<Answer> refusal;
};

Have readHave(const std::string& have, bool json) {
    Have out;
    out.name = have;
    std::vector<std::string> offered;
    for (const model::ESeries s : {model::ESeries::E6, model::ESeries::E12, model::ESeries::E24}) {
        offered.emplace_back(model::seriesName(s));
        if (sameIgnoringAsciiCase(have, offered.back())) {
            out.values = model::seriesKit(s);
            out.name = wording::seriesKitName(s);
            return out;
        }
    }
    const model::KitFileRead read = model::readKitFile(have);
    const auto refuse = [&](std::string_view code, const std::string& why) {
        out.refusal = refused(code, why, json);
        return out;
    };
    // "E48" names a series the program has no kit of, unless a file is called so.
    if (read.trouble == model::KitFileTrouble::missing && looksLikeSeriesName(have))
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

std::string circuitCode(model::Circuit c) {
    switch (c) {
    case model::Circuit::single:
        return "single";
    case model::Circuit::series:
        return "series";
    case model::Circuit::parallel:
        return "parallel";
    case model::Circuit::seriesOfParallel:
    case model::Circuit::parallelOfSeries:
        return "series+parallel";
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
    std::string input;
    model::ValueInput typed;
    model::Finding finding; // with an answer
    std::vector<std::string> codes;
    std::optional<Have> have;
    std::optional<model::Combinations> made;
};

std::string coloursJson(const ColoursReport& r, const model::DecimalFormat& fmt) {
    const model::ColourAnswer& a = *r.finding.answer;
    const model::Finding& f = r.finding;
    const model::ValueInput& typed = r.typed;
    const std::optional<Have>& have = r.have;
    const std::optional<model::Combinations>& made = r.made;
    Json::Array english, chinese, standard, notes;
    for (const int colour : model::bandColours(a)) {
        english.emplace_back(model::colourRecord(colour).english);
        chinese.emplace_back(wording::shortName(colour));
    }
    for (const model::StandardValue& v : f.standard) {
        Json::Array member;
        for (const model::ESeries s : v.member)
            member.emplace_back(model::seriesName(s));
        standard.emplace_back(Json::Object{{"value_ohms", exact(v.value)},
                                           {"member", member},
                                           {"makeable", v.makeable},
                                           {"error_percent", model::errorPercent(v.change)}});
    }
    if (typed.note != model::InputNote::None)
        notes.push_back(noteObject(model::codeOf(typed.note), wording::inputNote(typed, fmt)));
    for (const model::Note& n : f.notes)
        notes.push_back(noteObject(model::codeOf(n.code), wording::note(n, fmt)));
    Json::Array combinations;
    if (made) {
        for (const model::KitNote& n : have->notes)
            notes.push_back(noteObject(model::codeOf(n.reading.note),
                                       wording::kitLineNote(have->name, n, fmt)));
        if (made->wantedFault)
            notes.push_back(
                noteObject(codeOf(*made->wantedFault), wording::wantedFault(*made->wantedFault)));
        for (const auto& c : made->bestOfParts) {
            if (!c) continue;
            Json::Array parts;
            for (const model::Decimal& p : c->parts)
                parts.emplace_back(exact(p));
            Json::Object o{
                {"parts_ohms", parts},
                {"circuit", circuitCode(c->circuit)},
                {"value_ohms", exact(c->shown)},
                {"value_exact", exact(c->numerator) + '/' + exact(c->denominator)},
                {"error_percent", model::errorPercent(c->error)},
                {"within_tolerance", c->withinTolerance},
                {"simplest", made->simplest == c},
            };
            if (c->circuit == model::Circuit::seriesOfParallel) o["shape"] = "R1+(R2||R3)";
            if (c->circuit == model::Circuit::parallelOfSeries) o["shape"] = "R1||(R2+R3)";
            combinations.emplace_back(std::move(o));
        }
    }
    const bool jumper = a.value.isZero();
    Json::Object whole{
        {"input", r.input},
        {"bands", a.bands},
        {"colours", english},
        {"colours_zh", chinese},
        {"value_ohms", exact(a.value)},
        {"exact", a.exact},
        {"tolerance_percent", jumper ? Json() : Json(hundredthsPercent(a.tolerance))},
        {"precision", a.precision},
        {"min_ohms", exact(model::withTolerance(a.value, a.tolerance, -1))},
        {"max_ohms", exact(model::withTolerance(a.value, a.tolerance, +1))},
        {"standard", standard},
        {"notes", notes},
        {"smd", stringArray(r.codes)},
    };
    if (made) {
        whole["have"] = have->name;
        whole["combinations"] = combinations;
    }
    return jsonText(whole);
}

std::string coloursText(const ColoursReport& r, const model::DecimalFormat& fmt) {
    const model::ColourAnswer& a = *r.finding.answer;
    const model::Finding& f = r.finding;
    const model::ValueInput& typed = r.typed;
    const std::optional<Have>& have = r.have;
    const std::optional<model::Combinations>& made = r.made;
    std::vector<std::string> lines{wording::coloursLine(a), wording::valueLine(a, fmt),
                                   wording::toleranceLine(a, fmt)};
    if (const std::string n = wording::inputNote(typed, fmt); !n.empty())
        lines.push_back(wording::noteLine(n));
    for (const std::string& n : wording::answerNotes(f, fmt))
        lines.push_back(wording::noteLine(n));
    if (std::string line = wording::standardLine(f, fmt); !line.empty())
        lines.push_back(std::move(line));
    for (const model::StandardValue& v : f.standard)
        if (v.makeable) lines.push_back(wording::standardValueLine(v, fmt));
    if (!r.codes.empty()) lines.push_back(wording::smdLine(r.codes));
    if (made) {
        lines.push_back(wording::combinationsHeading(typed.ohms, have->name, a.tolerance, fmt));
        for (const model::KitNote& n : have->notes)
            lines.push_back(wording::noteLine(wording::kitLineNote(have->name, n, fmt)));
        if (made->wantedFault)
            lines.push_back(wording::noteLine(wording::wantedFault(*made->wantedFault)));
        for (const auto& c : made->bestOfParts)
            if (c) lines.push_back(wording::combinationLine(*c, made->simplest == c, fmt));
        if (!made->wantedFault && !made->simplest)
            lines.push_back(wording::noteLine(wording::noneWithinTolerance(a.tolerance)));
    }
    return wording::join(lines, "\n") + '\n';
}

} // namespace

Answer coloursAnswer(const ColoursQuestion& question, bool json, const std::string& point) {
    const model::DecimalFormat fmt{point};
    int bands = 4;
    if (question.bands) {
        if (*question.bands != "4" && *question.bands != "5")
            return refused(model::codeOf(model::FindingRefusal::BandCount),
                           wording::bandCountRefusal(), json);
        bands = *question.bands == "5" ? 5 : 4;
    }
    model::Tolerance tolerance = model::defaultTolerance(bands);
    if (question.tolerance) {
        const auto named = model::readTolerance(*question.tolerance);
        if (!named)
            return refused("unknown-tolerance", wording::toleranceNameRefusal(*question.tolerance),
                           json);
        tolerance = *named;
    }
    const model::ColoursOfValue asked =
        model::coloursOfValue(model::parseValue(question.value, point), bands, tolerance);
    if (!asked.answered())
        return refused(asked.refusalCode(), wording::coloursRefusal(asked, fmt), json);
    const model::ValueInput& typed = asked.typed;
    const model::Finding& f = asked.finding;
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

} // namespace zq::answers
