// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/secondary_window.h"

#include "ui/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextEdit>

namespace zq::ui {

SecondaryWindow::SecondaryWindow(const FormDesign& design, zq::Form& mainWindow)
    : Form(design), mainWindow_(&mainWindow) {}

void SecondaryWindow::dragByTitle() {
    Label& title = label(QStringLiteral("title"));
    title.MouseDown = [this](int b, int s, double x, double y) { titlePressed(b, s, x, y); };
    title.MouseMove = [this](int b, int s, double x, double y) { titleDragged(b, s, x, y); };
    title.MouseUp = [this](int b, int s, double x, double y) { titleReleased(b, s, x, y); };
}

void SecondaryWindow::oneLineField(QTextEdit& field) {
    field.setLineWrapMode(QTextEdit::NoWrap);
    field.setAcceptRichText(false);
    field.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    field.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    field.setTabChangesFocus(true);
    field.setFocusPolicy(Qt::StrongFocus);
    field.installEventFilter(this);
}

void SecondaryWindow::titlePressed(int Button, int, double X, double Y) {
    dragPress(*this, Button, X, Y);
}
void SecondaryWindow::titleDragged(int, int, double X, double Y) {
    dragMove(*this, X, Y);
}
void SecondaryWindow::titleReleased(int, int, double, double) {
    dragRelease();
}

void SecondaryWindow::ReadAsShown::operator()(zq::Label& l) const {
    auto shown = [&l] { return l.Caption(); };
    items.push_back({&l, QAccessible::StaticText, shown, shown, {}});
}

void SecondaryWindow::ReadAsButton::operator()(zq::Control& c,
                                               std::function<QString()> name) const {
    items.push_back({&c, QAccessible::Button, std::move(name), {}, {}});
}

void SecondaryWindow::ReadAsButton::operator()(zq::Control& c, const QString& name) const {
    (*this)(c, [name] { return name; });
}

namespace {

QRect availableArea(const QWidget& w) {
    const QScreen* s = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect();
}

} // namespace

void SecondaryWindow::placeBesideMainWindow() {
    if (!mainWindow_) return;
    move(placeBeside(availableArea(*mainWindow_), mainWindow_->frameGeometry(), frameSize()));
}

void SecondaryWindow::placeBesideWindow(zq::Form& anchor) {
    if (!mainWindow_) return;
    const PairPlacement at =
        placeBesideAnchor(availableArea(*mainWindow_), mainWindow_->frameGeometry(),
                          anchor.frameGeometry(), frameSize());
    if (at.anchor != anchor.frameGeometry().topLeft()) anchor.move(at.anchor);
    move(at.window);
}

void SecondaryWindow::placeOverOrBesideWindow(zq::Form& anchor, const zq::Form* keepClear) {
    if (!mainWindow_) return;
    move(placeOverOrBesideAnchor(availableArea(*mainWindow_), mainWindow_->frameGeometry(),
                                 keepClear ? keepClear->frameGeometry() : QRect(),
                                 anchor.frameGeometry(), frameSize()));
}

void SecondaryWindow::keepOnScreen() {
    move(keepInside(availableArea(mainWindow_ ? *mainWindow_ : *this), frameGeometry()));
}

void SecondaryWindow::bringToFront(zq::Form& window) {
    if (&window != this && window.frameGeometry().contains(frameGeometry())) {
        const QRect area = availableArea(window);
        if (area.width() >= window.frameGeometry().width() + frameGeometry().width())
            move(placeBeside(area, window.frameGeometry(), frameSize()));
    }
    window.setVisible(true);
    if (window.isMinimized()) window.showNormal();
    window.QWidget::raise();
    window.activateWindow();
}

void SecondaryWindow::onUnload() {
    // Without the main window the program would run on with no window to reach it by. This
    // window goes first, then the main window is shown.
    hide();
    if (mainWindow_ && !mainWindow_->unloaded()) {
        mainWindow_->setVisible(true);
        mainWindow_->activateWindow(); // the keyboard goes back with it
    }
}

} // namespace zq::ui
