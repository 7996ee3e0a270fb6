// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The practice window's sentences: the working of a part, its hints band by band, the question
// as a screen reader hears it, and each kind of mistake named apart from the others.
#include "wording/practice.h"

#include "model/colour_code.h"
#include "wording/words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zq::wording {
namespace {

namespace practice = model::practice;
using namespace model::palette;
using practice::QuestionKind;

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

bool startsWith(const std::string& text, std::string_view start) {
    return std::string_view(text).starts_with(start);
}

// Digits, multipliers and tolerances as IEC 60062 gives them; the product line in ohms and in
// the main window's form.
TEST(PracticeWords, TheWorkingGivesEachBandsMeaningAndTheProduct) {
    struct Row {
        std::vector<int> bands;
        std::vector<const char*> steps; // in reading order
        const char* product;
    };
    const Row rows[] = {
        {{kYellow, kViolet, kRed, kGold},
         {"第一环 黄 → 数字 4", "第二环 紫 → 数字 7", "第三环 红 → 倍率 ×100", "第四环 金 → 误差 ±5%"},
         "47 ×100 = 4700Ω = 4.70KΩ"},
        {{kBrown, kBlack, kBlack, kRed, kBrown},
         {"第一环 棕 → 数字 1", "第二环 黑 → 数字 0", "第三环 黑 → 数字 0", "第四环 红 → 倍率 ×100",
          "第五环 棕 → 误差 ±1%"},
         "100 ×100 = 10000Ω = 10.00KΩ"},
        {{kOrange, kWhite, kSilver},
         {"第一环 橙 → 数字 3", "第二环 白 → 数字 9", "第三环 银 → 倍率 ×0.01"},
         "39 ×0.01 = 0.39Ω"},
    };
    for (const Row& r : rows) {
        const auto q = practice::questionOfPart(QuestionKind::ReadValue, r.bands);
        ASSERT_TRUE(q);
        const std::vector<std::string> lines = splitLines(workingText(*q));
        SCOPED_TRACE(workingText(*q));
        // Where a line is, -1 where it is missing.
        const auto indexOf = [&](const std::string& line) {
            const auto it = std::find(lines.begin(), lines.end(), line);
            return it == lines.end() ? std::ptrdiff_t(-1) : it - lines.begin();
        };
        std::ptrdiff_t at = 0;
        for (const char* step : r.steps) {
            const std::ptrdiff_t i = indexOf(std::string("　") + step);
            EXPECT_GT(i, at - 1) << step << " in its place";
            at = i + 1;
        }
        EXPECT_NE(indexOf(r.product), -1) << r.product;
        // Each band a line of its own; hints after the rule one band at a time, the digits and
        // the multiplier.
        const std::vector<std::string> given = hints(*q);
        EXPECT_EQ(given.size(), 1u + (r.bands.size() >= 5 ? 4u : 3u));
        for (std::size_t h = 2; h <= given.size(); ++h)
            EXPECT_TRUE(startsWith(given[h - 1], bandOrdinal(int(h) - 1))) << given[h - 1];
    }
}

TEST(PracticeWords, ATurnedPartSaysWhereToStartAndIsSpokenFromTheLeft) {
    for (const bool reversed : {false, true}) {
        const auto q = practice::questionOfPart(QuestionKind::ReadValue,
                                                {kYellow, kViolet, kRed, kGold}, reversed);
        ASSERT_TRUE(q);
        EXPECT_EQ(startsWith(workingText(*q), "从右端读起"), reversed);
        const std::string spoken = questionSpoken(*q);
        const char* const left = reversed ? "第一环：金色，隔开，第二环：红色" : "第一环：黄色，第二环：紫色";
        EXPECT_TRUE(contains(spoken, left)) << spoken;
    }
}

TEST(PracticeWords, EveryKindOfMistakeIsNamedApart) {
    const auto q = practice::questionOfPart(QuestionKind::ReadValue, {kYellow, kViolet, kRed, kGold});
    ASSERT_TRUE(q);
    std::set<std::string> names, sentences;
    for (const practice::MistakeKind k : practice::kAllMistakeKinds) {
        names.insert(mistakeKindName(k));
        practice::Mistake m{k, 3, kRed, kOrange, 1, 1000};
        sentences.insert(mistakeText(*q, m));
    }
    for (const QuestionKind k : practice::kAllQuestionKinds)
        names.insert(questionKindName(k));
    EXPECT_EQ(names.size(), std::size_t(practice::kMistakeKinds + practice::kQuestionKinds));
    EXPECT_EQ(sentences.size(), std::size_t(practice::kMistakeKinds));
    EXPECT_FALSE(names.count(std::string()));
}

// A wrong end is explained by the cue shown: the gap ("隔") if drawn, else the broken colour rule.
TEST(PracticeWords, AWrongEndIsExplainedByTheCueThePartShowed) {
    using enum QuestionKind;
    using enum practice::DrawnPart::Cues;
    using Row = std::tuple<QuestionKind, std::vector<int>, practice::DrawnPart::Cues, const char*>;
    for (const auto& [kind, bands, cues, named] : {
             Row{ReadDirection, {kRed, kRed, kRed, kGold}, ColoursOnly, "第一环是金色"},
             Row{ReadDirection, {kBrown, kBlack, kBlack, kRed, kBrown, kBrown}, ColoursOnly, "误差环是黑色"},
             Row{ReadDirection, {kRed, kBlack, kBlack, kViolet, kViolet}, ColoursOnly, "770.00Ω"},
             Row{ReadDirection, {kRed, kRed, kRed, kGold}, AsMade, "隔"},
             Row{ReadValue, {kBrown, kBlack, kRed, kBrown}, AsMade, "隔"}}) { // read as 12 Ω
        auto q = practice::questionOfPart(kind, bands, true).value();
        q.part.cues = cues;
        const auto j = kind == ReadValue ? practice::judgeText(q, "12")
                                         : practice::judgeEnd(q, practice::End::Left);
        const std::string said = verdictText(q, j, false);
        EXPECT_TRUE(contains(said, named)) << said;
        EXPECT_EQ(contains(said, "隔"), q.part.gapShown()) << said;
    }
}

TEST(PracticeWords, AChipCodeTypedAsPrintedIsToldItsLastDigitIsThePower) {
    for (const auto& [code, said] :
         {std::pair{"432", "432 的最后一位 2 是 10 的几次方，要在 43 后面添 2 个 0"},
          std::pair{"4702", "4702 的最后一位 2 是 10 的几次方，要在 470 后面添 2 个 0"}}) {
        const auto q = practice::questionOfCode(code).value();
        EXPECT_TRUE(contains(verdictText(q, practice::judgeText(q, code), false), said)) << code;
    }
}

// Hints leave the last piece: a part's last band, a chip code's power digit or what follows R.
TEST(PracticeWords, HintsLeaveTheLastPieceToTheLearner) {
    for (const int bands : {4, 5})
        EXPECT_FALSE(contains(
            join(hints(practice::questionOfValue(model::Decimal::of(47, 2), kGold, bands).value()),
                 "\n"),
            colourName(kGold))) << bands;
    for (const std::string_view code : {"473", "4R7", "56R2"}) {
        std::vector<std::string> afterTheRule = hints(practice::questionOfCode(code).value());
        if (!afterTheRule.empty()) afterTheRule.erase(afterTheRule.begin());
        EXPECT_FALSE(contains(join(afterTheRule, "\n"), code.substr(code.size() - 1))) << code;
    }
}

TEST(PracticeWords, AMistakeFadesOnlyAfterAnswersWithoutIt) {
    for (const auto& [recent, fading] : {std::pair{"wwrrw", false}, std::pair{"wwrwr", true},
                                         std::pair{"rw", false}, std::pair{"wr", true}})
        EXPECT_EQ(contains(mistakeTally(practice::Track{.recent = recent}), "渐少"), fading)
            << recent;
}

// A round's review: its score, its most made mistake next, a kind four in five right over three.
TEST(PracticeWords, TheRoundReviewNamesAKindDoneWellFromFourInFive) {
    practice::LearnerState s;
    s.round = {.number = 3, .asked = 10, .right = 8, .wrong = 2, .missed = {0, 0, 2}, .made = {0, 2}};
    EXPECT_TRUE(startsWith(roundReview(s), "第 3 轮做完了：10 题里答对 8 题，答错 2 题。\n"));
    EXPECT_TRUE(contains(roundReview(s), "下一轮先练“" + mistakeKindName(practice::MistakeKind(1))));
    for (const auto& [recent, strong] : {std::pair{"rrrrw", true}, std::pair{"rrrww", false},
                                         std::pair{"rrr", true}, std::pair{"rr", false}}) {
        s.questions[0].recent = recent;
        EXPECT_EQ(contains(roundReview(s), questionKindName(QuestionKind(0))), strong) << recent;
    }
}

} // namespace
} // namespace zq::wording
