// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Full redraws at 720 x 540 of the lenses, the lens systems, the mirrors, the ice crystal
// and the figures without controls, with every figure switched on; and the commonest
// change, a new beam angle or angle of incidence.
#include "bench/optics_bench_app.h"

namespace {

using viv::FKey;
using viv::bench::Chosen;
using viv::bench::Redraw;

// The doublet with both colours, the focal planes and the stop: 21 rays through 3 faces.
void BM_LensRedraw(benchmark::State& state) {
    Redraw(state, 23, {FKey::F2, FKey::F4, FKey::F6});
}
BENCHMARK(BM_LensRedraw)->Unit(benchmark::kMicrosecond);

void BM_LensSystemRedraw(benchmark::State& state) {
    Redraw(state, 25, {FKey::F2, FKey::F4});
}
BENCHMARK(BM_LensSystemRedraw)->Unit(benchmark::kMicrosecond);

void BM_ConcaveMirrorRedraw(benchmark::State& state) {
    Redraw(state, 27, {FKey::F2});
}
BENCHMARK(BM_ConcaveMirrorRedraw)->Unit(benchmark::kMicrosecond);

void BM_ParabolaRedraw(benchmark::State& state) {
    Redraw(state, 29, {FKey::F2});
}
BENCHMARK(BM_ParabolaRedraw)->Unit(benchmark::kMicrosecond);

void BM_IceCrystalRedraw(benchmark::State& state) {
    Redraw(state, 41, {FKey::F2, FKey::F3});
}
BENCHMARK(BM_IceCrystalRedraw)->Unit(benchmark::kMicrosecond);

void BM_LensOutlinesRedraw(benchmark::State& state) {
    Redraw(state, 30, {});
}
BENCHMARK(BM_LensOutlinesRedraw)->Unit(benchmark::kMicrosecond);

void BM_QuadrantRedraw(benchmark::State& state) {
    Redraw(state, 42, {});
}
BENCHMARK(BM_QuadrantRedraw)->Unit(benchmark::kMicrosecond);

void BM_JacobsStaffRedraw(benchmark::State& state) {
    Redraw(state, 43, {});
}
BENCHMARK(BM_JacobsStaffRedraw)->Unit(benchmark::kMicrosecond);

// Turning the beam of the doublet: every ray erased and traced anew.
void BM_LensAngle(benchmark::State& state) {
    Chosen chosen(23, {FKey::F2, FKey::F4, FKey::F6});
    int position = 0;
    for (auto _ : state) {
        chosen.app.ControlChange(viv::Control::ScrollBar1, position);
        position = (position + 1) % 61;
    }
}
BENCHMARK(BM_LensAngle)->Unit(benchmark::kMicrosecond);

void BM_IceCrystalIncidence(benchmark::State& state) {
    Chosen chosen(41, {FKey::F2, FKey::F3});
    int position = 1;
    for (auto _ : state) {
        chosen.app.ControlChange(viv::Control::ScrollBar1, position);
        position = position % 90 + 1;
    }
}
BENCHMARK(BM_IceCrystalIncidence)->Unit(benchmark::kMicrosecond);

}  // namespace
