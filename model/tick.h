// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/band_state.h"
#include "model/decimal.h"
#include "model/units.h"

#include <string>

namespace zq::model {

// What the multimeter and the flow chart show for the band state taken when a tick begins.
struct TickFacts {
    bool fourBand = false;
    // The flow chart, from the band texts as they stood before this tick rederived them: the
    // digits of bands 1 and 2 with their weights, then band 3's text, added with weight 1 on
    // five bands or, on four, the multiplier the sum is multiplied by; last, on five bands
    // only, band 4's multiplier in a box of its own.
    std::string firstDigit, secondDigit, thirdRow, multiplier;
    int firstWeight = 0, secondWeight = 0; // 100 and 10 on five bands, 10 and 1 on four
    bool thirdRowAdded = false;
    bool multiplierShown = false;
    // The band texts rederived from the bands' colours.
    std::string digit1Text, digit2Text, band3Text;
    // The value, exact, and the unit it is shown in.
    Decimal ohms;
    Unit unit = kUnits[0];
};

TickFacts tick(const BandState& state);

// Writes the rederived Digit1Text, Digit2Text and Band3Text.
void applyTick(BandState& state, const TickFacts& facts);

} // namespace zq::model
