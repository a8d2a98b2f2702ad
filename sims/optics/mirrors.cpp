// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Hulspejlet" and "Parabol".
#include "sims/optics/mirrors.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/events.h"
#include "app/view_toggles.h"
#include "library/format.h"
#include "library/trig.h"
#include "sims/optics/lens_figures.h"
#include "sims/optics/lenses.h"
#include "sims/optics/optics_figures.h"

namespace viv {

namespace {

constexpr double RadPerDeg = Pi / 180;
constexpr double XMin = -14, XMax = 6;
constexpr double Tiny = 1e-9;
constexpr double BeamStep = 0.5;
constexpr int SphereBeamPairs = 5;    // +-0.5 .. +-2.5
constexpr int ParabolaBeamPairs = 6;  // +-0.5 .. +-3
constexpr int ParabolaSteps = 180;    // the outline in steps of 1/30 in y

constexpr TColor MirrorColour = clBlack;
constexpr TColor AxisRayColour = clGreen;
constexpr TColor UpperRayColour = clRed;   // the rays above the axis
constexpr TColor LowerRayColour = clBlue;  // and below it
constexpr TColor FocusColour = clBlue;

TracedRay BeamStart(double c, int angleDegrees) {
    const double theta = angleDegrees * RadPerDeg;
    return TracedRay({XMin, c + std::tan(theta) * XMin}, std::cos(theta), std::sin(theta));
}

TColor RayColour(double c) {
    return c == 0 ? AxisRayColour : (c > 0 ? UpperRayColour : LowerRayColour);
}

// The reflected ray from its point of reflection to the edge of the window, the incident
// part from the left edge: one path, cut to the window.
void DrawReflected(const World& map, TCanvas& canvas, const TracedRay& ray, double c) {
    const WorldBox box = WindowOf(map);
    const WorldPoint hit = ray.Last();
    const WorldPoint end = ExitPoint(hit, {hit.x + ray.Dx, hit.y + ray.Dy}, box);
    SetLensPen(canvas, map, RayColour(c));
    DrawClippedPath(map, canvas, {ray.Points[0], hit, end}, box);
}

// The reflected ray continued backwards, dotted, from the mirror to the window's edge.
void DrawBackwards(const World& map, TCanvas& canvas, const TracedRay& ray, double c) {
    const WorldBox box = WindowOf(map);
    const WorldPoint hit = ray.Last();
    if (!box.Contains(hit)) return;
    const WorldPoint end = ExitPoint(hit, {hit.x - ray.Dx, hit.y - ray.Dy}, box);
    SetLensPen(canvas, map, RayColour(c), psDot);
    DrawSegment(map, canvas, hit, end);
    canvas.Pen.Style = psSolid;
}

void SetupWindow(Scene& scene, bool clearFirst, TCanvas& canvas) {
    World& map = scene.Map;
    SetupFullHeightWorld(map, 1, clearFirst, canvas, XMin, XMax);
}

int AngleFromScrollBar(const Scene& scene) {
    return std::clamp(scene.Controls.ScrollBar1.Position, 0, 60) - 30;
}

// --- "Hulspejlet" ---

bool Convex(const Scene& scene) {
    return scene.State.ShowRays;
}

double SphereOpening(Scene& scene) {
    return scene.State.ShowNormals ? 1 : MirrorOf(scene).StopOpening;
}

// The focal point: half the radius in front of (concave) or behind (convex) the vertex.
double SphereFocus(Scene& scene) {
    const double half = MirrorOf(scene).Radius / 2;
    return Convex(scene) ? half : -half;
}

void DrawSphereFigures(Scene& scene, TCanvas& canvas) {
    const World& map = scene.Map;
    const SharedState& s = scene.State;
    const MirrorState& mirror = MirrorOf(scene);
    std::vector<WorldPoint> outline;
    AppendFace(outline, SphericalMirror(mirror.Radius, Convex(scene)), true);
    SetLensPen(canvas, map, MirrorColour);
    DrawPath(map, canvas, outline);
    if (s.ShowNormals) DrawStop(map, canvas, mirror.StopX, SphereOpening(scene));
    if (s.ShowMarks) DrawFocalLine(map, canvas, SphereFocus(scene), FocusColour, psSolid);
    for (const double c : MirrorBeamHeights(scene)) {
        const auto ray = ReflectedAtSphere(c, mirror.Angle, mirror.Radius, Convex(scene));
        if (!ray) continue;
        DrawReflected(map, canvas, *ray, c);
        if (s.ShowMarks && Convex(scene)) DrawBackwards(map, canvas, *ray, c);
    }
}

// Rows 1..3 of the table and the three status panels: the mirror's own measure (the
// radius r or the parabola's A, its panel starting with `name`), the focal length f and
// the angle v in degrees.
void WriteMirrorTable(Scene& scene, const std::string& name, const std::string& measure,
                      const std::string& f, const std::string& v) {
    scene.Out.SetCell(1, 1, measure);
    scene.Out.SetCell(1, 2, f);
    scene.Out.SetCell(1, 3, v);
    scene.Out.Panel1 = name + measure;
    scene.Out.Panel2 = "f=" + f;
    scene.Out.Panel3 = "v=" + v + "°";
}

void WriteSphereTable(Scene& scene) {
    const MirrorState& mirror = MirrorOf(scene);
    const std::string r = FormatReal(1, 1, mirror.Radius);
    // Signed as in the image simulations: a convex mirror's focal length is negative.
    const std::string f = FormatReal(1, 1, Convex(scene) ? -mirror.Radius / 2 : mirror.Radius / 2);
    const std::string v = FormatInteger(mirror.Angle, 1);
    WriteMirrorTable(scene, "r=", r, f, v);
}

void ReadSphereControls(Scene& scene) {
    MirrorState& mirror = MirrorOf(scene);
    mirror.Angle = AngleFromScrollBar(scene);
    mirror.Radius = RadiusFromTrackBar(scene.Controls.TrackBar2.Position);
}

// --- "Parabol" ---

void DrawParabolaFigures(Scene& scene, TCanvas& canvas) {
    const World& map = scene.Map;
    const MirrorState& mirror = MirrorOf(scene);
    const double f = mirror.FocalLength;
    const double A = ParabolaA(f);
    std::vector<WorldPoint> outline;
    for (int k = 0; k <= ParabolaSteps; ++k) {
        const double y = -ParabolaHalfHeight + 2 * ParabolaHalfHeight * k / ParabolaSteps;
        outline.push_back({-A * y * y, y});
    }
    SetLensPen(canvas, map, MirrorColour);
    DrawPath(map, canvas, outline);
    if (scene.State.ShowMarks) DrawFocalLine(map, canvas, -f, FocusColour, psSolid);
    for (int k = -ParabolaBeamPairs; k <= ParabolaBeamPairs; ++k) {
        const double c = k * BeamStep;
        if (const auto ray = ReflectedAtParabola(c, mirror.Angle, f))
            DrawReflected(map, canvas, *ray, c);
    }
}

void WriteParabolaTable(Scene& scene) {
    const MirrorState& mirror = MirrorOf(scene);
    const std::string A = FormatReal(1, 3, ParabolaA(mirror.FocalLength));
    const std::string f = FormatReal(1, 2, mirror.FocalLength);
    const std::string v = FormatReal(1, 1, mirror.Angle);
    WriteMirrorTable(scene, "A=", A, f, v);
}

void ReadParabolaControls(Scene& scene) {
    MirrorState& mirror = MirrorOf(scene);
    mirror.Angle = AngleFromScrollBar(scene);
    mirror.FocalLength = std::clamp(scene.Controls.TrackBar2.Position, 1, 10);
}

// What sets one mirror simulation apart from the other: reading its controls, its
// figures (drawing them again removes them) and its table.
struct MirrorSimulationParts {
    void (*ReadControls)(Scene&);
    void (*DrawFigures)(Scene&, TCanvas&);
    void (*WriteTable)(Scene&);
};

// The drawing routine both mirror simulations share: the full redraw, and for an event
// the simulation handles the figures erased, the key's switch flipped, the controls read
// and the figures and the table anew.
void DrawMirrorSimulation(Scene& scene, Event event, bool clearFirst, TCanvas& canvas, bool handled,
                          const MirrorSimulationParts& parts) {
    if (event == Event::Redraw) {
        SetupWindow(scene, clearFirst, canvas);
        parts.ReadControls(scene);
        parts.DrawFigures(scene, canvas);
        parts.WriteTable(scene);
        return;
    }
    if (!handled) return;
    parts.DrawFigures(scene, canvas);  // erases them
    FlipViewToggle(scene.State, event);
    parts.ReadControls(scene);
    parts.DrawFigures(scene, canvas);
    parts.WriteTable(scene);
}

}  // namespace

MirrorState& MirrorOf(Scene& scene) {
    return scene.Own<MirrorState>();
}

void SetConcaveMirrorStartValues(SetupScene& scene) {
    MirrorState& mirror = MirrorOf(scene);
    mirror.StopX = -1;
    mirror.StopOpening = 2;
    mirror.Radius = 5;
}

void SetParabolaStartValues(SetupScene& scene) {
    MirrorOf(scene).FocalLength = 2;
}

LensFace SphericalMirror(double r, bool convex) {
    // Concave: the right half of the circle about (-r, 0); convex: the left half of the
    // circle about (r, 0).
    return convex ? LensFace{false, r, r, false} : LensFace{false, -r, r, true};
}

std::vector<double> MirrorBeamHeights(Scene& scene) {
    const MirrorState& mirror = MirrorOf(scene);
    const double slope = std::tan(mirror.Angle * RadPerDeg);
    const double opening = SphereOpening(scene);
    std::vector<double> heights;
    for (int k = -SphereBeamPairs; k <= SphereBeamPairs; ++k) {
        const double c = k * BeamStep;
        if (std::abs(c + slope * mirror.StopX) <= opening) heights.push_back(c);
    }
    return heights;
}

std::optional<TracedRay> ReflectedAtSphere(double c, int angleDegrees, double r, bool convex) {
    TracedRay ray = BeamStart(c, angleDegrees);
    if (!ReflectAt(ray, SphericalMirror(r, convex))) return std::nullopt;
    return ray;
}

std::optional<TracedRay> ReflectedAtParabola(double c, int angleDegrees, double f) {
    TracedRay ray = BeamStart(c, angleDegrees);
    const double A = ParabolaA(f);
    const WorldPoint p = ray.Last();
    // p + t d on x + A y^2 = 0: A dy^2 t^2 + (2 A y dy + dx) t + (x + A y^2) = 0.
    const double a = A * ray.Dy * ray.Dy;
    const double b = 2 * A * p.y * ray.Dy + ray.Dx;
    const double q = p.x + A * p.y * p.y;
    double t = -1;
    if (std::abs(a) < 1e-14) {
        if (b != 0) t = -q / b;
    } else {
        const double disc = b * b - 4 * a * q;
        if (disc < 0) return std::nullopt;
        const double root = std::sqrt(disc);
        const double t1 = (-b - root) / (2 * a), t2 = (-b + root) / (2 * a);
        const double first = std::min(t1, t2), second = std::max(t1, t2);
        t = first > Tiny ? first : second;
    }
    if (!(t > Tiny)) return std::nullopt;
    const WorldPoint hit{p.x + t * ray.Dx, p.y + t * ray.Dy};
    if (std::abs(hit.y) > ParabolaHalfHeight) return std::nullopt;
    Reflect(ray, 1, 2 * A * hit.y);
    ray.Points.push_back(hit);
    return ray;
}

void DrawConcaveMirror(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    const bool handled = event == Event::ScrollBar1 || event == Event::TrackBar2 ||
                         event == Event::F2 || event == Event::F3 || event == Event::F6;
    DrawMirrorSimulation(scene, event, clearFirst, canvas, handled,
                         {ReadSphereControls, DrawSphereFigures, WriteSphereTable});
}

void DrawParabola(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    const bool handled =
        event == Event::ScrollBar1 || event == Event::TrackBar2 || event == Event::F2;
    DrawMirrorSimulation(scene, event, clearFirst, canvas, handled,
                         {ReadParabolaControls, DrawParabolaFigures, WriteParabolaTable});
}

}  // namespace viv
