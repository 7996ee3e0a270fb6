// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/colour_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

namespace zq::model {
namespace {

TEST(ColourTable, RowsAreIndexedByPalette) {
    for (int i = 0; i <= 12; ++i) {
        const ColourCode& c = colourByIndex(i);
        EXPECT_EQ(c.index, i);
        EXPECT_EQ(findColour(i), &c);
    }
    EXPECT_EQ(findColour(-1), nullptr);
    EXPECT_EQ(findColour(13), nullptr);
}

TEST(ColourTable, DigitColoursHaveTheirDigitAndPowerOfTen) {
    for (int i = 0; i <= 9; ++i) {
        const ColourCode& c = colourByIndex(i);
        const int digit = (i + 1) % 10; // brown 1 ... white 9, black 0
        EXPECT_EQ(c.digit, std::to_string(digit)) << i;
        EXPECT_EQ(c.multiplier, "1" + std::string(static_cast<std::size_t>(digit), '0')) << i;
    }
    EXPECT_EQ(colourByIndex(10).multiplier, "0.1");
    EXPECT_EQ(colourByIndex(11).multiplier, "0.01");
    for (int i = 10; i <= 12; ++i)
        EXPECT_EQ(colourByIndex(i).digit, "") << i;
    EXPECT_EQ(colourByIndex(12).multiplier, "");
}

TEST(ColourTable, ToleranceBandTakesTheColoursWithATolerance) {
    // The main window's own table (brown 1 %, red 2 %, green 0.5 %, blue 0.2 %, violet 0.1 %,
    // gold 5 %, silver 10 %, none 20 %): every other colour is refused on band 5.
    const std::pair<int, int> offered[] = {{0, 100}, {1, 200},  {4, 50},    {5, 20},
                                           {6, 10},  {10, 500}, {11, 1000}, {12, 2000}};
    for (int i = 0; i <= 12; ++i) {
        const ColourCode& c = colourByIndex(i);
        const auto* o = std::find_if(std::begin(offered), std::end(offered),
                                     [i](const auto& p) { return p.first == i; });
        EXPECT_EQ(c.tolerance, o == std::end(offered) ? 0 : o->second) << i;
    }
}

} // namespace
} // namespace zq::model
