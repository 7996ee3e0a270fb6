// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The companion of the value window: the value made from the parts the user has, and the
// working of each way. The value window's designed ground leaves no room for it, so it is a
// secondary window of its own, placed beside (or under) the value window.
#include "model/combinations/combinations.h"
#include "model/decimal.h"
#include "ui/secondary_window.h"

#include <QPointer>
#include <array>
#include <optional>
#include <vector>

namespace zq::ui {

class OwnKitEditor;

class CombinationsPanel : public SecondaryWindow {
  public:
    // `valueWindow` is the window it answers for, and gets the keyboard back when it closes.
    CombinationsPanel(zq::Form& mainWindow, zq::Form& valueWindow);
    ~CombinationsPanel() override;

    void onLoad() override;
    void onUnload() override;
    void closeBoxClicked();
    void kitChoiceClicked(int Index);
    void editButtonClicked();
    void wayClicked(int Index);

    // The value the window answered, and its tolerance in hundredths of a per cent; the
    // search runs here, once per answer, never on a keystroke.
    void setWanted(const model::Decimal& ohms, int toleranceHundredths);
    void clearWanted();

    // The kits in the chooser's order.
    enum KitChoices { E6, E12, E24, Own };
    int Kit = E12;
    std::vector<model::Decimal> ownKit;
    // The ways shown, one to a Way label, and the one whose working is shown (-1: none).
    std::vector<model::Combination> shown;
    int chosenWay = -1;

    zq::Label &Heading, &Note, &Working, &Parts, &EditButton;
    std::array<zq::Label*, 4> KitChoice{};
    std::array<zq::Label*, 3> Way{};
    std::array<zq::Image*, 3> PartPicture{};
    zq::Line& WayMark;
    // The editor of the own kit, while it is open.
    QPointer<OwnKitEditor> Editor;

  private:
    void search();
    void showKits();
    // The colours of each part of the chosen way, drawn and written out.
    void showParts(const std::vector<model::Decimal>& parts);
    void wire();

    QPointer<zq::Form> valueWindow_;
    std::optional<model::Decimal> wanted_;
    int tolerance_ = 500;
    QString ownKitNote_;
    QString choiceNote_; // what became of a kept choice that could not be read, or saved
    std::array<QString, 3> wayNames_; // the ways as a screen reader is told them
};

} // namespace zq::ui
