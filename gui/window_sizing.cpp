// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gui/window_sizing.h"

namespace viv {

WindowSizing SizeForScreen(int screenWidth, int screenHeight) {
    WindowSizing s;
    if (screenWidth <= 650 && screenHeight <= 500) s.Maximised = true;
    if (screenWidth >= 800 && screenHeight >= 600) {
        s.Width = 720;
        s.Height = 540;
    }
    s.WideTrackBars = screenWidth <= 900;
    return s;
}

}  // namespace viv
