// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/band_state.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace zq::model {
namespace {

using namespace palette;

TEST(BandState, StartUpIsRedGreenYellowRedGoldWithBandOneSelected) {
    const BandState s = BandState::initial();
    EXPECT_EQ(s.BandColour, (std::array<std::uint8_t, 5>{kRed, kGreen, kYellow, kRed, kGold}));
    EXPECT_EQ(s.Digit1Text, "2");
    EXPECT_EQ(s.Digit2Text, "5");
    EXPECT_EQ(s.Band3Text, "4");
    EXPECT_EQ(s.MultiplierText, "100");
    EXPECT_EQ(s.Band1Selected, -1);
    EXPECT_EQ(s.Band2Selected + s.Band3Selected + s.Band4Selected + s.Band5Selected, 0);
    EXPECT_EQ(s.selectedBand(), 1);
    EXPECT_FALSE(s.FourBandMode());
    EXPECT_EQ(invariantViolation(s), "");
}

TEST(BandState, SelectingABandClearsTheOthers) {
    BandState s = BandState::initial();
    for (int band = 1; band <= 5; ++band) {
        s.select(band);
        EXPECT_EQ(s.selectedBand(), band);
        const std::int16_t flags[] = {s.Band1Selected, s.Band2Selected, s.Band3Selected,
                                      s.Band4Selected, s.Band5Selected};
        for (int b = 1; b <= 5; ++b)
            EXPECT_EQ(flags[b - 1], b == band ? -1 : 0);
    }
    s.select(0);
    s.select(6);
    EXPECT_EQ(s.selectedBand(), 5);
}

TEST(BandState, SelectedBandIsTheFirstTrueFlag) {
    BandState s;
    EXPECT_EQ(s.selectedBand(), 0);
    s.Band4Selected = -1;
    s.Band2Selected = -1;
    EXPECT_EQ(s.selectedBand(), 2);
    s = BandState{};
    s.Band3Selected = 1; // only -1 counts as true
    EXPECT_EQ(s.selectedBand(), 0);
}

TEST(BandState, OnlyAnEmptyBandFourMakesFourBand) {
    BandState s = BandState::initial();
    s.BandColour[4] = kNone;
    EXPECT_FALSE(s.FourBandMode());
    s.BandColour[3] = kNone;
    EXPECT_TRUE(s.FourBandMode());
}

TEST(BandState, EachBrokenInvariantIsReported) {
    const std::pair<const char*, std::function<void(BandState&)>> breaks[] = {
        {"two bands selected", [](BandState& s) { s.Band3Selected = -1; }},
        {"flag neither -1 nor 0", [](BandState& s) { s.Band2Selected = 1; }},
        {"unknown colour", [](BandState& s) { s.BandColour[1] = kSize; }},
        {"band 1 gold", [](BandState& s) { s.BandColour[0] = kGold; }},
        {"band 2 none", [](BandState& s) { s.BandColour[1] = kNone; }},
        {"band 3 none", [](BandState& s) { s.BandColour[2] = kNone; }},
        {"band 3 silver on five bands", [](BandState& s) { s.BandColour[2] = kSilver; }},
        {"band 5 black", [](BandState& s) { s.BandColour[4] = kBlack; }},
        {"stale digit 1", [](BandState& s) { s.Digit1Text = "3"; }},
        {"stale digit 2", [](BandState& s) { s.Digit2Text = ""; }},
        {"stale multiplier", [](BandState& s) { s.MultiplierText = ""; }},
        {"gold band 3 with a digit text",
         [](BandState& s) {
             s = test::stateWith({kRed, kGreen, kGold, kNone, kGold}, 1), s.Band3Text = "4";
         }},
    };
    for (const auto& [what, breakIt] : breaks) {
        BandState s = BandState::initial();
        breakIt(s);
        EXPECT_NE(invariantViolation(s), "") << what;
    }
    // A four-band resistor keeps whatever multiplier text band 4 had.
    BandState fourBand = test::stateWith({kRed, kGreen, kGold, kNone, kGold}, 1);
    fourBand.MultiplierText = "100";
    EXPECT_EQ(invariantViolation(fourBand), "");
}

} // namespace
} // namespace zq::model
