// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/rounded_corners.h"

#include "platform/form.h"
#include "platform/screen.h"
#include "platform/window_shape.h"

namespace zq::ui {

void roundCorners(zq::Form& window) {
    const int w = int(roundHalfEven(window.Width() / Screen::TwipsPerPixelX()));
    const int h = int(roundHalfEven(window.Height() / Screen::TwipsPerPixelY()));
    window.setMask(roundedRectRegion(QSize(w, h), QSize(12, 12)));
    window.update();
}

} // namespace zq::ui
