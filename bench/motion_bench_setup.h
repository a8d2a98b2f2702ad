// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The program the simulations' benchmarks measure: started headless on one simulation with a
// picture of 720 x 540 pixels.
#pragma once

#include <cstdint>
#include <filesystem>

#include "app/app.h"
#include "gui/headless_host.h"
#include "sims/simulations.h"

namespace viv::bench {

constexpr int kPictureWidth = 720, kPictureHeight = 540;  // pixels

// The program started on `simulation`, its picture 720 x 540 pixels.
struct BenchProgram {
    HeadlessHost host;
    App app{host, AllSimulations()};
    explicit BenchProgram(std::uint16_t simulation) {
        StartupEnvironment env;
        env.StartDirectory = std::filesystem::current_path().string();
        env.SetupFileCandidates.clear();
        host.LayoutChanged(app.Window);
        app.FormCreate(env);
        app.FormResize();
        host.SetPictureArea(app.Window, kPictureWidth, kPictureHeight);
        app.FormResize();
        app.MenuEntry(simulation);
    }
};

}  // namespace viv::bench
