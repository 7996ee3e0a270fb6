// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/tick.h"

#include "model/colour_table.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace zq::model {

namespace {

// A colour without an entry (none; gold and silver as digits) leaves the text as it was.
std::string digitOf(int colour, const std::string& previous) {
    const ColourCode* c = findColour(colour);
    return c && !c->digit.empty() ? std::string(c->digit) : previous;
}

std::string multiplierOf(int colour, const std::string& previous) {
    const ColourCode* c = findColour(colour);
    return c && !c->multiplier.empty() ? std::string(c->multiplier) : previous;
}

// The band texts are plain numbers, "047", "10000", "0.01"; anything else, the empty text
// included, reads as zero.
Decimal numberOf(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto digits = [](std::string_view s) {
        return s.size() <= 12 &&
               std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!digits(whole) || !digits(fraction)) return {};
    return Decimal::fromParts(whole, fraction, 0);
}

// The table's factors have at most three significant digits; a product that would not fit
// 64 bits comes from no table and reads as zero.
Decimal product(const Decimal& a, const Decimal& b) {
    if (a.isZero() || b.isZero() || a.digits().size() + b.digits().size() > 19) return {};
    std::uint64_t x = 0, y = 0;
    std::from_chars(a.digits().data(), a.digits().data() + a.digits().size(), x);
    std::from_chars(b.digits().data(), b.digits().data() + b.digits().size(), y);
    return Decimal::of(x * y, a.exponent() + b.exponent());
}

} // namespace

TickFacts tick(const BandState& s) {
    TickFacts f;
    f.fourBand = s.FourBandMode();
    f.firstDigit = s.Digit1Text;
    f.secondDigit = s.Digit2Text;
    f.thirdRow = s.Band3Text;
    f.multiplier = s.MultiplierText;
    f.firstWeight = f.fourBand ? 10 : 100;
    f.secondWeight = f.fourBand ? 1 : 10;
    f.thirdRowAdded = !f.fourBand;
    f.multiplierShown = !f.fourBand;

    f.digit1Text = digitOf(s.BandColour[0], s.Digit1Text);
    f.digit2Text = digitOf(s.BandColour[1], s.Digit2Text);
    f.band3Text =
        f.fourBand ? multiplierOf(s.BandColour[2], s.Band3Text) : digitOf(s.BandColour[2], s.Band3Text);

    // The digits are joined as text, so leading zeros vanish.
    f.ohms = f.fourBand ? product(numberOf(f.digit1Text + f.digit2Text), numberOf(f.band3Text))
                        : product(numberOf(f.digit1Text + f.digit2Text + f.band3Text),
                                  numberOf(s.MultiplierText));
    f.unit = unitFor(f.ohms);
    return f;
}

void applyTick(BandState& state, const TickFacts& f) {
    state.Digit1Text = f.digit1Text;
    state.Digit2Text = f.digit2Text;
    state.Band3Text = f.band3Text;
}

} // namespace zq::model
