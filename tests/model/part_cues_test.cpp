// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// A part as made and read in the hand: where its bands stand, and what its gap and body colour
// do to the verdict of its colours.
#include "model/band_reading.h"

#include <gtest/gtest.h>

#include <optional>

namespace zq::model {
namespace {

using namespace palette;
using D = Direction;
using O = CueOutcome;
using R = VerdictReason;

// Per layout and direction: the first band nearer its end than the last is to the other, the
// gap before the tolerance band wider than every other, the coefficient band after it, and a
// three-band part's bands all in the half it starts from.
TEST(BandPlaces, StandAsPartsAreMade) {
    for (const int n : {3, 4, 5, 6})
        for (const bool turned : {false, true}) {
            SCOPED_TRACE(testing::Message() << n << " bands, turned " << turned);
            const std::vector<BandPlace> p = bandPlaces(n, turned);
            ASSERT_EQ(int(p.size()), n);
            const auto fromStart = [&](int i) {
                return turned ? kBodyLength - p[std::size_t(i)].centre : p[std::size_t(i)].centre;
            };
            EXPECT_LT(fromStart(0), kBodyLength - fromStart(n - 1));
            const int tolerance = n == 3 ? -1 : n == 6 ? 4 : n - 1; // 0-based
            int widest = 0, other = 0;
            for (int i = 1; i < n; ++i) {
                const int step = fromStart(i) - fromStart(i - 1);
                EXPECT_GT(step, p[0].width) << "bands " << i << " and " << i + 1 << " touch";
                (i == tolerance ? widest : other) = std::max(i == tolerance ? widest : other, step);
            }
            if (tolerance > 0) {
                EXPECT_GT(widest, other);
            } else {
                EXPECT_LT(fromStart(2), kBodyLength / 2);
            }
        }
    EXPECT_TRUE(bandPlaces(2, false).empty());
    EXPECT_TRUE(bandPlaces(7, false).empty());
}

TEST(BodyColour, GoesWithTheToleranceOfItsKind) {
    EXPECT_EQ(bodyColourOf(500), BodyColour::Beige);
    EXPECT_EQ(bodyColourOf(2000), BodyColour::Beige);
    EXPECT_EQ(bodyColourOf(100), BodyColour::Blue);
    EXPECT_EQ(bodyColourOf(5), BodyColour::Blue);
    EXPECT_EQ(bodyFits(BodyColour::Beige, 1000), true);
    EXPECT_EQ(bodyFits(BodyColour::Beige, 100), false);
    EXPECT_EQ(bodyFits(BodyColour::Blue, 50), true);
    EXPECT_EQ(bodyFits(BodyColour::Blue, 500), false);
    EXPECT_EQ(bodyFits(BodyColour::Green, 100), std::nullopt);
}

EndCue gap(Side s) {
    return {EndCue::Kind::WiderGap, s};
}

// Cues x colours: the colours leave it open, decide it, or rule a way out; the cue agrees,
// decides, or is contradicted and changes nothing.
TEST(Cues, DecideOnlyWhereTheColoursCannot) {
    const std::vector<int> open{kRed, kRed, kBrown, kBrown};        // 220 Ω ±1 % or 1.1 kΩ ±2 %
    const std::vector<int> goldLeft{kGold, kRed, kViolet, kYellow}; // only from the right
    const std::vector<int> series{kRed, kBlack, kBlack, kViolet, kViolet}; // 2 GΩ or 770 Ω off
    const std::vector<int> rarer{kGreen, kBrown, kBrown, kBrown}, black{kBlack, kRed, kRed};
    struct Case {
        std::vector<int> colours;
        Cues cues;
        R reason;
        D likely;
        O end, body;
    };
    const Case cases[] = {
        {open, {gap(Side::Right), {}}, R::EndCue, D::AsEntered, O::Decided, O::NotGiven},
        {open, {gap(Side::Left), {}}, R::EndCue, D::Reversed, O::Decided, O::NotGiven},
        {open,
         {EndCue{EndCue::Kind::NearerEnd, Side::Right}, {}},
         R::EndCue,
         D::Reversed,
         O::Decided,
         O::NotGiven},
        // Both tolerances go with a blue body, neither with beige: the body cannot choose.
        {open, {{}, BodyColour::Blue}, R::Undecided, D::AsEntered, O::NotGiven, O::NoBearing},
        {open,
         {gap(Side::Right), BodyColour::Blue},
         R::EndCue,
         D::AsEntered,
         O::Decided,
         O::Agrees},
        {open,
         {gap(Side::Right), BodyColour::Beige},
         R::EndCue,
         D::AsEntered,
         O::Decided,
         O::Contradicted},
        {goldLeft,
         {gap(Side::Left), BodyColour::Beige},
         R::OnlyOneWay,
         D::Reversed,
         O::Agrees,
         O::Agrees},
        {goldLeft,
         {gap(Side::Right), BodyColour::Blue},
         R::OnlyOneWay,
         D::Reversed,
         O::Contradicted,
         O::Contradicted},
        {goldLeft, {{}, BodyColour::Green}, R::OnlyOneWay, D::Reversed, O::NotGiven, O::NoBearing},
        {series, {gap(Side::Left), {}}, R::EndCue, D::Reversed, O::Decided, O::NotGiven},
        {series, {gap(Side::Right), {}}, R::Series, D::AsEntered, O::Agrees, O::NotGiven},
        {rarer, {gap(Side::Left), {}}, R::EndCue, D::Reversed, O::Decided, O::NotGiven},
        {black, {gap(Side::Right), {}}, R::LeadingBlack, D::Reversed, O::Contradicted, O::NotGiven},
        {{kRed, kBlack, kRed},
         {gap(Side::Left), {}},
         R::Palindrome,
         D::AsEntered,
         O::NoBearing,
         O::NotGiven},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        const BandReadings r = readBothWays(c.colours, std::nullopt, c.cues);
        EXPECT_EQ(r.verdict.reason, c.reason);
        ASSERT_FALSE(r.readings.empty());
        EXPECT_EQ(r.readings[0].direction, c.likely);
        EXPECT_EQ(r.readings[0].likely, c.reason != R::Undecided);
        EXPECT_EQ(r.cues.end, c.end);
        EXPECT_EQ(r.cues.body, c.body);
    }
}

// A measurement that fits one reading alone outweighs a gap that points to the other.
TEST(Cues, NeverOverruleAMeasurement) {
    const std::vector<int> open{kRed, kRed, kBrown, kBrown};
    const BandReadings r = readBothWays(open, Decimal::of(1100, 0), {gap(Side::Right), {}});
    EXPECT_EQ(r.verdict.reason, R::Measurement);
    EXPECT_EQ(r.readings[0].direction, D::Reversed);
    EXPECT_EQ(r.cues.end, O::Contradicted);
    EXPECT_EQ(r.cues.against, R::Measurement);
}

} // namespace
} // namespace zq::model
