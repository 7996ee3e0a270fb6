// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The practice window's sentences: the working of a part, its hints band by band, the question
// as a screen reader hears it, and each kind of mistake named apart from the others.
#include "wording/practice.h"

#include "model/colour_code.h"
#include "wording/words.h"

#include <gtest/gtest.h>
#include <set>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << s.toStdString();
}

namespace zq::wording {
namespace {

namespace practice = model::practice;
using namespace model::palette;
using practice::QuestionKind;

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Digits, multipliers and tolerances as IEC 60062 gives them; the product line in ohms and in
// the main window's form.
TEST(PracticeWords, TheWorkingGivesEachBandsMeaningAndTheProduct) {
    struct Row {
        std::vector<int> bands;
        std::vector<const char*> steps; // in reading order
        const char* product;
    };
    const Row rows[] = {
        {{kYellow, kViolet, kRed, kGold},
         {"第一环 黄 → 数字 4", "第二环 紫 → 数字 7", "第三环 红 → 倍率 ×100", "第四环 金 → 误差 ±5%"},
         "47 ×100 = 4700Ω = 4.70KΩ"},
        {{kBrown, kBlack, kBlack, kRed, kBrown},
         {"第一环 棕 → 数字 1", "第二环 黑 → 数字 0", "第三环 黑 → 数字 0", "第四环 红 → 倍率 ×100",
          "第五环 棕 → 误差 ±1%"},
         "100 ×100 = 10000Ω = 10.00KΩ"},
        {{kOrange, kWhite, kSilver},
         {"第一环 橙 → 数字 3", "第二环 白 → 数字 9", "第三环 银 → 倍率 ×0.01"},
         "39 ×0.01 = 0.39Ω"},
    };
    for (const Row& r : rows) {
        const auto q = practice::questionOfPart(QuestionKind::ReadValue, r.bands);
        ASSERT_TRUE(q);
        const QStringList lines = workingText(*q).split(u'\n');
        SCOPED_TRACE(workingText(*q).toStdString());
        qsizetype at = 0;
        for (const char* step : r.steps) {
            const qsizetype i = lines.indexOf(u("　") + u(step));
            EXPECT_GT(i, at - 1) << step << " in its place";
            at = i + 1;
        }
        EXPECT_TRUE(lines.contains(u(r.product))) << r.product;
        // Each band a line of its own; hints after the rule one band at a time, the digits and
        // the multiplier.
        EXPECT_EQ(hintCount(*q), 1 + (r.bands.size() >= 5 ? 4 : 3));
        for (int h = 2; h <= hintCount(*q); ++h)
            EXPECT_TRUE(hintText(*q, h).startsWith(bandOrdinal(h - 1))) << hintText(*q, h).toStdString();
        EXPECT_TRUE(hintText(*q, hintCount(*q) + 1).isEmpty());
    }
}

TEST(PracticeWords, ATurnedPartSaysWhereToStartAndIsSpokenFromTheLeft) {
    for (const bool reversed : {false, true}) {
        const auto q = practice::questionOfPart(QuestionKind::ReadValue,
                                                {kYellow, kViolet, kRed, kGold}, reversed);
        ASSERT_TRUE(q);
        EXPECT_EQ(workingText(*q).startsWith(u("从右端读起")), reversed);
        const QString spoken = questionSpoken(*q);
        const QString left = reversed ? u("第一环：金色，隔开，第二环：红色") : u("第一环：黄色，第二环：紫色");
        EXPECT_TRUE(spoken.contains(left)) << spoken.toStdString();
    }
}

TEST(PracticeWords, EveryKindOfMistakeIsNamedApart) {
    const auto q = practice::questionOfPart(QuestionKind::ReadValue, {kYellow, kViolet, kRed, kGold});
    ASSERT_TRUE(q);
    std::set<QString> names, sentences;
    for (const practice::MistakeKind k : practice::kAllMistakeKinds) {
        names.insert(mistakeKindName(k));
        practice::Mistake m{k, 3, kRed, kOrange, 1, 1000};
        sentences.insert(mistakeText(*q, m));
    }
    for (const QuestionKind k : practice::kAllQuestionKinds)
        names.insert(questionKindName(k));
    EXPECT_EQ(names.size(), std::size_t(practice::kMistakeKinds + practice::kQuestionKinds));
    EXPECT_EQ(sentences.size(), std::size_t(practice::kMistakeKinds));
    EXPECT_FALSE(names.count(QString()));
}

} // namespace
} // namespace zq::wording
