// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shared tools of the picture painter: colours, per-pixel shading with supersampling, a
// light that every 3-D looking piece shares, fonts, and the registry of painters.
#include "model/colour_code.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zq::paint {

// ---- colours -------------------------------------------------------------------------------

// Channels 0..255 in floating point, so that shading can mix and scale freely.
struct Colour {
    double r = 0, g = 0, b = 0;
};

constexpr Colour rgb(int r, int g, int b) {
    return {double(r), double(g), double(b)};
}
inline Colour operator+(Colour a, Colour b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Colour operator*(Colour a, double k) {
    return {a.r * k, a.g * k, a.b * k};
}
inline Colour mix(Colour a, Colour b, double t) {
    return a * (1 - t) + b * t;
}
Colour clamped(Colour c);
QColor qcolour(Colour c, double alpha = 1.0);
double luminance(Colour c); // relative luminance 0..1, for choosing light or dark text

inline constexpr Colour kWhite = rgb(255, 255, 255);
inline constexpr Colour kBlack = rgb(0, 0, 0);

// What a point of a picture shows: a colour and how much of it covers the point.
struct Sample {
    Colour colour;
    double alpha = 1.0;
};
inline constexpr Sample kClear{{0, 0, 0}, 0.0};

// Fills every device pixel of `image` with the average of ss x ss samples of f, which is
// asked in logical coordinates (device pixel / scale). Averaging is done on premultiplied
// colour, so that edges against transparency stay clean.
void renderSamples(QImage& image, int scale, const std::function<Sample(double, double)>& f,
                   int ss = 4);

// ---- light ---------------------------------------------------------------------------------

struct Vec3 {
    double x = 0, y = 0, z = 0;
};
inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator*(Vec3 a, double k) {
    return {a.x * k, a.y * k, a.z * k};
}
inline double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 normalised(Vec3 v);

struct Material {
    Colour base;
    double specular = 0.45;
    double shininess = 26;
    bool metal = false;
};

// Colour of a surface with this normal (x right, y down, z towards the viewer) under the
// one light of all pictures, which comes from the upper left and the front.
Colour shade(const Material& m, Vec3 normal);

// Normal of a body turned about a horizontal axis: v is the offset from the axis over the
// radius (-1 top, 1 bottom), slope the change of the radius along x.
Vec3 revolvedNormal(double v, double slope);

// ---- geometry helpers ----------------------------------------------------------------------

// Pixel of a position given in twips, as the form runtime places controls.
int twipsToPixels(int twips);

double smoothstep(double e0, double e1, double x);

// Distance from (x, y) to the segment (ax, ay)-(bx, by), and the nearest point on it.
double segmentDistance(double x, double y, double ax, double ay, double bx, double by,
                       double* nx = nullptr, double* ny = nullptr);

// Signed distance to a rounded rectangle (negative inside).
double roundedRectDistance(double x, double y, double left, double top, double right, double bottom,
                           double radius);

// ---- fonts and text ------------------------------------------------------------------------

// The Song face used for Chinese words. At 1x it is drawn without antialiasing, which
// picks the face's hand-tuned bitmap strikes: crisp like the era's desktop at 100%.
QFont songFont(double pixels, bool bold, int scale);
// Latin letters and digits.
QFont sansFont(double pixels, bool bold);

// Outline of a text, scaled so that its ink fills `box` (height first, narrowed only if the
// text would be wider than the box) and centred in it.
QPainterPath fittedText(const QString& text, const QFont& font, const QRectF& box,
                        bool snapToPixels = true);

// ---- registry ------------------------------------------------------------------------------

class Studio;

// One picture being painted: `image` is width*scale by height*scale, transparent at start.
struct Canvas {
    QImage image;
    int scale = 1;
    int width = 0, height = 0; // logical pixels
    Studio* studio = nullptr;
};

// A QPainter on the canvas that works in logical pixels, antialiased.
void beginPainting(QPainter& p, Canvas& c);

using PaintFn = void (*)(Canvas&);

// Another picture drawn at half its size: the title-bar and task-bar size of a 32-pixel icon.
void paintHalved(Canvas& c, std::string_view source);

struct Job {
    std::string_view path; // resource path, as in the catalogue
    PaintFn paint;
};

// Each family of pictures registers its painters.
void addResistorPictures(std::vector<Job>& jobs);
void addMeterPictures(std::vector<Job>& jobs);
void addMainChromePictures(std::vector<Job>& jobs);
void addHelpPictures(std::vector<Job>& jobs);
void addAboutPictures(std::vector<Job>& jobs);
void addValuePictures(std::vector<Job>& jobs);

// Paints pictures on demand at one scale and keeps them, so that a picture can build on
// another one (a button that must match the strip it sits on).
class Studio {
  public:
    Studio(int scale, const std::vector<Job>& jobs);
    int scale() const { return scale_; }
    // The picture at this studio's scale; throws std::runtime_error for an unknown path.
    const QImage& picture(std::string_view path);

  private:
    int scale_;
    const std::vector<Job>& jobs_;
    std::map<std::string, QImage, std::less<>> done_;
    std::vector<std::string> busy_;
};

// ---- the shared palette --------------------------------------------------------------------

namespace ink {
// The liquid-crystal display of the multimeter; every read-out is filled with it.
inline constexpr Colour kDisplay = rgb(140, 166, 132);
// The tan of the resistor body, before light.
inline constexpr Colour kBody = rgb(226, 199, 150);
inline constexpr Colour kBodyOutline = rgb(112, 86, 52);
// Window background of the main and About windows.
inline constexpr Colour kWindow = rgb(255, 255, 255);
// The help window's background.
inline constexpr Colour kHelpWindow = rgb(255, 192, 255);

// The thirteen colours of the code, by palette index.
struct BandInk {
    Colour colour;
    bool metal;
    std::string name; // as written on the palette chip
};
const BandInk& band(int index); // 0..12; 12 is none, the bare body
inline constexpr int kBandCount = model::palette::kSize;
} // namespace ink

} // namespace zq::paint
