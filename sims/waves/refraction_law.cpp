// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/waves/refraction_law.h"

#include <cmath>

#include "app/catalogue.h"
#include "app/drag.h"
#include "app/events.h"
#include "app/view_toggles.h"
#include "library/colour_table.h"
#include "library/drawing.h"
#include "library/protractor.h"
#include "library/trig.h"
#include "library/world.h"
#include "sims/waves/refraction_angles.h"
#include "sims/waves/refraction_state.h"
#include "sims/waves/wave_crests.h"

namespace viv {

namespace {

constexpr double kBottom = -0.5, kTop = 1.5;  // of AspectHeight
constexpr double kWaveTop = 9.8;              // world units: the incident wave's reach
constexpr double kLabelX = 9.5;        // world units either side of the boundary: near the edges,
                                       // beside where the reflected and refracted fronts pass
constexpr double kLabelY = 0.2;        // of AspectHeight, the labels' top
constexpr double kArrowLength = 0.25;  // world units
constexpr int kSmallestArc = 4;        // degrees: below it the angles are not marked
constexpr double kArcRadius = 1;       // world units

constexpr TColor kCrestColour = clGreen;
constexpr TColor kRayColour = clOlive;
constexpr TColor kArcColour = clBlue;

// The beam as the controls set it now.
BeamSetup CurrentBeam(Scene& scene) {
    const ColourRow& colour = Colour(scene.State.CurrentColour);
    BeamSetup beam;
    beam.Angles = CurrentRefraction(scene);
    beam.Direction = scene.State.RayDirection == FromWater ? FromWater : FromAir;
    beam.AirWaveLength = PictureWaveLength(colour.WaveLength);
    beam.Index = colour.WaterIndex;
    beam.Phase = RefractionOf(scene).Phase;
    beam.Reflection = scene.State.ShowRays;
    return beam;
}

// The reflected wave is drawn dotted beside the refracted one, and like the incident
// wave when it is all there is.
TPenStyle StyleOf(CrestKind kind, const BeamSetup& beam) {
    return kind == CrestKind::Reflected && beam.Angles.Refracts ? psDot : psSolid;
}

void DrawStoredCrests(const DrawnCrests& drawn, TCanvas& canvas) {
    canvas.Pen.Color = kCrestColour;
    // The solid crests first, then the dotted ones.
    for (const TPenStyle style : {psSolid, psDot}) {
        canvas.Pen.Style = style;
        for (std::size_t k = 0; k < drawn.Count; ++k) {
            const DrawnCrest& c = drawn.Crests[k];
            if (c.Style == style) canvas.Polyline(c.Points.data(), c.Count);
        }
    }
    canvas.Pen.Style = psSolid;
}

// Removes the crests now on the picture.
void EraseCrests(Scene& scene, TCanvas& canvas) {
    DrawnCrests& drawn = RefractionOf(scene).Drawn;
    DrawStoredCrests(drawn, canvas);
    drawn.Count = 0;
}

// Draws the crests of the current state; those drawn on the screen's picture are kept
// for the next erasure (a printed page or a copy leaves them as they are).
void DrawCrests(Scene& scene, TCanvas& canvas) {
    const World& m = scene.Map;
    const BeamSetup beam = CurrentBeam(scene);
    const BeamCrests crests = ComputeCrests(beam);
    DrawnCrests drawn;
    for (std::size_t k = 0; k < crests.Count; ++k) {
        const CrestLine& line = crests.Lines[k];
        DrawnCrest& c = drawn.Crests[drawn.Count++];
        c.Count = line.Count;
        for (std::size_t p = 0; p < line.Count; ++p)
            c.Points[p] = m.Picture(line.Points[p].x, line.Points[p].y);
        c.Style = StyleOf(line.Kind, beam);
    }
    DrawStoredCrests(drawn, canvas);
    if (scene.OnScreen(canvas)) RefractionOf(scene).Drawn = drawn;
}

void DrawRay(const World& m, TCanvas& canvas, const BeamRay& ray) {
    TPoint points[3];
    for (std::size_t k = 0; k < ray.Count; ++k)
        points[k] = m.Picture(ray.Points[k].x, ray.Points[k].y);
    canvas.Polyline(points, ray.Count);
}

// F4: the two boundary rays of the beam, bent at the boundary, and the reflected rays
// whenever the reflected wave is drawn.
void DrawBeamRays(Scene& scene, TCanvas& canvas) {
    const World& m = scene.Map;
    const BeamSetup beam = CurrentBeam(scene);
    const BeamRays rays = ComputeBeamRays(beam);
    canvas.Pen.Color = kRayColour;
    canvas.Pen.Style = psSolid;
    for (const BeamRay& ray : rays.Rays) DrawRay(m, canvas, ray);
    for (std::size_t k = 0; k < rays.ArrowCount; ++k)
        DrawArrowHead(m, canvas, rays.Arrows[k].Tip.x, rays.Arrows[k].Tip.y, kArrowLength,
                      rays.Arrows[k].Angle);
    if (beam.Reflection || !beam.Angles.Refracts) {
        canvas.Pen.Style = StyleOf(CrestKind::Reflected, beam);
        for (const BeamRay& ray : rays.ReflectedRays) DrawRay(m, canvas, ray);
        canvas.Pen.Style = psSolid;
        for (const RayArrow& arrow : rays.ReflectedArrows)
            DrawArrowHead(m, canvas, arrow.Tip.x, arrow.Tip.y, kArrowLength, arrow.Angle);
    }
}

// F2: the angles of incidence, refraction and (with the reflected wave) reflection as
// blue arcs about the origin, each from the normal to its ray the short way round.
void DrawAngles(Scene& scene, TCanvas& canvas) {
    const SharedState& s = scene.State;
    if (!s.ShowMarks || s.IncidenceValue < kSmallestArc) return;
    const World& m = scene.Map;
    const RefractionAngles a = CurrentRefraction(scene);
    const WorldPoint o{0, 0};
    const double i = a.Incidence, b = a.Refraction, r = kArcRadius;
    const bool reflection = s.ShowRays || !a.Refracts;
    canvas.Pen.Color = kArcColour;
    canvas.Pen.Style = psSolid;
    if (s.RayDirection != FromWater) {
        DrawAngleArc(m, o, canvas, r, Pi - i, Pi);
        if (a.Refracts) DrawAngleArc(m, o, canvas, r, -b, 0);
        if (reflection) DrawAngleArc(m, o, canvas, r, Pi, Pi + i);
    } else {
        DrawAngleArc(m, o, canvas, r, -i, 0);
        if (a.Refracts) DrawAngleArc(m, o, canvas, r, Pi - b, Pi);
        if (reflection) DrawAngleArc(m, o, canvas, r, 0, i);
    }
}

// Everything a control or toggle changes besides the crests.
void DrawRaysAndAngles(Scene& scene, TCanvas& canvas) {
    if (scene.State.ShowAxes) DrawBeamRays(scene, canvas);
    DrawAngles(scene, canvas);
}

void FullRedraw(Scene& scene, bool clearFirst, TCanvas& canvas) {
    World& m = scene.Map;
    const double a = m.AspectHeight;
    // A wide picture shows the incident wave's top whole.
    const WorldWindow view =
        ShowingHeights({-10, 10, kBottom * a, kTop * a}, kBottom * a, kWaveTop);
    SetupWorld(m, 0, clearFirst, canvas, view.xmin, view.xmax, view.ymin, view.ymax);
    canvas.Pen.Style = psSolid;
    canvas.Pen.Color = clBlack;
    canvas.MoveTo(m.PictureX(0), m.PictureY(view.ymin));
    canvas.LineTo(m.PictureX(0), m.PictureY(view.ymax));
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = clBlack;
    canvas.Font.Bold = true;
    canvas.TextOut(m.PictureX(-kLabelX), m.PictureY(kLabelY * a), "luft");
    canvas.TextOut(m.PictureX(kLabelX) - canvas.TextWidth("vand"), m.PictureY(kLabelY * a), "vand");
    canvas.Font.Bold = false;

    UpdateCriticalAngle(scene);
    if (scene.State.ShowRedRay) DrawCriticalAngleLine(m, canvas, RefractionOf(scene).CriticalAngle);
    if (scene.State.ShowNormals) DrawSurfaceNormal(m, canvas);
    DrawCrests(scene, canvas);
    DrawRaysAndAngles(scene, canvas);
    WriteRefractionTable(scene, CurrentRefraction(scene));
}

}  // namespace

double NextPhase(double phase) {
    phase += RefractionState::PhaseStep;
    if (phase >= 1) phase -= 1;
    return phase;
}

void SetRefractionLawStartValues(SetupScene& scene) {
    SetIncidenceRange(scene.State, 90);
    scene.State.RayDirection = FromAir;
    RefractionOf(scene).Phase = RefractionState::StartPhase;
}

void DrawRefractionLaw(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    if (event == Event::Redraw) {
        FullRedraw(scene, clearFirst, canvas);
        return;
    }
    SharedState& s = scene.State;
    RefractionState& r = RefractionOf(scene);
    canvas.Pen.Mode = pmNotXor;
    canvas.Pen.Style = psSolid;
    canvas.Brush.Style = bsClear;

    if (event == Event::Tick || event == Event::Step) {
        // Only the crests move: the rays, the arcs and the table stay.
        EraseCrests(scene, canvas);
        r.Phase = NextPhase(r.Phase);
        DrawCrests(scene, canvas);
        if (event == Event::Step) WriteRefractionTable(scene, CurrentRefraction(scene));
        return;
    }
    const bool control =
        event == Event::ScrollBar1 || event == Event::TrackBar1 || event == Event::TrackBar2;
    const bool toggle = IsFunctionKey(event);
    if (!control && !toggle) return;

    EraseCrests(scene, canvas);
    DrawRaysAndAngles(scene, canvas);  // erases them
    if (!TakeRefractionControl(scene, event, canvas)) {
        if (event == Event::F4 || event == Event::F6) FlipViewToggle(s, event);
    }
    DrawCrests(scene, canvas);
    DrawRaysAndAngles(scene, canvas);
    WriteRefractionTable(scene, CurrentRefraction(scene));
}

namespace {

// The incident wave fills the medium it comes from: the left half of the picture from the
// air, the right half from the water.
bool GripsIncidentWave(Scene& scene, TPoint p) {
    const TCanvas* picture = scene.WindowPicture();
    if (picture == nullptr || p.x < 0 || p.y < 0 || p.x >= picture->Width() ||
        p.y >= picture->Height())
        return false;
    const int boundary = scene.Map.PictureX(0);
    return scene.State.RayDirection != FromWater ? p.x < boundary : p.x > boundary;
}

}  // namespace

const DragFigure RefractionLawDrag{.Name = "den indfaldende bølge",
                                   .Moves = Control::ScrollBar1,
                                   .Grips = &GripsIncidentWave,
                                   .PositionAt = &RayIncidenceAt};

}  // namespace viv
