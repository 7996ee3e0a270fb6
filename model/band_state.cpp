// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/band_state.h"

#include "model/colour_code.h"

namespace zq::model {

namespace {

std::int16_t* flagOf(BandState& s, int band) {
    switch (band) {
    case 1:
        return &s.Band1Selected;
    case 2:
        return &s.Band2Selected;
    case 3:
        return &s.Band3Selected;
    case 4:
        return &s.Band4Selected;
    case 5:
        return &s.Band5Selected;
    default:
        return nullptr;
    }
}

std::array<std::int16_t, 5> flags(const BandState& s) {
    return {s.Band1Selected, s.Band2Selected, s.Band3Selected, s.Band4Selected, s.Band5Selected};
}

} // namespace

bool BandState::FourBandMode() const {
    return BandColour[3] == palette::kNone;
}

int BandState::selectedBand() const {
    const auto f = flags(*this);
    for (std::size_t i = 0; i < f.size(); ++i)
        if (f[i] == -1) return static_cast<int>(i) + 1;
    return 0;
}

void BandState::select(int band) {
    if (band < 1 || band > 5) return;
    for (int b = 1; b <= 5; ++b)
        *flagOf(*this, b) = b == band ? -1 : 0;
}

BandState BandState::initial() {
    BandState s;
    using namespace palette;
    s.BandColour = {kRed, kGreen, kYellow, kRed, kGold};
    s.Digit1Text = "2";
    s.Digit2Text = "5";
    s.Band3Text = "4";
    s.MultiplierText = "100";
    s.select(1);
    return s;
}

} // namespace zq::model
