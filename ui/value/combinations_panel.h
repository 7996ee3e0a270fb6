// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The companion of the value window: the value made from the parts the user has, and the
// working of each way. The value window's designed ground leaves no room for it.
#include "model/combinations/combinations.h"
#include "model/decimal.h"

#include <QDialog>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace zq::ui {

class CombinationsPanel : public QDialog {
  public:
    explicit CombinationsPanel(QWidget* parent);

    // The value the window answered, and its tolerance in hundredths of a per cent; the
    // search runs here, once per answer, never on a keystroke.
    void setWanted(const model::Decimal& ohms, int toleranceHundredths);
    void clearWanted();

    // The kits in the chooser's order.
    enum KitChoice { E6, E12, E24, Own };
    void chooseKit(KitChoice k);
    void showWorking(int row);
    // The small dialog that edits the user's own list; returns whether it was saved.
    void editOwnKit();

    QComboBox* kitChooser = nullptr;
    QPushButton* editButton = nullptr;
    QLabel *heading = nullptr, *note = nullptr, *working = nullptr;
    QListWidget* lines = nullptr;
    // What the list shows, row by row.
    std::vector<model::Combination> shown;
    std::vector<model::Decimal> ownKit;

  private:
    void search();

    std::optional<model::Decimal> wanted_;
    int tolerance_ = 500;
    QString ownKitNote_;
};

// The dialog of the user's own list. Typed one value a line, or pasted as a list with commas.
class OwnKitDialog : public QDialog {
  public:
    OwnKitDialog(QWidget* parent, const std::vector<model::Decimal>& values);
    // Reads and saves; stays open with the reason when a line cannot be used.
    void save();

    QPlainTextEdit* editor = nullptr;
    QLabel* note = nullptr;
    std::vector<model::Decimal> values;
};

} // namespace zq::ui
