// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// From a value to the bands: the answers, the nearest makeable values, the standard series,
// and the round trip through every state the main window can reach.
#include "model/colour_finder.h"
#include "model/tick.h"
#include "model/value_input.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zq::model {
namespace {

Decimal ohms(const char* typed) {
    const ValueInput v = parseValue(typed);
    EXPECT_TRUE(v.ok) << typed << ": " << codeOf(v.refusal);
    return v.ohms;
}

// Colours by their names, as a list of bands is written: "黄 紫 红 金".
std::vector<int> colours(const std::string& names) {
    std::vector<int> out;
    std::size_t at = 0;
    while (at < names.size()) {
        const std::size_t space = std::min(names.find(' ', at), names.size());
        const auto c = colourByName(names.substr(at, space - at));
        EXPECT_TRUE(c) << names;
        out.push_back(c.value_or(-1));
        at = space + 1;
    }
    return out;
}

std::vector<NoteCode> codes(const Finding& f) {
    std::vector<NoteCode> out;
    for (const Note& n : f.notes)
        out.push_back(n.code);
    return out;
}

bool has(const Finding& f, NoteCode code) {
    const auto c = codes(f);
    return std::find(c.begin(), c.end(), code) != c.end();
}

struct Case {
    const char* typed;
    int bands;
    int tolerance;
    const char* names;
    const char* value; // exact ohms
    const char* min;
    const char* max;
    bool exact;
};

// Stable test names: what was asked, not the bytes of the struct.
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.typed << " on " << c.bands << " bands, tolerance " << c.tolerance;
}

class Answers : public testing::TestWithParam<Case> {};

TEST_P(Answers, GiveTheColoursTheirValueAndBounds) {
    const Case& c = GetParam();
    const Finding f = findColours(ohms(c.typed), c.bands, c.tolerance);
    ASSERT_EQ(f.refusal, FindingRefusal::None);
    ASSERT_TRUE(f.answer);
    const ColourAnswer& a = *f.answer;
    EXPECT_EQ(bandColours(a), colours(c.names));
    EXPECT_EQ(a.value.text(), c.value);
    EXPECT_EQ(withTolerance(a.value, a.tolerance, -1).text(), c.min);
    EXPECT_EQ(withTolerance(a.value, a.tolerance, +1).text(), c.max);
    EXPECT_EQ(a.exact, c.exact);
    // The main window's table, but for blue, which is IEC 60062:2016's ±0.25 % here.
    EXPECT_EQ(a.tolerance, toleranceOf(colourRecord(c.tolerance), true));
    EXPECT_EQ(a.precision, c.tolerance == palette::kBlue);
    // Never a silent rounding: an answer that is not the typed value says so.
    EXPECT_EQ(has(f, NoteCode::Nearest) || has(f, NoteCode::NearestFiveBandsCould), !c.exact);
    EXPECT_EQ(has(f, NoteCode::Jumper), a.value.isZero());
    // No part starts with a black band; one that would on five is made with four, and says so.
    EXPECT_TRUE(a.value.isZero() || bandColours(a).front() != palette::kBlack);
    EXPECT_EQ(has(f, NoteCode::MadeAsFourBands), a.bands != c.bands);
}

INSTANTIATE_TEST_SUITE_P(
    FourAndFiveBands, Answers,
    testing::Values(
        Case{"4.7k", 4, 10, "黄 紫 红 金", "4700", "4465", "4935", true},
        Case{"4.7k", 5, 0, "黄 紫 黑 棕 棕", "4700", "4653", "4747", true},
        Case{"0.47", 4, 10, "黄 紫 银 金", "0.47", "0.4465", "0.4935", true},
        Case{"0.47", 5, 0, "黄 紫 银 棕", "0.47", "0.4653", "0.4747", true},
        Case{"4R7", 4, 11, "黄 紫 金 银", "4.7", "4.23", "5.17", true},
        Case{"1k", 4, 12, "棕 黑 红 无", "1000", "800", "1200", true},
        Case{"1k", 5, 6, "棕 黑 黑 棕 紫", "1000", "999", "1001", true},
        Case{"0.1", 4, 10, "棕 黑 银 金", "0.1", "0.095", "0.105", true},
        Case{"0.095", 4, 10, "棕 黑 银 金", "0.1", "0.095", "0.105", false},
        Case{"99G", 4, 10, "白 白 白 金", "99000000000", "94050000000", "103950000000", true},
        Case{"999G", 5, 5, "白 白 白 白 蓝", "999000000000", "996502500000", "1001497500000", true},
        Case{"0", 4, 10, "黑", "0", "0", "0", true}, Case{"0", 5, 12, "黑", "0", "0", "0", true},
        Case{"4.75k", 4, 10, "黄 灰 红 金", "4800", "4560", "5040", false},
        Case{"4.74k", 4, 10, "黄 紫 红 金", "4700", "4465", "4935", false},
        Case{"9.96k", 4, 10, "棕 黑 橙 金", "10000", "9500", "10500", false},
        Case{"0.995", 5, 0, "棕 黑 黑 银 棕", "1", "0.99", "1.01", false},
        Case{"0.994", 5, 0, "白 白 银 棕", "0.99", "0.9801", "0.9999", false},
        Case{"12345", 5, 1, "棕 红 橙 红 红", "12300", "12054", "12546", false}));

// Each note only where its condition holds: "five bands would" only when they would, the
// jumper's only for zero, none at all for a value the bands make exactly.
TEST(FindColours, NotesOnlyWhereTheyApply) {
    const struct {
        const char* typed;
        int bands;
        std::optional<NoteCode> note;
        const char* nearest;
    } cases[] = {
        {"4.75k", 4, NoteCode::NearestFiveBandsCould, "4800"},
        {"4.753k", 4, NoteCode::Nearest, "4800"},
        {"4.753k", 5, NoteCode::Nearest, "4750"},
        {"4.75k", 5, std::nullopt, ""},
        {"4.7k", 4, std::nullopt, ""},
        {"0", 4, NoteCode::Jumper, ""},
        {"0.01", 4, std::nullopt, ""},
    };
    for (const auto& c : cases) {
        const Finding f = findColours(ohms(c.typed), c.bands, defaultTolerance(c.bands));
        std::vector<Note> told;
        for (const Note& n : f.notes)
            if (n.code == NoteCode::Nearest || n.code == NoteCode::NearestFiveBandsCould ||
                n.code == NoteCode::Jumper)
                told.push_back(n);
        ASSERT_EQ(told.size(), c.note ? 1u : 0u) << c.typed << " on " << c.bands;
        if (!c.note) continue;
        EXPECT_EQ(told[0].code, *c.note) << c.typed;
        EXPECT_EQ(told[0].value, ohms(c.typed)) << c.typed;
        if (*c.note != NoteCode::Jumper) {
            EXPECT_EQ(told[0].nearest.text(), c.nearest) << c.typed;
            EXPECT_EQ(told[0].digits, c.bands - 2) << c.typed;
        }
    }
}

// A unit takes over only past a thousand of the one below, as on the main window's read-out:
// exactly 1000 stays.
TEST(WithUnit, MovesToTheNextUnitOnlyPastAThousand) {
    const struct {
        const char* ohms;
        const char* padded;
    } cases[] = {
        {"1000", "1000.00Ω"},           {"1000.01", "1.00001KΩ"},    {"1000000", "1000.00KΩ"},
        {"1000000.5", "1.0000005MΩ"},   {"1000000000", "1000.00MΩ"}, {"1000001000", "1.000001GΩ"},
        {"1000000000000", "1000.00GΩ"}, // no unit above
        {"999.99", "999.99Ω"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withUnit(ohms(c.ohms), {}), c.padded) << c.ohms;
}

struct OutOfReach {
    const char* typed;
    int bands;
    Tolerance tolerance;
    FindingRefusal refusal;
    const char* largest; // the limit named, exact ohms; "" where none is
    const char* nearest; // the nearest value named
    const char* colours; // its colours
};

void PrintTo(const OutOfReach& c, std::ostream* os) {
    *os << c.typed << " on " << c.bands << " bands, tolerance " << c.tolerance.colour
        << (c.tolerance.iec ? " (IEC)" : "");
}

class Unanswerable : public testing::TestWithParam<OutOfReach> {};

TEST_P(Unanswerable, GivesTheReasonAndNoColours) {
    const OutOfReach& c = GetParam();
    const Finding f = findColours(ohms(c.typed), c.bands, c.tolerance);
    EXPECT_EQ(f.refusal, c.refusal);
    EXPECT_FALSE(f.answer);
    EXPECT_TRUE(f.standard.empty());
    EXPECT_TRUE(f.notes.empty());
    ASSERT_EQ(f.reach.has_value(), *c.largest != '\0');
    if (!f.reach) return;
    // The smallest without a black first band: 0.1 Ω on four bands, 1 Ω on five.
    EXPECT_EQ(f.reach->smallest.text(), std::string(c.largest) == "99000000000" ? "0.1" : "1");
    EXPECT_EQ(f.reach->largest.text(), c.largest);
    EXPECT_EQ(f.reach->nearest.text(), c.nearest);
    EXPECT_EQ(f.reach->nearestBands, *c.colours ? colours(c.colours) : std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(
    LimitsAndTolerances, Unanswerable,
    testing::Values(
        OutOfReach{"100G", 4, 10, FindingRefusal::TooLarge, "99000000000", "99000000000",
                   "白 白 白 金"},
        OutOfReach{"99.5G", 4, 12, FindingRefusal::TooLarge, "99000000000", "99000000000",
                   "白 白 白 无"},
        OutOfReach{"1000G", 5, 0, FindingRefusal::TooLarge, "999000000000", "999000000000",
                   "白 白 白 白 棕"},
        OutOfReach{"0.0949", 4, 10, FindingRefusal::TooSmall, "99000000000", "0.1", "棕 黑 银 金"},
        OutOfReach{"0.0949", 5, 0, FindingRefusal::TooSmall, "99000000000", "0.1", "棕 黑 银 棕"},
        OutOfReach{"0.05", 4, 10, FindingRefusal::TooSmall, "99000000000", "0.1", "棕 黑 银 金"},
        OutOfReach{"0.0499", 4, 10, FindingRefusal::TooSmallJumperNearer, "99000000000", "0", ""},
        OutOfReach{"4.7k", 4, 8, FindingRefusal::NotAToleranceColour, "", "", ""},
        OutOfReach{"4.7k", 5, 9, FindingRefusal::NotAToleranceColour, "", "", ""},
        // The precision colours only as IEC 60062:2016 gives them; white has no figure at all.
        OutOfReach{"4.7k", 4, 2, FindingRefusal::NotAToleranceColour, "", "", ""},
        OutOfReach{"4.7k", 4, Tolerance(8, true), FindingRefusal::NotAToleranceColour, "", "", ""},
        // Without its fifth band, 红 黑 黑 红 reads as the four-band 20 Ω ±2 %.
        OutOfReach{"20k", 5, 12, FindingRefusal::FiveBandsWithoutBand5, "", "", ""},
        OutOfReach{"4.7k", 3, 10, FindingRefusal::BandCount, "", "", ""},
        OutOfReach{"4.7k", 4, 13, FindingRefusal::NoSuchColour, "", "", ""},
        OutOfReach{"4.7k", 4, -1, FindingRefusal::NoSuchColour, "", "", ""}));

// The other side of the five-band refusal: four bands take ±20 %, five bands every other
// tolerance, and a jumper has no tolerance band to leave off.
TEST(FindColours, FiveBandsRefuseOnlyTheMissingFifthBand) {
    EXPECT_TRUE(findColours(ohms("20k"), 4, kNoneIndex).answer);
    for (const int t : kTolerancePalette)
        EXPECT_EQ(findColours(ohms("20k"), 5, t).answer.has_value(), t != kNoneIndex) << t;
    EXPECT_TRUE(findColours(ohms("0"), 5, kNoneIndex).answer);
}

// The precision tolerances of IEC 60062:2016, against the figures it gives them.
TEST(FindColours, PrecisionTolerancesAreAnsweredWithTheirNote) {
    const struct {
        Tolerance tolerance;
        int hundredths;
    } cases[] = {{{palette::kOrange, true}, 5},
                 {{palette::kYellow, true}, 2},
                 {{palette::kGrey, true}, 1},
                 {{palette::kBlue, true}, 25}};
    for (const auto& c : cases)
        for (const int bands : {4, 5}) {
            const Finding f = findColours(ohms("4.7k"), bands, c.tolerance);
            ASSERT_TRUE(f.answer) << c.tolerance.colour;
            EXPECT_EQ(f.answer->palette[4], c.tolerance.colour);
            EXPECT_EQ(f.answer->tolerance, c.hundredths);
            EXPECT_TRUE(f.answer->precision);
            // Blue has a chip of its own; the others have none.
            EXPECT_EQ(isPrecision(c.tolerance), c.tolerance.colour != palette::kBlue);
            ASSERT_TRUE(has(f, NoteCode::Precision)) << c.tolerance.colour;
            // Tighter than ±0.1 %: the E192 series.
            ASSERT_FALSE(f.standard.empty());
            EXPECT_EQ(f.standard[0].member, std::vector<ESeries>{ESeries::E192});
        }
    // The other side: the program's own figures are no precision tolerance; blue's chip stands
    // for ±0.25 % too, with its note.
    for (const int t : kTolerancePalette) {
        const Finding f = findColours(ohms("4.7k"), 4, t);
        EXPECT_EQ(f.answer->precision, t == palette::kBlue) << t;
        EXPECT_EQ(has(f, NoteCode::Precision), t == palette::kBlue) << t;
    }
    EXPECT_FALSE(isPrecision(Tolerance(palette::kBrown, true))) << "the same figure both ways";
    EXPECT_FALSE(
        has(findColours(ohms("0"), 4, Tolerance(palette::kGrey, true)), NoteCode::Precision))
        << "a jumper has no tolerance band";
}

// ---- the standard series --------------------------------------------------------------------

TEST(ESeries, HaveTheirPublishedSizesAndNestInOneAnother) {
    const ESeries all[] = {ESeries::E6,  ESeries::E12, ESeries::E24,
                           ESeries::E48, ESeries::E96, ESeries::E192};
    const std::size_t sizes[] = {6, 12, 24, 48, 96, 192};
    for (std::size_t i = 0; i < 6; ++i) {
        const auto m = seriesMembers(all[i]);
        EXPECT_EQ(m.size(), sizes[i]) << seriesName(all[i]);
        EXPECT_TRUE(std::is_sorted(m.begin(), m.end())) << seriesName(all[i]);
        EXPECT_EQ(m.front(), i < 3 ? 10 : 100);
        // Each coarser series is every second member of the next finer one (E24 and E48 are
        // of different families).
        if (i == 2 || i == 5) continue;
        const auto finer = seriesMembers(all[i + 1]);
        for (std::size_t k = 0; k < m.size(); ++k)
            EXPECT_EQ(m[k], finer[2 * k]) << seriesName(all[i]) << " member " << k;
    }
}

TEST(ESeries, KeepTheHistoricMembers) {
    const auto e24 = seriesMembers(ESeries::E24);
    for (const int historic : {27, 30, 33, 36, 39, 43, 47, 82})
        EXPECT_NE(std::find(e24.begin(), e24.end(), historic), e24.end()) << historic;
    const auto e192 = seriesMembers(ESeries::E192);
    EXPECT_NE(std::find(e192.begin(), e192.end(), 920), e192.end());
}

struct Nearest {
    ESeries series;
    const char* typed;
    std::vector<const char*> members;
};

void PrintTo(const Nearest& n, std::ostream* os) {
    *os << seriesName(n.series) << " near " << n.typed;
}

class NearestMembers : public testing::TestWithParam<Nearest> {};

TEST_P(NearestMembers, AreTheNeighboursAcrossDecadeEdges) {
    std::vector<std::string> got;
    for (const Decimal& d : nearestMembers(GetParam().series, ohms(GetParam().typed)))
        got.push_back(d.text());
    EXPECT_EQ(got, std::vector<std::string>(GetParam().members.begin(), GetParam().members.end()));
}

INSTANTIATE_TEST_SUITE_P(
    DecadeEdges, NearestMembers,
    testing::Values(
        Nearest{ESeries::E24, "9.9k", {"9100", "10000"}}, Nearest{ESeries::E24, "10k", {"10000"}},
        Nearest{ESeries::E24, "10.1k", {"10000", "11000"}},
        Nearest{ESeries::E6, "4.6k", {"3300", "4700"}}, Nearest{ESeries::E12, "8.3", {"8.2", "10"}},
        Nearest{ESeries::E24, "0.01", {"0.01"}}, Nearest{ESeries::E96, "9.8k", {"9760", "10000"}},
        Nearest{ESeries::E192, "999G", {"988000000000", "1000000000000"}},
        Nearest{ESeries::E192, "0.0101", {"0.0101"}}));

struct Listed {
    const char* typed;
    int bands;
    int tolerance;
    std::vector<NoteCode> notes;
    std::vector<std::string> standard; // "value series error", a star where not makeable
};

void PrintTo(const Listed& c, std::ostream* os) {
    *os << c.typed << " on " << c.bands << " bands, tolerance " << c.tolerance;
}

class StandardValues : public testing::TestWithParam<Listed> {};

TEST_P(StandardValues, SayWhetherTheValueIsOneAndWhichTheBandsMake) {
    const Listed& c = GetParam();
    const Finding f = findColours(ohms(c.typed), c.bands, c.tolerance);
    std::vector<std::string> got;
    for (const StandardValue& v : f.standard) {
        std::string series;
        for (const ESeries s : v.member)
            series += std::string(series.empty() ? "" : "/") + std::string(seriesName(s));
        got.push_back(v.value.text() + " " + series + " " + errorPercent(v.change) +
                      (v.makeable ? "" : "*"));
    }
    EXPECT_EQ(codes(f), c.notes);
    EXPECT_EQ(got, c.standard);
    // The notes name what the list holds: the member itself, or the chosen series, and each
    // neighbour the bands cannot make.
    std::vector<Decimal> unmakeable;
    for (const StandardValue& v : f.standard)
        if (!v.makeable) unmakeable.push_back(v.value);
    for (const Note& n : f.notes) {
        if (n.code == NoteCode::StandardMember || n.code == NoteCode::StandardMemberUnmakeable) {
            EXPECT_EQ(n.series, f.standard.at(0).member);
        }
        if (n.code == NoteCode::NotStandard) {
            EXPECT_EQ(n.series, seriesForTolerance(colourRecord(c.tolerance).tolerance));
        }
        if (n.code == NoteCode::UnmakeableNeighbours) {
            std::vector<Decimal> named;
            for (const StandardValue& v : n.neighbours)
                named.push_back(v.value);
            EXPECT_EQ(named, unmakeable);
        }
    }
}

using N = NoteCode;
INSTANTIATE_TEST_SUITE_P(
    ByTolerance, StandardValues,
    testing::Values(
        Listed{"4.7k", 5, kBrownIndex, {N::StandardMember}, {"4700 E24 0.00"}},
        Listed{"10k", 5, kBrownIndex, {N::StandardMember}, {"10000 E24/E96 0.00"}},
        Listed{"4.7k", 4, kNoneIndex, {N::StandardMember}, {"4700 E6 0.00"}},
        Listed{"4.5k", 4, kGoldIndex, {N::NotStandard}, {"4300 E24 -4.44", "4700 E24 4.44"}},
        Listed{"4.5k", 4, palette::kSilver, {N::NotStandard}, {"3900 E12 -13.33", "4700 E12 4.44"}},
        Listed{"4.8k",
               5,
               palette::kRed,
               {N::NotStandard},
               {"4640 E48 -3.33", "4700 E24 -2.08", "4870 E48 1.46", "5100 E24 6.25"}},
        // Four bands cannot make the E48 neighbours: named, and listed as not makeable.
        Listed{"4.8k",
               4,
               palette::kRed,
               {N::NotStandard, N::UnmakeableNeighbours},
               {"4640 E48 -3.33*", "4700 E24 -2.08", "4870 E48 1.46*", "5100 E24 6.25"}},
        Listed{"9.9k", 4, kGoldIndex, {N::NotStandard}, {"9100 E24 -8.08", "10000 E24 1.01"}},
        Listed{"3.2", 4, kGoldIndex, {N::NotStandard}, {"3 E24 -6.25", "3.3 E24 3.13"}},
        Listed{"32k", 4, kGoldIndex, {N::NotStandard}, {"30000 E24 -6.25", "33000 E24 3.13"}},
        Listed{"99G",
               4,
               kGoldIndex,
               {N::NotStandard, N::UnmakeableNeighbours},
               {"91000000000 E24 -8.08", "100000000000 E24 1.01*"}},
        Listed{"999G",
               5,
               palette::kViolet,
               {N::NotStandard, N::UnmakeableNeighbours},
               {"988000000000 E192 -1.10", "1000000000000 E192 0.10*"}},
        // Below the smallest value the bands carry, the neighbours would start with black.
        Listed{"0.096", 4, kGoldIndex, {N::Nearest, N::NotStandard, N::UnmakeableNeighbours},
               {"0.091 E24 -5.21*", "0.1 E24 4.17"}},
        Listed{"0.995", 5, kBrownIndex, {N::Nearest, N::NotStandard, N::UnmakeableNeighbours},
               {"0.91 E24 -8.54*", "0.976 E96 -1.91*", "1 E24/E96 0.50"}},
        Listed{"0.47", 4, kGoldIndex, {N::StandardMember}, {"0.47 E24 0.00"}},
        Listed{"0", 4, kGoldIndex, {N::Jumper}, {}}));

TEST(StandardValues, DifferenceIsExactAndRoundsHalfAwayFromZero) {
    // Below half a hundredth: two significant digits, halves up; only a match has none.
    struct {
        const char* from;
        const char* to;
        std::int64_t hundredths;
        const char* percent;
    } const cases[] = {
        {"3.2", "3.3", 313, "3.13"}, {"32000", "33000", 313, "3.13"}, {"3", "4", 3333, "33.33"},
        {"3", "2", -3333, "-33.33"}, {"2", "1.9999", -1, "-0.01"}, {"2", "2.0001", 1, "0.01"},
        {"2", "1.99990000000000000000000001", 0, "-0.005"}, {"5", "5", 0, "0.00"},
        {"20000000000000000000000000000", "19999000000000000000000000001", 0, "-0.005"},
        {"100.0001", "100", 0, "-0.0001"}, {"1", "1.0000000365", 0, "0.0000037"},
        {"1", "1.0000000364999", 0, "0.0000036"}, {"7", "0", -10000, "-100.00"}};
    for (const auto& c : cases) {
        const Change change = changeBetween(ohms(c.from), ohms(c.to));
        EXPECT_EQ(change.hundredths, c.hundredths) << c.from << " -> " << c.to;
        EXPECT_EQ(errorPercent(change), c.percent) << c.from << " -> " << c.to;
    }
    const Finding f = findColours(ohms("32k"), 4, kGoldIndex);
    ASSERT_EQ(f.standard.size(), 2u);
    EXPECT_EQ(errorPercent(f.standard[0].change), "-6.25");
    EXPECT_EQ(errorPercent(f.standard[1].change), "3.13");
}

// Over every member of every series in two decades, the values just beside each, and each
// tolerance colour on both kinds of resistor: a member is named for exactly the chosen series
// that hold it; anything else gets exactly the nearest member on each side of each series,
// found here by brute force.
TEST(StandardValues, AreTheMemberItselfOrTheNearestOnEachSide) {
    const std::vector<std::pair<int, std::vector<ESeries>>> chosen{
        {kNoneIndex, {ESeries::E6}},
        {palette::kSilver, {ESeries::E12}},
        {kGoldIndex, {ESeries::E24}},
        {palette::kRed, {ESeries::E24, ESeries::E48}},
        {kBrownIndex, {ESeries::E24, ESeries::E96}},
        {palette::kGreen, {ESeries::E192}},
        {palette::kBlue, {ESeries::E192}},
        {palette::kViolet, {ESeries::E192}}};
    const ESeries all[] = {ESeries::E6,  ESeries::E12, ESeries::E24,
                           ESeries::E48, ESeries::E96, ESeries::E192};
    auto membersNear = [](ESeries s, int decade) {
        std::vector<Decimal> out;
        for (int d = decade - 1; d <= decade + 1; ++d)
            for (const int m : seriesMembers(s))
                out.push_back(Decimal::of(std::uint64_t(m), d - (m >= 100 ? 2 : 1)));
        return out;
    };
    std::vector<Decimal> values;
    for (const ESeries s : all)
        for (const int m : seriesMembers(s))
            for (const int decade : {2, 3})
                for (const char* after : {"", "5", "01"}) {
                    const std::string digits = std::to_string(m) + after;
                    values.push_back(
                        Decimal::fromParts(digits.substr(0, 1), digits.substr(1), decade));
                }
    ASSERT_EQ(values.size(), 378u * 2 * 3);

    for (const auto& [tolerance, series] : chosen) {
        ASSERT_EQ(seriesForTolerance(colourRecord(tolerance).tolerance), series);
        for (const Decimal& v : values) {
            std::vector<std::pair<Decimal, ESeries>> expected;
            std::vector<ESeries> memberOf;
            for (const ESeries s : series) {
                const std::vector<Decimal> near = membersNear(s, v.decade());
                if (std::find(near.begin(), near.end(), v) != near.end()) memberOf.push_back(s);
                Decimal below, above = near.back();
                for (const Decimal& m : near) {
                    if (m < v && below < m) below = m;
                    if (m > v && m < above) above = m;
                }
                expected.push_back({below, s});
                expected.push_back({above, s});
            }
            if (!memberOf.empty()) {
                expected.clear();
                for (const ESeries s : memberOf)
                    expected.push_back({v, s});
            }
            std::sort(expected.begin(), expected.end());
            for (const int bands : {4, 5}) {
                if (bands == 5 && tolerance == kNoneIndex) continue; // refused: no fifth band
                const Finding f = findColours(v, bands, tolerance);
                std::vector<std::pair<Decimal, ESeries>> got;
                for (const StandardValue& sv : f.standard) {
                    EXPECT_EQ(sv.makeable, makeable(sv.value, bands)) << sv.value.text();
                    // The sign follows the side; the figure rounds to 0 only very near.
                    EXPECT_TRUE(sv.value < v ? sv.change.hundredths <= 0 : sv.change.hundredths >= 0);
                    if (sv.value == v) {
                        EXPECT_EQ(sv.change.hundredths, 0);
                    }
                    for (const ESeries s : sv.member)
                        got.push_back({sv.value, s});
                }
                std::sort(got.begin(), got.end());
                ASSERT_EQ(got, expected)
                    << v.text() << " tolerance " << tolerance << " on " << bands << " bands";
                EXPECT_EQ(has(f, NoteCode::StandardMember) ||
                              has(f, NoteCode::StandardMemberUnmakeable),
                          !memberOf.empty());
                EXPECT_EQ(has(f, NoteCode::NotStandard), memberOf.empty());
            }
        }
    }
}

// ---- back to the main window ----------------------------------------------------------------

TEST(ChoicesFor, ReachTheAnswerWithoutARefusalFromEveryKindOfState) {
    // Four-band with a gold or silver band 3 refuses band 4, five-band refuses gold and silver
    // on band 3: the order of the clicks must step round both.
    const std::array<std::array<std::uint8_t, 5>, 4> starts{
        {{1, 4, 3, 1, 10}, {3, 6, 10, 12, 10}, {3, 6, 11, 12, 12}, {9, 9, 9, 8, 5}}};
    for (const char* typed : {"4.7", "0.47", "4.7k", "470k", "99G", "0", "0.1"})
        for (const int bands : {4, 5})
            for (const int tolerance : kTolerancePalette) {
                const Finding f = findColours(ohms(typed), bands, tolerance);
                if (bands == 5 && tolerance == kNoneIndex && std::string(typed) != "0") {
                    EXPECT_FALSE(f.answer) << typed;
                    continue;
                }
                ASSERT_TRUE(f.answer) << typed;
                for (const auto& chips : starts) {
                    BandState s = test::stateWith(chips, 1);
                    for (const auto& [band, colour] : choicesFor(*f.answer))
                        for (const Effect& e : test::click(s, band, colour))
                            EXPECT_NE(e.kind, Effect::Kind::Warn)
                                << typed << " band " << band << ": " << e.text;
                    for (std::size_t i = 0; i < 5; ++i)
                        EXPECT_EQ(s.BandColour[i], f.answer->palette[i]) << typed;
                    EXPECT_EQ(invariantViolation(s), "");
                }
            }
}

TEST(RoundTrip, EveryReachableStateGivesBackColoursThatShowTheSameText) {
    // Every chip combination the invariants allow, which the walk of the reachable states
    // shows to be exactly the reachable ones.
    const DecimalFormat dot, comma{","};
    const std::string prefix = "等于： ";
    int checked = 0;
    for (int b3 = 0; b3 <= palette::kSilver; ++b3)
        for (int b4 = 0; b4 <= palette::kNone; ++b4) {
            const bool four = b4 == palette::kNone;
            if (!four && (b3 == palette::kGold || b3 == palette::kSilver)) continue;
            for (int b1 = 0; b1 <= palette::kBlack; ++b1)
                for (int b2 = 0; b2 <= palette::kBlack; ++b2)
                    for (const int tolerance : kTolerancePalette) {
                        const std::uint8_t b5 = std::uint8_t(tolerance);
                        const BandState s =
                            test::stateWith({std::uint8_t(b1), std::uint8_t(b2), std::uint8_t(b3),
                                             std::uint8_t(b4), b5},
                                            1);
                        for (const DecimalFormat* fmt : {&dot, &comma}) {
                            if (fmt == &comma && b1 != palette::kRed)
                                continue; // a sample is enough
                            const std::string shown = prefix + withUnit(tick(s).ohms, *fmt);
                            const ValueInput typed =
                                parseValue(shown.substr(prefix.size()), fmt->point);
                            ASSERT_TRUE(typed.ok) << shown << ": " << codeOf(typed.refusal);
                            const Finding f = findColours(typed.ohms, four ? 4 : 5, tolerance);
                            // A five-band part with no fifth band would be read as four.
                            if (!four && tolerance == kNoneIndex && !typed.ohms.isZero()) {
                                ASSERT_EQ(f.refusal, FindingRefusal::FiveBandsWithoutBand5);
                                ++checked;
                                continue;
                            }
                            // A black first band carries what no part is made with.
                            if (f.reach && typed.ohms < Decimal::of(1, -1) &&
                                b1 == palette::kBlack) {
                                ++checked;
                                continue;
                            }
                            ASSERT_TRUE(f.answer) << shown << ": " << codeOf(f.refusal);
                            ASSERT_TRUE(f.answer->exact) << shown;
                            // The same value as the main window writes it.
                            ASSERT_EQ(prefix + withUnit(f.answer->value, *fmt), shown);
                            ASSERT_EQ(f.answer->palette[4], b5);
                            ++checked;
                        }
                    }
        }
    // Five-band and four-band combinations with ".", and a tenth of each again with ",".
    EXPECT_EQ(checked, 96000 + 9600 + 9600 + 960);
}

} // namespace
} // namespace zq::model
