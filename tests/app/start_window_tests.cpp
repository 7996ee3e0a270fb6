// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The options that start the program with one of its other windows in front, as the desktop
// entry's actions call them.
#include "app/command_line.h"
#include "ui/program_info.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using Start = zq::app::CommandLineAnswer::StartWindow;

zq::app::CommandLineAnswer read(const QStringList& words) {
    return zq::app::readCommandLine(QStringList{QStringLiteral("zelquin")} + words,
                                    zq::ui::versionRecord());
}

TEST(StartWindow, EachOptionOpensTheProgramWithItsWindowAndNoneOpensNeither) {
    const struct {
        QStringList words;
        Start start;
    } cases[] = {
        {{}, Start::None},
        {{QStringLiteral("--value-window")}, Start::Value},
        {{QStringLiteral("--reading-window")}, Start::Reading},
        {{QStringLiteral("--practice-window")}, Start::Practice},
        {{QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("--reading-window")},
         Start::Reading},
    };
    for (const auto& c : cases) {
        const zq::app::CommandLineAnswer a = read(c.words);
        EXPECT_TRUE(a.openWindow) << c.words.join(u' ').toStdString();
        EXPECT_EQ(a.startWindow, c.start) << c.words.join(u' ').toStdString();
        EXPECT_TRUE(a.err.isEmpty());
    }
}

TEST(StartWindow, BothAtOnceOrAValueGivenAreRefused) {
    const struct {
        QStringList words;
        QString named; // the option the refusal names
    } cases[] = {
        {{QStringLiteral("--value-window"), QStringLiteral("--reading-window")},
         QStringLiteral("--reading-window")},
        {{QStringLiteral("--reading-window"), QStringLiteral("--practice-window")},
         QStringLiteral("--practice-window")},
        {{QStringLiteral("--practice-window"), QStringLiteral("--practice-seed"), QStringLiteral("1")},
         QStringLiteral("--practice-seed")},
        {{QStringLiteral("--value-window=4k7")}, QStringLiteral("--value-window")},
        {{QStringLiteral("--colours"), QStringLiteral("1k"), QStringLiteral("--json=yes")},
         QStringLiteral("--json")},
    };
    for (const auto& c : cases) {
        const zq::app::CommandLineAnswer a = read(c.words);
        EXPECT_FALSE(a.openWindow) << c.words.join(u' ').toStdString();
        EXPECT_EQ(a.exitStatus, 2);
        EXPECT_TRUE(a.err.contains(c.named)) << a.err.toStdString();
        // A switch given a value is not said to lack one.
        EXPECT_FALSE(a.err.contains(QStringLiteral("缺少值"))) << a.err.toStdString();
    }
    // The other side: an option that takes a value, left without one, lacks it.
    const zq::app::CommandLineAnswer lacking = read({QStringLiteral("--smd")});
    EXPECT_EQ(lacking.exitStatus, 2);
    EXPECT_TRUE(lacking.err.contains(QStringLiteral("缺少值"))) << lacking.err.toStdString();
}

TEST(StartWindow, HelpAndTheDesktopEntryNameEveryOption) {
    const QString help = zq::app::helpText();
    QFile entry(QStringLiteral(ZQ_DESKTOP_ENTRY));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString desktop = QString::fromUtf8(entry.readAll());
    for (const char* option : {"--value-window", "--reading-window", "--practice-window"}) {
        const QString o = QString::fromLatin1(option);
        EXPECT_TRUE(help.contains(QRegularExpression(QStringLiteral("\\n  ") + o + "\\s")))
            << option << " has its own line in --help";
        EXPECT_TRUE(desktop.contains(QStringLiteral("\nExec=zelquin ") + o + u'\n'))
            << option << " is a desktop action";
    }
}

} // namespace
