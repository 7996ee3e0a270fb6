// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The multimeter's display as one text for a screen reader: the number, its unit picture and
// its tolerance picture, read back into the characters they show.
#include "model/tick.h" // unitOfPicture

#include <string>
#include <string_view>

namespace zq::model {

std::string toleranceOfPicture(int picture); // 126..133 -> "±2%" ... "±1%"; else ""
// "25.40KΩ ±5%": the number and unit as they stand together, then the tolerance.
std::string readoutText(std::string_view number, int unitPicture, int tolerancePicture);

} // namespace zq::model
