// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Twips and pixels. The designs are measured in twips; 15 twips make one pixel at
// the 96 dots per inch the designs were drawn for. Qt's logical pixels stay that size
// on high-density screens, so the ratio does not follow the device pixel ratio.
#include <cmath>

namespace zq {

struct Screen {
    static double TwipsPerPixelX();
    static double TwipsPerPixelY();
    // Other ratios are for tests of code that scales with the screen.
    static void setTwipsPerPixel(double x, double y);
};

// Nearest whole number, halves to even.
inline double roundHalfEven(double v) {
    return std::nearbyint(v);
}

inline int toPixelsX(double twips) {
    return static_cast<int>(roundHalfEven(twips / Screen::TwipsPerPixelX()));
}
inline int toPixelsY(double twips) {
    return static_cast<int>(roundHalfEven(twips / Screen::TwipsPerPixelY()));
}

// Design font sizes are points at 96 dots per inch; the window must not change with
// the desktop's font settings, so fonts are sized in pixels.
inline int pointsToPixels(double points) {
    return static_cast<int>(roundHalfEven(points * 96.0 / 72.0));
}

} // namespace zq
