// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The main window as the window tests start it, and choosing a simulation through its menu.
#pragma once

#include <QAction>
#include <QString>
#include <QWidget>
#include <cstdint>

#include "app/app.h"
#include "app/main_menu.h"
#include "sims/simulations.h"

namespace viv::test {

// Started from the source tree's data directory, no setup file, separators "," and ".".
inline StartupEnvironment DataEnvironment() {
    StartupEnvironment env;
    env.StartDirectory = VIV_SOURCE_DIR "/data";
    env.ListSeparatorSetting = ",";
    env.DecimalSeparatorSetting = ".";
    env.SetupFileCandidates.clear();
    return env;
}

// Triggers the menu item of `simulation` in `window`, as a click on it does.
inline void ChooseFromMenu(QWidget& window, std::uint16_t simulation) {
    for (const MenuDef& menu : MainMenu(AllSimulations()))
        for (const MenuItemDef& item : menu.Items)
            if (item.Simulation == simulation)
                window
                    .findChild<QAction*>(QString::fromUtf8(
                        item.Name.data(), static_cast<qsizetype>(item.Name.size())))
                    ->trigger();
}

}  // namespace viv::test
