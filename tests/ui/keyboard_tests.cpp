// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window and the secondary windows driven from the keyboard alone, keys sent
// through the native window as a real keyboard's would be.
#include "tests/ui/main_window_fixture.h"
#include "tests/ui/stand_in_main_window.h"
#include "ui/about/about_window.h"
#include "ui/help/help_window.h"

#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QWindow>
#include <memory>

using namespace zq;
using zq::test::MainWindow;

namespace {

void key(Form& f, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    ASSERT_NE(f.windowHandle(), nullptr);
    QTest::keyClick(f.windowHandle(), k, m);
}

QString nameOf(const Control* c) {
    if (!c) return QStringLiteral("none");
    return c->Index() < 0 ? c->Name() : QStringLiteral("%1(%2)").arg(c->Name()).arg(c->Index());
}

class Keyboard : public MainWindow {
  protected:
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { ::key(*w, k, m); }
    QString focused() const { return nameOf(w->focusedControl()); }
    std::vector<Control*> keys() const {
        return {&w->bandKey1, &w->bandKey2, &w->bandKey3, &w->bandKey4, &w->bandKey5};
    }
    // A point of the bare multimeter picture, which passes the mouse to the window.
    QPoint bare() const { return w->meter.pixelRect().topLeft() + QPoint(88, 300); }
};

} // namespace

TEST_F(Keyboard, DigitArrowsAndEnterMakeAFourBandResistor) {
    key(Qt::Key_4);
    EXPECT_EQ(w->BandState.selectedBand(), 4);
    EXPECT_EQ(w->bandCaption.Caption(), "第四环");
    EXPECT_EQ(focused(), "paletteChip(1)") << "the palette, at red, the colour band 4 has";
    key(Qt::Key_Left);
    key(Qt::Key_Left); // past brown, round to the last chip
    EXPECT_EQ(focused(), "paletteChip(12)");
    key(Qt::Key_Return);
    EXPECT_EQ(w->BandState.BandColour[3], model::palette::kNone);
    w->valueTimer.fire();
    EXPECT_EQ(w->modeCaption.Caption(), "现在为四环电阻");
    EXPECT_EQ(w->resultLine.Caption(), "等于： 250" + test::dp() + "00KΩ"); // 25 x 10000
}

TEST_F(Keyboard, TabVisitsKeysChipsMenuLinkAndTitleButtonsInOrder) {
    QStringList expected;
    for (int band = 1; band <= 5; ++band)
        expected << QStringLiteral("bandKey%1").arg(band);
    for (int i = 0; i < 13; ++i)
        expected << QStringLiteral("paletteChip(%1)").arg(i);
    expected << "helpButton"
             << "aboutButton"
             << "exitButton"
             << "homePageLink"
             << "minimiseButtonLit"
             << "closeButtonLit";
    QStringList forward;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        key(Qt::Key_Tab);
        forward << focused();
    }
    EXPECT_EQ(forward, expected);
    key(Qt::Key_Tab);
    EXPECT_EQ(focused(), expected.front()) << "round to the first";
    QStringList backward;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        backward.prepend(focused());
    }
    EXPECT_EQ(backward, expected);
}

TEST_F(Keyboard, ArrowsMoveWithinEachGroupAndWrap) {
    const struct {
        const char* group;
        std::vector<Control*> members;
    } groups[] = {
        {"keys", keys()},
        {"chips", {w->paletteChip.begin(), w->paletteChip.end()}},
        {"menu", {&w->helpButton, &w->aboutButton, &w->exitButton, &w->homePageLink}},
        {"title", {&w->minimiseButtonLit, &w->closeButtonLit}},
    };
    for (const auto& g : groups) {
        SCOPED_TRACE(g.group);
        w->setFocusedControl(g.members.front());
        for (std::size_t i = 1; i <= g.members.size(); ++i) {
            key(i % 2 ? Qt::Key_Right : Qt::Key_Down);
            EXPECT_EQ(w->focusedControl(), g.members[i % g.members.size()]);
        }
        key(Qt::Key_Left);
        EXPECT_EQ(w->focusedControl(), g.members.back());
        key(Qt::Key_Home);
        EXPECT_EQ(w->focusedControl(), g.members.front());
        key(Qt::Key_End);
        EXPECT_EQ(w->focusedControl(), g.members.back());
        key(Qt::Key_Up);
        EXPECT_EQ(w->focusedControl(), g.members[g.members.size() - 2]);
    }
}

TEST_F(Keyboard, EveryDigitAndEveryKeyChoosesItsBand) {
    const auto k = keys();
    for (int band = 1; band <= 5; ++band) {
        SCOPED_TRACE(band);
        w->colourCaption.setCaption(QStringLiteral("x"));
        key(Qt::Key(Qt::Key_0 + band));
        EXPECT_EQ(w->BandState.selectedBand(), band);
        const char* const names[] = {"第一环", "第二环", "第三环", "第四环", "第五环"};
        EXPECT_EQ(w->bandCaption.Caption(), QString::fromUtf8(names[band - 1]));
        EXPECT_EQ(w->colourCaption.Caption(), "");
        const int colour = w->BandState.BandColour[band - 1];
        EXPECT_EQ(w->focusedControl(), w->paletteChip[colour]);

        key(Qt::Key(Qt::Key_0 + (band % 5) + 1)); // another band, then back by the key
        w->setFocusedControl(k[band - 1]);
        key(band % 2 ? Qt::Key_Return : Qt::Key_Space);
        EXPECT_EQ(w->BandState.selectedBand(), band);
        EXPECT_EQ(w->focusedControl(), k[band - 1]) << "a pressed key keeps the focus";
    }
    key(Qt::Key_6);
    key(Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(w->BandState.selectedBand(), 5) << "other keys choose nothing";
}

// Every chip on every band, once with the mouse in one window and once from the keyboard
// in another: the same choices, the same refusals, the same warnings.
TEST_F(Keyboard, EnterOnAChipDoesWhatAClickDoesOnEveryBand) {
    auto keyed = std::make_unique<ui::MainWindow>();
    showWindow(*keyed);
    keyed->valueTimer.setTimerEnabled(false);
    for (int band = 1; band <= 5; ++band)
        for (int chip = 0; chip < 13; ++chip) {
            SCOPED_TRACE(testing::Message() << "band " << band << " chip " << chip);
            choose(band, chip);
            const std::vector<test::Message> clicked = takeMessages();

            ::key(*keyed, Qt::Key(Qt::Key_0 + band));
            ::key(*keyed, Qt::Key_Home);
            for (int i = 0; i < chip; ++i)
                ::key(*keyed, Qt::Key_Right);
            ASSERT_EQ(keyed->focusedControl(), keyed->paletteChip[chip]);
            ::key(*keyed, Qt::Key_Enter);
            const std::vector<test::Message> keyedMessages = takeMessages();

            EXPECT_EQ(keyed->BandState.BandColour, w->BandState.BandColour);
            EXPECT_EQ(keyed->colourCaption.Caption(), w->colourCaption.Caption());
            EXPECT_EQ(keyed->toleranceCaption.Caption(), w->toleranceCaption.Caption());
            EXPECT_EQ(keyed->meterTolerance.Picture(), w->meterTolerance.Picture());
            ASSERT_EQ(keyedMessages.size(), clicked.size());
            for (std::size_t m = 0; m < clicked.size(); ++m) {
                EXPECT_EQ(keyedMessages[m].prompt, clicked[m].prompt);
                EXPECT_EQ(keyedMessages[m].title, "温馨提示！");
            }
        }
}

TEST_F(Keyboard, HeldEnterPressesOnceNotOncePerRepeat) {
    key(Qt::Key_1);
    w->setFocusedControl(w->paletteChip[10]); // gold on band 1: refused with a warning
    QTest::keyPress(w->windowHandle(), Qt::Key_Return);
    for (int i = 0; i < 3; ++i)
        QTest::simulateEvent(w->windowHandle(), true, Qt::Key_Return, Qt::NoModifier, {}, true);
    QTest::keyRelease(w->windowHandle(), Qt::Key_Return);
    EXPECT_EQ(takeMessages().size(), 1u);
}

TEST_F(Keyboard, MenuButtonsAndLinkAnswerEnterAsTheyAnswerAClick) {
    const struct {
        Control* control;
        std::function<bool()> done;
    } cases[] = {
        {&w->helpButton, [this] { return w->helpWindow() && w->helpWindow()->isVisible(); }},
        {&w->aboutButton, [this] { return w->aboutWindow() && w->aboutWindow()->isVisible(); }},
        {&w->homePageLink, [this] { return shell_.calls.size() == 1; }},
        {&w->exitButton, [this] { return programEnds() == 1; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(nameOf(c.control).toStdString());
        w->setFocusedControl(c.control);
        key(Qt::Key_Space);
        EXPECT_TRUE(c.done());
        for (Form* f : {static_cast<Form*>(w->helpWindow()), static_cast<Form*>(w->aboutWindow())})
            if (f && f->isVisible()) ::key(*f, Qt::Key_Escape);
        EXPECT_EQ(w->isVisible(), programEnds() == 0);
    }
}

TEST_F(Keyboard, F1OpensHelpAndEscClosesHelpAndAbout) {
    key(Qt::Key_F1);
    ASSERT_NE(w->helpWindow(), nullptr);
    EXPECT_TRUE(w->helpWindow()->isVisible());
    EXPECT_FALSE(w->isVisible());
    ::key(*w->helpWindow(), Qt::Key_Escape);
    EXPECT_TRUE(w->helpWindow() == nullptr || w->helpWindow()->unloaded());
    EXPECT_TRUE(w->isVisible());

    key(Qt::Key_Escape);
    EXPECT_TRUE(w->isVisible()) << "the main window stays on Esc";
    EXPECT_EQ(programEnds(), 0);

    clickOn(w->aboutButton);
    ASSERT_NE(w->aboutWindow(), nullptr);
    EXPECT_FALSE(w->isVisible());
    ::key(*w->aboutWindow(), Qt::Key_Escape);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(Keyboard, FocusMarkOnlyAfterAKeyAndGoneAtTheNextMouseMove) {
    ASSERT_EQ(w->controlAt(bare()), nullptr);
    const QImage asDrawn = w->grab().toImage();
    key(Qt::Key_Tab);
    ASSERT_TRUE(w->focusMarkShown());
    const QImage marked = w->grab().toImage();
    const QRect chip = w->bandKey1.pixelRect();
    int changed = 0;
    for (int y = 0; y < marked.height(); ++y)
        for (int x = 0; x < marked.width(); ++x)
            if (marked.pixel(x, y) != asDrawn.pixel(x, y)) {
                ++changed;
                EXPECT_TRUE(chip.contains(x, y)) << x << "," << y << " outside the key";
            }
    EXPECT_GE(changed, chip.width() + chip.height()) << "a dotted ring round it";
    moveTo(*w, bare());
    EXPECT_FALSE(w->focusMarkShown());
    EXPECT_EQ(w->grab().toImage(), asDrawn) << "the mouse user's window, pixel for pixel";
    key(Qt::Key_Right);
    EXPECT_TRUE(w->focusMarkShown()) << "back with the next key";
}

TEST_F(Keyboard, MouseOnlyUseNeverShowsTheMark) {
    clickOn(w->bandKey2);
    chooseColour(3);
    EXPECT_EQ(w->focusedControl(), w->paletteChip[3]) << "the keyboard carries on from there";
    EXPECT_FALSE(w->focusMarkShown());
}

namespace {

class SecondaryKeyboard : public test::WithStandInMainWindow {
  protected:
    template <class W> QPointer<W> open() {
        main->setVisible(false);
        main->shown = 0;
        auto* f = new W(*main);
        f->setDeleteOnUnload(true);
        showWindow(*f);
        return f;
    }
};

} // namespace

TEST_F(SecondaryKeyboard, TabReachesTheHelpTextAndTheCloseBox) {
    QPointer<ui::HelpWindow> help = open<ui::HelpWindow>();
    auto* text = help->textBox("text").widget();
    key(*help, Qt::Key_Tab);
    EXPECT_TRUE(text->hasFocus()) << "the text, to scroll it";
    EXPECT_FALSE(help->focusMarkShown()) << "a text box shows its own focus";
    const int top = text->verticalScrollBar()->value();
    QTest::keyClick(text, Qt::Key_PageDown);
    EXPECT_GT(text->verticalScrollBar()->value(), top);
    key(*help, Qt::Key_Tab);
    EXPECT_EQ(help->focusedControl(), &help->image("closeButton"));
    EXPECT_FALSE(text->hasFocus());
    EXPECT_TRUE(help->focusMarkShown());
    key(*help, Qt::Key_Return);
    EXPECT_TRUE(help.isNull() || help->unloaded());
    EXPECT_TRUE(main->isVisible());
}

TEST_F(SecondaryKeyboard, TabGoesOnFromTheTextAClickPutTheFocusIn) {
    QPointer<ui::HelpWindow> help = open<ui::HelpWindow>();
    key(*help, Qt::Key_Tab);
    key(*help, Qt::Key_Tab); // on the close box
    help->textBox("text").widget()->setFocus(Qt::MouseFocusReason);
    key(*help, Qt::Key_Tab);
    EXPECT_EQ(help->focusedControl(), &help->image("closeButton"));
    EXPECT_TRUE(help->focusMarkShown());
    help->Unload();
}

TEST_F(SecondaryKeyboard, EscClosesTheHelpEvenFromItsText) {
    QPointer<ui::HelpWindow> help = open<ui::HelpWindow>();
    help->textBox("text").widget()->setFocus();
    key(*help, Qt::Key_Escape);
    EXPECT_TRUE(help.isNull() || help->unloaded());
    EXPECT_EQ(main->shown, 1);
}

TEST_F(SecondaryKeyboard, EnterClosesTheAboutWindowAtOnce) {
    QPointer<ui::AboutWindow> about = open<ui::AboutWindow>();
    EXPECT_FALSE(about->focusMarkShown()) << "no mark before a key";
    key(*about, Qt::Key_Enter);
    EXPECT_TRUE(about.isNull() || about->unloaded());
    EXPECT_TRUE(main->isVisible());
}

// Any window but the main one, the value window to come included, closes on Esc.
TEST_F(SecondaryKeyboard, EscClosesAnyWindowButTheMainOne) {
    auto* other = new test::StandInMainWindow;
    other->setDeleteOnUnload(true);
    QPointer<Form> alive(other);
    showWindow(*other);
    main->setMainWindow(true);
    key(*other, Qt::Key_Escape);
    EXPECT_TRUE(alive.isNull() || alive->unloaded());
    key(*main, Qt::Key_Escape);
    EXPECT_FALSE(main->unloaded());
    EXPECT_EQ(programEnds(), 0);
}
