// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/readout.h"

#include "model/colour_code.h"

#include <gtest/gtest.h>

namespace zq::model {
namespace {

TEST(Readout, EveryUnitReadsAsItsText) {
    const struct {
        int unit;
        const char* text;
    } cases[] = {{0, "Ω"}, {1, "KΩ"}, {2, "MΩ"}, {3, "GΩ"}};
    for (const auto& c : cases)
        EXPECT_EQ(readoutText("", &kUnits[std::size_t(c.unit)], std::nullopt), c.text) << c.unit;
}

TEST(Readout, EveryToleranceColourReadsAsItsPercentage) {
    const struct {
        int colour;
        const char* tolerance;
    } cases[] = {{1, "±2%"},  {12, "±20%"}, {5, "±0.2%"}, {4, "±0.5%"}, {6, "±0.1%"}, {11, "±10%"},
                 {10, "±5%"}, {0, "±1%"},   {2, ""},      {9, ""},      {13, ""},     {-1, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(readoutText("", nullptr, c.colour), c.tolerance) << c.colour;
}

TEST(Readout, NumberUnitAndToleranceMakeOneText) {
    EXPECT_EQ(readoutText("25.40", &kUnits[1], palette::kGold), "25.40KΩ ±5%");
    EXPECT_EQ(readoutText("0,47", &kUnits[0], palette::kNone), "0,47Ω ±20%");
    // Before the first tick the display shows only its two pictures.
    EXPECT_EQ(readoutText("", &kUnits[1], palette::kGold), "KΩ ±5%");
    EXPECT_EQ(readoutText("999.00", &kUnits[3], std::nullopt), "999.00GΩ");
}

} // namespace
} // namespace zq::model
