// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/tick.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace zq::model {
namespace {

using test::click;
using test::stateWith;

const DecimalFormat kDot;

// What the result line equates the value with: the read-out and its unit.
std::string result(const TickResult& r) {
    return r.label6 + r.unitText;
}

TickResult tickOf(std::array<std::uint8_t, 5> chips) {
    return tick(stateWith(chips, 1), kDot);
}

TEST(Tick, FirstTickAfterStartUp) {
    const TickResult r = tick(BandState::initial(), kDot);
    EXPECT_FALSE(r.fourBand);
    EXPECT_EQ(r.label9, "2");
    EXPECT_EQ(r.label12, "5");
    EXPECT_EQ(r.label15, "4");
    EXPECT_EQ(r.label18, "100");
    EXPECT_EQ(r.label10, "×100");
    EXPECT_EQ(r.label13, "×10");
    EXPECT_EQ(r.label14, "+");
    EXPECT_TRUE(r.fiveBandLinesVisible);
    EXPECT_FALSE(r.line32Visible);
    EXPECT_TRUE(r.line33And34Visible);
    EXPECT_TRUE(r.label17And18Visible);
    EXPECT_TRUE(r.label16Visible);
    EXPECT_EQ(r.lowerBoxColour, (Rgb{255, 0, 0}));
    EXPECT_EQ(r.valueText, "25.4");
    EXPECT_EQ(r.unitPicture, 136);
    EXPECT_EQ(r.unitText, "KΩ");
    EXPECT_EQ(result(r), "25.40KΩ");
    EXPECT_EQ(r.label6, "25.40");
}

TEST(Tick, NoneOnBandFourSwitchesToTheFourBandChart) {
    BandState s = BandState::initial();
    click(s, 4, 12);
    const TickResult r = tick(s, kDot);
    EXPECT_TRUE(r.fourBand);
    EXPECT_EQ(r.label10, "×10");
    EXPECT_EQ(r.label13, "×1");
    EXPECT_EQ(r.label14, "×");
    EXPECT_FALSE(r.fiveBandLinesVisible);
    EXPECT_TRUE(r.line32Visible);
    EXPECT_FALSE(r.line33And34Visible);
    EXPECT_FALSE(r.label17And18Visible);
    EXPECT_FALSE(r.label16Visible);
    EXPECT_EQ(r.lowerBoxColour, (Rgb{128, 255, 128}));
    // Yellow on band 3 is now the multiplier: 25 x 10000.
    EXPECT_EQ(r.band3Text, "10000");
    EXPECT_EQ(r.label15, "4"); // one tick behind
    EXPECT_EQ(r.label18, "100");
    EXPECT_EQ(result(r), "250.00KΩ");

    applyTick(s, r);
    click(s, 4, 0);
    const TickResult back = tick(s, kDot);
    EXPECT_FALSE(back.fourBand);
    EXPECT_EQ(back.band3Text, "4");
    EXPECT_EQ(back.label15, "10000");
    EXPECT_EQ(result(back), "2.54KΩ");
}

TEST(Tick, FractionalMultipliersShowNoArtefacts) {
    const TickResult r = tickOf({104, 107, 112, 113, 111}); // 47 x 0.01
    EXPECT_EQ(r.valueText, "0.47");
    EXPECT_EQ(result(r), "0.47Ω");
    EXPECT_EQ(r.label6, "0.47");
    EXPECT_EQ(r.unitPicture, 135);
    EXPECT_EQ(result(tickOf({101, 102, 111, 113, 111})), "1.20Ω"); // 12 x 0.1
    EXPECT_EQ(tickOf({101, 110, 101, 111, 111}).label6, "10.10");  // 101 x 0.1
}

TEST(Tick, UnitBoundsAreInclusiveAbove) {
    struct Case {
        std::array<std::uint8_t, 5> chips;
        const char* shown;
        int picture;
    };
    const Case cases[] = {
        {{101, 110, 102, 113, 111}, "1000.00Ω", 135},  // 10 x 100
        {{101, 110, 101, 101, 111}, "1.01KΩ", 136},    // 101 x 10
        {{101, 110, 105, 113, 111}, "1000.00KΩ", 136}, // 10 x 100000
        {{101, 110, 110, 106, 111}, "100.00MΩ", 137},  // 100 x 1000000
        {{101, 110, 108, 113, 111}, "1000.00MΩ", 137}, // 10 x 100000000
        {{101, 110, 109, 113, 111}, "10.00GΩ", 134},   // 10 x 1000000000
        {{109, 109, 109, 109, 111}, "999.00GΩ", 134},  // the largest value
        {{110, 110, 101, 112, 111}, "0.01Ω", 135},     // the smallest non-zero one
        {{110, 110, 110, 109, 111}, "0.00Ω", 135},
    };
    for (const Case& c : cases) {
        const TickResult r = tickOf(c.chips);
        EXPECT_EQ(result(r), c.shown);
        EXPECT_EQ(r.unitPicture, c.picture) << c.shown;
    }
    EXPECT_EQ(tickOf({109, 109, 109, 109, 111}).valueText, "999");
    EXPECT_EQ(tickOf({109, 109, 109, 109, 111}).unitText, "GΩ");
}

TEST(Tick, BandThreeLabelLagsOneTick) {
    BandState s = BandState::initial();
    applyTick(s, tick(s, kDot));
    click(s, 3, 6); // yellow -> violet
    const TickResult first = tick(s, kDot);
    EXPECT_EQ(first.label15, "4");
    EXPECT_EQ(result(first), "25.70KΩ");
    EXPECT_EQ(first.label6, "25.70");
    applyTick(s, first);
    const TickResult second = tick(s, kDot);
    EXPECT_EQ(second.label15, "7");
    EXPECT_EQ(result(second), result(first));
}

TEST(Tick, SteadyStateRewritesTheSameTexts) {
    BandState s = stateWith({102, 105, 102, 113, 111}, 1);
    s.Band3Text = "2"; // left over from five-band mode
    const TickResult first = tick(s, kDot);
    EXPECT_EQ(first.band3Text, "100");
    applyTick(s, first);
    const TickResult second = tick(s, kDot);
    EXPECT_EQ(second.band3Text, "100");
    EXPECT_EQ(second.label15, "100");
    EXPECT_EQ(result(second), result(first));
    EXPECT_EQ(s.Digit1Text + s.Digit2Text, "25");
}

TEST(Tick, UsesTheUsersDecimalSeparator) {
    const DecimalFormat comma{","};
    const TickResult r = tick(BandState::initial(), comma);
    EXPECT_EQ(r.valueText, "25,4");
    EXPECT_EQ(r.label6, "25,40");
    EXPECT_EQ(result(r), "25,40KΩ");
    // Band texts are still read with a dot.
    EXPECT_EQ(result(tick(stateWith({104, 107, 112, 113, 111}, 1), comma)), "0,47Ω");
}

TEST(Tick, ChipsWithoutATextLeaveTheOldText) {
    // Not reachable through the rules, but the tick must not invent a text.
    BandState s = BandState::initial();
    s.BandChip[0] = kChipGold;
    s.BandChip[2] = kChipNone;
    const TickResult r = tick(s, kDot);
    EXPECT_EQ(r.digit1Text, "2");
    EXPECT_EQ(r.band3Text, "4");
    s.BandChip[3] = kChipNone;
    EXPECT_EQ(tick(s, kDot).band3Text, "4");
}

TEST(Tick, EmptyMultiplierReadsAsZero) {
    BandState s = BandState::initial();
    s.MultiplierText = "";
    const TickResult r = tick(s, kDot);
    EXPECT_EQ(result(r), "0.00Ω");
    EXPECT_EQ(r.label18, "");
}

} // namespace
} // namespace zq::model
