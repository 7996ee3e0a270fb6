// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor of the user's own kit as designed: one value a line in a text box, the reason a
// line cannot be used under it, and the buttons. It wears the companion panel's frame and
// ground, being of the same size.
#include "assets/designs/common.h"
#include "assets/designs/designs.h"

namespace zq::designs {
namespace {

using namespace detail;

FormDesign build() {
    FormDesign f{
        .name = "OwnKitEditor",
        .caption = "我的套装",
        .width = px(510),
        .height = px(288),
        .left = 2700,
        .top = 3600,
        .back = kPaleMagenta,
        .font = kSong9,
        .icon = ":/design/form2/icon.png",
    };
    auto& c = f.controls;
    c.push_back({.name = "KitText",
                 .kind = Kind::TextBox,
                 .left = px(26),
                 .top = px(80),
                 .width = px(460),
                 .height = px(124),
                 .font = kSong10_5});
    c.push_back(pixelImage("CloseBox", -1, 468, 2, 19, 21, {})); // hit area of the drawn close box
    c.push_back(pixelLabel("title", -1, 8, 4, 439, 19, "我的套装", kSong10_5, kRed));
    ControlDesign help = pixelLabel(
        "Help", -1, 26, 46, 460, 30,
        "一行一个阻值，写法和查色环一样（4.7k、4k7、470R、4.7千欧）；也可以粘贴一串，用逗号或顿号"
        "隔开。# 后面是注释。",
        kSong9, kInk);
    help.wordWrap = true;
    c.push_back(help);
    // Why a line cannot be used, or why the kit was not saved.
    ControlDesign note = pixelLabel("Note", -1, 26, 208, 460, 32, "", kSong9, kRed);
    note.wordWrap = true;
    c.push_back(note);
    for (ControlDesign b :
         {pixelImage("SaveButton", -1, 314, 246, 80, 26, ":/design/own_kit_editor/Image3.png"),
          pixelImage("CancelButton", -1, 406, 246, 80, 26, ":/design/own_kit_editor/Image4.png")}) {
        b.cursor = Cursor::Hand;
        c.push_back(b);
    }
    c.push_back(pixelImage("Frame", -1, 0, 0, 510, 36, ":/design/form2/Image1.png"));
    c.push_back(
        pixelImage("Ground", -1, 0, 36, 510, 252, ":/design/combinations_panel/Image2.png"));
    return f;
}

} // namespace

const FormDesign& ownKitEditor() {
    static const FormDesign design = build();
    return design;
}

} // namespace zq::designs
