// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The share of light a water surface reflects for the two polarisations (the Fresnel
// equations), and the inset graph of it against the angle b inside the water, shared by
// the pictures of polarisation in a drop and at a flat water surface.
#pragma once

#include "app/scene.h"
#include "library/canvas.h"
#include "library/world_drawing.h"

namespace viv {

// Reflected shares, 0..1, of light polarised perpendicular to ("vinkelret") and parallel
// with ("parallelt") the plane of incidence.
struct Reflectance {
    double Perpendicular = 0;
    double Parallel = 0;
};

// The reflectance where light meets water of index n at the angle of incidence i in air
// with the refraction angle b in the water (sin i = n sin b), radians. The same values
// hold for light inside meeting the surface at b. At normal incidence both are
// ((n - 1) / (n + 1))^2.
Reflectance WaterReflectance(double i, double b, double n);

// The inset graph in the upper right of the picture: axes of "% spejlet lys" against the
// refraction angle b in degrees, with the names of the two curves.
void DrawReflectanceInset(Scene& scene, TCanvas& canvas);

// The two reflectance curves of the current colour (maroon perpendicular, olive parallel)
// up to the critical angle, and a dotted line there. Drawn in pmNotXor: drawing them again
// removes them.
void DrawReflectanceCurves(Scene& scene, TCanvas& canvas);

// Which ray the inset's green marker follows.
enum class RefractionMarkerKind { WaterSurface = 1, Drop = 2 };

// A bold green vertical line in the inset at the refraction angle of the current ray: for
// the water surface that of the angle of incidence IncidenceValue degrees, for the drop
// that of the impact parameter ScrollBar1 has set. Drawn in pmNotXor.
void DrawRefractionMarker(Scene& scene, RefractionMarkerKind kind, TCanvas& canvas);

// The inset's margins and window while the object lives; then back to the simulation's
// own window and pen width.
InsetGraph ReflectanceInset(Scene& scene, TCanvas& canvas);

}  // namespace viv
