// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The companion panel of the value window as designed: which parts the user has, the best way
// to make the value from one, two and three of them, and the working of the way chosen. It
// wears the value window's frame; 288 pixels high, it goes under that window on a 728-pixel
// free area.
#include "assets/designs/common.h"
#include "assets/designs/designs.h"

namespace zq::designs {
namespace {

using namespace detail;

ControlDesign label(std::string_view name, int index, int left, int top, int width, int height,
                    Rgb fore = kInk, bool wrap = false) {
    ControlDesign c = pixelLabel(name, index, left, top, width, height, "", kSong9, fore);
    c.wordWrap = wrap;
    return c;
}

FormDesign build() {
    FormDesign f{
        .name = "CombinationsPanel",
        .caption = "用手头的电阻凑",
        .width = px(510),
        .height = px(288),
        .left = 2700,
        .top = 8100,
        .back = kPaleMagenta,
        .font = kSong9,
        .icon = ":/design/form2/icon.png",
    };
    auto& c = f.controls;
    c.push_back(pixelImage("CloseBox", -1, 468, 2, 19, 21, {})); // hit area of the drawn close box
    c.push_back(pixelLabel("title", -1, 8, 4, 439, 19, "用手头的电阻凑", kSong10_5, kRed));
    c.push_back(label("Heading", -1, 26, 46, 460, 16));
    ControlDesign kits = label("KitCaption", -1, 26, 68, 80, 16, kBlack);
    kits.caption = "我有的电阻：";
    c.push_back(kits);
    // The kits in the chooser's order: E6, E12, E24, the user's own.
    for (int i = 0; i < 4; ++i)
        c.push_back(clickable(label("KitChoice", i, 108 + 72 * i, 68, 70, 16, kBlack)));
    ControlDesign edit = clickable(label("EditButton", -1, 398, 68, 92, 16, kLink));
    edit.caption = "编辑我的套装…";
    c.push_back(edit);
    // Why nothing can be made, or what happened to the user's own kit file.
    c.push_back(label("Note", -1, 26, 88, 460, 30, kInk, true));
    // The best way with one, two and three parts; the chosen one is underlined.
    for (int i = 0; i < 3; ++i)
        c.push_back(clickable(label("Way", i, 26, 122 + 18 * i, 460, 16, kLink)));
    c.push_back({.name = "WayMark",
                 .kind = Kind::Line,
                 .left = px(26),
                 .top = px(138),
                 .width = px(486),
                 .height = px(138),
                 .hasFore = true,
                 .fore = kRed,
                 .visible = false,
                 .lineWidth = 1});
    c.push_back(label("Working", -1, 26, 180, 460, 44, kInk, true));
    // The colours of each part of the chosen way, each drawn before its line.
    for (int i = 0; i < 3; ++i)
        c.push_back(pixelImage("PartPicture", i, 26, 227 + 16 * i, 56, 14, {}));
    c.push_back(label("Parts", -1, 88, 226, 398, 48, kInk, true));

    c.push_back(pixelImage("Frame", -1, 0, 0, 510, 36, ":/design/form2/Image1.png"));
    c.push_back(
        pixelImage("Ground", -1, 0, 36, 510, 252, ":/design/combinations_panel/Image2.png"));
    return f;
}

} // namespace

const FormDesign& combinationsPanel() {
    static const FormDesign design = build();
    return design;
}

} // namespace zq::designs
