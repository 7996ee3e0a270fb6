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
    void Form_Load() override;
    // Choosing the band to edit.
    void Image30_Click();
    void Image31_Click();
    void Image32_Click();
    void Image33_Click();
    void Image34_Click();
    void Image17_Click();
    void Image18_Click();
    void Image19_Click();
    void Image20_Click();
    void Image22_Click();
    // Choosing its colour, and the value shown at every tick.
    void Image29_Click(int Index);
    void Timer1_Timer();
    // Hover and pressed looks, and the surfaces that reset them.
    void Image29_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void Image29_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void Image29_MouseUp(int Index, int Button, int Shift, double X, double Y);
    void Image30_MouseMove();
    void Image31_MouseMove();
    void Image32_MouseMove();
    void Image33_MouseMove();
    void Image34_MouseMove();
    void Image30_MouseDown();
    void Image31_MouseDown();
    void Image32_MouseDown();
    void Image33_MouseDown();
    void Image34_MouseDown();
    void Image10_MouseMove();
    void Image12_MouseMove();
    void Image1_MouseMove();
    void Image4_MouseMove();
    void Form_MouseMove(int Button, int Shift, double X, double Y) override;
    // Window chrome, menu and links.
    void Label1_MouseDown(int Button, int Shift, double X, double Y);
    void Label1_MouseMove(int Button, int Shift, double X, double Y);
    void Label1_MouseUp(int Button, int Shift, double X, double Y);
    void Image13_Click();
    void Image11_Click();
    void Image26_Click();
    void Image24_Click();
    void Image25_Click();
    void Image24_MouseMove();
    void Image25_MouseMove();
    void Image26_MouseMove();
    void Image24_MouseDown();
    void Image25_MouseDown();
    void Image26_MouseDown();
    void Image24_MouseUp();
    void Image25_MouseUp();
    void Image26_MouseUp();
    void Label22_Click();
    void Label24_Click();
    void Label22_MouseMove();
    // The value-to-colours window: Ctrl+F, or the menu of a right release on the bare
    // surface (the multimeter's face hands its mouse to the window).
    // Shift+F10 and the Menu key open the same menu at the focused control.
    void Form_MouseUp(int Button, int Shift, double X, double Y) override;
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
    bool Form_KeyDown(int KeyCode, int Shift) override;

    // State of the window, read by the tests as the handlers leave it.
    zq::model::BandState BandState;
    QString ValueText;

    HelpWindow* helpWindow() const;
    AboutWindow* aboutWindow() const;
    ValueWindow* valueWindow() const;
    ReadingWindow* readingWindow() const;
    PracticeWindow* practiceWindow() const;

  private:
    void selectBand(int band);
    zq::Image& bandImage(int band) const;
    void startBrowser();
    void showMenuFrame(int button);
    void paintMenuFrame(int button, bool sunken);
    void showBandKey(zq::Image& key, int picture);
    void wire();
    void wireKeyboard();
    void describeForScreenReaders();

  public:
    // Controls the handlers write, by their design names.
    zq::Label &Label1, &Label3, &Label5, &Label6, &Label8, &Label9, &Label10, &Label12, &Label13,
        &Label14, &Label15, &Label16, &Label17, &Label18, &Label19, &Label20, &Label22, &Label24;
    zq::Image &Image1, &Image2, &Image3, &Image4, &Image5, &Image6, &Image7, &Image8, &Image9,
        &Image10, &Image11, &Image12, &Image13, &Image14, &Image15, &Image16, &Image17, &Image18,
        &Image19, &Image20, &Image21, &Image22, &Image23, &Image24, &Image25, &Image26, &Image30,
        &Image31, &Image32, &Image33, &Image34, &Image35, &Image36, &Image37, &Image38;
    zq::Line &Line1, &Line2, &Line3, &Line4, &Line19, &Line20, &Line21, &Line22, &Line23, &Line27,
        &Line28, &Line29, &Line30, &Line31, &Line32, &Line33, &Line34;
    std::array<zq::Image*, model::palette::kSize> Image29{};
    std::array<zq::Line*, model::palette::kSize> Line5{}, Line6{}, Line7{}, Line8{};
    // Frames of the Help, About and Exit buttons: left, top, right, bottom.
    std::array<std::array<zq::Line*, 4>, 3> MenuFrame{};
    zq::Timer& Timer1;

  private:
    QPointer<HelpWindow> help_;
    QPointer<AboutWindow> about_;
    QPointer<ValueWindow> value_;
    QPointer<ReadingWindow> reading_;
    QPointer<PracticeWindow> practice_;
};

} // namespace zq::ui
