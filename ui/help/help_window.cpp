// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/help/help_window.h"
#include "ui/words.h"
#include "assets/designs/designs.h"
#include "platform/screen.h"
#include "ui/program_info.h"
#include "wording/help.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QTextEdit>
#include <algorithm>

namespace zq::ui {

HelpWindow::HelpWindow(zq::Form& mainWindow) : SecondaryWindow(designs::helpWindow(), mainWindow) {
    image(QStringLiteral("closeButton")).Click = [this] { closeClicked(); };
    dragByTitle();
    Label& title = label(QStringLiteral("title"));

    // From the keyboard: Tab reaches the text, to scroll it, and the close box.
    TextBox& text = textBox(QStringLiteral("text"));
    Image& close = image(QStringLiteral("closeButton"));
    setFocusOrder({&text, &close});
    text.widget()->setAccessibleName(title.Caption());
    std::vector<zq::AccessibleItem> items;
    ReadAsShown{items}(title);
    ReadAsButton{items}(close, [] { return QCoreApplication::translate("HelpWindow", "关闭"); });
    setAccessibleItems(std::move(items));
}

QString HelpWindow::helpText() {
    return q(wording::helpText(contact()));
}

QString HelpWindow::windowsText() {
    return q(wording::otherWindowsText());
}

void HelpWindow::onLoad() {
    textBox(QStringLiteral("text")).setText(helpText() + windowsText());
}

bool HelpWindow::keyPressed(int KeyCode, int Shift) {
    if (Shift & (kCtrlMask | kAltMask)) return false;
    const auto action = [KeyCode] {
        switch (KeyCode) {
        case Qt::Key_PageDown:
            return QAbstractSlider::SliderPageStepAdd;
        case Qt::Key_PageUp:
            return QAbstractSlider::SliderPageStepSub;
        case Qt::Key_Down:
            return QAbstractSlider::SliderSingleStepAdd;
        case Qt::Key_Up:
            return QAbstractSlider::SliderSingleStepSub;
        default:
            return QAbstractSlider::SliderNoAction;
        }
    }();
    if (action == QAbstractSlider::SliderNoAction) return false;
    textBox(QStringLiteral("text")).widget()->verticalScrollBar()->triggerAction(action);
    return true;
}

void HelpWindow::closeClicked() {
    // Unloading brings the main window back (onUnload), however the window is closed.
    Unload();
}

} // namespace zq::ui
