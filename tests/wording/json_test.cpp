// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The --json text, byte for byte as the command line wrote it through Qt; every expected text
// here was printed by QJsonDocument's compact form for the same value.
#include "wording/json.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace zq::wording {
namespace {

struct Case {
    Json value;
    std::string text;
};

void expectTexts(const std::vector<Case>& cases) {
    for (const Case& c : cases)
        EXPECT_EQ(compactText(c.value), c.text);
}

TEST(JsonText, EscapesOnlyQuotesBackslashesAndControlCharacters) {
    expectTexts({
        {"a\"b\\c/d", R"("a\"b\\c/d")"},
        {"\b\f\n\r\t", R"("\b\f\n\r\t")"},
        {std::string("\0\x01\x0b\x1f", 4), R"("\u0000\u0001\u000b\u001f")"},
        {" \x7f~", "\" \x7f~\""},
        {"黄紫红金 ±5%Ω \u2028\u2029 \U0001F600", "\"黄紫红金 ±5%Ω \u2028\u2029 \U0001F600\""},
        {"", R"("")"},
    });
}

TEST(JsonText, EachByteStartingNoWellFormedSequenceBecomesOneReplacement) {
    expectTexts({
        {"a\xff" "b", "\"a\uFFFDb\""},
        {"a\xc1\xbf" "b\xc2\x80", "\"a\uFFFD\uFFFDb\u0080\""},         // overlong two-byte
        {"\xe0\x9f\xbf|\xe0\xa0\x80", "\"\uFFFD\uFFFD\uFFFD|\u0800\""}, // overlong three-byte
        {"\xed\xa0\x80|\xed\x9f\xbf", "\"\uFFFD\uFFFD\uFFFD|\uD7FF\""}, // surrogates
        {"\xf4\x90\x80\x80|\xf4\x8f\xbf\xbf", "\"\uFFFD\uFFFD\uFFFD\uFFFD|\U0010FFFF\""},
        {"\xf0\x8f\xbf\xbf|\xf0\x90\x80\x80", "\"\uFFFD\uFFFD\uFFFD\uFFFD|\U00010000\""},
        {"a\xe4\xb8z\xe4\xb8", "\"a\uFFFD\uFFFDz\uFFFD\uFFFD\""}, // cut short, mid and at the end
    });
}

TEST(JsonText, WritesNullsBooleansAndWholeInt64Range) {
    const std::optional<int> none, four = 4;
    expectTexts({
        {nullptr, "null"}, {std::nullopt, "null"}, {none, "null"}, {four, "4"},
        {true, "true"}, {false, "false"}, {0, "0"}, {-1, "-1"},
        {std::int64_t(9007199254740993), "9007199254740993"},
        {std::numeric_limits<std::int64_t>::max(), "9223372036854775807"},
        {std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"},
    });
}

TEST(JsonText, ObjectsListKeysSortedAndKeepALaterValueForTheSameKey) {
    Json::Object set;
    set["z"] = 1;
    set["y"];
    set["z"] = "x";
    set["k\"ey"] = Json::Array{1, "s", Json::Object{}};
    expectTexts({
        {Json::Array{}, "[]"},
        {Json::Object{}, "{}"},
        {Json::Array{Json::Array{}, Json::Array{nullptr, true}}, "[[],[null,true]]"},
        {Json::Object{{"b", 1}, {"a", 2}, {"B", 3}, {"b", 4}, {"", 5}, {"aa", 6}, {"_", 7}},
         R"({"":5,"B":3,"_":7,"a":2,"aa":6,"b":4})"},
        {set, R"({"k\"ey":[1,"s",{}],"y":null,"z":"x"})"},
    });
}

} // namespace
} // namespace zq::wording
