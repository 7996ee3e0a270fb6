// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window's numbered pictures for what the core names by colour and unit: the bands
// of the drawn resistor, and the tolerance and unit on the multimeter. Plain arrays, so that
// start-up pays nothing for them.
#include "model/colour_code.h"
#include "model/units.h"

#include <array>
#include <cstddef>
#include <optional>

namespace zq::ui {

// A band painted with a palette colour: brown 101 to silver 112; none is the bare body, 113.
constexpr int bandPicture(int colour) {
    return 101 + colour;
}

// The multimeter's tolerance for band 5's colour, by palette index; 0 where band 5 refuses it.
inline constexpr std::array<int, model::palette::kSize> kTolerancePictures{
    133, 126, 0, 0, 129, 128, 130, 0, 0, 0, 132, 131, 127};

constexpr int tolerancePicture(int colour) {
    return kTolerancePictures[static_cast<std::size_t>(colour)];
}

// The multimeter's unit, in the order of model::kUnits: Ω, KΩ, MΩ, GΩ.
inline constexpr std::array<int, model::kUnits.size()> kUnitPictures{135, 136, 137, 134};

constexpr int unitPicture(const model::Unit& unit) {
    return kUnitPictures[static_cast<std::size_t>(unit.power / 3)];
}

namespace detail {
constexpr bool tolerancePicturesMatchTheColours() {
    for (const model::ColourRecord& c : model::kColourRecords)
        if ((tolerancePicture(c.index) != 0) != c.hasTolerance()) return false;
    return true;
}
constexpr bool unitsStepByThousands() {
    for (std::size_t i = 0; i < model::kUnits.size(); ++i)
        if (model::kUnits[i].power != 3 * int(i)) return false;
    return true;
}
} // namespace detail
static_assert(detail::tolerancePicturesMatchTheColours(),
              "band 5 shows a tolerance picture for exactly the colours with a tolerance");
static_assert(detail::unitsStepByThousands(), "unitPicture finds a unit by its power");

// Back from what the display shows, for a screen reader: the unit a picture shows, and the
// band-5 colour whose tolerance a picture shows.
inline const model::Unit* unitOfPicture(int picture) {
    for (std::size_t i = 0; i < kUnitPictures.size(); ++i)
        if (kUnitPictures[i] == picture) return &model::kUnits[i];
    return nullptr;
}

inline std::optional<int> colourOfTolerancePicture(int picture) {
    for (int colour = 0; colour < model::palette::kSize; ++colour)
        if (picture != 0 && tolerancePicture(colour) == picture) return colour;
    return std::nullopt;
}

} // namespace zq::ui
