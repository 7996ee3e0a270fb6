// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Moving a skinned window by its title: the fields each such window keeps, and the three
// steps its title's press, move and release take.
#include <cstdint>

namespace zq {
class Form;
}

namespace zq::ui {

class TitleDrag {
  public:
    // -1 while the left button drags the window, else 0.
    std::int16_t Dragging = 0;
    // Where the title was grabbed, in twips within it.
    struct {
        std::int16_t X = 0, Y = 0;
    } DragGrab;
    // Where the last move put the window, in twips.
    struct {
        std::int16_t Left = 0, Top = 0;
    } DragTarget;

  protected:
    void dragPress(zq::Form& window, int Button, double X, double Y);
    void dragMove(zq::Form& window, double X, double Y);
    void dragRelease() { Dragging = 0; }
};

} // namespace zq::ui
