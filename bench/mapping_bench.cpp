// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The world-to-picture mapping, called for every point of every figure.
#include <benchmark/benchmark.h>

#include <vector>

#include "library/world.h"

namespace {

viv::World Window720x540() {
    viv::World world;
    world.PictureWidth = 720;
    world.PictureHeight = 540;
    world.UpdateAspect();
    world.SetWorldWindow(-10, 10, -world.AspectHeight, world.AspectHeight);
    return world;
}

void BM_PictureXY(benchmark::State& state) {
    const viv::World world = Window720x540();
    std::vector<double> xs(1000);
    for (std::size_t i = 0; i < xs.size(); ++i) xs[i] = -10 + 20.0 * static_cast<double>(i) / 999;
    for (auto _ : state) {
        long sum = 0;
        for (double x : xs) sum += world.PictureX(x) + world.PictureY(x * 0.5);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(xs.size()) * 2);
}
BENCHMARK(BM_PictureXY);

void BM_SetWorldWindow(benchmark::State& state) {
    viv::World world = Window720x540();
    double h = 7.5;
    for (auto _ : state) {
        world.SetWorldWindow(-10, 10, -h, h);
        benchmark::DoNotOptimize(world.MapScaleY);
        h += 1e-9;
    }
}
BENCHMARK(BM_SetWorldWindow);

}  // namespace
