// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The main window's size at start, chosen by the size of the screen.
#pragma once

namespace viv {

struct WindowSizing {
    int Width = 640;   // pixels
    int Height = 480;  // pixels
    bool Maximised = false;
    // The two track bars of the colour and the bow are made wider on small screens.
    bool WideTrackBars = false;
};

// 640 x 480; maximised on screens of at most 650 x 500; 720 x 540 on screens of at least
// 800 x 600; track bars of 32 pixels on screens at most 900 pixels wide.
WindowSizing SizeForScreen(int screenWidth, int screenHeight);

constexpr int WideTrackBarWidth = 32;  // pixels

// The smallest main window: every button of the button bar shows (the last ends 463
// pixels from the left) and the control panel, if the window is lower than it, scrolls.
constexpr int MinimumWindowWidth = 480;   // pixels
constexpr int MinimumWindowHeight = 360;  // pixels

}  // namespace viv
