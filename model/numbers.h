// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace zq::model {

// The leading decimal number of a text, "." always being the point; leading blanks are
// skipped, and a text without a number reads as 0.
double val(std::string_view text);

// The user's decimal separator.
struct DecimalFormat {
    std::string point = ".";
};

// Plain positional text with at most 15 significant digits and no trailing zeros, so that
// products such as 12 x 0.1 come out as "1.2"; no grouping.
std::string numberToText(double v, const DecimalFormat&);

// Inverse of numberToText; 0 when the text does not start with a number.
double textToNumber(std::string_view text, const DecimalFormat&);

// The "0.00" pattern: at least one integer digit and exactly two decimals, halves rounded away
// from zero on the 15-significant-digit text.
std::string format00(double v, const DecimalFormat&);

} // namespace zq::model
