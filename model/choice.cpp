// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/choice.h"

#include "model/colour_table.h"

namespace zq::model {

namespace {

using Kind = Effect::Kind;

constexpr int kNone = palette::kNone;

Effect warn(Warning w, int band, const ColourCode& c) {
    return {.kind = Kind::Warn, .band = band, .warning = w, .colour = c.index};
}
Effect place(int band, int colour) {
    return {.kind = Kind::PlaceColour, .band = band, .colour = colour};
}
Effect setText(Kind kind, std::string_view text) {
    return {.kind = kind, .text = std::string(text)};
}
Effect colourName(const ColourCode& c) {
    return {.kind = Kind::SetColourName, .colour = c.index};
}
Effect tolerance(const ColourCode& c) {
    return {.kind = Kind::SetTolerance, .colour = c.index, .tolerance = c.tolerance};
}

std::vector<Effect> chooseDigitBand(int band, const ColourCode& c) {
    if (c.digit.empty()) return {warn(Warning::DigitBandHasNoDigit, band, c)};
    const Kind digitText = band == 1 ? Kind::SetDigit1Text : Kind::SetDigit2Text;
    return {place(band, c.index), setText(digitText, c.digit), colourName(c)};
}

std::vector<Effect> chooseBand3(const BandState& s, const ColourCode& c) {
    if (c.index == kNone) return {warn(Warning::Band3NeverNone, 3, c)};
    if (!c.digit.empty()) return {colourName(c), place(3, c.index)};
    // Gold or silver make band 3 the multiplier, which only a four-band resistor has.
    if (!s.FourBandMode()) return {warn(Warning::Band3MetalOnFiveBand, 3, c)};
    return {place(3, c.index), setText(Kind::SetBand3Text, c.multiplier), colourName(c)};
}

std::vector<Effect> chooseBand4(const BandState& s, const ColourCode& c) {
    if (c.index == kNone) return {place(4, kNone)};
    const Effect forceEmpty = place(4, kNone);
    const Effect clearMultiplier = setText(Kind::SetMultiplierText, "");
    // Silver repaints the band before its warning, gold after: users see the two differently.
    if (s.BandColour[2] == palette::kGold)
        return {warn(Warning::Band4AfterGoldBand3, 4, c), forceEmpty, clearMultiplier};
    if (s.BandColour[2] == palette::kSilver)
        return {forceEmpty, warn(Warning::Band4AfterSilverBand3, 4, c), clearMultiplier};
    return {place(4, c.index), setText(Kind::SetMultiplierText, c.multiplier), colourName(c)};
}

std::vector<Effect> chooseBand5(const ColourCode& c) {
    if (c.tolerance == 0) return {warn(Warning::ToleranceBandRefuses, 5, c)};
    std::vector<Effect> effects{place(5, c.index), tolerance(c)};
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
    case Kind::PlaceColour:
        if (e.band >= 1 && e.band <= 5)
            state.BandColour[static_cast<std::size_t>(e.band - 1)] = std::uint8_t(e.colour);
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
