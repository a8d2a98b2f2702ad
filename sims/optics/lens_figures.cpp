// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/optics/lens_figures.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/events.h"
#include "app/view_toggles.h"
#include "library/substance_table.h"
#include "library/trig.h"
#include "sims/optics/lenses.h"
#include "sims/optics/optics_choice.h"
#include "sims/optics/optics_figures.h"

namespace viv {

namespace {

constexpr double RadPerDeg = Pi / 180;
constexpr double FocalHalf = 3;      // the focal planes reach from y = -3 to 3
constexpr double StopBeyondRim = 1;  // the stop reaches this far beyond the rim
constexpr double BeamStep = 0.5;     // between the heights of the blue rays
constexpr int BeamPairs = 5;         // +-0.5 .. +-2.5; the red ones +-0.25 .. +-2.75

constexpr TColor AxisRayColour = clGreen;

}  // namespace

void SetLensPen(TCanvas& canvas, const World& map, TColor colour, TPenStyle style) {
    canvas.Pen.Color = colour;
    canvas.Pen.Style = style;
    canvas.Pen.Width = map.PenWidth;
    canvas.Pen.Mode = pmNotXor;
}

void DrawStop(const World& map, TCanvas& canvas, double stopX, double opening) {
    SetLensPen(canvas, map, clBlack);
    canvas.Pen.Width = map.BoldPenWidth;
    const double outer = LensRimHeight + StopBeyondRim;
    DrawPath(map, canvas, {{stopX, opening}, {stopX, outer}});
    DrawPath(map, canvas, {{stopX, -opening}, {stopX, -outer}});
    canvas.Pen.Width = map.PenWidth;
}

void DrawFocalLine(const World& map, TCanvas& canvas, double x, TColor colour, TPenStyle style,
                   FocalSpan span) {
    const WorldBox box = WindowOf(map);
    if (!(x >= box.XMin && x <= box.XMax)) return;
    SetLensPen(canvas, map, colour, style);
    const int column = map.PictureX(x), middle = map.PictureY(0);
    switch (span) {
        case FocalSpan::Whole:
            DrawPath(map, canvas, {{x, -FocalHalf}, {x, FocalHalf}});
            break;
        case FocalSpan::Upper:
            canvas.Polyline({{column, middle}, {column, map.PictureY(FocalHalf)}});
            break;
        case FocalSpan::Lower:  // from the row below the axis's
            canvas.Polyline({{column, middle + 1}, {column, map.PictureY(-FocalHalf)}});
            break;
    }
    canvas.Pen.Style = psSolid;
}

std::vector<BeamRay> BeamOf(Scene& scene) {
    const LensState& lens = LensOf(scene);
    const double slope = std::tan(lens.Angle * RadPerDeg);
    const double opening = StopOpeningOf(scene);
    std::vector<BeamRay> beam;
    const auto add = [&](double c, bool blue, bool axis) {
        // Cut by the stop when the ray passes x = StopX farther from the axis than the opening.
        if (std::abs(c + slope * lens.StopX) > opening) return;
        beam.push_back({c, blue, axis});
    };
    add(0, true, true);
    for (int k = 1; k <= BeamPairs; ++k) {
        add(k * BeamStep, true, false);
        add(-k * BeamStep, true, false);
    }
    if (scene.State.ShowAxes)
        for (int k = 0; k <= BeamPairs; ++k) {
            const double c = (k + 0.5) * BeamStep;
            add(c, false, false);
            add(-c, false, false);
        }
    return beam;
}

double StopOpeningOf(Scene& scene) {
    return scene.State.ShowNormals ? 1 : LensOf(scene).StopOpening;
}

std::optional<TracedRay> TraceBeamRay(double c, int angleDegrees,
                                      std::span<const Interface> faces) {
    const double theta = angleDegrees * RadPerDeg;
    const double slope = std::tan(theta);
    const TracedRay start({LensWindowXMin, c + slope * LensWindowXMin}, std::cos(theta),
                          std::sin(theta));
    return TraceThrough(start, faces);
}

void DrawBeam(Scene& scene, TCanvas& canvas, std::span<const Interface> blue,
              std::span<const Interface> red) {
    const World& map = scene.Map;
    const WorldBox window = WindowOf(map);
    const WorldBox box{window.XMin, window.XMax - RayEndMargin, window.YMin, window.YMax};
    const int angle = LensOf(scene).Angle;
    for (const BeamRay& beamRay : BeamOf(scene)) {
        auto traced = TraceBeamRay(beamRay.Height, angle, beamRay.Blue ? blue : red);
        if (!traced) continue;
        const WorldPoint last = traced->Last();
        std::vector<WorldPoint>& points = traced->Points;
        if (box.Contains(last))
            points.push_back(ExitPoint(last, {last.x + traced->Dx, last.y + traced->Dy}, box));
        SetLensPen(canvas, map, beamRay.Axis ? AxisRayColour : (beamRay.Blue ? clBlue : clRed));
        DrawClippedPath(map, canvas, points, box);
    }
}

bool IsLensEvent(Event event) {
    return event == Event::ScrollBar1 || event == Event::TrackBar1 || event == Event::TrackBar2 ||
           event == Event::TrackBar3 || event == Event::TrackBar4 || IsFunctionKey(event);
}

void TakeLensEvent(Scene& scene, Event event) {
    if (event == Event::TrackBar1) {
        OpticsChoiceOf(scene).Substance =
            std::clamp(scene.Controls.TrackBar1.Position, 1, SubstanceCount);
    }
    FlipViewToggle(scene.State, event);
}

}  // namespace viv
