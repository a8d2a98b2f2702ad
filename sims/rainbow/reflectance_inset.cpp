// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/reflectance_inset.h"

#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

#include "library/colour_table.h"
#include "library/drawing.h"
#include "library/trig.h"
#include "library/world.h"
#include "library/world_drawing.h"
#include "sims/rainbow/rainbow_state.h"

namespace viv {

namespace {

// The inset's window: b in degrees across, reflected light in per cent upwards.
constexpr double InsetXMin = -9, InsetXMax = 60;
constexpr double InsetYMin = -9, InsetYMax = 30;
constexpr int CurvePoints = 29;  // points between b = 0 and the critical angle

constexpr TColor PerpendicularColour = clMaroon;
constexpr TColor ParallelColour = clOlive;
constexpr TColor MarkerColour = clGreen;

void TextAt(const World& map, TCanvas& canvas, double x, double y, std::string_view text) {
    canvas.TextOut(map.PictureX(x), map.PictureY(y), text);
}

}  // namespace

Reflectance WaterReflectance(double i, double b, double n) {
    const double sum = std::sin(i + b);
    if (std::fabs(sum) < 1e-12) {
        const double r0 = (n - 1) / (n + 1);
        return {r0 * r0, r0 * r0};
    }
    const double s = std::sin(i - b) / sum;
    const double rs = s * s;
    const double c = std::cos(i + b) / std::cos(i - b);
    return {rs, rs * c * c};
}

InsetGraph ReflectanceInset(Scene& scene, TCanvas& canvas) {
    return {scene.Map, &canvas, {2, 3}, {1, 2}, {InsetXMin, InsetXMax, InsetYMin, InsetYMax}};
}

void DrawReflectanceInset(Scene& scene, TCanvas& canvas) {
    const InsetGraph inset = ReflectanceInset(scene, canvas);
    const World& map = scene.Map;
    canvas.Pen.Color = clBlack;
    canvas.Pen.Style = psSolid;
    canvas.Font.Color = clBlack;
    DrawAxes(map, 0, 0, "°", 0, 0, 10, 5, "", false, canvas);
    canvas.Pen.Mode = pmNotXor;
    canvas.Brush.Style = bsClear;
    TextAt(map, canvas, 3, 29, "% spejlet lys");
    // The curves' names in their colours, above the refraction marker's reach (20 %) and
    // the curves' low left part, where neither ever crosses them.
    // Right of the y axis's ticks.
    const int left = map.PictureX(0) + AxisTickReachX(map) + 3 * static_cast<int>(map.Zoom);
    canvas.Font.Color = PerpendicularColour;
    canvas.TextOut(left, map.PictureY(25.5), "vinkelret");
    canvas.Font.Color = ParallelColour;
    canvas.TextOut(left, map.PictureY(23), "parallelt");
    canvas.Font.Color = clBlack;
    // The axis's title under its numbers, ending at the inset's right.
    const std::string_view name = "brydningsvinkel b  ";
    canvas.TextOut(map.PictureX(InsetXMax) - canvas.TextWidth(name),
                   BelowAxisNumbers(map, canvas, map.PictureY(0)), name.substr(0, name.size() - 2));
}

void DrawReflectanceCurves(Scene& scene, TCanvas& canvas) {
    const InsetGraph inset = ReflectanceInset(scene, canvas);
    const World& map = scene.Map;
    const double n = Colour(scene.State.CurrentColour).WaterIndex;
    const double critical = ArcSin(1 / n);  // beyond it the light is reflected totally
    const Reflectance normal = WaterReflectance(0, 0, n);
    std::vector<TPoint> perpendicular{map.Picture(0, 100 * normal.Perpendicular)};
    std::vector<TPoint> parallel{map.Picture(0, 100 * normal.Parallel)};
    for (int k = 1; k <= CurvePoints; ++k) {
        const double b = k * critical / (CurvePoints + 1);
        const double outside = ArcSin(n * std::sin(b));
        const Reflectance r = WaterReflectance(outside, b, n);
        perpendicular.push_back(map.Picture(b * DegPerRad, 100 * r.Perpendicular));
        parallel.push_back(map.Picture(b * DegPerRad, 100 * r.Parallel));
    }
    canvas.Pen.Mode = pmNotXor;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Color = PerpendicularColour;
    canvas.Polyline(perpendicular);
    canvas.Pen.Color = ParallelColour;
    canvas.Polyline(parallel);
    canvas.Pen.Color = clBlack;
    canvas.Pen.Style = psDot;
    Line(map, canvas, critical * DegPerRad, 0, critical * DegPerRad, InsetYMax);
    canvas.Pen.Style = psSolid;
}

void DrawRefractionMarker(Scene& scene, RefractionMarkerKind kind, TCanvas& canvas) {
    const SharedState& s = scene.State;
    const double n = Colour(s.CurrentColour).WaterIndex;
    const double sinI = kind == RefractionMarkerKind::WaterSurface
                            ? std::sin(s.IncidenceValue / DegPerRad)
                            : ImpactParameter(RainbowOf(scene));
    const double b = ArcSin(sinI / n) * DegPerRad;
    const InsetGraph inset = ReflectanceInset(scene, canvas);
    canvas.Pen.Mode = pmNotXor;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Color = MarkerColour;
    canvas.Pen.Width = scene.Map.BoldPenWidth;
    Line(scene.Map, canvas, b, 0, b, 20);
}

}  // namespace viv
