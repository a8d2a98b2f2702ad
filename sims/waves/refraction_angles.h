// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Light meeting the flat boundary between air and water: the angles of incidence and
// refraction, total reflection, the critical angle, and the results table and status
// panels that "Brydning i vand" and "Brydningsloven" share.
#pragma once

#include "app/events.h"
#include "app/scene.h"
#include "library/canvas.h"
#include "library/world.h"

namespace viv {

// RayDirection: where the light comes from.
constexpr int FromAir = 1;
constexpr int FromWater = 2;

// Within this many degrees of the critical angle, light from the water is taken at the
// critical angle itself.
constexpr double CriticalSnap = 0.5;

// The angles of one ray at the boundary, radians.
struct RefractionAngles {
    double Incidence = 0;   // i, measured from the normal (the x axis)
    double Refraction = 0;  // b; meaningful only when Refracts
    bool Refracts = true;   // false: light from the water is totally reflected
};

// Light from the water of index n meeting the boundary at `incidence` (radians) is
// totally reflected when n sin i exceeds 1. The small tolerance keeps light at the
// critical angle itself, where n sin i may come out a rounding error above 1, refracted
// along the boundary.
bool TotallyReflected(double n, double incidence);

// The critical angle arcsin(1/n) of water of index n, degrees.
double CriticalAngleDegrees(double n);

// The angles for an angle of incidence of whole degrees, light from `direction`, in
// water of index n whose critical angle is `criticalDegrees`. Light from the water
// within CriticalSnap of the critical angle is taken at the critical angle.
RefractionAngles RefractionAt(int incidenceDegrees, int direction, double n,
                              double criticalDegrees);

// --- The program's state ---

// The critical angle of the current colour, taken into the refraction state.
void UpdateCriticalAngle(Scene& scene);

// The angles for the current angle of incidence, colour and direction.
RefractionAngles CurrentRefraction(Scene& scene);

// Rows 1..4 of the results table, the colour's name in the header of row 2, and the
// angles in Panel1 ("i: ") and Panel2 ("b: "; empty after it when nothing is refracted).
void WriteRefractionTable(Scene& scene, const RefractionAngles& angles);

// The red line from the point of incidence along the refracted ray at the critical
// angle, 5 world units long. Drawing it again removes it.
void DrawCriticalAngleLine(const World& world, TCanvas& canvas, double criticalDegrees);

// Takes in a change that both refraction pictures answer alike: the angle of incidence
// (ScrollBar1), the colour (TrackBar1, moving a shown critical-angle line along), the ray
// direction (TrackBar2) and the F2, F3 and F5 toggles (F3 and F5 drawing the normal and the
// critical-angle line again, in the canvas's pen mode). False for any other event.
bool TakeRefractionControl(Scene& scene, Event event, TCanvas& canvas);

// The position of ScrollBar1 for the incident ray turned through the world point w about the
// point of incidence, counted from the normal on the side the light comes from.
double RayIncidenceAt(Scene& scene, WorldPoint w);

}  // namespace viv
