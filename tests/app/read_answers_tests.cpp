// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// --read as text and as JSON: every fact the text states is in the JSON, the same, list by list.
#include "app/answers.h"
#include "model/colour_code.h"
#include "model/value_input.h"
#include "wording/words.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <gtest/gtest.h>

// Failures show the texts, not their bytes.
static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

using Fields = QStringList;

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A value as the text writes it ("4.465KΩ"), read back exactly as the JSON writes it ("4465").
QString exact(const QString& shown) {
    const zq::model::ValueInput v = zq::model::parseValue(shown.toStdString());
    return v.ok ? QString::fromStdString(v.ohms.text()) : QStringLiteral("unreadable ") + shown;
}

// "±0.05%" as "0.05".
QString percent(const QString& shown) {
    return QString(shown).remove(u'±').remove(u'%');
}

QString direction(const QString& shown) {
    return shown == u("从左往右读")   ? QStringLiteral("as-entered")
           : shown == u("从右往左读") ? QStringLiteral("reversed")
                                      : QStringLiteral("unknown ") + shown;
}

// A colour by the name the text gives it, or the one typed.
QString english(const QString& name) {
    for (int c = 0; c < zq::model::palette::kSize; ++c) {
        const zq::model::ColourRecord& r = zq::model::colourRecord(c);
        const QString e = QString::fromUtf8(r.english.data(), qsizetype(r.english.size()));
        if (zq::wording::shortName(c) == name || zq::wording::colourName(c) == name ||
            e.compare(name, Qt::CaseInsensitive) == 0)
            return e;
    }
    return QStringLiteral("unknown ") + name;
}

QString band(const QString& ordinal) {
    for (int b = 1; b <= zq::model::kMostBands; ++b)
        if (zq::wording::bandOrdinal(b) == ordinal) return QString::number(b);
    return QStringLiteral("unknown ") + ordinal;
}

QString joinedText(const QJsonArray& said) {
    QString out;
    for (const auto& s : said)
        out += s.toObject()[QStringLiteral("text")].toString();
    return out;
}

QString englishList(const QJsonArray& colours) {
    QStringList out;
    for (const auto& c : colours)
        out << c.toString();
    return out.join(u' ');
}

QString orNull(const QJsonValue& v) {
    return v.isNull() ? QStringLiteral("null") : v.toVariant().toString();
}

// ---- what the text says ------------------------------------------------------------------------

struct Said {
    QString verdict;
    QStringList notes;
    std::vector<Fields> readings, ruledOut, changes;
    QString likelyDirection; // named by a decided verdict
    QString measured;        // as every note on the measurement names it
};

// From a reading's note: its series (or the series it is not in), its tolerance colour, whether it
// is a precision part, whether the measurement matches it.
Fields notesFacts(const QString& notes, QString& measured) {
    static const QRegularExpression member(u("是 (E\\d+) 系列里的标准阻值")),
        off(u("所用的 (.+) 系列里")), rare(u("(.)色误差环少见")),
        measure(u("量到的 (\\S+) (不?在) "));
    const auto m = member.match(notes), o = off.match(notes), r = rare.match(notes),
               x = measure.match(notes);
    if (x.hasMatch()) measured = exact(x.captured(1));
    return {m.hasMatch() ? m.captured(1) : QStringLiteral("null"),
            o.hasMatch() ? o.captured(1).split(u(" 或 ")).join(u' ') : QString(),
            r.hasMatch() ? english(r.captured(1)) : QStringLiteral("not rare"),
            notes.contains(u("这是精密电阻")) ? QStringLiteral("precision")
                                              : QStringLiteral("not precision"),
            x.hasMatch()
                ? (x.captured(2) == u("在") ? QStringLiteral("true") : QStringLiteral("false"))
                : QStringLiteral("null")};
}

Said fromText(const QString& text) {
    static const QRegularExpression reading(
        u("^([●○]) (\\S+)：(.+) → (\\S+) (±\\S+?)(?: (\\d+)ppm/K)?（(\\S+) ～ (\\S+)）$")),
        ruledOut(u("^✕ (\\S+?)，(第.环)是(.+?)；")),
        change(
            u("^？ (第.环)可能是(.+?)而不是(.+?)：那样(\\S+?)是 (\\S+) (±\\S+)，和量到的相符。$")),
        likely(u("^(?:量到的阻值只和|更可能是|只有)(从左往右读|从右往左读)"));
    Said out;
    QStringList lines = text.split(u'\n');
    EXPECT_EQ(lines.takeLast(), QString()) << "the answer ends its last line";
    out.verdict = lines.takeFirst();
    const auto l = likely.match(out.verdict);
    const auto both =
        QRegularExpression(u("所以更可能是(从左往右读|从右往左读)")).match(out.verdict);
    out.likelyDirection = both.hasMatch() ? direction(both.captured(1))
                          : l.hasMatch()  ? direction(l.captured(1))
                                          : QString();
    while (!lines.isEmpty()) {
        const QString line = lines.takeFirst();
        if (line.startsWith(u("万用表读数："))) {
            out.notes << line;
        } else if (const auto m = reading.match(line); m.hasMatch()) {
            EXPECT_FALSE(lines.isEmpty()) << "a reading's notes follow it";
            const QString notes = lines.isEmpty() ? QString() : lines.takeFirst();
            EXPECT_TRUE(notes.startsWith(QStringLiteral("  ")));
            QStringList colours;
            for (const QString& c : m.captured(3).split(u' '))
                colours << english(c);
            Fields f{m.captured(1) == u("●") ? QStringLiteral("true") : QStringLiteral("false"),
                     direction(m.captured(2)),
                     colours.join(u' '),
                     exact(m.captured(4)),
                     percent(m.captured(5)),
                     m.captured(6).isEmpty() ? QStringLiteral("null") : m.captured(6),
                     exact(m.captured(7)),
                     exact(m.captured(8)),
                     notes.mid(2)};
            f << notesFacts(notes, out.measured);
            out.readings.push_back(f);
        } else if (const auto o = ruledOut.match(line); o.hasMatch()) {
            out.ruledOut.push_back(
                {direction(o.captured(1)), band(o.captured(2)), english(o.captured(3)),
                 line.contains(u("所以要从另一端读起")) ? QStringLiteral("true")
                                                        : QStringLiteral("false"),
                 line.mid(2)});
        } else if (const auto c = change.match(line); c.hasMatch()) {
            out.changes.push_back({band(c.captured(1)), english(c.captured(3)),
                                   english(c.captured(2)), direction(c.captured(4)),
                                   exact(c.captured(5)), percent(c.captured(6)), line.mid(2)});
        } else {
            ADD_FAILURE() << "a line of no kind: " << line.toStdString();
        }
    }
    return out;
}

// ---- what the JSON says ------------------------------------------------------------------------

Said fromJson(const QJsonObject& o) {
    Said out;
    out.verdict = joinedText(o[QStringLiteral("verdict")].toArray());
    for (const auto& n : o[QStringLiteral("notes")].toArray())
        out.notes << n.toObject()[QStringLiteral("text")].toString();
    for (const auto& v : o[QStringLiteral("readings")].toArray()) {
        const QJsonObject r = v.toObject();
        QStringList series;
        for (const auto& s : r[QStringLiteral("tolerance_series")].toArray())
            series << s.toString();
        const bool likely = r[QStringLiteral("likely")].toBool();
        // Read the same both ways, the verdict names no way.
        const bool palindrome =
            o[QStringLiteral("verdict")].toArray().first().toObject()[QStringLiteral("code")] ==
            u("palindrome");
        if (likely && !palindrome) out.likelyDirection = r[QStringLiteral("direction")].toString();
        const bool rare = r[QStringLiteral("rare_tolerance_colour")].toBool();
        const bool member = !r[QStringLiteral("series")].isNull();
        out.readings.push_back({
            likely ? QStringLiteral("true") : QStringLiteral("false"),
            r[QStringLiteral("direction")].toString(),
            englishList(r[QStringLiteral("colours")].toArray()),
            r[QStringLiteral("value_ohms")].toString(),
            r[QStringLiteral("tolerance_percent")].toString(),
            orNull(r[QStringLiteral("tcr_ppm")]),
            r[QStringLiteral("min_ohms")].toString(),
            r[QStringLiteral("max_ohms")].toString(),
            joinedText(r[QStringLiteral("why")].toArray()),
            orNull(r[QStringLiteral("series")]),
            // A zero-ohm jumper belongs to no series and says so without naming them.
            member || r[QStringLiteral("value_ohms")].toString() == u("0") ? QString()
                                                                           : series.join(u' '),
            rare ? r[QStringLiteral("tolerance_colour")].toString() : QStringLiteral("not rare"),
            r[QStringLiteral("precision")].toBool() ? QStringLiteral("precision")
                                                    : QStringLiteral("not precision"),
            orNull(r[QStringLiteral("matches")]),
        });
    }
    for (const auto& v : o[QStringLiteral("ruled_out")].toArray()) {
        const QJsonObject r = v.toObject();
        out.ruledOut.push_back({r[QStringLiteral("direction")].toString(),
                                QString::number(r[QStringLiteral("band")].toInt()),
                                r[QStringLiteral("colour")].toString(),
                                r[QStringLiteral("read_from_other_end")].toBool()
                                    ? QStringLiteral("true")
                                    : QStringLiteral("false"),
                                r[QStringLiteral("text")].toString()});
    }
    for (const auto& v : o[QStringLiteral("changes")].toArray()) {
        const QJsonObject c = v.toObject();
        out.changes.push_back(
            {QString::number(c[QStringLiteral("band")].toInt()),
             c[QStringLiteral("from")].toString(), c[QStringLiteral("to")].toString(),
             c[QStringLiteral("direction")].toString(), c[QStringLiteral("value_ohms")].toString(),
             c[QStringLiteral("tolerance_percent")].toString(),
             c[QStringLiteral("text")].toString()});
    }
    out.measured = orNull(o[QStringLiteral("measured_ohms")]);
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
    const QStringList colours = u(GetParam().colours).split(u' ');
    const std::optional<QString> measured =
        GetParam().measured ? std::optional(u(GetParam().measured)) : std::nullopt;
    const zq::app::Answer text = zq::app::readAnswer(colours, measured, false, QStringLiteral("."));
    const zq::app::Answer json = zq::app::readAnswer(colours, measured, true, QStringLiteral("."));
    ASSERT_EQ(text.status, json.status);
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out.toStdString();
    if (text.status != 0) {
        EXPECT_EQ(o[QStringLiteral("error")].toString() + u'\n', text.err);
        EXPECT_FALSE(o[QStringLiteral("code")].toString().isEmpty());
        return;
    }
    const Said t = fromText(text.out), j = fromJson(o);
    EXPECT_EQ(t.verdict, j.verdict);
    EXPECT_EQ(t.notes, j.notes);
    EXPECT_EQ(t.readings, j.readings);
    EXPECT_EQ(t.ruledOut, j.ruledOut);
    EXPECT_EQ(t.changes, j.changes);
    EXPECT_EQ(t.likelyDirection, j.likelyDirection) << t.verdict.toStdString();
    // Every measurement a note names is the one in the JSON; without one, none is named.
    EXPECT_EQ(t.measured.isEmpty() ? QStringLiteral("null") : t.measured, j.measured);
    EXPECT_EQ(o[QStringLiteral("bands")].toInt(), colours.size());
    QStringList entered;
    for (const QString& c : colours)
        entered << english(c.trimmed().isEmpty() ? u("无") : c.trimmed());
    EXPECT_EQ(englishList(o[QStringLiteral("colours")].toArray()), entered.join(u' '));
    // Each sentence has its code.
    for (const QString& list : {QStringLiteral("verdict"), QStringLiteral("notes")})
        for (const auto& s : o[list].toArray())
            EXPECT_FALSE(s.toObject()[QStringLiteral("code")].toString().isEmpty())
                << list.toStdString();
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
        QStringList colours;
        std::optional<QString> measured;
        const char* code;
    };
    const Case cases[] = {
        {{u("红"), u("红")}, std::nullopt, "band-count"},
        {{u("红"), u("粉"), u("红")}, std::nullopt, "unknown-colour"},
        {{u("红"), u("无"), u("红")}, std::nullopt, "absent-band"},
        {{u("金"), u("金"), u("金"), u("金")}, std::nullopt, "neither-way"},
        {{u("红"), u("红"), u("红")}, u("4..7k"), "unreadable-measurement"},
    };
    for (const Case& c : cases) {
        const zq::app::Answer a = zq::app::readAnswer(c.colours, c.measured, true, {});
        EXPECT_EQ(a.status, 2) << c.code;
        const QJsonObject o = QJsonDocument::fromJson(a.out.toUtf8()).object();
        EXPECT_EQ(o[QStringLiteral("code")].toString(), QLatin1String(c.code));
        EXPECT_EQ(o[QStringLiteral("error")].toString() + u'\n', a.err);
    }
}

// The fixes at the command line's edge: the missing band of four, spaces round a name, a name
// far too long to quote whole.
TEST(ReadCommand, TheMissingToleranceBandOfFourIsReadAsTheThreeBandPart) {
    for (const char* missing : {"无", "无色", "none", "NONE", "", "  "}) {
        const zq::app::Answer a = zq::app::readAnswer({u("白"), u("紫"), u("黑"), u(missing)},
                                                      std::nullopt, false, QStringLiteral("."));
        EXPECT_EQ(a.status, 0) << missing << a.err.toStdString();
        EXPECT_TRUE(a.out.startsWith(u("只有从左往右读说得通：97.00Ω ±20%。\n"))) << missing;
    }
    // Anywhere else a missing band is refused with the band it stands on.
    for (const auto& [colours, reason] :
         {std::pair{QStringList{u("红"), u("无"), u("红")}, "第二环是无色"},
          {QStringList{u("白"), u("紫"), u(""), u("金")}, "第三环是无色"},
          {QStringList{u("棕"), u("黑"), u("黑"), u("红"), u("无")}, "第五环是无色"}}) {
        const zq::app::Answer a = zq::app::readAnswer(colours, std::nullopt, false, {});
        EXPECT_EQ(a.status, 2);
        EXPECT_TRUE(a.err.startsWith(u(reason))) << a.err.toStdString();
    }
}

TEST(ReadCommand, SpacesRoundAColourNameAreNotPartOfIt) {
    const zq::app::Answer spaced = zq::app::readAnswer(
        {u(" 黄"), u("紫 "), u("\t红\u3000"), u(" Gold ")}, std::nullopt, false, {});
    const zq::app::Answer plain =
        zq::app::readAnswer({u("黄"), u("紫"), u("红"), u("金")}, std::nullopt, false, {});
    EXPECT_EQ(spaced.status, 0) << spaced.err.toStdString();
    EXPECT_EQ(spaced.out, plain.out);
    // A space inside a name still makes no colour.
    const zq::app::Answer inside =
        zq::app::readAnswer({u("黄"), u("紫"), u("r ed"), u("金")}, std::nullopt, false, {});
    EXPECT_EQ(inside.status, 2);
    EXPECT_EQ(inside.err, u("“r ed”不是色环的颜色。\n"));
}

TEST(ReadCommand, ANameFarTooLongIsQuotedCutShortOnOneLine) {
    const zq::app::Answer a =
        zq::app::readAnswer({u("红"), QString(10000, u'x'), u("红")}, std::nullopt, true, {});
    EXPECT_EQ(a.status, 2);
    EXPECT_EQ(a.err, u("“xxxxxxxxxxxx…”不是色环的颜色。\n"));
    EXPECT_EQ(a.err.count(u'\n'), 1);
    const zq::app::Answer lines =
        zq::app::readAnswer({u("红"), u("red\nblue"), u("红")}, std::nullopt, false, {});
    EXPECT_EQ(lines.err.count(u'\n'), 1) << lines.err.toStdString();
}

// The wider gap reads the colours that do not decide, named in the verdict and in the JSON; a
// gap the colours rule out is reported and not obeyed; an unknown side or body is refused.
TEST(ReadCommand, TheWiderGapDecidesWhereTheColoursCannot) {
    const QStringList open{u("红"), u("红"), u("棕"), u("棕")};
    struct Case {
        QStringList colours;
        zq::app::ReadCues cues;
        const char* verdict;   // the text starts so
        const char* code;      // of the verdict's first sentence, or the refusal
        const char* decidedBy; // "" for none
    };
    const Case cases[] = {
        {open,
         {u("right"), {}},
         "宽的间隔在右边，右边那一环是误差环，所以从左往右读：220",
         "gap-decides",
         "gap"},
        {open,
         {u("左"), {}},
         "宽的间隔在左边，左边那一环是误差环，所以从右往左读：1.10K",
         "gap-decides",
         "gap"},
        {{u("红"), u("黑"), u("黑"), u("紫"), u("紫")},
         {u("left"), {}},
         "宽的间隔在左边，左边那一环是误差环，所以从右往左读：770.00Ω ±2%。不过从右往左读的 "
         "770.00Ω ±2% 不是标准阻值，从左往右读的 2.00GΩ ±0.1% 才是：再看一下。\n",
         "gap-decides",
         "gap"},
        {{u("金"), u("红"), u("紫"), u("黄")},
         {u("right"), u("blue")},
         "只有从右往左读说得通：4.70KΩ "
         "±5%。宽的间隔在右边，可是左边那一环是金色，不能做第一环：再看一下。",
         "only-one-way",
         ""},
        {open, {u("up"), {}}, "--gap", "unknown-gap", ""},
        {open, {{}, u("pink")}, "--body", "unknown-body", ""},
    };
    for (const Case& c : cases) {
        const zq::app::Answer text =
            zq::app::readAnswer(c.colours, std::nullopt, false, QStringLiteral("."), c.cues);
        const zq::app::Answer json =
            zq::app::readAnswer(c.colours, std::nullopt, true, QStringLiteral("."), c.cues);
        const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
        EXPECT_TRUE((text.out + text.err).startsWith(u(c.verdict)))
            << text.out.toStdString() << text.err.toStdString();
        const QJsonValue code =
            text.status == 0 ? o[u("verdict")].toArray()[0].toObject()[u("code")] : o[u("code")];
        EXPECT_EQ(code.toString(), QLatin1String(c.code));
        EXPECT_EQ(o[u("cues")].toObject()[u("decided_by")].toString(), QLatin1String(c.decidedBy));
    }
}

} // namespace
