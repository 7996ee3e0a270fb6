// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/choice.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zq::model {
namespace {

using K = Effect::Kind;
using test::click;
using test::stateWith;

using W = Warning;

Effect warn(Warning w, int band, int colour) {
    return {.kind = K::Warn, .band = band, .warning = w, .colour = colour};
}
Effect place(int band, int colour) {
    return {.kind = K::PlaceColour, .band = band, .colour = colour};
}
Effect text(K kind, std::string t) {
    return {.kind = kind, .text = std::move(t)};
}
Effect name(int colour) {
    return {.kind = K::SetColourName, .colour = colour};
}
Effect tolerance(int colour, int hundredths) {
    return {.kind = K::SetTolerance, .colour = colour, .tolerance = hundredths};
}

constexpr int kRed = 1, kYellow = 3, kGreen = 4, kGold = 10, kSilver = 11, kNone = 12;
// Band 3 (yellow, gold or silver) and band 4 (red or none) in the combinations that matter.
const std::array<std::uint8_t, 5> kFiveBand{kRed, kGreen, kYellow, kRed, kGold};
const std::array<std::uint8_t, 5> kFourBand{kRed, kGreen, kYellow, kNone, kGold};
const std::array<std::uint8_t, 5> kBand3Gold{kRed, kGreen, kGold, kNone, kGold};
const std::array<std::uint8_t, 5> kBand3Silver{kRed, kGreen, kSilver, kNone, kGold};

TEST(Choice, DecisionTableAcceptsAndRefuses) {
    // Rows: palette index; columns: band 1..5. A = the colour is placed, W = warning only.
    const char* fiveBand[13] = {"AAAAA", "AAAAA", "AAAAW", "AAAAW", "AAAAA", "AAAAA", "AAAAA",
                                "AAAAW", "AAAAW", "AAAAW", "WWWAA", "WWWAA", "WWWAA"};
    // A four-band resistor differs only in accepting gold and silver on band 3.
    const char* fourBand[13] = {"AAAAA", "AAAAA", "AAAAW", "AAAAW", "AAAAA", "AAAAA", "AAAAA",
                                "AAAAW", "AAAAW", "AAAAW", "WWAAA", "WWAAA", "WWWAA"};
    for (const auto& [chips, grid] :
         {std::pair{kFiveBand, fiveBand}, std::pair{kFourBand, fourBand}})
        for (int colour = 0; colour <= 12; ++colour)
            for (int band = 1; band <= 5; ++band) {
                const auto effects = choose(stateWith(chips, band), colour);
                const bool accepted =
                    std::find(effects.begin(), effects.end(), place(band, colour)) != effects.end();
                const bool refused = effects.size() == 1 && effects[0].kind == K::Warn;
                const char expected = grid[colour][band - 1];
                EXPECT_TRUE(expected == 'A' ? accepted : refused)
                    << "colour " << colour << " band " << band << " four-band "
                    << (chips[3] == kNone);
            }
}

TEST(Choice, RefusalsGiveTheirReasonWithTheBandAndColour) {
    struct Case {
        std::array<std::uint8_t, 5> chips;
        int band, colour;
        Warning why;
    };
    const Case cases[] = {
        {kFiveBand, 1, kGold, W::DigitBandHasNoDigit},
        {kFiveBand, 1, kSilver, W::DigitBandHasNoDigit},
        {kFiveBand, 2, kGold, W::DigitBandHasNoDigit},
        {kFourBand, 2, kSilver, W::DigitBandHasNoDigit},
        {kFiveBand, 1, kNone, W::DigitBandHasNoDigit},
        {kFourBand, 2, kNone, W::DigitBandHasNoDigit},
        {kFiveBand, 3, kGold, W::Band3MetalOnFiveBand},
        {kFiveBand, 3, kSilver, W::Band3MetalOnFiveBand},
        {kFiveBand, 3, kNone, W::Band3NeverNone},
        {kBand3Gold, 3, kNone, W::Band3NeverNone},
        {kFourBand, 3, kNone, W::Band3NeverNone},
        {kFiveBand, 5, 2, W::ToleranceBandRefuses},
        {kFiveBand, 5, 3, W::ToleranceBandRefuses},
        {kFiveBand, 5, 7, W::ToleranceBandRefuses},
        {kFiveBand, 5, 8, W::ToleranceBandRefuses},
        {kFourBand, 5, 9, W::ToleranceBandRefuses},
    };
    for (const Case& c : cases)
        EXPECT_EQ(choose(stateWith(c.chips, c.band), c.colour),
                  std::vector{warn(c.why, c.band, c.colour)})
            << "band " << c.band << " colour " << c.colour;
}

TEST(Choice, BandFourOnAGoldOrSilverBandThreeIsForcedEmpty) {
    const Effect forceEmpty = place(4, kNone);
    const Effect clearMultiplier = text(K::SetMultiplierText, "");
    for (int colour = 0; colour < 12; ++colour) {
        // Gold warns first, then empties band 4; silver empties it before the warning opens.
        EXPECT_EQ(
            choose(stateWith(kBand3Gold, 4), colour),
            (std::vector{warn(W::Band4AfterGoldBand3, 4, colour), forceEmpty, clearMultiplier}))
            << colour;
        EXPECT_EQ(
            choose(stateWith(kBand3Silver, 4), colour),
            (std::vector{forceEmpty, warn(W::Band4AfterSilverBand3, 4, colour), clearMultiplier}))
            << colour;
    }
}

TEST(Choice, AcceptedColoursWriteTheirTextsInOrder) {
    struct Case {
        std::array<std::uint8_t, 5> chips;
        int band, colour;
        std::vector<Effect> effects;
    };
    const Case cases[] = {
        {kFiveBand, 1, 0, {place(1, 0), text(K::SetDigit1Text, "1"), name(0)}},
        {kFiveBand, 2, 9, {place(2, 9), text(K::SetDigit2Text, "0"), name(9)}},
        // Band 3's text is left to the next tick.
        {kFiveBand, 3, 6, {name(6), place(3, 6)}},
        {kBand3Gold, 3, 6, {name(6), place(3, 6)}},
        {kFourBand, 3, kGold, {place(3, kGold), text(K::SetBand3Text, "0.1"), name(kGold)}},
        {kBand3Gold, 3, kSilver, {place(3, kSilver), text(K::SetBand3Text, "0.01"), name(kSilver)}},
        {kFiveBand, 4, kGold, {place(4, kGold), text(K::SetMultiplierText, "0.1"), name(kGold)}},
        {kFourBand, 4, 9, {place(4, 9), text(K::SetMultiplierText, "1"), name(9)}},
        {kFiveBand, 4, 8, {place(4, 8), text(K::SetMultiplierText, "1000000000"), name(8)}},
        // None on band 4 needs no check and keeps the multiplier text and the colour name.
        {kFiveBand, 4, kNone, {place(4, kNone)}},
        {kBand3Silver, 4, kNone, {place(4, kNone)}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(choose(stateWith(c.chips, c.band), c.colour), c.effects)
            << "band " << c.band << " colour " << c.colour;
}

TEST(Choice, DigitColoursOnBandOneAreNamed) {
    for (int colour = 0; colour <= 9; ++colour)
        EXPECT_EQ(
            choose(stateWith(kFiveBand, 1), colour),
            (std::vector{place(1, colour),
                         text(K::SetDigit1Text, std::to_string((colour + 1) % 10)), name(colour)}));
}

TEST(Choice, ToleranceColoursOnBandFive) {
    struct Case {
        int colour;
        int hundredths; // of a per cent
    };
    const Case cases[] = {
        {0, 100}, {1, 200}, {4, 50}, {5, 20}, {6, 10}, {kGold, 500}, {kSilver, 1000},
    };
    // The colour name stays as it was ...
    for (const Case& c : cases)
        EXPECT_EQ(choose(stateWith(kFourBand, 5), c.colour),
                  (std::vector{place(5, c.colour), tolerance(c.colour, c.hundredths)}));
    // ... except for none, which also names itself.
    EXPECT_EQ(choose(stateWith(kFiveBand, 5), kNone),
              (std::vector{place(5, kNone), tolerance(kNone, 2000), name(kNone)}));
}

TEST(Choice, ThreeStepSequenceEndsWithBandFourForcedEmpty) {
    BandState s = BandState::initial();
    EXPECT_EQ(click(s, 4, kNone), std::vector{place(4, kNone)});
    EXPECT_TRUE(s.FourBandMode());
    EXPECT_EQ(s.MultiplierText, "100");

    click(s, 3, kGold);
    EXPECT_EQ(s.BandColour[2], kGold);
    EXPECT_EQ(s.Band3Text, "0.1");

    const auto effects = click(s, 4, 1);
    ASSERT_EQ(effects.size(), 3u);
    EXPECT_EQ(effects[0], warn(W::Band4AfterGoldBand3, 4, 1));
    EXPECT_EQ(s.BandColour, (std::array<std::uint8_t, 5>{kRed, kGreen, kGold, kNone, kGold}));
    EXPECT_EQ(s.MultiplierText, "");
    EXPECT_EQ(s.selectedBand(), 4);
    EXPECT_EQ(invariantViolation(s), "");
}

TEST(Choice, ReturningToFiveBandNeedsADigitOnBandThreeFirst) {
    BandState s = stateWith(kBand3Silver, 1);
    click(s, 4, 3);
    EXPECT_TRUE(s.FourBandMode());
    click(s, 3, 0);
    click(s, 4, 3);
    EXPECT_FALSE(s.FourBandMode());
    EXPECT_EQ(s.MultiplierText, "10000");
    EXPECT_EQ(invariantViolation(s), "");
}

TEST(Choice, ClickWithoutBandOrOutsideThePaletteDoesNothing) {
    BandState s = BandState::initial();
    EXPECT_TRUE(choose(s, -1).empty());
    EXPECT_TRUE(choose(s, 13).empty());
    s.Band1Selected = 0;
    for (int colour = 0; colour <= 12; ++colour)
        EXPECT_TRUE(choose(s, colour).empty());
}

TEST(Choice, RepeatedClickIsNotIgnored) {
    BandState s = BandState::initial();
    const auto first = click(s, 2, 5);
    EXPECT_EQ(click(s, 2, 5), first);
    EXPECT_FALSE(first.empty());
    const auto warning = click(s, 5, 2);
    EXPECT_EQ(click(s, 5, 2), warning);
}

TEST(Choice, ApplyWritesOnlyTheStatePart) {
    BandState s = BandState::initial();
    const BandState before = s;
    applyToState(s, warn(W::Band3NeverNone, 3, kNone));
    applyToState(s, name(3));
    applyToState(s, tolerance(kNone, 2000));
    applyToState(s, place(0, 0)); // no such band
    applyToState(s, place(6, 0));
    EXPECT_EQ(s.BandColour, before.BandColour);
    EXPECT_EQ(s.Digit1Text + s.Digit2Text + s.Band3Text + s.MultiplierText, "254100");

    applyToState(s, place(5, kNone));
    applyToState(s, text(K::SetDigit1Text, "a"));
    applyToState(s, text(K::SetDigit2Text, "b"));
    applyToState(s, text(K::SetBand3Text, "c"));
    applyToState(s, text(K::SetMultiplierText, "d"));
    EXPECT_EQ(s.BandColour[4], kNone);
    EXPECT_EQ(s.Digit1Text + s.Digit2Text + s.Band3Text + s.MultiplierText, "abcd");
    EXPECT_EQ(s.selectedBand(), 1);
}

} // namespace
} // namespace zq::model
