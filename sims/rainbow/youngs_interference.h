// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Youngs interferens": the supernumerary bows inside the primary bow. For every exit
// angle below the bow angle two once-reflected rays leave the drop in the same direction,
// one entering outside the rainbow ray (ray 1) and one inside it (ray 2); their optical
// paths differ, so they interfere. The user chooses ray 1; the program finds ray 2, draws
// both, and plots in an inset the interference term against the exit angle; beside it, on
// request, Airy's curve of the same drop and colour.
#pragma once

#include <cstdint>
#include <vector>

#include "app/scene.h"
#include "library/canvas.h"
#include "library/drop_rays.h"
#include "library/world.h"

namespace viv {

// The two rays leaving the drop in one direction.
struct InterferenceRays {
    double Ray1Parameter = 0;   // p1, drop radius 1
    double Ray2Parameter = 0;   // p2, below the rainbow ray's parameter
    double I1 = 0, R1 = 0;      // angles of incidence and refraction of ray 1, radians
    double I2 = 0, R2 = 0;      // the same of ray 2
    double ExitAngle = 0;       // v, degrees from the antisolar point, 4 r1 - 2 i1
    double Ray2Path = 0;        // the inner path of ray 2, wavelengths
    double PathDifference = 0;  // phi: the path of ray 1 less that of ray 2, wavelengths
    double Divergence = 1;      // g: the ratio of the rates of change of v with p1 and p2
    double Light1 = 0;          // R (1 - R)^2 of ray 1, R its perpendicular reflectance
    double Light2 = 0;          // the same of ray 2
};

// The path scales of a drop of radius `dropSize` metres for light of `waveLength` nm in
// water of index n: K = 4 n R / lambda (inside) and L = 2 R / lambda (outside).
struct PathScales {
    double Inner = 0;  // K
    double Outer = 0;  // L
};
PathScales InterferencePathScales(double dropSize, double waveLength, double n);

// The first guess for p2 from p1, below the rainbow ray's parameter pr.
double SecondRayGuess(double p1, double pr);

// Ray 2 for ray 1 with parameter p1, by Newton's iteration on the angle of incidence from
// the guess p2Guess: at most 11 steps, stopping when a step falls below 0.0001 rad, and
// held between the axis and the rainbow ray.
InterferenceRays SolveSecondRay(double p1, double p2Guess, double n, const PathScales& scales);

// The perpendicular reflectance's share R (1 - R)^2 of a ray reflected once inside.
double ScatteredLight(double i, double r, double n);

// The samples of the inset's sweep from the rainbow ray (parameter pr, bow angle
// `bowAngle` degrees) outwards, until v falls below the inset's left edge (36°).
struct SweepSample {
    double ExitAngle;       // v, degrees
    double PathDifference;  // phi, wavelengths
    double Slope;           // q = -dp1/dv, per degree
    double Divergence;      // g
    double Light1, Light2;  // I1, I2
};
std::vector<SweepSample> SweepInterference(double n, double pr, double bowAngle,
                                           const PathScales& scales);

// The inset's curves in picture points of the inset's mapping, from the bow angle
// `bowAngle` (degrees) on: the interference term 1 + cos(2 pi phi), with mid-column points
// between the samples; and the term corrected for the light each ray carries.
struct InterferenceCurves {
    std::vector<TPoint> Interference;
    std::vector<TPoint> LossCorrected;
};
InterferenceCurves BuildInterferenceCurves(const World& insetMap, double bowAngle,
                                           const std::vector<SweepSample>& samples,
                                           bool lossCorrected);

// What the simulation keeps between events.
struct YoungState {
    double DropSize = 0.0001;  // drop radius, metres
    PathScales Scales;
    InterferenceRays Rays;  // the rays shown
    double PreviousRay1Parameter = 0;
    double PreviousRay2Parameter = 0;
    bool PreviousStale = true;  // the inset's sweep ran since the rays were last solved
    bool OneStep = false;       // the last change of p1 was one step of the scroll bar
    // The paths drawn last, so that drawing them again removes them exactly.
    RayPathCache Ray1Xs{}, Ray1Ys{}, Ray2Xs{}, Ray2Ys{};
};

YoungState& YoungOf(Scene& scene);

// The menu entry's start: the smallest drop.
void SetYoungStartValues(SetupScene& scene);

// The drawing routine of the simulation: events 32 (full redraw), 33 (ScrollBar1: ray 1),
// 34 (TrackBar1: the colour), 35 (TrackBar2: the drop's radius), 113 (F2: the path
// construction), 114 (F3: Airy's curve in the inset), 115 (F4: axes), 116 (F5: the red
// rainbow ray) and 117 (F6: the loss-corrected curve). Other events do nothing.
void DrawYoungsInterference(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

}  // namespace viv
