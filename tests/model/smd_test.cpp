// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Chip resistor codes: every code against a reader written here from the marking rules, the
// writer's codes are exactly those that read back to their value, and every refusal names its
// reason and what is wrong.
#include "model/smd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <set>
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

void expectOneReading(const SmdAnswer& a, SmdKind kind, const Decimal& value) {
    ASSERT_EQ(a.readings.size(), 1u) << smdReasonName(a.refusal.reason);
    EXPECT_EQ(a.readings[0].kind, kind);
    EXPECT_EQ(a.readings[0].value, value);
    EXPECT_EQ(a.readings[0].tolerance.has_value(), kind == SmdKind::Eia96);
    EXPECT_EQ(a.refusal.reason, SmdReason::None);
}

void expectRefused(const SmdAnswer& a, SmdReason why) {
    EXPECT_TRUE(a.readings.empty());
    EXPECT_EQ(smdReasonName(a.refusal.reason), smdReasonName(why));
}

// Digits then a power of ten; all zeros is the jumper in every width. A first digit 0 is no
// maker's code, and every code stays under 1 GΩ: powers 8 and 9 never, 7 only in three digits.
TEST(SmdDigitCodes, EveryDigitCodeReadsByTheRules) {
    for (const std::size_t n : {1u, 2u, 3u, 4u}) {
        int count = 1;
        for (std::size_t i = 0; i < n; ++i)
            count *= 10;
        for (int i = 0; i < count; ++i) {
            const std::string code = padded(i, n);
            SCOPED_TRACE(code);
            const int significand = i / 10, power = i % 10;
            const SmdAnswer a = readSmdCode(code);
            EXPECT_EQ(a.code, code);
            if (i == 0) {
                expectOneReading(a, SmdKind::Jumper, Decimal());
                EXPECT_TRUE(written(Decimal(), code));
            } else if (n < 3) {
                expectRefused(a, SmdReason::TooShort);
            } else if (significand == 0) {
                expectRefused(a, SmdReason::ZeroWithPower);
                EXPECT_EQ(a.refusal.significant, code.substr(0, n - 1));
            } else if (code[0] == '0') {
                expectRefused(a, SmdReason::LeadingZero);
            } else if (power >= 8) {
                expectRefused(a, SmdReason::CapacitorPower);
                EXPECT_EQ(a.refusal.asPower, Decimal::of(std::uint64_t(significand), power));
                EXPECT_EQ(a.refusal.asFraction,
                          Decimal::of(std::uint64_t(significand), power - 10));
            } else if (n == 4 && power == 7) {
                expectRefused(a, SmdReason::TooLarge);
                EXPECT_EQ(a.refusal.asPower, Decimal::of(std::uint64_t(significand), 7));
            } else {
                const Decimal value = Decimal::of(static_cast<std::uint64_t>(significand), power);
                expectOneReading(a, n == 3 ? SmdKind::ThreeDigit : SmdKind::FourDigit, value);
                EXPECT_LT(value, Decimal::of(1, 9));
                EXPECT_EQ(a.readings[0].significant, code.substr(0, n - 1));
                EXPECT_EQ(a.readings[0].power, power);
                EXPECT_FALSE(a.readings[0].point);
                EXPECT_TRUE(written(value, code));
            }
        }
    }
}

// Two digits 01..96 name the E96 member; every letter the marking rules list, second names too.
TEST(SmdEia96, EveryNumberWithEveryLetterReadsByTheRules) {
    const std::map<char, int> powers{{'Z', -3}, {'Y', -2}, {'R', -2}, {'X', -1},
                                     {'S', -1}, {'A', 0},  {'B', 1},  {'H', 1},
                                     {'C', 2},  {'D', 3},  {'E', 4},  {'F', 5}};
    for (int number = 0; number < 100; ++number) {
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            if (letter == 'R') continue; // also the point, checked with the R codes
            const std::string code = padded(number, 2) + letter;
            SCOPED_TRACE(code);
            const SmdAnswer a = readSmdCode(code);
            const bool known = powers.count(letter) != 0, inRange = number >= 1 && number <= 96;
            if (!known || !inRange) {
                expectRefused(a, SmdReason::EiaCode);
                EXPECT_EQ(a.refusal.badNumber, !inRange);
                EXPECT_EQ(a.refusal.badLetter, !known);
                continue;
            }
            // IEC 60063 rounds 10^(i/96) to three figures; E96 has no published exceptions.
            const auto member = std::lround(100 * std::pow(10.0, (number - 1) / 96.0));
            const Decimal value =
                Decimal::of(static_cast<std::uint64_t>(member), powers.at(letter));
            expectOneReading(a, SmdKind::Eia96, value);
            EXPECT_EQ(a.readings[0].tolerance, 100);
            EXPECT_EQ(a.readings[0].eiaNumber, number);
            EXPECT_EQ(a.readings[0].eiaMember, member);
            EXPECT_EQ(a.readings[0].letter, letter);
            EXPECT_TRUE(written(value, code));
        }
    }
}

// R is the point wherever it stands, after nothing, a lone 0 or digits not starting with 0;
// two digits and R is also EIA-96 with R for ×0.01, the only reading left for 01R..09R.
TEST(SmdPointCodes, RInEveryPositionIsTheDecimalPoint) {
    for (const std::size_t n : {3u, 4u}) {
        for (std::size_t at = 0; at < n; ++at) {
            for (int i = 0; i < (n == 3 ? 100 : 1000); ++i) {
                const std::string digits = padded(i, n - 1);
                const std::string code = digits.substr(0, at) + "R" + digits.substr(at);
                SCOPED_TRACE(code);
                const std::string whole = digits.substr(0, at);
                const Decimal value = Decimal::fromParts(whole, digits.substr(at), 0);
                const SmdAnswer a = readSmdCode(code);
                const bool eia = n == 3 && at == 2 && i >= 1 && i <= 96;
                const bool point = !value.isZero() && !(whole.size() > 1 && whole[0] == '0');
                if (!eia && !point) {
                    expectRefused(a, value.isZero() ? SmdReason::ZeroWithPoint
                                                    : SmdReason::PointLeadingZero);
                    continue;
                }
                ASSERT_EQ(a.readings.size(), std::size_t(eia) + std::size_t(point));
                EXPECT_EQ(a.twoWays.has_value(), eia && point);
                if (point) {
                    const SmdReading& p = a.readings.back();
                    EXPECT_EQ(p.kind, n == 3 ? SmdKind::ThreeDigit : SmdKind::FourDigit);
                    EXPECT_TRUE(p.point);
                    EXPECT_EQ(p.value, value);
                    EXPECT_EQ(p.whole, whole);
                    EXPECT_FALSE(p.tolerance.has_value());
                    // Offered only where it is the first reading.
                    EXPECT_EQ(written(value, code), !eia);
                }
                if (eia) {
                    const auto member = std::lround(100 * std::pow(10.0, (i - 1) / 96.0));
                    const Decimal e = Decimal::of(static_cast<std::uint64_t>(member), -2);
                    EXPECT_EQ(a.readings.front().kind, SmdKind::Eia96);
                    EXPECT_EQ(a.readings.front().value, e);
                    EXPECT_TRUE(written(e, code));
                }
            }
        }
    }
}

// The reader and the writer are one rule: over every code of up to four characters of digits,
// R, the multiplier letters and one letter no code uses, a code reads first to a value exactly
// when the writer lists it for that value ("47R" is not offered for 47 Ω: it reads as 3.01 Ω).
TEST(SmdCodesFor, ListsExactlyTheCodesThatReadToTheValue) {
    const std::string alphabet = "0123456789RZYXSABHCDEFK";
    std::map<std::string, std::vector<std::string>> read; // value text -> codes, in code order
    std::size_t codes = 0;
    for (std::size_t n = 1; n <= 4; ++n) {
        std::vector<std::size_t> at(n, 0);
        while (true) {
            std::string code;
            for (const std::size_t k : at)
                code += alphabet[k];
            if (const SmdAnswer a = readSmdCode(code); !a.readings.empty()) {
                read[a.readings.front().value.text()].push_back(code);
                ++codes;
            }
            std::size_t k = 0;
            while (k < n && ++at[k] == alphabet.size())
                at[k++] = 0;
            if (k == n) break;
        }
    }
    EXPECT_GT(codes, 10000u); // the enumeration ran over every width
    auto sorted = [](std::vector<std::string> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    for (const auto& [value, codesOf] : read)
        EXPECT_EQ(sorted(smdCodesFor(ohms(value))), sorted(codesOf)) << value;
    // And no value the reader never gives has a code: every value of up to three significant
    // digits over the decades codes can reach and beyond.
    for (int decade = -5; decade <= 10; ++decade) {
        for (std::uint64_t d = 1; d < 1000; ++d) {
            const Decimal v = Decimal::of(d, decade);
            if (!read.count(v.text())) {
                EXPECT_TRUE(smdCodesFor(v).empty()) << v.text();
            }
        }
    }
    // The largest value a code carries is under 1 GΩ, whichever way it is written.
    Decimal largest;
    for (const auto& entry : read)
        largest = std::max(largest, ohms(entry.first));
    EXPECT_EQ(largest, Decimal::of(999, 6));
    EXPECT_EQ(smdCodesFor(Decimal::of(1, 9)), std::vector<std::string>{});
    EXPECT_EQ(smdCodesFor(Decimal::of(999, 6)), (std::vector<std::string>{"9996"}));
}

TEST(SmdInput, EveryReasonHasItsOwnStableName) {
    std::set<std::string_view> names;
    for (int r = int(SmdReason::Empty); r <= int(SmdReason::TooLarge); ++r) {
        const std::string_view name = smdReasonName(SmdReason(r));
        EXPECT_FALSE(name.empty()) << r;
        EXPECT_TRUE(names.insert(name).second) << name;
        EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || c == '-' || (c >= '0' && c <= '9');
        })) << name;
    }
    EXPECT_TRUE(smdReasonName(SmdReason::None).empty());
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
             Folded{" 00 ", "00", "0"},
         }) {
        const SmdAnswer a = readSmdCode(f.typed);
        EXPECT_EQ(a.code, f.code) << f.code;
        ASSERT_EQ(a.readings.size(), 1u) << f.code << smdReasonName(a.refusal.reason);
        EXPECT_EQ(a.readings[0].value, ohms(f.ohms)) << f.code;
    }
}

struct Refused {
    const char* typed;
    SmdReason why;
    char32_t character = 0; // the offending character, where one is
};

// Every refusal names its reason and the character at fault; the sentences are the wording's.
TEST(SmdInput, RefusalsNameTheReasonAndTheOffendingCharacter) {
    for (const Refused& r : {
             Refused{"", SmdReason::Empty},
             Refused{" \u00a0\u3000", SmdReason::Empty},
             Refused{"RR", SmdReason::ManyR},
             Refused{"4R7R", SmdReason::ManyR},
             Refused{"R", SmdReason::OnlyR},
             Refused{"1R", SmdReason::TooShort},
             Refused{"47", SmdReason::TooShort},
             Refused{"47000", SmdReason::TooLong},
             Refused{"00000", SmdReason::TooLong},
             Refused{"47 2", SmdReason::InnerSpace},
             Refused{"47\u20092", SmdReason::InnerSpace},
             Refused{"4K7", SmdReason::UnknownLetter},
             Refused{"A01", SmdReason::EiaLetterPlace},
             Refused{"101C", SmdReason::EiaLetterPlace},
             Refused{"4.7", SmdReason::DecimalPoint, U'.'},
             Refused{"4，7", SmdReason::DecimalPoint, U','},
             Refused{"4。7", SmdReason::DecimalPoint, 0x3002},
             Refused{"472Ω", SmdReason::NotCodeChar, U'Ω'},
             Refused{"4😀7", SmdReason::NotCodeChar, 0x1F600},
             Refused{"٤٧٢", SmdReason::NotCodeChar, 0x0664},
             Refused{"4\u03017", SmdReason::NotCodeChar, 0x0301},
             Refused{"\u0410\u0031", SmdReason::NotCodeChar, 0x0410},
             Refused{"47\u200b2", SmdReason::Unseen, 0x200B},
             Refused{"47\x01", SmdReason::Unseen, 0x01},
             Refused{"\xff"
                     "47",
                     SmdReason::BrokenUtf8},
         }) {
        const SmdAnswer a = readSmdCode(r.typed);
        SCOPED_TRACE(r.typed);
        expectRefused(a, r.why);
        EXPECT_EQ(a.refusal.character, r.character);
    }
    EXPECT_EQ(readSmdCode("47000").refusal.count, 5u);
    EXPECT_EQ(readSmdCode("4R7R").refusal.count, 2u);
    EXPECT_TRUE(readSmdCode("1R").refusal.hasR);
    EXPECT_FALSE(readSmdCode("47").refusal.hasR);
    EXPECT_EQ(readSmdCode("\xc0\xb1").refusal.broken, "0xC0 0xB1");
    EXPECT_EQ(readSmdCode("4K7").refusal.letter, 'K');
    EXPECT_EQ(readSmdCode("101C").refusal.letter, 'C');
}

TEST(SmdInput, TwoDigitsAndRGiveBothReadingsWithTheUsualCode) {
    struct Row {
        const char* code;
        const char* point;
        const char* eia;
        const char* usual;
    };
    for (const Row& r : {Row{"68R", "68", "4.99", "680"}, Row{"10R", "10", "1.24", "100"},
                         Row{"96R", "96", "9.76", "960"}}) {
        const SmdAnswer a = readSmdCode(r.code);
        ASSERT_TRUE(a.twoWays.has_value()) << r.code;
        EXPECT_EQ(a.twoWays->pointValue, ohms(r.point));
        EXPECT_EQ(a.twoWays->eiaValue, ohms(r.eia));
        EXPECT_FALSE(a.twoWays->equal);
        EXPECT_EQ(a.twoWays->usualCode, r.usual);
        EXPECT_EQ(a.twoWays->whole, std::string(r.code).substr(0, 2));
    }
    // Other side: 97R is no EIA number, 05R no point code.
    EXPECT_FALSE(readSmdCode("97R").twoWays.has_value());
    EXPECT_EQ(readSmdCode("97R").readings.size(), 1u);
    EXPECT_FALSE(readSmdCode("05R").twoWays.has_value());
    expectOneReading(readSmdCode("05R"), SmdKind::Eia96, ohms("1.1"));
}

TEST(SmdCodesFor, GivesEveryPrintedFormOfTheValue) {
    const std::map<std::string, std::vector<std::string>> rows{
        {"0", {"0", "00", "000", "0000"}},
        {"10000", {"103", "1002", "01C"}},
        {"1", {"1R0", "1R00", "01Y", "01R"}},
        {"0.1", {"R10", "0R1", "R100", "0R10", "01Z"}},
        {"0.47", {"R47", "R470", "0R47"}},
        {"4.7", {"4R7", "4R70"}},
        {"47", {"470", "47R0"}},
        {"47.5", {"47R5", "66X", "66S"}},
        {"470", {"471", "4700", "470R"}},
        {"0.001", {"R001"}},
        {"990000000", {"997", "9906"}},
        {"1000000000", {}},
        {"1234", {}},
        {"99000000000", {}},
    };
    for (const auto& [value, codes] : rows)
        EXPECT_EQ(smdCodesFor(ohms(value)), codes) << value;
}

} // namespace
} // namespace zq::model
