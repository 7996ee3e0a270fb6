// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The value-to-colours window as designed, front to back. It wears the help window's title
// bar and pink edges; the answer stands on white panels painted into its ground.
#include "assets/designs/common.h"
#include "assets/designs/designs.h"
#include "model/colour_finder.h"

namespace zq::designs {
namespace {

using namespace detail;

// The tolerance chips' labels, by palette index.
constexpr std::array<std::string_view, model::palette::kSize> kShortNames{
    "棕", "红", "橙", "黄", "绿", "蓝", "紫", "灰", "白", "黑", "金", "银", "无"};

ControlDesign label(std::string_view name, int left, int top, int width, int height,
                    std::string_view caption, FontDesign font, Rgb fore = kBlack) {
    return pixelLabel(name, -1, left, top, width, height, caption, font, fore);
}

ControlDesign image(std::string_view name, int index, int left, int top, int width, int height,
                    std::string_view picture = {}) {
    return pixelImage(name, index, left, top, width, height, picture);
}

FormDesign build() {
    FormDesign f{
        .name = "ValueWindow",
        .caption = "由阻值查色环",
        .width = px(510),
        .height = px(440),
        .left = 2700,
        .top = 1500,
        .back = kPaleMagenta,
        .font = kSong9,
        .icon = ":/design/form2/icon.png",
    };
    auto& c = f.controls;
    // The value field; Return in it finds the colours.
    c.push_back({.name = "ValueField",
                 .kind = Kind::TextBox,
                 .left = px(78),
                 .top = px(50),
                 .width = px(190),
                 .height = px(26),
                 .font = kSong10_5Bold});
    c.push_back(image("CloseBox", -1, 468, 2, 19, 21)); // hit area of the drawn close box
    c.push_back(label("title", 8, 4, 439, 19, "由阻值查色环", kSong10_5, kRed));
    c.push_back(
        clickable(image("FindButton", -1, 278, 50, 80, 26, ":/design/value_window/Image3.png")));
    c.push_back(
        clickable(image("ShowButton", -1, 366, 50, 120, 26, ":/design/value_window/Image4.png")));
    c.push_back(label("ValueCaption", 26, 55, 52, 18, "阻值：", kSong10_5Bold));
    // The reason a value cannot be read, or what was made instead of it: three lines hold
    // the longest, a note on how the value was read with one on what the bands cannot make.
    c.push_back(label("Note", 26, 80, 466, 36, "", kSong9, kRed));
    c.push_back(label("BandsCaption", 26, 122, 60, 16, "色环数：", kSong9));
    c.push_back(clickable(label("FourBands", 86, 122, 56, 16, "○四环", kSong9)));
    c.push_back(clickable(label("FiveBands", 146, 122, 56, 16, "○五环", kSong9)));
    c.push_back(label("ToleranceCaption", 214, 122, 42, 16, "误差：", kSong9));
    // The colours the tolerance band takes, in palette order, each in the ink of its band;
    // the line underlines the one chosen.
    for (int i = 0; i < int(model::kTolerancePalette.size()); ++i) {
        const model::ColourRecord& r =
            model::colourRecord(model::kTolerancePalette[std::size_t(i)]);
        // Light text where the ink is dark, by its luma.
        const bool dark = r.ink.r * 299 + r.ink.g * 587 + r.ink.b * 114 < 140000;
        ControlDesign chip =
            clickable(label("ToleranceChip", 256 + 25 * i, 119, 22, 18,
                            kShortNames.at(std::size_t(r.index)), kSong9, dark ? kWhite : kBlack));
        chip.index = i;
        chip.transparent = false;
        chip.back = {r.ink.r, r.ink.g, r.ink.b};
        chip.align = Align::Centre;
        c.push_back(chip);
    }
    c.push_back(label("ToleranceText", 458, 122, 36, 16, "", kSong9, kInk));
    c.push_back({.name = "ToleranceMark",
                 .kind = Kind::Line,
                 .left = px(256),
                 .top = px(139),
                 .width = px(278),
                 .height = px(139),
                 .hasFore = true,
                 .fore = kRed,
                 .lineWidth = 2});

    // The answer.
    c.push_back(label("ColoursCaption", 26, 166, 50, 16, "色环：", kSong10_5Bold));
    for (int i = 0; i < 5; ++i)
        c.push_back(image("AnswerChip", i, 80 + 25 * i, 162, 21, 67));
    c.push_back(label("ColourNames", 215, 166, 270, 20, "", kSong12Bold, kInk));
    c.push_back(label("ValueText", 215, 190, 270, 20, "", kSong12Bold, kRed));
    c.push_back(label("RangeText", 215, 214, 270, 16, "", kSong9, kInk));
    // The resistor, as on the main window: body end, eight band sections, the other end.
    c.push_back(image("BodyLeft", -1, 47, 232, 116, 90, ":/design/form1/Image16.png"));
    for (int i = 0; i < 8; ++i)
        c.push_back(image("Band", i, 163 + 21 * i, 241, 21, 67));
    c.push_back(image("BodyRight", -1, 331, 229, 126, 89, ":/design/form1/Image23.png"));
    // The codes a chip resistor of the same value carries.
    c.push_back(label("SmdCodes", 26, 324, 460, 16, "", kSong9, kInk));
    c.push_back(
        label("StandardCaption", 26, 342, 356, 16, "最接近的标准值（点一下填入）：", kSong9));
    // Opens the companion panel that makes the value from the parts the user has.
    c.push_back(clickable(label("KitButton", 386, 342, 100, 16, "用手头的电阻凑…", kSong9, kLink)));
    for (int i = 0; i < 6; ++i) {
        ControlDesign v = clickable(label("StandardValue", 26 + 236 * (i % 2), 360 + 18 * (i / 2),
                                          228, 16, "", kSong9, kLink));
        v.index = i;
        c.push_back(v);
    }

    c.push_back(image("Frame", -1, 0, 0, 510, 36, ":/design/form2/Image1.png"));
    c.push_back(image("Ground", -1, 0, 36, 510, 404, ":/design/value_window/Image2.png"));
    return f;
}

} // namespace

const FormDesign& valueWindow() {
    static const FormDesign design = build();
    return design;
}

} // namespace zq::designs
