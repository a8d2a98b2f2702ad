// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The diffraction pictures and the hydrogen spectrum at 720 x 540: a full redraw of each
// (budget 2 ms) and a clock tick of the single slit (budget 0.5 ms).
#include <benchmark/benchmark.h>

#include "app/app.h"
#include "motion_bench_setup.h"

namespace {

using Started = viv::bench::BenchProgram;

// Every figure a simulation can show is on.
void AllTogglesOn(viv::App& app) {
    for (const viv::FKey k :
         {viv::FKey::F2, viv::FKey::F3, viv::FKey::F4, viv::FKey::F5, viv::FKey::F6})
        if (app.Window.Of(k).Visible) app.FKeyClick(k);
}

void BM_DiffractionRedraw(benchmark::State& state) {
    Started s(static_cast<std::uint16_t>(state.range(0)));
    AllTogglesOn(s.app);
    for (auto _ : state) s.app.RedrawPicture();
}
BENCHMARK(BM_DiffractionRedraw)->Arg(16)->Arg(17)->Arg(18)->Arg(35)->Unit(benchmark::kMillisecond);

void BM_SingleSlitTick(benchmark::State& state) {
    Started s(35);
    AllTogglesOn(s.app);
    s.app.Window.Clock.Enabled = true;
    for (auto _ : state) s.app.OnClockTick();
}
BENCHMARK(BM_SingleSlitTick)->Unit(benchmark::kMillisecond);

}  // namespace
