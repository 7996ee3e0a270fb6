// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The words every answer shares. Texts come from the catalogue: each source text is written
// once, inside translate() or ZQ_TRANSLATE_NOOP, where lupdate finds it.
#include "model/change.h"
#include "model/decimal.h"
#include "model/e_series.h"
#include "model/numbers.h"
#include "wording/catalogue.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zq::wording {

// The one writer of a value with its unit, by the main window's rule: the largest unit the
// value exceeds, two decimals at least, "4.70KΩ", "1000.00Ω", "4.465KΩ".
std::string ohms(const model::Decimal& value, const model::DecimalFormat& fmt = {});
// A result after its working: "= 4.50KΩ" when exact, else "≈" and four significant digits in
// the value's unit, "≈ 4.489KΩ", "≈ 33.33Ω"; one sign, never two.
std::string resultOhms(const model::Decimal& value, bool exact,
                       const model::DecimalFormat& fmt = {});
// A range of values: "4.465KΩ ～ 4.935KΩ".
std::string ohmsRange(const model::Decimal& low, const model::Decimal& high,
                      const model::DecimalFormat& fmt = {});

// "棕色", and "棕" as lists of bands write it.
std::string colourName(int paletteIndex);
std::string shortName(int paletteIndex);
// "黄 紫 红 金".
std::string shortNames(std::span<const int> colours);

// "第一环" … "第六环".
std::string bandOrdinal(int band);
// A band and its colour, as a screen reader names a band: "第一环：红色".
std::string bandColourName(int band, int paletteIndex);

// "±0.5%": tolerances are written with "." in every locale, as the main window has them.
std::string tolerance(int hundredths);

// "+3.13%", "-4.26%", "0.00%" from hundredths of a per cent, with the user's point.
std::string signedPercent(std::int64_t hundredths, const model::DecimalFormat& fmt = {});
// The same for a change; one that the hundredths round to nothing is written to two
// significant digits, "+0.0000037%", so that only an exact match reads 0.00%.
std::string signedPercent(const model::Change& change, const model::DecimalFormat& fmt = {});

// Series as a list: "E24/E96" where values are labelled, "E24 或 E96" in a sentence.
std::string seriesLabel(const std::vector<model::ESeries>& series);
std::string seriesAlternatives(const std::vector<model::ESeries>& series);

// A text a reason quotes: “…”, cut short past `shown` characters.
std::string quoted(const std::string& text, int shown = 12);

// The refusal of a colour name nobody gives a band, quoted so that it shows and stays short.
std::string notAColour(const std::string& typed);

} // namespace zq::wording
