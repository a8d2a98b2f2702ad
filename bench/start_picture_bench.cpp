// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The start picture: the photograph scaled to the picture and the bows over it, as at
// every resize of the window (the photograph itself is read only once).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/app.h"
#include "app/start_photograph.h"
#include "gui/headless_host.h"
#include "library/jpeg_image.h"
#include "sims/simulations.h"

namespace {

// A full redraw of the start picture at 720 x 540, and at the area of a maximised window
// on a 1920 x 1080 screen.
void BM_StartPictureRedraw(benchmark::State& state) {
    viv::HeadlessHost host;
    viv::App app(host, viv::AllSimulations());
    host.SetPictureArea(app.Window, static_cast<int>(state.range(0)),
                        static_cast<int>(state.range(1)));
    viv::StartupEnvironment env;
    env.StartDirectory = std::filesystem::current_path().string();
    env.SetupFileCandidates.clear();
    app.FormCreate(env);
    app.FormResize();
    app.ShowPicture();
    if (app.Photo.Loads() != 1) state.SkipWithError("no Vivarnon.jpg in the current directory");
    for (auto _ : state) app.RedrawPicture();
}
BENCHMARK(BM_StartPictureRedraw)
    ->Args({720, 540})
    ->Args({1884, 1005})
    ->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The photograph scaled to cover a picture of the given size.
void BM_CoverPicture(benchmark::State& state) {
    const viv::JpegResult photo = viv::LoadJpeg("Vivarnon.jpg");
    if (!photo.Ok) state.SkipWithError("no Vivarnon.jpg in the current directory");
    for (auto _ : state)
        benchmark::DoNotOptimize(viv::CoverPicture(photo.Image, static_cast<int>(state.range(0)),
                                                   static_cast<int>(state.range(1))));
}
BENCHMARK(BM_CoverPicture)
    ->Args({720, 540})
    ->Args({684, 473})
    ->Args({1884, 1005})
    ->Unit(benchmark::kMillisecond);

}  // namespace
