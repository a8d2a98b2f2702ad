// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The refraction pictures on a 720 x 540 picture: full redraws of "Brydning i vand" and
// "Brydningsloven" with every figure shown, and one tick of the wave picture's clock.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <initializer_list>

#include "app/app.h"
#include "app/events.h"
#include "motion_bench_setup.h"

namespace {

// The program with the picture's size checked, and F-keys pressed in turn.
struct Program : viv::bench::BenchProgram {
    explicit Program(std::uint16_t simulation) : BenchProgram(simulation) {
        if (app.Image->Width() != viv::bench::kPictureWidth ||
            app.Image->Height() != viv::bench::kPictureHeight)
            std::abort();
    }
    void Press(std::initializer_list<viv::FKey> keys) {
        for (viv::FKey k : keys) app.FKeyClick(k);
    }
};

// Argument 0: the rays alone; 1: with the angles, the normal, the critical angle and the
// protractor.
void BM_RefractionInWaterRedraw(benchmark::State& state) {
    Program p(2);
    if (state.range(0) == 1) p.Press({viv::FKey::F2, viv::FKey::F3, viv::FKey::F5, viv::FKey::F6});
    for (auto _ : state) p.app.RedrawPicture();
}
BENCHMARK(BM_RefractionInWaterRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_RefractionLawRedraw(benchmark::State& state) {
    Program p(5);
    p.Press({viv::FKey::F2, viv::FKey::F3, viv::FKey::F4, viv::FKey::F5, viv::FKey::F6});
    for (auto _ : state) p.app.RedrawPicture();
}
BENCHMARK(BM_RefractionLawRedraw)->Unit(benchmark::kMicrosecond);

// One tick of the clock (every 20 ms while it runs): the crests erased and drawn anew,
// here with the reflected wave too.
void BM_RefractionLawTick(benchmark::State& state) {
    Program p(5);
    p.Press({viv::FKey::F4, viv::FKey::F6});
    p.app.Window.Clock.Enabled = true;
    for (auto _ : state) p.app.OnClockTick();
}
BENCHMARK(BM_RefractionLawTick)->Unit(benchmark::kMicrosecond);

}  // namespace
