// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The inset graph of the prism and of the ice crystal: the deviation v against the angle
// of incidence i, both in degrees, in the lower right third of the picture.
#pragma once

#include "library/canvas.h"
#include "library/world.h"

namespace viv {

// The graph's mapping while the returned object lives.
[[nodiscard]] InsetMapping DeviationGraph(World& map);

// The axes with their numbers every 20° and their names "i" and "v", in black; drawn
// once on the white picture. Leaves the pen black, solid, in not-xor.
void DrawDeviationGraphAxes(World& map, TCanvas& canvas);

// The current angle, in the graph's mapping: a line in the pen from the i axis up to the
// deviation v (degrees).
void DrawDeviationGraphPoint(const World& map, TCanvas& canvas, int i, double v);

// The current angle of incidence i (degrees) with its deviation v (radians), in blue, in
// the graph's own mapping.
void DrawDeviationGraphCurrent(World& map, TCanvas& canvas, int i, double v);

// The deviation of a ray that enters at `entry` in direction `incident` and leaves at
// `exit` in direction `emergent` (radians), in dotted blue: the incident ray continued
// 6 units beyond the entry, the emergent ray continued back to where the two cross, and
// there a solid arc of radius 2 from the emergent direction to the incident one, the
// deviation itself. Nothing for parallel rays.
void DrawDeviationMarks(const World& map, TCanvas& canvas, WorldPoint entry, double incident,
                        WorldPoint exit, double emergent);

}  // namespace viv
