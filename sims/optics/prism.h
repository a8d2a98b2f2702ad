// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Prismet": a ray of light passes a glass prism of a chosen substance and apex angle.
// The picture shows the prism, the red ray refracted at both faces (or totally reflected
// at the second face), on request the face normals, the deviation angle and a second,
// blue ray; an inset graph shows the deviation against the angle of incidence, with the
// current angle marked, so that the minimum deviation can be read.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"
#include "library/world.h"

namespace viv {

// The prism's own state, kept while other simulations are shown.
struct PrismState {
    double Apex = 1.0471975511965976;  // p, radians (60°)
    int Incidence = 30;                // i, whole degrees
};

PrismState& PrismOf(Scene& scene);

// The menu entry's start values: the apex angle 60°.
void SetPrismStartValues(Scene& scene);

// The drawing routine: events 32 (full redraw), 33 (ScrollBar1: the angle of incidence),
// 34 (TrackBar1: the substance), 35 (TrackBar2: the apex angle) and the toggles F2
// (deviation marks), F3 (face normals) and F4 (the blue ray). Other events do nothing.
void DrawPrism(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// --- The prism's geometry, world units: apex at (0, 3), base at y = -3 ---

constexpr double PrismApexY = 3;
constexpr double PrismBaseY = -3;

// A ray of index n entering the middle of the left face at the angle of incidence i.
struct PrismRay {
    WorldPoint Start;        // on x = -5, where the incident ray is drawn from
    WorldPoint Entry;        // P1, the middle of the left face
    WorldPoint Exit;         // P2 on the right face, or the point where the ray meets the base
    WorldPoint End;          // the end of the emergent or the reflected ray (not with MeetsBase)
    double Incident = 0;     // a, the incident direction (radians from the x axis)
    double Refraction = 0;   // r1, at the first face (radians)
    double Emergence = 0;    // e, at the second face (radians), when the ray emerges
    double Deviation = 0;    // v = i + e - p (radians), when the ray emerges
    bool Emerges = false;    // n sin r2 < 1 and the ray reaches the second face
    bool MeetsBase = false;  // the ray inside reaches the base before the second face
};

// The ray of index n through a prism of apex angle p at the angle of incidence i (both
// radians).
PrismRay TracePrismRay(double p, double i, double n);

}  // namespace viv
