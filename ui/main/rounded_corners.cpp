// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/rounded_corners.h"

#include "platform/form.h"
#include "platform/screen.h"
#include "platform/windows.h"

#include <cstdint>

namespace zq::ui {

void roundCorners(zq::Form& window) {
    const auto w =
        static_cast<std::int32_t>(roundHalfEven(window.Width() / Screen::TwipsPerPixelX()));
    const auto h =
        static_cast<std::int32_t>(roundHalfEven(window.Height() / Screen::TwipsPerPixelY()));
    const QRegion region = CreateRoundRectRgn(0, 0, w, h, 12, 12);
    SetWindowRgn(window.hWnd(), region, true);
}

} // namespace zq::ui
