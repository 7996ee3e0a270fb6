// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's icon at the sizes a desktop's icon theme asks for.
#include <QImage>
#include <array>

namespace zq::paint {

inline constexpr std::array kProgramIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

// The icon, `pixels` wide and high, with a transparent background.
QImage programIconAt(int pixels);

} // namespace zq::paint
