// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/choice.h"

#include "model/colour_table.h"

#include <array>

namespace zq::model {

namespace {

using Kind = Effect::Kind;

constexpr int kGold = palette::kGold, kSilver = palette::kSilver, kNone = palette::kNone;

constexpr std::string_view kBand3GoldOnFiveBand =
    "第四环不是无色，所以不能选金色，这是一个五环电阻！";
constexpr std::string_view kBand3SilverOnFiveBand =
    "第四环不是无色，所以不能选银色,这是一个五环电阻！";
constexpr std::string_view kBand3None =
    "你选择了第三环，不管是四环电阻，还是五环电阻，这一环，都不能为无色！";

// Band 4 while band 3 is gold (first) or silver (second), by palette index. Kept literal: two
// of the texts are irregular.
constexpr std::array<std::array<std::string_view, 2>, palette::kPaintedSize> kBand4OnFourBand{{
    {"第三环为金色，所以不能在第四环选棕色啦，这是一个四环电阻！",
     "第三环为银色，所以不能在第四环选棕色啦，这是一个四环电阻！"},
    {"第三环为金色，所以不能在第四环选红色啦，这是一个四环电阻！",
     "第三环为银色，所以不能在第四环选红色啦，这是一个四环电阻！"},
    {"第三环为金色，所以不能在第四环选橙色啦，这是一个四环电阻！",
     "第三环为银色，所以不能在第四环选橙色啦，这是一个四环电阻！"},
    {"第三环为金色，所以不能在第四环选黄色啦，这是一个四环电阻！",
     "第三环为银色，所以不能在第四环选黄色啦，这是一个四环电阻！"},
    {"第三环为金色，所以不能在第四环绿色啦，这是一个四环电阻！",
     "第三环为银色，所以不能在第四环选绿色啦，这是一个四环电阻！"},
    {"第三环为金色，所以不能在第四环选蓝色啦，这是一个四环电阻！",
     "第三环为银色，所以不能在第四环选蓝色，这是一个四环电阻！啦"},
    {"第三环为金色，所以不能在第四环选紫色啦，这是一个四环电阻！",
     "第三环为银色，所以不能在第四环选紫色啦，这是一个四环电阻！"},
    {"第三环为金色，所以不能在第四环选灰色啦，这是一个四环电阻！",
     "第三环为银色，所以不能在第四环选灰色啦，这是一个四环电阻！"},
    {"第三环为金色，所以不能在第四环选白色啦，这是一个四环电阻！",
     "第三环为银色，所以不能在第四环选白色啦，这是一个四环电阻！"},
    {"第三环为金色，所以不能在第四环选黑色啦，这是一个四环电阻！",
     "第三环为银色，所以不能在第四环选黑色啦，这是一个四环电阻！"},
    {"第三环为金色，所以不能在第四环选金色啦，这是一个四环电阻！",
     "第三环为银色，所以不能在第四环选金色啦，这是一个四环电阻！"},
    {"第三环为金色，所以不能在第四环选银色啦，这是一个四环电阻！",
     "第三环为银色，所以不能在第四环选银色啦，这是一个四环电阻！"},
}};

Effect warn(std::string text) {
    return {Kind::Warn, 0, 0, std::move(text), 0};
}
Effect place(int band, std::uint8_t chip) {
    return {Kind::PlaceChip, band, chip, {}, 0};
}
Effect setText(Kind kind, std::string_view text) {
    return {kind, 0, 0, std::string(text), 0};
}
Effect colourName(const ColourCode& c) {
    return setText(Kind::SetColourName, c.name);
}

std::vector<Effect> chooseDigitBand(int band, const ColourCode& c) {
    if (c.digit.empty())
        return {warn(std::string("你选择了") + std::string(bandName(band)) +
                     std::string(digitBandRefusalTail(c.index)))};
    const Kind digitText = band == 1 ? Kind::SetDigit1Text : Kind::SetDigit2Text;
    return {place(band, c.chip), setText(digitText, c.digit), colourName(c)};
}

std::vector<Effect> chooseBand3(const BandState& s, const ColourCode& c) {
    if (c.index == kNone) return {warn(std::string(kBand3None))};
    if (!c.digit.empty()) return {colourName(c), place(3, c.chip)};
    // Gold or silver make band 3 the multiplier, which only a four-band resistor has.
    if (!s.FourBandMode())
        return {
            warn(std::string(c.index == kGold ? kBand3GoldOnFiveBand : kBand3SilverOnFiveBand))};
    return {place(3, c.chip), setText(Kind::SetBand3Text, c.multiplier), colourName(c)};
}

std::vector<Effect> chooseBand4(const BandState& s, const ColourCode& c) {
    if (c.index == kNone) return {place(4, kChipNone)};
    const auto& messages = kBand4OnFourBand[static_cast<std::size_t>(c.index)];
    const Effect forceEmpty = place(4, kChipNone);
    const Effect clearMultiplier = setText(Kind::SetMultiplierText, "");
    // Silver repaints the band before its warning, gold after: users see the two differently.
    if (s.BandChip[2] == kChipGold)
        return {warn(std::string(messages[0])), forceEmpty, clearMultiplier};
    if (s.BandChip[2] == kChipSilver)
        return {forceEmpty, warn(std::string(messages[1])), clearMultiplier};
    return {place(4, c.chip), setText(Kind::SetMultiplierText, c.multiplier), colourName(c)};
}

std::vector<Effect> chooseBand5(const ColourCode& c) {
    if (c.tolerance.empty()) return {warn(toleranceBandRefusal(c.index))};
    std::vector<Effect> effects{
        place(5, c.chip), {Kind::SetTolerance, 0, 0, std::string(c.tolerance), c.toleranceChip}};
    if (c.index == kNone) effects.push_back(colourName(c));
    return effects;
}

} // namespace

// Bands 1 and 2 refuse gold, silver and none with the band's name and a colour-specific tail.
std::string_view digitBandRefusalTail(int paletteIndex) {
    switch (paletteIndex) {
    case kGold:
        return "，所以不能为金色，金为被乘数，数值是0.1,同时金也是允许误差值，是±5%。记住啦！";
    case kSilver:
        return "，所以不能为银色，银为被乘数，数值是0.01,同时银也是允许误差值，是±10%。记住啦！";
    default:
        return "，所以不能为无色，无色为允许误差值,是±20%。记住啦！";
    }
}

std::string toleranceBandRefusal(int paletteIndex) {
    return "误差环没有" + std::string(colourByIndex(paletteIndex).name) +
           "，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！";
}

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
