// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Chip resistor codes: every code against a reader written here from the marking rules, the
// writer's codes read back to their value, and every refusal names what is wrong.
#include "model/smd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace zq::model {
namespace {

std::string padded(int n, std::size_t width) {
    std::string s = std::to_string(n);
    return std::string(width - s.size(), '0') + s;
}

Decimal ohms(const std::string& text) {
    const auto point = text.find('.');
    return point == std::string::npos
               ? Decimal::fromParts(text, "", 0)
               : Decimal::fromParts(text.substr(0, point), text.substr(point + 1), 0);
}

bool written(const Decimal& v, const std::string& code) {
    const std::vector<std::string> codes = smdCodesFor(v);
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// Whatever the writer gives for a value reads back to it.
void expectCodesReadBack(const Decimal& v) {
    for (const std::string& c : smdCodesFor(v)) {
        const SmdAnswer a = readSmdCode(c);
        EXPECT_TRUE(std::any_of(a.readings.begin(), a.readings.end(),
                                [&](const SmdReading& r) { return r.value == v; }))
            << c << " written for " << v.text();
    }
}

void expectOneReading(const SmdAnswer& a, SmdKind kind, const Decimal& value) {
    ASSERT_EQ(a.readings.size(), 1u) << a.reason;
    EXPECT_EQ(a.readings[0].kind, kind);
    EXPECT_EQ(a.readings[0].value, value);
    EXPECT_EQ(a.readings[0].tolerance.has_value(), kind == SmdKind::Eia96);
    EXPECT_TRUE(a.reason.empty());
}

// Digits then a power of ten 0..7; 8 and 9 are refused, as is a zero with a power; all zeros
// is the jumper. Makers print no leading zero, so the writer gives only codes without one.
TEST(SmdDigitCodes, EveryThreeAndFourDigitCodeReadsByTheRules) {
    for (const std::size_t n : {3u, 4u}) {
        for (int i = 0; i < (n == 3 ? 1000 : 10000); ++i) {
            const std::string code = padded(i, n);
            SCOPED_TRACE(code);
            const int significand = i / 10, power = i % 10;
            const SmdAnswer a = readSmdCode(code);
            EXPECT_EQ(a.code, code);
            if (i == 0) {
                expectOneReading(a, SmdKind::Jumper, Decimal());
            } else if (significand == 0 || power >= 8) {
                EXPECT_TRUE(a.readings.empty());
                EXPECT_NE(a.reason.find("“" + code + "”"), std::string::npos) << a.reason;
            } else {
                const Decimal value = Decimal::of(static_cast<std::uint64_t>(significand), power);
                expectOneReading(a, n == 3 ? SmdKind::ThreeDigit : SmdKind::FourDigit, value);
                EXPECT_EQ(written(value, code), code[0] != '0');
                expectCodesReadBack(value);
            }
        }
    }
}

// Two digits 01..96 name the E96 member; letters as the marking rules list them.
TEST(SmdEia96, EveryNumberWithEveryLetterReadsByTheRules) {
    const std::map<char, int> powers{{'Z', -3}, {'Y', -2}, {'R', -2}, {'X', -1},
                                     {'S', -1}, {'A', 0},  {'B', 1},  {'H', 1},
                                     {'C', 2},  {'D', 3},  {'E', 4},  {'F', 5}};
    const std::string firstNames = "ZYXABCDEF";
    for (int number = 0; number < 100; ++number) {
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            if (letter == 'R') continue; // two readings, checked with the R codes
            const std::string code = padded(number, 2) + letter;
            SCOPED_TRACE(code);
            const SmdAnswer a = readSmdCode(code);
            const bool known = powers.count(letter) != 0, inRange = number >= 1 && number <= 96;
            if (!known || !inRange) {
                EXPECT_TRUE(a.readings.empty());
                if (!inRange) {
                    EXPECT_NE(a.reason.find("“" + code.substr(0, 2) + "”"), std::string::npos);
                }
                if (!known) {
                    EXPECT_NE(a.reason.find("“" + code.substr(2) + "”"), std::string::npos);
                }
                continue;
            }
            // IEC 60063 rounds 10^(i/96) to three figures; E96 has no published exceptions.
            const auto member = std::lround(100 * std::pow(10.0, (number - 1) / 96.0));
            const Decimal value =
                Decimal::of(static_cast<std::uint64_t>(member), powers.at(letter));
            expectOneReading(a, SmdKind::Eia96, value);
            EXPECT_EQ(a.readings[0].tolerance, 100);
            EXPECT_EQ(written(value, code), firstNames.find(letter) != std::string::npos);
            expectCodesReadBack(value);
        }
    }
}

// R is the point wherever it stands; two digits and R is also EIA-96 with R for ×0.01.
TEST(SmdPointCodes, RInEveryPositionIsTheDecimalPoint) {
    for (const std::size_t n : {3u, 4u}) {
        for (std::size_t at = 0; at < n; ++at) {
            for (int i = 0; i < (n == 3 ? 100 : 1000); ++i) {
                const std::string digits = padded(i, n - 1);
                const std::string code = digits.substr(0, at) + "R" + digits.substr(at);
                SCOPED_TRACE(code);
                const Decimal value =
                    Decimal::fromParts(digits.substr(0, at), digits.substr(at), 0);
                const SmdAnswer a = readSmdCode(code);
                if (value.isZero()) {
                    expectOneReading(a, SmdKind::Jumper, value);
                    continue;
                }
                const bool eia = n == 3 && at == 2 && i >= 1 && i <= 96;
                ASSERT_EQ(a.readings.size(), eia ? 2u : 1u) << a.reason;
                EXPECT_EQ(a.note.empty(), !eia);
                EXPECT_EQ(a.readings.back().kind,
                          n == 3 ? SmdKind::ThreeDigit : SmdKind::FourDigit);
                EXPECT_EQ(a.readings.back().value, value);
                EXPECT_FALSE(a.readings.back().tolerance.has_value());
                if (eia) {
                    const auto member = std::lround(100 * std::pow(10.0, (i - 1) / 96.0));
                    EXPECT_EQ(a.readings.front().kind, SmdKind::Eia96);
                    EXPECT_EQ(a.readings.front().value,
                              Decimal::of(static_cast<std::uint64_t>(member), -2));
                }
                // Makers write 4R7 and R47, not 04R7 or 47R.
                EXPECT_EQ(written(value, code), code[0] != '0' && at != n - 1);
                expectCodesReadBack(value);
            }
        }
    }
}

struct Folded {
    const char* typed;
    const char* code;
    const char* ohms;
};

TEST(SmdInput, CaseSpacesAndFullWidthDoNotMatter) {
    for (const Folded& f : {
             Folded{" 472 ", "472", "4700"},
             Folded{"\u00a0\u2009４７２\u3000\t\n", "472", "4700"},
             Folded{"01c", "01C", "10000"},
             Folded{"０１ｃ", "01C", "10000"},
             Folded{"r010", "R010", "0.01"},
             Folded{"４ｒ７", "4R7", "4.7"},
         }) {
        const SmdAnswer a = readSmdCode(f.typed);
        EXPECT_EQ(a.code, f.code) << f.code;
        ASSERT_EQ(a.readings.size(), 1u) << f.code << a.reason;
        EXPECT_EQ(a.readings[0].value, ohms(f.ohms)) << f.code;
    }
}

// No raw control byte, and none of the bytes that never occur in UTF-8 (0xC0, 0xC1, 0xF5..0xFF).
bool echoesNoRawBytes(const std::string& s) {
    return std::none_of(s.begin(), s.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7F || b == 0xC0 || b == 0xC1 || b >= 0xF5;
    });
}

struct Refused {
    const char* typed;
    const char* names;          // the offending part, as the reason shows it
    const char* also = nullptr; // more the reason must say
};

TEST(SmdInput, RefusalsNameTheOffendingPart) {
    for (const Refused& r : {
             Refused{"", "472"},
             Refused{" \u00a0\u3000", "472"},
             Refused{"00A", "“00”", "01～96"},
             Refused{"97B", "“97”", "01～96"},
             Refused{"01G", "“G”", "Z、Y（R）"},
             Refused{"97G", "“97”", "“G”"},
             Refused{"RR", "2 个 R"},
             Refused{"4R7R", "2 个 R"},
             Refused{"R", "只有一个 R"},
             Refused{"1R", "“1R”太短"},
             Refused{"47", "“47”太短"},
             Refused{"47000", "“47000”有 5 个字符"},
             Refused{"4700000000000000000", "“470000000000…”有 19 个字符"},
             Refused{"47 2", "“47 2”中间有空格"},
             Refused{"47\u20092", "“47 2”中间有空格"},
             Refused{"001", "“001”", "0000"},
             Refused{"109", "最后一位 9", "10GΩ"},
             Refused{"4708", "最后一位 8", "4.7Ω"},
             Refused{"4K7", "“K”"},
             Refused{"A01", "“A”是 EIA-96", "01A"},
             Refused{"101C", "“C”是 EIA-96", "“101C”"},
             Refused{"4.7", "“.”", "4R7"},
             Refused{"4，7", "“,”"},
             Refused{"472Ω", "“Ω”"},
             Refused{"\u0410\u0031", "U+0410"},
             Refused{"47\u200b2", "U+200B"},
             Refused{"47\x01", "U+0001"},
             Refused{"\xff"
                     "47",
                     "0xFF"},
             Refused{"\xc0\xb1"
                     "47",
                     "0xC0"},
         }) {
        const SmdAnswer a = readSmdCode(r.typed);
        EXPECT_TRUE(a.readings.empty()) << r.names;
        EXPECT_NE(a.reason.find(r.names), std::string::npos) << a.reason;
        if (r.also) {
            EXPECT_NE(a.reason.find(r.also), std::string::npos) << a.reason;
        }
        EXPECT_TRUE(echoesNoRawBytes(a.reason)) << r.names;
    }
}

TEST(SmdInput, TwoDigitsAndRGiveBothReadingsWithANote) {
    struct Row {
        const char* code;
        const char* point;
        const char* eia;
        const char* note;
    };
    for (const Row& r : {Row{"68R", "68Ω", "4.99Ω", "680"}, Row{"10R", "10Ω", "1.24Ω", "100"},
                         Row{"05R", "5Ω", "1.1Ω", "5R0"}, Row{"01R", "1Ω", "1Ω", "一样"}}) {
        const SmdAnswer a = readSmdCode(r.code);
        EXPECT_NE(a.note.find(r.point), std::string::npos) << a.note;
        EXPECT_NE(a.note.find(r.eia), std::string::npos) << a.note;
        EXPECT_NE(a.note.find(r.note), std::string::npos) << a.note;
    }
}

TEST(SmdInput, TheSumsUseTheUsersDecimalPoint) {
    const DecimalFormat comma{","};
    EXPECT_EQ(readSmdCode("472").readings.at(0).arithmetic, "47 × 10² = 4700Ω = 4.7KΩ");
    EXPECT_EQ(readSmdCode("68X", comma).readings.at(0).arithmetic, "68 → 499，499 × 0,1 = 49,9Ω");
    EXPECT_EQ(readSmdCode("4R7", comma).readings.at(0).arithmetic, "R 当小数点 → 4,7Ω");
}

TEST(SmdCodesFor, GivesEveryPrintedFormOfTheValue) {
    const std::map<std::string, std::vector<std::string>> rows{
        {"0", {"0", "000", "0000"}},
        {"10000", {"103", "1002", "01C"}},
        {"1", {"1R0", "1R00", "01Y"}},
        {"0.1", {"R10", "R100", "01Z"}},
        {"4.7", {"4R7", "4R70"}},
        {"47.5", {"47R5", "66X"}},
        {"0.001", {"R001"}},
        {"990000000", {"997", "9906"}},
        {"1234", {}},
        {"99000000000", {}},
    };
    for (const auto& [value, codes] : rows)
        EXPECT_EQ(smdCodesFor(ohms(value)), codes) << value;
}

} // namespace
} // namespace zq::model
