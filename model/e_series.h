// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/decimal.h"

#include <span>
#include <string_view>
#include <vector>

namespace zq::model {

// The preferred-number series of resistors, as published (IEC 60063). E24 and the coarser
// series keep their historic members (27, 33, 47, 82...) that the geometric rule misses.
enum class ESeries { E6, E12, E24, E48, E96, E192 };

std::string_view seriesName(ESeries s);
// The members of one decade: 10..82 for E6 to E24, 100..988 for E48 to E192.
std::span<const int> seriesMembers(ESeries s);

// The series parts of a tolerance (hundredths of a per cent) are made in: E6 for ±20 %, E12
// for ±10 %, E24 for ±5 %; ±2 % and ±1 % parts are sold in E24 values as well as in E48 and
// E96; E192 for anything tighter.
std::vector<ESeries> seriesForTolerance(int hundredths);
bool isMember(ESeries s, const Decimal& value);

// The members of the series nearest to a positive value: the one at or below it and the one
// at or above it, one value only when it is a member.
std::vector<Decimal> nearestMembers(ESeries s, const Decimal& value);

} // namespace zq::model
