// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The reading window as designed, front to back: the palette to enter the bands as seen, the
// resistor drawn with them, the readings both ways with a measurement to check them, and the
// printed code of a surface-mount part. It wears the value window's frame and panels.
#include "assets/designs/common.h"
#include "assets/designs/designs.h"
#include "model/colour_code.h"

namespace zq::designs {
namespace {

using namespace detail;

ControlDesign field(std::string_view name, int left, int top, int width) {
    return {.name = name,
            .kind = Kind::TextBox,
            .left = px(left),
            .top = px(top),
            .width = px(width),
            .height = px(26),
            .font = kSong10_5Bold};
}

FormDesign build() {
    FormDesign f{
        .name = "ReadingWindow",
        .caption = "识读色环",
        .width = px(510),
        .height = px(680),
        .left = 3000,
        .top = 900,
        .back = kPaleMagenta,
        .font = kSong9,
        .icon = ":/design/form2/icon.png",
    };
    auto& c = f.controls;
    c.push_back(field("Measured", 118, 265, 140));
    c.push_back(field("Smd", 118, 541, 100));
    c.push_back(image("CloseBox", -1, 468, 2, 19, 21)); // hit area of the drawn close box
    c.push_back(label("title", -1, 8, 4, 439, 19, "识读色环", kSong10_5, kRed));

    // Entering the bands as seen.
    c.push_back(label("Entered", -1, 26, 52, 460, 16, "", kSong9, kInk));
    for (int i = 0; i < model::palette::kPaintedSize; ++i)
        c.push_back(image("Chip", i, 26 + 25 * i, 75, 21, 67, kChipPictures[i], true));
    c.push_back(image("BackButton", -1, 338, 75, 76, 26, ":/design/reading_window/Image3.png", true));
    c.push_back(image("ClearButton", -1, 418, 75, 76, 26, ":/design/reading_window/Image4.png", true));
    c.push_back(image("ShowButton", -1, 358, 112, 120, 26, ":/design/value_window/Image4.png", true));
    // What the part shows besides its colours, in front of the drawn part; one click each.
    c.push_back(label("GapCaption", -1, 26, 226, 78, 16, "宽的间隔在：", kSong9, kInk));
    for (int i = 0; i < 2; ++i)
        c.push_back(clickable(label("Gap", i, 104 + 46 * i, 226, 44, 16, "", kSong9, kLink)));
    c.push_back(label("BodyCaption", -1, 206, 226, 78, 16, "身体的颜色：", kSong9, kInk));
    for (int i = 0; i < 4; ++i)
        c.push_back(clickable(label("Body", i, 284 + 52 * i, 226, 50, 16, "", kSong9, kLink)));
    c.push_back(image("BodyLeft", -1, 47, 150, 116, 90, ":/design/form1/Image16.png"));
    for (int i = 0; i < 8; ++i)
        c.push_back(image("Band", i, 163 + 21 * i, 159, 21, 67));
    c.push_back(image("BodyRight", -1, 331, 147, 126, 89, ":/design/form1/Image23.png"));

    // The readings, and a measurement to check them against.
    c.push_back(label("MeasuredCaption", -1, 26, 270, 92, 18, "万用表读数：", kSong10_5Bold));
    c.push_back(label("MeasuredHint", -1, 266, 270, 224, 16, "可不填；填了按回车，逐个核对。",
                      kSong9, kInk));
    ControlDesign verdict = label("Verdict", -1, 26, 300, 462, 40, "", kSong10_5Bold, kRed);
    verdict.wordWrap = true;
    c.push_back(verdict);
    // One reading, ruled-out direction or misread band to a label, three lines at most.
    for (int i = 0; i < 4; ++i) {
        ControlDesign line = label("Reading", i, 26, 346 + 44 * i, 462, 40, "", kSong9, kInk);
        line.wordWrap = true;
        c.push_back(line);
    }

    // The printed code of a surface-mount part.
    c.push_back(label("SmdCaption", -1, 26, 546, 92, 18, "贴片代码：", kSong10_5Bold));
    c.push_back(label("SmdHint", -1, 226, 546, 264, 16, "印在贴片电阻上的，如 472、4R7、01C。",
                      kSong9, kInk));
    // The value, its arithmetic, the note and the bands of the same value: up to seven lines.
    ControlDesign answer = label("SmdAnswer", -1, 26, 572, 462, 90, "", kSong9, kInk);
    answer.wordWrap = true;
    c.push_back(answer);

    c.push_back(image("Frame", -1, 0, 0, 510, 36, ":/design/form2/Image1.png"));
    c.push_back(image("Ground", -1, 0, 36, 510, 644, ":/design/reading_window/Image2.png"));
    return f;
}

} // namespace

const FormDesign& readingWindow() {
    static const FormDesign design = build();
    return design;
}

} // namespace zq::designs
