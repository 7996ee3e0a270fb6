// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace zq {
class Form;
}

namespace zq::ui::Module1 {

// Clips the main window to its size with 12-pixel rounded corners.
void RoundWindowCorners(zq::Form& window);

} // namespace zq::ui::Module1
