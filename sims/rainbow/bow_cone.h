// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Vivarnons kegle": sunlight falls on a curtain of rain, and from the observer's eye the
// lines of sight rise at each colour's bow angle less the sun's height; where they
// cross the rain they are drawn in their colour.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

struct DragFigure;

// The drawing routine of the simulation: events 32 (full redraw, with new rain drops),
// 33 (ScrollBar1, the sun's height), 35 (TrackBar2, the observer) and 113 (F2, the
// bow angles as arcs). Every call ends by writing the table and Panel1.
void DrawBowCone(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The menu entry's start: the sun 30° high, the observer at the origin.
void SetConeStartValues(SetupScene& scene);

// The observer, dragged along the ground: TrackBar2.
extern const DragFigure ObserverDrag;

}  // namespace viv
