// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/drop_rays.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <vector>

#include "library/colour_table.h"
#include "library/drawing.h"
#include "library/format.h"
#include "library/trig.h"

namespace viv {

namespace {

constexpr double RayStartX = -9.0;       // where the incoming ray begins, world units
constexpr double IncomingArrowX = -7.0;  // its arrow head
constexpr double SplitIncomingArrowX = -6.0;
constexpr double ArrowLength = 0.3;  // world units
constexpr double PartialArrowLength = 0.25;
constexpr double ExitArrowDistance = 4.0;  // from the exit point along the exit ray
constexpr double SplitExitArrowDistance = 3.0;
constexpr double PartialRayLength = 2.0;    // the partial rays of the split routines
constexpr double ArcRadius = 1.0;           // the angle arcs of the construction
constexpr double ConstructionLength = 2.0;  // the secondary construction's continued rays
// The construction's arcs at the entry and exit points are left out for rays so close to
// the axis that the arc would cover the whole small angle.
constexpr double EntryArcMinP = 0.12;
constexpr double ExitArcMinP = 0.1;
constexpr int SecondaryEntryArcMinIncidence = 12;
constexpr int SecondaryExitArcMinIncidence = 13;

std::size_t ColourIndex(int colour) {
    return static_cast<std::size_t>(std::clamp(colour, 1, ColourCount));
}

WorldPoint OnDrop(double theta) {
    return {DropRadius * std::cos(theta), DropRadius * std::sin(theta)};
}

WorldPoint Along(WorldPoint from, double length, double angle) {
    return {from.x + length * std::cos(angle), from.y + length * std::sin(angle)};
}

WorldPoint Twice(WorldPoint p) {
    return {2 * p.x, 2 * p.y};
}

void Polyline(const World& map, TCanvas& canvas, std::initializer_list<WorldPoint> points) {
    std::vector<TPoint> pixels;
    pixels.reserve(points.size());
    for (const WorldPoint& p : points) pixels.push_back(map.Picture(p.x, p.y));
    canvas.Polyline(pixels);
}

void Line(const World& map, TCanvas& canvas, WorldPoint from, WorldPoint to) {
    canvas.MoveTo(map.PictureX(from.x), map.PictureY(from.y));
    canvas.LineTo(map.PictureX(to.x), map.PictureY(to.y));
}

// A number of degrees for a table cell; a value that only rounding errors keep from zero
// is shown as zero rather than "-0.0".
double Degrees(double radians, double offset) {
    const double value = radians * DegPerRad + offset;
    return std::fabs(value) < 1e-9 ? 0.0 : value;
}

RayReadout FullReadout(double p, double vDegrees, double iDegrees, double bDegrees) {
    RayReadout r;
    r.Rows[0] = FormatReal(4, 2, p);
    r.Rows[1] = FormatReal(5, 1, vDegrees);
    r.Rows[2] = FormatReal(6, 1, iDegrees);
    r.Rows[3] = FormatReal(5, 1, bDegrees);
    r.Panel1 = "p: " + r.Rows[0];
    r.Panel2 = "v: " + r.Rows[1] + "°";
    return r;
}

// The deviation of the primary ray shown as one bend where the incoming line meets the
// radius through the reflection point, and the three bends i - b, pi - 2b, i - b.
void DrawPrimaryConstruction(const World& map, const DropRayState& state, TCanvas& canvas, double p,
                             double i, double b) {
    const auto& P = state.RayPoints;
    canvas.Pen.Style = psDashDot;
    if (p > 0) {
        const double h = p * DropRadius;
        Polyline(map, canvas, {P[1], {h / Tan(2 * b - i), h}, P[3]});
    }
    Line(map, canvas, P[2], Along(P[2], DropRadius, b - i));
    canvas.Pen.Color = RayConstructionColour;
    canvas.Pen.Style = psSolid;
    if (p > EntryArcMinP) DrawAngleArc(map, P[1], canvas, ArcRadius, b - i, 0);
    DrawAngleArc(map, P[2], canvas, ArcRadius, 3 * b - Pi - i, b - i);
    if (p > ExitArcMinP) DrawAngleArc(map, P[3], canvas, ArcRadius, 4 * b - 2 * i, 3 * b - i);
    Line(map, canvas, P[1], {P[1].x, 0});
}

// The secondary ray continued past each surface point, and the four bends.
void DrawSecondaryConstruction(const DropRayContext& context, const DropRayState& state,
                               TCanvas& canvas, double i, double b, double theta1, double theta2,
                               double theta3, double theta4) {
    const World& map = context.Map;
    const auto& P = state.RayPoints;
    const double phi = theta4 + i;
    canvas.Pen.Style = psDashDot;
    Line(map, canvas, P[1], Along(P[1], ConstructionLength, 0));
    Line(map, canvas, P[2], Along(P[2], ConstructionLength, theta1 + Pi - b));
    Line(map, canvas, P[3], Along(P[3], ConstructionLength, theta3 + b));
    Line(map, canvas, P[4], Along(P[4], ConstructionLength, theta4 + b));
    canvas.Pen.Color = RayConstructionColour;
    canvas.Pen.Style = psSolid;
    if (context.IncidenceValue > SecondaryEntryArcMinIncidence)
        DrawAngleArc(map, P[1], canvas, ArcRadius, 0, theta1 + Pi - b);
    DrawAngleArc(map, P[2], canvas, ArcRadius, theta1 + Pi - b, theta2 - b - Pi);
    DrawAngleArc(map, P[3], canvas, ArcRadius, theta3 + b, theta4 + b);
    if (context.IncidenceValue > SecondaryExitArcMinIncidence)
        DrawAngleArc(map, P[4], canvas, ArcRadius, theta4 + b, phi);
    Line(map, canvas, P[1], {P[1].x, 0});
    canvas.Pen.Color = RayControlledColour;
}

// A partial ray of the split routines: a line from `from` to `to` with its arrow head at
// the far end.
void DrawPartialRay(const World& map, TCanvas& canvas, WorldPoint from, WorldPoint to, double angle,
                    bool arrows) {
    Line(map, canvas, from, to);
    if (arrows) DrawArrowHead(map, canvas, to.x, to.y, PartialArrowLength, angle);
}

// What the four ray routines share at their start: the pen, the snapped impact
// parameter, the angles of incidence and refraction and the incoming ray's arrow head.
struct RayStart {
    double p;     // impact parameter, snapped onto the rainbow ray for the controlled ray
    double i;     // angle of incidence, radians
    double b;     // angle of refraction, radians
    double h;     // height of the incoming ray, world units (below the centre: secondary)
    bool arrows;  // background rays have no arrow heads
};

RayStart BeginRay(const DropRayContext& context, TColor colour, TCanvas& canvas, double p,
                  bool secondary, double arrowX) {
    const std::size_t c = ColourIndex(context.CurrentColour);
    canvas.Pen.Color = colour;
    const double bowParameter = secondary ? context.Rainbow.SecondaryBowParameter[c]
                                          : context.Rainbow.PrimaryBowParameter[c];
    p = SnapToRainbowRay(colour, p, bowParameter, context.IncidenceMax);
    const double n = ColourTable[c].WaterIndex;
    const RayStart ray{p, ArcSin(p), ArcSin(p / n), (secondary ? -p : p) * DropRadius,
                       colour != RayBackgroundColour};
    if (ray.arrows) DrawArrowHead(context.Map, canvas, arrowX, ray.h, ArrowLength, 0);
    return ray;
}

// The twice-reflected ray: the directions (radians) of the surface points from the
// centre, each internal chord turning the ray by pi - 2b, and the exit direction.
struct SecondaryPath {
    double theta1, theta2, theta3, theta4, phi;
};

SecondaryPath SecondaryAngles(double i, double b) {
    const double theta1 = i - Pi;
    const double theta2 = theta1 + Pi - 2 * b;
    const double theta3 = theta2 + Pi - 2 * b;
    const double theta4 = theta3 + Pi - 2 * b;
    return {theta1, theta2, theta3, theta4, theta4 + i};
}

// The points of the once-reflected ray coming in at height h up to its inner reflection:
// P0 at the start, P1 where it enters the drop, P2 where it is reflected.
void SetPrimaryEntry(DropRayState& state, double h, double i, double b) {
    auto& P = state.RayPoints;
    P[0] = {RayStartX, h};
    P[1] = {-DropRadius * std::cos(i), h};
    P[2] = OnDrop(2 * b - i);
}

// The points of the twice-reflected ray coming in at height h: P0 at the start, P1 to P4
// on the drop and P5 at the end of the leaving ray.
void SetSecondaryPath(DropRayState& state, double h, const SecondaryPath& path) {
    auto& P = state.RayPoints;
    P[0] = {RayStartX, h};
    P[1] = {DropRadius * std::cos(path.theta1), h};
    P[2] = OnDrop(path.theta2);
    P[3] = OnDrop(path.theta3);
    P[4] = OnDrop(path.theta4);
    P[5] = Along(P[4], state.ExitRayLength, path.phi);
}

// The arrow head on the leaving ray, `distance` from its exit point along phi.
void DrawExitArrow(const World& map, TCanvas& canvas, WorldPoint exit, double distance,
                   double phi) {
    const WorldPoint head = Along(exit, distance, phi);
    DrawArrowHead(map, canvas, head.x, head.y, ArrowLength, phi);
}

}  // namespace

double SnapToRainbowRay(TColor colour, double p, double q, int incidenceMax) {
    if (colour != SelectedRayGreen || incidenceMax <= 0) return p;
    return std::fabs(p - q) <= 1.0 / (2.0 * incidenceMax) ? q : p;
}

RayReadout DrawPrimaryRay(const DropRayContext& context, DropRayState& state, TColor colour,
                          bool withDetails, TCanvas& canvas, double requested) {
    const World& map = context.Map;
    canvas.Pen.Mode = pmNotXor;
    const auto [p, i, b, h, arrows] =
        BeginRay(context, colour, canvas, requested, false, IncomingArrowX);

    SetPrimaryEntry(state, h, i, b);
    auto& P = state.RayPoints;
    const double phi = 4 * b - Pi - 2 * i;  // the exit direction
    if (p != 0) {
        P[3] = OnDrop(4 * b - Pi - i);
        P[4] = Along(P[3], state.ExitRayLength, phi);
        if (arrows) DrawExitArrow(map, canvas, P[3], ExitArrowDistance, phi);
        Polyline(map, canvas, {P[0], P[1], P[2], P[3], P[4]});
    } else {
        // Along the axis the light is reflected straight back at the rear of the drop and
        // leaves through its entry point.
        P[3] = P[1];
        P[4] = Along(P[3], state.ExitRayLength, phi);
        Polyline(map, canvas, {P[0], P[1], P[2]});
    }

    if (!withDetails) return {};
    state.RayExitAngle = phi + Pi;
    RayReadout readout = FullReadout(p, Degrees(phi, 180), Degrees(i, 0), Degrees(b, 0));
    if (context.ShowNormals) DrawPrimaryNormals(map, state, canvas, p);
    if (context.ShowMarks) DrawPrimaryConstruction(map, state, canvas, p, i, b);
    return readout;
}

RayReadout DrawSecondaryRay(const DropRayContext& context, DropRayState& state, TColor colour,
                            bool withDetails, TCanvas& canvas, double requested) {
    const World& map = context.Map;
    canvas.Pen.Mode = pmNotXor;
    const auto [p, i, b, h, arrows] =
        BeginRay(context, colour, canvas, requested, true, IncomingArrowX);

    const SecondaryPath path = SecondaryAngles(i, b);
    const auto [theta1, theta2, theta3, theta4, phi] = path;
    SetSecondaryPath(state, h, path);
    const auto& P = state.RayPoints;
    Polyline(map, canvas, {P[0], P[1], P[2], P[3], P[4], P[5]});
    if (arrows) DrawExitArrow(map, canvas, P[4], ExitArrowDistance, phi);

    if (!withDetails) return {};
    state.RayExitAngle = phi - Pi;
    RayReadout readout = FullReadout(p, Degrees(phi, -180), Degrees(theta1, 180), Degrees(b, 0));
    if (context.ShowNormals) DrawSecondaryNormals(map, state, canvas);
    if (context.ShowMarks)
        DrawSecondaryConstruction(context, state, canvas, i, b, theta1, theta2, theta3, theta4);
    return readout;
}

RayReadout DrawPrimaryRaySplit(const DropRayContext& context, DropRayState& state, TColor colour,
                               bool withDetails, TCanvas& canvas, double requested) {
    const World& map = context.Map;
    const auto [p, i, b, h, arrows] =
        BeginRay(context, colour, canvas, requested, false, SplitIncomingArrowX);

    const double phi = 4 * b - Pi - 2 * i;
    // Directions of the partial rays: reflected off the drop at P1, transmitted out at P2,
    // reflected back inside at P3.
    const double reflected1 = Pi - 2 * i;
    const double transmitted2 = 2 * b - 2 * i;
    const double reflected3 = 5 * b - i - 2 * Pi;
    SetPrimaryEntry(state, h, i, b);
    auto& P = state.RayPoints;
    P[3] = OnDrop(4 * b - Pi - i);
    P[4] = Along(P[3], state.ExitRayLength, phi);
    P[5] = Along(P[1], PartialRayLength, reflected1);
    P[6] = Along(P[2], PartialRayLength, transmitted2);
    P[7] = Along(P[3], PartialRayLength, reflected3);

    if (p != 0) {
        if (arrows) DrawExitArrow(map, canvas, P[3], SplitExitArrowDistance, phi);
        Polyline(map, canvas, {P[0], P[1], P[2], P[3], P[4]});
        DrawPartialRay(map, canvas, P[1], P[5], reflected1, arrows);
        DrawPartialRay(map, canvas, P[2], P[6], transmitted2, arrows);
        DrawPartialRay(map, canvas, P[3], P[7], reflected3, arrows);
    } else {
        // Along the axis the light passes straight through the drop.
        Line(map, canvas, P[0], P[6]);
        if (arrows) {
            DrawArrowHead(map, canvas, P[5].x, P[5].y, PartialArrowLength, reflected1);
            DrawArrowHead(map, canvas, P[6].x, P[6].y, PartialArrowLength, transmitted2);
        }
    }

    if (!withDetails) return {};
    state.RayExitAngle = phi + Pi;
    RayReadout readout;
    readout.Rows[0] = FormatReal(6, 1, Degrees(phi, 180));
    if (context.ShowNormals) DrawPrimaryNormals(map, state, canvas, p);
    if (context.ShowMarks) {
        // The angle between the refracted and the reflected ray: 90 degrees at Brewster's
        // angle.
        canvas.Pen.Color = RayConstructionColour;
        DrawAngleArc(map, P[1], canvas, ArcRadius, b - i, reflected1);
    }
    return readout;
}

RayReadout DrawSecondaryRaySplit(const DropRayContext& context, DropRayState& state, TColor colour,
                                 bool withDetails, TCanvas& canvas, double requested) {
    const World& map = context.Map;
    const auto [p, i, b, h, arrows] =
        BeginRay(context, colour, canvas, requested, true, SplitIncomingArrowX);

    const SecondaryPath path = SecondaryAngles(i, b);
    const auto [theta1, theta2, theta3, theta4, phi] = path;
    // Reflected off the drop at P1, transmitted out at P2 and P3, reflected back inside
    // at P4.
    const double reflected1 = 2 * i - Pi;
    const double transmitted2 = theta2 + i;
    const double transmitted3 = theta3 + i;
    const double reflected4 = theta4 - Pi - b;
    SetSecondaryPath(state, h, path);
    auto& P = state.RayPoints;
    P[6] = Along(P[1], PartialRayLength, reflected1);
    P[7] = Along(P[2], PartialRayLength, transmitted2);
    P[8] = Along(P[3], PartialRayLength, transmitted3);
    P[9] = Along(P[4], PartialRayLength, reflected4);

    if (arrows) DrawExitArrow(map, canvas, P[4], ExitArrowDistance, phi);
    Polyline(map, canvas, {P[0], P[1], P[2], P[3], P[4], P[5]});
    DrawPartialRay(map, canvas, P[1], P[6], reflected1, arrows);
    DrawPartialRay(map, canvas, P[2], P[7], transmitted2, arrows);
    DrawPartialRay(map, canvas, P[3], P[8], transmitted3, arrows);
    DrawPartialRay(map, canvas, P[4], P[9], reflected4, arrows);

    if (!withDetails) return {};
    state.RayExitAngle = phi - Pi;
    RayReadout readout;
    readout.Rows[0] = FormatReal(6, 1, Degrees(phi, -180));
    if (context.ShowNormals) DrawSecondaryNormals(map, state, canvas);
    if (context.ShowMarks) {
        canvas.Pen.Color = RayConstructionColour;
        DrawAngleArc(map, P[1], canvas, ArcRadius, reflected1, theta1 + Pi - b);
    }
    return readout;
}

void DrawPrimaryRayPath(const World& map, const DropRayState& state, bool recompute,
                        RayPathCache& xs, RayPathCache& ys, double p, double i, double b,
                        double cosI, TCanvas& canvas) {
    canvas.Pen.Color = RayControlledColour;
    if (recompute) {
        const double theta2 = 2 * b - i;
        const double theta3 = 4 * b - Pi - i;
        const double phi = theta3 - i;
        xs = {DropRadius * std::cos(theta2), DropRadius * std::cos(theta3), std::cos(phi), phi};
        ys = {DropRadius * std::sin(theta2), DropRadius * std::sin(theta3), std::sin(phi), 0};
    }
    const double h = p * DropRadius;
    const double L = state.ExitRayLength;
    DrawArrowHead(map, canvas, IncomingArrowX, h, ArrowLength, 0);
    Polyline(map, canvas,
             {{RayStartX, h},
              {-DropRadius * cosI, h},
              {xs[0], ys[0]},
              {xs[1], ys[1]},
              {xs[1] + L * xs[2], ys[1] + L * ys[2]}});
    DrawArrowHead(map, canvas, xs[1] + ExitArrowDistance * xs[2], ys[1] + ExitArrowDistance * ys[2],
                  ArrowLength, xs[3]);
}

void DrawPrimaryNormals(const World& map, const DropRayState& state, TCanvas& canvas, double p) {
    const auto& P = state.RayPoints;
    canvas.Pen.Color = RayNormalColour;
    Polyline(map, canvas, {Twice(P[1]), {0, 0}, Twice(P[2])});
    if (p != 0) Line(map, canvas, {0, 0}, Twice(P[3]));
}

void DrawSecondaryNormals(const World& map, const DropRayState& state, TCanvas& canvas) {
    const auto& P = state.RayPoints;
    canvas.Pen.Color = RayNormalColour;
    Polyline(map, canvas, {Twice(P[1]), {0, 0}, Twice(P[2])});
    Polyline(map, canvas, {Twice(P[3]), {0, 0}, Twice(P[4])});
}

}  // namespace viv
