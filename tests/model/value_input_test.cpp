// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Typed values: every accepted form gives the exact value, every bad form its own reason.
#include "model/value_input.h"

#include "model/colour_code.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zq::model {
namespace {

struct Accepted {
    const char* typed;
    const char* ohms; // exact, plain decimal text
};

// Stable test names in plain ASCII: the typed text, every other byte escaped.
void printTyped(const char* typed, std::ostream* os) {
    static const char* const kHex = "0123456789abcdef";
    *os << '[';
    for (const char* p = typed; *p; ++p) {
        const auto b = static_cast<unsigned char>(*p);
        if (b > 0x20 && b < 0x7f)
            *os << *p;
        else
            *os << "\\x" << kHex[b >> 4] << kHex[b & 15];
    }
    *os << ']';
}

void PrintTo(const Accepted& a, std::ostream* os) {
    printTyped(a.typed, os);
}

class AcceptedInput : public testing::TestWithParam<Accepted> {};

TEST_P(AcceptedInput, ReadsTheExactValue) {
    const ValueInput v = parseValue(GetParam().typed);
    ASSERT_TRUE(v.ok) << codeOf(v.refusal);
    EXPECT_EQ(v.ohms.text(), GetParam().ohms);
}

INSTANTIATE_TEST_SUITE_P(
    ShopAndTypedForms, AcceptedInput,
    testing::Values(
        Accepted{"4.7k", "4700"}, Accepted{"4k7", "4700"}, Accepted{"4K7", "4700"},
        Accepted{"4.7kΩ", "4700"}, Accepted{"4.7 kΩ", "4700"}, Accepted{"4700", "4700"},
        Accepted{"4700Ω", "4700"}, Accepted{"470R", "470"}, Accepted{"R47", "0.47"},
        Accepted{"0.47", "0.47"}, Accepted{"4R7", "4.7"}, Accepted{"1M", "1000000"},
        Accepted{"1M5", "1500000"}, Accepted{"2.2M", "2200000"}, Accepted{"1G", "1000000000"},
        Accepted{"100ohm", "100"}, Accepted{"100 Ohms", "100"}, Accepted{"4.7kohm", "4700"},
        Accepted{"470欧", "470"}, Accepted{"470欧姆", "470"}, Accepted{"4.7千欧", "4700"},
        Accepted{"1.5兆欧", "1500000"}, Accepted{"４．７ｋ", "4700"}, Accepted{"４７０Ω", "470"},
        Accepted{"1\u3000k", "1000"}, Accepted{"10\u2126", "10"}, Accepted{"25.40KΩ", "25400"},
        Accepted{"999.00GΩ", "999000000000"}, Accepted{"0", "0"}, Accepted{".5", "0.5"},
        Accepted{"5.", "5"}, Accepted{"+47", "47"}, Accepted{"0.010", "0.01"},
        Accepted{"12345678901234567890123", "12345678901234567890123"},
        // The bare Chinese prefixes, also standing for the point; the ideographic full stop.
        Accepted{"4.7千", "4700"}, Accepted{"4.7兆", "4700000"}, Accepted{"4.7吉", "4700000000"},
        Accepted{"4千7", "4700"}, Accepted{"4。7k", "4700"}, Accepted{"4.7 k Ω", "4700"},
        Accepted{"4 700", "4700"},
        // Spaces of every width.
        Accepted{"4.7\u00a0k", "4700"}, Accepted{"4.7\u2009kΩ", "4700"},
        Accepted{"4\u202f700", "4700"}, Accepted{"4.7\u200ak", "4700"}));

// What a Chinese input method types, each on its own: full-width digits, letters and point,
// the ideographic full stop, the full-width comma where the comma is the point, ω for Ω.
struct Typed {
    const char* typed;
    const char* point;
    const char* ohms;
};

void PrintTo(const Typed& t, std::ostream* os) {
    printTyped(t.typed, os);
    *os << " point " << t.point;
}

class InputMethodForm : public testing::TestWithParam<Typed> {};

TEST_P(InputMethodForm, ReadsAsItsPlainForm) {
    const ValueInput v = parseValue(GetParam().typed, GetParam().point);
    ASSERT_TRUE(v.ok) << codeOf(v.refusal);
    EXPECT_EQ(v.ohms.text(), GetParam().ohms);
}

INSTANTIATE_TEST_SUITE_P(
    Each, InputMethodForm,
    testing::Values(Typed{"4。7k", ".", "4700"}, Typed{"4。7k", ",", "4700"},
                    Typed{"４，７ｋ", ",", "4700"}, Typed{"4，7千欧", ",", "4700"},
                    Typed{"４Ｋ７", ".", "4700"}, Typed{"１Ｍ５", ".", "1500000"},
                    Typed{"Ｒ４７", ".", "0.47"}, Typed{"４７０Ｒ", ".", "470"},
                    Typed{"４。７千欧", ".", "4700"}, Typed{"１．５兆欧", ".", "1500000"},
                    Typed{"２２０欧", ".", "220"}, Typed{"4.7kω", ".", "4700"}));

// A small m alone is a lazy M, and says so; written with the ohm, or milli in words, it is
// milliohms, which no colour-coded part carries: refused, never read as megohms.
TEST(ValueInput, ASmallMIsReadAsMegaAndMilliohmsAreRefused) {
    struct {
        const char* typed;
        const char* ohms; // "" where refused
        bool noted;
    } const cases[] = {
        {"4.7m", "4700000", true},   {"4m7", "4700000", true},    {"４．７ｍ", "4700000", true},
        {"4.7M", "4700000", false},  {"4M7", "4700000", false},   {"4.7k", "4700", false},
        {"4.7兆", "4700000", false}, {"4.7MΩ", "4700000", false}, {"5mΩ", "", false},
        {"5 m Ω", "", false},        {"5mohm", "", false},        {"4m7Ω", "", false},
        {"5毫欧", "", false},        {"5毫", "", false},          {"５ｍΩ", "", false}};
    for (const auto& c : cases) {
        const ValueInput v = parseValue(c.typed);
        EXPECT_EQ(v.ok, *c.ohms != '\0') << c.typed;
        if (!v.ok) {
            EXPECT_EQ(v.refusal, InputRefusal::Milliohms) << c.typed;
            EXPECT_FALSE(v.quoted.empty()) << c.typed;
            continue;
        }
        EXPECT_EQ(v.ohms.text(), c.ohms) << c.typed;
        EXPECT_EQ(v.note, c.noted ? InputNote::MilliohmReadAsMegohm : InputNote::None) << c.typed;
    }
}

struct Refused {
    const char* typed;
    InputRefusal refusal;
    const char* quoted = "";
    const char* extra = "";
};

void PrintTo(const Refused& r, std::ostream* os) {
    printTyped(r.typed, os);
}

class RefusedInput : public testing::TestWithParam<Refused> {};

TEST_P(RefusedInput, GivesItsReasonWithWhatItQuotes) {
    const ValueInput v = parseValue(GetParam().typed);
    EXPECT_FALSE(v.ok);
    EXPECT_EQ(v.refusal, GetParam().refusal);
    EXPECT_EQ(v.quoted, GetParam().quoted);
    EXPECT_EQ(v.extra, GetParam().extra);
    EXPECT_TRUE(v.ohms.isZero());
    EXPECT_EQ(v.note, InputNote::None);
    // Whatever was typed, no control byte and no byte of the input's broken UTF-8 is echoed.
    for (const std::string* quoted : {&v.quoted, &v.extra})
        for (const char c : *quoted) {
            const auto b = static_cast<unsigned char>(c);
            EXPECT_TRUE(b >= 0x20 && b != 0x7f && b != 0xff && b != 0xc0) << *quoted;
        }
}

using R = InputRefusal;
INSTANTIATE_TEST_SUITE_P(
    EveryReason, RefusedInput,
    testing::Values(
        Refused{"", R::Empty}, Refused{"  \u3000 ", R::Empty}, Refused{"4.7x", R::NotAUnit, "x"},
        Refused{"四千七", R::NotAUnit, "四"}, Refused{"1.2.3", R::TwoPoints},
        Refused{"4.7k7", R::TwoPoints}, Refused{"4k7.5", R::PointAndLetter},
        Refused{"-4.7k", R::Negative}, Refused{"\u22124.7", R::Negative},
        Refused{"4-7", R::NotAUnit, "-"}, Refused{"4k7k", R::TwoLetters}, Refused{"4,7k", R::Comma},
        Refused{"4，7k", R::Comma},
        // Text after the unit is named, not mistaken for a second point.
        Refused{"4.7k千欧", R::AfterTheUnit, "4.7k", "千欧"},
        Refused{"4.7k 1/4W", R::AfterTheUnit, "4.7k", "1/4W"},
        Refused{"4.7KΩ±5%", R::AfterTheUnit, "4.7KΩ", "±5%"},
        Refused{"4.7kk", R::AfterTheUnit, "4.7k", "k"},
        Refused{"4.7kiloohm", R::AfterTheUnit, "4.7k", "iloohm"},
        // What does not show is named by its code point.
        Refused{"4.7\x07k", R::ControlCharacter, "U+0007"},
        Refused{"\x7f", R::ControlCharacter, "U+007F"},
        Refused{"4\u0085", R::ControlCharacter, "U+0085"},
        // Format characters would make the text read otherwise than it shows: refused alike.
        Refused{"4.7\u202ek", R::UnseenCharacter, "U+202E"},
        Refused{"\u200b4.7k", R::UnseenCharacter, "U+200B"},
        Refused{"\ufeff4.7k", R::UnseenCharacter, "U+FEFF"},
        Refused{"4.7k\u2060", R::UnseenCharacter, "U+2060"},
        Refused{"4.7\u00ad", R::UnseenCharacter, "U+00AD"},
        Refused{"4\U000E0041.7", R::UnseenCharacter, "U+E0041"},
        Refused{"4.7kΩ\u2028x", R::AfterTheUnit, "4.7kΩ", "U+2028 x"}, Refused{"Ω", R::NoDigits},
        Refused{"k", R::NoDigits}, Refused{"1234567890123456789012345678901", R::TooLong},
        Refused{"5mΩ", R::Milliohms, "5mΩ"}, Refused{"5毫欧", R::Milliohms, "5毫欧"},
        // Broken UTF-8, named by its bytes: a stray byte, a lead byte without its follower, a
        // code point past the end, an overlong point, a surrogate, a cut sequence.
        Refused{"\xff", R::BrokenText, "0xFF"},
        Refused{"4\xc3"
                "7",
                R::BrokenText, "0xC3"},
        Refused{"\xf7\xbf\xbf\xbf", R::BrokenText, "0xF7 0xBF 0xBF 0xBF"},
        Refused{"4\xc0\xae"
                "7",
                R::BrokenText, "0xC0 0xAE"},
        Refused{"4\xe0\x80\xae", R::BrokenText, "0xE0 0x80 0xAE"},
        Refused{"4\xed\xa0\x80", R::BrokenText, "0xED 0xA0 0x80"},
        Refused{"4.7\xe5\x8d", R::BrokenText, "0xE5 0x8D"}));

// Every reason has its own code, as --json prints it.
TEST(ValueInput, EachReasonHasItsOwnCode) {
    std::vector<std::string_view> seen;
    for (int r = int(InputRefusal::BrokenText); r <= int(InputRefusal::Milliohms); ++r) {
        const std::string_view code = codeOf(InputRefusal(r));
        EXPECT_FALSE(code.empty()) << r;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), code), 0) << code;
        seen.push_back(code);
    }
    EXPECT_EQ(codeOf(InputNote::MilliohmReadAsMegohm), "milliohm-read-as-megohm");
    EXPECT_EQ(codeOf(InputNote::None), "");
}

TEST(ValueInput, ThirtyCharactersAreStillRead) {
    // Characters, not bytes: ten full-width digits are thirty bytes.
    EXPECT_TRUE(parseValue(std::string(30, '1')).ok);
    EXPECT_TRUE(parseValue("１２３４５６７８９０").ok);
}

// The program's table first; the figures only IEC 60062:2016 gives (orange ±0.05 %, yellow
// ±0.02 %, grey ±0.01 %, blue ±0.25 %) as precision tolerances.
TEST(ReadTolerance, ReadsColourNamesAndTheTolerancesTheBandCarries) {
    using P = std::optional<Tolerance>;
    struct {
        const char* typed;
        P tolerance;
    } const cases[] = {{"金", Tolerance(palette::kGold)},
                       {"gold", Tolerance(palette::kGold)},
                       {"5%", Tolerance(palette::kGold)},
                       {"±5%", Tolerance(palette::kGold)},
                       {"+-5%", Tolerance(palette::kGold)},
                       {"+/-5 %", Tolerance(palette::kGold)},
                       {"±５％", Tolerance(palette::kGold)},
                       {"１％", Tolerance(palette::kBrown)},
                       {"2%", Tolerance(palette::kRed)},
                       {"0.5%", Tolerance(palette::kGreen)},
                       {"±0.50%", Tolerance(palette::kGreen)},
                       // Blue is ±0.25 % outside the main window: the table's ±0.2 % names no colour.
                       {".2%", std::nullopt},
                       {"蓝", Tolerance(palette::kBlue, true)},
                       {"0.1%", Tolerance(palette::kViolet)},
                       {"10%", Tolerance(palette::kSilver)},
                       {"20%", Tolerance(palette::kNone)},
                       {"橙色", Tolerance(palette::kOrange, true)},
                       {"橙", Tolerance(palette::kOrange, true)},
                       {"yellow", Tolerance(palette::kYellow, true)},
                       {"灰", Tolerance(palette::kGrey, true)},
                       {"0.05%", Tolerance(palette::kOrange, true)},
                       {"0.02%", Tolerance(palette::kYellow, true)},
                       {"±0.01%", Tolerance(palette::kGrey, true)},
                       {"0.25%", Tolerance(palette::kBlue, true)},
                       // A colour the band never takes, named so that the refusal can say why.
                       {"黑", Tolerance(palette::kBlack)},
                       {"white", Tolerance(palette::kWhite)},
                       {"3%", std::nullopt},
                       {"0%", std::nullopt},
                       {"5", std::nullopt},
                       {"%", std::nullopt},
                       {"±", std::nullopt},
                       {"-5%", std::nullopt},
                       {"5%%", std::nullopt},
                       {"5.0.0%", std::nullopt},
                       {"", std::nullopt},
                       {"\xc0\xae"
                        "5%",
                        std::nullopt}};
    for (const auto& c : cases) {
        const P got = readTolerance(c.typed);
        ASSERT_EQ(got.has_value(), c.tolerance.has_value()) << c.typed;
        if (!got) continue;
        EXPECT_EQ(got->colour, c.tolerance->colour) << c.typed;
        EXPECT_EQ(got->iec, c.tolerance->iec) << c.typed;
    }
}

// The value window's field takes a tolerance after the value, apart by a space.
TEST(ValueAndTolerance, ATrailingToleranceIsReadOnlyWhereTheValueIsNotWholeWithout) {
    struct {
        const char* typed;
        const char* ohms; // "" where refused
        std::optional<Tolerance> tolerance;
        const char* valueText;
    } const cases[] = {{"4.7k ±0.05%", "4700", Tolerance(palette::kOrange, true), "4.7k"},
                       {"4.7k 灰", "4700", Tolerance(palette::kGrey, true), "4.7k"},
                       {"470  5%", "470", Tolerance(palette::kGold), "470"},
                       {"4.7 kΩ\u3000金 ", "4700", Tolerance(palette::kGold), "4.7 kΩ"},
                       // Without a tolerance: the value alone, spaces and all.
                       {"4.7k", "4700", std::nullopt, "4.7k"},
                       {"4 700", "4700", std::nullopt, "4 700"},
                       {"4.7 k", "4700", std::nullopt, "4.7 k"},
                       // Neither way: refused as a value, with its own reason.
                       {"4.7k 1/4W", "", std::nullopt, "4.7k 1/4W"},
                       {"4..7k 5%", "", std::nullopt, "4..7k 5%"},
                       {"5%", "", std::nullopt, "5%"}};
    for (const auto& c : cases) {
        const ValueAndTolerance v = parseValueAndTolerance(c.typed);
        EXPECT_EQ(v.value.ok, *c.ohms != '\0') << c.typed;
        if (v.value.ok) {
            EXPECT_EQ(v.value.ohms.text(), c.ohms) << c.typed;
        }
        EXPECT_EQ(v.tolerance, c.tolerance) << c.typed;
        EXPECT_EQ(v.valueText, c.valueText) << c.typed;
    }
    EXPECT_EQ(parseValueAndTolerance("4.7k 1/4W").value.refusal, InputRefusal::AfterTheUnit);
}

TEST(ValueInput, CommaIsThePointOnlyInACommaLocale) {
    const ValueInput v = parseValue("25,40KΩ", ",");
    ASSERT_TRUE(v.ok) << codeOf(v.refusal);
    EXPECT_EQ(v.ohms.text(), "25400");
    EXPECT_FALSE(parseValue("1,000").ok);
    EXPECT_FALSE(parseValue("1,0,0", ",").ok);
}

} // namespace
} // namespace zq::model
