// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/decimal.h"

#include <cstdint>
#include <string_view>

namespace zq::model {

// How far a value lies from the one it is compared with, (value - wanted) / wanted, exact to
// the figures an answer writes.
struct Change {
    // In hundredths of a per cent, halves away from zero; saturates beyond int64.
    std::int64_t hundredths = 0;
    bool negative = false; // below the wanted value; false when equal
    // Where the hundredths round a difference to nothing: its size in per cent to two
    // significant digits, halves up (0.0000037); zero where the hundredths tell, or it is nil.
    Decimal belowHundredth;

    bool isZero() const { return hundredths == 0 && belowHundredth.isZero(); }
    friend bool operator==(const Change&, const Change&) = default;
};

// (to - from) / from; `from` is not zero.
Change changeBetween(const Decimal& from, const Decimal& to);
// numerator / denominator, negated when `negative`: whole numbers as decimal digits, the
// denominator not zero.
Change changeOfRatio(bool negative, std::string_view numerator, std::string_view denominator);

// numerator / denominator to `digits` significant digits (at most 18), halves up: what a
// result that is not exact shows, rounded once from the exact value. Neither is zero.
Decimal significantQuotient(const Decimal& numerator, const Decimal& denominator, int digits);

} // namespace zq::model
