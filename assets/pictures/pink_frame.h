// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The inks of the pink frame that the help and value windows share: a rim, then a band
// lit on the left and top, shaded on the right and bottom.
#include "assets/pictures/studio.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zq::paint::pink {

inline constexpr Colour kRim = rgb(196, 80, 170);
inline constexpr std::array<Colour, 7> kLitInk{kRim,
                                               rgb(255, 228, 250),
                                               rgb(255, 204, 246),
                                               rgb(252, 186, 240),
                                               rgb(246, 170, 232),
                                               rgb(234, 152, 222),
                                               rgb(206, 112, 196)};
inline constexpr std::array<Colour, 7> kShadedInk{
    rgb(176, 64, 150),  rgb(226, 130, 210), rgb(240, 152, 226), rgb(248, 168, 234),
    rgb(252, 182, 240), rgb(255, 200, 246), rgb(206, 112, 196)};

// The ink `d` pixels in from the outer edge.
inline Colour bandInk(const std::array<Colour, 7>& inks, double d) {
    return inks[std::size_t(std::clamp(int(std::floor(d)), 0, 6))];
}

} // namespace zq::paint::pink
