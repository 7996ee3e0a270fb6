// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/decimal.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace zq::model {

inline constexpr std::size_t kMaxValueInput = 30; // characters

// A typed resistance: the exact value in ohms, or the one-line reason it cannot be read.
struct ValueInput {
    bool ok = false;
    Decimal ohms;
    std::string reason;
};

// Reads what people type and what shops print: "4.7k", "4k7", "470R", "R47", "1M5",
// "4.7 kΩ", "4700欧", "4.7千欧", full-width "４．７ｋ". The text is UTF-8.
// A comma is a decimal point only where the user's locale writes it so; elsewhere "1,000"
// could mean a thousand, and is refused.
ValueInput parseValue(std::string_view text, std::string_view localePoint = ".");

} // namespace zq::model
