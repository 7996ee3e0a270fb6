// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Kit files: every form a value is typed in, comments, broken lines and the round trip.
#include "model/combinations/kit_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zq::model {
namespace {

TEST(KitFile, ReadsEveryTypedFormOneALine) {
    const struct {
        const char* line;
        Decimal ohms;
    } cases[] = {
        {"4.7k", Decimal::of(4700, 0)},
        {"4k7", Decimal::of(4700, 0)},
        {"470R", Decimal::of(470, 0)},
        {"R47", Decimal::of(47, -2)},
        {"4.7千欧", Decimal::of(4700, 0)},
        {"４．７ｋ", Decimal::of(4700, 0)},
        {"  1M5  ", Decimal::of(15, 5)},
        {"\t22R\t# for the LED", Decimal::of(22, 0)},
        {"10k＃ full-width comment", Decimal::of(10, 3)},
        {"\xE3\x80\x80" "33\xE3\x80\x80", Decimal::of(33, 0)}, // ideographic spaces
        {"1 000", Decimal::of(1000, 0)},
    };
    for (const auto& c : cases) {
        const KitFile kit = readKit(c.line);
        EXPECT_TRUE(kit.refused.empty()) << c.line;
        EXPECT_EQ(kit.values, std::vector<Decimal>{c.ohms}) << c.line;
    }
}

TEST(KitFile, SkipsBlankLinesAndCommentsAndCountsThem) {
    const std::string text = "\xEF\xBB\xBF# my drawer\r\n"
                             "\r\n"
                             "   \r\n"
                             "100 # brown black brown\r\n"
                             "\r\n"
                             "oops\r\n"
                             "2.2k";
    const KitFile kit = readKit(text);
    EXPECT_EQ(kit.values, (std::vector<Decimal>{Decimal::of(100, 0), Decimal::of(22, 2)}));
    ASSERT_EQ(kit.refused.size(), 1u);
    EXPECT_EQ(kit.refused[0].line, 6);

    const KitFile onlyComments = readKit("# nothing yet\n\n  # really\n");
    EXPECT_TRUE(onlyComments.values.empty());
    EXPECT_TRUE(onlyComments.refused.empty());
}

TEST(KitFile, NamesEachLineItCannotUse) {
    const std::string text = "4.7k\n"   // 1
                             "abc\n"    // 2: not a value
                             "10k\n"    // 3
                             "1,5k\n"   // 4: a comma is no point in a file
                             "0\n"      // 5: a link, not a resistor to combine
                             "0.0001\n" // 6: below a milliohm
                             "2G\n"     // 7: above a gigaohm
                             "-5\n";    // 8
    const KitFile kit = readKit(text);
    EXPECT_EQ(kit.values, (std::vector<Decimal>{Decimal::of(4700, 0), Decimal::of(10000, 0)}));
    const struct {
        int line;
        const char* typed;
        std::optional<KitValueFault> fault;
    } expected[] = {
        {2, "abc", std::nullopt},
        {4, "1,5k", std::nullopt},
        {5, "0", KitValueFault::zero},
        {6, "0.0001", KitValueFault::finerThanMilliohm},
        {7, "2G", KitValueFault::aboveGigaohm},
        {8, "-5", std::nullopt},
    };
    ASSERT_EQ(kit.refused.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const KitLine& got = kit.refused[i];
        SCOPED_TRACE(expected[i].typed);
        EXPECT_EQ(got.line, expected[i].line);
        EXPECT_EQ(got.fault, expected[i].fault);
        // Unreadable lines carry the reason the value field would give; the others read fine.
        const ValueInput typed = parseValue(expected[i].typed);
        EXPECT_EQ(got.reading.ok, typed.ok);
        EXPECT_EQ(got.reading.refusal, typed.refusal);
        EXPECT_EQ(got.reading.quoted, typed.quoted);
        EXPECT_EQ(got.reading.ok, expected[i].fault.has_value());
        if (!got.reading.ok) {
            EXPECT_NE(got.reading.refusal, InputRefusal::None);
        }
    }
}

TEST(KitFile, EmptyAndSingleValueKits) {
    for (const char* text : {"", "\n", "\r\n\r\n"}) {
        const KitFile kit = readKit(text);
        EXPECT_TRUE(kit.values.empty());
        EXPECT_TRUE(kit.refused.empty());
        EXPECT_EQ(kitText(kit.values), "");
    }
    for (const char* text : {"1k", "1k\n", "\n1k\r\n# the only one\n"}) {
        const KitFile kit = readKit(text);
        EXPECT_EQ(kit.values, std::vector<Decimal>{Decimal::of(1, 3)}) << text;
        EXPECT_TRUE(kit.refused.empty());
    }
}

TEST(KitFile, WhatIsWrittenReadsBackTheSame) {
    std::vector<Decimal> values = starterKit();
    values.insert(values.end(), {Decimal::of(47, -2), Decimal::of(1, -3), Decimal::of(1, 9),
                                 Decimal::of(4700, 0), Decimal::of(123456789, -3)});
    const std::string text = kitText(values);
    const KitFile back = readKit(text);
    EXPECT_EQ(back.values, values); // order and repeats kept
    EXPECT_TRUE(back.refused.empty());
    EXPECT_EQ(kitText(back.values), text);
}

} // namespace
} // namespace zq::model
