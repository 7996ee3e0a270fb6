// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/stand_in_browser.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <gtest/gtest.h>

namespace zq::test {

namespace {

// Generous: only a broken machine makes the stand-in take this long to start.
constexpr int kStartWaitMs = 20000;

QString script(const QString& dir) {
    return QStringLiteral(
               "#!/bin/sh\n"
               "here='%1'\n"
               "printf '%s\\n' \"$#\" \"$@\" > \"$here/argv.part\" && mv \"$here/argv.part\" "
               "\"$here/argv\"\n"
               "i=0\n"
               "while [ ! -e \"$here/go\" ] && [ \"$i\" -lt 600 ]; do sleep 0.05; i=$((i+1)); "
               "done\n"
               ": > \"$here/done\"\n")
        .arg(dir);
}

} // namespace

StandInBrowser::StandInBrowser(bool present)
    : oldPath_(qgetenv("PATH")), oldBrowser_(qgetenv("BROWSER")), present_(present) {
    qunsetenv("BROWSER");
    qunsetenv("DEFAULT_BROWSER");
    if (!present) {
        // Nothing but an empty folder to search.
        qputenv("PATH", dir().toLocal8Bit());
        return;
    }
    QFile f(dir() + QStringLiteral("/xdg-open"));
    if (f.open(QIODevice::WriteOnly)) {
        f.write(script(dir()).toLocal8Bit());
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    qputenv("PATH", dir().toLocal8Bit() + ':' + oldPath_);
}

StandInBrowser::~StandInBrowser() {
    if (present_ && started() && !finished()) letFinish();
    qputenv("PATH", oldPath_);
    if (!oldBrowser_.isEmpty()) qputenv("BROWSER", oldBrowser_);
}

bool StandInBrowser::started() const {
    return QFileInfo::exists(dir() + QStringLiteral("/argv"));
}

bool StandInBrowser::finished() const {
    return QFileInfo::exists(dir() + QStringLiteral("/done"));
}

std::optional<QStringList> StandInBrowser::arguments() const {
    if (!present_ || !QTest::qWaitFor([this] { return started(); }, kStartWaitMs))
        return std::nullopt;
    QFile f(dir() + QStringLiteral("/argv"));
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    QStringList lines = QString::fromLocal8Bit(f.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

void StandInBrowser::letFinish() {
    QFile go(dir() + QStringLiteral("/go"));
    if (go.open(QIODevice::WriteOnly)) go.close();
    EXPECT_TRUE(QTest::qWaitFor([this] { return finished(); }, kStartWaitMs))
        << "the stand-in browser did not end";
}

} // namespace zq::test
