// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The spring, the waves on a string, the standing waves, the sonar and the water waves on
// a 720 x 540 picture: a full redraw of each, and one clock tick (erasing the last frame
// and drawing the next) with every figure a tick moves turned on.
#include <benchmark/benchmark.h>

#include "app/app.h"
#include "app/events.h"
#include "motion_bench_setup.h"

namespace {

struct Program : viv::bench::BenchProgram {
    explicit Program(std::uint16_t simulation) : BenchProgram(simulation) {
        switch (simulation) {
            case 36:  // three weights, the phase pointer, the energy diagram and the scale
                app.ControlChange(viv::Control::TrackBar2, 3);
                app.FKeyClick(viv::FKey::F2);
                app.FKeyClick(viv::FKey::F5);
                app.FKeyClick(viv::FKey::F6);
                break;
            case 37:  // the small balls with the compression curve
                app.FKeyClick(viv::FKey::F2);
                app.FKeyClick(viv::FKey::F5);
                app.FKeyClick(viv::FKey::F6);
                break;
            case 38:  // both curves of the open pipe's third overtone
                app.ControlChange(viv::Control::TrackBar2, 2);
                app.ControlChange(viv::Control::TrackBar1, 4);
                app.FKeyClick(viv::FKey::F2);
                app.FKeyClick(viv::FKey::F4);
                app.FKeyClick(viv::FKey::F6);
                break;
            case 39:
                app.FKeyClick(viv::FKey::F6);
                break;
            case 40:
                app.FKeyClick(viv::FKey::F2);
                app.FKeyClick(viv::FKey::F3);
                break;
            default:
                break;
        }
        app.RunButtonClick();
    }
};

void BM_MechanicsRedraw(benchmark::State& state) {
    Program p(static_cast<std::uint16_t>(state.range(0)));
    for (auto _ : state) p.app.RedrawPicture();
}
BENCHMARK(BM_MechanicsRedraw)->DenseRange(36, 40)->Unit(benchmark::kMicrosecond);

void BM_MechanicsTick(benchmark::State& state) {
    Program p(static_cast<std::uint16_t>(state.range(0)));
    for (auto _ : state) {
        p.host.AdvanceClock(30);  // the spring follows the clock
        p.app.OnClockTick();
    }
}
BENCHMARK(BM_MechanicsTick)->DenseRange(36, 40)->Unit(benchmark::kMicrosecond);

}  // namespace
