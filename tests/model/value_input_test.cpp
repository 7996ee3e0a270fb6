// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Typed values: every accepted form gives the exact value, every bad form its own reason.
#include "model/value_input.h"

#include "model/colour_code.h"

#include <gtest/gtest.h>

#include <string>

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
    ASSERT_TRUE(v.ok) << v.reason;
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
        // Spaces of every width; zero-width characters and direction marks are not there.
        Accepted{"4.7\u00a0k", "4700"}, Accepted{"4.7\u2009kΩ", "4700"},
        Accepted{"4\u202f700", "4700"}, Accepted{"\u200b4.7\u200ck\u200d", "4700"},
        Accepted{"\ufeff4.7k\u2060", "4700"}, Accepted{"\u200e4.7k\u200f", "4700"},
        Accepted{"\u202b4.7k\u202c", "4700"}, Accepted{"\u20664.7k\u2069", "4700"}));

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
    ASSERT_TRUE(v.ok) << v.reason;
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

TEST(ValueInput, ASmallMIsReadAsMegaAndSaysSo) {
    struct {
        const char* typed;
        const char* ohms;
        bool noted;
    } const cases[] = {{"4.7m", "4700000", true},  {"4m7", "4700000", true},
                       {"4.7mΩ", "4700000", true}, {"４．７ｍ", "4700000", true},
                       {"4.7M", "4700000", false}, {"4M7", "4700000", false},
                       {"4.7k", "4700", false},    {"4.7兆", "4700000", false}};
    for (const auto& c : cases) {
        const ValueInput v = parseValue(c.typed);
        ASSERT_TRUE(v.ok) << c.typed << ": " << v.reason;
        EXPECT_EQ(v.ohms.text(), c.ohms) << c.typed;
        EXPECT_EQ(v.note,
                  c.noted ? "小写 m 按 M（兆）读，即 4.7MΩ；色环电阻没有毫欧（mΩ）的。" : "")
            << c.typed;
    }
}

struct Refused {
    const char* typed;
    const char* reason;
};

void PrintTo(const Refused& r, std::ostream* os) {
    printTyped(r.typed, os);
}

constexpr const char* kNotUnit = "不是阻值的单位，能用的单位有 R、k、M、G、Ω、欧、千欧、兆欧。";
constexpr const char* kOnlyUnit = "”：阻值后面只写单位，例如 4.7k 或 4.7kΩ。";

class RefusedInput : public testing::TestWithParam<Refused> {};

TEST_P(RefusedInput, GivesItsOneLineReason) {
    const ValueInput v = parseValue(GetParam().typed);
    EXPECT_FALSE(v.ok);
    EXPECT_EQ(v.reason, GetParam().reason);
    EXPECT_EQ(v.reason.find('\n'), std::string::npos);
    EXPECT_TRUE(v.ohms.isZero());
    // Whatever was typed, no control byte and no byte of the input's broken UTF-8 is echoed.
    for (const char c : v.reason) {
        const auto b = static_cast<unsigned char>(c);
        EXPECT_TRUE(b >= 0x20 && b != 0x7f && b != 0xff && b != 0xc0) << v.reason;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryReason, RefusedInput,
    testing::Values(
        Refused{"", "请先输入阻值，例如 4.7k 或 470。"},
        Refused{"  \u3000 ", "请先输入阻值，例如 4.7k 或 470。"},
        Refused{"4.7x", "“x”不是阻值的单位，能用的单位有 R、k、M、G、Ω、欧、千欧、兆欧。"},
        Refused{"四千七", "“四”不是阻值的单位，能用的单位有 R、k、M、G、Ω、欧、千欧、兆欧。"},
        Refused{"1.2.3", "阻值里只能有一个小数点。"}, Refused{"4.7k7", "阻值里只能有一个小数点。"},
        Refused{"4k7.5", "小数点和单位字母不能一起当小数点用，写 4.7k 或 4k7。"},
        Refused{"-4.7k", "阻值不能是负数。"}, Refused{"\u22124.7", "阻值不能是负数。"},
        Refused{"4-7", "“-”不是阻值的单位，能用的单位有 R、k、M、G、Ω、欧、千欧、兆欧。"},
        Refused{"4k7k", "单位字母只能有一个，例如 4.7k 或 4k7。"},
        Refused{"4,7k", "小数点请用“.”，不要用逗号。"},
        Refused{"4，7k", "小数点请用“.”，不要用逗号。"},
        // Text after the unit is named, not mistaken for a second point.
        Refused{"4.7k千欧", "“4.7k”后面多了“千欧”：阻值后面只写单位，例如 4.7k 或 4.7kΩ。"},
        Refused{"4.7k 1/4W", "“4.7k”后面多了“1/4W”：阻值后面只写单位，例如 4.7k 或 4.7kΩ。"},
        Refused{"4.7KΩ±5%", "“4.7KΩ”后面多了“±5%”：阻值后面只写单位，例如 4.7k 或 4.7kΩ。"},
        Refused{"4.7kk", "“4.7k”后面多了“k”：阻值后面只写单位，例如 4.7k 或 4.7kΩ。"},
        Refused{"4.7kiloohm", "“4.7k”后面多了“iloohm”：阻值后面只写单位，例如 4.7k 或 4.7kΩ。"},
        // What does not show is named by its code point.
        Refused{"4.7\x07k", "输入里有控制字符 U+0007，请删掉后重新输入。"},
        Refused{"\x7f", "输入里有控制字符 U+007F，请删掉后重新输入。"},
        Refused{"4\u0085", "输入里有控制字符 U+0085，请删掉后重新输入。"},
        Refused{"4.7\u00ad",
                "“U+00AD”不是阻值的单位，能用的单位有 R、k、M、G、Ω、欧、千欧、兆欧。"},
        Refused{"4.7kΩ\u2028x",
                "“4.7kΩ”后面多了“U+2028 x”：阻值后面只写单位，例如 4.7k 或 4.7kΩ。"},
        Refused{"Ω", "请输入数字，例如 4.7k 或 470。"},
        Refused{"k", "请输入数字，例如 4.7k 或 470。"},
        Refused{"1234567890123456789012345678901", "输入太长了：阻值最多写 30 个字符。"},
        // Broken UTF-8, named by its bytes: a stray byte, a lead byte without its follower, a
        // code point past the end, an overlong point, a surrogate, a cut sequence.
        Refused{"\xff", "输入里有不是 UTF-8 文字的字节（0xFF），请重新输入。"},
        Refused{"4\xc3"
                "7",
                "输入里有不是 UTF-8 文字的字节（0xC3），请重新输入。"},
        Refused{"\xf7\xbf\xbf\xbf",
                "输入里有不是 UTF-8 文字的字节（0xF7 0xBF 0xBF 0xBF），请重新输入。"},
        Refused{"4\xc0\xae"
                "7",
                "输入里有不是 UTF-8 文字的字节（0xC0 0xAE），请重新输入。"},
        Refused{"4\xe0\x80\xae", "输入里有不是 UTF-8 文字的字节（0xE0 0x80 0xAE），请重新输入。"},
        Refused{"4\xed\xa0\x80", "输入里有不是 UTF-8 文字的字节（0xED 0xA0 0x80），请重新输入。"},
        Refused{"4.7\xe5\x8d", "输入里有不是 UTF-8 文字的字节（0xE5 0x8D），请重新输入。"}));

TEST(ValueInput, ThirtyCharactersAreStillRead) {
    // Characters, not bytes: ten full-width digits are thirty bytes.
    EXPECT_TRUE(parseValue(std::string(30, '1')).ok);
    EXPECT_TRUE(parseValue("１２３４５６７８９０").ok);
}

TEST(ToleranceColourOf, ReadsColourNamesAndTheTolerancesTheBandCarries) {
    struct {
        const char* typed;
        std::optional<int> colour;
    } const cases[] = {{"金", palette::kGold},
                       {"gold", palette::kGold},
                       {"橙色", palette::kOrange},
                       {"5%", palette::kGold},
                       {"±5%", palette::kGold},
                       {"+-5%", palette::kGold},
                       {"+/-5 %", palette::kGold},
                       {"±５％", palette::kGold},
                       {"１％", palette::kBrown},
                       {"2%", palette::kRed},
                       {"0.5%", palette::kGreen},
                       {"±0.50%", palette::kGreen},
                       {".2%", palette::kBlue},
                       {"0.1%", palette::kViolet},
                       {"10%", palette::kSilver},
                       {"20%", palette::kNone},
                       {"3%", std::nullopt},
                       {"0.25%", std::nullopt},
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
    for (const auto& c : cases)
        EXPECT_EQ(toleranceColourOf(c.typed), c.colour) << c.typed;
}

TEST(ValueInput, CommaIsThePointOnlyInACommaLocale) {
    const ValueInput v = parseValue("25,40KΩ", ",");
    ASSERT_TRUE(v.ok) << v.reason;
    EXPECT_EQ(v.ohms.text(), "25400");
    EXPECT_FALSE(parseValue("1,000").ok);
    EXPECT_FALSE(parseValue("1,0,0", ",").ok);
}

} // namespace
} // namespace zq::model
