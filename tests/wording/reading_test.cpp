// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The sentences about a resistor read both ways: one table per kind, each with the other side
// of its condition.
#include "wording/reading.h"

#include "model/value_input.h"
#include "wording/main_window.h"
#include "wording/words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace zq::wording {
namespace {

using namespace model::palette;
using model::Direction;

std::optional<model::Decimal> measured(const char* typed) {
    if (!typed) return std::nullopt;
    const model::ValueInput v = model::parseValue(typed);
    EXPECT_TRUE(v.ok) << typed;
    return v.ohms;
}

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

bool startsWith(const std::string& text, std::string_view start) {
    return std::string_view(text).starts_with(start);
}

// Characters as the reader sees them, not bytes.
std::size_t characters(std::string_view utf8) {
    return std::size_t(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::vector<std::string> codes(const std::vector<Said>& said) {
    std::vector<std::string> out;
    for (const Said& s : said)
        out.push_back(s.code);
    return out;
}

std::string shown(const std::vector<int>& colours, const char* m) {
    return shortNames(colours) + (m ? std::string(" @ ") + m : std::string());
}

// ---- the verdict --------------------------------------------------------------------------

struct VerdictCase {
    std::vector<int> seen;
    const char* measured;
    std::vector<std::string> codes;
    const char* text;
};

TEST(ReadingWords, TheVerdictSaysWhichReadingIsLikelyAndWhy) {
    const VerdictCase cases[] = {
        {{kYellow, kViolet, kRed, kGold},
         nullptr,
         {"only-one-way"},
         "只有从左往右读说得通：4.70KΩ ±5%。"},
        {{kRed, kRed, kRed}, nullptr, {"palindrome"}, "正着读和倒着读是一样的：2.20KΩ ±20%。"},
        // All digits black is no part, not a jumper: a band was misread.
        {{kBlack, kBlack, kBlack},
         nullptr,
         {"neither-way"},
         "两头读都说不通，请再看看是不是有颜色看错了。"},
        {{kYellow, kViolet, kOrange},
         nullptr,
         {"series"},
         "更可能是从左往右读的 47.00KΩ ±20%：它是标准阻值，而从右往左读的 370.00KΩ ±20% 不是，"
         "很少有厂家生产这样的电阻。"},
        {{kOrange, kOrange, kBlack, kRed, kBrown},
         nullptr,
         {"tolerance-colour"},
         "两种读法都是标准阻值，但从左往右读时误差环是棕色，很常见；从右往左读时误差环是橙色，"
         "少见。所以更可能是从左往右读的 33.00KΩ ±1%。"},
        // Undecided, asked to measure; with bands of equally common colours, and with none.
        {{kBrown, kBlack, kBlack, kRed, kBrown},
         nullptr,
         {"undecided", "measure-to-decide"},
         "两种读法都是标准阻值，误差环的颜色也分不出哪种更常见，看不出哪种读法更可能。"
         "请用万用表量一下阻值，再对照两种读法的范围。"},
        {{kRed, kBrown, kOrange},
         nullptr,
         {"undecided", "measure-to-decide"},
         "两种读法都不是标准阻值，看不出哪种读法更可能。请用万用表量一下阻值，再对照两种读法的范围"
         "。"},
        // Measured already: no asking for it again.
        {{kBrown, kBlack, kBlack, kRed, kBrown},
         "5k",
         {"undecided", "measurement-matches-none"},
         "两种读法都是标准阻值，误差环的颜色也分不出哪种更常见，看不出哪种读法更可能。"
         "量到的阻值和哪种读法都不相符，也不像是看错了一个颜色。"},
        {{kBrown, kBlack, kBlack, kRed, kBrown},
         "9.93k",
         {"measurement"},
         "量到的阻值只和从左往右读的 10.00KΩ ±1% 相符，所以就是它。"},
        {{kBrown, kBlack, kBlack, kRed, kBrown},
         "119.5",
         {"measurement"},
         "量到的阻值只和从右往左读的 120.00Ω ±1% 相符，所以就是它。"},
        {{kYellow, kViolet, kBlack, kGold},
         "470",
         {"only-one-way", "measurement-matches-none-misread"},
         "只有从左往右读说得通：47.00Ω ±5%。量到的阻值和哪种读法都不相符，可能看错了一个颜色。"},
        {{kYellow, kViolet, kRed, kGold},
         "100",
         {"only-one-way", "measurement-matches-none"},
         "只有从左往右读说得通：4.70KΩ "
         "±5%。量到的阻值和哪种读法都不相符，也不像是看错了一个颜色。"},
        {{kYellow, kViolet, kRed, kGold},
         "4.7k",
         {"only-one-way"},
         "只有从左往右读说得通：4.70KΩ ±5%。"},
        // A black first band loses even to a value off its series.
        {{kBlack, kBrown, kRed},
         nullptr,
         {"leading-black"},
         "更可能是从右往左读的 21.00Ω ±20%：从左往右读的 100.00Ω ±20% 第一环是黑色，"
         "没有厂家这样生产电阻。"},
        {{kGold, kGold, kGold, kGold},
         nullptr,
         {"neither-way"},
         "两头读都说不通，请再看看是不是有颜色看错了。"},
    };
    for (const VerdictCase& c : cases) {
        const model::BandReadings r = model::readBothWays(c.seen, measured(c.measured));
        const std::vector<Said> said = verdict(r);
        EXPECT_EQ(codes(said), c.codes) << shown(c.seen, c.measured);
        EXPECT_EQ(joined(said), c.text) << shown(c.seen, c.measured);
    }
}

TEST(ReadingWords, ValuesAreWrittenWithTheUsersPoint) {
    const model::BandReadings r =
        model::readBothWays(std::vector{kBrown, kBlack, kBlack, kRed, kBrown}, measured("119.5"));
    EXPECT_EQ(joined(verdict(r, {","})), "量到的阻值只和从右往左读的 120,00Ω ±1% 相符，所以就是它。");
    EXPECT_EQ(readingLine(r.readings[0], {","}),
              "● 从右往左读：棕 红 黑 黑 棕 → 120,00Ω ±1%（118,80Ω ～ 121,20Ω）");
}

// ---- each reading ---------------------------------------------------------------------------

struct NotesCase {
    std::vector<int> seen;
    Direction way;
    const char* measured;
    const char* line;
    std::vector<std::string> codes;
    const char* text;
};

TEST(ReadingWords, EachReadingSaysItsSeriesItsToleranceColourAndTheMeasurement) {
    const NotesCase cases[] = {
        {{kYellow, kViolet, kRed, kGold},
         Direction::AsEntered,
         nullptr,
         "● 从左往右读：黄 紫 红 金 → 4.70KΩ ±5%（4.465KΩ ～ 4.935KΩ）",
         {"standard-member"},
         "4.70KΩ 是 E24 系列里的标准阻值，±5% 的电阻就按这个系列生产。"},
        {{kYellow, kViolet, kOrange},
         Direction::Reversed,
         nullptr,
         "○ 从右往左读：橙 紫 黄 → 370.00KΩ ±20%（296.00KΩ ～ 444.00KΩ）",
         {"off-series"},
         "370.00KΩ 不在 ±20% 电阻所用的 E6 系列里，很少有这样的电阻。"},
        {{kBrown, kBlack, kBlack, kRed, kOrange},
         Direction::Reversed,
         nullptr,
         "○ 从右往左读：橙 红 黑 黑 棕 → 320.00Ω ±1%（316.80Ω ～ 323.20Ω）",
         {"off-series"},
         "320.00Ω 不在 ±1% 电阻所用的 E24 或 E96 系列里，很少有这样的电阻。"},
        {{kOrange, kOrange, kBlack, kRed, kBrown},
         Direction::Reversed,
         nullptr,
         "○ 从右往左读：棕 红 黑 橙 橙 → 120.00KΩ ±0.05%（119.94KΩ ～ 120.06KΩ）",
         {"standard-member", "precision-tolerance"},
         "120.00KΩ 是 E192 系列里的标准阻值，±0.05% 的电阻就按这个系列生产。"
         "橙色误差环是 IEC 60062:2016 标准给的精密误差：±0.05%，这是精密电阻。"},
        {{kBrown, kBlack, kBlack, kRed, kBlue},
         Direction::AsEntered,
         nullptr,
         "○ 从左往右读：棕 黑 黑 红 蓝 → 10.00KΩ ±0.25%（9.975KΩ ～ 10.025KΩ）",
         {"standard-member", "precision-tolerance-differs"},
         "10.00KΩ 是 E192 系列里的标准阻值，±0.25% 的电阻就按这个系列生产。"
         "蓝色误差环按本程序的表是 ±0.2%，IEC 60062:2016 标准给的是 ±0.25%；这是精密电阻。"},
        {{kGreen, kBlue, kBlack, kBlack, kBrown},
         Direction::Reversed,
         nullptr,
         "○ 从右往左读：棕 黑 黑 蓝 绿 → 100.00MΩ ±0.5%（99.50MΩ ～ 100.50MΩ）",
         {"standard-member", "rare-tolerance-colour"},
         "100.00MΩ 是 E192 系列里的标准阻值，±0.5% 的电阻就按这个系列生产。绿色误差环少见。"},
        // The common colour at the other end: no note about it.
        {{kGreen, kBlue, kBlack, kBlack, kBrown},
         Direction::AsEntered,
         nullptr,
         "● 从左往右读：绿 蓝 黑 黑 棕 → 560.00Ω ±1%（554.40Ω ～ 565.60Ω）",
         {"standard-member"},
         "560.00Ω 是 E24 系列里的标准阻值，±1% 的电阻就按这个系列生产。"},
        {{kGreen, kBrown, kBlue, kGold, kRed, kBlue},
         Direction::AsEntered,
         nullptr,
         "● 从左往右读：绿 棕 蓝 金 红 蓝 → 51.60Ω ±2% 10ppm/K（50.568Ω ～ 52.632Ω）",
         {"off-series"},
         "51.60Ω 不在 ±2% 电阻所用的 E24 或 E48 系列里，很少有这样的电阻。"},
        {{kBrown, kBlack, kBlack, kRed, kBrown},
         Direction::AsEntered,
         "9.93k",
         "● 从左往右读：棕 黑 黑 红 棕 → 10.00KΩ ±1%（9.90KΩ ～ 10.10KΩ）",
         {"standard-member", "measurement-matches"},
         "10.00KΩ 是 E24 系列里的标准阻值，±1% 的电阻就按这个系列生产。"
         "量到的 9.93KΩ 在 9.90KΩ ～ 10.10KΩ 之内，相符。"},
        {{kBrown, kBlack, kBlack, kRed, kBrown},
         Direction::Reversed,
         "9.93k",
         "○ 从右往左读：棕 红 黑 黑 棕 → 120.00Ω ±1%（118.80Ω ～ 121.20Ω）",
         {"standard-member", "measurement-does-not-match"},
         "120.00Ω 是 E24 系列里的标准阻值，±1% 的电阻就按这个系列生产。"
         "量到的 9.93KΩ 不在 118.80Ω ～ 121.20Ω 之内，不相符。"},
        // The missing tolerance band of four: ±20 %, no colour to remark on.
        {{kWhite, kViolet, kBlack, kNone},
         Direction::AsEntered,
         nullptr,
         "● 从左往右读：白 紫 黑 无 → 97.00Ω ±20%（77.60Ω ～ 116.40Ω）",
         {"off-series"},
         "97.00Ω 不在 ±20% 电阻所用的 E6 系列里，很少有这样的电阻。"},
    };
    for (const NotesCase& c : cases) {
        const model::BandReadings r = model::readBothWays(c.seen, measured(c.measured));
        const auto item =
            std::find_if(r.readings.begin(), r.readings.end(),
                         [&](const model::BandReadingItem& i) { return i.direction == c.way; });
        ASSERT_NE(item, r.readings.end()) << shown(c.seen, c.measured);
        EXPECT_EQ(readingLine(*item), c.line) << shown(c.seen, c.measured);
        const std::vector<Said> notes = readingNotes(*item, r.measured);
        EXPECT_EQ(codes(notes), c.codes) << shown(c.seen, c.measured);
        EXPECT_EQ(joined(notes), c.text) << shown(c.seen, c.measured);
    }
}

// ---- the ways ruled out ---------------------------------------------------------------------

struct RuledOutCase {
    std::vector<int> seen;
    Direction way;
    const char* code;
    const char* text;
};

TEST(ReadingWords, RuledOutWaysGiveTheRuleAndSendToTheOtherEndOnlyFromOneMetalEnd) {
    const RuledOutCase cases[] = {
        {{kYellow, kViolet, kRed, kGold},
         Direction::Reversed,
         "no-digit",
         "从右往左读，第一环是金色；第一环是数字环，所以不能为金色，金为被乘数，数值是0.1,同时金也"
         "是允许误差值，是±5%。记住啦！金色或银色的环只会在误差环一端，所以要从另一端读起。"},
        {{kSilver, kRed, kRed, kYellow},
         Direction::AsEntered,
         "no-digit",
         "从左往右读，第一环是银色；第一环是数字环，所以不能为银色，银为被乘数，数值是0.01,同时银"
         "也是允许误差值，是±10%。记住啦！金色或银色的环只会在误差环一端，所以要从另一端读起。"},
        {{kRed, kRed, kGold},
         Direction::Reversed,
         "no-digit",
         "从右往左读，第一环是金色；第一环是数字环，所以不能为金色，金为被乘数，数值是0.1,同时金也"
         "是允许误差值，是±5%。记住啦！金色或银色的环只会在倍率环一端，所以要从另一端读起。"},
        // Both ends metal: no end to send the reader to.
        {{kGold, kGold, kGold, kGold},
         Direction::AsEntered,
         "no-digit",
         "从左往右读，第一环是金色；第一环是数字环，所以不能为金色，金为被乘数，数值是0.1,同时金也"
         "是允许误差值，是±5%。记住啦！"},
        {{kGold, kRed, kRed, kSilver},
         Direction::Reversed,
         "no-digit",
         "从右往左读，第一环是银色；第一环是数字环，所以不能为银色，银为被乘数，数值是0.01,同时银"
         "也是允许误差值，是±10%。记住啦！"},
        {{kGreen, kBrown, kBlue, kGold, kRed, kBlue},
         Direction::Reversed,
         "no-digit",
         "从右往左读，第三环是金色；第三环是数字环，所以不能为金色，金为被乘数，数值是0.1,同时金也"
         "是允许误差值，是±5%。记住啦！"},
        {{kBrown, kBlack, kBlack, kRed, kBrown, kBrown},
         Direction::Reversed,
         "not-a-tolerance",
         "从右往左读，第五环是黑色；第五环是误差环，误差环没有黑色，误差环只有：棕，红，绿，蓝，紫"
         "，金，银和无色,记住啦！精密电阻的误差环还可能是橙、黄、灰色。"},
        {{kRed, kRed, kRed, kRed, kRed, kGold},
         Direction::AsEntered,
         "no-coefficient",
         "从左往右读，第六环是金色；第六环是温度系数环，没有金色的温度系数环。"},
        {{kWhite, kViolet, kBlack, kNone},
         Direction::Reversed,
         "no-digit",
         "从右往左读，第一环是无色；第一环是数字环，所以不能为无色，无色为允许误差值,是±20%。"
         "记住啦！"},
    };
    for (const RuledOutCase& c : cases) {
        const model::BandReadings r = model::readBothWays(c.seen);
        const auto o = std::find_if(r.ruledOut.begin(), r.ruledOut.end(),
                                    [&](const model::RuledOut& x) { return x.direction == c.way; });
        ASSERT_NE(o, r.ruledOut.end()) << shown(c.seen, nullptr);
        EXPECT_EQ(ruledOut(*o).code, c.code) << shown(c.seen, nullptr);
        EXPECT_EQ(ruledOut(*o).text, c.text) << shown(c.seen, nullptr);
        EXPECT_EQ(ruledOutLine(*o), std::string("✕ ") + c.text);
    }
}

// The ruled-out reasons are the main window's own, for the same band and colour.
TEST(ReadingWords, RuledOutWaysUseTheMainWindowsWords) {
    for (const int colour : {kGold, kSilver, kNone}) {
        const std::string mainWindow = digitBandRefusal(1, colour);
        const std::size_t so = mainWindow.find("所以");
        const std::string tail = so == std::string::npos ? mainWindow : mainWindow.substr(so);
        ASSERT_FALSE(tail.empty()) << colour;
        const model::BandReadings r =
            model::readBothWays(colour == kNone ? std::vector{kWhite, kViolet, kBlack, colour}
                                                : std::vector{kYellow, kViolet, kRed, colour});
        ASSERT_EQ(r.ruledOut.size(), 1u) << colour;
        EXPECT_TRUE(contains(ruledOut(r.ruledOut[0]).text, tail)) << tail;
    }
    const model::BandReadings black =
        model::readBothWays(std::vector{kBrown, kBlack, kRed, kBlack});
    ASSERT_EQ(black.ruledOut.size(), 1u);
    EXPECT_TRUE(contains(ruledOut(black.ruledOut[0]).text, toleranceBandRefusal(kBlack)));
}

// ---- confused bands, refusals -----------------------------------------------------------------

TEST(ReadingWords, AConfusedBandIsNamedWithWhatItWouldRead) {
    const model::BandReadings r =
        model::readBothWays(std::vector{kYellow, kViolet, kBlack, kGold}, measured("470"));
    ASSERT_EQ(r.changes.size(), 1u);
    EXPECT_EQ(change(r.changes[0]).code, "one-band-misread");
    EXPECT_EQ(change(r.changes[0]).text,
              "第三环可能是棕色而不是黑色：那样从左往右读是 470.00Ω ±5%，和量到的相符。");
    EXPECT_EQ(changeLine(r.changes[0], {","}),
              "？ 第三环可能是棕色而不是黑色：那样从左往右读是 470,00Ω ±5%，和量到的相符。");
}

TEST(ReadingWords, InputThatIsNoResistorIsRefusedWithTheBandAtFault) {
    struct Case {
        std::vector<int> seen;
        const char* code;
        const char* text;
    } cases[] = {
        {{kRed, kRed}, "band-count", "色环电阻有三到六个环，这里有 2 个。"},
        {{kRed, kRed, kRed, kRed, kRed, kRed, kRed},
         "band-count",
         "色环电阻有三到六个环，这里有 7 个。"},
        {{kRed, kNone, kRed, kGold},
         "absent-band",
         "第二环是无色：无色就是没有环，只输入看得见的色环。"},
        {{kRed, kRed, kNone}, "absent-band", "第三环是无色：无色就是没有环，只输入看得见的色环。"},
        {{kRed, kRed, 13}, "not-a-colour", "第三环不是一种颜色。"},
        {{kRed, kRed, kRed}, "", ""},
    };
    for (const Case& c : cases) {
        const model::BandReadings r = model::readBothWays(c.seen);
        EXPECT_EQ(inputRefusal(r).code, c.code);
        EXPECT_EQ(inputRefusal(r).text, c.text);
        EXPECT_EQ(readingLines(r).verdict, c.text[0] ? std::string(c.text) : joined(verdict(r)));
    }
}

TEST(ReadingWords, AColourNameIsQuotedShortAndOnOneLine) {
    EXPECT_EQ(notAColour("粉"), "“粉”不是色环的颜色。");
    std::string manyReds;
    for (int i = 0; i < 10000; ++i)
        manyReds += "红";
    const std::string reason = notAColour(manyReds);
    EXPECT_LT(characters(reason), 40u);
    EXPECT_TRUE(contains(reason, "…”")) << reason;
    EXPECT_FALSE(contains(notAColour("red\nblue"), "\n"));
    EXPECT_EQ(bandCountRefusal(2), "色环电阻有三到六个环，这里给了 2 个颜色。");
}

// A lone small m is read as mega, and said so beside the measurement; a capital M needs no word.
TEST(ReadingWords, AMeasurementIsNotedOnlyWhereItWasReadInAWayTheUserMayNotHaveMeant) {
    const Said lazy = measuredNote(model::parseValue("4.7m"));
    EXPECT_EQ(lazy.code, "milliohm-read-as-megohm");
    EXPECT_TRUE(startsWith(lazy.text, "万用表读数：")) << lazy.text;
    EXPECT_GT(characters(lazy.text), characters("万用表读数："));
    const Said plain = measuredNote(model::parseValue("4.7M"));
    EXPECT_TRUE(plain.code.empty() && plain.text.empty());
    EXPECT_TRUE(startsWith(measuredRefusal(model::parseValue("4..7k")), "万用表读数："));
}

// ---- the window's words ---------------------------------------------------------------------

TEST(ReadingWords, TheEnteredBandsSayWhenThereAreTooFewOrAsManyAsCanBe) {
    EXPECT_EQ(enteredBands({kRed, kRed}), "已输入 2 环：红 红（至少要三环）");
    EXPECT_EQ(enteredBands({kRed, kRed, kRed}), "已输入 3 环：红 红 红");
    EXPECT_EQ(enteredBands({kRed, kRed, kRed, kRed, kRed}), "已输入 5 环：红 红 红 红 红");
    EXPECT_EQ(enteredBands({kRed, kRed, kRed, kRed, kRed, kRed}),
              "已输入 6 环：红 红 红 红 红 红（最多六环）");
}

TEST(ReadingWords, TheLinesShownAreTheReadingsThenTheWaysRuledOutThenTheConfusedBands) {
    const model::BandReadings r =
        model::readBothWays(std::vector{kYellow, kViolet, kBlack, kGold}, measured("470"));
    const ReadingLines said = readingLines(r);
    EXPECT_EQ(said.verdict, joined(verdict(r)));
    const std::vector<std::string> lines{
        readingLine(r.readings[0]) + '\n' + joined(readingNotes(r.readings[0], r.measured)),
        ruledOutLine(r.ruledOut[0]), changeLine(r.changes[0])};
    EXPECT_EQ(said.lines, lines);
}

// The note on a band shown otherwise than seen names the shown colour first, the seen one second.
TEST(ReadingWording, TheHandOverNoteNamesTheColourShownThenTheColourSeen) {
    EXPECT_EQ(misreadShownAs(3, kBlack, kBrown), "按第三环是棕色而不是黑色显示，和量到的相符。");
    EXPECT_EQ(misreadShownAs(1, kBrown, kRed), "按第一环是红色而不是棕色显示，和量到的相符。");
}
} // namespace
} // namespace zq::wording
