// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// What the readers of typed text share: strict UTF-8, the characters an input method or a paste
// brings along, and a way to quote a refused character so that the user sees what it was.
namespace zq::model::typed {

struct Decoded {
    std::u32string chars; // the whole text; empty where it is broken
    // The first sequence that is not UTF-8 as "0xC0 0xAE": its lead byte and the continuation
    // bytes it claims. Empty when the text is whole. Never the raw bytes, which would not show.
    std::string broken;
};

// Strict UTF-8: overlong forms, surrogates, code points past U+10FFFF and cut sequences are
// broken.
Decoded decode(std::string_view utf8);

std::string encode(char32_t c);
std::string encode(std::u32string_view s);

// Tab, line ends and every space separator (no-break, thin, ideographic…).
bool isSpace(char32_t c);

// C0 and C1 controls other than the tab and line ends, which count as spaces.
bool isControl(char32_t c);

// The format characters (Unicode's Cf): zero-width characters, direction marks, the byte-order
// mark, the soft hyphen… Pasted text carries them unseen.
bool isUnseenMark(char32_t c);

// A full-width ASCII form from a Chinese input method ("４", "ｋ", "．") as plain ASCII; any
// other character as it is.
char32_t narrowed(char32_t c);

// Whether a reason may quote the character as it is: only characters that surely show on their
// own (no spaces, controls, joiners, combining marks or private use).
bool showsItself(char32_t c);

// "U+200B".
std::string codePoint(char32_t c);

// A character as a reason quotes it: itself where it shows, else its code point.
std::string shown(char32_t c);

// A text as a reason quotes it: plain spaces stay, and each code point stands apart from its
// neighbours ("4.7kΩ U+2028 x").
std::string shown(std::u32string_view s);

} // namespace zq::model::typed
