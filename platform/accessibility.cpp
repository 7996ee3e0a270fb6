// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Qt accessibility for painted controls: the window's interface lists, after its real child
// widgets, one interface per named control, and tells listeners when their texts change.
#include "platform/accessibility.h"
#include "platform/form.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTimer>

namespace zq {

namespace {

AccessibilityListener& listener() {
    static AccessibilityListener l;
    return l;
}

// A screen reader is listening: the desktop's bridge is up, or a listener stands in for it.
bool listening() {
    return QAccessible::isActive() || listener();
}

void tell(QAccessibleEvent& ev) {
    if (listener())
        listener()(&ev);
    else
        QAccessible::updateAccessibility(&ev);
}

class ItemAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    ItemAccessible(Form& form, std::size_t index) : form_(&form), index_(index) {}

    bool isValid() const override {
        return form_ && index_ < form_->accessibleItems().size() && item().control;
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return form_ ? form_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return form_ ? QAccessible::queryAccessibleInterface(form_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        const AccessibleItem& it = item();
        switch (t) {
        case QAccessible::Name:
            return it.name ? it.name() : QString();
        case QAccessible::Value:
            return it.value ? it.value() : QString();
        case QAccessible::Description:
            return it.description.isEmpty() ? it.control->ToolTipText() : it.description;
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = item().control->pixelRect();
        return QRect(form_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override {
        return isValid() ? item().role : QAccessible::NoRole;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const AccessibleItem& it = item();
        if (it.role == QAccessible::Button) {
            // Some buttons are a second picture laid over the first and shown only under
            // the pointer: pressable all the same.
            s.focusable = form_->isFocusable(it.control);
            s.focused = s.focusable && form_->focusedControl() == it.control;
        } else {
            s.readOnly = true;
            s.invisible = !it.control->Visible();
        }
        if (!form_->isVisible()) s.invisible = true;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ActionInterface && isValid() && item().role == QAccessible::Button)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }
    QStringList actionNames() const override {
        return isValid() && item().control->Click ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& action) override {
        if (action != pressAction() || !isValid()) return;
        // Later, from the window's own queue: a click may raise a modal warning, and the
        // reader asking for the press must not wait on it.
        Control* c = item().control;
        QPointer<Form> f = form_;
        QTimer::singleShot(0, form_.data(), [f, c] {
            if (f) f->activate(*c);
        });
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    std::size_t index() const { return index_; }
    Form* form() const { return form_; }

  private:
    const AccessibleItem& item() const { return form_->accessibleItems()[index_]; }
    QPointer<Form> form_;
    std::size_t index_;
};

} // namespace

class FormAccessible final : public QAccessibleWidget {
  public:
    explicit FormAccessible(Form* f) : QAccessibleWidget(f, QAccessible::Window) {
        f->rememberTexts();
    }

    Form* form() const { return static_cast<Form*>(widget()); }

    static QAccessibleInterface* item(Form& f, std::size_t i) {
        if (f.accessibleIds_.size() != f.accessibleItems_.size())
            f.accessibleIds_.resize(f.accessibleItems_.size(), 0);
        QAccessible::Id& id = f.accessibleIds_[i];
        if (!id) id = QAccessible::registerAccessibleInterface(new ItemAccessible(f, i));
        return QAccessible::accessibleInterface(id);
    }

    int childCount() const override {
        return QAccessibleWidget::childCount() + int(form()->accessibleItems().size());
    }
    QAccessibleInterface* child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets) return QAccessibleWidget::child(index);
        const auto i = std::size_t(index - widgets);
        return i < form()->accessibleItems().size() ? item(*form(), i) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        auto* it = dynamic_cast<const ItemAccessible*>(child);
        if (!it) return QAccessibleWidget::indexOfChild(child);
        if (it->form() != form()) return -1;
        return QAccessibleWidget::childCount() + int(it->index());
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        if (QAccessibleInterface* w = QAccessibleWidget::childAt(x, y)) return w;
        const QPoint p = form()->mapFromGlobal(QPoint(x, y));
        const auto& items = form()->accessibleItems();
        const auto& controls = form()->controls();
        // The front-most named control there, as the mouse would find it.
        for (const auto& c : controls) {
            if (!c->Visible() || !c->pixelRect().contains(p)) continue;
            for (std::size_t i = 0; i < items.size(); ++i)
                if (items[i].control == c.get()) return item(*form(), i);
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const auto& items = form()->accessibleItems();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].control && items[i].control == form()->focusedControl() &&
                items[i].role == QAccessible::Button)
                return item(*form(), i);
        return QAccessibleWidget::focusChild();
    }
};

namespace {

QAccessibleInterface* formFactory(const QString&, QObject* object) {
    if (auto* f = dynamic_cast<Form*>(object)) return new FormAccessible(f);
    return nullptr;
}

} // namespace

void adoptAccessibility(Form& form) {
    static const bool installed = (QAccessible::installFactory(formFactory), true);
    Q_UNUSED(installed);
    if (!listening()) return;
    // A reader that asked about the window while it was still a bare widget got a plain
    // interface, cached for good: drop it, so that the next question finds the controls.
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(&form);
    if (i && !dynamic_cast<FormAccessible*>(i))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));
}

void setAccessibilityListener(AccessibilityListener l) {
    listener() = std::move(l);
}

// ---------------------------------------------------------------------------------------

void Form::setAccessibleItems(std::vector<AccessibleItem> items) {
    dropAccessibleItems();
    accessibleItems_ = std::move(items);
    rememberTexts();
}

void Form::dropAccessibleItems() {
    for (QAccessible::Id id : accessibleIds_)
        if (id) QAccessible::deleteAccessibleInterface(id);
    accessibleIds_.clear();
    accessibleItems_.clear();
    announced_.clear();
}

bool Form::isFocusable(const Control* c) const {
    return std::find(focusOrder_.begin(), focusOrder_.end(), c) != focusOrder_.end();
}

static std::pair<QString, QString> textsOf(const AccessibleItem& it) {
    return {it.name ? it.name() : QString(), it.value ? it.value() : QString()};
}

void Form::rememberTexts() {
    announced_.clear();
    if (!listening()) return;
    for (const AccessibleItem& it : accessibleItems_)
        announced_.push_back(textsOf(it));
}

void Form::announceChanges() {
    // Nobody listens: keep no copies, so that a tick costs what it did.
    if (!listening()) {
        announced_.clear();
        return;
    }
    if (announced_.size() != accessibleItems_.size()) {
        rememberTexts();
        return;
    }
    for (std::size_t i = 0; i < accessibleItems_.size(); ++i) {
        auto now = textsOf(accessibleItems_[i]);
        auto& told = announced_[i];
        if (now == told) continue;
        QAccessibleInterface* iface = FormAccessible::item(*this, i);
        // One event per change: a text shown as its name says so by the name alone.
        if (now.first != told.first) {
            QAccessibleEvent ev(iface, QAccessible::NameChanged);
            tell(ev);
        } else {
            QAccessibleValueChangeEvent ev(iface, now.second);
            tell(ev);
        }
        told = std::move(now);
    }
}

void Form::announceFocus() {
    if (!listening() || !focused_) return;
    for (std::size_t i = 0; i < accessibleItems_.size(); ++i)
        if (accessibleItems_[i].control == focused_) {
            QAccessibleEvent ev(FormAccessible::item(*this, i), QAccessible::Focus);
            tell(ev);
            return;
        }
}

} // namespace zq
