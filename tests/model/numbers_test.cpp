// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace zq::model {
namespace {

const DecimalFormat kDot;
const DecimalFormat kComma{","};

TEST(Val, ReadsTheLeadingDecimalNumberWithADot) {
    EXPECT_EQ(val(""), 0);
    EXPECT_EQ(val("abc"), 0);
    EXPECT_EQ(val("."), 0);
    EXPECT_EQ(val("254"), 254);
    EXPECT_EQ(val("047"), 47); // joined digit texts keep no leading zero
    EXPECT_EQ(val("000"), 0);
    EXPECT_EQ(val("0.01"), 0.01);
    EXPECT_EQ(val("1000000000"), 1e9);
    EXPECT_EQ(val("  \t12"), 12);
    EXPECT_EQ(val("12.5kg"), 12.5);
    EXPECT_EQ(val("-3.5"), -3.5);
    EXPECT_EQ(val(".5"), 0.5);
    EXPECT_EQ(val("2,5"), 2); // the comma is never a point here
}

TEST(NumberToText, FifteenSignificantDigitsWithoutTrailingZeros) {
    EXPECT_EQ(numberToText(0.47, kDot), "0.47");
    EXPECT_EQ(numberToText(25400, kDot), "25400");
    EXPECT_EQ(numberToText(25.4, kDot), "25.4");
    EXPECT_EQ(numberToText(0, kDot), "0");
    EXPECT_EQ(numberToText(0.01, kDot), "0.01");
    EXPECT_EQ(numberToText(999e9, kDot), "999000000000");
    EXPECT_EQ(numberToText(1e9, kDot), "1000000000");
    EXPECT_EQ(numberToText(-2.5, kDot), "-2.5");
    EXPECT_EQ(numberToText(25.4, kComma), "25,4");
    EXPECT_EQ(numberToText(123456789012345678.0, kDot), "123456789012346000");
    EXPECT_EQ(numberToText(0.000012, kDot), "0.000012");
}

TEST(NumberToText, ProductsLoseTheirBinaryArtefacts) {
    ASSERT_NE(12 * 0.1, 1.2); // the artefact is real
    EXPECT_EQ(numberToText(12 * 0.1, kDot), "1.2");
    ASSERT_NE(47 * 0.01, 0.47);
    EXPECT_EQ(numberToText(47 * 0.01, kDot), "0.47");
    EXPECT_EQ(numberToText(0.1 + 0.2, kDot), "0.3");
    EXPECT_EQ(numberToText(99 * 0.01, kComma), "0,99");
}

TEST(TextToNumber, InvertsNumberToTextWithTheUsersPoint) {
    for (const DecimalFormat& fmt : {kDot, kComma, DecimalFormat{"٫"}}) {
        for (const double v : {0.0, 0.01, 0.47, 1.2, 25.4, 999.0, 1000.0, 25400.0, 999e9}) {
            const std::string text = numberToText(v, fmt);
            EXPECT_EQ(textToNumber(text, fmt), v) << text;
            EXPECT_EQ(numberToText(textToNumber(text, fmt), fmt), text);
        }
    }
    EXPECT_EQ(textToNumber("25,4", kComma), 25.4);
    EXPECT_EQ(textToNumber("25,4", kDot), 25);
    EXPECT_EQ(textToNumber("", kDot), 0);
}

TEST(Format00, TwoDecimalsAtLeastOneIntegerDigit) {
    EXPECT_EQ(format00(25.4, kDot), "25.40");
    EXPECT_EQ(format00(1000, kDot), "1000.00");
    EXPECT_EQ(format00(0.004, kDot), "0.00");
    EXPECT_EQ(format00(0, kDot), "0.00");
    EXPECT_EQ(format00(0.47, kDot), "0.47");
    EXPECT_EQ(format00(12 * 0.1, kDot), "1.20");
    EXPECT_EQ(format00(999e9, kDot), "999000000000.00");
    EXPECT_EQ(format00(25.4, kComma), "25,40");
}

TEST(Format00, HalvesRoundAwayFromZeroOnTheDecimalText) {
    EXPECT_EQ(format00(0.005, kDot), "0.01");
    EXPECT_EQ(format00(0.125, kDot), "0.13");
    EXPECT_EQ(format00(2.675, kDot), "2.68"); // 2.67499999... in binary
    EXPECT_EQ(format00(0.995, kDot), "1.00");
    EXPECT_EQ(format00(999.999, kDot), "1000.00");
    EXPECT_EQ(format00(-0.004, kDot), "0.00");
    EXPECT_EQ(format00(-1.5, kDot), "-1.50");
}

TEST(Numbers, IgnoreTheCLocale) {
    // The GUI toolkit adopts the environment's locale, which may use a comma in printf.
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    EXPECT_EQ(numberToText(25.4, kDot), "25.4");
    EXPECT_EQ(format00(25.4, kDot), "25.40");
    EXPECT_EQ(val("0.01"), 0.01);
    EXPECT_EQ(textToNumber("25.4", kDot), 25.4);
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace
} // namespace zq::model
