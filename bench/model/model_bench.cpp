// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/choice.h"
#include "model/colour_finder.h"
#include "model/colour_table.h"
#include "model/combinations/combinations.h"
#include "model/combinations/kit.h"
#include "model/tick.h"
#include "model/value_input.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zq::model;

void BM_Tick(benchmark::State& st) {
    const BandState state = BandState::initial();
    const DecimalFormat fmt;
    // The facts and the value's text, as the main window's tick needs them.
    for (auto _ : st)
        benchmark::DoNotOptimize(withUnit(tick(state).ohms, fmt));
}
BENCHMARK(BM_Tick);

// The costliest decision: a refusal that builds its message and forces band 4 empty.
void BM_PaletteDecision(benchmark::State& st) {
    BandState state = BandState::initial();
    state.BandColour[2] = palette::kSilver;
    state.BandColour[3] = palette::kNone;
    state.select(4);
    for (auto _ : st)
        benchmark::DoNotOptimize(choose(state, 1));
}
BENCHMARK(BM_PaletteDecision);

// What Return in the value window computes: the typed text read, the colours and the nearest
// standard values of three series found, and the bounds of the tolerance.
void BM_ValueToColours(benchmark::State& st) {
    const DecimalFormat fmt;
    for (auto _ : st) {
        const ValueInput typed = parseValue("4.75 kΩ");
        const Finding f = findColours(typed.ohms, 5, kBrownIndex);
        benchmark::DoNotOptimize(withUnit(f.answer->value, fmt));
        benchmark::DoNotOptimize(withTolerance(f.answer->value, f.answer->tolerance, -1));
    }
}
BENCHMARK(BM_ValueToColours);

// The largest search a user meets: one, two and three parts from every E24 value of eight
// decades (192 values), for wanted values that E24 misses, hits, and lies between decades.
void BM_KitThreeParts(benchmark::State& st) {
    const Kit kit(seriesValues(ESeries::E24, 0, 7));
    const Decimal wanted = Decimal::of(std::uint64_t(st.range(0)), -3);
    for (auto _ : st)
        benchmark::DoNotOptimize(findCombinations(wanted, kit, 100));
    st.SetLabel(std::to_string(kit.size()) + " values");
}
BENCHMARK(BM_KitThreeParts)
    ->Arg(4'321'000)     // 4.321 kΩ
    ->Arg(1'000'000)     // 1 kΩ, a member
    ->Arg(123'456'789)   // 123.456789 kΩ
    ->Arg(7'000)         // 7 Ω
    ->Unit(benchmark::kMillisecond);

} // namespace
