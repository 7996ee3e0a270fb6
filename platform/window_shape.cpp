// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/window_shape.h"

#include <algorithm>
#include <cmath>

namespace zq {

QRegion roundedRectRegion(QSize size, QSize corner) {
    const int width = size.width(), height = size.height();
    const double rx = std::min(corner.width(), width) / 2.0;
    const double ry = std::min(corner.height(), height) / 2.0;
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
        r += QRect(in, row, width - 2 * in, 1);
    }
    return r;
}

} // namespace zq
