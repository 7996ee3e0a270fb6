// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Every member of each group of look-alike controls follows its group's rules: the 13
// palette chips, the 5 band keys, the 3 menu buttons and the 2 title-button pairs. Each
// test runs one rule over all members, so a slip that spares or hits one member shows.
// Controls are looked up by their design names, not through the window's own arrays, so
// that a wrong entry in those arrays cannot hide itself.
#include "tests/ui/main_window_fixture.h"

using namespace zq;
using zq::test::MainWindow;

namespace {

const QColor kRed(255, 0, 0), kBlack(0, 0, 0), kGrey(192, 192, 192), kPaleRed(255, 192, 192),
    kWhite(255, 255, 255);
using Frame = std::array<QColor, 4>; // left, top, right, bottom
const Frame kRest{kGrey, kGrey, kBlack, kBlack}, kLit{kRed, kRed, kRed, kRed},
    kPressed{kBlack, kBlack, kPaleRed, kPaleRed};

constexpr int kChips = 13;
const char* const kKeys[] = {"bandKey1", "bandKey2", "bandKey3", "bandKey4", "bandKey5"};

// The menu buttons and their frame lines: left, top, right, bottom.
struct MenuButton {
    const char* button;
    std::array<const char*, 4> frame;
};
const MenuButton kMenu[] = {
    {"helpButton", {"helpFrameLeft", "helpFrameTop", "helpFrameRight", "helpFrameBottom"}},
    {"aboutButton", {"aboutFrameLeft", "aboutFrameTop", "aboutFrameRight", "aboutFrameBottom"}},
    {"exitButton", {"exitFrameLeft", "exitFrameTop", "exitFrameRight", "exitFrameBottom"}}};

struct TitlePair {
    const char *normal, *hover;
};
const TitlePair kPairs[] = {{"closeButton", "closeButtonLit"},
                            {"minimiseButton", "minimiseButtonLit"}};

class Groups : public MainWindow {
  protected:
    Frame chipFrame(int i) const {
        return {w->line("chipFrameLeft", i).BorderColor(), w->line("chipFrameTop", i).BorderColor(),
                w->line("chipFrameRight", i).BorderColor(),
                w->line("chipFrameBottom", i).BorderColor()};
    }
    QPoint chip(int i) const { return centreOf(w->image("paletteChip", i)); }
    // The colours the window draws for the four edges of chip i.
    Frame drawnChipFrame(int i) const {
        const QImage img = w->grab().toImage();
        Frame r;
        const char* names[] = {"chipFrameLeft", "chipFrameTop", "chipFrameRight",
                               "chipFrameBottom"};
        for (int e = 0; e < 4; ++e) {
            const QRect line = w->line(names[e], i).pixelRect();
            // The middle of each edge, clear of the corners where edges cross.
            r[e] = img.pixelColor(line.center());
        }
        return r;
    }
    std::vector<int> keys() const {
        std::vector<int> r;
        for (const char* k : kKeys)
            r.push_back(w->image(k).Picture().resourceId());
        return r;
    }
    static std::vector<int> keysWithOneLit(int lit) {
        std::vector<int> r(5, 124);
        if (lit >= 0) r[lit] = 125;
        return r;
    }
    Frame menuFrame(int b) const {
        Frame r;
        for (int e = 0; e < 4; ++e)
            r[e] = w->line(kMenu[b].frame[e]).BorderColor();
        return r;
    }
    std::array<bool, 4> menuFrameShown(int b) const {
        std::array<bool, 4> r{};
        for (int e = 0; e < 4; ++e)
            r[e] = w->line(kMenu[b].frame[e]).Visible();
        return r;
    }
    Frame raised() const {
        const QColor t = w->windowTextColour();
        return {kWhite, kWhite, t, t};
    }
    Frame sunken() const {
        const QColor t = w->windowTextColour();
        return {t, t, kWhite, kWhite};
    }
    bool pairLit(int p) const {
        return w->image(kPairs[p].hover).Visible() && !w->image(kPairs[p].normal).Visible();
    }
    bool pairAtRest(int p) const {
        return !w->image(kPairs[p].hover).Visible() && w->image(kPairs[p].normal).Visible();
    }

    // Points of the three kinds of surface.
    QPoint multimeter() const { return w->meter.pixelRect().topLeft() + QPoint(88, 300); }
    QPoint gapBetweenChips() const {
        return {(w->image("paletteChip", 3).pixelRect().right() +
                 w->image("paletteChip", 4).pixelRect().left()) /
                    2,
                chip(3).y()};
    }
    QPoint titleStrip() const { return {400, 2}; }
    QPoint menuStrip() const { return w->menuStrip.pixelRect().topLeft() + QPoint(400, 5); }
    // Every point where a move reaches the bare window surface, with what lies there.
    std::vector<std::pair<const char*, QPoint>> bareSurfaces() const {
        return {{"multimeter picture", multimeter()},
                {"gap between chips", gapBetweenChips()},
                {"chip frame line", w->line("chipFrameLeft", 6).pixelRect().center()},
                {"window below the palette", {300, 440}}};
    }

    // Lights every member of a group with single jumps, so no surface between them resets.
    void lightAllChips() {
        for (int i = 0; i < kChips; ++i)
            moveTo(*w, chip(i));
    }
    void lightAllKeys() {
        for (const char* k : kKeys)
            moveTo(*w, centreOf(w->image(k)));
    }
    void showAllMenuFrames() {
        for (const MenuButton& m : kMenu)
            moveTo(*w, centreOf(w->image(m.button)));
        moveTo(*w, centreOf(w->homePageLink));
    }
    void lightBothPairs() {
        for (const TitlePair& p : kPairs)
            moveTo(*w, centreOf(w->image(p.normal)));
    }
};

} // namespace

TEST_F(Groups, SurfacesUnderTheirNamesReallyAreThoseSurfaces) {
    for (const auto& [what, p] : bareSurfaces()) {
        SCOPED_TRACE(what);
        EXPECT_EQ(w->controlAt(p), nullptr);
    }
    EXPECT_EQ(w->controlAt(titleStrip()), &w->titleStrip);
    EXPECT_EQ(w->controlAt(menuStrip()), &w->menuStrip);
}

// --- Palette chips --------------------------------------------------------------------------

TEST_F(Groups, EachChipTurnsRedAloneUnderThePointer) {
    for (int i = 0; i < kChips; ++i) {
        SCOPED_TRACE(i);
        moveTo(*w, multimeter());
        moveTo(*w, chip(i));
        for (int j = 0; j < kChips; ++j)
            EXPECT_EQ(chipFrame(j), i == j ? kLit : kRest) << "chip " << j;
        EXPECT_EQ(drawnChipFrame(i), kLit);
    }
}

TEST_F(Groups, EachChipShowsThePressedLookForAnyButton) {
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
        for (int i = 0; i < kChips; ++i) {
            SCOPED_TRACE(testing::Message() << "chip " << i << " button " << b);
            moveTo(*w, multimeter());
            moveTo(*w, chip(i));
            press(*w, chip(i), b);
            for (int j = 0; j < kChips; ++j)
                EXPECT_EQ(chipFrame(j), i == j ? kPressed : kRest) << "chip " << j;
            EXPECT_EQ(drawnChipFrame(i), kPressed);
            // Let go away from the chip, so that no colour is chosen.
            release(*w, gapBetweenChips(), b);
        }
    }
}

TEST_F(Groups, EachChipLightsAtOnceWhenReleased) {
    for (int i = 0; i < kChips; ++i) {
        SCOPED_TRACE(i);
        moveTo(*w, chip(i));
        press(*w, chip(i), Qt::RightButton); // the right button chooses no colour
        release(*w, chip(i), Qt::RightButton);
        EXPECT_EQ(chipFrame(i), kLit);
    }
}

TEST_F(Groups, EveryBareSurfaceRestsEveryChip) {
    for (const auto& [what, p] : bareSurfaces()) {
        SCOPED_TRACE(what);
        lightAllChips();
        moveTo(*w, p);
        for (int i = 0; i < kChips; ++i) {
            EXPECT_EQ(chipFrame(i), kRest) << "chip " << i;
            EXPECT_EQ(drawnChipFrame(i), kRest) << "chip " << i;
        }
    }
}

TEST_F(Groups, StripsAndOtherControlsLeaveChipsLit) {
    lightAllChips();
    for (const QPoint p :
         {titleStrip(), menuStrip(), centreOf(w->bandKey1), centreOf(w->homePageLink)})
        moveTo(*w, p);
    for (int i = 0; i < kChips; ++i)
        EXPECT_EQ(chipFrame(i), kLit) << "chip " << i;
}

// --- Band keys ------------------------------------------------------------------------------

TEST_F(Groups, EachBandKeyLightsAloneUnderThePointer) {
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(kKeys[k]);
        moveTo(*w, multimeter());
        moveTo(*w, centreOf(w->image(kKeys[k])));
        EXPECT_EQ(keys(), keysWithOneLit(k));
    }
}

TEST_F(Groups, EachBandKeyGoesDownWhenPressedAndLightsAtTheNextMove) {
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(kKeys[k]);
        const QPoint c = centreOf(w->image(kKeys[k]));
        moveTo(*w, multimeter());
        moveTo(*w, c);
        press(*w, c, Qt::RightButton);
        EXPECT_EQ(keys(), keysWithOneLit(-1));
        moveTo(*w, c + QPoint(1, 0));
        EXPECT_EQ(keys(), keysWithOneLit(k));
        release(*w, c + QPoint(1, 0), Qt::RightButton);
    }
}

TEST_F(Groups, EveryBareSurfaceRestsEveryBandKey) {
    for (const auto& [what, p] : bareSurfaces()) {
        SCOPED_TRACE(what);
        lightAllKeys();
        ASSERT_EQ(keys(), std::vector<int>(5, 125));
        moveTo(*w, p);
        EXPECT_EQ(keys(), keysWithOneLit(-1));
    }
}

TEST_F(Groups, StripsAndChipsLeaveBandKeysLit) {
    lightAllKeys();
    for (const QPoint p : {titleStrip(), menuStrip(), chip(0), centreOf(w->helpButton)})
        moveTo(*w, p);
    EXPECT_EQ(keys(), std::vector<int>(5, 125));
}

// --- Menu buttons ---------------------------------------------------------------------------

TEST_F(Groups, EachMenuButtonShowsOnlyItsOwnFrame) {
    for (int b = 0; b < 3; ++b) {
        SCOPED_TRACE(kMenu[b].button);
        moveTo(*w, menuStrip());
        moveTo(*w, centreOf(w->image(kMenu[b].button)));
        for (int o = 0; o < 3; ++o)
            EXPECT_EQ(menuFrameShown(o), (std::array<bool, 4>{o == b, o == b, o == b, o == b}))
                << kMenu[o].button;
    }
}

TEST_F(Groups, EachMenuButtonSinksAndRisesOnlyItsOwnFrame) {
    for (Qt::MouseButton mb : {Qt::RightButton, Qt::MiddleButton}) {
        for (int b = 0; b < 3; ++b) {
            SCOPED_TRACE(testing::Message() << kMenu[b].button << " button " << mb);
            const QPoint c = centreOf(w->image(kMenu[b].button));
            moveTo(*w, c);
            press(*w, c, mb);
            for (int o = 0; o < 3; ++o)
                EXPECT_EQ(menuFrame(o), o == b ? sunken() : raised()) << kMenu[o].button;
            release(*w, c, mb);
            for (int o = 0; o < 3; ++o)
                EXPECT_EQ(menuFrame(o), raised()) << kMenu[o].button;
            EXPECT_EQ(menuFrameShown(b), (std::array<bool, 4>{true, true, true, true}));
        }
    }
}

TEST_F(Groups, MenuStripHidesEveryMenuFrameAndWhitensTheLink) {
    showAllMenuFrames();
    for (int b = 0; b < 3; ++b)
        ASSERT_EQ(menuFrameShown(b), (std::array<bool, 4>{true, true, true, true}));
    ASSERT_EQ(w->homePageLink.ForeColor(), kRed);
    moveTo(*w, menuStrip());
    for (int b = 0; b < 3; ++b)
        EXPECT_EQ(menuFrameShown(b), (std::array<bool, 4>{})) << kMenu[b].button;
    EXPECT_EQ(w->homePageLink.ForeColor(), kWhite);
}

TEST_F(Groups, BareSurfaceAndTitleStripLeaveMenuFramesShown) {
    showAllMenuFrames();
    for (const auto& [what, p] : bareSurfaces())
        moveTo(*w, p);
    moveTo(*w, titleStrip());
    for (int b = 0; b < 3; ++b)
        EXPECT_EQ(menuFrameShown(b), (std::array<bool, 4>{true, true, true, true}))
            << kMenu[b].button;
    EXPECT_EQ(w->homePageLink.ForeColor(), kRed);
}

// --- Title-button pairs ---------------------------------------------------------------------

TEST_F(Groups, EachTitleButtonSwapsOnlyItsOwnPair) {
    for (int p = 0; p < 2; ++p) {
        SCOPED_TRACE(kPairs[p].normal);
        moveTo(*w, titleStrip());
        moveTo(*w, centreOf(w->image(kPairs[p].normal)));
        EXPECT_TRUE(pairLit(p));
        EXPECT_TRUE(pairAtRest(1 - p));
        // The hover picture now lies under the pointer and takes the click.
        EXPECT_EQ(w->controlAt(centreOf(w->image(kPairs[p].normal))), &w->image(kPairs[p].hover));
    }
}

TEST_F(Groups, TitleStripRestoresEachPairLitAlone) {
    for (int p = 0; p < 2; ++p) {
        SCOPED_TRACE(kPairs[p].normal);
        moveTo(*w, centreOf(w->image(kPairs[p].normal)));
        ASSERT_TRUE(pairLit(p));
        moveTo(*w, titleStrip());
        EXPECT_TRUE(pairAtRest(0));
        EXPECT_TRUE(pairAtRest(1));
    }
}

TEST_F(Groups, BareSurfaceAndMenuStripLeaveTitleButtonsLit) {
    lightBothPairs();
    for (const auto& [what, p] : bareSurfaces())
        moveTo(*w, p);
    moveTo(*w, menuStrip());
    EXPECT_TRUE(pairLit(0));
    EXPECT_TRUE(pairLit(1));
}
