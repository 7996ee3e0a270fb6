// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/combinations.h"

#include "wording/kit_panel.h"
#include "wording/words.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace zq::wording {
namespace {

model::Decimal ohm(std::uint64_t v) {
    return model::Decimal::of(v, 0);
}

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

std::string withoutApprox(std::string text) {
    for (std::size_t at; (at = text.find("≈")) != std::string::npos;)
        text.erase(at, std::string_view("≈").size());
    return text;
}

// The best of a shape from a kit, as the search gives it.
model::Combination best(std::vector<model::Decimal> kit, std::uint64_t wanted,
                        model::Circuit circuit, int parts) {
    const model::Combinations c = model::findCombinations(ohm(wanted), model::Kit(kit), 500);
    for (std::size_t i = 0; i < model::kShapes.size(); ++i)
        if (model::kShapes[i].circuit == circuit && model::kShapes[i].parts == parts &&
            c.bestByShape[i])
            return *c.bestByShape[i];
    ADD_FAILURE() << "no such shape";
    return {};
}

TEST(CombinationWords, EachCircuitIsWrittenWithItsPartsAndWorking) {
    using C = model::Circuit;
    struct Case {
        std::vector<model::Decimal> kit;
        std::uint64_t wanted;
        C circuit;
        int parts;
        const char* name;
        const char* formula;
        const char* value;
        const char* working; // the first line
        const char* exact;   // the line of the exact fraction, "" where the value is exact
    } cases[] = {
        {{ohm(4700)}, 4700, C::single, 1, "一个电阻", "4.70KΩ", "4.70KΩ", "就用这一个：4.70KΩ", ""},
        {{ohm(1200), ohm(3300)},
         4500,
         C::series,
         2,
         "两个串联",
         "1.20KΩ + 3.30KΩ",
         "4.50KΩ",
         "串联，阻值相加：1.20KΩ + 3.30KΩ = 4.50KΩ",
         ""},
        // 1500 × 6800 / 8300 = 102000/83 Ω
        {{ohm(1500), ohm(6800)},
         1229,
         C::parallel,
         2,
         "两个并联",
         "1.50KΩ ∥ 6.80KΩ",
         "≈1.229KΩ",
         "并联，倒数相加：1/(1/1.50KΩ + 1/6.80KΩ) ≈ 1.229KΩ",
         "精确值：102000/83 Ω"},
        // 5 ∥ 5 = 5/2: a fraction in lowest terms, but 2.5 Ω exactly.
        {{ohm(5)},
         3,
         C::parallel,
         2,
         "两个并联",
         "5.00Ω ∥ 5.00Ω",
         "2.50Ω",
         "并联，倒数相加：1/(1/5.00Ω + 1/5.00Ω) = 2.50Ω",
         ""},
        {{ohm(10), ohm(100)},
         120,
         C::series,
         3,
         "三个串联",
         "10.00Ω + 10.00Ω + 100.00Ω",
         "120.00Ω",
         "串联，阻值相加：10.00Ω + 10.00Ω + 100.00Ω = 120.00Ω",
         ""},
        // 3 × 3 / 9 … three of 3 Ω in parallel is 1 Ω.
        {{ohm(3)},
         1,
         C::parallel,
         3,
         "三个并联",
         "3.00Ω ∥ 3.00Ω ∥ 3.00Ω",
         "1.00Ω",
         "并联，倒数相加：1/(1/3.00Ω + 1/3.00Ω + 1/3.00Ω) = 1.00Ω",
         ""},
        // 100 + 1/(1/300 + 1/600) = 100 + 200 = 300 Ω
        {{ohm(100), ohm(300), ohm(600)},
         300,
         C::seriesOfParallel,
         3,
         "一个串上两个并联的",
         "100.00Ω + (300.00Ω ∥ 600.00Ω)",
         "300.00Ω",
         "后两个并联：1/(1/300.00Ω + 1/600.00Ω)，再串上 100.00Ω：100.00Ω + 1/(1/300.00Ω + "
         "1/600.00Ω) = 300.00Ω",
         ""},
        // 1/(1/7 + 1/(7 + 7)) = 14/3 Ω
        {{ohm(7)},
         5,
         C::parallelOfSeries,
         3,
         "一个并上两个串联的",
         "7.00Ω ∥ (7.00Ω + 7.00Ω)",
         "≈4.667Ω",
         "后两个串联：7.00Ω + 7.00Ω，再和 7.00Ω 并联：1/(1/7.00Ω + 1/(7.00Ω + 7.00Ω)) ≈ 4.667Ω",
         "精确值：14/3 Ω"},
    };
    for (const Case& c : cases) {
        const model::Combination made = best(c.kit, c.wanted, c.circuit, c.parts);
        ASSERT_EQ(int(made.parts.size()), c.parts) << c.formula;
        EXPECT_EQ(circuitName(c.circuit, c.parts), c.name);
        EXPECT_EQ(circuitFormula(made), c.formula);
        const std::vector<std::string> lines = working(made);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), c.working);
        EXPECT_EQ(lines.size(), *c.exact ? 2u : 1u) << c.formula;
        if (*c.exact) {
            EXPECT_EQ(lines.back(), c.exact);
        }
        // The terminal and the window write the same formula and value.
        EXPECT_TRUE(contains(combinationLine(made, false), c.formula));
        EXPECT_TRUE(contains(panelWay(made, false), withoutApprox(c.value)));
    }
}

TEST(CombinationWords, OnlyTheSimplestIsMarkedAndTheErrorIsSigned) {
    const model::Combination above = best({ohm(4700)}, 4500, model::Circuit::single, 1);
    const model::Combination below = best({ohm(4300)}, 4500, model::Circuit::single, 1);
    EXPECT_EQ(combinationLine(above, true),
              "  一个电阻：4.70KΩ，+4.44%  ← 最简单");
    EXPECT_EQ(combinationLine(below, false), "  一个电阻：4.30KΩ，-4.44%");
    EXPECT_EQ(panelWay(above, true), "4.70KΩ  +4.44%  ★最简单");
    // A way outside the tolerance the heading names says so, wherever it is listed.
    const model::Combination outside = best({ohm(4700)}, 4400, model::Circuit::single, 1);
    EXPECT_EQ(combinationLine(outside, false),
              "  一个电阻：4.70KΩ，+6.82%，超出 ±5%");
    EXPECT_EQ(panelWay(outside, false), "4.70KΩ  +6.82%  超出 ±5%");
    EXPECT_EQ(panelWay(below, false), "4.30KΩ  -4.44%");
}

TEST(CombinationWords, KitRefusalsNameTheLineAndTheReason) {
    const model::KitFile kit = model::readKit("4.7k\n0\n4..7k\n2G\n");
    ASSERT_EQ(kit.refused.size(), 3u);
    const std::string where = "kit.txt";
    EXPECT_EQ(kitLineRefused(where, kit.refused[0]),
              "套装文件“kit.txt”第 2 行用不了：0 欧是跳线，不能拿来凑。");
    EXPECT_EQ(kitLineRefused(where, kit.refused[1]),
              "套装文件“kit.txt”第 3 行用不了：阻值里只能有一个小数点。");
    EXPECT_EQ(kitLineRefused(where, kit.refused[2]),
              "套装文件“kit.txt”第 4 行用不了：大过 1GΩ，凑不了。");
    EXPECT_EQ(kitFileEmpty(where), "套装文件“kit.txt”里没有阻值。");
    EXPECT_EQ(kitFileUnreadable(where, KitFileTrouble::missing),
              "读不了套装文件“kit.txt”：没有这个文件。");
    // The own kit set aside, and the note when even renaming failed.
    EXPECT_EQ(ownKitSetAside(kit.refused[1], "kit.txt.bad-1"),
              "我的套装文件第 3 行读不出。原文件改名为“kit.txt.bad-1”留着，先用入门套装。");
    EXPECT_EQ(ownKitSetAside(std::nullopt, std::string()),
              "我的套装文件打不开。原文件没能改名留着，先用入门套装。");
}

TEST(CombinationWords, AValueThatCannotBeMadeSaysWhy) {
    EXPECT_EQ(wantedFault(model::KitValueFault::zero), "零欧用跳线，不用凑。");
    EXPECT_EQ(noneWithinTolerance(1), "三个以内凑不进 ±0.01%。");
    EXPECT_EQ(combinationsHeading(ohm(4500), "E12", 500),
              "用手头的电阻凑 4.50KΩ（E12，误差 ±5% 以内）：");
}

} // namespace
} // namespace zq::wording
