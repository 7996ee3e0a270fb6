// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The drawn resistor of the main window (its two ends and the band chips between them) and
// the small resistors of the icons and the About emblem.
//
// The big resistor is described once, in window pixels, and each piece samples its own part
// of it. Shading across the body depends only on the row, so chips placed side by side, and
// the necks of the two ends, join without a seam.
#include <cmath>
#include <numbers>

#include "assets/pictures/program_icon.h"
#include "assets/pictures/studio.h"

namespace zq::paint {
namespace {

// ---- the resistor of the main window, in window pixels -------------------------------------

// Where the load handler puts the pieces.
const int kChipLeft = twipsToPixels(4680);           // first band place
const int kChipTop = twipsToPixels(1695);            // all band places and body pieces
const int kLastChipRight = twipsToPixels(6840) + 21; // end of the last body piece
const int kLeftEndX = twipsToPixels(2950), kLeftEndY = twipsToPixels(1560);
const int kRightEndX = twipsToPixels(7140), kRightEndY = twipsToPixels(1515);

// The body inside a 67-row chip: rows 8 to 58, clear above and below.
constexpr double kBodyTopInChip = 8.0, kBodyBottomInChip = 59.0;
constexpr double kNeck = (kBodyBottomInChip - kBodyTopInChip) / 2;
const double kAxis = kChipTop + (kBodyTopInChip + kBodyBottomInChip) / 2;
constexpr double kBulge = 34.5;
constexpr double kLeadRadius = 2.5;

const Material kBodyMaterial{ink::kBody, 0.42, 24, false};
const Material kLeadMaterial{rgb(196, 198, 204), 0.9, 60, true};

// Radius of an end cap by the distance from the place where it meets the chips.
double capRadius(double d) {
    if (d < 13) return kNeck;
    if (d < 22) return kNeck + (kBulge - kNeck) * smoothstep(13, 22, d);
    if (d < 44) return kBulge + 1.2 * std::sin(std::numbers::pi * (d - 22) / 22);
    if (d < 53) {
        const double u = (d - 44) / 9;
        return kBulge * std::sqrt(std::max(0.0, 1 - u * u));
    }
    return 0;
}

Colour outlined(Colour c) {
    return mix(c, ink::kBodyOutline, 0.72);
}

// A point of a revolved body: nothing when outside, else its shaded colour.
bool bodyPoint(double dy, double radius, double slope, const Material& m, Colour* out) {
    if (radius <= 0 || std::abs(dy) >= radius) return false;
    const Colour c = shade(m, revolvedNormal(dy / radius, slope));
    const double edge = (radius - std::abs(dy)) / std::sqrt(1 + slope * slope);
    *out = edge < 1.0 ? outlined(c) : c;
    return true;
}

// A lead of round wire along a polyline.
struct Wire {
    std::vector<QPointF> points;
    double radius;
};

Wire bentLead(double fromX, double bendX, double downX, double bottom) {
    // Straight out along the axis, a quarter circle, then straight down.
    Wire w{{}, kLeadRadius};
    const double r = std::abs(downX - bendX);
    const double dir = downX < bendX ? -1 : 1;
    w.points.emplace_back(fromX, kAxis);
    w.points.emplace_back(bendX, kAxis);
    const QPointF centre(bendX, kAxis + r);
    for (int i = 1; i <= 24; ++i) {
        const double a = std::numbers::pi / 2 * i / 24;
        w.points.emplace_back(centre.x() + dir * r * std::sin(a), centre.y() - r * std::cos(a));
    }
    w.points.emplace_back(downX, bottom);
    return w;
}

bool wirePoint(const Wire& w, double x, double y, const Material& m, Colour* out) {
    double best = 1e9, bx = 0, by = 0;
    for (std::size_t i = 1; i < w.points.size(); ++i) {
        double nx = 0, ny = 0;
        const double d = segmentDistance(x, y, w.points[i - 1].x(), w.points[i - 1].y(),
                                         w.points[i].x(), w.points[i].y(), &nx, &ny);
        if (d < best) best = d, bx = nx, by = ny;
    }
    if (best >= w.radius) return false;
    const double ux = (x - bx) / w.radius, uy = (y - by) / w.radius;
    const Colour c = shade(m, {ux, uy, std::sqrt(std::max(0.0, 1 - ux * ux - uy * uy))});
    *out = best > w.radius - 0.9 ? mix(c, rgb(78, 80, 86), 0.6) : c;
    return true;
}

const Wire& leftLead() {
    // The wire ends, rounded, just above the bottom of its picture.
    static const Wire w =
        bentLead(kChipLeft - 48.0, kLeftEndX + 23.5, kLeftEndX + 14.5, kLeftEndY + 90 - 3.5);
    return w;
}
const Wire& rightLead() {
    static const Wire w = bentLead(kLastChipRight + 48.0, kRightEndX + 102.5, kRightEndX + 111.5,
                                   kRightEndY + 89 - 3.5);
    return w;
}

// One end of the resistor at window point (x, y).
Sample endPoint(bool left, double x, double y) {
    const double d = left ? kChipLeft - x : x - kLastChipRight;
    const double clampedD = std::max(d, 0.0);
    const double h = 0.01;
    const double dr = (capRadius(clampedD + h) - capRadius(std::max(clampedD - h, 0.0))) /
                      (clampedD + h - std::max(clampedD - h, 0.0));
    const double slope = left ? -dr : dr; // change of radius along +x
    Colour c;
    if (bodyPoint(y - kAxis, capRadius(clampedD), slope, kBodyMaterial, &c)) return {c, 1};
    if (wirePoint(left ? leftLead() : rightLead(), x, y, kLeadMaterial, &c)) return {c, 1};
    return kClear;
}

// Band chips: the band curves a little across the body, as a ring does seen from the side.
constexpr double kBandLeft = 5.2, kBandRight = 14.2, kBandBow = 1.6;

Sample chipPoint(int band, double x, double y) {
    const double dy = y - (kBodyTopInChip + kBodyBottomInChip) / 2;
    // Above and below the body the window's own ground shows, whatever its colour.
    if (std::abs(dy) >= kNeck) return kClear;
    const double v = dy / kNeck;
    const double xb = x - kBandBow * std::sqrt(std::max(0.0, 1 - v * v));
    Material m = kBodyMaterial;
    bool shadowed = false;
    if (band >= 0 && xb >= kBandLeft && xb < kBandRight) {
        const ink::BandInk& b = ink::band(band);
        m.base = b.colour;
        m.metal = b.metal;
        if (b.metal) m.specular = 0.8, m.shininess = 50;
    } else if (band >= 0 && xb >= kBandRight && xb < kBandRight + 1.1) {
        shadowed = true; // the paint of the band stands a little proud of the body
    }
    Colour c;
    bodyPoint(dy, kNeck, 0, m, &c);
    if (shadowed) c = c * 0.86;
    return {c, 1};
}

void paintChip(Canvas& c, int band) {
    renderSamples(c.image, c.scale, [band](double x, double y) { return chipPoint(band, x, y); });
}

template <int Band> void chip(Canvas& c) {
    paintChip(c, Band);
}

void leftEnd(Canvas& c) {
    renderSamples(c.image, c.scale,
                  [](double x, double y) { return endPoint(true, x + kLeftEndX, y + kLeftEndY); });
}

void rightEnd(Canvas& c) {
    renderSamples(c.image, c.scale, [](double x, double y) {
        return endPoint(false, x + kRightEndX, y + kRightEndY);
    });
}

// ---- small resistors for icons -------------------------------------------------------------

struct Mini {
    double left, right, axis; // body extent and axis
    double neck, bulge, cap;  // radii and length of each bulged end
    std::vector<int> bands;   // palette indices; the last one stands apart
    double leadLeft, leadRight, leadRadius;
    Colour body = ink::kBody;
    double bandShare = 0.085; // width of a band over the body's length
};

double miniRadius(const Mini& m, double x) {
    const double e = std::min(x - m.left, m.right - x);
    if (e <= 0) return 0;
    const double tip = m.cap * 0.45;
    if (e < tip) {
        const double u = (tip - e) / tip;
        return m.bulge * std::sqrt(std::max(0.0, 1 - u * u));
    }
    if (e < m.cap) return m.bulge;
    return m.bulge + (m.neck - m.bulge) * smoothstep(m.cap, m.cap + m.cap * 0.4, e);
}

Sample miniPoint(const Mini& m, double x, double y) {
    const double r = miniRadius(m, x);
    const double slope = (miniRadius(m, x + 0.01) - miniRadius(m, x - 0.01)) / 0.02;
    const double dy = y - m.axis;
    if (r > 0 && std::abs(dy) < r) {
        const double v = dy / r;
        const double len = m.right - m.left;
        const double bandWidth = len * m.bandShare;
        const double xb = x - bandWidth * 0.18 * std::sqrt(std::max(0.0, 1 - v * v));
        Material mat{m.body, 0.45, 22, false};
        const std::size_t n = m.bands.size();
        for (std::size_t i = 0; i < n; ++i) {
            const double at = i + 1 == n ? 0.80 : 0.22 + 0.15 * double(i);
            const double centre = m.left + len * at;
            if (std::abs(xb - centre) < bandWidth / 2) {
                const ink::BandInk& b = ink::band(m.bands[i]);
                mat.base = b.colour;
                mat.metal = b.metal;
                if (b.metal) mat.specular = 0.8, mat.shininess = 50;
            }
        }
        const Colour c = shade(mat, revolvedNormal(v, slope));
        const double edge = (r - std::abs(dy)) / std::sqrt(1 + slope * slope);
        const double outlineWidth = std::min(1.0, r * 0.16);
        return {edge < outlineWidth ? outlined(c) : c, 1};
    }
    if (x >= m.leadLeft && x <= m.leadRight && std::abs(dy) < m.leadRadius) {
        const double u = dy / m.leadRadius;
        const Colour c = shade(kLeadMaterial, {0, u, std::sqrt(std::max(0.0, 1 - u * u))});
        return {c, 1};
    }
    return kClear;
}

Sample firstOf(const std::vector<Mini>& parts, double x, double y) {
    for (const Mini& m : parts)
        if (Sample s = miniPoint(m, x, y); s.alpha > 0) return s;
    return kClear;
}

// The program's icon: three resistors of common values, on a 48-pixel grid.
std::vector<Mini> programIconParts() {
    auto r = [](double axis, std::vector<int> bands) {
        return Mini{9, 39, axis, 4.1, 5.6, 7.0, std::move(bands), 0.5, 47.5, 1.0};
    };
    return {r(9.5, {0, 9, 1, 10}), r(24, {3, 6, 2, 10}), r(38.5, {4, 5, 0, 10})};
}

// Under 32 pixels the three resistors blur into stripes: one resistor with broad bands, the
// middle one of the full icon, stands for them.
std::vector<Mini> smallProgramIconParts() {
    Mini m{3, 45, 24, 8.5, 11.5, 7.5, {3, 6, 2, 10}, 0, 48, 2.4};
    m.bandShare = 0.11;
    return {m};
}

void programIcon(Canvas& c) {
    const std::vector<Mini> parts = programIconParts();
    renderSamples(c.image, c.scale, [&](double x, double y) { return firstOf(parts, x, y); });
}

// The About window's emblem: three resistors, one above another, a little staggered.
void aboutEmblem(Canvas& c) {
    auto r = [](double left, double axis, std::vector<int> bands) {
        return Mini{left, left + 32, axis, 4.6, 6.3, 7.5, std::move(bands), 0.5, 51.5, 1.1};
    };
    const std::vector<Mini> parts{r(12, 8.5, {1, 1, 2, 10}), r(8, 25.5, {0, 4, 1, 11}),
                                  r(12, 42.5, {2, 8, 0, 10})};
    renderSamples(c.image, c.scale, [&](double x, double y) { return firstOf(parts, x, y); });
}

// The title strip's icon: a small orange component on grey leads.
void titleIcon(Canvas& c) {
    const std::vector<Mini> parts{
        Mini{3.5, 12.5, 8, 3.1, 3.6, 2.6, {}, 0, 16, 0.85, rgb(246, 142, 36)}};
    renderSamples(
        c.image, c.scale, [&](double x, double y) { return firstOf(parts, x, y); }, 6);
}

} // namespace

void addResistorPictures(std::vector<Job>& jobs) {
    jobs.insert(jobs.end(), {
                                {":/res/101.png", chip<0>},
                                {":/res/102.png", chip<1>},
                                {":/res/103.png", chip<2>},
                                {":/res/104.png", chip<3>},
                                {":/res/105.png", chip<4>},
                                {":/res/106.png", chip<5>},
                                {":/res/107.png", chip<6>},
                                {":/res/108.png", chip<7>},
                                {":/res/109.png", chip<8>},
                                {":/res/110.png", chip<9>},
                                {":/res/111.png", chip<10>},
                                {":/res/112.png", chip<11>},
                                {":/res/113.png", chip<-1>},
                                {":/design/form1/Image16.png", leftEnd},
                                {":/design/form1/Image23.png", rightEnd},
                                {":/design/form1/icon.png", programIcon},
                                {":/design/form1/Image14.png", titleIcon},
                                {":/design/form3/Image6.png", aboutEmblem},
                            });
}

QImage programIconAt(int pixels) {
    const std::vector<Mini> parts = pixels < 32 ? smallProgramIconParts() : programIconParts();
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const double k = 48.0 / pixels;
    renderSamples(
        image, 1, [&](double x, double y) { return firstOf(parts, x * k, y * k); },
        pixels < 48 ? 8 : 4);
    return image;
}

} // namespace zq::paint
