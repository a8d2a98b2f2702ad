// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Brydningsloven": a parallel beam of light drawn as wave crests that move with the
// animation clock and bend at the boundary between air and water. In water the crests
// lie closer by the factor n; the light may come from either side, and from the water
// beyond the critical angle it is totally reflected.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

struct DragFigure;

// The drawing routine of the simulation: events 32 (full redraw), 33 (ScrollBar1: the
// angle of incidence), 34 (TrackBar1: the colour), 35 (TrackBar2: the direction of the
// light), 36 (a tick: the crests move on), 37 (one step: likewise, and the table) and
// the toggles F2 "Vinkler", F3 "Lod", F4 "Stråle", F5 "Grænse" and F6 "Spejling".
// Other events do nothing.
void DrawRefractionLaw(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The menu entry's start values: incidence 0..90 from 45°, light from the air, the
// crests at the phase 0.21.
void SetRefractionLawStartValues(SetupScene& scene);

// The phase after one tick or step: 0.04 on, back by 1 on reaching 1.
double NextPhase(double phase);

// The incident wave, turned about the point of incidence: ScrollBar1.
extern const DragFigure RefractionLawDrag;

}  // namespace viv
