// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/about/about_window.h"
#include "ui/words.h"
#include "assets/designs/designs.h"
#include "ui/program_info.h"
#include "wording/help.h"

#include <QStringList>

namespace zq::ui {

namespace {

constexpr int kButtonHover = 140; // blue button, red text
constexpr int kButtonRest = 141;  // grey

} // namespace

AboutWindow::AboutWindow(zq::Form& mainWindow)
    : SecondaryWindow(designs::aboutWindow(), mainWindow) {
    Image& button = image(QStringLiteral("okButton"));
    button.MouseMove = [this](int b, int s, double x, double y) { okButtonHovered(b, s, x, y); };
    button.MouseDown = [this](int b, int s, double x, double y) { okButtonPressed(b, s, x, y); };
    button.Click = [this] { okClicked(); };

    // Like a dialog's default button, Enter presses it at once.
    setFocusOrder({&button});
    setFocusedControl(&button);
    std::vector<zq::AccessibleItem> items;
    const ReadAsShown text{items};
    text(label(QStringLiteral("programName")));
    text(label(QStringLiteral("aboutLines")));
    ReadAsButton{items}(button, [] { return QCoreApplication::translate("AboutWindow", "确定"); });
    setAccessibleItems(std::move(items));
}

QString AboutWindow::aboutText() {
    return q(wording::aboutText(contact()));
}

void AboutWindow::onLoad() {
    label(QStringLiteral("aboutLines")).setCaption(aboutText());
    if (mainWindow()) mainWindow()->setVisible(false);
}

// Only the window's own background turns the button grey again: leaving it for a label,
// the emblem or an edge keeps it blue.
void AboutWindow::mouseMovedOnSurface(int, int, double, double) {
    image(QStringLiteral("okButton")).setPicture(LoadResPicture(kButtonRest, 0));
}

void AboutWindow::okButtonHovered(int, int, double, double) {
    image(QStringLiteral("okButton")).setPicture(LoadResPicture(kButtonHover, 0));
}

void AboutWindow::okButtonPressed(int, int, double, double) {
    image(QStringLiteral("okButton")).setPicture(LoadResPicture(kButtonRest, 0));
}

void AboutWindow::okClicked() {
    // Unloading brings the main window back (onUnload), however the window is closed.
    Unload();
}

} // namespace zq::ui
