// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window without a mouse: the order the keyboard walks its controls in, its keys,
// and what a screen reader is told about each control.
#include "model/colour_table.h"
#include "model/readout.h"
#include "platform/screen.h"
#include "ui/main/main_window.h"
#include "wording/words.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

namespace zq::ui {

namespace {

QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

void MainWindow::wireKeyboard() {
    std::vector<zq::Control*> keys{&Image30, &Image31, &Image32, &Image33, &Image34};
    std::vector<zq::Control*> chips(Image29.begin(), Image29.end());
    std::vector<zq::Control*> menu{&Image24, &Image25, &Image26, &Label22};
    // The title buttons answer on their second pictures, laid over the first.
    std::vector<zq::Control*> title{&Image13, &Image11};
    std::vector<zq::Control*> order;
    for (const auto* group : {&keys, &chips, &menu, &title})
        order.insert(order.end(), group->begin(), group->end());
    setFocusOrder(order);
    for (auto& group : {keys, chips, menu, title})
        addArrowGroup(group);
}

bool MainWindow::Form_KeyDown(int KeyCode, int Shift) {
    if (Shift & (kCtrlMask | kAltMask)) return false;
    if (KeyCode == Qt::Key_Menu || (KeyCode == Qt::Key_F10 && (Shift & kShiftMask))) {
        showMenuAtFocus();
        return true;
    }
    if (KeyCode == Qt::Key_F1) {
        Image24_Click();
        return true;
    }
    if (KeyCode < Qt::Key_1 || KeyCode > Qt::Key_5) return false;
    void (MainWindow::*const keys[])() = {&MainWindow::Image30_Click, &MainWindow::Image31_Click,
                                     &MainWindow::Image32_Click, &MainWindow::Image33_Click,
                                     &MainWindow::Image34_Click};
    const int band = KeyCode - Qt::Key_1 + 1;
    (this->*keys[band - 1])();
    // The next thing to choose is the band's colour: start from the one it has.
    if (const model::ColourCode* c = model::colourByChip(BandState.BandChip[band - 1]))
        setFocusedControl(Image29[c->index]);
    return true;
}

void MainWindow::showMenuAtFocus() {
    // Where a right click on the focused control would open it: at its lower left corner.
    const zq::Control* at = focusedControl();
    const QPoint p = at ? at->pixelRect().bottomLeft() : rect().center();
    Form_MouseUp(kRightButton, 0, p.x() * Screen::TwipsPerPixelX(),
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

    text(Label1);
    fixedButton(Image13, QCoreApplication::translate("MainWindow", "最小化"));
    fixedButton(Image11, QCoreApplication::translate("MainWindow", "关闭"));
    fixedButton(Image24, QCoreApplication::translate("MainWindow", "帮助"));
    fixedButton(Image25, QCoreApplication::translate("MainWindow", "关于"));
    fixedButton(Image26, QCoreApplication::translate("MainWindow", "退出"));
    button(Label22, [this] { return Label22.Caption(); });
    button(Label24, [this] { return Label24.Caption(); });

    auto readout = [this] {
        return q(model::readoutText(Label6.Caption().toStdString(), Image37.Picture().resourceId(),
                                    Image38.Picture().resourceId()));
    };
    items.push_back({&Label6, QAccessible::StaticText, readout, readout,
                     QCoreApplication::translate("MainWindow", "万用表")});

    zq::Control* const keys[] = {&Image30, &Image31, &Image32, &Image33, &Image34};
    for (int band = 1; band <= 5; ++band)
        fixedButton(*keys[band - 1], wording::bandOrdinal(band));

    for (const char* n : {"Label7", "Label8", "Label2", "Label3", "Label4", "Label5"})
        text(label(QString::fromLatin1(n)));
    // A band of the drawn resistor is read with the colour it has.
    for (int band = 1; band <= 5; ++band)
        button(bandImage(band), [this, band] {
            const model::ColourCode* c = model::colourByChip(BandState.BandChip[band - 1]);
            //: A band of the drawn resistor and its colour, "第一环：红色".
            return QCoreApplication::translate("MainWindow", "%1：%2")
                .arg(wording::bandOrdinal(band), c ? wording::colourName(c->index) : QString());
        });
    // The tolerance, the flow chart and its result, then the two notes under it.
    for (const char* n :
         {"Label20", "Label9", "Label10", "Label11", "Label12", "Label13", "Label14", "Label15",
          "Label16", "Label17", "Label18", "Label19", "Label21", "Label23"})
        text(label(QString::fromLatin1(n)));
    for (int i = 0; i < model::palette::kSize; ++i)
        fixedButton(*Image29[i], wording::colourName(i));
    setAccessibleItems(std::move(items));
}

} // namespace zq::ui
