// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// A chip code's terminal answer as text and as JSON tell the same facts: the text is read back
// here, field by field, and compared whole with the JSON of the same code.
#include "model/colour_code.h"
#include "model/decimal.h"
#include "tests/wording/answer_reading.h"
#include "wording/answers/answers.h"
#include "wording/words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <regex>
#include <vector>

namespace {

using namespace zq::answer_reading;
using zq::model::Decimal;

// "4.70K" with the unit's power, or a plain "4700".
Decimal number(const std::string& text, const std::string& unit = {}) {
    const int shift = unit == "K" ? 3 : unit == "M" ? 6 : unit == "G" ? 9 : 0;
    const std::vector<std::string> parts = split(text, ".");
    return Decimal::fromParts(parts[0], parts.size() > 1 ? parts[1] : std::string(), shift);
}

Decimal jsonDecimal(const Json& v) {
    return number(v.text());
}

std::vector<int> fromShortNames(const std::string& names) {
    std::vector<int> out;
    for (const std::string& n : split(names, " ")) {
        int found = -1;
        for (int i = 0; i < zq::model::palette::kSize; ++i)
            if (zq::wording::shortName(i) == n) found = i;
        out.push_back(found);
    }
    return out;
}

std::optional<std::vector<int>> fromEnglish(const Json& o, std::string_view key) {
    if (isNull(o, key)) return std::nullopt;
    std::vector<int> out;
    for (const Json& n : field(o, key).items()) {
        int found = -1;
        for (int i = 0; i < zq::model::palette::kSize; ++i)
            if (zq::model::colourRecord(i).english == n.text()) found = i;
        out.push_back(found);
    }
    return out;
}

// The superscript digits ⁰…⁹, each as its UTF-8 text.
int superscriptValue(const std::string& s) {
    static const std::vector<std::string> kDigits{"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    const auto at = std::find(kDigits.begin(), kDigits.end(), s);
    return at == kDigits.end() ? -1 : int(at - kDigits.begin());
}

// One reading's line against its JSON object.
void expectLineMatches(const std::string& line, const Json& json, const std::string& code,
                       bool twoWays) {
    SCOPED_TRACE(line);
    static const std::regex shape(
        "^(\\w+)(（按 EIA-96）|（R 当小数点）)? = ([0-9.]+)([KMG]?)Ω(?: ±([0-9.]+)%)?：(.*)$");
    std::smatch m;
    ASSERT_TRUE(std::regex_match(line, m, shape));
    EXPECT_EQ(m[1].str(), code);
    const std::string kind = field(json, "kind").text();
    EXPECT_EQ(m[2].length() != 0, twoWays);
    if (twoWays) {
        EXPECT_EQ(m[2].str() == "（按 EIA-96）", kind == "EIA-96");
    }
    const Decimal value = jsonDecimal(field(json, "value_ohms"));
    EXPECT_EQ(number(m[3], m[4]), value);
    EXPECT_EQ(m[5].length() == 0, isNull(json, "tolerance_percent"));
    if (m[5].length() != 0) {
        EXPECT_EQ(number(m[5]), jsonDecimal(field(json, "tolerance_percent")));
    }

    const std::string sum = m[6];
    static const std::regex eia("^(\\d\\d) → (\\d+)，(\\d+) × ([0-9.]+) = ([0-9.]+)([KMG]?)Ω$");
    static const std::regex digits("^(\\d+) × 10(⁰|¹|²|³|⁴|⁵|⁶|⁷|⁸|⁹) = ([0-9.]+)([KMG]?)Ω$");
    static const std::regex point("^R 当小数点 → ([0-9.]+)([KMG]?)Ω$");
    std::smatch s;
    if (kind == "EIA-96") {
        ASSERT_TRUE(std::regex_match(sum, s, eia)) << sum;
        EXPECT_EQ(std::stoi(s[1]), field(json, "eia_number").integer());
        EXPECT_EQ(std::stoi(s[2]), field(json, "e96_member").integer());
        EXPECT_EQ(std::stoi(s[3]), field(json, "e96_member").integer());
        EXPECT_EQ(number(s[4]), Decimal::of(1, int(field(json, "power").integer())));
        EXPECT_EQ(number(s[5], s[6]), value);
        EXPECT_EQ(code.substr(code.size() - 1), field(json, "letter").text());
    } else if (kind == "jumper") {
        EXPECT_EQ(sum, "零欧跳线 → 0.00Ω");
        EXPECT_TRUE(value.isZero());
    } else if (present(json, "before_r")) {
        ASSERT_TRUE(std::regex_match(sum, s, point)) << sum;
        EXPECT_EQ(number(s[1], s[2]), value);
        const std::string whole = field(json, "before_r").text(),
                          fraction = field(json, "after_r").text();
        EXPECT_EQ(code, whole + "R" + fraction);
    } else {
        ASSERT_TRUE(std::regex_match(sum, s, digits)) << sum;
        EXPECT_EQ(s[1].str(), field(json, "significant").text());
        EXPECT_EQ(superscriptValue(s[2]), field(json, "power").integer());
        EXPECT_EQ(number(s[3], s[4]), value);
        EXPECT_EQ(code, field(json, "significant").text() +
                            std::to_string(field(json, "power").integer()));
    }
}

class SmdAnswers : public testing::TestWithParam<const char*> {};

TEST_P(SmdAnswers, TextAndJsonTellTheSameFacts) {
    const std::string typed = GetParam();
    const zq::answers::Answer text = zq::answers::smdAnswer(typed, false, ".");
    const zq::answers::Answer json = zq::answers::smdAnswer(typed, true, ".");
    ASSERT_EQ(text.status, 0) << text.err;
    ASSERT_EQ(json.status, 0);
    const std::optional<Json> parsed = parsedJson(json.out);
    ASSERT_TRUE(parsed);
    const Json& o = *parsed;

    std::vector<std::string> lines = split(text.out, "\n");
    ASSERT_EQ(lines.back(), "") << "ends with a line end";
    lines.pop_back();
    const std::string code = field(o, "printed_code").text();
    const bool twoWays = present(o, "other_reading");
    std::vector<Json> readings{o};
    if (twoWays) readings.push_back(field(o, "other_reading"));
    ASSERT_GE(lines.size(), readings.size() + 1);
    for (std::size_t i = 0; i < readings.size(); ++i)
        expectLineMatches(lines[i], readings[i], code, twoWays);
    lines.erase(lines.begin(), lines.begin() + std::ptrdiff_t(readings.size()));

    const Json::Array& notes = field(o, "notes").items();
    EXPECT_EQ(notes.size(), twoWays ? 1u : 0u);
    EXPECT_EQ(lines.front(), "说明：" + (notes.empty() ? field(o, "explanation").text()
                                                       : field(notes[0], "text").text()));
    lines.erase(lines.begin());
    const auto takeFirst = [&lines] {
        const std::string first = lines.empty() ? std::string() : lines.front();
        if (!lines.empty()) lines.erase(lines.begin());
        return first;
    };
    // A jumper is one black band, said once.
    if (field(o, "kind").text() == "jumper") {
        EXPECT_EQ(takeFirst(), "色环：零欧跳线只有一个黑环。");
        EXPECT_EQ(fromEnglish(o, "colours4"), std::vector<int>{zq::model::palette::kBlack});
    } else {
        for (const auto& [label, key] :
             {std::pair<std::string, std::string>{"四环色环：", "colours4"},
              std::pair<std::string, std::string>{"五环色环：", "colours5"}}) {
            const std::optional<std::vector<int>> inJson = fromEnglish(o, key);
            if (!lines.empty() && lines.front().starts_with(label)) {
                ASSERT_TRUE(inJson.has_value()) << key;
                EXPECT_EQ(fromShortNames(takeFirst().substr(label.size())), *inJson);
            } else {
                EXPECT_FALSE(inJson.has_value()) << key;
            }
        }
    }
    EXPECT_TRUE(lines.empty()) << join(lines, "|");
}

INSTANTIATE_TEST_SUITE_P(Codes, SmdAnswers,
                         testing::Values("472", "4701", "470", "102", "105", "997", "9996", "01C",
                                         "68X", "96F", "10Z", "01S", "4R7", "R47", "0R47", "R001",
                                         "47R", "470R", "68R", "10R", "05R", "01R", "1R00", "0",
                                         "00", "000", "0000", " ４ｒ７ "));

TEST(SmdAnswers, ARefusalIsTheSameLineOnStandardErrorAndInJsonWithItsCode) {
    std::vector<std::string> codes; // each of these fails for its own reason
    for (const char* typed : {"108", "1007", "0472", "4😀7", "", "0R0", "97B"}) {
        const zq::answers::Answer text = zq::answers::smdAnswer(typed, false, ".");
        const zq::answers::Answer json = zq::answers::smdAnswer(typed, true, ".");
        EXPECT_EQ(text.status, 2) << typed;
        EXPECT_TRUE(text.out.empty()) << typed;
        const Json o = parsedJson(json.out).value_or(Json());
        EXPECT_EQ(field(o, "error").text() + "\n", text.err) << typed;
        EXPECT_EQ(json.err, text.err) << typed;
        EXPECT_EQ(keys(o), (std::vector<std::string>{"code", "error"})) << typed;
        EXPECT_EQ(std::count(codes.begin(), codes.end(), field(o, "code").text()), 0) << typed;
        codes.push_back(field(o, "code").text());
    }
}

// 01C reads as 10 kΩ ±1 %; by the colour code four bands are 1 0 ×10³ and five bands 1 0 0 ×10²,
// brown for 1 %.
TEST(SmdAnswers, BandsAreTheColourCodesOfTheValue) {
    using namespace zq::model::palette;
    const Json o = parsedJson(zq::answers::smdAnswer("01C", true, ".").out).value_or(Json());
    EXPECT_EQ(fromEnglish(o, "colours4"), (std::vector<int>{kBrown, kBlack, kOrange, kBrown}));
    EXPECT_EQ(fromEnglish(o, "colours5"), (std::vector<int>{kBrown, kBlack, kBlack, kRed, kBrown}));
}

TEST(SmdCommand, JsonNamesTheKindAndBothBandsExactly) {
    const std::optional<Json> parsed = parsedJson(zq::answers::smdAnswer("01c", true, ",").out);
    ASSERT_TRUE(parsed);
    const Json& o = *parsed;
    EXPECT_EQ(field(o, "printed_code").text(), "01C");
    EXPECT_EQ(field(o, "kind").text(), "EIA-96");
    EXPECT_EQ(field(o, "value_ohms").text(), "10000");
    EXPECT_EQ(field(o, "tolerance_percent").text(), "1");
    // 10 kΩ ±1 %, by the colour code: four bands 1 0 ×10³, five bands 1 0 0 ×10², brown for 1 %.
    EXPECT_EQ(texts(field(o, "colours4")),
              (std::vector<std::string>{"brown", "black", "orange", "brown"}));
    EXPECT_EQ(texts(field(o, "colours5")),
              (std::vector<std::string>{"brown", "black", "black", "red", "brown"}));
    EXPECT_TRUE(field(o, "notes").items().empty());
    const std::optional<Json> twoWays = parsedJson(zq::answers::smdAnswer("68R", true, {}).out);
    ASSERT_TRUE(twoWays);
    const Json::Array& notes = field(*twoWays, "notes").items();
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(field(notes[0], "code").text(), "two-readings");
    const std::optional<Json> jumper = parsedJson(zq::answers::smdAnswer("000", true, {}).out);
    ASSERT_TRUE(jumper);
    EXPECT_EQ(field(*jumper, "kind").text(), "jumper");
    EXPECT_TRUE(isNull(*jumper, "tolerance_percent"));
}

} // namespace
