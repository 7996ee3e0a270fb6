// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The help window: the help text in a read-only box, dragged by its title, closed back to
// the main window.
#include "platform/form.h"
#include "ui/title_drag.h"

#include <QPointer>
#include <QString>
#include <cstdint>

namespace zq::ui {

class Form2 : public zq::Form, public TitleDrag {
  public:
    // The main window is hidden by whoever opens this one and shown again when it closes.
    explicit Form2(zq::Form& mainWindow);

    void Form_Load() override;
    void Image8_Click();
    void Label1_MouseDown(int Button, int Shift, double X, double Y);
    void Label1_MouseMove(int Button, int Shift, double X, double Y);
    void Label1_MouseUp(int Button, int Shift, double X, double Y);
    void Form_Unload() override;

    static QString helpText();

  private:
    QPointer<zq::Form> mainWindow_;
};

} // namespace zq::ui
