// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Diffraction of laser light: "Optisk gitter" (a grating of N lines per millimetre),
// "Dobbeltspalte" (two narrow slits) and "Enkeltspalte" (one wide slit with the zones
// that explain its minima). Each shows the laser with the directions of all orders at the
// top left and, filling the picture, the slits magnified so that one world unit is one
// wavelength: plane crests arrive from the left, wavelets leave the slits, and the
// direction of the chosen order is constructed.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

// The drawing routines: events 32 (full redraw), 33 (ScrollBar1: the grating's lines per
// millimetre, the slit distance or the slit width), 34 (TrackBar1, single slit: the
// wavelet centres), 35 (TrackBar2: the order), 36 and 37 (the waves move one pixel) and
// the toggles each simulation shows (grating F2, F3, F4; the slits F2, F4, F5, F6).
void DrawOpticalGrating(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);
void DrawDoubleSlit(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);
void DrawSingleSlit(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The double slit's read-out of the wave under the mouse: a blue bar at the left edge
// showing the displacement of the two waves added where the pointer is.
void DoubleSlitMouse(Scene& scene, TCanvas& canvas);

// The displacement at world point p of the waves from slits at y = +-X/2 that have moved
// on by tau wavelengths: cos 2π(r1 - tau) + cos 2π(r2 - tau); 0 left of the slits.
double DoubleSlitDisplacement(WorldPoint p, double X, double tau);

// The menu entries' start values: the waves at rest, the first order; the grating of 600
// lines per millimetre, the slit distance 2.53 and the slit width 3.387 wavelengths.
void SetGratingStartValues(Scene& scene);
void SetDoubleSlitStartValues(Scene& scene);
void SetSingleSlitStartValues(Scene& scene);

}  // namespace viv
