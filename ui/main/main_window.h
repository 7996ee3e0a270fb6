// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window: the multimeter, the resistor, the flow chart and the palette.
#include "model/band_state.h"
#include "model/colour_code.h"
#include "model/colour_finder.h"
#include "platform/form.h"
#include "ui/hand_over.h"
#include "ui/title_drag.h"

#include <QPointer>
#include <array>
#include <cstdint>
#include <optional>

namespace zq::ui {

class HelpWindow;
class AboutWindow;
class ValueWindow;
class ReadingWindow;
class PracticeWindow;

class MainWindow : public zq::Form, public TitleDrag, public BandsReceiver {
  public:
    MainWindow();
    ~MainWindow() override;

    // Start-up.
    void onLoad() override;
    // Choosing the band to edit.
    void bandKeyClicked(int band);
    // A band of the drawn resistor chooses itself as its key does.
    void bandPlaceClicked(int band);
    // Choosing its colour, and the value shown at every tick.
    void paletteChipClicked(int colour);
    void tick();
    // Hover and pressed looks, and the surfaces that reset them.
    void paletteChipHovered(int colour);
    void paletteChipPressed(int colour);
    void paletteChipReleased(int colour);
    void bandKeyHovered(int band);
    void bandKeyPressed(int band);
    void closeButtonHovered();
    void minimiseButtonHovered();
    void titleStripHovered();
    void menuStripHovered();
    void mouseMovedOnSurface(int Button, int Shift, double X, double Y) override;
    // Window chrome, menu and links.
    void titlePressed(int Button, int Shift, double X, double Y);
    void titleDragged(int Button, int Shift, double X, double Y);
    void titleReleased(int Button, int Shift, double X, double Y);
    void minimiseClicked();
    void closeClicked();
    void exitClicked();
    void helpClicked();
    void aboutClicked();
    void helpButtonHovered();
    void aboutButtonHovered();
    void exitButtonHovered();
    void helpButtonPressed();
    void aboutButtonPressed();
    void exitButtonPressed();
    void helpButtonReleased();
    void aboutButtonReleased();
    void exitButtonReleased();
    void homePageLinkClicked();
    void makerLinkClicked();
    void homePageLinkHovered();
    // The value-to-colours window: Ctrl+F, or the menu of a right release on the bare
    // surface (the multimeter's face hands its mouse to the window).
    // Shift+F10 and the Menu key open the same menu at the focused control.
    void mouseReleasedOnSurface(int Button, int Shift, double X, double Y) override;
    void showMenuAtFocus();
    void openValueWindow();
    // The reading window: Ctrl+R, or the same menu.
    void openReadingWindow();
    // The practice window: Ctrl+L, or the same menu; its questions drawn from `seed` when given.
    void openPracticeWindow(std::optional<std::uint64_t> seed = {});
    // Sets the bands to these colours by the user's own road: band keys and palette clicks,
    // through the choice rules, in an order they accept from any state.
    void showColours(const model::ColourAnswer& a) override;
    zq::Form& receiverWindow() override { return *this; }

    // Keys: 1 to 5 choose the band, F1 opens the help.
    bool keyPressed(int KeyCode, int Shift) override;

    // State of the window, read by the tests as the handlers leave it.
    zq::model::BandState BandState;

    HelpWindow* helpWindow() const;
    AboutWindow* aboutWindow() const;
    ValueWindow* valueWindow() const;
    ReadingWindow* readingWindow() const;
    PracticeWindow* practiceWindow() const;

  private:
    void selectBand(int band);
    zq::Image& bandKey(int band) const;
    zq::Image& bandPlace(int band) const;
    void startBrowser();
    void showMenuFrame(int button);
    void paintMenuFrame(int button, bool sunken);
    void showBandKey(zq::Image& key, int picture);
    void wire();
    void wireKeyboard();
    void describeForScreenReaders();

  public:
    // Controls the handlers write, by their design names.
    // Title strip, frame and menu strip.
    zq::Label &title, &homePageLink;
    zq::Image &titleStrip, &topLeftCorner, &topRightCorner, &menuStrip, &rightEdge, &leftEdge,
        &bottomEdge, &bottomLeftCorner, &bottomRightCorner, &closeButton, &closeButtonLit,
        &minimiseButton, &minimiseButtonLit, &titleIcon, &helpButton, &aboutButton, &exitButton;
    zq::Line &workAreaTop, &workAreaRight, &workAreaBottom, &workAreaLeft;
    // The multimeter: its display and its five band keys.
    zq::Label &makerLink, &meterValue;
    zq::Image &meter, &meterUnit, &meterTolerance, &bandKey1, &bandKey2, &bandKey3, &bandKey4,
        &bandKey5;
    // The drawn resistor: its ends, the five band places and the plain body between them.
    zq::Image &resistorLeftEnd, &bandPlace1, &bandPlace2, &bandPlace3, &bandPlace4, &bodyPiece1,
        &bandPlace5, &bodyPiece2, &bodyPiece3, &resistorRightEnd;
    // Status lines.
    zq::Label &modeCaption, &bandCaption, &colourCaption, &toleranceCaption;
    // The flow chart: the red sum box, the green product box, the result.
    zq::Label &firstDigit, &firstWeight, &secondDigit, &secondWeight, &thirdOperator, &thirdRow,
        &thirdWeight, &timesSign, &multiplier, &resultLine;
    zq::Line &lowerBoxLeft, &lowerBoxRight, &lowerBoxBottom, &band4Drop, &band4ToProduct,
        &productBoxLeft, &sumIntoProduct, &productBoxTop, &productBoxBottom, &productBoxRight,
        &sumToResult, &productToResult, &sumUpToProduct;
    std::array<zq::Image*, model::palette::kSize> paletteChip{};
    std::array<zq::Line*, model::palette::kSize> chipFrameLeft{}, chipFrameTop{}, chipFrameRight{},
        chipFrameBottom{};
    // Frames of the Help, About and Exit buttons: left, top, right, bottom.
    std::array<std::array<zq::Line*, 4>, 3> menuFrames{};
    zq::Timer& valueTimer;

  private:
    QPointer<HelpWindow> help_;
    QPointer<AboutWindow> about_;
    QPointer<ValueWindow> value_;
    QPointer<ReadingWindow> reading_;
    QPointer<PracticeWindow> practice_;
};

} // namespace zq::ui
