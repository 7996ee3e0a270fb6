// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/numbers.h"

#include <charconv>
#include <cmath>
#include <cstddef>

// Everything goes through <charconv>: unlike printf and strtod it ignores the C locale, which
// the GUI toolkit sets from the environment.

namespace zq::model {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the digits[.digits] prefix of s, or 0 when it holds no digit.
std::size_t unsignedNumberLength(std::string_view s) {
    std::size_t i = 0, digits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i)
        ++digits;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && isDigit(s[i]); ++i)
            ++digits;
    return digits == 0 ? 0 : i;
}

// The leading [+-]digits[.digits] of s, "." being the point.
double leadingNumber(std::string_view s) {
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    const std::size_t n = unsignedNumberLength(s);
    double v = 0;
    if (n > 0) std::from_chars(s.data(), s.data() + n, v, std::chars_format::fixed);
    return negative ? -v : v;
}

// |v| rounded to 15 significant digits, in positional notation with "." and without
// trailing zeros.
std::string plainMagnitude(double v) {
    if (v == 0) return "0";
    char buf[40];
    const auto end =
        std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 14).ptr;
    const std::string_view sci(buf, static_cast<std::size_t>(end - buf)); // d.ddd...e[+-]xx
    const std::size_t e = sci.find('e');
    std::string digits = std::string(sci.substr(0, 1)) + std::string(sci.substr(2, e - 2));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string_view expText = sci.substr(e + 1);
    if (expText.front() == '+') expText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);

    const auto intDigits = static_cast<std::ptrdiff_t>(exponent) + 1;
    const auto count = static_cast<std::ptrdiff_t>(digits.size());
    if (intDigits <= 0)
        return "0." + std::string(static_cast<std::size_t>(-intDigits), '0') + digits;
    if (intDigits >= count)
        return digits + std::string(static_cast<std::size_t>(intDigits - count), '0');
    return digits.substr(0, static_cast<std::size_t>(intDigits)) + "." +
           digits.substr(static_cast<std::size_t>(intDigits));
}

std::string withPoint(std::string text, const DecimalFormat& fmt) {
    if (const auto dot = text.find('.'); dot != std::string::npos) text.replace(dot, 1, fmt.point);
    return text;
}

} // namespace

double val(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return leadingNumber(text);
}

std::string numberToText(double v, const DecimalFormat& fmt) {
    if (!std::isfinite(v)) return std::isnan(v) ? "NaN" : (v < 0 ? "-Inf" : "Inf");
    const std::string magnitude = plainMagnitude(v);
    return withPoint(v < 0 && magnitude != "0" ? "-" + magnitude : magnitude, fmt);
}

double textToNumber(std::string_view text, const DecimalFormat& fmt) {
    std::string plain(text);
    if (!fmt.point.empty() && fmt.point != ".")
        if (const auto p = plain.find(fmt.point); p != std::string::npos)
            plain.replace(p, fmt.point.size(), ".");
    return leadingNumber(plain);
}

std::string format00(double v, const DecimalFormat& fmt) {
    if (!std::isfinite(v)) return numberToText(v, fmt);
    const std::string magnitude = plainMagnitude(v);
    const std::size_t dot = magnitude.find('.');
    std::string whole = magnitude.substr(0, dot);
    std::string fraction = dot == std::string::npos ? "" : magnitude.substr(dot + 1);
    fraction.resize(3, '0');
    // Whole and fraction as one run of digits; rounding carries through it.
    std::string digits = whole + fraction.substr(0, 2);
    if (fraction[2] >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
    }
    const std::string result =
        digits.substr(0, digits.size() - 2) + fmt.point + digits.substr(digits.size() - 2);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    return v < 0 && !zero ? "-" + result : result;
}

} // namespace zq::model
