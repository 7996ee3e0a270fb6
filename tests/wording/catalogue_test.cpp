// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Places in a catalogue text are filled as the desktop's translations expect them to be.
#include "wording/catalogue.h"

#include <gtest/gtest.h>

namespace zq::wording {
namespace {

TEST(Phrase, EachArgFillsTheLowestPlacesLeftAndSeveralFillInOnePass) {
    const struct {
        Phrase filled;
        const char* expected;
    } cases[] = {
        {Phrase("%2 或 %1").arg("甲").arg("乙"), "乙 或 甲"},
        {Phrase("%1 + %1 = %2").arg(2).arg(4), "2 + 2 = 4"},
        {Phrase("%1%").arg("5"), "5%"},
        {Phrase("%10 %9").arg("九"), "%10 九"},   // two digits make one place
        {Phrase("%L1 个").arg(3), "3 个"},        // a locale mark is a place too
        {Phrase("%1").arg("%2").arg("x"), "x"},   // one at a time: a filled "%2" is a place
        {Phrase("%1 %2").arg("%2", "y"), "%2 y"}, // all at once: it is not
        {Phrase("%1 %3").arg("a", "b"), "a b"},   // the lowest places, whatever their numbers
        {Phrase("%1 %2 %3").arg("a", "b"), "a b %3"},
        {Phrase("没有位置").arg("x"), "没有位置"},
        {Phrase("% 1 %x").arg("y"), "% 1 %x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.filled, c.expected);
}

TEST(Translation, TextsComeFromTheInstalledCatalogueElseAsWritten) {
    EXPECT_EQ(translate("Ctx", "你好"), "你好");
    installTranslator([](const char* context, const char* source, const char*) {
        return std::string(context) + "/" + source;
    });
    EXPECT_EQ(translate("Ctx", "你好 %1").arg("甲"), "Ctx/你好 甲");
    installTranslator(nullptr);
    EXPECT_EQ(translate("Ctx", "你好"), "你好");
}

} // namespace
} // namespace zq::wording
