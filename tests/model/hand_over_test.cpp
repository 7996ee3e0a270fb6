// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// What the reading window hands the main one, from the colours and the code as entered.
#include "model/hand_over.h"

#include <gtest/gtest.h>

namespace zq::model {
namespace {

using namespace palette;
using Refusal = HandOver::Refusal;

TEST(HandOver, ColoursGoOnTheMainWindowsFourOrFiveBandsOrSayWhyNot) {
    const struct {
        std::vector<int> entered;
        std::optional<Decimal> measured;
        Refusal refusal;
        std::array<int, 5> palette; // as set on the main window, when handed over
        bool threeAsFour = false, misread = false, undecided = false;
        std::optional<int> sixth = std::nullopt;
    } cases[] = {
        {{kYellow, kViolet, kRed, kGold},
         std::nullopt,
         Refusal::None,
         {kYellow, kViolet, kRed, kNone, kGold}},
        {{kGold, kRed, kViolet, kYellow},
         std::nullopt,
         Refusal::None,
         {kYellow, kViolet, kRed, kNone, kGold}},
        {{kRed, kRed, kRed}, std::nullopt, Refusal::None, {kRed, kRed, kRed, kNone, kNone}, true},
        {{kBrown, kBlack, kBlack, kRed, kBrown, kRed},
         std::nullopt,
         Refusal::None,
         {kBrown, kBlack, kBlack, kRed, kBrown},
         false,
         false,
         false,
         kRed},
        {{kBrown, kBlack, kRed, kOrange}, std::nullopt, Refusal::PrecisionTolerance, {}},
        // Read wrongly either way, the measurement points to the band likely misread.
        {{kYellow, kViolet, kOrange, kGold},
         Decimal::of(47, 2),
         Refusal::None,
         {kYellow, kViolet, kRed, kNone, kGold},
         false,
         true},
        {{kRed, kRed, kBrown, kBrown},
         std::nullopt,
         Refusal::None,
         {kRed, kRed, kBrown, kNone, kBrown},
         false,
         false,
         true},
        {{kRed, kRed}, std::nullopt, Refusal::NothingRead, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        const HandOver h = handOverReading(readBothWays(c.entered, c.measured), c.entered);
        EXPECT_EQ(h.refusal, c.refusal);
        ASSERT_EQ(h.part.has_value(), c.refusal == Refusal::None);
        EXPECT_EQ(h.part ? h.part->palette : decltype(c.palette){}, c.palette);
        EXPECT_EQ(h.threeBandsAsFour, c.threeAsFour);
        EXPECT_EQ(h.misread.has_value(), c.misread);
        EXPECT_EQ(h.undecided.has_value(), c.undecided);
        EXPECT_EQ(h.sixthBand, c.sixth);
        EXPECT_EQ(h.tooFewBands, c.entered.size() < 3);
    }
}

// Four bands where they carry the value exactly, five where they must, none below 0.1 Ω.
TEST(HandOver, ACodeGoesOverOnTheFewestBandsThatCarryItsValue) {
    const struct {
        const char* code;
        Refusal refusal;
        int bands;
    } cases[] = {
        {"472", Refusal::None, 4},           {"4751", Refusal::None, 5},
        {"R10", Refusal::None, 4},           {"R09", Refusal::CodeHasNoBands, 0},
        {"4x7", Refusal::CodeHasNoValue, 0},
    };
    for (const auto& c : cases) {
        const HandOver h = handOverCode(readSmdCode(c.code));
        EXPECT_EQ(h.refusal, c.refusal) << c.code;
        EXPECT_EQ(h.part ? h.part->bands : 0, c.bands) << c.code;
    }
}

} // namespace
} // namespace zq::model
