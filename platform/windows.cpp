// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/windows.h"
#include "platform/errors.h"

#include <QHash>
#include <QWidget>
#include <QWindow>
#include <cmath>

namespace zq {

namespace {

struct WindowEntry {
    QWidget* widget;
    std::int32_t style;
};

QHash<quintptr, WindowEntry>& registry() {
    static QHash<quintptr, WindowEntry> r;
    return r;
}

// A frameless window as the design describes it: a pop-up with no system menu.
constexpr std::int32_t kInitialStyle =
    WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_MINIMIZEBOX;

} // namespace

quintptr registerWindow(QWidget* w) {
    static quintptr next = 0x10000;
    next += 4;
    registry().insert(next, {w, kInitialStyle});
    return next;
}

void unregisterWindow(quintptr handle) {
    registry().remove(handle);
}

QWidget* windowFromHandle(quintptr handle) {
    auto it = registry().constFind(handle);
    return it == registry().constEnd() ? nullptr : it->widget;
}

QRegion CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) {
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    const int width = right - left, height = bottom - top;
    const double rx = std::min(w, width) / 2.0, ry = std::min(h, height) / 2.0;
    QRegion r;
    if (width <= 0 || height <= 0) return r;
    // One band per pixel row: full width in the middle, narrowed by the corner ellipse
    // in the top and bottom rows it reaches.
    for (int row = 0; row < height; ++row) {
        double inset = 0;
        const double cy = row + 0.5;
        double dy = 0;
        if (cy < ry)
            dy = ry - cy;
        else if (cy > height - ry)
            dy = cy - (height - ry);
        if (dy > 0 && ry > 0) {
            const double t = dy / ry;
            inset = rx - rx * std::sqrt(std::max(0.0, 1.0 - t * t));
        }
        const int in = int(std::lround(inset));
        r += QRect(left + in, top + row, width - 2 * in, 1);
    }
    return r;
}

int SetWindowRgn(quintptr hWnd, const QRegion& region, bool redraw) {
    QWidget* w = windowFromHandle(hWnd);
    if (!w) return 0;
    w->setMask(region);
    if (redraw) w->update();
    return 1;
}

std::int32_t GetWindowLongA(quintptr hWnd, int index) {
    auto it = registry().find(hWnd);
    if (it == registry().end() || index != GWL_STYLE) return 0;
    return it->style;
}

std::int32_t SetWindowLongA(quintptr hWnd, int index, std::int32_t value) {
    auto it = registry().find(hWnd);
    if (it == registry().end() || index != GWL_STYLE) return 0;
    const std::int32_t old = it->style;
    it->style = value;
    if (value & WS_SYSMENU) {
        // On the native window, not the widget: changing a widget's flags recreates it.
        Qt::WindowFlags f =
            it->widget->windowFlags() | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint;
        if (QWindow* win = it->widget->windowHandle())
            win->setFlags(f);
        else
            it->widget->setWindowFlags(f);
    }
    return old;
}

} // namespace zq
