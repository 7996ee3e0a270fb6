// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The help window: the help text in a read-only box, dragged by its title, closed back to
// the main window.
#include "ui/secondary_window.h"

#include <QString>
#include <cstdint>

namespace zq::ui {

class HelpWindow : public SecondaryWindow {
  public:
    // The main window is hidden by whoever opens this one and shown again when it closes.
    explicit HelpWindow(zq::Form& mainWindow);

    void onLoad() override;
    void closeClicked();
    // Page Up and Page Down (and the arrows) scroll the text from the moment the window opens.
    bool keyPressed(int KeyCode, int Shift) override;

    static QString helpText();
    // After it, in the same box: the windows beyond the main one, what they answer, their keys.
    static QString windowsText();
};

} // namespace zq::ui
