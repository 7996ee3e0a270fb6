// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Typed values: every accepted form gives the exact value, every bad form its own reason.
#include "model/value_input.h"

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
        Accepted{"12345678901234567890123", "12345678901234567890123"}));

struct Refused {
    const char* typed;
    const char* reason;
};

void PrintTo(const Refused& r, std::ostream* os) {
    printTyped(r.typed, os);
}

constexpr const char* kBroken =
    "“\xef\xbf\xbd”不是阻值的单位，能用的单位有 R、k、M、G、Ω、欧、千欧、兆欧。";

class RefusedInput : public testing::TestWithParam<Refused> {};

TEST_P(RefusedInput, GivesItsOneLineReason) {
    const ValueInput v = parseValue(GetParam().typed);
    EXPECT_FALSE(v.ok);
    EXPECT_EQ(v.reason, GetParam().reason);
    EXPECT_EQ(v.reason.find('\n'), std::string::npos);
    EXPECT_TRUE(v.ohms.isZero());
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
        Refused{"4.7k千欧", "单位重复了：写 4.7k 或 4.7千欧，不要两个一起写。"},
        Refused{"4,7k", "小数点请用“.”，不要用逗号。"},
        Refused{"Ω", "请输入数字，例如 4.7k 或 470。"},
        Refused{"k", "请输入数字，例如 4.7k 或 470。"},
        Refused{"1234567890123456789012345678901", "输入太长了：阻值最多写 30 个字符。"},
        // Broken UTF-8: a stray byte, a lead byte without its follower, a code point past the end.
        Refused{"\xff", kBroken},
        Refused{"4\xc3"
                "7",
                kBroken},
        Refused{"\xf7\xbf\xbf\xbf", kBroken}));

TEST(ValueInput, ThirtyCharactersAreStillRead) {
    // Characters, not bytes: ten full-width digits are thirty bytes.
    EXPECT_TRUE(parseValue(std::string(30, '1')).ok);
    EXPECT_TRUE(parseValue("１２３４５６７８９０").ok);
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
