// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/placement.h"

#include <algorithm>

namespace zq::ui {

namespace {

// The nearest start in [low, high - length], or low when the length does not fit.
int clampStart(int at, int length, int low, int high) {
    return std::max(low, std::min(at, high - length));
}

} // namespace

QPoint keepInside(const QRect& available, const QRect& wanted) {
    return {clampStart(wanted.left(), wanted.width(), available.left(), available.right() + 1),
            clampStart(wanted.top(), wanted.height(), available.top(), available.bottom() + 1)};
}

QPoint placeBeside(const QRect& available, const QRect& mainWindow, const QSize& window) {
    const int w = window.width();
    const int roomRight = available.right() - mainWindow.right();
    const int roomLeft = mainWindow.left() - available.left();
    int x;
    if (available.width() >= mainWindow.width() + w) {
        if (roomRight >= w)
            x = mainWindow.right() + 1;
        else if (roomLeft >= w)
            x = mainWindow.left() - w;
        else
            // Room for both, but not where the main window stands: at the edge with more room,
            // where it covers the least of it.
            x = roomRight >= roomLeft ? available.right() + 1 - w : available.left();
    } else {
        x = mainWindow.center().x() + 1 - w / 2;
    }
    return keepInside(available, QRect(QPoint(x, mainWindow.top()), window));
}

PairPlacement placeBesideAnchor(const QRect& available, const QRect& mainWindow,
                                const QRect& anchor, const QSize& window) {
    const auto free = [&](const QRect& r) {
        return available.contains(r) && !r.intersects(mainWindow);
    };
    const int top =
        clampStart(anchor.top(), window.height(), available.top(), available.bottom() + 1);
    for (const int x : {anchor.right() + 1, anchor.left() - window.width()})
        if (const QRect r(QPoint(x, top), window); free(r) && !r.intersects(anchor))
            return {r.topLeft(), anchor.topLeft()};
    const int x =
        clampStart(anchor.left(), window.width(), available.left(), available.right() + 1);
    for (const int y : {anchor.bottom() + 1, anchor.top() - window.height()})
        if (const QRect r(QPoint(x, y), window); free(r) && !r.intersects(anchor))
            return {r.topLeft(), anchor.topLeft()};
    // One above the other, the pair moved up (or down) as far as it must to fit.
    const int pairTop = clampStart(anchor.top(), anchor.height() + window.height(), available.top(),
                                   available.bottom() + 1);
    const QRect movedAnchor(QPoint(anchor.left(), pairTop), anchor.size());
    const QRect under(QPoint(x, pairTop + anchor.height()), window);
    if (free(under) && free(movedAnchor)) return {under.topLeft(), movedAnchor.topLeft()};
    return {placeBeside(available, mainWindow, window), anchor.topLeft()};
}

QPoint placeOverOrBesideAnchor(const QRect& available, const QRect& mainWindow,
                               const QRect& keepClear, const QRect& anchor, const QSize& window) {
    const int top =
        clampStart(anchor.top(), window.height(), available.top(), available.bottom() + 1);
    const int left =
        clampStart(anchor.left(), window.width(), available.left(), available.right() + 1);
    const QPoint beside[] = {{anchor.right() + 1, top},
                             {anchor.left() - window.width(), top},
                             {left, anchor.bottom() + 1},
                             {left, anchor.top() - window.height()}};
    for (const QPoint& at : beside)
        if (const QRect r(at, window); available.contains(r) && !r.intersects(mainWindow) &&
                                       !r.intersects(keepClear) && !r.intersects(anchor))
            return at;
    return keepInside(available, QRect(anchor.topLeft(), window));
}

} // namespace zq::ui
