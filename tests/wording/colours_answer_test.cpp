// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The colours of a value on the terminal: the text and --json state the same facts, whole.
#include "model/colour_code.h"
#include "model/value_input.h"
#include "tests/wording/answer_reading.h"
#include "wording/answers/answers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <regex>

namespace {

using namespace zq::answer_reading;

struct Asked {
    const char* value;
    const char* bands;     // "" for the default
    const char* tolerance; // "" for the default
};

void PrintTo(const Asked& a, std::ostream* os) {
    *os << a.value << " bands " << a.bands << " tolerance " << a.tolerance;
}

zq::answers::ColoursQuestion question(const Asked& a) {
    zq::answers::ColoursQuestion q{a.value, {}, {}};
    if (*a.bands) q.bands = a.bands;
    if (*a.tolerance) q.tolerance = a.tolerance;
    return q;
}

// An exact number as the text writes it with its unit, as a plain decimal.
std::string exactOhms(const std::string& withUnit) {
    const zq::model::ValueInput v = zq::model::parseValue(withUnit);
    EXPECT_TRUE(v.ok) << withUnit;
    return v.ohms.text();
}

// "+3.13%" → "3.13", "-0.0001%" → "-0.0001": as --json writes an error.
std::string plainPercent(std::string p) {
    p.pop_back();
    if (p.starts_with('+')) p.erase(0, 1);
    return p;
}

// One standard value: its value, its series, and whether the bands make it.
struct Standard {
    std::string ohms, series, percent;
    bool makeable;
    friend bool operator==(const Standard&, const Standard&) = default;
};

void PrintTo(const Standard& s, std::ostream* os) {
    *os << s.ohms << " " << s.series << " " << s.percent << (s.makeable ? "" : " (not makeable)");
}

const std::regex kNamed("([0-9.]+[KMG]?Ω)（([E0-9/]+)(?:，[-+]?[0-9.]+%)?）");

class ColoursAnswers : public testing::TestWithParam<Asked> {};

TEST_P(ColoursAnswers, TextAndJsonStateTheSameFacts) {
    const zq::answers::ColoursQuestion q = question(GetParam());
    const zq::answers::Answer text = zq::answers::coloursAnswer(q, false, ".");
    const zq::answers::Answer json = zq::answers::coloursAnswer(q, true, ".");
    ASSERT_EQ(text.status, 0) << text.err;
    ASSERT_EQ(json.status, 0);
    const Json o = parsedJson(json.out).value_or(Json());
    ASSERT_NE(o.members().size(), 0u) << json.out;

    std::vector<std::string> lines = split(text.out, "\n");
    ASSERT_EQ(lines.back(), "") << "the text ends with a line end";
    lines.pop_back();
    auto take = [&lines](const std::string& head) {
        std::optional<std::string> out;
        if (!lines.empty() && lines.front().starts_with(head)) {
            out = lines.front().substr(head.size());
            lines.erase(lines.begin());
        }
        return out;
    };

    // 色环：黄 紫 红 金（四环电阻）
    const auto colours = take("色环：");
    ASSERT_TRUE(colours);
    const std::size_t open = colours->find("（");
    const std::vector<std::string> names = split(colours->substr(0, open), " ");
    EXPECT_EQ(names, texts(field(o, "colours_zh")));
    std::vector<std::string> english;
    for (const std::string& n : names)
        english.emplace_back(zq::model::colourRecord(*zq::model::colourByName(n)).english);
    EXPECT_EQ(english, texts(field(o, "colours")));
    const std::string kind = colours->substr(open + std::string("（").size(),
                                             colours->size() - open - 2 * std::string("）").size());
    const bool jumper = kind == "跳线电阻";
    if (!jumper) {
        EXPECT_EQ(kind == "五环电阻" ? 5 : 4, field(o, "bands").integer());
    }

    // 阻值：4.70KΩ
    const auto value = take("阻值：");
    ASSERT_TRUE(value);
    EXPECT_EQ(exactOhms(*value), field(o, "value_ohms").text());

    // 误差：±5%，4.465KΩ ～ 4.935KΩ, or the jumper's 0.00Ω（跳线，没有误差环）
    const auto tolerance = take("误差：");
    ASSERT_TRUE(tolerance);
    if (jumper) {
        EXPECT_TRUE(isNull(o, "tolerance_percent"));
        EXPECT_EQ(field(o, "min_ohms").text(), "0");
        EXPECT_EQ(field(o, "max_ohms").text(), "0");
    } else {
        const std::vector<std::string> parts = split(*tolerance, "，");
        ASSERT_EQ(parts.size(), 2u);
        ASSERT_TRUE(parts[0].starts_with("±") && parts[0].ends_with("%")) << parts[0];
        EXPECT_EQ(
            parts[0].substr(std::string("±").size(), parts[0].size() - std::string("±").size() - 1),
            field(o, "tolerance_percent").text());
        const std::vector<std::string> bounds = split(parts[1], " ～ ");
        ASSERT_EQ(bounds.size(), 2u);
        EXPECT_EQ(exactOhms(bounds[0]), field(o, "min_ohms").text());
        EXPECT_EQ(exactOhms(bounds[1]), field(o, "max_ohms").text());
    }

    // The notes: each 说明 line one note, the standard values' heading and aside on their line.
    std::vector<std::string> said;
    while (const auto n = take("说明："))
        said.push_back(*n);
    std::string standardLine;
    if (const auto n = take("标准值：")) standardLine = *n;
    std::vector<std::string> notes, standardNotes, codes;
    for (const Json& n : field(o, "notes").items()) {
        const std::string code = field(n, "code").text();
        codes.push_back(code);
        (code.starts_with("standard-") || code.starts_with("not-standard") ||
                 code == "neighbours-not-makeable"
             ? standardNotes
             : notes)
            .push_back(field(n, "text").text());
    }
    const auto coded = [&codes](const char* c) {
        return std::find(codes.begin(), codes.end(), c) != codes.end();
    };
    EXPECT_EQ(said, notes);
    EXPECT_EQ(standardLine, join(standardNotes, ""));
    EXPECT_EQ(field(o, "exact").boolean(), !coded("nearest") && !coded("nearest-five-bands-could"));
    EXPECT_EQ(field(o, "precision").boolean(), coded("precision-tolerance"));

    // The standard values: those listed, made by the bands, and those the notes name as not.
    std::vector<Standard> stated;
    while (const auto v = take("标准值 ")) {
        const std::size_t colon = v->find("："), paren = v->find("（");
        const std::size_t afterColon = colon + std::string("：").size();
        const std::size_t afterParen = paren + std::string("（").size();
        stated.push_back(
            {exactOhms(v->substr(afterColon, paren - afterColon)), v->substr(0, colon),
             plainPercent(v->substr(afterParen, v->size() - afterParen - std::string("）").size())),
             true});
    }
    for (auto m = std::sregex_iterator(standardLine.begin(), standardLine.end(), kNamed);
         m != std::sregex_iterator(); ++m)
        stated.push_back({exactOhms((*m)[1]), (*m)[2], {}, false});
    if (coded("standard-member-not-makeable")) {
        const std::vector<std::string> words = split(standardLine, " ");
        stated.push_back({exactOhms(words[0]), join(split(words[2], "、"), "/"), {}, false});
    }
    std::vector<Standard> listed;
    for (const Json& v : field(o, "standard").items()) {
        const bool makeable = field(v, "makeable").boolean();
        listed.push_back({field(v, "value_ohms").text(), join(texts(field(v, "member")), "/"),
                          makeable ? field(v, "error_percent").text() : std::string(), makeable});
    }
    auto byValue = [](const Standard& x, const Standard& y) {
        return std::stod(x.ohms) < std::stod(y.ohms);
    };
    std::sort(stated.begin(), stated.end(), byValue);
    EXPECT_EQ(stated, listed);

    // 贴片代码：472 4701
    const auto smd = take("贴片代码：");
    EXPECT_EQ(smd ? split(*smd, " ") : std::vector<std::string>(), texts(field(o, "smd")));
    EXPECT_EQ(lines, std::vector<std::string>())
        << "every line of the text is a fact the JSON holds";
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ColoursAnswers,
    testing::Values(Asked{"4.7k", "", ""}, Asked{"4k7", "5", ""}, Asked{"R47", "4", "银"},
                    Asked{"9.96k", "", "gold"}, Asked{"0.096", "", ""}, Asked{"4.87k", "", "2%"},
                    Asked{"0.47", "5", ""}, Asked{"100.0001", "", ""}, Asked{"4.8k", "", "2%"},
                    Asked{"4.8k", "5", "2%"}, Asked{"10k", "5", "1%"}, Asked{"1k", "4", "无"},
                    Asked{"0", "5", ""}, Asked{"5m", "", ""}, Asked{"99G", "", ""},
                    Asked{"999G", "5", "紫"}, Asked{"4.7k", "", "灰"}, Asked{"4.7k", "5", "0.25%"},
                    Asked{"4.75k", "", "黄"}, Asked{"12345", "5", "red"}));

// What the text refuses, --json refuses with the same reason; each fix's refusal among them.
TEST(ColoursAnswers, RefusalsAreTheSameBothWays) {
    const struct {
        Asked asked;
        const char* code;
        const char* reason;
    } cases[] = {
        {{"20k", "5", "20%"},
         "five-bands-without-tolerance-band",
         "五环电阻不能没有误差环（±20%）：少了第五环，会被当成四环电阻读错。"},
        {{"5mΩ", "", ""},
         "milliohms",
         "“5mΩ”是毫欧：色环电阻没有毫欧（mΩ）的阻值，请用 Ω、k、M 或 G 写。"},
        {{"5毫欧", "", ""},
         "milliohms",
         "“5毫欧”是毫欧：色环电阻没有毫欧（mΩ）的阻值，请用 Ω、k、M 或 G 写。"},
        {{"4.7k", "", "0.3%"}, "unknown-tolerance", "“0.3%”不是色环的颜色。"},
        // Quoted cut short, as every field is.
        {{"4.7k", "", "yyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy"},
         "unknown-tolerance",
         "“yyyyyyyyyyyy…”不是色环的颜色。"},
        {{"4.7k", "", "白"},
         "not-a-tolerance-colour",
         "误差环没有白色，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！"},
        {{"4.7k", "6", ""}, "band-count", "色环数只能是 4 或 5。"},
        {{"4..7k", "", ""}, "two-points", "阻值里只能有一个小数点。"},
        {{"100G", "", ""},
         "too-large",
         "阻值太大了：四环电阻能做 0.10Ω ～ 99.00GΩ，最接近的 99.00GΩ 是 白 白 白 金。"},
    };
    for (const auto& c : cases) {
        const zq::answers::ColoursQuestion q = question(c.asked);
        const zq::answers::Answer text = zq::answers::coloursAnswer(q, false, ".");
        const zq::answers::Answer json = zq::answers::coloursAnswer(q, true, ".");
        EXPECT_EQ(text.status, 2) << c.asked.value;
        EXPECT_EQ(text.out, "") << c.asked.value;
        EXPECT_EQ(text.err, std::string(c.reason) + "\n") << c.asked.value;
        EXPECT_EQ(json.status, 2);
        const Json o = parsedJson(json.out).value_or(Json());
        EXPECT_EQ(field(o, "error").text() + '\n', text.err);
        EXPECT_EQ(field(o, "code").text(), c.code);
    }
}

// The other side of each fix: what is accepted next to what is refused.
TEST(ColoursAnswers, PrecisionTolerancesAndALoneSmallMAreAnswered) {
    for (const char* tolerance : {"灰", "橙", "黄", "0.05%", "0.02%", "0.01%", "0.25%"}) {
        const auto a = zq::answers::coloursAnswer({"4.7k", {}, tolerance}, false, ".");
        EXPECT_EQ(a.status, 0) << tolerance << a.err;
        EXPECT_TRUE(contains(a.out, "这是精密电阻。")) << tolerance;
    }
    const auto five = zq::answers::coloursAnswer({"20k", "4", "20%"}, false, ".");
    EXPECT_TRUE(five.out.starts_with("色环：红 黑 橙 无（四环电阻）\n"));
    const auto m = zq::answers::coloursAnswer({"5m", {}, {}}, false, ".");
    EXPECT_TRUE(
        contains(m.out, "说明：小写 m 按 M（兆）读，即 5.00MΩ；色环电阻没有毫欧（mΩ）的。\n"))
        << m.out;
}

// Every number exact and as a decimal string, whatever the user's decimal point.
TEST(ColoursCommand, JsonAnswerIsOneObjectWithExactNumbers) {
    const zq::answers::Answer a = zq::answers::coloursAnswer({"4,7k", "5", "brown"}, true, ",");
    ASSERT_EQ(a.status, 0) << a.err;
    const std::optional<Json> parsed = parsedJson(a.out);
    ASSERT_TRUE(parsed) << a.out;
    const Json& o = *parsed;
    EXPECT_EQ(field(o, "input").text(), "4,7k");
    EXPECT_EQ(field(o, "bands").integer(), 5);
    EXPECT_EQ(texts(field(o, "colours")),
              (std::vector<std::string>{"yellow", "violet", "black", "brown", "brown"}));
    EXPECT_EQ(texts(field(o, "colours_zh")).at(0), "黄");
    EXPECT_EQ(field(o, "value_ohms").text(), "4700");
    EXPECT_TRUE(field(o, "exact").boolean());
    EXPECT_EQ(field(o, "tolerance_percent").text(), "1");
    EXPECT_EQ(field(o, "min_ohms").text(), "4653");
    EXPECT_EQ(field(o, "max_ohms").text(), "4747");
    for (const Json& v : field(o, "standard").items())
        EXPECT_FALSE(contains(field(v, "value_ohms").text(), ","));
}

TEST(ColoursCommand, WritesNumbersWithTheUsersDecimalPoint) {
    const std::string out = zq::answers::coloursAnswer({"4,7k", {}, {}}, false, ",").out;
    EXPECT_EQ(out.substr(0, out.find("\n误差")), "色环：黄 紫 红 金（四环电阻）\n阻值：4,70KΩ");
}

} // namespace
