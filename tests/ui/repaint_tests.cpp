// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Handlers re-apply their values at every event; writing a value a control already has must
// cost no repaint, or the window would redraw itself at every mouse move and every tick.
#include "tests/support/ui_test.h"
#include "ui/main/main_window.h"

#include <QCoreApplication>

using namespace zq;
using zq::ui::MainWindow;

namespace {

class Repaints : public test::UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        w = std::make_unique<MainWindow>();
        showWindow(*w);
        w->valueTimer.setTimerEnabled(false);
        // Points of the bare surface: where the mouse goes to the window itself.
        for (int y = 0; y < w->height() && bare.size() < 2; y += 7)
            for (int x = 0; x < w->width() && bare.size() < 2; x += 7)
                if (w->mask().contains(QPoint(x, y)) && !w->controlAt({x, y}) &&
                    (bare.empty() || (bare[0] - QPoint(x, y)).manhattanLength() > 20))
                    bare.push_back({x, y});
        ASSERT_EQ(bare.size(), 2u);
    }
    void TearDown() override {
        w.reset();
        UiTest::TearDown();
    }

    struct Counts {
        quint64 requests, painted;
        bool operator==(const Counts&) const = default;
        friend void PrintTo(const Counts& c, std::ostream* os) {
            *os << c.requests << " repaint requests, " << c.painted << " controls painted";
        }
    };
    Counts counts() {
        // Paints happen when the event loop gets to them.
        QCoreApplication::processEvents();
        return {w->repaintRequests(), w->controlsPainted()};
    }
    void tick() {
        w->tick();
        QCoreApplication::processEvents();
    }
    void clickOn(const Control& c) { click(*w, centreOf(c)); }
    // Two points where the mouse goes to the control itself, not to one in front of it.
    std::pair<QPoint, QPoint> pointsOn(const Control& c) const {
        std::vector<QPoint> found;
        const QRect r = c.pixelRect();
        for (int y = r.top(); y <= r.bottom() && found.size() < 2; ++y)
            for (int x = r.left(); x <= r.right() && found.size() < 2; ++x)
                if (w->controlAt({x, y}) == &c && (found.empty() || found[0] != QPoint(x, y)))
                    found.push_back({x, y});
        EXPECT_EQ(found.size(), 2u) << c.Name().toStdString();
        found.resize(2);
        return {found[0], found[1]};
    }

    std::unique_ptr<MainWindow> w;
    std::vector<QPoint> bare;
};

TEST_F(Repaints, MoveOverTheBareSurfaceWithNothingLitRepaintsNothing) {
    // The first move swaps the band keys' design pictures for the numbered ones they are
    // reset to; from then on a reset finds everything as it leaves it.
    moveTo(*w, bare[0]);
    const Counts before = counts();
    for (int i = 0; i < 10; ++i)
        moveTo(*w, bare[i % 2]);
    EXPECT_EQ(counts(), before);
}

TEST_F(Repaints, LightingAChipRepaintsItAndTheBareSurfaceRepaintsItBack) {
    // The counters must see a real change, or the tests above prove nothing.
    moveTo(*w, bare[0]);
    const Counts rest = counts();
    const auto [chip, chip2] = pointsOn(*w->paletteChip[4]);
    moveTo(*w, chip);
    const Counts lit = counts();
    EXPECT_GT(lit.requests, rest.requests);
    EXPECT_GT(lit.painted, rest.painted);
    // Moving on within the lit chip changes nothing more.
    moveTo(*w, chip2);
    EXPECT_EQ(counts(), lit);
    moveTo(*w, bare[1]);
    const Counts back = counts();
    EXPECT_GT(back.requests, lit.requests);
    EXPECT_GT(back.painted, lit.painted);
    moveTo(*w, bare[0]);
    EXPECT_EQ(counts(), back);
}

TEST_F(Repaints, TickWithNothingChangedRepaintsNothing) {
    // The second tick catches up the row of band 3, which lags one tick behind.
    tick();
    tick();
    const Counts steady = counts();
    for (int i = 0; i < 5; ++i)
        tick();
    EXPECT_EQ(counts(), steady);
}

TEST_F(Repaints, TickAfterAChoiceRepaintsThenSettles) {
    tick();
    tick();
    const Counts steady = counts();
    clickOn(w->bandKey4);         // band 4
    clickOn(*w->paletteChip[12]); // none: a four-band resistor
    const Counts chosen = counts();
    tick();
    const Counts first = counts();
    EXPECT_GT(first.requests, chosen.requests) << "the chart changes shape";
    EXPECT_GT(first.painted, steady.painted);
    tick();
    const Counts second = counts();
    tick();
    tick();
    EXPECT_EQ(counts(), second);
    EXPECT_EQ(w->modeCaption.Caption(), "现在为四环电阻");
}

TEST_F(Repaints, HoveredTitleButtonsAndMenuRepaintOnlyOnce) {
    const auto [exit1, exit2] = pointsOn(w->exitButton);
    const auto [strip1, strip2] = pointsOn(w->titleStrip);
    moveTo(*w, pointsOn(w->closeButton).first);
    EXPECT_TRUE(w->closeButtonLit.Visible());
    moveTo(*w, exit1);
    const Counts lit = counts();
    moveTo(*w, exit2);
    EXPECT_EQ(counts(), lit);
    moveTo(*w, strip1);
    const Counts reset = counts();
    EXPECT_GT(reset.requests, lit.requests);
    EXPECT_FALSE(w->closeButtonLit.Visible());
    moveTo(*w, strip2);
    EXPECT_EQ(counts(), reset);
}

} // namespace
