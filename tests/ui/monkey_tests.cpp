// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Random mouse input over all three windows. After every event the program must still be
// whole; after every tick it must show what the bands say, computed here again in integers.
//
// ZELQUIN_MONKEY_EVENTS sets the number of events (50000 by default), ZELQUIN_MONKEY_SEED
// the seed; a failure prints the seed and the last actions so that the run can be replayed.
#include "model/band_state.h"
#include "platform/services.h"
#include "tests/model/invariants.h"
#include "tests/support/ui_test.h"
#include "ui/about/about_window.h"
#include "ui/help/help_window.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <random>
#include <set>
#include <sstream>

using namespace zq;
using zq::ui::AboutWindow;
using zq::ui::HelpWindow;
using zq::ui::MainWindow;

namespace {

// ---------------------------------------------------------------------------------------
// What a tick must show, from the bands' colours alone (palette: brown 0 ... white 8, black 9,
// gold 10, silver 11, none 12)

int digitOf(int colour) {
    if (colour >= 0 && colour <= 8) return colour + 1;
    return colour == 9 ? 0 : -1;
}

// The power of ten a colour multiplies by; nullopt for none.
std::optional<int> exponentOf(int colour) {
    if (colour >= 0 && colour <= 8) return colour + 1;
    if (colour == 9) return 0;
    if (colour == 10) return -1;
    if (colour == 11) return -2;
    return std::nullopt;
}

QString powerText(int e) {
    if (e >= 0) return QStringLiteral("1") + QString(e, u'0');
    return QStringLiteral("0.") + QString(-e - 1, u'0') + QStringLiteral("1");
}

std::int64_t pow10(int e) {
    std::int64_t r = 1;
    while (e-- > 0)
        r *= 10;
    return r;
}

struct ExpectedTick {
    bool fourBand;
    QString digit1, digit2, band3Text, multiplier;
    QString valueText, shown, unit;
    int unitPicture;
};

// Returns an empty description when the colours make a value; otherwise what is wrong.
std::string expectTick(const std::array<std::uint8_t, 5>& chip, const QString& dp,
                       ExpectedTick& x) {
    x.fourBand = chip[3] == 12;
    const int d1 = digitOf(chip[0]), d2 = digitOf(chip[1]);
    if (d1 < 0 || d2 < 0) return "band 1 or 2 holds no digit";
    x.digit1 = QString::number(d1);
    x.digit2 = QString::number(d2);
    std::int64_t n = 0;
    int e = 0;
    if (x.fourBand) {
        const auto m = exponentOf(chip[2]);
        if (!m) return "band 3 holds no multiplier";
        n = 10 * d1 + d2;
        e = *m;
        x.band3Text = powerText(e);
    } else {
        const int d3 = digitOf(chip[2]);
        const auto m = exponentOf(chip[3]);
        if (d3 < 0 || !m) return "band 3 or 4 holds no digit or multiplier";
        n = 100 * d1 + 10 * d2 + d3;
        e = *m;
        x.band3Text = QString::number(d3);
        x.multiplier = powerText(e);
    }
    // In hundredths of an ohm the value is a whole number: e is at least -2.
    const std::int64_t hundredths = n * pow10(e + 2);
    int k = 0;
    while (k < 3 && hundredths > pow10(3 * k + 5))
        ++k;
    const std::int64_t div = pow10(3 * k);
    if (hundredths % div != 0) return "scaled value has more than two decimals";
    const std::int64_t s = hundredths / div;
    const QString whole = QString::number(s / 100);
    const QString frac = QStringLiteral("%1").arg(s % 100, 2, 10, QLatin1Char('0'));
    x.shown = whole + dp + frac;
    QString trimmed = frac;
    while (trimmed.endsWith(u'0'))
        trimmed.chop(1);
    x.valueText = trimmed.isEmpty() ? whole : whole + dp + trimmed;
    static const char16_t* const units[] = {u"Ω", u"KΩ", u"MΩ", u"GΩ"};
    static const int pictures[] = {135, 136, 137, 134};
    x.unit = QString::fromUtf16(units[k]);
    x.unitPicture = pictures[k];
    return {};
}

TEST(MonkeyOracle, AgreesWithTheWorkedExamples) {
    ExpectedTick x;
    const auto shows = [&](std::array<std::uint8_t, 5> c) {
        EXPECT_EQ(expectTick(c, ".", x), "");
        return (x.shown + x.unit).toStdString();
    };
    EXPECT_EQ(shows({1, 4, 3, 1, 10}), "25.40KΩ");
    EXPECT_EQ(x.valueText, "25.4");
    EXPECT_EQ(shows({3, 6, 11, 12, 10}), "0.47Ω");
    EXPECT_EQ(x.band3Text, "0.01");
    EXPECT_EQ(shows({0, 9, 1, 12, 10}), "1000.00Ω");
    EXPECT_EQ(x.valueText, "1000");
    EXPECT_EQ(shows({0, 9, 8, 12, 10}), "10.00GΩ");
    EXPECT_EQ(shows({8, 8, 8, 8, 10}), "999.00GΩ");
    EXPECT_EQ(x.multiplier, "1000000000");
    EXPECT_EQ(shows({9, 9, 0, 11, 10}), "0.01Ω");
    EXPECT_EQ(shows({9, 9, 9, 4, 10}), "0.00Ω");
    EXPECT_EQ(x.valueText, "0");
    EXPECT_NE(expectTick({10, 4, 3, 1, 10}, ".", x), "");
}

// ---------------------------------------------------------------------------------------
// The monkey

std::uint64_t envNumber(const char* name, std::uint64_t fallback) {
    bool ok = false;
    const qulonglong v = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? v : fallback;
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// A text box's context menu runs its own event loop; a user would dismiss it.
class PopupCloser final : public QObject {
  public:
    int closed = 0;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->isWidgetType()) {
            auto* w = static_cast<QWidget*>(o);
            if (w->windowType() == Qt::Popup) {
                ++closed;
                QTimer::singleShot(0, w, &QWidget::close);
            }
        }
        return false;
    }
};

// Notes that every run would print thousands of times: moves outside a window are meant,
// and the offscreen platform cannot raise a window or grab the keyboard for a menu.
QtMessageHandler g_previousHandler = nullptr;
void quietHandler(QtMsgType t, const QMessageLogContext& c, const QString& m) {
    if (t == QtWarningMsg && (m.contains(QLatin1String("occurs outside target window")) ||
                              m.startsWith(QLatin1String("This plugin does not support"))))
        return;
    g_previousHandler(t, c, m);
}

class Monkey : public test::UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        g_previousHandler = qInstallMessageHandler(quietHandler);
        qApp->installEventFilter(&popups_);
        seed_ = envNumber("ZELQUIN_MONKEY_SEED", 20240611);
        events_ = envNumber("ZELQUIN_MONKEY_EVENTS", 50000);
        rng_.seed(seed_);
        openMain();
    }
    void TearDown() override {
        delete main_;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        qApp->removeEventFilter(&popups_);
        qInstallMessageHandler(g_previousHandler);
        takeMessages();
        UiTest::TearDown();
    }

    void openMain() {
        main_ = new MainWindow;
        showWindow(*main_);
        // Ticks come from the monkey, at its own random moments.
        main_->valueTimer.setTimerEnabled(false);
    }

    // --- randomness, the same for a seed on every machine
    std::uint64_t below(std::uint64_t n) { return rng_() % n; }
    bool chance(int percent) { return below(100) < std::uint64_t(percent); }
    int between(int lo, int hi) { return lo + int(below(std::uint64_t(hi - lo + 1))); }

    HelpWindow* help() const { return main_->helpWindow(); }
    AboutWindow* about() const { return main_->aboutWindow(); }
    static bool open(const Form* f) { return f && !f->unloaded() && f->isVisible(); }
    // Windows a user can reach with the mouse now.
    std::vector<Form*> reachable() const {
        std::vector<Form*> r;
        if (open(main_) && !main_->isMinimized()) r.push_back(main_);
        if (open(help())) r.push_back(help());
        if (open(about())) r.push_back(about());
        return r;
    }

    QPoint anywhere(const Form& f) {
        // Mostly on something that takes the mouse, buttons most of all, so that the
        // states behind several clicks in a row are reached, not only the bare surface.
        if (chance(60)) {
            std::vector<QRect> rects;
            for (const auto& c : f.controls()) {
                const QRect r = c->pixelRect().intersected(f.rect());
                const bool mouse = c->takesMouse() || c->kind() == Kind::TextBox;
                if (!c->Visible() || !mouse || r.isEmpty()) continue;
                for (int k = c->Click ? 4 : 1; k > 0; --k)
                    rects.push_back(r);
            }
            if (!rects.empty()) {
                const QRect r = rects[below(rects.size())];
                return {between(r.left(), r.right()), between(r.top(), r.bottom())};
            }
        }
        constexpr int out = 8; // just outside the window too
        return {between(-out, f.width() + out - 1), between(-out, f.height() + out - 1)};
    }

    Qt::MouseButton anyButton() {
        const auto r = below(100);
        return r < 70 ? Qt::LeftButton : r < 85 ? Qt::RightButton : Qt::MiddleButton;
    }

    void note(const QString& what) {
        recent_.push_back(QStringLiteral("%1: %2").arg(done_).arg(what));
        if (recent_.size() > 24) recent_.pop_front();
    }

    std::string where(const Form& f, QPoint p) const {
        const Control* c = f.controlAt(p);
        return f.Name().toStdString() +
               (c ? "." + c->Name().toStdString() +
                        (c->Index() >= 0 ? "(" + std::to_string(c->Index()) + ")" : "")
                  : "") +
               " @" + std::to_string(p.x()) + "," + std::to_string(p.y());
    }

    // --- one event, and what must hold after it
    void moveOn(Form& f, QPoint p) {
        note(text("move " + where(f, p)));
        moveTo(f, p);
        // A window must not go on following a pointer whose buttons are all up.
        if (!held_ && ((&f == main_ && main_->Dragging) || (&f == help() && help()->Dragging)))
            fail("the window drags on with no button held");
        if (!held_ && &f == main_ && f.rect().contains(p)) checkResetBy(f.controlAt(p));
        afterEvent();
    }
    // A free move over a resetting surface leaves every member of its groups at rest.
    void checkResetBy(const Control* surface) {
        const MainWindow& w = *main_;
        if (!surface) {
            for (int i = 0; i < 13; ++i)
                if (chipLook(i) != Look::Rest) fail("chip " + std::to_string(i) + " lit on bare");
            for (const Image* k : {&w.bandKey1, &w.bandKey2, &w.bandKey3, &w.bandKey4, &w.bandKey5})
                if (k->Picture().resourceId() != 124)
                    fail(k->Name().toStdString() + " lit on bare");
        } else if (surface == &w.titleStrip) {
            if (!w.closeButton.Visible() || !w.minimiseButton.Visible())
                fail("title strip left a title button lit");
        } else if (surface == &w.menuStrip) {
            for (const auto& frame : w.menuFrames)
                for (const Line* l : frame)
                    if (l->Visible()) fail("menu strip left " + l->Name().toStdString() + " shown");
            if (w.homePageLink.ForeColor() != QColor(255, 255, 255))
                fail("menu strip left the link red");
        }
    }
    enum class Look { Rest, Lit, Pressed, Other };
    Look chipLook(int i) const {
        const MainWindow& w = *main_;
        const std::array<QColor, 4> f{
            w.line("chipFrameLeft", i).BorderColor(), w.line("chipFrameTop", i).BorderColor(),
            w.line("chipFrameRight", i).BorderColor(), w.line("chipFrameBottom", i).BorderColor()};
        const QColor red(255, 0, 0), black(0, 0, 0), grey(192, 192, 192), pale(255, 192, 192);
        if (f == std::array<QColor, 4>{grey, grey, black, black}) return Look::Rest;
        if (f == std::array<QColor, 4>{red, red, red, red}) return Look::Lit;
        if (f == std::array<QColor, 4>{black, black, pale, pale}) return Look::Pressed;
        return Look::Other;
    }
    void pressOn(Form& f, QPoint p, Qt::MouseButton b) {
        note(text("press " + std::to_string(int(b)) + " " + where(f, p)));
        held_ |= b;
        press(f, p, b);
        afterEvent();
    }
    void releaseOn(Form& f, QPoint p, Qt::MouseButton b) {
        note(text("release " + std::to_string(int(b)) + " " + where(f, p)));
        held_ &= ~b;
        release(f, p, b);
        afterEvent();
    }
    // Two left clicks close enough in time for the second press to be a double click.
    void doubleClickOn(Form& f, QPoint p) {
        QPointer<Form> alive(&f);
        for (int i = 0; i < 2 && alive && open(alive) && !f.isMinimized(); ++i) {
            // The fixture spaces clicks apart so that none is a double click by chance.
            if (i == 1) QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval;
            pressOn(f, p, Qt::LeftButton);
            if (alive && open(alive)) releaseOn(f, p, Qt::LeftButton);
        }
    }

    void afterEvent() {
        ++done_;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const test::Message& m : takeMessages()) {
            ++warnings_;
            if (m.style != kWarningStyle || m.title != QStringLiteral("温馨提示！"))
                fail("a message box that is not the warning: " + m.title.toStdString());
        }
        shell_.calls.clear();
        if (programEnds() != ends_) {
            ends_ = programEnds();
            if (!main_->unloaded() || main_->isVisible()) fail("program ended with its window up");
            if (open(help()) || open(about())) fail("program ended under a secondary window");
            // The user starts the program again.
            delete main_;
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            openMain();
            // Having let go of every button first.
            for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
                if (held_ & b) {
                    note(QStringLiteral("let go of %1").arg(int(b)));
                    release(*main_, {-1, -1}, b);
                    ++done_;
                }
            held_ = {};
        }
        checkWhole();
    }

    void checkWhole() {
        const model::BandState& s = main_->BandState;
        if (const std::string v = model::invariantViolation(s); !v.empty()) fail("invariant: " + v);
        const std::int16_t flags[] = {s.Band1Selected, s.Band2Selected, s.Band3Selected,
                                      s.Band4Selected, s.Band5Selected};
        int selected = 0;
        for (std::int16_t f : flags) {
            if (f == -1)
                ++selected;
            else if (f != 0)
                fail("a band flag is neither -1 nor 0");
        }
        if (selected != 1) fail("selected bands: " + std::to_string(selected));
        static const char* const bandNames[] = {"第一环", "第二环", "第三环", "第四环", "第五环"};
        if (main_->bandCaption.Caption() != QString::fromUtf8(bandNames[s.selectedBand() - 1]))
            fail("bandCaption names another band than the one selected");
        if (main_->closeButton.Visible() == main_->closeButtonLit.Visible())
            fail("close pair: both or neither visible");
        if (main_->minimiseButton.Visible() == main_->minimiseButtonLit.Visible())
            fail("minimise pair: both or neither visible");
        // The drawn resistor and the tolerance read-out show the state: colour n is painted
        // by picture 101 + n.
        const Image* bands[] = {&main_->bandPlace1, &main_->bandPlace2, &main_->bandPlace3,
                                &main_->bandPlace4, &main_->bandPlace5};
        for (int b = 0; b < 5; ++b)
            if (bands[b]->Picture().resourceId() != 101 + s.BandColour[b])
                fail("band " + std::to_string(b + 1) + " is drawn with another chip");
        static const std::pair<int, int> tolerance[] = {{0, 133}, {1, 126},  {4, 129},  {5, 128},
                                                        {6, 130}, {10, 132}, {11, 131}, {12, 127}};
        int readout = 0;
        for (auto [colour, picture] : tolerance)
            if (colour == s.BandColour[4]) readout = picture;
        if (main_->meterTolerance.Picture().resourceId() != readout) fail("tolerance read-out");
        // Every member of each look-alike group shows one of its group's looks.
        for (int i = 0; i < 13; ++i)
            if (chipLook(i) == Look::Other) fail("chip " + std::to_string(i) + " frame mixed");
        for (const Image* k : {&main_->bandKey1, &main_->bandKey2, &main_->bandKey3,
                               &main_->bandKey4, &main_->bandKey5})
            if (const int id = k->Picture().resourceId(); id != 124 && id != 125)
                fail(k->Name().toStdString() + " shows picture " + std::to_string(id));
        const QColor text = main_->windowTextColour(), white(255, 255, 255);
        static const char* const frames[3][4] = {
            {"helpFrameLeft", "helpFrameTop", "helpFrameRight", "helpFrameBottom"},
            {"aboutFrameLeft", "aboutFrameTop", "aboutFrameRight", "aboutFrameBottom"},
            {"exitFrameLeft", "exitFrameTop", "exitFrameRight", "exitFrameBottom"}};
        for (const auto& frame : frames) {
            std::array<const Line*, 4> l{};
            for (int e = 0; e < 4; ++e)
                l[e] = &main_->line(QString::fromLatin1(frame[e]));
            const bool shown = l[0]->Visible();
            const std::array<QColor, 4> c{l[0]->BorderColor(), l[1]->BorderColor(),
                                          l[2]->BorderColor(), l[3]->BorderColor()};
            if (l[1]->Visible() != shown || l[2]->Visible() != shown || l[3]->Visible() != shown)
                fail(std::string(frame[0]) + " frame partly shown");
            if (c != std::array<QColor, 4>{white, white, text, text} &&
                c != std::array<QColor, 4>{text, text, white, white})
                fail(std::string(frame[0]) + " frame neither raised nor sunken");
        }
        // One window up at a time, and never none while the program runs.
        const int up = int(open(main_)) + int(open(help())) + int(open(about()));
        if (up != 1) fail("windows up: " + std::to_string(up));
        if (open(help())) sawHelp_ = true;
        if (open(about())) sawAbout_ = true;
    }

    void tick() {
        note(QStringLiteral("tick"));
        const QString band3Before = text(main_->BandState.Band3Text);
        const QString multiplierBefore = text(main_->BandState.MultiplierText);
        main_->tick();
        ++ticks_;
        const MainWindow& w = *main_;
        ExpectedTick x;
        const QString dp = QLocale().decimalPoint();
        if (const std::string why = expectTick(w.BandState.BandColour, dp, x); !why.empty())
            return fail("tick: " + why);
        std::vector<std::string> wrong;
        const auto same = [&](const char* what, const QString& got, const QString& want) {
            if (got != want)
                wrong.push_back(std::string(what) + " is \"" + got.toStdString() + "\", not \"" +
                                want.toStdString() + "\"");
        };
        const auto shown = [&](const char* what, bool got, bool want) {
            if (got != want) wrong.push_back(std::string(what) + (want ? " hidden" : " shown"));
        };
        same("meterValue", w.meterValue.Caption(), x.shown);
        same("resultLine", w.resultLine.Caption(), QStringLiteral("等于： ") + x.shown + x.unit);
        if (w.meterUnit.Picture().resourceId() != x.unitPicture) wrong.push_back("unit picture");
        const bool five = !x.fourBand;
        same("modeCaption", w.modeCaption.Caption(),
             five ? QStringLiteral("现在为五环电阻") : QStringLiteral("现在为四环电阻"));
        same("firstDigit", w.firstDigit.Caption(), x.digit1);
        same("secondDigit", w.secondDigit.Caption(), x.digit2);
        same("firstWeight", w.firstWeight.Caption(),
             five ? QStringLiteral("×100") : QStringLiteral("×10"));
        same("secondWeight", w.secondWeight.Caption(),
             five ? QStringLiteral("×10") : QStringLiteral("×1"));
        same("thirdOperator", w.thirdOperator.Caption(),
             five ? QStringLiteral("+") : QStringLiteral("×"));
        // The row of band 3 shows its text from before this tick: one tick behind.
        same("thirdRow", w.thirdRow.Caption(), band3Before);
        same("Band3Text", text(w.BandState.Band3Text), x.band3Text);
        same("Digit1Text", text(w.BandState.Digit1Text), x.digit1);
        same("Digit2Text", text(w.BandState.Digit2Text), x.digit2);
        same("multiplier", w.multiplier.Caption(), multiplierBefore);
        if (five) same("MultiplierText", multiplierBefore, x.multiplier);
        shown("thirdWeight", w.thirdWeight.Visible(), five);
        shown("timesSign", w.timesSign.Visible(), five);
        shown("multiplier", w.multiplier.Visible(), five);
        for (const Line* l : {&w.band4Drop, &w.band4ToProduct, &w.productBoxLeft, &w.sumIntoProduct,
                              &w.productBoxTop, &w.productBoxBottom, &w.productBoxRight,
                              &w.productToResult, &w.sumUpToProduct})
            shown(qPrintable(l->Name()), l->Visible(), five);
        shown("sumToResult", w.sumToResult.Visible(), !five);
        const QColor box = five ? QColor(255, 0, 0) : QColor(128, 255, 128);
        for (const Line* l : {&w.lowerBoxLeft, &w.lowerBoxRight, &w.lowerBoxBottom})
            if (l->BorderColor() != box) wrong.push_back(l->Name().toStdString() + " colour");
        if (!wrong.empty()) fail("tick shows " + wrong.front());
        if (x.fourBand) ++fourBandTicks_;
        units_ |= 1 << (x.unitPicture - 134);
        const auto& c = w.BandState.BandColour;
        resistors_.insert({c[0], c[1], c[2], c[3]});
    }

    // A drag of a window's title to a random place, by small steps; the grabbed point must
    // stay under the pointer.
    void dragTitle(Form& f, Label& title) {
        const QRect r = title.pixelRect().intersected(f.rect());
        const QPoint grab(between(r.left(), r.right()), between(r.top(), r.bottom()));
        QPointer<Form> alive(&f);
        QPoint pointer = f.pos() + grab;
        pressOn(f, grab, Qt::LeftButton);
        if (!alive || !f.isVisible()) return;
        const bool dragging =
            (&f == main_ ? main_->Dragging : static_cast<HelpWindow&>(f).Dragging) != 0;
        const QPoint goal(between(-100, 1200), between(-100, 800));
        const int steps = between(1, 5);
        for (int i = 1; i <= steps && alive && f.isVisible(); ++i) {
            const QPoint next =
                pointer + (goal - pointer) * i / steps + QPoint(between(-3, 3), between(-3, 3));
            note(QStringLiteral("drag to %1,%2").arg(next.x()).arg(next.y()));
            moveTo(f, next - f.pos());
            pointer = next;
            afterEvent();
            if (dragging && alive && f.pos() != pointer - grab)
                fail("dragged window is not under the pointer");
        }
        if (alive && f.isVisible()) {
            releaseOn(f, pointer - f.pos(), Qt::LeftButton);
            ++drags_;
        }
    }

    // What a user does most: a band, then a colour for it, each clicked somewhere on it.
    void chooseColour() {
        Image* const bands[] = {&main_->bandKey1,   &main_->bandKey2,   &main_->bandKey3,
                                &main_->bandKey4,   &main_->bandKey5,   &main_->bandPlace1,
                                &main_->bandPlace2, &main_->bandPlace3, &main_->bandPlace4,
                                &main_->bandPlace5};
        for (const Image* c : {static_cast<const Image*>(bands[below(10)]),
                               static_cast<const Image*>(main_->paletteChip[below(13)])}) {
            if (!open(main_) || main_->isMinimized()) return;
            const QRect r = c->pixelRect();
            const QPoint p(between(r.left(), r.right()), between(r.top(), r.bottom()));
            pressOn(*main_, p, Qt::LeftButton);
            if (open(main_)) releaseOn(*main_, p, Qt::LeftButton);
        }
    }

    void step() {
        const std::vector<Form*> can = reachable();
        if (can.empty() || (main_->isMinimized() && chance(20))) {
            // The user brings the minimised window back from the task bar.
            note(QStringLiteral("restore"));
            ++restores_;
            main_->showNormal();
            afterEvent();
            return;
        }
        Form& f = *can[below(can.size())];
        const auto r = below(100);
        if (r < 8) return tick();
        if (r < 11 && !held_) {
            if (&f == main_) return dragTitle(f, main_->title);
            if (&f == help()) return dragTitle(f, f.label(QStringLiteral("title")));
        }
        if (r < 20 && &f == main_ && !held_) return chooseColour();
        const QPoint p = anywhere(f);
        if (r < 50) return moveOn(f, p);
        if (r < 52 && !held_) return doubleClickOn(f, p);
        const Qt::MouseButton b = anyButton();
        if (r < 66) return held_ & b ? releaseOn(f, p, b) : pressOn(f, p, b);
        if (r < 78 && held_) {
            for (Qt::MouseButton h : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
                if (held_ & h) return releaseOn(f, p, h);
        }
        // A click: press and release in one place.
        if (held_ & b) return releaseOn(f, p, b);
        QPointer<Form> alive(&f);
        pressOn(f, p, b);
        if (alive && f.isVisible() && !f.isMinimized()) releaseOn(f, p, b);
    }

    void fail(const std::string& what) {
        if (failure_.empty()) failure_ = what;
    }

    std::string replay() const {
        std::ostringstream o;
        o << "seed " << seed_ << " failed at event " << done_ << " of " << events_
          << " (replay with ZELQUIN_MONKEY_SEED=" << seed_ << " ZELQUIN_MONKEY_EVENTS=" << events_
          << "): " << failure_ << "\nlast actions:\n";
        for (const QString& a : recent_)
            o << "  " << a.toStdString() << "\n";
        return o.str();
    }

    void run() {
        const auto start = std::chrono::steady_clock::now();
        while (done_ < events_ && failure_.empty())
            step();
        // Let go of whatever is still held, so the next test starts clean.
        while (held_ && failure_.empty()) {
            const std::vector<Form*> can = reachable();
            if (can.empty()) break;
            for (Qt::MouseButton h : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
                if (held_ & h) {
                    releaseOn(*can.front(), {-1, -1}, h);
                    break;
                }
        }
        ASSERT_TRUE(failure_.empty()) << replay();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf(
            "monkey: seed %llu, %llu events in %.1f s: %llu ticks (%llu four-band), %llu "
            "warnings, %d program ends, %llu drags, %llu restores, %d popups closed; %zu resistors "
            "valued\n",
            (unsigned long long)seed_, (unsigned long long)done_, seconds,
            (unsigned long long)ticks_, (unsigned long long)fourBandTicks_,
            (unsigned long long)warnings_, ends_, (unsigned long long)drags_,
            (unsigned long long)restores_, popups_.closed, resistors_.size());
    }

    PopupCloser popups_;
    std::mt19937_64 rng_;
    std::uint64_t seed_ = 0, events_ = 0, done_ = 0;
    MainWindow* main_ = nullptr;
    Qt::MouseButtons held_;
    int ends_ = 0;
    std::uint64_t ticks_ = 0, fourBandTicks_ = 0, warnings_ = 0, drags_ = 0, restores_ = 0;
    int units_ = 0;
    std::set<std::array<std::uint8_t, 4>> resistors_; // bands 1 to 4, all the value reads
    bool sawHelp_ = false, sawAbout_ = false;
    std::deque<QString> recent_;
    std::string failure_;
};

TEST_F(Monkey, RandomMouseInputKeepsTheProgramWholeAndItsValueRight) {
    run();
    if (HasFatalFailure()) return;
    // A run long enough to count must have been everywhere a user goes.
    if (events_ >= 20000) {
        EXPECT_TRUE(sawHelp_);
        EXPECT_TRUE(sawAbout_);
        EXPECT_GT(ends_, 0);
        EXPECT_GT(warnings_, 0u);
        EXPECT_GT(fourBandTicks_, 0u);
        EXPECT_GT(drags_, 0u);
        EXPECT_GT(restores_, 0u);
        EXPECT_GE(__builtin_popcount(unsigned(units_)), 3) << "ticks saw few units";
    }
}

} // namespace
