// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/colour_table.h"

#include <gtest/gtest.h>

#include <string>

namespace zq::model {
namespace {

TEST(ColourTable, RowsAreIndexedByPaletteAndByChip) {
    for (int i = 0; i <= 12; ++i) {
        const ColourCode& c = colourByIndex(i);
        EXPECT_EQ(c.index, i);
        EXPECT_EQ(c.chip, 101 + i);
        EXPECT_EQ(colourByChip(c.chip), &c);
    }
    EXPECT_EQ(colourByChip(100), nullptr);
    EXPECT_EQ(colourByChip(114), nullptr);
    EXPECT_EQ(colourByChip(0), nullptr);
    EXPECT_EQ(colourByIndex(12).chip, kChipNone);
    EXPECT_EQ(colourByIndex(10).chip, kChipGold);
    EXPECT_EQ(colourByIndex(11).chip, kChipSilver);
}

TEST(ColourTable, DigitColoursHaveTheirDigitAndPowerOfTen) {
    for (int i = 0; i <= 9; ++i) {
        const ColourCode& c = colourByIndex(i);
        const int digit = (i + 1) % 10; // brown 1 ... white 9, black 0
        EXPECT_EQ(c.digit, std::to_string(digit)) << c.name;
        EXPECT_EQ(c.multiplier, "1" + std::string(static_cast<std::size_t>(digit), '0')) << c.name;
    }
    EXPECT_EQ(colourByIndex(10).multiplier, "0.1");
    EXPECT_EQ(colourByIndex(11).multiplier, "0.01");
    for (int i = 10; i <= 12; ++i)
        EXPECT_EQ(colourByIndex(i).digit, "") << i;
    EXPECT_EQ(colourByIndex(12).multiplier, "");
}

TEST(ColourTable, BandNames) {
    EXPECT_EQ(bandName(1), "第一环");
    EXPECT_EQ(bandName(2), "第二环");
    EXPECT_EQ(bandName(3), "第三环");
    EXPECT_EQ(bandName(4), "第四环");
    EXPECT_EQ(bandName(5), "第五环");
    EXPECT_EQ(bandName(0), "");
    EXPECT_EQ(bandName(6), "");
}

} // namespace
} // namespace zq::model
