// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The About window's skin: grey bevelled edges, the close button in its two looks (and its
// design picture), and the window's icon. The emblem is drawn with the other resistors.
#include <QLinearGradient>
#include <array>
#include <cmath>

#include "assets/pictures/studio.h"

namespace zq::paint {
namespace {

const int kWidth = twipsToPixels(5400), kHeight = twipsToPixels(5520);
constexpr double kEdge = 6;

// Raised frame around a sunken page: light from the upper left.
const std::array<Colour, 6> kLitInk{rgb(150, 150, 156), rgb(255, 255, 255), rgb(236, 236, 240),
                                    rgb(222, 222, 228), rgb(200, 200, 206), rgb(140, 140, 148)};
const std::array<Colour, 6> kShadedInk{rgb(84, 84, 90),    rgb(150, 150, 156), rgb(196, 196, 202),
                                       rgb(214, 214, 220), rgb(232, 232, 236), rgb(255, 255, 255)};

Colour edgeAt(double x, double y) {
    const double dl = x, dt = y, dr = kWidth - x, db = kHeight - y;
    const double lit = std::min(dl, dt), shaded = std::min(dr, db);
    // Where a lit side meets a shaded one the corner is cut on the diagonal.
    const bool useLit = lit < shaded || (lit == shaded && dl + dt < dr + db);
    const double d = useLit ? lit : shaded;
    const auto& inks = useLit ? kLitInk : kShadedInk;
    return inks[std::size_t(std::clamp(int(std::floor(d)), 0, 5))];
}

void edgePiece(Canvas& c, int left, int top) {
    renderSamples(c.image, c.scale, [=](double x, double y) {
        return Sample{edgeAt(x + left, y + top), 1};
    });
}

void leftEdge(Canvas& c) {
    edgePiece(c, 0, 0);
}
void topEdge(Canvas& c) {
    edgePiece(c, 0, 0);
}
void rightEdge(Canvas& c) {
    edgePiece(c, twipsToPixels(5310), 0);
}
void bottomEdge(Canvas& c) {
    edgePiece(c, 0, twipsToPixels(5430));
}

// The pill-shaped button, grey at rest or blue under the pointer, on the white page or on
// nothing at all.
void button(Canvas& c, bool blue, bool onWindow) {
    QPainter p;
    beginPainting(p, c);
    if (onWindow) p.fillRect(QRectF(0, 0, c.width, c.height), qcolour(ink::kWindow));
    const QRectF pill(0.5, 0.5, c.width - 1, c.height - 1);
    const double r = pill.height() / 2;
    QLinearGradient g(0, 0, 0, c.height);
    if (blue) {
        g.setColorAt(0, QColor(214, 236, 255));
        g.setColorAt(0.5, QColor(160, 204, 252));
        g.setColorAt(0.52, QColor(128, 182, 248));
        g.setColorAt(1, QColor(170, 214, 255));
    } else {
        g.setColorAt(0, QColor(252, 252, 252));
        g.setColorAt(0.5, QColor(232, 232, 236));
        g.setColorAt(0.52, QColor(218, 218, 222));
        g.setColorAt(1, QColor(236, 236, 240));
    }
    p.setPen(QPen(blue ? QColor(38, 96, 196) : QColor(146, 146, 152), 1));
    p.setBrush(g);
    p.drawRoundedRect(pill, r, r);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(r, 1.5), QPointF(c.width - r, 1.5));
    p.setFont(songFont(12, false, c.scale));
    p.setPen(blue ? QColor(224, 0, 0) : QColor(112, 112, 118));
    p.drawText(QRectF(0, 0, c.width, c.height), Qt::AlignCenter, QString::fromUtf8("确定"));
    p.end();
}

void buttonBlue(Canvas& c) {
    button(c, true, true);
}
void buttonGrey(Canvas& c) {
    button(c, false, true);
}
void buttonDesign(Canvas& c) {
    button(c, false, false);
}

// Three toy blocks, two below and one on top, each with a letter.
void aboutIcon(Canvas& c) {
    QPainter p;
    beginPainting(p, c);
    struct Block {
        double x, y;
        QColor colour;
        const char* letter;
    };
    constexpr double side = 12, depth = 4;
    const std::array<Block, 3> blocks{{{2.5, 16.5, QColor(226, 44, 44), "A"},
                                       {15.5, 16.5, QColor(40, 110, 220), "B"},
                                       {9, 3.5, QColor(40, 170, 60), "C"}}};
    for (const Block& b : blocks) {
        const QRectF front(b.x, b.y + depth, side, side);
        QPainterPath top;
        top.moveTo(front.topLeft());
        top.lineTo(front.topLeft() + QPointF(depth, -depth));
        top.lineTo(front.topRight() + QPointF(depth, -depth));
        top.lineTo(front.topRight());
        top.closeSubpath();
        QPainterPath right;
        right.moveTo(front.topRight());
        right.lineTo(front.topRight() + QPointF(depth, -depth));
        right.lineTo(front.bottomRight() + QPointF(depth, -depth));
        right.lineTo(front.bottomRight());
        right.closeSubpath();
        const QPen rim(b.colour.darker(220), 1);
        p.setPen(rim);
        p.setBrush(b.colour.lighter(150));
        p.drawPath(top);
        p.setBrush(b.colour.darker(140));
        p.drawPath(right);
        QLinearGradient face(front.topLeft(), front.bottomRight());
        face.setColorAt(0, b.colour.lighter(120));
        face.setColorAt(1, b.colour);
        p.setBrush(face);
        p.drawRect(front);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(fittedText(QString::fromUtf8(b.letter), sansFont(64, true),
                              front.adjusted(3, 2.5, -3, -2.5), false));
    }
    p.end();
}

void aboutIconSmall(Canvas& c) {
    paintHalved(c, ":/design/form3/icon.png");
}

} // namespace

void addAboutPictures(std::vector<Job>& jobs) {
    if (kWidth != 360 || kHeight != 368) throw std::logic_error("About window size");
    jobs.insert(jobs.end(), {
                                {":/design/form3/Image1.png", leftEdge},
                                {":/design/form3/Image2.png", topEdge},
                                {":/design/form3/Image3.png", rightEdge},
                                {":/design/form3/Image4.png", bottomEdge},
                                {":/design/form3/Image5.png", buttonDesign},
                                {":/design/form3/icon.png", aboutIcon},
                                {":/design/form3/icon16.png", aboutIconSmall},
                                {":/res/140.png", buttonBlue},
                                {":/res/141.png", buttonGrey},
                            });
}

} // namespace zq::paint
