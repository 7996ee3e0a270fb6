// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// All that the value and reading windows may ask of the main one, so that they know nothing
// else of it.
#include "model/colour_finder.h"

namespace zq {
class Form;
}

namespace zq::ui {

class BandsReceiver {
  public:
    // Sets these bands through the same rules as clicks on the palette.
    virtual void showColours(const model::ColourAnswer& a) = 0;
    // The window to bring to the front once they are set.
    virtual zq::Form& receiverWindow() = 0;

  protected:
    ~BandsReceiver() = default;
};

} // namespace zq::ui
