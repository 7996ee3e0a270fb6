// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/model/invariants.h"

#include "model/colour_table.h"

namespace zq::model {

namespace {

bool isGoldOrSilver(int colour) {
    return colour == palette::kGold || colour == palette::kSilver;
}

} // namespace

std::string invariantViolation(const BandState& s) {
    int selected = 0;
    for (const auto f :
         {s.Band1Selected, s.Band2Selected, s.Band3Selected, s.Band4Selected, s.Band5Selected}) {
        if (f != 0 && f != -1) return "a band flag is neither -1 nor 0";
        selected += f == -1;
    }
    if (selected > 1) return "more than one band is selected";

    for (std::size_t i = 0; i < s.BandColour.size(); ++i)
        if (!findColour(s.BandColour[i]))
            return "band " + std::to_string(i + 1) + " holds an unknown colour";

    const ColourCode& band1 = colourByIndex(s.BandColour[0]);
    const ColourCode& band2 = colourByIndex(s.BandColour[1]);
    const ColourCode& band3 = colourByIndex(s.BandColour[2]);
    const ColourCode& band4 = colourByIndex(s.BandColour[3]);
    const ColourCode& band5 = colourByIndex(s.BandColour[4]);
    if (band1.digit.empty()) return "band 1 holds a colour without a digit";
    if (band2.digit.empty()) return "band 2 holds a colour without a digit";
    if (band3.index == palette::kNone) return "band 3 is empty";
    if (isGoldOrSilver(band3.index) && !s.FourBandMode())
        return "band 3 is gold or silver on a five-band resistor";
    if (band5.tolerance == 0) return "band 5 holds a colour without a tolerance";

    // The texts the rules write together with the colours.
    if (s.Digit1Text != band1.digit) return "Digit1Text does not match band 1";
    if (s.Digit2Text != band2.digit) return "Digit2Text does not match band 2";
    if (isGoldOrSilver(band3.index) && s.Band3Text != band3.multiplier)
        return "Band3Text does not match the gold or silver multiplier of band 3";
    if (!s.FourBandMode() && s.MultiplierText != band4.multiplier)
        return "MultiplierText does not match band 4";
    return {};
}

} // namespace zq::model
