// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The practice window's sentences: each question, what its bands mean one at a time, the
// verdict with the kind of mistake named, and the working of the right answer.
#include "model/numbers.h"
#include "model/practice/judge.h"
#include "model/practice/question.h"
#include "model/practice/schedule.h"
#include "wording/catalogue.h"

#include <span>
#include <string>

namespace zq::wording {

// Short names for the chart: "读阻值", "读反方向".
std::string questionKindName(model::practice::QuestionKind k);
std::string mistakeKindName(model::practice::MistakeKind k);

// What the learner is asked to do, one or two lines.
std::string questionText(const model::practice::Question& q, const model::DecimalFormat& fmt = {});
// The same for a screen reader, with the drawn bands in order from the left, the gap named:
// "…从左到右，第一环：黄色，第二环：紫色，第三环：红色，隔开，第四环：金色。"
std::string questionSpoken(const model::practice::Question& q,
                           const model::DecimalFormat& fmt = {});

// The keys the question takes, said after it.
std::string questionKeys(const model::practice::Question& q);

// Hints from the rule to the band: first the rule that applies (the layout and where to start,
// what a chip code's letters and digits mean), then one band or one digit at a time. None gives
// the answer whole: a part to be picked keeps its last band back, a chip code its power digit or
// what follows its R. Revealed one at a time.
std::vector<std::string> hints(const model::practice::Question& q);

// "答对了！", the kind of mistake named and what it was, or a question passed over with its answer.
std::string verdictText(const model::practice::Question& q, const model::practice::Judgement& j,
                        bool helped, const model::DecimalFormat& fmt = {});
std::string mistakeText(const model::practice::Question& q, const model::practice::Mistake& m,
                        const model::DecimalFormat& fmt = {});
// Why an answer was not taken: text that is no value, or bands not all chosen.
std::string unreadableText(const model::practice::Question& q, const std::string& reason,
                           int picked);

// The right answer worked out as the main window's flow chart does: each band with its digit,
// multiplier or tolerance, then the product.
std::string workingText(const model::practice::Question& q, const model::DecimalFormat& fmt = {});

// "已选 2/4 环：黄 紫".
std::string pickedText(std::span<const int> colours, int wanted);

// The chart: its caption, its headings, what each row counts ("7/10": right of the last ten
// for a kind of question, times made for a kind of mistake, and whether that is fading), and
// each row for a screen reader.
std::string chartCaption();
std::string questionHeading();
std::string questionTallyHeading();
std::string mistakeHeading();
std::string mistakeTallyHeading();
std::string questionTally(const model::practice::Track& t);
std::string mistakeTally(const model::practice::Track& t);
std::string chartRowSpoken(const std::string& kindName, const model::practice::Track& t);
std::string mistakeRowSpoken(const std::string& kindName, const model::practice::Track& t);
// After a round, one line each: its score, the kinds of question it missed and the mistakes
// made in it, the kinds answered well lately, and what to practise next.
std::string roundReview(const model::practice::LearnerState& s);
// After a picking question: the tag of the part drawn, the learner's bands ("你的") or the right
// ones ("正确"), and the right bands in words beside the answer.
std::string pickedTag(bool answerDrawn);
std::string rightBands(std::span<const int> colours);

// The saved progress.
std::string progressSetAside(const std::string& fileName);
std::string progressNotSetAside(const std::string& path);
std::string progressNotSaved(const std::string& why);
std::string restartQuestion();
std::string restartTitle();
std::string restarted();
// A key or click that does not belong to the question shown.
std::string notForThisQuestion();
std::string chooseEndFirst();

} // namespace zq::wording
