// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The value-to-colours window: a value typed in, the bands that make it on the resistor, and
// the way to hand them to the main window.
#include "model/colour_finder.h"
#include "ui/secondary_window.h"

#include <QPointer>
#include <QString>
#include <array>
#include <optional>
#include <vector>

class QTextEdit;

namespace zq::ui {

class Form1;

class Form4 : public SecondaryWindow {
  public:
    // The main window stays visible beside this one.
    explicit Form4(Form1& mainWindow);

    void Form_Load() override;
    void Image8_Click();
    void Image3_Click();
    void Image4_Click();
    void Label5_Click();
    void Label6_Click();
    void Label13_Click(int Index);
    void Label15_Click(int Index);
    // Keys in the value field and on the window: Return finds, Ctrl+Return hands the answer
    // to the main window, Esc closes.
    bool Text1_KeyPress(int key, Qt::KeyboardModifiers modifiers);

    QTextEdit& valueField() const;

    // What the window holds, read by the tests as the handlers leave it.
    int Bands = 4;
    int Tolerance = model::kGoldIndex;
    std::optional<model::ColourAnswer> Answer;
    std::vector<model::StandardValue> Standard;

    zq::Label &Label3, &Label5, &Label6, &Label9, &Label10, &Label11, &Label14;
    std::array<zq::Label*, 8> Label13{};
    std::array<zq::Label*, 6> Label15{};
    std::array<zq::Image*, 5> Image10{};
    std::array<zq::Image*, 8> Image17{};
    zq::Line& Line1;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    bool find();
    void giveToMainWindow();
    void showReason(const std::string& reason);
    void showAnswer(const model::Finding& f);
    void showChoices();
    void wire();
    void wireKeyboard();

    QPointer<Form1> main_;
};

} // namespace zq::ui
