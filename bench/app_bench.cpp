// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Start-up to the first drawn picture, and choosing a simulation with its full redraw.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "app/app.h"
#include "app/script.h"
#include "gui/headless_host.h"
#include "sims/simulations.h"
#include "started_for_bench.h"

namespace {

// As `vivarnon --script` with "select 1" and "save": start, draw, write the PNG.
void BM_StartToFirstPicture(benchmark::State& state) {
    const std::string png =
        (std::filesystem::temp_directory_path() / "vivarnon-bench.png").string();
    for (auto _ : state) {
        viv::bench::StartedProgram s;
        std::istringstream script("select 1\nsave " + png + "\n");
        std::ostringstream out, err;
        if (viv::RunScript(s.app, s.host, script, out, err) != 0)
            state.SkipWithError(err.str().c_str());
    }
    std::filesystem::remove(png);
}
BENCHMARK(BM_StartToFirstPicture)->Unit(benchmark::kMillisecond);

// Choosing a simulation from the menu: configuration, table and the full redraw.
void BM_SelectAndRedraw(benchmark::State& state) {
    viv::bench::StartedProgram s;
    const auto simulation = static_cast<std::uint16_t>(state.range(0));
    for (auto _ : state) s.app.MenuEntry(simulation);
}
BENCHMARK(BM_SelectAndRedraw)->Arg(2)->Arg(6)->Arg(7)->Arg(8)->Unit(benchmark::kMicrosecond);

}  // namespace
