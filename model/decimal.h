// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace zq::model {

// A non-negative decimal held exactly as digits times a power of ten, so that what the user
// typed reaches the colours without passing through binary floating point.
class Decimal {
  public:
    Decimal() = default; // zero
    // The number <whole>.<fraction> times 10^shift; both parts hold ASCII digits only.
    static Decimal fromParts(std::string_view whole, std::string_view fraction, int shift);
    static Decimal of(std::uint64_t significand, int exponent);

    bool isZero() const { return digits_.empty(); }
    // No leading or trailing zeros; empty for zero.
    const std::string& digits() const { return digits_; }
    int exponent() const { return exponent_; }
    // The power of ten of the leading digit (4700 -> 3, 0.47 -> -1); 0 for zero.
    int decade() const;
    // This value divided by 10^e, rounded half up to a whole number. Only for quotients that
    // fit 64 bits.
    std::uint64_t roundedQuotient(int e) const;
    // Whether the value divided by 10^e is a whole number.
    bool divisibleByPowerOfTen(int e) const { return isZero() || exponent_ >= e; }
    Decimal shifted(int e) const; // times 10^e
    // Plain positional text with "point" as decimal point and at least `minDecimals`
    // decimals: (4465, point ".", 2) -> "4465.00"; 4.465 -> "4.465".
    std::string text(std::string_view point = ".", int minDecimals = 0) const;

    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);
    friend bool operator==(const Decimal& a, const Decimal& b) = default;

  private:
    void normalise();
    std::string digits_;
    int exponent_ = 0;
};

} // namespace zq::model
