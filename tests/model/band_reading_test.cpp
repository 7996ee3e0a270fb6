// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a resistor as seen, both ways: which readings the code allows, real parts from
// catalogues, which reading is likely, and what a measurement explains.
#include "model/band_reading.h"
#include "model/choice.h"
#include "model/colour_finder.h"
#include "model/value_input.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <tuple>

namespace zq::model {
namespace {

using namespace palette;
using D = Direction;

Decimal ohms(const char* typed) {
    const ValueInput v = parseValue(typed);
    EXPECT_TRUE(v.ok) << typed;
    return v.ohms;
}

std::vector<int> reversed(std::vector<int> v) {
    std::reverse(v.begin(), v.end());
    return v;
}

const BandReadingItem* find(const BandReadings& r, D d) {
    for (const BandReadingItem& i : r.readings)
        if (i.direction == d) return &i;
    return nullptr;
}

// Every band allowed in its place, by the layout's roles.
bool fits(const std::vector<int>& colours) {
    const BandLayout& l = *layoutOf(int(colours.size()));
    for (std::size_t i = 0; i < colours.size(); ++i)
        if (!allowedIn(l.roles[i], colourRecord(colours[i]), true)) return false;
    return true;
}

void checkBothWays(const std::vector<int>& seen) {
    const BandReadings r = readBothWays(seen);
    ASSERT_EQ(r.problem, InputProblem::None);
    const bool palindrome = seen == reversed(seen);
    EXPECT_EQ(r.readings.size() + r.ruledOut.size(), palindrome ? 1u : 2u);
    for (const D d : {D::AsEntered, D::Reversed}) {
        if (d == D::Reversed && palindrome) continue;
        const std::vector<int> colours = d == D::Reversed ? reversed(seen) : seen;
        const BandReadingItem* item = find(r, d);
        const int digits = layoutOf(int(colours.size()))->digits;
        const bool noPart = std::all_of(colours.begin(), colours.begin() + digits,
                                        [](int c) { return c == kBlack; });
        ASSERT_EQ(item != nullptr, fits(colours) && !noPart) << ::testing::PrintToString(colours);
        if (!item) continue;
        EXPECT_EQ(item->colours, colours);
        const Reading exact = *readBands(colours, true).reading;
        EXPECT_EQ(item->reading.value, exact.value);
        EXPECT_EQ(item->reading.min, exact.min);
        EXPECT_EQ(item->reading.max, exact.max);
    }
    const auto likely = std::count_if(r.readings.begin(), r.readings.end(),
                                      [](const BandReadingItem& i) { return i.likely; });
    EXPECT_LE(likely, 1);
    if (likely == 1) {
        EXPECT_TRUE(r.readings.front().likely);
    }
    if (r.readings.size() == 2) {
        const BandReadingItem &a = r.readings[0], &b = r.readings[1];
        // No part starts with a black digit band: such a reading loses to any other.
        if (a.leadingBlack != b.leadingBlack) {
            EXPECT_TRUE(a.likely && !a.leadingBlack);
            EXPECT_EQ(r.verdict.reason, VerdictReason::LeadingBlack);
        }
        // A value off the series for its tolerance loses to one on it.
        else if (a.series.has_value() != b.series.has_value()) {
            EXPECT_TRUE(a.series && a.likely);
            EXPECT_EQ(r.verdict.reason, VerdictReason::Series);
        }
        // A decided verdict names the likely reading first; an undecided one names none.
        EXPECT_EQ(a.likely, r.verdict.reason != VerdictReason::Undecided);
    } else {
        EXPECT_EQ(r.verdict.reason, r.readings.empty() ? VerdictReason::Neither
                                    : palindrome       ? VerdictReason::Palindrome
                                                       : VerdictReason::OnlyOneWay);
    }
    for (const BandReadingItem& i : r.readings)
        EXPECT_EQ(i.leadingBlack, i.colours.front() == kBlack);
    for (const RuledOut& o : r.ruledOut) {
        EXPECT_EQ(o.colour, o.colours[std::size_t(o.band - 1)]);
        EXPECT_EQ(allowedIn(o.role, colourRecord(o.colour), true), o.rule == Rule::AllDigitsBlack);
        EXPECT_EQ(o.role, layoutOf(int(seen.size()))->roles[std::size_t(o.band - 1)]);
    }
}

TEST(BandReading, ListsExactlyTheReadingsEveryBandAllows) {
    for (int n : {3, 4}) {
        std::vector<int> seen(std::size_t(n), 0);
        for (int code = 0; code < (n == 3 ? 1728 : 20736); ++code) {
            for (int i = 0, c = code; i < n; ++i, c /= kPaintedSize)
                seen[std::size_t(i)] = c % kPaintedSize;
            checkBothWays(seen);
        }
    }
    std::mt19937 rng(60062);
    for (int n : {5, 6})
        for (int k = 0; k < 4000; ++k) {
            std::vector<int> seen;
            for (int i = 0; i < n; ++i)
                seen.push_back(int(rng() % kPaintedSize));
            checkBothWays(seen);
        }
}

TEST(BandReading, RefusesWhatIsNoResistor) {
    for (const std::vector<int>& seen :
         std::vector<std::vector<int>>{{kRed, kRed},
                                       {kRed, kRed, kRed, kRed, kRed, kRed, kRed},
                                       {kRed, kNone, kRed, kGold},
                                       {kRed, -1, kRed},
                                       {kRed, kRed, 13}}) {
        const BandReadings r = readBothWays(seen);
        EXPECT_NE(r.problem, InputProblem::None);
        EXPECT_TRUE(r.readings.empty() && r.ruledOut.empty());
    }
}

// "None" is no band: only where a band may be missing, the tolerance band of a four-band part
// at either end, which makes it the three-band part read from that end.
TEST(BandReading, NoneStandsOnlyForTheMissingToleranceBandOfFour) {
    struct Row {
        std::vector<int> seen;
        int refusedBand; // 0: read
    };
    for (const Row& row :
         {Row{{kWhite, kViolet, kBlack, kNone}, 0}, Row{{kNone, kBlack, kViolet, kWhite}, 0},
          Row{{kWhite, kNone, kBlack, kGold}, 2}, Row{{kWhite, kViolet, kNone, kGold}, 3},
          Row{{kWhite, kViolet, kNone}, 3}, Row{{kNone, kWhite, kViolet}, 1},
          Row{{kBrown, kBlack, kBlack, kRed, kNone}, 5},
          Row{{kBrown, kBlack, kBlack, kRed, kNone, kBrown}, 5}}) {
        const BandReadings r = readBothWays(row.seen);
        const auto shown = ::testing::PrintToString(row.seen);
        if (row.refusedBand) {
            EXPECT_EQ(r.problem, InputProblem::AbsentBand) << shown;
            EXPECT_EQ(r.problemBand, row.refusedBand) << shown;
            continue;
        }
        ASSERT_EQ(r.problem, InputProblem::None) << shown;
        // The same value and ±20 % as the three bands that are there, and only from that end.
        std::vector<int> three = row.seen.front() == kNone ? reversed(row.seen) : row.seen;
        three.pop_back();
        const Reading expected = *readBands(three).reading;
        ASSERT_EQ(r.readings.size(), 1u) << shown;
        EXPECT_EQ(r.readings[0].reading.value, expected.value);
        EXPECT_EQ(r.readings[0].reading.tolerance, 2000);
        EXPECT_EQ(r.readings[0].reading.max, expected.max);
        EXPECT_EQ(r.readings[0].toleranceColour, kNone);
        EXPECT_FALSE(r.readings[0].rareTolerance || r.readings[0].precision);
        ASSERT_EQ(r.ruledOut.size(), 1u);
        EXPECT_EQ(r.ruledOut[0].colour, kNone);
        EXPECT_EQ(r.ruledOut[0].rule, Rule::NoDigit);
    }
    // None at both ends: there is no end to start from.
    const BandReadings both = readBothWays(std::vector{kNone, kRed, kViolet, kNone});
    EXPECT_TRUE(both.readings.empty());
    EXPECT_EQ(both.ruledOut.size(), 2u);
    EXPECT_EQ(both.verdict.reason, VerdictReason::Neither);
}

// Parts as catalogues and textbooks print them.
struct Part {
    std::vector<int> colours;
    const char* value;
    int tolerance; // hundredths of a per cent
    bool reverseReadable;
    std::optional<D> likely;
};

void PrintTo(const Part& p, std::ostream* os) {
    for (const int c : p.colours)
        *os << colourRecord(c).english << ' ';
}

class RealParts : public testing::TestWithParam<Part> {};

TEST_P(RealParts, ReadAsPrinted) {
    const Part& p = GetParam();
    const BandReadings r = readBothWays(p.colours);
    const BandReadingItem* forward = find(r, D::AsEntered);
    ASSERT_TRUE(forward);
    EXPECT_EQ(forward->reading.value, ohms(p.value));
    EXPECT_EQ(forward->reading.tolerance, p.tolerance);
    EXPECT_EQ(find(r, D::Reversed) != nullptr, p.reverseReadable);
    const auto likely = std::find_if(r.readings.begin(), r.readings.end(),
                                     [](const BandReadingItem& i) { return i.likely; });
    EXPECT_EQ(likely == r.readings.end() ? std::nullopt : std::optional(likely->direction),
              p.likely);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, RealParts,
    testing::Values(
        Part{{kYellow, kViolet, kRed, kGold}, "4k7", 500, false, D::AsEntered},
        Part{{kBrown, kBlack, kOrange, kGold}, "10k", 500, false, D::AsEntered},
        Part{{kRed, kRed, kBrown, kGold}, "220", 500, false, D::AsEntered},
        Part{{kYellow, kViolet, kGold, kSilver}, "4R7", 1000, false, D::AsEntered},
        // 370 kΩ is no E6 value.
        Part{{kYellow, kViolet, kOrange}, "47k", 2000, true, D::AsEntered},
        // Reversed: 120 Ω ±1 %, just as standard; only a measurement tells.
        Part{{kBrown, kBlack, kBlack, kRed, kBrown}, "10k", 100, true, std::nullopt},
        // Reversed: 120 kΩ with a rare orange tolerance band.
        Part{{kOrange, kOrange, kBlack, kRed, kBrown}, "33k", 100, true, D::AsEntered},
        Part{{kGreen, kBlue, kBlack, kBlack, kBrown}, "560", 100, true, D::AsEntered},
        // Reversed: 100 Ω, an E6 value, but on a black first band no part is made with.
        Part{{kRed, kBrown, kBlack}, "21", 2000, true, D::AsEntered},
        Part{{kBlack, kBrown, kRed}, "100", 2000, true, D::Reversed},
        Part{{kBrown, kBlack, kBlack, kRed, kBrown, kBrown}, "10k", 100, false, D::AsEntered}));

TEST(BandReading, EveryE24ValueWithGoldReadsForwardAlone) {
    constexpr int kE24[] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                            33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
    for (const int v : kE24)
        for (int power = -2; power <= 6; ++power) {
            const std::vector<int> seen{*colourOfDigit(v / 10), *colourOfDigit(v % 10),
                                        *colourOfPower(power), kGold};
            const BandReadings r = readBothWays(seen);
            ASSERT_EQ(r.readings.size(), 1u);
            EXPECT_TRUE(r.readings[0].likely);
            EXPECT_EQ(r.readings[0].direction, D::AsEntered);
            EXPECT_EQ(r.readings[0].series, ESeries::E24);
            EXPECT_EQ(r.readings[0].reading.value, Decimal::of(std::uint64_t(v), power));
        }
}

// Which series a value belongs to for its tolerance, from the published series.
TEST(BandReading, KnowsTheSeriesOfEachTolerance) {
    struct Row {
        const char* value;
        int tolerance;
        std::optional<ESeries> series;
    };
    for (const Row& r : {Row{"4k7", 2000, ESeries::E6}, Row{"3k9", 2000, std::nullopt},
                         Row{"3k9", 1000, ESeries::E12}, Row{"9k1", 1000, std::nullopt},
                         Row{"9k1", 500, ESeries::E24}, Row{"4k75", 500, std::nullopt},
                         Row{"4k64", 200, ESeries::E48}, Row{"4k99", 200, std::nullopt},
                         Row{"4k99", 100, ESeries::E96}, Row{"1k1", 100, ESeries::E24},
                         Row{"1k01", 100, std::nullopt}, Row{"1k01", 10, ESeries::E192},
                         Row{"0", 500, std::nullopt}})
        EXPECT_EQ(standardSeries(ohms(r.value), r.tolerance), r.series)
            << r.value << " " << r.tolerance;
}

// A metal first band sends the reader to the other end, unless that end is metal too.
TEST(BandReading, RuledOutWaysSayWhichRuleAndWhetherToStartFromTheOtherEnd) {
    struct Row {
        std::vector<int> seen;
        D way;
        int band;
        BandRole role;
        Rule rule;
        bool otherEnd;
        BandRole farEnd;
    };
    const Row rows[] = {
        {{kYellow, kViolet, kRed, kGold},
         D::Reversed,
         1,
         BandRole::Digit,
         Rule::NoDigit,
         true,
         BandRole::Tolerance},
        {{kSilver, kRed, kRed, kYellow},
         D::AsEntered,
         1,
         BandRole::Digit,
         Rule::NoDigit,
         true,
         BandRole::Tolerance},
        // Three bands: the metal band is the multiplier at the far end.
        {{kRed, kRed, kGold},
         D::Reversed,
         1,
         BandRole::Digit,
         Rule::NoDigit,
         true,
         BandRole::Multiplier},
        // Both ends metal: neither end is the one to start from.
        {{kGold, kRed, kRed, kGold},
         D::AsEntered,
         1,
         BandRole::Digit,
         Rule::NoDigit,
         false,
         BandRole::Tolerance},
        {{kGold, kRed, kRed, kSilver},
         D::Reversed,
         1,
         BandRole::Digit,
         Rule::NoDigit,
         false,
         BandRole::Tolerance},
        // Not the first band: no advice.
        {{kBrown, kBlack, kRed, kBlack},
         D::AsEntered,
         4,
         BandRole::Tolerance,
         Rule::NotATolerance,
         false,
         BandRole::Tolerance},
        {{kRed, kGold, kRed, kRed, kBrown},
         D::AsEntered,
         2,
         BandRole::Digit,
         Rule::NoDigit,
         false,
         BandRole::Tolerance},
        {{kRed, kRed, kRed, kRed, kRed, kGold},
         D::AsEntered,
         6,
         BandRole::Coefficient,
         Rule::NoCoefficient,
         false,
         BandRole::Coefficient},
    };
    for (const Row& row : rows) {
        const BandReadings r = readBothWays(row.seen);
        const auto shown = ::testing::PrintToString(row.seen);
        const auto o = std::find_if(r.ruledOut.begin(), r.ruledOut.end(),
                                    [&](const RuledOut& x) { return x.direction == row.way; });
        ASSERT_NE(o, r.ruledOut.end()) << shown;
        EXPECT_EQ(o->band, row.band) << shown;
        EXPECT_EQ(o->role, row.role) << shown;
        EXPECT_EQ(o->rule, row.rule) << shown;
        EXPECT_EQ(o->readFromOtherEnd, row.otherEnd) << shown;
        if (row.otherEnd) {
            EXPECT_EQ(o->farEndRole, row.farEnd) << shown;
        }
    }
}

TEST(BandReading, IecOnlyTolerancesArePrecisionPartsNotErrors) {
    // IEC 60062:2016, hundredths of a per cent: orange ±0.05 %, yellow ±0.02 %, grey ±0.01 %,
    // blue ±0.25 %.
    for (const auto& [colour, iec] :
         {std::pair{kOrange, 5}, {kYellow, 2}, {kGrey, 1}, {kBlue, 25}}) {
        const BandReadings r = readBothWays(std::vector{kBrown, kBlack, kBlack, kRed, colour});
        const BandReadingItem* forward = find(r, D::AsEntered);
        ASSERT_TRUE(forward) << colour;
        EXPECT_TRUE(forward->precision);
        EXPECT_FALSE(forward->rareTolerance);
        EXPECT_EQ(forward->toleranceColour, colour);
        EXPECT_EQ(colourRecord(forward->toleranceColour).iecTolerance, iec);
    }
    // Common and rare colours the program's table and the standard agree on.
    for (const auto& [colour, rare] :
         {std::pair{kGold, false}, {kRed, false}, {kGreen, true}, {kViolet, true}}) {
        const BandReadings r = readBothWays(std::vector{kBrown, kBlack, kRed, colour});
        const BandReadingItem* forward = find(r, D::AsEntered);
        ASSERT_TRUE(forward) << colour;
        EXPECT_FALSE(forward->precision) << colour;
        EXPECT_EQ(forward->rareTolerance, rare) << colour;
    }
}

TEST(BandReading, TheToleranceRangeEndsMatchAndJustBeyondDoesNot) {
    const std::vector seen{kYellow, kViolet, kRed, kGold}; // 4.7 kΩ ±5 %: 4465 .. 4935
    for (const auto& [measured, match] : {std::pair{"4465", true},
                                          {"4935", true},
                                          {"4700", true},
                                          {"4464.9", false},
                                          {"4935.1", false}}) {
        const BandReadings r = readBothWays(seen, ohms(measured));
        EXPECT_EQ(r.readings[0].matches, match) << measured;
        EXPECT_TRUE(!match || r.changes.empty()) << measured;
    }
}

TEST(BandReading, NamesTheConfusedBandThatExplainsTheMeasurement) {
    const BandReadings r = readBothWays(std::vector{kYellow, kViolet, kBlack, kGold}, ohms("470"));
    ASSERT_EQ(r.changes.size(), 1u);
    EXPECT_EQ(r.changes[0].band, 3);
    EXPECT_EQ(r.changes[0].from, kBlack);
    EXPECT_EQ(r.changes[0].to, kBrown);
    EXPECT_EQ(r.changes[0].direction, D::AsEntered);
    EXPECT_EQ(r.changes[0].reading.value, ohms("470"));
    EXPECT_EQ(r.changes[0].reading.tolerance, 500);
}

// What a measurement adds: one reading it fits decides; fitting neither does not.
TEST(BandReading, TheMeasurementDecidesOnlyWhenItFitsOneReading) {
    struct Row {
        std::vector<int> seen;
        const char* measured;
        MeasuredOutcome outcome;
        VerdictReason reason;
        std::optional<D> likely;
    };
    const Row rows[] = {
        {{kBrown, kBlack, kBlack, kRed, kBrown},
         "9.93k",
         MeasuredOutcome::Matches,
         VerdictReason::Measurement,
         D::AsEntered},
        {{kBrown, kBlack, kBlack, kRed, kBrown},
         "119.5",
         MeasuredOutcome::Matches,
         VerdictReason::Measurement,
         D::Reversed},
        {{kBrown, kBlack, kBlack, kRed, kBrown},
         "5k",
         MeasuredOutcome::NoneMatch,
         VerdictReason::Undecided,
         std::nullopt},
        {{kYellow, kViolet, kBlack, kGold},
         "470",
         MeasuredOutcome::NoneMatchMisread,
         VerdictReason::OnlyOneWay,
         D::AsEntered},
        {{kYellow, kViolet, kRed, kGold},
         "4.7k",
         MeasuredOutcome::Matches,
         VerdictReason::OnlyOneWay,
         D::AsEntered},
        // A measurement outweighs the black first band: the part measures so.
        {{kBlack, kBrown, kRed},
         "100",
         MeasuredOutcome::Matches,
         VerdictReason::Measurement,
         D::AsEntered},
        {{kBlack, kBrown, kRed},
         "21",
         MeasuredOutcome::Matches,
         VerdictReason::Measurement,
         D::Reversed},
    };
    for (const Row& row : rows) {
        const BandReadings r = readBothWays(row.seen, ohms(row.measured));
        const auto shown = ::testing::PrintToString(row.seen) + " " + row.measured;
        EXPECT_EQ(r.measured, ohms(row.measured)) << shown;
        EXPECT_EQ(r.verdict.measured, row.outcome) << shown;
        EXPECT_EQ(r.verdict.reason, row.reason) << shown;
        const auto likely = std::find_if(r.readings.begin(), r.readings.end(),
                                         [](const BandReadingItem& i) { return i.likely; });
        EXPECT_EQ(likely == r.readings.end() ? std::nullopt : std::optional(likely->direction),
                  row.likely)
            << shown;
        EXPECT_EQ(r.changes.empty(), row.outcome != MeasuredOutcome::NoneMatchMisread) << shown;
    }
    EXPECT_EQ(readBothWays(std::vector{kRed, kRed, kRed}).verdict.measured,
              MeasuredOutcome::NotMeasured);
}

// The groups of easily confused colours, each pair within a group.
bool lookAlike(int a, int b) {
    static const std::vector<std::set<int>> kGroups{{kBrown, kRed, kOrange},
                                                    {kBlue, kViolet},
                                                    {kGrey, kWhite, kSilver},
                                                    {kGold, kYellow, kOrange},
                                                    {kBlack, kBrown}};
    return a != b && std::any_of(kGroups.begin(), kGroups.end(),
                                 [&](const std::set<int>& g) { return g.count(a) && g.count(b); });
}

TEST(BandReading, FindsEverySingleConfusionThatExplainsAMeasurement) {
    std::mt19937 rng(470);
    int explained = 0;
    for (int k = 0; k < 600; ++k) {
        std::vector<int> seen;
        for (std::size_t i = 0, n = 3 + rng() % 4; i < n; ++i)
            seen.push_back(int(rng() % kPaintedSize));
        // Measure what some reading of a look-alike set of colours says.
        std::vector<int> truth = seen;
        const std::size_t at = rng() % truth.size();
        truth[at] = int(rng() % kPaintedSize);
        const auto read = readBands(rng() % 2 ? reversed(truth) : truth, true);
        if (!read.reading) continue;
        const Decimal measured = read.reading->value;
        const BandReadings r = readBothWays(seen, measured);
        if (std::any_of(r.readings.begin(), r.readings.end(),
                        [](const BandReadingItem& i) { return *i.matches; })) {
            EXPECT_TRUE(r.changes.empty());
            continue;
        }
        std::set<std::tuple<int, int, int, D>> expected, found;
        for (std::size_t i = 0; i < seen.size(); ++i)
            for (int to = 0; to < kPaintedSize; ++to) {
                if (!lookAlike(seen[i], to)) continue;
                std::vector<int> changed = seen;
                changed[i] = to;
                for (const D d : {D::AsEntered, D::Reversed}) {
                    if (d == D::Reversed && changed == reversed(changed)) continue;
                    const auto o = readBands(d == D::Reversed ? reversed(changed) : changed, true);
                    if (o.reading && o.reading->min <= measured && measured <= o.reading->max)
                        expected.insert({int(i) + 1, seen[i], to, d});
                }
            }
        for (const BandChange& c : r.changes)
            found.insert({c.band, c.from, c.to, c.direction});
        EXPECT_EQ(found, expected) << ::testing::PrintToString(seen);
        explained += !expected.empty();
    }
    EXPECT_GT(explained, 20);
}

// A part whose digit bands are all black is no part (a jumper has one black band): that way is
// ruled out; a black first digit alone is only unlikely.
TEST(BandReadingRules, AllDigitsBlackIsRuledOutAndALeadingBlackIsNot) {
    const struct {
        std::vector<int> seen;
        bool allBlackRuledOut;
    } cases[] = {
        {{kBlack, kBlack, kRed, kBrown}, true},         {{kBlack, kBlack, kBlack}, true},
        {{kBlack, kBlack, kBlack, kRed, kBrown}, true}, {{kBlack, kBrown, kRed, kBrown}, false},
        {{kBrown, kBlack, kRed, kBrown}, false},
    };
    for (const auto& c : cases) {
        const BandReadings r = readBothWays(c.seen);
        const bool ruled = std::any_of(r.ruledOut.begin(), r.ruledOut.end(), [](const RuledOut& o) {
            return o.rule == Rule::AllDigitsBlack;
        });
        EXPECT_EQ(ruled, c.allBlackRuledOut) << c.seen.size();
        for (const BandReadingItem& i : r.readings)
            EXPECT_FALSE(i.reading.value.isZero());
    }
}

// Suggestions count bands as the changed bands read, as every other sentence does.
TEST(BandReadingRules, AMisreadBandIsCountedInReadingOrder) {
    const BandReadings r =
        readBothWays(std::vector<int>{kGold, kGold, kWhite, kBlack, kBrown}, ohms("21.582"));
    ASSERT_FALSE(r.changes.empty());
    for (const BandChange& c : r.changes) {
        const int n = 5;
        EXPECT_EQ(c.readingBand, c.direction == D::AsEntered ? c.band : n + 1 - c.band);
    }
    // Brown, typed last, is read first: red there makes 20.9 Ω.
    const auto last = std::find_if(r.changes.begin(), r.changes.end(),
                                   [](const BandChange& c) { return c.band == 5; });
    ASSERT_NE(last, r.changes.end());
    EXPECT_EQ(last->direction, D::Reversed);
    EXPECT_EQ(last->readingBand, 1);
}

// Blue is ±0.25 % as IEC 60062:2016 gives it, however the tolerance is named.
TEST(BandReadingRules, BlueIsAQuarterPerCentByNameFigureAndBand) {
    EXPECT_EQ(hundredthsOf(*readTolerance("蓝")), 25);
    EXPECT_EQ(hundredthsOf(*readTolerance("0.25%")), 25);
    EXPECT_EQ(readTolerance("0.25%")->colour, kBlue);
    EXPECT_FALSE(readTolerance("0.2%"));
    EXPECT_EQ(hundredthsOf(Tolerance(kBlue)), 25);
    EXPECT_EQ(hundredthsOf(Tolerance(kBrown)), 100);
    EXPECT_FALSE(isPrecision(Tolerance(kBlue)));
    EXPECT_TRUE(isPrecision(*readTolerance("橙")));
    const BandReadings r = readBothWays(std::vector<int>{kBrown, kBlack, kBlack, kRed, kBlue});
    const BandReadingItem* blue = find(r, D::AsEntered);
    ASSERT_NE(blue, nullptr);
    EXPECT_EQ(blue->reading.tolerance, 25);
}
} // namespace
} // namespace zq::model
