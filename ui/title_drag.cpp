// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/title_drag.h"

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/screen.h"

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>

namespace zq::ui {

namespace {

// The fields are 16 bits wide. A position beyond them (only on a very large virtual
// desktop) stops at the nearest end instead of wrapping round to the other side.
std::int16_t toTwips16(double twips) {
    return static_cast<std::int16_t>(std::clamp(roundHalfEven(twips), -32768.0, 32767.0));
}

} // namespace

void TitleDrag::dragPress(zq::Form& window, int Button, double X, double Y) {
    if (Button != kLeftButton) return;
    // A Wayland compositor does not let a program place its own window: hand it the move.
    if (QGuiApplication::platformName() == QLatin1String("wayland") && window.windowHandle()) {
        window.windowHandle()->startSystemMove();
        return;
    }
    Dragging = -1;
    DragGrab.X = toTwips16(X);
    DragGrab.Y = toTwips16(Y);
}

void TitleDrag::dragMove(zq::Form& window, double X, double Y) {
    if (!Dragging) return;
    // The title moves with the window, so the point grabbed stays under the pointer.
    DragTarget.Left = toTwips16(window.Left() - DragGrab.X + X);
    DragTarget.Top = toTwips16(window.Top() - DragGrab.Y + Y);
    window.Move(DragTarget.Left, DragTarget.Top);
}

} // namespace zq::ui
