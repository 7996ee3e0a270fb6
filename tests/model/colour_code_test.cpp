// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/choice.h"
#include "model/colour_code.h"
#include "model/colour_finder.h"
#include "model/colour_vocabulary.h"

#include <gtest/gtest.h>

#include <random>

namespace zq::model {
namespace {

// IEC 60062, table of the colour code for resistors, as published: digit, multiplier power
// (−99 for none), temperature coefficient in ppm/K (0 for none).
struct Published {
    std::string_view english;
    int digit, power, tcr;
};
constexpr Published kIec60062[] = {
    {"black", 0, 0, 250}, {"brown", 1, 1, 100}, {"red", 2, 2, 50},   {"orange", 3, 3, 15},
    {"yellow", 4, 4, 25}, {"green", 5, 5, 20},  {"blue", 6, 6, 10},  {"violet", 7, 7, 5},
    {"grey", 8, 8, 1},    {"white", 9, 9, 0},   {"gold", -1, -1, 0}, {"silver", -1, -2, 0},
};

TEST(ColourRecords, AgreeWithThePublishedColourCode) {
    for (const Published& p : kIec60062) {
        const auto index = colourByName(p.english);
        ASSERT_TRUE(index) << p.english;
        const ColourRecord& c = colourRecord(*index);
        EXPECT_EQ(c.hasDigit() ? c.digit : -1, p.digit) << p.english;
        EXPECT_EQ(c.multiplier(), Decimal::of(1, p.power)) << p.english;
        EXPECT_EQ(c.tcrPpm, p.tcr) << p.english;
    }
    // IEC 60062:2016's precision tolerances, which the main window does not offer.
    EXPECT_EQ(colourRecord(palette::kOrange).iecTolerance, 5);
    EXPECT_EQ(colourRecord(palette::kYellow).iecTolerance, 2);
    EXPECT_EQ(colourRecord(palette::kGrey).iecTolerance, 1);
    EXPECT_EQ(colourRecord(palette::kBlue).iecTolerance, 25);
}

TEST(ColourRecords, AreFoundByEveryNameAndIndexedByPalette) {
    for (const ColourRecord& c : colourRecords()) {
        EXPECT_EQ(&colourRecord(c.index), &c);
        EXPECT_EQ(colourByName(c.english), c.index) << c.english;
    }
    EXPECT_EQ(colourByName("GREY"), palette::kGrey);
    EXPECT_EQ(colourByName("gray"), palette::kGrey);
    EXPECT_EQ(colourByName("purple"), palette::kViolet);
    EXPECT_EQ(colourByName("pink"), std::nullopt);
    EXPECT_EQ(colourByName(""), std::nullopt);
}

TEST(ColourRecords, EveryTypedWordNamesOneColourAndEveryColourHasItsWords) {
    // A word listed for two colours would be read as the first; every colour is typed in
    // Chinese, long or short, and in English.
    std::array<int, palette::kSize> words{};
    for (const TypedColour& t : kTypedColours) {
        EXPECT_EQ(colourByName(t.word), t.index) << t.word;
        ++words[std::size_t(t.index)];
    }
    for (int i = 0; i < palette::kSize; ++i)
        EXPECT_GE(words[std::size_t(i)], 3) << i;
    // English in any case, Chinese exactly as written.
    EXPECT_EQ(colourByName("Silver"), palette::kSilver);
    EXPECT_EQ(colourByName("银 "), std::nullopt);
}

// The main window's rules are derived from the records: the tolerance band refuses exactly the
// colours without a tolerance, and the value window offers exactly the others.
TEST(ColourRecords, TheToleranceBandTakesExactlyTheColoursWithATolerance) {
    BandState s = BandState::initial();
    s.select(5);
    for (const ColourRecord& c : colourRecords()) {
        const auto effects = choose(s, c.index);
        const bool refused = !effects.empty() && effects.front().kind == Effect::Kind::Warn;
        EXPECT_EQ(refused, !c.hasTolerance()) << c.english;
        const bool offered = std::find(kTolerancePalette.begin(), kTolerancePalette.end(),
                                       c.index) != kTolerancePalette.end();
        EXPECT_EQ(offered, c.hasTolerance()) << c.english;
    }
}

std::vector<std::vector<int>> allowedCombinations(const BandLayout& l) {
    std::vector<std::vector<int>> out{{}};
    for (const BandRole role : l.used()) {
        std::vector<std::vector<int>> next;
        for (const auto& prefix : out)
            for (const ColourRecord& c : colourRecords())
                if (allowedIn(role, c)) {
                    next.push_back(prefix);
                    next.back().push_back(c.index);
                }
        out = std::move(next);
    }
    return out;
}

// Colours → reading → colours gives the colours back, wherever the first digit is not zero
// (a leading black band reads the same value as the shorter code without it).
TEST(BandLayouts, ReadingAndFindingAreInverse) {
    std::mt19937 random(20261207);
    for (int bands = kFewestBands; bands <= kMostBands; ++bands) {
        const BandLayout& l = *layoutOf(bands);
        std::vector<std::vector<int>> cases = allowedCombinations(l);
        if (cases.size() > 20000) {
            std::shuffle(cases.begin(), cases.end(), random);
            cases.resize(20000);
        }
        int checked = 0;
        for (const auto& colours : cases) {
            const ReadOutcome r = readBands(colours);
            ASSERT_TRUE(r.reading) << bands;
            EXPECT_LE(r.reading->min, r.reading->value);
            EXPECT_GE(r.reading->max, r.reading->value);
            // Only six bands carry a temperature coefficient, on the last band.
            EXPECT_EQ(r.reading->tcrPpm.has_value(), bands == 6);
            if (colours.front() == palette::kBlack || r.reading->value.isZero()) continue;
            const int tolerance =
                l.toleranceBand() ? colours[std::size_t(l.toleranceBand() - 1)] : palette::kNone;
            const int coefficient = bands == 6 ? colours[5] : 0;
            const auto found = findBands(r.reading->value, l, tolerance, coefficient);
            ASSERT_TRUE(found) << bands;
            EXPECT_TRUE(found->exact);
            EXPECT_EQ(found->colours, colours) << bands << " bands, " << r.reading->value.text();
            ++checked;
        }
        EXPECT_GT(checked, 1000) << bands;
    }
}

TEST(BandLayouts, ReadWhatCataloguesPrint) {
    struct Case {
        std::vector<int> colours;
        std::string value, min, max;
        std::optional<int> tcr;
    };
    using namespace palette;
    const Case cases[] = {
        {{kBrown, kBlack, kRed}, "1000", "800", "1200", {}},                    // ±20 %
        {{kYellow, kViolet, kRed, kGold}, "4700", "4465", "4935", {}},          // 4.7 kΩ ±5 %
        {{kBrown, kBlack, kBlack, kRed, kBrown}, "10000", "9900", "10100", {}}, // 10 kΩ ±1 %
        {{kRed, kRed, kBlack, kSilver, kGreen}, "2.2", "2.189", "2.211", {}},   // 2.2 Ω ±0.5 %
        {{kOrange, kOrange, kBlack, kRed, kBrown, kRed}, "33000", "32670", "33330", 50},
        {{kBrown, kBlack, kBlack, kBlack, kBrown, kBlack}, "100", "99", "101", 250},
    };
    for (const Case& c : cases) {
        const ReadOutcome r = readBands(c.colours);
        ASSERT_TRUE(r.reading) << c.value;
        EXPECT_EQ(r.reading->value.text(), c.value);
        EXPECT_EQ(r.reading->min.text(), c.min) << c.value;
        EXPECT_EQ(r.reading->max.text(), c.max) << c.value;
        EXPECT_EQ(r.reading->tcrPpm, c.tcr) << c.value;
    }
}

TEST(BandLayouts, NameTheFirstBandOutOfPlace) {
    using namespace palette;
    struct Case {
        std::vector<int> colours;
        bool iec;
        int band;
        BandRole role;
    };
    const Case cases[] = {
        {{kGold, kViolet, kRed, kYellow}, false, 1, BandRole::Digit},
        {{kYellow, kViolet, kNone}, false, 3, BandRole::Multiplier},
        {{kYellow, kViolet, kRed, kBlack}, false, 4, BandRole::Tolerance},
        {{kYellow, kViolet, kRed, kBlack}, true, 4, BandRole::Tolerance},
        {{kBrown, kBlack, kBlack, kRed, kBrown, kGold}, false, 6, BandRole::Coefficient},
    };
    for (const Case& c : cases) {
        const ReadOutcome r = readBands(c.colours, c.iec);
        EXPECT_FALSE(r.reading);
        EXPECT_EQ(r.refusedBand, c.band);
        EXPECT_EQ(r.refusedRole, c.role);
    }
    // Orange on the tolerance band is a precision part by the standard, not by the program.
    const std::vector<int> precise{kBrown, kBlack, kBlack, kRed, kOrange};
    EXPECT_FALSE(readBands(precise).reading);
    ASSERT_TRUE(readBands(precise, true).reading);
    EXPECT_EQ(readBands(precise, true).reading->tolerance, 5);
    EXPECT_FALSE(readBands(std::vector<int>{kBrown, kBlack}).reading);
}

} // namespace
} // namespace zq::model
