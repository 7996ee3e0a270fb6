// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/about/about_window.h"
#include "assets/designs/designs.h"
#include "ui/program_info.h"

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
    const QStringList lines = {
        QCoreApplication::translate("AboutWindow", "软件名称：Zelquin"),
        QCoreApplication::translate("AboutWindow", "软件版本：V1.1"),
        QString(),
        QCoreApplication::translate("AboutWindow", "使用平台：Win9x/Me/NT/2000/XP/Vista/7"),
        QCoreApplication::translate("AboutWindow", "主页：%1").arg(kHomePage),
        QString(),
        // Fifteen columns of label, so that the second address stands under the first.
        QCoreApplication::translate("AboutWindow", "电子邮件地址： %1").arg(kMakerMail),
        QString(15, u' ') + kMakerMail2, // under the first address
        QCoreApplication::translate("AboutWindow", "即时通讯号：%1").arg(messengerNumbers()),
        QCoreApplication::translate("AboutWindow", "即时通讯帐号：%1").arg(kMessengerAccount),
        QString(),
        QCoreApplication::translate("AboutWindow", "作者：%1").arg(authorName()),
        QString(),
        QCoreApplication::translate("AboutWindow", "%1 版权所有").arg(makerName()),
    };
    return lines.join(QStringLiteral("\r\n"));
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
