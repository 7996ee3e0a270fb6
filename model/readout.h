// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The multimeter's display as one text for a screen reader: the number, its unit and the
// tolerance it shows, in the characters they show.
#include "model/units.h"

#include <optional>
#include <string>
#include <string_view>

namespace zq::model {

// "25.40KΩ ±5%": the number and unit as they stand together, then the tolerance that
// `toleranceColour` stands for on band 5. A display that shows no unit passes nullptr; one
// that shows no tolerance, nullopt.
std::string readoutText(std::string_view number, const Unit* unit,
                        std::optional<int> toleranceColour);

} // namespace zq::model
