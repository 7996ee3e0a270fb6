// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a screen reader learns about a window's lightweight controls. They are not widgets,
// so each window names the ones that matter; the rest are decoration and stay unseen.
#include <QAccessible>
#include <QString>
#include <functional>

namespace zq {

class Control;

struct AccessibleItem {
    Control* control = nullptr; // where it lies; a button's press runs its Click
    QAccessible::Role role = QAccessible::StaticText;
    std::function<QString()> name;  // read afresh each time it is asked for
    std::function<QString()> value; // texts: what the window shows; empty for none
    QString description;            // else the control's tooltip
};

class Form;

// Lets Qt's accessibility find a window's controls; each window calls it once it is built.
void adoptAccessibility(Form& form);

// Where the windows' change and focus events go instead of Qt's bridge, which drops them
// when no screen reader runs; empty restores the bridge. Tests listen here.
using AccessibilityListener = std::function<void(QAccessibleEvent*)>;
void setAccessibilityListener(AccessibilityListener l);

} // namespace zq
