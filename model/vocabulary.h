// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The words people type, as the readers of typed text look them up. Nothing here is shown: the
// sentences that answer are written in wording/.
#include <string_view>

namespace zq::model::vocabulary {

// A multiplier after a number, or standing for its point ("4.7千", "4千7").
struct MultiplierWord {
    char32_t word;
    int power; // the multiplier is 10^power
};
inline constexpr MultiplierWord kMultiplierWords[] = {{U'千', 3}, {U'兆', 6}, {U'吉', 9}};

// The ohm itself, after an optional multiplier; longest first, lower case.
inline constexpr std::u32string_view kOhmWords[] = {U"欧姆", U"欧", U"ohms", U"ohm", U"Ω"};

// Milli, which no colour-coded part is measured in ("5毫欧").
inline constexpr char32_t kMilliWord = U'毫';

} // namespace zq::model::vocabulary
