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

} // namespace zq::model
