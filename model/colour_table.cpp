// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/colour_table.h"

#include <array>
#include <cassert>

namespace zq::model {

namespace {

constexpr std::array<ColourCode, 13> kColours{{
    {0, "棕色", 101, "1", "10", "电阻可允许误差值：±1%", 133},
    {1, "红色", 102, "2", "100", "电阻可允许误差值：±2%", 126},
    {2, "橙色", 103, "3", "1000", "", 0},
    {3, "黄色", 104, "4", "10000", "", 0},
    {4, "绿色", 105, "5", "100000", "电阻可允许误差值：±0.5%", 129},
    {5, "蓝色", 106, "6", "1000000", "电阻可允许误差值：±0.2%", 128},
    {6, "紫色", 107, "7", "10000000", "电阻可允许误差值：±0.1%", 130},
    {7, "灰色", 108, "8", "100000000", "", 0},
    {8, "白色", 109, "9", "1000000000", "", 0},
    {9, "黑色", 110, "0", "1", "", 0},
    {10, "金色", 111, "", "0.1", "电阻可允许误差值：±5%", 132},
    {11, "银色", 112, "", "0.01", "电阻可允许误差值：±10%", 131},
    {12, "无色", 113, "", "", "电阻可允许误差值：±20%", 127},
}};

constexpr std::array<std::string_view, 5> kBandNames{"第一环", "第二环", "第三环", "第四环",
                                                     "第五环"};

constexpr int kFirstChip = 101;

} // namespace

const ColourCode& colourByIndex(int index) {
    assert(index >= 0 && index < static_cast<int>(kColours.size()));
    return kColours[static_cast<std::size_t>(index)];
}

const ColourCode* colourByChip(int chip) {
    const int index = chip - kFirstChip;
    if (index < 0 || index >= static_cast<int>(kColours.size())) return nullptr;
    return &kColours[static_cast<std::size_t>(index)];
}

std::string_view bandName(int band) {
    if (band < 1 || band > 5) return {};
    return kBandNames[static_cast<std::size_t>(band - 1)];
}

} // namespace zq::model
