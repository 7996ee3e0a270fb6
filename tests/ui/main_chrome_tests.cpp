// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's title strip, window buttons, menu and links.
#include "tests/support/stand_in_browser.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/about/about_window.h"
#include "ui/help/help_window.h"
#include "ui/program_info.h"

#include <QApplication>
#include <QWindow>

using namespace zq;
using zq::test::MainWindow;

namespace {

class Chrome : public MainWindow {
  protected:
    QPoint title() const { return w->title.pixelRect().topLeft() + QPoint(100, 10); }
};

} // namespace

TEST_F(Chrome, DragByTheTitleFollowsThePointer) {
    const QPoint start = w->pos();
    moveTo(*w, title());
    press(*w, title());
    moveTo(*w, title() + QPoint(30, 20));
    EXPECT_EQ(w->pos(), start + QPoint(30, 20));
    EXPECT_EQ(w->DragTarget.Left, (start.x() + 30) * 15);
    // The pointer went 30 right and 20 down from where it grabbed the title, and so did
    // the window: the grabbed point is under the pointer again.
    // In the window's own coordinates the pointer is back on the grabbed point.
    release(*w, title());
    EXPECT_EQ(w->Dragging, 0);
    EXPECT_EQ(w->pos(), start + QPoint(30, 20));
    moveTo(*w, title() + QPoint(40, 0));
    EXPECT_EQ(w->pos(), start + QPoint(30, 20)) << "a move after the release drags nothing";
}

TEST_F(Chrome, RightOrMiddlePressStartsNoDrag) {
    const QPoint start = w->pos();
    for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
        moveTo(*w, title());
        press(*w, title(), b);
        moveTo(*w, title() + QPoint(30, 20));
        release(*w, title() + QPoint(30, 20), b);
        EXPECT_EQ(w->pos(), start);
        EXPECT_EQ(w->Dragging, 0);
    }
}

TEST_F(Chrome, ReleaseOfAnotherButtonEndsTheDrag) {
    const QPoint start = w->pos();
    moveTo(*w, title());
    press(*w, title());
    press(*w, title(), Qt::RightButton);
    release(*w, title(), Qt::RightButton);
    EXPECT_EQ(w->Dragging, 0);
    moveTo(*w, title() + QPoint(30, 20)); // left still held
    EXPECT_EQ(w->pos(), start);
    release(*w, title() + QPoint(30, 20));
}

TEST_F(Chrome, DragPositionsAreClampedToSixteenBits) {
    w->titlePressed(kLeftButton, 0, 0, 0);
    w->titleDragged(kLeftButton, 0, 40000, -50000);
    EXPECT_EQ(w->DragTarget.Left, 32767);
    EXPECT_EQ(w->DragTarget.Top, -32768);
}

TEST_F(Chrome, MinimiseAddsTheSystemMenuOnce) {
    const auto flags = [this] { return w->windowHandle()->flags(); };
    const auto before = flags();
    EXPECT_FALSE(before & Qt::WindowSystemMenuHint);
    moveTo(*w, centreOf(w->minimiseButton));
    EXPECT_TRUE(w->minimiseButtonLit.Visible());
    click(*w, centreOf(w->minimiseButtonLit));
    EXPECT_EQ(w->WindowState(), kMinimizedState);
    const auto after = flags();
    EXPECT_EQ(after, before | Qt::WindowSystemMenuHint);
    w->setWindowState(kNormalState);
    w->minimiseClicked();
    EXPECT_EQ(flags(), after);
    w->setWindowState(kNormalState);
    EXPECT_EQ(w->mask().boundingRect(), QRect(0, 0, 616, 457)) << "comes back rounded";
}

TEST_F(Chrome, ExitAndCloseEndTheProgramWithoutAsking) {
    clickOn(w->exitButton);
    EXPECT_EQ(programEnds(), 1);
    EXPECT_TRUE(w->unloaded());
    delete w;
    open();
    moveTo(*w, centreOf(w->closeButton));
    click(*w, centreOf(w->closeButtonLit));
    EXPECT_EQ(programEnds(), 2);
    delete w;
    open();
    w->close(); // by the desktop
    EXPECT_EQ(programEnds(), 3);
}

TEST_F(Chrome, HelpHidesTheMainWindowBeforeItShows) {
    bool mainVisibleWhenHelpShown = true;
    struct Watch : QObject {
        zq::ui::MainWindow* main;
        bool* seen;
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Show && o->objectName() == "HelpWindow")
                *seen = main->isVisible();
            return false;
        }
    } watch;
    watch.main = w;
    watch.seen = &mainVisibleWhenHelpShown;
    qApp->installEventFilter(&watch);
    clickOn(w->helpButton);
    qApp->removeEventFilter(&watch);
    ASSERT_NE(w->helpWindow(), nullptr);
    EXPECT_TRUE(w->helpWindow()->isVisible());
    EXPECT_FALSE(mainVisibleWhenHelpShown);
    EXPECT_FALSE(w->isVisible());
    w->helpWindow()->closeClicked();
    EXPECT_TRUE(w->isVisible());
    // The Help button's frame stays until the pointer crosses the menu strip.
    EXPECT_TRUE(w->line("helpFrameLeft").Visible());
}

TEST_F(Chrome, AboutWindowHidesTheMainWindowUntilClosed) {
    clickOn(w->aboutButton);
    ASSERT_NE(w->aboutWindow(), nullptr);
    EXPECT_TRUE(w->aboutWindow()->isVisible());
    EXPECT_FALSE(w->isVisible());
    w->aboutWindow()->close(); // by the desktop
    EXPECT_TRUE(w->isVisible());
}

TEST_F(Chrome, MenuButtonFramesRiseSinkAndHide) {
    Line* frame[] = {&w->line("helpFrameLeft"), &w->line("helpFrameTop"),
                     &w->line("helpFrameRight"), &w->line("helpFrameBottom")};
    const QColor text = w->windowTextColour();
    moveTo(*w, centreOf(w->helpButton));
    for (Line* l : frame)
        EXPECT_TRUE(l->Visible());
    EXPECT_FALSE(w->line("aboutFrameBottom").Visible()) << "only the button's own frame";
    press(*w, centreOf(w->helpButton), Qt::RightButton);
    EXPECT_EQ(frame[0]->BorderColor(), text);
    EXPECT_EQ(frame[1]->BorderColor(), text);
    EXPECT_EQ(frame[2]->BorderColor(), QColor(255, 255, 255));
    EXPECT_EQ(frame[3]->BorderColor(), QColor(255, 255, 255));
    moveTo(*w, centreOf(w->helpButton) + QPoint(2, 0));
    EXPECT_EQ(frame[0]->BorderColor(), text) << "moves keep the sunken look";
    release(*w, centreOf(w->helpButton) + QPoint(2, 0), Qt::RightButton);
    EXPECT_EQ(frame[0]->BorderColor(), QColor(255, 255, 255));
    EXPECT_EQ(frame[3]->BorderColor(), text);
    for (Line* l : frame)
        EXPECT_TRUE(l->Visible()) << "until the menu strip";
    moveTo(*w, centreOf(w->homePageLink));
    EXPECT_EQ(w->homePageLink.ForeColor(), QColor(255, 0, 0));
    moveTo(*w, w->menuStrip.pixelRect().topLeft() + QPoint(400, 5));
    for (const auto& frame : w->menuFrames)
        for (const Line* l : frame)
            EXPECT_FALSE(l->Visible()) << l->Name().toStdString();
    EXPECT_EQ(w->homePageLink.ForeColor(), QColor(255, 255, 255));
}

TEST_F(Chrome, LinksStartTheOneBrowserCommandAndSwallowFailure) {
    clickOn(w->homePageLink);
    clickOn(w->makerLink);
    ASSERT_EQ(shell_.calls.size(), 2u);
    EXPECT_EQ(shell_.calls[0].first,
              "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE " + zq::ui::kHomePage);
    EXPECT_EQ(shell_.calls[0].second, 3);
    EXPECT_EQ(shell_.calls[1], shell_.calls[0]);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->homePageLink.Caption(), zq::ui::kHomePage);
    const QColor before = w->makerLink.ForeColor();
    moveTo(*w, centreOf(w->makerLink));
    EXPECT_EQ(w->makerLink.ForeColor(), before);
}

TEST_F(Chrome, LinksOpenTheHomePageInTheRealBrowserWithoutWaiting) {
    setShellService(nullptr);
    for (Label* link : {&w->homePageLink, &w->makerLink}) {
        SCOPED_TRACE(link->Name().toStdString());
        zq::test::StandInBrowser browser;
        clickOn(*link);
        EXPECT_EQ(browser.arguments(), (QStringList{"1", zq::ui::kHomePage}));
        EXPECT_FALSE(browser.finished()) << "the click waited for the browser";
        EXPECT_TRUE(w->isVisible());
    }
}

TEST_F(Chrome, LinksWithNoBrowserLeaveTheProgramRunningAndSilent) {
    setShellService(nullptr);
    zq::test::StandInBrowser none(false);
    for (Label* link : {&w->homePageLink, &w->makerLink}) {
        SCOPED_TRACE(link->Name().toStdString());
        clickOn(*link);
        EXPECT_TRUE(takeMessages().empty());
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(programEnds(), 0);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}
