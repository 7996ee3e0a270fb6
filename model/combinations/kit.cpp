// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/combinations/kit.h"

#include <algorithm>
#include <array>

namespace zq::model {

std::optional<KitValueFault> kitValueFault(const Decimal& ohms) {
    if (ohms.isZero()) return KitValueFault::zero;
    if (!ohms.divisibleByPowerOfTen(-3)) return KitValueFault::finerThanMilliohm;
    if (ohms > Decimal::of(kKitLimitMilliohms, -3)) return KitValueFault::aboveGigaohm;
    return std::nullopt;
}

Kit::Kit(std::span<const Decimal> ohms) {
    for (const Decimal& v : ohms)
        if (!kitValueFault(v)) milliohms_.push_back(v.roundedQuotient(-3));
    std::sort(milliohms_.begin(), milliohms_.end());
    milliohms_.erase(std::unique(milliohms_.begin(), milliohms_.end()), milliohms_.end());
}

std::vector<Decimal> seriesValues(ESeries s, int firstDecade, int lastDecade) {
    std::vector<Decimal> out;
    const std::span<const int> members = seriesMembers(s);
    const int places = members.front() >= 100 ? 2 : 1;
    for (int d = firstDecade; d <= lastDecade; ++d)
        for (const int m : members)
            out.push_back(Decimal::of(std::uint64_t(m), d - places));
    return out;
}

std::vector<Decimal> seriesKit(ESeries s) {
    std::vector<Decimal> out = seriesValues(s, 0, 6);
    out.push_back(Decimal::of(10, 6));
    return out;
}

std::vector<Decimal> starterKit() {
    static constexpr std::array<std::uint64_t, 30> kOhms{
        10,    22,    47,    100,    150,    200,    220,    270,    330,    470,
        510,   680,   1000,  2000,   2200,   3300,   4700,   5100,   6800,   10000,
        20000, 47000, 51000, 68000, 100000, 220000, 300000, 470000, 680000, 1000000};
    std::vector<Decimal> out;
    for (const std::uint64_t v : kOhms)
        out.push_back(Decimal::of(v, 0));
    return out;
}

} // namespace zq::model
