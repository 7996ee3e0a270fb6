// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/band_state.h"
#include "model/change.h"
#include "model/colour_code.h"
#include "model/decimal.h"
#include "model/e_series.h"
#include "model/numbers.h"
#include "model/value_input.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zq::model {

// Palette indices of the colours the tolerance band takes, in palette order, and the default
// tolerance of each kind of resistor.
inline constexpr auto kTolerancePalette = [] {
    std::array<int, 8> out{};
    std::size_t n = 0;
    for (const ColourRecord& c : kColourRecords)
        if (c.hasTolerance()) out[n++] = c.index;
    return n == out.size() ? out : throw "the tolerance palette has another size";
}();
inline constexpr int kGoldIndex = palette::kGold, kBrownIndex = palette::kBrown,
                     kNoneIndex = palette::kNone;
int defaultTolerance(int bands); // gold for four bands, brown for five

// The tolerance a chosen band stands for, hundredths of a per cent, as IEC 60062:2016 gives
// it (blue ±0.25 %, where the main window's table has ±0.2 %); 0 where it takes none.
int hundredthsOf(const Tolerance& t);
// Whether it is a precision figure of a colour the main window's table gives no tolerance, so
// that no chip of the main window's colours stands for it.
bool isPrecision(const Tolerance& t);

// The bands of a resistor that has a wanted value.
struct ColourAnswer {
    int bands = 4;                // 4 or 5
    std::array<int, 5> palette{}; // palette index of bands 1..5; band 4 is none on four bands
    Decimal value;                // what these colours make, in ohms
    bool exact = true;            // false when the typed value had to be rounded
    int tolerance = 500;          // hundredths of a per cent the tolerance band stands for
    bool precision = false;       // a figure only IEC 60062:2016 gives: no main window shows it
};

// A member of a standard series near the typed value.
struct StandardValue {
    Decimal value;
    std::vector<ESeries> member; // every chosen series that has it, coarsest first
    // How far it lies from the typed value, (value - typed) / typed, from the exact quotient.
    Change change;
    bool makeable = true; // whether the finding's number of bands can make it
};

// Why a value gets no colours.
enum class FindingRefusal {
    None,
    BandCount,             // only four and five bands
    NoSuchColour,          // `tolerance.colour` is no palette index
    NotAToleranceColour,   // the tolerance band never takes `tolerance.colour`
    FiveBandsWithoutBand5, // ±20 % is no band at all: the five-band part would read as four
    TooLarge,              // `reach`
    TooSmall,              // `reach`
    TooSmallJumperNearer,  // `reach`; a zero-ohm jumper is nearer than any resistor
};

// What a kind of resistor reaches, and its nearest value with the colours for it.
struct Reach {
    Decimal smallest, largest, nearest;
    std::vector<int> nearestBands; // empty for the jumper
};

enum class NoteCode {
    Nearest,                  // `value` cannot be made; `nearest` is, with `digits` digits
    NearestFiveBandsCould,    // the same, and five bands would make it
    MadeAsFourBands,          // five bands start at `nearest`: `value` is made on four
    Jumper,                   // zero ohms: a jumper, one black band
    Precision,                // `colour`'s band stands for `hundredths`, a precision tolerance
    StandardMember,           // `value` is a member of `series`
    StandardMemberUnmakeable, // the same, but the bands cannot make it
    NotStandard,              // `value` is in none of `series`, the chosen ones
    UnmakeableNeighbours,     // `neighbours`: the members beside it the bands cannot make
};

struct Note {
    NoteCode code = NoteCode::Jumper;
    Decimal value, nearest;
    int bands = 4, digits = 2;
    std::vector<ESeries> series;
    std::vector<StandardValue> neighbours;
    int colour = 0, hundredths = 0;
};

std::string_view codeOf(FindingRefusal r);
std::string_view codeOf(NoteCode n);

struct Finding {
    FindingRefusal refusal = FindingRefusal::None;
    int bands = 4;
    Tolerance tolerance;
    std::optional<Reach> reach;         // for the values out of reach
    std::optional<ColourAnswer> answer; // the exact colours, or those of the nearest value
    // In the order they are told: the answer's (nearest or jumper, precision), then the
    // standard values' (member or not, the neighbours the bands cannot make). None for zero.
    std::vector<Note> notes;
    // The typed value itself when it is a member, else the members just below and just above
    // it in each chosen series; ascending, each with whether the bands make it.
    std::vector<StandardValue> standard;
};

// The colours for `ohms` on a resistor of `bands` bands with that tolerance band. Values the
// bands cannot reach are refused with the limits and the nearest; values with more
// significant digits than the bands hold get the nearest makeable value. No answer starts
// with a black band, which no part is made with (the jumper's one band aside): a five-band
// value below 1 Ω is answered as the four-band part it is sold as, with a note, and a value
// below 0.1 Ω is too small for any.
Finding findColours(const Decimal& ohms, int bands, Tolerance tolerance);

// A value as typed and its colours: the question the value window and the terminal both ask.
struct ColoursOfValue {
    ValueInput typed;
    Finding finding; // found only for a value that was read
    bool answered() const { return finding.answer.has_value(); }
    std::string_view refusalCode() const; // the reader's, else the finder's; "" when answered
};
ColoursOfValue coloursOfValue(const ValueInput& typed, int bands, Tolerance tolerance);

// Largest and smallest non-zero values a kind of resistor can carry: the smallest is the
// first without a black first band (0.1 Ω on four bands, 1 Ω on five).
Decimal largestValue(int bands);
Decimal smallestValue(int bands);
bool makeable(const Decimal& ohms, int bands);

// The (band, palette index) clicks that give the main window these colours from any state
// it can be in, without a single refusal.
std::vector<std::pair<int, int>> choicesFor(const ColourAnswer& a);

// The bands on the part itself, in reading order: one black band for a zero-ohm jumper,
// otherwise four or five.
std::vector<int> bandColours(const ColourAnswer& a);
// The value in the unit the main window would use for it, exact: "4.465KΩ", "950.00Ω".
std::string withUnit(const Decimal& ohms, const DecimalFormat& fmt);
// The exact figure as a plain decimal, "." the point, for machine-read output: "3.13",
// "-26.67", "0.00".
// A difference the hundredths round to nothing keeps two significant digits: "0.0000037".
std::string errorPercent(const Change& c);

} // namespace zq::model
