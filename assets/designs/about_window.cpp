// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The About window as designed, front to back.
#include "assets/designs/common.h"
#include "assets/designs/designs.h"

namespace zq::designs {
namespace {

using namespace detail;

FormDesign build() {
    return {
        .name = "AboutWindow",
        .caption = "关于本软件",
        .width = 5400,
        .height = 5520,
        .left = 3675,
        .top = 1950,
        .back = kWhite,
        .font = kSong9,
        .icon = ":/design/form3/icon.png",
        .controls =
            {
                {.name = "programName",
                 .kind = Kind::Label,
                 .left = 1440,
                 .top = 600,
                 .width = 3195,
                 .height = 375,
                 .caption = "ZelquinV1.1",
                 .hasFore = true,
                 .fore = kBlack,
                 .transparent = true,
                 .font = kSong14_25Bold},
                // Replaced at load by the About text, whose long lines wrap inside the label.
                {.name = "aboutLines",
                 .kind = Kind::Label,
                 .left = 1560,
                 .top = 1290,
                 .width = 3375,
                 .height = 2895,
                 .caption = "Label1",
                 .transparent = true,
                 .font = kSong9,
                 .wordWrap = true},
                {.name = "emblem",
                 .kind = Kind::Image,
                 .left = 330,
                 .top = 1890,
                 .width = 780,
                 .height = 765,
                 .picture = ":/design/form3/Image6.png"},
                {.name = "okButton",
                 .kind = Kind::Image,
                 .left = 2070,
                 .top = 4890,
                 .width = 1020,
                 .height = 390,
                 .picture = ":/design/form3/Image5.png"},
                {.name = "bottomEdge",
                 .kind = Kind::Image,
                 .left = 0,
                 .top = 5430,
                 .width = 5400,
                 .height = 90,
                 .picture = ":/design/form3/Image4.png"},
                {.name = "rightEdge",
                 .kind = Kind::Image,
                 .left = 5310,
                 .top = 0,
                 .width = 90,
                 .height = 5520,
                 .picture = ":/design/form3/Image3.png"},
                {.name = "topEdge",
                 .kind = Kind::Image,
                 .left = 0,
                 .top = 0,
                 .width = 5400,
                 .height = 90,
                 .picture = ":/design/form3/Image2.png"},
                {.name = "leftEdge",
                 .kind = Kind::Image,
                 .left = 0,
                 .top = 0,
                 .width = 90,
                 .height = 5520,
                 .picture = ":/design/form3/Image1.png"},
            },
    };
}

} // namespace

const FormDesign& aboutWindow() {
    static const FormDesign design = build();
    return design;
}

} // namespace zq::designs
