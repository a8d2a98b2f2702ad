// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/optics/ice_crystal.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/events.h"
#include "app/view_toggles.h"
#include "library/format.h"
#include "library/trig.h"
#include "sims/optics/deviation_graph.h"
#include "sims/optics/lens_figures.h"
#include "sims/optics/optics_choice.h"
#include "sims/optics/optics_figures.h"

namespace viv {

namespace {

constexpr double RadPerDeg = Pi / 180;
constexpr double XMin = -8, XMax = 12;
constexpr double Wedge = Pi / 3;     // the angle between faces 2 and 0
constexpr double OutsideLength = 3;  // of the incident and the emergent ray
constexpr double NormalHalf = 1;     // the normals reach 1 unit to either side
constexpr double Tiny = 1e-9;

constexpr int FirstCurveIncidence = 1, LastCurveIncidence = 89;
constexpr int LastIncidence = 89;

constexpr TColor CrystalColour = clBlack;
constexpr TColor RayColour = clRed;
constexpr TColor NormalColour = clOlive;
constexpr TColor CurveColour = clRed;

WorldPoint Vertex(int k) {
    return {CrystalRadius * std::cos(k * Pi / 3), CrystalRadius * std::sin(k * Pi / 3)};
}

double NormalAngle(int face) {
    return Pi / 6 + face * Pi / 3;
}

WorldPoint Along(WorldPoint p, double angle, double length) {
    return {p.x + length * std::cos(angle), p.y + length * std::sin(angle)};
}

double CurrentIndex(const Scene& scene) {
    return IceColourOf(OpticsChoiceOf(scene).IceWavelength).Index;
}

// --- The inset graph ---

// The deviation against i for the current colour: one polyline through the whole degrees
// at which the ray emerges, broken where it does not.
void DrawCurve(Scene& scene, TCanvas& canvas) {
    World& map = scene.Map;
    const double n = CurrentIndex(scene);
    const InsetMapping graph = DeviationGraph(map);
    SetLensPen(canvas, map, CurveColour);
    std::vector<TPoint> piece;
    const auto flush = [&] {
        if (piece.size() >= 2) canvas.Polyline(piece);
        piece.clear();
    };
    for (int i = FirstCurveIncidence; i <= LastCurveIncidence; ++i) {
        const IceRay ray = TraceIceRay(i * RadPerDeg, n);
        if (ray.Emerges)
            piece.push_back(map.Picture(i, ray.Deviation * DegPerRad));
        else
            flush();
    }
    flush();
}

// --- The crystal and the ray ---

void DrawCrystal(const World& map, TCanvas& canvas) {
    std::vector<WorldPoint> points;
    for (int k = 0; k <= 6; ++k) points.push_back(Vertex(k % 6));
    SetLensPen(canvas, map, CrystalColour);
    DrawPath(map, canvas, points);
}

void DrawNormal(const World& map, TCanvas& canvas, WorldPoint p, int face) {
    const double a = NormalAngle(face);
    DrawPath(map, canvas, {Along(p, a + Pi, NormalHalf), Along(p, a, NormalHalf)});
}

// The ray, its normals and marks and the graph's current point. Drawing it again
// removes it.
void DrawRay(Scene& scene, TCanvas& canvas) {
    const World& map = scene.Map;
    const SharedState& s = scene.State;
    const int i = IceCrystalOf(scene).Incidence;
    const IceRay ray = TraceIceRay(i * RadPerDeg, CurrentIndex(scene));
    SetLensPen(canvas, map, RayColour);
    if (ray.Emerges)
        DrawPath(map, canvas, {ray.Start, ray.Entry, ray.Exit, ray.End});
    else
        DrawPath(map, canvas, {ray.Start, ray.Entry, ray.Exit});
    if (s.ShowNormals) {
        SetLensPen(canvas, map, NormalColour);
        DrawNormal(map, canvas, ray.Entry, EntryFace);
        DrawNormal(map, canvas, ray.Exit, ray.ExitFace);
    }
    if (ray.Emerges) {
        if (s.ShowMarks) {
            DrawDeviationMarks(map, canvas, ray.Entry, ray.Incident, ray.Exit,
                               NormalAngle(WedgeFace) - ray.Emergence);
        }
        DrawDeviationGraphCurrent(scene.Map, canvas, i, ray.Deviation);
    }
    canvas.Pen.Style = psSolid;
}

void WriteTable(Scene& scene) {
    const int i = IceCrystalOf(scene).Incidence;
    const IceColour& colour = IceColourOf(OpticsChoiceOf(scene).IceWavelength);
    const IceRay ray = TraceIceRay(i * RadPerDeg, colour.Index);
    const std::string iText = FormatInteger(i, 1);
    const std::string v = ray.Emerges ? FormatReal(1, 2, ray.Deviation * DegPerRad) : "";
    Report& t = scene.Out;
    t.SetCell(1, 1, iText);
    t.SetCell(1, 2, v);
    t.SetCell(0, 3, " bølgelængde/nm, " + std::string(colour.Name));
    t.SetCell(1, 3, FormatReal(6, 1, colour.WaveLength));
    Report& w = scene.Out;
    w.Panel1 = "i=" + iText + "°";
    // No deviation while the ray does not leave through the wedge's second face.
    w.Panel2 = ray.Emerges ? "v=" + v + "°" : "";
    w.Panel3 = std::string(colour.Name) + ": " + FormatReal(3, 1, colour.WaveLength) + " nm";
}

void ReadControls(Scene& scene) {
    IceCrystalOf(scene).Incidence =
        std::clamp(90 - scene.Controls.ScrollBar1.Position, 0, LastIncidence);
}

}  // namespace

const IceColour& IceColourOf(int c) {
    return IceColours[static_cast<std::size_t>(std::clamp(c, 1, 3) - 1)];
}

IceCrystalState& IceCrystalOf(Scene& scene) {
    return scene.Own<IceCrystalState>();
}

IceRay TraceIceRay(double i, double n) {
    IceRay ray;
    const WorldPoint a = Vertex(EntryFace), b = Vertex(EntryFace + 1);
    ray.Entry = {(a.x + b.x) / 2, (a.y + b.y) / 2};
    const double outward = NormalAngle(EntryFace);
    ray.Start = Along(ray.Entry, outward + i, OutsideLength);
    ray.Incident = outward + i - Pi;
    ray.Refraction = ArcSin(std::sin(i) / n);
    const double inside = outward - Pi + ray.Refraction;

    // The first face the ray inside meets.
    const double dx = std::cos(inside), dy = std::sin(inside);
    double best = HUGE_VAL;
    for (int k = 0; k < 6; ++k) {
        if (k == EntryFace) continue;
        const WorldPoint p = Vertex(k), q = Vertex((k + 1) % 6);
        const double ex = q.x - p.x, ey = q.y - p.y;
        const double det = dx * ey - dy * ex;
        if (std::abs(det) < 1e-12) continue;
        const double wx = p.x - ray.Entry.x, wy = p.y - ray.Entry.y;
        const double t = (wx * ey - wy * ex) / det;  // along the ray
        const double s = (wx * dy - wy * dx) / det;  // along the face
        if (t > Tiny && s >= -Tiny && s <= 1 + Tiny && t < best) {
            best = t;
            ray.ExitFace = k;
        }
    }
    ray.Exit = {ray.Entry.x + best * dx, ray.Entry.y + best * dy};
    ray.End = ray.Exit;
    if (ray.ExitFace != WedgeFace) return ray;

    // At face 0 the ray meets the normal at the angle 60° - r1.
    const double sine = n * std::sin(Wedge - ray.Refraction);
    if (sine >= 1) return ray;
    ray.Emerges = true;
    ray.Emergence = ArcSin(sine);
    ray.Deviation = i + ray.Emergence - Wedge;
    ray.End = Along(ray.Exit, NormalAngle(WedgeFace) - ray.Emergence, OutsideLength);
    return ray;
}

void DrawIceCrystal(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    World& map = scene.Map;
    SharedState& s = scene.State;
    if (event == Event::Redraw) {
        SetupFullHeightWorld(map, 0, clearFirst, canvas, XMin, XMax);
        int& wavelength = OpticsChoiceOf(scene).IceWavelength;
        wavelength = std::clamp(wavelength, 1, 3);
        ReadControls(scene);
        DrawCrystal(map, canvas);
        DrawDeviationGraphAxes(scene.Map, canvas);
        DrawCurve(scene, canvas);
        DrawRay(scene, canvas);
        WriteTable(scene);
        return;
    }
    const bool handled = event == Event::ScrollBar1 || event == Event::TrackBar1 ||
                         event == Event::F2 || event == Event::F3;
    if (!handled) return;
    DrawRay(scene, canvas);  // erases it
    if (event == Event::TrackBar1) {
        DrawCurve(scene, canvas);
        OpticsChoiceOf(scene).IceWavelength = std::clamp(scene.Controls.TrackBar1.Position, 1, 3);
        DrawCurve(scene, canvas);
    }
    FlipViewToggle(s, event);
    ReadControls(scene);
    DrawRay(scene, canvas);
    WriteTable(scene);
}

}  // namespace viv
