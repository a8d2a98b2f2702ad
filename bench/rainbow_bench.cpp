// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The statistics of the bow's colours and the full redraws of their two pictures at the
// program's largest picture size (720 x 540).
#include <benchmark/benchmark.h>

#include "app/app.h"
#include "gui/headless_host.h"
#include "sims/rainbow/bow_statistics.h"
#include "sims/simulations.h"
#include "started_for_bench.h"

namespace viv {
namespace {

constexpr int kW = 720;
constexpr int kH = 540;

// The program started with a 720 x 540 picture and no simulation chosen.
struct BenchApp : bench::StartedProgram {
    BenchApp() : StartedProgram(kW, kH) {}
};

// Counting the 20,001 rays of one colour, with its Fresnel samples.
void BM_CountOneColour(benchmark::State& state) {
    BenchApp b;
    BuildArcSinTable(b.scene);
    for (auto _ : state) {
        CountRays(b.scene, 4);
        benchmark::DoNotOptimize(b.app.Buffers->RayCount[3][40]);
    }
}
BENCHMARK(BM_CountOneColour)->Unit(benchmark::kMicrosecond);

// Pressing F5 with nothing counted: all eight colours and their sums.
void BM_CountAllColours(benchmark::State& state) {
    BenchApp b;
    BuildArcSinTable(b.scene);
    for (auto _ : state) {
        ClearBowStatistics(b.scene);
        ComputeAllColours(b.scene);
        benchmark::DoNotOptimize(b.app.Buffers->ColourSumIntensity[40]);
    }
}
BENCHMARK(BM_CountAllColours)->Unit(benchmark::kMillisecond);

// A full redraw of "Vivarnons farver" (9) with the corrected curve and the colour sums
// on, and of "Polarisation og farver" (12); the statistics are counted once beforehand.
void BM_RedrawBowColours(benchmark::State& state) {
    BenchApp b;
    const auto simulation = static_cast<std::uint16_t>(state.range(0));
    b.app.MenuEntry(simulation);
    if (simulation == 9) {
        b.app.FKeyClick(FKey::F5);
        b.app.FKeyClick(FKey::F6);
    }
    if (b.app.Image->Width() != kW || b.app.Image->Height() != kH)
        state.SkipWithError("picture not 720 x 540");
    for (auto _ : state) b.app.RedrawPicture();
}
BENCHMARK(BM_RedrawBowColours)->Arg(9)->Arg(12)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace viv
