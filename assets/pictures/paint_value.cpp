// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The grounds and buttons of the value-to-colours, reading and practice windows. They wear the help
// window's title bar, so their edges take the same pinks: lit on the left, shaded on the
// right and at the bottom. What they show stands on white panels with a soft pink rim.
#include <QLinearGradient>
#include <array>
#include <cmath>
#include <vector>

#include "assets/pictures/pink_frame.h"
#include "assets/pictures/studio.h"

namespace zq::paint {
namespace {

constexpr int kWidth = 510, kTop = 36; // window pixels; the ground starts at kTop
constexpr double kBand = 7;

using pink::bandInk;
using pink::kLitInk;
using pink::kRim;
using pink::kShadedInk;

struct Panel {
    double left, top, right, bottom;
};
constexpr double kPanelRadius = 6;

struct Ground {
    int height;
    std::vector<Panel> panels;
    Panel tray; // under a row of chips, so that a white chip does not vanish into the panel
};

const Ground kValueGround{440, {{14, 44, 496, 146}, {14, 152, 496, 426}}, {75, 157, 206, 234}};
const Ground kReadingGround{
    680, {{14, 44, 496, 250}, {14, 256, 496, 526}, {14, 532, 496, 668}}, {20, 72, 328, 145}};
// Practice keeps the reading window's panels; the last holds the chart and its legend.
const Ground kPracticeGround{
    704, {{14, 44, 496, 250}, {14, 256, 496, 526}, {14, 532, 496, 692}}, {20, 72, 328, 145}};
// The companion panel has no chips: its tray lies off the picture.
const Ground kPanelGround{288, {{14, 42, 496, 278}}, {-20, -20, -10, -10}};

Sample ground(const Ground& g, double x, double y) {
    const int kHeight = g.height;
    const Panel& kTray = g.tray;
    const double dl = x, dr = kWidth - x, db = kHeight - y;
    const double nearest = std::min({dl, dr, db});
    if (nearest < kBand) {
        if (nearest == db) return {bandInk(kShadedInk, db), 1};
        return {dl < dr ? bandInk(kLitInk, dl) : bandInk(kShadedInk, dr), 1};
    }
    // The pink of the help window, a little lighter towards the bottom.
    Colour c = mix(ink::kHelpWindow, rgb(255, 222, 250), (y - kTop) / (kHeight - kTop));
    for (const Panel& p : g.panels) {
        const double d = roundedRectDistance(x, y, p.left, p.top, p.right, p.bottom, kPanelRadius);
        // A shadow down and to the right, then the rim, then the white face.
        const double shadow =
            roundedRectDistance(x - 2, y - 2, p.left, p.top, p.right, p.bottom, kPanelRadius);
        if (d > 0 && shadow < 2)
            c = mix(c, rgb(206, 112, 196), 0.35 * (1 - smoothstep(0, 2, shadow)));
        if (d <= 0 && d > -1.2)
            c = rgb(226, 140, 206);
        else if (d <= -1.2)
            c = mix(kWhite, rgb(255, 244, 252), (y - p.top) / (p.bottom - p.top));
    }
    // A tray under the chips of the answer, so that a white chip does not vanish into the panel.
    const double tray =
        roundedRectDistance(x, y, kTray.left, kTray.top, kTray.right, kTray.bottom, 4);
    if (tray <= 0)
        c = tray > -1 ? rgb(214, 178, 206)
                      : mix(rgb(236, 222, 234), rgb(246, 238, 244),
                            (y - kTray.top) / (kTray.bottom - kTray.top));
    return {c, 1};
}

void groundPicture(Canvas& c) {
    renderSamples(c.image, c.scale,
                  [](double x, double y) { return ground(kValueGround, x, y + kTop); });
}

void readingGroundPicture(Canvas& c) {
    renderSamples(c.image, c.scale,
                  [](double x, double y) { return ground(kReadingGround, x, y + kTop); });
}

void practiceGroundPicture(Canvas& c) {
    renderSamples(c.image, c.scale,
                  [](double x, double y) { return ground(kPracticeGround, x, y + kTop); });
}

void panelGroundPicture(Canvas& c) {
    renderSamples(c.image, c.scale,
                  [](double x, double y) { return ground(kPanelGround, x, y + kTop); });
}

// A rounded pink button that reads like the title bar it sits under.
void button(Canvas& c, const char* text) {
    QPainter p;
    beginPainting(p, c);
    const QRectF face(0.5, 0.5, c.width - 1, c.height - 1);
    QLinearGradient g(0, 0, 0, c.height);
    g.setColorAt(0, QColor(255, 240, 252));
    g.setColorAt(0.5, QColor(252, 196, 240));
    g.setColorAt(0.52, QColor(246, 170, 232));
    g.setColorAt(1, QColor(255, 206, 246));
    p.setPen(QPen(qcolour(kRim), 1));
    p.setBrush(g);
    p.drawRoundedRect(face, 5, 5);
    p.setPen(QPen(QColor(255, 255, 255, 210), 1));
    p.drawLine(QPointF(5, 1.5), QPointF(c.width - 5, 1.5));
    p.setFont(songFont(12, true, c.scale));
    p.setPen(QColor(128, 16, 96));
    p.drawText(QRectF(0, 0, c.width, c.height), Qt::AlignCenter, QString::fromUtf8(text));
    p.end();
}

void findButton(Canvas& c) {
    button(c, "查色环");
}
void showButton(Canvas& c) {
    button(c, "在主窗口显示");
}
void backButton(Canvas& c) {
    button(c, "退一环");
}
void clearButton(Canvas& c) {
    button(c, "清除");
}
void answerButton(Canvas& c) {
    button(c, "作答");
}
void hintButton(Canvas& c) {
    button(c, "提示");
}
void nextButton(Canvas& c) {
    button(c, "下一题");
}
void restartButton(Canvas& c) {
    button(c, "重新开始");
}
void saveButton(Canvas& c) {
    button(c, "保存");
}
void cancelButton(Canvas& c) {
    button(c, "取消");
}

} // namespace

void addValuePictures(std::vector<Job>& jobs) {
    jobs.insert(jobs.end(), {
                                {":/design/value_window/Image2.png", groundPicture},
                                {":/design/value_window/Image3.png", findButton},
                                {":/design/value_window/Image4.png", showButton},
                                {":/design/reading_window/Image2.png", readingGroundPicture},
                                {":/design/reading_window/Image3.png", backButton},
                                {":/design/reading_window/Image4.png", clearButton},
                                {":/design/practice_window/Image2.png", practiceGroundPicture},
                                {":/design/practice_window/Image3.png", answerButton},
                                {":/design/practice_window/Image4.png", hintButton},
                                {":/design/practice_window/Image5.png", nextButton},
                                {":/design/practice_window/Image6.png", restartButton},
                                {":/design/combinations_panel/Image2.png", panelGroundPicture},
                                {":/design/own_kit_editor/Image3.png", saveButton},
                                {":/design/own_kit_editor/Image4.png", cancelButton},
                            });
}

} // namespace zq::paint
