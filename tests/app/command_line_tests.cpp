// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line as the program reads it before any window exists.
#include "app/command_line.h"
#include "ui/program_info.h"

#include <QRegularExpression>
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace {

using zq::app::readCommandLine;

QStringList line(const std::vector<const char*>& words) {
    QStringList l{QStringLiteral("/usr/bin/zelquin")};
    for (const char* w : words)
        l << QString::fromUtf8(w);
    return l;
}

zq::app::CommandLineAnswer read(const std::vector<const char*>& words) {
    return readCommandLine(line(words), zq::ui::versionRecord());
}

struct Case {
    const char* name;
    std::vector<const char*> words;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class AnswersWithoutWindow : public testing::TestWithParam<Case> {};

TEST_P(AnswersWithoutWindow, HelpAndVersionAnswerOnStandardOutputAndEndWithStatusZero) {
    const auto a = read(GetParam().words);
    EXPECT_FALSE(a.openWindow);
    EXPECT_EQ(a.exitStatus, 0);
    EXPECT_FALSE(a.out.isEmpty());
    EXPECT_TRUE(a.err.isEmpty()) << a.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Options, AnswersWithoutWindow,
                         testing::Values(Case{"long_help", {"--help"}}, Case{"short_help", {"-h"}},
                                         Case{"question_mark", {"-?"}},
                                         Case{"long_version", {"--version"}},
                                         Case{"short_version", {"-v"}},
                                         Case{"help_after_qt_option", {"-style", "fusion", "-h"}}),
                         [](const auto& info) { return std::string(info.param.name); });

class Refused : public testing::TestWithParam<Case> {};

TEST_P(Refused, WrongCommandLineGetsOneLineOnStandardErrorAndStatusTwo) {
    const auto a = read(GetParam().words);
    EXPECT_FALSE(a.openWindow);
    EXPECT_EQ(a.exitStatus, 2);
    EXPECT_TRUE(a.out.isEmpty()) << a.out.toStdString();
    ASSERT_TRUE(a.err.endsWith(QLatin1Char('\n')));
    EXPECT_EQ(a.err.count(QLatin1Char('\n')), 1) << a.err.toStdString();
    EXPECT_TRUE(a.err.startsWith(QStringLiteral("zelquin："))) << a.err.toStdString();
    EXPECT_TRUE(a.err.contains(QStringLiteral("--help"))) << a.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Arguments, Refused,
                         testing::Values(Case{"unknown_long", {"--frobnicate"}},
                                         Case{"unknown_short", {"-x"}},
                                         Case{"unknown_single_dash_word", {"-frobnicate"}},
                                         Case{"unknown_with_value", {"--colour=red"}},
                                         Case{"unknown_before_help", {"--frobnicate", "--help"}},
                                         Case{"value_to_a_switch", {"--version=2"}},
                                         Case{"positional", {"resistor.txt"}},
                                         Case{"qt_option_without_its_value", {"-style"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, AnOptionGivenTwiceIsRefusedNotTakenAtItsLastValue) {
    const std::vector<std::vector<const char*>> twice{
        {"--colours", "4k7", "--colours", "1k"},
        {"--colours=4k7", "--colours", "4k7"},
        {"--colours", "1k", "--bands", "4", "--bands", "5"},
        {"--smd", "472", "--json", "--json"},
        {"--read", "棕", "黑", "红", "金", "--read"},
        {"-v", "--version"},
    };
    for (const auto& words : twice) {
        const auto a = read(words);
        SCOPED_TRACE(line(words).join(QLatin1Char(' ')).toStdString());
        EXPECT_FALSE(a.openWindow);
        EXPECT_EQ(a.exitStatus, 2);
        EXPECT_EQ(a.err.count(QLatin1Char('\n')), 1) << a.err.toStdString();
        EXPECT_TRUE(a.err.contains(QStringLiteral("只能给一次"))) << a.err.toStdString();
    }
    EXPECT_TRUE(
        read(twice[0]).err.startsWith(QStringLiteral("zelquin：选项“--colours”只能给一次。")));
    EXPECT_TRUE(read(twice[2]).err.contains(QStringLiteral("“--bands”")));
    // The other side: each once is answered.
    for (const auto& words : std::vector<std::vector<const char*>>{
             {"--colours", "4k7", "--bands", "5"}, {"--smd", "472", "--json"}, {"-v"}}) {
        const auto a = read(words);
        EXPECT_EQ(a.exitStatus, 0) << a.err.toStdString();
        EXPECT_TRUE(a.err.isEmpty()) << a.err.toStdString();
    }
}

TEST(CommandLine, JsonAloneNamesTheThreeQuestionsItGoesWith) {
    const auto a = read({"--json"});
    EXPECT_EQ(a.exitStatus, 2);
    EXPECT_EQ(a.err, QStringLiteral("zelquin：选项“--json”要和 --colours、--read 或 --smd 一起用。"
                                    "用 zelquin --help 查看可用的选项。\n"));
    // An option that goes with one question names that one alone.
    EXPECT_TRUE(read({"--measured", "1k"}).err.contains(QStringLiteral("要和 --read 一起用")));
    EXPECT_TRUE(read({"--tolerance", "金"}).err.contains(QStringLiteral("要和 --colours 一起用")));
}

TEST(CommandLine, RefusalNamesTheArgumentAsTyped) {
    EXPECT_TRUE(read({"--frobnicate"}).err.contains(QStringLiteral("“--frobnicate”")));
    EXPECT_TRUE(read({"-frobnicate"}).err.contains(QStringLiteral("“-frobnicate”")));
    EXPECT_TRUE(read({"--colour=red"}).err.contains(QStringLiteral("“--colour”")));
    EXPECT_TRUE(read({"a.txt"}).err.contains(QStringLiteral("“a.txt”")));
    EXPECT_TRUE(read({"-style"}).err.contains(QStringLiteral("“-style”")));
}

// -json is --json, "=" gives a value, LEFT is left, and decided_by is null when no cue decided.
TEST(CommandLine, OneDashJsonEqualsSignsAndCapitalsAreReadAsMeant) {
    EXPECT_TRUE(read({"--colours", "-json"}).out.contains(QStringLiteral("\"missing-value\"")));
    EXPECT_TRUE(read({"--colours", "4k7", "--bands=5"}).out.contains(QStringLiteral("五环电阻")));
    EXPECT_TRUE(read({"--colours", "--bands=5"}).err.contains(QStringLiteral("“--colours”缺少值")));
    EXPECT_TRUE(
        read({"--read", "红", "红", "棕", "棕", "--json"}).out.contains(u"\"decided_by\":null"));
    EXPECT_TRUE(read({"--read", "红", "红", "棕", "棕", "--json", "--gap", "LEFT"})
                    .out.contains(QStringLiteral("\"decided_by\":\"gap\"")));
}

class OpensWindow : public testing::TestWithParam<Case> {};

TEST_P(OpensWindow, NoOptionOrQtsOwnOptionsOpenTheWindowSilently) {
    const auto a = read(GetParam().words);
    EXPECT_TRUE(a.openWindow);
    EXPECT_TRUE(a.out.isEmpty());
    EXPECT_TRUE(a.err.isEmpty()) << a.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Arguments, OpensWindow,
                         testing::Values(Case{"nothing", {}}, Case{"style", {"-style", "fusion"}},
                                         Case{"style_with_equals", {"-style=fusion"}},
                                         Case{"double_dash_platform", {"--platform", "offscreen"}},
                                         Case{"reverse", {"-reverse"}},
                                         Case{"session_and_geometry",
                                              {"-session", "1234", "-qwindowgeometry",
                                               "200x100+0+0"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, PlatformChosenOnTheCommandLineIsPassedOn) {
    EXPECT_EQ(read({"-platform", "offscreen"}).platform, QStringLiteral("offscreen"));
    EXPECT_TRUE(read({}).platform.isEmpty());
}

TEST(CommandLine, VersionGivesTheInternalNameAndTheFullVersionFirst) {
    const QString out = read({"--version"}).out;
    EXPECT_EQ(out.section(QLatin1Char('\n'), 0, 0), QStringLiteral("ZelquinV1.1 1.1.0.1"));
    EXPECT_TRUE(out.contains(QStringLiteral("GPL-3.0-or-later")));
    EXPECT_TRUE(out.contains(zq::ui::makerName()));
}

TEST(CommandLine, HelpIsChineseAndListsEveryOptionOnItsOwnAlignedLine) {
    const QString out = read({"--help"}).out;
    EXPECT_EQ(out, zq::app::helpText());
    EXPECT_TRUE(out.startsWith(QStringLiteral("用法：zelquin [选项]\n")));
    const QStringList lines = out.split(QLatin1Char('\n'));
    // On a terminal a Chinese character takes two columns.
    const auto columns = [](QStringView s) {
        qsizetype n = 0;
        for (const QChar c : s)
            n += c.unicode() >= 0x2e80 ? 2 : 1;
        return n;
    };
    qsizetype column = -1;
    for (const char* names : {"-h, --help", "-v, --version", "--colours 阻值", "--read",
                              "--have E6|E12|E24|文件"}) {
        const QString typed = QString::fromUtf8(names);
        const auto it = std::find_if(lines.begin(), lines.end(), [&](const QString& l) {
            return l.startsWith(QStringLiteral("  ") + typed + QLatin1Char(' '));
        });
        ASSERT_NE(it, lines.end()) << names;
        // The description starts in the column where the others do, and is Chinese.
        const qsizetype at =
            it->indexOf(QRegularExpression(QStringLiteral("\\S"), {}), 2 + typed.size());
        if (column < 0) column = columns(QStringView(*it).left(at));
        EXPECT_EQ(columns(QStringView(*it).left(at)), column) << names;
        EXPECT_GE(it->at(at).unicode(), 0x4e00) << it->toStdString();
    }
    // Qt's options are let through but not listed one by one.
    EXPECT_FALSE(out.contains(QStringLiteral("--platform")));
}

} // namespace

TEST(CommandLine, PracticeSeedOpensTheWindowsWithItsSeedAndRefusesWhatIsNoCount) {
    // (words, the seed the window gets; nullopt where the line is refused)
    const std::vector<std::pair<std::vector<const char*>, std::optional<quint64>>> cases{
        {{"--practice-seed", "42"}, 42},
        {{"--practice-seed=0"}, 0},
        {{"--practice-seed", "18446744073709551615"}, 18446744073709551615ULL},
        {{"--practice-seed", "abc"}, std::nullopt},
        {{"--practice-seed", "1.5"}, std::nullopt},
        {{"--practice-seed", "18446744073709551616"}, std::nullopt},
        {{"--practice-seed", "--help"}, std::nullopt},
    };
    for (const auto& [words, seed] : cases) {
        SCOPED_TRACE(words.back());
        const auto a = read(words);
        if (seed) {
            EXPECT_TRUE(a.openWindow);
            EXPECT_EQ(a.practiceSeed, seed);
            EXPECT_TRUE(a.err.isEmpty()) << a.err.toStdString();
        } else {
            EXPECT_FALSE(a.openWindow);
            EXPECT_EQ(a.exitStatus, 2);
            EXPECT_TRUE(a.err.contains(QStringLiteral("--practice-seed"))) << a.err.toStdString();
        }
    }
    EXPECT_FALSE(read({}).practiceSeed) << "without it, no practice window";
}
