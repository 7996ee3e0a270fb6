// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/combinations/combinations.h"

#include "model/change.h"
#include "model/combinations/exact.h"

#include <algorithm>
#include <string>
#include <utility>

namespace zq::model {

namespace {

using exact::U128;

// The wanted value is W / D milliohms, D a power of ten: the number typed, exactly. Every part
// is a whole number of milliohms below u = 10^12 < 2^40, and W < 10^30 < 2^100 with
// D <= 2W < 2^101 (the wanted value is half a milliohm at least). For parts a, b, c the
// value is num / den milliohms with
//   num: at most abc < 2^120 (all parallel), the others below 3u^2 < 2^82;
//   den: at most ab + bc + ca < 3u^2 < 2^82.
// Then num * D < 2^221 and W * den < 2^182 are 256-bit products, and so is their distance.
// Orderings multiply a distance by a denominator (< 2^303), the tolerance test a distance by
// 10^4 and W * den by a tolerance below 2^31: 384-bit products, compared but never stored.
struct Target {
    U128 w = 0, d = 1;
};

struct Candidate {
    U128 num = 0, den = 1;
    exact::U256 distance{0, 0}; // |num * D - W * den|: the distance is distance / (den D) mΩ
    std::array<std::uint32_t, 3> at{}; // kit indices in the order of Combination::parts
    int shape = -1;
    bool valid() const { return shape >= 0; }
};

// Whether a comes before b in the order Combinations promises.
bool before(const Candidate& a, const Candidate& b) {
    if (!b.valid()) return a.valid();
    if (!a.valid()) return false;
    if (const int c = exact::compareProducts(a.distance, b.den, b.distance, a.den)) return c < 0;
    if (const int c = exact::compareProducts(a.num, b.den, b.num, a.den)) return c < 0;
    if (a.shape != b.shape) return a.shape < b.shape;
    return a.at < b.at;
}

struct Fraction {
    U128 num, den;
};

class Search {
  public:
    Search(const Kit& kit, Target wanted) : v_(kit.milliohms()), t_(wanted) {}

    std::array<Candidate, kShapes.size()> run() {
        const std::uint32_t n = std::uint32_t(v_.size());
        lastPart(0, 0, 0, [](U128 c) { return Fraction{c, 1}; });
        for (std::uint32_t i = 0; i < n; ++i) {
            const U128 a = v_[i];
            lastPart(1, i, 0, [a](U128 c) { return Fraction{a + c, 1}; });
            lastPart(2, i, 0, [a](U128 c) { return Fraction{a * c, a + c}; });
        }
        // All in series or all in parallel: the order of the first two does not matter.
        for (std::uint32_t i = 0; i < n; ++i) {
            const U128 a = v_[i];
            for (std::uint32_t j = i; j < n; ++j) {
                const U128 b = v_[j], ab = a * b, sum = a + b;
                lastPart(3, i, j, [sum](U128 c) { return Fraction{sum + c, 1}; });
                lastPart(4, i, j, [ab, sum](U128 c) { return Fraction{ab * c, ab + sum * c}; });
            }
        }
        // The mixed circuits: R1 alone, R2 and R3 together.
        for (std::uint32_t i = 0; i < n; ++i) {
            const U128 a = v_[i];
            for (std::uint32_t j = 0; j < n; ++j) {
                const U128 b = v_[j];
                lastPart(5, i, j, [a, b](U128 c) { return Fraction{a * (b + c) + b * c, b + c}; });
                lastPart(6, i, j, [a, b](U128 c) { return Fraction{a * (b + c), a + b + c}; });
            }
        }
        return best_;
    }

  private:
    // Every circuit's value rises with its last part, so for given first parts the best last
    // one is one of the two kit values either side of where the circuit makes the wanted value
    // exactly: a binary search, with exact comparisons, rather than a third loop.
    template <class Value>
    void lastPart(int shape, std::uint32_t i, std::uint32_t j, Value value) {
        const auto below = [&](std::uint64_t c) {
            const Fraction f = value(c);
            return exact::compareProducts(f.num, t_.d, t_.w, f.den) < 0;
        };
        const std::size_t k =
            std::size_t(std::partition_point(v_.begin(), v_.end(), below) - v_.begin());
        if (k > 0) offer(shape, i, j, std::uint32_t(k - 1), value(v_[k - 1]));
        if (k < v_.size()) offer(shape, i, j, std::uint32_t(k), value(v_[k]));
    }

    void offer(int shape, std::uint32_t i, std::uint32_t j, std::uint32_t k, Fraction f) {
        Candidate c;
        c.num = f.num;
        c.den = f.den;
        c.distance = exact::distance(exact::product(f.num, t_.d), exact::product(t_.w, f.den));
        c.shape = shape;
        switch (kShapes[std::size_t(shape)].parts) {
        case 1:
            c.at = {k, 0, 0};
            break;
        case 2:
            c.at = {std::min(i, k), std::max(i, k), 0};
            break;
        default:
            if (kShapes[std::size_t(shape)].circuit == Circuit::seriesOfParallel ||
                kShapes[std::size_t(shape)].circuit == Circuit::parallelOfSeries) {
                c.at = {i, std::min(j, k), std::max(j, k)};
            } else {
                c.at = {i, j, k};
                std::sort(c.at.begin(), c.at.end());
            }
        }
        Candidate& best = best_[std::size_t(shape)];
        if (before(c, best)) best = c;
    }

    const std::vector<std::uint64_t>& v_;
    Target t_;
    std::array<Candidate, kShapes.size()> best_{};
};

Decimal whole(U128 v) {
    return Decimal::fromParts(exact::digits(v), "", 0);
}

// The wanted value in milliohms. No typed value has more than kMostWantedDigits significant
// digits; one from elsewhere is taken to that many, halves up.
constexpr std::size_t kMostWantedDigits = 30;
Target targetOf(const Decimal& ohms) {
    const Decimal milliohms = ohms.shifted(3);
    std::string digits = milliohms.digits();
    int exponent = milliohms.exponent();
    if (digits.size() > kMostWantedDigits) {
        const bool up = digits[kMostWantedDigits] >= '5';
        exponent += int(digits.size() - kMostWantedDigits);
        digits.resize(kMostWantedDigits);
        for (std::size_t i = digits.size(); up && i-- > 0;) {
            if (digits[i] != '9') {
                ++digits[i];
                break;
            }
            digits[i] = '0';
            if (i == 0) digits.insert(digits.begin(), '1');
        }
    }
    Target t;
    t.w = 0;
    for (const char c : digits)
        t.w = t.w * 10 + U128(c - '0');
    for (int e = 0; e < exponent; ++e)
        t.w *= 10;
    for (int e = 0; e < -exponent; ++e)
        t.d *= 10;
    return t;
}

bool belowTarget(const Candidate& c, Target t) {
    return exact::compareProducts(c.num, t.d, t.w, c.den) < 0;
}

Combination described(const Candidate& c, const Kit& kit, Target t, int tolerance) {
    Combination out;
    const Shape shape = kShapes[std::size_t(c.shape)];
    out.circuit = shape.circuit;
    for (int p = 0; p < shape.parts; ++p)
        out.parts.push_back(kit.value(c.at[std::size_t(p)]));
    const U128 den = c.den * 1000; // milliohms to ohms
    const U128 g = exact::gcd(c.num, den);
    out.numerator = whole(c.num / g);
    out.denominator = whole(den / g);
    out.shown = Decimal::of(std::uint64_t((c.num * 2 + c.den) / (c.den * 2)), -3);
    // (value - wanted) / wanted = distance / (W den).
    const exact::U256 wantedTimesDen = exact::product(t.w, c.den);
    out.error = changeOfRatio(belowTarget(c, t), exact::digits(c.distance),
                              exact::digits(wantedTimesDen));
    out.tolerance = tolerance;
    out.withinTolerance =
        exact::compareProducts(c.distance, 10000, wantedTimesDen, U128(tolerance)) <= 0;
    return out;
}

} // namespace

Combinations findCombinations(const Decimal& wanted, const Kit& kit, int toleranceHundredths) {
    Combinations out;
    out.wantedFault = kitValueFault(wanted);
    // Parts are whole milliohms, but the value wanted is the number typed, however fine; only
    // a value below half a milliohm is beyond the search, as it always was.
    if (out.wantedFault == KitValueFault::finerThanMilliohm && wanted >= Decimal::of(5, -4) &&
        wanted <= Decimal::of(kKitLimitMilliohms, -3))
        out.wantedFault.reset();
    if (out.wantedFault || kit.empty()) return out;
    const Target target = targetOf(wanted);
    const int tolerance = std::max(toleranceHundredths, 0);

    const std::array<Candidate, kShapes.size()> best = Search(kit, target).run();
    std::array<Candidate, 3> ofParts{};
    for (std::size_t s = 0; s < best.size(); ++s) {
        if (!best[s].valid()) continue;
        out.bestByShape[s] = described(best[s], kit, target, tolerance);
        Candidate& slot = ofParts[std::size_t(kShapes[s].parts - 1)];
        if (before(best[s], slot)) slot = best[s];
    }
    for (std::size_t p = 0; p < ofParts.size(); ++p) {
        if (!ofParts[p].valid()) continue;
        out.bestOfParts[p] = described(ofParts[p], kit, target, tolerance);
        if (!out.simplest && out.bestOfParts[p]->withinTolerance)
            out.simplest = out.bestOfParts[p];
    }
    return out;
}

} // namespace zq::model
