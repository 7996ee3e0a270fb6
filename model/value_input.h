// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/decimal.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zq::model {

inline constexpr std::size_t kMaxValueInput = 30; // characters

// A typed resistance: the exact value in ohms, or the one-line reason it cannot be read.
struct ValueInput {
    bool ok = false;
    Decimal ohms;
    std::string reason;
    // One line to show beside an accepted value when it was read in a way the user may not
    // have meant (a small m taken for mega); empty otherwise.
    std::string note;
};

// Reads what people type and what shops print: "4.7k", "4k7", "470R", "R47", "1M5",
// "4.7 kΩ", "4700欧", "4.7千欧", "4.7千", "4千7", full-width "４．７ｋ", "4。7k". The text is
// strict UTF-8; no-break and thin spaces are spaces, zero-width characters and direction marks
// are ignored, control characters are refused. Anything after the unit is refused by name.
// A comma is a decimal point only where the user's locale writes it so; elsewhere "1,000"
// could mean a thousand, and is refused.
ValueInput parseValue(std::string_view text, std::string_view localePoint = ".");

// The tolerance colour (palette index) a text names: a colour by any of its names (the colour
// is returned even where the tolerance band refuses it, so that the refusal can say why), or
// a per cent such as "5%", "±5%", "+-0.5%", "±１％" that the tolerance band carries in the
// program's own table. nullopt for anything else.
std::optional<int> toleranceColourOf(std::string_view text);

} // namespace zq::model
