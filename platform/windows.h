// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The few window-system calls the windows make: a rounded window shape and the style word.
#include <QRegion>
#include <cstdint>

class QWidget;

namespace zq {

inline constexpr int GWL_STYLE = -16;
inline constexpr std::int32_t WS_SYSMENU = 0x00080000;
inline constexpr std::int32_t WS_MINIMIZEBOX = 0x00020000;
inline constexpr std::int32_t WS_POPUP = std::int32_t(0x80000000u);
inline constexpr std::int32_t WS_VISIBLE = 0x10000000;
inline constexpr std::int32_t WS_CLIPSIBLINGS = 0x04000000;
inline constexpr std::int32_t WS_CLIPCHILDREN = 0x02000000;

quintptr registerWindow(QWidget* w);
void unregisterWindow(quintptr handle);
QWidget* windowFromHandle(quintptr handle);

// The rectangle (x1, y1)-(x2, y2) in pixels with corner ellipses w by h, pixel for pixel.
QRegion CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h);
// Clips the window to the region; 0 when the handle names no window.
int SetWindowRgn(quintptr hWnd, const QRegion& region, bool redraw);

std::int32_t GetWindowLongA(quintptr hWnd, int index);
// Writes the style word; WS_SYSMENU keeps a frameless window minimisable and restorable.
// Returns the previous value.
std::int32_t SetWindowLongA(quintptr hWnd, int index, std::int32_t value);

} // namespace zq
