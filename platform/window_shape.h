// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The outline a frameless window is cut to, for QWidget::setMask.
#include <QRegion>
#include <QSize>

namespace zq {

// A rectangle of `size` pixels whose corners are quarter ellipses `corner` pixels wide and
// high, built row by row so that every pixel is in or out exactly as the skin was drawn for.
QRegion roundedRectRegion(QSize size, QSize corner);

} // namespace zq
