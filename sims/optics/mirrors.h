// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Hulspejlet" and "Parabol": a parallel beam from the left reflected exactly at a
// spherical mirror (concave, or convex with F6) or at a parabolic mirror. Both mirrors
// have their vertex at the origin and turn their reflecting side to the light.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "app/scene.h"
#include "library/canvas.h"
#include "sims/optics/lens_trace.h"

namespace viv {

// The own state of both mirror simulations, kept while other simulations are shown.
struct MirrorState {
    double Radius = 5;       // the spherical mirror's radius, world units
    int FocalLength = 2;     // the parabola's f, world units
    int Angle = 0;           // theta, whole degrees
    double StopX = -1;       // the aperture stop's abscissa
    double StopOpening = 2;  // its half-opening without F3
};

MirrorState& MirrorOf(Scene& scene);

// The menu entries' start values: the stop at x = -1 with the half-opening 2 and r = 5;
// the parabola f = 2.
void SetConcaveMirrorStartValues(SetupScene& scene);
void SetParabolaStartValues(SetupScene& scene);

// "Hulspejlet": events 32, 33 (ScrollBar1: theta), 35 (TrackBar2: r) and the toggles
// F2 (the focal plane; for the convex mirror the reflected rays continued behind it), F3
// (the narrow stop) and F6 (convex).
void DrawConcaveMirror(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// "Parabol": events 32, 33 (theta), 35 (TrackBar2: f) and F2 (the focal plane).
void DrawParabola(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// --- The optics, shared with the tests ---

// The parabola x = -A y^2 with its focus at (-f, 0): A = 1 / (4 f).
constexpr double ParabolaA(double f) {
    return 1 / (4 * f);
}
constexpr double ParabolaHalfHeight = 3;  // the mirror reaches from y = -3 to 3

// The spherical mirror: concave about (-r, 0), convex about (r, 0).
LensFace SphericalMirror(double r, bool convex);

// A ray of the beam: height c at x = 0, direction theta (degrees), started at the left
// edge x = -14 and reflected at the mirror: its points are the start and the point of
// reflection, its direction the reflected one. Nothing when it misses the mirror.
std::optional<TracedRay> ReflectedAtSphere(double c, int angleDegrees, double r, bool convex);
std::optional<TracedRay> ReflectedAtParabola(double c, int angleDegrees, double f);

// The heights of the rays of "Hulspejlet" that pass the stop: 0, +-0.5 .. +-2.5.
std::vector<double> MirrorBeamHeights(Scene& scene);

}  // namespace viv
