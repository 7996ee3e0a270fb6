// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/choice.h"

#include "model/colour_table.h"

namespace zq::model {

namespace {

using Kind = Effect::Kind;

constexpr int kNone = palette::kNone;

Effect warn(Warning w, int band, const ColourCode& c) {
    Effect e{Kind::Warn, band, 0, {}, 0};
    e.warning = w;
    e.colour = c.index;
    return e;
}
Effect place(int band, std::uint8_t chip) {
    return {Kind::PlaceChip, band, chip, {}, 0};
}
Effect setText(Kind kind, std::string_view text) {
    return {kind, 0, 0, std::string(text), 0};
}
Effect colourName(const ColourCode& c) {
    Effect e{Kind::SetColourName, 0, 0, {}, 0};
    e.colour = c.index;
    return e;
}
Effect tolerance(const ColourCode& c) {
    Effect e{Kind::SetTolerance, 0, 0, {}, c.toleranceChip};
    e.colour = c.index;
    e.tolerance = c.tolerance;
    return e;
}

std::vector<Effect> chooseDigitBand(int band, const ColourCode& c) {
    if (c.digit.empty()) return {warn(Warning::DigitBandHasNoDigit, band, c)};
    const Kind digitText = band == 1 ? Kind::SetDigit1Text : Kind::SetDigit2Text;
    return {place(band, c.chip), setText(digitText, c.digit), colourName(c)};
}

std::vector<Effect> chooseBand3(const BandState& s, const ColourCode& c) {
    if (c.index == kNone) return {warn(Warning::Band3NeverNone, 3, c)};
    if (!c.digit.empty()) return {colourName(c), place(3, c.chip)};
    // Gold or silver make band 3 the multiplier, which only a four-band resistor has.
    if (!s.FourBandMode()) return {warn(Warning::Band3MetalOnFiveBand, 3, c)};
    return {place(3, c.chip), setText(Kind::SetBand3Text, c.multiplier), colourName(c)};
}

std::vector<Effect> chooseBand4(const BandState& s, const ColourCode& c) {
    if (c.index == kNone) return {place(4, kChipNone)};
    const Effect forceEmpty = place(4, kChipNone);
    const Effect clearMultiplier = setText(Kind::SetMultiplierText, "");
    // Silver repaints the band before its warning, gold after: users see the two differently.
    if (s.BandChip[2] == kChipGold)
        return {warn(Warning::Band4AfterGoldBand3, 4, c), forceEmpty, clearMultiplier};
    if (s.BandChip[2] == kChipSilver)
        return {forceEmpty, warn(Warning::Band4AfterSilverBand3, 4, c), clearMultiplier};
    return {place(4, c.chip), setText(Kind::SetMultiplierText, c.multiplier), colourName(c)};
}

std::vector<Effect> chooseBand5(const ColourCode& c) {
    if (c.tolerance == 0) return {warn(Warning::ToleranceBandRefuses, 5, c)};
    std::vector<Effect> effects{place(5, c.chip), tolerance(c)};
    if (c.index == kNone) effects.push_back(colourName(c));
    return effects;
}

} // namespace

std::vector<Effect> choose(const BandState& state, int paletteIndex) {
    if (paletteIndex < 0 || paletteIndex > kNone) return {};
    const ColourCode& c = colourByIndex(paletteIndex);
    switch (const int band = state.selectedBand()) {
    case 1:
    case 2:
        return chooseDigitBand(band, c);
    case 3:
        return chooseBand3(state, c);
    case 4:
        return chooseBand4(state, c);
    case 5:
        return chooseBand5(c);
    default:
        return {};
    }
}

void applyToState(BandState& state, const Effect& e) {
    switch (e.kind) {
    case Kind::PlaceChip:
        if (e.band >= 1 && e.band <= 5)
            state.BandChip[static_cast<std::size_t>(e.band - 1)] = e.chip;
        break;
    case Kind::SetDigit1Text:
        state.Digit1Text = e.text;
        break;
    case Kind::SetDigit2Text:
        state.Digit2Text = e.text;
        break;
    case Kind::SetBand3Text:
        state.Band3Text = e.text;
        break;
    case Kind::SetMultiplierText:
        state.MultiplierText = e.text;
        break;
    case Kind::Warn:
    case Kind::SetColourName:
    case Kind::SetTolerance:
        break;
    }
}

} // namespace zq::model
