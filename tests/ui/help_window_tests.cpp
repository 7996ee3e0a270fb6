// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window offscreen: its text, the drag by its title, and every way of closing it.
#include "platform/form.h"
#include "tests/support/ui_test.h"
#include "tests/ui/stand_in_main_window.h"
#include "ui/help/help_window.h"

#include <QCoreApplication>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <memory>

using namespace zq;
using zq::ui::HelpWindow;

namespace {

// The running text, line by line as the help shows it.
const char* const kFirstGroup[] = {
    "==============================ZelquinV1.1=============================",
    "色环电阻在电子产品已经广泛使用，对于初学电子技术的人来说，色环电阻的阻值是多少,",
    "是个头疼的事,常因色环电阻上的色环值记不住，而无法知道电阻的阻值",
    "本软件就是在这种情况下开发的，特别适合初学者，背熟色环值好，本软件也就没什么用",
    "在V1.0基础上,加大了软件界面,并采用了仿XP界面,增加了色环电阻计算过程流程图",
    "按先乘,除,后加,减的方法,先算红框中的,然后再算绿框中的,得出的结果在万用表上",
    "V1.1将V1.0中选色环颜色的下拉列表框,改成了色块,这样更加直观,方便。V1.1和V1.0一样",
    "软件会自动识别四环,五环电阻,并且自动计算出电阻的阻值，第四环中的无色是用来切换",
    "，四环电阻和五环电阻。软件中电阻第一环在左边，最后一环在右边",
    "******************************************注 意*******************************",
    "本软件使用时，必须先按万用表上相应按钮后，然后再选对应颜色。本软件会显示",
    "出你选择了第几环和相对应的颜色,软件并会自动识别当前电阻是几环电阻",
    "第四环中，若选为无色，表示，你要算的是四环电阻，相反为五环电阻",
    "*********************************色环电阻相关知识*****************************",
    "电阻在电路中用“R”加数字表示，如：R1表示编号为1的电阻。电阻在电路中的主要作用",
    "为分流,限流,分压,偏置等.1、参数识别：电阻的单位为欧姆（Ω），倍率单位有：",
    "千欧（KΩ），兆欧（MΩ）等。换算方法是：1兆欧=1000千欧=1000000欧电阻的参数标注",
    "方法有3种，即直标法、色标法和数标法。a、数标法主要用于贴片等小体积的电路，",
    "如：472 表示 47×100Ω（即4.7K）； 104则表示100Kb、色环标注法使用最多，现举例如",
    "下：四色环电阻，五色环电阻(精密电阻，主要用在仪器，仪表等要求误差小，精度高的电路中)",
};

QStringList expectedLines() {
    QStringList lines;
    for (const char* l : kFirstGroup)
        lines << QString::fromUtf8(l) << QString();
    const QString right(52, u' ');
    lines << right + "作者：Zelquin 开发组" << right + "即时通讯号：暂无 / 暂无"
          << right + "即时通讯帐号：zelquin " << right + "电子邮件：mail@zelquin.example"
          << QString(62, u' ') + "help@zelquin.example" << right + "主页：https://zelquin.example"
          << right + "泽昆软件 版权所有" << QString(); // the text ends with a line break
    return lines;
}

// The box: the text above word for word, then the section on the other windows, which begins
// where the signature's last line ends.
QStringList shownLines() {
    QStringList lines = expectedLines();
    lines.removeLast();
    lines << HelpWindow::windowsText().split(QStringLiteral("\r\n"));
    return lines;
}

using MainWindow = test::StandInMainWindow;

class HelpWindowTest : public test::UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        main = std::make_unique<MainWindow>();
        showWindow(*main);
        help = open();
    }
    void TearDown() override {
        deletePending();
        delete help.data();
        main.reset();
        UiTest::TearDown();
    }
    // As the Help button does it.
    QPointer<HelpWindow> open() {
        main->setVisible(false);
        main->shown = 0;
        auto* f = new HelpWindow(*main);
        f->setDeleteOnUnload(true);
        showWindow(*f);
        return f;
    }
    static void deletePending() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QPoint title() const { return centreOf(help->label("title")); }

    std::unique_ptr<MainWindow> main;
    QPointer<HelpWindow> help;
};

} // namespace

TEST(HelpText, IsTheListedLinesWithCrLfBreaks) {
    const QString text = HelpWindow::helpText();
    const QStringList want = expectedLines();
    const QStringList got = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(got.size(), want.size());
    for (qsizetype i = 0; i < want.size(); ++i)
        EXPECT_EQ(got[i], want[i]) << "line index " << i;
    EXPECT_EQ(text, want.join(QStringLiteral("\r\n")));
    EXPECT_EQ(text.count(QLatin1Char('\r')), text.count(QLatin1Char('\n'))) << "no lone breaks";
    EXPECT_TRUE(text.endsWith(QStringLiteral("版权所有\r\n")));
}

TEST_F(HelpWindowTest, TextBoxShowsTheLinesReadOnlyScrollableAndSelectable) {
    TextBox& box = help->textBox("text");
    QTextEdit* edit = box.widget();
    EXPECT_EQ(box.Text(), HelpWindow::helpText() + HelpWindow::windowsText());
    EXPECT_FALSE(edit->toPlainText().contains(QLatin1Char('\r')));
    EXPECT_EQ(edit->toPlainText().split(u'\n'), shownLines());
    EXPECT_EQ(edit->document()->blockCount(), shownLines().size());

    EXPECT_TRUE(edit->isReadOnly());
    QTest::keyClicks(edit, "abc");
    EXPECT_EQ(edit->toPlainText().split(u'\n'), shownLines()) << "typing changes nothing";
    EXPECT_TRUE(edit->textInteractionFlags() & Qt::TextSelectableByMouse);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit->textCursor().selectedText().size(), edit->toPlainText().size());

    EXPECT_EQ(edit->lineWrapMode(), QTextEdit::NoWrap);
    EXPECT_TRUE(edit->horizontalScrollBar()->isVisible());
    EXPECT_GT(edit->horizontalScrollBar()->maximum(), 0) << "the longest line runs past the box";
    EXPECT_GT(edit->verticalScrollBar()->maximum(), 0);
}

TEST_F(HelpWindowTest, LeftDragOnTheTitleMovesTheWindowWithThePointer) {
    const QPoint start = help->pos();
    const QPoint p = title();
    moveTo(*help, p);
    press(*help, p);
    EXPECT_EQ(help->Dragging, -1);
    EXPECT_EQ(help->DragGrab.X, p.x() * 15 - help->label("title").pixelRect().x() * 15);

    moveTo(*help, p + QPoint(30, 20));
    EXPECT_EQ(help->pos(), start + QPoint(30, 20));
    EXPECT_EQ(help->DragTarget.Left, (start.x() + 30) * 15);
    EXPECT_EQ(help->DragTarget.Top, (start.y() + 20) * 15);
    // The window has moved under the pointer: a further step counts from where it is now.
    const QPoint pointer = help->mapToGlobal(p + QPoint(-40, 5));
    moveTo(*help, p + QPoint(-40, 5));
    EXPECT_EQ(help->pos(), start + QPoint(-10, 25));
    EXPECT_EQ(help->mapToGlobal(p), pointer) << "the grabbed point stays under the pointer";

    release(*help, p);
    EXPECT_EQ(help->Dragging, 0);
    const QPoint rest = help->pos();
    moveTo(*help, p + QPoint(15, 15));
    EXPECT_EQ(help->pos(), rest) << "no drag after the release";
}

TEST_F(HelpWindowTest, RightOrMiddlePressStartsNoDrag) {
    const QPoint start = help->pos();
    const QPoint p = title();
    moveTo(*help, p);
    for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
        press(*help, p, b);
        EXPECT_EQ(help->Dragging, 0);
        moveTo(*help, p + QPoint(25, 10));
        EXPECT_EQ(help->pos(), start);
        release(*help, p + QPoint(25, 10), b);
        moveTo(*help, p);
    }
}

TEST_F(HelpWindowTest, ReleaseOfAnotherButtonEndsTheDrag) {
    const QPoint p = title();
    moveTo(*help, p);
    press(*help, p);
    press(*help, p, Qt::RightButton);
    release(*help, p, Qt::RightButton);
    EXPECT_EQ(help->Dragging, 0);
    const QPoint start = help->pos();
    moveTo(*help, p + QPoint(20, 20)); // the left button is still down
    EXPECT_EQ(help->pos(), start);
    release(*help, p + QPoint(20, 20));
}

TEST_F(HelpWindowTest, LeftButtonHeldFromElsewhereDoesNotMoveTheWindow) {
    const QPoint start = help->pos();
    const QPoint barBesideTitle(495, 30); // the title-bar picture, off the title label
    moveTo(*help, barBesideTitle);
    press(*help, barBesideTitle);
    moveTo(*help, title());
    moveTo(*help, title() + QPoint(10, 0));
    release(*help, title() + QPoint(10, 0));
    EXPECT_EQ(help->pos(), start);

    // The handler itself looks at the flag, not at the buttons the move reports.
    help->titleDragged(kLeftButton, 0, 3000, 150);
    EXPECT_EQ(help->pos(), start);
    EXPECT_EQ(help->DragTarget.Left, 0);
}

TEST_F(HelpWindowTest, PositionsRoundHalfToEvenAndStopAtTheSixteenBitEnds) {
    help->titlePressed(kLeftButton, 0, 6.5, 7.5);
    EXPECT_EQ(help->DragGrab.X, 6);
    EXPECT_EQ(help->DragGrab.Y, 8);
    help->Move(3000, 1500);
    help->titleDragged(kLeftButton, 0, 6.5, 5.5);
    EXPECT_EQ(help->DragTarget.Left, 3000); // 3000.5
    EXPECT_EQ(help->DragTarget.Top, 1498);  // 1497.5
    help->titleDragged(kLeftButton, 0, 7.5, 8.5);
    EXPECT_EQ(help->DragTarget.Left, 3002); // 3001.5
    EXPECT_EQ(help->DragTarget.Top, 1500);  // 1500.5

    help->titleDragged(kLeftButton, 0, 40000, -40000);
    EXPECT_EQ(help->DragTarget.Left, 32767);
    EXPECT_EQ(help->DragTarget.Top, -32768);
    EXPECT_EQ(help->pos(), QPoint(2184, -2185)); // 32767 and -32768 twips, to whole pixels
}

TEST_F(HelpWindowTest, CloseAreaUnloadsAndShowsTheMainWindowOnce) {
    bool unloaded = false;
    help->Unloaded = [&] { unloaded = !help->isVisible(); };
    click(*help, centreOf(help->image("closeButton")));
    EXPECT_TRUE(unloaded) << "unloaded and hidden";
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->shown, 1);
    deletePending();
    EXPECT_TRUE(help.isNull()) << "a closed help window is discarded";
}

TEST_F(HelpWindowTest, ClosingByTheDesktopAlsoBringsTheMainWindowBack) {
    EXPECT_FALSE(main->isVisible());
    help->close(); // Alt+F4 or the window list
    EXPECT_TRUE(help->unloaded());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->shown, 1);
    EXPECT_EQ(programEnds(), 0);
}

TEST_F(HelpWindowTest, ReopeningRebuildsTheTextAndForgetsTheDrag) {
    const QPoint designPlace = help->pos();
    EXPECT_EQ(designPlace, QPoint(163, 114)); // 2445, 1710 twips
    const QPoint p = title();
    moveTo(*help, p);
    press(*help, p);
    moveTo(*help, p + QPoint(40, 30));
    ASSERT_NE(help->pos(), designPlace);
    release(*help, p + QPoint(40, 30));
    click(*help, centreOf(help->image("closeButton")));
    deletePending();
    ASSERT_TRUE(help.isNull());

    help = open();
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(help->pos(), designPlace);
    EXPECT_EQ(help->Dragging, 0);
    EXPECT_EQ(help->textBox("text").Text(), HelpWindow::helpText() + HelpWindow::windowsText());
    EXPECT_EQ(help->textBox("text").widget()->toPlainText().split(u'\n'), shownLines());
}
