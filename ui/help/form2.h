// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The help window: the help text in a read-only box, dragged by its title, closed back to
// the main window.
#include "ui/secondary_window.h"

#include <QString>
#include <cstdint>

namespace zq::ui {

class Form2 : public SecondaryWindow {
  public:
    // The main window is hidden by whoever opens this one and shown again when it closes.
    explicit Form2(zq::Form& mainWindow);

    void Form_Load() override;
    void Image8_Click();

    static QString helpText();
};

} // namespace zq::ui
