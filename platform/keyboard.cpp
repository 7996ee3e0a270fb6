// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Keyboard use of a window whose controls are painted: a focus that walks the controls the
// window names, the mark that shows it, and the keys that press them.
#include "platform/form.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QTextEdit>
#include <algorithm>

namespace zq {

namespace {

// Windowed controls take the real focus; the painted ones take the window's.
QWidget* widgetOf(Control* c) {
    if (c && c->kind() == Kind::TextBox) return static_cast<TextBox*>(c)->widget();
    return nullptr;
}

} // namespace

void Form::setFocusOrder(std::vector<Control*> order) {
    focusOrder_ = std::move(order);
}

void Form::addArrowGroup(std::vector<Control*> group) {
    arrowGroups_.push_back(std::move(group));
}

void Form::passOverWhenHidden(std::vector<Control*> cs) {
    passedOverWhenHidden_ = std::move(cs);
}

bool Form::passedOver(const Control* c) const {
    return !c->Visible() && std::find(passedOverWhenHidden_.begin(), passedOverWhenHidden_.end(),
                                      c) != passedOverWhenHidden_.end();
}

bool Form::focusMarkShown() const {
    return keyboardUsed_ && focused_ && !widgetOf(focused_);
}

void Form::setFocusedControl(Control* c) {
    if (c == focused_) return;
    const bool marked = focusMarkShown();
    if (marked) requestRepaint(focused_->pixelRect().adjusted(-2, -2, 2, 2));
    focused_ = c;
    if (QWidget* w = widgetOf(c))
        w->setFocus(Qt::TabFocusReason);
    else if (focusWidget() && focusWidget() != this)
        setFocus(Qt::OtherFocusReason); // out of a windowed control, back to the painted ones
    if (focusMarkShown()) requestRepaint(focused_->pixelRect().adjusted(-2, -2, 2, 2));
    announceFocus();
}

void Form::showFocusMark(bool show) {
    if (keyboardUsed_ == show) return;
    const bool before = focusMarkShown();
    keyboardUsed_ = show;
    if (before != focusMarkShown()) requestRepaint(focused_->pixelRect().adjusted(-2, -2, 2, 2));
}

// A dotted rectangle just inside the control, dots of window text on the window's own
// background, so that it shows on dark and light pictures alike.
void Form::paintFocusMark(QPainter& p) const {
    if (!focusMarkShown()) return;
    const QRect r = focused_->pixelRect().adjusted(1, 1, -2, -2);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(back_, 1));
    p.drawRect(r);
    QPen dots(windowTextColour(), 1, Qt::CustomDashLine);
    dots.setDashPattern({1, 1});
    p.setPen(dots);
    p.drawRect(r);
    p.restore();
}

void Form::moveFocus(int step) {
    if (focusOrder_.empty()) return;
    const auto n = std::ptrdiff_t(focusOrder_.size());
    const auto at = std::find(focusOrder_.begin(), focusOrder_.end(), focused_);
    std::ptrdiff_t i;
    if (at == focusOrder_.end())
        i = step > 0 ? 0 : n - 1; // nothing focused yet: the first or the last
    else
        i = ((at - focusOrder_.begin()) + step + n) % n;
    for (std::ptrdiff_t tries = 1; tries < n && passedOver(focusOrder_[std::size_t(i)]); ++tries)
        i = (i + (step > 0 ? 1 : -1) + n) % n;
    setFocusedControl(focusOrder_[std::size_t(i)]);
}

void Form::moveInGroup(int step, bool toEnd) {
    if (!focused_) {
        moveFocus(1); // the first press finds the first control
        return;
    }
    for (const auto& g : arrowGroups_) {
        const auto at = std::find(g.begin(), g.end(), focused_);
        if (at == g.end()) continue;
        const auto n = std::ptrdiff_t(g.size());
        std::ptrdiff_t i = at - g.begin();
        if (toEnd)
            i = step > 0 ? n - 1 : 0;
        else
            i = (i + step + n) % n;
        const int dir = (step > 0) != toEnd ? 1 : -1;
        for (std::ptrdiff_t tries = 1; tries < n && passedOver(g[std::size_t(i)]); ++tries)
            i = (i + dir + n) % n;
        setFocusedControl(g[std::size_t(i)]);
        return;
    }
}

bool Form::focusNextPrevChild(bool next) {
    if (focusOrder_.empty()) return QWidget::focusNextPrevChild(next);
    // A text box clicked into carries the focus on from there.
    if (QWidget* fw = focusWidget(); fw && fw != this)
        for (Control* c : focusOrder_)
            if (QWidget* w = widgetOf(c); w && (w == fw || w->isAncestorOf(fw))) focused_ = c;
    showFocusMark(true);
    moveFocus(next ? 1 : -1);
    return true;
}

void Form::activate(Control& c) {
    if (!c.Click) return;
    QPointer<Form> alive(this);
    c.Click();
    if (alive && !unloaded_) announceChanges();
}

void Form::keyPressEvent(QKeyEvent* e) {
    const int shift = (e->modifiers() & Qt::ShiftModifier ? kShiftMask : 0) |
                      (e->modifiers() & Qt::ControlModifier ? kCtrlMask : 0) |
                      (e->modifiers() & Qt::AltModifier ? kAltMask : 0);
    QPointer<Form> alive(this);
    if (keyPressed(e->key(), shift)) {
        if (alive && !unloaded_) {
            showFocusMark(true);
            announceChanges();
        }
        return;
    }
    if (shift & (kCtrlMask | kAltMask)) {
        e->ignore(); // the desktop's keys and the window's own shortcuts
        return;
    }
    switch (e->key()) {
    case Qt::Key_Escape:
        // Every window but the main one closes on Esc, as a dialog does.
        if (isMainWindow()) break;
        Unload();
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        showFocusMark(true);
        moveInGroup(-1, false);
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        showFocusMark(true);
        moveInGroup(1, false);
        return;
    case Qt::Key_Home:
    case Qt::Key_End:
        showFocusMark(true);
        moveInGroup(e->key() == Qt::Key_End ? 1 : -1, true);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        showFocusMark(true);
        // A held key would press again behind every warning it raised.
        if (focused_ && !e->isAutoRepeat()) activate(*focused_);
        return;
    default:
        break;
    }
    e->ignore();
}

} // namespace zq
