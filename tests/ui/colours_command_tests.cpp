// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line's answer and exit status, called directly with its own streams.
#include "ui/value/colours_command.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct Run {
    std::vector<std::string> args;
    int status;
    std::string out; // exact standard output
    std::string err; // exact standard error
};

void PrintTo(const Run& r, std::ostream* os) {
    for (std::size_t i = 0; i < r.args.size(); ++i)
        *os << (i ? " " : "") << (r.args[i].empty() ? "''" : r.args[i]);
}

class ColoursCommand : public testing::TestWithParam<Run> {};

TEST_P(ColoursCommand, PrintsTheAnswerOrTheReasonWithItsStatus) {
    std::ostringstream out, err;
    EXPECT_EQ(zq::ui::runColoursCommand(GetParam().args, out, err), GetParam().status);
    EXPECT_EQ(out.str(), GetParam().out);
    EXPECT_EQ(err.str(), GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    ArgumentsAndAnswers, ColoursCommand,
    testing::Values(
        Run{{"--colours", "4.7k"},
            0,
            "色环：黄 紫 红 金（四环电阻）\n阻值：4.70KΩ\n误差：±5%，4.465KΩ ～ 4.935KΩ\n"
            "标准值 E6/E12/E24：4.70KΩ（0.00%）\n",
            ""},
        Run{{"--colours=4k7", "--bands=5"},
            0,
            "色环：黄 紫 黑 棕 棕（五环电阻）\n阻值：4.70KΩ\n误差：±1%，4.653KΩ ～ 4.747KΩ\n"
            "标准值 E48/E96：4.64KΩ（-1.28%）\n标准值 E96：4.75KΩ（+1.06%）\n"
            "标准值 E48：4.87KΩ（+3.62%）\n",
            ""},
        Run{{"--bands", "4", "--tolerance", "银", "--colours", "R47"},
            0,
            "色环：黄 紫 银 银（四环电阻）\n阻值：0.47Ω\n误差：±10%，0.423Ω ～ 0.517Ω\n"
            "标准值 E6/E12：0.47Ω（0.00%）\n",
            ""},
        Run{{"--colours", "9.96k", "--tolerance", "Gold"},
            0,
            "色环：棕 黑 橙 金（四环电阻）\n阻值：10.00KΩ\n误差：±5%，9.50KΩ ～ 10.50KΩ\n"
            "说明：四环电阻只有两位有效数字，做不出 9.96KΩ，最接近的是 10.00KΩ；五环能做出。\n"
            "标准值 E6：6.80KΩ（-31.73%）\n标准值 E12：8.20KΩ（-17.67%）\n"
            "标准值 E24：9.10KΩ（-8.63%）\n标准值 E6/E12/E24：10.00KΩ（+0.40%）\n",
            ""},
        Run{{"--colours", "-4.7k"}, 2, "", "阻值不能是负数。\n"},
        Run{{"--colours", ""}, 2, "", "请先输入阻值，例如 4.7k 或 470。\n"},
        Run{{"--colours", "100G"},
            2,
            "",
            "阻值太大了：四环电阻能做 0.01Ω～99.00GΩ，最接近的 99.00GΩ 是 白 白 白 金。\n"},
        Run{{"--colours", "4.7k", "--bands", "6"}, 2, "", "色环数只能是 4 或 5。\n"},
        Run{{"--colours", "4.7k", "--tolerance", "orange"},
            2,
            "",
            "误差环没有橙色，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！\n"},
        Run{{"--colours", "4.7k", "--tolerance", "pink"}, 2, "", "“pink”不是色环的颜色。\n"},
        Run{{"--colours"}, 2, "", "参数 --colours 后面少了值。\n"},
        Run{{"--colours", "1k", "--shout"}, 2, "", "不认识的参数“--shout”。\n"},
        Run{{"--bands", "5"},
            2,
            "",
            "用法：zelquin --colours 阻值 [--bands 4|5] [--tolerance 颜色]，例如 zelquin --colours "
            "4.7k\n"}));

TEST(ColoursCommand, WritesNumbersWithTheUsersDecimalPoint) {
    std::ostringstream out, err;
    EXPECT_EQ(zq::ui::runColoursCommand({"--colours", "4,7k"}, out, err, ","), 0);
    EXPECT_EQ(out.str().substr(0, out.str().find("\n误差")),
              "色环：黄 紫 红 金（四环电阻）\n阻值：4,70KΩ");
}

TEST(ColoursCommand, IsAskedForOnlyByItsOwnOption) {
    const char* const asked[] = {"zelquin", "--bands", "5", "--colours=1k"};
    const char* const plain[] = {"zelquin", "--help", "colours"};
    EXPECT_TRUE(zq::ui::wantsColours(4, asked));
    EXPECT_FALSE(zq::ui::wantsColours(3, plain));
}

} // namespace
