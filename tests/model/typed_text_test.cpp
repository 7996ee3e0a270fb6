// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The text handling both readers share: strict UTF-8 at its edges, and quoting that never
// leaves the user looking at nothing.
#include "model/typed_text.h"

#include <gtest/gtest.h>

namespace zq::model::typed {
namespace {

TEST(TypedText, DecodesWholeUtf8UpToItsEdgesAndBackAgain) {
    for (const char* text : {"4.7千欧", "４．７ｋ", "\xE0\xA0\x80", "\xED\x9F\xBF", "\xEE\x80\x80",
                             "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF", ""}) {
        const Decoded d = decode(text);
        EXPECT_TRUE(d.broken.empty()) << d.broken;
        EXPECT_EQ(encode(d.chars), text);
    }
    EXPECT_EQ(decode("4.7千欧").chars, U"4.7千欧");
    EXPECT_EQ(decode("\xF4\x8F\xBF\xBF").chars, U"\U0010FFFF");
}

TEST(TypedText, NamesTheFirstBrokenSequenceByItsBytes) {
    struct Row {
        const char* text;
        const char* broken;
    };
    for (const Row& r : {
             Row{"\xC0\xAE", "0xC0 0xAE"},                   // overlong "."
             Row{"\xE0\x9F\xBF", "0xE0 0x9F 0xBF"},          // overlong U+07FF
             Row{"\xED\xA0\x80", "0xED 0xA0 0x80"},          // surrogate
             Row{"\xF4\x90\x80\x80", "0xF4 0x90 0x80 0x80"}, // past U+10FFFF
             Row{"\xF5\x80\x80\x80", "0xF5 0x80 0x80 0x80"}, // past U+10FFFF by its lead
             Row{"4\xE4\xB8", "0xE4 0xB8"},                  // cut at the end
             Row{"\xE4\xB8"
                 "7\xFF",
                 "0xE4 0xB8"},            // cut by a digit; the first only
             Row{"\x80\x80\x80", "0x80"}, // a stray follower is alone
             Row{"\xC3\xA9\xFE", "0xFE"},
         }) {
        const Decoded d = decode(r.text);
        EXPECT_EQ(d.broken, r.broken) << r.broken;
        EXPECT_TRUE(d.chars.empty()) << r.broken;
    }
}

TEST(TypedText, QuotesWhatDoesNotShowByItsCodePoint) {
    struct Row {
        std::u32string_view text;
        const char* shown;
    };
    for (const Row& r : {
             Row{U"4.7千欧 ±5%", "4.7千欧 ±5%"}, // a plain space between words stays one
             Row{U"4.7kΩ\u2028x", "4.7kΩ U+2028 x"},
             Row{U"\u200B", "U+200B"},
             Row{U"\u00A0", "U+00A0"},
             Row{U"\x07", "U+0007"},
             Row{U"e\u0301", "e U+0301"},
             Row{U"\U000E0041", "U+E0041"},
             Row{U"\uE000", "U+E000"},
             Row{U"ǎА", "ǎА"},
         })
        EXPECT_EQ(shown(r.text), r.shown) << r.shown;
}

// What any desktop font draws on its own is quoted as itself, whatever its script; what joins,
// combines or hides is not.
TEST(TypedText, VisibleCharactersOfEveryScriptShowThemselves) {
    for (const char32_t c : {U'😀', U'🚀', U'🤖', U'٤', U'۴', U'א', U'ب', U'४', U'๔', U'✓', U'☺'})
        EXPECT_TRUE(showsItself(c)) << codePoint(c);
    for (const char32_t c : {char32_t(0x064B), char32_t(0x05B0), char32_t(0x200D), char32_t(0xFE0F),
                             char32_t(0x1F1E8), char32_t(0xE000), char32_t(0x0301)})
        EXPECT_FALSE(showsItself(c)) << codePoint(c);
    EXPECT_EQ(shown(U"4😀7"), "4😀7");
}

TEST(TypedText, NothingUnseenShowsItself) {
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (isSpace(c) || isControl(c) || isUnseenMark(c)) {
            ASSERT_FALSE(showsItself(c)) << codePoint(c);
        }
    }
}

// Every format character (Cf) is unseen, each range to its edge; its neighbours are not.
TEST(TypedText, FormatCharactersAreUnseenToTheEdgesOfTheirRanges) {
    const char32_t unseen[] = {0x00AD, 0x061C, 0x200B, 0x200F, 0x202A, 0x202E, 0x2060, 0x2064,
                               0x2066, 0x206F, 0xFEFF, 0xFFFB, 0x1343F, 0xE0001, 0xE007F};
    const char32_t seen[] = {0x00AC, 0x200A, 0x2010, 0x2029, 0x202F, 0x2065,
                             0x2070, 0xFEFE, 0xFFFC, 0x13440, 0xE0080, U'k'};
    for (const char32_t c : unseen)
        EXPECT_TRUE(isUnseenMark(c)) << codePoint(c);
    for (const char32_t c : seen)
        EXPECT_FALSE(isUnseenMark(c)) << codePoint(c);
}

} // namespace
} // namespace zq::model::typed
