// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The sentences of the value-to-colours answer, for its window and the terminal alike.
#include "model/colour_finder.h"
#include "model/value_input.h"

#include <QString>
#include <QStringList>

namespace zq::wording {

// Why a typed value cannot be read, and what the reader took in a way the user may not have
// meant (empty where there is nothing to say).
QString inputReason(const model::ValueInput& v);
QString inputNote(const model::ValueInput& v, const model::DecimalFormat& fmt = {});

// Why a value gets no colours.
QString findingReason(const model::Finding& f, const model::DecimalFormat& fmt = {});

// One note of a finding.
QString note(const model::Note& n, const model::DecimalFormat& fmt = {});
// The notes about the answer itself (nearest, jumper, precision), in order; the standard
// values' heading ("4.70KΩ 是 E24 标准值。"), empty for zero; and their aside, the neighbours
// the bands cannot make, empty where there are none.
QStringList answerNotes(const model::Finding& f, const model::DecimalFormat& fmt = {});
QString standardHeading(const model::Finding& f, const model::DecimalFormat& fmt = {});
QString standardAside(const model::Finding& f, const model::DecimalFormat& fmt = {});

// "黄 紫 红 金", "黑" for a jumper.
QString colourNames(const model::ColourAnswer& a);
// What the main window's result line would show: "等于： 4.70KΩ".
QString shownValue(const model::ColourAnswer& a, const model::DecimalFormat& fmt = {});
// "4.465KΩ ～ 4.935KΩ"; a jumper has no tolerance band: "0.00Ω（跳线，没有误差环）".
QString range(const model::ColourAnswer& a, const model::DecimalFormat& fmt = {});

// The lines of the answer on the terminal.
QString coloursLine(const model::ColourAnswer& a);
QString valueLine(const model::ColourAnswer& a, const model::DecimalFormat& fmt = {});
QString toleranceLine(const model::ColourAnswer& a, const model::DecimalFormat& fmt = {});
QString noteLine(const QString& note);
// "标准值：" and the heading of the standard values with the neighbours the bands cannot make;
// empty without a heading.
QString standardLine(const model::Finding& f, const model::DecimalFormat& fmt = {});
QString standardValueLine(const model::StandardValue& v, const model::DecimalFormat& fmt = {});
QString smdLine(const QStringList& codes);

// The same in the window: "E24/E96  4.70KΩ  0.00%", "贴片代码：472、4701".
QString standardValueEntry(const model::StandardValue& v, const model::DecimalFormat& fmt = {});
// The value window's heading of the standard values, asking for a click when there are some.
QString standardCaption(const model::Finding& f, bool offered,
                        const model::DecimalFormat& fmt = {});
// A tolerance chip to a screen reader: "金色，±5%", "蓝色，±0.25%".
QString toleranceChipName(int paletteIndex);
// "误差范围：4.465KΩ ～ 4.935KΩ".
QString rangeCaption(const model::ColourAnswer& a, const model::DecimalFormat& fmt = {});
QString smdCodes(const QStringList& codes);

// The note of an empty window: how a value may be typed.
QString valueExample();

// Why colours with a precision tolerance, or a jumper, cannot go to the main window.
QString handOverRefusal(const model::ColourAnswer& a);

// The options of the question on the terminal.
QString bandCountRefusal();
QString toleranceNameRefusal(const QString& typed);

} // namespace zq::wording
