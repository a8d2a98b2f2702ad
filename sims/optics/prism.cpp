// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/optics/prism.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "app/events.h"
#include "app/view_toggles.h"
#include "library/colour_table.h"
#include "library/format.h"
#include "library/substance_table.h"
#include "library/trig.h"
#include "sims/optics/deviation_graph.h"
#include "sims/optics/lens_figures.h"
#include "sims/optics/optics_choice.h"
#include "sims/optics/optics_figures.h"

namespace viv {

namespace {

constexpr double RadPerDeg = Pi / 180;

// The main window: x from -8 to 12, y over the picture's height with equal scales.
constexpr double MainXMin = -8, MainXMax = 12;

// The incident ray is drawn from x = -5, the emergent one up to x = 5; a totally
// reflected ray runs 2 units from the second face.
constexpr double RayStartX = -5, RayEndX = 5;
constexpr double ReflectedLength = 2;
constexpr double PrismHalfHeight = 3;  // the entry point lies halfway up the left face
constexpr const char* NamePadding = "     ";

constexpr int FirstIncidence = 1, LastIncidence = 89;  // degrees, the scroll bar's range

// How far the blue ray (F4) must lie from the red one before it is drawn: a pixel and a
// half keeps their pixels apart at any slope.
constexpr double ApartPixels = 1.5;

constexpr TColor PrismColour = clBlack;
constexpr TColor RedRayColour = clRed;
constexpr TColor BlueRayColour = clBlue;
constexpr TColor NormalColour = clOlive;

const SubstanceRow& CurrentSubstance(const Scene& scene) {
    return Substance(OpticsChoiceOf(scene).Substance);
}

double ApexFromTrackBar(int position) {
    return (position - 3) * 0.05 * Pi + Pi / 3;
}

// --- The inset graph ---

// The deviation against the angle of incidence for index n: one point for every whole
// degree at which the ray emerges.
void DrawDeviationCurve(const World& map, TCanvas& canvas, double p, double n) {
    std::vector<TPoint> points;
    for (int i = FirstIncidence; i <= LastIncidence; ++i) {
        const PrismRay ray = TracePrismRay(p, i * RadPerDeg, n);
        if (ray.Emerges) points.push_back(map.Picture(i, ray.Deviation * DegPerRad));
    }
    if (points.size() >= 2) canvas.Polyline(points);
}

// The red curve, and with F4 the blue one. Drawing them again removes them.
void DrawCurves(Scene& scene, TCanvas& canvas) {
    World& map = scene.Map;
    const SubstanceRow& s = CurrentSubstance(scene);
    const double p = PrismOf(scene).Apex;
    const InsetMapping graph = DeviationGraph(map);
    if (scene.State.ShowAxes) {
        SetLensPen(canvas, map, BlueRayColour);
        DrawDeviationCurve(map, canvas, p, s.SubstanceIndexBlue);
    }
    SetLensPen(canvas, map, RedRayColour);
    DrawDeviationCurve(map, canvas, p, s.SubstanceIndexRed);
}

// --- The prism and the substance's name ---

void DrawPrismOutline(const World& map, TCanvas& canvas, double p) {
    const double half = 6 * std::tan(p / 2);
    SetLensPen(canvas, map, PrismColour);
    DrawPath(map, canvas, {{-half, PrismBaseY}, {0, PrismApexY}, {half, PrismBaseY}});
}

std::string NameText(const SubstanceRow& s) {
    return NamePadding + std::string(s.SubstanceName) + NamePadding;
}

// The box the substance's name covers, in pixels.
TRect NameBox(const World& map, TCanvas& canvas, const SubstanceRow& s) {
    canvas.Font.Bold = true;
    const std::string text = NameText(s);
    const int width = canvas.TextWidth(text);
    const int height = canvas.TextHeight(text);
    canvas.Font.Bold = false;
    const int left = map.PictureX(0) - width / 2;
    const int top = map.PictureY(PrismBaseY) - height - 4 * static_cast<int>(map.Zoom);
    return {left, top, left + width, top + height};
}

// The name in bold black on white, centred under the prism's apex just above its base,
// below where the normals (F3) end.
void WriteName(const World& map, TCanvas& canvas, const SubstanceRow& s) {
    const TRect box = NameBox(map, canvas, s);
    canvas.Font.Bold = true;
    canvas.Font.Color = clBlack;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clWhite;
    canvas.TextOut(box.Left, box.Top, NameText(s));
    canvas.Font.Bold = false;
    canvas.Brush.Style = bsClear;
}

// Lays down the prism and the name afresh once the rays and the curves are off the
// picture. The old prism is taken away by drawing it again; where the old name covered
// its faces that leaves stray pixels, but the old name's box is whitened next, and
// nothing else lies in it. Then the new prism and the new name are drawn, as a full
// redraw draws them. Whitening a box around the prism instead would also wipe out
// whatever of the inset graph's axes and labels reached into it.
void RepaintPrismAndName(Scene& scene, TCanvas& canvas, double oldApex,
                         const SubstanceRow& oldName) {
    const World& map = scene.Map;
    DrawPrismOutline(map, canvas, oldApex);
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clWhite;
    canvas.FillRect(NameBox(map, canvas, oldName));
    canvas.Brush.Style = bsClear;
    DrawPrismOutline(map, canvas, PrismOf(scene).Apex);
    WriteName(map, canvas, CurrentSubstance(scene));
}

// --- The rays ---

void DrawRayPath(const World& map, TCanvas& canvas, const PrismRay& ray, TColor colour) {
    SetLensPen(canvas, map, colour);
    if (ray.MeetsBase)
        DrawPath(map, canvas, {ray.Start, ray.Entry, ray.Exit});
    else
        DrawPath(map, canvas, {ray.Start, ray.Entry, ray.Exit, ray.End});
}

std::vector<WorldPoint> PathOf(const PrismRay& ray, bool withIncident) {
    std::vector<WorldPoint> path;
    if (withIncident) path.push_back(ray.Start);
    path.insert(path.end(), {ray.Entry, ray.Exit});
    if (!ray.MeetsBase) path.push_back(ray.End);
    return path;
}

double DistanceToPath(WorldPoint p, const std::vector<WorldPoint>& path) {
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t k = 0; k + 1 < path.size(); ++k) {
        const WorldPoint a = path[k], b = path[k + 1];
        const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
        const double t =
            length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0;
        best = std::min(best, std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy));
    }
    return best;
}

// F4: the blue ray from where it can be told apart from the red one. Up to the prism the
// light of both colours runs together, and inside it the two rays part by less than a
// pixel at first; drawn over each other in not-xor, red and blue would make green. So
// the blue ray starts where it lies ApartPixels from the red one, and keeps its colour.
void DrawBlueRayApart(const World& map, TCanvas& canvas, const PrismRay& blue,
                      const PrismRay& red) {
    const std::vector<WorldPoint> redPath = PathOf(red, true), bluePath = PathOf(blue, false);
    const double apart = ApartPixels / map.MapScaleX, step = 0.25 / map.MapScaleX;  // world units
    for (std::size_t k = 0; k + 1 < bluePath.size(); ++k) {
        const WorldPoint a = bluePath[k], b = bluePath[k + 1];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        for (double d = 0; d < length; d += step) {
            const WorldPoint p{a.x + (b.x - a.x) * d / length, a.y + (b.y - a.y) * d / length};
            if (DistanceToPath(p, redPath) < apart) continue;
            std::vector<WorldPoint> rest{p};
            rest.insert(rest.end(), bluePath.begin() + static_cast<std::ptrdiff_t>(k) + 1,
                        bluePath.end());
            SetLensPen(canvas, map, BlueRayColour);
            DrawPath(map, canvas, rest);
            return;
        }
    }
}

// F3: the normals of the faces where the ray enters and leaves.
void DrawNormals(const World& map, TCanvas& canvas, const PrismRay& ray, double p) {
    SetLensPen(canvas, map, NormalColour);
    const double slope = std::tan(p / 2);
    // The left face's normal has the slope -tan(p/2), the right face's +tan(p/2).
    const WorldPoint in = ray.Entry;
    DrawPath(map, canvas, {{2 * in.x, in.y - in.x * slope}, {0, in.y + in.x * slope}});
    if (ray.MeetsBase) return;
    const WorldPoint out = ray.Exit;
    DrawPath(map, canvas, {{2 * out.x, out.y + out.x * slope}, {0, out.y - out.x * slope}});
}

// Everything that follows the angle of incidence: the rays, the normals, the marks and
// the current point of the graph. Drawing it again removes it.
void DrawRays(Scene& scene, TCanvas& canvas) {
    const World& map = scene.Map;
    const SharedState& s = scene.State;
    const PrismState& prism = PrismOf(scene);
    const SubstanceRow& substance = CurrentSubstance(scene);
    const double i = prism.Incidence * RadPerDeg;
    const PrismRay red = TracePrismRay(prism.Apex, i, substance.SubstanceIndexRed);
    if (s.ShowAxes)
        DrawBlueRayApart(map, canvas, TracePrismRay(prism.Apex, i, substance.SubstanceIndexBlue),
                         red);
    DrawRayPath(map, canvas, red, RedRayColour);
    if (s.ShowNormals) DrawNormals(map, canvas, red, prism.Apex);
    if (red.Emerges) {
        if (s.ShowMarks) {
            DrawDeviationMarks(map, canvas, red.Entry, red.Incident, red.Exit,
                               prism.Apex / 2 - red.Emergence);
        }
        DrawDeviationGraphCurrent(scene.Map, canvas, prism.Incidence, red.Deviation);
    }
    canvas.Pen.Style = psSolid;
}

void WriteTable(Scene& scene) {
    const PrismState& prism = PrismOf(scene);
    const SubstanceRow& substance = CurrentSubstance(scene);
    const PrismRay red =
        TracePrismRay(prism.Apex, prism.Incidence * RadPerDeg, substance.SubstanceIndexRed);
    const std::string p = FormatReal(1, 2, prism.Apex * DegPerRad);
    const std::string i = FormatInteger(prism.Incidence, 1);
    const std::string v = red.Emerges ? FormatReal(1, 2, red.Deviation * DegPerRad) : "";
    Report& t = scene.Out;
    t.SetCell(1, 1, p);
    t.SetCell(1, 2, i);
    t.SetCell(1, 3, v);
    t.SetCell(0, 4, " " + std::string(substance.SubstanceName) + ", n (486.1 nm)");
    t.SetCell(1, 4, FormatReal(1, 3, substance.SubstanceIndexBlue));
    t.SetCell(1, 5, FormatReal(1, 3, substance.SubstanceIndexRed));
    Report& w = scene.Out;
    w.Panel1 = "p=" + p + "°";
    w.Panel2 = "i=" + i + "°";
    // No deviation while the ray is totally reflected: nothing follows "v=".
    w.Panel3 = red.Emerges ? "v=" + v + "°" : "v=";
}

void FullRedraw(Scene& scene, bool clearFirst, TCanvas& canvas) {
    World& map = scene.Map;
    SetupFullHeightWorld(map, 0, clearFirst, canvas, MainXMin, MainXMax);
    PrismState& prism = PrismOf(scene);
    prism.Incidence =
        std::clamp(90 - scene.Controls.ScrollBar1.Position, FirstIncidence, LastIncidence);
    DrawPrismOutline(map, canvas, prism.Apex);
    DrawDeviationGraphAxes(scene.Map, canvas);
    DrawCurves(scene, canvas);
    WriteName(map, canvas, CurrentSubstance(scene));
    DrawRays(scene, canvas);
}

}  // namespace

PrismState& PrismOf(Scene& scene) {
    return scene.Own<PrismState>();
}

void SetPrismStartValues(Scene& scene) {
    PrismOf(scene).Apex = 1.0471975511965976;  // 60°
}

PrismRay TracePrismRay(double p, double i, double n) {
    PrismRay ray;
    const double t = std::tan(p / 2);
    ray.Entry = {-PrismHalfHeight * t, 0};
    ray.Incident = i - p / 2;
    ray.Start = {RayStartX, (RayStartX - ray.Entry.x) * std::tan(ray.Incident)};
    ray.Refraction = ArcSin(std::sin(i) / n);
    const double r2 = p - ray.Refraction;

    // Inside: from the entry point in the direction r1 - p/2 to the right face
    // y = 3 - x / tan(p/2).
    const double m = std::tan(ray.Refraction - p / 2);
    const double x2 = (PrismApexY + ray.Entry.x * m) / (m + 1 / t);
    ray.Exit = {x2, (x2 - ray.Entry.x) * m};
    if (ray.Exit.y < PrismBaseY) {
        // The ray meets the base first and ends there.
        ray.MeetsBase = true;
        ray.Exit = {ray.Entry.x + PrismBaseY / m, PrismBaseY};
        ray.End = ray.Exit;
        return ray;
    }
    const double sine = n * std::sin(r2);
    if (sine < 1) {
        ray.Emerges = true;
        ray.Emergence = ArcSin(sine);
        ray.Deviation = i + ray.Emergence - p;
        ray.End = {RayEndX, ray.Exit.y + (RayEndX - ray.Exit.x) * std::tan(p / 2 - ray.Emergence)};
    } else {
        const double back = 1.5 * p - ray.Refraction + Pi;  // reflected at the second face
        ray.End = {ray.Exit.x + ReflectedLength * std::cos(back),
                   ray.Exit.y + ReflectedLength * std::sin(back)};
    }
    return ray;
}

void DrawPrism(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    if (event == Event::Redraw) {
        FullRedraw(scene, clearFirst, canvas);
        WriteTable(scene);
        return;
    }
    const bool handled = event == Event::ScrollBar1 || event == Event::TrackBar1 ||
                         event == Event::TrackBar2 || (event >= Event::F2 && event <= Event::F4);
    if (!handled) return;

    SharedState& s = scene.State;
    PrismState& prism = PrismOf(scene);
    const bool curvesChange =
        event == Event::TrackBar1 || event == Event::TrackBar2 || event == Event::F4;
    DrawRays(scene, canvas);  // erases them
    if (curvesChange) DrawCurves(scene, canvas);
    const double oldApex = prism.Apex;
    const SubstanceRow& oldSubstance = CurrentSubstance(scene);
    switch (event) {
        case Event::ScrollBar1:
            prism.Incidence =
                std::clamp(90 - scene.Controls.ScrollBar1.Position, FirstIncidence, LastIncidence);
            break;
        case Event::TrackBar1:
            OpticsChoiceOf(scene).Substance =
                std::clamp(scene.Controls.TrackBar1.Position, 1, SubstanceCount);
            RepaintPrismAndName(scene, canvas, oldApex, oldSubstance);
            break;
        case Event::TrackBar2:
            prism.Apex = ApexFromTrackBar(std::clamp(scene.Controls.TrackBar2.Position, 0, 5));
            RepaintPrismAndName(scene, canvas, oldApex, oldSubstance);
            break;
        default:  // F2..F4
            FlipViewToggle(s, event);
            break;
    }
    if (curvesChange) DrawCurves(scene, canvas);
    DrawRays(scene, canvas);
    WriteTable(scene);
}

}  // namespace viv
