// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The About window: name, version and contact lines, and one button that closes it back to
// the main window.
#include "ui/secondary_window.h"

#include <QString>

namespace zq::ui {

class AboutWindow : public SecondaryWindow {
  public:
    // The main window is hidden while this one is loaded.
    explicit AboutWindow(zq::Form& mainWindow);

    void onLoad() override;
    void mouseMovedOnSurface(int Button, int Shift, double X, double Y) override;
    void okButtonHovered(int Button, int Shift, double X, double Y);
    void okButtonPressed(int Button, int Shift, double X, double Y);
    void okClicked();

    static QString aboutText();
};

} // namespace zq::ui
