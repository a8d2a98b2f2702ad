// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The program as the scripted mode starts it, with the data folder's files, for tests that
// drive it by script lines.
#pragma once

#include <sstream>
#include <string>

#include "app/app.h"
#include "app/memo_text.h"
#include "app/scene.h"
#include "app/script.h"
#include "gui/headless_host.h"
#include "sims/simulations.h"

namespace viv::test {

// What a test changes of the start: the system's separators, and whether the guidance
// text is read as the program itself does at start.
struct ScriptedStart {
    std::string ListSeparator = ",", DecimalSeparator = ",";
    bool Memo = false;
};

struct Scripted {
    HeadlessHost host;
    App app{host, AllSimulations()};
    Scene scene{app};             // what the simulations' routines get
    std::ostringstream out, err;  // what the lines printed and what stopped them
    explicit Scripted(const ScriptedStart& start = {}) {
        StartupEnvironment env;
        env.StartDirectory = VIV_SOURCE_DIR "/data";
        env.SetupFileCandidates.clear();
        env.ListSeparatorSetting = start.ListSeparator;
        env.DecimalSeparatorSetting = start.DecimalSeparator;
        host.LayoutChanged(app.Window);
        app.FormCreate(env);
        if (start.Memo) MemoFormCreate(app);
        app.FormResize();
    }
    // 0 when every line ran, 2 when a bad line stopped the script.
    int Run(const std::string& text) {
        std::istringstream in(text);
        return RunScript(app, host, in, out, err);
    }
};

}  // namespace viv::test
