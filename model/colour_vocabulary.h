// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The colour names people type: read, never shown (the names shown are the wording layer's).
// English names are read in any case.
#include "model/colour_code.h"

#include <array>
#include <string_view>

namespace zq::model {

struct TypedColour {
    std::string_view word;
    int index; // palette index
};

inline constexpr std::array<TypedColour, 42> kTypedColours{{
    {"棕色", palette::kBrown},    {"棕", palette::kBrown},      {"brown", palette::kBrown},
    {"红色", palette::kRed},      {"红", palette::kRed},        {"red", palette::kRed},
    {"橙色", palette::kOrange},   {"橙", palette::kOrange},     {"orange", palette::kOrange},
    {"黄色", palette::kYellow},   {"黄", palette::kYellow},     {"yellow", palette::kYellow},
    {"绿色", palette::kGreen},    {"绿", palette::kGreen},      {"green", palette::kGreen},
    {"蓝色", palette::kBlue},     {"蓝", palette::kBlue},       {"blue", palette::kBlue},
    {"紫色", palette::kViolet},   {"紫", palette::kViolet},     {"violet", palette::kViolet},
    {"purple", palette::kViolet}, {"灰色", palette::kGrey},     {"灰", palette::kGrey},
    {"grey", palette::kGrey},     {"gray", palette::kGrey},     {"白色", palette::kWhite},
    {"白", palette::kWhite},      {"white", palette::kWhite},   {"黑色", palette::kBlack},
    {"黑", palette::kBlack},      {"black", palette::kBlack},   {"金色", palette::kGold},
    {"金", palette::kGold},       {"gold", palette::kGold},     {"银色", palette::kSilver},
    {"银", palette::kSilver},     {"silver", palette::kSilver}, {"无色", palette::kNone},
    {"无", palette::kNone},       {"none", palette::kNone},     {"blank", palette::kNone},
}};

// The sides of a part and the body colours people type with --gap and --body: a name and its
// value in model/part_look.h (Side, BodyColour).
struct TypedCue {
    std::string_view word;
    int value;
};
inline constexpr std::array<TypedCue, 6> kTypedSides{
    {{"left", 0}, {"左", 0}, {"左边", 0}, {"right", 1}, {"右", 1}, {"右边", 1}}};
inline constexpr std::array<TypedCue, 13> kTypedBodies{{{"beige", 0},
                                                        {"米色", 0},
                                                        {"米黄", 0},
                                                        {"米黄色", 0},
                                                        {"blue", 1},
                                                        {"蓝", 1},
                                                        {"蓝色", 1},
                                                        {"green", 2},
                                                        {"绿", 2},
                                                        {"绿色", 2},
                                                        {"other", 3},
                                                        {"其他", 3},
                                                        {"其它", 3}}};

} // namespace zq::model
