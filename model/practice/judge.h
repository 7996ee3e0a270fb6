// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Judging a practice answer exactly, and naming the kind of mistake a wrong one makes.
#include "model/decimal.h"
#include "model/practice/question.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace zq::model::practice {

enum class MistakeKind {
    WrongEnd,         // read from the wrong end
    BandCount,        // four and five bands confused (three and four digits on a chip)
    MultiplierOff,    // the multiplier off by a power of ten, or taken as one digit more
    ConfusedColour,   // one band taken for a colour that looks like it
    UnitSlip,         // k, M and ohms mixed up: off by a thousand or a million
    ToleranceMisread, // the tolerance taken for another
    AgainstGap,       // which end: read from the end of the wider gap, which the part showed
    Other,
};
// The kinds a learner can be drilled on; Other is not one.
inline constexpr int kMistakeKinds = 7;
inline constexpr MistakeKind kAllMistakeKinds[kMistakeKinds] = {
    MistakeKind::WrongEnd,       MistakeKind::BandCount, MistakeKind::MultiplierOff,
    MistakeKind::ConfusedColour, MistakeKind::UnitSlip,  MistakeKind::ToleranceMisread,
    MistakeKind::AgainstGap};
// Stable ASCII names: "wrong-end", "band-count", "multiplier-off", "confused-colour",
// "unit-slip", "tolerance-misread", "against-gap", "other".
std::string_view mistakeKindCode(MistakeKind k);
std::optional<MistakeKind> mistakeKindOfCode(std::string_view code);

// Colours beginners take for one another: 棕/红/橙, 蓝/紫, 灰/白/银, 金/黄/橙, 黑/棕.
bool confusable(int colourA, int colourB);
std::vector<int> confusablesOf(int colour); // in palette order, without the colour itself

struct Mistake {
    MistakeKind kind = MistakeKind::Other;
    // The band concerned, 1-based in reading order (ConfusedColour, ToleranceMisread, and
    // MultiplierOff on a part: the multiplier band); 0 where none is.
    int band = 0;
    int shownColour = palette::kNone; // the colour on that band
    int takenColour = palette::kNone; // the colour the answer read or put there
    // MultiplierOff, UnitSlip: the answer is the right one times 10^powerOff; 0 where the
    // answer is no power of ten away (a multiplier read as one more digit).
    int powerOff = 0;
    int takenTolerance = 0; // ToleranceMisread: the tolerance used, hundredths of a per cent
    friend bool operator==(const Mistake&, const Mistake&) = default;
};

enum class Verdict {
    Right,
    Wrong,
    Unreadable, // typed text that is no value, or bands not all chosen: ask again
    Skipped,    // passed over: the answer is shown, and counts as not right
};

struct Judgement {
    Verdict verdict = Verdict::Unreadable;
    Mistake mistake;    // meaningful when Wrong
    Decimal givenValue; // typed answers: the value read from the text
};

// Typed answers (ReadValue, ChipCode, ToleranceLimit), read with parseValue, so that "4.7k",
// "4k7", "4700" and "4.7千" are one answer.
Judgement judgeText(const Question& q, std::string_view text, std::string_view localePoint = ".");
Judgement judgeValue(const Question& q, const Decimal& given);
// PickBands: the colours chosen, in reading order.
Judgement judgeBands(const Question& q, std::span<const int> colours);
// ReadDirection.
Judgement judgeEnd(const Question& q, End end);

// The kinds of mistake a question gives room for: those some wrong answer to it would be
// named as. A right answer shows the learner free of each of them, this time.
using MistakeSet = std::uint32_t; // bit (1 << int(kind))
MistakeSet possibleMistakes(const Question& q);
inline bool contains(MistakeSet set, MistakeKind k) {
    return (set >> int(k)) & 1u;
}

} // namespace zq::model::practice
