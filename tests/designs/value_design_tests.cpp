// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The value-to-colours window's design: everything inside the window, nothing clickable
// hidden under another clickable control, and the hand over what can be clicked.
#include "assets/designs/designs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using zq::ControlDesign;
using zq::Cursor;
using zq::Kind;
using zq::designs::valueWindow;

std::string nameOf(const ControlDesign& c) {
    return std::string(c.name) + (c.index >= 0 ? "(" + std::to_string(c.index) + ")" : "");
}

bool clickable(const ControlDesign& c) {
    return c.cursor == Cursor::Hand;
}

TEST(ValueDesign, EveryControlLiesInsideTheWindow) {
    const auto& f = valueWindow();
    for (const ControlDesign& c : f.controls) {
        if (c.kind == Kind::Line) continue; // x1, y1, x2, y2
        EXPECT_GE(c.left, 0) << nameOf(c);
        EXPECT_GE(c.top, 0) << nameOf(c);
        EXPECT_LE(c.left + c.width, f.width) << nameOf(c);
        EXPECT_LE(c.top + c.height, f.height) << nameOf(c);
    }
}

TEST(ValueDesign, ClickableControlsDoNotOverlapAndShowTheHand) {
    const auto& f = valueWindow();
    const std::string expected[] = {
        "FindButton",     "ShowButton",     "FourBands",     "FiveBands",     "ToleranceChip(0)", "ToleranceChip(1)",
        "ToleranceChip(2)", "ToleranceChip(3)", "ToleranceChip(4)", "ToleranceChip(5)", "ToleranceChip(6)", "ToleranceChip(7)",
        "StandardValue(0)", "StandardValue(1)", "StandardValue(2)", "StandardValue(3)", "StandardValue(4)", "StandardValue(5)", "KitButton"};
    std::vector<std::string> hands;
    for (const ControlDesign& c : f.controls)
        if (clickable(c)) hands.push_back(nameOf(c));
    std::sort(hands.begin(), hands.end());
    std::vector<std::string> want(std::begin(expected), std::end(expected));
    std::sort(want.begin(), want.end());
    EXPECT_EQ(hands, want);

    for (const ControlDesign& a : f.controls)
        for (const ControlDesign& b : f.controls) {
            if (&a >= &b || !clickable(a) || !clickable(b)) continue;
            const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                               a.top + a.height <= b.top || b.top + b.height <= a.top;
            EXPECT_TRUE(apart) << nameOf(a) << " overlaps " << nameOf(b);
        }
}

TEST(ValueDesign, TheFieldAndTitleStandInFrontOfTheGround) {
    const auto& c = valueWindow().controls;
    auto position = [&](std::string_view name) {
        for (std::size_t i = 0; i < c.size(); ++i)
            if (c[i].name == name) return i;
        ADD_FAILURE() << name << " missing";
        return c.size();
    };
    // Front to back: the ground picture comes last, the title bar just before it.
    EXPECT_EQ(position("Ground"), c.size() - 1);
    EXPECT_EQ(position("Frame"), c.size() - 2);
    EXPECT_LT(position("title"), position("Frame"));
    EXPECT_LT(position("CloseBox"), position("Frame"));
}

} // namespace
