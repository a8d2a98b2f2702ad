// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Full redraws of the colour simulations at the program's largest picture size
// (720 x 540), a bar moved in the colour mixing, and a tick of the afterimage experiment.
#include "bench/optics_bench_app.h"

namespace viv {
namespace {

using bench::Chosen;

// Simulations 20 (additive; with 1: subtractive), 21 (the square shown), 22, 31, 32,
// 33 (with the white lines) and 34.
void BM_RedrawColour(benchmark::State& state) {
    const auto simulation = static_cast<std::uint16_t>(state.range(0));
    Chosen b(simulation, {});
    b.app.ControlChange(Control::ScrollBar1, 40);
    b.app.ControlChange(Control::ScrollBar2, 90);
    b.app.ControlChange(Control::ScrollBar3, 170);
    if (state.range(1) == 1) b.app.ControlChange(Control::TrackBar2, 1);
    if (simulation == 21) b.app.ImageMouseDown();
    if (simulation == 33) b.app.FKeyClick(FKey::F3);
    if (!b.RightSize()) state.SkipWithError("picture not 720 x 540");
    for (auto _ : state) b.app.RedrawPicture();
}
BENCHMARK(BM_RedrawColour)
    ->Args({20, 0})
    ->Args({20, 1})
    ->Args({21, 0})
    ->Args({22, 0})
    ->Args({31, 0})
    ->Args({32, 0})
    ->Args({33, 0})
    ->Args({34, 0})
    ->Unit(benchmark::kMicrosecond);

// One light or filter of "Farveblanding" moved.
void BM_MixingBarMove(benchmark::State& state) {
    Chosen b(20, {});
    if (state.range(0) == 1) b.app.ControlChange(Control::TrackBar2, 1);
    int position = 0;
    for (auto _ : state) {
        position = (position + 37) % 256;
        b.app.ControlChange(Control::ScrollBar2, position);
    }
}
BENCHMARK(BM_MixingBarMove)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A tick of the running clock while the pupil stares at the square (0), and (1) ticks
// thirty seconds apart, each alternately turning the square white and starting a new one.
void BM_EyeFatigueTick(benchmark::State& state) {
    Chosen b(21, {});
    b.app.ImageMouseDown();
    for (auto _ : state) {
        if (state.range(0) == 1) {
            b.host.AdvanceClock(30000);
            b.app.OnClockTick();
            b.app.Window.Clock.Enabled = true;  // staring again at once
        } else {
            b.app.OnClockTick();
        }
    }
    if (!b.app.Window.Clock.Enabled) state.SkipWithError("the clock stopped");
}
BENCHMARK(BM_EyeFatigueTick)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace viv
