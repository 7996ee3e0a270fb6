// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The editor of the user's own kit, opened from the companion panel. Typed one value a line,
// or pasted as a list with commas; saved whole into the configuration folder.
#include "model/decimal.h"
#include "ui/secondary_window.h"

#include <functional>
#include <vector>

class QCloseEvent;
class QTextEdit;

namespace zq::ui {

class OwnKitEditor : public SecondaryWindow {
  public:
    OwnKitEditor(zq::Form& mainWindow, const std::vector<model::Decimal>& values);

    void onUnload() override;
    // Reads and saves; stays open with the reason, the cursor on the line, when a line cannot
    // be used.
    void saveButtonClicked();
    // Cancel, the close box, Esc and the desktop: unsaved edits are dropped only when the user
    // says so.
    void cancelButtonClicked();
    bool keyPressed(int key, int shift) override;

    QTextEdit& kitText() const;
    // The kit as saved last.
    std::vector<model::Decimal> values;
    std::function<void()> Saved;
    zq::Label& Note;

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    bool mayDropEdits();

    QString saved_; // the text of the kit as saved, to tell an edit from none
};

} // namespace zq::ui
