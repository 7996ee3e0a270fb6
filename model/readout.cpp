// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/readout.h"
#include "model/colour_table.h"
#include "model/tick.h"

namespace zq::model {

std::string_view toleranceOfPicture(int picture) {
    // The picture shows the part of the tolerance caption after its label.
    constexpr std::string_view kColon = "：";
    for (int i = 0; i <= 12; ++i) {
        const ColourCode& c = colourByIndex(i);
        if (c.toleranceChip == 0 || c.toleranceChip != picture) continue;
        const auto at = c.tolerance.find(kColon);
        return at == std::string_view::npos ? c.tolerance : c.tolerance.substr(at + kColon.size());
    }
    return {};
}

std::string readoutText(std::string_view number, int unitPicture, int tolerancePicture) {
    std::string r(number);
    r += unitOfPicture(unitPicture);
    const std::string_view tol = toleranceOfPicture(tolerancePicture);
    if (!tol.empty()) {
        if (!r.empty()) r += ' ';
        r += tol;
    }
    return r;
}

} // namespace zq::model
