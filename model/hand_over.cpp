// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/hand_over.h"

#include <algorithm>

namespace zq::model {

namespace {

// Colours in reading order, 3 to 6 of them, on the main window's four or five bands.
HandOver onMainWindowBands(const std::vector<int>& c, const Decimal& value, HandOver h) {
    const std::size_t at = c.size() == 3 ? 0 : c.size() == 4 ? 3 : 4;
    const ColourRecord& tolerance = colourRecord(at == 0 ? palette::kNone : c[at]);
    if (!tolerance.hasTolerance()) {
        h.refusal = HandOver::Refusal::PrecisionTolerance;
        h.toleranceColour = tolerance.index;
        return h;
    }
    ColourAnswer a;
    a.value = value;
    a.tolerance = tolerance.tolerance;
    if (c.size() <= 4) {
        a.bands = 4;
        a.palette = {c[0], c[1], c[2], palette::kNone, c.size() == 3 ? palette::kNone : c[3]};
        h.threeBandsAsFour = c.size() == 3;
    } else {
        a.bands = 5;
        a.palette = {c[0], c[1], c[2], c[3], c[4]};
        if (c.size() == 6) h.sixthBand = c[5];
    }
    h.refusal = HandOver::Refusal::None;
    h.part = a;
    return h;
}

} // namespace

HandOver handOverReading(const BandReadings& r, const std::vector<int>& entered) {
    HandOver h;
    // A measurement no reading holds, with one band that may have been misread: the
    // suggestion is what goes over.
    const bool anyMatch =
        std::any_of(r.readings.begin(), r.readings.end(),
                    [](const BandReadingItem& i) { return i.matches.value_or(false); });
    if (!anyMatch && !r.changes.empty()) {
        const BandChange& change = r.changes.front();
        std::vector<int> colours = entered;
        colours[std::size_t(change.band - 1)] = change.to;
        if (change.direction == Direction::Reversed) std::reverse(colours.begin(), colours.end());
        h.misread = change;
        return onMainWindowBands(colours, change.reading.value, h);
    }
    const BandReadingItem* chosen = nullptr;
    for (const BandReadingItem& i : r.readings)
        if (i.likely) chosen = &i;
    if (!chosen && !r.readings.empty()) chosen = &r.readings.front();
    if (!chosen) {
        h.tooFewBands = entered.size() < std::size_t(kFewestBands);
        return h;
    }
    if (!chosen->likely && r.readings.size() > 1) h.undecided = chosen->direction;
    return onMainWindowBands(chosen->colours, chosen->reading.value, h);
}

HandOver handOverCode(const SmdAnswer& a) {
    HandOver h;
    if (a.readings.empty()) {
        h.refusal = HandOver::Refusal::CodeHasNoValue;
        return h;
    }
    const SmdReading& r = a.readings.front();
    const int bands = makeable(r.value, 4) ? 4 : 5;
    const Tolerance tolerance = r.tolerance ? Tolerance(*colourOfTolerance(*r.tolerance))
                                            : Tolerance(defaultTolerance(bands));
    const Finding f = findColours(r.value, bands, tolerance);
    if (!f.answer || !f.answer->exact) {
        h.refusal = HandOver::Refusal::CodeHasNoBands;
        return h;
    }
    h.refusal = HandOver::Refusal::None;
    h.part = *f.answer;
    return h;
}

} // namespace zq::model
