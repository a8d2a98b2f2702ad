// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Komplementært mønster": wavy bands alternating between the colour the three bars mix
// and its complement; TrackBar2 shifts the balance of their widths and F3 puts white
// lines between them.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

// The drawing routine: events 32 (full redraw), 33, 38, 39 (a level), 35 (TrackBar2,
// the shift) and 114 (F3, white lines) draw the pattern; every event writes the panels.
void DrawComplementPattern(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The menu entry's start.
void SetPatternStartValues(SetupScene& scene);

}  // namespace viv
