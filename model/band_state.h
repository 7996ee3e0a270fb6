// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zq::model {

// The resistor being edited. The flags are 16-bit -1/0 flags because the window code treats
// them as such. Each band holds the palette chip it took, by palette index; band 4 holding
// none, the bare body, is the only thing that makes a four-band resistor.
struct BandState {
    std::int16_t Band1Selected = 0, Band2Selected = 0, Band3Selected = 0, Band4Selected = 0,
                 Band5Selected = 0;
    std::array<std::uint8_t, 5> BandColour{};
    std::string Digit1Text, Digit2Text, Band3Text, MultiplierText;

    bool FourBandMode() const;  // BandColour[3] == palette::kNone
    int selectedBand() const;   // 1..5, or 0 when no flag is -1 (first -1 flag wins)
    void select(int band);      // that flag -1, others 0 (band 1..5; other values: no change)
    static BandState initial(); // red, green, yellow, red, gold with band 1 selected
};

} // namespace zq::model
