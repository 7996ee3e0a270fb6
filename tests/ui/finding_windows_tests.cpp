// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// How the windows beyond the main one are found and where they open: the menu from the
// keyboard, the help's section on them, the first-start hint, the placement on screens of
// every size, the reading window's keys, and every control's screen-reader name.
#include "assets/designs/designs.h"
#include "model/colour_code.h"
#include "tests/support/full_disk.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/about/about_window.h"
#include "ui/first_start_hint.h"
#include "ui/help/help_window.h"
#include "ui/placement.h"
#include "ui/practice/practice_window.h"
#include "ui/reading/reading_window.h"
#include "ui/value/combinations_panel.h"
#include "ui/value/value_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <functional>
#include <set>

using namespace zq;
using zq::test::MainWindow;
using zq::ui::FirstStartHint;

namespace {

QString fromView(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// ---- placement ---------------------------------------------------------------------------

struct Area {
    const char* name;
    QRect available;
};

QSize sizeOf(const FormDesign& d) {
    return {d.width / 15, d.height / 15};
}

// Available areas: a laptop's 1366×768 less a 40-pixel panel (at the bottom, and at the top),
// two common desktops, and a screen too narrow for two windows side by side.
const Area kScreens[] = {
    {"1366x728", QRect(0, 0, 1366, 728)},   {"1366x728 under a top panel", QRect(0, 40, 1366, 728)},
    {"1280x1024", QRect(0, 0, 1280, 1024)}, {"1920x1080", QRect(0, 0, 1920, 1080)},
    {"800x600", QRect(0, 0, 800, 600)},
};

const QSize kMain(616, 457);

TEST(Placement, EveryWindowInsideTheAreaBesideTheMainOneWhereThereIsRoom) {
    const QSize windows[] = {{510, 440}, sizeOf(designs::readingWindow()), {510, 406}};
    for (const Area& s : kScreens) {
        const QRect a = s.available;
        // The main window at its design place, against either edge, and in the middle.
        const QPoint mains[] = {a.topLeft() + QPoint(109, 89),
                                QPoint(a.right() + 1 - kMain.width(), a.top() + 100),
                                QPoint(a.left(), a.top() + 30),
                                a.center() - QPoint(kMain.width() / 2, kMain.height() / 2)};
        for (const QPoint& m : mains) {
            const QRect main(m, kMain);
            for (const QSize& size : windows) {
                const QRect at(ui::placeBeside(a, main, size), size);
                const auto where = [&] {
                    return std::string(s.name) + " main at " + std::to_string(m.x()) + "," +
                           std::to_string(m.y()) + " window " + std::to_string(size.height());
                };
                if (size.height() <= a.height()) {
                    EXPECT_TRUE(a.contains(at)) << where();
                } else {
                    EXPECT_TRUE(a.contains(at.topLeft())) << where() << ": its title on screen";
                }
                const bool room = a.width() >= main.width() + size.width();
                const bool roomAtASide = a.right() - main.right() >= size.width() ||
                                         main.left() - a.left() >= size.width();
                if (roomAtASide) {
                    EXPECT_FALSE(at.intersects(main)) << where() << ": beside it";
                } else if (room) {
                    // At the screen's edge: over as little of it as can be, never all of it.
                    const int over = at.intersected(main).width();
                    EXPECT_EQ(over, size.width() -
                                        std::max(a.right() - main.right(), main.left() - a.left()))
                        << where();
                    EXPECT_FALSE(main.contains(at)) << where();
                } else {
                    EXPECT_TRUE(at.intersects(main)) << where() << ": over it";
                }
                if (main.top() + size.height() <= a.bottom() + 1) {
                    EXPECT_EQ(at.top(), main.top()) << where() << ": top edges level";
                }
            }
        }
    }
}

// Where a window goes beside the main one, and the value window's panel beside that window:
// each rule on both sides of its edge. The main window stands at the left of a 1366×728 area,
// leaving the 750 pixels the secondary windows share.
TEST(Placement, ThePanelGoesBesideTheValueWindowAndNeverOverTheMainOne) {
    const QRect laptop(0, 0, 1366, 728), main(QPoint(0, 100), kMain);
    const QRect value(QPoint(616, 100), QSize(510, 440));
    const struct {
        const char* rule;
        QRect area, anchor; // no anchor: beside the main window
        QSize window;
        QPoint at, anchorAt;
    } rows[] = {
        {"fits exactly right of the main window",
         QRect(0, 0, 1126, 728),
         {},
         {510, 440},
         {616, 100},
         {}},
        {"fits exactly right, as much room on the left", QRect(-510, 0, 1636, 728), {}, {510, 440},
         {616, 100}, {}},
        {"a pixel short: over the middle of it",
         QRect(0, 0, 1125, 728),
         {},
         {510, 440},
         {53, 100},
         {}},
        {"fits exactly beside the value window",
         laptop,
         value,
         {240, 288},
         {1126, 100},
         {616, 100}},
        {"a pixel wider: the pair one above the other",
         laptop,
         value,
         {241, 288},
         {616, 440},
         {616, 0}},
        {"the panel under the value window", laptop, value, {510, 288}, {616, 440}, {616, 0}},
        {"room under it as it stands",
         laptop,
         QRect(QPoint(616, 0), QSize(510, 440)),
         {510, 288},
         {616, 440},
         {616, 0}},
        {"a pixel too tall for the column: beside the main window",
         laptop,
         value,
         {510, 289},
         {616, 100},
         {616, 100}},
        {"a wide screen: beside the value window",
         QRect(0, 0, 1920, 1080),
         value,
         {510, 288},
         {1126, 100},
         {616, 100}},
    };
    for (const auto& r : rows) {
        if (r.anchor.isNull()) {
            EXPECT_EQ(ui::placeBeside(r.area, main, r.window), r.at) << r.rule;
            continue;
        }
        const ui::PairPlacement p = ui::placeBesideAnchor(r.area, main, r.anchor, r.window);
        EXPECT_EQ(p.window, r.at) << r.rule;
        EXPECT_EQ(p.anchor, r.anchorAt) << r.rule;
    }
}

// The kit editor serves the panel under the value window: beside it where that covers neither
// the main window nor the value window's answer, else over the panel itself.
TEST(Placement, TheEditorGoesBesideThePanelOrOverItNeverOverTheValueWindow) {
    const QRect main(QPoint(0, 100), kMain), value(QPoint(616, 0), QSize(510, 440));
    const QRect panel(QPoint(616, 440), QSize(510, 288));
    // Exactly right of the panel, a pixel short; exactly under it, a pixel short.
    for (const auto& [area, at] : {std::pair{QRect(0, 0, 1636, 728), QPoint(1126, 440)},
                                   {QRect(0, 0, 1635, 728), QPoint(616, 440)},
                                   {QRect(0, 0, 1126, 1016), QPoint(616, 728)},
                                   {QRect(0, 0, 1126, 1015), QPoint(616, 440)}})
        EXPECT_EQ(ui::placeOverOrBesideAnchor(area, main, value, panel, {510, 288}), at)
            << area.width() << "x" << area.height();
}

TEST(Placement, OneLargerThanTheAreaKeepsItsTitleOnScreen) {
    const QRect a(0, 40, 800, 600);
    const QRect main(QPoint(300, 200), kMain);
    const QSize huge(900, 700);
    EXPECT_EQ(ui::placeBeside(a, main, huge), a.topLeft());
    EXPECT_EQ(ui::keepInside(a, QRect(QPoint(-50, -50), huge)), a.topLeft());
}

TEST(Placement, AWindowThatFitsStaysWhereItAskedAndOneThatDoesNotIsMovedIn) {
    const QRect a(0, 0, 1366, 728);
    const QRect fits(QPoint(163, 114), QSize(510, 406));
    EXPECT_EQ(ui::keepInside(a, fits), fits.topLeft());
    for (const QPoint off : {QPoint(1000, 114), QPoint(163, 500), QPoint(-20, -20)}) {
        const QRect moved(ui::keepInside(a, QRect(off, fits.size())), fits.size());
        EXPECT_TRUE(a.contains(moved)) << off.x() << "," << off.y();
    }
}

// ---- the main window's menu from the keyboard --------------------------------------------

class MenuKeys : public MainWindow {
  protected:
    void TearDown() override {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        MainWindow::TearDown();
    }
    static QStringList texts(const QMenu* m) {
        QStringList r;
        for (const QAction* a : m->actions())
            r << a->text();
        return r;
    }
    static QMenu* openMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
};

TEST_F(MenuKeys, ShiftF10AndTheMenuKeyOpenTheRightButtonsMenuAtTheFocusedControl) {
    // The right button's menu, on the bare surface.
    QPoint bare;
    for (int y = 100; y < w->height() && bare.isNull(); y += 7)
        for (int x = 10; x < w->width() && bare.isNull(); x += 7)
            if (!w->controlAt(QPoint(x, y))) bare = QPoint(x, y);
    ASSERT_FALSE(bare.isNull());
    click(*w, bare, Qt::RightButton);
    QMenu* byMouse = openMenu();
    ASSERT_NE(byMouse, nullptr);
    const QStringList want = texts(byMouse);
    EXPECT_EQ(want.size(), 3);
    byMouse->close();

    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
    } keys[] = {{"Shift+F10", Qt::Key_F10, Qt::ShiftModifier}, {"Menu", Qt::Key_Menu, {}}};
    for (const auto& k : keys) {
        QTest::keyClick(w->windowHandle(), Qt::Key_3); // the focus on a chip of the palette
        const Control* focused = w->focusedControl();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(w->windowHandle(), k.key, k.mods);
        QMenu* m = openMenu();
        ASSERT_NE(m, nullptr) << k.name;
        EXPECT_EQ(texts(m), want) << k.name;
        EXPECT_EQ(m->activeAction(), m->actions().front()) << k.name << ": Return takes it";
        EXPECT_EQ(m->pos(), w->mapToGlobal(focused->pixelRect().bottomLeft())) << k.name;
        m->close();
    }
    // The other side: F10 alone is no menu key.
    QTest::keyClick(w->windowHandle(), Qt::Key_F10);
    EXPECT_EQ(openMenu(), nullptr);
}

TEST_F(MenuKeys, TheKeyboardsMenuOpensEveryWindow) {
    QTest::keyClick(w->windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
    QMenu* m = openMenu();
    ASSERT_NE(m, nullptr);
    ASSERT_EQ(m->actions().size(), 3);
    QTest::keyClick(m, Qt::Key_Return);
    ASSERT_NE(w->valueWindow(), nullptr) << "Return on the menu opened by the keyboard";
    EXPECT_TRUE(w->valueWindow()->isVisible());
    EXPECT_EQ(openMenu(), nullptr);

    const std::function<zq::Form*()> opened[] = {
        [this] { return w->readingWindow(); }, [this] { return w->practiceWindow(); }};
    for (int i = 0; i < 2; ++i) {
        QTest::keyClick(w->windowHandle(), Qt::Key_Menu);
        m = openMenu();
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(opened[i](), nullptr) << "built only when asked";
        m->actions()[i + 1]->trigger();
        ASSERT_NE(opened[i](), nullptr) << i;
        EXPECT_TRUE(opened[i]()->isVisible());
        m->close();
    }
}

// ---- the help window -----------------------------------------------------------------------

class HelpWindow : public MainWindow {
  protected:
    zq::ui::HelpWindow* openHelp() {
        w->helpClicked();
        zq::ui::HelpWindow* h = w->helpWindow();
        EXPECT_TRUE(h && QTest::qWaitForWindowExposed(h));
        return h;
    }
};

TEST_F(HelpWindow, ThePresentTextWordForWordThenTheWindowsWithTheirKeys) {
    zq::ui::HelpWindow* h = openHelp();
    ASSERT_NE(h, nullptr);
    const QString shown = h->textBox("text").Text();
    EXPECT_TRUE(shown.startsWith(zq::ui::HelpWindow::helpText()));
    const QString added = shown.mid(zq::ui::HelpWindow::helpText().size());
    EXPECT_EQ(added, zq::ui::HelpWindow::windowsText());
    for (const QString& needed :
         {fromView(designs::valueWindow().caption), QStringLiteral("Ctrl+F"),
          fromView(designs::readingWindow().caption), QStringLiteral("Ctrl+R"),
          QStringLiteral("Shift+F10"), QStringLiteral("Esc"), QStringLiteral("--value-window"),
          QStringLiteral("--reading-window")})
        EXPECT_TRUE(added.contains(needed)) << needed.toStdString();
    // Laid out as the text above it: every line followed by an empty one, none longer than
    // the longest line there.
    const QStringList lines = added.split(QStringLiteral("\r\n"));
    qsizetype longest = 0;
    for (const QString& l : zq::ui::HelpWindow::helpText().split(QStringLiteral("\r\n")))
        longest = std::max(longest, l.size());
    ASSERT_GT(lines.size(), 3);
    EXPECT_TRUE(lines[0].isEmpty()) << "apart from the signature above";
    for (qsizetype i = 1; i + 1 < lines.size(); i += 2) {
        EXPECT_FALSE(lines[i].isEmpty()) << i;
        EXPECT_TRUE(lines[i + 1].isEmpty()) << i;
        EXPECT_LE(lines[i].size(), longest) << lines[i].toStdString();
    }
}

TEST_F(HelpWindow, PageDownScrollsAtOnceAndPageUpBack) {
    zq::ui::HelpWindow* h = openHelp();
    ASSERT_NE(h, nullptr);
    QScrollBar* bar = h->textBox("text").widget()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(h->windowHandle(), Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), bar->pageStep());
    QTest::keyClick(h->windowHandle(), Qt::Key_Down);
    EXPECT_EQ(bar->value(), bar->pageStep() + bar->singleStep());
    QTest::keyClick(h->windowHandle(), Qt::Key_PageUp);
    QTest::keyClick(h->windowHandle(), Qt::Key_Up);
    EXPECT_EQ(bar->value(), 0);
    // Ctrl with it is not a scroll key here.
    QTest::keyClick(h->windowHandle(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), 0);
}

// ---- the first-start hint ------------------------------------------------------------------

class Hint : public MainWindow {
  protected:
    void SetUp() override {
        MainWindow::SetUp();
        ASSERT_TRUE(dir.isValid());
        file = dir.filePath(QStringLiteral("config/first-start"));
    }
    void TearDown() override {
        delete hint.data();
        MainWindow::TearDown();
    }
    QRect multimeter() const {
        return QRect(w->mapToGlobal(w->meter.pixelRect().topLeft()), w->meter.pixelRect().size());
    }
    void pressDismiss() {
        auto* ok = hint->findChild<QPushButton*>(QStringLiteral("HintDismiss"));
        ASSERT_NE(ok, nullptr);
        QTest::mouseClick(ok, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static QByteArray contents(const QString& f) {
        QFile in(f);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    QTemporaryDir dir;
    QString file;
    QPointer<FirstStartHint> hint;
};

TEST_F(Hint, ShownAtTheFirstStartBesideTheMeterWithoutTheKeyboardAndNotAgainOnceDismissed) {
    hint = FirstStartHint::offer(*w, file);
    ASSERT_NE(hint, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(hint));
    EXPECT_FALSE(hint->frameGeometry().intersects(multimeter()));
    EXPECT_FALSE(hint->isActiveWindow());
    EXPECT_TRUE(w->isActiveWindow()) << "the main window keeps the keyboard";
    for (const QString& key : {QStringLiteral("Ctrl+F"), QStringLiteral("Ctrl+R")})
        EXPECT_TRUE(hint->text().contains(key));

    // Not dismissed, it comes again at the next start.
    delete hint.data();
    hint = FirstStartHint::offer(*w, file);
    ASSERT_NE(hint, nullptr);
    pressDismiss();
    EXPECT_TRUE(hint.isNull());
    EXPECT_TRUE(FirstStartHint::dismissed(file));
    EXPECT_EQ(FirstStartHint::offer(*w, file), nullptr);
    EXPECT_EQ(FirstStartHint::offer(*w, file), nullptr) << "nor at any later start";
}

TEST_F(Hint, GoesAndComesBackWithTheMainWindowAndFollowsIt) {
    hint = FirstStartHint::offer(*w, file);
    ASSERT_NE(hint, nullptr);
    const QPoint offset = hint->pos() - w->pos();
    w->move(w->pos() + QPoint(-20, -30));
    EXPECT_EQ(hint->pos() - w->pos(), offset);
    w->setVisible(false);
    EXPECT_FALSE(hint->isVisible());
    w->setVisible(true);
    EXPECT_TRUE(hint->isVisible());
}

TEST_F(Hint, AnUnreadableFileIsSetAsideAndTheHintShownOnceMore) {
    const QByteArray unreadable[] = {QByteArrayLiteral("garbage"),
                                     QByteArrayLiteral("first-start-hint=dismissed\nmore"),
                                     QByteArray()};
    int n = 0;
    for (const QByteArray& bytes : unreadable) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();
        EXPECT_FALSE(FirstStartHint::dismissed(file)) << bytes.constData();
        EXPECT_FALSE(QFile::exists(file));
        EXPECT_EQ(contents(file + QStringLiteral(".bad-%1").arg(++n)), bytes) << "none overwritten";
    }
    // A folder where the file should be.
    ASSERT_TRUE(QDir().mkpath(file));
    hint = FirstStartHint::offer(*w, file);
    EXPECT_NE(hint, nullptr);
    EXPECT_TRUE(QFileInfo(file + QStringLiteral(".bad-4")).isDir());
    pressDismiss();
    EXPECT_TRUE(FirstStartHint::dismissed(file)) << "written anew";
}

TEST_F(Hint, AFileThatCannotBeWrittenOnlyMeansTheHintComesAgain) {
    // The folder for it is a file.
    QFile blocker(dir.filePath(QStringLiteral("config")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    hint = FirstStartHint::offer(*w, file);
    ASSERT_NE(hint, nullptr);
    pressDismiss();
    EXPECT_TRUE(hint.isNull()) << "gone for this run";
    EXPECT_FALSE(FirstStartHint::rememberDismissed(file));
}

TEST_F(Hint, OnAFullDiskTheDismissalIsNotRememberedAndNoEmptyFileIsLeft) {
    EXPECT_FALSE(test::onFullDisk([this] { return FirstStartHint::rememberDismissed(file); }));
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_TRUE(FirstStartHint::rememberDismissed(file)) << "with room again";
}

TEST_F(Hint, TheProgramOffersItAfterTheFirstFrameUnlessSwitchedOff) {
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    auto hintsOf = [this] {
        w->repaint();
        QCoreApplication::processEvents();
        return w
            ->findChildren<QWidget*>(QStringLiteral("FirstStartHint"), Qt::FindDirectChildrenOnly)
            .size();
    };
    for (const bool off : {true, false}) {
        if (off)
            qputenv("ZELQUIN_NO_FIRST_START_HINT", "1");
        else
            qunsetenv("ZELQUIN_NO_FIRST_START_HINT");
        FirstStartHint::offerAfterFirstFrame(*w);
        EXPECT_EQ(hintsOf(), off ? 0 : 1) << (off ? "switched off" : "on");
    }
    EXPECT_TRUE(FirstStartHint::defaultFile().startsWith(dir.path()));
    for (QWidget* h : w->findChildren<QWidget*>(QStringLiteral("FirstStartHint")))
        delete h;
    if (saved.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", saved);
}

// ---- the reading window's keys -------------------------------------------------------------

TEST_F(MainWindow, EveryChipOfTheReadingWindowHasAKeyAndTheWindowListsTheLetters) {
    w->openReadingWindow();
    ui::ReadingWindow* r = w->readingWindow();
    ASSERT_TRUE(r && QTest::qWaitForWindowExposed(r));
    const QString listed = r->Entered.Caption();
    std::set<int> entered;
    using namespace model::palette;
    // A digit enters its colour; J is 金 (gold), Y is 银 (silver).
    const std::pair<Qt::Key, int> keys[] = {
        {Qt::Key_0, kBlack},  {Qt::Key_1, kBrown}, {Qt::Key_2, kRed},  {Qt::Key_3, kOrange},
        {Qt::Key_4, kYellow}, {Qt::Key_5, kGreen}, {Qt::Key_6, kBlue}, {Qt::Key_7, kViolet},
        {Qt::Key_8, kGrey},   {Qt::Key_9, kWhite}, {Qt::Key_J, kGold}, {Qt::Key_Y, kSilver}};
    for (const auto& [k, colour] : keys) {
        r->clearButtonClicked();
        QTest::keyClick(r->windowHandle(), k);
        ASSERT_EQ(r->Bands.size(), 1u) << k;
        EXPECT_EQ(r->Bands[0], colour) << char(k);
        entered.insert(r->Bands[0]);
        if (k >= Qt::Key_A && k <= Qt::Key_Z) {
            EXPECT_TRUE(listed.contains(QChar(k))) << "the window names the key " << char(k);
        }
    }
    EXPECT_EQ(entered.size(), std::size_t(kPaintedSize)) << "one key per chip";
    // The other side: a letter that names no colour enters nothing.
    r->clearButtonClicked();
    QTest::keyClick(r->windowHandle(), Qt::Key_Q);
    EXPECT_TRUE(r->Bands.empty());
}

// ---- screen-reader names, control by control -----------------------------------------------

struct Named {
    const char* control;
    int index;
    const char* name;
};

void expectNames(const Form& f, std::initializer_list<Named> table) {
    for (const Named& n : table) {
        const Control* c = &f.control(QString::fromLatin1(n.control), n.index);
        const AccessibleItem* item = nullptr;
        for (const AccessibleItem& i : f.accessibleItems())
            if (i.control == c) item = &i;
        ASSERT_NE(item, nullptr) << n.control << "(" << n.index << ")";
        EXPECT_EQ(item->name(), QString::fromUtf8(n.name)) << n.control << "(" << n.index << ")";
    }
}

// The chips by the names IEC 60062 gives their colours, in the palette's order.
const char* const kChipNames[] = {"棕色", "红色", "橙色", "黄色", "绿色", "蓝色",
                                  "紫色", "灰色", "白色", "黑色", "金色", "银色"};

TEST_F(MainWindow, EveryControlOfTheReadingWindowHasItsOwnName) {
    w->openReadingWindow();
    ui::ReadingWindow* r = w->readingWindow();
    ASSERT_NE(r, nullptr);
    expectNames(*r, {{"BackButton", -1, "退一环"},
                     {"ClearButton", -1, "清除"},
                     {"ShowButton", -1, "在主窗口显示"},
                     {"CloseBox", -1, "关闭"}});
    for (int i = 0; i < model::palette::kPaintedSize; ++i)
        expectNames(*r, {{"Chip", i, kChipNames[i]}});
    EXPECT_EQ(r->measuredField().accessibleName(), QStringLiteral("万用表读数"));
    EXPECT_EQ(r->smdField().accessibleName(), QStringLiteral("贴片代码"));
}

TEST_F(MainWindow, EveryControlOfTheValueWindowHasItsOwnName) {
    w->openValueWindow();
    ui::ValueWindow* v = w->valueWindow();
    ASSERT_NE(v, nullptr);
    expectNames(*v, {{"FindButton", -1, "查色环"},
                     {"ShowButton", -1, "在主窗口显示"},
                     {"FourBands", -1, "四环"},
                     {"FiveBands", -1, "五环"},
                     {"CloseBox", -1, "关闭"}});
    EXPECT_EQ(v->valueField().accessibleName(), QStringLiteral("阻值"));
    // The tolerance chips with the tolerance IEC 60062 gives their colour; blue with the main
    // window's own ±0.2 %, where the standard has ±0.25 %, as the window shows it.
    expectNames(*v, {{"ToleranceChip", 0, "棕色，±1%"},
                     {"ToleranceChip", 1, "红色，±2%"},
                     {"ToleranceChip", 2, "绿色，±0.5%"},
                     {"ToleranceChip", 3, "蓝色，±0.25%"},
                     {"ToleranceChip", 4, "紫色，±0.1%"},
                     {"ToleranceChip", 5, "金色，±5%"},
                     {"ToleranceChip", 6, "银色，±10%"},
                     {"ToleranceChip", 7, "无色，±20%"}});
}

TEST_F(MainWindow, EveryControlOfTheKitPanelHasItsOwnName) {
    w->openValueWindow();
    ASSERT_NE(w->valueWindow(), nullptr);
    w->valueWindow()->kitButtonClicked();
    const Form* p = w->valueWindow()->Combinations;
    ASSERT_NE(p, nullptr);
    expectNames(*p, {{"KitChoice", 0, "E6"},
                     {"KitChoice", 3, "我的套装"},
                     {"EditButton", -1, "编辑我的套装"},
                     {"Note", -1, "说明"},
                     {"Working", -1, "算式"},
                     {"Parts", -1, "每个电阻的色环"},
                     {"CloseBox", -1, "关闭"}});
}

TEST_F(MainWindow, TheHelpAndAboutButtonsHaveTheirOwnNames) {
    w->helpClicked();
    ASSERT_NE(w->helpWindow(), nullptr);
    expectNames(*w->helpWindow(), {{"closeButton", -1, "关闭"}});
    w->helpWindow()->Unload();
    w->aboutClicked();
    ASSERT_NE(w->aboutWindow(), nullptr);
    expectNames(*w->aboutWindow(), {{"okButton", -1, "确定"}});
    w->aboutWindow()->Unload();
}

TEST_F(MainWindow, EveryButtonOfTheMainWindowHasItsOwnName) {
    expectNames(*w, {{"minimiseButtonLit", -1, "最小化"},
                     {"closeButtonLit", -1, "关闭"},
                     {"helpButton", -1, "帮助"},
                     {"aboutButton", -1, "关于"},
                     {"exitButton", -1, "退出"},
                     {"bandKey1", -1, "第一环"},
                     {"bandKey2", -1, "第二环"},
                     {"bandKey3", -1, "第三环"},
                     {"bandKey4", -1, "第四环"},
                     {"bandKey5", -1, "第五环"}});
    for (int i = 0; i < model::palette::kPaintedSize; ++i)
        expectNames(*w, {{"paletteChip", i, kChipNames[i]}});
    expectNames(*w, {{"paletteChip", model::palette::kPaintedSize, "无色"}});
}

} // namespace
