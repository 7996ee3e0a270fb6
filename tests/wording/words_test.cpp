// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/words.h"

#include "model/colour_code.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace zq::wording {
namespace {

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

model::Decimal d(std::string_view text) {
    const auto point = text.find('.');
    return point == text.npos ? model::Decimal::fromParts(text, "", 0)
                              : model::Decimal::fromParts(text.substr(0, point),
                                                          text.substr(point + 1), 0);
}

TEST(Words, OneWriterOfValuesFollowsTheMainWindowsUnits) {
    struct Case {
        const char* ohms;
        const char* point;
        const char* shown;
    } cases[] = {
        {"0", ".", "0.00Ω"},          {"0.47", ".", "0.47Ω"},      {"1000", ".", "1000.00Ω"},
        {"1000.5", ".", "1.0005KΩ"},  {"4465", ",", "4,465KΩ"},    {"4700", ".", "4.70KΩ"},
        {"1000000", ".", "1000.00KΩ"}, {"2200000000", ".", "2.20GΩ"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ohms(d(c.ohms), {c.point}), c.shown) << c.ohms;
}

TEST(Words, NamesOfEveryColourAreDistinctAndTheShortOneBeginsTheLong) {
    std::vector<std::string> seen;
    for (int i = 0; i < model::palette::kSize; ++i) {
        EXPECT_TRUE(std::string_view(colourName(i)).starts_with(shortName(i))) << i;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), shortName(i)), 0) << i;
        seen.push_back(shortName(i));
    }
    EXPECT_TRUE(colourName(model::palette::kSize).empty());
    EXPECT_TRUE(shortName(-1).empty());
}

TEST(Words, PercentsCarryTheirSignExceptZero) {
    EXPECT_EQ(signedPercent(313), "+3.13%");
    EXPECT_EQ(signedPercent(-426, {","}), "-4,26%");
    EXPECT_EQ(signedPercent(0), "0.00%");
    // A combination may miss by more than an int holds: three gigaohms for a milliohm.
    EXPECT_EQ(signedPercent(30'000'000'000'000'000), "+300000000000000.00%");
    EXPECT_EQ(signedPercent(-10000), "-100.00%");
    // Only an exact match reads 0.00%: a change the hundredths round away keeps two figures.
    const auto change = [](auto a, auto b) { return model::changeBetween(d(a), d(b)); };
    EXPECT_EQ(signedPercent(change("3.8911", "3.8911001433")), "+0.0000037%");
    EXPECT_EQ(signedPercent(change("100.0001", "100"), {","}), "-0,0001%");
    EXPECT_EQ(signedPercent(change("2", "2.0001")), "+0.01%");
    EXPECT_EQ(signedPercent(change("2", "2")), "0.00%");
}

TEST(Words, AQuoteIsCutBetweenCharactersNeverInsideOne) {
    const std::string emoji = "😀";
    const std::string longText = std::string(11, 'a') + emoji + "bbb";
    const std::string cut = quoted(longText);
    EXPECT_TRUE(contains(cut, emoji)) << cut;
    EXPECT_TRUE(std::string_view(cut).ends_with("…”")) << cut;
    EXPECT_EQ(quoted("4k7"), "“4k7”");
}

TEST(Words, BandOrdinalsExistForEveryBandAPartCanHave) {
    for (int band = 1; band <= model::kMostBands; ++band)
        EXPECT_FALSE(bandOrdinal(band).empty()) << band;
    EXPECT_TRUE(bandOrdinal(0).empty());
    EXPECT_TRUE(bandOrdinal(model::kMostBands + 1).empty());
}

// One writer by kind: a value, a result that is not exact (≈ and four digits, one sign), a range.
TEST(Words, NumbersAreWrittenByKind) {
    const model::Decimal v = model::Decimal::fromParts("4489", "016", 0);
    const struct {
        std::string written;
        const char* expected;
    } cases[] = {
        {ohms(model::Decimal::of(1000, 0)), "1000.00Ω"},
        {resultOhms(v, false), "≈ 4.489KΩ"},
        {resultOhms(model::Decimal::fromParts("33", "33349", 0), false), "≈ 33.33Ω"},
        {resultOhms(model::Decimal::fromParts("9", "9996", 0), false), "≈ 10.00Ω"},
        // Halves up: a fifth digit 5 goes up, 4 down.
        {resultOhms(model::Decimal::fromParts("4489", "5", 0), false), "≈ 4.49KΩ"},
        {resultOhms(model::Decimal::fromParts("4489", "4999", 0), false), "≈ 4.489KΩ"},
        {resultOhms(model::Decimal::of(4500, 0), true), "= 4.50KΩ"},
        {ohmsRange(model::Decimal::of(95, 0), model::Decimal::of(105, 0)), "95.00Ω ～ 105.00Ω"},
        {bandColourName(1, model::palette::kRed), "第一环：红色"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.written, c.expected);
}
} // namespace
} // namespace zq::wording
