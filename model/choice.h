// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/band_state.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zq::model {

inline constexpr std::string_view kWarningTitle = "温馨提示！";

// One thing a palette click does, in the order the window must do it: a warning is modal, so
// what comes before it is on screen while it is open.
struct Effect {
    enum class Kind {
        Warn,      // MsgBox(text, 48, kWarningTitle)
        PlaceChip, // BandChip[band-1] = chip; repaint that band's image with picture `chip`
        SetDigit1Text,
        SetDigit2Text,
        SetBand3Text,
        SetMultiplierText, // state text = text
        SetColourName,     // Label5 caption = text
        SetTolerance,      // Label20 caption = text; Image38 picture = picture
    };
    Kind kind;
    int band = 0;
    std::uint8_t chip = 0;
    std::string text;
    int picture = 0;

    friend bool operator==(const Effect&, const Effect&) = default;
};

// The decision for a click on palette chip `paletteIndex` with the given state; empty when the
// click does nothing (no band selected, index outside 0..12).
std::vector<Effect> choose(const BandState& state, int paletteIndex);

// How a digit band's warning ends for gold, silver and none: "，所以不能为金色，…记住啦！".
std::string_view digitBandRefusalTail(int paletteIndex);

// The warning for a colour the tolerance band does not take.
std::string toleranceBandRefusal(int paletteIndex);

// The state part of an effect (PlaceChip, Set*Text); the others change no state.
void applyToState(BandState& state, const Effect& e);

} // namespace zq::model
