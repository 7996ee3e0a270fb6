// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Each window's title towards the desktop is its caption and nothing more: the task bar and
// the window list show "软件说明", not the caption with the program's name appended. The
// X11 case runs the same binary on a virtual display and reads the properties back.
#include "platform/services.h"
#include "tests/ui/stand_in_main_window.h"
#include "ui/about/about_window.h"
#include "ui/help/help_window.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace zq;

namespace {

struct Titled {
    const char* what;
    QString caption;
    std::function<std::unique_ptr<Form>(Form& main)> make;
};

std::vector<Titled> windows() {
    return {
        {"main window", QStringLiteral("ZelquinV1.1"),
         [](Form&) -> std::unique_ptr<Form> { return std::make_unique<ui::MainWindow>(); }},
        {"help window", QStringLiteral("软件说明"),
         [](Form& m) -> std::unique_ptr<Form> { return std::make_unique<ui::HelpWindow>(m); }},
        {"About window", QStringLiteral("关于本软件"),
         [](Form& m) -> std::unique_ptr<Form> { return std::make_unique<ui::AboutWindow>(m); }},
    };
}

// What the desktop reads from an X window: both title properties, as xprop prints them.
QString xTitles(const QWidget& w) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), QString::number(w.winId()), QStringLiteral("_NET_WM_NAME"),
                 QStringLiteral("WM_NAME")});
    if (!xprop.waitForFinished(10000)) return QStringLiteral("xprop did not answer");
    return QString::fromUtf8(xprop.readAllStandardOutput());
}

bool onX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// Runs `inside` while the real warning box is open, then closes it.
void withWarningOpen(const std::function<void(QWidget& box)>& inside) {
    setMessageBoxService(nullptr);
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr) << "no warning box";
        inside(*box);
        box->close();
    });
    MsgBox(QStringLiteral("提示"), kWarningStyle, QStringLiteral("温馨提示！"));
}

} // namespace

TEST(WindowTitles, EachWindowIsTitledWithItsCaptionExactly) {
    test::StandInMainWindow main;
    for (const Titled& t : windows()) {
        auto w = t.make(main);
        w->show();
        ASSERT_NE(w->windowHandle(), nullptr) << t.what;
        EXPECT_EQ(w->windowHandle()->title(), t.caption) << t.what;
        EXPECT_EQ(w->Caption(), t.caption) << t.what;
        w->hide();
    }
}

TEST(WindowTitles, WarningBoxIsTitledWithItsCaptionExactly) {
    QString title;
    withWarningOpen([&](QWidget& box) { title = box.windowHandle()->title(); });
    EXPECT_EQ(title, QStringLiteral("温馨提示！"));
}

// Qt appends the application's display name to every title when one is set; none may be, so
// the display name follows the application name wherever that goes.
TEST(WindowTitles, NoDisplayNameIsSetForQtToAppend) {
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    const QString shown = QGuiApplication::applicationDisplayName();
    QCoreApplication::setApplicationName(name);
    EXPECT_EQ(shown, QStringLiteral("probe"));
}

TEST(WindowTitlesOnX11, BothTitlePropertiesAreTheCaptionExactly) {
    if (!onX11()) GTEST_SKIP() << "needs an X display (see tests/ui/CMakeLists.txt)";
    auto expectTitled = [](const QWidget& w, const QString& caption, const char* what) {
        const QString got = xTitles(w);
        const QString quoted = QStringLiteral(" = \"%1\"\n").arg(caption);
        EXPECT_TRUE(got.contains(QStringLiteral("_NET_WM_NAME(UTF8_STRING)") + quoted))
            << what << ": " << got.toStdString();
        const qsizetype wm = got.indexOf(QStringLiteral("\nWM_NAME("));
        ASSERT_GE(wm, 0) << what << ": " << got.toStdString();
        EXPECT_TRUE(got.mid(wm).contains(quoted)) << what << ": " << got.toStdString();
    };
    test::StandInMainWindow main;
    for (const Titled& t : windows()) {
        auto w = t.make(main);
        w->show();
        QCoreApplication::processEvents();
        expectTitled(*w, t.caption, t.what);
        w->hide();
    }
    withWarningOpen(
        [&](QWidget& box) { expectTitled(box, QStringLiteral("温馨提示！"), "warning"); });
}

// Title bars and task bars ask for 16 pixels, window lists for 32: each secondary window
// carries its own drawing at both.
TEST(WindowIcons, HelpAndAboutCarryTheirIconAtSixteenAndThirtyTwoPixels) {
    test::StandInMainWindow main;
    for (const Titled& t : windows()) {
        if (t.caption == QStringLiteral("ZelquinV1.1")) continue; // the program's icon
        auto w = t.make(main);
        const QList<QSize> sizes = w->windowIcon().availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(16, 16))) << t.what;
        EXPECT_TRUE(sizes.contains(QSize(32, 32))) << t.what;
        // The small one is drawn for its size, not left to the desktop to squeeze.
        EXPECT_EQ(w->windowIcon().pixmap(QSize(16, 16)).size(), QSize(16, 16)) << t.what;
    }
}
