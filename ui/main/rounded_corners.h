// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace zq {
class Form;
}

namespace zq::ui {

// Clips the main window to its size with 12-pixel rounded corners.
void roundCorners(zq::Form& window);

} // namespace zq::ui
