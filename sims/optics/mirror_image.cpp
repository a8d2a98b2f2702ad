// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Spejlbilledet": the image of an arrow in a concave or convex spherical mirror with its
// vertex at the origin.
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/events.h"
#include "library/trig.h"
#include "library/world.h"
#include "sims/optics/image_formation.h"
#include "sims/optics/lens_figures.h"
#include "sims/optics/optics_figures.h"

namespace viv {

namespace {

constexpr double XMin = -14, XMax = 6;

// The mirror's rim: most of the picture's height, at most 60° round its centre.
constexpr double RimFactor = 0.9;                    // of AspectHeight
constexpr double MaxRimFactor = 0.8660254037844386;  // sin 60°, of the radius
constexpr double BackThickness = 0.05;               // the mirror's back behind the reflecting face
constexpr double TickHalf = 1;

constexpr TColor MirrorColour = clBlack;
constexpr TColor ArrowColour = clBlack;
constexpr TColor FocusColour = clBlue;
constexpr TColor RayColour = clRed;

// The centre of curvature lies twice as far from the vertex as the focal point.
WorldPoint CentreOfCurvature(double xF) {
    return {2 * xF, 0};
}

// The mirror's face: the arc of the circle through the vertex about the centre of
// curvature, closed by a narrow flat back behind it. Drawing it again removes it.
void DrawMirror(Scene& scene, TCanvas& canvas) {
    const World& map = scene.Map;
    const double xF = MirrorFocalPoint(scene);
    const double r = std::abs(2 * xF);
    const double rim = std::min(RimFactor * map.AspectHeight, MaxRimFactor * r);
    const double beta = std::asin(rim / r);
    const WorldPoint c = CentreOfCurvature(xF);
    std::vector<WorldPoint> points;
    if (xF < 0) {
        // Concave: the right-hand side of the circle, the back at x = 0.05.
        AppendArc(points, c, r, beta, -beta);
        points.push_back({BackThickness, -rim});
        points.push_back({BackThickness, rim});
    } else {
        // Convex: the left-hand side, the back just behind the rim.
        AppendArc(points, c, r, Pi - beta, Pi + beta);
        const double back = points.back().x + BackThickness;
        points.push_back({back, -rim});
        points.push_back({back, rim});
    }
    points.push_back(points.front());
    SetLensPen(canvas, map, MirrorColour, psDot);
    DrawPath(map, canvas, points);
    canvas.Pen.Style = psSolid;
}

// A ray from the object's tip that meets the mirror at height y0 (taken at the vertex's
// plane) with the slope s; it leaves to the left with the slope -s - y0/xF.
PrincipalRay MirrorRay(WorldPoint tip, double y0, double s, double xF, const OpticalImage& image,
                       const WorldBox& box) {
    PrincipalRay ray;
    const WorldPoint mirror{0, y0};
    const double out = -s - y0 / xF;
    ray.Solid = {tip, mirror};
    if (image.Exists && image.b < 0) {
        ray.Solid.push_back({image.b, y0 + out * image.b});
        return ray;
    }
    ray.Solid.push_back(ExitPoint(mirror, {-1, y0 - out}, box));
    if (image.Exists) {
        // A virtual image behind the mirror: the reflected ray continued backwards.
        ray.HasContinuation = true;
        ray.ContinuationFrom = {image.b, y0 + out * image.b};
        ray.ContinuationTo = mirror;
    }
    return ray;
}

// The ray along a radius: it meets the mirror at right angles and returns on itself.
PrincipalRay PerpendicularRay(WorldPoint tip, double xF, const OpticalImage& image,
                              const WorldBox& box) {
    PrincipalRay ray;
    const WorldPoint c = CentreOfCurvature(xF);
    const double r = std::abs(2 * xF);
    double ux = tip.x - c.x, uy = tip.y - c.y;
    const double length = std::hypot(ux, uy);
    ux /= length;
    uy /= length;
    // The mirror lies on the side of the centre that faces the vertex.
    if (ux * -c.x < 0) {
        ux = -ux;
        uy = -uy;
    }
    const WorldPoint hit{c.x + r * ux, c.y + r * uy};
    if (image.Exists && image.b < 0) {
        // Back through the centre to the real image: the line from the farther of the
        // object and the image to the mirror.
        const WorldPoint imageTip{image.b, image.B};
        const bool imageFarther = std::hypot(imageTip.x - hit.x, imageTip.y - hit.y) >
                                  std::hypot(tip.x - hit.x, tip.y - hit.y);
        ray.Solid = {imageFarther ? imageTip : tip, hit};
        return ray;
    }
    ray.Solid = {ExitPoint(hit, tip, box), hit};
    if (image.Exists) {
        ray.HasContinuation = true;
        ray.ContinuationFrom = {image.b, image.B};
        ray.ContinuationTo = hit;
    }
    return ray;
}

// The focal point, and for the concave mirror the centre of curvature.
void DrawFocalTicks(Scene& scene, TCanvas& canvas) {
    const World& map = scene.Map;
    const double xF = MirrorFocalPoint(scene);
    SetLensPen(canvas, map, FocusColour);
    DrawPath(map, canvas, {{xF, -TickHalf}, {xF, TickHalf}});
    if (xF < 0) DrawPath(map, canvas, {{2 * xF, -TickHalf}, {2 * xF, TickHalf}});
}

// The arrows, the focal ticks and the rays: everything that follows the object's place
// and the kind of mirror. Drawing it again removes it.
void DrawFigures(Scene& scene, TCanvas& canvas) {
    const World& map = scene.Map;
    const SharedState& s = scene.State;
    const ImageFormationState& state = ImageFormationOf(scene);
    const WorldBox box = WindowOf(map);
    const double a = state.ObjectX, G = state.ObjectHeight;
    const double xF = MirrorFocalPoint(scene);
    const OpticalImage image = CurrentMirrorImage(scene);

    if (s.ShowMarks) DrawFocalTicks(scene, canvas);
    SetLensPen(canvas, map, ArrowColour);
    if (a >= box.XMin && a <= box.XMax) DrawArrow(map, canvas, a, G);
    if (image.Exists && image.b > box.XMin && image.b < box.XMax) {
        canvas.Pen.Style = image.b > 0 ? psDot : psSolid;
        DrawArrow(map, canvas, image.b, image.B);
    }

    SetLensPen(canvas, map, RayColour);
    const WorldPoint tip{a, G};
    if (s.ShowNormals) {
        PrincipalRay ray = MirrorRay(tip, G, 0, xF, image, box);
        if (xF > 0) {
            // Behind the convex mirror the ray runs dotted as if from its focal point.
            ray.HasContinuation = true;
            ray.ContinuationFrom = {xF, 0};
        }
        DrawPrincipalRay(map, canvas, ray, box);
    }
    if (s.ShowAxes) DrawPrincipalRay(map, canvas, MirrorRay(tip, 0, G / a, xF, image, box), box);
    if (s.ShowRedRay) DrawPrincipalRay(map, canvas, PerpendicularRay(tip, xF, image, box), box);
    canvas.Pen.Style = psSolid;
}

}  // namespace

void DrawMirrorImage(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    static constexpr ImageSimulationParts Parts{.XMin = XMin,
                                                .XMax = XMax,
                                                .DrawStill = nullptr,
                                                .DrawOptic = DrawMirror,
                                                .DrawFigures = DrawFigures,
                                                .FocalLength = MirrorFocalPoint,
                                                .Image = CurrentMirrorImage};
    DrawImageSimulation(scene, event, clearFirst, canvas, Parts);
}

}  // namespace viv
