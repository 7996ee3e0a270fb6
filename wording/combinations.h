// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The sentences of making a value from the parts a user has, for the window and the terminal.
#include "model/combinations/combinations.h"
#include "model/combinations/kit_file.h"
#include "model/numbers.h"
#include "wording/catalogue.h"

#include <string>

namespace zq::wording {

// "一个电阻", "两个串联", "两个并联", "三个串联", "三个并联", "一个串上两个并联的",
// "一个并上两个串联的".
std::string circuitName(model::Circuit circuit, int parts);
// The wiring with its values: "3.90KΩ + 560.00Ω", "10.00KΩ ∥ 8.20KΩ",
// "1.00KΩ + (4.70KΩ ∥ 4.70KΩ)".
std::string circuitFormula(const model::Combination& c, const model::DecimalFormat& fmt = {});
// The value after its working: "= 4.50KΩ", or "≈ 4.489KΩ" to four significant digits of the
// exact value.
std::string combinationResult(const model::Combination& c, const model::DecimalFormat& fmt = {});
// Whether the shown value is the exact one (a parallel result may be a fraction).
bool shownExactly(const model::Combination& c);

// The heading of the combinations: "用手头的电阻凑 4.50KΩ（E12，误差 ±5% 以内）：".
std::string combinationsHeading(const model::Decimal& wanted, const std::string& kitName,
                                int toleranceHundredths, const model::DecimalFormat& fmt = {});
// One line of the terminal answer:
// "  两个并联：10.00KΩ ∥ 8.20KΩ = ≈4.505KΩ，+0.12%  ← 最简单"; a way outside the tolerance
// says so: "  一个电阻：2.70KΩ，-6.90%，超出 ±5%".
std::string combinationLine(const model::Combination& c, bool simplest,
                            const model::DecimalFormat& fmt = {});
// The error as a list shows it, and for a way outside the tolerance that it is:
// "-6.90%  超出 ±5%".
std::string entryError(const model::Combination& c, const model::DecimalFormat& fmt = {});
// Said when nothing comes within the tolerance, and when the kit is empty.
std::string noneWithinTolerance(int toleranceHundredths);
std::string emptyKit();

// The working of a combination, line by line: the sum or the conductances with their numbers,
// and the exact fraction where the shown value is rounded.
std::vector<std::string> working(const model::Combination& c, const model::DecimalFormat& fmt = {});
// "4.70KΩ：黄 紫 红 金".
std::string partColours(const model::Decimal& value, const std::string& colourNames,
                        const model::DecimalFormat& fmt = {});

// Why the wanted value cannot be made from parts.
std::string wantedFault(model::KitValueFault fault);

// Reading a kit: the named series are "E6", "E12", "E24"; anything else is a file.
using KitFileTrouble = model::KitFileTrouble;
// The sentences name the limits of model/combinations/kit_file.h.
std::string kitFileUnreadable(const std::string& path, KitFileTrouble trouble);
std::string kitLineRefused(const std::string& where, const model::KitLine& line);
// Why one line of a kit cannot be used, without where it stands.
std::string kitLineReason(const model::KitLine& line);
std::string kitFileEmpty(const std::string& where);
std::string kitTooManyValues(const std::string& where);
// A line read with a note ("5m" read as 5 MΩ), as the value's own note says it.
std::string kitLineNote(const std::string& where, const model::KitNote& note,
                        const model::DecimalFormat& fmt = {});
// "E48" is no kit the program has, nor a file: which kits it has.
std::string noSuchSeriesKit(const std::string& typed, const std::vector<std::string>& offered);
// The panel's heading, without the terminal's closing colon: "用手头的电阻凑 4.50KΩ（E12，误差
// ±5% 以内）".
std::string combinationsPanelHeading(const model::Decimal& wanted, const std::string& kitName,
                                     int toleranceHundredths, const model::DecimalFormat& fmt = {});
// "我的套装" and the name of a series kit as the chooser and heading show them.
std::string ownKitName();
std::string seriesKitName(model::ESeries s);

} // namespace zq::wording

namespace zq::wording {

// The user's own kit file could not be read (at `line` when set, past a limit when `over` is)
// and was renamed to `aside` (empty when even that failed, which the note then says); the
// starter kit stands in.
std::string ownKitSetAside(const std::optional<model::KitLine>& line, const std::string& aside,
                           std::optional<model::KitLimit> over = std::nullopt);
std::string ownKitNotSaved(const std::string& path);

} // namespace zq::wording
