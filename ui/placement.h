// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where a window opened from the main one goes on the screen. Pure geometry in pixels, so
// that every screen size can be tried without one.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace zq::ui {

// A window that works beside the main one: to its right or left, top edges level, when the
// available area has room for both side by side; else over it. Always inside `available`
// (the screen less its panels); a window larger than the area keeps its top left corner,
// and so its title, in it.
QPoint placeBeside(const QRect& available, const QRect& mainWindow, const QSize& window);

// A window that works with another secondary one, the anchor (the value window's companion
// panel): beside the anchor where it stays off the main window, else under or over it in the
// same column; where that column holds both only with the anchor moved, the anchor moves too.
// Otherwise as placeBeside, so that the main window stays in sight where the screen has room.
struct PairPlacement {
    QPoint window, anchor;
};
PairPlacement placeBesideAnchor(const QRect& available, const QRect& mainWindow,
                                const QRect& anchor, const QSize& window);

// A window that serves a secondary one while it is open (the kit editor, the panel's): beside
// the anchor where it stays off the main window and off `keepClear` (the window the anchor
// answers for), else over the anchor itself, which it stands in for until it closes.
QPoint placeOverOrBesideAnchor(const QRect& available, const QRect& mainWindow,
                               const QRect& keepClear, const QRect& anchor, const QSize& window);

// A window that stands in for the main one: where it asked to be, moved into `available`.
QPoint keepInside(const QRect& available, const QRect& wanted);

} // namespace zq::ui
