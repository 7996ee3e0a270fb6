// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Whole-number arithmetic wide enough for the values of three resistors, for the combination
// search only. Every quantity is a whole number of milliohms or a product of such numbers.

#include <cstdint>
#include <string>

namespace zq::model::exact {

__extension__ typedef unsigned __int128 U128;

// A product of two 128-bit numbers, compared but never divided.
struct U256 {
    U128 high, low;
    friend bool operator==(const U256&, const U256&) = default;
};

inline U256 product(U128 a, U128 b) {
    const std::uint64_t a0 = std::uint64_t(a), a1 = std::uint64_t(a >> 64);
    const std::uint64_t b0 = std::uint64_t(b), b1 = std::uint64_t(b >> 64);
    const U128 p00 = U128(a0) * b0, p01 = U128(a0) * b1, p10 = U128(a1) * b0,
               p11 = U128(a1) * b1;
    const U128 middle = (p00 >> 64) + std::uint64_t(p01) + std::uint64_t(p10);
    return {p11 + (p01 >> 64) + (p10 >> 64) + (middle >> 64),
            (middle << 64) | std::uint64_t(p00)};
}

// -1, 0 or 1 as a*b is less than, equal to or greater than c*d.
inline int compareProducts(U128 a, U128 b, U128 c, U128 d) {
    const U256 x = product(a, b), y = product(c, d);
    if (x.high != y.high) return x.high < y.high ? -1 : 1;
    if (x.low != y.low) return x.low < y.low ? -1 : 1;
    return 0;
}

inline int compare(const U256& a, const U256& b) {
    if (a.high != b.high) return a.high < b.high ? -1 : 1;
    if (a.low != b.low) return a.low < b.low ? -1 : 1;
    return 0;
}

// a - b, for a >= b.
inline U256 minus(const U256& a, const U256& b) {
    return {a.high - b.high - (a.low < b.low ? 1 : 0), a.low - b.low};
}

// |a - b|.
inline U256 distance(const U256& a, const U256& b) {
    return compare(a, b) < 0 ? minus(b, a) : minus(a, b);
}

// A 256-bit number times a 128-bit one, compared but never divided.
struct U384 {
    U128 high, middle, low;
};

inline U384 product(const U256& a, U128 b) {
    const U256 low = product(a.low, b), high = product(a.high, b);
    const U128 middle = low.high + high.low;
    return {high.high + (middle < low.high ? 1 : 0), middle, low.low};
}

// -1, 0 or 1 as a*b is less than, equal to or greater than c*d.
inline int compareProducts(const U256& a, U128 b, const U256& c, U128 d) {
    const U384 x = product(a, b), y = product(c, d);
    if (x.high != y.high) return x.high < y.high ? -1 : 1;
    if (x.middle != y.middle) return x.middle < y.middle ? -1 : 1;
    if (x.low != y.low) return x.low < y.low ? -1 : 1;
    return 0;
}

inline U128 gcd(U128 a, U128 b) {
    while (b != 0) {
        const U128 r = a % b;
        a = b;
        b = r;
    }
    return a;
}

inline std::string digits(U128 v) {
    if (v == 0) return "0";
    std::string s;
    for (; v != 0; v /= 10)
        s.insert(s.begin(), char('0' + int(v % 10)));
    return s;
}

inline std::string digits(U256 v) {
    if (v.high == 0) return digits(v.low);
    std::string s;
    while (v.high != 0 || v.low != 0) {
        // Divided by ten a 64-bit limb at a time, the remainder carried into the next.
        std::uint64_t limbs[4] = {std::uint64_t(v.high >> 64), std::uint64_t(v.high),
                                  std::uint64_t(v.low >> 64), std::uint64_t(v.low)};
        U128 rest = 0;
        for (std::uint64_t& limb : limbs) {
            const U128 part = (rest << 64) | limb;
            limb = std::uint64_t(part / 10);
            rest = part % 10;
        }
        s.insert(s.begin(), char('0' + int(rest)));
        v = {(U128(limbs[0]) << 64) | limbs[1], (U128(limbs[2]) << 64) | limbs[3]};
    }
    return s;
}

} // namespace zq::model::exact
