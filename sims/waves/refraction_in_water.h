// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Brydning i vand": a ray of light meets the flat face of a half-disc of water at its
// centre. The refracted and the reflected ray are drawn, and on request the angles, the
// normal, the ray at the critical angle and a protractor to read the angles off.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

struct DragFigure;

// The drawing routine of the simulation: events 32 (full redraw), 33 (ScrollBar1: the
// angle of incidence), 34 (TrackBar1: the colour), 35 (TrackBar2: the direction of the
// light) and the toggles F2 "Vinkler", F3 "Lod", F5 "Grænse" and F6 "Måler". Other
// events do nothing.
void DrawRefractionInWater(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The incident ray, dragged about its point of incidence: ScrollBar1.
extern const DragFigure RefractionInWaterDrag;

}  // namespace viv
