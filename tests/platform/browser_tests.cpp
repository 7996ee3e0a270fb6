// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The real program-starting service, with a stand-in browser opener on PATH in place of the
// desktop's.
#include "platform/errors.h"
#include "platform/services.h"
#include "tests/support/stand_in_browser.h"
#include "tests/support/ui_test.h"

#include <QFileInfo>

using namespace zq;
using zq::test::StandInBrowser;

namespace {

const QString kCommand = QStringLiteral("C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE ");

} // namespace

TEST(RealBrowser, AddressReachesTheOpenerUnchangedAsItsOneArgument) {
    // The last two would run commands if anything passed them through a shell.
    const QString tails[] = {QStringLiteral(""), QStringLiteral("/a/b?c=1&d=%E4%B8%AD#e"),
                             QStringLiteral("/?q=$(touch$IFS%1/shell-ran)"),
                             QStringLiteral("/x;touch$IFS%1/shell-ran&y='z'")};
    for (const QString& tail : tails) {
        SCOPED_TRACE(tail.toStdString());
        StandInBrowser browser;
        const QString address =
            QStringLiteral("https://zelquin.example") +
            (tail.contains(QLatin1String("%1")) ? tail.arg(browser.dir()) : tail);
        Shell(kCommand + address, kMaximizedFocus);
        EXPECT_EQ(browser.arguments(), (QStringList{QStringLiteral("1"), address}));
        browser.letFinish();
        EXPECT_FALSE(QFileInfo::exists(browser.dir() + QStringLiteral("/shell-ran")));
    }
}

TEST(RealBrowser, StartingDoesNotWaitForTheBrowser) {
    StandInBrowser browser;
    Shell(kCommand + QStringLiteral("https://zelquin.example"), kMaximizedFocus);
    // The stand-in runs until it is let go, so a caller that waited could not be here yet.
    EXPECT_TRUE(browser.arguments().has_value());
    EXPECT_FALSE(browser.finished());
}

TEST(RealBrowser, NoBrowserIsAnErrorToTheCaller) {
    StandInBrowser none(false);
    EXPECT_THROW(Shell(kCommand + QStringLiteral("https://zelquin.example"), kMaximizedFocus),
                 RuntimeError);
}

TEST(RealBrowser, AnythingButAWebAddressIsRefusedUnstarted) {
    StandInBrowser browser;
    for (const char* address : {"file:///etc/passwd", "javascript:alert(1)", "-h", "not an url"}) {
        SCOPED_TRACE(address);
        EXPECT_THROW(Shell(kCommand + QString::fromLatin1(address), kMaximizedFocus), RuntimeError);
    }
    EXPECT_FALSE(browser.started());
}
