// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Kit files: every form a value is typed in, comments, broken lines and the round trip.
#include "model/combinations/kit_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
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
    // Each prefix from exactly its decade on.
    EXPECT_EQ(kitText(std::vector<Decimal>{Decimal::of(999, 0), Decimal::of(1, 3),
                                           Decimal::of(999999, 0), Decimal::of(1, 6),
                                           Decimal::of(4700, 6), Decimal::of(47, -2)}),
              "999\n1k\n999.999k\n1M\n4.7G\n0.47\n");
}

// A kit is a short list: up to the limits it is read, one past them it is refused.
TEST(KitFileLimits, UpToTheLimitsAKitIsReadAndOnePastThemItIsNot) {
    std::string most;
    for (std::size_t i = 0; i < kKitMostValues; ++i)
        most += "1k\n";
    const std::string full(kKitMostBytes, '#');
    const struct {
        std::string text;
        std::optional<KitLimit> over;
    } cases[] = {
        {most, std::nullopt},
        {most + "1k\n", KitLimit::values},
        {full, std::nullopt},
        {full + "#", KitLimit::bytes},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readKit(c.text).over, c.over) << c.text.size();
}

// "5m" is read as 5 MΩ with the note --colours gives; "5M" needs none.
TEST(KitFileLimits, ALowerCaseMIsReadAsMegohmsWithANote) {
    const KitFile kit = readKit("5M\n5m\n");
    ASSERT_EQ(kit.values.size(), 2u);
    EXPECT_EQ(kit.values[1], Decimal::of(5, 6));
    ASSERT_EQ(kit.notes.size(), 1u);
    EXPECT_EQ(kit.notes[0].line, 2);
    EXPECT_EQ(kit.notes[0].reading.note, InputNote::MilliohmReadAsMegohm);
}

// Only a regular file of bounded size is read: a device or a pipe is refused at once.
TEST(KitFileLimits, OnlyARegularFileOfBoundedSizeIsRead) {
    const std::string dir = ::testing::TempDir() + "kit-file-kinds-" + std::to_string(::getpid());
    ASSERT_EQ(::mkdir(dir.c_str(), 0700), 0);
    const std::string regular = dir + "/kit.txt", big = dir + "/big.txt", pipe = dir + "/pipe";
    std::ofstream(regular) << "4.7k\n";
    std::ofstream(big) << std::string(kKitMostBytes + 1, '#');
    struct Case {
        std::string path;
        KitFileTrouble trouble;
    };
    std::vector<Case> cases = {
        {regular, KitFileTrouble::none}, {dir + "/none.txt", KitFileTrouble::missing},
        {dir, KitFileTrouble::folder},   {"/dev/zero", KitFileTrouble::notRegular},
        {big, KitFileTrouble::tooLarge},
    };
#ifndef __EMSCRIPTEN__ // Node's file system has no pipes: there mkfifo makes a regular file.
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    cases.push_back({pipe, KitFileTrouble::notRegular});
#endif
    for (const auto& c : cases)
        EXPECT_EQ(readKitFile(c.path).trouble, c.trouble) << c.path;
    EXPECT_EQ(readKitFile(regular).kit.values, std::vector<Decimal>{Decimal::of(47, 2)});
    for (const std::string& f : {regular, big, pipe})
        std::remove(f.c_str());
    ::rmdir(dir.c_str());
}
} // namespace
} // namespace zq::model
