// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window's sentences: its warnings, the tolerance line, the kind of resistor and the
// result line of the flow chart. They keep the words the window has always had.
#include "model/choice.h"
#include "wording/catalogue.h"

#include <string>

namespace zq::wording {

// The title of every warning box.
std::string warningTitle();

// The warning for a refused palette click: `colour` (palette index) clicked on `band`.
// Empty for a combination the rules never refuse with that warning.
std::string warning(model::Warning w, int band, int colour);

// "你选择了第一环，所以不能为金色，…记住啦！": bands 1 and 2 take gold, silver and none
// for no digit.
std::string digitBandRefusal(int band, int colour);
// "误差环没有橙色，误差环只有：…记住啦！".
std::string toleranceBandRefusal(int colour);

// "电阻可允许误差值：±5%".
std::string toleranceCaption(int hundredths);

// "现在为四环电阻" / "现在为五环电阻".
std::string resistorKind(bool fourBand);

// "等于： 25.40KΩ": the value as ohms() writes it.
std::string resultLine(const std::string& ohms);

} // namespace zq::wording
