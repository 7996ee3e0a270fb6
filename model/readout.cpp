// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/readout.h"
#include "model/colour_code.h"

namespace zq::model {

std::string readoutText(std::string_view number, const Unit* unit,
                        std::optional<int> toleranceColour) {
    std::string r(number);
    if (unit) r += unit->text;
    if (toleranceColour && *toleranceColour >= 0 && *toleranceColour < palette::kSize &&
        colourRecord(*toleranceColour).hasTolerance()) {
        if (!r.empty()) r += ' ';
        r += toleranceText(colourRecord(*toleranceColour).tolerance);
    }
    return r;
}

} // namespace zq::model
