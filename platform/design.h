// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A window design as plain data: what the form runtime builds a window from.
//
// What the runtime keeps from the windows' origin, and why. The first windows were drawn and
// measured long before this code, and their numbers are kept as drawn so that each can be
// checked against the drawing rather than against a conversion of it:
//   - twips (1/1440 inch, 15 to a pixel at 96 dots per inch) are the unit of every position
//     and size, of the windows' properties and of the mouse position handed to handlers
//     (screen.h converts);
//   - controls are lightweight, drawn by their window in one stacking order (listed front to
//     back below) and given the mouse front-most first, as the drawings overlap them;
//   - a mouse handler receives the button, the Shift/Ctrl/Alt mask and the position, and
//     properties keep the drawings' words (Caption, Picture, Visible, BorderColor).
// Everything else is Qt's own: window flags, masks, layouts of text, accessibility.
//
// Lines use x1, y1, x2, y2 in the four position fields.
#include <cstdint>
#include <string_view>
#include <vector>

namespace zq {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

enum class Kind { Image, Label, Line, TextBox, Timer };
enum class Align { Left, Centre };
enum class Cursor { Arrow, Hand };

struct FontDesign {
    std::string_view face{}; // empty: the window's font
    double points = 0;
    bool bold = false;
};

struct ControlDesign {
    std::string_view name{};
    int index = -1; // element of a control array, or -1
    Kind kind = Kind::Image;
    int left = 0, top = 0, width = 0, height = 0; // lines: x1, y1, x2, y2
    std::string_view caption{};                   // labels; text boxes' initial text
    std::string_view picture{};                   // images: resource path of the design picture
    bool hasFore = false;
    Rgb fore{}; // labels: text colour; lines: colour (else window text colour)
    bool transparent = false;
    Rgb back{255, 255, 255}; // labels that are not transparent
    FontDesign font{};
    Align align = Align::Left;
    bool autoSize = false;
    bool wordWrap = false;
    Cursor cursor = Cursor::Arrow;
    std::string_view tooltip{};
    bool visible = true;
    bool enabled = true;
    int lineWidth = 1; // lines, in pixels
    int interval = 0;  // timers, milliseconds
    bool timerEnabled = true;
    bool scrollBars = false; // text boxes: both scroll bars, no wrapping
    bool readOnly = false;
};

struct FormDesign {
    std::string_view name{};
    std::string_view caption;
    int width = 0, height = 0; // twips, client area
    int left = 0, top = 0;     // twips
    Rgb back{255, 255, 255};
    FontDesign font{};
    std::string_view icon{};               // resource path
    std::vector<ControlDesign> controls{}; // front to back
};

} // namespace zq
