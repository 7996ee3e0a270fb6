// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The About window offscreen: its text, the pictures of its button, and every way of closing it.
#include "platform/form.h"
#include "tests/support/ui_test.h"
#include "tests/ui/stand_in_main_window.h"
#include "ui/about/about_window.h"

#include <QCoreApplication>
#include <QPointer>
#include <memory>

using namespace zq;
using zq::ui::AboutWindow;

namespace {

const QStringList kAboutLines = {
    "软件名称：Zelquin",
    "软件版本：V1.1",
    "",
    "使用平台：Win9x/Me/NT/2000/XP/Vista/7",
    "主页：https://zelquin.example",
    "",
    "电子邮件地址： mail@zelquin.example",
    "               help@zelquin.example",
    "即时通讯号：暂无 / 暂无",
    "即时通讯帐号：zelquin",
    "",
    "作者：Zelquin 开发组",
    "",
    "泽昆软件 版权所有",
};

using MainWindow = test::StandInMainWindow;

class AboutWindowTest : public test::UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        main = std::make_unique<MainWindow>();
        showWindow(*main);
        about = open();
        // Park the pointer over the labels, which leave the button alone: a move to where the
        // pointer already is would not count as a move.
        moveTo(*about, centreOf(about->label("programName")));
        moveTo(*about, centreOf(about->label("aboutLines")));
    }
    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete about.data();
        main.reset();
        UiTest::TearDown();
    }
    // As the About button does it: the main window stays as it is until the load.
    QPointer<AboutWindow> open() {
        main->shown = 0;
        auto* f = new AboutWindow(*main);
        f->setDeleteOnUnload(true);
        showWindow(*f);
        return f;
    }
    int buttonPicture() const { return about->image("okButton").Picture().resourceId(); }
    QPoint button() const { return centreOf(about->image("okButton")); }
    static constexpr QPoint kBackground{60, 330}; // bare white surface left of the button

    std::unique_ptr<MainWindow> main;
    QPointer<AboutWindow> about;
};

} // namespace

TEST(AboutText, IsFourteenLinesJoinedByCrLfWithNoTrailingBreak) {
    const QString text = AboutWindow::aboutText();
    const QStringList got = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(got.size(), kAboutLines.size());
    for (qsizetype i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i], kAboutLines[i]) << "line " << i + 1;
    EXPECT_EQ(text, kAboutLines.join(QStringLiteral("\r\n")));
    EXPECT_FALSE(text.endsWith(QLatin1Char('\n')));
    EXPECT_EQ(text.count(QLatin1Char('\r')), 13);
    EXPECT_EQ(text.count(QLatin1Char('\n')), 13);
}

TEST_F(AboutWindowTest, LoadFillsTheTextAndHidesTheMainWindow) {
    EXPECT_EQ(about->label("aboutLines").Caption(), AboutWindow::aboutText());
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(about->pos(), QPoint(245, 130)); // 3675, 1950 twips
    EXPECT_EQ(buttonPicture(), 0) << "the design's grey button";
}

TEST_F(AboutWindowTest, ButtonTurnsBlueUnderThePointerAndGreyOnTheBackground) {
    moveTo(*about, button());
    EXPECT_EQ(buttonPicture(), 140);
    moveTo(*about, kBackground);
    EXPECT_EQ(buttonPicture(), 141);
    moveTo(*about, button());
    EXPECT_EQ(buttonPicture(), 140);
    EXPECT_EQ(about->image("okButton").pixelRect().size(), QSize(68, 26)) << "never stretched";
}

TEST_F(AboutWindowTest, LeavingTheButtonForALabelTheEmblemOrAnEdgeKeepsItBlue) {
    const QPoint elsewhere[] = {
        centreOf(about->label("aboutLines")),
        centreOf(about->label("programName")),
        centreOf(about->image("emblem")), // the emblem
        {button().x(), 364},              // the bottom edge
    };
    for (QPoint p : elsewhere) {
        moveTo(*about, button());
        moveTo(*about, p);
        EXPECT_EQ(buttonPicture(), 140) << p.x() << "," << p.y();
    }
    moveTo(*about, kBackground);
    EXPECT_EQ(buttonPicture(), 141);
}

TEST_F(AboutWindowTest, AnyPressGreysTheButtonAndOnlyACompletedClickCloses) {
    for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
        moveTo(*about, button());
        press(*about, button(), b);
        EXPECT_EQ(buttonPicture(), 141);
        release(*about, button(), b);
        ASSERT_FALSE(about.isNull());
        EXPECT_FALSE(about->unloaded());
    }

    moveTo(*about, button());
    press(*about, button());
    EXPECT_EQ(buttonPicture(), 141);
    moveTo(*about, button() + QPoint(1, 0));
    EXPECT_EQ(buttonPicture(), 140) << "a move with the button held is blue again";
    moveTo(*about, kBackground); // still the button's: it holds the mouse
    release(*about, kBackground);
    ASSERT_FALSE(about.isNull());
    EXPECT_FALSE(about->unloaded()) << "released off the button: no click";
    EXPECT_FALSE(main->isVisible());

    moveTo(*about, button());
    click(*about, button());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull()) << "closed and discarded";
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->shown, 1);
    EXPECT_EQ(programEnds(), 0);
}

TEST_F(AboutWindowTest, ClosingByTheDesktopAlsoBringsTheMainWindowBack) {
    about->close(); // Alt+F4 or the window list
    EXPECT_TRUE(about.isNull() || about->unloaded());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->shown, 1);
}

TEST_F(AboutWindowTest, ReopeningBuildsTheTextAndHidesTheMainWindowAgain) {
    moveTo(*about, button());
    click(*about, button());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(about.isNull());
    ASSERT_TRUE(main->isVisible());

    about = open();
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(about->label("aboutLines").Caption(), AboutWindow::aboutText());
    EXPECT_EQ(buttonPicture(), 0) << "a new window starts with the grey design button";
    about->close();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->shown, 1);
}
