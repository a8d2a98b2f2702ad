// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Den tolvdelte farvecirkel": a ring of twelve colours formed from the primaries
// yellow, red and blue, with the primaries and the secondaries in a hexagon inside it.
#pragma once

#include <array>
#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

// C0..C11, counter-clockwise from red at the lower right.
const std::array<TColor, 12>& TwelveColours();

// The drawing routine: every event draws the circle and the title.
void DrawTwelvePartCircle(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

}  // namespace viv
