// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The sentences of chip codes, whole: each reading's line, its explanation, the note on a code
// that reads two ways and every reason a code is refused.
#include "wording/chip_code.h"

#include "model/colour_code.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace zq::wording {
namespace {

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

model::DecimalFormat point(const char* p) {
    return {p};
}

// Values with their unit are the main window's; the raw product stays in ohms and is followed
// by the unit form only where that takes another unit (over 1 kΩ).
TEST(ChipCodeWords, EachReadingsLineShowsTheSum) {
    struct Row {
        const char* code;
        const char* point;
        const char* lines; // every reading's line, one a line
    } rows[] = {
        {"472", ".", "472 = 4.70KΩ：47 × 10² = 4.70KΩ"},
        {"470", ".", "470 = 47.00Ω：47 × 10⁰ = 47.00Ω"},
        {"102", ".", "102 = 1000.00Ω：10 × 10² = 1000.00Ω"},
        {"1001", ".", "1001 = 1000.00Ω：100 × 10¹ = 1000.00Ω"},
        {"1011", ".", "1011 = 1.01KΩ：101 × 10¹ = 1.01KΩ"},
        {"997", ".", "997 = 990.00MΩ：99 × 10⁷ = 990.00MΩ"},
        {"01C", ".", "01C = 10.00KΩ ±1%：01 → 100，100 × 100 = 10.00KΩ"},
        {"68X", ",", "68X = 49,90Ω ±1%：68 → 499，499 × 0,1 = 49,90Ω"},
        {"4R7", ",", "4R7 = 4,70Ω：R 当小数点 → 4,70Ω"},
        {"R47", ".", "R47 = 0.47Ω：R 当小数点 → 0.47Ω"},
        {"0R47", ".", "0R47 = 0.47Ω：R 当小数点 → 0.47Ω"},
        {"000", ".", "000 = 0.00Ω：零欧跳线 → 0.00Ω"},
        {"68R", ".",
         "68R（按 EIA-96） = 4.99Ω ±1%：68 → 499，499 × 0.01 = 4.99Ω\n"
         "68R（R 当小数点） = 68.00Ω：R 当小数点 → 68.00Ω"},
    };
    for (const Row& r : rows) {
        const model::SmdAnswer a = model::readSmdCode(r.code);
        std::vector<std::string> lines;
        for (const model::SmdReading& each : a.readings)
            lines.push_back(chipLine(a, each, point(r.point)));
        EXPECT_EQ(join(lines, "\n"), r.lines) << r.code;
    }
}

TEST(ChipCodeWords, TheExplanationSaysHowTheReadingComesAbout) {
    struct Row {
        const char* code;
        const char* said;
    } rows[] = {
        {"472", "前两位 47 是有效数字，最后一位 2 表示再乘 10 的 2 次方（在后面添 2 个 0），所以是 "
                "4.70KΩ。"},
        {"4701",
         "前三位 470 是有效数字，最后一位 1 表示再乘 10 的 1 次方（在后面添 1 个 0），所以是 "
         "4.70KΩ。"},
        {"470",
         "前两位 47 是有效数字，最后一位 0 表示再乘 10 的 0 次方（就是乘 1），所以是 47.00Ω。"},
        {"68X", "EIA-96 代码：前两位 68 是 E96 系列的第 68 个值 499，字母 X 表示乘 0.1，所以是 "
                "49.90Ω，精度 ±1%。"},
        {"01S", "EIA-96 代码：前两位 01 是 E96 系列的第 1 个值 100，字母 S 表示乘 0.1，所以是 "
                "10.00Ω，精度 ±1%。"},
        {"4R7", "R 在代码里代表小数点，4R7 就是 4.70Ω。"},
        {"00", "全是 0 表示零欧跳线电阻，相当于一根导线，阻值是 0.00Ω。"},
    };
    for (const Row& r : rows) {
        const model::SmdAnswer a = model::readSmdCode(r.code);
        ASSERT_EQ(a.readings.size(), 1u) << r.code;
        EXPECT_EQ(chipExplanation(a, a.readings[0]), r.said) << r.code;
        EXPECT_EQ(chipComment(a), r.said) << r.code; // no note: the explanation follows
        EXPECT_TRUE(chipNote(a).empty()) << r.code;
        EXPECT_TRUE(chipNoteCode(a).empty()) << r.code;
        EXPECT_TRUE(chipReason(a).empty()) << r.code;
    }
}

TEST(ChipCodeWords, ACodeThatReadsTwoWaysGetsTheNoteInsteadOfTheExplanation) {
    const model::SmdAnswer a = model::readSmdCode("68R");
    const std::string note =
        "“68R”有两种读法：R 当小数点是 68.00Ω，当 EIA-96 代码是 4.99Ω（68 号是 499，R 表示 "
        "×0.01）。三位代码一般把 68.00Ω 印成 680，所以 EIA-96 的读法更常见；EIA-96 代码多印在 "
        "0603 这类小个头的 1% 电阻上，个头大的多半是 68.00Ω，拿不准就用万用表量一下。";
    EXPECT_EQ(chipNote(a), note);
    EXPECT_EQ(chipComment(a), note);
    EXPECT_EQ(chipNoteCode(a), "two-readings");

    // The reader gives no code whose two readings agree (01R reads only as EIA-96), but the
    // note for one is written all the same.
    model::SmdAnswer same;
    same.code = "01R";
    same.twoWays = model::SmdTwoWays{
        model::Decimal::of(1, 0), model::Decimal::of(1, 0), true, "01", 100, "1R0"};
    EXPECT_EQ(chipNote(same), "“01R”有两种读法，得数一样：R 当小数点是 1.00Ω，当 EIA-96 "
                              "代码（R 表示 ×0.01）也是 1.00Ω，只是 EIA-96 的电阻精度是 ±1%。");
    EXPECT_EQ(chipNoteCode(same), "two-readings-same-value");
}

TEST(ChipCodeWords, EveryRefusalSaysWhatIsWrongInOneLine) {
    struct Row {
        const char* typed;
        const char* reason;
    } rows[] = {
        {"", "请先输入贴片电阻上印的代码，例如 472、4702、4R7 或 01C。"},
        {"\xff"
         "47",
         "输入里有无效的 UTF-8 字节 0xFF：贴片电阻的代码只由数字和字母组成。"},
        {"47\u200b2", "输入里有看不见的字符 U+200B：贴片电阻的代码只由数字和字母组成，请删掉它。"},
        {"4.7", "贴片电阻的代码里没有小数点“.”：小数点用 R 表示，例如 4.70Ω 印作 4R7。"},
        {"472Ω", "“Ω”（U+03A9）不是贴片电阻代码里的字符：代码只由数字和字母组成，不带单位。"},
        {"4😀7", "“😀”（U+1F600）不是贴片电阻代码里的字符：代码只由数字和字母组成，不带单位。"},
        {"٤٧٢", "“٤”（U+0664）不是贴片电阻代码里的字符：代码只由数字和字母组成，不带单位。"},
        {"4\u03017", "字符 U+0301 不是贴片电阻代码里的字符：代码只由数字和字母组成，不带单位。"},
        {"4_7", "“_”不是贴片电阻代码里的字符：代码只由数字和字母组成，不带单位。"},
        {"47 2", "“47 2”中间有空格：贴片电阻的代码是连着印的，请照电阻上的样子连起来输入。"},
        {"4R7R", "“4R7R”里有 2 个 R：R 是小数点，一个代码里只能有一个。"},
        {"4700000000000000000",
         "“470000000000…”有 19 个字符，太长了：贴片电阻的代码最多 4 个字符。"},
        {"R", "只有一个 R：R 在代码里当小数点，前后还要有数字，例如 R47、4R7。"},
        {"47", "“47”太短了：贴片电阻的代码是 3 或 4 个字符（零欧跳线可以只印 0 或 00）。"},
        {"1R", "“1R”太短了：贴片电阻的代码是 3 或 4 个字符（零欧跳线可以只印 0 或 00），例如 "
               "1R0、R47。"},
        {"97B", "EIA-96 的编号只有 01～96，“97”不在其中。"},
        {"01G", "“G”不是 EIA-96 的倍率字母，能用的有 Z、Y（R）、X（S）、A、B（H）、C、D、E、F。"},
        {"97G", "EIA-96 的编号只有 01～96，“97”不在其中；“G”不是 EIA-96 "
                "的倍率字母，能用的有 Z、Y（R）、X（S）、A、B（H）、C、D、E、F。"},
        {"A01", "“A”是 EIA-96 的倍率字母，要写在两位数字后面（例如 01A），“A01”不是这样的代码。"},
        {"4K7", "“K”不是贴片电阻代码里的字母：数字代码只用 R 当小数点，EIA-96 "
                "代码是两位数字加一个倍率字母（Z、Y（R）、X（S）、A、B（H）、C、D、E、F）。"},
        {"001", "“001”的有效数字是 00，乘 10 的几次方都还是 0：零欧跳线只印 0、00、000 或 "
                "0000，没有这种写法。"},
        {"0472", "“0472”以 0 开头：数字代码的第一位是有效数字，厂家不在前面添 0（全是 0 "
                 "的才是零欧跳线）。"},
        {"04R7", "“04R7”在 R 前面的数字以 0 开头：R 前面要么没有数字，要么只有一个 0（如 R47、"
                 "0R47），要么是不以 0 开头的数字（如 4R7、47R）。"},
        {"0R0", "“0R0”读出来是 0：零欧跳线只印 0、00、000 或 0000，不用 R。"},
        {"109", "“109”的最后一位 9 不是贴片电阻用的倍率：当 10 的 9 次方是 10.00GΩ，"
                "一般的贴片电阻做不到这么大；照电容的写法当 ×0.1 是 1.00Ω，可电阻的小数要用 R "
                "写。读不准，请用万用表量一下。"},
        {"108", "“108”的最后一位 8 不是贴片电阻用的倍率：当 10 的 8 次方是 1000.00MΩ，"
                "一般的贴片电阻做不到这么大；照电容的写法当 ×0.01 是 0.10Ω，可电阻的小数要用 R "
                "写。读不准，请用万用表量一下。"},
        {"1007", "“1007”读出来是 100 × 10⁷ = 1000.00MΩ，一般的贴片电阻做不到这么大："
                 "四位代码的最后一位最大是 6。读不准，请用万用表量一下。"},
    };
    for (const Row& r : rows) {
        const model::SmdAnswer a = model::readSmdCode(r.typed);
        ASSERT_TRUE(a.readings.empty()) << r.typed;
        EXPECT_EQ(chipReason(a), r.reason) << r.typed;
        EXPECT_FALSE(contains(chipReason(a), "\n"));
        EXPECT_TRUE(chipComment(a).empty());
    }
}

TEST(ChipCodeWords, ReasonsUseTheUsersDecimalPoint) {
    EXPECT_TRUE(contains(chipReason(model::readSmdCode("4708"), point(",")),
                         "照电容的写法当 ×0,01 是 4,70Ω"));
    EXPECT_EQ(chipReason(model::readSmdCode("4，7"), point(",")),
              "贴片电阻的代码里没有小数点“,”：小数点用 R 表示，例如 4,70Ω 印作 4R7。");
}

TEST(ChipCodeWords, BandsAreListedForEachPartThatCarriesTheValue) {
    using namespace model::palette;
    const std::vector<int> four{kBrown, kBlack, kOrange, kBrown},
        five{kBrown, kBlack, kBlack, kRed, kBrown};
    EXPECT_EQ(chipBandsLine(four, five), "同样的阻值用色环：四环 棕 黑 橙 棕；五环 棕 黑 黑 红 棕");
    EXPECT_EQ(chipBandsLine({}, five), "同样的阻值用色环：五环 棕 黑 黑 红 棕");
    EXPECT_TRUE(chipBandsLine({}, {}).empty());

    const model::SmdAnswer a = model::readSmdCode("01C");
    EXPECT_EQ(chipAnswerText(a, four, {}),
              "01C = 10.00KΩ ±1%：01 → 100，100 × 100 = 10.00KΩ\n"
              "说明：EIA-96 代码：前两位 01 是 E96 系列的第 1 个值 100，字母 C 表示乘 100，所以是 "
              "10.00KΩ，精度 ±1%。\n"
              "四环色环：棕 黑 橙 棕\n");
}

} // namespace
} // namespace zq::wording
