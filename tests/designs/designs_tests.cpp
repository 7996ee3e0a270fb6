// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks that catch slips in entering the designs: wrong or doubled names, a control out of its
// stacking place, a mistyped chip frame, and properties set on the wrong controls.
#include "assets/designs/designs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using zq::ControlDesign;
using zq::FormDesign;
using zq::Kind;
using zq::designs::aboutWindow;
using zq::designs::helpWindow;
using zq::designs::mainWindow;
using zq::designs::valueWindow;

using Key = std::pair<std::string, int>;

std::string numbered(const char* stem, int n) {
    return stem + std::to_string(n);
}

// Position in the front-to-back order; -1 when absent.
std::ptrdiff_t place(const FormDesign& form, std::string_view name, int index = -1) {
    const auto& c = form.controls;
    const auto it = std::find_if(c.begin(), c.end(), [&](const ControlDesign& d) {
        return d.name == name && d.index == index;
    });
    return it == c.end() ? -1 : it - c.begin();
}

const ControlDesign& get(const FormDesign& form, std::string_view name, int index = -1) {
    const auto at = place(form, name, index);
    if (at < 0) throw std::runtime_error("no control " + std::string(name));
    return form.controls[static_cast<std::size_t>(at)];
}

template <class Pred> std::set<Key> keysWhere(const FormDesign& form, Pred pred) {
    std::set<Key> keys;
    for (const auto& d : form.controls)
        if (pred(d)) keys.emplace(std::string(d.name), d.index);
    return keys;
}

std::set<Key> singles(const char* stem, int from, int to) {
    std::set<Key> keys;
    for (int n = from; n <= to; ++n)
        keys.emplace(numbered(stem, n), -1);
    return keys;
}

std::set<Key> array13(const char* name) {
    std::set<Key> keys;
    for (int i = 0; i < 13; ++i)
        keys.emplace(name, i);
    return keys;
}

std::set<Key> join(std::initializer_list<std::set<Key>> parts) {
    std::set<Key> all;
    for (const auto& p : parts)
        all.insert(p.begin(), p.end());
    return all;
}

const std::vector<const FormDesign*> kForms{&mainWindow(), &helpWindow(), &aboutWindow(), &valueWindow()};

TEST(Designs, NamesAreUniqueAndKindsMatchNames) {
    for (const auto* form : kForms) {
        std::set<Key> seen;
        for (const auto& d : form->controls) {
            EXPECT_TRUE(seen.emplace(std::string(d.name), d.index).second)
                << form->name << ": " << d.name << "(" << d.index << ") twice";
            const std::string_view n = d.name;
            if (n.starts_with("Label")) {
                EXPECT_EQ(d.kind, Kind::Label) << n;
            } else if (n.starts_with("Image")) {
                EXPECT_EQ(d.kind, Kind::Image) << n;
            } else if (n.starts_with("Line")) {
                EXPECT_EQ(d.kind, Kind::Line) << n;
            }
        }
    }
}

TEST(Designs, WindowsAreNamedAsTheCodeCallsThem) {
    EXPECT_EQ(mainWindow().name, "MainWindow");
    EXPECT_EQ(helpWindow().name, "HelpWindow");
    EXPECT_EQ(aboutWindow().name, "AboutWindow");
    EXPECT_EQ(mainWindow().caption, "ZelquinV1.1");
    EXPECT_EQ(helpWindow().caption, "软件说明");
    EXPECT_EQ(aboutWindow().caption, "关于本软件");
    EXPECT_EQ(mainWindow().icon, ":/design/form1/icon.png");
    EXPECT_EQ(helpWindow().icon, ":/design/form2/icon.png");
    EXPECT_EQ(aboutWindow().icon, ":/design/form3/icon.png");
}

TEST(MainDesign, HoldsExactlyTheControlsTheCodeNames) {
    std::set<Key> images = singles("Image", 1, 38);
    for (int n : {27, 28, 29})
        images.erase({numbered("Image", n), -1});
    std::set<Key> lines = singles("Line", 1, 47);
    for (int n = 5; n <= 8; ++n)
        lines.erase({numbered("Line", n), -1});
    const auto expected = join({singles("Label", 1, 24),
                                images,
                                lines,
                                array13("Image29"),
                                array13("Line5"),
                                array13("Line6"),
                                array13("Line7"),
                                array13("Line8"),
                                {{"Timer1", -1}}});
    EXPECT_EQ(keysWhere(mainWindow(), [](const auto&) { return true; }), expected);
    EXPECT_EQ(mainWindow().controls.size(), expected.size());
}

TEST(MainDesign, StackingPutsHitAreasAndButtonsOverWhatLiesBehind) {
    const auto& f = mainWindow();
    EXPECT_EQ(place(f, "Timer1"), 0);
    EXPECT_EQ(place(f, "Label15"), static_cast<std::ptrdiff_t>(f.controls.size()) - 1);
    for (int n = 17; n <= 22; ++n) {
        EXPECT_LT(place(f, numbered("Image", n)), place(f, "Image16")) << n;
        EXPECT_LT(place(f, numbered("Image", n)), place(f, "Image23")) << n;
    }
    for (const std::string& front :
         {std::string("Image30"), std::string("Image31"), std::string("Image32"),
          std::string("Image33"), std::string("Image34"), std::string("Label6"),
          std::string("Label24"), std::string("Image37"), std::string("Image38")})
        EXPECT_LT(place(f, front), place(f, "Image15")) << front;
    for (const char* front : {"Label1", "Image10", "Image11", "Image12", "Image13"})
        EXPECT_LT(place(f, front), place(f, "Image1")) << front;
    for (const char* front : {"Image24", "Image25", "Image26", "Label22"})
        EXPECT_LT(place(f, front), place(f, "Image4")) << front;
    // Every chip but the first stands behind its own frame; the first stands in front of it.
    for (int i = 0; i < 13; ++i)
        for (const char* frame : {"Line5", "Line6", "Line7", "Line8"})
            EXPECT_EQ(place(f, "Image29", i) < place(f, frame, i), i == 0) << frame << i;
}

TEST(MainDesign, PaletteChipsAndFramesFollowTheirFormulas) {
    const auto& f = mainWindow();
    const auto ends = [&](const char* name, int i) {
        const auto& d = get(f, name, i);
        return std::vector<int>{d.left, d.top, d.width, d.height};
    };
    EXPECT_EQ(ends("Image29", 0), (std::vector<int>{3300, 5535, 315, 1005}));
    EXPECT_EQ(ends("Image29", 12), (std::vector<int>{8340, 5535, 315, 1005}));

    EXPECT_EQ(ends("Line5", 0), (std::vector<int>{3285, 5520, 3285, 6540}));
    EXPECT_EQ(ends("Line6", 0), (std::vector<int>{3270, 5520, 3625, 5520}));
    EXPECT_EQ(ends("Line7", 0), (std::vector<int>{3630, 5505, 3630, 6560}));
    EXPECT_EQ(ends("Line8", 0), (std::vector<int>{3270, 6555, 3616, 6555}));

    EXPECT_EQ(ends("Line5", 5), (std::vector<int>{5385, 5520, 5385, 6540}));
    EXPECT_EQ(ends("Line6", 5), (std::vector<int>{5370, 5520, 5725, 5520}));
    EXPECT_EQ(ends("Line7", 5), (std::vector<int>{5730, 5535, 5730, 6535}));
    EXPECT_EQ(ends("Line8", 5), (std::vector<int>{5385, 6555, 5731, 6555}));

    EXPECT_EQ(ends("Line7", 12), (std::vector<int>{8670, 5535, 8670, 6535}));
    EXPECT_EQ(ends("Line8", 12), (std::vector<int>{8325, 6555, 8671, 6555}));

    for (int i = 0; i < 13; ++i) {
        for (const char* light : {"Line5", "Line6"})
            EXPECT_EQ(get(f, light, i).fore, (zq::Rgb{192, 192, 192})) << light << i;
        for (const char* dark : {"Line7", "Line8"})
            EXPECT_EQ(get(f, dark, i).fore, (zq::Rgb{0, 0, 0})) << dark << i;
        EXPECT_EQ(get(f, "Image29", i).picture,
                  ":/design/form1/Image29_" + std::to_string(i) + ".png");
    }
}

TEST(MainDesign, ChipTooltipsNameColourAndDigit) {
    const char* expected[13] = {"棕色（1）",         "红色（2）", "橙色（3）", "黄色（4）",
                                "绿色（5）",         "蓝色（6）", "紫色（7）", "灰色（8）",
                                "白色（9）",         "黑色（0）", "",          "",
                                "允许误差值（±%20）"};
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(get(mainWindow(), "Image29", i).tooltip, expected[i]) << i;
}

TEST(MainDesign, BandPlacesShareTheirKeysTooltips) {
    const auto& f = mainWindow();
    const std::pair<const char*, const char*> pairs[] = {{"Image17", "Image30"},
                                                         {"Image18", "Image31"},
                                                         {"Image19", "Image32"},
                                                         {"Image20", "Image33"},
                                                         {"Image22", "Image34"}};
    for (const auto& [band, key] : pairs)
        EXPECT_EQ(get(f, band).tooltip, get(f, key).tooltip);
    EXPECT_EQ(get(f, "Image30").tooltip, "第一环");
    EXPECT_EQ(get(f, "Image34").tooltip, "第五环");
    EXPECT_TRUE(get(f, "Image21").tooltip.empty());
    EXPECT_EQ(get(f, "Label22").tooltip, "去软件制作者网站看看");
}

TEST(MainDesign, HiddenDisabledAndHandSetsAreExact) {
    const auto& f = mainWindow();
    const auto hidden = keysWhere(f, [](const auto& d) { return !d.visible; });
    EXPECT_EQ(hidden, join({{{"Image11", -1}, {"Image13", -1}}, singles("Line", 36, 47)}));
    EXPECT_EQ(keysWhere(f, [](const auto& d) { return !d.enabled; }),
              (std::set<Key>{{"Image15", -1}}));

    const auto hand = keysWhere(f, [](const auto& d) { return d.cursor == zq::Cursor::Hand; });
    const auto expected = join({{{"Label22", -1}, {"Label24", -1}, {"Image22", -1}},
                                singles("Image", 24, 26),
                                singles("Image", 17, 20),
                                singles("Image", 30, 34),
                                array13("Image29")});
    EXPECT_EQ(hand, expected);

    for (const auto* form : {&helpWindow(), &aboutWindow()}) {
        EXPECT_TRUE(keysWhere(*form,
                              [](const auto& d) {
                                  return !d.visible || !d.enabled || d.cursor != zq::Cursor::Arrow;
                              })
                        .empty())
            << form->name;
    }
}

TEST(MainDesign, PicturesFollowTheirControlsNames) {
    const auto& f = mainWindow();
    const auto bare =
        keysWhere(f, [](const auto& d) { return d.kind == Kind::Image && d.picture.empty(); });
    EXPECT_EQ(bare, join({singles("Image", 17, 22), singles("Image", 35, 38)}));
    for (const auto& d : f.controls) {
        if (d.kind != Kind::Image) {
            EXPECT_TRUE(d.picture.empty()) << d.name;
            continue;
        }
        if (d.picture.empty() || d.index >= 0) continue;
        const std::string_view n = d.name;
        const bool key = n >= "Image30" && n <= "Image34";
        EXPECT_EQ(d.picture,
                  key ? std::string(":/res/124.png") : ":/design/form1/" + std::string(n) + ".png");
        // Bare places keep their size as the area that takes the mouse.
        EXPECT_GT(d.width, 0) << n;
        EXPECT_GT(d.height, 0) << n;
    }
}

TEST(MainDesign, LabelLooksAreOnTheRightLabels) {
    const auto& f = mainWindow();
    const auto isLabel = [](const ControlDesign& d) { return d.kind == Kind::Label; };
    EXPECT_EQ(keysWhere(f, [&](const auto& d) { return isLabel(d) && !d.transparent; }),
              singles("Label", 9, 20));
    EXPECT_EQ(keysWhere(f, [&](const auto& d) { return isLabel(d) && d.caption.empty(); }),
              (std::set<Key>{{"Label3", -1},
                             {"Label5", -1},
                             {"Label6", -1},
                             {"Label8", -1},
                             {"Label9", -1},
                             {"Label12", -1},
                             {"Label19", -1}}));
    auto centred = singles("Label", 9, 19);
    centred.erase({"Label15", -1});
    EXPECT_EQ(keysWhere(f, [](const auto& d) { return d.align == zq::Align::Centre; }), centred);
    EXPECT_EQ(keysWhere(f, [](const auto& d) { return d.autoSize; }),
              (std::set<Key>{{"Label21", -1}, {"Label22", -1}, {"Label23", -1}, {"Label24", -1}}));
    EXPECT_EQ(keysWhere(f, [](const auto& d) { return d.font.face == "Tahoma"; }),
              (std::set<Key>{{"Label6", -1}}));
    for (const auto& d : f.controls) {
        EXPECT_FALSE(d.wordWrap) << d.name;
        if (!d.font.face.empty()) {
            EXPECT_GT(d.font.points, 0) << d.name;
        }
    }
    EXPECT_EQ(get(f, "Label21").caption, "1000Ω=1KΩ 1000000Ω=1MΩ 1000000000Ω=1GΩ(吉欧)");
    EXPECT_EQ(get(f, "Label20").caption, "电阻可允许误差值：±5%");
}

TEST(MainDesign, LineWidthsAndColours) {
    const auto& f = mainWindow();
    auto thin = join({singles("Line", 9, 13), singles("Line", 36, 47)});
    thin.insert({{"Line18", -1}, {"Line22", -1}, {"Line23", -1}});
    EXPECT_EQ(keysWhere(f, [](const auto& d) { return d.kind == Kind::Line && d.lineWidth == 1; }),
              thin);
    EXPECT_EQ(keysWhere(f, [](const auto& d) { return d.kind == Kind::Line && !d.hasFore; }),
              (std::set<Key>{{"Line38", -1},
                             {"Line39", -1},
                             {"Line40", -1},
                             {"Line41", -1},
                             {"Line44", -1},
                             {"Line45", -1}}));
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(get(f, numbered("Line", n)).fore, (zq::Rgb{0, 0, 255}));
    for (int n : {14, 15, 16, 17, 19, 20, 21})
        EXPECT_EQ(get(f, numbered("Line", n)).fore, (zq::Rgb{255, 0, 0})) << n;
}

TEST(MainDesign, TimerTicksFromTheStart) {
    const auto& t = get(mainWindow(), "Timer1");
    EXPECT_EQ(t.kind, Kind::Timer);
    EXPECT_EQ(t.interval, 600);
    EXPECT_TRUE(t.timerEnabled);
}

TEST(HelpDesign, TextBoxFrontmostAndCloseAreaBare) {
    const auto& f = helpWindow();
    ASSERT_FALSE(f.controls.empty());
    const auto& text = f.controls.front();
    EXPECT_EQ(text.name, "Text1");
    EXPECT_EQ(text.kind, Kind::TextBox);
    EXPECT_TRUE(text.readOnly);
    EXPECT_TRUE(text.scrollBars);
    EXPECT_EQ(text.font.face, "宋体");
    EXPECT_EQ(text.font.points, 9);
    EXPECT_TRUE(get(f, "Image8").picture.empty());
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(get(f, numbered("Image", n)).picture,
                  ":/design/form2/Image" + std::to_string(n) + ".png");
    EXPECT_EQ(f.controls.size(), 10u);
}

TEST(AboutDesign, LabelsInFrontAndOnlyTheTextWraps) {
    const auto& f = aboutWindow();
    EXPECT_LT(place(f, "Label2"), place(f, "Image6"));
    EXPECT_LT(place(f, "Label1"), place(f, "Image6"));
    EXPECT_EQ(get(f, "Label1").caption, "Label1");
    EXPECT_EQ(keysWhere(f, [](const auto& d) { return d.wordWrap; }),
              (std::set<Key>{{"Label1", -1}}));
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(get(f, numbered("Image", n)).picture,
                  ":/design/form3/Image" + std::to_string(n) + ".png");
    EXPECT_EQ(f.controls.size(), 8u);
}

} // namespace
