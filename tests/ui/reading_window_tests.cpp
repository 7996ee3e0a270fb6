// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The reading window, driven through its own and the main window's native windows.
#include "model/colour_code.h"
#include "model/value_input.h"
#include "tests/model/invariants.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/reading/reading_window.h"
#include "ui/words.h"
#include "wording/reading.h"
#include "wording/words.h"

#include <QFontMetricsF>
#include <QTest>
#include <QTextEdit>
#include <QWindow>
#include <map>
#include <set>

using namespace zq;
using zq::test::MainWindow;
using Window = zq::ui::ReadingWindow;
namespace palette = zq::model::palette;

namespace {

class ReadingWindow : public MainWindow {
  protected:
    // Ctrl+R belongs to the main window, like Ctrl+F.
    Window& opened() {
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w->windowHandle(), Qt::Key_R, Qt::ControlModifier);
        Window* r = w->readingWindow();
        if (!r) throw std::runtime_error("Ctrl+R opened nothing");
        EXPECT_TRUE(QTest::qWaitForWindowExposed(r));
        return *r;
    }
    void enter(Window& r, std::initializer_list<int> colours) {
        for (const int c : colours)
            click(r, centreOf(*r.Chip[std::size_t(c)]));
    }
    static void type(QTextEdit& field, const QString& text) {
        field.clear();
        QTest::keyClicks(&field, text);
        QTest::keyClick(&field, Qt::Key_Return);
    }
    // The colours drawn on the body, left to right.
    static std::vector<int> drawn(const Window& r) { return r.Drawn.coloursLeftToRight(); }
};

} // namespace

TEST_F(ReadingWindow, CtrlROpensOneWindowThatComesBackWhenAskedAgainEvenMinimised) {
    Window& r = opened();
    EXPECT_TRUE(r.isVisible());
    EXPECT_TRUE(w->isVisible()) << "the main window stays open";
    r.setWindowState(zq::kMinimizedState);
    EXPECT_EQ(&opened(), &r);
    EXPECT_NE(r.WindowState(), zq::kMinimizedState);
    QTest::keyClick(r.windowHandle(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w->readingWindow(), nullptr);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(ReadingWindow, ChipsKeysBackAndClearEditTheBandsAndTheDrawingFollows) {
    Window& r = opened();
    enter(r, {palette::kYellow, palette::kViolet, palette::kRed});
    EXPECT_EQ(drawn(r), (std::vector<int>{palette::kYellow, palette::kViolet, palette::kRed}));
    QTest::keyClick(r.windowHandle(), Qt::Key_Backspace);
    click(r, centreOf(r.image(QStringLiteral("BackButton"))));
    EXPECT_EQ(r.Bands, std::vector<int>{palette::kYellow});
    // Every digit key enters the colour of its digit.
    for (int d = 0; d <= 9; ++d) {
        click(r, centreOf(r.image(QStringLiteral("ClearButton"))));
        EXPECT_TRUE(drawn(r).empty());
        QTest::keyClick(r.windowHandle(), Qt::Key(Qt::Key_0 + d));
        ASSERT_EQ(r.Bands.size(), 1u);
        EXPECT_EQ(model::colourRecord(r.Bands[0]).digit, d);
    }
    // Six bands at most: the seventh is refused with a reason, and nothing changes.
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(r.windowHandle(), Qt::Key_1);
    EXPECT_EQ(r.Bands.size(), 6u);
    EXPECT_EQ(drawn(r).size(), 6u);
    EXPECT_EQ(r.Entered.Caption(), ui::q(wording::tooManyBands()));
}

// What the window shows about the readings is what wording/reading writes, line for line.
void expectShown(const Window& r, const QStringList& before = {}) {
    const wording::ReadingLines said =
        wording::readingLines(r.Readings, {zq::decimalPoint().toStdString()});
    EXPECT_EQ(r.Verdict.Caption(), ui::q(said.verdict));
    const QStringList lines = before + ui::q(said.lines);
    for (std::size_t i = 0; i < r.Reading.size(); ++i)
        EXPECT_EQ(r.Reading[i]->Caption(),
                  qsizetype(i) < lines.size() ? lines[qsizetype(i)] : QString())
            << i;
}

TEST_F(ReadingWindow, ReadsBothWaysAndAMeasurementDecides) {
    Window& r = opened();
    enter(r, {palette::kBrown, palette::kBlack, palette::kBlack, palette::kRed, palette::kBrown});
    ASSERT_EQ(r.Readings.readings.size(), 2u);
    EXPECT_EQ(r.Readings.verdict.reason, model::VerdictReason::Undecided);
    expectShown(r);
    type(r.measuredField(), QStringLiteral("119") + zq::decimalPoint() + QStringLiteral("5"));
    EXPECT_EQ(r.Readings.verdict.reason, model::VerdictReason::Measurement);
    ASSERT_EQ(r.Readings.readings.size(), 2u);
    EXPECT_EQ(r.Readings.readings[0].direction, model::Direction::Reversed);
    EXPECT_TRUE(r.Readings.readings[0].likely);
    expectShown(r);
    EXPECT_TRUE(r.Reading[0]->Caption().startsWith(QStringLiteral("● ")));
    EXPECT_TRUE(r.Reading[1]->Caption().startsWith(QStringLiteral("○ ")));
}

// A measurement typed with a small m is read as mega, and the window says so above the readings;
// with a capital M there is nothing to say.
TEST_F(ReadingWindow, AMeasurementReadInAWayTheUserMayNotHaveMeantIsNoted) {
    Window& r = opened();
    enter(r, {palette::kYellow, palette::kViolet, palette::kGreen, palette::kGold});
    type(r.measuredField(), QStringLiteral("4") + zq::decimalPoint() + QStringLiteral("7m"));
    const model::ValueInput typed = model::parseValue("4.7m");
    const model::DecimalFormat user{zq::decimalPoint().toStdString()};
    ASSERT_FALSE(wording::measuredNote(typed, user).text.empty());
    ASSERT_TRUE(r.Readings.measured.has_value());
    expectShown(r, {ui::q(wording::measuredNote(typed, user).text)});
    type(r.measuredField(), QStringLiteral("4") + zq::decimalPoint() + QStringLiteral("7M"));
    EXPECT_EQ(r.Readings.measured, typed.ohms);
    expectShown(r);
    // A measurement that cannot be read is refused in the verdict's place, as plainly as any
    // refusal, and the readings go on without it.
    type(r.measuredField(), QStringLiteral("4..7k"));
    EXPECT_FALSE(r.Readings.measured.has_value());
    EXPECT_EQ(r.Verdict.Caption(), ui::q(wording::measuredRefusal(model::parseValue("4..7k"))));
    EXPECT_EQ(r.Reading[0]->Caption(), ui::q(wording::readingLines(r.Readings, user).lines.at(0)));
}

// 清除 starts a new part, which the old part's measurement would judge wrongly; 退一环 only
// corrects the part in hand and keeps it.
TEST_F(ReadingWindow, ClearForgetsTheMeasurementAndBackKeepsIt) {
    Window& r = opened();
    enter(r, {palette::kBrown, palette::kBlack, palette::kBlack, palette::kRed, palette::kBrown});
    type(r.measuredField(), QStringLiteral("120"));
    click(r, centreOf(r.image(QStringLiteral("BackButton"))));
    EXPECT_EQ(r.measuredField().toPlainText(), QStringLiteral("120"));
    enter(r, {palette::kBrown});
    ASSERT_TRUE(r.Readings.measured.has_value());
    EXPECT_EQ(r.Readings.verdict.reason, model::VerdictReason::Measurement);
    click(r, centreOf(r.image(QStringLiteral("ClearButton"))));
    EXPECT_TRUE(r.Bands.empty());
    EXPECT_TRUE(r.measuredField().toPlainText().isEmpty());
    enter(r, {palette::kBrown, palette::kBlack, palette::kBlack, palette::kRed, palette::kBrown});
    EXPECT_FALSE(r.Readings.measured.has_value());
    EXPECT_EQ(r.Readings.verdict.reason, model::VerdictReason::Undecided);
    for (const model::BandReadingItem& i : r.Readings.readings)
        EXPECT_FALSE(i.matches.has_value());
    expectShown(r);
}

struct Handing {
    std::vector<int> seen;
    int bands;     // as the main window shows them
    int tolerance; // main window's band 5
};

class HandOver : public ReadingWindow, public testing::WithParamInterface<Handing> {};

TEST_P(HandOver, GoesThroughTheChoiceRulesAndBringsTheMainWindowToTheFront) {
    choose(2, 4);
    Window& r = opened();
    for (const int c : GetParam().seen)
        click(r, centreOf(*r.Chip[std::size_t(c)]));
    QTest::keyClick(r.windowHandle(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(takeMessages().empty()) << "a refusal on the way";
    EXPECT_EQ(model::invariantViolation(w->BandState), "");
    EXPECT_EQ(w->BandState.FourBandMode(), GetParam().bands == 4);
    EXPECT_EQ(w->BandState.BandColour[4], GetParam().tolerance);
    EXPECT_EQ(w->BandState.selectedBand(), 2) << "the band being edited stays so";
    EXPECT_TRUE(QTest::qWaitForWindowActive(w));
    const std::vector<int>& seen = GetParam().seen;
    const QString note = seen.size() == 3   ? ui::q(wording::threeBandsAsFour())
                         : seen.size() == 6 ? ui::q(wording::sixthBandLeftBehind(seen[5]))
                                            : ui::q(wording::enteredBands(seen));
    EXPECT_EQ(r.Entered.Caption(), note);
    w->tick();
    const QString value = w->resultLine.Caption().mid(4); // after "等于： "
    EXPECT_TRUE(r.Reading[0]->Caption().contains(value)) << value.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    ThreeToSixBands, HandOver,
    testing::Values(Handing{{palette::kBrown, palette::kBlack, palette::kRed}, 4, palette::kNone},
                    Handing{{palette::kYellow, palette::kViolet, palette::kRed, palette::kGold},
                            4,
                            palette::kGold},
                    Handing{{palette::kGold, palette::kRed, palette::kViolet, palette::kYellow},
                            4,
                            palette::kGold},
                    Handing{{palette::kOrange, palette::kOrange, palette::kBlack, palette::kRed,
                             palette::kBrown},
                            5,
                            palette::kBrown},
                    Handing{{palette::kBrown, palette::kBlack, palette::kBlack, palette::kRed,
                             palette::kBrown, palette::kRed},
                            5,
                            palette::kBrown}));

// The hand-over sends what the window suggests: a misread band that the measurement points to,
// or the chip code when its field was used last; and the bands as entered otherwise.
TEST_F(ReadingWindow, HandOverSendsWhatTheWindowSuggests) {
    using namespace palette;
    const auto chips = [this] {
        return std::vector<int>(w->BandState.BandColour.begin(), w->BandState.BandColour.end());
    };
    struct Case {
        const char* measured; // typed after the bands, or nullptr
        const char* code;     // typed after that, or nullptr
        bool bandLast;        // a band entered after the code
        std::vector<int> shown;
    } cases[] = {
        {"470", nullptr, false, {kYellow, kViolet, kBrown, kNone, kGold}}, // black misread
        {"47", nullptr, false, {kYellow, kViolet, kBlack, kNone, kGold}},  // as entered fits
        {nullptr, "103", false, {kBrown, kBlack, kOrange, kNone, kGold}},  // the code, last
        {nullptr, "103", true, {kYellow, kViolet, kBlack, kNone, kGold}},  // a band after it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.measured ? c.measured : "") + (c.code ? c.code : ""));
        Window& r = opened();
        click(r, centreOf(r.image(QStringLiteral("ClearButton"))));
        r.smdField().clear();
        enter(r, {kYellow, kViolet, kBlack, c.bandLast ? kBlack : kGold});
        if (c.measured) type(r.measuredField(), QString::fromUtf8(c.measured));
        if (c.code) type(r.smdField(), QString::fromUtf8(c.code));
        if (c.bandLast) {
            click(r, centreOf(r.image(QStringLiteral("BackButton"))));
            enter(r, {kGold});
        }
        QTest::keyClick(r.windowHandle(), Qt::Key_Return, Qt::ControlModifier);
        EXPECT_TRUE(takeMessages().empty()) << "a refusal on the way";
        EXPECT_EQ(chips(), c.shown);
        if (c.measured && std::string(c.measured) == "470") {
            // The colour shown first, the colour seen after it.
            EXPECT_EQ(r.Entered.Caption(),
                      QStringLiteral("按第三环是棕色而不是黑色显示，和量到的相符。"));
        }
    }
}

TEST_F(ReadingWindow, APrecisionToleranceStaysHereWithTheReason) {
    Window& r = opened();
    enter(r, {palette::kYellow, palette::kViolet, palette::kRed, palette::kOrange});
    const auto before = w->BandState.BandColour;
    click(r, centreOf(r.image(QStringLiteral("ShowButton"))));
    EXPECT_EQ(w->BandState.BandColour, before);
    // Both ways the tolerance band is one only the standard knows (orange, yellow).
    ASSERT_FALSE(r.Readings.readings.empty());
    EXPECT_EQ(r.Entered.Caption(),
              ui::q(wording::precisionStaysHere(r.Readings.readings[0].toleranceColour)));
}

TEST_F(ReadingWindow, APrintedCodeIsReadWithItsArithmeticAndItsBands) {
    Window& r = opened();
    // As an input method leaves it: full-width digits.
    r.smdField().setPlainText(QStringLiteral("４７２"));
    QTest::keyClick(&r.smdField(), Qt::Key_Return);
    const QStringList lines = r.SmdAnswer.Caption().split(u'\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("47 × 10²")));
    EXPECT_TRUE(lines[2].contains(QStringLiteral("黄 紫 红 金")));
    type(r.smdField(), QStringLiteral("97B"));
    EXPECT_TRUE(r.SmdAnswer.Caption().contains(QStringLiteral("01～96")));
    EXPECT_FALSE(r.SmdAnswer.Caption().contains(u'\n')) << "only the reason";
}

TEST_F(ReadingWindow, ScreenReadersHearEveryControlAndTheBandsAsEntered) {
    Window& r = opened();
    enter(r, {palette::kYellow, palette::kViolet, palette::kRed});
    std::map<const Control*, QString> names;
    for (const AccessibleItem& i : r.accessibleItems())
        names[i.control] = i.name();
    for (int c = 0; c < palette::kPaintedSize; ++c)
        EXPECT_EQ(names[r.Chip[std::size_t(c)]], ui::q(wording::colourName(c)));
    QStringList bands;
    for (const Image* b : r.Band)
        if (!names[b].isEmpty()) bands << names[b];
    EXPECT_EQ(bands, (QStringList{QStringLiteral("第一环：黄色"), QStringLiteral("第二环：紫色"),
                                  QStringLiteral("第三环：红色")}));
    EXPECT_EQ(r.measuredField().accessibleName(), QStringLiteral("万用表读数"));
    EXPECT_EQ(r.smdField().accessibleName(), QStringLiteral("贴片代码"));
    // Every control Tab reaches has a name.
    std::set<const Control*> reached;
    for (const Control* c = r.focusedControl(); c && reached.insert(c).second;
         c = r.focusedControl()) {
        EXPECT_TRUE(names.count(c) || c->kind() == zq::Kind::TextBox) << c->Name().toStdString();
        QTest::keyClick(r.windowHandle(), Qt::Key_Tab);
    }
    EXPECT_GT(reached.size(), std::size_t(palette::kPaintedSize));
}

TEST_F(ReadingWindow, TheKeyboardAloneEntersBandsAndHandsThemOver) {
    Window& r = opened();
    // The focus starts on the first chip; Enter presses it, the arrows move along the palette.
    QTest::keyClick(r.windowHandle(), Qt::Key_Return);
    QTest::keyClick(r.windowHandle(), Qt::Key_Right);
    QTest::keyClick(r.windowHandle(), Qt::Key_Space);
    QTest::keyClick(r.windowHandle(), Qt::Key_End);
    QTest::keyClick(r.windowHandle(), Qt::Key_Return);
    EXPECT_EQ(r.Bands, (std::vector<int>{palette::kBrown, palette::kRed, palette::kSilver}));
}

// The cues, by mouse and by keyboard alike: the gap decides, its drawing turns with it, a
// second press takes it back; each choice is named with its state; Esc still closes.
TEST_F(ReadingWindow, TheGapAndBodyCuesAreOneClickEachAndTheKeyboardReachesThem) {
    Window& r = opened();
    enter(r, {palette::kRed, palette::kRed, palette::kBrown, palette::kBrown});
    EXPECT_EQ(r.Readings.verdict.reason, model::VerdictReason::Undecided);
    click(r, centreOf(*r.Gap[0])); // the wider gap on the left: read from the right
    EXPECT_EQ(r.Readings.verdict.reason, model::VerdictReason::EndCue);
    EXPECT_EQ(r.Readings.readings[0].direction, model::Direction::Reversed);
    EXPECT_TRUE(r.Drawn.turned);
    EXPECT_EQ(r.Drawn.coloursLeftToRight(),
              (std::vector<int>{palette::kRed, palette::kRed, palette::kBrown, palette::kBrown}));
    click(r, centreOf(*r.Gap[0]));
    EXPECT_EQ(r.Readings.verdict.reason, model::VerdictReason::Undecided);
    // Tab from the hand-over button reaches the right gap, then the body colours.
    r.setFocusedControl(&r.image(QStringLiteral("ShowButton")));
    QTest::keyClick(r.windowHandle(), Qt::Key_Tab);
    QTest::keyClick(r.windowHandle(), Qt::Key_Right);
    QTest::keyClick(r.windowHandle(), Qt::Key_Space);
    EXPECT_EQ(r.Readings.readings[0].direction, model::Direction::AsEntered);
    EXPECT_EQ(r.Readings.verdict.reason, model::VerdictReason::EndCue);
    EXPECT_EQ(r.Drawn.body, model::BodyColour::Beige) << "220 Ω ±1 % is blue-bodied, not picked so";
    QTest::keyClick(r.windowHandle(), Qt::Key_Tab);
    QTest::keyClick(r.windowHandle(), Qt::Key_Return);
    EXPECT_EQ(r.Cues.body, model::BodyColour::Beige);
    std::map<const Control*, QString> names;
    for (const AccessibleItem& i : r.accessibleItems())
        names[i.control] = i.name();
    EXPECT_EQ(names[r.Gap[1]], ui::q(wording::gapOptionName(model::Side::Right, true)));
    EXPECT_EQ(names[r.Body[1]], ui::q(wording::bodyOptionName(model::BodyColour::Blue, false)));
    click(r, centreOf(r.image(QStringLiteral("ClearButton")))); // forgets both cues with the part
    enter(r, {palette::kRed, palette::kRed, palette::kBrown, palette::kBrown});
    EXPECT_EQ(r.Readings.verdict.reason, model::VerdictReason::Undecided);
    EXPECT_EQ(r.Body[0]->Caption(), ui::q(wording::bodyOption(model::BodyColour::Beige, false)));
    QTest::keyClick(r.windowHandle(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w->readingWindow(), nullptr);
}


// A precision part with a measurement and a gap says five lines a reading; a plain one, two.
// Either way the verdict and the readings stand one under another, whole, above the chip code.
TEST_F(ReadingWindow, LongReadingsStandWholeOneUnderAnother) {
    using namespace model::palette;
    Window& r = opened();
    // The foot of the readings' panel, 20 pixels above the chip code's caption.
    const int foot = r.label(QStringLiteral("SmdCaption")).pixelRect().top() - 22;
    for (const auto& [bands, measured] : std::vector<std::pair<std::vector<int>, const char*>>{
             {{kBlue, kBlue, kGreen, kWhite, kGrey}, "47.5"},
             {{kYellow, kGreen, kWhite, kSilver, kGrey, kViolet}, "1k"},
             {{kRed, kRed, kBrown, kBrown}, ""},
             {{kRed, kBlack, kBlack, kViolet, kViolet}, "3000m"}}) { // 5 lines, the last misread
        r.clearButtonClicked();
        for (const int c : bands)
            r.chipClicked(c);
        r.gapClicked(1);
        type(r.measuredField(), QString::fromLatin1(measured));
        QString shown;
        for (const zq::Label* l : r.Reading)
            shown += l->Caption();
        EXPECT_TRUE(shown.endsWith(
            ui::q(wording::readingLines(r.Readings, {zq::decimalPoint().toStdString()}).lines.back())));
        int below = 0; // the foot of the label above
        for (const zq::Label* l : {&r.Verdict, r.Reading[0], r.Reading[1], r.Reading[2], r.Reading[3]}) {
            if (l->Caption().isEmpty()) continue;
            const QRect at = l->pixelRect();
            EXPECT_GE(at.top(), below) << l->Caption().toStdString();
            EXPECT_LE(at.bottom(), foot) << l->Caption().toStdString();
            below = at.bottom();
            const QFontMetricsF m(l->font());
            for (const SetLine& line : l->lines())
                EXPECT_LE(line.origin.y() + m.descent(), at.height() + 1) << line.text.toStdString();
        }
    }
}
