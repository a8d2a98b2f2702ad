// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Farveblanding": three lights, red, green and blue, mixed on black (additive), or three
// filters, yellow, cyan and magenta, laid over white (subtractive), each as strong as
// its scroll bar.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

// The drawing routine: events 32 (full redraw), 33, 38, 39 (ScrollBar1..3, one light or
// filter) and 35 (TrackBar2: additive at position 0, subtractive otherwise). Every call
// ends by writing the three percentages into the table and the panels.
void DrawColourMixing(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The level of a light or filter as "100.0% " on a white box with its left edge at x
// and centred on row y (picture pixels). The box is as wide as the widest label, so a
// new label always covers the old one. Leaves the pen in pmCopy for the lights and in
// pmXor for the filters.
void DrawLevelLabel(Scene& scene, int x, int y, int level, TCanvas& canvas);

// The menu entry's start: the additive picture.
void SetMixingStartValues(SetupScene& scene);

}  // namespace viv
