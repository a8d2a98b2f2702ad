// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Alexanders bånd": the exit angle v of once- and twice-reflected rays against their
// impact parameter p for all eight colours, with Alexander's dark band between the
// largest primary and the smallest secondary angle shown enlarged in an inset.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

struct DragFigure;

// The drawing routine of the simulation: events 32 (full redraw), 33 (ScrollBar1 moves
// the cursor, or steps through the guide crossings while F2 is on), 34 (colour),
// 35 (bow) and 113 (F2, the guide angles).
void DrawAlexandersBand(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// BandAngle := the exit angle (degrees) of the ray with impact parameter p for the
// current colour and bow: computed exactly while the drop (7) is shown, interpolated in
// the angle tables while the band (8) is shown; any other simulation leaves it alone.
void AngleAtParameter(Scene& scene, double p);

// Fills the sample parameters and the angle tables of all eight colours once.
void BuildAngleTables(Scene& scene);

// The parameters (PresetParameter[1..7]) where the current colour's curves cross the
// guide angles 25°, 35°, 35°, 25° (primary) and 100°, 60°, 60° (secondary). A guide
// angle the curve never reaches gets the sample where the curve comes nearest to it.
void FindPresetParameters(Scene& scene);

// The cursor at (p, BandAngle) on the main graph, and in the inset where the inset
// shows it (p >= 0.7 and v > 25°).
void DrawParameterCursor(Scene& scene, TCanvas& canvas, double p);

// The control panel's start: the ray parameter belonging to ScrollBar1 at its middle.
void SetBandRayParameter(SetupScene& scene);

// The cursor's cross, dragged along the curve: ScrollBar1.
extern const DragFigure BandMarkerDrag;

}  // namespace viv
