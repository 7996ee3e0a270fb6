// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/colour_finder.h"
#include "model/tick.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace zq::model {
namespace {

using test::click;
using test::stateWith;

const DecimalFormat kDot;

// What the result line equates the value with: the read-out and its unit.
std::string result(const TickFacts& r) {
    return withUnit(r.ohms, kDot);
}

TickFacts tickOf(std::array<std::uint8_t, 5> colours) {
    return tick(stateWith(colours, 1));
}

// The chart's shape follows the mode alone: weights, the third row's part, the product box.
TEST(Tick, ChartShapeFollowsTheMode) {
    BandState four = BandState::initial();
    click(four, 4, 12);
    const struct {
        BandState state;
        bool fourBand;
        int firstWeight, secondWeight;
        bool thirdRowAdded, multiplierShown;
    } cases[] = {{BandState::initial(), false, 100, 10, true, true},
                 {four, true, 10, 1, false, false}};
    for (const auto& c : cases) {
        const TickFacts r = tick(c.state);
        EXPECT_EQ(r.fourBand, c.fourBand);
        EXPECT_EQ(r.firstWeight, c.firstWeight) << c.fourBand;
        EXPECT_EQ(r.secondWeight, c.secondWeight) << c.fourBand;
        EXPECT_EQ(r.thirdRowAdded, c.thirdRowAdded) << c.fourBand;
        EXPECT_EQ(r.multiplierShown, c.multiplierShown) << c.fourBand;
    }
}

TEST(Tick, FirstTickAfterStartUp) {
    const TickFacts r = tick(BandState::initial());
    EXPECT_FALSE(r.fourBand);
    EXPECT_EQ(r.firstDigit, "2");
    EXPECT_EQ(r.secondDigit, "5");
    EXPECT_EQ(r.thirdRow, "4");
    EXPECT_EQ(r.multiplier, "100");
    EXPECT_EQ(r.ohms, Decimal::of(25400, 0));
    EXPECT_EQ(r.unit.power, 3);
    EXPECT_EQ(r.unit.text, "KΩ");
    EXPECT_EQ(result(r), "25.40KΩ");
    EXPECT_EQ(numberInUnit(r.ohms, kDot), "25.40");
}

TEST(Tick, NoneOnBandFourSwitchesToTheFourBandChart) {
    BandState s = BandState::initial();
    click(s, 4, 12);
    const TickFacts r = tick(s);
    EXPECT_TRUE(r.fourBand);
    // Yellow on band 3 is now the multiplier: 25 x 10000.
    EXPECT_EQ(r.band3Text, "10000");
    EXPECT_EQ(r.thirdRow, "4"); // one tick behind
    EXPECT_EQ(r.multiplier, "100");
    EXPECT_EQ(result(r), "250.00KΩ");

    applyTick(s, r);
    click(s, 4, 0);
    const TickFacts back = tick(s);
    EXPECT_FALSE(back.fourBand);
    EXPECT_EQ(back.band3Text, "4");
    EXPECT_EQ(back.thirdRow, "10000");
    EXPECT_EQ(result(back), "2.54KΩ");
}

TEST(Tick, FractionalMultipliersShowNoArtefacts) {
    const TickFacts r = tickOf({3, 6, 11, 12, 10}); // 47 x 0.01
    EXPECT_EQ(r.ohms, Decimal::of(47, -2));
    EXPECT_EQ(result(r), "0.47Ω");
    EXPECT_EQ(numberInUnit(r.ohms, kDot), "0.47");
    EXPECT_EQ(r.unit.power, 0);
    EXPECT_EQ(result(tickOf({0, 1, 10, 12, 10})), "1.20Ω"); // 12 x 0.1
    EXPECT_EQ(result(tickOf({0, 9, 0, 10, 10})), "10.10Ω"); // 101 x 0.1
}

TEST(Tick, UnitBoundsAreInclusiveAbove) {
    struct Case {
        std::array<std::uint8_t, 5> colours;
        const char* shown;
        int power; // of the unit
    };
    const Case cases[] = {
        {{0, 9, 1, 12, 10}, "1000.00Ω", 0},  // 10 x 100
        {{0, 9, 0, 0, 10}, "1.01KΩ", 3},     // 101 x 10
        {{0, 9, 4, 12, 10}, "1000.00KΩ", 3}, // 10 x 100000
        {{0, 9, 9, 5, 10}, "100.00MΩ", 6},   // 100 x 1000000
        {{0, 9, 7, 12, 10}, "1000.00MΩ", 6}, // 10 x 100000000
        {{0, 9, 8, 12, 10}, "10.00GΩ", 9},   // 10 x 1000000000
        {{8, 8, 8, 8, 10}, "999.00GΩ", 9},   // the largest value
        {{9, 9, 0, 11, 10}, "0.01Ω", 0},     // the smallest non-zero one
        {{9, 9, 9, 8, 10}, "0.00Ω", 0},
    };
    for (const Case& c : cases) {
        const TickFacts r = tickOf(c.colours);
        EXPECT_EQ(result(r), c.shown);
        EXPECT_EQ(r.unit.power, c.power) << c.shown;
    }
    EXPECT_EQ(tickOf({8, 8, 8, 8, 10}).ohms, Decimal::of(999, 9));
    EXPECT_EQ(tickOf({8, 8, 8, 8, 10}).unit.text, "GΩ");
}

TEST(Tick, BandThreeLabelLagsOneTick) {
    BandState s = BandState::initial();
    applyTick(s, tick(s));
    click(s, 3, 6); // yellow -> violet
    const TickFacts first = tick(s);
    EXPECT_EQ(first.thirdRow, "4");
    EXPECT_EQ(result(first), "25.70KΩ");
    EXPECT_EQ(numberInUnit(first.ohms, kDot), "25.70");
    applyTick(s, first);
    const TickFacts second = tick(s);
    EXPECT_EQ(second.thirdRow, "7");
    EXPECT_EQ(result(second), result(first));
}

TEST(Tick, SteadyStateRewritesTheSameTexts) {
    BandState s = stateWith({1, 4, 1, 12, 10}, 1);
    s.Band3Text = "2"; // left over from five-band mode
    const TickFacts first = tick(s);
    EXPECT_EQ(first.band3Text, "100");
    applyTick(s, first);
    const TickFacts second = tick(s);
    EXPECT_EQ(second.band3Text, "100");
    EXPECT_EQ(second.thirdRow, "100");
    EXPECT_EQ(result(second), result(first));
    EXPECT_EQ(s.Digit1Text + s.Digit2Text, "25");
}

TEST(Tick, ShownWithTheUsersDecimalSeparator) {
    const DecimalFormat comma{","};
    const TickFacts r = tick(BandState::initial());
    EXPECT_EQ(numberInUnit(r.ohms, comma), "25,40");
    EXPECT_EQ(withUnit(r.ohms, comma), "25,40KΩ");
    // Band texts are still read with a dot.
    EXPECT_EQ(withUnit(tick(stateWith({3, 6, 11, 12, 10}, 1)).ohms, comma), "0,47Ω");
}

TEST(Tick, ColoursWithoutATextLeaveTheOldText) {
    // Not reachable through the rules, but the tick must not invent a text.
    BandState s = BandState::initial();
    s.BandColour[0] = palette::kGold;
    s.BandColour[2] = palette::kNone;
    const TickFacts r = tick(s);
    EXPECT_EQ(r.digit1Text, "2");
    EXPECT_EQ(r.band3Text, "4");
    s.BandColour[3] = palette::kNone;
    EXPECT_EQ(tick(s).band3Text, "4");
}

TEST(Tick, EmptyMultiplierReadsAsZero) {
    BandState s = BandState::initial();
    s.MultiplierText = "";
    const TickFacts r = tick(s);
    EXPECT_EQ(result(r), "0.00Ω");
    EXPECT_EQ(r.multiplier, "");
}

} // namespace
} // namespace zq::model
