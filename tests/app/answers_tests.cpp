// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line's answers and exit status, as the program reads its arguments.
#include "app/answers.h"
#include "app/command_line.h"
#include "ui/program_info.h"

#include <QJsonArray>
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

// Every number exact and as a decimal string, whatever the user's decimal point.
TEST(ColoursCommand, JsonAnswerIsOneObjectWithExactNumbers) {
    const zq::app::Answer a = zq::app::coloursAnswer(
        {QStringLiteral("4,7k"), QStringLiteral("5"), QStringLiteral("brown")}, true,
        QStringLiteral(","));
    ASSERT_EQ(a.status, 0) << a.err.toStdString();
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(a.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << a.out.toStdString();
    EXPECT_EQ(o[QStringLiteral("input")].toString(), QStringLiteral("4,7k"));
    EXPECT_EQ(o[QStringLiteral("bands")].toInt(), 5);
    EXPECT_EQ(
        o[QStringLiteral("colours")].toArray(),
        (QJsonArray{QStringLiteral("yellow"), QStringLiteral("violet"), QStringLiteral("black"),
                    QStringLiteral("brown"), QStringLiteral("brown")}));
    EXPECT_EQ(o[QStringLiteral("colours_zh")].toArray().first().toString(), QStringLiteral("黄"));
    EXPECT_EQ(o[QStringLiteral("value_ohms")].toString(), QStringLiteral("4700"));
    EXPECT_TRUE(o[QStringLiteral("exact")].toBool());
    EXPECT_EQ(o[QStringLiteral("tolerance_percent")].toString(), QStringLiteral("1"));
    EXPECT_EQ(o[QStringLiteral("min_ohms")].toString(), QStringLiteral("4653"));
    EXPECT_EQ(o[QStringLiteral("max_ohms")].toString(), QStringLiteral("4747"));
    for (const auto& v : o[QStringLiteral("standard")].toArray())
        EXPECT_FALSE(
            v.toObject()[QStringLiteral("value_ohms")].toString().contains(QLatin1Char(',')));
}

TEST(ColoursCommand, JsonRefusalCarriesTheReasonOnBothStreams) {
    const auto a = run({"--colours", "4..7k", "--json"});
    EXPECT_EQ(a.exitStatus, 2);
    EXPECT_EQ(QJsonDocument::fromJson(a.out.toUtf8()).object()[QStringLiteral("error")].toString() +
                  QLatin1Char('\n'),
              a.err);
}

TEST(ColoursCommand, WritesNumbersWithTheUsersDecimalPoint) {
    const QString out =
        zq::app::coloursAnswer({QStringLiteral("4,7k"), {}, {}}, false, QStringLiteral(",")).out;
    EXPECT_EQ(out.section(QStringLiteral("\n误差"), 0, 0).toStdString(),
              "色环：黄 紫 红 金（四环电阻）\n阻值：4,70KΩ");
}

} // namespace

namespace {

QJsonObject parsed(const zq::app::Answer& a) {
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(a.out.toUtf8(), &error).object();
    EXPECT_EQ(error.error, QJsonParseError::NoError) << a.out.toStdString();
    return o;
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

TEST(SmdCommand, JsonNamesTheKindAndBothBandsExactly) {
    const QJsonObject o =
        parsed(zq::app::smdAnswer(QStringLiteral("01c"), true, QStringLiteral(",")));
    EXPECT_EQ(o[QStringLiteral("printed_code")].toString(), QStringLiteral("01C"));
    EXPECT_EQ(o[QStringLiteral("kind")].toString(), QStringLiteral("EIA-96"));
    EXPECT_EQ(o[QStringLiteral("value_ohms")].toString(), QStringLiteral("10000"));
    EXPECT_EQ(o[QStringLiteral("tolerance_percent")].toString(), QStringLiteral("1"));
    // 10 kΩ ±1 %, by the colour code: four bands 1 0 ×10³, five bands 1 0 0 ×10², brown for 1 %.
    EXPECT_EQ(o[QStringLiteral("colours4")].toArray(),
              (QJsonArray{QStringLiteral("brown"), QStringLiteral("black"), QStringLiteral("orange"),
                          QStringLiteral("brown")}));
    EXPECT_EQ(o[QStringLiteral("colours5")].toArray(),
              (QJsonArray{QStringLiteral("brown"), QStringLiteral("black"), QStringLiteral("black"),
                          QStringLiteral("red"), QStringLiteral("brown")}));
    EXPECT_TRUE(o[QStringLiteral("notes")].toArray().isEmpty());
    const QJsonObject twoWays = parsed(zq::app::smdAnswer(QStringLiteral("68R"), true, {}));
    const QJsonArray notes = twoWays[QStringLiteral("notes")].toArray();
    ASSERT_EQ(notes.size(), 1);
    EXPECT_EQ(notes[0].toObject()[QStringLiteral("code")].toString(),
              QStringLiteral("two-readings"));
    const QJsonObject jumper = parsed(zq::app::smdAnswer(QStringLiteral("000"), true, {}));
    EXPECT_EQ(jumper[QStringLiteral("kind")].toString(), QStringLiteral("jumper"));
    EXPECT_TRUE(jumper[QStringLiteral("tolerance_percent")].isNull());
}

TEST(ReadCommand, JsonListsBothReadingsAndMarksOnlyTheOneTheMeasurementConfirms) {
    const QJsonObject o = parsed(
        zq::app::readAnswer({QStringLiteral("棕"), QStringLiteral("黑"), QStringLiteral("黑"),
                             QStringLiteral("红"), QStringLiteral("棕")},
                            QStringLiteral("9,93k"), true, QStringLiteral(",")));
    EXPECT_EQ(o[QStringLiteral("bands")].toInt(), 5);
    const QJsonArray readings = o[QStringLiteral("readings")].toArray();
    ASSERT_EQ(readings.size(), 2);
    const QJsonObject first = readings[0].toObject(), second = readings[1].toObject();
    EXPECT_EQ(first[QStringLiteral("direction")].toString(), QStringLiteral("as-entered"));
    EXPECT_EQ(first[QStringLiteral("value_ohms")].toString(), QStringLiteral("10000"));
    EXPECT_EQ(first[QStringLiteral("min_ohms")].toString(), QStringLiteral("9900"));
    EXPECT_TRUE(first[QStringLiteral("likely")].toBool());
    EXPECT_TRUE(first[QStringLiteral("matches")].toBool());
    EXPECT_TRUE(first[QStringLiteral("tcr_ppm")].isNull());
    EXPECT_EQ(second[QStringLiteral("value_ohms")].toString(), QStringLiteral("120"));
    EXPECT_FALSE(second[QStringLiteral("likely")].toBool());
    EXPECT_FALSE(second[QStringLiteral("matches")].toBool());
    // Without a measurement nothing is matched, and an undecided pair has no likely one.
    const QJsonObject undecided = parsed(zq::app::readAnswer(
        {QStringLiteral("brown"), QStringLiteral("black"), QStringLiteral("black"),
         QStringLiteral("red"), QStringLiteral("brown")},
        std::nullopt, true, {}));
    for (const auto& r : undecided[QStringLiteral("readings")].toArray()) {
        EXPECT_TRUE(r.toObject()[QStringLiteral("matches")].isNull());
        EXPECT_FALSE(r.toObject()[QStringLiteral("likely")].toBool());
    }
}

TEST(ReadCommand, SixBandsCarryTheCoefficient) {
    const QJsonObject o = parsed(zq::app::readAnswer(
        {QStringLiteral("orange"), QStringLiteral("orange"), QStringLiteral("black"),
         QStringLiteral("red"), QStringLiteral("brown"), QStringLiteral("red")},
        std::nullopt, true, {}));
    const QJsonArray readings = o[QStringLiteral("readings")].toArray();
    ASSERT_FALSE(readings.isEmpty());
    EXPECT_EQ(readings[0].toObject()[QStringLiteral("tcr_ppm")].toInt(), 50);
}

} // namespace
