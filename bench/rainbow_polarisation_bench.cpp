// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Full redraws of the pictures of polarisation in the drop and at the water surface and
// of Young's interference (with Airy's curve), at a 720 x 540 picture, and their control
// events.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>

#include "app/app.h"
#include "gui/headless_host.h"
#include "sims/rainbow/airy_bow.h"
#include "sims/simulations.h"
#include "started_for_bench.h"

namespace {

// The picture 720 x 540 pixels.
struct Started : viv::bench::StartedProgram {
    explicit Started(std::uint16_t simulation) : StartedProgram(simulation, 720, 540) {}
};

// The full redraw of simulation 4, 10 or 11, with every figure its toggles add.
void BM_PolarisationRedraw(benchmark::State& state) {
    Started s(static_cast<std::uint16_t>(state.range(0)));
    if (state.range(1) != 0) {
        for (viv::FKey key :
             {viv::FKey::F2, viv::FKey::F3, viv::FKey::F4, viv::FKey::F5, viv::FKey::F6})
            if (s.app.Window.Of(key).Visible) s.app.FKeyClick(key);
    }
    for (auto _ : state) s.app.RedrawPicture();
}
BENCHMARK(BM_PolarisationRedraw)
    ->ArgsProduct({{4, 10, 11}, {0, 1}})
    ->ArgNames({"sim", "toggles"})
    ->Unit(benchmark::kMicrosecond);

// The full redraw of Young's interference with Airy's curve and the loss-corrected curve
// beside the two-ray curve in the inset, for the smallest and the largest drop.
void BM_YoungRedrawWithAiry(benchmark::State& state) {
    Started s(10);
    s.app.ControlChange(viv::Control::TrackBar2, static_cast<int>(state.range(0)));
    s.app.FKeyClick(viv::FKey::F3);
    s.app.FKeyClick(viv::FKey::F6);
    for (auto _ : state) s.app.RedrawPicture();
}
BENCHMARK(BM_YoungRedrawWithAiry)->Arg(1)->Arg(4)->ArgName("radius")->Unit(benchmark::kMicrosecond);

// Airy's curve alone, one Ai(-z) a column across the inset of a 720 x 540 picture.
void BM_AiryCurve(benchmark::State& state) {
    Started s(10);
    viv::World map = s.app.Map;
    map.PictureMarginX = static_cast<std::uint16_t>(3 * map.PictureWidth / 5);
    map.PictureMarginY = static_cast<std::uint16_t>(map.PictureHeight / 2);
    map.SetWorldWindow(36, 45, -0.4, 2.15);
    const double scale = viv::AiryScale(0.0001 * static_cast<double>(state.range(0)), 546.1, 1.334);
    for (auto _ : state) benchmark::DoNotOptimize(viv::BuildAiryCurve(map, 42.2, scale, 36, 43.4));
}
BENCHMARK(BM_AiryCurve)->Arg(1)->Arg(4)->ArgName("radius")->Unit(benchmark::kMicrosecond);

// Pressing F3 in Young's interference: the inset redrawn with or without Airy's curve.
void BM_YoungAiryToggle(benchmark::State& state) {
    Started s(10);
    s.app.ControlChange(viv::Control::TrackBar2, 4);
    for (auto _ : state) s.app.FKeyClick(viv::FKey::F3);
}
BENCHMARK(BM_YoungAiryToggle)->Unit(benchmark::kMicrosecond);

// Moving the scroll bar one step and back: the incremental redraw of the rays.
void BM_PolarisationScroll(benchmark::State& state) {
    Started s(static_cast<std::uint16_t>(state.range(0)));
    const viv::RangeControl& bar = s.app.Window.ScrollBar1;
    const int a = bar.Position, b = bar.Position > bar.Min ? bar.Position - 1 : bar.Position + 1;
    bool flip = false;
    for (auto _ : state) {
        s.app.ControlChange(viv::Control::ScrollBar1, flip ? a : b);
        flip = !flip;
    }
}
BENCHMARK(BM_PolarisationScroll)->Arg(4)->Arg(10)->Arg(11)->Unit(benchmark::kMicrosecond);

}  // namespace
