// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The sentences about a resistor read both ways, for the reading window and the terminal
// alike. Each one comes with a stable code that machine-read output prints beside it.
#include "model/band_reading.h"
#include "model/numbers.h"
#include "model/value_input.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace zq::wording {

// A sentence and the code that names its kind.
struct Said {
    QString code;
    QString text;
};

// "从左往右读", "从右往左读".
QString directionText(model::Direction d);

// Why the colours cannot be read at all; empty when they can.
Said inputRefusal(const model::BandReadings& r);

// "● 从左往右读：棕 黑 黑 红 棕 → 10.00KΩ ±1%（9.90KΩ～10.10KΩ）": the reading, marked ● when it
// is the likely one.
QString readingLine(const model::BandReadingItem& item, const model::DecimalFormat& fmt = {});

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
QString joined(const std::vector<Said>& said);

// The marks before a line of each kind: "✕ " ruled out, "？ " a confused band.
QString ruledOutLine(const model::RuledOut& o);
QString changeLine(const model::BandChange& c, const model::DecimalFormat& fmt = {});

// What a reading answer shows, line by line, the window's lines and the terminal's alike:
// what the cues add, the reading lines each followed by its notes, the ruled-out ways, the
// confused bands.
struct ReadingLines {
    QString verdict;
    QStringList lines; // a reading's line and its notes are one entry, "\n" between
};
ReadingLines readingLines(const model::BandReadings& r, const model::DecimalFormat& fmt = {});

// About the typed measurement: why it cannot be read, or the note beside an accepted value
// read in a way the user may not have meant (no code and no text when there is none).
QString measuredRefusal(const model::ValueInput& v);
Said measuredNote(const model::ValueInput& v, const model::DecimalFormat& fmt = {});

// The terminal's refusals of colours it is given by name.
QString bandCountRefusal(int given);
// Both ways ruled out: "两头都读不通：" and every reason.
QString neitherWay(const model::BandReadings& r);

// The cues of a part in the hand. The sentence of a verdict a cue decided; what the other cues
// add after the verdict; and "gap", "nearer-end" or "body" for the cue that decided, or empty.
Said cueDecided(const model::BandReadings& r, const model::DecimalFormat& fmt = {});
std::vector<Said> cueNotes(const model::BandReadings& r, const model::DecimalFormat& fmt = {});
QString decidingCue(const model::BandReadings& r);
// The reading window's cue choices, "● 左边", "○ 蓝色", and their names for a screen reader.
QString gapOption(model::Side s, bool chosen);
QString bodyOption(model::BodyColour b, bool chosen);
QString gapOptionName(model::Side s, bool chosen);
QString bodyOptionName(model::BodyColour b, bool chosen);
// The terminal's refusals of a --gap or --body it does not know.
QString gapNameRefusal(const QString& typed);
QString bodyNameRefusal(const QString& typed);
// "米色", "蓝色", "绿色", "其他颜色".
QString bodyColourText(model::BodyColour b);
// "数字环", "倍率环", "误差环", "温度系数环".
QString bandRoleName(model::BandRole role);

// The reading window's words about the bands entered and the hand-over to the main window.
QString enterHint();
QString enteredBands(const std::vector<int>& colours);
QString tooManyBands();
QString nothingToShow(bool tooFewBands);
QString precisionStaysHere(int toleranceColour);
QString threeBandsAsFour();
QString sixthBandLeftBehind(int coefficientColour);
QString undecidedShownAs(model::Direction d);
// The hand-over of the window's suggestion: one band read as another colour.
QString misreadShownAs(int band, int seen, int shown);
// The hand-over of a chip code that gives no value, or a value no band code carries.
QString codeHasNoValue();
QString codeHasNoBands();

} // namespace zq::wording
