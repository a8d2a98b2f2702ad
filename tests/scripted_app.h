// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The program as the scripted mode starts it, with the data folder's files, for tests that
// drive it by script lines.
#pragma once

#include <sstream>
#include <string>

#include "app/app.h"
#include "app/script.h"
#include "gui/headless_host.h"
#include "sims/simulations.h"

namespace viv::test {

struct Scripted {
    HeadlessHost host;
    App app{host, AllSimulations()};
    std::ostringstream out, err;  // what the lines printed and what stopped them
    Scripted() {
        StartupEnvironment env;
        env.StartDirectory = VIV_SOURCE_DIR "/data";
        env.SetupFileCandidates.clear();
        host.LayoutChanged(app.Window);
        app.FormCreate(env);
        app.FormResize();
    }
    // 0 when every line ran, 2 when a bad line stopped the script.
    int Run(const std::string& text) {
        std::istringstream in(text);
        return RunScript(app, host, in, out, err);
    }
};

}  // namespace viv::test
