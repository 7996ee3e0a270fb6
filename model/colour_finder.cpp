// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/colour_finder.h"

#include "model/colour_code.h"
#include "model/colour_table.h"
#include "model/units.h"

#include <algorithm>
#include <cstdlib>

namespace zq::model {

namespace {

const BandLayout& layout(int bands) {
    return *layoutOf(bands);
}

Note noteOf(NoteCode code, int bands, const Decimal& value = {}) {
    Note n;
    n.code = code;
    n.bands = bands;
    n.value = value;
    return n;
}

// Whether the typed value is a member of the series the tolerance calls for, and its
// neighbours, with the notes that tell it.
void addStandardValues(Finding& f, const Decimal& typed) {
    if (typed.isZero()) return;
    const int bands = f.bands;
    const std::vector<ESeries> chosen = seriesForTolerance(hundredthsOf(f.tolerance));
    std::vector<ESeries> memberOf;
    for (const ESeries s : chosen)
        if (isMember(s, typed)) memberOf.push_back(s);

    // A member is its own answer; otherwise the neighbours on both sides in each series.
    std::vector<StandardValue> found;
    if (!memberOf.empty()) {
        found.push_back({typed, memberOf, {}, true});
    } else {
        for (const ESeries s : chosen)
            for (const Decimal& d : nearestMembers(s, typed)) {
                const auto same =
                    std::find_if(found.begin(), found.end(),
                                 [&](const StandardValue& v) { return v.value == d; });
                if (same != found.end()) {
                    same->member.push_back(s);
                    continue;
                }
                found.push_back({d, {s}, changeBetween(typed, d), true});
            }
        std::sort(found.begin(), found.end(),
                  [](const StandardValue& a, const StandardValue& b) { return a.value < b.value; });
    }
    std::vector<StandardValue> unmakeable;
    bool anyMakeable = false;
    for (StandardValue& v : found) {
        v.makeable = makeable(v.value, bands);
        anyMakeable = anyMakeable || v.makeable;
        if (!v.makeable) unmakeable.push_back(v);
    }
    f.standard = found;

    Note n = noteOf(NoteCode::StandardMember, bands, typed);
    if (!memberOf.empty()) {
        if (!anyMakeable) n.code = NoteCode::StandardMemberUnmakeable;
        n.series = memberOf;
        f.notes.push_back(n);
        return;
    }
    n.code = NoteCode::NotStandard;
    n.series = chosen;
    f.notes.push_back(n);
    if (!unmakeable.empty()) {
        n.code = NoteCode::UnmakeableNeighbours;
        n.series.clear();
        n.neighbours = unmakeable;
        f.notes.push_back(n);
    }
}

} // namespace

int defaultTolerance(int bands) {
    return bands == 5 ? kBrownIndex : kGoldIndex;
}

int hundredthsOf(const Tolerance& t) {
    if (t.colour < 0 || t.colour >= palette::kSize) return 0;
    const ColourRecord& c = colourRecord(t.colour);
    // Outside the main window a colour stands for what IEC 60062:2016 gives it (blue ±0.25 %).
    if (t.iec) return c.iecTolerance;
    return c.hasTolerance() ? toleranceOf(c, true) : 0;
}

bool isPrecision(const Tolerance& t) {
    return hundredthsOf(t) != 0 && !colourRecord(t.colour).hasTolerance();
}

Decimal largestValue(int bands) {
    return largestValue(layout(bands));
}

Decimal smallestValue(int bands) {
    return smallestValue().shifted(layout(bands).digits - 1);
}

bool makeable(const Decimal& ohms, int bands) {
    return ohms.isZero() || (ohms >= smallestValue(bands) && makeable(ohms, layout(bands)));
}

std::string_view codeOf(FindingRefusal r) {
    switch (r) {
    case FindingRefusal::None:
        return "";
    case FindingRefusal::BandCount:
        return "band-count";
    case FindingRefusal::NoSuchColour:
        return "no-such-colour";
    case FindingRefusal::NotAToleranceColour:
        return "not-a-tolerance-colour";
    case FindingRefusal::FiveBandsWithoutBand5:
        return "five-bands-without-tolerance-band";
    case FindingRefusal::TooLarge:
        return "too-large";
    case FindingRefusal::TooSmall:
        return "too-small";
    case FindingRefusal::TooSmallJumperNearer:
        return "too-small-jumper-nearer";
    }
    return "";
}

std::string_view codeOf(NoteCode n) {
    switch (n) {
    case NoteCode::Nearest:
        return "nearest";
    case NoteCode::NearestFiveBandsCould:
        return "nearest-five-bands-could";
    case NoteCode::MadeAsFourBands:
        return "made-as-four-bands";
    case NoteCode::Jumper:
        return "jumper";
    case NoteCode::Precision:
        return "precision-tolerance";
    case NoteCode::StandardMember:
        return "standard-member";
    case NoteCode::StandardMemberUnmakeable:
        return "standard-member-not-makeable";
    case NoteCode::NotStandard:
        return "not-standard";
    case NoteCode::UnmakeableNeighbours:
        return "neighbours-not-makeable";
    }
    return "";
}

ColoursOfValue coloursOfValue(const ValueInput& typed, int bands, Tolerance tolerance) {
    ColoursOfValue out{typed, {}};
    if (typed.ok) out.finding = findColours(typed.ohms, bands, tolerance);
    return out;
}

std::string_view ColoursOfValue::refusalCode() const {
    return !typed.ok ? codeOf(typed.refusal) : codeOf(finding.refusal);
}

Finding findColours(const Decimal& ohms, int bands, Tolerance tolerance) {
    Finding f;
    f.bands = bands;
    f.tolerance = tolerance;
    if (bands != 4 && bands != 5) {
        f.refusal = FindingRefusal::BandCount;
        return f;
    }
    if (tolerance.colour < 0 || tolerance.colour >= palette::kSize) {
        f.refusal = FindingRefusal::NoSuchColour;
        return f;
    }
    if (hundredthsOf(tolerance) == 0) {
        f.refusal = FindingRefusal::NotAToleranceColour;
        return f;
    }
    // A five-band part without its fifth band reads as a four-band one: its third digit as
    // the multiplier, its multiplier as the tolerance. A jumper has no tolerance band at all.
    if (bands == 5 && tolerance.colour == palette::kNone && !ohms.isZero()) {
        f.refusal = FindingRefusal::FiveBandsWithoutBand5;
        return f;
    }
    const Decimal smallest = smallestValue(bands);
    auto reach = [&](FindingRefusal why, const Decimal& nearest) {
        f.refusal = why;
        Reach r{smallest, largestValue(bands), nearest, {}};
        if (!nearest.isZero())
            r.nearestBands = bandColours(*findColours(nearest, bands, tolerance).answer);
        f.reach = r;
        return f;
    };
    if (ohms > largestValue(bands)) return reach(FindingRefusal::TooLarge, largestValue(bands));
    const std::optional<FoundBands> found = findBands(ohms, layout(bands), tolerance.colour);
    // Below the smallest value the first band would be black (or no band would do at all).
    if (!ohms.isZero() && (!found || found->value < smallest)) {
        // Such values are sold as four-band parts, whose two digits reach ten times lower.
        if (bands == 5) {
            Finding four = findColours(ohms, 4, tolerance);
            if (four.answer) {
                Note n = noteOf(NoteCode::MadeAsFourBands, bands, ohms);
                n.nearest = smallest;
                four.notes.insert(four.notes.begin(), n);
            }
            return four;
        }
        // Below half the smallest, a zero-ohm jumper is nearer than any resistor.
        if (ohms < Decimal::of(5, smallest.exponent() - 1))
            return reach(FindingRefusal::TooSmallJumperNearer, {});
        return reach(FindingRefusal::TooSmall, smallest);
    }
    ColourAnswer a;
    a.bands = bands;
    a.value = found->value;
    a.exact = found->exact;
    a.tolerance = hundredthsOf(tolerance);
    // Blue's ±0.25 % is such a figure too: the main window's blue is ±0.2 %.
    a.precision = a.tolerance != colourRecord(tolerance.colour).tolerance;
    // The main window's form: a four-band resistor has no band 4.
    for (std::size_t i = 0, at = 0; at < 5; ++at) {
        if (bands == 4 && at == 3) {
            a.palette[at] = kNoneIndex;
            continue;
        }
        a.palette[at] = found->colours[i++];
    }
    f.answer = a;

    if (!a.exact) {
        const bool five = bands == 4 && makeable(ohms, 5);
        Note n = noteOf(five ? NoteCode::NearestFiveBandsCould : NoteCode::Nearest, bands, ohms);
        n.nearest = a.value;
        n.digits = layout(bands).digits;
        f.notes.push_back(n);
    } else if (ohms.isZero()) {
        f.notes.push_back(noteOf(NoteCode::Jumper, bands, ohms));
    }
    if (a.precision && !ohms.isZero()) {
        Note n = noteOf(NoteCode::Precision, bands);
        n.colour = tolerance.colour;
        n.hundredths = a.tolerance;
        f.notes.push_back(n);
    }
    addStandardValues(f, ohms);
    return f;
}

std::vector<std::pair<int, int>> choicesFor(const ColourAnswer& a) {
    const auto& p = a.palette;
    // Four bands: empty band 4 first, so that band 3 may take gold or silver. Five bands: a
    // digit on band 3 first, so that band 4 may take its multiplier.
    if (a.bands == 4) return {{4, kNoneIndex}, {3, p[2]}, {1, p[0]}, {2, p[1]}, {5, p[4]}};
    return {{1, p[0]}, {2, p[1]}, {3, p[2]}, {4, p[3]}, {5, p[4]}};
}

std::vector<int> bandColours(const ColourAnswer& a) {
    if (a.value.isZero()) return {palette::kBlack};
    std::vector<int> out(a.palette.begin(), a.palette.end());
    if (a.bands == 4) out.erase(out.begin() + 3);
    return out;
}

std::string withUnit(const Decimal& ohms, const DecimalFormat& fmt) {
    return numberInUnit(ohms, fmt) + std::string(unitFor(ohms).text);
}

std::string errorPercent(const Change& c) {
    const std::int64_t h = c.hundredths;
    if (!c.belowHundredth.isZero()) return (c.negative ? "-" : "") + c.belowHundredth.text(".");
    return (h < 0 ? "-" : "") + Decimal::of(h < 0 ? 0 - std::uint64_t(h) : std::uint64_t(h), -2).text(".", 2);
}


} // namespace zq::model
