// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The protractor and the surface normal of the refraction pictures: a circle of radius 4
// world units about the point of incidence at the origin, with the water's flat face on
// the line x = 0 and its normal along the x axis.
#pragma once

#include "library/canvas.h"
#include "library/world.h"

namespace viv {

// The protractor: a green circle of radius 4 with a tick every 10 degrees, a red dot every
// 2 degrees between them and the labels 0..90 of the angles of incidence (upper left) and
// refraction (lower right). Drawn again in pmNotXor it removes circle, ticks and dots; the
// labels are written in black while `shown` and in white (erasing them) otherwise.
void DrawProtractor(const World& world, TCanvas& canvas, bool shown);

// The pixel of the red dot at 2k degrees (k not a multiple of 5): two pixels outside the
// circle, so that it never falls on one of the circle's own pixels and is red in any pen
// mode on white.
TPoint ProtractorDot(const World& world, int k);

// The surface normal: a red line from (-5, 0) to (5, 0).
void DrawSurfaceNormal(const World& world, TCanvas& canvas);

}  // namespace viv
