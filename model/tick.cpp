// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/tick.h"

#include "model/colour_table.h"
#include "model/units.h"

#include <array>
#include <string_view>

namespace zq::model {

namespace {

// A chip without an entry (none; gold and silver as digits) leaves the text as it was.
std::string digitOf(int chip, const std::string& previous) {
    const ColourCode* c = colourByChip(chip);
    return c && !c->digit.empty() ? std::string(c->digit) : previous;
}

std::string multiplierOf(int chip, const std::string& previous) {
    const ColourCode* c = colourByChip(chip);
    return c && !c->multiplier.empty() ? std::string(c->multiplier) : previous;
}

// The unit's size in ohms, also its exclusive lower bound; 1000 times it is the upper.
double divisorOf(const Unit& u) {
    double d = 1;
    for (int i = 0; i < u.power; ++i)
        d *= 10;
    return d;
}

} // namespace

std::string_view unitOfPicture(int picture) {
    for (const Unit& u : kUnits)
        if (u.picture == picture) return u.text;
    return {};
}

TickResult tick(const BandState& s, const DecimalFormat& fmt) {
    TickResult r;
    r.label9 = s.Digit1Text;
    r.label12 = s.Digit2Text;
    r.label18 = s.MultiplierText;

    r.fourBand = s.FourBandMode();
    const bool five = !r.fourBand;
    r.fiveBandLinesVisible = five;
    r.line32Visible = !five;
    r.line33And34Visible = five;
    r.label17And18Visible = five;
    r.label10 = five ? "×100" : "×10";
    r.label13 = five ? "×10" : "×1";
    r.label14 = five ? "+" : "×";
    r.label15 = s.Band3Text;
    r.label16Visible = five;
    r.lowerBoxColour = five ? Rgb{255, 0, 0} : Rgb{128, 255, 128};

    r.digit1Text = digitOf(s.BandChip[0], s.Digit1Text);
    r.digit2Text = digitOf(s.BandChip[1], s.Digit2Text);
    r.band3Text =
        r.fourBand ? multiplierOf(s.BandChip[2], s.Band3Text) : digitOf(s.BandChip[2], s.Band3Text);

    // The digits are joined as text, so leading zeros vanish.
    const double product =
        r.fourBand ? val(r.digit1Text + r.digit2Text) * val(r.band3Text)
                   : val(r.digit1Text + r.digit2Text + r.band3Text) * val(s.MultiplierText);
    // Through text at every stage: the 15-digit text is what drops artefacts
    // like 1.2000000000000002.
    std::string valueText = numberToText(product, fmt);

    // Each test reads the text the one before left; upper bounds are inclusive, so exactly
    // 1000 ohms stays "1000.00Ω".
    for (std::size_t i = 0; i < kUnits.size(); ++i) {
        const Unit& unit = kUnits[i];
        const double v = textToNumber(valueText, fmt);
        const double divisor = divisorOf(unit);
        const bool aboveLower = i == 0 || v > divisor;
        const bool withinUpper = i + 1 == kUnits.size() || v <= divisor * 1000;
        if (!aboveLower || !withinUpper) continue;
        if (i > 0) valueText = numberToText(v / divisor, fmt);
        r.unitPicture = unit.picture;
        r.unitText = unit.text;
    }
    r.valueText = valueText;
    r.label6 = format00(textToNumber(valueText, fmt), fmt);
    return r;
}

void applyTick(BandState& state, const TickResult& r) {
    state.Digit1Text = r.digit1Text;
    state.Digit2Text = r.digit2Text;
    state.Band3Text = r.band3Text;
}

} // namespace zq::model
