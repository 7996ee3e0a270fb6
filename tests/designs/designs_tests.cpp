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

std::set<Key> names(std::initializer_list<const char*> list) {
    std::set<Key> keys;
    for (const char* n : list)
        keys.emplace(n, -1);
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

const std::vector<const FormDesign*> kForms{&mainWindow(), &helpWindow(), &aboutWindow(),
                                            &valueWindow()};

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
    const auto images = names({"titleStrip",        "topLeftCorner",    "topRightCorner",
                               "menuStrip",         "rightEdge",        "leftEdge",
                               "bottomEdge",        "bottomLeftCorner", "bottomRightCorner",
                               "closeButton",       "closeButtonLit",   "minimiseButton",
                               "minimiseButtonLit", "titleIcon",        "meter",
                               "resistorLeftEnd",   "bandPlace1",       "bandPlace2",
                               "bandPlace3",        "bandPlace4",       "bodyPiece1",
                               "bandPlace5",        "resistorRightEnd", "helpButton",
                               "aboutButton",       "exitButton",       "bandKey1",
                               "bandKey2",          "bandKey3",         "bandKey4",
                               "bandKey5",          "bodyPiece2",       "bodyPiece3",
                               "meterUnit",         "meterTolerance"});
    const auto lines =
        names({"workAreaTop",     "workAreaRight",    "workAreaBottom",   "workAreaLeft",
               "band1Drop",       "band1ToRow",       "band2Drop",        "band2ToRow",
               "band3Drop",       "sumBoxTop",        "sumBoxLeft",       "sumBoxBottom",
               "sumBoxRight",     "band3ToRow",       "lowerBoxLeft",     "lowerBoxRight",
               "lowerBoxBottom",  "band4Drop",        "band4ToProduct",   "sumOutDrop",
               "sumOutAcross",    "sumOutRise",       "productBoxLeft",   "sumIntoProduct",
               "productBoxTop",   "productBoxBottom", "productBoxRight",  "sumToResult",
               "productToResult", "sumUpToProduct",   "band5ToTolerance", "helpFrameLeft",
               "helpFrameTop",    "helpFrameRight",   "helpFrameBottom",  "aboutFrameBottom",
               "aboutFrameRight", "aboutFrameTop",    "aboutFrameLeft",   "exitFrameBottom",
               "exitFrameRight",  "exitFrameTop",     "exitFrameLeft"});
    const auto expected = join(
        {names({"title",       "bandPrompt",   "bandCaption",  "colourPrompt",  "colourCaption",
                "meterValue",  "modePrompt",   "modeCaption",  "firstDigit",    "firstWeight",
                "firstPlus",   "secondDigit",  "secondWeight", "thirdOperator", "thirdRow",
                "thirdWeight", "timesSign",    "multiplier",   "resultLine",    "toleranceCaption",
                "unitNote",    "homePageLink", "fourBandHint", "makerLink"}),
         images,
         lines,
         array13("paletteChip"),
         array13("chipFrameLeft"),
         array13("chipFrameTop"),
         array13("chipFrameRight"),
         array13("chipFrameBottom"),
         {{"valueTimer", -1}}});
    EXPECT_EQ(keysWhere(mainWindow(), [](const auto&) { return true; }), expected);
    EXPECT_EQ(mainWindow().controls.size(), expected.size());
}

TEST(MainDesign, StackingPutsHitAreasAndButtonsOverWhatLiesBehind) {
    const auto& f = mainWindow();
    EXPECT_EQ(place(f, "valueTimer"), 0);
    EXPECT_EQ(place(f, "thirdRow"), static_cast<std::ptrdiff_t>(f.controls.size()) - 1);
    for (const char* n :
         {"bandPlace1", "bandPlace2", "bandPlace3", "bandPlace4", "bodyPiece1", "bandPlace5"}) {
        EXPECT_LT(place(f, n), place(f, "resistorLeftEnd")) << n;
        EXPECT_LT(place(f, n), place(f, "resistorRightEnd")) << n;
    }
    for (const std::string& front :
         {std::string("bandKey1"), std::string("bandKey2"), std::string("bandKey3"),
          std::string("bandKey4"), std::string("bandKey5"), std::string("meterValue"),
          std::string("makerLink"), std::string("meterUnit"), std::string("meterTolerance")})
        EXPECT_LT(place(f, front), place(f, "meter")) << front;
    for (const char* front :
         {"title", "closeButton", "closeButtonLit", "minimiseButton", "minimiseButtonLit"})
        EXPECT_LT(place(f, front), place(f, "titleStrip")) << front;
    for (const char* front : {"helpButton", "aboutButton", "exitButton", "homePageLink"})
        EXPECT_LT(place(f, front), place(f, "menuStrip")) << front;
    // Every chip but the first stands behind its own frame; the first stands in front of it.
    for (int i = 0; i < 13; ++i)
        for (const char* frame :
             {"chipFrameLeft", "chipFrameTop", "chipFrameRight", "chipFrameBottom"})
            EXPECT_EQ(place(f, "paletteChip", i) < place(f, frame, i), i == 0) << frame << i;
}

TEST(MainDesign, PaletteChipsAndFramesFollowTheirFormulas) {
    const auto& f = mainWindow();
    const auto ends = [&](const char* name, int i) {
        const auto& d = get(f, name, i);
        return std::vector<int>{d.left, d.top, d.width, d.height};
    };
    EXPECT_EQ(ends("paletteChip", 0), (std::vector<int>{3300, 5535, 315, 1005}));
    EXPECT_EQ(ends("paletteChip", 12), (std::vector<int>{8340, 5535, 315, 1005}));

    EXPECT_EQ(ends("chipFrameLeft", 0), (std::vector<int>{3285, 5520, 3285, 6540}));
    EXPECT_EQ(ends("chipFrameTop", 0), (std::vector<int>{3270, 5520, 3625, 5520}));
    EXPECT_EQ(ends("chipFrameRight", 0), (std::vector<int>{3630, 5505, 3630, 6560}));
    EXPECT_EQ(ends("chipFrameBottom", 0), (std::vector<int>{3270, 6555, 3616, 6555}));

    EXPECT_EQ(ends("chipFrameLeft", 5), (std::vector<int>{5385, 5520, 5385, 6540}));
    EXPECT_EQ(ends("chipFrameTop", 5), (std::vector<int>{5370, 5520, 5725, 5520}));
    EXPECT_EQ(ends("chipFrameRight", 5), (std::vector<int>{5730, 5535, 5730, 6535}));
    EXPECT_EQ(ends("chipFrameBottom", 5), (std::vector<int>{5385, 6555, 5731, 6555}));

    EXPECT_EQ(ends("chipFrameRight", 12), (std::vector<int>{8670, 5535, 8670, 6535}));
    EXPECT_EQ(ends("chipFrameBottom", 12), (std::vector<int>{8325, 6555, 8671, 6555}));

    for (int i = 0; i < 13; ++i) {
        for (const char* light : {"chipFrameLeft", "chipFrameTop"})
            EXPECT_EQ(get(f, light, i).fore, (zq::Rgb{192, 192, 192})) << light << i;
        for (const char* dark : {"chipFrameRight", "chipFrameBottom"})
            EXPECT_EQ(get(f, dark, i).fore, (zq::Rgb{0, 0, 0})) << dark << i;
        EXPECT_EQ(get(f, "paletteChip", i).picture,
                  ":/design/form1/Image29_" + std::to_string(i) + ".png");
    }
}

TEST(MainDesign, ChipTooltipsNameColourAndDigit) {
    const char* expected[13] = {"棕色（1）",         "红色（2）", "橙色（3）", "黄色（4）",
                                "绿色（5）",         "蓝色（6）", "紫色（7）", "灰色（8）",
                                "白色（9）",         "黑色（0）", "",          "",
                                "允许误差值（±%20）"};
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(get(mainWindow(), "paletteChip", i).tooltip, expected[i]) << i;
}

TEST(MainDesign, BandPlacesShareTheirKeysTooltips) {
    const auto& f = mainWindow();
    const std::pair<const char*, const char*> pairs[] = {{"bandPlace1", "bandKey1"},
                                                         {"bandPlace2", "bandKey2"},
                                                         {"bandPlace3", "bandKey3"},
                                                         {"bandPlace4", "bandKey4"},
                                                         {"bandPlace5", "bandKey5"}};
    for (const auto& [band, key] : pairs)
        EXPECT_EQ(get(f, band).tooltip, get(f, key).tooltip);
    EXPECT_EQ(get(f, "bandKey1").tooltip, "第一环");
    EXPECT_EQ(get(f, "bandKey5").tooltip, "第五环");
    EXPECT_TRUE(get(f, "bodyPiece1").tooltip.empty());
    EXPECT_EQ(get(f, "homePageLink").tooltip, "去软件制作者网站看看");
}

TEST(MainDesign, HiddenDisabledAndHandSetsAreExact) {
    const auto& f = mainWindow();
    const auto hidden = keysWhere(f, [](const auto& d) { return !d.visible; });
    EXPECT_EQ(hidden, join({{{"closeButtonLit", -1}, {"minimiseButtonLit", -1}},
                            names({"helpFrameLeft", "helpFrameTop", "helpFrameRight",
                                   "helpFrameBottom", "aboutFrameBottom", "aboutFrameRight",
                                   "aboutFrameTop", "aboutFrameLeft", "exitFrameBottom",
                                   "exitFrameRight", "exitFrameTop", "exitFrameLeft"})}));
    EXPECT_EQ(keysWhere(f, [](const auto& d) { return !d.enabled; }),
              (std::set<Key>{{"meter", -1}}));

    const auto hand = keysWhere(f, [](const auto& d) { return d.cursor == zq::Cursor::Hand; });
    const auto expected = join({{{"homePageLink", -1}, {"makerLink", -1}, {"bandPlace5", -1}},
                                names({"helpButton", "aboutButton", "exitButton"}),
                                names({"bandPlace1", "bandPlace2", "bandPlace3", "bandPlace4"}),
                                names({"bandKey1", "bandKey2", "bandKey3", "bandKey4", "bandKey5"}),
                                array13("paletteChip")});
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

TEST(MainDesign, EachPicturedControlHasItsOwnPicture) {
    const auto& f = mainWindow();
    std::set<std::string_view> own;
    const auto bare =
        keysWhere(f, [](const auto& d) { return d.kind == Kind::Image && d.picture.empty(); });
    EXPECT_EQ(bare, join({names({"bandPlace1", "bandPlace2", "bandPlace3", "bandPlace4",
                                 "bodyPiece1", "bandPlace5"}),
                          names({"bodyPiece2", "bodyPiece3", "meterUnit", "meterTolerance"})}));
    for (const auto& d : f.controls) {
        if (d.kind != Kind::Image) {
            EXPECT_TRUE(d.picture.empty()) << d.name;
            continue;
        }
        if (d.picture.empty() || d.index >= 0) continue;
        const std::string_view n = d.name;
        if (n.starts_with("bandKey")) {
            EXPECT_EQ(d.picture, ":/res/124.png") << n;
        } else {
            EXPECT_TRUE(d.picture.starts_with(":/design/form1/") && d.picture.ends_with(".png"))
                << n;
            EXPECT_TRUE(own.insert(d.picture).second) << n << ": a picture of its own";
        }
        // Bare places keep their size as the area that takes the mouse.
        EXPECT_GT(d.width, 0) << n;
        EXPECT_GT(d.height, 0) << n;
    }
}

TEST(MainDesign, LabelLooksAreOnTheRightLabels) {
    const auto& f = mainWindow();
    const auto isLabel = [](const ControlDesign& d) { return d.kind == Kind::Label; };
    EXPECT_EQ(keysWhere(f, [&](const auto& d) { return isLabel(d) && !d.transparent; }),
              names({"firstDigit", "firstWeight", "firstPlus", "secondDigit", "secondWeight",
                     "thirdOperator", "thirdRow", "thirdWeight", "timesSign", "multiplier",
                     "resultLine", "toleranceCaption"}));
    EXPECT_EQ(keysWhere(f, [&](const auto& d) { return isLabel(d) && d.caption.empty(); }),
              (std::set<Key>{{"bandCaption", -1},
                             {"colourCaption", -1},
                             {"meterValue", -1},
                             {"modeCaption", -1},
                             {"firstDigit", -1},
                             {"secondDigit", -1},
                             {"resultLine", -1}}));
    auto centred = names({"firstDigit", "firstWeight", "firstPlus", "secondDigit", "secondWeight",
                          "thirdOperator", "thirdRow", "thirdWeight", "timesSign", "multiplier",
                          "resultLine"});
    centred.erase({"thirdRow", -1});
    EXPECT_EQ(keysWhere(f, [](const auto& d) { return d.align == zq::Align::Centre; }), centred);
    EXPECT_EQ(
        keysWhere(f, [](const auto& d) { return d.autoSize; }),
        (std::set<Key>{
            {"unitNote", -1}, {"homePageLink", -1}, {"fourBandHint", -1}, {"makerLink", -1}}));
    EXPECT_EQ(keysWhere(f, [](const auto& d) { return d.font.face == "Tahoma"; }),
              (std::set<Key>{{"meterValue", -1}}));
    for (const auto& d : f.controls) {
        EXPECT_FALSE(d.wordWrap) << d.name;
        if (!d.font.face.empty()) {
            EXPECT_GT(d.font.points, 0) << d.name;
        }
    }
    EXPECT_EQ(get(f, "unitNote").caption, "1000Ω=1KΩ 1000000Ω=1MΩ 1000000000Ω=1GΩ(吉欧)");
    EXPECT_EQ(get(f, "toleranceCaption").caption, "电阻可允许误差值：±5%");
}

TEST(MainDesign, LineWidthsAndColours) {
    const auto& f = mainWindow();
    auto thin =
        join({names({"band1Drop", "band1ToRow", "band2Drop", "band2ToRow", "band3Drop"}),
              names({"helpFrameLeft", "helpFrameTop", "helpFrameRight", "helpFrameBottom",
                     "aboutFrameBottom", "aboutFrameRight", "aboutFrameTop", "aboutFrameLeft",
                     "exitFrameBottom", "exitFrameRight", "exitFrameTop", "exitFrameLeft"})});
    thin.insert({{"band3ToRow", -1}, {"band4Drop", -1}, {"band4ToProduct", -1}});
    EXPECT_EQ(keysWhere(f, [](const auto& d) { return d.kind == Kind::Line && d.lineWidth == 1; }),
              thin);
    EXPECT_EQ(keysWhere(f, [](const auto& d) { return d.kind == Kind::Line && !d.hasFore; }),
              (std::set<Key>{{"helpFrameRight", -1},
                             {"helpFrameBottom", -1},
                             {"aboutFrameBottom", -1},
                             {"aboutFrameRight", -1},
                             {"exitFrameBottom", -1},
                             {"exitFrameRight", -1}}));
    for (const char* n : {"workAreaTop", "workAreaRight", "workAreaBottom", "workAreaLeft"})
        EXPECT_EQ(get(f, n).fore, (zq::Rgb{0, 0, 255})) << n;
    for (const char* n : {"sumBoxTop", "sumBoxLeft", "sumBoxBottom", "sumBoxRight", "lowerBoxLeft",
                          "lowerBoxRight", "lowerBoxBottom"})
        EXPECT_EQ(get(f, n).fore, (zq::Rgb{255, 0, 0})) << n;
}

TEST(MainDesign, TimerTicksFromTheStart) {
    const auto& t = get(mainWindow(), "valueTimer");
    EXPECT_EQ(t.kind, Kind::Timer);
    EXPECT_EQ(t.interval, 600);
    EXPECT_TRUE(t.timerEnabled);
}

TEST(HelpDesign, TextBoxFrontmostAndCloseAreaBare) {
    const auto& f = helpWindow();
    ASSERT_FALSE(f.controls.empty());
    const auto& text = f.controls.front();
    EXPECT_EQ(text.name, "text");
    EXPECT_EQ(text.kind, Kind::TextBox);
    EXPECT_TRUE(text.readOnly);
    EXPECT_TRUE(text.scrollBars);
    EXPECT_EQ(text.font.face, "宋体");
    EXPECT_EQ(text.font.points, 9);
    EXPECT_TRUE(get(f, "closeButton").picture.empty());
    const char* const skin[] = {"titleBar",      "bottomEdgeLeft", "bottomEdgeRight",
                                "leftEdgeLower", "leftEdgeUpper",  "rightEdgeUpper",
                                "rightEdgeLower"};
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(get(f, skin[n - 1]).picture, ":/design/form2/Image" + std::to_string(n) + ".png");
    EXPECT_EQ(f.controls.size(), 10u);
}

TEST(AboutDesign, LabelsInFrontAndOnlyTheTextWraps) {
    const auto& f = aboutWindow();
    EXPECT_LT(place(f, "programName"), place(f, "emblem"));
    EXPECT_LT(place(f, "aboutLines"), place(f, "emblem"));
    EXPECT_EQ(get(f, "aboutLines").caption, "Label1");
    EXPECT_EQ(keysWhere(f, [](const auto& d) { return d.wordWrap; }),
              (std::set<Key>{{"aboutLines", -1}}));
    const char* const pictured[] = {"leftEdge",   "topEdge",  "rightEdge",
                                    "bottomEdge", "okButton", "emblem"};
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(get(f, pictured[n - 1]).picture,
                  ":/design/form3/Image" + std::to_string(n) + ".png");
    EXPECT_EQ(f.controls.size(), 8u);
}

} // namespace
