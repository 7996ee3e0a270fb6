// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reading a real resistor as seen: the colours left to right, read both ways, with the
// readings the code rules out, which one is likely and why, and what a measurement says.
// Facts only: wording/reading writes them as sentences.
#include "model/colour_code.h"
#include "model/decimal.h"
#include "model/e_series.h"
#include "model/part_look.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace zq::model {

enum class Direction { AsEntered, Reversed };

// "as-entered", "reversed": the names in machine-readable output.
std::string_view directionName(Direction d);

// Why the colours cannot be read at all.
enum class InputProblem {
    None,
    BandCount,  // not 3..6 bands
    AbsentBand, // "none" on a band other than the missing tolerance band at an end of four
    NotAColour, // a palette index that is no band colour
};
// Stable ASCII names of the problems, as refusals carry them: "band-count", "absent-band".
std::string_view codeOf(InputProblem p);

struct BandReadingItem {
    Direction direction = Direction::AsEntered;
    std::vector<int> colours; // in reading order (reversed when Direction::Reversed)
    Reading reading;
    std::vector<ESeries> toleranceSeries; // the series parts of its tolerance are made in
    std::optional<ESeries> series;        // the one of them it belongs to
    // The colour on its tolerance band; palette::kNone without one (three bands, or four
    // with the tolerance band missing).
    int toleranceColour = palette::kNone;
    bool precision = false;      // a tolerance only IEC 60062:2016 gives, or gives otherwise
    bool rareTolerance = false;  // a tolerance colour shops seldom sell (not precision)
    bool leadingBlack = false;   // the first digit band is black, which no part is made with
    bool likely = false;         // on the likely reading alone; on none when undecided
    std::optional<bool> matches; // with a measurement: whether its range holds it
};

// Which band code rule a reading breaks.
enum class Rule {
    NoDigit,       // gold, silver or none on a digit band
    NotATolerance, // a colour the tolerance band does not take, even by IEC 60062:2016
    NoMultiplier,  // a colour with no multiplier
    NoCoefficient, // a colour with no temperature coefficient
    // Every digit band black on three bands or more: no part is made so (a jumper has one
    // black band), so a band was probably misread.
    AllDigitsBlack,
};

struct RuledOut {
    Direction direction = Direction::AsEntered;
    std::vector<int> colours; // in reading order
    int band = 0;             // 1-based in reading order: the first band out of place
    BandRole role = BandRole::Digit;
    int colour = 0; // palette index on that band
    Rule rule = Rule::NoDigit;
    // A gold or silver first band while the far end is not metal: metal bands stand at the
    // far end (its role in `farEndRole`), so the part reads from the other end.
    bool readFromOtherEnd = false;
    BandRole farEndRole = BandRole::Tolerance;
};

// One band seen as a colour easily confused with the right one, that explains a measurement.
struct BandChange {
    int band = 0; // 1 = leftmost as entered
    // The same band counted in the order the changed bands read, as every sentence counts.
    int readingBand = 0;
    int from = 0, to = 0;
    Direction direction = Direction::AsEntered; // how the changed bands read
    Reading reading;                            // what they read
};

// Why one reading is likely, or why none is.
enum class VerdictReason {
    Measurement,     // only one reading's range holds the measurement
    LeadingBlack,    // the other reading starts with a black digit band
    Series,          // only one is a standard value for its tolerance
    ToleranceColour, // the series do not decide; only one has a common tolerance colour
    Undecided,       // two readings and nothing decides
    Palindrome,      // both ways read the same colours
    OnlyOneWay,      // the other way is ruled out
    Neither,         // both ways are ruled out
    EndCue,          // no colour rule decides; the wider gap or the nearer end does
    BodyColour,      // nor does that; only one reading's tolerance goes with the body colour
};

// What a measurement adds to the verdict.
enum class MeasuredOutcome {
    NotMeasured,
    Matches,          // a reading's range holds it (the only one, if the verdict is Measurement)
    NoneMatchMisread, // no reading holds it; one confused band would explain it (changes)
    NoneMatch,        // no reading holds it, nor does any one confused band
};

struct Verdict {
    VerdictReason reason = VerdictReason::Neither;
    // ToleranceColour, Undecided: both readings are standard values (else neither is).
    bool bothStandard = false;
    // Undecided: both have tolerance bands, of colours equally common.
    bool toleranceBands = false;
    MeasuredOutcome measured = MeasuredOutcome::NotMeasured;
};

// What the cues the learner gave did to the verdict.
enum class CueOutcome {
    NotGiven,
    Decided,      // it chose the likely reading
    Agrees,       // the colours chose the same
    Contradicted, // the colours rule its way out or choose the other: reported, not obeyed
    NoBearing,    // both ways read the same, or the body colour tells nothing here
};

struct CueVerdict {
    Cues given;
    CueOutcome end = CueOutcome::NotGiven;
    Direction endDirection = Direction::AsEntered; // the way the end cue reads
    // Contradicted end cue: the reason the colours give against it (OnlyOneWay and Neither:
    // its way is ruled out).
    VerdictReason against = VerdictReason::Neither;
    CueOutcome body = CueOutcome::NotGiven; // Contradicted: the likely reading does not fit it
    // Decided end cue: what the colours still say for the other way, reasons to look again.
    bool offSeries = false;   // its reading is off its series, the other one a standard value
    bool rarerColour = false; // its tolerance colour is a rare one, the other one's common
};

struct BandReadings {
    InputProblem problem = InputProblem::None; // not None: nothing below is filled in
    int bandCount = 0;
    int problemBand = 0; // AbsentBand, NotAColour: 1-based as entered
    std::optional<Decimal> measured;
    // With a decided verdict the likely one comes first; Series, LeadingBlack, Measurement and
    // ToleranceColour name readings[0] as the likely one and readings[1] as the other.
    std::vector<BandReadingItem> readings;
    std::vector<RuledOut> ruledOut;
    Verdict verdict;
    std::vector<BandChange> changes; // only with a measurement that no reading matches
    CueVerdict cues;
};

// The colours of a real resistor as seen, left to right: 3 to 6 palette indices 0..11. A
// fourth band of palette::kNone at either end is the missing tolerance band: it reads as the
// three-band part from that end.
// The cues weigh after the colours and a measurement (weighCues).
BandReadings readBothWays(std::span<const int> coloursAsSeen,
                          const std::optional<Decimal>& measured = std::nullopt,
                          const Cues& cues = {});
// An end cue decides the way unless a colour rule rules that way out (or its first band is
// black, or a measurement fits the other way alone): a value off its series or a rare
// tolerance colour is only unusual, and is kept as a reason to look again. A body colour then
// breaks a tie its tolerance alone explains. A cue the colours go against is marked
// Contradicted and changes nothing.
void weighCues(BandReadings& r, const Cues& cues);

// The series a value is made in for a tolerance (hundredths of a per cent), or nullopt.
std::optional<ESeries> standardSeries(const Decimal& value, int tolerance);
// Whether people easily take one colour for the other (palette indices).
bool confusable(int a, int b);
// Tolerance colours every shop sells; the others mark rarer parts.
bool commonToleranceColour(int paletteIndex);

} // namespace zq::model
