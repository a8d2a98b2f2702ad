// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Rays of sunlight traced through a spherical raindrop centred at the world origin:
// refracted on entry, reflected once (primary bow) or twice (secondary bow) inside, and
// refracted out again. The light comes from the left, travelling in the +x direction.
// All angles are radians counted counter-clockwise from +x; lengths are world units.
//
// DrawPrimaryRay and DrawSecondaryRay draw in pmNotXor (the others in the caller's pen
// mode, normally pmNotXor too), so drawing the same ray twice removes it again.
#pragma once

#include <array>
#include <string>

#include "library/canvas.h"
#include "library/rainbow_angles.h"
#include "library/world.h"

namespace viv {

constexpr double DropRadius = 3.0;  // world units
constexpr int RayPointCount = 10;

// Colours of the ray figures.
constexpr TColor RayControlledColour = clGreen;   // the ray under the user's control
constexpr TColor RayBackgroundColour = clSilver;  // background rays: no arrow heads
constexpr TColor RayConstructionColour = clBlue;  // the angle construction (F2)
constexpr TColor RayNormalColour = clOlive;       // the normals (F3)

// What the routines read of the program's state.
struct DropRayContext {
    const World& Map;
    const RainbowAngles& Rainbow;
    int CurrentColour = 4;  // 1..8
    int IncidenceMax = 100;
    int IncidenceValue = 50;
    bool ShowMarks = false;    // the angle construction of the controlled ray
    bool ShowNormals = false;  // the normals at its surface points
};

// The last traced ray.
struct DropRayState {
    // Length of the ray drawn after it leaves the drop, world units.
    double ExitRayLength = 6.0;
    // Primary: start, P1 (entry), P2 (reflection), P3 (exit), end of the exit ray.
    // Secondary: start, P1, P2, P3 (reflections), P4 (exit), end of the exit ray.
    // The split routines add the far ends of the partial rays after these.
    std::array<WorldPoint, RayPointCount> RayPoints{};
    // The direction pointing from the drop back along the exit ray of the last ray drawn
    // with details: where an observer sees the light come from. Radians.
    double RayExitAngle = 0;
};

// What a ray drawn with details leaves for the results table and the status line. An
// empty text is one the routine does not write.
struct RayReadout {
    static constexpr int FirstRow = 4;
    // Column 1 of the table, rows 4..7: p, v/°, i/°, b/° (the split routines: row 4 alone).
    std::array<std::string, 4> Rows;
    std::string Panel1;  // "p: ..."
    std::string Panel2;  // "v: ...°"
};

// requested: the impact parameter p asked for, 0..1, the height of the incoming ray above
// (primary) or below (secondary) the centre as a fraction of the radius. A green ray within
// half a control step of the colour's rainbow ray is traced exactly as the rainbow ray.
RayReadout DrawPrimaryRay(const DropRayContext& context, DropRayState& state, TColor colour,
                          bool withDetails, TCanvas& canvas, double requested);
RayReadout DrawSecondaryRay(const DropRayContext& context, DropRayState& state, TColor colour,
                            bool withDetails, TCanvas& canvas, double requested);

// The same rays with the partial rays that leave the main path at every surface point
// (reflected outside or inside, or transmitted out), each 2 units long. They set only the
// pen colour and leave the pen mode to the caller.
RayReadout DrawPrimaryRaySplit(const DropRayContext& context, DropRayState& state, TColor colour,
                               bool withDetails, TCanvas& canvas, double requested);
RayReadout DrawSecondaryRaySplit(const DropRayContext& context, DropRayState& state, TColor colour,
                                 bool withDetails, TCanvas& canvas, double requested);

// The geometry of a primary ray's path from its entry point on, as x and y lists:
// P2, P3, the exit direction's cosine and sine, and the exit direction itself in xs[3].
using RayPathCache = std::array<double, 4>;

// A green primary ray from cached geometry, recomputed first when asked: i and b the
// angles of incidence and refraction and cosI = cos i, all computed by the caller. Draws
// with the caller's pen mode and style.
void DrawPrimaryRayPath(const World& map, const DropRayState& state, bool recompute,
                        RayPathCache& xs, RayPathCache& ys, double p, double i, double b,
                        double cosI, TCanvas& canvas);

// The radii through the surface points of the last traced ray, drawn out to twice the
// drop's radius, in olive.
void DrawPrimaryNormals(const World& map, const DropRayState& state, TCanvas& canvas, double p);
void DrawSecondaryNormals(const World& map, const DropRayState& state, TCanvas& canvas);

// p moved onto the rainbow ray's parameter q when the ray is the green controlled one and
// p lies within half a step (1 / (2 IncidenceMax)) of q.
double SnapToRainbowRay(TColor colour, double p, double q, int incidenceMax);

}  // namespace viv
