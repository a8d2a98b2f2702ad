// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Simultan kontrast": a small grey square on a large square of the colour the three
// bars mix; the grey seems tinged with the complement of its ground.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

// The drawing routine: events 32 (full redraw) and 33, 38, 39 (a level) draw the two
// squares; every event writes the panels.
void DrawSimultaneousContrast(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

}  // namespace viv
