// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/colour_code.h"

#include "model/colour_vocabulary.h"

#include <algorithm>
#include <cassert>

namespace zq::model {

namespace {

using R = BandRole;
constexpr std::array<BandLayout, 4> kLayouts{{
    {3, 2, {R::Digit, R::Digit, R::Multiplier}, 2000},
    {4, 2, {R::Digit, R::Digit, R::Multiplier, R::Tolerance}, 0},
    {5, 3, {R::Digit, R::Digit, R::Digit, R::Multiplier, R::Tolerance}, 0},
    {6, 3, {R::Digit, R::Digit, R::Digit, R::Multiplier, R::Tolerance, R::Coefficient}, 0},
}};

constexpr int kLowestPower = -2, kHighestPower = 9;

std::uint64_t powerOfTen(int n) {
    std::uint64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

std::uint64_t significandOf(const Decimal& d) {
    std::uint64_t s = 0;
    for (const char c : d.digits())
        s = s * 10 + std::uint64_t(c - '0');
    return s;
}

int bandOf(const BandLayout& l, BandRole role) {
    for (int i = 0; i < l.bands; ++i)
        if (l.roles[std::size_t(i)] == role) return i + 1;
    return 0;
}

// The smallest multiplier that leaves the value no more digits than the bands hold: the most
// precise way to write it, with the first band a non-zero digit whenever possible.
int multiplierPower(const Decimal& ohms, const BandLayout& l) {
    return std::max(kLowestPower, ohms.decade() - l.digits + 1);
}

} // namespace

Decimal ColourRecord::multiplier() const {
    return hasMultiplier() ? Decimal::of(1, power) : Decimal();
}

std::span<const ColourRecord> colourRecords() {
    return kColourRecords;
}

const ColourRecord& colourRecord(int index) {
    assert(index >= 0 && index < palette::kSize);
    return kColourRecords[std::size_t(index)];
}

std::optional<int> colourOfDigit(int digit) {
    for (const ColourRecord& c : kColourRecords)
        if (c.hasDigit() && c.digit == digit) return c.index;
    return std::nullopt;
}

std::optional<int> colourOfPower(int power) {
    for (const ColourRecord& c : kColourRecords)
        if (c.hasMultiplier() && c.power == power) return c.index;
    return std::nullopt;
}

std::optional<int> colourOfTolerance(int hundredths) {
    for (const ColourRecord& c : kColourRecords)
        if (c.hasTolerance() && c.tolerance == hundredths) return c.index;
    return std::nullopt;
}

std::optional<int> colourByName(std::string_view name) {
    // Only ASCII letters change case, so the Chinese words are compared as typed.
    std::string lowered(name);
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    for (const TypedColour& t : kTypedColours)
        if (lowered == t.word) return t.index;
    return std::nullopt;
}

std::string toleranceText(int hundredths) {
    return "±" + Decimal::of(std::uint64_t(hundredths), -2).text() + "%";
}

int BandLayout::toleranceBand() const {
    return bandOf(*this, R::Tolerance);
}

const BandLayout* layoutOf(int bands) {
    for (const BandLayout& l : kLayouts)
        if (l.bands == bands) return &l;
    return nullptr;
}

bool allowedIn(BandRole role, const ColourRecord& c, bool iec) {
    switch (role) {
    case R::Digit:
        return c.hasDigit();
    case R::Multiplier:
        return c.hasMultiplier();
    case R::Tolerance:
        return toleranceOf(c, iec) != 0;
    case R::Coefficient:
        return c.hasCoefficient();
    }
    return false;
}

int toleranceOf(const ColourRecord& c, bool iec) {
    return iec && c.iecTolerance != 0 ? c.iecTolerance : c.tolerance;
}

Decimal withTolerance(const Decimal& value, int hundredths, int sign) {
    const std::uint64_t factor = std::uint64_t(10000 + sign * hundredths);
    return Decimal::of(significandOf(value) * factor, value.exponent() - 4);
}

ReadOutcome readBands(std::span<const int> colours, bool iec) {
    ReadOutcome out;
    const BandLayout* layout = layoutOf(int(colours.size()));
    if (!layout) return out;
    std::uint64_t significand = 0;
    int power = 0, tolerance = layout->impliedTolerance;
    std::optional<int> tcr;
    for (int i = 0; i < layout->bands; ++i) {
        const BandRole role = layout->roles[std::size_t(i)];
        const int index = colours[std::size_t(i)];
        if (index < 0 || index >= palette::kSize || !allowedIn(role, colourRecord(index), iec)) {
            out.refusedBand = i + 1;
            out.refusedRole = role;
            return out;
        }
        const ColourRecord& c = colourRecord(index);
        switch (role) {
        case R::Digit:
            significand = significand * 10 + std::uint64_t(c.digit);
            break;
        case R::Multiplier:
            power = c.power;
            break;
        case R::Tolerance:
            tolerance = toleranceOf(c, iec);
            break;
        case R::Coefficient:
            tcr = c.tcrPpm;
            break;
        }
    }
    Reading r;
    r.value = Decimal::of(significand, power);
    r.tolerance = tolerance;
    r.min = withTolerance(r.value, tolerance, -1);
    r.max = withTolerance(r.value, tolerance, +1);
    r.tcrPpm = tcr;
    out.reading = r;
    return out;
}

Decimal largestValue(const BandLayout& layout) {
    return Decimal::of(powerOfTen(layout.digits) - 1, kHighestPower);
}

Decimal smallestValue() {
    return Decimal::of(1, kLowestPower);
}

bool makeable(const Decimal& ohms, const BandLayout& layout) {
    if (ohms.isZero()) return true;
    if (ohms < smallestValue() || ohms > largestValue(layout)) return false;
    return ohms.divisibleByPowerOfTen(multiplierPower(ohms, layout));
}

std::optional<FoundBands> findBands(const Decimal& ohms, const BandLayout& layout, int tolerance,
                                    int coefficient) {
    if (ohms > largestValue(layout) || (!ohms.isZero() && ohms < smallestValue()))
        return std::nullopt;
    FoundBands f;
    const int n = layout.digits;
    int power = 0;
    std::uint64_t significand = 0;
    if (!ohms.isZero()) {
        power = multiplierPower(ohms, layout);
        significand = ohms.roundedQuotient(power);
        f.exact = ohms.divisibleByPowerOfTen(power);
        if (significand == powerOfTen(n)) { // 9.95 rounds up into the next decade
            significand /= 10;
            ++power;
            if (power > kHighestPower) return std::nullopt;
        }
    }
    f.value = Decimal::of(significand, power);
    int digit = 0;
    for (const BandRole role : layout.used()) {
        switch (role) {
        case R::Digit:
            f.colours.push_back(
                *colourOfDigit(int(significand / powerOfTen(n - 1 - digit++) % 10)));
            break;
        case R::Multiplier:
            f.colours.push_back(*colourOfPower(power));
            break;
        case R::Tolerance:
            f.colours.push_back(tolerance);
            break;
        case R::Coefficient:
            f.colours.push_back(coefficient);
            break;
        }
    }
    return f;
}

} // namespace zq::model
