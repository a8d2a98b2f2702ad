// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Exact ray tracing through the spherical and plane faces of thick lenses, with Snell's
// law at every face, and the outlines of such lenses. The optical axis is the x axis;
// every face is symmetric about it and ends at the lens's rim, the half-height
// LensRimHeight, so that all lenses share one rim and grow thicker as their faces curve
// more. World units throughout; directions are unit vectors.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "library/canvas.h"
#include "library/world.h"

namespace viv {

// The rim's half-height: sqrt(4.75) world units.
constexpr double LensRimSquared = 4.75;
constexpr double LensRimHeight = 2.1794494717703368;

// One refracting face: a plane x = X, or a circle of radius R about (X, 0) of which the
// ray meets the near side (the first crossing along the ray) or the far side.
struct LensFace {
    bool Plane = false;
    double X = 0;  // the plane's abscissa, or the centre of the circle
    double R = 0;  // the circle's radius
    bool Far = false;
};

// The four kinds of curved face, placed by the plane x = rim in which their rim lies:
// a convex face bulges away from the glass, a concave one into it.
LensFace ConvexLeftFace(double rim, double r);
LensFace ConvexRightFace(double rim, double r);
LensFace ConcaveLeftFace(double rim, double r);
LensFace ConcaveRightFace(double rim, double r);
LensFace PlaneFace(double x);

// How far a face of radius r stands out of its rim plane: r - sqrt(r^2 - 4.75).
double FaceSag(double r);

// The abscissa of the face at height y (|y| <= its radius).
double FaceX(const LensFace& face, double y);

// A face and the refractive index of the medium behind it.
struct Interface {
    LensFace Face;
    double IndexBehind = 1;
};

// A ray on its way: the points it has passed and where it is heading from the last.
struct TracedRay {
    std::vector<WorldPoint> Points;
    double Dx = 1, Dy = 0;  // unit direction

    TracedRay(WorldPoint start, double dx, double dy);
    WorldPoint Last() const { return Points.back(); }
};

// Carries the ray to the face, appends the point where it meets it and refracts it there
// from index n1 into index n2. False, leaving the ray as it was, when the ray misses
// the face, meets it beyond `rim` from the axis or is totally reflected.
bool RefractAt(TracedRay& ray, const LensFace& face, double n1, double n2,
               double rim = LensRimHeight);

// Carries the ray to the face (a mirror), appends the point where it meets it within
// `rim` of the axis and reflects it there; false, leaving the ray as it was, otherwise.
bool ReflectAt(TracedRay& ray, const LensFace& face, double rim = LensRimHeight);

// Turns the ray's direction by reflection at a face with the normal (nx, ny), any length.
void Reflect(TracedRay& ray, double nx, double ny);

// The ray through a sequence of faces, starting in air; nothing when one of them stops it.
std::optional<TracedRay> TraceThrough(TracedRay ray, std::span<const Interface> faces,
                                      double rim = LensRimHeight);

// Where the ray, continued forwards or backwards along its last direction, crosses the
// axis; nothing when it runs parallel to it.
std::optional<double> AxisCrossing(const TracedRay& ray);

// The abscissa of the focal point of a lens: where a ray 0.001 above the axis and parallel
// to it crosses the axis after the last face; nothing when the trace fails or the ray
// leaves parallel.
std::optional<double> ParaxialFocus(std::span<const Interface> faces, double startX);

// The back focal point and the focal length of a lens from the same paraxial ray: the
// focal length is the ray's height divided by the tangent of the angle it leaves at,
// measured from the rear principal plane (negative for a diverging lens), so that it does
// not change when the lens is turned round.
struct ParaxialFocusing {
    double FocalPoint = 0;   // abscissa, world units
    double FocalLength = 0;  // world units
};
std::optional<ParaxialFocusing> ParaxialFocalData(std::span<const Interface> faces, double startX);

// Appends the points of a face between the rims, from the lower to the upper or from the
// upper to the lower.
void AppendFace(std::vector<WorldPoint>& points, const LensFace& face, bool upwards);

// A lens element's outline as one closed path: the left face upwards and the right face
// downwards, joined at the rim by straight lines where the faces end at different
// abscissae.
std::vector<WorldPoint> LensOutline(const LensFace& left, const LensFace& right);

}  // namespace viv
