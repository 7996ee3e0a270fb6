// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The colours of a value on the terminal: the text and --json state the same facts, whole.
#include "app/answers.h"
#include "model/colour_code.h"
#include "model/value_input.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <optional>

namespace {

struct Asked {
    const char* value;
    const char* bands;     // "" for the default
    const char* tolerance; // "" for the default
};

void PrintTo(const Asked& a, std::ostream* os) {
    *os << a.value << " bands " << a.bands << " tolerance " << a.tolerance;
}

// An exact number as the text writes it with its unit, as a plain decimal.
QString exactOhms(const QString& withUnit) {
    const zq::model::ValueInput v = zq::model::parseValue(withUnit.toStdString());
    EXPECT_TRUE(v.ok) << withUnit.toStdString();
    return QString::fromStdString(v.ohms.text());
}

// "+3.13%" → "3.13", "-0.0001%" → "-0.0001": as --json writes an error.
QString plainPercent(QString p) {
    p.chop(1);
    if (p.startsWith(u'+')) p.remove(0, 1);
    return p;
}

QStringList strings(const QJsonValue& v) {
    QStringList out;
    for (const QJsonValue& item : v.toArray())
        out << item.toString();
    return out;
}

// One standard value: its value, its series, and whether the bands make it.
struct Standard {
    QString ohms, series, percent;
    bool makeable;
    friend bool operator==(const Standard&, const Standard&) = default;
};

void PrintTo(const Standard& s, std::ostream* os) {
    *os << s.ohms.toStdString() << " " << s.series.toStdString() << " " << s.percent.toStdString()
        << (s.makeable ? "" : " (not makeable)");
}

const QRegularExpression kNamed(QStringLiteral("([0-9.]+[KMG]?Ω)（([E0-9/]+)(?:，[-+]?[0-9.]+%)?）"));

class ColoursAnswers : public testing::TestWithParam<Asked> {};

TEST_P(ColoursAnswers, TextAndJsonStateTheSameFacts) {
    const Asked& a = GetParam();
    zq::app::ColoursQuestion q{QString::fromUtf8(a.value), {}, {}};
    if (*a.bands) q.bands = QString::fromUtf8(a.bands);
    if (*a.tolerance) q.tolerance = QString::fromUtf8(a.tolerance);
    const zq::app::Answer text = zq::app::coloursAnswer(q, false, QStringLiteral("."));
    const zq::app::Answer json = zq::app::coloursAnswer(q, true, QStringLiteral("."));
    ASSERT_EQ(text.status, 0) << text.err.toStdString();
    ASSERT_EQ(json.status, 0);
    const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
    ASSERT_FALSE(o.isEmpty()) << json.out.toStdString();

    QStringList lines = text.out.split(u'\n');
    ASSERT_EQ(lines.takeLast(), QString()) << "the text ends with a line end";
    auto take = [&lines](const QString& head) {
        std::optional<QString> out;
        if (!lines.isEmpty() && lines.front().startsWith(head))
            out = lines.takeFirst().mid(head.size());
        return out;
    };

    // 色环：黄 紫 红 金（四环电阻）
    const auto colours = take(QStringLiteral("色环："));
    ASSERT_TRUE(colours);
    const qsizetype open = colours->indexOf(u'（');
    const QStringList names = colours->left(open).split(u' ');
    EXPECT_EQ(names, strings(o[QStringLiteral("colours_zh")]));
    QStringList english;
    for (const QString& n : names)
        english << QString::fromUtf8(
            zq::model::colourRecord(*zq::model::colourByName(n.toStdString())).english);
    EXPECT_EQ(english, strings(o[QStringLiteral("colours")]));
    const QString kind = colours->mid(open + 1).chopped(1);
    const bool jumper = kind == QStringLiteral("跳线电阻");
    if (!jumper) {
        EXPECT_EQ(kind == QStringLiteral("五环电阻") ? 5 : 4, o[QStringLiteral("bands")].toInt());
    }

    // 阻值：4.70KΩ
    const auto value = take(QStringLiteral("阻值："));
    ASSERT_TRUE(value);
    EXPECT_EQ(exactOhms(*value), o[QStringLiteral("value_ohms")].toString());

    // 误差：±5%，4.465KΩ ～ 4.935KΩ, or the jumper's 0.00Ω（跳线，没有误差环）
    const auto tolerance = take(QStringLiteral("误差："));
    ASSERT_TRUE(tolerance);
    if (jumper) {
        EXPECT_TRUE(o[QStringLiteral("tolerance_percent")].isNull());
        EXPECT_EQ(o[QStringLiteral("min_ohms")].toString(), QStringLiteral("0"));
        EXPECT_EQ(o[QStringLiteral("max_ohms")].toString(), QStringLiteral("0"));
    } else {
        const QStringList parts = tolerance->split(u'，');
        ASSERT_EQ(parts.size(), 2);
        EXPECT_EQ(parts[0].mid(1).chopped(1), o[QStringLiteral("tolerance_percent")].toString());
        const QStringList bounds = parts[1].split(QStringLiteral(" ～ "));
        ASSERT_EQ(bounds.size(), 2);
        EXPECT_EQ(exactOhms(bounds[0]), o[QStringLiteral("min_ohms")].toString());
        EXPECT_EQ(exactOhms(bounds[1]), o[QStringLiteral("max_ohms")].toString());
    }

    // The notes: each 说明 line one note, the standard values' heading and aside on their line.
    QStringList said;
    while (const auto n = take(QStringLiteral("说明：")))
        said << *n;
    QString standardLine;
    if (const auto n = take(QStringLiteral("标准值："))) standardLine = *n;
    QStringList notes, standardNotes, codes;
    for (const QJsonValue& n : o[QStringLiteral("notes")].toArray()) {
        const QString code = n[QStringLiteral("code")].toString();
        codes << code;
        (code.startsWith(QStringLiteral("standard-")) ||
                 code.startsWith(QStringLiteral("not-standard")) ||
                 code == QStringLiteral("neighbours-not-makeable")
             ? standardNotes
             : notes)
            << n[QStringLiteral("text")].toString();
    }
    EXPECT_EQ(said, notes);
    EXPECT_EQ(standardLine, standardNotes.join(QString()));
    EXPECT_EQ(o[QStringLiteral("exact")].toBool(),
              !codes.contains(QStringLiteral("nearest")) &&
                  !codes.contains(QStringLiteral("nearest-five-bands-could")));
    EXPECT_EQ(o[QStringLiteral("precision")].toBool(),
              codes.contains(QStringLiteral("precision-tolerance")));

    // The standard values: those listed, made by the bands, and those the notes name as not.
    QList<Standard> stated;
    while (const auto v = take(QStringLiteral("标准值 "))) {
        const qsizetype colon = v->indexOf(u'：'), paren = v->indexOf(u'（');
        stated << Standard{exactOhms(v->mid(colon + 1, paren - colon - 1)), v->left(colon),
                           plainPercent(v->mid(paren + 1).chopped(1)), true};
    }
    for (auto m = kNamed.globalMatch(standardLine); m.hasNext();) {
        const auto match = m.next();
        stated << Standard{exactOhms(match.captured(1)), match.captured(2), {}, false};
    }
    if (codes.contains(QStringLiteral("standard-member-not-makeable"))) {
        const QStringList words = standardLine.split(u' ');
        stated << Standard{exactOhms(words[0]), words[2].split(u'、').join(u'/'), {}, false};
    }
    QList<Standard> listed;
    for (const QJsonValue& v : o[QStringLiteral("standard")].toArray()) {
        const bool makeable = v[QStringLiteral("makeable")].toBool();
        listed << Standard{v[QStringLiteral("value_ohms")].toString(),
                           strings(v[QStringLiteral("member")]).join(u'/'),
                           makeable ? v[QStringLiteral("error_percent")].toString() : QString(),
                           makeable};
    }
    auto byValue = [](const Standard& x, const Standard& y) {
        return x.ohms.toDouble() < y.ohms.toDouble();
    };
    std::sort(stated.begin(), stated.end(), byValue);
    EXPECT_EQ(stated, listed);

    // 贴片代码：472 4701
    const auto smd = take(QStringLiteral("贴片代码："));
    EXPECT_EQ(smd ? smd->split(u' ') : QStringList(), strings(o[QStringLiteral("smd")]));
    EXPECT_EQ(lines, QStringList()) << "every line of the text is a fact the JSON holds";
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ColoursAnswers,
    testing::Values(Asked{"4.7k", "", ""}, Asked{"4k7", "5", ""}, Asked{"R47", "4", "银"},
                    Asked{"9.96k", "", "gold"}, Asked{"0.096", "", ""}, Asked{"4.87k", "", "2%"},
                    Asked{"0.47", "5", ""}, Asked{"100.0001", "", ""}, Asked{"4.8k", "", "2%"},
                    Asked{"4.8k", "5", "2%"},
                    Asked{"10k", "5", "1%"}, Asked{"1k", "4", "无"}, Asked{"0", "5", ""},
                    Asked{"5m", "", ""}, Asked{"99G", "", ""}, Asked{"999G", "5", "紫"},
                    Asked{"4.7k", "", "灰"}, Asked{"4.7k", "5", "0.25%"}, Asked{"4.75k", "", "黄"},
                    Asked{"12345", "5", "red"}));

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
        zq::app::ColoursQuestion q{QString::fromUtf8(c.asked.value), {}, {}};
        if (*c.asked.bands) q.bands = QString::fromUtf8(c.asked.bands);
        if (*c.asked.tolerance) q.tolerance = QString::fromUtf8(c.asked.tolerance);
        const zq::app::Answer text = zq::app::coloursAnswer(q, false, QStringLiteral("."));
        const zq::app::Answer json = zq::app::coloursAnswer(q, true, QStringLiteral("."));
        EXPECT_EQ(text.status, 2) << c.asked.value;
        EXPECT_EQ(text.out, QString()) << c.asked.value;
        EXPECT_EQ(text.err.toStdString(), std::string(c.reason) + "\n") << c.asked.value;
        EXPECT_EQ(json.status, 2);
        const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
        EXPECT_EQ(o[QStringLiteral("error")].toString() + QLatin1Char('\n'), text.err);
        EXPECT_EQ(o[QStringLiteral("code")].toString().toStdString(), c.code);
    }
}

// The other side of each fix: what is accepted next to what is refused.
TEST(ColoursAnswers, PrecisionTolerancesAndALoneSmallMAreAnswered) {
    for (const char* tolerance : {"灰", "橙", "黄", "0.05%", "0.02%", "0.01%", "0.25%"}) {
        const auto a = zq::app::coloursAnswer(
            {QStringLiteral("4.7k"), {}, QString::fromUtf8(tolerance)}, false, QStringLiteral("."));
        EXPECT_EQ(a.status, 0) << tolerance << a.err.toStdString();
        EXPECT_TRUE(a.out.contains(QStringLiteral("这是精密电阻。"))) << tolerance;
    }
    const auto five =
        zq::app::coloursAnswer({QStringLiteral("20k"), QStringLiteral("4"), QStringLiteral("20%")},
                               false, QStringLiteral("."));
    EXPECT_TRUE(five.out.startsWith(QStringLiteral("色环：红 黑 橙 无（四环电阻）\n")));
    const auto m =
        zq::app::coloursAnswer({QStringLiteral("5m"), {}, {}}, false, QStringLiteral("."));
    EXPECT_TRUE(m.out.contains(
        QStringLiteral("说明：小写 m 按 M（兆）读，即 5.00MΩ；色环电阻没有毫欧（mΩ）的。\n")))
        << m.out.toStdString();
}

} // namespace
