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
    EXPECT_TRUE(v.ok) << typed << ": " << v.reason;
    return v.ohms;
}

struct Case {
    const char* typed;
    int bands;
    int tolerance;
    const char* names;
    const char* shown;
    const char* range;
    bool exact;
};

// Stable test names: what was asked, not the bytes of the struct.
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.typed << " on " << c.bands << " bands, tolerance " << c.tolerance;
}

class Answers : public testing::TestWithParam<Case> {};

TEST_P(Answers, NameShowAndBoundTheColours) {
    const Case& c = GetParam();
    const Finding f = findColours(ohms(c.typed), c.bands, c.tolerance);
    ASSERT_EQ(f.reason, "");
    ASSERT_TRUE(f.answer);
    EXPECT_EQ(colourNames(*f.answer), c.names);
    EXPECT_EQ(shownValue(*f.answer, {}), c.shown);
    EXPECT_EQ(rangeText(*f.answer, {}), c.range);
    EXPECT_EQ(f.answer->exact, c.exact);
    // Never a silent rounding: an answer that is not the typed value says so.
    EXPECT_EQ(f.note.empty(), c.exact && std::string(c.typed) != "0");
    EXPECT_EQ(invariantViolation(stateOf(*f.answer)), "");
}

INSTANTIATE_TEST_SUITE_P(
    FourAndFiveBands, Answers,
    testing::Values(
        Case{"4.7k", 4, 10, "黄 紫 红 金", "等于： 4.70KΩ", "4.465KΩ ～ 4.935KΩ", true},
        Case{"4.7k", 5, 0, "黄 紫 黑 棕 棕", "等于： 4.70KΩ", "4.653KΩ ～ 4.747KΩ", true},
        Case{"0.47", 4, 10, "黄 紫 银 金", "等于： 0.47Ω", "0.4465Ω ～ 0.4935Ω", true},
        Case{"0.47", 5, 0, "黑 黄 紫 银 棕", "等于： 0.47Ω", "0.4653Ω ～ 0.4747Ω", true},
        Case{"4R7", 4, 11, "黄 紫 金 银", "等于： 4.70Ω", "4.23Ω ～ 5.17Ω", true},
        Case{"1k", 4, 12, "棕 黑 红 无", "等于： 1000.00Ω", "800.00Ω ～ 1.20KΩ", true},
        Case{"1k", 5, 6, "棕 黑 黑 棕 紫", "等于： 1000.00Ω", "999.00Ω ～ 1.001KΩ", true},
        Case{"0.01", 4, 10, "黑 棕 银 金", "等于： 0.01Ω", "0.0095Ω ～ 0.0105Ω", true},
        Case{"99G", 4, 10, "白 白 白 金", "等于： 99.00GΩ", "94.05GΩ ～ 103.95GΩ", true},
        Case{"999G", 5, 5, "白 白 白 白 蓝", "等于： 999.00GΩ", "997.002GΩ ～ 1000.998GΩ", true},
        Case{"0", 4, 10, "黑", "等于： 0.00Ω", "0.00Ω（跳线，没有误差环）", true},
        Case{"4.75k", 4, 10, "黄 灰 红 金", "等于： 4.80KΩ", "4.56KΩ ～ 5.04KΩ", false},
        Case{"4.74k", 4, 10, "黄 紫 红 金", "等于： 4.70KΩ", "4.465KΩ ～ 4.935KΩ", false},
        Case{"9.96k", 4, 10, "棕 黑 橙 金", "等于： 10.00KΩ", "9.50KΩ ～ 10.50KΩ", false},
        Case{"0.014", 5, 0, "黑 黑 棕 银 棕", "等于： 0.01Ω", "0.0099Ω ～ 0.0101Ω", false},
        Case{"12345", 5, 1, "棕 红 橙 红 红", "等于： 12.30KΩ", "12.054KΩ ～ 12.546KΩ", false}));

TEST(FindColours, RoundingSaysWhatItMadeAndWhetherFiveBandsWould) {
    const Finding four = findColours(ohms("4.75k"), 4, kGoldIndex);
    EXPECT_EQ(four.note,
              "四环电阻只有两位有效数字，做不出 4.75KΩ，最接近的是 4.80KΩ；五环能做出。");
    const Finding five = findColours(ohms("4.753k"), 5, kBrownIndex);
    EXPECT_EQ(five.note, "五环电阻只有三位有效数字，做不出 4.753KΩ，最接近的是 4.75KΩ。");
}

// Each note only where its condition holds: "five bands would" only when they would, the
// jumper's only for zero, none at all for a value the bands make exactly.
TEST(FindColours, NotesOnlyWhereTheyApply) {
    const struct {
        const char* typed;
        int bands;
        const char* note;
    } cases[] = {
        {"4.75k", 4, "四环电阻只有两位有效数字，做不出 4.75KΩ，最接近的是 4.80KΩ；五环能做出。"},
        {"4.753k", 4, "四环电阻只有两位有效数字，做不出 4.753KΩ，最接近的是 4.80KΩ。"},
        {"4.75k", 5, ""},
        {"4.7k", 4, ""},
        {"0", 4, "0Ω 是跳线电阻，实物上只有一条黑色环。"},
        {"0.01", 4, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findColours(ohms(c.typed), c.bands, defaultTolerance(c.bands)).note, c.note)
            << c.typed << " on " << c.bands;
}

// A unit takes over only past a thousand of the one below, as on the main window's read-out:
// exactly 1000 stays.
TEST(WithUnit, MovesToTheNextUnitOnlyPastAThousand) {
    const struct {
        const char* ohms;
        const char* padded;
        const char* plain;
    } cases[] = {
        {"1000", "1000.00Ω", "1000Ω"},
        {"1000.01", "1.00001KΩ", "1.00001KΩ"},
        {"1000000", "1000.00KΩ", "1000KΩ"},
        {"1000000.5", "1.0000005MΩ", "1.0000005MΩ"},
        {"1000000000", "1000.00MΩ", "1000MΩ"},
        {"1000001000", "1.000001GΩ", "1.000001GΩ"},
        {"1000000000000", "1000.00GΩ", "1000GΩ"}, // no unit above
        {"999.99", "999.99Ω", "999.99Ω"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(withUnit(ohms(c.ohms), {}), c.padded) << c.ohms;
        EXPECT_EQ(plainWithUnit(ohms(c.ohms), {}), c.plain) << c.ohms;
    }
}

struct OutOfReach {
    const char* typed;
    int bands;
    int tolerance;
    const char* reason;
};

void PrintTo(const OutOfReach& c, std::ostream* os) {
    *os << c.typed << " on " << c.bands << " bands, tolerance " << c.tolerance;
}

class Unanswerable : public testing::TestWithParam<OutOfReach> {};

TEST_P(Unanswerable, GivesTheReasonAndNoColours) {
    const OutOfReach& c = GetParam();
    const Finding f = findColours(ohms(c.typed), c.bands, c.tolerance);
    EXPECT_EQ(f.reason, c.reason);
    EXPECT_FALSE(f.answer);
    EXPECT_TRUE(f.standard.empty());
}

INSTANTIATE_TEST_SUITE_P(
    LimitsAndTolerances, Unanswerable,
    testing::Values(
        OutOfReach{"100G", 4, 10,
                   "阻值太大了：四环电阻能做 0.01Ω～99.00GΩ，最接近的 99.00GΩ 是 白 白 白 金。"},
        OutOfReach{"99.5G", 4, 12,
                   "阻值太大了：四环电阻能做 0.01Ω～99.00GΩ，最接近的 99.00GΩ 是 白 白 白 无。"},
        OutOfReach{
            "1000G", 5, 0,
            "阻值太大了：五环电阻能做 0.01Ω～999.00GΩ，最接近的 999.00GΩ 是 白 白 白 白 棕。"},
        OutOfReach{"0.009", 4, 10,
                   "阻值太小了：四环电阻能做 0.01Ω～99.00GΩ，最接近的 0.01Ω 是 黑 棕 银 金。"},
        OutOfReach{"0.0099", 5, 0,
                   "阻值太小了：五环电阻能做 0.01Ω～999.00GΩ，最接近的 0.01Ω 是 黑 黑 棕 银 棕。"},
        OutOfReach{"0.005", 4, 10,
                   "阻值太小了：四环电阻能做 0.01Ω～99.00GΩ，最接近的 0.01Ω 是 黑 棕 银 金。"},
        OutOfReach{
            "0.0049", 4, 10,
            "阻值太小了：四环电阻能做 0.01Ω～99.00GΩ，最接近的是 0Ω 跳线电阻，只有一条黑色环。"},
        OutOfReach{"4.7k", 4, 2,
                   "误差环没有橙色，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！"},
        OutOfReach{"4.7k", 5, 9,
                   "误差环没有黑色，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！"},
        OutOfReach{"4.7k", 3, 10, "色环电阻只有四环和五环两种。"},
        OutOfReach{"4.7k", 4, 13, "没有这种颜色。"}));

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
    const char* note;
    std::vector<std::string> standard; // "value series error"
};

void PrintTo(const Listed& c, std::ostream* os) {
    *os << c.typed << " on " << c.bands << " bands, tolerance " << c.tolerance;
}

class StandardValues : public testing::TestWithParam<Listed> {};

TEST_P(StandardValues, SayWhetherTheValueIsOneAndListOnlyTheMakeableNeighbours) {
    const Listed& c = GetParam();
    const Finding f = findColours(ohms(c.typed), c.bands, c.tolerance);
    std::vector<std::string> got;
    for (const StandardValue& v : f.standard) {
        std::string series;
        for (const ESeries s : v.series)
            series += std::string(series.empty() ? "" : "/") + std::string(seriesName(s));
        got.push_back(v.value.text() + " " + series + " " + percentText(v, {}));
        EXPECT_EQ(percentText(v, {}), percentText(v.percent, {}));
    }
    EXPECT_EQ(f.standardNote, c.note);
    EXPECT_EQ(got, c.standard);
}

INSTANTIATE_TEST_SUITE_P(
    ByTolerance, StandardValues,
    testing::Values(
        Listed{"4.7k", 5, kBrownIndex, "4.7KΩ 是 E24 标准值。", {"4700 E24 0.00%"}},
        Listed{"10k", 5, kBrownIndex, "10KΩ 是 E24、E96 标准值。", {"10000 E24/E96 0.00%"}},
        Listed{"4.7k", 4, kNoneIndex, "4.7KΩ 是 E6 标准值。", {"4700 E6 0.00%"}},
        Listed{"4.5k",
               4,
               kGoldIndex,
               "4.5KΩ 不是 E24 标准值。",
               {"4300 E24 -4.44%", "4700 E24 +4.44%"}},
        Listed{"4.5k",
               4,
               palette::kSilver,
               "4.5KΩ 不是 E12 标准值。",
               {"3900 E12 -13.33%", "4700 E12 +4.44%"}},
        Listed{"4.8k",
               5,
               palette::kRed,
               "4.8KΩ 不是 E24、E48 标准值。",
               {"4640 E48 -3.33%", "4700 E24 -2.08%", "4870 E48 +1.46%", "5100 E24 +6.25%"}},
        Listed{"9.9k",
               4,
               kGoldIndex,
               "9.9KΩ 不是 E24 标准值。",
               {"9100 E24 -8.08%", "10000 E24 +1.01%"}},
        Listed{"3.2", 4, kGoldIndex, "3.2Ω 不是 E24 标准值。", {"3 E24 -6.25%", "3.3 E24 +3.13%"}},
        Listed{"32k",
               4,
               kGoldIndex,
               "32KΩ 不是 E24 标准值。",
               {"30000 E24 -6.25%", "33000 E24 +3.13%"}},
        // Neighbours the bands cannot make are named, not listed, and not replaced.
        Listed{"99G",
               4,
               kGoldIndex,
               "99GΩ 不是 E24 标准值。四环电阻做不出相邻的标准值 100GΩ（E24）。",
               {"91000000000 E24 -8.08%"}},
        Listed{"999G",
               5,
               palette::kViolet,
               "999GΩ 不是 E192 标准值。五环电阻做不出相邻的标准值 1000GΩ（E192）。",
               {"988000000000 E192 -1.10%"}},
        Listed{"0.0105",
               4,
               kGoldIndex,
               "0.0105Ω 不是 E24 标准值。四环电阻做不出相邻的标准值 0.011Ω（E24）。",
               {"0.01 E24 -4.76%"}},
        Listed{"0.011", 4, kGoldIndex, "0.011Ω 是 E24 标准值，但四环电阻做不出。", {}},
        Listed{"0", 4, kGoldIndex, "", {}}));

TEST(StandardValues, DifferenceIsExactAndRoundsHalfAwayFromZero) {
    struct {
        const char* from;
        const char* to;
        std::int64_t hundredths;
    } const cases[] = {{"3.2", "3.3", 313},
                       {"32000", "33000", 313},
                       {"3", "4", 3333},
                       {"3", "2", -3333},
                       {"2", "1.9999", -1},
                       {"2", "2.0001", 1},
                       {"2", "1.99990000000000000000000001", 0},
                       {"20000000000000000000000000000", "19999000000000000000000000001", 0},
                       {"7", "0", -10000}};
    for (const auto& c : cases)
        EXPECT_EQ(changeInHundredthsOfPercent(ohms(c.from), ohms(c.to)), c.hundredths)
            << c.from << " -> " << c.to;
    const Finding f = findColours(ohms("32k"), 4, kGoldIndex);
    ASSERT_EQ(f.standard.size(), 2u);
    EXPECT_EQ(percentText(f.standard[1], {","}), "+3,13%");
    EXPECT_EQ(errorPercent(f.standard[0]), "-6.25");
    EXPECT_EQ(errorPercent(f.standard[1]), "3.13");
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
                const Finding f = findColours(v, bands, tolerance);
                std::vector<std::pair<Decimal, ESeries>> got;
                for (const auto* list : {&f.standard, &f.unmakeable})
                    for (const StandardValue& sv : *list) {
                        EXPECT_EQ(sv.makeable, list == &f.standard);
                        EXPECT_EQ(sv.makeable, makeable(sv.value, bands)) << sv.value.text();
                        // The sign follows the side; the figure rounds to 0 only very near.
                        EXPECT_TRUE(sv.value < v ? sv.hundredths <= 0 : sv.hundredths >= 0);
                        if (sv.value == v) {
                            EXPECT_EQ(sv.hundredths, 0);
                        }
                        for (const ESeries s : sv.series)
                            got.push_back({sv.value, s});
                    }
                std::sort(got.begin(), got.end());
                ASSERT_EQ(got, expected)
                    << v.text() << " tolerance " << tolerance << " on " << bands << " bands";
                EXPECT_EQ(f.standardNote.find(" 是 ") != std::string::npos, !memberOf.empty());
            }
        }
    }
}

// ---- back to the main window ----------------------------------------------------------------

TEST(ChoicesFor, ReachTheAnswerWithoutARefusalFromEveryKindOfState) {
    // Four-band with a gold or silver band 3 refuses band 4, five-band refuses gold and silver
    // on band 3: the order of the clicks must step round both.
    const std::array<std::array<std::uint8_t, 5>, 4> starts{{{102, 105, 104, 102, 111},
                                                             {104, 107, 111, 113, 111},
                                                             {104, 107, 112, 113, 113},
                                                             {110, 110, 110, 109, 106}}};
    for (const char* typed : {"4.7", "0.47", "4.7k", "470k", "99G", "0", "0.01"})
        for (const int bands : {4, 5})
            for (const int tolerance : kTolerancePalette) {
                const Finding f = findColours(ohms(typed), bands, tolerance);
                ASSERT_TRUE(f.answer) << typed;
                for (const auto& chips : starts) {
                    BandState s = test::stateWith(chips, 1);
                    for (const auto& [band, colour] : choicesFor(*f.answer))
                        for (const Effect& e : test::click(s, band, colour))
                            EXPECT_NE(e.kind, Effect::Kind::Warn)
                                << typed << " band " << band << ": " << e.text;
                    EXPECT_EQ(s.BandChip, stateOf(*f.answer).BandChip) << typed;
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
    for (int b3 = 101; b3 <= 112; ++b3)
        for (int b4 = 101; b4 <= 113; ++b4) {
            const bool four = b4 == 113;
            if (!four && (b3 == 111 || b3 == 112)) continue;
            for (int b1 = 101; b1 <= 110; ++b1)
                for (int b2 = 101; b2 <= 110; ++b2)
                    for (const int tolerance : kTolerancePalette) {
                        const std::uint8_t b5 = colourByIndex(tolerance).chip;
                        const BandState s =
                            test::stateWith({std::uint8_t(b1), std::uint8_t(b2), std::uint8_t(b3),
                                             std::uint8_t(b4), b5},
                                            1);
                        for (const DecimalFormat* fmt : {&dot, &comma}) {
                            if (fmt == &comma && b1 != 102) continue; // a sample is enough
                            const TickResult shownTick = tick(s, *fmt);
                            const std::string shown =
                                prefix + shownTick.label6 + shownTick.unitText;
                            const ValueInput typed =
                                parseValue(shown.substr(prefix.size()), fmt->point);
                            ASSERT_TRUE(typed.ok) << shown << ": " << typed.reason;
                            const Finding f = findColours(typed.ohms, four ? 4 : 5, tolerance);
                            ASSERT_TRUE(f.answer) << shown << ": " << f.reason;
                            ASSERT_TRUE(f.answer->exact) << shown;
                            ASSERT_EQ(shownValue(*f.answer, *fmt), shown);
                            ASSERT_EQ(stateOf(*f.answer).BandChip[4], b5);
                            ++checked;
                        }
                    }
        }
    // Five-band and four-band combinations with ".", and a tenth of each again with ",".
    EXPECT_EQ(checked, 96000 + 9600 + 9600 + 960);
}

} // namespace
} // namespace zq::model
