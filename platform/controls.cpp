// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/screen.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
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
    // Straight from the picture's pixels: a pixmap would be a copy of them.
    p.drawImage(QRect(pixelRect().topLeft(), picture_.size()),
                picture_.imageFor(p.device()->devicePixelRatioF()));
}

// ---------------------------------------------------------------------------------------

Label::Label(Form& form, const ControlDesign& d, const SetFont& font)
    : Control(form, d), caption_(QString::fromUtf8(d.caption.data(), qsizetype(d.caption.size()))),
      fore_(d.hasFore ? toColor(d.fore) : QColor(Qt::black)), back_(toColor(d.back)),
      transparent_(d.transparent), design_(font), font_(font.font), align_(d.align),
      autoSize_(d.autoSize), wordWrap_(d.wordWrap) {}

void Label::layOut() const {
    // Labels are only ever made as non-const objects by their window; laying out is part of
    // reading them, as a cache is.
    if (!laidOut_) const_cast<Label*>(this)->setText();
}

// Fits the caption to the label (or the label to the caption) and lays it out.
void Label::setText() {
    laidOut_ = true;
    const QStringList lines = hardLines(caption_);
    double room = toPixelsX(width_);
    if (autoSize_) {
        // Sized to its text, but no wider than the design measured it.
        room = 0;
        for (const QString& l : lines)
            room =
                std::max(room, design_.songMeasure ? songMeasureWidth(l, design_.font.pixelSize())
                                                   : lineWidth(l, design_.font, false));
    }
    SetFont design = design_;
    for (;;) {
        font_ = fitLines(design, lines, room);
        metrics_ = lineMetrics(design, font_);
        // Labels break long text within their width, as the designs were laid out for.
        lines_ = layOutText(caption_, design, font_, metrics_, room, !autoSize_,
                            !autoSize_ && align_ == Align::Centre);
        const double height =
            autoSize_ ? double(lines_.size()) * metrics_.step : toPixelsY(height_);
        const double needed = keepInkInside(lines_, font_, metrics_, height);
        if (autoSize_) {
            // Sized to its text: as tall as the ink, where a face reaches further than one em.
            double w = 0;
            for (const SetLine& l : lines_)
                w = std::max(w, l.width);
            width_ = std::ceil(w) * Screen::TwipsPerPixelX();
            height_ = needed * Screen::TwipsPerPixelY();
            return;
        }
        // A face taller than the design's, in a one-line label: a pixel smaller until its
        // characters fit the height the design gave them.
        const int px = design.font.pixelSize();
        // (A pixel of antialiased edge may go; the tight ink box rounds outwards.)
        if (needed <= height + 1 || lines_.size() != 1 || px * 4 < design_.font.pixelSize() * 3)
            return;
        design.font.setPixelSize(px - 1);
    }
}

void Label::setCaption(const QString& c) {
    if (c == caption_) return;
    const QRect before = pixelRect();
    caption_ = c;
    laidOut_ = false;
    if (visible_) changed(before);
}

void Label::setForeColor(const QColor& c) {
    if (c == fore_) return;
    fore_ = c;
    if (visible_) changed(pixelRect());
}

double Label::Width() const {
    // Only a label sized to its text has to be measured to know its size.
    if (autoSize_) layOut();
    return width_;
}
double Label::Height() const {
    if (autoSize_) layOut();
    return height_;
}

void Label::setHeight(double twips) {
    if (twips == height_) return;
    const QRect before = pixelRect();
    height_ = twips;
    laidOut_ = false;
    if (visible_) changed(before);
}

void Label::paint(QPainter& p) const {
    const QRect r = pixelRect();
    if (!transparent_) p.fillRect(r, back_);
    if (caption_.isEmpty()) return;
    layOut();
    p.save();
    p.setClipRect(r);
    p.setFont(font_);
    p.setPen(fore_);
    for (const SetLine& l : lines_)
        for (const auto& [x, word] : l.words)
            p.drawText(QPointF(r.topLeft()) + l.origin + QPointF(x, 0), word);
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

TextBox::TextBox(Form& form, const ControlDesign& d, const SetFont& font)
    : Control(form, d), edit_(new QTextEdit(&form)), lineStep_(lineMetrics(font, font.font).step),
      songMeasure_(font.songMeasure) {
    edit_->setObjectName(name_);
    edit_->setAcceptRichText(false);
    edit_->setFont(font.font);
    edit_->setGeometry(pixelRect());
    edit_->setReadOnly(d.readOnly);
    // Read-only text stays selectable and copyable.
    if (d.readOnly)
        edit_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    edit_->setFocusPolicy(Qt::ClickFocus);
    if (d.scrollBars) {
        edit_->setLineWrapMode(QTextEdit::NoWrap);
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
    // Every line one step below the last, as in the design's face, whatever the face's own
    // line height.
    QTextBlockFormat step;
    step.setLineHeight(lineStep_, QTextBlockFormat::FixedHeight);
    QTextCursor all(edit_->document());
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(step);
    // Spaces as wide as in the design's face, so that indented lines stay under what they
    // are indented under.
    for (QTextBlock b = edit_->document()->begin(); b.isValid(); b = b.next())
        for (const QTextLayout::FormatRange& r :
             spaceFormats(b.text(), edit_->font(), songMeasure_)) {
            QTextCursor c(b);
            c.setPosition(b.position() + r.start);
            c.setPosition(b.position() + r.start + r.length, QTextCursor::KeepAnchor);
            c.mergeCharFormat(r.format);
        }
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
