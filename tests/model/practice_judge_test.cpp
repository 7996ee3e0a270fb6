// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/practice/judge.h"
#include "model/practice/question.h"

#include "tests/model/test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace zq::model::practice {
namespace {

using namespace palette;
using M = MistakeKind;

Question part(QuestionKind kind, std::vector<int> bands, Limit limit = Limit::Lowest) {
    return *questionOfPart(kind, std::move(bands), false, limit);
}

// Built on first use: the chip code tables of another file may not be ready before main.
// 黄紫红金 4.7 kΩ ±5 %; 黄白白棕棕 4.99 kΩ ±1 %; 黄紫金金 4.7 Ω ±5 %; 棕黑黑棕棕 1 kΩ ±1 %.
const Question& fourBand() {
    static const Question q = part(QuestionKind::ReadValue, {kYellow, kViolet, kRed, kGold});
    return q;
}
const Question& fiveBand() {
    static const Question q =
        part(QuestionKind::ReadValue, {kYellow, kWhite, kWhite, kBrown, kBrown});
    return q;
}
const Question& goldMultiplier() {
    static const Question q = part(QuestionKind::ReadValue, {kYellow, kViolet, kGold, kGold});
    return q;
}
const Question& lowest() {
    static const Question q =
        part(QuestionKind::ToleranceLimit, {kYellow, kViolet, kRed, kGold}, Limit::Lowest);
    return q;
}
const Question& highest() {
    static const Question q = part(QuestionKind::ToleranceLimit,
                                   {kBrown, kBlack, kBlack, kBrown, kBrown}, Limit::Highest);
    return q;
}
const Question& chip3() {
    static const Question q = *questionOfCode("472");
    return q;
}
const Question& chip4() {
    static const Question q = *questionOfCode("4701");
    return q;
}

Mistake kind(M k) {
    return {k};
}
Mistake colour(M k, int band, int shown, int taken) {
    return {k, band, shown, taken};
}
Mistake power(M k, int powerOff, int band = 0, int shown = kNone, int taken = kNone) {
    Mistake m{k, band, shown, taken};
    m.powerOff = powerOff;
    return m;
}
Mistake tolerance(int band, int shown, int taken, int hundredths) {
    Mistake m{M::ToleranceMisread, band, shown, taken};
    m.takenTolerance = hundredths;
    return m;
}

struct TypedCase {
    const Question& (*q)();
    const char* text;
    Mistake expected;
};

// For each kind, typed answers that make exactly that mistake.
const TypedCase kTypedMistakes[] = {
    // 黄白白棕棕 read from the wrong end: 棕棕白白黄, 119 × 10⁹.
    {fiveBand, "119G", kind(M::WrongEnd)},
    // Five bands read as four: 黄白 × 白 (10⁹); four as five: 黄紫红 × 金, 47.2 Ω.
    {fiveBand, "49G", kind(M::BandCount)},
    {fourBand, "47.2", kind(M::BandCount)},
    // A look-alike colour on a digit or on the multiplier band.
    {fourBand, "3.7k", colour(M::ConfusedColour, 1, kYellow, kOrange)},
    {fourBand, "4k6", colour(M::ConfusedColour, 2, kViolet, kBlue)},
    {fourBand, "470", colour(M::ConfusedColour, 3, kRed, kBrown)},
    {fourBand, "47k", colour(M::ConfusedColour, 3, kRed, kOrange)},
    {fiveBand, "4.89k", colour(M::ConfusedColour, 2, kWhite, kGrey)},
    {goldMultiplier, "470k", colour(M::ConfusedColour, 3, kGold, kYellow)},
    // Gold read as ×1 or ×10; two powers out on a brown multiplier.
    {goldMultiplier, "47", power(M::MultiplierOff, 1, 3, kGold, kBlack)},
    {goldMultiplier, "470", power(M::MultiplierOff, 2, 3, kGold, kBrown)},
    {fiveBand, "49.9", power(M::MultiplierOff, -2, 4, kBrown, kGold)},
    {fourBand, "470k", power(M::MultiplierOff, 2, 3, kRed, kYellow)},
    // Four or five powers out is no unit, whichever way: the multiplier slipped.
    {fourBand, "47M", power(M::MultiplierOff, 4, 3, kRed, kBlue)},
    {fourBand, "470M", power(M::MultiplierOff, 5, 3, kRed, kViolet)},
    {fourBand, "0.47", power(M::MultiplierOff, -4, 3, kRed, kSilver)},
    {fourBand, "0.047", power(M::MultiplierOff, -5, 3, kRed, kNone)},
    {chip3, "47M", power(M::MultiplierOff, 4)},
    {chip3, "0.047", power(M::MultiplierOff, -5)},
    // k, M and ohms mixed.
    {fourBand, "4.7M", power(M::UnitSlip, 3)},
    {fourBand, "4.7", power(M::UnitSlip, -3)},
    {goldMultiplier, "4.7k", power(M::UnitSlip, 3)},
    {fiveBand, "4.99G", power(M::UnitSlip, 6)},
    // The limits with another tolerance: 4700 − 10 %, 4700 − 1 %; 1000 + 2 %, 1000 + 0.5 %.
    {lowest, "4.23k", tolerance(4, kGold, kSilver, 1000)},
    {lowest, "4653", tolerance(4, kGold, kBrown, 100)},
    {highest, "1.02k", tolerance(5, kBrown, kRed, 200)},
    {highest, "1005", tolerance(5, kBrown, kGreen, 50)},
    {lowest, "4.465M", power(M::UnitSlip, 3)},
    // Chip codes: the power digit read as a digit, four digits read as three, units.
    {chip3, "472", power(M::MultiplierOff, 0)},
    {chip3, "47", power(M::MultiplierOff, -2)},
    {chip3, "4.7M", power(M::UnitSlip, 3)},
    {chip4, "47", kind(M::BandCount)},
    {chip4, "4701", power(M::MultiplierOff, 0)},
    // Nothing a known mistake explains: the other limit, another value.
    {lowest, "4935", kind(M::Other)},
    {fourBand, "5.1k", kind(M::Other)},
    {chip3, "4.8k", kind(M::Other)},
};

TEST(PracticeJudge, NamesTheMistakeATypedAnswerMakes) {
    for (const TypedCase& c : kTypedMistakes) {
        const Question& q = c.q();
        SCOPED_TRACE(std::string(questionKindCode(q.kind)) + " " + q.answerValue.text() +
                     " answered " + c.text);
        const Judgement j = judgeText(q, c.text);
        ASSERT_EQ(j.verdict, Verdict::Wrong);
        EXPECT_EQ(mistakeKindCode(j.mistake.kind), mistakeKindCode(c.expected.kind));
        EXPECT_EQ(j.mistake, c.expected);
        // Whatever the kind, the mistake named is one the question gives room for.
        if (c.expected.kind != M::Other) {
            EXPECT_TRUE(contains(possibleMistakes(q), c.expected.kind));
        }
    }
}

TEST(PracticeJudge, TakesTheRightValueInEveryAcceptedForm) {
    const std::pair<const Question& (*)(), std::vector<const char*>> cases[] = {
        {fourBand,
         {"4.7k", "4k7", "4700", "4.7千", "4千7", "4.7 kΩ", "4700欧", "4.7千欧", "４．７ｋ",
          "4。7k", "4700R", "0.0047M", "4.7K"}},
        {goldMultiplier, {"4.7", "4R7", "4.7Ω", "4.70"}},
        {chip3, {"4.7k", "4k7", "4700"}},
        {lowest, {"4.465k", "4465", "4k465", "4.465千"}},
        {highest, {"1.01k", "1010", "1k01"}},
    };
    for (const auto& [q, texts] : cases)
        for (const char* text : texts) {
            const Judgement j = judgeText(q(), text);
            EXPECT_EQ(j.verdict, Verdict::Right) << text;
            EXPECT_EQ(j.givenValue, q().answerValue) << text;
        }
    // A comma is a point only where the locale writes one.
    EXPECT_EQ(judgeText(fourBand(), "4,7k", ",").verdict, Verdict::Right);
    EXPECT_EQ(judgeText(fourBand(), "4,7k").verdict, Verdict::Unreadable);
    for (const char* text : {"", "abc", "4.7k 欧姆 x", "-4.7k"})
        EXPECT_EQ(judgeText(fourBand(), text).verdict, Verdict::Unreadable) << text;
}

struct BandsCase {
    std::vector<int> bands;
    Mistake expected;
};

TEST(PracticeJudge, NamesTheMistakeInPickedBands) {
    const Question four = *questionOfValue(Decimal::of(47, 2), kGold, 4);
    const Question five = *questionOfValue(Decimal::of(47, 2), kBrown, 5);
    ASSERT_EQ(four.answerBands, (std::vector<int>{kYellow, kViolet, kRed, kGold}));
    ASSERT_EQ(five.answerBands, (std::vector<int>{kYellow, kViolet, kBlack, kBrown, kBrown}));
    EXPECT_EQ(judgeBands(four, four.answerBands).verdict, Verdict::Right);
    EXPECT_EQ(judgeBands(five, five.answerBands).verdict, Verdict::Right);

    const std::pair<const Question*, BandsCase> cases[] = {
        {&four, {{kGold, kRed, kViolet, kYellow}, kind(M::WrongEnd)}},
        {&five, {{kBrown, kBrown, kBlack, kViolet, kYellow}, kind(M::WrongEnd)}},
        {&four, {{kYellow, kViolet, kBlack, kBrown}, kind(M::BandCount)}},
        {&four, {{kYellow, kViolet, kBlack, kBrown, kGold}, kind(M::BandCount)}},
        {&five, {{kYellow, kViolet, kRed, kGold}, kind(M::BandCount)}},
        {&five, {{kYellow, kViolet, kRed, kBrown, kBrown}, kind(M::BandCount)}},
        {&four, {{kYellow, kBlue, kRed, kGold}, colour(M::ConfusedColour, 2, kViolet, kBlue)}},
        {&five,
         {{kOrange, kViolet, kBlack, kBrown, kBrown},
          colour(M::ConfusedColour, 1, kYellow, kOrange)}},
        {&four, {{kYellow, kViolet, kRed, kSilver}, tolerance(4, kGold, kSilver, 1000)}},
        {&five, {{kYellow, kViolet, kBlack, kBrown, kRed}, tolerance(5, kBrown, kRed, 200)}},
        // The zeros counted into the multiplier, or gold taken for ×1.
        {&five,
         {{kYellow, kViolet, kBlack, kRed, kBrown}, power(M::MultiplierOff, 1, 4, kBrown, kRed)}},
        {&four, {{kYellow, kViolet, kBrown, kGold}, power(M::MultiplierOff, -1, 3, kRed, kBrown)}},
        {&four, {{kYellow, kViolet, kGold, kGold}, power(M::UnitSlip, -3)}},
        {&four, {{kYellow, kViolet, kBlue, kGold}, power(M::MultiplierOff, 4, 3, kRed, kBlue)}},
        {&four, {{kYellow, kViolet, kSilver, kGold}, power(M::MultiplierOff, -4, 3, kRed, kSilver)}},
        {&four, {{kYellow, kViolet, kGreen, kGold}, power(M::UnitSlip, 3)}},
        {&four, {{kBrown, kBlack, kRed, kGold}, kind(M::Other)}},
        {&four, {{kGreen, kViolet, kRed, kGold}, kind(M::Other)}},
    };
    for (const auto& [q, c] : cases) {
        SCOPED_TRACE(test::englishNames(c.bands));
        const Judgement j = judgeBands(*q, c.bands);
        ASSERT_EQ(j.verdict, Verdict::Wrong);
        EXPECT_EQ(mistakeKindCode(j.mistake.kind), mistakeKindCode(c.expected.kind));
        EXPECT_EQ(j.mistake, c.expected);
    }
    // Bands not all chosen, or not four or five of them, are asked again.
    for (const auto& bands :
         {std::vector<int>{kYellow, kViolet, kNone, kGold},
          std::vector<int>{kYellow, kViolet, kRed}, std::vector<int>{kYellow, kViolet, kRed, 13}})
        EXPECT_EQ(judgeBands(four, bands).verdict, Verdict::Unreadable) << test::englishNames(bands);
}

TEST(PracticeJudge, TheEndToReadFrom) {
    for (const bool reversed : {false, true})
        for (const auto cues : {DrawnPart::Cues::AsMade, DrawnPart::Cues::ColoursOnly}) {
            auto q = questionOfPart(QuestionKind::ReadDirection, {kBrown, kBlack, kRed, kBrown},
                                    reversed);
            ASSERT_TRUE(q);
            q->part.cues = cues;
            const End right = reversed ? End::Right : End::Left;
            const End wrongEnd = reversed ? End::Left : End::Right;
            EXPECT_EQ(judgeEnd(*q, right).verdict, Verdict::Right);
            const Judgement j = judgeEnd(*q, wrongEnd);
            EXPECT_EQ(j.verdict, Verdict::Wrong);
            // Read against the gap the part shows, or, spaced evenly, just from the wrong end.
            EXPECT_EQ(j.mistake.kind,
                      cues == DrawnPart::Cues::AsMade ? M::AgainstGap : M::WrongEnd);
        }
    // An answer of the wrong form is no answer to the question.
    EXPECT_EQ(judgeEnd(fourBand(), End::Left).verdict, Verdict::Unreadable);
    EXPECT_EQ(judgeText(*questionOfValue(Decimal::of(47, 2), kGold, 4), "4.7k").verdict,
              Verdict::Unreadable);
    EXPECT_EQ(judgeBands(fourBand(), fourBand().part.bands).verdict, Verdict::Unreadable);
}

// Over many drawn questions: the right answer in its plainest and its unit forms is right, and
// a learner who reads each part from the wrong end is told so whenever that reading exists.
TEST(PracticeJudge, AgreesWithDrawnQuestions) {
    int turnedReadings = 0;
    for (std::uint64_t seed = 1; seed <= 1500; ++seed) {
        Random r(seed);
        const QuestionKind kind = kAllQuestionKinds[seed % kQuestionKinds];
        const Question q = drawQuestion(kind, r);
        switch (kind) {
        case QuestionKind::PickBands:
            EXPECT_EQ(judgeBands(q, q.answerBands).verdict, Verdict::Right);
            break;
        case QuestionKind::ReadDirection:
            EXPECT_EQ(judgeEnd(q, q.part.readFrom()).verdict, Verdict::Right);
            break;
        default: {
            const Decimal& v = q.answerValue;
            for (const std::string& text :
                 {v.text(), v.shifted(-3).text() + "k", v.shifted(-3).text() + "千",
                  v.shifted(-6).text() + "M"})
                EXPECT_EQ(judgeText(q, text).verdict, Verdict::Right) << text;
            if (kind != QuestionKind::ReadValue) break;
            std::vector<int> turned(q.part.bands.rbegin(), q.part.bands.rend());
            const ReadOutcome read = readBands(turned);
            if (!read.reading || read.reading->value == q.value) break;
            ++turnedReadings;
            const Judgement j = judgeValue(q, read.reading->value);
            EXPECT_EQ(j.mistake.kind, M::WrongEnd) << test::englishNames(q.part.bands);
        }
        }
    }
    EXPECT_GT(turnedReadings, 20);
}

TEST(PracticeJudge, LookAlikeColoursAreThePairsBeginnersMix) {
    const std::pair<int, int> pairs[] = {{kBrown, kRed},     {kRed, kOrange},  {kBrown, kOrange},
                                         {kBlue, kViolet},   {kGrey, kWhite},  {kGrey, kSilver},
                                         {kWhite, kSilver},  {kGold, kYellow}, {kGold, kOrange},
                                         {kYellow, kOrange}, {kBlack, kBrown}};
    int expected = 0;
    for (const auto& [a, b] : pairs) {
        EXPECT_TRUE(confusable(a, b));
        EXPECT_TRUE(confusable(b, a));
        expected += 2;
    }
    int all = 0;
    for (int a = 0; a < kSize; ++a)
        all += int(confusablesOf(a).size());
    EXPECT_EQ(all, expected); // and no others
    EXPECT_FALSE(confusable(kRed, kRed));
    EXPECT_TRUE(confusablesOf(kGreen).empty());
}

} // namespace
} // namespace zq::model::practice
