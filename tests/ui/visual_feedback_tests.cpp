// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Hover and pressed looks of the palette, the band keys and the title buttons, and the
// surfaces that reset them, read from the controls and from the drawn window.
#include "tests/ui/main_window_fixture.h"

using namespace zq;
using zq::test::MainWindow;

namespace {

const QColor kRed(255, 0, 0), kBlack(0, 0, 0), kGrey(192, 192, 192), kPaleRed(255, 192, 192);

class Feedback : public MainWindow {
  protected:
    std::array<QColor, 4> frame(int i) const {
        return {w->chipFrameLeft[i]->BorderColor(), w->chipFrameTop[i]->BorderColor(),
                w->chipFrameRight[i]->BorderColor(), w->chipFrameBottom[i]->BorderColor()};
    }
    bool lit(int i) const { return frame(i) == std::array<QColor, 4>{kRed, kRed, kRed, kRed}; }
    bool atRest(int i) const {
        return frame(i) == std::array<QColor, 4>{kGrey, kGrey, kBlack, kBlack};
    }
    QPoint chip(int i) const { return centreOf(*w->paletteChip[i]); }
    // A point of the bare multimeter picture, which passes the mouse to the window.
    QPoint bare() const { return w->meter.pixelRect().topLeft() + QPoint(88, 300); }
    // Where the window draws a chip's left frame line.
    QColor drawnLeftEdge(int i) {
        const QImage img = w->grab().toImage();
        return img.pixelColor(w->chipFrameLeft[i]->pixelRect().center().x(), chip(i).y());
    }
    std::vector<int> keys() const {
        std::vector<int> r;
        for (const Image* k :
             {&w->bandKey1, &w->bandKey2, &w->bandKey3, &w->bandKey4, &w->bandKey5})
            r.push_back(k->Picture().resourceId());
        return r;
    }
};

} // namespace

TEST_F(Feedback, GapBetweenChipsResetsTheChipLeft) {
    moveTo(*w, chip(3));
    EXPECT_TRUE(lit(3));
    EXPECT_EQ(drawnLeftEdge(3), kRed);
    const QPoint gap(
        (w->paletteChip[3]->pixelRect().right() + w->paletteChip[4]->pixelRect().left()) / 2,
        chip(3).y());
    ASSERT_EQ(w->controlAt(gap), nullptr) << "the gap is bare surface";
    moveTo(*w, gap);
    moveTo(*w, chip(4));
    EXPECT_TRUE(atRest(3));
    EXPECT_TRUE(lit(4));
    EXPECT_EQ(drawnLeftEdge(3), kGrey);
    EXPECT_EQ(drawnLeftEdge(4), kRed);
}

TEST_F(Feedback, JumpAcrossTheGapLeavesBothLit) {
    moveTo(*w, chip(3));
    moveTo(*w, chip(4));
    EXPECT_TRUE(lit(3));
    EXPECT_TRUE(lit(4));
    moveTo(*w, bare());
    for (int i = 0; i < 13; ++i)
        EXPECT_TRUE(atRest(i)) << i;
}

TEST_F(Feedback, PressedLookLastsUntilTheFirstMove) {
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
        moveTo(*w, chip(5));
        press(*w, chip(5), b);
        EXPECT_EQ(frame(5), (std::array<QColor, 4>{kBlack, kBlack, kPaleRed, kPaleRed}));
        EXPECT_EQ(drawnLeftEdge(5), kBlack);
        moveTo(*w, chip(5) + QPoint(1, 1));
        EXPECT_TRUE(lit(5));
        release(*w, chip(5) + QPoint(1, 1), b);
        takeMessages();
    }
}

TEST_F(Feedback, ReleaseLightsTheChipAtOnce) {
    for (int i : {0, 7}) {
        moveTo(*w, chip(i));
        press(*w, chip(i));
        release(*w, chip(i));
        EXPECT_TRUE(lit(i)) << i;
    }
}

TEST_F(Feedback, BandKeysLightUnderThePointerAndRestOnTheMultimeter) {
    const QPoint key = centreOf(w->bandKey3);
    moveTo(*w, bare());
    moveTo(*w, key);
    EXPECT_EQ(keys(), (std::vector<int>{124, 124, 125, 124, 124}));
    press(*w, key);
    EXPECT_EQ(w->bandKey3.Picture().resourceId(), 124);
    moveTo(*w, key + QPoint(1, 0));
    EXPECT_EQ(w->bandKey3.Picture().resourceId(), 125);
    release(*w, key + QPoint(1, 0));
    moveTo(*w, centreOf(w->bandKey4));
    EXPECT_EQ(w->bandKey3.Picture().resourceId(), 125) << "nothing resets a neighbour directly";
    // Over the bare multimeter picture, which takes no mouse.
    moveTo(*w, bare() + QPoint(1, 1));
    EXPECT_EQ(keys(), (std::vector<int>(5, 124)));
}

TEST_F(Feedback, TitleStripRestoresBothButtonPairs) {
    moveTo(*w, centreOf(w->closeButton));
    EXPECT_TRUE(w->closeButtonLit.Visible());
    EXPECT_FALSE(w->closeButton.Visible());
    EXPECT_FALSE(w->minimiseButtonLit.Visible()) << "only the pair under the pointer";
    moveTo(*w, centreOf(w->minimiseButton));
    ASSERT_TRUE(w->minimiseButtonLit.Visible());
    ASSERT_TRUE(w->closeButtonLit.Visible()) << "nothing between the buttons resets the first pair";
    moveTo(*w, {400, 2}); // the title strip above the title text
    ASSERT_EQ(w->controlAt({400, 2}), &w->titleStrip);
    EXPECT_TRUE(w->closeButton.Visible());
    EXPECT_FALSE(w->closeButtonLit.Visible());
    EXPECT_TRUE(w->minimiseButton.Visible());
    EXPECT_FALSE(w->minimiseButtonLit.Visible());
}

TEST_F(Feedback, MenuStripResetsEverythingWhenOnlyOneThingWasLit) {
    // Only the About frame is shown and the link was never hovered.
    moveTo(*w, centreOf(w->aboutButton));
    ASSERT_TRUE(w->line("aboutFrameTop").Visible());
    w->homePageLink.setForeColor(QColor(1, 2, 3));
    moveTo(*w, w->menuStrip.pixelRect().topLeft() + QPoint(400, 5));
    EXPECT_EQ(w->homePageLink.ForeColor(), QColor(255, 255, 255));
    for (const auto& frame : w->menuFrames)
        for (const Line* l : frame)
            EXPECT_FALSE(l->Visible()) << l->Name().toStdString();
}

TEST_F(Feedback, BareSurfaceWithNothingLitRepaintsNoControl) {
    moveTo(*w, bare());
    const auto requests = w->repaintRequests();
    moveTo(*w, bare() + QPoint(1, 0));
    moveTo(*w, bare() + QPoint(2, 1));
    EXPECT_EQ(w->repaintRequests(), requests);
    moveTo(*w, chip(2));
    EXPECT_GT(w->repaintRequests(), requests);
}
