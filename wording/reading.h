// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The sentences about a resistor read both ways, for the reading window and the terminal
// alike. Each one comes with a stable code that machine-read output prints beside it.
#include "model/band_reading.h"
#include "model/hand_over.h"
#include "model/numbers.h"
#include "model/value_input.h"
#include "wording/catalogue.h"

#include <string>
#include <vector>

namespace zq::wording {

// A sentence and the code that names its kind.
struct Said {
    std::string code;
    std::string text;
};

// "从左往右读", "从右往左读".
std::string directionText(model::Direction d);

// Why the colours cannot be read at all; empty when they can.
Said inputRefusal(const model::BandReadings& r);

// "● 从左往右读：棕 黑 黑 红 棕 → 10.00KΩ ±1%（9.90KΩ～10.10KΩ）": the reading, marked ● when it
// is the likely one.
std::string readingLine(const model::BandReadingItem& item, const model::DecimalFormat& fmt = {});

// Why a reading is (un)likely, one sentence each, in the order they are written: its series,
// its tolerance colour, its first band, the measurement.
std::vector<Said> readingNotes(const model::BandReadingItem& item,
                               const std::optional<model::Decimal>& measured,
                               const model::DecimalFormat& fmt = {});

// Which reading is likely and why, then what the measurement adds; written one after the
// other.
std::vector<Said> verdict(const model::BandReadings& r, const model::DecimalFormat& fmt = {});

// A tolerance colour IEC 60062:2016 gives a figure the main window's table does not: for the
// reading window and the value answers alike.
Said precisionNote(int colour);

// Why a way of reading is ruled out, in the main window's words.
Said ruledOut(const model::RuledOut& o);

// "第三环可能是棕色而不是黑色：那样从左往右读是 470.00Ω ±5%，和量到的相符。"
Said change(const model::BandChange& c, const model::DecimalFormat& fmt = {});

// The sentences joined as they are shown.
std::string joined(const std::vector<Said>& said);

// The marks before a line of each kind: "✕ " ruled out, "？ " a confused band.
std::string ruledOutLine(const model::RuledOut& o);
std::string changeLine(const model::BandChange& c, const model::DecimalFormat& fmt = {});

// What a reading answer shows, line by line, the window's lines and the terminal's alike:
// what the cues add, the reading lines each followed by its notes, the ruled-out ways, the
// confused bands.
struct ReadingLines {
    std::string verdict;
    std::vector<std::string> lines; // a reading's line and its notes are one entry, "\n" between
};
ReadingLines readingLines(const model::BandReadings& r, const model::DecimalFormat& fmt = {});

// About the typed measurement: why it cannot be read, or the note beside an accepted value
// read in a way the user may not have meant (no code and no text when there is none).
std::string measuredRefusal(const model::ValueInput& v);
Said measuredNote(const model::ValueInput& v, const model::DecimalFormat& fmt = {});

// The terminal's refusals of colours it is given by name.
std::string bandCountRefusal(int given);
// Both ways ruled out: "两头都读不通：" and every reason.
std::string neitherWay(const model::BandReadings& r);

// The cues of a part in the hand. The sentence of a verdict a cue decided; what the other cues
// add after the verdict; and "gap", "nearer-end" or "body" for the cue that decided, or empty.
Said cueDecided(const model::BandReadings& r, const model::DecimalFormat& fmt = {});
std::vector<Said> cueNotes(const model::BandReadings& r, const model::DecimalFormat& fmt = {});
std::string decidingCue(const model::BandReadings& r);
// The reading window's cue choices, "● 左边", "○ 蓝色", and their names for a screen reader.
std::string gapOption(model::Side s, bool chosen);
std::string bodyOption(model::BodyColour b, bool chosen);
std::string gapOptionName(model::Side s, bool chosen);
std::string bodyOptionName(model::BodyColour b, bool chosen);
// The terminal's refusals of a --gap or --body it does not know.
std::string gapNameRefusal(const std::string& typed);
std::string bodyNameRefusal(const std::string& typed);
// "米色", "蓝色", "绿色", "其他颜色".
std::string bodyColourText(model::BodyColour b);
// "数字环", "倍率环", "误差环", "温度系数环".
std::string bandRoleName(model::BandRole role);

// The reading window's words about the bands entered and the hand-over to the main window.
std::string enterHint();
std::string enteredBands(const std::vector<int>& colours);
std::string tooManyBands();
std::string nothingToShow(bool tooFewBands);
std::string precisionStaysHere(int toleranceColour);
std::string threeBandsAsFour();
std::string sixthBandLeftBehind(int coefficientColour);
std::string undecidedShownAs(model::Direction d);
// The hand-over of the window's suggestion: one band read as another colour.
std::string misreadShownAs(int band, int seen, int shown);
// The hand-over of a chip code that gives no value, or a value no band code carries.
std::string codeHasNoValue();
std::string codeHasNoBands();
// All that is said of a hand-over to the main window, in that order; empty for none.
std::string handOverNote(const model::HandOver& h);

} // namespace zq::wording
