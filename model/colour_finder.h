// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/band_state.h"
#include "model/colour_code.h"
#include "model/decimal.h"
#include "model/e_series.h"
#include "model/numbers.h"

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

// The bands of a resistor that has a wanted value.
struct ColourAnswer {
    int bands = 4;                // 4 or 5
    std::array<int, 5> palette{}; // palette index of bands 1..5; band 4 is none on four bands
    Decimal value;                // what these colours make, in ohms
    bool exact = true;            // false when the typed value had to be rounded
};

// A member of a standard series near the typed value.
struct StandardValue {
    Decimal value;
    std::vector<ESeries> series; // every chosen series that has it, coarsest first
    // How far it lies from the typed value, (value - typed) / typed, in hundredths of a per
    // cent, rounded half away from zero from the exact quotient.
    int hundredths = 0;
    double percent = 0;   // hundredths / 100, for percentText(double)
    bool makeable = true; // whether the finding's number of bands can make it
};

struct Finding {
    std::string reason;                 // non-empty: the input cannot be answered at all
    std::optional<ColourAnswer> answer; // the exact colours, or those of the nearest value
    std::string note;                   // one line when the answer is not the typed value
    // Whether the typed value is a standard value of the series the tolerance calls for
    // ("4.7KΩ 是 E24 标准值。"), and the neighbours the bands cannot make; empty for zero.
    std::string standardNote;
    // The typed value itself when it is a member, else the members just below and just above
    // it in each chosen series; only those the bands can make, in ascending order.
    std::vector<StandardValue> standard;
    // The same kind of values that the bands cannot make (makeable false), named in the note.
    std::vector<StandardValue> unmakeable;
};

// The colours for `ohms` on a resistor of `bands` bands with the tolerance colour
// `tolerance` (palette index). Values the bands cannot reach get a reason naming the limits;
// values with more significant digits than the bands hold get the nearest makeable value.
// Numbers in the texts use the user's decimal point.
Finding findColours(const Decimal& ohms, int bands, int tolerance, const DecimalFormat& fmt = {});

// Largest and smallest non-zero values a kind of resistor can carry.
Decimal largestValue(int bands);
bool makeable(const Decimal& ohms, int bands);

// The band state these colours stand for, as the choice rules would leave it.
BandState stateOf(const ColourAnswer& a);
// The (band, palette index) clicks that give the main window these colours from any state
// it can be in, without a single refusal.
std::vector<std::pair<int, int>> choicesFor(const ColourAnswer& a);

// The bands on the part itself, in reading order: one black band for a zero-ohm jumper,
// otherwise four or five.
std::vector<int> bandColours(const ColourAnswer& a);
// "黄 紫 红 金", "黑" for a jumper: the bands on the part by their short names.
std::string colourNames(const ColourAnswer& a);
// What the main window's result line would show, "等于： 4.70KΩ".
std::string shownValue(const ColourAnswer& a, const DecimalFormat& fmt);
// The value in the unit the main window would use for it, exact: "4.465KΩ", "950.00Ω".
std::string withUnit(const Decimal& ohms, const DecimalFormat& fmt);
// The same unit without padding decimals: "4.7KΩ", "1000Ω", "0.011Ω".
std::string plainWithUnit(const Decimal& ohms, const DecimalFormat& fmt);
// "4.465KΩ ～ 4.935KΩ"; a jumper has no tolerance band: "0.00Ω（跳线，没有误差环）".
std::string rangeText(const ColourAnswer& a, const DecimalFormat& fmt);
// "+2.13%", "-4.26%", "0.00%".
std::string percentText(double percent, const DecimalFormat& fmt);
// The same from the exact figure: "+3.13%".
std::string percentText(const StandardValue& v, const DecimalFormat& fmt);
// The exact figure as a plain decimal, "." the point, for machine-read output: "3.13",
// "-26.67", "0.00".
std::string errorPercent(const StandardValue& v);
// A short form to type back: 4.7k, 470, 0.47, 1M, 1.5G.
std::string typedForm(const Decimal& ohms);

} // namespace zq::model
