// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line's answers and exit status, as the program reads its arguments.
#include "app/command_line.h"
#include "ui/program_info.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

zq::app::CommandLineAnswer run(const std::vector<std::string>& args) {
    QStringList line{QStringLiteral("zelquin")};
    for (const std::string& a : args)
        line << QString::fromStdString(a);
    return zq::app::readCommandLine(line, zq::ui::versionRecord(), QStringLiteral("."));
}

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
    const auto a = run(GetParam().args);
    EXPECT_FALSE(a.openWindow);
    EXPECT_EQ(a.exitStatus, GetParam().status);
    EXPECT_EQ(a.out.toStdString(), GetParam().out);
    EXPECT_EQ(a.err.toStdString(), GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    ArgumentsAndAnswers, ColoursCommand,
    testing::Values(
        Run{{"--colours", "4.7k"},
            0,
            "色环：黄 紫 红 金（四环电阻）\n阻值：4.70KΩ\n误差：±5%，4.465KΩ ～ 4.935KΩ\n"
            "标准值：4.70KΩ 是 E24 标准值。\n标准值 E24：4.70KΩ（0.00%）\n贴片代码：472 4701\n",
            ""},
        Run{{"--colours=4k7", "--bands=5"},
            0,
            "色环：黄 紫 黑 棕 棕（五环电阻）\n阻值：4.70KΩ\n误差：±1%，4.653KΩ ～ 4.747KΩ\n"
            "标准值：4.70KΩ 是 E24 标准值。\n标准值 E24：4.70KΩ（0.00%）\n贴片代码：472 4701\n",
            ""},
        Run{{"--bands", "4", "--tolerance", "银", "--colours", "R47"},
            0,
            "色环：黄 紫 银 银（四环电阻）\n阻值：0.47Ω\n误差：±10%，0.423Ω ～ 0.517Ω\n"
            "标准值：0.47Ω 是 E12 标准值。\n标准值 E12：0.47Ω（0.00%）\n贴片代码：R47 R470 0R47\n",
            ""},
        Run{{"--colours", "9.96k", "--tolerance", "Gold"},
            0,
            "色环：棕 黑 橙 金（四环电阻）\n阻值：10.00KΩ\n误差：±5%，9.50KΩ ～ 10.50KΩ\n"
            "说明：四环电阻只有两位有效数字，做不出 9.96KΩ，最接近的是 10.00KΩ；五环能做出。\n"
            "标准值：9.96KΩ 不是 E24 标准值。\n标准值 E24：9.10KΩ（-8.63%）\n"
            "标准值 E24：10.00KΩ（+0.40%）\n贴片代码：9961\n",
            ""},
        Run{{"--colours", "-4.7k"}, 2, "", "阻值不能是负数。\n"},
        Run{{"--colours", ""}, 2, "", "请先输入阻值，例如 4.7k 或 470。\n"},
        Run{{"--colours", "100G"},
            2,
            "",
            "阻值太大了：四环电阻能做 0.10Ω ～ 99.00GΩ，最接近的 99.00GΩ 是 白 白 白 金。\n"},
        Run{{"--colours", "4.7k", "--bands", "6"}, 2, "", "色环数只能是 4 或 5。\n"},
        Run{{"--colours", "4.7k", "--tolerance", "black"},
            2,
            "",
            "误差环没有黑色，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！\n"},
        Run{{"--colours", "4.7k", "--tolerance", "pink"}, 2, "", "“pink”不是色环的颜色。\n"},
        Run{{"--colours"},
            2,
            "",
            "zelquin：选项“--colours”缺少值。用 zelquin --help 查看可用的选项。\n"},
        Run{{"--colours", "--bands", "5"},
            2,
            "",
            "zelquin：选项“--colours”缺少值。用 zelquin --help 查看可用的选项。\n"},
        Run{{"--colours", "1k", "--shout"},
            2,
            "",
            "zelquin：不认识的选项“--shout”。用 zelquin --help 查看可用的选项。\n"},
        Run{{"--bands", "5"},
            2,
            "",
            "zelquin：选项“--bands”要和 --colours 一起用。用 zelquin --help 查看可用的选项。\n"},
        Run{{"--json"},
            2,
            "{\"code\":\"option-alone\",\"error\":\"zelquin：选项“--json”要和 --colours、--read 或 --smd 一起用。用 "
            "zelquin --help 查看可用的选项。\"}\n",
            "zelquin：选项“--json”要和 --colours、--read 或 --smd 一起用。用 zelquin --help "
            "查看可用的选项。\n"},
        Run{{"--colours", "1k", "2k"},
            2,
            "",
            "zelquin：多余的参数“2k”。用 zelquin --help 查看可用的选项。\n"}));

TEST(ColoursCommand, HelpAnywhereOnTheLineAnswersWithTheHelp) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--colours", "4k7", "--help"}, {"--bands", "5", "-h"}, {"--json", "--help"}}) {
        const auto a = run(args);
        EXPECT_EQ(a.exitStatus, 0) << args.front();
        EXPECT_EQ(a.out, zq::app::helpText()) << args.front();
    }
}

TEST(ColoursCommand, JsonRefusalCarriesTheReasonOnBothStreams) {
    const auto a = run({"--colours", "4..7k", "--json"});
    EXPECT_EQ(a.exitStatus, 2);
    EXPECT_EQ(QJsonDocument::fromJson(a.out.toUtf8()).object()[QStringLiteral("error")].toString() +
                  QLatin1Char('\n'),
              a.err);
}

// Each case: the arguments, and a line the answer (or the reason) must hold.
struct Asked {
    std::vector<std::string> args;
    int status;
    std::string holds;
};

void PrintTo(const Asked& a, std::ostream* os) {
    for (const std::string& w : a.args)
        *os << w << ' ';
}

class OtherQuestions : public testing::TestWithParam<Asked> {};

TEST_P(OtherQuestions, AnswerOnStandardOutputOrRefuseWithOneLineAndStatusTwo) {
    const auto a = run(GetParam().args);
    EXPECT_EQ(a.exitStatus, GetParam().status);
    const QString& where = GetParam().status == 0 ? a.out : a.err;
    EXPECT_TRUE(where.contains(QString::fromStdString(GetParam().holds))) << where.toStdString();
    if (GetParam().status != 0) {
        EXPECT_TRUE(a.out.isEmpty());
        EXPECT_EQ(a.err.count(u'\n'), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SmdAndRead, OtherQuestions,
    testing::Values(Asked{{"--smd", "472"}, 0, "472 = 4.70KΩ：47 × 10² = 4.70KΩ"},
                    Asked{{"--smd", "01C"}, 0, "五环色环：棕 黑 黑 红 棕"},
                    Asked{{"--smd", "4R7"}, 0, "四环色环：黄 紫 金 金"},
                    Asked{{"--smd", "97B"}, 2, "01～96"}, Asked{{"--smd"}, 2, "--smd"},
                    Asked{{"--read", "黄", "紫", "红", "金"}, 0, "只有从左往右读说得通"},
                    Asked{
                        {"--read", "brown", "black", "black", "red", "brown", "--measured", "120"},
                        0,
                        "120.00Ω ±1% 相符"},
                    Asked{{"--read", "红", "红"}, 2, "三到六个环"},
                    Asked{{"--read", "红", "红", "红", "红", "红", "红", "红"}, 2, "三到六个环"},
                    Asked{{"--read", "红", "粉", "红"}, 2, "“粉”不是色环的颜色"},
                    Asked{{"--read", "红", "无", "红"}, 2, "第二环是无色"},
                    Asked{{"--read", "金", "金", "金", "金"}, 2, "两头都读不通"},
                    Asked{{"--read", "红", "红", "红", "--measured", "4..7k"}, 2, "万用表读数"},
                    Asked{{"--measured", "1k"}, 2, "要和 --read 一起用"},
                    Asked{{"--smd", "472", "--colours", "4k7"}, 2, "一次只能问一个"},
                    Asked{{"--colours", "4k7", "--tolerance", "±1%"}, 0, "误差：±1%"}));

} // namespace
