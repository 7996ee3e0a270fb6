// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Names of fonts as the font system knows them: looked up, never shown.
#include <QString>

namespace zq::fonts {

// The design's Chinese face (SimSun).
inline QString song() {
    return QStringLiteral("宋体");
}

// WenQuanYi Zen Hei and its bitmap-hinted sibling, in simplified and traditional spelling.
inline QString zenHeiSimplified() {
    return QStringLiteral("文泉驿正黑");
}
inline QString zenHeiTraditional() {
    return QStringLiteral("文泉驛正黑");
}
inline QString zenHeiSharpSimplified() {
    return QStringLiteral("文泉驿点阵正黑");
}
inline QString zenHeiSharpTraditional() {
    return QStringLiteral("文泉驛點陣正黑");
}

} // namespace zq::fonts
