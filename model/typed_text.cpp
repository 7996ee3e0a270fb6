// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/typed_text.h"

#include <algorithm>
#include <array>

namespace zq::model::typed {

namespace {

constexpr const char* kHex = "0123456789ABCDEF";

std::string hexByte(unsigned char b) {
    return std::string("0x") + kHex[b >> 4] + kHex[b & 15];
}

bool in(char32_t c, char32_t first, char32_t last) {
    return c >= first && c <= last;
}

bool isContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// How many bytes a lead byte claims by its bit pattern, whether or not it may lead.
std::size_t claimed(unsigned char b) {
    return b >= 0xC0 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF7 ? 4 : 1;
}

} // namespace

Decoded decode(std::string_view s) {
    Decoded out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t len = claimed(b);
        // The lead byte and the range of the second byte shut out overlong forms, surrogates and
        // code points past U+10FFFF.
        unsigned char lo = 0x80, hi = 0xBF;
        bool whole = len == 1 ? b < 0x80 : b >= 0xC2 && b <= 0xF4;
        if (b == 0xE0) lo = 0xA0;
        if (b == 0xED) hi = 0x9F;
        if (b == 0xF0) lo = 0x90;
        if (b == 0xF4) hi = 0x8F;
        whole = whole && i + len <= s.size();
        char32_t c = len == 1 ? b : b & (0x7F >> len);
        for (std::size_t k = 1; whole && k < len; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            whole = k == 1 ? next >= lo && next <= hi : isContinuation(next);
            c = (c << 6) | (next & 0x3F);
        }
        if (!whole) {
            out.chars.clear();
            out.broken = hexByte(b);
            for (std::size_t k = i + 1;
                 k < s.size() && k < i + len && isContinuation(static_cast<unsigned char>(s[k]));
                 ++k)
                out.broken += " " + hexByte(static_cast<unsigned char>(s[k]));
            return out;
        }
        out.chars += c;
        i += len;
    }
    return out;
}

std::string encode(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::string encode(std::u32string_view s) {
    std::string out;
    for (const char32_t c : s)
        out += encode(c);
    return out;
}

bool isSpace(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == 0x00A0 || c == 0x1680 ||
           in(c, 0x2000, 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000;
}

bool isControl(char32_t c) {
    return (c < 0x20 && c != U'\t' && c != U'\n' && c != U'\r') || in(c, 0x7F, 0x9F);
}

bool isUnseenMark(char32_t c) {
    // The format characters of Unicode 15 (general category Cf).
    struct Range {
        char32_t from, to;
    };
    static constexpr std::array<Range, 21> kFormat{{
        {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},
        {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},
        {0x200B, 0x200F},   {0x202A, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},
        {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
        {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
        {0xE0020, 0xE007F},
    }};
    return std::any_of(kFormat.begin(), kFormat.end(),
                       [c](const Range& r) { return in(c, r.from, r.to); });
}

char32_t narrowed(char32_t c) {
    return in(c, 0xFF01, 0xFF5E) ? c - 0xFEE0 : c;
}

bool showsItself(char32_t c) {
    // Blocks the fonts of a Chinese desktop draw, each character on its own; the gaps leave out
    // the soft hyphen, combining marks, spaces, joiners and line separators. What is not listed
    // is named by its code point: that is never wrong, only less friendly.
    struct Range {
        char32_t from, to;
    };
    static constexpr std::array<Range, 31> kShown{{
        {0x0021, 0x007E},                   // ASCII
        {0x00A1, 0x00AC},                   // Latin-1 signs, without the soft hyphen
        {0x00AE, 0x024F},                   // Latin-1 letters, Latin Extended (pinyin with tones)
        {0x0370, 0x03FF},                   // Greek: Ω
        {0x0400, 0x04FF},                   // Cyrillic
        {0x05D0, 0x05EA},                   // Hebrew letters, without the points
        {0x0621, 0x064A},                   // Arabic letters, without the vowel marks
        {0x0660, 0x0669}, {0x06F0, 0x06F9}, // Arabic-Indic digits, both forms
        {0x0966, 0x096F},                   // Devanagari digits
        {0x0E50, 0x0E59},                   // Thai digits
        {0x2010, 0x2027},                   // dashes, quotes, bullets
        {0x2030, 0x205E},                   // per mille, primes
        {0x2070, 0x2071},                   // superscripts and subscripts
        {0x2074, 0x208E}, {0x20A0, 0x20C0}, // currency
        {0x2100, 0x218B},                   // letterlike (the ohm sign), fractions, Roman numerals
        {0x2190, 0x22FF},                   // arrows, mathematical operators
        {0x2460, 0x24FF},                   // circled numbers
        {0x2600, 0x27BF},                   // symbols and dingbats (☺, ✓)
        {0x3001, 0x3029},                   // CJK punctuation, without its combining tone marks
        {0x3030, 0x303F}, {0x3041, 0x3096}, // kana, without the combining sound marks
        {0x309B, 0x30FF}, {0x3400, 0x4DBF}, // CJK extension A
        {0x4E00, 0x9FFF},                   // CJK ideographs
        {0xF900, 0xFA6D},                   // CJK compatibility ideographs
        {0xFA70, 0xFAD9}, {0xFF01, 0xFF60}, // full-width forms
        {0xFFE0, 0xFFE6},                   // full-width signs
        {0xFFE8, 0xFFEE},                   // half-width signs
    }};
    // Emoji stand alone as pictures: pictographs, emoticons, transport, supplemental.
    static constexpr std::array<Range, 4> kPictographs{
        {{0x1F300, 0x1F5FF}, {0x1F600, 0x1F64F}, {0x1F680, 0x1F6FF}, {0x1F900, 0x1F9FF}}};
    const auto holds = [c](const Range& r) { return in(c, r.from, r.to); };
    return std::any_of(kShown.begin(), kShown.end(), holds) ||
           std::any_of(kPictographs.begin(), kPictographs.end(), holds);
}

std::string codePoint(char32_t c) {
    std::string hex;
    for (char32_t v = c; v != 0 || hex.size() < 4; v >>= 4)
        hex.insert(hex.begin(), kHex[v & 15]);
    return "U+" + hex;
}

std::string shown(char32_t c) {
    return showsItself(c) ? encode(c) : codePoint(c);
}

std::string shown(std::u32string_view s) {
    std::string out;
    for (const char32_t c : s) {
        if (c == U' ') {
            if (!out.empty() && out.back() != ' ') out += ' ';
            continue;
        }
        const bool code = !showsItself(c);
        if (code && !out.empty() && out.back() != ' ') out += ' ';
        out += shown(c);
        if (code) out += ' ';
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

} // namespace zq::model::typed
