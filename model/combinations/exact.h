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

} // namespace zq::model::exact
