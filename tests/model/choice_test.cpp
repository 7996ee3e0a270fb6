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

Effect warn(std::string text) {
    return {K::Warn, 0, 0, std::move(text), 0};
}
Effect place(int band, int chip) {
    return {K::PlaceChip, band, std::uint8_t(chip), {}, 0};
}
Effect text(K kind, std::string t) {
    return {kind, 0, 0, std::move(t), 0};
}
Effect name(std::string t) {
    return text(K::SetColourName, std::move(t));
}
Effect tolerance(std::string t, int picture) {
    return {K::SetTolerance, 0, 0, std::move(t), picture};
}

constexpr int kGold = 10, kSilver = 11, kNone = 12;
// Band 3 (chips 103, 111, 112) and band 4 (102 or none) in the combinations that matter.
const std::array<std::uint8_t, 5> kFiveBand{102, 105, 104, 102, 111};
const std::array<std::uint8_t, 5> kFourBand{102, 105, 104, 113, 111};
const std::array<std::uint8_t, 5> kBand3Gold{102, 105, 111, 113, 111};
const std::array<std::uint8_t, 5> kBand3Silver{102, 105, 112, 113, 111};

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
                const bool accepted = std::find(effects.begin(), effects.end(),
                                                place(band, 101 + colour)) != effects.end();
                const bool refused = effects.size() == 1 && effects[0].kind == K::Warn;
                const char expected = grid[colour][band - 1];
                EXPECT_TRUE(expected == 'A' ? accepted : refused)
                    << "colour " << colour << " band " << band << " four-band "
                    << (chips[3] == 113);
            }
}

TEST(Choice, RefusalsShowTheirMessageWordForWord) {
    struct Case {
        std::array<std::uint8_t, 5> chips;
        int band, colour;
        const char* message;
    };
    const Case cases[] = {
        {kFiveBand, 1, kGold,
         "你选择了第一环，所以不能为金色，金为被乘数，数值是0.1,同时金也是允许误差值，是±5%"
         "。记住啦！"},
        {kFiveBand, 1, kSilver,
         "你选择了第一环，所以不能为银色，银为被乘数，数值是0.01,同时银也是允许误差值，是±10%"
         "。记住啦！"},
        {kFiveBand, 2, kGold,
         "你选择了第二环，所以不能为金色，金为被乘数，数值是0.1,同时金也是允许误差值，是±5%"
         "。记住啦！"},
        {kFiveBand, 2, kSilver,
         "你选择了第二环，所以不能为银色，银为被乘数，数值是0.01,同时银也是允许误差值，是±10%"
         "。记住啦！"},
        {kFiveBand, 3, kGold, "第四环不是无色，所以不能选金色，这是一个五环电阻！"},
        {kFiveBand, 3, kSilver, "第四环不是无色，所以不能选银色,这是一个五环电阻！"},
        {kFiveBand, 5, 2, "误差环没有橙色，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！"},
        {kFiveBand, 5, 3, "误差环没有黄色，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！"},
        {kFiveBand, 5, 7, "误差环没有灰色，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！"},
        {kFiveBand, 5, 8, "误差环没有白色，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！"},
        {kFourBand, 5, 9, "误差环没有黑色，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！"},
        {kFiveBand, 1, kNone, "你选择了第一环，所以不能为无色，无色为允许误差值,是±20%。记住啦！"},
        {kFourBand, 2, kNone, "你选择了第二环，所以不能为无色，无色为允许误差值,是±20%。记住啦！"},
        {kFiveBand, 3, kNone,
         "你选择了第三环，不管是四环电阻，还是五环电阻，这一环，都不能为无色！"},
        {kBand3Gold, 3, kNone,
         "你选择了第三环，不管是四环电阻，还是五环电阻，这一环，都不能为无色！"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(choose(stateWith(c.chips, c.band), c.colour), std::vector{warn(c.message)})
            << "band " << c.band << " colour " << c.colour;
}

TEST(Choice, BandFourOnAGoldOrSilverBandThreeIsForcedEmpty) {
    const char* goldColumn[12] = {
        "第三环为金色，所以不能在第四环选棕色啦，这是一个四环电阻！",
        "第三环为金色，所以不能在第四环选红色啦，这是一个四环电阻！",
        "第三环为金色，所以不能在第四环选橙色啦，这是一个四环电阻！",
        "第三环为金色，所以不能在第四环选黄色啦，这是一个四环电阻！",
        "第三环为金色，所以不能在第四环绿色啦，这是一个四环电阻！",
        "第三环为金色，所以不能在第四环选蓝色啦，这是一个四环电阻！",
        "第三环为金色，所以不能在第四环选紫色啦，这是一个四环电阻！",
        "第三环为金色，所以不能在第四环选灰色啦，这是一个四环电阻！",
        "第三环为金色，所以不能在第四环选白色啦，这是一个四环电阻！",
        "第三环为金色，所以不能在第四环选黑色啦，这是一个四环电阻！",
        "第三环为金色，所以不能在第四环选金色啦，这是一个四环电阻！",
        "第三环为金色，所以不能在第四环选银色啦，这是一个四环电阻！",
    };
    const char* silverColumn[12] = {
        "第三环为银色，所以不能在第四环选棕色啦，这是一个四环电阻！",
        "第三环为银色，所以不能在第四环选红色啦，这是一个四环电阻！",
        "第三环为银色，所以不能在第四环选橙色啦，这是一个四环电阻！",
        "第三环为银色，所以不能在第四环选黄色啦，这是一个四环电阻！",
        "第三环为银色，所以不能在第四环选绿色啦，这是一个四环电阻！",
        "第三环为银色，所以不能在第四环选蓝色，这是一个四环电阻！啦",
        "第三环为银色，所以不能在第四环选紫色啦，这是一个四环电阻！",
        "第三环为银色，所以不能在第四环选灰色啦，这是一个四环电阻！",
        "第三环为银色，所以不能在第四环选白色啦，这是一个四环电阻！",
        "第三环为银色，所以不能在第四环选黑色啦，这是一个四环电阻！",
        "第三环为银色，所以不能在第四环选金色啦，这是一个四环电阻！",
        "第三环为银色，所以不能在第四环选银色啦，这是一个四环电阻！",
    };
    const Effect forceEmpty = place(4, 113);
    const Effect clearMultiplier = text(K::SetMultiplierText, "");
    for (int colour = 0; colour < 12; ++colour) {
        // Gold warns first, then empties band 4; silver empties it before the warning opens.
        EXPECT_EQ(choose(stateWith(kBand3Gold, 4), colour),
                  (std::vector{warn(goldColumn[colour]), forceEmpty, clearMultiplier}))
            << colour;
        EXPECT_EQ(choose(stateWith(kBand3Silver, 4), colour),
                  (std::vector{forceEmpty, warn(silverColumn[colour]), clearMultiplier}))
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
        {kFiveBand, 1, 0, {place(1, 101), text(K::SetDigit1Text, "1"), name("棕色")}},
        {kFiveBand, 2, 9, {place(2, 110), text(K::SetDigit2Text, "0"), name("黑色")}},
        // Band 3's text is left to the next tick.
        {kFiveBand, 3, 6, {name("紫色"), place(3, 107)}},
        {kBand3Gold, 3, 6, {name("紫色"), place(3, 107)}},
        {kFourBand, 3, kGold, {place(3, 111), text(K::SetBand3Text, "0.1"), name("金色")}},
        {kBand3Gold, 3, kSilver, {place(3, 112), text(K::SetBand3Text, "0.01"), name("银色")}},
        {kFiveBand, 4, kGold, {place(4, 111), text(K::SetMultiplierText, "0.1"), name("金色")}},
        {kFourBand, 4, 9, {place(4, 110), text(K::SetMultiplierText, "1"), name("黑色")}},
        {kFiveBand, 4, 8, {place(4, 109), text(K::SetMultiplierText, "1000000000"), name("白色")}},
        // None on band 4 needs no check and keeps the multiplier text and the colour name.
        {kFiveBand, 4, kNone, {place(4, 113)}},
        {kBand3Silver, 4, kNone, {place(4, 113)}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(choose(stateWith(c.chips, c.band), c.colour), c.effects)
            << "band " << c.band << " colour " << c.colour;
}

TEST(Choice, DigitColoursOnBandOneAreNamed) {
    const char* names[10] = {"棕色", "红色", "橙色", "黄色", "绿色",
                             "蓝色", "紫色", "灰色", "白色", "黑色"};
    for (int colour = 0; colour <= 9; ++colour)
        EXPECT_EQ(choose(stateWith(kFiveBand, 1), colour),
                  (std::vector{place(1, 101 + colour),
                               text(K::SetDigit1Text, std::to_string((colour + 1) % 10)),
                               name(names[colour])}));
}

TEST(Choice, ToleranceColoursOnBandFive) {
    struct Case {
        int colour;
        const char* tolerance;
        int picture;
    };
    const Case cases[] = {
        {0, "电阻可允许误差值：±1%", 133},        {1, "电阻可允许误差值：±2%", 126},
        {4, "电阻可允许误差值：±0.5%", 129},      {5, "电阻可允许误差值：±0.2%", 128},
        {6, "电阻可允许误差值：±0.1%", 130},      {kGold, "电阻可允许误差值：±5%", 132},
        {kSilver, "电阻可允许误差值：±10%", 131},
    };
    // The colour name stays as it was ...
    for (const Case& c : cases)
        EXPECT_EQ(choose(stateWith(kFourBand, 5), c.colour),
                  (std::vector{place(5, 101 + c.colour), tolerance(c.tolerance, c.picture)}));
    // ... except for none, which also names itself.
    EXPECT_EQ(choose(stateWith(kFiveBand, 5), kNone),
              (std::vector{place(5, 113), tolerance("电阻可允许误差值：±20%", 127), name("无色")}));
}

TEST(Choice, ThreeStepSequenceEndsWithBandFourForcedEmpty) {
    BandState s = BandState::initial();
    EXPECT_EQ(click(s, 4, kNone), std::vector{place(4, 113)});
    EXPECT_TRUE(s.FourBandMode());
    EXPECT_EQ(s.MultiplierText, "100");

    click(s, 3, kGold);
    EXPECT_EQ(s.BandChip[2], 111);
    EXPECT_EQ(s.Band3Text, "0.1");

    const auto effects = click(s, 4, 1);
    ASSERT_EQ(effects.size(), 3u);
    EXPECT_EQ(effects[0], warn("第三环为金色，所以不能在第四环选红色啦，这是一个四环电阻！"));
    EXPECT_EQ(s.BandChip, (std::array<std::uint8_t, 5>{102, 105, 111, 113, 111}));
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
    applyToState(s, warn("x"));
    applyToState(s, name("x"));
    applyToState(s, tolerance("x", 127));
    applyToState(s, place(0, 101)); // no such band
    applyToState(s, place(6, 101));
    EXPECT_EQ(s.BandChip, before.BandChip);
    EXPECT_EQ(s.Digit1Text + s.Digit2Text + s.Band3Text + s.MultiplierText, "254100");

    applyToState(s, place(5, 113));
    applyToState(s, text(K::SetDigit1Text, "a"));
    applyToState(s, text(K::SetDigit2Text, "b"));
    applyToState(s, text(K::SetBand3Text, "c"));
    applyToState(s, text(K::SetMultiplierText, "d"));
    EXPECT_EQ(s.BandChip[4], 113);
    EXPECT_EQ(s.Digit1Text + s.Digit2Text + s.Band3Text + s.MultiplierText, "abcd");
    EXPECT_EQ(s.selectedBand(), 1);
}

} // namespace
} // namespace zq::model
