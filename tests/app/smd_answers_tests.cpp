// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// A chip code's terminal answer as text and as JSON tell the same facts: the text is read back
// here, field by field, and compared whole with the JSON of the same code.
#include "app/answers.h"
#include "model/colour_code.h"
#include "model/decimal.h"
#include "wording/words.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

using zq::model::Decimal;

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// "4.70K" with the unit's power, or a plain "4700".
Decimal number(const QString& text, const QString& unit = {}) {
    const int shift = unit == u("K") ? 3 : unit == u("M") ? 6 : unit == u("G") ? 9 : 0;
    const QStringList parts = text.split(u'.');
    return Decimal::fromParts(parts[0].toStdString(),
                              parts.size() > 1 ? parts[1].toStdString() : std::string(), shift);
}

Decimal jsonDecimal(const QJsonValue& v) {
    return number(v.toString());
}

std::vector<int> fromShortNames(const QString& names) {
    std::vector<int> out;
    for (const QString& n : names.split(u' ')) {
        int found = -1;
        for (int i = 0; i < zq::model::palette::kSize; ++i)
            if (zq::wording::shortName(i) == n) found = i;
        out.push_back(found);
    }
    return out;
}

std::optional<std::vector<int>> fromEnglish(const QJsonValue& v) {
    if (v.isNull()) return std::nullopt;
    std::vector<int> out;
    for (const QJsonValue& n : v.toArray()) {
        int found = -1;
        for (int i = 0; i < zq::model::palette::kSize; ++i)
            if (QString::fromUtf8(zq::model::colourRecord(i).english) == n.toString()) found = i;
        out.push_back(found);
    }
    return out;
}

// One reading's line against its JSON object.
void expectLineMatches(const QString& line, const QJsonObject& json, const QString& code,
                       bool twoWays) {
    SCOPED_TRACE(line.toStdString());
    static const QRegularExpression shape(
        u("^(\\w+)(（按 EIA-96）|（R 当小数点）)? = ([0-9.]+)([KMG]?)Ω(?: ±([0-9.]+)%)?：(.*)$"));
    const auto m = shape.match(line);
    ASSERT_TRUE(m.hasMatch());
    EXPECT_EQ(m.captured(1), code);
    const QString kind = json[u("kind")].toString();
    EXPECT_EQ(!m.captured(2).isEmpty(), twoWays);
    if (twoWays) {
        EXPECT_EQ(m.captured(2) == u("（按 EIA-96）"), kind == u("EIA-96"));
    }
    const Decimal value = jsonDecimal(json[u("value_ohms")]);
    EXPECT_EQ(number(m.captured(3), m.captured(4)), value);
    EXPECT_EQ(m.captured(5).isEmpty(), json[u("tolerance_percent")].isNull());
    if (!m.captured(5).isEmpty()) {
        EXPECT_EQ(number(m.captured(5)), jsonDecimal(json[u("tolerance_percent")]));
    }

    const QString sum = m.captured(6);
    static const QRegularExpression eia(
        u("^(\\d\\d) → (\\d+)，(\\d+) × ([0-9.]+) = ([0-9.]+)([KMG]?)Ω$"));
    static const QRegularExpression digits(u("^(\\d+) × 10([⁰¹²³⁴⁵⁶⁷⁸⁹]) = ([0-9.]+)([KMG]?)Ω$"));
    static const QRegularExpression point(u("^R 当小数点 → ([0-9.]+)([KMG]?)Ω$"));
    const QString superscripts = u("⁰¹²³⁴⁵⁶⁷⁸⁹");
    if (kind == u("EIA-96")) {
        const auto e = eia.match(sum);
        ASSERT_TRUE(e.hasMatch()) << sum.toStdString();
        EXPECT_EQ(e.captured(1).toInt(), json[u("eia_number")].toInt());
        EXPECT_EQ(e.captured(2).toInt(), json[u("e96_member")].toInt());
        EXPECT_EQ(e.captured(3).toInt(), json[u("e96_member")].toInt());
        EXPECT_EQ(number(e.captured(4)), Decimal::of(1, json[u("power")].toInt()));
        EXPECT_EQ(number(e.captured(5), e.captured(6)), value);
        EXPECT_EQ(code.right(1), json[u("letter")].toString());
    } else if (kind == u("jumper")) {
        EXPECT_EQ(sum, u("零欧跳线 → 0.00Ω"));
        EXPECT_TRUE(value.isZero());
    } else if (json.contains(u("before_r"))) {
        const auto p = point.match(sum);
        ASSERT_TRUE(p.hasMatch()) << sum.toStdString();
        EXPECT_EQ(number(p.captured(1), p.captured(2)), value);
        const QString whole = json[u("before_r")].toString(),
                      fraction = json[u("after_r")].toString();
        EXPECT_EQ(code, whole + u("R") + fraction);
    } else {
        const auto d = digits.match(sum);
        ASSERT_TRUE(d.hasMatch()) << sum.toStdString();
        EXPECT_EQ(d.captured(1), json[u("significant")].toString());
        EXPECT_EQ(superscripts.indexOf(d.captured(2)), json[u("power")].toInt());
        EXPECT_EQ(number(d.captured(3), d.captured(4)), value);
        EXPECT_EQ(code,
                  json[u("significant")].toString() + QString::number(json[u("power")].toInt()));
    }
}

class SmdAnswers : public testing::TestWithParam<const char*> {};

TEST_P(SmdAnswers, TextAndJsonTellTheSameFacts) {
    const QString typed = u(GetParam());
    const zq::app::Answer text = zq::app::smdAnswer(typed, false, u("."));
    const zq::app::Answer json = zq::app::smdAnswer(typed, true, u("."));
    ASSERT_EQ(text.status, 0) << text.err.toStdString();
    ASSERT_EQ(json.status, 0);
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);

    QStringList lines = text.out.split(u'\n');
    ASSERT_EQ(lines.takeLast(), QString()) << "ends with a line end";
    const QString code = o[u("printed_code")].toString();
    const bool twoWays = o.contains(u("other_reading"));
    std::vector<QJsonObject> readings{o};
    if (twoWays) readings.push_back(o[u("other_reading")].toObject());
    ASSERT_GE(lines.size(), qsizetype(readings.size() + 1));
    for (std::size_t i = 0; i < readings.size(); ++i)
        expectLineMatches(lines[qsizetype(i)], readings[i], code, twoWays);
    lines.erase(lines.begin(), lines.begin() + qsizetype(readings.size()));

    const QJsonArray notes = o[u("notes")].toArray();
    EXPECT_EQ(notes.size(), twoWays ? 1 : 0);
    EXPECT_EQ(lines.takeFirst(),
              u("说明：") + (notes.isEmpty() ? o[u("explanation")].toString()
                                             : notes[0].toObject()[u("text")].toString()));
    // A jumper is one black band, said once.
    if (o[u("kind")].toString() == u("jumper")) {
        EXPECT_EQ(lines.takeFirst(), u("色环：零欧跳线只有一个黑环。"));
        EXPECT_EQ(fromEnglish(o[u("colours4")]), std::vector<int>{zq::model::palette::kBlack});
    } else {
        for (const auto& [label, key] :
             {std::pair{u("四环色环："), u("colours4")}, std::pair{u("五环色环："), u("colours5")}}) {
            const std::optional<std::vector<int>> inJson = fromEnglish(o[key]);
            if (!lines.isEmpty() && lines.front().startsWith(label)) {
                ASSERT_TRUE(inJson.has_value()) << key.toStdString();
                EXPECT_EQ(fromShortNames(lines.takeFirst().mid(label.size())), *inJson);
            } else {
                EXPECT_FALSE(inJson.has_value()) << key.toStdString();
            }
        }
    }
    EXPECT_TRUE(lines.isEmpty()) << lines.join(u'|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Codes, SmdAnswers,
                         testing::Values("472", "4701", "470", "102", "105", "997", "9996", "01C",
                                         "68X", "96F", "10Z", "01S", "4R7", "R47", "0R47", "R001",
                                         "47R", "470R", "68R", "10R", "05R", "01R", "1R00", "0",
                                         "00", "000", "0000", " ４ｒ７ "));

TEST(SmdAnswers, ARefusalIsTheSameLineOnStandardErrorAndInJsonWithItsCode) {
    QStringList codes; // each of these fails for its own reason
    for (const char* typed : {"108", "1007", "0472", "4😀7", "", "0R0", "97B"}) {
        const zq::app::Answer text = zq::app::smdAnswer(u(typed), false, u("."));
        const zq::app::Answer json = zq::app::smdAnswer(u(typed), true, u("."));
        EXPECT_EQ(text.status, 2) << typed;
        EXPECT_TRUE(text.out.isEmpty()) << typed;
        const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
        EXPECT_EQ(o[u("error")].toString() + u("\n"), text.err) << typed;
        EXPECT_EQ(json.err, text.err) << typed;
        EXPECT_EQ(o.keys(), (QStringList{u("code"), u("error")})) << typed;
        EXPECT_FALSE(codes.contains(o[u("code")].toString())) << typed;
        codes << o[u("code")].toString();
    }
}

// 01C reads as 10 kΩ ±1 %; by the colour code four bands are 1 0 ×10³ and five bands 1 0 0 ×10²,
// brown for 1 %.
TEST(SmdAnswers, BandsAreTheColourCodesOfTheValue) {
    using namespace zq::model::palette;
    const QJsonObject o =
        QJsonDocument::fromJson(zq::app::smdAnswer(u("01C"), true, u(".")).out.toUtf8()).object();
    EXPECT_EQ(fromEnglish(o[u("colours4")]), (std::vector<int>{kBrown, kBlack, kOrange, kBrown}));
    EXPECT_EQ(fromEnglish(o[u("colours5")]),
              (std::vector<int>{kBrown, kBlack, kBlack, kRed, kBrown}));
}

} // namespace
