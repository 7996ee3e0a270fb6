// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The sentences of the value-to-colours answer, from the facts the finder and the reader give.
#include "wording/value.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zq::wording {
namespace {

using model::findColours;
using model::parseValue;

model::Decimal ohms(const char* typed) {
    const model::ValueInput v = parseValue(typed);
    EXPECT_TRUE(v.ok) << typed;
    return v.ohms;
}

// ---- what was typed ---------------------------------------------------------------------------

TEST(ValueWords, EachReasonATypedValueIsRefused) {
    const struct {
        const char* typed;
        const char* reason;
    } cases[] = {
        {"", "请先输入阻值，例如 4.7k 或 470。"},
        {"4.7x", "“x”不是阻值的单位，能用的单位有 R、k、M、G、Ω、欧、千欧、兆欧。"},
        {"4.7\u00ad", "输入里有看不见的字符 U+00AD，请删掉后重新输入。"},
        {"4.7\u202ek", "输入里有看不见的字符 U+202E，请删掉后重新输入。"},
        {"1.2.3", "阻值里只能有一个小数点。"},
        {"4k7.5", "小数点和单位字母不能一起当小数点用，写 4.7k 或 4k7。"},
        {"-4.7k", "阻值不能是负数。"},
        {"4k7k", "单位字母只能有一个，例如 4.7k 或 4k7。"},
        {"4,7k", "小数点请用“.”，不要用逗号。"},
        {"4.7k 1/4W", "“4.7k”后面多了“1/4W”：阻值后面只写单位，例如 4.7k 或 4.7kΩ。"},
        {"4.7kΩ\u2028x", "“4.7kΩ”后面多了“U+2028 x”：阻值后面只写单位，例如 4.7k 或 4.7kΩ。"},
        {"4.7\x07k", "输入里有控制字符 U+0007，请删掉后重新输入。"},
        {"Ω", "请输入数字，例如 4.7k 或 470。"},
        {"1234567890123456789012345678901", "输入太长了：阻值最多写 30 个字符。"},
        {"4\xc0\xae", "输入里有不是 UTF-8 文字的字节（0xC0 0xAE），请重新输入。"},
        {"5mΩ", "“5mΩ”是毫欧：色环电阻没有毫欧（mΩ）的阻值，请用 Ω、k、M 或 G 写。"},
        {"5毫欧", "“5毫欧”是毫欧：色环电阻没有毫欧（mΩ）的阻值，请用 Ω、k、M 或 G 写。"},
        {"4.7k", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(inputReason(parseValue(c.typed)), c.reason) << c.typed;
}

TEST(ValueWords, ASmallMReadAsMegaIsNotedAndNothingElseIs) {
    EXPECT_EQ(inputNote(parseValue("4.7m")),
              "小写 m 按 M（兆）读，即 4.70MΩ；色环电阻没有毫欧（mΩ）的。");
    EXPECT_EQ(inputNote(parseValue("4m7"), {","}),
              "小写 m 按 M（兆）读，即 4,70MΩ；色环电阻没有毫欧（mΩ）的。");
    for (const char* typed : {"4.7M", "4.7k", "4.7兆", "5mΩ"})
        EXPECT_EQ(inputNote(parseValue(typed)), "") << typed;
}

// ---- the answer -------------------------------------------------------------------------------

TEST(ValueWords, TheAnswerAsTheWindowShowsIt) {
    const struct {
        const char* typed;
        int bands;
        int tolerance;
        const char* names;
        const char* shown;
        const char* range;
    } cases[] = {
        {"4.7k", 4, 10, "黄 紫 红 金", "等于： 4.70KΩ", "4.465KΩ ～ 4.935KΩ"},
        {"4.7k", 5, 0, "黄 紫 黑 棕 棕", "等于： 4.70KΩ", "4.653KΩ ～ 4.747KΩ"},
        {"0.47", 4, 10, "黄 紫 银 金", "等于： 0.47Ω", "0.4465Ω ～ 0.4935Ω"},
        {"4R7", 4, 11, "黄 紫 金 银", "等于： 4.70Ω", "4.23Ω ～ 5.17Ω"},
        {"1k", 4, 12, "棕 黑 红 无", "等于： 1000.00Ω", "800.00Ω ～ 1.20KΩ"},
        {"1k", 5, 6, "棕 黑 黑 棕 紫", "等于： 1000.00Ω", "999.00Ω ～ 1.001KΩ"},
        {"999G", 5, 5, "白 白 白 白 蓝", "等于： 999.00GΩ", "996.5025GΩ ～ 1001.4975GΩ"},
        {"0", 4, 10, "黑", "等于： 0.00Ω", "0.00Ω（跳线，没有误差环）"},
        {"4.75k", 4, 10, "黄 灰 红 金", "等于： 4.80KΩ", "4.56KΩ ～ 5.04KΩ"},
        {"12345", 5, 1, "棕 红 橙 红 红", "等于： 12.30KΩ", "12.054KΩ ～ 12.546KΩ"},
    };
    for (const auto& c : cases) {
        const model::Finding f = findColours(ohms(c.typed), c.bands, c.tolerance);
        ASSERT_TRUE(f.answer) << c.typed;
        EXPECT_EQ(colourNames(*f.answer), c.names) << c.typed;
        EXPECT_EQ(shownValue(*f.answer), c.shown) << c.typed;
        EXPECT_EQ(range(*f.answer), c.range) << c.typed;
    }
    const model::Finding f = findColours(ohms("4.7k"), 4, 10);
    EXPECT_EQ(shownValue(*f.answer, {","}), "等于： 4,70KΩ");
    EXPECT_EQ(range(*f.answer, {","}), "4,465KΩ ～ 4,935KΩ");
}

struct Refusal {
    const char* typed;
    int bands;
    model::Tolerance tolerance;
    const char* reason;
};

TEST(ValueWords, EachReasonAValueGetsNoColours) {
    const Refusal cases[] = {
        {"100G", 4, 10,
         "阻值太大了：四环电阻能做 0.10Ω ～ 99.00GΩ，最接近的 99.00GΩ 是 白 白 白 金。"},
        {"99.5G", 4, 12,
         "阻值太大了：四环电阻能做 0.10Ω ～ 99.00GΩ，最接近的 99.00GΩ 是 白 白 白 无。"},
        {"1000G", 5, 0,
         "阻值太大了：五环电阻能做 1.00Ω ～ 999.00GΩ，最接近的 999.00GΩ 是 白 白 白 白 棕。"},
        // No part starts with a black band: below 0.1 Ω none is made, on five bands either.
        {"0.0949", 4, 10,
         "阻值太小了：四环电阻能做 0.10Ω ～ 99.00GΩ，最接近的 0.10Ω 是 棕 黑 银 金。"},
        {"0.0949", 5, 0,
         "阻值太小了：四环电阻能做 0.10Ω ～ 99.00GΩ，最接近的 0.10Ω 是 棕 黑 银 棕。"},
        {"0.0499", 4, 10,
         "阻值太小了：四环电阻能做 0.10Ω ～ 99.00GΩ，最接近的是 0Ω 跳线电阻，只有一条黑色环。"},
        {"4.7k", 4, 2, "误差环没有橙色，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！"},
        {"4.7k", 5, 9, "误差环没有黑色，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！"},
        {"20k", 5, 12, "五环电阻不能没有误差环（±20%）：少了第五环，会被当成四环电阻读错。"},
        {"4.7k", 3, 10, "色环电阻只有四环和五环两种。"},
        {"4.7k", 4, 13, "没有这种颜色。"},
        {"4.7k", 4, 10, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findingReason(findColours(ohms(c.typed), c.bands, c.tolerance)), c.reason)
            << c.typed << " on " << c.bands;
    // The user's decimal point in every number.
    EXPECT_EQ(findingReason(findColours(ohms("100G"), 4, 10), {","}),
              "阻值太大了：四环电阻能做 0,10Ω ～ 99,00GΩ，最接近的 99,00GΩ 是 白 白 白 金。");
}

// Each note where its condition holds, and nowhere else.
TEST(ValueWords, NotesOnlyWhereTheyApply) {
    const struct {
        const char* typed;
        int bands;
        model::Tolerance tolerance;
        std::vector<std::string> notes;
    } cases[] = {
        {"4.75k",
         4,
         10,
         {"四环电阻只有两位有效数字，做不出 4.75KΩ，最接近的是 4.80KΩ；五环能做出。"}},
        {"4.753k", 4, 10, {"四环电阻只有两位有效数字，做不出 4.753KΩ，最接近的是 4.80KΩ。"}},
        {"4.753k", 5, 0, {"五环电阻只有三位有效数字，做不出 4.753KΩ，最接近的是 4.75KΩ。"}},
        {"4.75k", 5, 0, {}},
        {"4.7k", 4, 10, {}},
        {"0", 4, 10, {"0Ω 是跳线电阻，实物上只有一条黑色环。"}},
        {"0.1", 4, 10, {}},
        {"0.47", 5, 0, {"五环电阻最小 1.00Ω，这是四环电阻。"}},
        {"4.7k",
         4,
         {model::palette::kGrey, true},
         {"灰色误差环是 IEC 60062:2016 标准给的精密误差：±0.01%，这是精密电阻。"}},
        {"4.7k",
         5,
         {model::palette::kOrange, true},
         {"橙色误差环是 IEC 60062:2016 标准给的精密误差：±0.05%，这是精密电阻。"}},
        {"4.7k",
         5,
         {model::palette::kBlue, true},
         {"蓝色误差环按本程序的表是 ±0.2%，IEC 60062:2016 标准给的是 ±0.25%；这是精密电阻。"}},
        // The blue chip too: one part, one range.
        {"4.7k",
         5,
         model::palette::kBlue,
         {"蓝色误差环按本程序的表是 ±0.2%，IEC 60062:2016 标准给的是 ±0.25%；这是精密电阻。"}},
        {"4.75k",
         4,
         {model::palette::kYellow, true},
         {"四环电阻只有两位有效数字，做不出 4.75KΩ，最接近的是 4.80KΩ；五环能做出。",
          "黄色误差环是 IEC 60062:2016 标准给的精密误差：±0.02%，这是精密电阻。"}},
    };
    for (const auto& c : cases) {
        const model::Finding f = findColours(ohms(c.typed), c.bands, c.tolerance);
        EXPECT_EQ(answerNotes(f), c.notes) << c.typed << " on " << c.bands;
    }
}

// Every value with its unit as the main window writes it.
TEST(ValueWords, StandardValuesHeadingAndAside) {
    const struct {
        const char* typed;
        int bands;
        int tolerance;
        const char* heading;
        const char* aside;
        std::vector<std::string> entries; // the makeable ones, as the window lists them
    } cases[] = {
        {"4.7k", 5, 0, "4.70KΩ 是 E24 标准值。", "", {"E24  4.70KΩ  0.00%"}},
        {"10k", 5, 0, "10.00KΩ 是 E24、E96 标准值。", "", {"E24/E96  10.00KΩ  0.00%"}},
        {"4.7k", 4, 12, "4.70KΩ 是 E6 标准值。", "", {"E6  4.70KΩ  0.00%"}},
        {"4.5k",
         4,
         10,
         "4.50KΩ 不是 E24 标准值。",
         "",
         {"E24  4.30KΩ  -4.44%", "E24  4.70KΩ  +4.44%"}},
        {"4.8k",
         5,
         1,
         "4.80KΩ 不是 E24、E48 标准值。",
         "",
         {"E48  4.64KΩ  -3.33%", "E24  4.70KΩ  -2.08%", "E48  4.87KΩ  +1.46%",
          "E24  5.10KΩ  +6.25%"}},
        {"4.8k",
         4,
         1,
         "4.80KΩ 不是 E24、E48 标准值。",
         "四环电阻做不出相邻的标准值 4.64KΩ（E48，-3.33%）、4.87KΩ（E48，+1.46%）。",
         {"E24  4.70KΩ  -2.08%", "E24  5.10KΩ  +6.25%"}},
        {"1k", 4, 10, "1000.00Ω 是 E24 标准值。", "", {"E24  1000.00Ω  0.00%"}},
        {"99G",
         4,
         10,
         "99.00GΩ 不是 E24 标准值。",
         "四环电阻做不出相邻的标准值 100.00GΩ（E24，+1.01%）。",
         {"E24  91.00GΩ  -8.08%"}},
        {"0.096", 4, 10, "0.096Ω 不是 E24 标准值。",
         "四环电阻做不出相邻的标准值 0.091Ω（E24，-5.21%）。", {"E24  0.10Ω  +4.17%"}},
        {"4.87k", 4, 1, "4.87KΩ 是 E48 标准值，但四环电阻做不出。", "", {}},
        // A difference the hundredths round to nothing still shows.
        {"100.0001", 4, 10, "100.0001Ω 不是 E24 标准值。", "",
         {"E24  100.00Ω  -0.0001%", "E24  110.00Ω  +10.00%"}},
        {"0", 4, 10, "", "", {}},
    };
    for (const auto& c : cases) {
        const model::Finding f = findColours(ohms(c.typed), c.bands, c.tolerance);
        EXPECT_EQ(standardHeading(f), c.heading) << c.typed;
        EXPECT_EQ(standardAside(f), c.aside) << c.typed;
        std::vector<std::string> entries;
        for (const model::StandardValue& v : f.standard)
            if (v.makeable) entries.push_back(standardValueEntry(v));
        EXPECT_EQ(entries, c.entries) << c.typed;
    }
    const model::Finding f = findColours(ohms("32k"), 4, 10);
    ASSERT_EQ(f.standard.size(), 2u);
    EXPECT_EQ(standardValueLine(f.standard[1], {","}), "标准值 E24：33,00KΩ（+3,13%）");
    EXPECT_EQ(standardValueEntry(f.standard[0], {","}), "E24  30,00KΩ  -6,25%");
}

// The main window's tolerance band has no precision figures to show.
TEST(ValueWords, HandingAPrecisionToleranceOverIsRefusedWithItsReason) {
    const struct {
        model::Tolerance tolerance;
        const char* reason;
    } cases[] = {
        {{model::palette::kGrey, true},
         "主窗口的误差环没有灰色：这是 IEC 60062 标准里的精密误差，只能在这里看。"},
        {{model::palette::kOrange, true},
         "主窗口的误差环没有橙色：这是 IEC 60062 标准里的精密误差，只能在这里看。"},
        {{model::palette::kBlue, true},
         "主窗口的蓝色误差环是 ±0.2%：±0.25% 是 IEC 60062 的精密误差，只能在这里看。"},
    };
    for (const auto& c : cases) {
        const model::Finding f = findColours(ohms("4.7k"), 5, c.tolerance);
        ASSERT_TRUE(f.answer);
        EXPECT_EQ(handOverRefusal(*f.answer), c.reason);
    }
}

TEST(ValueWords, TerminalLines) {
    const model::Finding f = findColours(ohms("4.7k"), 4, {model::palette::kGrey, true});
    EXPECT_EQ(coloursLine(*f.answer), "色环：黄 紫 红 灰（四环电阻）");
    EXPECT_EQ(valueLine(*f.answer), "阻值：4.70KΩ");
    EXPECT_EQ(toleranceLine(*f.answer), "误差：±0.01%，4.69953KΩ ～ 4.70047KΩ");
    const model::Finding jumper = findColours(ohms("0"), 5, 0);
    EXPECT_EQ(coloursLine(*jumper.answer), "色环：黑（跳线电阻）");
    EXPECT_EQ(toleranceLine(*jumper.answer), "误差：0.00Ω（跳线，没有误差环）");
    EXPECT_EQ(smdLine({"472", "4701"}), "贴片代码：472 4701");
    EXPECT_EQ(smdCodes({"472", "4701"}), "贴片代码：472、4701");
}

} // namespace
} // namespace zq::wording
