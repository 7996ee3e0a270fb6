// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window driven as a user would: clicks at the controls' places, offscreen.
#include "platform/raw_picture.h"
#include "platform/screen.h"
#include "tests/ui/main_window_fixture.h"

#include <QLocale>
#include <QResource>

using namespace zq;
using zq::test::dp;
using zq::test::MainWindow;

TEST_F(MainWindow, StartsAsTheFiveBandResistorWithBandOneSelected) {
    EXPECT_EQ(w->size(), QSize(616, 457));
    EXPECT_EQ(w->windowTitle(), "ZelquinV1.1");
    EXPECT_EQ(bandPictures(), (std::vector<int>{102, 105, 104, 102, 113, 111}));
    EXPECT_EQ(w->Image35.Picture().resourceId(), 113);
    EXPECT_EQ(w->Image36.Picture().resourceId(), 113);
    EXPECT_EQ(w->BandState.selectedBand(), 1);
    EXPECT_EQ(w->Label3.Caption(), "第一环");
    EXPECT_EQ(w->Label5.Caption(), "");
    EXPECT_EQ(w->Image38.Picture().resourceId(), 132);
    EXPECT_EQ(w->Image37.Picture().resourceId(), 136);
    EXPECT_EQ(w->Label20.Caption(), "电阻可允许误差值：±5%");
    // Nothing computed before the first tick.
    EXPECT_EQ(w->Label6.Caption(), "");
    EXPECT_EQ(w->Label19.Caption(), "");
    EXPECT_EQ(w->Label15.Caption(), "1000000000");
    // The hover pictures lie on their buttons, hidden.
    EXPECT_EQ(w->Image11.pixelRect(), w->Image10.pixelRect());
    EXPECT_EQ(w->Image13.pixelRect(), w->Image12.pixelRect());
    EXPECT_FALSE(w->Image11.Visible());
    EXPECT_FALSE(w->Image13.Visible());
    EXPECT_EQ(w->Timer1.Interval(), 600);
}

TEST_F(MainWindow, StartUpPutsEachMovedOrFilledControlInItsPlace) {
    // Picture 0: the control keeps the picture of its design.
    const struct {
        const char* name;
        double left, top;
        int picture;
        bool visible;
    } images[] = {
        {"Image1", 0, 0, 0, true},          {"Image2", 0, 0, 0, true},
        {"Image3", 9145, 0, 0, true},       {"Image4", -240, 412, 0, true},
        {"Image5", 9105, 360, 0, true},     {"Image6", 0, 360, 0, true},
        {"Image7", -120, 6720, 0, true},    {"Image8", 7, 6480, 0, true},
        {"Image9", 9140, 6570, 0, true},    {"Image10", 8880, 65, 0, true},
        {"Image11", 8880, 65, 0, false},    {"Image12", 8520, 65, 0, true},
        {"Image13", 8520, 65, 0, false},    {"Image14", 120, 65, 0, true},
        {"Image15", 240, 960, 0, true},     {"Image16", 2950, 1560, 0, true},
        {"Image17", 4680, 1695, 102, true}, {"Image18", 4995, 1695, 105, true},
        {"Image19", 5310, 1695, 104, true}, {"Image20", 5625, 1695, 102, true},
        {"Image21", 5940, 1695, 113, true}, {"Image22", 6255, 1695, 111, true},
        {"Image23", 7140, 1515, 0, true},   {"Image35", 6570, 1695, 113, true},
        {"Image36", 6840, 1695, 113, true},
    };
    for (const auto& e : images) {
        SCOPED_TRACE(e.name);
        const Image& im = w->image(e.name);
        EXPECT_EQ(im.Left(), e.left);
        EXPECT_EQ(im.Top(), e.top);
        EXPECT_FALSE(im.Picture().isNull());
        EXPECT_EQ(im.Picture().resourceId(), e.picture);
        EXPECT_EQ(im.Visible(), e.visible);
    }
    const struct {
        const char* name;
        double x1, y1, x2, y2;
    } lines[] = {{"Line1", 0, 936, 9100, 936},
                 {"Line2", 9083, 840, 9083, 6720},
                 {"Line3", 0, 6700, 9120, 6700},
                 {"Line4", 120, 840, 120, 6720}};
    for (const auto& e : lines) {
        SCOPED_TRACE(e.name);
        const Line& l = w->line(e.name);
        EXPECT_EQ((std::array{l.X1(), l.Y1(), l.X2(), l.Y2()}),
                  (std::array{e.x1, e.y1, e.x2, e.y2}));
        EXPECT_TRUE(l.Visible());
    }
    EXPECT_EQ(w->Label1.Left(), 480);
    EXPECT_EQ(w->Label1.Top(), 65);
    EXPECT_EQ(w->Label1.Caption(), "ZelquinV1.1");
    EXPECT_EQ(w->Label3.Caption(), "第一环");
    EXPECT_EQ(w->Image37.Picture().resourceId(), 136);
    EXPECT_EQ(w->Image38.Picture().resourceId(), 132);
    EXPECT_EQ(std::make_pair(w->Width(), w->Height()), std::make_pair(9240.0, 6855.0));
}

TEST_F(MainWindow, TimerRunsFromTheLoadEvery600ms) {
    zq::ui::MainWindow fresh;
    EXPECT_FALSE(fresh.Timer1.running());
    fresh.Load();
    EXPECT_TRUE(fresh.Timer1.running());
    EXPECT_EQ(fresh.Timer1.Interval(), 600);
}

TEST_F(MainWindow, ResistorPiecesJoinIntoOneRow) {
    // Band strips stand 21 pixels apart from x = 312, all on one row.
    const Image* strips[] = {&w->Image17, &w->Image18, &w->Image19, &w->Image20,
                             &w->Image21, &w->Image22, &w->Image35};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(strips[i]->pixelRect(), QRect(312 + 21 * i, 113, 21, 67)) << i;
}

TEST_F(MainWindow, WindowIsClippedToRoundedCorners) {
    const QRegion m = w->mask();
    EXPECT_EQ(m.boundingRect(), QRect(0, 0, 616, 457));
    EXPECT_FALSE(m.contains(QPoint(0, 0)));
    EXPECT_FALSE(m.contains(QPoint(615, 456)));
    EXPECT_TRUE(m.contains(QPoint(300, 0)));
}

TEST_F(MainWindow, RegionFollowsTheTwipsPerPixel) {
    delete w;
    w = nullptr;
    Screen::setTwipsPerPixel(12, 12);
    open();
    EXPECT_EQ(w->mask().boundingRect(), QRect(0, 0, 770, 571));
}

TEST_F(MainWindow, FirstTickShowsTwentyFivePointFourKilohms) {
    w->Timer1_Timer();
    EXPECT_EQ(w->Label19.Caption(), "等于： 25" + dp() + "40KΩ");
    EXPECT_EQ(w->Label6.Caption(), "25" + dp() + "40");
    EXPECT_EQ(w->Image37.Picture().resourceId(), 136);
    EXPECT_EQ(w->Label8.Caption(), "现在为五环电阻");
    EXPECT_EQ(w->Label9.Caption(), "2");
    EXPECT_EQ(w->Label12.Caption(), "5");
    EXPECT_EQ(w->Label15.Caption(), "4");
    EXPECT_EQ(w->Label18.Caption(), "100");
    EXPECT_EQ(w->Label10.Caption(), "×100");
    EXPECT_EQ(w->Label14.Caption(), "+");
    EXPECT_TRUE(w->Label16.Visible());
    EXPECT_TRUE(w->Label17.Visible());
    EXPECT_TRUE(w->Line27.Visible());
    EXPECT_FALSE(w->Line32.Visible());
    EXPECT_EQ(w->Line19.BorderColor(), QColor(255, 0, 0));
}

TEST_F(MainWindow, BandKeysAndResistorBandsSelectTheBand) {
    const char* names[] = {"第一环", "第二环", "第三环", "第四环", "第五环"};
    Image* keys[] = {&w->Image30, &w->Image31, &w->Image32, &w->Image33, &w->Image34};
    Image* bands[] = {&w->Image17, &w->Image18, &w->Image19, &w->Image20, &w->Image22};
    for (int band = 1; band <= 5; ++band) {
        for (Image* c : {keys[band - 1], bands[band - 1]}) {
            w->Label5.setCaption("x");
            clickOn(*c);
            EXPECT_EQ(w->BandState.selectedBand(), band) << c->Name().toStdString();
            EXPECT_EQ(w->Label3.Caption(), names[band - 1]);
            EXPECT_EQ(w->Label5.Caption(), "");
        }
    }
    // The body piece between bands 4 and 5 is not a band.
    const auto before = snapshot();
    w->Label5.setCaption("x");
    clickOn(w->Image21);
    EXPECT_EQ(w->BandState.selectedBand(), 5);
    EXPECT_EQ(w->Label5.Caption(), "x");
    EXPECT_EQ(w->BandState.BandChip, before.state.BandChip);
}

TEST_F(MainWindow, FrontMostControlIsTheOneHit) {
    // A band place over the resistor's end picture, the keys over the multimeter.
    const QRect overlap = w->Image17.pixelRect().intersected(w->Image16.pixelRect());
    ASSERT_FALSE(overlap.isEmpty());
    EXPECT_EQ(w->controlAt(overlap.center()), &w->Image17);
    EXPECT_EQ(w->controlAt(centreOf(w->Image31)), &w->Image31);
    EXPECT_TRUE(w->Image15.pixelRect().contains(centreOf(w->Image31)));
    // The bare multimeter goes to the window itself.
    EXPECT_EQ(w->controlAt(w->Image15.pixelRect().topLeft() + QPoint(20, 300)), nullptr);
    EXPECT_EQ(w->controlAt(centreOf(w->Label1)), &w->Label1);
    EXPECT_EQ(w->controlAt(centreOf(w->Image10)), &w->Image10);
}

struct Refusal {
    int band, colour;
    const char* message;
};

class Refusals : public MainWindow, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Refusals, ShowTheirWarningAndChangeNothing) {
    const Refusal r = GetParam();
    chooseBand(r.band);
    const auto before = snapshot();
    chooseColour(r.colour);
    const auto shown = takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].prompt, QString::fromUtf8(r.message));
    EXPECT_EQ(shown[0].title, "温馨提示！");
    EXPECT_EQ(shown[0].style, 48);
    EXPECT_TRUE(snapshot() == before);
}

INSTANTIATE_TEST_SUITE_P(
    FromStartUp, Refusals,
    ::testing::Values(
        Refusal{1, 10,
                "你选择了第一环，所以不能为金色，金为被乘数，数值是0.1,同时金也是允许误差值，是±5%"
                "。记住啦！"},
        Refusal{1, 11,
                "你选择了第一环，所以不能为银色，银为被乘数，数值是0.01,"
                "同时银也是允许误差值，是±10%。记住啦！"},
        Refusal{1, 12, "你选择了第一环，所以不能为无色，无色为允许误差值,是±20%。记住啦！"},
        Refusal{2, 10,
                "你选择了第二环，所以不能为金色，金为被乘数，数值是0.1,同时金也是允许误差值，是±5%"
                "。记住啦！"},
        Refusal{2, 11,
                "你选择了第二环，所以不能为银色，银为被乘数，数值是0.01,"
                "同时银也是允许误差值，是±10%。记住啦！"},
        Refusal{3, 10, "第四环不是无色，所以不能选金色，这是一个五环电阻！"},
        Refusal{3, 11, "第四环不是无色，所以不能选银色,这是一个五环电阻！"},
        Refusal{3, 12, "你选择了第三环，不管是四环电阻，还是五环电阻，这一环，都不能为无色！"},
        Refusal{5, 2, "误差环没有橙色，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！"},
        Refusal{5, 3, "误差环没有黄色，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！"},
        Refusal{5, 7, "误差环没有灰色，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！"},
        Refusal{5, 8, "误差环没有白色，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！"},
        Refusal{5, 9, "误差环没有黑色，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！"}));

TEST_F(MainWindow, NoneOnBandTwoIsRefusedNamingTheSecondBand) {
    choose(2, 12);
    const auto shown = takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].prompt.contains("第二环"));
    EXPECT_TRUE(shown[0].prompt.contains("±20%"));
}

TEST_F(MainWindow, ThreeStepSequenceMakesAFourBandResistor) {
    choose(4, 12);
    EXPECT_EQ(w->Image20.Picture().resourceId(), 113);
    EXPECT_EQ(w->Label5.Caption(), "");
    EXPECT_EQ(w->BandState.MultiplierText, "100");
    choose(3, 10);
    EXPECT_EQ(w->BandState.Band3Text, "0.1");
    EXPECT_EQ(w->Label5.Caption(), "金色");
    EXPECT_EQ(w->Image19.Picture().resourceId(), 111);
    choose(4, 1);
    const auto shown = takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].prompt, "第三环为金色，所以不能在第四环选红色啦，这是一个四环电阻！");
    EXPECT_EQ(w->Image20.Picture().resourceId(), 113);
    EXPECT_EQ(w->BandState.MultiplierText, "");
}

TEST_F(MainWindow, SilverOnBandThreeEmptiesBandFourBeforeTheWarning) {
    choose(4, 12);
    choose(3, 11);
    // Make band 4's picture differ from its chip, so the repaint before the box shows.
    w->Image20.setPicture(LoadResPicture(105, 0));
    int pictureWhileOpen = 0;
    std::string multiplierWhileOpen;
    messages_.whileOpen = [&] {
        pictureWhileOpen = w->Image20.Picture().resourceId();
        multiplierWhileOpen = w->BandState.MultiplierText;
    };
    choose(4, 4);
    const auto shown = takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].prompt, "第三环为银色，所以不能在第四环选绿色啦，这是一个四环电阻！");
    EXPECT_EQ(pictureWhileOpen, 113);
    EXPECT_EQ(multiplierWhileOpen, "100") << "cleared only after the box";
    EXPECT_EQ(w->BandState.MultiplierText, "");
}

TEST_F(MainWindow, ToleranceBandSetsLabelAndReadout) {
    choose(5, 0);
    EXPECT_EQ(w->Label20.Caption(), "电阻可允许误差值：±1%");
    EXPECT_EQ(w->Image38.Picture().resourceId(), 133);
    EXPECT_EQ(w->Image22.Picture().resourceId(), 101);
    EXPECT_EQ(w->Label5.Caption(), "");
    chooseColour(12);
    EXPECT_EQ(w->Label20.Caption(), "电阻可允许误差值：±20%");
    EXPECT_EQ(w->Image38.Picture().resourceId(), 127);
    EXPECT_EQ(w->Label5.Caption(), "无色");
}

TEST_F(MainWindow, FourBandChartAfterNoneOnBandFourAndBack) {
    w->Timer1_Timer();
    choose(4, 12);
    w->Timer1_Timer();
    EXPECT_EQ(w->Label8.Caption(), "现在为四环电阻");
    EXPECT_FALSE(w->Label16.Visible());
    EXPECT_FALSE(w->Label17.Visible());
    EXPECT_FALSE(w->Label18.Visible());
    for (const Line* l : {&w->Line22, &w->Line23, &w->Line27, &w->Line28, &w->Line29, &w->Line30,
                          &w->Line31, &w->Line33, &w->Line34})
        EXPECT_FALSE(l->Visible()) << l->Name().toStdString();
    EXPECT_TRUE(w->Line32.Visible());
    for (const Line* l : {&w->Line19, &w->Line20, &w->Line21})
        EXPECT_EQ(l->BorderColor(), QColor(128, 255, 128)) << l->Name().toStdString();
    EXPECT_EQ(w->Label10.Caption(), "×10");
    EXPECT_EQ(w->Label13.Caption(), "×1");
    EXPECT_EQ(w->Label14.Caption(), "×");
    // 25 x 10000 (yellow as multiplier)
    EXPECT_EQ(w->Label19.Caption(), "等于： 250" + dp() + "00KΩ");
    choose(4, 1);
    w->Timer1_Timer();
    EXPECT_EQ(w->Label8.Caption(), "现在为五环电阻");
    EXPECT_TRUE(w->Label17.Visible());
    EXPECT_FALSE(w->Line32.Visible());
    for (const Line* l : {&w->Line19, &w->Line20, &w->Line21})
        EXPECT_EQ(l->BorderColor(), QColor(255, 0, 0)) << l->Name().toStdString();
    EXPECT_EQ(w->Label19.Caption(), "等于： 25" + dp() + "40KΩ");
}

TEST_F(MainWindow, CommaLocaleShowsCommasOnTheResultLineAndTheDisplay) {
    struct CommaLocale {
        CommaLocale() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
        ~CommaLocale() { QLocale::setDefault(QLocale::system()); }
    } comma;
    w->Timer1_Timer();
    EXPECT_EQ(w->Label19.Caption(), "等于： 25,40KΩ");
    EXPECT_EQ(w->Label6.Caption(), "25,40");
    // Below one ohm's unit: four bands, 25 x 0.1.
    choose(4, 12);
    choose(3, 10);
    w->Timer1_Timer();
    EXPECT_EQ(w->Label19.Caption(), "等于： 2,50Ω");
    EXPECT_EQ(w->Label6.Caption(), "2,50");
}

TEST_F(MainWindow, BandThreeCaptionLagsOneTick) {
    w->Timer1_Timer();
    choose(3, 6);
    w->Timer1_Timer();
    EXPECT_EQ(w->Label15.Caption(), "4");
    EXPECT_EQ(w->Label19.Caption(), "等于： 25" + dp() + "70KΩ");
    w->Timer1_Timer();
    EXPECT_EQ(w->Label15.Caption(), "7");
}

TEST_F(MainWindow, SameChipTwiceGivesTheSameResultTwice) {
    choose(1, 10);
    chooseColour(10);
    EXPECT_EQ(takeMessages().size(), 2u);
    choose(2, 3);
    EXPECT_EQ(w->Label5.Caption(), "黄色");
    w->Label5.setCaption("");
    chooseColour(3);
    EXPECT_EQ(w->Label5.Caption(), "黄色");
}

TEST_F(MainWindow, HighDensityScreensGetTheDoubleSizePictureAtTheSameLayout) {
    const Picture chip = LoadResPicture(101, 0);
    const QImage& sharp = chip.imageFor(2.0);
    EXPECT_EQ(sharp.size(), QSize(42, 134));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(chip.imageFor(1.25).size(), QSize(21, 67));
    // The control keeps its logical size whatever the ratio.
    EXPECT_EQ(w->Image17.pixelRect().size(), QSize(21, 67));
}

TEST_F(MainWindow, PaintsEveryPictureStraightFromTheProgramsOwnPixels) {
    // What the first frame shows was neither decoded nor copied: each picture is the
    // embedded resource itself.
    QStringList shown;
    for (const auto& c : w->controls()) {
        if (c->kind() != Kind::Image) continue;
        const Picture& p = static_cast<const Image&>(*c).Picture();
        if (p.isNull()) continue;
        shown << p.path();
        const QResource raw(QString::fromStdString(rawPicturePath(p.path().toStdString())));
        ASSERT_TRUE(raw.isValid()) << p.path().toStdString();
        EXPECT_EQ(p.image().constBits(), raw.data() + sizeof(RawPictureHeader))
            << p.path().toStdString();
    }
    shown.removeDuplicates();
    // 34 of the design (skin, meter, resistor ends, menu buttons, 13 palette chips, the one
    // key picture), and the load handler's five band chips and two read-outs.
    EXPECT_EQ(shown.size(), 41) << shown.join(' ').toStdString();
}

TEST_F(MainWindow, WidestValueFitsTheMultimeterDisplay) {
    // Exactly 1000 ohms is the widest number the display ever shows.
    const QFontMetrics fm(w->Label6.font());
    EXPECT_LE(fm.horizontalAdvance("1000" + dp() + "00"), w->Label6.pixelRect().width());
    EXPECT_TRUE(w->Label6.font().bold());
    EXPECT_EQ(w->Label6.font().pixelSize(), 29);
}

TEST_F(MainWindow, ClickableControlsShowTheHandAndOthersTheArrow) {
    moveTo(*w, centreOf(*w->Image29[4]));
    EXPECT_EQ(w->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(w->cursor().hotSpot(), QPoint(6, 0));
    moveTo(*w, centreOf(w->Image21)); // a body piece, not a band
    EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor);
    moveTo(*w, centreOf(w->Image31));
    EXPECT_EQ(w->cursor().shape(), Qt::BitmapCursor);
    moveTo(*w, centreOf(w->Label1)); // the title drags, it is not clicked
    EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor);
}
