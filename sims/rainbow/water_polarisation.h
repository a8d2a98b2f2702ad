// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Polarisation i vand": a ray falls from air onto the flat face of a half-disc of water
// and is reflected and refracted. Symbols along the rays show the two polarisations; at
// the Brewster angle, with reflected and refracted ray at right angles, the reflected
// light keeps no parallel polarisation. The inset shows the reflected light against the
// refraction angle.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

struct DragFigure;

// What the picture of the water surface keeps between events.
struct WaterPolarisationState {
    double BrewsterAngle = 0;  // degrees, for the current colour
    // The last ray drawn.
    double Incidence = 0;      // the angle of incidence used, radians (snapped or not)
    double Refraction = 0;     // the refraction angle b, radians
    double SinRefraction = 0;  // sin b
    bool AtBrewster = false;   // the ray is drawn at exactly the Brewster angle
};

WaterPolarisationState& WaterPolarisationOf(Scene& scene);

// The drawing routine of the simulation: events 32 (full redraw), 33 (ScrollBar1: the
// angle of incidence), 34 (TrackBar1: the colour) and 113..117 (F2 the angle between the
// reflected and the refracted ray, F3 the surface normal, F4 the polarisation marks, F5
// the Brewster rays, F6 the protractor). Other events do nothing.
void DrawWaterPolarisation(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The Brewster angle of water of index n, degrees: arctan n.
double BrewsterAngleOf(double n);

// The incident ray, dragged about its point of incidence: ScrollBar1.
extern const DragFigure WaterPolarisationDrag;

}  // namespace viv
