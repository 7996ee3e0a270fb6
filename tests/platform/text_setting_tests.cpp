// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Choosing the face that stands in for a design's, and setting texts in the design's measure.
#include "platform/program.h"
#include "platform/text_setting.h"
#include "tests/support/ui_test.h"

#include <QFontDatabase>
#include <QSet>

using namespace zq;

namespace {

struct Machine {
    const char* what;
    QStringList installed; // family names this machine answers to
    QString chosen;
    int queries; // names asked about before the answer
};

} // namespace

TEST(StandInFaces, SongIsTheFirstInstalledInTheFixedOrderAskingOneNameAtATime) {
    const Machine machines[] = {
        {"everything",
         {"WenQuanYi Zen Hei", "Noto Sans CJK SC", "AR PL UMing CN", "Noto Serif CJK SC",
          "Droid Sans Fallback"},
         "AR PL UMing CN",
         1},
        {"Ming in its Taiwan cut only",
         {"AR PL UMing TW", "WenQuanYi Zen Hei"},
         "AR PL UMing TW",
         2},
        {"Noto serif and sans", {"Noto Sans CJK SC", "Noto Serif CJK SC"}, "Noto Serif CJK SC", 4},
        {"Noto sans and WenQuanYi",
         {"WenQuanYi Zen Hei", "Noto Sans CJK SC"},
         "Noto Sans CJK SC",
         6},
        {"WenQuanYi", {"WenQuanYi Zen Hei"}, "WenQuanYi Zen Hei", 8},
        {"WenQuanYi under its Chinese name only", {"文泉驿正黑"}, "文泉驿正黑", 9},
        {"WenQuanYi under its traditional name only", {"文泉驛正黑"}, "文泉驛正黑", 10},
        {"Droid only", {"Droid Sans Fallback"}, "Droid Sans Fallback", 14},
        {"no Chinese face", {"DejaVu Sans"}, "", 14},
    };
    for (const Machine& m : machines) {
        int asked = 0;
        const QString got = firstInstalled(standInsFor("宋体"), [&](const QString& name) {
            ++asked;
            return m.installed.contains(name);
        });
        EXPECT_EQ(got, m.chosen) << m.what;
        EXPECT_EQ(asked, m.queries) << m.what;
    }
}

TEST(StandInFaces, TahomaFallsBackToDejaVuAndOtherFacesHaveNoStandIns) {
    int asked = 0;
    EXPECT_EQ(firstInstalled(standInsFor("Tahoma"),
                             [&](const QString& n) { return ++asked, n == "DejaVu Sans"; }),
              "DejaVu Sans");
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(standInsFor("Arial").empty());
    EXPECT_EQ(installedFaceFor("Arial"), "Arial");
}

TEST(StandInFaces, TheChosenSongFaceIsWhatQtDrawsWith) {
    const QString face = installedFaceFor("宋体");
    if (face.isEmpty()) GTEST_SKIP() << "no Chinese face on this machine";
    EXPECT_TRUE(QFontDatabase::hasFamily(face)) << face.toStdString();
    EXPECT_EQ(installedFaceFor("宋体"), face) << "the same answer every time";
}

TEST(SongMeasure, ChineseIsOneEmAndAsciiHalfAsTheHelpTextIsMeasured) {
    const struct {
        QString line;
        double width;
    } cases[] = {
        {"色环电阻在电子产品已经广泛使用，对于初学电子技术的人来说，色环电阻的阻值是多少,", 474},
        {"V1.1将V1.0中选色环颜色的下拉列表框,改成了色块,这样更加直观,方便。V1.1和V1.0一样", 474},
        {"如：472 表示 47×100Ω（即4.7K）； 104则表示100Kb、色环标注法使用最多，现举例如", 474},
        {"下：四色环电阻，五色环电阻(精密电阻，主要用在仪器，仪表等要求误差小，精度高的电路中)",
         504},
        {"", 0},
        {"𠀀a", 18}, // a character beyond the basic plane is one character
    };
    for (const auto& c : cases)
        EXPECT_EQ(songMeasureWidth(c.line, 12), c.width) << c.line.toStdString();
}

namespace {

SetFont song(int px, bool bold = false) {
    QFont f(installedFaceFor("宋体"));
    f.setPixelSize(px);
    f.setBold(bold);
    return {f, true};
}

} // namespace

TEST(SongMeasure, SpacesAreHalfAnEmSoIndentedLinesStayUnderTheirLabel) {
    for (int px : {12, 14, 19}) {
        const SetFont f = song(px);
        const LineMetrics m = lineMetrics(f, f.font);
        const auto lines = layOutText(QStringLiteral("电子邮件地址： mail@zelquin.example\r\n"
                                                     "               help@zelquin.example"),
                                      f, f.font, m, 1000, false, false);
        ASSERT_EQ(lines.size(), 2u);
        ASSERT_EQ(lines[0].words.size(), 2u);
        ASSERT_EQ(lines[1].words.size(), 1u);
        EXPECT_NEAR(lines[0].words[1].first, 7.5 * px, 0.01) << px;
        EXPECT_NEAR(lines[1].words[0].first, lines[0].words[1].first, 0.01) << px;
    }
}

TEST(SongMeasure, LinesAreOneEmApartWithTheCharactersInsideTheirLine) {
    for (int px : {12, 14, 19, 21}) {
        const SetFont f = song(px, px > 12);
        const LineMetrics m = lineMetrics(f, f.font);
        EXPECT_EQ(m.step, px);
        EXPECT_GT(m.baseline, px / 2) << px;
        EXPECT_LE(m.baseline, px) << px;
        const auto lines = layOutText("一\n\n三", f, f.font, m, 100, true, false);
        ASSERT_EQ(lines.size(), 3u);
        for (size_t k = 0; k < lines.size(); ++k)
            EXPECT_EQ(lines[k].origin.y(), double(k) * px + m.baseline) << px << " line " << k;
    }
}

TEST(SongMeasure, ALineTheDesignFitsIsCondensedToFitAndOneItWrapsIsLeftToWrap) {
    const SetFont f = song(12);
    const QString fits =
        QStringLiteral("使用平台：Win9x/Me/NT/2000/XP/Vista/7"); // 222 in the design
    const QFont fitted = fitLines(f, {fits}, 225);
    EXPECT_LE(lineWidth(fits, fitted, true), 225);
    if (lineWidth(fits, f.font, true) <= 225) {
        EXPECT_EQ(fitted.stretch(), f.font.stretch()) << "a face that fits is left alone";
    }

    // Twice as wide as the room even in the design: the wrapping takes it, not the stretch.
    const QString wraps = fits + fits;
    EXPECT_EQ(fitLines(f, {wraps}, 225).stretch(), f.font.stretch());
    const LineMetrics m = lineMetrics(f, fitted);
    const auto lines = layOutText(wraps, f, fitted, m, 225, true, false);
    EXPECT_GE(lines.size(), 2u);
    for (const SetLine& l : lines)
        EXPECT_LE(l.width, 225 + 0.01) << l.text.toStdString();
}

TEST(SongMeasure, CentredLinesShareTheRoomEvenly) {
    const SetFont f = song(14);
    const LineMetrics m = lineMetrics(f, f.font);
    const auto lines = layOutText("×10", f, f.font, m, 59, false, true);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NEAR(lines[0].origin.x() * 2 + lines[0].width, 59, 0.01);
}
