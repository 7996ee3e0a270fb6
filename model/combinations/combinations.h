// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/change.h"
#include "model/combinations/kit.h"
#include "model/decimal.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace zq::model {

enum class Circuit {
    single,
    series,           // all parts in series
    parallel,         // all parts in parallel
    seriesOfParallel, // R1 + (R2 ∥ R3)
    parallelOfSeries, // R1 ∥ (R2 + R3)
};

// One way to make a value from the kit.
struct Combination {
    Circuit circuit = Circuit::single;
    // In ohms. Series and parallel parts ascending; for the mixed circuits R1 first, then the
    // other two ascending.
    std::vector<Decimal> parts;
    // The exact value in ohms, numerator / denominator in lowest terms (denominator 1 for a
    // whole number of ohms).
    Decimal numerator, denominator;
    Decimal shown; // the value to the nearest milliohm, halves up
    // (value - wanted) / wanted against the wanted value exactly as typed; in hundredths from
    // -10000 up to 3 x 10^16 (three gigaohms for one milliohm wanted).
    Change error;
    // Judged on the exact values against `tolerance` (hundredths of a per cent): an error
    // shown as 5.00 % may still lie outside ±5 %.
    bool withinTolerance = false;
    int tolerance = 0;

    friend bool operator==(const Combination&, const Combination&) = default;
};

// The circuits in the order of Combinations::bestByShape.
struct Shape {
    Circuit circuit;
    int parts;
};
inline constexpr std::array<Shape, 7> kShapes{{
    {Circuit::single, 1},
    {Circuit::series, 2},
    {Circuit::parallel, 2},
    {Circuit::series, 3},
    {Circuit::parallel, 3},
    {Circuit::seriesOfParallel, 3},
    {Circuit::parallelOfSeries, 3},
}};

// The best is the nearest to the wanted value; at equal distance the lower value, then the
// circuit earlier in kShapes, then the parts smaller in their order above.
struct Combinations {
    // Set when the wanted value cannot be worked with; everything else is then empty.
    std::optional<KitValueFault> wantedFault;
    // The best of each shape, indexed as kShapes; all empty for an empty kit.
    std::array<std::optional<Combination>, kShapes.size()> bestByShape;
    // The best of one, two and three parts.
    std::array<std::optional<Combination>, 3> bestOfParts;
    // The fewest parts that come within the tolerance, the best of them; empty when none do.
    std::optional<Combination> simplest;
};

// The ways to make `wanted` ohms from one, two or three values of the kit, searched and judged
// against the value exactly, however fine (down to half a milliohm). The tolerance is in
// hundredths of a per cent (100 for ±1 %), inclusive. Some 110 000 pairs, each with a binary
// search for the last part: a few milliseconds for 200 values.
Combinations findCombinations(const Decimal& wanted, const Kit& kit, int toleranceHundredths);

} // namespace zq::model
