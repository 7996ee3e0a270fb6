// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window opened offscreen, with the timer stopped so that tests drive the ticks.
#include "model/band_state.h"
#include "platform/services.h"
#include "tests/support/ui_test.h"
#include "ui/main/main_window.h"

namespace zq::test {

inline QString dp() {
    return decimalPoint();
}

class MainWindow : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        open();
    }
    void TearDown() override {
        delete w;
        UiTest::TearDown();
    }
    void open() {
        w = new ui::MainWindow;
        showWindow(*w);
        // Ticks are driven by the tests, one at a time.
        w->valueTimer.setTimerEnabled(false);
    }
    void clickOn(const Control& c) { click(*w, centreOf(c)); }
    void chooseBand(int band) {
        Image* keys[] = {&w->bandKey1, &w->bandKey2, &w->bandKey3, &w->bandKey4, &w->bandKey5};
        clickOn(*keys[band - 1]);
    }
    void chooseColour(int index) { clickOn(*w->paletteChip[index]); }
    void choose(int band, int colour) {
        chooseBand(band);
        chooseColour(colour);
    }
    std::vector<int> bandPictures() const {
        std::vector<int> r;
        for (const Image* i : {&w->bandPlace1, &w->bandPlace2, &w->bandPlace3, &w->bandPlace4,
                               &w->bodyPiece1, &w->bandPlace5})
            r.push_back(i->Picture().resourceId());
        return r;
    }
    // Everything a palette click could change.
    struct Snapshot {
        model::BandState state;
        std::vector<int> pictures;
        int tolerance;
        QString label5, label20;
        bool operator==(const Snapshot& o) const {
            return state.BandColour == o.state.BandColour && state.Digit1Text == o.state.Digit1Text &&
                   state.Digit2Text == o.state.Digit2Text && state.Band3Text == o.state.Band3Text &&
                   state.MultiplierText == o.state.MultiplierText &&
                   state.selectedBand() == o.state.selectedBand() && pictures == o.pictures &&
                   tolerance == o.tolerance && label5 == o.label5 && label20 == o.label20;
        }
    };
    Snapshot snapshot() const {
        return {w->BandState, bandPictures(), w->meterTolerance.Picture().resourceId(),
                w->colourCaption.Caption(), w->toleranceCaption.Caption()};
    }
    ui::MainWindow* w = nullptr;
};

} // namespace zq::test
