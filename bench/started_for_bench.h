// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The program as the benchmarks start it: headless, from the current directory (the one
// holding Vivarnon.jpg), without a setup file, with a picture of a given size.
#pragma once

#include <cstdint>
#include <filesystem>

#include "app/app.h"
#include "app/scene.h"
#include "gui/headless_host.h"
#include "sims/simulations.h"

namespace viv::bench {

// The start-up environment: the current directory, no setup file.
inline StartupEnvironment Environment() {
    StartupEnvironment env;
    env.StartDirectory = std::filesystem::current_path().string();
    env.SetupFileCandidates.clear();
    return env;
}

// The program started, with its picture width x height pixels where they are given; with a
// simulation given, that simulation chosen and drawn.
struct StartedProgram {
    HeadlessHost host;
    App app{host, AllSimulations()};
    Scene scene{app};  // what the simulations' routines get
    // The picture as the window lays it out.
    StartedProgram() {
        Create();
        app.FormResize();
    }
    StartedProgram(int width, int height) {
        Create();
        host.SetPictureArea(app.Window, width, height);
        app.FormResize();
    }
    StartedProgram(std::uint16_t simulation, int width, int height)
        : StartedProgram(width, height) {
        app.MenuEntry(simulation);
        app.ShowPicture();
    }

private:
    void Create() {
        host.LayoutChanged(app.Window);
        app.FormCreate(Environment());
    }
};

}  // namespace viv::bench
