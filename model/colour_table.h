// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/colour_code.h"

#include <cstdint>
#include <string_view>

namespace zq::model {

// One chip of the palette as the main window's band texts spell it, derived from the colour
// records; the palette index is also the row number.
struct ColourCode {
    int index;                   // palette index 0..12
    std::uint8_t chip;           // bitmap that paints the colour on a band, 101..113
    std::string_view digit;      // "" for gold, silver and none
    std::string_view multiplier; // "" for none
    int tolerance;               // hundredths of a per cent; 0 where band 5 refuses the colour
    int toleranceChip;           // 0 where the colour is refused on band 5
};

inline constexpr std::uint8_t kChipNone = kColourRecords[palette::kNone].chip,
                              kChipGold = kColourRecords[palette::kGold].chip,
                              kChipSilver = kColourRecords[palette::kSilver].chip;

// The main window's resistor has five bands.
inline constexpr int kMainWindowBands = 5;

const ColourCode& colourByIndex(int index); // precondition 0..12
const ColourCode* colourByChip(int chip);   // nullptr outside 101..113

} // namespace zq::model
