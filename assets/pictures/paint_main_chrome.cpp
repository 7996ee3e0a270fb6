// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's skin: title strip, menu strip, blue frame and its corners, the window
// buttons, the menu buttons, the palette chips and the hand cursor.
//
// The frame is one drawing in window pixels; every edge and corner piece paints its own
// rectangle of it, so whichever piece ends up in front where they overlap, the colours are
// the same. The window is clipped to a rectangle with 12-pixel corner ellipses at run time;
// the corners follow that curve.
#include <QLinearGradient>
#include <QRadialGradient>
#include <array>
#include <cmath>

#include "assets/pictures/studio.h"

namespace zq::paint {
namespace {

// The window after loading, and where its skin pieces go.
const int kRightEdgeX = twipsToPixels(9105);  // right edge picture, 8 wide
const int kBottomEdgeY = twipsToPixels(6720); // bottom edge picture, 8 high
const double kOuterRight = kRightEdgeX + 8.0;
const double kOuterBottom = kBottomEdgeY + 8.0;
constexpr double kLeftBand = 7;   // left edge picture's width
constexpr double kTitleRows = 28; // title strip's height
const double kStripTop = twipsToPixels(412);
constexpr double kStripRows = 34;
constexpr double kCorner = 6; // radius of the window's rounded corners
const QPoint kMinimiseAt(twipsToPixels(8520), twipsToPixels(65));
const QPoint kCloseAt(twipsToPixels(8880), twipsToPixels(65));
constexpr double kTabFoot = 556; // left end of the darker tab at its foot

constexpr Colour kOutline = rgb(0, 42, 132);

const std::array<Colour, 7> kLeftBandInk{kOutline,          rgb(128, 176, 246), rgb(88, 142, 234),
                                         rgb(66, 120, 224), rgb(54, 108, 216),  rgb(42, 94, 204),
                                         rgb(22, 66, 170)};
// Right and bottom, from the outside in: in the shade, with a lit inner rim.
const std::array<Colour, 8> kShadedBandInk{kOutline,           rgb(30, 78, 186),  rgb(44, 96, 202),
                                           rgb(54, 108, 214),  rgb(64, 118, 222), rgb(76, 128, 228),
                                           rgb(104, 152, 236), rgb(22, 66, 170)};

template <std::size_t N> Colour bandInk(const std::array<Colour, N>& inks, double distance) {
    return inks[std::size_t(std::clamp(int(std::floor(distance)), 0, int(N) - 1))];
}

// ---- title strip ---------------------------------------------------------------------------

Colour titleGround(double y) {
    if (y < 1) return kOutline;
    if (y < 13) return mix(rgb(238, 246, 255), rgb(206, 226, 252), (y - 1) / 12);
    if (y < 24) return mix(rgb(190, 216, 250), rgb(162, 199, 246), (y - 13) / 11);
    if (y < 26) return rgb(160, 198, 246);
    if (y < 27) return rgb(98, 150, 228);
    return rgb(46, 100, 204);
}

// The darker tab under the window buttons, its left side leaning a little; `rightEnd`
// closes it with a rounded corner.
bool tabInk(double x, double y, double rightEnd, Colour* out) {
    constexpr double top = 2, foot = 26, round = 4;
    if (y < top || y >= foot) return false;
    const double left = kTabFoot + (foot - y) * 0.25;
    if (x < left || x >= rightEnd) return false;
    double edge = std::min({x - left, y - top, rightEnd - x});
    const double topLeft = kTabFoot + (foot - top) * 0.25;
    if (x < topLeft + round && y < top + round)
        edge = std::min(edge, round - std::hypot(x - topLeft - round, y - top - round));
    if (x > rightEnd - round && y < top + round)
        edge = std::min(edge, round - std::hypot(x - rightEnd + round, y - top - round));
    if (edge < 0) return false;
    Colour c = y < 13 ? mix(rgb(134, 186, 248), rgb(98, 156, 238), (y - top) / 11)
                      : mix(rgb(64, 124, 226), rgb(44, 100, 210), (y - 13) / 13);
    if (y >= top + 1 && y < top + 2) c = mix(c, kWhite, 0.35);
    if (edge < 1) c = rgb(30, 78, 176);
    // Glyphs of the two window buttons, which cover them at run time.
    const double mx = kMinimiseAt.x() + 8.0, my = kMinimiseAt.y() + 8.0;
    if (std::abs(x - mx) < 4 && y >= my - 1 && y < my + 1) c = kWhite;
    // The restore glyph stands between them: a window in front of another, their tops bold.
    const double rx = (kMinimiseAt.x() + 16.0 + kCloseAt.x()) / 2, ry = my;
    const auto square = [&](double left, double top) {
        const bool inside = x >= left && x < left + 5 && y >= top && y < top + 5;
        const bool rim = x < left + 1 || x >= left + 4 || y < top + 2 || y >= top + 4;
        return inside && rim;
    };
    const bool front = x >= rx - 3 && x < rx + 2 && y >= ry - 1 && y < ry + 4;
    if (square(rx - 3, ry - 1) || (!front && square(rx - 1, ry - 3))) c = kWhite;
    const double cx = kCloseAt.x() + 8.0, cy = kCloseAt.y() + 8.0;
    if (segmentDistance(x, y, cx - 3.5, cy - 3.5, cx + 3.5, cy + 3.5) < 1 ||
        segmentDistance(x, y, cx - 3.5, cy + 3.5, cx + 3.5, cy - 3.5) < 1)
        c = kWhite;
    *out = c;
    return true;
}

// Rounded top corner: centre of the arc and which way it opens.
bool cornerArc(double x, double y, double cx, double cy, bool right, bool bottom,
               double* distanceFromOuter) {
    const bool inX = right ? x > cx : x < cx;
    const bool inY = bottom ? y > cy : y < cy;
    if (!inX || !inY) return false;
    *distanceFromOuter = kCorner - std::hypot(x - cx, y - cy);
    return true;
}

Colour titleAt(double x, double y, double rightEnd, bool frameRight) {
    double d = 0;
    if (cornerArc(x, y, kCorner, kCorner, false, false, &d) ||
        (frameRight && cornerArc(x, y, kOuterRight - kCorner, kCorner, true, false, &d)) ||
        (!frameRight && cornerArc(x, y, rightEnd - kCorner, kCorner, true, false, &d))) {
        if (d < 1) return kOutline;
    }
    if (x < 1) return kOutline;
    if (frameRight && x >= kOuterRight - 1) return kOutline;
    if (!frameRight && x >= rightEnd - 1) return kOutline;
    Colour c = titleGround(y);
    Colour tab;
    if (y >= 1 && tabInk(x, y, frameRight ? 1e6 : rightEnd - 1, &tab)) c = tab;
    return c;
}

// ---- menu strip ----------------------------------------------------------------------------

// Medium blue, kept within the narrow band of lightness where the white link and the black
// words of the buttons both read well.
Colour stripAt(double y) {
    const double j = y - kStripTop;
    if (j < 1) return rgb(172, 206, 250);
    if (j < 2) return rgb(150, 192, 246);
    if (j < 3) return rgb(118, 166, 238);
    if (j < 16) return mix(rgb(92, 146, 232), rgb(80, 134, 226), (j - 3) / 13);
    if (j < kStripRows - 1) return mix(rgb(70, 124, 218), rgb(62, 116, 212), (j - 16) / 16);
    return rgb(34, 80, 178);
}

// ---- the whole frame, in window pixels -----------------------------------------------------

Colour frameAt(double x, double y) {
    if (x < 0 || y < 0) return kOutline;
    // The window is a pixel wider and taller than its edge pictures reach: that last column
    // and row show the window's own white, and so do the pieces that cover them.
    if (x >= kOuterRight || y >= kOuterBottom) return ink::kWindow;
    if (y < kTitleRows) return titleAt(x, y, 0, true);
    const bool left = x < kLeftBand, right = x >= kRightEdgeX;
    if (y >= kBottomEdgeY && (left || right)) {
        double d = 0;
        const double cx = left ? kCorner : kOuterRight - kCorner;
        if (cornerArc(x, y, cx, kOuterBottom - kCorner, right, true, &d)) {
            if (d < 0) return kOutline;
            const bool side = std::abs(x - cx) > std::abs(y - (kOuterBottom - kCorner));
            return side ? (left ? bandInk(kLeftBandInk, d) : bandInk(kShadedBandInk, d))
                        : bandInk(kShadedBandInk, d);
        }
        const double ds = left ? x : kOuterRight - x, db = kOuterBottom - y;
        if (ds < db) return left ? bandInk(kLeftBandInk, ds) : bandInk(kShadedBandInk, ds);
        return bandInk(kShadedBandInk, db);
    }
    if (y < kStripTop + kStripRows && (left || right)) {
        if (left ? x < 1 : x >= kOuterRight - 1) return kOutline;
        return stripAt(y);
    }
    if (left) return bandInk(kLeftBandInk, x);
    if (right) return bandInk(kShadedBandInk, kOuterRight - x);
    if (y >= kBottomEdgeY) return bandInk(kShadedBandInk, kOuterBottom - y);
    if (y < kStripTop + kStripRows) return stripAt(y);
    return ink::kWindow;
}

// Paints a piece that the window shows at (left, top).
void framePiece(Canvas& c, double left, double top) {
    renderSamples(c.image, c.scale, [=](double x, double y) {
        double wy = y + top;
        // Below the window, where nobody sees them, the side pieces simply run on.
        if (wy >= kOuterBottom + 1) wy = kOuterBottom - 100;
        return Sample{frameAt(x + left, wy), 1};
    });
}

// The strips reach past the window's right edge; what of them the window shows beyond its
// outline is the window's own white, like the rest of its last column.
void titleStrip(Canvas& c) {
    renderSamples(c.image, c.scale, [&](double x, double y) {
        if (x >= kOuterRight && x < kOuterRight + 1) return Sample{ink::kWindow, 1};
        return Sample{titleAt(x, y, c.width, false), 1};
    });
}
void topLeft(Canvas& c) {
    framePiece(c, 0, 0);
}
void topRight(Canvas& c) {
    framePiece(c, twipsToPixels(9145), 0);
}
void menuStrip(Canvas& c) {
    const double left = twipsToPixels(-240);
    renderSamples(c.image, c.scale, [=](double x, double y) {
        if (x + left >= kOuterRight && x + left < kOuterRight + 1) return Sample{ink::kWindow, 1};
        return Sample{stripAt(y + kStripTop), 1};
    });
}
void rightEdge(Canvas& c) {
    framePiece(c, kRightEdgeX, twipsToPixels(360));
}
void leftEdge(Canvas& c) {
    framePiece(c, 0, twipsToPixels(360));
}
// Past the rounded bottom-right corner the edge would poke out as a stub: there it is the
// corner's own drawing, outline and white beyond.
void bottomEdge(Canvas& c) {
    const double left = twipsToPixels(-120);
    renderSamples(c.image, c.scale, [=](double x, double y) {
        if (x + left >= kOuterRight - kCorner)
            return Sample{frameAt(x + left, y + kBottomEdgeY), 1};
        return Sample{bandInk(kShadedBandInk, kOuterBottom - (y + kBottomEdgeY)), 1};
    });
}
void bottomLeft(Canvas& c) {
    framePiece(c, twipsToPixels(7), twipsToPixels(6480));
}
void bottomRight(Canvas& c) {
    framePiece(c, twipsToPixels(9140), twipsToPixels(6570));
}

// ---- window buttons ------------------------------------------------------------------------

// A round button drawn on the part of the title strip it covers, so that it stays opaque
// without showing a square.
void windowButton(Canvas& c, QPoint at, bool close, bool hover) {
    QPainter p;
    beginPainting(p, c);
    const QImage& strip = c.studio->picture(":/design/form1/Image1.png");
    p.save();
    p.resetTransform();
    p.drawImage(0, 0, strip.copy(QRect(at * c.scale, QSize(16, 16) * c.scale)));
    p.restore();
    QLinearGradient g(0, 1, 0, 15);
    g.setColorAt(0, hover ? QColor(120, 178, 250) : QColor(236, 244, 255));
    g.setColorAt(1, hover ? QColor(36, 96, 210) : QColor(164, 202, 248));
    p.setPen(QPen(hover ? QColor(14, 50, 140) : QColor(40, 84, 170), 1));
    p.setBrush(g);
    p.drawEllipse(QPointF(8, 8), 7, 7);
    QLinearGradient shine(0, 2, 0, 8);
    shine.setColorAt(0, QColor(255, 255, 255, hover ? 150 : 200));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(QRectF(3.5, 2, 9, 6));
    const QColor glyph = hover ? Qt::white : Qt::black;
    if (close) {
        p.setPen(QPen(glyph, 2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(5, 5), QPointF(11, 11));
        p.drawLine(QPointF(5, 11), QPointF(11, 5));
    } else {
        p.fillRect(QRectF(4, 7, 8, 2), glyph);
    }
    p.end();
}

void closeNormal(Canvas& c) {
    windowButton(c, kCloseAt, true, false);
}
void closeHover(Canvas& c) {
    windowButton(c, kCloseAt, true, true);
}
void minimiseNormal(Canvas& c) {
    windowButton(c, kMinimiseAt, false, false);
}
void minimiseHover(Canvas& c) {
    windowButton(c, kMinimiseAt, false, true);
}

// ---- menu buttons --------------------------------------------------------------------------

void openBook(QPainter& p) {
    // Cover behind the pages.
    p.setPen(QPen(QColor(20, 44, 110), 1));
    p.setBrush(QColor(40, 80, 170));
    QPainterPath cover;
    cover.moveTo(0.5, 6.5);
    cover.lineTo(10, 8.5);
    cover.lineTo(19.5, 6.5);
    cover.lineTo(19.5, 18.5);
    cover.lineTo(10, 19.5);
    cover.lineTo(0.5, 18.5);
    cover.closeSubpath();
    p.drawPath(cover);
    // Two pages curving up from the spine.
    for (int side = 0; side < 2; ++side) {
        const double s = side == 0 ? -1 : 1;
        QPainterPath page;
        page.moveTo(10, 6.5);
        page.cubicTo(10 + s * 3, 3.5, 10 + s * 6, 3.5, 10 + s * 8.5, 4.5);
        page.lineTo(10 + s * 8.5, 16.5);
        page.cubicTo(10 + s * 6, 15.5, 10 + s * 3, 15.5, 10, 18);
        page.closeSubpath();
        QLinearGradient g(10, 0, 10 + s * 8.5, 0);
        g.setColorAt(0, QColor(214, 218, 226));
        g.setColorAt(0.3, QColor(255, 255, 255));
        g.setColorAt(1, QColor(244, 246, 250));
        p.setPen(QPen(QColor(90, 96, 110), 1));
        p.setBrush(g);
        p.drawPath(page);
        p.setPen(QPen(QColor(120, 140, 190), 1));
        for (int line = 0; line < 4; ++line) {
            const double y = 7.5 + 2.5 * line;
            p.drawLine(QPointF(10 + s * 2.5, y), QPointF(10 + s * 7, y - 0.5));
        }
    }
}

void lightBulb(QPainter& p) {
    const QPointF c(10, 8);
    p.setPen(QPen(QColor(255, 250, 170), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (double a : {-150.0, -110.0, -70.0, -30.0}) {
        const double r = a * 3.14159265358979 / 180;
        p.drawLine(QPointF(c.x() + 8.2 * std::cos(r), c.y() + 8.2 * std::sin(r)),
                   QPointF(c.x() + 9.8 * std::cos(r), c.y() + 9.8 * std::sin(r)));
    }
    QRadialGradient glass(c.x() - 2, c.y() - 2, 8);
    glass.setColorAt(0, QColor(255, 255, 236));
    glass.setColorAt(0.5, QColor(255, 238, 120));
    glass.setColorAt(1, QColor(246, 190, 30));
    QPainterPath bulb;
    bulb.addEllipse(c, 6.2, 6.2);
    QPainterPath neck;
    neck.moveTo(6.8, 12);
    neck.lineTo(13.2, 12);
    neck.lineTo(12.3, 15);
    neck.lineTo(7.7, 15);
    neck.closeSubpath();
    p.setPen(QPen(QColor(170, 110, 0), 1));
    p.setBrush(glass);
    p.drawPath(bulb.united(neck));
    // Filament.
    p.setPen(QPen(QColor(230, 120, 0), 1));
    p.drawLine(QPointF(8.5, 13), QPointF(8.5, 9.5));
    p.drawLine(QPointF(11.5, 13), QPointF(11.5, 9.5));
    p.drawArc(QRectF(8.5, 8, 3, 3), 0, 180 * 16);
    // Screw base.
    QLinearGradient metal(7, 0, 13, 0);
    metal.setColorAt(0, QColor(150, 150, 158));
    metal.setColorAt(0.4, QColor(240, 240, 244));
    metal.setColorAt(1, QColor(120, 120, 128));
    p.setPen(QPen(QColor(70, 70, 78), 1));
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(7.5, 15, 5, 4), 1, 1);
    p.drawLine(QPointF(7.5, 17), QPointF(12.5, 17));
    p.setBrush(QColor(60, 60, 66));
    p.drawRect(QRectF(9, 19, 2, 0.8));
}

void doorAndArrow(QPainter& p) {
    // Frame, then the door swung open into the room.
    p.setPen(QPen(QColor(70, 40, 10), 1));
    p.setBrush(QColor(40, 36, 40));
    p.drawRect(QRectF(2.5, 1.5, 10, 17));
    QPainterPath door;
    door.moveTo(2.5, 1.5);
    door.lineTo(8.5, 3.5);
    door.lineTo(8.5, 19.5);
    door.lineTo(2.5, 18.5);
    door.closeSubpath();
    QLinearGradient wood(2, 0, 9, 0);
    wood.setColorAt(0, QColor(226, 150, 70));
    wood.setColorAt(1, QColor(164, 92, 30));
    p.setBrush(wood);
    p.drawPath(door);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 90));
    p.drawEllipse(QPointF(7, 11), 0.9, 0.9);
    // Arrow out.
    QPainterPath arrow;
    arrow.moveTo(9.5, 8.5);
    arrow.lineTo(14.5, 8.5);
    arrow.lineTo(14.5, 5.5);
    arrow.lineTo(19.5, 10.5);
    arrow.lineTo(14.5, 15.5);
    arrow.lineTo(14.5, 12.5);
    arrow.lineTo(9.5, 12.5);
    arrow.closeSubpath();
    QLinearGradient green(0, 5, 0, 16);
    green.setColorAt(0, QColor(140, 236, 110));
    green.setColorAt(1, QColor(30, 150, 40));
    p.setPen(QPen(QColor(14, 90, 20), 1));
    p.setBrush(green);
    p.drawPath(arrow);
}

void menuButton(Canvas& c, void (*icon)(QPainter&), const char* word) {
    QPainter p;
    beginPainting(p, c);
    const double iconTop = std::floor((c.height - 20) / 2.0);
    p.save();
    p.translate(2, iconTop);
    icon(p);
    p.restore();
    p.setFont(songFont(14, false, c.scale));
    p.setPen(Qt::black);
    p.drawText(QRectF(24, 0, c.width - 25, c.height), Qt::AlignCenter, QString::fromUtf8(word));
    p.end();
}

void helpButton(Canvas& c) {
    menuButton(c, openBook, "帮助");
}
void aboutButton(Canvas& c) {
    menuButton(c, lightBulb, "关于");
}
void exitButton(Canvas& c) {
    menuButton(c, doorAndArrow, "退出");
}

// ---- palette chips -------------------------------------------------------------------------

void paletteChip(Canvas& c, int index) {
    const ink::BandInk& b = ink::band(index);
    QPainter p;
    beginPainting(p, c);
    const QRectF r(0, 0, c.width, c.height);
    QPainterPath shape;
    shape.addRoundedRect(r, 3.5, 3.5);
    if (b.metal) {
        // A polished strip: bright and dark bands running across at a slant.
        QLinearGradient g(0, 0, c.width, c.height * 0.6);
        const QColor base = qcolour(b.colour);
        g.setColorAt(0.00, base.darker(125));
        g.setColorAt(0.22, base.lighter(135));
        g.setColorAt(0.38, base);
        g.setColorAt(0.55, base.darker(140));
        g.setColorAt(0.72, base.lighter(120));
        g.setColorAt(1.00, base.darker(115));
        p.fillPath(shape, g);
    } else {
        p.fillPath(shape, qcolour(b.colour));
    }
    // The name, one character under the other, light on dark colours.
    const bool dark = luminance(b.colour) < 0.2;
    p.setPen(dark ? QColor(255, 255, 255) : QColor(0, 0, 0));
    p.setFont(songFont(13, false, c.scale));
    const QString name = QString::fromStdString(b.name);
    const double top = std::floor((c.height - 30) / 2.0);
    p.drawText(QRectF(0, top, c.width, 15), Qt::AlignCenter, name.mid(0, 1));
    p.drawText(QRectF(0, top + 15, c.width, 15), Qt::AlignCenter, name.mid(1, 1));
    p.end();
}

template <int I> void chip(Canvas& c) {
    paletteChip(c, I);
}

// ---- hand cursor ---------------------------------------------------------------------------

// A monochrome pointing hand, hot spot at the fingertip (6, 0): white inside a black rim.
void hand(Canvas& c) {
    QPainterPath shape;
    auto finger = [&](double x, double y, double w, double h) {
        QPainterPath f;
        f.addRoundedRect(QRectF(x, y, w, h), w / 2, w / 2);
        shape = shape.united(f);
    };
    finger(4, 0, 5, 17); // index finger, pointing
    finger(8, 7, 5, 10); // the three curled fingers
    finger(12, 8, 5, 10);
    finger(16, 10, 4, 9);
    QPainterPath thumb;
    thumb.moveTo(0.5, 13);
    thumb.quadTo(1.5, 10.5, 4.5, 12.5);
    thumb.lineTo(6, 16);
    thumb.lineTo(4.5, 19);
    thumb.closeSubpath();
    shape = shape.united(thumb);
    QPainterPath palm;
    palm.addRoundedRect(QRectF(3, 13, 17, 12), 4, 4);
    shape = shape.united(palm);
    QPainterPath wrist;
    wrist.addRect(QRectF(5, 23, 13, 7));
    shape = shape.united(wrist);

    const int s = c.scale;
    QImage mask(c.image.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    {
        QPainter m(&mask);
        m.setRenderHint(QPainter::Antialiasing, false);
        m.scale(s, s);
        m.fillPath(shape, Qt::white);
    }
    auto in = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < mask.width() && y < mask.height() &&
               mask.constScanLine(y)[x] != 0;
    };
    for (int y = 0; y < mask.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(c.image.scanLine(y));
        for (int x = 0; x < mask.width(); ++x) {
            if (!in(x, y)) continue;
            bool rim = false;
            for (int k = 1; k <= s && !rim; ++k)
                rim = !in(x - k, y) || !in(x + k, y) || !in(x, y - k) || !in(x, y + k);
            line[x] = rim ? qRgba(0, 0, 0, 255) : qRgba(255, 255, 255, 255);
        }
    }
    // Creases between the curled fingers and under the thumb.
    QPainter p(&c.image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (const QRectF& r : {QRectF(8, 10, 1, 5), QRectF(12, 11, 1, 5), QRectF(16, 12, 1, 5)})
        p.drawRect(QRectF(r.x() * s, r.y() * s, r.width() * s, r.height() * s));
    p.end();
    c.image.setText(QStringLiteral("HotSpotX"), QString::number(6 * s));
    c.image.setText(QStringLiteral("HotSpotY"), QString::number(0));
}

} // namespace

void addMainChromePictures(std::vector<Job>& jobs) {
    jobs.insert(jobs.end(), {
                                {":/design/form1/Image1.png", titleStrip},
                                {":/design/form1/Image2.png", topLeft},
                                {":/design/form1/Image3.png", topRight},
                                {":/design/form1/Image4.png", menuStrip},
                                {":/design/form1/Image5.png", rightEdge},
                                {":/design/form1/Image6.png", leftEdge},
                                {":/design/form1/Image7.png", bottomEdge},
                                {":/design/form1/Image8.png", bottomLeft},
                                {":/design/form1/Image9.png", bottomRight},
                                {":/design/form1/Image10.png", closeNormal},
                                {":/design/form1/Image11.png", closeHover},
                                {":/design/form1/Image12.png", minimiseNormal},
                                {":/design/form1/Image13.png", minimiseHover},
                                {":/design/form1/Image24.png", helpButton},
                                {":/design/form1/Image25.png", aboutButton},
                                {":/design/form1/Image26.png", exitButton},
                                {":/design/form1/Image29_0.png", chip<0>},
                                {":/design/form1/Image29_1.png", chip<1>},
                                {":/design/form1/Image29_2.png", chip<2>},
                                {":/design/form1/Image29_3.png", chip<3>},
                                {":/design/form1/Image29_4.png", chip<4>},
                                {":/design/form1/Image29_5.png", chip<5>},
                                {":/design/form1/Image29_6.png", chip<6>},
                                {":/design/form1/Image29_7.png", chip<7>},
                                {":/design/form1/Image29_8.png", chip<8>},
                                {":/design/form1/Image29_9.png", chip<9>},
                                {":/design/form1/Image29_10.png", chip<10>},
                                {":/design/form1/Image29_11.png", chip<11>},
                                {":/design/form1/Image29_12.png", chip<12>},
                                {":/design/form1/hand.png", hand},
                            });
}

} // namespace zq::paint
