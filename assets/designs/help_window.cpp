// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window as designed, front to back. The text box stands in front of every picture so
// that the skin never covers the help text.
#include "assets/designs/common.h"
#include "assets/designs/designs.h"

namespace zq::designs {
namespace {

using namespace detail;

FormDesign build() {
    return {
        .name = "HelpWindow",
        .caption = "软件说明",
        .width = 7650,
        .height = 6090,
        .left = 2445,
        .top = 1710,
        .back = kPaleMagenta,
        .font = kSong9,
        .icon = ":/design/form2/icon.png",
        .controls =
            {
                // Filled at load; scrolls instead of wrapping so the text keeps its line breaks.
                {.name = "text",
                 .kind = Kind::TextBox,
                 .left = 120,
                 .top = 540,
                 .width = 7425,
                 .height = 5445,
                 .font = kSong9,
                 .scrollBars = true,
                 .readOnly = true},
                // No picture: the hit area over the close box drawn in the title bar.
                {.name = "closeButton",
                 .kind = Kind::Image,
                 .left = 7020,
                 .top = 30,
                 .width = 285,
                 .height = 315},
                {.name = "title",
                 .kind = Kind::Label,
                 .left = 120,
                 .top = 60,
                 .width = 6585,
                 .height = 285,
                 .caption = "软件说明",
                 .hasFore = true,
                 .fore = kRed,
                 .transparent = true,
                 .font = kSong10_5},
                {.name = "rightEdgeLower",
                 .kind = Kind::Image,
                 .left = 7550,
                 .top = 2280,
                 .width = 105,
                 .height = 3720,
                 .picture = ":/design/form2/Image7.png"},
                {.name = "leftEdgeLower",
                 .kind = Kind::Image,
                 .left = 0,
                 .top = 2250,
                 .width = 105,
                 .height = 3720,
                 .picture = ":/design/form2/Image4.png"},
                {.name = "bottomEdgeRight",
                 .kind = Kind::Image,
                 .left = 3930,
                 .top = 5970,
                 .width = 3720,
                 .height = 105,
                 .picture = ":/design/form2/Image3.png"},
                {.name = "bottomEdgeLeft",
                 .kind = Kind::Image,
                 .left = 0,
                 .top = 5970,
                 .width = 6060,
                 .height = 105,
                 .picture = ":/design/form2/Image2.png"},
                {.name = "titleBar",
                 .kind = Kind::Image,
                 .left = 0,
                 .top = 0,
                 .width = 7650,
                 .height = 540,
                 .picture = ":/design/form2/Image1.png"},
                {.name = "leftEdgeUpper",
                 .kind = Kind::Image,
                 .left = 0,
                 .top = 270,
                 .width = 105,
                 .height = 3720,
                 .picture = ":/design/form2/Image5.png"},
                {.name = "rightEdgeUpper",
                 .kind = Kind::Image,
                 .left = 7550,
                 .top = 335,
                 .width = 105,
                 .height = 3720,
                 .picture = ":/design/form2/Image6.png"},
            },
    };
}

} // namespace

const FormDesign& helpWindow() {
    static const FormDesign design = build();
    return design;
}

} // namespace zq::designs
