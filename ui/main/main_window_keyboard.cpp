// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window without a mouse: the order the keyboard walks its controls in, its keys,
// and what a screen reader is told about each control.
#include "model/readout.h"
#include "platform/screen.h"
#include "ui/main/main_window.h"
#include "ui/main/numbered_pictures.h"
#include "ui/words.h"
#include "wording/words.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

namespace zq::ui {

namespace {

} // namespace

void MainWindow::wireKeyboard() {
    std::vector<zq::Control*> keys{&bandKey1, &bandKey2, &bandKey3, &bandKey4, &bandKey5};
    std::vector<zq::Control*> chips(paletteChip.begin(), paletteChip.end());
    std::vector<zq::Control*> menu{&helpButton, &aboutButton, &exitButton, &homePageLink};
    // The title buttons answer on their second pictures, laid over the first.
    std::vector<zq::Control*> title{&minimiseButtonLit, &closeButtonLit};
    std::vector<zq::Control*> order;
    for (const auto* group : {&keys, &chips, &menu, &title})
        order.insert(order.end(), group->begin(), group->end());
    setFocusOrder(order);
    for (auto& group : {keys, chips, menu, title})
        addArrowGroup(group);
}

bool MainWindow::keyPressed(int KeyCode, int Shift) {
    if (Shift & (kCtrlMask | kAltMask)) return false;
    if (KeyCode == Qt::Key_Menu || (KeyCode == Qt::Key_F10 && (Shift & kShiftMask))) {
        showMenuAtFocus();
        return true;
    }
    if (KeyCode == Qt::Key_F1) {
        helpClicked();
        return true;
    }
    if (KeyCode < Qt::Key_1 || KeyCode > Qt::Key_5) return false;
    const int band = KeyCode - Qt::Key_1 + 1;
    bandKeyClicked(band);
    // The next thing to choose is the band's colour: start from the one it has.
    if (const int colour = BandState.BandColour[band - 1]; colour < model::palette::kSize)
        setFocusedControl(paletteChip[colour]);
    return true;
}

void MainWindow::showMenuAtFocus() {
    // Where a right click on the focused control would open it: at its lower left corner.
    const zq::Control* at = focusedControl();
    const QPoint p = at ? at->pixelRect().bottomLeft() : rect().center();
    mouseReleasedOnSurface(kRightButton, 0, p.x() * Screen::TwipsPerPixelX(),
                           p.y() * Screen::TwipsPerPixelY());
    // Opened from the keyboard, Return takes its first entry at once.
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
        if (!menu->actions().isEmpty()) menu->setActiveAction(menu->actions().front());
}

void MainWindow::describeForScreenReaders() {
    std::vector<zq::AccessibleItem> items;
    auto button = [&items](zq::Control& c, std::function<QString()> name) {
        items.push_back({&c, QAccessible::Button, std::move(name), {}, {}});
    };
    auto fixedButton = [&button](zq::Control& c, const QString& name) {
        button(c, [name] { return name; });
    };
    // Texts are read as shown; a hidden one stays in the tree, marked invisible.
    auto text = [&items](zq::Label& l) {
        auto shown = [&l] { return l.Caption(); };
        items.push_back({&l, QAccessible::StaticText, shown, shown, {}});
    };

    text(title);
    fixedButton(minimiseButtonLit, QCoreApplication::translate("MainWindow", "最小化"));
    fixedButton(closeButtonLit, QCoreApplication::translate("MainWindow", "关闭"));
    fixedButton(helpButton, QCoreApplication::translate("MainWindow", "帮助"));
    fixedButton(aboutButton, QCoreApplication::translate("MainWindow", "关于"));
    fixedButton(exitButton, QCoreApplication::translate("MainWindow", "退出"));
    button(homePageLink, [this] { return homePageLink.Caption(); });
    button(makerLink, [this] { return makerLink.Caption(); });

    auto readout = [this] {
        return q(model::readoutText(
            meterValue.Caption().toStdString(), unitOfPicture(meterUnit.Picture().resourceId()),
            colourOfTolerancePicture(meterTolerance.Picture().resourceId())));
    };
    items.push_back({&meterValue, QAccessible::StaticText, readout, readout,
                     QCoreApplication::translate("MainWindow", "万用表")});

    for (int band = 1; band <= 5; ++band)
        fixedButton(bandKey(band), q(wording::bandOrdinal(band)));

    for (const char* n : {"modePrompt", "modeCaption", "bandPrompt", "bandCaption", "colourPrompt",
                          "colourCaption"})
        text(label(QString::fromLatin1(n)));
    // A band of the drawn resistor is read with the colour it has.
    for (int band = 1; band <= 5; ++band)
        button(bandPlace(band), [this, band] {
            const int colour = BandState.BandColour[band - 1];
            return q(wording::bandColourName(band, colour < model::palette::kSize ? colour : -1));
        });
    // The tolerance, the flow chart and its result, then the two notes under it.
    for (const char* n : {"toleranceCaption", "firstDigit", "firstWeight", "firstPlus",
                          "secondDigit", "secondWeight", "thirdOperator", "thirdRow", "thirdWeight",
                          "timesSign", "multiplier", "resultLine", "unitNote", "fourBandHint"})
        text(label(QString::fromLatin1(n)));
    for (int i = 0; i < model::palette::kSize; ++i)
        fixedButton(*paletteChip[i], q(wording::colourName(i)));
    setAccessibleItems(std::move(items));
}

} // namespace zq::ui
