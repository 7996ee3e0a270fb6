// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/form.h"
#include "platform/errors.h"
#include "platform/font_names.h"
#include "platform/program.h"
#include "platform/screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QToolTip>
#include <QWindow>

namespace zq {

namespace {

QString fromView(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

int buttonCode(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return kLeftButton;
    case Qt::RightButton:
        return kRightButton;
    case Qt::MiddleButton:
        return kMiddleButton;
    default:
        return 0;
    }
}

int buttonCodes(Qt::MouseButtons bs) {
    int r = 0;
    if (bs & Qt::LeftButton) r |= kLeftButton;
    if (bs & Qt::RightButton) r |= kRightButton;
    if (bs & Qt::MiddleButton) r |= kMiddleButton;
    return r;
}

int shiftCode(Qt::KeyboardModifiers m) {
    int r = 0;
    if (m & Qt::ShiftModifier) r |= kShiftMask;
    if (m & Qt::ControlModifier) r |= kCtrlMask;
    if (m & Qt::AltModifier) r |= kAltMask;
    return r;
}

} // namespace

SetFont designFont(const FontDesign& f, const FontDesign& fallback) {
    const FontDesign& use = f.face.empty() ? fallback : f;
    const QString face = fromView(use.face);
    const QString installed = installedFaceFor(face);
    QFont font(installed.isEmpty() ? face : installed);
    font.setPixelSize(pointsToPixels(use.points));
    font.setBold(use.bold);
    // The stand-in for Tahoma runs wider; narrowed to Tahoma's measure, the
    // texts keep to the places the design made for them.
    if (face == QLatin1String("Tahoma") && installed != QLatin1String("Tahoma"))
        font.setStretch(88);
    return {font, face == fonts::song()};
}

Form::Form(const FormDesign& d)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint),
      name_(fromView(d.name)), back_(toColor(d.back)) {
    setObjectName(name_);
    setWindowTitle(fromView(d.caption));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    if (!d.icon.empty()) {
        const QString path = fromView(d.icon);
        QIcon icon = IconFromPicture(LoadDesignPicture(path), devicePixelRatioF());
        // Title bars and task bars ask for 16 pixels: the design's small drawing where it has
        // one ("icon16.png" beside "icon.png"), rather than the large one squeezed.
        const QString small = QString(path).replace(QLatin1String(".png"), QLatin1String("16.png"));
        if (QFile::exists(small))
            icon.addPixmap(QPixmap::fromImage(LoadDesignPicture(small).image()));
        setWindowIcon(icon);
    }
    setFont(designFont(d.font, d.font).font);
    resize(toPixelsX(d.width), toPixelsY(d.height));
    move(toPixelsX(d.left), toPixelsY(d.top));

    controls_.reserve(d.controls.size());
    for (const ControlDesign& c : d.controls) {
        switch (c.kind) {
        case Kind::Image:
            controls_.push_back(std::make_unique<Image>(*this, c));
            break;
        case Kind::Label:
            controls_.push_back(std::make_unique<Label>(*this, c, designFont(c.font, d.font)));
            break;
        case Kind::Line:
            controls_.push_back(std::make_unique<Line>(*this, c));
            break;
        case Kind::TextBox:
            controls_.push_back(std::make_unique<TextBox>(*this, c, designFont(c.font, d.font)));
            break;
        case Kind::Timer:
            controls_.push_back(std::make_unique<Timer>(*this, c));
            break;
        }
    }
    adoptAccessibility(*this);
}

Form::~Form() {
    dropAccessibleItems();
    focusOrder_.clear();
    arrowGroups_.clear();
    focused_ = nullptr;
    controls_.clear();
}

void Form::keepMinimisable() {
    const Qt::WindowFlags f =
        windowFlags() | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint;
    // On the native window, not the widget: changing a widget's flags recreates it.
    if (QWindow* win = windowHandle())
        win->setFlags(f);
    else
        setWindowFlags(f);
}

double Form::Width() const {
    return width() * Screen::TwipsPerPixelX();
}
double Form::Height() const {
    return height() * Screen::TwipsPerPixelY();
}
double Form::Left() const {
    return x() * Screen::TwipsPerPixelX();
}
double Form::Top() const {
    return y() * Screen::TwipsPerPixelY();
}
void Form::setWidth(double twips) {
    resize(toPixelsX(twips), height());
}
void Form::setHeight(double twips) {
    resize(width(), toPixelsY(twips));
}
void Form::setLeft(double twips) {
    Move(twips, Top());
}
void Form::setTop(double twips) {
    Move(Left(), twips);
}
void Form::Move(double left, double top) {
    move(toPixelsX(left), toPixelsY(top));
}

void Form::setVisible(bool visible) {
    if (visible && !loaded_) Load();
    // A window once minimised keeps asking the window manager to map it iconic, even after
    // the user restored it from the task bar; showing it again must bring it back whole.
    if (visible && !isVisible() && wasMinimised_) {
        wasMinimised_ = false;
        QWidget::setWindowState(windowState() | Qt::WindowMinimized);
        QWidget::setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    QWidget::setVisible(visible);
}

int Form::WindowState() const {
    const Qt::WindowStates s = windowState();
    if (s & Qt::WindowMinimized) return kMinimizedState;
    if (s & Qt::WindowMaximized) return kMaximizedState;
    return kNormalState;
}

void Form::setWindowState(int state) {
    switch (state) {
    case kMinimizedState:
        // Not showMinimized(): it goes through setVisible, which brings windows back whole.
        wasMinimised_ = true;
        QWidget::setWindowState((windowState() & ~Qt::WindowActive) | Qt::WindowMinimized);
        if (!isVisible()) QWidget::setVisible(true);
        break;
    case kMaximizedState:
        showMaximized();
        break;
    default:
        showNormal();
        break;
    }
}

void Form::Load() {
    if (loaded_) return;
    loaded_ = true;
    onLoad();
    for (auto& c : controls_)
        if (c->kind() == Kind::Timer) static_cast<Timer&>(*c).start();
}

void Form::Show() {
    Load();
    if (unloaded_) return; // the load handler may have unloaded the window
    show();
    activateWindow();
}

void Form::Unload() {
    if (unloading_ || unloaded_) return;
    unloading_ = true;
    onUnload();
    for (auto& c : controls_)
        if (c->kind() == Kind::Timer) static_cast<Timer&>(*c).stop();
    QWidget::setVisible(false);
    unloaded_ = true;
    unloading_ = false;
    captured_ = false;
    captureTarget_ = nullptr;
    if (Unloaded) Unloaded();
    if (main_) EndProgram();
    if (deleteOnUnload_) deleteLater();
}

Control& Form::control(const QString& name, int index) const {
    for (const auto& c : controls_)
        if (c->Index() == index && c->Name() == name) return *c;
    throw RuntimeError(QStringLiteral("%1 has no control %2(%3)").arg(name_, name).arg(index));
}

template <class T> static T& as(Control& c, Kind k) {
    if (c.kind() != k) throw RuntimeError(QStringLiteral("%1 is of another kind").arg(c.Name()));
    return static_cast<T&>(c);
}

Image& Form::image(const QString& n, int i) const {
    return as<Image>(control(n, i), Kind::Image);
}
Label& Form::label(const QString& n, int i) const {
    return as<Label>(control(n, i), Kind::Label);
}
Line& Form::line(const QString& n, int i) const {
    return as<Line>(control(n, i), Kind::Line);
}
TextBox& Form::textBox(const QString& n) const {
    return as<TextBox>(control(n), Kind::TextBox);
}
Timer& Form::timer(const QString& n) const {
    return as<Timer>(control(n), Kind::Timer);
}

Control* Form::controlAt(QPoint pixel) const {
    for (const auto& c : controls_) {
        if (!c->Visible() || !c->takesMouse()) continue;
        if (!c->pixelRect().contains(pixel)) continue;
        // A disabled control passes the mouse to the window, not to what lies behind it.
        return c->Enabled() ? c.get() : nullptr;
    }
    return nullptr;
}

void Form::requestRepaint(const QRect& pixels) {
    ++repaintRequests_;
    update(pixels);
}

QColor Form::windowTextColour() const {
    return QApplication::palette().color(QPalette::WindowText);
}

void Form::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QRect dirty = e->rect();
    p.fillRect(dirty, back_);
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        const Control& c = **it;
        if (!c.Visible() || !c.pixelRect().intersects(dirty)) continue;
        ++controlsPainted_;
        c.paint(p);
    }
    paintFocusMark(p);
}

void Form::deliver(Control* target, const MouseHandler Control::*which,
                   void (Form::*formHandler)(int, int, double, double), int button, int shift,
                   QPointF pos) {
    if (target) {
        const MouseHandler& h = target->*which;
        if (!h) return; // the control takes the event even without a handler
        const QRect r = target->pixelRect();
        h(button, shift, (pos.x() - r.x()) * Screen::TwipsPerPixelX(),
          (pos.y() - r.y()) * Screen::TwipsPerPixelY());
    } else {
        (this->*formHandler)(button, shift, pos.x() * Screen::TwipsPerPixelX(),
                             pos.y() * Screen::TwipsPerPixelY());
    }
}

void Form::setHandCursor(const zq::Picture& picture, QPoint hotSpot) {
    handPicture_ = picture;
    handHotSpot_ = hotSpot;
    hand_ = QCursor();
}

void Form::updateCursor(Control* over) {
    bool hand = over && over->MousePointer() == Cursor::Hand;
    if (hand && hand_.pixmap().isNull() && !handPicture_.isNull())
        hand_ =
            QCursor(QPixmap::fromImage(handPicture_.image()), handHotSpot_.x(), handHotSpot_.y());
    hand = hand && !hand_.pixmap().isNull();
    if (hand)
        setCursor(hand_);
    else
        unsetCursor();
}

// Qt drops a release when the widget that took the press went away while the button was
// down (a window closed, a context menu); without this the capture, and any drag, would
// stick to the pointer with every button up. The control gets the release it missed.
void Form::forgetLostButtons(QMouseEvent* e) {
    const int lost = heldButtons_ & ~buttonCodes(e->buttons()) & ~buttonCode(e->button());
    if (!lost || !captured_) return;
    Control* target = captureTarget_;
    heldButtons_ &= ~lost;
    if (heldButtons_ == 0) {
        captured_ = false;
        captureTarget_ = nullptr;
    }
    for (int b : {kLeftButton, kRightButton, kMiddleButton})
        if (lost & b)
            deliver(target, &Control::MouseUp, &Form::mouseReleasedOnSurface, b,
                    shiftCode(e->modifiers()), e->position());
}

void Form::mousePressEvent(QMouseEvent* e) {
    const int button = buttonCode(e->button());
    if (!button) return;
    forgetLostButtons(e);
    const QPointF pos = e->position();
    if (!captured_) {
        captured_ = true;
        captureTarget_ = controlAt(pos.toPoint());
        // The keyboard carries on from the control last pressed.
        if (captureTarget_ && isFocusable(captureTarget_)) setFocusedControl(captureTarget_);
    }
    heldButtons_ |= button;
    deliver(captureTarget_, &Control::MouseDown, &Form::mousePressedOnSurface, button,
            shiftCode(e->modifiers()), pos);
}

void Form::mouseMoveEvent(QMouseEvent* e) {
    showFocusMark(false); // the mouse is back: the window as drawn for it
    forgetLostButtons(e);
    const QPointF pos = e->position();
    Control* target = captured_ ? captureTarget_ : controlAt(pos.toPoint());
    if (!captured_) updateCursor(target);
    deliver(target, &Control::MouseMove, &Form::mouseMovedOnSurface, buttonCodes(e->buttons()),
            shiftCode(e->modifiers()), pos);
}

void Form::mouseReleaseEvent(QMouseEvent* e) {
    const int button = buttonCode(e->button());
    if (!button) return;
    const QPointF pos = e->position();
    Control* target = captured_ ? captureTarget_ : controlAt(pos.toPoint());
    heldButtons_ &= ~button;
    if (heldButtons_ == 0) {
        captured_ = false;
        captureTarget_ = nullptr;
    }
    QPointer<Form> alive(this);
    deliver(target, &Control::MouseUp, &Form::mouseReleasedOnSurface, button,
            shiftCode(e->modifiers()), pos);
    if (!alive || unloaded_) return;
    // A click is a left press and release on the same control, the pointer still over it.
    if (button == kLeftButton && target && target->Click &&
        target->pixelRect().contains(pos.toPoint()))
        target->Click();
    if (alive && !unloaded_) announceChanges();
}

bool Form::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        Control* c = controlAt(help->pos());
        if (c && !c->ToolTipText().isEmpty())
            QToolTip::showText(help->globalPos(), c->ToolTipText(), this);
        else
            QToolTip::hideText();
        return true;
    }
    if (e->type() == QEvent::Leave && !captured_) unsetCursor();
    return QWidget::event(e);
}

void Form::closeEvent(QCloseEvent* e) {
    // Closing by the desktop (Alt+F4, the window list) unloads the window like the program would.
    e->accept();
    if (!unloaded_) Unload();
}

} // namespace zq
