// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/water_polarisation.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/drag.h"
#include "app/events.h"
#include "library/colour_table.h"
#include "library/drawing.h"
#include "library/format.h"
#include "library/protractor.h"
#include "library/trig.h"
#include "library/world.h"
#include "library/world_drawing.h"
#include "sims/rainbow/rainbow_state.h"
#include "sims/rainbow/reflectance_inset.h"

namespace viv {

namespace {

// The main window: the point of incidence at the origin, equal scales in x and y.
constexpr double MainXMin = -8.5, MainXMax = 11.5;
constexpr double MainYMinFactor = -0.8, MainYMaxFactor = 1.2;  // of AspectHeight
constexpr double ProtractorReach = 5;  // world units: below it the protractor's numbers end

constexpr double WaterRadius = 4;     // the half-disc of water, world units
constexpr double RayLength = 5;       // world units
constexpr double ArrowAt = 3;         // arrow heads of the incoming and reflected ray
constexpr double ArrowLength = 0.25;  // world units
constexpr double ArcRadius = 0.9;     // the angle between reflected and refracted ray
constexpr int ArcMinIncidence = 2;    // degrees; below it the arc would close on itself
constexpr double BrewsterSnap = 0.5;  // degrees

// The polarisation symbols: bars across the ray for the parallel polarisation, crosses
// for the perpendicular one, at distances from the point of incidence (world units).
constexpr double BarLength = 1;
constexpr double CrossBarLength = 2.0 / 3;
constexpr double BarsAt[] = {2, 1.5};
constexpr double CrossesAt[] = {3.5, 5};
constexpr double RefractedCrossAt = 3.5;

constexpr TColor PerpendicularColour = clMaroon;
constexpr TColor ParallelColour = clOlive;
constexpr TColor BrewsterColour = clRed;
constexpr TColor ArcColour = clBlue;
constexpr TColor WaterColour = clSilver;

WorldPoint Polar(double r, double angle) {
    return {r * std::cos(angle), r * std::sin(angle)};
}

// A bar of `length` centred on the point `distance` out along `direction`, turned
// `turn` from the ray's normal.
void Bar(const World& map, TCanvas& canvas, double direction, double distance, double length,
         double turn) {
    const WorldPoint centre = Polar(distance, direction);
    const WorldPoint half = Polar(length / 2, direction + Pi / 2 + turn);
    Line(map, canvas, {centre.x - half.x, centre.y - half.y},
         {centre.x + half.x, centre.y + half.y});
}

void ParallelBar(const World& map, TCanvas& canvas, double direction, double distance) {
    canvas.Pen.Color = ParallelColour;
    Bar(map, canvas, direction, distance, BarLength, 0);
}

void PerpendicularCross(const World& map, TCanvas& canvas, double direction, double distance) {
    canvas.Pen.Color = PerpendicularColour;
    Bar(map, canvas, direction, distance, CrossBarLength, Pi / 4);
    Bar(map, canvas, direction, distance, CrossBarLength, -Pi / 4);
}

double WaterIndex(const Scene& scene) {
    return Colour(scene.State.CurrentColour).WaterIndex;
}

void ComputeBrewsterAngle(Scene& scene) {
    WaterPolarisationOf(scene).BrewsterAngle = BrewsterAngleOf(WaterIndex(scene));
}

// Whether the ray is snapped onto the Brewster angle: within half a degree of it.
bool RayOnBrewster(Scene& scene) {
    return std::fabs(scene.State.IncidenceValue - WaterPolarisationOf(scene).BrewsterAngle) <
           BrewsterSnap;
}

// The incoming, refracted and (above 0°) reflected ray, snapped onto the Brewster angle
// within half a degree of it.
void DrawWaterRays(Scene& scene, TCanvas& canvas) {
    WaterPolarisationState& w = WaterPolarisationOf(scene);
    const World& map = scene.Map;
    const int incidence = scene.State.IncidenceValue;
    w.AtBrewster = RayOnBrewster(scene);
    const double i = (w.AtBrewster ? w.BrewsterAngle : incidence) / DegPerRad;
    w.Incidence = i;
    w.SinRefraction = std::sin(i) / WaterIndex(scene);
    w.Refraction = ArcSin(w.SinRefraction);
    const double b = w.Refraction;

    canvas.Pen.Color = Colour(scene.State.CurrentColour).ScreenColour;  // the light's own colour
    canvas.Polyline({map.Picture(-RayLength * std::cos(i), RayLength * std::sin(i)),
                     map.Picture(0, 0),
                     map.Picture(RayLength * std::cos(b), -RayLength * std::sin(b))});
    DrawArrowHead(map, canvas, -ArrowAt * std::cos(i), ArrowAt * std::sin(i), ArrowLength, -i);
    DrawArrowHead(map, canvas, RayLength * std::cos(b), -RayLength * std::sin(b), ArrowLength, -b);
    // Straight down onto the water the reflected light goes back along the incoming ray,
    // where it cannot be told apart from it.
    if (incidence != 0) {
        Line(map, canvas, {0, 0}, {-RayLength * std::cos(i), -RayLength * std::sin(i)});
        DrawArrowHead(map, canvas, -ArrowAt * std::cos(i), -ArrowAt * std::sin(i), ArrowLength,
                      i + Pi);
    }
}

void DrawRayPolarisationMarks(Scene& scene, TCanvas& canvas) {
    const WaterPolarisationState& w = WaterPolarisationOf(scene);
    const World& map = scene.Map;
    const double incoming = Pi - w.Incidence, reflected = Pi + w.Incidence,
                 refracted = -w.Refraction;
    for (const double d : BarsAt) ParallelBar(map, canvas, incoming, d);
    for (const double d : CrossesAt) PerpendicularCross(map, canvas, incoming, d);
    if (scene.State.IncidenceValue != 0) {  // no reflected ray of its own at 0°
        if (!w.AtBrewster)
            for (const double d : BarsAt) ParallelBar(map, canvas, reflected, d);
        for (const double d : CrossesAt) PerpendicularCross(map, canvas, reflected, d);
    }
    for (const double d : BarsAt) ParallelBar(map, canvas, refracted, d);
    PerpendicularCross(map, canvas, refracted, RefractedCrossAt);
}

// The angle between the reflected and the refracted ray: a right angle at the Brewster
// angle.
void DrawReflectedRefractedArc(Scene& scene, TCanvas& canvas) {
    if (scene.State.IncidenceValue < ArcMinIncidence) return;
    const WaterPolarisationState& w = WaterPolarisationOf(scene);
    canvas.Pen.Color = ArcColour;
    DrawAngleArc(scene.Map, {0, 0}, canvas, ArcRadius, w.Incidence + Pi, -w.Refraction);
}

// The incoming, reflected and refracted ray at the Brewster angle, in red.
void DrawBrewsterRays(Scene& scene, TCanvas& canvas) {
    const World& map = scene.Map;
    const double B = WaterPolarisationOf(scene).BrewsterAngle / DegPerRad;
    const double beta = std::atan(1 / WaterIndex(scene));
    canvas.Pen.Color = BrewsterColour;
    canvas.Polyline({map.Picture(-RayLength * std::cos(B), RayLength * std::sin(B)),
                     map.Picture(0, 0),
                     map.Picture(-RayLength * std::cos(B), -RayLength * std::sin(B))});
    Line(map, canvas, {0, 0}, {RayLength * std::cos(beta), -RayLength * std::sin(beta)});
}

// Everything that follows the ray: drawn again it is removed. The red rays of the
// Brewster angle (F5) give way to the ray itself when it lies on them, so that it keeps
// its colour instead of the colour the two would make together.
void DrawRayFigures(Scene& scene, TCanvas& canvas) {
    canvas.Pen.Mode = pmNotXor;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = scene.Map.PenWidth;
    if (scene.State.ShowRedRay && !RayOnBrewster(scene)) DrawBrewsterRays(scene, canvas);
    DrawWaterRays(scene, canvas);
    if (scene.State.ShowAxes) DrawRayPolarisationMarks(scene, canvas);
    DrawRefractionMarker(scene, RefractionMarkerKind::WaterSurface, canvas);
    canvas.Pen.Mode = pmNotXor;
    if (scene.State.ShowMarks) DrawReflectedRefractedArc(scene, canvas);
}

void WriteWaterPolarisationTable(Scene& scene) {
    const WaterPolarisationState& w = WaterPolarisationOf(scene);
    const ColourRow& colour = Colour(scene.State.CurrentColour);
    const double n = colour.WaterIndex;
    const Reflectance r = WaterReflectance(w.Incidence, w.Refraction, n);
    const double ts = (1 - r.Perpendicular) * 100, tp = (1 - r.Parallel) * 100;
    const double i = w.Incidence * DegPerRad, b = w.Refraction * DegPerRad;
    Report& t = scene.Out;
    t.SetCell(1, 1, FormatReal(6, 3, n));
    t.SetCell(0, 2, " bølgelængde/nm, " + std::string(colour.ColourName));
    t.SetCell(1, 2, FormatReal(6, 1, colour.WaveLength));
    t.SetCell(1, 3, FormatReal(1, 0, i));
    t.SetCell(1, 4, FormatReal(1, 1, b));
    t.SetCell(1, 5, FormatReal(1, 1, 180 - i - b));
    t.SetCell(1, 6, FormatReal(3, 2, ts));
    t.SetCell(2, 6, FormatReal(3, 2, tp));
    t.SetCell(1, 7, FormatReal(3, 2, 100 - ts));
    t.SetCell(2, 7, FormatReal(3, 2, 100 - tp));
    scene.Out.Panel1 = "i: " + t.Cell(1, 3) + "°";
    scene.Out.Panel2 = "b: " + t.Cell(1, 4) + "°";
}

// The figures a colour change moves besides the ray's: the reflectance curves.
void ChangeWaterColour(Scene& scene, TCanvas& canvas) {
    canvas.Pen.Mode = pmNotXor;
    DrawReflectanceCurves(scene, canvas);
    scene.State.CurrentColour = scene.Controls.TrackBar1.Position;
    ComputeBrewsterAngle(scene);
    canvas.Pen.Mode = pmNotXor;
    DrawReflectanceCurves(scene, canvas);
}

// The protractor's labels are written over whatever lies under them; the lines that may
// cross them are taken away first and drawn again over the new labels, as a full redraw
// draws them (the rays, the Brewster rays among them, are off the picture already).
void ToggleProtractor(Scene& scene, TCanvas& canvas) {
    SharedState& s = scene.State;
    canvas.Pen.Mode = pmNotXor;
    if (s.ShowNormals) DrawSurfaceNormal(scene.Map, canvas);
    s.ShowRays = !s.ShowRays;
    DrawProtractor(scene.Map, canvas, s.ShowRays);
    if (s.ShowNormals) DrawSurfaceNormal(scene.Map, canvas);
}

void FullRedraw(Scene& scene, bool clearFirst, TCanvas& canvas) {
    World& map = scene.Map;
    const SharedState& s = scene.State;
    if (clearFirst) ClearPicture(map);
    const double a = map.AspectHeight;
    map.WorldXMin = MainXMin;
    map.WorldXMax = MainXMax;
    // A wide picture is moved up just enough for the protractor's lowest number.
    map.WorldYMin = std::min(MainYMinFactor * a, -ProtractorReach);
    map.WorldYMax = map.WorldYMin + (MainYMaxFactor - MainYMinFactor) * a;
    map.SetWorldWindow(map.WorldXMin, map.WorldXMax, map.WorldYMin, map.WorldYMax);

    // The water: the right half of a disc about the point of incidence.
    canvas.Pen.Mode = pmCopy;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = map.PenWidth;
    canvas.Pen.Color = WaterColour;
    canvas.Brush.Color = WaterColour;
    canvas.Brush.Style = bsDiagCross;
    canvas.Pie(map.PictureX(-WaterRadius), map.PictureY(WaterRadius), map.PictureX(WaterRadius),
               map.PictureY(-WaterRadius), map.PictureX(0), map.PictureY(-WaterRadius),
               map.PictureX(0), map.PictureY(WaterRadius));
    canvas.Brush.Style = bsClear;
    canvas.Pen.Mode = pmNotXor;
    ComputeBrewsterAngle(scene);
    DrawReflectanceInset(scene, canvas);
    DrawReflectanceCurves(scene, canvas);
    canvas.Pen.Mode = pmNotXor;
    if (s.ShowRays) DrawProtractor(map, canvas, true);
    if (s.ShowNormals) DrawSurfaceNormal(map, canvas);
    DrawRayFigures(scene, canvas);
    WriteWaterPolarisationTable(scene);
}

}  // namespace

WaterPolarisationState& WaterPolarisationOf(Scene& scene) {
    return scene.Own<WaterPolarisationState>();
}

double BrewsterAngleOf(double n) {
    return ArcSin(std::sin(std::atan(1 / n)) * n) * DegPerRad;
}

void DrawWaterPolarisation(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    if (event == Event::Redraw) {
        FullRedraw(scene, clearFirst, canvas);
        return;
    }
    const bool control = event == Event::ScrollBar1 || event == Event::TrackBar1;
    const bool toggle = IsFunctionKey(event);
    if (!control && !toggle) return;

    SharedState& s = scene.State;
    DrawRayFigures(scene, canvas);  // erases them
    switch (event) {
        case Event::ScrollBar1:
            s.IncidenceValue = s.IncidenceMax - scene.Controls.ScrollBar1.Position;
            break;
        case Event::TrackBar1:
            ChangeWaterColour(scene, canvas);
            break;
        case Event::F2:
        case Event::F4:
        case Event::F5:
            FlipViewToggle(s, event);
            break;
        case Event::F3:
            FlipViewToggle(s, event);
            canvas.Pen.Mode = pmNotXor;
            DrawSurfaceNormal(scene.Map, canvas);
            break;
        case Event::F6:
            ToggleProtractor(scene, canvas);
            break;
        default:
            break;
    }
    DrawRayFigures(scene, canvas);
    WriteWaterPolarisationTable(scene);
}

namespace {

// The incident ray from the upper left, as drawn (at the Brewster angle when it snaps).
bool GripsIncidentRay(Scene& scene, TPoint p) {
    const double i = WaterPolarisationOf(scene).Incidence;
    return GripsSegment(scene, p, {-RayLength * std::cos(i), RayLength * std::sin(i)}, {0, 0});
}

double IncidenceAt(Scene& scene, WorldPoint w) {
    return IncidencePosition(scene, AngleFrom({0, 0}, w, 180, -1));
}

}  // namespace

const DragFigure WaterPolarisationDrag{.Name = "den indfaldende stråle",
                                       .Moves = Control::ScrollBar1,
                                       .Grips = &GripsIncidentRay,
                                       .PositionAt = &IncidenceAt};

}  // namespace viv
