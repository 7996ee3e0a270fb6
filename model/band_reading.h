// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reading a real resistor as seen: the colours left to right, read both ways, with the
// readings the code rules out, which one is likely, and what a measurement says.
#include "model/colour_code.h"
#include "model/decimal.h"
#include "model/e_series.h"
#include "model/numbers.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zq::model {

enum class Direction { AsEntered, Reversed };

// "as-entered", "reversed": the names in machine-readable output.
std::string_view directionName(Direction d);
// "从左往右读", "从右往左读".
std::string_view directionText(Direction d);

struct BandReadingItem {
    Direction direction = Direction::AsEntered;
    std::vector<int> colours; // in reading order (reversed when Direction::Reversed)
    Reading reading;
    std::optional<ESeries> series; // the standard series it belongs to, for its tolerance
    bool precision = false;        // a tolerance only IEC 60062:2016 gives, or gives otherwise
    bool likely = false;           // on the likely reading alone; on none when undecided
    std::optional<bool> matches;   // with a measurement
    std::string why;               // why it is (un)likely, the precision note, the match
};

struct RuledOut {
    Direction direction = Direction::AsEntered;
    std::vector<int> colours; // in reading order
    int band = 0;             // 1-based in reading order: the first band out of place
    std::string why;
};

// One band seen as a colour easily confused with the right one.
struct BandChange {
    int band = 0; // 1 = leftmost as entered
    int from = 0, to = 0;
    Direction direction = Direction::AsEntered; // how the changed bands read
    Decimal value;
    std::string text;
};

struct BandReadings {
    std::string reason;                    // non-empty: the input cannot be read at all
    std::vector<BandReadingItem> readings; // the likely one first
    std::vector<RuledOut> ruledOut;
    std::string verdict;             // which reading is likely, and why
    std::vector<BandChange> changes; // only with a measurement that no reading matches
};

// The colours of a real resistor as seen, left to right: 3 to 6 palette indices 0..11.
BandReadings readBothWays(std::span<const int> coloursAsSeen,
                          const std::optional<Decimal>& measured = std::nullopt,
                          const DecimalFormat& fmt = {});

// The series a value is made in for a tolerance (hundredths of a per cent), or nullopt.
std::optional<ESeries> standardSeries(const Decimal& value, int tolerance);
// Whether people easily take one colour for the other (palette indices).
bool confusable(int a, int b);

} // namespace zq::model
