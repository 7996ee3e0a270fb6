// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The resistor colour code (IEC 60062): one record per colour, and the band layouts as data.
// Every other table of colours in the program is derived from these records.
#include "model/decimal.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zq::model {

struct Rgb {
    std::uint8_t r, g, b;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// Palette indices: the order of the chips in the main window.
namespace palette {
inline constexpr int kBrown = 0, kRed = 1, kOrange = 2, kYellow = 3, kGreen = 4, kBlue = 5,
                     kViolet = 6, kGrey = 7, kWhite = 8, kBlack = 9, kGold = 10, kSilver = 11,
                     kNone = 12;
inline constexpr int kSize = 13;
// The colours a band can show; "none" is the bare body, an absent band.
inline constexpr int kPaintedSize = 12;
} // namespace palette

inline constexpr int kNoDigit = -1;
inline constexpr int kNoPower = 99;

struct ColourRecord {
    int index;                  // palette index
    std::string_view english;   // brown
    int digit;                  // 0..9, or kNoDigit
    int power;                  // the multiplier is 10^power; kNoPower where there is none
    // Tolerance in hundredths of a per cent, as the program's own table has it (main window);
    // 0 where the tolerance band refuses the colour.
    int tolerance;
    // The tolerance IEC 60062:2016 gives the colour, hundredths of a per cent; 0 for none.
    int iecTolerance;
    int tcrPpm; // temperature coefficient, ppm/K (IEC 60062); 0 for none
    Rgb ink;    // the colour painted on a band
    bool metal; // painted with a metallic sheen

    constexpr bool hasDigit() const { return digit != kNoDigit; }
    constexpr bool hasMultiplier() const { return power != kNoPower; }
    constexpr bool hasTolerance() const { return tolerance != 0; }
    constexpr bool hasCoefficient() const { return tcrPpm != 0; }
    Decimal multiplier() const; // zero where there is none
};

// Digits, multipliers and temperature coefficients: IEC 60062. Tolerances: the program's own
// table (what the main window shows), with IEC 60062:2016's beside it where they differ.
// Inks: how the bands are painted.
inline constexpr std::array<ColourRecord, palette::kSize> kColourRecords{{
    // index english digit power tol iecTol tcr ink metal
    {0, "brown", 1, 1, 100, 100, 100, {128, 64, 24}, false},
    {1, "red", 2, 2, 200, 200, 50, {214, 30, 36}, false},
    {2, "orange", 3, 3, 0, 5, 15, {246, 128, 22}, false},
    {3, "yellow", 4, 4, 0, 2, 25, {250, 212, 28}, false},
    {4, "green", 5, 5, 50, 50, 20, {34, 158, 64}, false},
    {5, "blue", 6, 6, 20, 25, 10, {30, 84, 210}, false},
    {6, "violet", 7, 7, 10, 10, 5, {136, 52, 190}, false},
    {7, "grey", 8, 8, 0, 1, 1, {142, 142, 146}, false},
    {8, "white", 9, 9, 0, 0, 0, {250, 250, 250}, false},
    {9, "black", 0, 0, 0, 0, 250, {28, 28, 30}, false},
    {10, "gold", kNoDigit, -1, 500, 500, 0, {224, 170, 52}, true},
    {11, "silver", kNoDigit, -2, 1000, 1000, 0, {196, 198, 206}, true},
    // No band at all: the bare body shows, and the part is ±20 %.
    {12, "none", kNoDigit, kNoPower, 2000, 2000, 0, {226, 199, 150}, false},
}};

std::span<const ColourRecord> colourRecords();
const ColourRecord& colourRecord(int index); // precondition 0..12
std::optional<int> colourOfDigit(int digit); // 0..9
std::optional<int> colourOfPower(int power); // -2..9
// The colour with this tolerance in the program's own table (hundredths of a per cent).
std::optional<int> colourOfTolerance(int hundredths);
// A colour by any of its names: 红, 红色, red (any case; also gray, purple).
std::optional<int> colourByName(std::string_view name);

// "±0.5%" for 50 hundredths of a per cent. Tolerances are written with "." in every locale, as
// the main window's read-out has them.
std::string toleranceText(int hundredths);

// ---- band layouts ----------------------------------------------------------------------

enum class BandRole { Digit, Multiplier, Tolerance, Coefficient };

struct BandLayout {
    int bands;
    int digits;
    std::array<BandRole, 6> roles; // the first `bands` are used
    int impliedTolerance;          // hundredths of a per cent, without a tolerance band
    std::span<const BandRole> used() const { return {roles.data(), std::size_t(bands)}; }
    int toleranceBand() const;   // 1-based; 0 when there is none
};

inline constexpr int kFewestBands = 3, kMostBands = 6;
const BandLayout* layoutOf(int bands); // 3..6, else nullptr

// Whether a colour may stand on a band of that role. With `iec`, the tolerance band also
// takes the precision tolerances that only IEC 60062:2016 gives (orange, yellow, grey).
bool allowedIn(BandRole role, const ColourRecord& c, bool iec = false);
// The tolerance a colour stands for on the tolerance band: the program's own table (the main
// window's), or with `iec` IEC 60062:2016's wherever it gives one (blue ±0.25 %, not ±0.2 %).
int toleranceOf(const ColourRecord& c, bool iec = false);

// What a set of colours says, exactly.
struct Reading {
    Decimal value, min, max;
    int tolerance = 0; // hundredths of a per cent
    std::optional<int> tcrPpm;
};

struct ReadOutcome {
    std::optional<Reading> reading;
    int refusedBand = 0; // 1-based, where the first colour out of place stands
    BandRole refusedRole = BandRole::Digit;
};

// Reads colours (palette indices, left to right) in the layout with that many bands.
ReadOutcome readBands(std::span<const int> colours, bool iec = false);

// The colours for a value in a layout, with the nearest value those bands can make when the
// value has more significant digits than the layout holds.
struct FoundBands {
    std::vector<int> colours;
    Decimal value;
    bool exact = true;
};
// nullopt when the value is beyond the layout's reach (see smallestValue/largestValue).
std::optional<FoundBands> findBands(const Decimal& ohms, const BandLayout& layout,
                                    int tolerance = palette::kGold,
                                    int coefficient = palette::kBrown);
Decimal largestValue(const BandLayout& layout);
Decimal smallestValue();
bool makeable(const Decimal& ohms, const BandLayout& layout);

// value × (1 ± hundredths/10000), exactly.
Decimal withTolerance(const Decimal& value, int hundredths, int sign);

} // namespace zq::model
