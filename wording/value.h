// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The sentences of the value-to-colours answer, for its window and the terminal alike.
#include "model/colour_finder.h"
#include "model/value_input.h"
#include "wording/catalogue.h"

#include <string>

namespace zq::wording {

// Why a typed value cannot be read, and what the reader took in a way the user may not have
// meant (empty where there is nothing to say).
std::string inputReason(const model::ValueInput& v);
std::string inputNote(const model::ValueInput& v, const model::DecimalFormat& fmt = {});

// Why a value gets no colours.
std::string findingReason(const model::Finding& f, const model::DecimalFormat& fmt = {});
// Why a typed value gets no colours: it could not be read, or the finder refused it.
std::string coloursRefusal(const model::ColoursOfValue& c, const model::DecimalFormat& fmt = {});

// One note of a finding.
std::string note(const model::Note& n, const model::DecimalFormat& fmt = {});
// The notes about the answer itself (nearest, jumper, precision), in order; the standard
// values' heading ("4.70KΩ 是 E24 标准值。"), empty for zero; and their aside, the neighbours
// the bands cannot make, empty where there are none.
std::vector<std::string> answerNotes(const model::Finding& f, const model::DecimalFormat& fmt = {});
std::string standardHeading(const model::Finding& f, const model::DecimalFormat& fmt = {});
std::string standardAside(const model::Finding& f, const model::DecimalFormat& fmt = {});

// "黄 紫 红 金", "黑" for a jumper.
std::string colourNames(const model::ColourAnswer& a);
// What the main window's result line would show: "等于： 4.70KΩ".
std::string shownValue(const model::ColourAnswer& a, const model::DecimalFormat& fmt = {});
// "4.465KΩ ～ 4.935KΩ"; a jumper has no tolerance band: "0.00Ω（跳线，没有误差环）".
std::string range(const model::ColourAnswer& a, const model::DecimalFormat& fmt = {});

// The lines of the answer on the terminal.
std::string coloursLine(const model::ColourAnswer& a);
std::string valueLine(const model::ColourAnswer& a, const model::DecimalFormat& fmt = {});
std::string toleranceLine(const model::ColourAnswer& a, const model::DecimalFormat& fmt = {});
std::string noteLine(const std::string& note);
// "标准值：" and the heading of the standard values with the neighbours the bands cannot make;
// empty without a heading.
std::string standardLine(const model::Finding& f, const model::DecimalFormat& fmt = {});
std::string standardValueLine(const model::StandardValue& v, const model::DecimalFormat& fmt = {});
std::string smdLine(const std::vector<std::string>& codes);

// The same in the window: "E24/E96  4.70KΩ  0.00%", "贴片代码：472、4701".
std::string standardValueEntry(const model::StandardValue& v, const model::DecimalFormat& fmt = {});
// The value window's heading of the standard values, asking for a click when there are some.
std::string standardCaption(const model::Finding& f, bool offered,
                            const model::DecimalFormat& fmt = {});
// A tolerance chip to a screen reader: "金色，±5%", "蓝色，±0.25%".
std::string toleranceChipName(int paletteIndex);
// "误差范围：4.465KΩ ～ 4.935KΩ".
std::string rangeCaption(const model::ColourAnswer& a, const model::DecimalFormat& fmt = {});
std::string smdCodes(const std::vector<std::string>& codes);

// The note of an empty window: how a value may be typed.
std::string valueExample();

// Why colours with a precision tolerance, or a jumper, cannot go to the main window.
std::string handOverRefusal(const model::ColourAnswer& a);

// The options of the question on the terminal.
std::string bandCountRefusal();
std::string toleranceNameRefusal(const std::string& typed);

} // namespace zq::wording
