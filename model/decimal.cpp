// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/decimal.h"

#include <algorithm>
#include <limits>

namespace zq::model {

Decimal Decimal::fromParts(std::string_view whole, std::string_view fraction, int shift) {
    Decimal d;
    d.digits_ = std::string(whole) + std::string(fraction);
    d.exponent_ = shift - static_cast<int>(fraction.size());
    d.normalise();
    return d;
}

Decimal Decimal::of(std::uint64_t significand, int exponent) {
    Decimal d;
    d.digits_ = std::to_string(significand);
    d.exponent_ = exponent;
    d.normalise();
    return d;
}

void Decimal::normalise() {
    const auto first = digits_.find_first_not_of('0');
    if (first == std::string::npos) {
        digits_.clear();
        exponent_ = 0;
        return;
    }
    digits_.erase(0, first);
    while (digits_.back() == '0') {
        digits_.pop_back();
        ++exponent_;
    }
}

int Decimal::decade() const {
    return isZero() ? 0 : exponent_ + static_cast<int>(digits_.size()) - 1;
}

std::uint64_t Decimal::roundedQuotient(int e) const {
    if (isZero()) return 0;
    const int keep = static_cast<int>(digits_.size()) + exponent_ - e; // digits left of the point
    if (keep < 0) return 0;
    std::uint64_t q = 0;
    for (int i = 0; i < keep; ++i)
        q = q * 10 + (i < static_cast<int>(digits_.size()) ? std::uint64_t(digits_[i] - '0') : 0);
    if (keep < static_cast<int>(digits_.size()) && digits_[static_cast<std::size_t>(keep)] >= '5')
        ++q;
    return q;
}

Decimal Decimal::shifted(int e) const {
    Decimal d = *this;
    if (!d.isZero()) d.exponent_ += e;
    return d;
}

std::string Decimal::text(std::string_view point, int minDecimals) const {
    std::string whole, fraction;
    if (isZero()) {
        whole = "0";
    } else if (exponent_ >= 0) {
        whole = digits_ + std::string(static_cast<std::size_t>(exponent_), '0');
    } else {
        const int n = static_cast<int>(digits_.size());
        const int point_at = n + exponent_;
        if (point_at > 0) {
            whole = digits_.substr(0, static_cast<std::size_t>(point_at));
            fraction = digits_.substr(static_cast<std::size_t>(point_at));
        } else {
            whole = "0";
            fraction = std::string(static_cast<std::size_t>(-point_at), '0') + digits_;
        }
    }
    if (static_cast<int>(fraction.size()) < minDecimals)
        fraction.resize(static_cast<std::size_t>(minDecimals), '0');
    return fraction.empty() ? whole : whole + std::string(point) + fraction;
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
    if (a.isZero() || b.isZero()) return !a.isZero() <=> !b.isZero();
    if (const auto c = a.decade() <=> b.decade(); c != 0) return c;
    // Same leading power: the digit strings compare as fractions.
    const std::size_t n = std::max(a.digits_.size(), b.digits_.size());
    std::string x = a.digits_, y = b.digits_;
    x.resize(n, '0');
    y.resize(n, '0');
    return x.compare(y) <=> 0;
}

namespace {

// Whole numbers as plain digit strings, most significant first, without leading zeros.
std::string stripped(std::string s) {
    s.erase(0, std::min(s.find_first_not_of('0'), s.size()));
    return s;
}

int compareWhole(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : a == b ? 0 : 1;
}

// a - b, for a >= b.
std::string minusWhole(const std::string& a, const std::string& b) {
    std::string out = a;
    int borrow = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const std::size_t at = out.size() - 1 - i;
        int d = out[at] - '0' - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        borrow = d < 0;
        out[at] = static_cast<char>('0' + d + 10 * borrow);
    }
    return stripped(out);
}

} // namespace

std::int64_t changeInHundredthsOfPercent(const Decimal& from, const Decimal& to) {
    // Both as whole numbers over the same power of ten.
    const int e = to.isZero() ? from.exponent() : std::min(from.exponent(), to.exponent());
    const std::string a = from.digits() + std::string(std::size_t(from.exponent() - e), '0');
    const std::string b = to.isZero()
                              ? std::string()
                              : to.digits() + std::string(std::size_t(to.exponent() - e), '0');
    const bool negative = compareWhole(b, a) < 0;
    // |to - from| x 10^4 / from: a per cent in hundredths.
    const std::string numerator =
        stripped((negative ? minusWhole(a, b) : minusWhole(b, a)) + "0000");

    std::string quotient, remainder;
    for (const char digit : numerator) {
        remainder = stripped(remainder + digit);
        char q = '0';
        while (compareWhole(remainder, a) >= 0) {
            remainder = minusWhole(remainder, a);
            ++q;
        }
        quotient += q;
    }
    quotient = stripped(quotient);
    // Half away from zero: up when twice the remainder reaches the divisor.
    std::string twice = remainder;
    int carry = 0;
    for (std::size_t i = twice.size(); i-- > 0;) {
        const int d = (twice[i] - '0') * 2 + carry;
        twice[i] = static_cast<char>('0' + d % 10);
        carry = d / 10;
    }
    if (carry) twice.insert(twice.begin(), '1');
    const bool up = !remainder.empty() && compareWhole(twice, a) >= 0;

    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    if (quotient.size() > 18) return negative ? -kMax : kMax;
    std::int64_t magnitude = 0;
    for (const char d : quotient)
        magnitude = magnitude * 10 + (d - '0');
    magnitude += up;
    return negative ? -magnitude : magnitude;
}

} // namespace zq::model
