// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The reading window: the bands of a real resistor entered as seen, read both ways, checked
// against a measurement, and handed to the main window; and the printed code of a chip part.
#include "model/band_reading.h"
#include "model/smd.h"
#include "ui/hand_over.h"
#include "ui/part_drawing.h"
#include "ui/secondary_window.h"

#include <QPointer>
#include <array>
#include <vector>

class QTextEdit;

namespace zq::ui {

class ReadingWindow : public SecondaryWindow {
  public:
    // The main window stays visible beside this one.
    ReadingWindow(zq::Form& mainWindow, BandsReceiver& receiver);

    void onLoad() override;
    bool keyPressed(int KeyCode, int Shift) override;
    void chipClicked(int Index);
    void backButtonClicked();
    void clearButtonClicked();
    void showButtonClicked();
    void closeBoxClicked();
    // The cues of the part: a second click on the chosen one takes it back.
    void gapClicked(int Index);
    void bodyClicked(int Index);
    // Return in the measurement reads again; in the code field reads the code.
    void measuredReturnPressed();
    void smdReturnPressed();

    QTextEdit& measuredField() const;
    QTextEdit& smdField() const;

    // What the window holds, as the handlers leave it.
    std::vector<int> Bands; // palette indices, left to right as seen
    model::BandReadings Readings;
    model::SmdAnswer Smd;
    model::Cues Cues; // what the learner saw besides the colours
    PartLook Drawn;   // the part as drawn

    static constexpr int kFewest = model::kFewestBands, kMost = model::kMostBands;
    static constexpr int kReadingLines = 4;

    zq::Label &Entered, &Verdict, &SmdAnswer;
    std::array<zq::Image*, model::palette::kPaintedSize> Chip{};
    std::array<zq::Image*, 8> Band{};
    std::array<zq::Label*, kReadingLines> Reading{};
    std::array<zq::Label*, 2> Gap{};  // the wider gap on the left, on the right
    std::array<zq::Label*, 4> Body{}; // beige, blue, green, other

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    // What the hand-over sends: the chip code when its field was used last, else the bands.
    enum class LastUsed { Bands, Code };
    LastUsed lastUsed_ = LastUsed::Bands;
    void stackReadings();
    double verdictTop_ = 0;                                // twips, as the design has it
    static constexpr int kStackRoom = 400, kStackGap = 6; // pixels
    void wire();
    void wireKeyboard();
    void enter(int colour);
    void readAgain();
    void showBands();
    void showReadings();
    void showCues();
    void drawPart();
    void say(const QString& text);

    BandsReceiver& receiver_;
};

} // namespace zq::ui
