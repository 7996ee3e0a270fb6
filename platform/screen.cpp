// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/screen.h"

namespace zq {

namespace {
double g_x = 15, g_y = 15;
}

double Screen::TwipsPerPixelX() {
    return g_x;
}
double Screen::TwipsPerPixelY() {
    return g_y;
}
void Screen::setTwipsPerPixel(double x, double y) {
    g_x = x;
    g_y = y;
}

} // namespace zq
