// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window's skin: a pink-to-white title bar with its close box and a bow, pink edge
// strips that overlap one another, the two close-box bitmaps, and the window's icon.
//
// As in the main window, the edges are one drawing in window pixels that every strip
// samples, so overlapping strips and the mitred corners agree.
#include <QLinearGradient>
#include <QRadialGradient>
#include <array>
#include <cmath>

#include "assets/pictures/pink_frame.h"
#include "assets/pictures/studio.h"

namespace zq::paint {
namespace {

const int kWidth = twipsToPixels(7650), kHeight = twipsToPixels(6090);
constexpr double kBand = 7;
const double kOuterRight = twipsToPixels(7550) + kBand;
const double kOuterBottom = twipsToPixels(5970) + kBand;
constexpr double kTitleRows = 36;
constexpr double kTitleCorner = 7;
const QPoint kCloseBoxAt(twipsToPixels(7020), twipsToPixels(30));

using pink::bandInk;
using pink::kLitInk;
using pink::kRim;
using pink::kShadedInk;

// The pink edges around the text, in window pixels.
Colour edgeAt(double x, double y) {
    const double dl = x, dr = kOuterRight - x, db = kOuterBottom - y;
    const double nearest = std::min({dl, dr, db});
    if (nearest == db) return bandInk(kShadedInk, db);
    return dl < dr ? bandInk(kLitInk, dl) : bandInk(kShadedInk, dr);
}

void edgePiece(Canvas& c, int left, int top) {
    renderSamples(c.image, c.scale, [=](double x, double y) {
        return Sample{edgeAt(x + left, y + top), 1};
    });
}

// The title bar without its ornaments: pink at the left fading to white, glossy above,
// with the edge strips running up its sides and a rounded top.
Sample titleGround(double x, double y) {
    const double w = kWidth;
    const double cx =
        x < kTitleCorner ? kTitleCorner : (x > w - kTitleCorner ? w - kTitleCorner : x);
    double rim = std::min({x, w - x, y});
    if (y < kTitleCorner && cx != x) {
        const double d = kTitleCorner - std::hypot(x - cx, y - kTitleCorner);
        if (d < 0) return kClear;
        rim = d;
    }
    if (rim < 1) return {kRim, 1};
    if (x < kBand) return {bandInk(kLitInk, rim), 1};
    if (x >= w - kBand) return {bandInk(kShadedInk, rim), 1};
    Colour c = mix(rgb(255, 166, 228), kWhite, smoothstep(0.0, 0.9, x / w));
    if (y < 17) c = mix(c, kWhite, 0.45 * (1 - y / 17));
    if (y >= kTitleRows - 1) c = rgb(232, 150, 214);
    return {c, 1};
}

// The close box: a dashed pink square with a cross, pale or strong.
void closeBox(QPainter& p, bool strong) {
    const QRectF box(2.5, 1.5, 14, 14);
    QLinearGradient fill(0, box.top(), 0, box.bottom());
    fill.setColorAt(0, QColor(255, 250, 253));
    fill.setColorAt(1, QColor(255, 212, 240));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRect(box);
    QPen dash(QColor(224, 84, 186), 1);
    dash.setDashPattern({2, 1});
    p.setPen(dash);
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    p.setPen(
        QPen(strong ? QColor(232, 0, 128) : QColor(236, 120, 194), 2, Qt::SolidLine, Qt::FlatCap));
    const QPointF c = box.center();
    p.drawLine(c + QPointF(-3.5, -3.5), c + QPointF(3.5, 3.5));
    p.drawLine(c + QPointF(-3.5, 3.5), c + QPointF(3.5, -3.5));
}

void bow(QPainter& p) {
    const QPointF knot(490.5, 27.5);
    QLinearGradient ribbon(0, 20, 0, 36);
    ribbon.setColorAt(0, QColor(255, 170, 220));
    ribbon.setColorAt(1, QColor(236, 70, 160));
    p.setPen(QPen(QColor(186, 34, 120), 1));
    p.setBrush(ribbon);
    // Tails first, then the loops, then the knot over them.
    for (double s : {-1.0, 1.0}) {
        QPainterPath tail;
        tail.moveTo(knot + QPointF(s * 1, 1));
        tail.lineTo(knot + QPointF(s * 6, 9));
        tail.lineTo(knot + QPointF(s * 3, 8));
        tail.lineTo(knot + QPointF(s * 1.5, 10));
        tail.lineTo(knot + QPointF(-s * 1.5, 2));
        tail.closeSubpath();
        p.drawPath(tail);
    }
    for (double s : {-1.0, 1.0}) {
        QPainterPath loop;
        loop.moveTo(knot);
        loop.cubicTo(knot + QPointF(s * 4, -9), knot + QPointF(s * 12, -7),
                     knot + QPointF(s * 10, 0));
        loop.cubicTo(knot + QPointF(s * 12, 5), knot + QPointF(s * 4, 5), knot);
        p.drawPath(loop);
        p.setPen(QPen(QColor(255, 230, 244), 1));
        p.drawLine(knot + QPointF(s * 4, -3.5), knot + QPointF(s * 8, -3.5));
        p.setPen(QPen(QColor(186, 34, 120), 1));
    }
    p.setBrush(QColor(250, 110, 186));
    p.drawEllipse(knot, 2.5, 2.5);
}

void titleBar(Canvas& c) {
    renderSamples(c.image, c.scale, [](double x, double y) { return titleGround(x, y); });
    QPainter p;
    beginPainting(p, c);
    p.translate(kCloseBoxAt);
    closeBox(p, false);
    p.translate(-kCloseBoxAt);
    bow(p);
    p.end();
}

// The close boxes are opaque: they carry the bit of title bar they cover.
void closeBoxBitmap(Canvas& c, bool strong) {
    renderSamples(c.image, c.scale, [](double x, double y) {
        return titleGround(x + kCloseBoxAt.x(), y + kCloseBoxAt.y());
    });
    QPainter p;
    beginPainting(p, c);
    closeBox(p, strong);
    p.end();
}

void closePale(Canvas& c) {
    closeBoxBitmap(c, false);
}
void closeStrong(Canvas& c) {
    closeBoxBitmap(c, true);
}

void bottomLeftStrip(Canvas& c) {
    edgePiece(c, 0, twipsToPixels(5970));
}
void bottomRightStrip(Canvas& c) {
    edgePiece(c, twipsToPixels(3930), twipsToPixels(5970));
}
void leftLowerStrip(Canvas& c) {
    edgePiece(c, 0, twipsToPixels(2250));
}
void leftUpperStrip(Canvas& c) {
    edgePiece(c, 0, twipsToPixels(270));
}
void rightUpperStrip(Canvas& c) {
    edgePiece(c, twipsToPixels(7550), twipsToPixels(335));
}
void rightLowerStrip(Canvas& c) {
    edgePiece(c, twipsToPixels(7550), twipsToPixels(2280));
}

// A white question mark on a green disc.
void helpIcon(Canvas& c) {
    QPainter p;
    beginPainting(p, c);
    const QPointF centre(16, 16);
    QRadialGradient disc(11, 9, 22);
    disc.setColorAt(0, QColor(150, 236, 120));
    disc.setColorAt(0.6, QColor(50, 170, 56));
    disc.setColorAt(1, QColor(18, 120, 34));
    p.setPen(QPen(QColor(12, 84, 22), 1));
    p.setBrush(disc);
    p.drawEllipse(centre, 15, 15);
    QLinearGradient gloss(0, 2, 0, 16);
    gloss.setColorAt(0, QColor(255, 255, 255, 170));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QRectF(6, 2.5, 20, 13));
    const QPainterPath mark =
        fittedText(QStringLiteral("?"), sansFont(64, true), QRectF(9, 6, 14, 21), false);
    p.setBrush(QColor(10, 80, 20, 150));
    p.drawPath(mark.translated(1, 1));
    p.setBrush(Qt::white);
    p.drawPath(mark);
    p.end();
}

void helpIconSmall(Canvas& c) {
    paintHalved(c, ":/design/form2/icon.png");
}

} // namespace

void addHelpPictures(std::vector<Job>& jobs) {
    if (kWidth != 510 || kHeight != 406) throw std::logic_error("help window size");
    jobs.insert(jobs.end(), {
                                {":/design/form2/Image1.png", titleBar},
                                {":/design/form2/Image2.png", bottomLeftStrip},
                                {":/design/form2/Image3.png", bottomRightStrip},
                                {":/design/form2/Image4.png", leftLowerStrip},
                                {":/design/form2/Image5.png", leftUpperStrip},
                                {":/design/form2/Image6.png", rightUpperStrip},
                                {":/design/form2/Image7.png", rightLowerStrip},
                                {":/design/form2/icon.png", helpIcon},
                                {":/design/form2/icon16.png", helpIconSmall},
                                {":/res/138.png", closePale},
                                {":/res/139.png", closeStrong},
                            });
}

} // namespace zq::paint
