// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The sentences of a chip resistor's printed code: its readings, what they mean, the note on a
// code that reads two ways and why a code cannot be read. Values with their unit are written by
// ohms(); the arithmetic keeps the raw product in ohms where it teaches the sum ("4700Ω") and
// follows it with the main window's form where that takes another unit ("= 4.70KΩ").
#include "model/numbers.h"
#include "model/smd.h"
#include "wording/catalogue.h"

#include <string>
#include <string_view>
#include <vector>

namespace zq::wording {

// "47 × 10² = 4700Ω = 4.70KΩ", "68 → 499，499 × 0.1 = 49.9Ω", "R 当小数点 → 4.7Ω".
std::string chipArithmetic(const model::SmdReading& r, const model::DecimalFormat& fmt = {});

// "472 = 4.70KΩ：47 × 10² = 4700Ω = 4.70KΩ", with the kind named where the code reads two ways.
std::string chipLine(const model::SmdAnswer& a, const model::SmdReading& r,
                     const model::DecimalFormat& fmt = {});

// One sentence for a beginner on how the reading comes about.
std::string chipExplanation(const model::SmdAnswer& a, const model::SmdReading& r,
                            const model::DecimalFormat& fmt = {});

// The note on a code that reads two ways, and its stable code ("two-readings",
// "two-readings-same-value"); empty where the code reads one way.
std::string chipNote(const model::SmdAnswer& a, const model::DecimalFormat& fmt = {});
std::string_view chipNoteCode(const model::SmdAnswer& a);

// Why the code cannot be read, one line; empty when it was read.
std::string chipReason(const model::SmdAnswer& a, const model::DecimalFormat& fmt = {});

// What follows the readings: the note where there is one, else the first reading's explanation.
std::string chipComment(const model::SmdAnswer& a, const model::DecimalFormat& fmt = {});

// The reading window's line of bands: "同样的阻值用色环：四环 棕 黑 橙 棕；五环 …"; empty with
// neither.
std::string chipBandsLine(const std::vector<int>& four, const std::vector<int>& five);

// The terminal's answer: each reading's line, "说明：" with the comment, then each band list.
std::string chipAnswerText(const model::SmdAnswer& a, const std::vector<int>& four,
                           const std::vector<int>& five, const model::DecimalFormat& fmt = {});

} // namespace zq::wording
