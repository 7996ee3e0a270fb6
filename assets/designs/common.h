// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Colours and fonts shared by the window designs.
#include "model/colour_code.h"
#include "platform/design.h"

#include <iterator>
#include <string_view>

namespace zq::designs::detail {

// The main window's palette chips, which the reading and practice windows show too.
inline constexpr std::string_view kChipPictures[] = {
    ":/design/form1/Image29_0.png",  ":/design/form1/Image29_1.png",
    ":/design/form1/Image29_2.png",  ":/design/form1/Image29_3.png",
    ":/design/form1/Image29_4.png",  ":/design/form1/Image29_5.png",
    ":/design/form1/Image29_6.png",  ":/design/form1/Image29_7.png",
    ":/design/form1/Image29_8.png",  ":/design/form1/Image29_9.png",
    ":/design/form1/Image29_10.png", ":/design/form1/Image29_11.png"};
static_assert(std::size(kChipPictures) == model::palette::kPaintedSize);

inline constexpr std::string_view kSong = "宋体";
inline constexpr std::string_view kTahoma = "Tahoma";

inline constexpr FontDesign kSong9{.face = kSong, .points = 9, .bold = false};
inline constexpr FontDesign kSong10_5{.face = kSong, .points = 10.5, .bold = false};
inline constexpr FontDesign kSong10_5Bold{.face = kSong, .points = 10.5, .bold = true};
inline constexpr FontDesign kSong12Bold{.face = kSong, .points = 12, .bold = true};
inline constexpr FontDesign kSong14_25Bold{.face = kSong, .points = 14.25, .bold = true};
inline constexpr FontDesign kSong15Bold{.face = kSong, .points = 15, .bold = true};
inline constexpr FontDesign kSong15_75Bold{.face = kSong, .points = 15.75, .bold = true};
inline constexpr FontDesign kTahoma21_75Bold{.face = kTahoma, .points = 21.75, .bold = true};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kGrey{192, 192, 192};
inline constexpr Rgb kMagenta{255, 0, 255};
inline constexpr Rgb kPink{255, 128, 255};
inline constexpr Rgb kLightGreen{128, 255, 128};
inline constexpr Rgb kTeal{0, 128, 128};
inline constexpr Rgb kTitleBlue{0, 0, 176};

// Fills of the opaque flow-chart boxes and the help window's background.
inline constexpr Rgb kPaleGreen{192, 255, 192};
inline constexpr Rgb kPaleCyan{192, 255, 255};
inline constexpr Rgb kPaleMagenta{255, 192, 255};
inline constexpr Rgb kPaleBlue{192, 192, 255};
inline constexpr Rgb kPaleYellow{255, 255, 192};
inline constexpr Rgb kPaleRed{255, 192, 192};

// The value and reading windows are laid out in pixels; the runtime takes twips.
constexpr int px(int pixels) {
    return pixels * 15;
}

inline ControlDesign pixelLabel(std::string_view name, int index, int left, int top, int width,
                                int height, std::string_view caption, FontDesign font, Rgb fore) {
    return {.name = name,
            .index = index,
            .kind = Kind::Label,
            .left = px(left),
            .top = px(top),
            .width = px(width),
            .height = px(height),
            .caption = caption,
            .hasFore = true,
            .fore = fore,
            .transparent = true,
            .font = font};
}

inline ControlDesign pixelImage(std::string_view name, int index, int left, int top, int width,
                                int height, std::string_view picture) {
    return {.name = name,
            .index = index,
            .kind = Kind::Image,
            .left = px(left),
            .top = px(top),
            .width = px(width),
            .height = px(height),
            .picture = picture};
}

// The secondary windows' dark text and links, and their labels and pictures placed in pixels.
inline constexpr Rgb kInk{32, 32, 96};
inline constexpr Rgb kLink{0, 0, 192};

// A control that answers a click shows the hand.
inline ControlDesign clickable(ControlDesign c) {
    c.cursor = Cursor::Hand;
    return c;
}

inline ControlDesign label(std::string_view name, int index, int left, int top, int width,
                           int height, std::string_view caption, FontDesign font,
                           Rgb fore = kBlack) {
    return pixelLabel(name, index, left, top, width, height, caption, font, fore);
}

inline ControlDesign image(std::string_view name, int index, int left, int top, int width,
                           int height, std::string_view picture = {}, bool hand = false) {
    ControlDesign c = pixelImage(name, index, left, top, width, height, picture);
    if (hand) c.cursor = Cursor::Hand;
    return c;
}

} // namespace zq::designs::detail
