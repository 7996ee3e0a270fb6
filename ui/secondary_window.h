// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every window opened from the main one shares: closed by Esc, its own button or the
// desktop, the main window brought back when it goes, and (where it has one) dragged by its
// title, Label1.
#include "platform/form.h"
#include "ui/title_drag.h"

#include <QPointer>

class QTextEdit;

namespace zq::ui {

class SecondaryWindow : public zq::Form, public TitleDrag {
  public:
    void Label1_MouseDown(int Button, int Shift, double X, double Y);
    void Label1_MouseMove(int Button, int Shift, double X, double Y);
    void Label1_MouseUp(int Button, int Shift, double X, double Y);
    // Whatever closes the window, the desktop included, the main window comes back (shown,
    // if this window hid it) and takes the keyboard.
    void Form_Unload() override;
    // Shows a window, restored if it was minimised, in front, with the keyboard. Where the
    // screen has room for both, this window is moved out from behind it rather than left
    // hidden there.
    void bringToFront(zq::Form& window);
    // Opening places: beside the main window, or (for a window that stands in for it) where
    // the design has it; inside the screen's available area either way.
    void placeBesideMainWindow();
    // Beside another secondary window it works with, off the main window; that window moves
    // too where the two fit only one above the other (placeBesideAnchor).
    void placeBesideWindow(zq::Form& anchor);
    void keepOnScreen();

  protected:
    SecondaryWindow(const FormDesign& design, zq::Form& mainWindow);
    void dragByTitle();
    // A text box that takes one line: Return is the command, never a line break. Its keys
    // come to this window's eventFilter first.
    void oneLineField(QTextEdit& field);
    zq::Form* mainWindow() const { return mainWindow_.data(); }

  private:
    QPointer<zq::Form> mainWindow_;
};

} // namespace zq::ui
