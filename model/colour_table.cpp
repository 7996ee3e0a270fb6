// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/colour_table.h"

#include "model/colour_code.h"

#include <array>
#include <cassert>
#include <string>

namespace zq::model {

namespace {

// The palette's band texts, derived from the colour records.
struct Row {
    std::string digit, multiplier;
};

const std::array<ColourCode, palette::kSize>& table() {
    static const auto rows = [] {
        std::array<Row, palette::kSize> r;
        for (const ColourRecord& c : colourRecords()) {
            Row& row = r[std::size_t(c.index)];
            if (c.hasDigit()) row.digit = std::to_string(c.digit);
            if (c.hasMultiplier()) row.multiplier = c.multiplier().text();
        }
        return r;
    }();
    static const auto codes = [] {
        std::array<ColourCode, palette::kSize> t{};
        for (const ColourRecord& c : colourRecords()) {
            const Row& row = rows[std::size_t(c.index)];
            t[std::size_t(c.index)] = {c.index, row.digit, row.multiplier, c.tolerance};
        }
        return t;
    }();
    return codes;
}

} // namespace

const ColourCode& colourByIndex(int index) {
    assert(index >= 0 && index < palette::kSize);
    return table()[static_cast<std::size_t>(index)];
}

const ColourCode* findColour(int index) {
    if (index < 0 || index >= palette::kSize) return nullptr;
    return &table()[static_cast<std::size_t>(index)];
}

} // namespace zq::model
