// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Every picture within a millisecond: a full redraw of every simulation, and a clock tick
// of every animated one, at 720 x 540 and at 1920 x 1080; the clear of the picture beside
// a bare QImage::fill of the same size; the phases of start-up. Compare each redraw with
// BM_QImageFill of its size in the same run (budget: 1 ms and 25 x the fill at 720 x 540,
// 0.3 ms a tick, the clear 1.5 x the fill). Run from the directory holding Vivarnon.jpg.
#include <benchmark/benchmark.h>

#include <QImage>
#include <filesystem>
#include <memory>
#include <string>

#include "app/app.h"
#include "app/catalogue.h"
#include "app/file_paths.h"
#include "gui/headless_host.h"
#include "gui/picture_files.h"
#include "library/canvas/raster_canvas.h"
#include "library/canvas/reduced_picture.h"
#include "library/jpeg_image.h"
#include "library/world.h"
#include "sims/simulations.h"
#include "started_for_bench.h"

namespace {

using Started = viv::bench::StartedProgram;

constexpr int kSizes[][2] = {{720, 540}, {1920, 1080}};

// With smooth drawing: the picture drawn twice as large and the view's reduction of what
// changed, as the window shows it (budget at 720 x 540: 3 ms a redraw, 1 ms a tick).
void SmoothRedraw(benchmark::State& state, std::uint16_t simulation, bool tick) {
    Started s(simulation, 720, 540);
    s.app.SetSmoothDrawing(true);
    viv::ReducedPicture view;
    auto& picture = static_cast<viv::RasterCanvas&>(*s.app.Image);
    view.Update(picture, s.app.Window.DrawingScale);
    s.app.Window.Clock.Enabled = tick;
    for (auto _ : state) {
        if (tick)
            s.app.OnClockTick();
        else
            s.app.RedrawPicture();
        benchmark::DoNotOptimize(view.Update(picture, s.app.Window.DrawingScale));
    }
}

void Redraw(benchmark::State& state, std::uint16_t simulation, int width, int height) {
    Started s(simulation, width, height);
    for (auto _ : state) s.app.RedrawPicture();
}

void Tick(benchmark::State& state, std::uint16_t simulation, int width, int height) {
    Started s(simulation, width, height);
    s.app.Window.Clock.Enabled = true;
    for (auto _ : state) s.app.OnClockTick();
}

// A tick with one of the shown controls at its minimum (end 0) or maximum (end 1) and the
// others where the simulation starts them, and with every shown function key pressed once
// (withKeys): every tick is to keep its budget at every control position.
void TickAtControl(benchmark::State& state, std::uint16_t simulation, viv::Control control, int end,
                   bool withKeys) {
    Started s(simulation, 720, 540);
    const viv::RangeControl& range = s.app.Window.Of(control);
    s.app.ControlChange(control, end == 0 ? range.Min : range.Max);
    if (withKeys) {
        const viv::Buttons shown = viv::AllSimulations().Find(simulation)->Shown;
        for (const viv::FKey k : viv::AllFKeys)
            if (viv::Shows(shown, viv::ButtonOf(k))) s.app.FKeyClick(k);
    }
    s.app.Window.Clock.Enabled = true;
    for (auto _ : state) s.app.OnClockTick();
}

// Registers `run` (BM_Redraw or BM_Tick) for simulation n at every picture size as
// name/n/WxH, and its smooth variant as smoothName/n.
void RegisterAtEverySize(const std::string& name,
                         void (*run)(benchmark::State&, std::uint16_t, int, int),
                         const std::string& smoothName, bool tick, std::uint16_t n) {
    for (const auto& size : kSizes) {
        std::string full = name;
        full.append("/").append(std::to_string(n)).append("/").append(std::to_string(size[0]));
        full.append("x").append(std::to_string(size[1]));
        benchmark::RegisterBenchmark(full.c_str(), run, n, size[0], size[1])
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark((smoothName + "/" + std::to_string(n)).c_str(), SmoothRedraw, n,
                                 tick)
        ->Unit(benchmark::kMicrosecond);
}

// Registers a redraw of every simulation and a tick of every animated one.
const bool registered = [] {
    for (const std::uint16_t n : viv::AllSimulations().Numbers())
        RegisterAtEverySize("BM_Redraw", Redraw, "BM_SmoothRedraw", false, n);
    // The animated simulations show the clock's buttons.
    for (const std::uint16_t n : viv::AllSimulations().Numbers()) {
        if (!viv::Shows(viv::AllSimulations().Find(n)->Shown, viv::Buttons::Clock)) continue;
        RegisterAtEverySize("BM_Tick", Tick, "BM_SmoothTick", true, n);
    }
    return true;
}();

}  // namespace

// Registered once the GUI application exists, for the controls the simulation shows.
void RegisterTicksAtControls() {
    for (const std::uint16_t n : viv::AllSimulations().Numbers()) {
        if (!viv::Shows(viv::AllSimulations().Find(n)->Shown, viv::Buttons::Clock)) continue;
        const Started shown(n, 720, 540);
        for (std::size_t c = 0; c < viv::AllControls.size(); ++c) {
            if (!shown.app.Window.Of(viv::AllControls[c]).Visible) continue;
            for (const int end : {0, 1}) {
                for (const bool withKeys : {false, true}) {
                    const std::string name = "BM_TickAtControl/" + std::to_string(n) + "/control" +
                                             std::to_string(c) + (end == 0 ? "/min" : "/max") +
                                             (withKeys ? "/keys" : "");
                    benchmark::RegisterBenchmark(name.c_str(), TickAtControl, n,
                                                 viv::AllControls[c], end, withKeys)
                        ->Unit(benchmark::kMicrosecond);
                }
            }
        }
    }
}

namespace {

// The grating's tick at every grating (scroll bar 0, 30, 60: 300, 600 and 900 lines a
// millimetre), every order, with and without its fronts (F3) and all its figures.
void BM_GratingTick(benchmark::State& state) {
    Started s(16, 720, 540);
    s.app.ControlChange(viv::Control::ScrollBar1, static_cast<int>(state.range(0)));
    s.app.ControlChange(viv::Control::TrackBar2, static_cast<int>(state.range(1)));
    if (state.range(2) != 0)
        for (const viv::FKey k : {viv::FKey::F2, viv::FKey::F3, viv::FKey::F4}) s.app.FKeyClick(k);
    s.app.Window.Clock.Enabled = true;
    for (auto _ : state) s.app.OnClockTick();
}
BENCHMARK(BM_GratingTick)
    ->ArgsProduct({{0, 30, 60}, {0, 1, 5}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

void BM_ClearPicture(benchmark::State& state) {
    viv::RasterCanvas canvas(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    viv::World world;
    world.Screen = &canvas;
    for (auto _ : state) {
        viv::ClearPicture(world);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ClearPicture)->Args({720, 540})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

void BM_QImageFill(benchmark::State& state) {
    QImage image(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                 QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(0xFFFFFFFFu);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_QImageFill)->Args({720, 540})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

// --- Start-up, phase by phase, as the scripted mode goes through it at 720 x 473.

// The core made and its main window created (set-up file, tables, rainbow angles).
void BM_StartupCreate(benchmark::State& state) {
    for (auto _ : state) {
        const viv::bench::StartedProgram s;
        benchmark::DoNotOptimize(s.app.Image.get());
    }
}
BENCHMARK(BM_StartupCreate)->Unit(benchmark::kMicrosecond);

// Reading and decoding the photograph.
void BM_StartupReadPhotograph(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(viv::LoadJpeg("Vivarnon.jpg"));
}
BENCHMARK(BM_StartupReadPhotograph)->Unit(benchmark::kMicrosecond);

// The start picture when first shown: the photograph read, scaled into a ready picture,
// copied and the bows drawn over it.
void BM_StartupStartPicture(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto s = std::make_unique<Started>(2, 720, 473);
        s->app.MenuEntry(1);
        s->app.Photo = viv::StartPhotograph{};
        state.ResumeTiming();
        s->app.RedrawPicture();
        state.PauseTiming();
        s.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupStartPicture)->Unit(benchmark::kMicrosecond);

// Choosing simulation 2 straight after start.
void BM_StartupSelect2(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto s = std::make_unique<Started>(1, 720, 473);
        state.ResumeTiming();
        s->app.MenuEntry(2);
        state.PauseTiming();
        s.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupSelect2)->Unit(benchmark::kMicrosecond);

// Writing the picture as PNG: the start picture and simulation 2's.
void BM_StartupSavePng(benchmark::State& state) {
    Started s(static_cast<std::uint16_t>(state.range(0)), 720, 473);
    const std::string png =
        (std::filesystem::temp_directory_path() / "vivarnon-bench-save.png").string();
    std::string error;
    for (auto _ : state)
        if (!viv::SavePicture(s.app, png, error)) state.SkipWithError(error.c_str());
    std::filesystem::remove(png);
}
BENCHMARK(BM_StartupSavePng)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
