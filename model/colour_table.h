// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/colour_code.h"

#include <string_view>

namespace zq::model {

// One chip of the palette as the main window's band texts spell it, derived from the colour
// records; the palette index is also the row number.
struct ColourCode {
    int index;                   // palette index 0..12
    std::string_view digit;      // "" for gold, silver and none
    std::string_view multiplier; // "" for none
    int tolerance;               // hundredths of a per cent; 0 where band 5 refuses the colour
};

// The main window's resistor has five bands.
inline constexpr int kMainWindowBands = 5;

const ColourCode& colourByIndex(int index); // precondition 0..12
const ColourCode* findColour(int index);    // nullptr outside 0..12

} // namespace zq::model
