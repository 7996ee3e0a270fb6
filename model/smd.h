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
//
// What a maker prints, and so what is read and what is written for a value, the same rule both
// ways:
// - all zeros without R (0, 00, 000, 0000) is the zero-ohm jumper: makers print it in any of
//   these widths;
// - digit codes start with a significant digit, never 0, and stay under 1 GΩ (the power is at
//   most 7 in three digits, 6 in four): no chip resistor is larger, and a power of 8 or 9 is the
//   capacitor code's ×0.01 and ×0.1;
// - R is the point wherever it stands; before it stands nothing, a lone 0 or digits not
//   starting with 0 (R47, 0R47, 4R7, 47R); a zero value with R is no code;
// - EIA-96: two digits 01..96 and a multiplier letter, second names (R, S, H) included.
enum class SmdKind { ThreeDigit, FourDigit, Eia96, Jumper };

std::string_view smdKindName(SmdKind k); // "3-digit", "4-digit", "EIA-96", "jumper"

struct SmdReading {
    SmdKind kind = SmdKind::ThreeDigit;
    Decimal value;                // ohms, exact
    std::optional<int> tolerance; // hundredths of a per cent: 100 on EIA-96, none otherwise

    // The arithmetic. Digit codes: significant digits times 10^power. R codes: `whole` R
    // `fraction`, as printed ("" or "0" or digits before R). EIA-96: number -> member of E96,
    // times 10^power, by `letter`.
    bool point = false;      // R stands for the decimal point
    std::string significant; // digit codes: "47"
    int power = 0;           // digit codes and EIA-96
    std::string whole, fraction;
    int eiaNumber = 0, eiaMember = 0;
    char letter = 0;
};

// Why a code cannot be read. Stable ASCII names by smdReasonName.
enum class SmdReason {
    None,
    Empty,            // nothing typed
    BrokenUtf8,       // `broken` holds the bytes as "0xC0 0xB1"
    Unseen,           // a control or zero-width character: `character`
    DecimalPoint,     // ".", "," or U+3002: `character`
    NotCodeChar,      // any other character: `character`
    InnerSpace,       // spaces inside the code
    ManyR,            // `count` Rs
    TooLong,          // `count` characters
    OnlyR,            // R alone
    TooShort,         // `hasR` when the short code holds R
    EiaCode,          // `badNumber` (not 01..96) and/or `badLetter` (not a multiplier letter)
    EiaLetterPlace,   // a multiplier letter `letter` out of its place
    UnknownLetter,    // a letter no code uses: `letter`
    ZeroWithPower,    // significant digits all zero and a power: `significant`
    LeadingZero,      // a digit code starting with 0
    PointLeadingZero, // digits before R starting with 0 ("04R7")
    ZeroWithPoint,    // R with zeros only ("R00")
    CapacitorPower,   // power digit 8 or 9: `power`, value both ways
    TooLarge,         // a four-digit code of 1 GΩ or more: `significant`, `power`, `asPower`
};

std::string_view smdReasonName(SmdReason r); // "leading-zero", "too-large", …

struct SmdRefusal {
    SmdReason reason = SmdReason::None;
    char32_t character = 0;
    std::string broken;
    std::size_t count = 0;
    bool hasR = false, badNumber = false, badLetter = false;
    char letter = 0;
    std::string significant;
    int power = 0;
    Decimal asPower, asFraction; // CapacitorPower: as 10^power, and as the capacitor's ×10^(p-10)
};

// Two digits and R read both as a point code and as EIA-96 with R for ×0.01.
struct SmdTwoWays {
    Decimal pointValue, eiaValue;
    // Both the same value: never from the reader, which reads 01R as EIA-96 only.
    bool equal = false;
    std::string whole; // the two digits
    int eiaMember = 0;
    std::string usualCode; // how a three-character code prints the point value ("680")
};

struct SmdAnswer {
    std::string code;                 // trimmed, upper case ASCII; empty when it is not ASCII
    std::vector<SmdReading> readings; // the more usual reading first; empty with a refusal
    SmdRefusal refusal;               // reason None when read
    std::optional<SmdTwoWays> twoWays;
};

// Reads a printed code typed as UTF-8: case and surrounding spaces do not matter, full-width
// digits and letters count as ASCII.
SmdAnswer readSmdCode(std::string_view utf8);

// The bands that carry a reading's value exactly on a part of `bands` (4 or 5) bands, with the
// tolerance it implies (else the usual one of such a part); empty where they cannot.
std::vector<int> bandsOfCode(const SmdReading& r, int bands);

// Every code whose first reading is exactly this value by the rule above (so not "47R", read
// first as EIA-96, for 47 Ω): the jumper's widths for zero;
// else three characters, then four, then EIA-96 (first name of a letter before its second).
// Within a width the digit code comes before R codes, R further left first. Empty when no code
// carries the value.
std::vector<std::string> smdCodesFor(const Decimal& ohms);

// The E96 member by EIA-96 number, and the multiplier letters: powers -3..5.
int eia96Member(int number);
std::optional<int> eiaPower(char letter);
std::string eiaLetters(int power); // "Y" then "R" for -2; first name first

} // namespace zq::model
