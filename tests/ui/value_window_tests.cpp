// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The value-to-colours window, driven through its own and the main window's native windows.
#include "model/colour_table.h"
#include "tests/model/invariants.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/value/value_window.h"
#include "ui/words.h"
#include "wording/main_window.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QMenu>
#include <QTest>
#include <QTextEdit>
#include <QWindow>
#include <algorithm>
#include <map>

using namespace zq;
using zq::test::dp;
using zq::test::MainWindow;
using Window = zq::ui::ValueWindow;

namespace {

class ValueWindow : public MainWindow {
  protected:
    void TearDown() override {
        closeMenu();
        MainWindow::TearDown();
    }
    // Ctrl+F belongs to the main window: it works while that window is the active one.
    Window* openByKey() {
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w->windowHandle(), Qt::Key_F, Qt::ControlModifier);
        Window* v = w->valueWindow();
        if (v) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(v));
        }
        return v;
    }
    Window& opened() {
        Window* v = openByKey();
        if (!v) throw std::runtime_error("Ctrl+F opened nothing");
        return *v;
    }
    // Types into the field as a user does, then presses a key.
    static void type(Window& v, const QString& text, Qt::Key then = Qt::Key_Return,
                     Qt::KeyboardModifiers m = Qt::NoModifier) {
        v.valueField().clear();
        QTest::keyClicks(&v.valueField(), text);
        QTest::keyClick(&v.valueField(), then, m);
    }
    // Puts text in the field as an input method commits it (key clicks are ASCII), then
    // presses Return.
    static void commit(Window& v, const QString& text) {
        v.valueField().clear();
        QInputMethodEvent e;
        e.setCommitString(text);
        QCoreApplication::sendEvent(&v.valueField(), &e);
        QTest::keyClick(&v.valueField(), Qt::Key_Return);
    }
    static QMenu* openMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
    static void closeMenu() {
        if (QMenu* m = openMenu()) m->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // A point of the window where no control takes the mouse, inside `area`.
    QPoint bareIn(const QRect& area) const {
        for (int y = area.top(); y <= area.bottom(); y += 3)
            for (int x = area.left(); x <= area.right(); x += 3)
                if (!w->controlAt({x, y})) return {x, y};
        ADD_FAILURE() << "no bare point in the area";
        return area.center();
    }
    static std::vector<int> resistorPictures(const Window& v) {
        return v.Drawn.coloursLeftToRight();
    }
};

} // namespace

TEST_F(ValueWindow, CtrlFOpensItBesideTheMainWindowWithTheFieldFocused) {
    Window& v = opened();
    EXPECT_TRUE(v.isVisible());
    EXPECT_TRUE(w->isVisible()) << "the main window stays";
    EXPECT_EQ(v.windowTitle(), QStringLiteral("由阻值查色环"));
    EXPECT_EQ(QApplication::focusWidget(), &v.valueField());
    // Asked again, the same window comes to the front.
    EXPECT_EQ(openByKey(), &v);
}

TEST_F(ValueWindow, ReturnFindsTheBandsAndShowsThemThreeWays) {
    Window& v = opened();
    type(v, QStringLiteral("4.7k"));
    EXPECT_EQ(v.ColourNames.Caption(), QStringLiteral("黄 紫 红 金"));
    EXPECT_EQ(v.ValueText.Caption(), QStringLiteral("等于： 4") + dp() + QStringLiteral("70KΩ"));
    EXPECT_EQ(v.RangeText.Caption(), QStringLiteral("误差范围：4") + dp() +
                                         QStringLiteral("465KΩ ～ 4") + dp() +
                                         QStringLiteral("935KΩ"));
    // Chips with names on them, four of them, then the resistor with the empty fourth band.
    const int chips[] = {3, 6, 1, 10};
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(v.AnswerChip[i]->Visible());
        EXPECT_EQ(v.AnswerChip[i]->Picture().path(),
                  QStringLiteral(":/design/form1/Image29_%1.png").arg(chips[i]));
    }
    EXPECT_FALSE(v.AnswerChip[4]->Visible());
    EXPECT_EQ(resistorPictures(v),
              (std::vector<int>{model::palette::kYellow, model::palette::kViolet,
                                model::palette::kRed, model::palette::kGold}));
    EXPECT_EQ(v.Note.Caption(), QString());
}

TEST_F(ValueWindow, FullWidthInputFromAnInputMethodIsRead) {
    Window& v = opened();
    // What a Chinese input method commits, then Return on the keyboard.
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("４．７ｋΩ"));
    QCoreApplication::sendEvent(&v.valueField(), &commit);
    EXPECT_EQ(v.valueField().toPlainText(), QStringLiteral("４．７ｋΩ"));
    QTest::keyClick(&v.valueField(), Qt::Key_Return);
    EXPECT_EQ(v.ColourNames.Caption(), QStringLiteral("黄 紫 红 金"));
}

// After an answer, a value that gets none shows its reason alone: the bands, value and
// standard values of the one before would read as its answer.
TEST_F(ValueWindow, BadInputGivesItsReasonAndClearsTheAnswerBefore) {
    Window& v = opened();
    const auto bare = resistorPictures(v);
    for (const QString& bad : {QStringLiteral("4..7"), QStringLiteral("-1k"), QStringLiteral("abc"),
                               QStringLiteral(""), QStringLiteral("5mΩ"), QStringLiteral("100G")}) {
        type(v, QStringLiteral("4.5k"));
        ASSERT_TRUE(v.Answer);
        EXPECT_EQ(v.Note.ForeColor(), QColor(32, 32, 96));
        EXPECT_NE(v.ColourNames.Caption(), QString());
        EXPECT_NE(resistorPictures(v), bare);
        EXPECT_TRUE(v.StandardValue[0]->Visible());
        EXPECT_NE(v.SmdCodes.Caption(), QString());
        commit(v, bad);
        EXPECT_FALSE(v.Note.Caption().isEmpty()) << bad.toStdString();
        EXPECT_EQ(v.Note.ForeColor(), QColor(224, 0, 0)) << bad.toStdString();
        EXPECT_FALSE(v.Answer) << bad.toStdString();
        EXPECT_TRUE(v.Standard.empty()) << bad.toStdString();
        for (const zq::Label* l : {&v.ColourNames, &v.ValueText, &v.RangeText, &v.SmdCodes})
            EXPECT_EQ(l->Caption(), QString()) << bad.toStdString();
        EXPECT_EQ(v.StandardCaption.Caption(), QStringLiteral("最接近的标准值（点一下填入）："));
        for (const zq::Label* l : v.StandardValue)
            EXPECT_FALSE(l->Visible()) << bad.toStdString();
        for (const zq::Image* chip : v.AnswerChip)
            EXPECT_FALSE(chip->Visible()) << bad.toStdString();
        EXPECT_EQ(resistorPictures(v), bare) << bad.toStdString();
    }
    // In the user's own decimal point, like every number of the window.
    EXPECT_EQ(
        v.Note.Caption(),
        QStringLiteral("阻值太大了：四环电阻能做 0.10Ω ～ 99.00GΩ，最接近的 99.00GΩ 是 白 白 白 金。")
            .replace(u'.', dp()));
    // No message box for typing: the fixture fails on any.
}

TEST_F(ValueWindow, ARoundedAnswerSaysSo) {
    Window& v = opened();
    type(v, QStringLiteral("4.75k"));
    EXPECT_EQ(v.ColourNames.Caption(), QStringLiteral("黄 灰 红 金"));
    EXPECT_TRUE(
        v.Note.Caption().contains(QStringLiteral("做不出 4") + dp() + QStringLiteral("75KΩ")))
        << v.Note.Caption().toStdString();
}

// Under the field: the longest note (how "m" was read, what four bands cannot make, the
// neighbours of ±1 % they cannot make either) down to none, each line inside the note's box.
TEST_F(ValueWindow, EveryNoteUnderTheFieldShowsWhole) {
    Window& v = opened();
    const QRectF box(QPointF(0, -1), QSizeF(v.Note.pixelRect().size()) + QSizeF(0, 1));
    const QFontMetricsF m(v.Note.font());
    struct Case {
        int toleranceChip; // brown, or gold
        const char* typed;
        qsizetype lines;
    };
    for (const Case& c : {Case{0, "1.23m", 3}, Case{5, "0.0123", 2}, Case{5, "4.75k", 1},
                          Case{5, "4.7k", 0}}) {
        v.toleranceChipClicked(c.toleranceChip);
        type(v, QString::fromLatin1(c.typed));
        qsizetype written = 0;
        for (const SetLine& l : v.Note.lines()) {
            if (l.text.isEmpty()) continue;
            ++written;
            EXPECT_TRUE(box.contains(QRectF(l.origin.x(), l.origin.y() - m.ascent(), l.width,
                                            m.height())))
                << c.typed << ": " << l.text.toStdString();
        }
        EXPECT_EQ(written, c.lines) << c.typed;
    }
}

TEST_F(ValueWindow, BandCountAndToleranceAreChosenByClicks) {
    Window& v = opened();
    type(v, QStringLiteral("4.7k"));
    click(v, centreOf(v.FiveBands));
    EXPECT_EQ(v.Bands, 5);
    EXPECT_EQ(v.Tolerance, model::kBrownIndex) << "five bands default to ±1%";
    EXPECT_EQ(v.ColourNames.Caption(), QStringLiteral("黄 紫 黑 棕 棕")) << "found again";
    EXPECT_TRUE(v.AnswerChip[4]->Visible());
    // Every tolerance chip, in order: the colour, its text, and the line under it.
    const char* texts[] = {"±1%", "±2%", "±0.5%", "±0.25%", "±0.1%", "±5%", "±10%", "±20%"};
    for (int i = 0; i < 8; ++i) {
        click(v, centreOf(*v.ToleranceChip[i]));
        EXPECT_EQ(v.Tolerance, model::kTolerancePalette[i]) << i;
        EXPECT_EQ(v.ToleranceText.Caption(), QString::fromUtf8(texts[i])) << i;
        EXPECT_EQ(v.ToleranceMark.X1(), v.ToleranceChip[i]->Left()) << i;
        EXPECT_TRUE(v.ToleranceMark.Visible()) << i;
        // Five bands and no fifth: a part that would be read as four bands is refused.
        if (model::kTolerancePalette[i] == model::kNoneIndex) {
            EXPECT_FALSE(v.Answer);
            EXPECT_EQ(v.Note.Caption(),
                      QStringLiteral(
                          "五环电阻不能没有误差环（±20%）：少了第五环，会被当成四环电阻读错。"));
            continue;
        }
        ASSERT_TRUE(v.Answer) << i;
        EXPECT_EQ(v.Answer->palette[4], model::kTolerancePalette[i]) << i;
    }
    click(v, centreOf(v.FourBands));
    EXPECT_EQ(v.Bands, 4);
    EXPECT_EQ(v.Tolerance, model::kGoldIndex);
    EXPECT_EQ(v.ColourNames.Caption(), QStringLiteral("黄 紫 红 金"));
}

TEST_F(ValueWindow, AStandardValueGoesIntoTheFieldAndIsFound) {
    Window& v = opened();
    v.fiveBandsClicked();
    type(v, QStringLiteral("4.5k"));
    ASSERT_EQ(v.Standard.size(), 4u);
    for (int i = 4; i < 6; ++i)
        EXPECT_FALSE(v.StandardValue[i]->Visible());
    click(v, centreOf(*v.StandardValue[2])); // E96 4.53k
    EXPECT_EQ(v.valueField().toPlainText(), QStringLiteral("4.53k"));
    EXPECT_EQ(v.ColourNames.Caption(), QStringLiteral("黄 绿 橙 棕 棕"));
}

struct Handing {
    const char* typed;
    bool fiveBands;
    int toleranceChip; // index into the tolerance chips
    bool byKey;        // Ctrl+Return instead of the button
};

void PrintTo(const Handing& h, std::ostream* os) {
    *os << h.typed << (h.fiveBands ? " five" : " four") << " bands, chip " << h.toleranceChip
        << (h.byKey ? " by key" : " by button");
}

class GiveToMainWindow : public ValueWindow, public testing::WithParamInterface<Handing> {};

TEST_P(GiveToMainWindow, SetsTheBandsByTheChoiceRulesAndTheNextTickShowsTheValue) {
    // Start from the states that refuse the most: band 3 gold on a four-band resistor, and
    // the start-up five-band one.
    for (const bool goldBand3 : {false, true}) {
        if (goldBand3) {
            choose(4, model::kNoneIndex);
            choose(3, model::kGoldIndex);
        }
        choose(2, 4); // band 2 is being edited, and stays so
        Window& v = opened();
        if (GetParam().fiveBands) click(v, centreOf(v.FiveBands));
        click(v, centreOf(*v.ToleranceChip[GetParam().toleranceChip]));
        v.valueField().clear();
        QTest::keyClicks(&v.valueField(), QString::fromUtf8(GetParam().typed));
        if (GetParam().byKey)
            QTest::keyClick(&v.valueField(), Qt::Key_Return, Qt::ControlModifier);
        else
            click(v, centreOf(v.image(QStringLiteral("ShowButton"))));
        ASSERT_TRUE(v.Answer);
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_EQ(w->BandState.BandColour[i], v.Answer->palette[i]);
        EXPECT_EQ(model::invariantViolation(w->BandState), "");
        EXPECT_EQ(w->BandState.selectedBand(), 2);
        EXPECT_EQ(w->bandCaption.Caption(), QStringLiteral("第二环"));
        EXPECT_EQ(w->toleranceCaption.Caption(),
                  ui::q(wording::toleranceCaption(model::colourByIndex(v.Tolerance.colour).tolerance)));
        w->tick();
        EXPECT_EQ(w->resultLine.Caption(), v.ValueText.Caption()) << GetParam().typed;
        EXPECT_TRUE(takeMessages().empty()) << "a refusal on the way";
        EXPECT_TRUE(QTest::qWaitForWindowActive(w)) << "the main window is brought to the front";
        EXPECT_TRUE(v.isVisible()) << "the value window stays open behind";
        v.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

INSTANTIATE_TEST_SUITE_P(
    FourAndFiveBands, GiveToMainWindow,
    testing::Values(Handing{"4.7k", false, 5, false}, Handing{"0.47", false, 6, true},
                    Handing{"4R7", false, 7, false}, Handing{"4.7k", true, 0, true},
                    Handing{"0.47", true, 4, false}, Handing{"999G", true, 2, false}));

// A tolerance no chip carries, typed after the value: answered with its note, and kept from the
// main window, which cannot show it.
TEST_F(ValueWindow, APrecisionToleranceTypedAfterTheValueIsAnsweredButNotHandedOver) {
    Window& v = opened();
    type(v, QStringLiteral("4.7k"));
    const auto before = w->BandState.BandColour;
    commit(v, QStringLiteral("4.7k 灰"));
    ASSERT_TRUE(v.Answer);
    EXPECT_EQ(v.ColourNames.Caption(), QStringLiteral("黄 紫 红 灰"));
    // Tolerances are written with "." in every locale, as the main window writes them.
    EXPECT_EQ(v.ToleranceText.Caption(), QStringLiteral("±0.01%"));
    EXPECT_FALSE(v.ToleranceMark.Visible()) << "no chip to underline";
    EXPECT_EQ(
        v.Note.Caption(),
        QStringLiteral("灰色误差环是 IEC 60062:2016 标准给的精密误差：±0.01%，这是精密电阻。"));
    for (const bool byKey : {false, true}) {
        if (byKey)
            QTest::keyClick(&v.valueField(), Qt::Key_Return, Qt::ControlModifier);
        else
            click(v, centreOf(v.image(QStringLiteral("ShowButton"))));
        EXPECT_EQ(w->BandState.BandColour, before) << byKey;
        EXPECT_EQ(v.Note.Caption(),
                  QStringLiteral(
                      "主窗口的误差环没有灰色：这是 IEC 60062 标准里的精密误差，只能在这里看。"))
            << byKey;
        EXPECT_EQ(v.Note.ForeColor(), QColor(224, 0, 0));
        EXPECT_TRUE(v.Answer) << "the answer stays";
    }
    // A chip takes the typed tolerance's place, in the field too; then it hands over.
    click(v, centreOf(*v.ToleranceChip[5])); // gold
    EXPECT_EQ(v.valueField().toPlainText(), QStringLiteral("4.7k"));
    EXPECT_EQ(v.ColourNames.Caption(), QStringLiteral("黄 紫 红 金"));
    EXPECT_TRUE(v.ToleranceMark.Visible());
    EXPECT_EQ(v.Note.Caption(), QString());
    click(v, centreOf(v.image(QStringLiteral("ShowButton"))));
    EXPECT_EQ(w->BandState.BandColour[4], model::kGoldIndex);
}

// Four black digits would be a part the reading rules call impossible; one more digit is not.
TEST_F(ValueWindow, AJumperIsAnsweredButNotHandedOver) {
    Window& v = opened();
    const auto before = w->BandState.BandColour;
    for (const char* typed : {"0", "1"}) {
        commit(v, QString::fromUtf8(typed));
        click(v, centreOf(v.image(QStringLiteral("ShowButton"))));
        const bool jumper = std::string_view(typed) == "0";
        EXPECT_EQ(w->BandState.BandColour == before, jumper) << typed;
        EXPECT_EQ(v.Note.Caption() ==
                      QStringLiteral("跳线电阻只有一条黑环，主窗口的色环做不出它：0Ω 只能在这里看。"),
                  jumper)
            << typed;
    }
}

// A tolerance typed after a value is that value's only: the next value takes the chip's again.
TEST_F(ValueWindow, ATypedToleranceHoldsForItsOwnValueOnly) {
    Window& v = opened();
    click(v, centreOf(*v.ToleranceChip[0])); // brown, ±1%
    const struct {
        const char16_t* typed;
        const char16_t* colours;
        const char* tolerance;
        bool marked;
    } steps[] = {{u"4.7k ±0.05%", u"黄 紫 红 橙", "±0.05%", false},
                 {u"1M5", u"棕 绿 绿 棕", "±1%", true},
                 {u"10 灰", u"棕 黑 黑 灰", "±0.01%", false},
                 {u"10", u"棕 黑 黑 棕", "±1%", true}};
    for (const auto& s : steps) {
        commit(v, QString::fromUtf16(s.typed));
        EXPECT_EQ(v.ColourNames.Caption(), QString::fromUtf16(s.colours)) << s.tolerance;
        EXPECT_EQ(v.ToleranceText.Caption(), QString::fromUtf8(s.tolerance));
        EXPECT_EQ(v.ToleranceMark.Visible(), s.marked) << s.tolerance;
    }
}

// A chip or a band count chosen after typing answers, as Return after typing does: by the mouse
// and then Return on the chip, or by the keyboard.
TEST_F(ValueWindow, ChoosingAToleranceAfterTypingAnswers) {
    Window& v = opened();
    // Nothing typed: a choice asks nothing, and the example stays.
    const QString example = v.Note.Caption();
    click(v, centreOf(*v.ToleranceChip[1]));
    v.fiveBandsClicked();
    EXPECT_FALSE(v.Answer);
    EXPECT_EQ(v.Note.Caption(), example);
    v.fourBandsClicked();
    QTest::keyClicks(&v.valueField(), QStringLiteral("4.7k"));
    ASSERT_FALSE(v.Answer) << "typed, not yet asked";
    click(v, centreOf(*v.ToleranceChip[0])); // brown
    ASSERT_TRUE(v.Answer);
    EXPECT_EQ(v.ColourNames.Caption(), QStringLiteral("黄 紫 红 棕"));
    QTest::keyClick(v.windowHandle(), Qt::Key_Return);
    EXPECT_EQ(v.ColourNames.Caption(), QStringLiteral("黄 紫 红 棕"));
    // The same by the keyboard alone: a chip pressed with the arrows and Return.
    v.valueField().clear();
    QTest::keyClicks(&v.valueField(), QStringLiteral("1k"));
    v.setFocusedControl(v.ToleranceChip[0]);
    QTest::keyClick(v.windowHandle(), Qt::Key_Right);
    ASSERT_EQ(v.focusedControl(), v.ToleranceChip[1]);
    QTest::keyClick(v.windowHandle(), Qt::Key_Return);
    ASSERT_TRUE(v.Answer);
    EXPECT_EQ(v.ColourNames.Caption(), QStringLiteral("棕 黑 红 红"));
}

TEST_F(ValueWindow, BadInputHandsNothingToTheMainWindow) {
    Window& v = opened();
    type(v, QStringLiteral("4.7k"));
    const auto before = w->BandState.BandColour;
    type(v, QStringLiteral("4.7.k"), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(w->BandState.BandColour, before);
}

TEST_F(ValueWindow, EscAndTheCloseBoxCloseItAndTheMainWindowStays) {
    Window* v = &opened();
    QTest::keyClick(&v->valueField(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w->valueWindow(), nullptr);
    EXPECT_TRUE(w->isVisible());
    v = &opened();
    click(*v, centreOf(v->image(QStringLiteral("CloseBox"))));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w->valueWindow(), nullptr);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(ValueWindow, DraggingTheTitleMovesIt) {
    Window& v = opened();
    const QPoint start = v.pos();
    const QPoint title = v.label(QStringLiteral("title")).pixelRect().topLeft() + QPoint(60, 8);
    moveTo(v, title);
    press(v, title);
    moveTo(v, title + QPoint(25, 15));
    EXPECT_EQ(v.pos(), start + QPoint(25, 15));
    release(v, title); // the grabbed point is under the pointer again
    EXPECT_EQ(v.Dragging, 0);
}

// ---- the main window's menu -------------------------------------------------------------------

TEST_F(ValueWindow, RightReleaseOnTheBareSurfaceOrTheMeterFaceOffersTheWindow) {
    const QRect meter = w->meter.pixelRect();
    const QRect whole(QPoint(0, 0), w->size());
    for (const QPoint at : {bareIn(meter), bareIn(whole.adjusted(0, 80, 0, 0))}) {
        press(*w, at, Qt::RightButton);
        EXPECT_EQ(openMenu(), nullptr) << "the press alone shows nothing";
        release(*w, at, Qt::RightButton);
        QMenu* menu = openMenu();
        ASSERT_NE(menu, nullptr) << at.x() << "," << at.y();
        ASSERT_EQ(menu->actions().size(), 3);
        EXPECT_EQ(menu->actions().front()->text(), QStringLiteral("由阻值查色环…\tCtrl+F"));
        EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("识读色环…\tCtrl+R"));
        EXPECT_EQ(menu->actions().back()->text(), QStringLiteral("练习…\tCtrl+L"));
        menu->actions().front()->trigger();
        closeMenu();
        ASSERT_NE(w->valueWindow(), nullptr);
        w->valueWindow()->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(ValueWindow, RightReleaseOverChipsKeysAndTitleShowsNoMenu) {
    std::vector<const Control*> targets(w->paletteChip.begin(), w->paletteChip.end());
    for (const Control* key :
         {&w->bandKey1, &w->bandKey2, &w->bandKey3, &w->bandKey4, &w->bandKey5})
        targets.push_back(key);
    targets.push_back(&w->title);
    for (const Control* c : targets) {
        const QPoint at = centreOf(*c);
        moveTo(*w, at);
        press(*w, at, Qt::RightButton);
        release(*w, at, Qt::RightButton);
        EXPECT_EQ(openMenu(), nullptr) << c->Name().toStdString() << "(" << c->Index() << ")";
        closeMenu();
    }
    EXPECT_EQ(w->valueWindow(), nullptr);
    // The chips keep their pressed look on a right press, as before.
    press(*w, centreOf(*w->paletteChip[3]), Qt::RightButton);
    EXPECT_EQ(w->chipFrameLeft[3]->BorderColor(), QColor(0, 0, 0));
    release(*w, centreOf(*w->paletteChip[3]), Qt::RightButton);
}

TEST_F(ValueWindow, LeftAndMiddleReleasesOnTheBareSurfaceShowNoMenu) {
    const QPoint at = bareIn(QRect(QPoint(0, 80), w->size()));
    for (const Qt::MouseButton b : {Qt::LeftButton, Qt::MiddleButton}) {
        click(*w, at, b);
        EXPECT_EQ(openMenu(), nullptr);
    }
}

TEST_F(ValueWindow, EverythingIsReachedFromTheKeyboardAndHiddenChoicesArePassedOver) {
    Window& v = opened();
    v.fiveBandsClicked();
    type(v, QStringLiteral("4.5k")); // four standard values shown (E24 and E96), two hidden
    ASSERT_EQ(v.Standard.size(), 4u);
    auto key = [&v](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(v.windowHandle(), k, m);
    };
    // Field, 查色环, 在主窗口显示, 四环, 五环, 8 tolerance chips, 4 shown values, 用手头的电阻凑,
    // close box.
    std::vector<zq::Control*> walked;
    for (int i = 0; i < 19; ++i) {
        key(Qt::Key_Tab);
        walked.push_back(v.focusedControl());
    }
    EXPECT_EQ(walked[2], &v.FourBands);
    EXPECT_EQ(walked[3], &v.FiveBands);
    EXPECT_EQ(walked[4], v.ToleranceChip[0]);
    EXPECT_EQ(walked[12], v.StandardValue[0]);
    EXPECT_EQ(walked[15], v.StandardValue[3]);
    EXPECT_EQ(walked[16], &v.KitButton) << "hidden values skipped";
    EXPECT_EQ(walked[17], &v.image(QStringLiteral("CloseBox")));
    for (zq::Control* c : walked)
        EXPECT_TRUE(c->Visible());

    // Back to 五环, press it; then the third tolerance chip by the arrows, and Enter.
    ASSERT_EQ(walked[18], &v.textBox(QStringLiteral("ValueField"))) << "round to the field";
    for (int i = 0; i < 15; ++i) // the close box, 用手头的电阻凑, 4 values, 8 chips, 五环
        key(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(v.focusedControl(), &v.FiveBands);
    key(Qt::Key_Space);
    EXPECT_EQ(v.Bands, 5);
    key(Qt::Key_Tab);
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    ASSERT_EQ(v.focusedControl(), v.ToleranceChip[2]);
    key(Qt::Key_Return);
    EXPECT_EQ(v.Tolerance, model::kTolerancePalette[2]) << "Return pressed the chip, not 查色环";
    EXPECT_TRUE(v.isVisible());
    // End in the standard values stops on the last one shown.
    for (int i = 0; i < 6; ++i)
        key(Qt::Key_Tab);
    key(Qt::Key_End);
    const auto shown = std::count_if(v.StandardValue.begin(), v.StandardValue.end(),
                                     [](const zq::Label* l) { return l->Visible(); });
    ASSERT_GT(shown, 0);
    EXPECT_EQ(v.focusedControl(), v.StandardValue[std::size_t(shown - 1)]);
}

TEST_F(ValueWindow, AScreenReaderFindsItsButtonsAndTextsByName) {
    Window& v = opened();
    type(v, QStringLiteral("4k7"));
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&v);
    ASSERT_NE(root, nullptr);
    std::map<QString, QAccessible::Role> seen;
    QStringList values;
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* c = root->child(i)) {
            seen[c->text(QAccessible::Name)] = c->role();
            values << c->text(QAccessible::Value);
        }
    for (const char* name : {"查色环", "在主窗口显示", "四环", "五环", "关闭", "金色，±5%"})
        EXPECT_EQ(seen[QString::fromUtf8(name)], QAccessible::Button) << name;
    EXPECT_TRUE(values.contains(v.ColourNames.Caption())) << "the colour names";
    EXPECT_TRUE(values.contains(v.ValueText.Caption())) << "the value";
    // Pressing 五环 through the screen reader is a click.
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* c = root->child(i); c && c->text(QAccessible::Name) == "五环")
            c->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(v.Bands, 5);
}
