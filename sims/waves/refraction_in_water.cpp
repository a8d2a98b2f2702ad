// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/waves/refraction_in_water.h"

#include <cmath>

#include "app/drag.h"
#include "app/events.h"
#include "app/view_toggles.h"
#include "library/drawing.h"
#include "library/protractor.h"
#include "library/trig.h"
#include "library/world.h"
#include "library/world_drawing.h"
#include "sims/waves/refraction_angles.h"
#include "sims/waves/refraction_state.h"

namespace viv {

namespace {

constexpr double kWaterRadius = 4;     // world units, the half-disc of water
constexpr double kRayLength = 5;       // world units from the point of incidence
constexpr double kArrowAt = 3;         // world units from it, on the incident and reflected rays
constexpr double kArrowLength = 0.25;  // world units
constexpr int kSmallestArc = 2;        // degrees: below it the angles are not marked
constexpr double kIncidenceArc = 0.9;  // radii of the angle marks, world units
constexpr double kReflectionArc = 1.1;
constexpr double kRefractionArc = 1.0;

constexpr TColor kArcColour = clBlue;

// The water: the right half of the disc of radius 4 about the point of incidence,
// cross-hatched in silver.
void DrawWater(const World& m, TCanvas& canvas) {
    canvas.Pen.Color = clSilver;
    canvas.Brush.Color = clSilver;
    canvas.Brush.Style = bsDiagCross;
    canvas.Pie(m.PictureX(-kWaterRadius), m.PictureY(kWaterRadius), m.PictureX(kWaterRadius),
               m.PictureY(-kWaterRadius), m.PictureX(0), m.PictureY(-kWaterRadius), m.PictureX(0),
               m.PictureY(kWaterRadius));
    canvas.Brush.Style = bsClear;
}

// The incident, reflected and refracted rays with their arrow heads.
void DrawRays(Scene& scene, TCanvas& canvas, const RefractionAngles& a) {
    const World& m = scene.Map;
    const double ci = std::cos(a.Incidence), si = std::sin(a.Incidence);
    const double cb = std::cos(a.Refraction), sb = std::sin(a.Refraction);
    const bool reflected = scene.State.IncidenceValue != 0;
    const double r = kRayLength, h = kArrowAt;
    // The light in the colour of its wavelength.
    canvas.Pen.Color = Colour(scene.State.CurrentColour).ScreenColour;
    canvas.Pen.Style = psSolid;
    if (scene.State.RayDirection != FromWater) {
        canvas.Polyline({m.Picture(-r * ci, r * si), m.Picture(0, 0), m.Picture(r * cb, -r * sb)});
        if (reflected) Line(m, canvas, 0, 0, -r * ci, -r * si);
        DrawArrowHead(m, canvas, -h * ci, h * si, kArrowLength, -a.Incidence);
        DrawArrowHead(m, canvas, r * cb, -r * sb, kArrowLength, -a.Refraction);
        // Also at normal incidence: the light reflected straight back.
        DrawArrowHead(m, canvas, -h * ci, -h * si, kArrowLength, Pi + a.Incidence);
    } else {
        Line(m, canvas, r * ci, -r * si, 0, 0);
        if (reflected) Line(m, canvas, 0, 0, r * ci, r * si);
        if (a.Refracts) Line(m, canvas, 0, 0, -r * cb, r * sb);
        DrawArrowHead(m, canvas, h * ci, -h * si, kArrowLength, Pi - a.Incidence);
        DrawArrowHead(m, canvas, h * ci, h * si, kArrowLength, a.Incidence);
        if (a.Refracts) DrawArrowHead(m, canvas, -r * cb, r * sb, kArrowLength, Pi - a.Refraction);
    }
}

// The angles of incidence, reflection and refraction as blue arcs about the point of
// incidence, each from the normal to its ray the short way round.
void DrawAngles(Scene& scene, TCanvas& canvas, const RefractionAngles& a) {
    if (!scene.State.ShowMarks || scene.State.IncidenceValue < kSmallestArc) return;
    const World& m = scene.Map;
    const WorldPoint o{0, 0};
    const double i = a.Incidence, b = a.Refraction;
    canvas.Pen.Color = kArcColour;
    if (scene.State.RayDirection != FromWater) {
        DrawAngleArc(m, o, canvas, kIncidenceArc, Pi - i, Pi);
        DrawAngleArc(m, o, canvas, kReflectionArc, Pi, Pi + i);
        DrawAngleArc(m, o, canvas, kRefractionArc, -b, 0);
    } else {
        DrawAngleArc(m, o, canvas, kIncidenceArc, -i, 0);
        DrawAngleArc(m, o, canvas, kReflectionArc, 0, i);
        if (a.Refracts) DrawAngleArc(m, o, canvas, kRefractionArc, Pi - b, Pi);
    }
}

// The figures every control and toggle changes: the rays and their angles.
void DrawMovingFigures(Scene& scene, TCanvas& canvas) {
    const RefractionAngles a = CurrentRefraction(scene);
    DrawRays(scene, canvas, a);
    DrawAngles(scene, canvas, a);
}

// The normal and the critical-angle line, drawn over the protractor's labels.
void DrawFixedLines(Scene& scene, TCanvas& canvas) {
    if (scene.State.ShowNormals) DrawSurfaceNormal(scene.Map, canvas);
    if (scene.State.ShowRedRay)
        DrawCriticalAngleLine(scene.Map, canvas, RefractionOf(scene).CriticalAngle);
}

void FullRedraw(Scene& scene, bool clearFirst, TCanvas& canvas) {
    World& m = scene.Map;
    const double a = m.AspectHeight;
    SetupWorld(m, 0, clearFirst, canvas, -10, 10, -a, a);
    canvas.Pen.Style = psSolid;
    DrawWater(m, canvas);
    UpdateCriticalAngle(scene);
    // The protractor's labels are written over the picture, so it comes before every
    // line that may cross them.
    if (scene.State.ShowRays) DrawProtractor(m, canvas, true);
    DrawFixedLines(scene, canvas);
    DrawMovingFigures(scene, canvas);
    WriteRefractionTable(scene, CurrentRefraction(scene));
}

}  // namespace

void DrawRefractionInWater(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    if (event == Event::Redraw) {
        FullRedraw(scene, clearFirst, canvas);
        return;
    }
    const bool control =
        event == Event::ScrollBar1 || event == Event::TrackBar1 || event == Event::TrackBar2;
    const bool toggle =
        event == Event::F2 || event == Event::F3 || event == Event::F5 || event == Event::F6;
    if (!control && !toggle) return;

    SharedState& s = scene.State;
    canvas.Pen.Mode = pmNotXor;
    canvas.Pen.Style = psSolid;
    canvas.Brush.Style = bsClear;
    DrawMovingFigures(scene, canvas);  // erases them
    if (!TakeRefractionControl(scene, event, canvas) && event == Event::F6) {
        // The labels are written, or wiped in white, over whatever lies there: the
        // lines crossing them step aside meanwhile.
        DrawFixedLines(scene, canvas);
        FlipViewToggle(s, event);
        DrawProtractor(scene.Map, canvas, s.ShowRays);
        DrawFixedLines(scene, canvas);
    }
    DrawMovingFigures(scene, canvas);
    WriteRefractionTable(scene, CurrentRefraction(scene));
}

namespace {

// The incident ray, from the air or from the water, up to the point of incidence.
WorldPoint IncidentRayEnd(const Scene& scene) {
    const double i = scene.State.IncidenceValue / DegPerRad;
    if (scene.State.RayDirection != FromWater)
        return {-kRayLength * std::cos(i), kRayLength * std::sin(i)};
    return {kRayLength * std::cos(i), -kRayLength * std::sin(i)};
}

bool GripsIncidentRay(Scene& scene, TPoint p) {
    return GripsSegment(scene, p, IncidentRayEnd(scene), {0, 0});
}

}  // namespace

const DragFigure RefractionInWaterDrag{.Name = "den indfaldende stråle",
                                       .Moves = Control::ScrollBar1,
                                       .Grips = &GripsIncidentRay,
                                       .PositionAt = &RayIncidenceAt};

}  // namespace viv
