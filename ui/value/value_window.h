// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The value-to-colours window: a value typed in, the bands that make it on the resistor, and
// the way to hand them to the main window.
#include "model/colour_finder.h"
#include "model/value_input.h"
#include "ui/hand_over.h"
#include "ui/part_drawing.h"
#include "ui/secondary_window.h"

#include <QPointer>
#include <QString>
#include <array>
#include <optional>
#include <vector>

class QTextEdit;

namespace zq::ui {

class CombinationsPanel;

class ValueWindow : public SecondaryWindow {
  public:
    // The main window stays visible beside this one.
    ValueWindow(zq::Form& mainWindow, BandsReceiver& receiver);
    ~ValueWindow() override;

    void onLoad() override;
    void onUnload() override;
    void closeBoxClicked();
    void findButtonClicked();
    void showButtonClicked();
    void fourBandsClicked();
    void fiveBandsClicked();
    void toleranceChipClicked(int Index);
    void standardValueClicked(int Index);
    void kitButtonClicked();
    // Keys in the value field and on the window: Return finds, Ctrl+Return hands the answer
    // to the main window, Esc closes.
    bool valueFieldKeyPressed(int key, Qt::KeyboardModifiers modifiers);

    QTextEdit& valueField() const;

    // What the window holds, read by the tests as the handlers leave it.
    int Bands = 4;
    // A chip's colour, or what was typed after the value ("4.7k 灰"), which may be a precision
    // tolerance no chip carries. A typed one holds for its own value only: the next value
    // typed without one takes the chip's again.
    model::Tolerance Tolerance = model::kGoldIndex;
    std::optional<model::ColourAnswer> Answer;
    std::vector<model::StandardValue> Standard;

    zq::Label &Note, &FourBands, &FiveBands, &ColourNames, &ValueText, &RangeText, &ToleranceText,
        &SmdCodes, &StandardCaption, &KitButton;
    std::array<zq::Label*, 8> ToleranceChip{};
    std::array<zq::Label*, 6> StandardValue{};
    std::array<zq::Image*, 5> AnswerChip{};
    std::array<zq::Image*, 8> Band{};
    PartLook Drawn; // the part as drawn on them
    zq::Line& ToleranceMark;
    // The companion panel, once opened.
    QPointer<CombinationsPanel> Combinations;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    bool find();
    // A choice of bands or tolerance answers again when there is a value to answer for.
    void findAgain();
    void giveToMainWindow();
    // The reason in the note line; what answered an earlier value goes.
    void showReason(const QString& reason);
    void clearAnswer();
    void showAnswer(const model::Finding& f, const model::ValueInput& typed);
    void showChoices();
    void wire();
    void wireKeyboard();

    BandsReceiver& receiver_;
    model::Tolerance chosen_ = model::kGoldIndex; // by chip or band count, never by typing
    QString standardCaption_; // as designed, for the window with no answer
};

} // namespace zq::ui
