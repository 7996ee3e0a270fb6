// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/colour_code.h"
#include "model/decimal.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zq::model {

inline constexpr std::size_t kMaxValueInput = 30; // characters

// Why a typed resistance cannot be read.
enum class InputRefusal {
    None,
    BrokenText,       // `quoted`: the first sequence that is not UTF-8, "0xC0 0xAE"
    ControlCharacter, // `quoted`: its code point, "U+0007"
    UnseenCharacter,  // `quoted`: the code point of a format character, "U+202E"
    TooLong,          // longer than kMaxValueInput characters
    Empty,
    Negative,
    TwoPoints,
    PointAndLetter, // a point and a multiplier both standing for the point: "4k7.5"
    Comma,          // a comma where the locale's point is not one
    TwoLetters,     // two multipliers: "4k7k"
    NotAUnit,       // `quoted`: the character that is no unit
    AfterTheUnit,   // `quoted`: what was read; `extra`: what follows it
    NoDigits,
    Milliohms, // `quoted`: the whole text; no colour-coded part is measured in milliohms
};

// What the reader took in a way the user may not have meant.
enum class InputNote {
    None,
    MilliohmReadAsMegohm, // a small m alone is read as mega; `ohms` holds the value
};

// The machine codes of the above, as --json prints them beside their sentences.
std::string_view codeOf(InputRefusal r);
std::string_view codeOf(InputNote n);

// A typed resistance: the exact value in ohms, or why it cannot be read. Quoted text is the
// user's own, as a reason may show it (see typed::shown).
struct ValueInput {
    bool ok = false;
    Decimal ohms;
    InputRefusal refusal = InputRefusal::None;
    std::string quoted, extra;
    InputNote note = InputNote::None;
};

// Reads what people type and what shops print: "4.7k", "4k7", "470R", "R47", "1M5",
// "4.7 kΩ", "4700欧", "4.7千欧", "4.7千", "4千7", full-width "４．７ｋ", "4。7k". The text is
// strict UTF-8; no-break and thin spaces are spaces; control characters are refused, and so are
// format characters (zero-width, direction marks), which would make the text read otherwise
// than it shows. Anything after the unit is refused by name.
// A comma is a decimal point only where the user's locale writes it so; elsewhere "1,000"
// could mean a thousand, and is refused. A small m before the ohm ("5mΩ") or milli in words
// is refused: colour-coded parts have no milliohms; a small m alone is a lazy M.
ValueInput parseValue(std::string_view text, std::string_view localePoint = ".");
// The way back, as people write a value and parseValue reads it: 4.7k, 470, 0.47, 1M, 1.5G.
std::string typedForm(const Decimal& ohms);

// A tolerance band as chosen: its colour, and whether it stands for the precision figure
// IEC 60062:2016 gives the colour rather than the program's own table (the main window's).
struct Tolerance {
    int colour = palette::kGold; // palette index
    bool iec = false;
    Tolerance() = default;
    Tolerance(int c, bool i = false) : colour(c), iec(i) {} // NOLINT: a colour is a tolerance
    friend bool operator==(const Tolerance&, const Tolerance&) = default;
};

// The tolerance a text names: a colour by any of its names, or a per cent such as "5%",
// "±5%", "+-0.5%", "±１％". Colours mean what IEC 60062:2016 gives them; those it gives
// otherwise than the main window's table or alone (orange ±0.05%, yellow ±0.02%, grey ±0.01%,
// blue ±0.25%) come with `iec`, and the table's blue ±0.2% names no colour here. A colour the
// band never takes is returned too, so that the refusal can say why.
// nullopt for anything else.
std::optional<Tolerance> readTolerance(std::string_view text);

// A value with its tolerance typed after it, apart by a space: "4.7k ±0.05%", "470 5%",
// "4.7k 灰". `value` is the value alone, `valueText` the text that gave it; a text that reads as
// a value by itself has no tolerance; one that reads neither way is refused as a value.
struct ValueAndTolerance {
    ValueInput value;
    std::optional<Tolerance> tolerance;
    std::string valueText;
};
ValueAndTolerance parseValueAndTolerance(std::string_view text, std::string_view localePoint = ".");

} // namespace zq::model
