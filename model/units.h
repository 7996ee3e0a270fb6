// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The units a value is shown in: the main window's read-out, its result line, the value
// window and the command line all take them from here.
#include "model/decimal.h"
#include "model/numbers.h"

#include <array>
#include <string>
#include <string_view>

namespace zq::model {

struct Unit {
    int power;             // the unit is 10^power ohms
    std::string_view text; // "KΩ"
};

// A value is shown in the largest unit it exceeds, up to 1000 of that unit inclusive: exactly
// 1000 ohms stays "1000.00Ω".
inline constexpr std::array<Unit, 4> kUnits{{
    {0, "Ω"},
    {3, "KΩ"},
    {6, "MΩ"},
    {9, "GΩ"},
}};

inline const Unit& unitFor(const Decimal& ohms) {
    std::size_t u = 0;
    while (u + 1 < kUnits.size() && ohms > Decimal::of(1000, kUnits[u].power))
        ++u;
    return kUnits[u];
}

// The number a value is shown with in its unit, two decimals at least: "25.40" of "25.40KΩ".
inline std::string numberInUnit(const Decimal& ohms, const DecimalFormat& fmt) {
    return ohms.shifted(-unitFor(ohms).power).text(fmt.point, 2);
}

} // namespace zq::model
