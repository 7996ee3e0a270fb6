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
    for (const QStringList& words :
         {QStringList{QStringLiteral("--value-window"), QStringLiteral("--reading-window")},
          QStringList{QStringLiteral("--value-window=4k7")}}) {
        const zq::app::CommandLineAnswer a = read(words);
        EXPECT_FALSE(a.openWindow) << words.join(u' ').toStdString();
        EXPECT_EQ(a.exitStatus, 2);
        EXPECT_FALSE(a.err.isEmpty());
    }
}

TEST(StartWindow, HelpAndTheDesktopEntryNameBothOptions) {
    const QString help = zq::app::helpText();
    QFile entry(QStringLiteral(ZQ_DESKTOP_ENTRY));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString desktop = QString::fromUtf8(entry.readAll());
    for (const char* option : {"--value-window", "--reading-window"}) {
        const QString o = QString::fromLatin1(option);
        EXPECT_TRUE(help.contains(QRegularExpression(QStringLiteral("\\n  ") + o + "\\s")))
            << option << " has its own line in --help";
        EXPECT_TRUE(desktop.contains(QStringLiteral("\nExec=zelquin ") + o + u'\n'))
            << option << " is a desktop action";
    }
}

} // namespace
