// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/decimal.h"
#include "model/numbers.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zq::model {

// The codes printed on chip resistors (IEC 60062): three or four digits with a power of ten,
// R as the decimal point, and the EIA-96 number-and-letter code of 1 % parts.
enum class SmdKind { ThreeDigit, FourDigit, Eia96, Jumper };

std::string_view smdKindName(SmdKind k); // "3-digit", "4-digit", "EIA-96", "jumper"

struct SmdReading {
    SmdKind kind = SmdKind::ThreeDigit;
    Decimal value;                // ohms, exact
    std::optional<int> tolerance; // hundredths of a per cent: 100 on EIA-96, none otherwise
    std::string arithmetic;       // "47 × 10² = 4700Ω", "68 → 499，499 × 0.1 = 49.9Ω"
    std::string explanation;      // one sentence for a beginner
};

struct SmdAnswer {
    std::string code;                 // trimmed, upper case ASCII; empty when it is not ASCII
    std::vector<SmdReading> readings; // the more usual reading first; empty with a reason
    std::string reason;               // why the code cannot be read, one line
    std::string note;                 // set when the code reads two ways
};

// Reads a printed code typed as UTF-8: case and surrounding spaces do not matter, full-width
// digits and letters count as ASCII. The power digits 8 and 9 are refused: as powers they give
// values no chip resistor has, and their capacitor meaning (×0.01, ×0.1) is not the resistor
// code, which writes fractions with R. Numbers in the texts use fmt.point.
SmdAnswer readSmdCode(std::string_view utf8, const DecimalFormat& fmt = {});

// The bands that carry a reading's value exactly on a part of `bands` (4 or 5) bands, with the
// tolerance it implies (else the usual one of such a part); empty where they cannot.
std::vector<int> bandsOfCode(const SmdReading& r, int bands);

// One reading as a line a beginner reads: "472 = 4.70KΩ：47 × 10² = 4700Ω = 4.7KΩ", with the
// kind named where the code reads two ways.
std::string smdLine(const SmdAnswer& a, const SmdReading& r, const DecimalFormat& fmt = {});

// The codes a maker prints for exactly this value: three characters, then four, then EIA-96.
// Digit codes start with a significant digit; R stands in where the digit code cannot carry the
// value (under 10 Ω in three characters, under 100 Ω in four); EIA-96 uses the first letter of
// each multiplier (Y, X, B). Zero gives "0", "000", "0000". Empty when no code carries it.
std::vector<std::string> smdCodesFor(const Decimal& ohms);

} // namespace zq::model
