#include "platform/controls.h"
#include "platform/form.h"
#include "platform/screen.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace zq {

QColor toColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

Control::Control(Form& form, const ControlDesign& d)
    : form_(form), name_(QString::fromUtf8(d.name.data(), qsizetype(d.name.size()))),
      index_(d.index), kind_(d.kind), visible_(d.visible), enabled_(d.enabled),
      toolTip_(QString::fromUtf8(d.tooltip.data(), qsizetype(d.tooltip.size()))), cursor_(d.cursor),
      left_(d.left), top_(d.top), width_(d.width), height_(d.height) {}

Control::~Control() = default;

QRect Control::pixelRect() const {
    return QRect(toPixelsX(left_), toPixelsY(top_), toPixelsX(Width()), toPixelsY(Height()));
}

void Control::changed(const QRect& before) {
    form_.requestRepaint(before.united(pixelRect()));
}

void Control::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    form_.requestRepaint(pixelRect());
}

void Control::setLeft(double twips) {
    Move(twips, top_);
}
void Control::setTop(double twips) {
    Move(left_, twips);
}

void Control::Move(double left, double top) {
    if (left == left_ && top == top_) return;
    const QRect before = pixelRect();
    left_ = left;
    top_ = top;
    if (visible_) changed(before);
}

// ---------------------------------------------------------------------------------------

Image::Image(Form& form, const ControlDesign& d) : Control(form, d) {
    if (!d.picture.empty())
        picture_ =
            LoadDesignPicture(QString::fromUtf8(d.picture.data(), qsizetype(d.picture.size())));
}

void Image::setPicture(const zq::Picture& p) {
    if (p == picture_) return;
    const QRect before = pixelRect();
    picture_ = p;
    if (visible_) changed(before);
}

double Image::Width() const {
    return picture_.isNull() ? width_ : picture_.size().width() * Screen::TwipsPerPixelX();
}

double Image::Height() const {
    return picture_.isNull() ? height_ : picture_.size().height() * Screen::TwipsPerPixelY();
}

void Image::paint(QPainter& p) const {
    if (picture_.isNull()) return;
    const QPixmap& pm = picture_.pixmapFor(p.device()->devicePixelRatioF());
    p.drawPixmap(QRect(pixelRect().topLeft(), picture_.size()), pm);
}

// ---------------------------------------------------------------------------------------

Label::Label(Form& form, const ControlDesign& d, const QFont& font)
    : Control(form, d), caption_(QString::fromUtf8(d.caption.data(), qsizetype(d.caption.size()))),
      fore_(d.hasFore ? toColor(d.fore) : QColor(Qt::black)), back_(toColor(d.back)),
      transparent_(d.transparent), font_(font), align_(d.align), autoSize_(d.autoSize),
      wordWrap_(d.wordWrap) {
    if (autoSize_) fitToText();
}

void Label::fitToText() {
    const QFontMetrics fm(font_);
    const QStringList lines = caption_.split(QLatin1Char('\n'));
    int w = 0;
    for (const QString& l : lines)
        w = std::max(w, fm.horizontalAdvance(QString(l).remove(QLatin1Char('\r'))));
    width_ = w * Screen::TwipsPerPixelX();
    height_ = int(lines.size()) * font_.pixelSize() * Screen::TwipsPerPixelY();
}

void Label::setCaption(const QString& c) {
    if (c == caption_) return;
    const QRect before = pixelRect();
    caption_ = c;
    if (autoSize_) fitToText();
    if (visible_) changed(before);
}

void Label::setForeColor(const QColor& c) {
    if (c == fore_) return;
    fore_ = c;
    if (visible_) changed(pixelRect());
}

double Label::Width() const {
    return width_;
}
double Label::Height() const {
    return height_;
}

void Label::paint(QPainter& p) const {
    const QRect r = pixelRect();
    if (!transparent_) p.fillRect(r, back_);
    if (caption_.isEmpty()) return;
    p.save();
    p.setClipRect(r);
    p.setFont(font_);
    p.setPen(fore_);
    int flags = Qt::AlignTop | (align_ == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft);
    // Labels break long text within their width, as the designs were laid out for.
    if (wordWrap_ || !autoSize_) flags |= Qt::TextWordWrap;
    QString text = caption_;
    text.remove(QLatin1Char('\r'));
    p.drawText(r, flags, text);
    p.restore();
}

// ---------------------------------------------------------------------------------------

Line::Line(Form& form, const ControlDesign& d)
    : Control(form, d), x1_(d.left), y1_(d.top), x2_(d.width), y2_(d.height),
      colour_(d.hasFore ? toColor(d.fore) : form.windowTextColour()), width_px_(d.lineWidth) {}

void Line::setEnds(double x1, double y1, double x2, double y2) {
    if (x1 == x1_ && y1 == y1_ && x2 == x2_ && y2 == y2_) return;
    const QRect before = pixelRect();
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    if (visible_) changed(before);
}

void Line::setBorderColor(const QColor& c) {
    if (c == colour_) return;
    colour_ = c;
    if (visible_) changed(pixelRect());
}

QRect Line::pixelRect() const {
    const int ax = toPixelsX(x1_), ay = toPixelsY(y1_), bx = toPixelsX(x2_), by = toPixelsY(y2_);
    const int lead = (width_px_ - 1) / 2 + (width_px_ > 1 ? 1 : 0);
    return QRect(QPoint(std::min(ax, bx) - lead, std::min(ay, by) - lead),
                 QPoint(std::max(ax, bx) + width_px_, std::max(ay, by) + width_px_));
}

void Line::paint(QPainter& p) const {
    const int ax = toPixelsX(x1_), ay = toPixelsY(y1_), bx = toPixelsX(x2_), by = toPixelsY(y2_);
    // A pen of n pixels covers n rows (or columns) centred on the line, the odd one below.
    const int before = width_px_ / 2;
    if (ay == by) {
        p.fillRect(QRect(std::min(ax, bx), ay - before, std::abs(bx - ax) + 1, width_px_), colour_);
    } else if (ax == bx) {
        p.fillRect(QRect(ax - before, std::min(ay, by), width_px_, std::abs(by - ay) + 1), colour_);
    } else {
        p.save();
        p.setPen(QPen(colour_, width_px_));
        p.drawLine(ax, ay, bx, by);
        p.restore();
    }
}

// ---------------------------------------------------------------------------------------

TextBox::TextBox(Form& form, const ControlDesign& d, const QFont& font)
    : Control(form, d), edit_(new QPlainTextEdit(&form)) {
    edit_->setObjectName(name_);
    edit_->setFont(font);
    edit_->setGeometry(pixelRect());
    edit_->setReadOnly(d.readOnly);
    // Read-only text stays selectable and copyable.
    if (d.readOnly)
        edit_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    edit_->setFocusPolicy(Qt::ClickFocus);
    if (d.scrollBars) {
        edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
        edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }
    edit_->setVisible(d.visible);
    setText(QString::fromUtf8(d.caption.data(), qsizetype(d.caption.size())));
}

TextBox::~TextBox() = default; // the widget belongs to the window

void TextBox::setText(const QString& t) {
    text_ = t;
    // The box shows lines, not the carriage returns between them.
    QString shown = t;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    edit_->setPlainText(shown);
}

// ---------------------------------------------------------------------------------------

Timer::Timer(Form& form, const ControlDesign& d) : Control(form, d), timer_(new QTimer(&form)) {
    timer_->setInterval(d.interval);
    enabled_ = d.timerEnabled;
    QObject::connect(timer_, &QTimer::timeout, [this] { fire(); });
}

Timer::~Timer() = default;

int Timer::Interval() const {
    return timer_->interval();
}
bool Timer::running() const {
    return timer_->isActive();
}

void Timer::setTimerEnabled(bool e) {
    enabled_ = e;
    if (!e)
        timer_->stop();
    else if (form_.loaded() && !form_.unloaded())
        timer_->start();
}

void Timer::start() {
    if (enabled_ && timer_->interval() > 0) timer_->start();
}

void Timer::stop() {
    timer_->stop();
}

void Timer::fire() {
    if (Tick) Tick();
    form_.announceChanges(); // a listening screen reader hears what the tick changed
}

} // namespace zq
