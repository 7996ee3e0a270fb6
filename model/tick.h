// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/band_state.h"
#include "model/colour_code.h" // Rgb
#include "model/numbers.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zq::model {

// Everything one timer tick shows, computed from the band state taken when the tick begins.
struct TickResult {
    // Flow chart, from the texts as they stood before this tick rederived them.
    std::string label9, label12, label18;
    bool fourBand = false;             // Label8 says which
    bool fiveBandLinesVisible = false; // Line22, Line23, Line27..Line31
    bool line32Visible = false;
    bool line33And34Visible = false;
    bool label17And18Visible = false;
    std::string label10, label13, label14, label15;
    bool label16Visible = false;
    Rgb lowerBoxColour{}; // Line19..Line21
    // Band texts rederived from the chips.
    std::string digit1Text, digit2Text, band3Text;
    // The value.
    std::string valueText; // after scaling, in the user's locale
    int unitPicture = 0;   // 135, 136, 137, 134
    std::string unitText;  // "Ω", "KΩ", "MΩ", "GΩ"; Label19 equates the value F with it
    std::string label6;    // F: two decimals at least, in the user's locale
};

TickResult tick(const BandState& state, const DecimalFormat& fmt);

// The unit a unit picture shows: 134..137 -> "GΩ", "Ω", "KΩ", "MΩ"; else "".
std::string_view unitOfPicture(int picture);

// Writes the rederived Digit1Text, Digit2Text and Band3Text.
void applyTick(BandState& state, const TickResult& r);

} // namespace zq::model
