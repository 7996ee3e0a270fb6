// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/band_reading.h"
#include "model/change.h"
#include "model/e_series.h"
#include "model/practice/judge.h"
#include "model/practice/question.h"
#include "model/practice/schedule.h"
#include "model/smd.h"

#include "tests/model/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace zq::model::practice {
namespace {

using namespace palette;

// The published output of splitmix64 from state 0: a seed means the same questions on every
// platform and standard library.
TEST(PracticeRandom, GivesThePublishedSplitmixSequence) {
    Random r(0);
    EXPECT_EQ(r.next(), 0xe220a8397b1dcdafULL);
    EXPECT_EQ(r.next(), 0x6e789e6aa1b965f4ULL);
    EXPECT_EQ(r.next(), 0x06c45d188009454fULL);
}

TEST(PracticeRandom, DrawsEveryValueInRangeAndFollowsTheWeights) {
    Random r(7);
    std::array<int, 7> seen{};
    for (int i = 0; i < 7000; ++i) {
        const int x = r.below(7);
        ASSERT_GE(x, 0);
        ASSERT_LT(x, 7);
        ++seen[std::size_t(x)];
    }
    for (const int n : seen)
        EXPECT_NEAR(n, 1000, 150);
    const int weights[] = {0, 3, 1};
    std::array<int, 3> drawn{};
    for (int i = 0; i < 4000; ++i)
        ++drawn[std::size_t(r.weighted(weights))];
    EXPECT_EQ(drawn[0], 0); // a weight of nothing is never drawn
    EXPECT_NEAR(drawn[1], 3000, 200);
}

bool inSeriesOfTolerance(const Decimal& value, int tolerance) {
    const std::vector<ESeries> series = seriesForTolerance(tolerance);
    return std::any_of(series.begin(), series.end(), [&](ESeries s) { return isMember(s, value); });
}

// Many questions as the scheduler draws them for a newcomer, over many seeds.
std::vector<Question> manyQuestions() {
    std::vector<Question> out;
    const LearnerState fresh;
    for (std::uint64_t seed = 1; seed <= 3000; ++seed) {
        Random r(seed);
        out.push_back(nextQuestion(fresh, r));
    }
    return out;
}

TEST(PracticeQuestions, EveryKindAppearsAndEveryDrawnPartReadsBackToItsValue) {
    std::map<QuestionKind, int> kinds;
    std::set<int> bandCounts, pickedCounts;
    std::set<bool> turned;
    std::set<Limit> limits;
    for (const Question& q : manyQuestions()) {
        ++kinds[q.kind];
        SCOPED_TRACE(std::string(questionKindCode(q.kind)) + " " + q.value.text());
        EXPECT_FALSE(q.value.isZero());
        if (q.kind == QuestionKind::ChipCode) {
            const SmdAnswer a = readSmdCode(q.code);
            ASSERT_FALSE(a.readings.empty()) << q.code;
            EXPECT_EQ(a.readings[0].value, q.answerValue) << q.code;
            EXPECT_TRUE(isMember(ESeries::E24, q.value) || isMember(ESeries::E96, q.value));
            continue;
        }
        const ReadOutcome read = readBands(q.part.bands, true);
        ASSERT_TRUE(read.reading) << test::englishNames(q.part.bands);
        EXPECT_EQ(read.reading->value, q.value) << test::englishNames(q.part.bands);
        EXPECT_EQ(read.reading->tolerance, q.tolerance);
        EXPECT_TRUE(inSeriesOfTolerance(q.value, q.tolerance));
        switch (q.kind) {
        case QuestionKind::PickBands:
            pickedCounts.insert(q.bandCount);
            EXPECT_EQ(q.answerBands, q.part.bands);
            EXPECT_EQ(int(q.answerBands.size()), q.bandCount);
            break;
        case QuestionKind::ReadValue:
            EXPECT_EQ(q.answerValue, q.value);
            break;
        case QuestionKind::ReadDirection:
            EXPECT_NE(layoutOf(int(q.part.bands.size()))->toleranceBand(), 0);
            EXPECT_EQ(q.answerEnd == End::Right, q.part.reversed);
            break;
        case QuestionKind::ToleranceLimit: {
            limits.insert(q.limit);
            const int sign = q.limit == Limit::Lowest ? -1 : +1;
            EXPECT_EQ(changeBetween(q.value, q.answerValue).hundredths, sign * q.tolerance);
            break;
        }
        case QuestionKind::ChipCode:
            break;
        }
        if (q.kind != QuestionKind::PickBands) {
            bandCounts.insert(int(q.part.bands.size()));
            turned.insert(q.part.reversed);
        }
    }
    for (const QuestionKind k : kAllQuestionKinds)
        EXPECT_GT(kinds[k], 300) << questionKindCode(k);
    EXPECT_EQ(bandCounts, (std::set<int>{3, 4, 5, 6}));
    EXPECT_EQ(pickedCounts, (std::set<int>{4, 5}));
    EXPECT_EQ(turned, (std::set<bool>{false, true}));
    EXPECT_EQ(limits, (std::set<Limit>{Limit::Lowest, Limit::Highest}));
}

// The tolerance band stands apart at the end read last, on whichever side the part is drawn.
TEST(PracticeQuestions, TheToleranceBandIsAlwaysAtTheEndItBelongsTo) {
    for (const Question& q : manyQuestions()) {
        if (q.kind == QuestionKind::ChipCode || q.kind == QuestionKind::PickBands) continue;
        const std::vector<int> shown = q.part.shown();
        const int n = int(shown.size());
        const int before = q.part.shownBeforeGap();
        SCOPED_TRACE(test::englishNames(shown));
        if (n == 3) {
            EXPECT_EQ(before, 0);
            EXPECT_EQ(q.toleranceColour, kNone);
            continue;
        }
        // The short side of the gap holds the tolerance band (and the coefficient on six).
        const int apart = n == 6 ? 2 : 1;
        EXPECT_EQ(q.part.reversed ? before : n - before, apart);
        const int toleranceAt = q.part.reversed ? before - 1 : before;
        EXPECT_EQ(shown[std::size_t(toleranceAt)], q.toleranceColour);
        EXPECT_TRUE(colourRecord(q.toleranceColour).hasTolerance());
        // The first band read is a digit at the far end from the gap.
        EXPECT_TRUE(colourRecord(q.part.reversed ? shown.back() : shown.front()).hasDigit());
    }
}

TEST(PracticeQuestions, CommonTolerancesMostly) {
    std::map<int, std::map<int, int>> byBands; // bands -> tolerance colour -> count
    for (const Question& q : manyQuestions())
        if (q.kind != QuestionKind::ChipCode) ++byBands[q.bandCount][q.toleranceColour];
    auto share = [&](int bands, std::initializer_list<int> colours) {
        int hit = 0, all = 0;
        for (const auto& [colour, n] : byBands[bands]) {
            all += n;
            if (std::find(colours.begin(), colours.end(), colour) != colours.end()) hit += n;
        }
        return double(hit) / all;
    };
    EXPECT_GT(share(4, {kGold, kSilver}), 0.6);
    EXPECT_GT(share(5, {kBrown, kRed}), 0.5);
    EXPECT_GT(share(6, {kBrown, kRed}), 0.5);
    EXPECT_LT(share(5, {kBrown, kRed}), 1.0); // the rarer ones come too
}

TEST(PracticeQuestions, TheSameSeedGivesTheSameQuestions) {
    for (std::uint64_t seed : {1u, 99u, 123456u}) {
        Random a(seed), b(seed);
        for (int i = 0; i < 50; ++i) {
            const QuestionKind k = kAllQuestionKinds[i % kQuestionKinds];
            const Question x = drawQuestion(k, a), y = drawQuestion(k, b);
            EXPECT_EQ(x.part.bands, y.part.bands);
            EXPECT_EQ(x.part.reversed, y.part.reversed);
            EXPECT_EQ(x.code, y.code);
            EXPECT_EQ(x.answerValue, y.answerValue);
        }
    }
}

TEST(PracticeQuestions, AreMadeOnlyFromPartsValuesAndCodesThatRead) {
    // Bands that do not read, a layout that does not exist, a direction with nothing to tell it.
    EXPECT_FALSE(questionOfPart(QuestionKind::ReadValue, {kGold, kViolet, kRed, kGold}));
    EXPECT_FALSE(questionOfPart(QuestionKind::ReadValue, {kYellow, kViolet}));
    EXPECT_FALSE(questionOfPart(QuestionKind::ReadDirection, {kYellow, kViolet, kRed}));
    EXPECT_TRUE(questionOfPart(QuestionKind::ReadDirection, {kYellow, kViolet, kRed, kGold}));
    EXPECT_TRUE(questionOfPart(QuestionKind::ReadValue, {kYellow, kViolet, kRed}));
    EXPECT_FALSE(questionOfPart(QuestionKind::PickBands, {kYellow, kViolet, kRed, kGold}));
    // A value four bands cannot carry exactly, and the same on five.
    EXPECT_FALSE(questionOfValue(Decimal::of(475, 1), kBrown, 4));
    EXPECT_TRUE(questionOfValue(Decimal::of(475, 1), kBrown, 5));
    EXPECT_FALSE(questionOfValue(Decimal::of(47, 2), kOrange, 4)); // no tolerance colour
    EXPECT_FALSE(questionOfValue(Decimal::of(47, 2), kGold, 6));
    EXPECT_FALSE(questionOfCode("47?"));
    EXPECT_FALSE(questionOfCode("000"));
    const auto chip = questionOfCode(" 472 ");
    ASSERT_TRUE(chip);
    EXPECT_EQ(chip->code, "472");
    EXPECT_EQ(chip->answerValue, Decimal::of(47, 2));
}

TEST(PracticeQuestions, ToleranceLimitsFollowIec60062) {
    // 1 kOhm on five bands: blue is +-0.25 % (IEC 60062:2016), brown +-1 %.
    const struct {
        int colour, tolerance;
        Decimal lowest;
    } rows[] = {{kBlue, 25, Decimal::of(9975, -1)}, {kBrown, 100, Decimal::of(990, 0)}};
    for (const auto& r : rows) {
        const auto q = questionOfPart(QuestionKind::ToleranceLimit,
                                      {kBrown, kBlack, kBlack, kBrown, r.colour}, false,
                                      Limit::Lowest);
        ASSERT_TRUE(q);
        EXPECT_EQ(q->tolerance, r.tolerance);
        EXPECT_EQ(q->answerValue, r.lowest);
    }
}

TEST(PracticeQuestions, KindsHaveStableNames) {
    std::set<std::string_view> names;
    for (const QuestionKind k : kAllQuestionKinds) {
        names.insert(questionKindCode(k));
        EXPECT_EQ(questionKindOfCode(questionKindCode(k)), k);
    }
    EXPECT_EQ(names.size(), std::size_t(kQuestionKinds));
    EXPECT_EQ(questionKindOfCode("read"), std::nullopt);
}

// Which-end questions show the cues of a real part, the gap alone on colours that read both
// ways, or the colours alone where they decide the right end.
TEST(PracticeQuestions, WhichEndQuestionsShowTheCuesOfARealPart) {
    std::set<DrawnPart::Cues> seen;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        Random r(seed);
        const Question q = drawQuestion(QuestionKind::ReadDirection, r);
        seen.insert(q.part.cues);
        const BandReadings b = readBothWays(q.part.shown());
        if (q.part.cues == DrawnPart::Cues::GapOnly) {
            EXPECT_EQ(b.readings.size(), 2u) << seed;
            EXPECT_TRUE(b.verdict.reason == VerdictReason::Undecided ||
                        b.verdict.reason == VerdictReason::ToleranceColour)
                << seed;
        }
        if (q.part.cues == DrawnPart::Cues::ColoursOnly) {
            ASSERT_TRUE(b.readings.front().likely) << seed;
            EXPECT_EQ(b.readings.front().direction == Direction::Reversed, q.part.reversed) << seed;
        }
    }
    EXPECT_EQ(seen.size(), 3u);
}

} // namespace
} // namespace zq::model::practice
