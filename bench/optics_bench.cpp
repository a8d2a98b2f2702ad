// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Full redraws of the prism and of the lens and mirror images at 720 x 540, with every
// figure switched on.
#include "bench/optics_bench_app.h"

namespace {

using viv::bench::Chosen;
using viv::bench::Redraw;

// The prism with both colours, the normals and the deviation marks: the ray and the two
// deviation curves of the inset graph, 89 angles each.
void BM_PrismRedraw(benchmark::State& state) {
    Redraw(state, 26, {viv::FKey::F2, viv::FKey::F3, viv::FKey::F4});
}
BENCHMARK(BM_PrismRedraw)->Unit(benchmark::kMicrosecond);

// Moving the angle of incidence: the rays and the graph's current point.
void BM_PrismIncidence(benchmark::State& state) {
    Chosen chosen(26, {viv::FKey::F2, viv::FKey::F3, viv::FKey::F4});
    int position = 1;
    for (auto _ : state) {
        chosen.app.ControlChange(viv::Control::ScrollBar1, position);
        position = position % 89 + 1;
    }
}
BENCHMARK(BM_PrismIncidence)->Unit(benchmark::kMicrosecond);

void BM_LensImageRedraw(benchmark::State& state) {
    Redraw(state, 24, {viv::FKey::F2, viv::FKey::F3, viv::FKey::F4, viv::FKey::F5});
}
BENCHMARK(BM_LensImageRedraw)->Unit(benchmark::kMicrosecond);

void BM_MirrorImageRedraw(benchmark::State& state) {
    Redraw(state, 28, {viv::FKey::F2, viv::FKey::F3, viv::FKey::F4, viv::FKey::F5});
}
BENCHMARK(BM_MirrorImageRedraw)->Unit(benchmark::kMicrosecond);

}  // namespace
