// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The angle cursor of the bow's statistics graphs (9 and 12), taken hold of with the mouse.
#pragma once

#include "app/scene.h"
#include "library/world.h"

namespace viv {

// True where p lies on the cross of the angle cursor as last drawn: arms 4° to each side,
// `halfHeight` up and down in the graph's units.
bool GripsAngleCursor(Scene& scene, TPoint p, double halfHeight);

// The ScrollBar1 position that puts the cursor at w: it stands half its bin's offset right
// of the angle v it reads, and ScrollBar1 shows Max + 1 - v.
double AngleCursorPositionAt(Scene& scene, WorldPoint w);

}  // namespace viv
