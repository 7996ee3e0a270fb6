// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Making a value from a kit: the search against every combination of small kits, the exact
// arithmetic at the ends of the range, and the kits themselves.
#include "model/combinations/combinations.h"
#include "model/combinations/exact.h"
#include "model/combinations/kit.h"
#include "model/e_series.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace zq::model {
namespace {

__extension__ typedef __int128 I128;

// Small kits only: parts below 2^24 milliohms keep every product here below 2^127.
I128 whole(const Decimal& d) {
    EXPECT_TRUE(d.divisibleByPowerOfTen(0)) << d.text();
    I128 v = 0;
    for (const char c : d.digits())
        v = v * 10 + (c - '0');
    for (int e = 0; e < d.exponent(); ++e)
        v *= 10;
    return v;
}

I128 milliohms(const Decimal& d) {
    return whole(d.shifted(3));
}

I128 gcd(I128 a, I128 b) {
    while (b != 0) {
        const I128 r = a % b;
        a = b;
        b = r;
    }
    return a;
}

// The wanted value exactly, w / d milliohms.
struct Wanted { I128 w, d; };

Wanted wantedOf(const Decimal& ohms) {
    const Decimal m = ohms.shifted(3);
    Wanted t{whole(Decimal::fromParts(m.digits(), "", std::max(m.exponent(), 0))), 1};
    for (int e = m.exponent(); e < 0; ++e)
        t.d *= 10;
    return t;
}

// Every way to wire the parts, written from the circuit laws: resistances add in series,
// conductances in parallel.
struct Made {
    std::size_t shape;
    std::vector<Decimal> parts; // in the order Combination::parts promises
    I128 num, den;              // milliohms
};

template <class Visit>
void everyCombination(const std::vector<Decimal>& kit, Visit visit) {
    const auto add = [&](std::size_t shape, std::vector<Decimal> parts, I128 num, I128 den) {
        const bool mixed = kShapes[shape].circuit == Circuit::seriesOfParallel ||
                           kShapes[shape].circuit == Circuit::parallelOfSeries;
        std::sort(parts.begin() + (mixed ? 1 : 0), parts.end());
        visit(Made{shape, std::move(parts), num, den});
    };
    for (const Decimal& x : kit) {
        const I128 a = milliohms(x);
        add(0, {x}, a, 1);
        for (const Decimal& y : kit) {
            const I128 b = milliohms(y);
            add(1, {x, y}, a + b, 1);
            add(2, {x, y}, a * b, a + b); // 1/R = 1/a + 1/b
            for (const Decimal& z : kit) {
                const I128 c = milliohms(z);
                add(3, {x, y, z}, a + b + c, 1);
                add(4, {x, y, z}, a * b * c, a * b + b * c + c * a);
                // a + bc/(b + c)
                add(5, {x, y, z}, a * (b + c) + b * c, b + c);
                // a(b + c)/(a + b + c)
                add(6, {x, y, z}, a * (b + c), a + b + c);
            }
        }
    }
}

// |num/den - w/d| x den x d.
I128 distance(const Made& m, Wanted t) {
    const I128 d = m.num * t.d - t.w * m.den;
    return d < 0 ? -d : d;
}

// The order the results promise: nearer, then lower, then the earlier shape, then smaller parts.
bool before(const Made& a, const Made& b, Wanted t) {
    const I128 da = distance(a, t) * b.den, db = distance(b, t) * a.den;
    if (da != db) return da < db;
    if (a.num * b.den != b.num * a.den) return a.num * b.den < b.num * a.den;
    if (a.shape != b.shape) return a.shape < b.shape;
    return a.parts < b.parts;
}

bool within(const Made& m, Wanted t, int tolerance) {
    return distance(m, t) * 10000 <= I128(tolerance) * t.w * m.den;
}

// The facts of one combination against the exact value it stands for.
void expectDescribes(const Combination& c, const Made& m, const Decimal& wanted, int tolerance) {
    SCOPED_TRACE("wanted " + wanted.text() + ", shape " + std::to_string(m.shape));
    EXPECT_EQ(c.circuit, kShapes[m.shape].circuit);
    EXPECT_EQ(c.parts, m.parts);
    // numerator / denominator ohms, in lowest terms, is num / den milliohms.
    const I128 n = whole(c.numerator), d = whole(c.denominator);
    EXPECT_TRUE(n * m.den * 1000 == m.num * d);
    EXPECT_TRUE(gcd(n, d) == 1);
    // Shown to the nearest milliohm, a half going up.
    const I128 shownOff = 2 * (milliohms(c.shown) * m.den - m.num);
    EXPECT_TRUE(shownOff <= m.den && shownOff > -m.den);
    // The error is (value - wanted) / wanted x 10^4 rounded, halves away from zero.
    const Wanted t = wantedOf(wanted);
    const I128 divisor = t.w * m.den;
    const I128 scaled = (m.num * t.d - t.w * m.den) * 10000; // the error times divisor
    const I128 off = 2 * (I128(c.error.hundredths) * divisor - scaled);
    EXPECT_TRUE(off <= divisor && off >= -divisor);
    if (off == divisor || off == -divisor) {
        EXPECT_EQ(c.error.hundredths < 0, off < 0);
    }
    // Only an exact match is no change at all.
    EXPECT_EQ(c.error.isZero(), scaled == 0);
    EXPECT_EQ(c.error.negative, scaled < 0);
    EXPECT_EQ(c.withinTolerance, within(m, t, tolerance));
}

void expectTrueBest(const std::vector<Decimal>& values, const Decimal& wanted, int tolerance) {
    SCOPED_TRACE("kit of " + std::to_string(values.size()) + ", wanted " + wanted.text());
    const Combinations got = findCombinations(wanted, Kit(values), tolerance);
    ASSERT_FALSE(got.wantedFault);
    const Wanted t = wantedOf(wanted);
    std::vector<std::optional<Made>> byShape(kShapes.size()), byParts(3);
    everyCombination(values, [&](const Made& m) {
        std::optional<Made>& s = byShape[m.shape];
        if (!s || before(m, *s, t)) s = m;
        std::optional<Made>& p = byParts[std::size_t(kShapes[m.shape].parts - 1)];
        if (!p || before(m, *p, t)) p = m;
    });
    for (std::size_t s = 0; s < kShapes.size(); ++s) {
        ASSERT_TRUE(got.bestByShape[s]) << "shape " << s;
        expectDescribes(*got.bestByShape[s], *byShape[s], wanted, tolerance);
    }
    const Made* simplest = nullptr;
    for (std::size_t p = 0; p < 3; ++p) {
        ASSERT_TRUE(got.bestOfParts[p]);
        expectDescribes(*got.bestOfParts[p], *byParts[p], wanted, tolerance);
        if (!simplest && within(*byParts[p], t, tolerance)) simplest = &*byParts[p];
    }
    ASSERT_EQ(got.simplest.has_value(), simplest != nullptr);
    if (simplest) expectDescribes(*got.simplest, *simplest, wanted, tolerance);
}

TEST(Combinations, HandPickedKitsGiveTheTrueBest) {
    const struct {
        std::vector<std::uint64_t> kitOhms;
        std::uint64_t wantedMilliohms;
        int tolerance;
    } cases[] = {
        {{1, 3}, 2000, 0},                     // 1 and 3 equally near: the lower
        {{2}, 1000, 0},                        // two in parallel, exactly
        {{1000}, 1500000, 100},                // 1k + (1k ∥ 1k)
        {{1000}, 666667, 100},                 // 1k ∥ (1k + 1k), just off
        {{10, 22, 47}, 32000, 500},            // 10 + 22
        {{10, 22, 47}, 1, 10000},              // below anything the kit makes
        {{10, 22, 47}, 999000000, 500},        // above anything it makes
        {{100, 150, 220, 330, 470, 680}, 4321, 200},
        {{100, 150, 220, 330, 470, 680}, 1234567, 100},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 3500, 0}, // many ties
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 2400, 0},
    };
    for (const auto& c : cases) {
        std::vector<Decimal> kit;
        for (const std::uint64_t v : c.kitOhms)
            kit.push_back(Decimal::of(v, 0));
        expectTrueBest(kit, Decimal::of(c.wantedMilliohms, -3), c.tolerance);
    }
}

TEST(Combinations, RandomSmallKitsGiveTheTrueBest) {
    std::mt19937 random(20261207);
    const std::vector<Decimal> e12 = seriesValues(ESeries::E12, 0, 2);
    for (int round = 0; round < 300; ++round) {
        std::vector<Decimal> kit;
        const int size = 1 + int(random() % 7);
        while (int(kit.size()) < size) {
            // Standard values, small whole ohms (ties), or any milliohms (odd fractions).
            Decimal v;
            switch (round % 3) {
            case 0: v = e12[random() % e12.size()]; break;
            case 1: v = Decimal::of(1 + random() % 12, 0); break;
            default: v = Decimal::of(1 + random() % 9'000'000, -3); break;
            }
            if (std::find(kit.begin(), kit.end(), v) == kit.end()) kit.push_back(v);
        }
        // Wanted values across the whole reach of the kit and beyond it.
        const std::uint64_t top = std::uint64_t(milliohms(*std::max_element(kit.begin(), kit.end())));
        const Decimal wanted = Decimal::of(1 + random() % (4 * top), -3);
        expectTrueBest(kit, wanted, int(random() % 1000));
    }
}

TEST(Combinations, AMediumKitGivesTheTrueBest) {
    const std::vector<Decimal> kit = seriesValues(ESeries::E12, 1, 2); // 24 values
    for (const std::uint64_t wanted : {1000, 57123, 100000, 333333, 2718281, 9999999})
        expectTrueBest(kit, Decimal::of(wanted, -3), 50);
}

// Values at the ends of the range, worked out by hand: the products of three gigaohms need
// all the width the arithmetic has.
TEST(Combinations, ExactAtTheEndsOfTheRange) {
    const Decimal giga = Decimal::of(1, 9), milli = Decimal::of(1, -3);
    const Kit kit(std::vector<Decimal>{milli, giga});
    const struct {
        Decimal wanted;
        std::size_t shape;
        const char* numerator;
        const char* denominator;
        std::int64_t error;
        bool within; // at ±0.01 %
    } cases[] = {
        {giga, 0, "1000000000", "1", 0, true},
        {giga, 2, "500000000", "1", -5000, false},
        {giga, 5, "2000000000001", "2000", 0, true}, // 1G + (1m ∥ 1m), half a milliohm over
        {giga, 6, "2000000000", "3", -3333, false}, // 1G ∥ (1G + 1G)
        // A third of a gigaohm to the milliohm: three in parallel, a third of a milliohm off.
        {Decimal::of(333333333333, -3), 4, "1000000000", "3", 0, true},
        {Decimal::of(333333333333, -3), 3, "3", "1000", -10000, false}, // 3 mΩ is nearer than 1G + 2 mΩ
        {milli, 0, "1", "1000", 0, true},
        // 1m ∥ 1G ∥ 1G = 10^24 / (10^24 + 2 x 10^12) milliohms.
        {milli, 4, "500000000", "500000000001", 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wanted.text() + ", shape " + std::to_string(c.shape));
        const Combinations got = findCombinations(c.wanted, kit, 1);
        ASSERT_TRUE(got.bestByShape[c.shape]);
        const Combination& m = *got.bestByShape[c.shape];
        EXPECT_EQ(m.numerator.text(), c.numerator);
        EXPECT_EQ(m.denominator.text(), c.denominator);
        EXPECT_EQ(m.error.hundredths, c.error);
        EXPECT_EQ(m.withinTolerance, c.within);
    }
    // The third of a gigaohm is a third of a milliohm off: within no tolerance of zero.
    const Decimal third = Decimal::of(333333333333, -3);
    EXPECT_FALSE(findCombinations(third, kit, 0).bestByShape[4]->withinTolerance);
    EXPECT_TRUE(findCombinations(giga, kit, 0).bestByShape[0]->withinTolerance);
    // The farthest a kit can miss: a milliohm wanted from gigaohms only.
    const Combinations far = findCombinations(milli, Kit(std::vector<Decimal>{giga}), 0);
    EXPECT_EQ(far.bestOfParts[0]->error.hundredths, 9'999'999'999'990'000);
    EXPECT_EQ(far.bestOfParts[2]->error.hundredths, 3'333'333'333'323'333); // three in parallel
    EXPECT_EQ(far.bestByShape[3]->error.hundredths, 29'999'999'999'990'000); // three in series
    EXPECT_FALSE(far.simplest);
}

TEST(Combinations, WantedValuesOutsideTheRangeAreRefused) {
    const Kit kit(starterKit());
    const struct {
        Decimal wanted;
        std::optional<KitValueFault> fault;
    } cases[] = {
        {Decimal(), KitValueFault::zero},
        // Finer than a milliohm: made as the nearest milliohm, unless that is none.
        {Decimal::of(4, -4), KitValueFault::finerThanMilliohm},
        {Decimal::of(5, -4), std::nullopt},
        {Decimal::of(10001, -4), std::nullopt},
        {Decimal::of(1000000000001, -3), KitValueFault::aboveGigaohm},
        {Decimal::of(1, -3), std::nullopt},
        {Decimal::of(1, 9), std::nullopt},
    };
    for (const auto& c : cases) {
        const Combinations got = findCombinations(c.wanted, kit, 500);
        EXPECT_EQ(got.wantedFault, c.fault) << c.wanted.text();
        EXPECT_EQ(got.bestOfParts[0].has_value(), !c.fault) << c.wanted.text();
        EXPECT_EQ(got.bestOfParts[2].has_value(), !c.fault) << c.wanted.text();
    }
}

TEST(Combinations, EmptyKitAndKitOfOneValue) {
    const Combinations none = findCombinations(Decimal::of(1000, 0), Kit(), 500);
    EXPECT_FALSE(none.wantedFault);
    for (const auto& s : none.bestByShape)
        EXPECT_FALSE(s);
    EXPECT_FALSE(none.simplest);

    // 1.5k from 1k alone: one part misses by a third, two by a third too (2k), three make it
    // exactly as 1k + (1k ∥ 1k).
    const Combinations one =
        findCombinations(Decimal::of(1500, 0), Kit(std::vector<Decimal>{Decimal::of(1, 3)}), 100);
    ASSERT_TRUE(one.simplest);
    EXPECT_EQ(one.simplest->circuit, Circuit::seriesOfParallel);
    EXPECT_EQ(one.simplest->error.hundredths, 0);
    EXPECT_EQ(one.bestOfParts[0]->error.hundredths, -3333);
    EXPECT_EQ(one.bestOfParts[1]->circuit, Circuit::series); // 2k: 500 Ω away, not 1000
    EXPECT_EQ(one.bestOfParts[1]->error.hundredths, 3333);
}

TEST(Combinations, SimplestTakesTheFewestPartsWithinTolerance) {
    // 4.5k from the starter kit: 4.7k is 4.44 % off, 4.7k ∥ 100k 0.24 %; the simplest answer
    // follows the tolerance.
    const Kit kit(starterKit());
    const Decimal wanted = Decimal::of(4500, 0);
    const Combinations wide = findCombinations(wanted, kit, 500);
    const Combinations mid = findCombinations(wanted, kit, 300);
    const Combinations tight = findCombinations(wanted, kit, 1);
    ASSERT_TRUE(wide.simplest && mid.simplest);
    EXPECT_EQ(wide.simplest->parts.size(), 1u);
    EXPECT_EQ(wide.simplest->error.hundredths, 444);
    EXPECT_EQ(mid.simplest->parts.size(), 2u);
    ASSERT_TRUE(tight.bestOfParts[2]);
    EXPECT_EQ(tight.simplest.has_value(), tight.bestOfParts[2]->withinTolerance);
    // The tolerance changes the judgement, never the best.
    EXPECT_EQ(wide.bestOfParts[2]->parts, tight.bestOfParts[2]->parts);
}

TEST(Kits, SeriesKitsHoldEveryMemberFromOneOhmToTenMegohms) {
    for (const ESeries s : {ESeries::E6, ESeries::E12, ESeries::E24}) {
        SCOPED_TRACE(std::string(seriesName(s)));
        const std::vector<Decimal> values = seriesKit(s);
        EXPECT_EQ(values.size(), 7 * seriesMembers(s).size() + 1);
        EXPECT_EQ(values.front(), Decimal::of(1, 0));
        EXPECT_EQ(values.back(), Decimal::of(10, 6));
        EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
        EXPECT_TRUE(std::adjacent_find(values.begin(), values.end()) == values.end());
        for (const Decimal& v : values)
            EXPECT_TRUE(isMember(s, v)) << v.text();
        EXPECT_EQ(Kit(values).size(), values.size());
    }
    EXPECT_EQ(seriesValues(ESeries::E24, 0, 7).size(), 192u);
}

TEST(Kits, TheStarterKitHoldsThirtyStandardValues) {
    const std::vector<Decimal> values = starterKit();
    EXPECT_EQ(values.size(), 30u);
    EXPECT_EQ(Kit(values).size(), values.size()); // no repeats
    EXPECT_EQ(*std::min_element(values.begin(), values.end()), Decimal::of(10, 0));
    EXPECT_EQ(*std::max_element(values.begin(), values.end()), Decimal::of(1, 6));
    for (const Decimal& v : values)
        EXPECT_TRUE(isMember(ESeries::E24, v)) << v.text();
}

TEST(Kits, RepeatsCountOnceAndUnusableValuesAreLeftOut) {
    const std::vector<Decimal> values{Decimal::of(47, 0),     Decimal(),
                                      Decimal::of(47, 0),     Decimal::of(1, -4),
                                      Decimal::of(2, 9),      Decimal::of(1, -3),
                                      Decimal::of(1, 9)};
    const Kit kit(values);
    ASSERT_EQ(kit.size(), 3u);
    EXPECT_EQ(kit.value(0), Decimal::of(1, -3));
    EXPECT_EQ(kit.value(1), Decimal::of(47, 0));
    EXPECT_EQ(kit.value(2), Decimal::of(1, 9));
    EXPECT_EQ(kitValueFault(values[1]), KitValueFault::zero);
    EXPECT_EQ(kitValueFault(values[3]), KitValueFault::finerThanMilliohm);
    EXPECT_EQ(kitValueFault(values[4]), KitValueFault::aboveGigaohm);
    EXPECT_EQ(kitValueFault(values[5]), std::nullopt);
    EXPECT_EQ(kitValueFault(values[6]), std::nullopt);
}

// Against decimal expansions worked out apart: 10^40, and (2^128 - 1)^2 = 2^256 - 2^129 + 1.
TEST(ExactArithmetic, ProductsPastA128BitWordAreWrittenWhole) {
    const exact::U128 tenTo20 = exact::U128(10'000'000'000) * 10'000'000'000, most = ~exact::U128(0);
    EXPECT_EQ(exact::digits(exact::product(tenTo20, tenTo20)), "1" + std::string(40, '0'));
    EXPECT_EQ(exact::digits(exact::product(most, most)),
              "115792089237316195423570985008687907852589419931798687112530834793049593217025");
}

// Not as the nearest milliohm: 0.5004 Ω is not 0.5 Ω within ±0.05 %, nor 3.8911 Ω 3.891 Ω.
TEST(CombinationsOfFineValues, AreSearchedAndJudgedAsTyped) {
    const std::vector<Decimal> kit = seriesValues(ESeries::E24, 0, 1); // 1 Ω to 91 Ω
    const std::tuple<const char*, int, int> cases[] = { // digits, power of ten, tolerance
        {"5004", -4, 5},      {"38911", -4, 5},  {"5", -4, 500},      {"51", -5, 1},
        {"1234567", -5, 100}, {"999999", -4, 5}, {"10000001", -7, 0}, {"333333333", -7, 1}};
    for (const auto& [digits, power, tolerance] : cases)
        expectTrueBest(kit, Decimal::fromParts(digits, "", power), tolerance);
    const Kit e6(seriesKit(ESeries::E6));
    EXPECT_EQ(findCombinations(Decimal::fromParts("100", "0001", 0), e6, 500).simplest->parts,
              std::vector<Decimal>{Decimal::of(100, 0)});
}
} // namespace
} // namespace zq::model
