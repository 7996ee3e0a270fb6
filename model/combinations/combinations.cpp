// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/combinations/combinations.h"

#include "model/combinations/exact.h"

#include <algorithm>
#include <utility>

namespace zq::model {

namespace {

using exact::U128;

// Why nothing overflows. Every part and the wanted value r are whole milliohms below
// u = 10^12 < 2^40. For parts a, b, c the value is num / den milliohms with
//   num: at most abc < 2^120 (all parallel), the others below 3u^2 < 2^82;
//   den: at most ab + bc + ca < 3u^2 < 2^82.
// Then r * den < 2^122 and the distance |num - r * den| < 2^122 fit 128 bits, and so do the
// long division steps of the error (remainder * 10 < 2^126, remainder * 2 < 2^123). Orderings
// multiply a distance or numerator by a denominator (< 2^204) and the tolerance test multiplies
// a distance by 10^4 and r * den by a tolerance below 2^31 (< 2^153): those are compared as
// 256-bit products, never stored.
struct Candidate {
    U128 num = 0, den = 1;
    U128 distance = 0; // |num - r * den|: the distance is distance / den milliohms
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
    Search(const Kit& kit, std::uint64_t wanted) : v_(kit.milliohms()), r_(wanted) {}

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
            return f.num < r_ * f.den;
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
        const U128 target = r_ * f.den;
        c.distance = f.num < target ? target - f.num : f.num - target;
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
    U128 r_;
    std::array<Candidate, kShapes.size()> best_{};
};

Decimal whole(U128 v) {
    return Decimal::fromParts(exact::digits(v), "", 0);
}

std::int64_t errorHundredths(const Candidate& c, U128 r) {
    // distance / (r * den) x 10^4 by long division, a digit at a time to stay in 128 bits. The
    // quotient is below 3 x 10^16: three gigaohms for one milliohm wanted.
    const U128 divisor = r * c.den;
    U128 q = c.distance / divisor, rest = c.distance % divisor;
    for (int digit = 0; digit < 4; ++digit) {
        rest *= 10;
        q = q * 10 + rest / divisor;
        rest %= divisor;
    }
    if (rest * 2 >= divisor) ++q;
    const bool lower = c.num < r * c.den;
    return lower ? -std::int64_t(q) : std::int64_t(q);
}

Combination described(const Candidate& c, const Kit& kit, U128 r, int tolerance) {
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
    out.errorHundredths = errorHundredths(c, r);
    out.withinTolerance =
        exact::compareProducts(c.distance, 10000, U128(tolerance), r * c.den) <= 0;
    return out;
}

} // namespace

Combinations findCombinations(const Decimal& wanted, const Kit& kit, int toleranceHundredths) {
    Combinations out;
    out.wantedFault = kitValueFault(wanted);
    // Parts are whole milliohms, so a value typed finer is made as its nearest milliohm; only
    // one that rounds to nothing is beyond the search.
    if (out.wantedFault == KitValueFault::finerThanMilliohm && wanted >= Decimal::of(5, -4) &&
        wanted <= Decimal::of(kKitLimitMilliohms, -3))
        out.wantedFault.reset();
    if (out.wantedFault || kit.empty()) return out;
    const std::uint64_t r = wanted.roundedQuotient(-3);
    const int tolerance = std::max(toleranceHundredths, 0);

    const std::array<Candidate, kShapes.size()> best = Search(kit, r).run();
    std::array<Candidate, 3> ofParts{};
    for (std::size_t s = 0; s < best.size(); ++s) {
        if (!best[s].valid()) continue;
        out.bestByShape[s] = described(best[s], kit, r, tolerance);
        Candidate& slot = ofParts[std::size_t(kShapes[s].parts - 1)];
        if (before(best[s], slot)) slot = best[s];
    }
    for (std::size_t p = 0; p < ofParts.size(); ++p) {
        if (!ofParts[p].valid()) continue;
        out.bestOfParts[p] = described(ofParts[p], kit, r, tolerance);
        if (!out.simplest && out.bestOfParts[p]->withinTolerance)
            out.simplest = out.bestOfParts[p];
    }
    return out;
}

} // namespace zq::model
