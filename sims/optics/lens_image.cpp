// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Billeddannelse": the image of an arrow in a thin converging or diverging lens at the
// origin.
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

constexpr double XMin = -10, XMax = 10;

// The small lens drawn solid: half-height 0.5, faces of radius f/3.
constexpr double SmallRim = 0.5;
// The full lens drawn dotted: faces of radius 30 with the rim at half-height 3.2787...
constexpr double OutlineRadius = 30;
constexpr double OutlineRim = 3.278719262151009;
// The diverging lens's faces bend inwards and meet the rim at x = +-0.25.
constexpr double ConcaveRimX = 0.25;
constexpr double TickHalf = 1;  // the ticks at the focal points

constexpr TColor LensColour = clBlack;
constexpr TColor TickColour = clSilver;
constexpr TColor ArrowColour = clBlack;
constexpr TColor DistanceColour = clBlue;
constexpr TColor RayColour = clRed;

// The closed outline of a lens whose faces have radius r and meet the rim at half-height
// `rim`: bulging outwards (converging) or, with `concave`, bending inwards between rim
// lines at x = -+0.25.
std::vector<WorldPoint> LensOutline(double r, double rim, bool concave) {
    const double d = std::sqrt(r * r - rim * rim);  // the face centres' distance from x = 0
    const double beta = std::atan2(rim, d);
    std::vector<WorldPoint> points;
    if (!concave) {
        // Left face about (d, 0) from the top down, right face about (-d, 0) back up.
        AppendArc(points, {d, 0}, r, Pi - beta, Pi + beta);
        AppendArc(points, {-d, 0}, r, -beta, beta);
    } else {
        const double c = d + ConcaveRimX;
        AppendArc(points, {-c, 0}, r, beta, -beta);
        AppendArc(points, {c, 0}, r, Pi + beta, Pi - beta);
        points.push_back(points.front());
    }
    return points;
}

// The lens: the small solid one and the dotted outline of the full lens. Drawing it
// again removes it.
void DrawLens(Scene& scene, TCanvas& canvas) {
    const World& map = scene.Map;
    const bool concave = scene.State.ShowRays;
    SetLensPen(canvas, map, LensColour);
    DrawPath(map, canvas, LensOutline(ImageFormationOf(scene).FocalLength / 3, SmallRim, concave));
    SetLensPen(canvas, map, LensColour, psDot);
    DrawPath(map, canvas, LensOutline(OutlineRadius, OutlineRim, concave));
    canvas.Pen.Style = psSolid;
}

// The focal points and twice the focal length on both sides, laid down once with the
// axis.
void DrawFocalTicks(Scene& scene, TCanvas& canvas) {
    const World& map = scene.Map;
    const double f = ImageFormationOf(scene).FocalLength;
    SetLensPen(canvas, map, TickColour);
    canvas.Pen.Mode = pmCopy;
    for (const double x : {-2 * f, -f, f, 2 * f})
        DrawPath(map, canvas, {{x, -TickHalf}, {x, TickHalf}});
    canvas.Pen.Mode = pmNotXor;
}

// A ray from the object's tip P that meets the lens at height y0 with the slope s; the
// lens turns it to the slope s - y0/f.
PrincipalRay LensRay(WorldPoint tip, double y0, double s, double f, const OpticalImage& image,
                     const WorldBox& box) {
    PrincipalRay ray;
    const WorldPoint lens{0, y0};
    const double out = s - y0 / f;
    ray.Solid = {tip, lens};
    if (image.b > 0) {
        ray.Solid.push_back({image.b, y0 + out * image.b});
        return ray;
    }
    // A virtual image: the ray goes on to the picture's edge, and its continuation
    // backwards from the lens is dotted up to the image.
    ray.Solid.push_back(ExitPoint(lens, {1, y0 + out}, box));
    const WorldPoint imageTip{image.b, y0 + out * image.b};
    if (y0 != 0) {
        ray.HasContinuation = true;
        ray.ContinuationFrom = imageTip;
        ray.ContinuationTo = lens;
    } else if (image.b < tip.x) {
        // The central ray's continuation runs along its own incident part: only the
        // piece beyond the object is dotted.
        ray.HasContinuation = true;
        ray.ContinuationFrom = imageTip;
        ray.ContinuationTo = tip;
    }
    return ray;
}

// The arrows, the distances and the rays: everything that follows the object's place
// and the kind of lens. Drawing it again removes it.
void DrawFigures(Scene& scene, TCanvas& canvas) {
    const World& map = scene.Map;
    const SharedState& s = scene.State;
    const ImageFormationState& state = ImageFormationOf(scene);
    const WorldBox box = WindowOf(map);
    const double a = state.ObjectX, G = state.ObjectHeight;
    const double f = LensFocalLength(scene);
    const OpticalImage image = CurrentLensImage(scene);

    SetLensPen(canvas, map, ArrowColour);
    if (a >= box.XMin && a <= box.XMax) DrawArrow(map, canvas, a, G);
    if (image.Exists && image.b >= box.XMin && image.b <= box.XMax) {
        canvas.Pen.Style = image.b < 0 ? psDot : psSolid;
        DrawArrow(map, canvas, image.b, image.B);
    }

    if (s.ShowMarks) {
        SetLensPen(canvas, map, DistanceColour);
        DrawClippedSegment(map, canvas, {a, 0}, {0, 0}, box);
        if (image.Exists) {
            canvas.Pen.Style = image.b < 0 ? psDot : psSolid;
            DrawClippedSegment(map, canvas, {image.b, 0}, {0, 0}, box);
        }
    }

    if (!image.Exists) {
        canvas.Pen.Style = psSolid;
        return;
    }
    SetLensPen(canvas, map, RayColour);
    const WorldPoint tip{a, G};
    if (s.ShowNormals) DrawPrincipalRay(map, canvas, LensRay(tip, G, 0, f, image, box), box);
    if (s.ShowAxes) DrawPrincipalRay(map, canvas, LensRay(tip, 0, G / a, f, image, box), box);
    if (s.ShowRedRay) {
        // Through the focal point on the object's side (converging) or towards the one
        // on the far side (diverging): both lie at x = -f.
        const double slope = -G / (-f - a);
        DrawPrincipalRay(map, canvas, LensRay(tip, G - slope * a, slope, f, image, box), box);
    }
    canvas.Pen.Style = psSolid;
}

}  // namespace

void DrawLensImage(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    static constexpr ImageSimulationParts Parts{.XMin = XMin,
                                                .XMax = XMax,
                                                .DrawStill = DrawFocalTicks,
                                                .DrawOptic = DrawLens,
                                                .DrawFigures = DrawFigures,
                                                .FocalLength = LensFocalLength,
                                                .Image = CurrentLensImage};
    DrawImageSimulation(scene, event, clearFirst, canvas, Parts);
}

}  // namespace viv
