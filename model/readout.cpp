// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/readout.h"
#include "model/colour_code.h"
#include "model/tick.h"

namespace zq::model {

std::string toleranceOfPicture(int picture) {
    for (const ColourRecord& c : colourRecords())
        if (c.tolerancePicture != 0 && c.tolerancePicture == picture)
            return toleranceText(c.tolerance);
    return {};
}

std::string readoutText(std::string_view number, int unitPicture, int tolerancePicture) {
    std::string r(number);
    r += unitOfPicture(unitPicture);
    const std::string tol = toleranceOfPicture(tolerancePicture);
    if (!tol.empty()) {
        if (!r.empty()) r += ' ';
        r += tol;
    }
    return r;
}

} // namespace zq::model
