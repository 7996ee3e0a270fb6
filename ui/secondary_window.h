// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every window opened from the main one shares: closed by Esc, its own button or the
// desktop, the main window brought back when it goes, (where it has one) dragged by its
// title, and the screen-reader items its controls are told as.
#include "platform/form.h"
#include "ui/title_drag.h"

#include <QPointer>

class QTextEdit;

namespace zq::ui {

class SecondaryWindow : public zq::Form, public TitleDrag {
  public:
    void titlePressed(int Button, int Shift, double X, double Y);
    void titleDragged(int Button, int Shift, double X, double Y);
    void titleReleased(int Button, int Shift, double X, double Y);
    // Whatever closes the window, the desktop included, the main window comes back (shown,
    // if this window hid it) and takes the keyboard.
    void onUnload() override;
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
    // Beside a secondary window it serves, off the main window and off `keepClear`; over that
    // window where nothing beside it is free (placeOverOrBesideAnchor).
    void placeOverOrBesideWindow(zq::Form& anchor, const zq::Form* keepClear);
    void keepOnScreen();

  protected:
    // Adds a label to a window's screen-reader items, read as it shows.
    struct ReadAsShown {
        std::vector<AccessibleItem>& items;
        void operator()(zq::Label& l) const;
    };
    // Adds a control read as a button by its name.
    struct ReadAsButton {
        std::vector<AccessibleItem>& items;
        void operator()(zq::Control& c, std::function<QString()> name) const;
        void operator()(zq::Control& c, const QString& name) const;
    };

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
