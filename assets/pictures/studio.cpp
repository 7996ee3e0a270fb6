// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/pictures/studio.h"

#include <QFontMetricsF>
#include <algorithm>
#include <array>
#include <stdexcept>

#include "assets/pictures/catalogue_table.h"

namespace zq::paint {

Colour clamped(Colour c) {
    auto k = [](double v) { return std::clamp(v, 0.0, 255.0); };
    return {k(c.r), k(c.g), k(c.b)};
}

QColor qcolour(Colour c, double alpha) {
    c = clamped(c);
    return QColor(int(std::lround(c.r)), int(std::lround(c.g)), int(std::lround(c.b)),
                  int(std::lround(std::clamp(alpha, 0.0, 1.0) * 255)));
}

double luminance(Colour c) {
    auto lin = [](double v) {
        v /= 255;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(c.r) + 0.7152 * lin(c.g) + 0.0722 * lin(c.b);
}

void renderSamples(QImage& image, int scale, const std::function<Sample(double, double)>& f,
                   int ss) {
    const double step = 1.0 / (ss * scale);
    for (int py = 0; py < image.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = 0; px < image.width(); ++px) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < ss; ++sy) {
                for (int sx = 0; sx < ss; ++sx) {
                    const double x = double(px) / scale + (sx + 0.5) * step;
                    const double y = double(py) / scale + (sy + 0.5) * step;
                    const Sample s = f(x, y);
                    const Colour c = clamped(s.colour);
                    r += c.r * s.alpha;
                    g += c.g * s.alpha;
                    b += c.b * s.alpha;
                    a += s.alpha;
                }
            }
            const double n = double(ss * ss);
            // The image is premultiplied; keep the channels within the alpha.
            const int ai = int(std::lround(a / n * 255));
            auto ch = [&](double v) { return std::min(ai, int(std::lround(v / n))); };
            line[px] = qRgba(ch(r), ch(g), ch(b), ai);
        }
    }
}

Vec3 normalised(Vec3 v) {
    const double l = std::sqrt(dot(v, v));
    return l > 0 ? v * (1 / l) : Vec3{0, 0, 1};
}

namespace {
const Vec3 kLight = normalised({-0.45, -0.65, 1.0});
const Vec3 kHalf = normalised(kLight + Vec3{0, 0, 1});

// Brightness of what a metal mirrors, by the height of the reflected ray (-1 straight up,
// 1 straight down): bright sky, a dark horizon, a grey floor.
double environment(double t) {
    static constexpr std::array<std::pair<double, double>, 7> k{{{-1.0, 1.10},
                                                                 {-0.55, 1.30},
                                                                 {-0.18, 1.00},
                                                                 {0.04, 0.36},
                                                                 {0.25, 0.52},
                                                                 {0.6, 0.86},
                                                                 {1.0, 0.62}}};
    if (t <= k.front().first) return k.front().second;
    for (std::size_t i = 1; i < k.size(); ++i) {
        if (t <= k[i].first) {
            const double u = (t - k[i - 1].first) / (k[i].first - k[i - 1].first);
            const double s = u * u * (3 - 2 * u);
            return k[i - 1].second + (k[i].second - k[i - 1].second) * s;
        }
    }
    return k.back().second;
}
} // namespace

Colour shade(const Material& m, Vec3 n) {
    n = normalised(n);
    const double diffuse = std::max(0.0, dot(n, kLight));
    const double highlight = std::pow(std::max(0.0, dot(n, kHalf)), m.shininess);
    const double bounce = std::max(0.0, n.y) * 0.16; // light thrown back by the desk below
    if (!m.metal) {
        const Colour c = m.base * (0.40 + 0.66 * diffuse + bounce);
        return clamped(c + kWhite * (m.specular * highlight));
    }
    const double reflectedY = 2 * n.z * n.y; // the view ray is (0, 0, -1)
    const Colour c = m.base * environment(reflectedY) * (0.75 + 0.3 * diffuse);
    return clamped(c + kWhite * (m.specular * highlight));
}

Vec3 revolvedNormal(double v, double slope) {
    v = std::clamp(v, -1.0, 1.0);
    return normalised({-slope, v, std::sqrt(std::max(0.0, 1 - v * v))});
}

int twipsToPixels(int twips) {
    return int(std::nearbyint(twips / 15.0));
}

double smoothstep(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

double segmentDistance(double x, double y, double ax, double ay, double bx, double by, double* nx,
                       double* ny) {
    const double dx = bx - ax, dy = by - ay;
    const double len2 = dx * dx + dy * dy;
    const double t = len2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / len2, 0.0, 1.0) : 0;
    const double px = ax + t * dx, py = ay + t * dy;
    if (nx) *nx = px;
    if (ny) *ny = py;
    return std::hypot(x - px, y - py);
}

double roundedRectDistance(double x, double y, double left, double top, double right, double bottom,
                           double radius) {
    const double cx = (left + right) / 2, cy = (top + bottom) / 2;
    const double hx = (right - left) / 2 - radius, hy = (bottom - top) / 2 - radius;
    const double qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

QFont songFont(double pixels, bool bold, int scale) {
    QFont f;
    f.setFamilies({QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Zen Hei")});
    f.setPixelSize(int(std::lround(pixels)));
    f.setBold(bold);
    f.setStyleStrategy(scale == 1 ? QFont::NoAntialias : QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QFont sansFont(double pixels, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(int(std::lround(pixels)));
    f.setBold(bold);
    return f;
}

QPainterPath fittedText(const QString& text, const QFont& font, const QRectF& box,
                        bool snapToPixels) {
    QPainterPath raw;
    raw.addText(0, 0, font, text);
    const QRectF ink = raw.boundingRect();
    double sy = box.height() / ink.height();
    if (snapToPixels) sy = std::floor(ink.height() * sy) / ink.height();
    const double sx = std::min(sy, box.width() / ink.width());
    QTransform t;
    double dx = box.center().x() - ink.center().x() * sx;
    double dy = box.top() + (box.height() - ink.height() * sy) / 2 - ink.top() * sy;
    if (snapToPixels) dy = std::round(dy + ink.top() * sy) - ink.top() * sy;
    t.translate(dx, dy);
    t.scale(sx, sy);
    return t.map(raw);
}

void beginPainting(QPainter& p, Canvas& c) {
    p.begin(&c.image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.scale(c.scale, c.scale);
}

Studio::Studio(int scale, const std::vector<Job>& jobs) : scale_(scale), jobs_(jobs) {}

const QImage& Studio::picture(std::string_view path) {
    if (auto it = done_.find(path); it != done_.end()) return it->second;
    const Job* job = nullptr;
    for (const Job& j : jobs_)
        if (j.path == path) job = &j;
    if (!job) throw std::runtime_error("no painter for " + std::string(path));
    if (std::find(busy_.begin(), busy_.end(), path) != busy_.end())
        throw std::runtime_error("picture needs itself: " + std::string(path));
    busy_.emplace_back(path);
    Canvas c;
    c.scale = scale_;
    c.studio = this;
    const pictures::PictureInfo* info = nullptr;
    for (const pictures::PictureInfo& p : pictures::detail::kTable)
        if (p.path == path) info = &p;
    if (!info) throw std::runtime_error("not in the catalogue: " + std::string(path));
    const QSize size(info->width, info->height);
    c.width = size.width();
    c.height = size.height();
    c.image = QImage(size * scale_, QImage::Format_ARGB32_Premultiplied);
    c.image.fill(Qt::transparent);
    job->paint(c);
    busy_.pop_back();
    return done_.emplace(std::string(path), std::move(c.image)).first->second;
}

void paintHalved(Canvas& c, std::string_view source) {
    QPainter p;
    beginPainting(p, c);
    p.drawImage(QRectF(0, 0, c.width, c.height), c.studio->picture(source));
    p.end();
}

namespace ink {
const BandInk& band(int index) {
    // As the palette chips are labelled, by palette index.
    static constexpr std::array<const char*, kBandCount> kNames{
        "棕色", "红色", "橙色", "黄色", "绿色", "蓝色", "紫色",
        "灰色", "白色", "黑色", "金色", "银色", "无色"};
    static const auto kBands = [] {
        std::array<BandInk, kBandCount> out{};
        for (const model::ColourRecord& c : model::colourRecords())
            out.at(std::size_t(c.index)) = {rgb(c.ink.r, c.ink.g, c.ink.b), c.metal,
                                            kNames.at(std::size_t(c.index))};
        return out;
    }();
    return kBands.at(std::size_t(index));
}
} // namespace ink

} // namespace zq::paint
