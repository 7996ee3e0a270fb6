// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The drawn multimeter, its band keys and the read-outs that the code shows on its display.
//
// The multimeter is laid out around the controls that the main window puts over it: the
// maker's name in white over the upper bezel, the value label and the two read-out places
// on the display, and the five band keys in their wells.
#include <QLinearGradient>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "assets/pictures/studio.h"

namespace zq::paint {
namespace {

const int kMeterX = twipsToPixels(240), kMeterY = twipsToPixels(960);

// Controls over the meter, in meter pixels.
QRect onMeter(int leftTwips, int topTwips, int width, int height) {
    return {twipsToPixels(leftTwips) - kMeterX, twipsToPixels(topTwips) - kMeterY, width, height};
}
const QRect kMakerLabel = onMeter(1140, 1320, 56, 14); // white text
const QRect kValueLabel = onMeter(690, 1560, 121, 31);
const QRect kUnitPlace = onMeter(680, 2100, 34, 19);
const QRect kTolerancePlace = onMeter(1410, 2100, 71, 18);
const std::array<int, 5> kKeyLefts{630, 1020, 1380, 1770, 2160}; // twips
const int kKeyTop = 2760;
constexpr int kKeyW = 23, kKeyH = 10;

// The display: every place the code writes to lies inside it, with a margin.
const QRect kDisplayRect(24, 43, 130, 56);
const QRectF kSurround(18.5, 38.5, 140, 66);
constexpr QColor kWell(20, 21, 25);

QRect keyRect(int i) {
    return onMeter(kKeyLefts[std::size_t(i)], kKeyTop, kKeyW, kKeyH);
}

void holster(QPainter& p) {
    const QRectF outer(0.5, 0.5, 176, 377);
    QLinearGradient body(0, 0, 177, 378);
    body.setColorAt(0, QColor(255, 226, 72));
    body.setColorAt(0.55, QColor(252, 200, 24));
    body.setColorAt(1, QColor(232, 162, 0));
    p.setPen(QPen(QColor(142, 94, 0), 1));
    p.setBrush(body);
    p.drawRoundedRect(outer, 17, 17);
    // Rounded rubber: a light rim along the upper left, a gloss on the left flank.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 243, 170), 1));
    p.drawRoundedRect(QRectF(1.5, 1.5, 174, 375), 16, 16);
    QLinearGradient gloss(3, 0, 12, 0);
    gloss.setColorAt(0, QColor(255, 255, 255, 0));
    gloss.setColorAt(0.4, QColor(255, 255, 255, 120));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(QRectF(3, 24, 8, 330), 4, 4);
    // Grips on both flanks.
    p.setBrush(QColor(214, 150, 0));
    for (int i = 0; i < 6; ++i) {
        p.drawRoundedRect(QRectF(2.5, 170 + 12 * i, 5, 6), 2, 2);
        p.drawRoundedRect(QRectF(169.5, 170 + 12 * i, 5, 6), 2, 2);
    }
}

void facePlate(QPainter& p) {
    const QRectF plate(9.5, 11.5, 158, 355);
    QLinearGradient g(0, plate.top(), 0, plate.bottom());
    g.setColorAt(0, QColor(72, 77, 86));
    g.setColorAt(1, QColor(44, 47, 54));
    p.setPen(QPen(QColor(28, 28, 32), 1));
    p.setBrush(g);
    p.drawRoundedRect(plate, 10, 10);
    p.setPen(QPen(QColor(104, 110, 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(20, 12.5), QPointF(157, 12.5));
}

void display(QPainter& p) {
    // Grey surround, bevelled into the plate.
    const QRectF surround = kSurround;
    QLinearGradient g(0, surround.top(), 0, surround.bottom());
    g.setColorAt(0, QColor(150, 156, 164));
    g.setColorAt(1, QColor(112, 118, 126));
    p.setPen(QPen(QColor(24, 25, 28), 1));
    p.setBrush(g);
    p.drawRoundedRect(surround, 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 74, 80));
    p.drawRect(kDisplayRect.adjusted(-1, -1, 1, 1));
    // The liquid crystal itself is one flat colour, so that read-outs sit in it unseen;
    // only its top and left rim are shaded, away from every place the code writes to.
    p.setBrush(qcolour(ink::kDisplay));
    p.drawRect(kDisplayRect);
    p.setBrush(QColor(118, 142, 112));
    p.drawRect(QRect(kDisplayRect.left(), kDisplayRect.top(), kDisplayRect.width(), 1));
    p.drawRect(QRect(kDisplayRect.left(), kDisplayRect.top(), 1, kDisplayRect.height()));
    p.setBrush(QColor(130, 155, 123));
    p.drawRect(QRect(kDisplayRect.left() + 1, kDisplayRect.top() + 1, kDisplayRect.width() - 1, 1));
    p.drawRect(
        QRect(kDisplayRect.left() + 1, kDisplayRect.top() + 1, 1, kDisplayRect.height() - 1));
}

void keyPanel(QPainter& p) {
    const QRect first = keyRect(0), last = keyRect(4);
    const QRectF panel(first.left() - 4.5, first.top() - 3.5, last.right() - first.left() + 10,
                       kKeyH + 7);
    p.setPen(QPen(QColor(22, 23, 26), 1));
    p.setBrush(QColor(36, 38, 44));
    p.drawRoundedRect(panel, 4, 4);
    p.setPen(QPen(QColor(96, 102, 112), 1));
    p.drawLine(QPointF(panel.left() + 4, panel.bottom() + 1),
               QPointF(panel.right() - 4, panel.bottom() + 1));
    p.setPen(Qt::NoPen);
    p.setBrush(kWell);
    for (int i = 0; i < 5; ++i)
        p.drawRect(keyRect(i).adjusted(-1, -1, 1, 1));
    // Band numbers under the keys.
    p.setPen(QColor(226, 228, 232));
    p.setFont(sansFont(8, true));
    for (int i = 0; i < 5; ++i) {
        const QRect k = keyRect(i);
        p.drawText(QRectF(k.left(), panel.bottom() + 2, k.width(), 10), Qt::AlignCenter,
                   QString::number(i + 1));
    }
}

QPointF polar(QPointF c, double r, double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    return {c.x() + r * std::cos(a), c.y() + r * std::sin(a)};
}

void selector(QPainter& p) {
    const QPointF c(88.5, 222.5);
    // Printed scale: coloured arcs for the ranges, ticks, and their names.
    struct Range {
        double from, to;
        QColor colour;
        const char* name;
        double at;
    };
    const std::array<Range, 4> ranges{{{-150, -100, QColor(255, 214, 64), "V", -125},
                                       {-80, -30, QColor(120, 220, 120), "\u03a9", -55},
                                       {20, 70, QColor(120, 190, 255), "A", 45},
                                       {110, 160, QColor(255, 150, 110), "V~", 135}}};
    for (const Range& r : ranges) {
        p.setPen(QPen(r.colour, 2.0, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - 52, c.y() - 52, 104, 104), int(-r.from * 16),
                  int(-(r.to - r.from) * 16));
        for (double a = r.from; a <= r.to + 0.1; a += 12.5)
            p.drawLine(polar(c, 47, a), polar(c, 44, a));
        p.setPen(r.colour);
        p.setFont(sansFont(9, true));
        const QPointF t = polar(c, 63, r.at);
        p.drawText(QRectF(t.x() - 10, t.y() - 6, 20, 12), Qt::AlignCenter,
                   QString::fromUtf8(r.name));
    }
    p.setPen(QColor(235, 235, 235));
    p.setFont(sansFont(8, true));
    p.drawText(QRectF(c.x() - 12, c.y() - 66, 24, 10), Qt::AlignCenter, QStringLiteral("OFF"));

    // Knob: a ribbed ring, a domed disc and a bar that points at the resistance range.
    QRadialGradient ring(c.x() - 12, c.y() - 14, 52);
    ring.setColorAt(0, QColor(120, 124, 132));
    ring.setColorAt(1, QColor(40, 42, 48));
    p.setPen(QPen(QColor(16, 16, 18), 1));
    p.setBrush(ring);
    p.drawEllipse(c, 39, 39);
    p.setPen(QPen(QColor(30, 31, 36), 1.5));
    for (int i = 0; i < 36; ++i)
        p.drawLine(polar(c, 38, i * 10), polar(c, 35, i * 10));
    QRadialGradient dome(c.x() - 10, c.y() - 12, 40);
    dome.setColorAt(0, QColor(170, 176, 186));
    dome.setColorAt(0.6, QColor(96, 100, 110));
    dome.setColorAt(1, QColor(60, 63, 70));
    p.setPen(QPen(QColor(30, 31, 36), 1));
    p.setBrush(dome);
    p.drawEllipse(c, 32, 32);
    const double pointAt = -55;
    QPainterPath bar;
    bar.addRoundedRect(QRectF(-34, -7, 68, 14), 7, 7);
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(pointAt);
    QLinearGradient barFill(0, -7, 0, 7);
    barFill.setColorAt(0, QColor(96, 100, 108));
    barFill.setColorAt(1, QColor(34, 36, 40));
    p.setBrush(barFill);
    p.setPen(QPen(QColor(20, 20, 24), 1));
    p.drawPath(t.map(bar));
    p.setPen(QPen(QColor(255, 255, 255), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(polar(c, 16, pointAt), polar(c, 30, pointAt));
}

void sockets(QPainter& p) {
    struct Socket {
        double x;
        QColor ring;
        const char* name;
    };
    const std::array<Socket, 4> all{{{33.5, QColor(214, 30, 36), "10A"},
                                     {67.5, QColor(214, 30, 36), "mA"},
                                     {109.5, QColor(36, 36, 40), "COM"},
                                     {143.5, QColor(214, 30, 36), "V\u03a9"}}};
    const double y = 326.5;
    for (const Socket& s : all) {
        const QPointF c(s.x, y);
        QRadialGradient g(c.x() - 4, c.y() - 4, 14);
        g.setColorAt(0, s.ring.lighter(170));
        g.setColorAt(1, s.ring);
        p.setPen(QPen(QColor(18, 18, 20), 1));
        p.setBrush(g);
        p.drawEllipse(c, 11, 11);
        p.setBrush(QColor(170, 172, 178));
        p.drawEllipse(c, 5.5, 5.5);
        p.setBrush(QColor(14, 14, 16));
        p.setPen(Qt::NoPen);
        p.drawEllipse(c, 3.5, 3.5);
        p.setPen(QColor(226, 228, 232));
        p.setFont(sansFont(8, true));
        p.drawText(QRectF(s.x - 16, y - 25, 32, 10), Qt::AlignCenter, QString::fromUtf8(s.name));
    }
}

void multimeter(Canvas& c) {
    // What the window lays over the meter must land on the parts drawn for it.
    if (!kDisplayRect.contains(kUnitPlace) || !kDisplayRect.contains(kTolerancePlace) ||
        !kDisplayRect.adjusted(0, -4, 0, 0).contains(kValueLabel) ||
        kMakerLabel.bottom() >= kSurround.top() || kMakerLabel.top() <= 12)
        throw std::logic_error("multimeter layout does not fit the controls over it");
    QPainter p;
    beginPainting(p, c);
    holster(p);
    facePlate(p);
    display(p);
    keyPanel(p);
    selector(p);
    sockets(p);
    p.end();
}

// ---- keys ----------------------------------------------------------------------------------

void key(Canvas& c, bool lit) {
    QPainter p;
    beginPainting(p, c);
    p.fillRect(QRectF(0, 0, kKeyW, kKeyH), kWell);
    const QRectF cap(0.5, 0.5, kKeyW - 1, kKeyH - 1);
    QLinearGradient g(0, 0, 0, kKeyH);
    g.setColorAt(0, lit ? QColor(176, 222, 255) : QColor(92, 142, 226));
    g.setColorAt(0.5, lit ? QColor(120, 190, 255) : QColor(56, 106, 202));
    g.setColorAt(1, lit ? QColor(84, 156, 246) : QColor(32, 74, 168));
    p.setPen(QPen(lit ? QColor(32, 78, 162) : QColor(12, 28, 72), 1));
    p.setBrush(g);
    p.drawRoundedRect(cap, 2.5, 2.5);
    p.setPen(QPen(lit ? QColor(255, 255, 255) : QColor(150, 188, 244), 1));
    p.drawLine(QPointF(3, 1.5), QPointF(kKeyW - 3, 1.5));
    p.end();
}

void keyUnlit(Canvas& c) {
    key(c, false);
}
void keyLit(Canvas& c) {
    key(c, true);
}
void keyDesign(Canvas& c) {
    QPainter p(&c.image);
    p.drawImage(0, 0, c.studio->picture(":/res/124.png"));
}

// ---- read-outs -----------------------------------------------------------------------------

void readout(Canvas& c, const char* text) {
    QPainter p;
    beginPainting(p, c);
    p.fillRect(QRectF(0, 0, c.width, c.height), qcolour(ink::kDisplay));
    const QRectF box(2, 2, c.width - 4, c.height - 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(14, 16, 14));
    p.drawPath(fittedText(QString::fromUtf8(text), sansFont(64, true), box));
    p.end();
}

template <int N> void readoutN(Canvas& c);
#define ZQ_READOUT(n, text)                                                                        \
    template <> void readoutN<n>(Canvas & c) {                                                     \
        readout(c, text);                                                                          \
    }
ZQ_READOUT(126, "±2%")
ZQ_READOUT(127, "±20%")
ZQ_READOUT(128, "±0.2%")
ZQ_READOUT(129, "±0.5%")
ZQ_READOUT(130, "±0.1%")
ZQ_READOUT(131, "±10%")
ZQ_READOUT(132, "±5%")
ZQ_READOUT(133, "±1%")
ZQ_READOUT(134, "G\u03a9")
ZQ_READOUT(135, "\u03a9")
ZQ_READOUT(136, "K\u03a9")
ZQ_READOUT(137, "M\u03a9")
#undef ZQ_READOUT

} // namespace

void addMeterPictures(std::vector<Job>& jobs) {
    jobs.insert(jobs.end(), {
                                {":/design/form1/Image15.png", multimeter},
                                {":/res/124.png", keyUnlit},
                                {":/res/125.png", keyLit},
                                {":/design/form1/Image30.png", keyDesign},
                                {":/res/126.png", readoutN<126>},
                                {":/res/127.png", readoutN<127>},
                                {":/res/128.png", readoutN<128>},
                                {":/res/129.png", readoutN<129>},
                                {":/res/130.png", readoutN<130>},
                                {":/res/131.png", readoutN<131>},
                                {":/res/132.png", readoutN<132>},
                                {":/res/133.png", readoutN<133>},
                                {":/res/134.png", readoutN<134>},
                                {":/res/135.png", readoutN<135>},
                                {":/res/136.png", readoutN<136>},
                                {":/res/137.png", readoutN<137>},
                            });
}

} // namespace zq::paint
