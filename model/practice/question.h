// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Practice questions drawn from the colour code, each with its exact right answer as facts.
#include "model/colour_code.h"
#include "model/decimal.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zq::model::practice {

// A small generator whose numbers are the same on every platform and standard library, so
// that a seed gives a teacher and a test the same questions everywhere (splitmix64).
class Random {
  public:
    explicit Random(std::uint64_t seed = 0) : state_(seed) {}
    std::uint64_t next();
    int below(int n);                           // 0..n-1, evenly; precondition n > 0
    int weighted(std::span<const int> weights); // an index, in proportion to its weight
    // Random(r.state()) goes on exactly where r stands, for a sequence kept across runs.
    std::uint64_t state() const { return state_; }

  private:
    std::uint64_t state_;
};

enum class QuestionKind {
    ReadValue,      // a drawn part: type its value
    PickBands,      // a value and a tolerance: pick the bands (four or five)
    ReadDirection,  // a drawn part: choose the end to read from
    ChipCode,       // a chip code: type its value
    ToleranceLimit, // a drawn part: type the lowest or highest value it may measure
};
inline constexpr int kQuestionKinds = 5;
inline constexpr QuestionKind kAllQuestionKinds[kQuestionKinds] = {
    QuestionKind::ReadValue, QuestionKind::PickBands, QuestionKind::ReadDirection,
    QuestionKind::ChipCode, QuestionKind::ToleranceLimit};
// Stable ASCII names for saved progress: "read-value", "pick-bands", "read-direction",
// "chip-code", "tolerance-limit".
std::string_view questionKindCode(QuestionKind k);
std::optional<QuestionKind> questionKindOfCode(std::string_view code);

enum class End { Left, Right };
enum class Limit { Lowest, Highest };

// A part as drawn. Real parts set the tolerance band apart at the end read last; the drawing
// turns the whole part round when `reversed`, gap and all.
struct DrawnPart {
    std::vector<int> bands;         // palette indices in reading order
    bool reversed = false;          // drawn with the first band on the right
    // What the drawing shows besides the colours: the part as made; its gap alone, on colours
    // that read both ways; or evenly spaced bands, so that only the colours tell the end.
    enum class Cues { AsMade, GapOnly, ColoursOnly } cues = Cues::AsMade;
    bool gapShown() const { return cues != Cues::ColoursOnly; }
    std::vector<int> shown() const; // left to right as drawn
    // Bands drawn left of the gap that sets the tolerance band apart; 0 without a tolerance band.
    int shownBeforeGap() const;
    End readFrom() const { return reversed ? End::Right : End::Left; }
};

struct Question {
    QuestionKind kind = QuestionKind::ReadValue;
    // ReadValue, ReadDirection, ToleranceLimit: the part shown. PickBands: the right bands, in
    // reading order, for the working. ChipCode: empty.
    DrawnPart part;
    Decimal value;                        // the part's value in ohms
    int tolerance = 0;                    // hundredths of a per cent
    int toleranceColour = palette::kNone; // the tolerance band's colour; kNone without one
    int bandCount = 0;           // the part's bands; for PickBands the bands asked for (4 or 5)
    std::string code;            // ChipCode: the printed code, "472"
    Limit limit = Limit::Lowest; // ToleranceLimit

    // The right answer.
    Decimal answerValue;          // ReadValue, ChipCode, ToleranceLimit
    std::vector<int> answerBands; // PickBands
    End answerEnd = End::Left;    // ReadDirection

    bool typed() const {
        return kind == QuestionKind::ReadValue || kind == QuestionKind::ChipCode ||
               kind == QuestionKind::ToleranceLimit;
    }
};

// Questions about a given part, value or code, with their answers worked out; nullopt for
// bands that do not read (ReadDirection also needs a tolerance band), a value the bands cannot
// carry exactly, or a code that does not read. The generator makes every question through these.
std::optional<Question> questionOfPart(QuestionKind kind, std::vector<int> bands,
                                       bool reversed = false, Limit limit = Limit::Lowest);
std::optional<Question> questionOfValue(const Decimal& ohms, int toleranceColour, int bandCount);
std::optional<Question> questionOfCode(std::string_view code);

// A question of that kind, drawn: parts of three to six bands with values from the series
// their tolerance is made in, common tolerances mostly, turned round half of the time.
Question drawQuestion(QuestionKind kind, Random& random);

} // namespace zq::model::practice
