// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A frameless top-level window built from a design: its controls in one stacking order,
// the mouse routed to them as the handlers expect, and its properties in twips.
#include "platform/accessibility.h"
#include "platform/controls.h"
#include "platform/design.h"

#include <QCursor>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace zq {

enum WindowStateValue { kNormalState = 0, kMinimizedState = 1, kMaximizedState = 2 };

class Form : public QWidget {
  public:
    explicit Form(const FormDesign& design);
    ~Form() override;

    const QString& Name() const { return name_; }

    // Properties of the window, in twips.
    double Width() const;
    double Height() const;
    double Left() const;
    double Top() const;
    void setWidth(double twips);
    void setHeight(double twips);
    void setLeft(double twips);
    void setTop(double twips);
    void Move(double left, double top);
    bool Visible() const { return isVisible(); }
    void setVisible(bool visible) override;
    int WindowState() const;
    void setWindowState(int state);
    QString Caption() const { return windowTitle(); }
    // A frameless window asks for the system menu and minimise button before it minimises
    // itself, so that the desktop can give it back.
    void keepMinimisable();

    // Loads the window if it is not loaded yet, then shows it modeless.
    void Show();
    // Runs the load event once.
    void Load();
    bool loaded() const { return loaded_; }
    // Closes the window. Unloading the program's main window ends the program.
    void Unload();
    bool unloaded() const { return unloaded_; }
    void setMainWindow(bool main) { main_ = main; }
    bool isMainWindow() const { return main_; }
    // Windows created afresh each time they are opened free themselves when unloaded.
    void setDeleteOnUnload(bool d) { deleteOnUnload_ = d; }
    std::function<void()> Unloaded; // after the window has been unloaded

    // Controls by design name; an array element by name and index.
    Control& control(const QString& name, int index = -1) const;
    Image& image(const QString& name, int index = -1) const;
    Label& label(const QString& name, int index = -1) const;
    Line& line(const QString& name, int index = -1) const;
    TextBox& textBox(const QString& name) const;
    Timer& timer(const QString& name) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // The control the mouse would go to at a point of the window, in pixels: the
    // front-most one there that takes the mouse; nullptr for the window itself.
    Control* controlAt(QPoint pixel) const;
    // The cursor over controls whose design asks for a hand; from a picture, it is made the
    // first time it shows.
    void setHandCursor(const zq::Picture& picture, QPoint hotSpot);
    void setHandCursor(const QCursor& c) {
        hand_ = c;
        handPicture_ = {};
    }

    // Repaint book-keeping, so that a handler that writes the values a control already
    // has can be shown to cost nothing.
    quint64 repaintRequests() const { return repaintRequests_; }
    quint64 controlsPainted() const { return controlsPainted_; }
    void requestRepaint(const QRect& pixels);

    // The window's own events.
    virtual void onLoad() {}
    virtual void mousePressedOnSurface(int, int, double, double) {}
    virtual void mouseMovedOnSurface(int, int, double, double) {}
    virtual void mouseReleasedOnSurface(int, int, double, double) {}
    // The window is being unloaded, by the program or by the desktop.
    virtual void onUnload() {}

    QColor windowTextColour() const;

    // Keyboard use. The window names the controls Tab visits, in order, and the groups the
    // arrow keys move within; Enter and Space run the focused control's Click. The focus
    // mark shows only after a key press and hides at the next mouse move, so a mouse user
    // sees the window exactly as drawn.
    void setFocusOrder(std::vector<Control*> order);
    void addArrowGroup(std::vector<Control*> group);
    // Controls that take the focus only while shown (most hidden ones, such as hover
    // pictures laid over a button, still stand for it).
    void passOverWhenHidden(std::vector<Control*> cs);
    Control* focusedControl() const { return focused_; }
    void setFocusedControl(Control* c);
    bool focusMarkShown() const;
    bool isFocusable(const Control* c) const;
    // Runs a control's click for the keyboard or a screen reader.
    void activate(Control& c);
    // A key the window handles before the runtime's own keys; true when it was used.
    virtual bool keyPressed(int, int) { return false; }

    // What a screen reader is told about the controls; those not named are decoration.
    void setAccessibleItems(std::vector<AccessibleItem> items);
    const std::vector<AccessibleItem>& accessibleItems() const { return accessibleItems_; }
    // Tells a listening screen reader which named texts changed since it last looked.
    void announceChanges();

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void moveFocus(int step);
    bool passedOver(const Control* c) const;
    void moveInGroup(int step, bool toEnd);
    void showFocusMark(bool show);
    void paintFocusMark(QPainter& p) const;
    void announceFocus();
    void rememberTexts();
    void dropAccessibleItems();
    friend class FormAccessible;
    void deliver(Control* target, const MouseHandler Control::*which,
                 void (Form::*formHandler)(int, int, double, double), int button, int shift,
                 QPointF pos);
    void updateCursor(Control* over);
    void forgetLostButtons(QMouseEvent* e);

    QString name_;
    QColor back_;
    std::vector<std::unique_ptr<Control>> controls_; // front to back
    bool loaded_ = false;
    bool unloaded_ = false;
    bool unloading_ = false;
    bool main_ = false;
    bool deleteOnUnload_ = false;
    bool wasMinimised_ = false;
    // Mouse capture: while a button is held, the control it went down on gets everything.
    bool captured_ = false;
    Control* captureTarget_ = nullptr;
    int heldButtons_ = 0;
    zq::Picture handPicture_;
    QPoint handHotSpot_;
    QCursor hand_;
    quint64 repaintRequests_ = 0;
    quint64 controlsPainted_ = 0;
    std::vector<Control*> focusOrder_;
    std::vector<std::vector<Control*>> arrowGroups_;
    std::vector<Control*> passedOverWhenHidden_;
    Control* focused_ = nullptr;
    bool keyboardUsed_ = false;
    std::vector<AccessibleItem> accessibleItems_;
    std::vector<std::pair<QString, QString>> announced_; // name and value last told
    std::vector<QAccessible::Id> accessibleIds_;         // interfaces this window owns
};

// The installed face that stands in for a design's font, at the design's size and weight.
SetFont designFont(const FontDesign& f, const FontDesign& fallback);

} // namespace zq
