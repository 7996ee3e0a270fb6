// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/decimal.h"
#include "model/e_series.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zq::model {

// Combinations are worked out exactly on whole milliohms up to a gigaohm; the reasons a value
// lies outside that.
enum class KitValueFault { zero, finerThanMilliohm, aboveGigaohm };
inline constexpr std::uint64_t kKitLimitMilliohms = 1'000'000'000'000; // 1 GΩ
std::optional<KitValueFault> kitValueFault(const Decimal& ohms);

// The values a user owns. A kit holds several pieces of each value, so a combination may use
// one value more than once.
class Kit {
  public:
    Kit() = default;
    // Values the combinations cannot use (kitValueFault) are left out; repeats count once.
    explicit Kit(std::span<const Decimal> ohms);

    bool empty() const { return milliohms_.empty(); }
    std::size_t size() const { return milliohms_.size(); }
    // Ascending, without repeats.
    const std::vector<std::uint64_t>& milliohms() const { return milliohms_; }
    Decimal value(std::size_t i) const { return Decimal::of(milliohms_[i], -3); }

  private:
    std::vector<std::uint64_t> milliohms_;
};

// Every member of the series in the decades 10^first .. 10^last ohms (0, 7: 1 Ω to 91 MΩ in
// E24, 192 values).
std::vector<Decimal> seriesValues(ESeries s, int firstDecade, int lastDecade);
// The kits sold by series: every member from 1 Ω up to and including 10 MΩ.
std::vector<Decimal> seriesKit(ESeries s);
// The thirty values of the commonest beginner's assortment, 10 Ω to 1 MΩ, all E24 members
// and most of them E12: 10, 22, 47, 100, 150, 200, 220, 270, 330, 470, 510, 680 Ω; 1, 2,
// 2.2, 3.3, 4.7, 5.1, 6.8, 10, 20, 47, 51, 68, 100, 220, 300, 470, 680 kΩ; 1 MΩ.
std::vector<Decimal> starterKit();

} // namespace zq::model
