// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The windows as designed, before any load handler touches them.
#include "platform/design.h"

namespace zq::designs {

const zq::FormDesign& mainWindow();
const zq::FormDesign& helpWindow();
const zq::FormDesign& aboutWindow();
const zq::FormDesign& valueWindow(); // value-to-colours window
const zq::FormDesign& readingWindow(); // reading window
const zq::FormDesign& practiceWindow(); // practice window
const zq::FormDesign& combinationsPanel(); // the value window's companion: parts at hand
const zq::FormDesign& ownKitEditor(); // the user's own kit, edited

} // namespace zq::designs
