// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The thin film, the reflection at normal incidence, the superposition and the Doppler
// effect on a 720 x 540 picture: a full redraw of each, and one clock tick of the
// animated ones (erasing the last frame and drawing the next).
#include <benchmark/benchmark.h>

#include "app/app.h"
#include "app/events.h"
#include "motion_bench_setup.h"

namespace {

using Program = viv::bench::BenchProgram;

void BM_WavesMotionRedraw(benchmark::State& state) {
    Program p(static_cast<std::uint16_t>(state.range(0)));
    for (auto _ : state) p.app.RedrawPicture();
}
BENCHMARK(BM_WavesMotionRedraw)->Arg(3)->Arg(14)->Arg(15)->Arg(19)->Unit(benchmark::kMicrosecond);

// Ticks with the helpful marks on, where the simulation has them, so that a tick erases
// and draws everything it can.
void BM_WavesMotionTick(benchmark::State& state) {
    Program p(static_cast<std::uint16_t>(state.range(0)));
    p.app.FKeyClick(viv::FKey::F2);
    if (state.range(0) == 19) p.app.ControlChange(viv::Control::ScrollBar1, 5);  // a fast source
    if (state.range(0) == 15) p.app.State.AnimationStep = 250;  // the whole train under way
    p.app.RedrawPicture();
    p.app.RunButtonClick();
    for (auto _ : state) p.app.OnClockTick();
}
BENCHMARK(BM_WavesMotionTick)->Arg(14)->Arg(15)->Arg(19)->Unit(benchmark::kMicrosecond);

}  // namespace
