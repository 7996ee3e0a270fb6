// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// One shape on the terminal: every JSON refusal is its reason and code, wherever --json stands;
// the answers this program once got plainly wrong.
#include "app/command_line.h"
#include "ui/program_info.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

zq::app::CommandLineAnswer ask(std::initializer_list<const char*> words) {
    QStringList line{QStringLiteral("/usr/bin/zelquin")};
    for (const char* w : words)
        line << QString::fromUtf8(w);
    return zq::app::readCommandLine(line, zq::ui::versionRecord(), QStringLiteral("."));
}

TEST(OneShape, EveryJsonRefusalIsItsReasonAndCodeAndNothingElse) {
    const struct {
        std::initializer_list<const char*> words;
        const char* code;
    } cases[] = {
        {{"--json", "--frobnicate"}, "unknown-option"},
        {{"--frobnicate", "--json"}, "unknown-option"},
        {{"--smd", "xx", "--json"}, "too-short"},
        {{"--read", "红", "--json"}, "band-count"},
        {{"--colours", "4.7k", "--have", "E48", "--json"}, "no-such-kit"},
        {{"--json", "--colours"}, "missing-value"},
    };
    for (const auto& c : cases) {
        const auto a = ask(c.words);
        EXPECT_EQ(a.exitStatus, 2) << c.code;
        const QJsonObject whole{{QStringLiteral("error"), a.err.trimmed()},
                                {QStringLiteral("code"), QString::fromLatin1(c.code)}};
        EXPECT_EQ(QJsonDocument::fromJson(a.out.toUtf8()).object(), whole) << a.out.toStdString();
    }
    // Without --json the reason goes to standard error alone.
    EXPECT_TRUE(ask({"--frobnicate"}).out.isEmpty());
}

TEST(OneShape, ASeriesNotOfferedNamesThoseThatAre) {
    const auto a = ask({"--colours", "4.7k", "--have", "E48"});
    EXPECT_EQ(a.exitStatus, 2);
    EXPECT_EQ(a.err.trimmed().toStdString(), "没有“E48”这个套装，也没有这个文件：能用的系列是 "
                                             "E6、E12、E24，或者一个一行一个阻值的文件。");
}

TEST(OneShape, TheChipCodeIsNamedPrintedCodeNotCode) {
    const QJsonObject o =
        QJsonDocument::fromJson(ask({"--smd", "472", "--json"}).out.toUtf8()).object();
    EXPECT_EQ(o.value(QStringLiteral("printed_code")).toString(), QStringLiteral("472"));
    EXPECT_FALSE(o.contains(QStringLiteral("code")));
}

// Each line as the text answer gives it, both sides of each fault.
TEST(PlainAnswers, TextLinesAreWrittenOnceInOneFormat) {
    const struct {
        std::initializer_list<const char*> words;
        const char* present;
        const char* absent;
    } cases[] = {
        {{"--colours", "100.0001", "--have", "E6"}, "  一个电阻：100.00Ω，-0.0001%  ← 最简单", "毫欧"},
        // Searched and judged against the value as typed, not its nearest milliohm.
        {{"--colours", "3.8911", "--have", "E24"},
         "  三个并联：4.70Ω ∥ 24.00Ω ∥ 390.00Ω ≈ 3.891Ω，+0.0000037%", "1.60KΩ"},
        {{"--colours", "0.5004", "--bands", "5", "--tolerance", "0.05%", "--have", "E24"},
         "  两个并联：1.00Ω ∥ 1.00Ω = 0.50Ω，-0.08%，超出 ±0.05%", "0.00%"},
        {{"--colours", "2.9k", "--have", "E12"}, "  一个电阻：2.70KΩ，-6.90%，超出 ±5%", "-0.69%，"},
        // No part with a black first band; no chip code that reads first as another value.
        {{"--colours", "0.47", "--bands", "5"}, "色环：黄 紫 银 棕（四环电阻）", "色环：黑"},
        {{"--colours", "0.05"}, "阻值太小了：四环电阻能做 0.10Ω ～ 99.00GΩ", "色环："},
        {{"--colours", "47"}, "贴片代码：470 47R0\n", "47R "},
        {{"--colours", "4.7k", "--have", "E24"}, "  一个电阻：4.70KΩ，0.00%", "4.70KΩ = 4.70KΩ"},
        {{"--colours", "4.5k", "--have", "E12"},
         "  两个串联：1.20KΩ + 3.30KΩ = 4.50KΩ，0.00%",
         "= ≈"},
        {{"--colours", "4.5k", "--tolerance", "1%"},
         "4.42KΩ（E96，-1.78%）、4.53KΩ（E96，+0.67%）",
         "（E96）"},
        {{"--colours", "0.995", "--bands", "5"}, "0.91Ω（E24，-8.54%）、0.976Ω（E96，-1.91%）", "（E24）、"},
        {{"--colours", "4.7k", "--tolerance", "蓝"},
         "误差：±0.25%，4.68825KΩ ～ 4.71175KΩ",
         "误差：±0.2%，"},
        {{"--smd", "33R0"}, "33R0 = 33.00Ω：R 当小数点 → 33.00Ω", "33.0Ω"},
        {{"--smd", "151"}, "151 = 150.00Ω：15 × 10¹ = 150.00Ω", "150Ω"},
        {{"--smd", "0"}, "色环：零欧跳线只有一个黑环。", "四环色环"},
        {{"--smd", "472"}, "四环色环：黄 紫 红 金", "只有一个"},
        {{"--read", "黑", "黑", "红", "棕"}, "数字环全是黑色", "跳线电阻，不属于"},
        {{"--read", "白", "紫", "黑", "blank"}, "→ 97.00Ω ±20%", "不是色环的颜色"},
        {{"--read", "金", "金", "白", "黑", "棕", "--measured", "21.582"},
         "第一环可能是红色而不是棕色",
         "第五环可能是红色"},
    };
    for (const auto& c : cases) {
        const auto a = ask(c.words);
        const QString all = a.out + a.err;
        EXPECT_TRUE(all.contains(QString::fromUtf8(c.present))) << all.toStdString();
        EXPECT_FALSE(all.contains(QString::fromUtf8(c.absent))) << all.toStdString();
    }
}

} // namespace
