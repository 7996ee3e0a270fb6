// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// --read as text and as JSON: every fact the text states is in the JSON, the same, list by list.
#include "model/colour_code.h"
#include "model/value_input.h"
#include "tests/wording/answer_reading.h"
#include "wording/answers/answers.h"
#include "wording/words.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

using namespace zq::answer_reading;

using Fields = std::vector<std::string>;

// A value as the text writes it ("4.465KΩ"), read back exactly as the JSON writes it ("4465").
std::string exact(const std::string& shown) {
    const zq::model::ValueInput v = zq::model::parseValue(shown);
    return v.ok ? v.ohms.text() : "unreadable " + shown;
}

std::string removed(std::string s, std::string_view piece) {
    for (std::size_t at; (at = s.find(piece)) != std::string::npos;)
        s.erase(at, piece.size());
    return s;
}

// "±0.05%" as "0.05".
std::string percent(const std::string& shown) {
    return removed(removed(shown, "±"), "%");
}

std::string direction(const std::string& shown) {
    return shown == "从左往右读"   ? "as-entered"
           : shown == "从右往左读" ? "reversed"
                                   : "unknown " + shown;
}

bool sameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// A colour by the name the text gives it, or the one typed.
std::string english(const std::string& name) {
    for (int c = 0; c < zq::model::palette::kSize; ++c) {
        const std::string e(zq::model::colourRecord(c).english);
        if (zq::wording::shortName(c) == name || zq::wording::colourName(c) == name ||
            sameIgnoringAsciiCase(e, name))
            return e;
    }
    return "unknown " + name;
}

std::string band(const std::string& ordinal) {
    for (int b = 1; b <= zq::model::kMostBands; ++b)
        if (zq::wording::bandOrdinal(b) == ordinal) return std::to_string(b);
    return "unknown " + ordinal;
}

std::string joinedText(const Json& said) {
    std::string out;
    for (const Json& s : said.items())
        out += field(s, "text").text();
    return out;
}

std::string englishList(const Json& colours) {
    return join(texts(colours), " ");
}

// A member as text, "null" for null, "" where there is none.
std::string orNull(const Json& o, std::string_view key) {
    const Json& v = field(o, key);
    switch (v.kind()) {
    case Json::Kind::Null:
        return present(o, key) ? "null" : "";
    case Json::Kind::Bool:
        return v.boolean() ? "true" : "false";
    case Json::Kind::Integer:
        return std::to_string(v.integer());
    case Json::Kind::String:
        return v.text();
    default:
        return "";
    }
}

std::string capture(const std::smatch& m, int i) {
    return m[i].str();
}

// ---- what the text says ------------------------------------------------------------------------

struct Said {
    std::string verdict;
    std::vector<std::string> notes;
    std::vector<Fields> readings, ruledOut, changes;
    std::string likelyDirection; // named by a decided verdict
    std::string measured;        // as every note on the measurement names it
};

// From a reading's note: its series (or the series it is not in), its tolerance colour, whether it
// is a precision part, whether the measurement matches it.
Fields notesFacts(const std::string& notes, std::string& measured) {
    // The patterns see bytes: a colour is one character, three bytes of UTF-8, and a mark after a
    // character applies to all of it only in a group.
    static const std::regex member("是 (E\\d+) 系列里的标准阻值"), off("所用的 (.+) 系列里"),
        rare("(...)色误差环少见"), measure("量到的 (\\S+) ((?:不)?在) ");
    std::smatch m, o, r, x;
    const bool isMember = std::regex_search(notes, m, member),
               isOff = std::regex_search(notes, o, off), isRare = std::regex_search(notes, r, rare),
               measuredNamed = std::regex_search(notes, x, measure);
    if (measuredNamed) measured = exact(capture(x, 1));
    return {isMember ? capture(m, 1) : "null",
            isOff ? join(split(capture(o, 1), " 或 "), " ") : std::string(),
            isRare ? english(capture(r, 1)) : "not rare",
            contains(notes, "这是精密电阻") ? "precision" : "not precision",
            measuredNamed ? (capture(x, 2) == "在" ? "true" : "false") : "null"};
}

Said fromText(const std::string& text) {
    // "第.环": an ordinal is one character, three bytes of UTF-8.
    static const std::regex reading(
        "^(●|○) (\\S+)：(.+) → (\\S+) (±\\S+?)(?: (\\d+)ppm/K)?（(\\S+) ～ (\\S+)）$"),
        ruledOut("^✕ (\\S+?)，(第...环)是(.+?)；"),
        change(
            "^？ (第...环)可能是(.+?)而不是(.+?)：那样(\\S+?)是 (\\S+) (±\\S+)，和量到的相符。$"),
        likely("^(?:量到的阻值只和|更可能是|只有)(从左往右读|从右往左读)"),
        bothWays("所以更可能是(从左往右读|从右往左读)");
    Said out;
    std::vector<std::string> lines = split(text, "\n");
    EXPECT_EQ(lines.back(), "") << "the answer ends its last line";
    lines.pop_back();
    out.verdict = lines.front();
    lines.erase(lines.begin());
    std::smatch l, both;
    const bool isLikely = std::regex_search(out.verdict, l, likely),
               isBoth = std::regex_search(out.verdict, both, bothWays);
    out.likelyDirection = isBoth     ? direction(capture(both, 1))
                          : isLikely ? direction(capture(l, 1))
                                     : std::string();
    while (!lines.empty()) {
        const std::string line = lines.front();
        lines.erase(lines.begin());
        std::smatch m;
        if (line.starts_with("万用表读数：")) {
            out.notes.push_back(line);
        } else if (std::regex_search(line, m, reading)) {
            EXPECT_FALSE(lines.empty()) << "a reading's notes follow it";
            std::string notes;
            if (!lines.empty()) {
                notes = lines.front();
                lines.erase(lines.begin());
            }
            EXPECT_TRUE(notes.starts_with("  "));
            std::vector<std::string> colours;
            for (const std::string& c : split(capture(m, 3), " "))
                colours.push_back(english(c));
            Fields f{capture(m, 1) == "●" ? "true" : "false",
                     direction(capture(m, 2)),
                     join(colours, " "),
                     exact(capture(m, 4)),
                     percent(capture(m, 5)),
                     m[6].length() == 0 ? "null" : capture(m, 6),
                     exact(capture(m, 7)),
                     exact(capture(m, 8)),
                     notes.size() >= 2 ? notes.substr(2) : std::string()};
            for (std::string& fact : notesFacts(notes, out.measured))
                f.push_back(std::move(fact));
            out.readings.push_back(f);
        } else if (std::regex_search(line, m, ruledOut)) {
            out.ruledOut.push_back({direction(capture(m, 1)), band(capture(m, 2)),
                                    english(capture(m, 3)),
                                    contains(line, "所以要从另一端读起") ? "true" : "false",
                                    line.substr(std::string("✕ ").size())});
        } else if (std::regex_search(line, m, change)) {
            out.changes.push_back({band(capture(m, 1)), english(capture(m, 3)),
                                   english(capture(m, 2)), direction(capture(m, 4)),
                                   exact(capture(m, 5)), percent(capture(m, 6)),
                                   line.substr(std::string("？ ").size())});
        } else {
            ADD_FAILURE() << "a line of no kind: " << line;
        }
    }
    return out;
}

// ---- what the JSON says ------------------------------------------------------------------------

Said fromJson(const Json& o) {
    Said out;
    out.verdict = joinedText(field(o, "verdict"));
    for (const Json& n : field(o, "notes").items())
        out.notes.push_back(field(n, "text").text());
    const Json::Array& verdict = field(o, "verdict").items();
    // Read the same both ways, the verdict names no way.
    const bool palindrome =
        !verdict.empty() && field(verdict.front(), "code").text() == "palindrome";
    for (const Json& r : field(o, "readings").items()) {
        const bool likely = field(r, "likely").boolean();
        if (likely && !palindrome) out.likelyDirection = field(r, "direction").text();
        const bool rare = field(r, "rare_tolerance_colour").boolean();
        const bool member = !isNull(r, "series");
        out.readings.push_back({
            likely ? "true" : "false",
            field(r, "direction").text(),
            englishList(field(r, "colours")),
            field(r, "value_ohms").text(),
            field(r, "tolerance_percent").text(),
            orNull(r, "tcr_ppm"),
            field(r, "min_ohms").text(),
            field(r, "max_ohms").text(),
            joinedText(field(r, "why")),
            orNull(r, "series"),
            // A zero-ohm jumper belongs to no series and says so without naming them.
            member || field(r, "value_ohms").text() == "0"
                ? std::string()
                : join(texts(field(r, "tolerance_series")), " "),
            rare ? field(r, "tolerance_colour").text() : "not rare",
            field(r, "precision").boolean() ? "precision" : "not precision",
            orNull(r, "matches"),
        });
    }
    for (const Json& r : field(o, "ruled_out").items()) {
        out.ruledOut.push_back({field(r, "direction").text(),
                                std::to_string(field(r, "band").integer()),
                                field(r, "colour").text(),
                                field(r, "read_from_other_end").boolean() ? "true" : "false",
                                field(r, "text").text()});
    }
    for (const Json& c : field(o, "changes").items()) {
        out.changes.push_back({std::to_string(field(c, "band").integer()), field(c, "from").text(),
                               field(c, "to").text(), field(c, "direction").text(),
                               field(c, "value_ohms").text(), field(c, "tolerance_percent").text(),
                               field(c, "text").text()});
    }
    out.measured = orNull(o, "measured_ohms");
    return out;
}

struct Asked {
    const char* colours; // space-separated
    const char* measured;
};

void PrintTo(const Asked& a, std::ostream* os) {
    *os << a.colours << (a.measured ? std::string(" --measured ") + a.measured : "");
}

class ReadAnswers : public testing::TestWithParam<Asked> {};

TEST_P(ReadAnswers, TheJsonHoldsEveryFactTheTextStates) {
    const std::vector<std::string> colours = split(GetParam().colours, " ");
    const std::optional<std::string> measured =
        GetParam().measured ? std::optional<std::string>(GetParam().measured) : std::nullopt;
    const zq::answers::Answer text = zq::answers::readAnswer(colours, measured, false, ".");
    const zq::answers::Answer json = zq::answers::readAnswer(colours, measured, true, ".");
    ASSERT_EQ(text.status, json.status);
    const std::optional<Json> parsed = parsedJson(json.out);
    ASSERT_TRUE(parsed) << json.out;
    const Json& o = *parsed;
    if (text.status != 0) {
        EXPECT_EQ(field(o, "error").text() + '\n', text.err);
        EXPECT_FALSE(field(o, "code").text().empty());
        return;
    }
    const Said t = fromText(text.out), j = fromJson(o);
    EXPECT_EQ(t.verdict, j.verdict);
    EXPECT_EQ(t.notes, j.notes);
    EXPECT_EQ(t.readings, j.readings);
    EXPECT_EQ(t.ruledOut, j.ruledOut);
    EXPECT_EQ(t.changes, j.changes);
    EXPECT_EQ(t.likelyDirection, j.likelyDirection) << t.verdict;
    // Every measurement a note names is the one in the JSON; without one, none is named.
    EXPECT_EQ(t.measured.empty() ? "null" : t.measured, j.measured);
    EXPECT_EQ(field(o, "bands").integer(), std::int64_t(colours.size()));
    std::vector<std::string> entered;
    for (const std::string& c : colours)
        entered.push_back(english(c.empty() ? "无" : c));
    EXPECT_EQ(englishList(field(o, "colours")), join(entered, " "));
    // Each sentence has its code.
    for (const char* list : {"verdict", "notes"})
        for (const Json& s : field(o, list).items())
            EXPECT_FALSE(field(s, "code").text().empty()) << list;
}

INSTANTIATE_TEST_SUITE_P(
    ReadBothWays, ReadAnswers,
    testing::Values(
        Asked{"黄 紫 红 金", nullptr}, Asked{"黄 紫 金 银", nullptr}, Asked{"黄 紫 橙", nullptr},
        Asked{"棕 黑 黑 红 棕", nullptr}, Asked{"橙 橙 黑 红 棕", nullptr},
        Asked{"绿 蓝 黑 黑 棕", nullptr}, Asked{"棕 黑 黑 红 棕 棕", nullptr},
        Asked{"金 红 紫 黄", nullptr}, Asked{"黄 紫 红 橙", nullptr},
        Asked{"棕 黑 黑 红 蓝", nullptr}, Asked{"棕 黑 黑 红 灰", nullptr},
        Asked{"黑 黑 黑", nullptr}, Asked{"黑 棕 红", nullptr}, Asked{"红 棕 橙", nullptr},
        Asked{"红 红 红 红", nullptr}, Asked{"红 红 金", nullptr},
        Asked{"绿 棕 蓝 金 红 蓝", nullptr}, Asked{"white violet black none", nullptr},
        Asked{"none black violet white", nullptr}, Asked{"金 金 金 金", nullptr},
        Asked{"红 无 红", nullptr}, Asked{"红 粉 红", nullptr}, Asked{"棕 黑 黑 红 棕", "9.93k"},
        Asked{"棕 黑 黑 红 棕", "119.5"}, Asked{"棕 黑 黑 红 棕", "5k"},
        Asked{"黄 紫 黑 金", "470"}, Asked{"黄 紫 红 金", "4.7k"}, Asked{"黄 紫 绿 金", "4.7m"},
        Asked{"黄 紫 红 金", "100"}, Asked{"黑 棕 红", "100"}, Asked{"红 红 红", "2.2k"},
        Asked{"棕 黑 黑 红 棕 棕", "10k"}, Asked{"黄 紫 红 金", "4..7k"}));

// Each refusal names its kind beside the reason.
TEST(ReadCommand, RefusalsCarryTheirCodeInJson) {
    struct Case {
        std::vector<std::string> colours;
        std::optional<std::string> measured;
        const char* code;
    };
    const Case cases[] = {
        {{"红", "红"}, std::nullopt, "band-count"},
        {{"红", "粉", "红"}, std::nullopt, "unknown-colour"},
        {{"红", "无", "红"}, std::nullopt, "absent-band"},
        {{"金", "金", "金", "金"}, std::nullopt, "neither-way"},
        {{"红", "红", "红"}, "4..7k", "unreadable-measurement"},
    };
    for (const Case& c : cases) {
        const zq::answers::Answer a = zq::answers::readAnswer(c.colours, c.measured, true, {});
        EXPECT_EQ(a.status, 2) << c.code;
        const Json o = parsedJson(a.out).value_or(Json());
        EXPECT_EQ(field(o, "code").text(), c.code);
        EXPECT_EQ(field(o, "error").text() + '\n', a.err);
    }
}

// The fixes at the command line's edge: the missing band of four, spaces round a name, a name
// far too long to quote whole.
TEST(ReadCommand, TheMissingToleranceBandOfFourIsReadAsTheThreeBandPart) {
    for (const char* missing : {"无", "无色", "none", "NONE", "", "  "}) {
        const zq::answers::Answer a =
            zq::answers::readAnswer({"白", "紫", "黑", missing}, std::nullopt, false, ".");
        EXPECT_EQ(a.status, 0) << missing << a.err;
        EXPECT_TRUE(a.out.starts_with("只有从左往右读说得通：97.00Ω ±20%。\n")) << missing;
    }
    // Anywhere else a missing band is refused with the band it stands on.
    for (const auto& [colours, reason] :
         {std::pair<std::vector<std::string>, const char*>{{"红", "无", "红"}, "第二环是无色"},
          {{"白", "紫", "", "金"}, "第三环是无色"},
          {{"棕", "黑", "黑", "红", "无"}, "第五环是无色"}}) {
        const zq::answers::Answer a = zq::answers::readAnswer(colours, std::nullopt, false, {});
        EXPECT_EQ(a.status, 2);
        EXPECT_TRUE(a.err.starts_with(reason)) << a.err;
    }
}

TEST(ReadCommand, SpacesRoundAColourNameAreNotPartOfIt) {
    const zq::answers::Answer spaced =
        zq::answers::readAnswer({" 黄", "紫 ", "\t红\u3000", " Gold "}, std::nullopt, false, {});
    const zq::answers::Answer plain =
        zq::answers::readAnswer({"黄", "紫", "红", "金"}, std::nullopt, false, {});
    EXPECT_EQ(spaced.status, 0) << spaced.err;
    EXPECT_EQ(spaced.out, plain.out);
    // A space inside a name still makes no colour.
    const zq::answers::Answer inside =
        zq::answers::readAnswer({"黄", "紫", "r ed", "金"}, std::nullopt, false, {});
    EXPECT_EQ(inside.status, 2);
    EXPECT_EQ(inside.err, "“r ed”不是色环的颜色。\n");
}

TEST(ReadCommand, ANameFarTooLongIsQuotedCutShortOnOneLine) {
    const zq::answers::Answer a =
        zq::answers::readAnswer({"红", std::string(10000, 'x'), "红"}, std::nullopt, true, {});
    EXPECT_EQ(a.status, 2);
    EXPECT_EQ(a.err, "“xxxxxxxxxxxx…”不是色环的颜色。\n");
    EXPECT_EQ(lineEnds(a.err), 1);
    const zq::answers::Answer lines =
        zq::answers::readAnswer({"红", "red\nblue", "红"}, std::nullopt, false, {});
    EXPECT_EQ(lineEnds(lines.err), 1) << lines.err;
}

// The wider gap reads the colours that do not decide, named in the verdict and in the JSON; a
// gap the colours rule out is reported and not obeyed; an unknown side or body is refused.
TEST(ReadCommand, TheWiderGapDecidesWhereTheColoursCannot) {
    const std::vector<std::string> open{"红", "红", "棕", "棕"};
    struct Case {
        std::vector<std::string> colours;
        zq::answers::ReadCues cues;
        const char* verdict;   // the text starts so
        const char* code;      // of the verdict's first sentence, or the refusal
        const char* decidedBy; // "" for none
    };
    const Case cases[] = {
        {open,
         {"right", {}},
         "宽的间隔在右边，右边那一环是误差环，所以从左往右读：220",
         "gap-decides",
         "gap"},
        {open,
         {"左", {}},
         "宽的间隔在左边，左边那一环是误差环，所以从右往左读：1.10K",
         "gap-decides",
         "gap"},
        {{"红", "黑", "黑", "紫", "紫"},
         {"left", {}},
         "宽的间隔在左边，左边那一环是误差环，所以从右往左读：770.00Ω ±2%。不过从右往左读的 "
         "770.00Ω ±2% 不是标准阻值，从左往右读的 2.00GΩ ±0.1% 才是：再看一下。\n",
         "gap-decides",
         "gap"},
        {{"金", "红", "紫", "黄"},
         {"right", "blue"},
         "只有从右往左读说得通：4.70KΩ "
         "±5%。宽的间隔在右边，可是左边那一环是金色，不能做第一环：再看一下。",
         "only-one-way",
         ""},
        {open, {"up", {}}, "--gap", "unknown-gap", ""},
        {open, {{}, "pink"}, "--body", "unknown-body", ""},
    };
    for (const Case& c : cases) {
        const zq::answers::Answer text =
            zq::answers::readAnswer(c.colours, std::nullopt, false, ".", c.cues);
        const zq::answers::Answer json =
            zq::answers::readAnswer(c.colours, std::nullopt, true, ".", c.cues);
        const Json o = parsedJson(json.out).value_or(Json());
        EXPECT_TRUE((text.out + text.err).starts_with(c.verdict)) << text.out << text.err;
        const Json::Array& verdict = field(o, "verdict").items();
        const std::string code = text.status != 0  ? field(o, "code").text()
                                 : verdict.empty() ? std::string()
                                                   : field(verdict[0], "code").text();
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(field(field(o, "cues"), "decided_by").text(), c.decidedBy);
    }
}

TEST(ReadCommand, JsonListsBothReadingsAndMarksOnlyTheOneTheMeasurementConfirms) {
    const std::optional<Json> parsed =
        parsedJson(zq::answers::readAnswer({"棕", "黑", "黑", "红", "棕"}, "9,93k", true, ",").out);
    ASSERT_TRUE(parsed);
    const Json& o = *parsed;
    EXPECT_EQ(field(o, "bands").integer(), 5);
    const Json::Array& readings = field(o, "readings").items();
    ASSERT_EQ(readings.size(), 2u);
    const Json &first = readings[0], &second = readings[1];
    EXPECT_EQ(field(first, "direction").text(), "as-entered");
    EXPECT_EQ(field(first, "value_ohms").text(), "10000");
    EXPECT_EQ(field(first, "min_ohms").text(), "9900");
    EXPECT_TRUE(field(first, "likely").boolean());
    EXPECT_TRUE(field(first, "matches").boolean());
    EXPECT_TRUE(isNull(first, "tcr_ppm"));
    EXPECT_EQ(field(second, "value_ohms").text(), "120");
    EXPECT_FALSE(field(second, "likely").boolean());
    EXPECT_FALSE(field(second, "matches").boolean());
    // Without a measurement nothing is matched, and an undecided pair has no likely one.
    const std::optional<Json> undecided = parsedJson(
        zq::answers::readAnswer({"brown", "black", "black", "red", "brown"}, std::nullopt, true, {})
            .out);
    ASSERT_TRUE(undecided);
    for (const Json& r : field(*undecided, "readings").items()) {
        EXPECT_TRUE(isNull(r, "matches"));
        EXPECT_FALSE(field(r, "likely").boolean());
    }
}

TEST(ReadCommand, SixBandsCarryTheCoefficient) {
    const std::optional<Json> o =
        parsedJson(zq::answers::readAnswer({"orange", "orange", "black", "red", "brown", "red"},
                                           std::nullopt, true, {})
                       .out);
    ASSERT_TRUE(o);
    const Json::Array& readings = field(*o, "readings").items();
    ASSERT_FALSE(readings.empty());
    EXPECT_EQ(field(readings[0], "tcr_ppm").integer(), 50);
}

} // namespace
