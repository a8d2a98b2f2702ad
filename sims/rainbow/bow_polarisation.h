// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Vivarnons polarisation": one ray of the primary or secondary bow through a raindrop
// with its partial rays at every surface point, symbols for the two polarisations of the
// incoming sunlight, and the share of each polarisation left after every refraction and
// reflection. An inset shows the reflected light against the angle b inside the drop,
// with markers at the current ray and at the rainbow ray.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

// The drawing routine of the simulation: events 32 (full redraw), 33 (ScrollBar1: the
// impact parameter), 34 (TrackBar1: the colour), 35 (TrackBar2: the bow) and 113..116
// (F2 marks, F3 normals, F4 axes, F5 the red rainbow ray). Other events do nothing.
void DrawBowPolarisation(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The inset's marker where the current bow's rainbow ray meets the inside of the drop: a
// bold line across the b axis in the colour's own screen colour. Drawn in pmNotXor.
void DrawBowRayMarker(Scene& scene, TCanvas& canvas);

// The light left of each polarisation, in per cent of the incoming, for the impact
// parameter p (0..1) of a ray of `bow` in water of index n.
struct PolarisationShares {
    double AfterEntry[2];       // perpendicular, parallel
    double AfterReflection[2];  // after the first reflection inside
    double AfterSecond[2];      // bow 1: leaving the drop; bow 2: after the second reflection
    double Leaving[2];          // what leaves the drop
    bool RatioDefined = true;   // false when no perpendicular light leaves
    double Ratio = 0;           // parallel / perpendicular of the light leaving
};
PolarisationShares BowPolarisationShares(double p, double n, int bow);

}  // namespace viv
