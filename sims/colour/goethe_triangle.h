// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Goethes farvetrekant": nine coloured triangles tiling one large triangle, the
// primaries at the corners, the mixtures between them.
#pragma once

#include <array>
#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"
#include "library/world.h"

namespace viv {

struct GoetheTriangle {
    bool up;          // apex above the base; false: apex below
    double atX, atY;  // the corner the triangle is placed by, in sides a and heights h
    TColor colour;
};

// The nine triangles, placed relative to the large triangle's lower-left corner.
const std::array<GoetheTriangle, 9>& GoetheTriangles();

// The three corners of triangle k (0..8), world units.
std::array<WorldPoint, 3> GoetheCorners(int k);

// The drawing routine: every event draws the triangles and the title.
void DrawGoetheTriangle(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

}  // namespace viv
