// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/change.h"

#include <algorithm>
#include <limits>
#include <string>

namespace zq::model {

namespace {

// Whole numbers as decimal digits, most significant first, without leading zeros ("" is 0).
std::string stripped(std::string_view s) {
    s.remove_prefix(std::min(s.find_first_not_of('0'), s.size()));
    return std::string(s);
}

int compareWhole(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    const int c = a.compare(b);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

// a - b, for a >= b.
std::string minusWhole(const std::string& a, const std::string& b) {
    std::string out = a;
    int borrow = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const std::size_t at = out.size() - 1 - i;
        const int d = out[at] - '0' - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        borrow = d < 0;
        out[at] = char('0' + d + 10 * borrow);
    }
    return stripped(out);
}

// One step of long division: the digit of rest / d, rest left as the remainder; rest < 10 d.
int digitOf(std::string& rest, const std::string& d) {
    int q = 0;
    while (compareWhole(rest, d) >= 0) {
        rest = minusWhole(rest, d);
        ++q;
    }
    return q;
}

// Whether the remainder is at least half the divisor.
bool halfOrMore(const std::string& rest, const std::string& d) {
    return !rest.empty() && compareWhole(minusWhole(d, rest), rest) <= 0;
}

} // namespace

Change changeOfRatio(bool negative, std::string_view numerator, std::string_view denominator) {
    const std::string n = stripped(numerator), d = stripped(denominator);
    Change out;
    if (n.empty() || d.empty()) return out;
    out.negative = negative;

    // n x 10^4 / d: hundredths of a per cent.
    std::string quotient, rest;
    for (const char digit : n + "0000") {
        rest = stripped(rest + digit);
        quotient += char('0' + digitOf(rest, d));
    }
    quotient = stripped(quotient);
    constexpr auto kMost = std::numeric_limits<std::int64_t>::max();
    std::int64_t magnitude = kMost;
    if (quotient.size() <= 18) {
        magnitude = 0;
        for (const char c : quotient)
            magnitude = magnitude * 10 + (c - '0');
        magnitude += halfOrMore(rest, d);
    }
    out.hundredths = negative ? -magnitude : magnitude;
    if (magnitude != 0) return out;

    // Below half a hundredth: the per cent n x 100 / d is 0.00… with its first two significant
    // digits further on.
    rest = stripped(n + "00");
    std::uint64_t significant = 0;
    int place = 0, kept = 0;
    while (kept < 2) {
        rest = stripped(rest + "0");
        ++place;
        const int digit = digitOf(rest, d);
        if (kept == 0 && digit == 0) continue;
        significant = significant * 10 + std::uint64_t(digit);
        ++kept;
    }
    significant += halfOrMore(rest, d);
    out.belowHundredth = Decimal::of(significant, -place);
    return out;
}

Decimal significantQuotient(const Decimal& numerator, const Decimal& denominator, int digits) {
    const std::string& n = numerator.digits();
    const std::string& m = denominator.digits();
    if (n.empty() || m.empty()) return {};
    // Long division of n by m: after i digits of n (zeros past its end) the quotient so far is
    // n / m x 10^(i - |n|).
    std::string rest;
    std::uint64_t significant = 0;
    std::size_t i = 0;
    for (int kept = 0; kept < digits; ++i) {
        rest = stripped(rest + (i < n.size() ? n[i] : '0'));
        const int digit = digitOf(rest, m);
        if (kept == 0 && digit == 0) continue;
        significant = significant * 10 + std::uint64_t(digit);
        ++kept;
    }
    // What is left: the remainder and the digits of n not yet brought down, against m times as
    // many tens.
    const std::size_t left = i < n.size() ? n.size() - i : 0;
    const std::string tail = stripped(rest + n.substr(std::min(i, n.size())));
    significant += halfOrMore(tail, m + std::string(left, '0'));
    return Decimal::of(significant, numerator.exponent() - denominator.exponent() + int(n.size()) -
                                        int(i));
}

Change changeBetween(const Decimal& from, const Decimal& to) {
    // Both as whole numbers over the same power of ten.
    const int e = to.isZero() ? from.exponent() : std::min(from.exponent(), to.exponent());
    const std::string a = from.digits() + std::string(std::size_t(from.exponent() - e), '0');
    const std::string b =
        to.isZero() ? std::string() : to.digits() + std::string(std::size_t(to.exponent() - e), '0');
    const bool below = compareWhole(b, a) < 0;
    return changeOfRatio(below, below ? minusWhole(a, b) : minusWhole(b, a), a);
}

} // namespace zq::model
