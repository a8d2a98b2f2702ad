// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/waves/refraction_angles.h"

#include <cmath>
#include <string>

#include "app/drag.h"
#include "app/view_toggles.h"
#include "library/colour_table.h"
#include "library/format.h"
#include "library/protractor.h"
#include "library/trig.h"
#include "sims/waves/refraction_state.h"

namespace viv {

namespace {

// Far below any angle of whole degrees that is not the critical angle itself, far above
// the rounding error of sin(arcsin(1/n)) * n.
constexpr double kTotalReflectionTolerance = 1e-9;

constexpr double kCriticalLineLength = 5;  // world units

}  // namespace

bool TotallyReflected(double n, double incidence) {
    return n * std::sin(incidence) > 1 + kTotalReflectionTolerance;
}

double CriticalAngleDegrees(double n) {
    return ArcSin(1 / n) * DegPerRad;
}

RefractionAngles RefractionAt(int incidenceDegrees, int direction, double n,
                              double criticalDegrees) {
    double degrees = incidenceDegrees;
    if (direction == FromWater && std::abs(degrees - criticalDegrees) < CriticalSnap)
        degrees = criticalDegrees;
    RefractionAngles a;
    a.Incidence = degrees / DegPerRad;
    const double s = std::sin(a.Incidence);
    if (direction == FromWater) {
        a.Refracts = !TotallyReflected(n, a.Incidence);
        a.Refraction = a.Refracts ? ArcSin(n * s) : 0.0;  // ArcSin holds 1 + rounding at 1
    } else {
        a.Refraction = ArcSin(s / n);
    }
    return a;
}

void UpdateCriticalAngle(Scene& scene) {
    RefractionOf(scene).CriticalAngle =
        CriticalAngleDegrees(Colour(scene.State.CurrentColour).WaterIndex);
}

RefractionAngles CurrentRefraction(Scene& scene) {
    const SharedState& s = scene.State;
    return RefractionAt(s.IncidenceValue, s.RayDirection, Colour(s.CurrentColour).WaterIndex,
                        RefractionOf(scene).CriticalAngle);
}

void WriteRefractionTable(Scene& scene, const RefractionAngles& angles) {
    const ColourRow& colour = Colour(scene.State.CurrentColour);
    Report& t = scene.Out;
    t.SetCell(1, 1, FormatReal(6, 3, colour.WaterIndex));
    t.SetCell(0, 2, " bølgelængde/nm, " + std::string(colour.ColourName));
    t.SetCell(1, 2, FormatReal(6, 1, colour.WaveLength));
    const std::string i = FormatReal(1, 1, angles.Incidence * DegPerRad);
    const std::string b = angles.Refracts ? FormatReal(1, 1, angles.Refraction * DegPerRad) : "";
    t.SetCell(1, 3, i);
    t.SetCell(1, 4, b);
    scene.Out.Panel1 = "i: " + i + "°";
    scene.Out.Panel2 = b.empty() ? std::string("b: ") : "b: " + b + "°";
}

void DrawCriticalAngleLine(const World& world, TCanvas& canvas, double criticalDegrees) {
    const double c = criticalDegrees / DegPerRad;
    canvas.Pen.Color = clRed;
    canvas.MoveTo(world.PictureX(0), world.PictureY(0));
    canvas.LineTo(world.PictureX(kCriticalLineLength * std::cos(c)),
                  world.PictureY(-kCriticalLineLength * std::sin(c)));
}

bool TakeRefractionControl(Scene& scene, Event event, TCanvas& canvas) {
    SharedState& s = scene.State;
    RefractionState& r = RefractionOf(scene);
    switch (event) {
        case Event::ScrollBar1:
            s.IncidenceValue = s.IncidenceMax - scene.Controls.ScrollBar1.Position;
            return true;
        case Event::TrackBar1:
            if (s.ShowRedRay) DrawCriticalAngleLine(scene.Map, canvas, r.CriticalAngle);
            s.CurrentColour = scene.Controls.TrackBar1.Position;
            UpdateCriticalAngle(scene);
            if (s.ShowRedRay) DrawCriticalAngleLine(scene.Map, canvas, r.CriticalAngle);
            return true;
        case Event::TrackBar2:
            s.RayDirection = static_cast<std::uint16_t>(scene.Controls.TrackBar2.Position);
            return true;
        case Event::F2:
            FlipViewToggle(s, event);
            return true;
        case Event::F3:
            FlipViewToggle(s, event);
            DrawSurfaceNormal(scene.Map, canvas);
            return true;
        case Event::F5:
            FlipViewToggle(s, event);
            DrawCriticalAngleLine(scene.Map, canvas, r.CriticalAngle);
            return true;
        default:
            return false;
    }
}

double RayIncidenceAt(Scene& scene, WorldPoint w) {
    const bool fromAir = scene.State.RayDirection != FromWater;
    return IncidencePosition(scene, AngleFrom({0, 0}, w, fromAir ? 180 : 0, -1));
}

}  // namespace viv
