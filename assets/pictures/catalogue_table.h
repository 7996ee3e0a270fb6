// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The table behind zq::pictures::catalogue(). Kept in a header so that the painting tool,
// which runs before the library exists, checks what it paints against the same sizes.
#include "assets/pictures/pictures.h"

namespace zq::pictures::detail {

inline constexpr PictureInfo kTable[] = {
    // Band chips: a section of the resistor body with a band, 113 without one.
    {":/res/101.png", 21, 67, true},
    {":/res/102.png", 21, 67, true},
    {":/res/103.png", 21, 67, true},
    {":/res/104.png", 21, 67, true},
    {":/res/105.png", 21, 67, true},
    {":/res/106.png", 21, 67, true},
    {":/res/107.png", 21, 67, true},
    {":/res/108.png", 21, 67, true},
    {":/res/109.png", 21, 67, true},
    {":/res/110.png", 21, 67, true},
    {":/res/111.png", 21, 67, true},
    {":/res/112.png", 21, 67, true},
    {":/res/113.png", 21, 67, true},
    // Band keys on the multimeter, unlit and lit.
    {":/res/124.png", 23, 10, false},
    {":/res/125.png", 23, 10, false},
    // Tolerance read-outs, then unit read-outs.
    {":/res/126.png", 53, 17, false},
    {":/res/127.png", 67, 18, false},
    {":/res/128.png", 71, 17, false},
    {":/res/129.png", 71, 17, false},
    {":/res/130.png", 71, 17, false},
    {":/res/131.png", 65, 18, false},
    {":/res/132.png", 52, 17, false},
    {":/res/133.png", 52, 17, false},
    {":/res/134.png", 34, 19, false},
    {":/res/135.png", 15, 18, false},
    {":/res/136.png", 30, 19, false},
    {":/res/137.png", 34, 19, false},
    // Close box of the help window's title bar, plain and strong.
    {":/res/138.png", 19, 18, false},
    {":/res/139.png", 19, 18, false},
    // The About window's button, blue under the pointer and grey at rest.
    {":/res/140.png", 68, 26, false},
    {":/res/141.png", 68, 26, false},

    // Main window.
    {":/design/form1/Image1.png", 687, 28, false},
    {":/design/form1/Image2.png", 7, 27, false},
    {":/design/form1/Image3.png", 5, 28, false},
    {":/design/form1/Image4.png", 792, 34, false},
    {":/design/form1/Image5.png", 8, 519, false},
    {":/design/form1/Image6.png", 7, 548, false},
    {":/design/form1/Image7.png", 799, 8, false},
    {":/design/form1/Image8.png", 7, 24, false},
    {":/design/form1/Image9.png", 6, 19, false},
    {":/design/form1/Image10.png", 16, 16, false},
    {":/design/form1/Image11.png", 16, 16, false},
    {":/design/form1/Image12.png", 16, 16, false},
    {":/design/form1/Image13.png", 16, 16, false},
    {":/design/form1/Image14.png", 16, 16, true},
    {":/design/form1/Image15.png", 177, 378, true},
    {":/design/form1/Image16.png", 116, 90, true},
    {":/design/form1/Image23.png", 126, 89, true},
    {":/design/form1/Image24.png", 55, 25, true},
    {":/design/form1/Image25.png", 53, 24, true},
    {":/design/form1/Image26.png", 57, 24, true},
    {":/design/form1/Image29_0.png", 21, 67, true},
    {":/design/form1/Image29_1.png", 21, 67, true},
    {":/design/form1/Image29_2.png", 21, 67, true},
    {":/design/form1/Image29_3.png", 21, 67, true},
    {":/design/form1/Image29_4.png", 21, 67, true},
    {":/design/form1/Image29_5.png", 21, 67, true},
    {":/design/form1/Image29_6.png", 21, 67, true},
    {":/design/form1/Image29_7.png", 21, 67, true},
    {":/design/form1/Image29_8.png", 21, 67, true},
    {":/design/form1/Image29_9.png", 21, 67, true},
    {":/design/form1/Image29_10.png", 21, 67, true},
    {":/design/form1/Image29_11.png", 21, 67, true},
    {":/design/form1/Image29_12.png", 21, 67, true},
    {":/design/form1/Image30.png", 23, 10, false},
    {":/design/form1/icon.png", 48, 48, true},
    {":/design/form1/hand.png", 32, 32, true},

    // Help window.
    {":/design/form2/Image1.png", 510, 36, true},
    {":/design/form2/Image2.png", 404, 7, false},
    {":/design/form2/Image3.png", 248, 7, false},
    {":/design/form2/Image4.png", 7, 248, false},
    {":/design/form2/Image5.png", 7, 248, false},
    {":/design/form2/Image6.png", 7, 248, false},
    {":/design/form2/Image7.png", 7, 248, true},
    {":/design/form2/icon.png", 32, 32, true},
    {":/design/form2/icon16.png", 16, 16, true},

    // About window.
    {":/design/form3/Image1.png", 6, 368, false},
    {":/design/form3/Image2.png", 360, 6, false},
    {":/design/form3/Image3.png", 6, 368, false},
    {":/design/form3/Image4.png", 360, 6, false},
    {":/design/form3/Image5.png", 68, 26, true},
    {":/design/form3/Image6.png", 52, 51, true},
    {":/design/form3/icon.png", 32, 32, true},
    {":/design/form3/icon16.png", 16, 16, true},

    // Value-to-colours window.
    {":/design/value_window/Image2.png", 510, 404, false},
    {":/design/value_window/Image3.png", 80, 26, true},
    {":/design/value_window/Image4.png", 120, 26, true},

    // Reading window.
    {":/design/reading_window/Image2.png", 510, 644, false},
    {":/design/reading_window/Image3.png", 76, 26, true},
    {":/design/reading_window/Image4.png", 76, 26, true},

    // Practice window: the reading window's panels, the last one taller for the chart.
    {":/design/practice_window/Image2.png", 510, 668, false},
    {":/design/practice_window/Image3.png", 76, 26, true},
    {":/design/practice_window/Image4.png", 76, 26, true},
    {":/design/practice_window/Image5.png", 76, 26, true},
    {":/design/practice_window/Image6.png", 100, 26, true},

    // The value window's companion panel.
    {":/design/combinations_panel/Image2.png", 510, 252, false},
    {":/design/own_kit_editor/Image3.png", 80, 26, true},
    {":/design/own_kit_editor/Image4.png", 80, 26, true},
};

} // namespace zq::pictures::detail
