// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/band_state.h"
#include "model/choice.h"
#include "model/colour_code.h"
#include "model/colour_table.h"
#include "tests/model/invariants.h"

#include <array>
#include <cstdint>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace zq::model {

// Readable failure output for effect lists.
inline void PrintTo(const Effect& e, std::ostream* os) {
    static constexpr const char* kNames[] = {"Warn",          "PlaceColour",  "SetDigit1Text",
                                             "SetDigit2Text", "SetBand3Text", "SetMultiplierText",
                                             "SetColourName", "SetTolerance"};
    *os << kNames[static_cast<int>(e.kind)] << "{band " << e.band << ", \"" << e.text
        << "\", warning " << static_cast<int>(e.warning) << ", colour " << e.colour
        << ", tolerance " << e.tolerance << "}";
}

} // namespace zq::model

namespace zq::model::test {

// "yellow violet red gold": colours for failure output.
inline std::string englishNames(std::span<const int> colours) {
    std::string out;
    for (const int c : colours)
        out += (out.empty() ? "" : " ") + std::string(colourRecord(c).english);
    return out;
}

// A state the rules could have left: the texts agree with the colours.
inline BandState stateWith(std::array<std::uint8_t, 5> colours, int selectedBand) {
    for (const int c : colours) // anything else would be read from beyond the table
        if (c >= palette::kSize) throw std::invalid_argument("no colour " + std::to_string(c));
    BandState s;
    s.BandColour = colours;
    s.Digit1Text = colourByIndex(colours[0]).digit;
    s.Digit2Text = colourByIndex(colours[1]).digit;
    const ColourCode& band3 = colourByIndex(colours[2]);
    s.Band3Text = colours[3] == palette::kNone ? band3.multiplier : band3.digit;
    s.MultiplierText = colourByIndex(colours[3]).multiplier;
    s.select(selectedBand);
    return s;
}

// What the window does with a palette click, minus the drawing.
inline std::vector<Effect> click(BandState& s, int band, int paletteIndex) {
    s.select(band);
    const std::vector<Effect> effects = choose(s, paletteIndex);
    for (const Effect& e : effects)
        applyToState(s, e);
    return effects;
}

} // namespace zq::model::test
