// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's sentences, character for character as the window has always shown them,
// irregular punctuation included.
#include "wording/main_window.h"

#include "model/colour_table.h"
#include "tests/model/test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zq::wording {
namespace {

using model::Warning;
namespace palette = model::palette;

// Band 4 of a four-band part while band 3 is gold, and while it is silver, by colour clicked.
const char* const kGoldColumn[12] = {
    "第三环为金色，所以不能在第四环选棕色啦，这是一个四环电阻！",
    "第三环为金色，所以不能在第四环选红色啦，这是一个四环电阻！",
    "第三环为金色，所以不能在第四环选橙色啦，这是一个四环电阻！",
    "第三环为金色，所以不能在第四环选黄色啦，这是一个四环电阻！",
    "第三环为金色，所以不能在第四环绿色啦，这是一个四环电阻！",
    "第三环为金色，所以不能在第四环选蓝色啦，这是一个四环电阻！",
    "第三环为金色，所以不能在第四环选紫色啦，这是一个四环电阻！",
    "第三环为金色，所以不能在第四环选灰色啦，这是一个四环电阻！",
    "第三环为金色，所以不能在第四环选白色啦，这是一个四环电阻！",
    "第三环为金色，所以不能在第四环选黑色啦，这是一个四环电阻！",
    "第三环为金色，所以不能在第四环选金色啦，这是一个四环电阻！",
    "第三环为金色，所以不能在第四环选银色啦，这是一个四环电阻！",
};
const char* const kSilverColumn[12] = {
    "第三环为银色，所以不能在第四环选棕色啦，这是一个四环电阻！",
    "第三环为银色，所以不能在第四环选红色啦，这是一个四环电阻！",
    "第三环为银色，所以不能在第四环选橙色啦，这是一个四环电阻！",
    "第三环为银色，所以不能在第四环选黄色啦，这是一个四环电阻！",
    "第三环为银色，所以不能在第四环选绿色啦，这是一个四环电阻！",
    "第三环为银色，所以不能在第四环选蓝色，这是一个四环电阻！啦",
    "第三环为银色，所以不能在第四环选紫色啦，这是一个四环电阻！",
    "第三环为银色，所以不能在第四环选灰色啦，这是一个四环电阻！",
    "第三环为银色，所以不能在第四环选白色啦，这是一个四环电阻！",
    "第三环为银色，所以不能在第四环选黑色啦，这是一个四环电阻！",
    "第三环为银色，所以不能在第四环选金色啦，这是一个四环电阻！",
    "第三环为银色，所以不能在第四环选银色啦，这是一个四环电阻！",
};

// Today's text for a warning, written from the window's own literals.
std::string todays(Warning w, int band, int colour) {
    const char* const ordinals[] = {"", "第一环", "第二环"};
    const char* const names[] = {"棕色", "红色", "橙色", "黄色", "绿色", "蓝色", "紫色",
                                 "灰色", "白色", "黑色", "金色", "银色", "无色"};
    switch (w) {
    case Warning::DigitBandHasNoDigit:
        return std::string("你选择了") + ordinals[band] +
               (colour == palette::kGold ? "，所以不能为金色，金为被乘数，数值是0.1,同时金也是"
                                           "允许误差值，是±5%。记住啦！"
                : colour == palette::kSilver
                    ? "，所以不能为银色，银为被乘数，数值是0.01,同时银也"
                      "是允许误差值，是±10%。记住啦！"
                    : "，所以不能为无色，无色为允许误差值,是±20%。记住啦！");
    case Warning::Band3NeverNone:
        return "你选择了第三环，不管是四环电阻，还是五环电阻，这一环，都不能为无色！";
    case Warning::Band3MetalOnFiveBand:
        return colour == palette::kGold ? "第四环不是无色，所以不能选金色，这是一个五环电阻！"
                                        : "第四环不是无色，所以不能选银色,这是一个五环电阻！";
    case Warning::Band4AfterGoldBand3:
        return kGoldColumn[colour];
    case Warning::Band4AfterSilverBand3:
        return kSilverColumn[colour];
    case Warning::ToleranceBandRefuses:
        return std::string("误差环没有") + names[colour] +
               "，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！";
    }
    return {};
}

TEST(MainWindowWords, EveryWarningTheRulesGiveHasTodaysText) {
    // Five-band, four-band, and four-band with a gold or a silver multiplier: between them
    // every refusal there is.
    const std::array<std::uint8_t, 5> states[] = {{1, 4, 3, 1, 10},
                                                  {1, 4, 3, 12, 10},
                                                  {1, 4, 10, 12, 10},
                                                  {1, 4, 11, 12, 10}};
    std::set<Warning> seen;
    int warnings = 0;
    for (const auto& chips : states)
        for (int band = 1; band <= model::kMainWindowBands; ++band)
            for (int colour = 0; colour < palette::kSize; ++colour)
                for (const model::Effect& e :
                     model::choose(model::test::stateWith(chips, band), colour)) {
                    if (e.kind != model::Effect::Kind::Warn) continue;
                    EXPECT_EQ(e.band, band);
                    EXPECT_EQ(e.colour, colour);
                    EXPECT_EQ(warning(e.warning, e.band, e.colour),
                              todays(e.warning, e.band, e.colour))
                        << "band " << band << " colour " << colour;
                    seen.insert(e.warning);
                    ++warnings;
                }
    EXPECT_EQ(seen.size(), model::kWarnings.size()) << "a warning the rules never give";
    // Per state: 6 on the digit bands, none on band 3, 5 on band 5; the five-band one adds
    // gold and silver on band 3, the metal multipliers 12 on band 4.
    EXPECT_EQ(warnings, (6 + 1 + 5) * 4 + 2 + 12 * 2);
    EXPECT_EQ(warningTitle(), "温馨提示！");
}

TEST(MainWindowWords, NoTextForAWarningWithAColourOrBandItNeverNames) {
    // The other side: a warning is never filled in with a colour the rules accept there.
    EXPECT_TRUE(warning(Warning::DigitBandHasNoDigit, 1, palette::kRed).empty());
    EXPECT_TRUE(warning(Warning::DigitBandHasNoDigit, 3, palette::kGold).empty());
    EXPECT_TRUE(warning(Warning::Band3MetalOnFiveBand, 3, palette::kBrown).empty());
    EXPECT_TRUE(warning(Warning::Band4AfterGoldBand3, 4, palette::kNone).empty());
    EXPECT_TRUE(warning(Warning::Band4AfterSilverBand3, 4, -1).empty());
}

TEST(MainWindowWords, ToleranceCaptionsOfEveryColourBandFiveTakes) {
    const std::pair<int, const char*> cases[] = {
        {0, "电阻可允许误差值：±1%"},
        {1, "电阻可允许误差值：±2%"},
        {4, "电阻可允许误差值：±0.5%"},
        {5, "电阻可允许误差值：±0.2%"},
        {6, "电阻可允许误差值：±0.1%"},
        {palette::kGold, "电阻可允许误差值：±5%"},
        {palette::kSilver, "电阻可允许误差值：±10%"},
        {palette::kNone, "电阻可允许误差值：±20%"},
    };
    for (const auto& [colour, text] : cases)
        EXPECT_EQ(toleranceCaption(model::colourByIndex(colour).tolerance), text)
            << colour;
}

TEST(MainWindowWords, FlowChartNamesTheKindOfResistorAndEquatesTheValue) {
    EXPECT_EQ(resistorKind(true), "现在为四环电阻");
    EXPECT_EQ(resistorKind(false), "现在为五环电阻");
    EXPECT_EQ(resultLine("25.40KΩ"), "等于： 25.40KΩ");
    EXPECT_EQ(resultLine("0,47Ω"), "等于： 0,47Ω");
}

} // namespace
} // namespace zq::wording
