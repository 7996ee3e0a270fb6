// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What another window hands the main one: a part it can set band by band, or why there is
// none. The main window has four and five bands and only its own tolerance colours.
#include "model/band_reading.h"
#include "model/colour_finder.h"
#include "model/smd.h"

#include <optional>
#include <vector>

namespace zq::model {

struct HandOver {
    enum class Refusal {
        None,               // `part` is set
        NothingRead,        // too few bands, or neither way reads
        PrecisionTolerance, // `toleranceColour` is a tolerance the main window lacks
        CodeHasNoValue,
        CodeHasNoBands, // the chip's value needs more digits than five bands carry
    };
    Refusal refusal = Refusal::NothingRead;
    std::optional<ColourAnswer> part;
    bool tooFewBands = false;
    int toleranceColour = palette::kNone;
    // How the reading was made to fit: a three-band part is the four-band one with 无色, a
    // sixth band (its colour here) has no place.
    bool threeBandsAsFour = false;
    std::optional<int> sixthBand;
    // Which reading went over when that is not plain: the suggested misread band, or the first
    // of two readings neither of which is likely.
    std::optional<BandChange> misread;
    std::optional<Direction> undecided;
};

// The reading of these colours (left to right as entered) the main window should show.
HandOver handOverReading(const BandReadings& r, const std::vector<int>& entered);
// The chip's value on the part the main window draws: four bands where they carry it exactly,
// else five.
HandOver handOverCode(const SmdAnswer& a);

} // namespace zq::model
