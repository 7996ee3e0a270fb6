// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/band_state.h"
#include "model/colour_code.h"

#include <array>
#include <string>
#include <vector>

namespace zq::model {

// Why a palette click is refused. The warning names the band and the colour clicked; the
// words are the wording layer's.
enum class Warning {
    DigitBandHasNoDigit,   // gold, silver or none on band 1 or 2
    Band3NeverNone,        // none on band 3, whatever the resistor
    Band3MetalOnFiveBand,  // gold or silver on band 3 while band 4 holds a colour
    Band4AfterGoldBand3,   // any colour on band 4 of a four-band part with a gold multiplier
    Band4AfterSilverBand3, // the same with a silver one
    ToleranceBandRefuses,  // a colour that stands for no tolerance, on band 5
};
inline constexpr std::array kWarnings{
    Warning::DigitBandHasNoDigit, Warning::Band3NeverNone,        Warning::Band3MetalOnFiveBand,
    Warning::Band4AfterGoldBand3, Warning::Band4AfterSilverBand3, Warning::ToleranceBandRefuses};

// One thing a palette click does, in the order the window must do it: a warning is modal, so
// what comes before it is on screen while it is open.
struct Effect {
    enum class Kind {
        Warn,        // a modal warning: `warning`, on `band`, for `colour`
        PlaceColour, // BandColour[band-1] = colour; that band is painted anew
        SetDigit1Text,
        SetDigit2Text,
        SetBand3Text,
        SetMultiplierText, // state text = text
        SetColourName,     // the chosen colour is named: `colour`
        SetTolerance,      // the tolerance shown: `tolerance`, that of band 5's `colour`
    };
    Kind kind;
    int band = 0;
    std::string text{}; // the band state's texts: digits and multipliers, "4", "0.1", "100"
    Warning warning = Warning::DigitBandHasNoDigit;
    int colour = 0;    // palette index
    int tolerance = 0; // hundredths of a per cent

    friend bool operator==(const Effect&, const Effect&) = default;
};

// The decision for a click on palette chip `paletteIndex` with the given state; empty when the
// click does nothing (no band selected, index outside 0..12).
std::vector<Effect> choose(const BandState& state, int paletteIndex);

// The state part of an effect (PlaceColour, Set*Text); the others change no state.
void applyToState(BandState& state, const Effect& e);

} // namespace zq::model
