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
    EXPECT_EQ(w->bodyPiece2.Picture().resourceId(), 113);
    EXPECT_EQ(w->bodyPiece3.Picture().resourceId(), 113);
    EXPECT_EQ(w->BandState.selectedBand(), 1);
    EXPECT_EQ(w->bandCaption.Caption(), "第一环");
    EXPECT_EQ(w->colourCaption.Caption(), "");
    EXPECT_EQ(w->meterTolerance.Picture().resourceId(), 132);
    EXPECT_EQ(w->meterUnit.Picture().resourceId(), 136);
    EXPECT_EQ(w->toleranceCaption.Caption(), "电阻可允许误差值：±5%");
    // Nothing computed before the first tick.
    EXPECT_EQ(w->meterValue.Caption(), "");
    EXPECT_EQ(w->resultLine.Caption(), "");
    EXPECT_EQ(w->thirdRow.Caption(), "1000000000");
    // The hover pictures lie on their buttons, hidden.
    EXPECT_EQ(w->closeButtonLit.pixelRect(), w->closeButton.pixelRect());
    EXPECT_EQ(w->minimiseButtonLit.pixelRect(), w->minimiseButton.pixelRect());
    EXPECT_FALSE(w->closeButtonLit.Visible());
    EXPECT_FALSE(w->minimiseButtonLit.Visible());
    EXPECT_EQ(w->valueTimer.Interval(), 600);
}

TEST_F(MainWindow, StartUpPutsEachMovedOrFilledControlInItsPlace) {
    // Picture 0: the control keeps the picture of its design.
    const struct {
        const char* name;
        double left, top;
        int picture;
        bool visible;
    } images[] = {
        {"titleStrip", 0, 0, 0, true},
        {"topLeftCorner", 0, 0, 0, true},
        {"topRightCorner", 9145, 0, 0, true},
        {"menuStrip", -240, 412, 0, true},
        {"rightEdge", 9105, 360, 0, true},
        {"leftEdge", 0, 360, 0, true},
        {"bottomEdge", -120, 6720, 0, true},
        {"bottomLeftCorner", 7, 6480, 0, true},
        {"bottomRightCorner", 9140, 6570, 0, true},
        {"closeButton", 8880, 65, 0, true},
        {"closeButtonLit", 8880, 65, 0, false},
        {"minimiseButton", 8520, 65, 0, true},
        {"minimiseButtonLit", 8520, 65, 0, false},
        {"titleIcon", 120, 65, 0, true},
        {"meter", 240, 960, 0, true},
        {"resistorLeftEnd", 2950, 1560, 0, true},
        {"bandPlace1", 4680, 1695, 102, true},
        {"bandPlace2", 4995, 1695, 105, true},
        {"bandPlace3", 5310, 1695, 104, true},
        {"bandPlace4", 5625, 1695, 102, true},
        {"bodyPiece1", 5940, 1695, 113, true},
        {"bandPlace5", 6255, 1695, 111, true},
        {"resistorRightEnd", 7140, 1515, 0, true},
        {"bodyPiece2", 6570, 1695, 113, true},
        {"bodyPiece3", 6840, 1695, 113, true},
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
    } lines[] = {{"workAreaTop", 0, 936, 9100, 936},
                 {"workAreaRight", 9083, 840, 9083, 6720},
                 {"workAreaBottom", 0, 6700, 9120, 6700},
                 {"workAreaLeft", 120, 840, 120, 6720}};
    for (const auto& e : lines) {
        SCOPED_TRACE(e.name);
        const Line& l = w->line(e.name);
        EXPECT_EQ((std::array{l.X1(), l.Y1(), l.X2(), l.Y2()}),
                  (std::array{e.x1, e.y1, e.x2, e.y2}));
        EXPECT_TRUE(l.Visible());
    }
    EXPECT_EQ(w->title.Left(), 480);
    EXPECT_EQ(w->title.Top(), 65);
    EXPECT_EQ(w->title.Caption(), "ZelquinV1.1");
    EXPECT_EQ(w->bandCaption.Caption(), "第一环");
    EXPECT_EQ(w->meterUnit.Picture().resourceId(), 136);
    EXPECT_EQ(w->meterTolerance.Picture().resourceId(), 132);
    EXPECT_EQ(std::make_pair(w->Width(), w->Height()), std::make_pair(9240.0, 6855.0));
}

TEST_F(MainWindow, TimerRunsFromTheLoadEvery600ms) {
    zq::ui::MainWindow fresh;
    EXPECT_FALSE(fresh.valueTimer.running());
    fresh.Load();
    EXPECT_TRUE(fresh.valueTimer.running());
    EXPECT_EQ(fresh.valueTimer.Interval(), 600);
}

TEST_F(MainWindow, ResistorPiecesJoinIntoOneRow) {
    // Band strips stand 21 pixels apart from x = 312, all on one row.
    const Image* strips[] = {&w->bandPlace1, &w->bandPlace2, &w->bandPlace3, &w->bandPlace4,
                             &w->bodyPiece1, &w->bandPlace5, &w->bodyPiece2};
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
    w->tick();
    EXPECT_EQ(w->resultLine.Caption(), "等于： 25" + dp() + "40KΩ");
    EXPECT_EQ(w->meterValue.Caption(), "25" + dp() + "40");
    EXPECT_EQ(w->meterUnit.Picture().resourceId(), 136);
    EXPECT_EQ(w->modeCaption.Caption(), "现在为五环电阻");
    EXPECT_EQ(w->firstDigit.Caption(), "2");
    EXPECT_EQ(w->secondDigit.Caption(), "5");
    EXPECT_EQ(w->thirdRow.Caption(), "4");
    EXPECT_EQ(w->multiplier.Caption(), "100");
    EXPECT_EQ(w->firstWeight.Caption(), "×100");
    EXPECT_EQ(w->thirdOperator.Caption(), "+");
    EXPECT_TRUE(w->thirdWeight.Visible());
    EXPECT_TRUE(w->timesSign.Visible());
    EXPECT_TRUE(w->productBoxLeft.Visible());
    EXPECT_FALSE(w->sumToResult.Visible());
    EXPECT_EQ(w->lowerBoxLeft.BorderColor(), QColor(255, 0, 0));
}

TEST_F(MainWindow, BandKeysAndResistorBandsSelectTheBand) {
    const char* names[] = {"第一环", "第二环", "第三环", "第四环", "第五环"};
    Image* keys[] = {&w->bandKey1, &w->bandKey2, &w->bandKey3, &w->bandKey4, &w->bandKey5};
    Image* bands[] = {&w->bandPlace1, &w->bandPlace2, &w->bandPlace3, &w->bandPlace4,
                      &w->bandPlace5};
    for (int band = 1; band <= 5; ++band) {
        for (Image* c : {keys[band - 1], bands[band - 1]}) {
            w->colourCaption.setCaption("x");
            clickOn(*c);
            EXPECT_EQ(w->BandState.selectedBand(), band) << c->Name().toStdString();
            EXPECT_EQ(w->bandCaption.Caption(), names[band - 1]);
            EXPECT_EQ(w->colourCaption.Caption(), "");
        }
    }
    // The body piece between bands 4 and 5 is not a band.
    const auto before = snapshot();
    w->colourCaption.setCaption("x");
    clickOn(w->bodyPiece1);
    EXPECT_EQ(w->BandState.selectedBand(), 5);
    EXPECT_EQ(w->colourCaption.Caption(), "x");
    EXPECT_EQ(w->BandState.BandColour, before.state.BandColour);
}

TEST_F(MainWindow, FrontMostControlIsTheOneHit) {
    // A band place over the resistor's end picture, the keys over the multimeter.
    const QRect overlap = w->bandPlace1.pixelRect().intersected(w->resistorLeftEnd.pixelRect());
    ASSERT_FALSE(overlap.isEmpty());
    EXPECT_EQ(w->controlAt(overlap.center()), &w->bandPlace1);
    EXPECT_EQ(w->controlAt(centreOf(w->bandKey2)), &w->bandKey2);
    EXPECT_TRUE(w->meter.pixelRect().contains(centreOf(w->bandKey2)));
    // The bare multimeter goes to the window itself.
    EXPECT_EQ(w->controlAt(w->meter.pixelRect().topLeft() + QPoint(20, 300)), nullptr);
    EXPECT_EQ(w->controlAt(centreOf(w->title)), &w->title);
    EXPECT_EQ(w->controlAt(centreOf(w->closeButton)), &w->closeButton);
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
    EXPECT_EQ(w->bandPlace4.Picture().resourceId(), 113);
    EXPECT_EQ(w->colourCaption.Caption(), "");
    EXPECT_EQ(w->BandState.MultiplierText, "100");
    choose(3, 10);
    EXPECT_EQ(w->BandState.Band3Text, "0.1");
    EXPECT_EQ(w->colourCaption.Caption(), "金色");
    EXPECT_EQ(w->bandPlace3.Picture().resourceId(), 111);
    choose(4, 1);
    const auto shown = takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].prompt, "第三环为金色，所以不能在第四环选红色啦，这是一个四环电阻！");
    EXPECT_EQ(w->bandPlace4.Picture().resourceId(), 113);
    EXPECT_EQ(w->BandState.MultiplierText, "");
}

TEST_F(MainWindow, SilverOnBandThreeEmptiesBandFourBeforeTheWarning) {
    choose(4, 12);
    choose(3, 11);
    // Make band 4's picture differ from its chip, so the repaint before the box shows.
    w->bandPlace4.setPicture(LoadResPicture(105, 0));
    int pictureWhileOpen = 0;
    std::string multiplierWhileOpen;
    messages_.whileOpen = [&] {
        pictureWhileOpen = w->bandPlace4.Picture().resourceId();
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
    EXPECT_EQ(w->toleranceCaption.Caption(), "电阻可允许误差值：±1%");
    EXPECT_EQ(w->meterTolerance.Picture().resourceId(), 133);
    EXPECT_EQ(w->bandPlace5.Picture().resourceId(), 101);
    EXPECT_EQ(w->colourCaption.Caption(), "");
    chooseColour(12);
    EXPECT_EQ(w->toleranceCaption.Caption(), "电阻可允许误差值：±20%");
    EXPECT_EQ(w->meterTolerance.Picture().resourceId(), 127);
    EXPECT_EQ(w->colourCaption.Caption(), "无色");
}

TEST_F(MainWindow, FourBandChartAfterNoneOnBandFourAndBack) {
    w->tick();
    choose(4, 12);
    w->tick();
    EXPECT_EQ(w->modeCaption.Caption(), "现在为四环电阻");
    EXPECT_FALSE(w->thirdWeight.Visible());
    EXPECT_FALSE(w->timesSign.Visible());
    EXPECT_FALSE(w->multiplier.Visible());
    for (const Line* l : {&w->band4Drop, &w->band4ToProduct, &w->productBoxLeft, &w->sumIntoProduct,
                          &w->productBoxTop, &w->productBoxBottom, &w->productBoxRight,
                          &w->productToResult, &w->sumUpToProduct})
        EXPECT_FALSE(l->Visible()) << l->Name().toStdString();
    EXPECT_TRUE(w->sumToResult.Visible());
    for (const Line* l : {&w->lowerBoxLeft, &w->lowerBoxRight, &w->lowerBoxBottom})
        EXPECT_EQ(l->BorderColor(), QColor(128, 255, 128)) << l->Name().toStdString();
    EXPECT_EQ(w->firstWeight.Caption(), "×10");
    EXPECT_EQ(w->secondWeight.Caption(), "×1");
    EXPECT_EQ(w->thirdOperator.Caption(), "×");
    // 25 x 10000 (yellow as multiplier)
    EXPECT_EQ(w->resultLine.Caption(), "等于： 250" + dp() + "00KΩ");
    choose(4, 1);
    w->tick();
    EXPECT_EQ(w->modeCaption.Caption(), "现在为五环电阻");
    EXPECT_TRUE(w->timesSign.Visible());
    EXPECT_FALSE(w->sumToResult.Visible());
    for (const Line* l : {&w->lowerBoxLeft, &w->lowerBoxRight, &w->lowerBoxBottom})
        EXPECT_EQ(l->BorderColor(), QColor(255, 0, 0)) << l->Name().toStdString();
    EXPECT_EQ(w->resultLine.Caption(), "等于： 25" + dp() + "40KΩ");
}

TEST_F(MainWindow, CommaLocaleShowsCommasOnTheResultLineAndTheDisplay) {
    struct CommaLocale {
        CommaLocale() { zq::useLocale(QLocale(QLocale::German, QLocale::Germany)); }
        ~CommaLocale() { zq::useLocale(QLocale::system()); }
    } comma;
    w->tick();
    EXPECT_EQ(w->resultLine.Caption(), "等于： 25,40KΩ");
    EXPECT_EQ(w->meterValue.Caption(), "25,40");
    // Below one ohm's unit: four bands, 25 x 0.1.
    choose(4, 12);
    choose(3, 10);
    w->tick();
    EXPECT_EQ(w->resultLine.Caption(), "等于： 2,50Ω");
    EXPECT_EQ(w->meterValue.Caption(), "2,50");
}

TEST_F(MainWindow, BandThreeCaptionLagsOneTick) {
    w->tick();
    choose(3, 6);
    w->tick();
    EXPECT_EQ(w->thirdRow.Caption(), "4");
    EXPECT_EQ(w->resultLine.Caption(), "等于： 25" + dp() + "70KΩ");
    w->tick();
    EXPECT_EQ(w->thirdRow.Caption(), "7");
}

TEST_F(MainWindow, SameChipTwiceGivesTheSameResultTwice) {
    choose(1, 10);
    chooseColour(10);
    EXPECT_EQ(takeMessages().size(), 2u);
    choose(2, 3);
    EXPECT_EQ(w->colourCaption.Caption(), "黄色");
    w->colourCaption.setCaption("");
    chooseColour(3);
    EXPECT_EQ(w->colourCaption.Caption(), "黄色");
}

TEST_F(MainWindow, HighDensityScreensGetTheDoubleSizePictureAtTheSameLayout) {
    const Picture chip = LoadResPicture(101, 0);
    const QImage& sharp = chip.imageFor(2.0);
    EXPECT_EQ(sharp.size(), QSize(42, 134));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(chip.imageFor(1.25).size(), QSize(21, 67));
    // The control keeps its logical size whatever the ratio.
    EXPECT_EQ(w->bandPlace1.pixelRect().size(), QSize(21, 67));
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
    const QFontMetrics fm(w->meterValue.font());
    EXPECT_LE(fm.horizontalAdvance("1000" + dp() + "00"), w->meterValue.pixelRect().width());
    EXPECT_TRUE(w->meterValue.font().bold());
    EXPECT_EQ(w->meterValue.font().pixelSize(), 29);
}

TEST_F(MainWindow, ClickableControlsShowTheHandAndOthersTheArrow) {
    moveTo(*w, centreOf(*w->paletteChip[4]));
    EXPECT_EQ(w->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(w->cursor().hotSpot(), QPoint(6, 0));
    moveTo(*w, centreOf(w->bodyPiece1)); // a body piece, not a band
    EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor);
    moveTo(*w, centreOf(w->bandKey2));
    EXPECT_EQ(w->cursor().shape(), Qt::BitmapCursor);
    moveTo(*w, centreOf(w->title)); // the title drags, it is not clicked
    EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor);
}
