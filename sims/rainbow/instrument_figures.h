// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The figures of two old instruments for measuring the height of the sun above the
// horizon, and with it the angle of the rainbow: a quadrant with its plumb-line scale and
// a Jacob's staff graduated for its cross-piece. Drawn once, without controls or table.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"
#include "library/world.h"

namespace viv {

// The quadrant: its corner at the world origin, the sighting bar along the positive x
// axis and the scale of 0..90 degrees in the quarter below (radii 7.5 to 16).
void DrawQuadrant(const World& map, TCanvas& canvas);

// The Jacob's staff along the x axis from y = 0 to 1, graduated for a cross-piece of
// length JacobsCrossPiece: the cross-piece slid to x spans the angle theta with
// tan(theta / 2) = (L / 2) / x; ticks every half degree from 40° to 60°.
constexpr double JacobsCrossPiece = 30;
void DrawJacobsStaffScale(const World& map, TCanvas& canvas);

// Where the cross-piece spans theta degrees.
double JacobsStaffPosition(double thetaDegrees);

// "Kvadrant" and "Jakobsstav": the figures on event 32, in the windows x -2..18, y -1.9 h
// .. 0.1 h and x 20..60, y -h..h (h the picture's half-height in world units).
void DrawQuadrantPicture(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);
void DrawJacobsStaffPicture(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

}  // namespace viv
