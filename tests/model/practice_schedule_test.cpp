// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/practice/judge.h"
#include "model/practice/question.h"
#include "model/practice/schedule.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace zq::model::practice {
namespace {

using Learner = std::function<Judgement(const Question&)>;

Judgement rightAnswer(const Question& q) {
    switch (q.kind) {
    case QuestionKind::PickBands:
        return judgeBands(q, q.answerBands);
    case QuestionKind::ReadDirection:
        return judgeEnd(q, q.answerEnd);
    default:
        return judgeText(q, q.answerValue.text());
    }
}

// Reads every part from the wrong end, wherever that end gives a reading at all.
Judgement readsReversed(const Question& q) {
    switch (q.kind) {
    case QuestionKind::PickBands:
        return judgeBands(q, std::vector<int>(q.answerBands.rbegin(), q.answerBands.rend()));
    case QuestionKind::ReadDirection:
        return judgeEnd(q, q.answerEnd == End::Left ? End::Right : End::Left);
    case QuestionKind::ChipCode:
        return rightAnswer(q);
    default: {
        const auto turned = questionOfPart(
            q.kind, std::vector<int>(q.part.bands.rbegin(), q.part.bands.rend()), false, q.limit);
        return judgeValue(q, turned ? turned->answerValue : q.answerValue);
    }
    }
}

// The kinds asked, turn by turn, of a learner answering as `learner` does.
std::vector<QuestionKind> run(const Learner& learner, std::uint64_t seed, int turns,
                              LearnerState* end = nullptr) {
    LearnerState s;
    Random r(seed);
    std::vector<QuestionKind> asked;
    for (int i = 0; i < turns; ++i) {
        const Question q = nextQuestion(s, r);
        asked.push_back(q.kind);
        record(s, q, learner(q), false);
    }
    if (end) *end = s;
    return asked;
}

double share(const std::vector<QuestionKind>& asked, QuestionKind k, int from, int to) {
    int n = 0;
    for (int i = from; i < to; ++i)
        n += asked[std::size_t(i)] == k;
    return double(n) / (to - from);
}

TEST(PracticeSchedule, ALearnerWhoReadsReversedGetsMoreDirectionQuestions) {
    // Every kind is asked alike at first: a fifth of the questions ask for the direction.
    double reversedShare = 0, rightShare = 0;
    const std::uint64_t seeds[] = {1, 2, 3, 4, 5, 6};
    for (const std::uint64_t seed : seeds) {
        LearnerState s;
        const auto reversed = run(readsReversed, seed, 500, &s);
        const auto right = run(rightAnswer, seed, 400);
        reversedShare += share(reversed, QuestionKind::ReadDirection, 100, 400) / std::size(seeds);
        rightShare += share(right, QuestionKind::ReadDirection, 100, 400) / std::size(seeds);
        EXPECT_GT(s.of(MistakeKind::WrongEnd).wrong, 50) << seed;
        EXPECT_EQ(s.of(QuestionKind::ReadDirection).rightLately(), 0) << seed;
        EXPECT_EQ(s.of(QuestionKind::ChipCode).box, kBoxes - 1) << seed;
    }
    EXPECT_GT(reversedShare, 0.3);
    EXPECT_NEAR(rightShare, 0.2, 0.03);
}

TEST(PracticeSchedule, AKindAnsweredRightRecedes) {
    // All right: every kind climbs to the last box and is due only after the longest wait.
    LearnerState all;
    run(rightAnswer, 5, 200, &all);
    for (const QuestionKind k : kAllQuestionKinds) {
        EXPECT_EQ(all.of(k).box, kBoxes - 1) << questionKindCode(k);
        EXPECT_EQ(all.of(k).rightLately(), kRecent) << questionKindCode(k);
    }
    // One kind missed for a while comes often; once answered right it falls back to its share.
    for (const QuestionKind missed : kAllQuestionKinds) {
        LearnerState s;
        Random r(11);
        std::vector<QuestionKind> asked;
        for (int i = 0; i < 400; ++i) {
            const Question q = nextQuestion(s, r);
            asked.push_back(q.kind);
            Attempt a{q.kind, possibleMistakes(q), Result::Right, MistakeKind::Other};
            if (i < 60 && q.kind == missed) a.result = Result::Wrong;
            record(s, a);
        }
        const double early = share(asked, missed, 0, 60), late = share(asked, missed, 250, 400);
        EXPECT_GT(early, 0.35) << questionKindCode(missed);
        EXPECT_LT(late, early / 2) << questionKindCode(missed);
        EXPECT_EQ(s.of(missed).box, kBoxes - 1) << questionKindCode(missed);
    }
}

// The rule the README gives: a miss to the first box; a hint to the first two; a right answer
// without a hint one box up from the second in a row; box b is due 2^b turns later.
TEST(PracticeSchedule, BoxesFollowTheLeitnerRule) {
    const struct {
        const char* results;
        int box, streak;
    } cases[] = {
        {"r", 0, 1},      {"rr", 1, 2},    {"rrr", 2, 3}, {"rrrrrrrrr", 4, 9},
        {"rrrrw", 0, 0},  {"rrrrh", 1, 0}, {"rrh", 1, 0}, {"rh", 0, 0},
        {"hhhhhh", 0, 0}, {"rrhrr", 2, 2}, {"wr", 0, 1},  {"wrr", 1, 2},
    };
    for (const auto& c : cases) {
        LearnerState s;
        for (const char* p = c.results; *p; ++p) {
            const Result result = *p == 'r'   ? Result::Right
                                  : *p == 'h' ? Result::Helped
                                              : Result::Wrong;
            record(s, {QuestionKind::ChipCode, 0, result, MistakeKind::Other});
        }
        const Track& t = s.of(QuestionKind::ChipCode);
        EXPECT_EQ(t.box, c.box) << c.results;
        EXPECT_EQ(t.streak, c.streak) << c.results;
        EXPECT_EQ(t.due, s.turn + (1 << t.box)) << c.results;
        EXPECT_EQ(t.recent, c.results);
        // Helped is never counted as known.
        const std::string_view results = c.results;
        EXPECT_EQ(t.rightLately(), std::count(results.begin(), results.end(), 'r')) << c.results;
        EXPECT_EQ(t.helpedLately(), std::count(results.begin(), results.end(), 'h')) << c.results;
        EXPECT_EQ(s.of(QuestionKind::ReadValue), Track{}) << "other kinds untouched";
    }
}

TEST(PracticeSchedule, ChartCountsOnlyTheLatestAnswers) {
    LearnerState s;
    for (int i = 0; i < 15; ++i)
        record(s, {QuestionKind::PickBands, 0, Result::Right, MistakeKind::Other});
    for (int i = 0; i < 4; ++i)
        record(s, {QuestionKind::PickBands, 0, Result::Helped, MistakeKind::Other});
    const Track& t = s.of(QuestionKind::PickBands);
    EXPECT_EQ(t.recent.size(), std::size_t(kRecent));
    EXPECT_EQ(t.rightLately(), kRecent - 4);
    EXPECT_EQ(t.helpedLately(), 4);
    EXPECT_EQ(t.right, 15);
}

TEST(PracticeSchedule, MistakesCountForTheKindsTheQuestionGaveRoomFor) {
    const MistakeSet exercised =
        (1u << int(MistakeKind::WrongEnd)) | (1u << int(MistakeKind::UnitSlip));
    LearnerState s;
    record(s, {QuestionKind::ReadValue, exercised, Result::Wrong, MistakeKind::WrongEnd});
    EXPECT_EQ(s.of(MistakeKind::WrongEnd).wrong, 1);
    // Wrong in another way says nothing of a unit slip.
    EXPECT_EQ(s.of(MistakeKind::UnitSlip), Track{});
    record(s, {QuestionKind::ReadValue, exercised, Result::Right, MistakeKind::Other});
    EXPECT_EQ(s.of(MistakeKind::WrongEnd).right, 1);
    EXPECT_EQ(s.of(MistakeKind::UnitSlip).right, 1);
    EXPECT_EQ(s.of(MistakeKind::BandCount), Track{});
    record(s, {QuestionKind::ReadValue, exercised, Result::Helped, MistakeKind::Other});
    EXPECT_EQ(s.of(MistakeKind::UnitSlip).helped, 1);
    // Passed over, it says nothing of any mistake.
    const LearnerState before = s;
    record(s, {QuestionKind::ReadValue, exercised, Result::Skipped, MistakeKind::Other});
    EXPECT_EQ(s.mistakes, before.mistakes);

    // A fresh learner is asked every kind alike; a missed direction pulls that kind ahead.
    const LearnerState fresh;
    for (const QuestionKind k : kAllQuestionKinds)
        EXPECT_EQ(weightOf(fresh, k), weightOf(fresh, QuestionKind::ReadValue));
    LearnerState missed;
    record(missed, {QuestionKind::ChipCode, 0, Result::Wrong, MistakeKind::WrongEnd});
    for (const QuestionKind k : kAllQuestionKinds) {
        if (k != QuestionKind::ReadDirection) {
            EXPECT_GT(weightOf(missed, QuestionKind::ReadDirection), weightOf(missed, k));
        }
    }
    // And the next question on that kind gives room for the mistake.
    Random r(3);
    for (int i = 0; i < 20; ++i) {
        const Pick p = pickNext(missed, r);
        if (p.kind == QuestionKind::ChipCode) continue; // no room for it there
        ASSERT_EQ(p.focus, MistakeKind::WrongEnd);
        EXPECT_TRUE(contains(possibleMistakes(questionFor(p, r)), MistakeKind::WrongEnd));
    }
}

// The scheduler's table of which kinds drill which mistakes is what the questions drawn allow.
TEST(PracticeSchedule, KindsDrillTheMistakesTheirQuestionsAllow) {
    for (const QuestionKind k : kAllQuestionKinds) {
        MistakeSet seen = 0;
        Random r(17);
        for (int i = 0; i < 400; ++i)
            seen |= possibleMistakes(drawQuestion(k, r));
        EXPECT_EQ(seen, mistakesOf(k)) << questionKindCode(k);
    }
}

TEST(PracticeSchedule, TheSameSeedAndAnswersGiveTheSameQuestions) {
    EXPECT_EQ(run(readsReversed, 42, 100), run(readsReversed, 42, 100));
    EXPECT_NE(run(readsReversed, 42, 100), run(readsReversed, 43, 100));
}

// After a round: its most made mistake, else its most missed kind, else the chart's worst.
TEST(PracticeSchedule, WhatToPractiseNextComesFromTheRoundFirstThenTheChart) {
    LearnerState s;
    EXPECT_FALSE(practiseNext(s)) << "nothing wants it";
    s.questions[1].recent = "rww";
    EXPECT_TRUE(practiseNext(s)->kind == QuestionKind(1) && !practiseNext(s)->focus);
    s.mistakes[2].recent = "w";
    EXPECT_EQ(practiseNext(s)->focus, MistakeKind(2));
    s.round.missed[3] = 1;
    EXPECT_TRUE(practiseNext(s)->kind == QuestionKind(3) && !practiseNext(s)->focus);
    s.round.made[4] = 1;
    EXPECT_EQ(practiseNext(s)->focus, MistakeKind(4));
}

TEST(PracticeState, SurvivesTheTextItIsSavedIn) {
    LearnerState s;
    run(readsReversed, 9, 120, &s);
    const std::string text = toText(s);
    const auto back = fromText(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, s);
    EXPECT_EQ(text.rfind("format=1\n", 0), 0u);
    // Windows line ends and blank lines are read alike; missing keys keep their start.
    std::string crlf;
    for (const char c : text)
        crlf += c == '\n' ? std::string("\r\n\r\n") : std::string(1, c);
    EXPECT_EQ(fromText(crlf), s);
    EXPECT_EQ(fromText("format=1\n"), LearnerState{});
}

TEST(PracticeState, RefusesTextItDidNotWrite) {
    const char* refused[] = {
        "",                                                   // nothing
        "{\"turn\": 3}",                                      // not this format
        "turn=3\n",                                           // no format line
        "format=2\nturn=3\n",                                 // newer
        "format=1\nformat=1\n",                               // twice
        "format=1\nturn=-1\n",                                // negative
        "format=1\nturn=3x\n",                                // not a number
        "format=1\nturn=99999999999999999999\n",              // too large
        "format=1\nquestion.read-value.box=5\n",              // no such box
        "format=1\nquestion.read-value.recent=rxw\n",         // not a result
        "format=1\nquestion.read-value.recent=rrrrrrrrrrr\n", // longer than kept
        "format=1\nquestion.reading.box=1\n",                 // no such kind
        "format=1\nmistake.other.box=1\n",                    // not tracked
        "format=1\nquestion.read-value.colour=1\n",           // no such field
        "format=1\nturn\n",                                   // no value
        "format=1\n\xff\xfe=1\n",                             // binary
        "format=1\nround.asked=11\n",                         // past a round
        "format=1\nround.number=0\n",                         // rounds count from 1
        "format=1\nround.missed.reading=1\n",                 // no such kind
        "format=1\nround.made.reading=1\n",                   // no such mistake
        "format=1\nround.made.other=1\n",                     // not tracked
    };
    for (const char* text : refused)
        EXPECT_EQ(fromText(text), std::nullopt) << text;
    const auto ok =
        fromText("format=1\nturn=7\nquestion.read-value.box=4\nmistake.unit-slip.recent=rhw\n");
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->turn, 7);
    EXPECT_EQ(ok->of(QuestionKind::ReadValue).box, 4);
    EXPECT_EQ(ok->of(MistakeKind::UnitSlip).recent, "rhw");
    EXPECT_EQ(fromText("format=1\nround.asked=10\n")->round.asked, 10);
    EXPECT_EQ(fromText("format=1\nturn=27\n")->round.number, 3) << "kept before rounds were";
}

} // namespace
} // namespace zq::model::practice
