// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/readout.h"

#include <gtest/gtest.h>

namespace zq::model {
namespace {

TEST(Readout, EveryUnitPictureReadsAsItsUnit) {
    const struct {
        int picture;
        const char* unit;
    } cases[] = {{134, "GΩ"}, {135, "Ω"}, {136, "KΩ"}, {137, "MΩ"}, {133, ""}, {138, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(unitOfPicture(c.picture), c.unit) << c.picture;
}

TEST(Readout, EveryTolerancePictureReadsAsItsPercentage) {
    const struct {
        int picture;
        const char* tolerance;
    } cases[] = {{126, "±2%"},   {127, "±20%"}, {128, "±0.2%"}, {129, "±0.5%"},
                 {130, "±0.1%"}, {131, "±10%"}, {132, "±5%"},   {133, "±1%"},
                 {125, ""},      {134, ""},     {0, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(toleranceOfPicture(c.picture), c.tolerance) << c.picture;
}

TEST(Readout, NumberUnitAndToleranceMakeOneText) {
    EXPECT_EQ(readoutText("25.40", 136, 132), "25.40KΩ ±5%");
    EXPECT_EQ(readoutText("0,47", 135, 127), "0,47Ω ±20%");
    // Before the first tick the display shows only its two pictures.
    EXPECT_EQ(readoutText("", 136, 132), "KΩ ±5%");
    EXPECT_EQ(readoutText("999.00", 134, 0), "999.00GΩ");
}

} // namespace
} // namespace zq::model
