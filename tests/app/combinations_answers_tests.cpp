// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Making a value from the parts a user has, on the terminal: the text and --json state the
// same combinations, and a kit file is read or refused with the line that spoils it.
#include "app/command_line.h"
#include "model/combinations/kit.h"
#include "model/combinations/kit_file.h"
#include "model/value_input.h"
#include "ui/program_info.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

namespace {

__extension__ typedef __int128 I128;

zq::app::CommandLineAnswer ask(const QStringList& words) {
    return zq::app::readCommandLine(QStringList{QStringLiteral("/usr/bin/zelquin")} + words,
                                    zq::ui::versionRecord(), QStringLiteral("."));
}

QStringList words(std::initializer_list<const char*> w) {
    QStringList out;
    for (const char* s : w)
        out << QString::fromUtf8(s);
    return out;
}

// A value as the text writes it with its unit, as a plain decimal.
QString plain(const QString& withUnit) {
    const zq::model::ValueInput v = zq::model::parseValue(withUnit.toStdString());
    EXPECT_TRUE(v.ok) << withUnit.toStdString();
    return QString::fromStdString(v.ohms.text());
}

I128 whole(const QString& digits) {
    I128 v = 0;
    for (const QChar c : digits)
        v = v * 10 + (c.unicode() - u'0');
    return v;
}

// "4505.495" → 4505495.
I128 milliohms(const QString& decimal) {
    const qsizetype dot = decimal.indexOf(u'.');
    QString fraction = dot < 0 ? QString() : decimal.mid(dot + 1);
    fraction = fraction.leftJustified(3, u'0');
    return whole((dot < 0 ? decimal : decimal.left(dot)) + fraction);
}

// One combination as the text states it.
struct Stated {
    QString circuit, shape;
    QStringList parts;
    QString value, percent;
    bool rounded = false, simplest = false, within = true;
    friend bool operator==(const Stated&, const Stated&) = default;
};

void PrintTo(const Stated& s, std::ostream* os) {
    *os << s.circuit.toStdString() << " " << s.shape.toStdString() << " ["
        << s.parts.join(u',').toStdString() << "] " << s.value.toStdString() << " "
        << s.percent.toStdString() << (s.rounded ? " rounded" : "")
        << (s.simplest ? " simplest" : "") << (s.within ? "" : " outside");
}

// "  两个并联：10.00KΩ ∥ 8.20KΩ ≈ 4.505KΩ，+0.12%  ← 最简单"; one part alone has no sum; a way
// outside the tolerance ends "，超出 ±5%".
const QRegularExpression kLine(QStringLiteral(
    "^  (\\S+)：(?:(.+) (=|≈) )?([0-9.]+[KMG]?Ω)，([-+]?[0-9.]+)%(  ← 最简单)?(，超出 ±[0-9.]+%)?$"));

Stated fromText(const QRegularExpressionMatch& m) {
    Stated s;
    QString formula = m.captured(2).isEmpty() ? m.captured(4) : m.captured(2);
    const bool grouped = formula.contains(u'(');
    const bool outerSeries = grouped && formula.indexOf(u'+') < formula.indexOf(u'(');
    const bool anySeries = formula.contains(u'+'), anyParallel = formula.contains(u'∥');
    s.circuit = grouped       ? QStringLiteral("series+parallel")
                : anyParallel ? QStringLiteral("parallel")
                : anySeries   ? QStringLiteral("series")
                              : QStringLiteral("single");
    if (grouped)
        s.shape = outerSeries ? QStringLiteral("R1+(R2||R3)") : QStringLiteral("R1||(R2+R3)");
    formula.remove(u'(').remove(u')');
    for (const QString& p : formula.split(QRegularExpression(QStringLiteral(" [+∥] "))))
        s.parts << plain(p);
    s.rounded = m.captured(3) == QStringLiteral("≈");
    s.value = plain(m.captured(4));
    s.percent = m.captured(5);
    if (s.percent.startsWith(u'+')) s.percent.remove(0, 1);
    s.simplest = m.hasMatch() && !m.captured(6).isEmpty();
    s.within = m.captured(7).isEmpty();
    // The words name the circuit and the number of parts the formula shows.
    const QString name = m.captured(1);
    const QString count = s.parts.size() == 1   ? QStringLiteral("一个")
                          : s.parts.size() == 2 ? QStringLiteral("两个")
                                                : QStringLiteral("三个");
    EXPECT_TRUE(name.startsWith(count) || grouped) << name.toStdString();
    return s;
}

Stated fromJson(const QJsonObject& o) {
    Stated s;
    s.circuit = o[QStringLiteral("circuit")].toString();
    s.shape = o[QStringLiteral("shape")].toString();
    for (const QJsonValue& p : o[QStringLiteral("parts_ohms")].toArray())
        s.parts << p.toString();
    s.value = o[QStringLiteral("value_ohms")].toString();
    s.percent = o[QStringLiteral("error_percent")].toString();
    s.simplest = o[QStringLiteral("simplest")].toBool();
    s.within = o[QStringLiteral("within_tolerance")].toBool();
    // Rounded exactly when the fraction differs from the decimal.
    const QStringList fraction = o[QStringLiteral("value_exact")].toString().split(u'/');
    EXPECT_EQ(fraction.size(), 2);
    if (fraction.size() == 2)
        s.rounded = whole(fraction[0]) * 1000 != milliohms(s.value) * whole(fraction[1]);
    // The text shows a rounded value to four significant digits of the exact one, halves up.
    if (s.rounded) {
        I128 n = whole(fraction[0]), d = whole(fraction[1]);
        int e = 0;
        for (; n < d * 1000; --e) n *= 10;
        for (; n >= d * 10000; ++e) d *= 10;
        const auto q = std::uint64_t(n / d + (2 * (n % d) >= d ? 1 : 0));
        s.value = QString::fromStdString(zq::model::Decimal::of(q, e).text());
    }
    return s;
}

struct Asked {
    const char* value;
    const char* have;
    const char* tolerance; // "" for the default
};

void PrintTo(const Asked& a, std::ostream* os) {
    *os << a.value << " from " << a.have << " " << a.tolerance;
}

class CombinationAnswers : public testing::TestWithParam<Asked> {};

TEST_P(CombinationAnswers, TextAndJsonStateTheSameCombinations) {
    const Asked& a = GetParam();
    QStringList line = words({"--colours", a.value, "--have", a.have});
    if (*a.tolerance) line << QStringLiteral("--tolerance") << QString::fromUtf8(a.tolerance);
    const auto text = ask(line);
    const auto json = ask(line + QStringList{QStringLiteral("--json")});
    ASSERT_EQ(text.exitStatus, 0) << text.err.toStdString();
    ASSERT_EQ(json.exitStatus, 0) << json.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
    ASSERT_TRUE(o[QStringLiteral("combinations")].isArray()) << json.out.toStdString();

    std::vector<Stated> saidInText, saidInJson;
    bool headed = false, noneWithin = false;
    for (const QString& l : text.out.split(u'\n')) {
        headed = headed || l.startsWith(QStringLiteral("用手头的电阻凑 "));
        noneWithin = noneWithin || (headed && l.contains(QStringLiteral("三个以内凑不进")));
        if (const auto m = kLine.match(l); m.hasMatch()) saidInText.push_back(fromText(m));
    }
    EXPECT_TRUE(headed) << text.out.toStdString();
    bool anyWithin = false;
    for (const QJsonValue& v : o[QStringLiteral("combinations")].toArray()) {
        saidInJson.push_back(fromJson(v.toObject()));
        anyWithin = anyWithin || v.toObject()[QStringLiteral("within_tolerance")].toBool();
    }
    EXPECT_EQ(saidInText, saidInJson);
    // One of one, two and three parts each, from a kit that is not empty.
    EXPECT_EQ(saidInJson.size(), 3u);
    // The simplest is the first within the tolerance, and there is one whenever any is.
    EXPECT_EQ(noneWithin, !anyWithin);
    int simplest = 0;
    bool earlierWithin = false;
    for (const QJsonValue& v : o[QStringLiteral("combinations")].toArray()) {
        const QJsonObject c = v.toObject();
        if (c[QStringLiteral("simplest")].toBool()) {
            ++simplest;
            EXPECT_TRUE(c[QStringLiteral("within_tolerance")].toBool());
            EXPECT_FALSE(earlierWithin);
        }
        earlierWithin = earlierWithin || c[QStringLiteral("within_tolerance")].toBool();
    }
    EXPECT_EQ(simplest, anyWithin ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Kits, CombinationAnswers,
    testing::Values(Asked{"4.5k", "E12", ""},    // two in series make it exactly
                    Asked{"1234.5", "E6", ""},   // a rounded parallel value
                    Asked{"1234.5", "e6", "棕"}, // the name of a series in any case
                    Asked{"1.111", "E6", "灰"},  // nothing comes within ±0.01 %
                    Asked{"7.77M", "E24", "红"}, // three parts, mixed circuits possible
                    Asked{"12345", "E6", "银"},  // one part 19 % off, two within ±10 %
                    Asked{"0.5", "E12", ""},     // below the smallest part
                    Asked{"3.8911", "E24", ""})); // three parts off by less than 0.005 %

// A kit file through the command line.
class KitFile : public testing::Test {
  protected:
    QTemporaryDir dir;
    QString write(const QByteArray& bytes) {
        const QString path = dir.filePath(QStringLiteral("kit%1.txt").arg(++count));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    zq::app::CommandLineAnswer have(const char* value, const QString& path, bool json = false) {
        QStringList line = words({"--colours", value, "--have"});
        line << path;
        if (json) line << QStringLiteral("--json");
        return ask(line);
    }
    int count = 0;
};

TEST_F(KitFile, TheSeriesWrittenToAFileAnswersAsTheSeries) {
    const auto values = zq::model::seriesKit(zq::model::ESeries::E12);
    const QString path = write(QByteArray::fromStdString(zq::model::kitText(values)));
    for (const char* value : {"4.5k", "1234.5", "7.77M"}) {
        const auto fromFile = have(value, path, true),
                   named = ask(words({"--colours", value, "--have", "E12", "--json"}));
        ASSERT_EQ(fromFile.exitStatus, 0) << fromFile.err.toStdString();
        QJsonObject a = QJsonDocument::fromJson(fromFile.out.toUtf8()).object(),
                    b = QJsonDocument::fromJson(named.out.toUtf8()).object();
        EXPECT_EQ(a[QStringLiteral("have")].toString(), path);
        EXPECT_EQ(a[QStringLiteral("combinations")], b[QStringLiteral("combinations")]) << value;
    }
}

TEST_F(KitFile, AKitOfOneValueUsesItOnceTwiceAndThreeTimes) {
    const QString path = write("4k7\n");
    const auto a = have("3k", path, true);
    ASSERT_EQ(a.exitStatus, 0) << a.err.toStdString();
    const QJsonArray c =
        QJsonDocument::fromJson(a.out.toUtf8()).object()[QStringLiteral("combinations")].toArray();
    ASSERT_EQ(c.size(), 3);
    for (int parts = 1; parts <= 3; ++parts) {
        const QJsonArray used = c[parts - 1].toObject()[QStringLiteral("parts_ohms")].toArray();
        EXPECT_EQ(used.size(), parts);
        for (const QJsonValue& v : used)
            EXPECT_EQ(v.toString(), QStringLiteral("4700"));
    }
    // 3 kΩ wanted: 4.7 kΩ ∥ (4.7 kΩ + 4.7 kΩ) = 3.1333… kΩ comes nearest of three parts.
    EXPECT_EQ(c[2].toObject()[QStringLiteral("value_exact")].toString(), QStringLiteral("9400/3"));
}

struct Broken {
    const char* name;
    QByteArray bytes;
    const char* saying; // part of the reason
};

TEST_F(KitFile, ABrokenOrEmptyFileIsRefusedInOneLineNamingTheLine) {
    const std::vector<Broken> broken{
        {"bad_value", "4.7k\n# comment\n4..7k\n", "第 3 行"},
        {"zero", "0\n", "第 1 行"},
        {"too_large", "10k\n2G\n", "第 2 行"},
        {"empty", "", "没有阻值"},
        {"only_comments", "# 我的电阻\n\n", "没有阻值"},
    };
    for (const Broken& b : broken) {
        const QString path = write(b.bytes);
        const auto a = have("4.5k", path);
        EXPECT_EQ(a.exitStatus, 2) << b.name;
        EXPECT_TRUE(a.out.isEmpty()) << b.name;
        EXPECT_TRUE(a.err.contains(QString::fromUtf8(b.saying)))
            << b.name << ": " << a.err.toStdString();
        EXPECT_TRUE(a.err.contains(path)) << b.name;
        EXPECT_EQ(a.err.trimmed().count(u'\n'), 0) << b.name;
        const auto j = have("4.5k", path, true);
        EXPECT_EQ(j.exitStatus, 2);
        EXPECT_FALSE(QJsonDocument::fromJson(j.out.toUtf8())
                         .object()[QStringLiteral("code")]
                         .toString()
                         .isEmpty())
            << b.name;
    }
    // The other side: the same lines made good are read.
    EXPECT_EQ(have("4.5k", write("4.7k\n# comment\n4.3k\n")).exitStatus, 0);
    for (const QString& path : {dir.filePath(QStringLiteral("missing.txt")), dir.path()}) {
        const auto unreadable = have("4.5k", path);
        EXPECT_EQ(unreadable.exitStatus, 2);
        EXPECT_TRUE(unreadable.err.startsWith(QStringLiteral("读不了套装文件“%1”：").arg(path)))
            << unreadable.err.toStdString();
    }
}

TEST_F(KitFile, AThousandValuesAreReadAndOneMoreIsRefused) {
    QByteArray most;
    for (int i = 1; i <= int(zq::model::kKitMostValues); ++i)
        most += QByteArray::number(i) + "\n";
    // The best single part for 1001 Ω is the thousandth line: the last one was read, not cut.
    EXPECT_TRUE(have("1001", write(most)).out.contains(QStringLiteral("一个电阻：1000.00Ω，")));
    const auto refused = have("1001", write(most + "1001\n"));
    EXPECT_EQ(refused.exitStatus, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("最多 1000 个"))) << refused.err.toStdString();
}

TEST(Have, NeedsColoursAndNamesItselfInHelp) {
    EXPECT_EQ(ask(words({"--have", "E12"})).exitStatus, 2);
    EXPECT_EQ(ask(words({"--smd", "472", "--have", "E12"})).exitStatus, 2);
    const QString help = ask(words({"--help"})).out;
    EXPECT_TRUE(help.contains(QStringLiteral("--have"))) << help.toStdString();
    // Without --have the answer has no combinations.
    const auto plainJson = ask(words({"--colours", "4.5k", "--json"}));
    EXPECT_FALSE(QJsonDocument::fromJson(plainJson.out.toUtf8())
                     .object()
                     .contains(QStringLiteral("combinations")));
    EXPECT_FALSE(ask(words({"--colours", "4.5k"})).out.contains(QStringLiteral("用手头的电阻凑")));
}

} // namespace
