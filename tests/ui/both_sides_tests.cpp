// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The other side of the windows' conditions: a state that one control holds and no other, the
// first key in a window where nothing has the focus yet, a window opened again while it is
// minimised, and the value window's answer to every form a value is typed in, up to a unit's
// edge.
#include "tests/ui/main_window_fixture.h"
#include "ui/practice/practice_window.h"
#include "ui/reading/reading_window.h"
#include "ui/value/value_window.h"

#include <QAccessible>
#include <QInputMethodEvent>
#include <QLocale>
#include <QSet>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>

using namespace zq;
using zq::test::dp;
using zq::test::MainWindow;
using zq::ui::ValueWindow;

namespace {

const QColor kRed(255, 0, 0), kBlack(0, 0, 0), kPaleRed(255, 192, 192);

class BothSides : public MainWindow {
  protected:
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(w->windowHandle(), k, m);
    }
    std::array<QColor, 4> frame(int i) const {
        return {w->chipFrameLeft[i]->BorderColor(), w->chipFrameTop[i]->BorderColor(),
                w->chipFrameRight[i]->BorderColor(), w->chipFrameBottom[i]->BorderColor()};
    }
    // A point of the bare multimeter picture, which passes the mouse to the window.
    QPoint bare() const { return w->meter.pixelRect().topLeft() + QPoint(88, 300); }
    // The names of the controls a screen reader is told have the focus.
    QStringList focusedForScreenReaders() const {
        QStringList r;
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(w);
        for (int i = 0; root && i < root->childCount(); ++i)
            if (QAccessibleInterface* c = root->child(i); c && c->state().focused)
                r << c->text(QAccessible::Name);
        return r;
    }
};

} // namespace

TEST_F(BothSides, FirstKeyWithNothingFocusedFindsTheFirstOrForShiftTabTheLast) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* found; // the first and the last of the focus order
    } cases[] = {{Qt::Key_Tab, Qt::NoModifier, "bandKey1"},
                 {Qt::Key_Backtab, Qt::ShiftModifier, "closeButtonLit"},
                 {Qt::Key_Right, Qt::NoModifier, "bandKey1"},
                 {Qt::Key_Left, Qt::NoModifier, "bandKey1"}};
    for (const auto& c : cases) {
        const QString wanted = QString::fromLatin1(c.found);
        delete w;
        open();
        ASSERT_EQ(w->focusedControl(), nullptr);
        key(c.key, c.modifiers);
        ASSERT_NE(w->focusedControl(), nullptr) << wanted.toStdString();
        EXPECT_EQ(w->focusedControl()->Name(), wanted);
        EXPECT_TRUE(w->focusMarkShown());
    }
}

TEST_F(BothSides, OnlyTheFocusedControlIsFocusedForAScreenReader) {
    EXPECT_EQ(focusedForScreenReaders(), QStringList()) << "before any key";
    QSet<QString> visited;
    for (int i = 0; i < 24; ++i) {
        key(Qt::Key_Tab);
        const QStringList focused = focusedForScreenReaders();
        ASSERT_EQ(focused.size(), 1) << i;
        visited.insert(focused.front());
    }
    EXPECT_EQ(visited.size(), 24) << "once round the keys, the chips, the menu and the title";
}

TEST_F(BothSides, OnlyTheChipUnderThePointerIsLitAndOnlyThePressedOneSunk) {
    const std::array<QColor, 4> lit{kRed, kRed, kRed, kRed},
        sunk{kBlack, kBlack, kPaleRed, kPaleRed};
    for (int i = 0; i < 13; ++i) {
        const QPoint chip = centreOf(*w->paletteChip[i]);
        moveTo(*w, bare());
        moveTo(*w, chip);
        for (int j = 0; j < 13; ++j)
            EXPECT_EQ(frame(j) == lit, i == j) << "over " << i << ", chip " << j;
        press(*w, chip);
        for (int j = 0; j < 13; ++j)
            EXPECT_EQ(frame(j) == sunk, i == j) << "pressing " << i << ", chip " << j;
        release(*w, chip);
        takeMessages(); // a colour band one refuses
    }
}

TEST_F(BothSides, OnlyTheBandKeyUnderThePointerIsLit) {
    Image* const keys[] = {&w->bandKey1, &w->bandKey2, &w->bandKey3, &w->bandKey4, &w->bandKey5};
    for (int k = 0; k < 5; ++k) {
        moveTo(*w, bare());
        moveTo(*w, centreOf(*keys[k]));
        for (int j = 0; j < 5; ++j)
            EXPECT_EQ(keys[j]->Picture().resourceId(), j == k ? 125 : 124)
                << "over " << k << ", key " << j;
    }
}

TEST_F(BothSides, CtrlFCtrlRAndCtrlLBringTheirWindowBackEvenFromMinimised) {
    QStandardPaths::setTestModeEnabled(true); // practice reads its progress: never the user's
    const struct {
        Qt::Key key;
        std::function<Form*()> window;
    } cases[] = {{Qt::Key_F, [this] { return static_cast<Form*>(w->valueWindow()); }},
                 {Qt::Key_R, [this] { return static_cast<Form*>(w->readingWindow()); }},
                 {Qt::Key_L, [this] { return static_cast<Form*>(w->practiceWindow()); }}};
    for (const auto& c : cases)
        for (const bool minimised : {false, true}) {
            SCOPED_TRACE(minimised ? "minimised" : "open");
            // The keys belong to the main window: they work while it is the active one.
            w->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(w));
            key(c.key, Qt::ControlModifier);
            Form* first = c.window();
            ASSERT_NE(first, nullptr);
            if (minimised) first->setWindowState(kMinimizedState);
            ASSERT_EQ(first->WindowState() == kMinimizedState, minimised);
            w->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(w));
            key(c.key, Qt::ControlModifier);
            EXPECT_EQ(c.window(), first) << "the same window, not a second one";
            EXPECT_EQ(first->WindowState(), kNormalState);
            EXPECT_TRUE(first->isVisible());
        }
}

namespace {

// A value as typed or committed by an input method, and the value window's answer to it.
struct Typing {
    const char* typed;
    int bands;
    const char* shown; // the result line, "." standing for the user's decimal point
    const char* range; // nullptr: not looked at
    bool commaLocale = false;
};

void PrintTo(const Typing& f, std::ostream* os) {
    *os << f.typed << " on " << f.bands << " bands" << (f.commaLocale ? ", comma locale" : "");
}

class TypedForms : public MainWindow, public ::testing::WithParamInterface<Typing> {
  protected:
    void TearDown() override {
        zq::useLocale(QLocale::system());
        MainWindow::TearDown();
    }
};

} // namespace

TEST_P(TypedForms, AnswerWithTheValueInItsUnit) {
    const Typing& f = GetParam();
    if (f.commaLocale) zq::useLocale(QLocale(QLocale::German, QLocale::Germany));
    w->openValueWindow();
    ValueWindow* v = w->valueWindow();
    ASSERT_NE(v, nullptr);
    if (f.bands == 5) v->fiveBandsClicked();
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8(f.typed));
    QCoreApplication::sendEvent(&v->valueField(), &commit);
    QTest::keyClick(&v->valueField(), Qt::Key_Return);
    EXPECT_EQ(v->ValueText.Caption(), QString::fromUtf8(f.shown).replace(u'.', dp()))
        << v->Note.Caption().toStdString();
    if (f.range) {
        EXPECT_EQ(v->RangeText.Caption(),
                  QStringLiteral("误差范围：") + QString::fromUtf8(f.range).replace(u'.', dp()));
    }
}

// Every form the README lists, then what a Chinese input method commits.
INSTANTIATE_TEST_SUITE_P(ReadmeForms, TypedForms,
                         ::testing::Values(Typing{"4.7k", 4, "等于： 4.70KΩ", "4.465KΩ ～ 4.935KΩ"},
                                           Typing{"4k7", 4, "等于： 4.70KΩ", nullptr},
                                           Typing{"470R", 4, "等于： 470.00Ω",
                                                  "446.50Ω ～ 493.50Ω"},
                                           Typing{"R47", 4, "等于： 0.47Ω", nullptr},
                                           Typing{"1M5", 4, "等于： 1.50MΩ", nullptr},
                                           Typing{"4.7 kΩ", 4, "等于： 4.70KΩ", nullptr},
                                           Typing{"4.7千欧", 4, "等于： 4.70KΩ", nullptr},
                                           Typing{"４．７ｋ", 4, "等于： 4.70KΩ", nullptr}));
INSTANTIATE_TEST_SUITE_P(InputMethodForms, TypedForms,
                         ::testing::Values(Typing{"4。7k", 4, "等于： 4.70KΩ", nullptr},
                                           Typing{"4，7k", 4, "等于： 4.70KΩ", nullptr, true},
                                           Typing{"４７０Ω", 4, "等于： 470.00Ω", nullptr},
                                           Typing{"４Ｋ７", 4, "等于： 4.70KΩ", nullptr},
                                           Typing{"４．７ｋ", 4, "等于： 4.70KΩ", nullptr, true},
                                           Typing{"１０千欧", 4, "等于： 10.00KΩ", nullptr},
                                           Typing{"1.5兆欧", 4, "等于： 1.50MΩ", nullptr}));
// Exactly a thousand of a unit stays in it, as on the main window's read-out.
INSTANTIATE_TEST_SUITE_P(
    UnitEdges, TypedForms,
    ::testing::Values(Typing{"1k", 4, "等于： 1000.00Ω", "950.00Ω ～ 1.05KΩ"},
                      Typing{"1.01k", 5, "等于： 1.01KΩ", "999.90Ω ～ 1.0201KΩ"},
                      Typing{"1M", 4, "等于： 1000.00KΩ", "950.00KΩ ～ 1.05MΩ"},
                      Typing{"1G", 4, "等于： 1000.00MΩ", nullptr},
                      Typing{"1.01G", 5, "等于： 1.01GΩ", nullptr}));

TEST_F(BothSides, ValueWindowOffersTheListAndTheChipCodesOnlyWhenThereAreAny) {
    const struct {
        const char* typed;
        int bands;
        bool listed, codes;
    } cases[] = {{"4.7k", 4, true, true},
                 {"0", 4, false, true},       // a jumper: no standard value, codes 0, 000
                 {"4.753k", 5, true, false}}; // four significant digits: no code carries them
    w->openValueWindow();
    ValueWindow* v = w->valueWindow();
    ASSERT_NE(v, nullptr);
    for (const auto& c : cases) {
        c.bands == 5 ? v->fiveBandsClicked() : v->fourBandsClicked();
        v->valueField().setPlainText(QString::fromUtf8(c.typed));
        QTest::keyClick(&v->valueField(), Qt::Key_Return);
        ASSERT_NE(v->Note.ForeColor(), QColor(224, 0, 0)) << c.typed << ": refused";
        EXPECT_EQ(v->StandardCaption.Caption().endsWith(QStringLiteral("点一下填入：")), c.listed)
            << c.typed;
        EXPECT_EQ(v->StandardValue[0]->Visible(), c.listed) << c.typed;
        EXPECT_EQ(v->SmdCodes.Caption().startsWith(QStringLiteral("贴片代码：")), c.codes)
            << c.typed;
        EXPECT_EQ(v->SmdCodes.Caption().isEmpty(), !c.codes) << c.typed;
    }
}
