// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Which kind of question comes next, by the learner's mistakes: Leitner boxes, one per kind of
// question and one per kind of mistake. A miss puts a kind in the first box, which comes back
// on the next turn and weighs most; a hint keeps it in the first two boxes; a right answer
// without a hint, from the second in a row on, moves it up one box. Box b is due again 2^b
// turns after its last answer, and weighs half as much as box b-1.
#include "model/practice/judge.h"
#include "model/practice/question.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zq::model::practice {

inline constexpr int kBoxes = 5;
inline constexpr int kRecent = 10;     // answers kept for the "right lately" chart
inline constexpr int kStateFormat = 1; // of the saved text

// Skipped: passed over, its answer shown; counted as not right, as Wrong is.
enum class Result { Right, Helped, Wrong, Skipped };

// Plain fields, so that the window can keep them in any format it likes.
struct Track {
    int box = 0;                          // 0 comes most often, kBoxes - 1 most rarely
    int due = 0;                          // the turn from which it is due again
    int streak = 0;                       // right answers in a row without a hint
    int right = 0, helped = 0, wrong = 0; // all the answers ever counted
    // The last kRecent results, oldest first: 'r' right, 'h' helped, 'w' wrong or passed over.
    std::string recent;
    int rightLately() const;
    int helpedLately() const;
    int wrongLately() const;
    // Made lately, but less in the newer half of the recent answers than in the older half, and
    // not on the latest: a mistake just made is not fading, however seldom it came before.
    bool fading() const;
    friend bool operator==(const Track&, const Track&) = default;
};

inline constexpr int kRoundLength = 10; // questions; a round ends with a review

// How the questions of the round under way went, for the review at its end. Every question
// answered or passed over is one of the round's.
struct RoundTally {
    int number = 1; // of the round, from 1
    int asked = 0;  // the round is over at kRoundLength
    int right = 0, helped = 0, wrong = 0, skipped = 0;
    std::array<int, kQuestionKinds> missed{}; // by QuestionKind: wrong or passed over
    std::array<int, kMistakeKinds> made{};    // by MistakeKind
    bool over() const { return asked >= kRoundLength; }
    friend bool operator==(const RoundTally&, const RoundTally&) = default;
};

struct LearnerState {
    int turn = 0;                                // answers recorded, passed over ones too
    std::array<Track, kQuestionKinds> questions; // by QuestionKind
    // By MistakeKind (Other has none). A mistake never made does not steer the questions.
    std::array<Track, kMistakeKinds> mistakes;
    const Track& of(QuestionKind k) const { return questions[std::size_t(k)]; }
    const Track& of(MistakeKind k) const { return mistakes[std::size_t(k)]; }
    // The round under way; once over, it stays as it ended until the next answer starts another.
    RoundTally round;
    friend bool operator==(const LearnerState&, const LearnerState&) = default;
};

struct Attempt {
    QuestionKind kind = QuestionKind::ReadValue;
    MistakeSet exercised = 0; // possibleMistakes of the question
    Result result = Result::Right;
    MistakeKind mistake = MistakeKind::Other; // when Wrong
};
// The answer counts for its kind of question and for each kind of mistake the question gave
// room for: right or helped for all of them, wrong only for the mistake made; a question passed
// over counts as not right for its kind and for no kind of mistake. It is one of the round's.
void record(LearnerState& state, const Attempt& attempt);
// The same from a judged answer; `helped` when a hint was shown first. Unreadable answers
// count for nothing.
void record(LearnerState& state, const Question& q, const Judgement& j, bool helped);

// The kinds of mistake questions of a kind give room for.
MistakeSet mistakesOf(QuestionKind kind);
// The kind of question that drills a mistake best.
QuestionKind drillOf(MistakeKind m);

// What the chart shows, read as advice: the kinds of question answered well lately, those
// answered badly (worst first), and the mistakes made lately that are not fading (most made
// first).
struct Review {
    std::vector<QuestionKind> strong, weak;
    std::vector<MistakeKind> toPractise;
};
Review reviewOf(const LearnerState& state);

struct Pick {
    QuestionKind kind = QuestionKind::ReadValue;
    std::optional<MistakeKind> focus; // a mistake the question should give room for
};
// What to practise next, after a round: the mistake made most in it, else the kind of question
// missed most in it, else what the chart shows worst lately; nullopt when nothing wants it. A
// pick as the chart's row for it makes one.
std::optional<Pick> practiseNext(const LearnerState& state);
// How strongly a kind of question is wanted now; the pick is drawn in proportion.
int weightOf(const LearnerState& state, QuestionKind kind);
Pick pickNext(const LearnerState& state, Random& random);
// The question for a pick: drawn until it gives room for the focus (a bounded number of times).
Question questionFor(const Pick& pick, Random& random);
inline Question nextQuestion(const LearnerState& state, Random& random) {
    return questionFor(pickNext(state, random), random);
}

// "key=value" lines: format=1, turn=…, question.<kind>.<field>=…, mistake.<kind>.<field>=…
// with the fields box, due, streak, right, helped, wrong, recent; round.<field>=… with number,
// asked, right, helped, wrong, skipped, and round.missed.<kind>=…, round.made.<kind>=…, which a
// file from before rounds were kept leaves out. nullopt for text that is not such a file, or a
// newer format: the caller sets it aside and starts afresh.
std::string toText(const LearnerState& state);
std::optional<LearnerState> fromText(std::string_view text);

} // namespace zq::model::practice
