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

void UpdateCriticalAngle(App& app) {
    RefractionOf(app).CriticalAngle =
        CriticalAngleDegrees(Colour(app.State.CurrentColour).WaterIndex);
}

RefractionAngles CurrentRefraction(App& app) {
    const SharedState& s = app.State;
    return RefractionAt(s.IncidenceValue, s.RayDirection, Colour(s.CurrentColour).WaterIndex,
                        RefractionOf(app).CriticalAngle);
}

void WriteRefractionTable(App& app, const RefractionAngles& angles) {
    const ColourRow& colour = Colour(app.State.CurrentColour);
    ResultsTable& t = app.Table;
    t.SetCell(1, 1, FormatReal(6, 3, colour.WaterIndex));
    t.SetCell(0, 2, " bølgelængde/nm, " + std::string(colour.ColourName));
    t.SetCell(1, 2, FormatReal(6, 1, colour.WaveLength));
    const std::string i = FormatReal(1, 1, angles.Incidence * DegPerRad);
    const std::string b = angles.Refracts ? FormatReal(1, 1, angles.Refraction * DegPerRad) : "";
    t.SetCell(1, 3, i);
    t.SetCell(1, 4, b);
    app.Window.Panel1 = "i: " + i + "°";
    app.Window.Panel2 = b.empty() ? std::string("b: ") : "b: " + b + "°";
}

void DrawCriticalAngleLine(const World& world, TCanvas& canvas, double criticalDegrees) {
    const double c = criticalDegrees / DegPerRad;
    canvas.Pen.Color = clRed;
    canvas.MoveTo(world.PictureX(0), world.PictureY(0));
    canvas.LineTo(world.PictureX(kCriticalLineLength * std::cos(c)),
                  world.PictureY(-kCriticalLineLength * std::sin(c)));
}

bool TakeRefractionControl(App& app, Event event, TCanvas& canvas) {
    SharedState& s = app.State;
    RefractionState& r = RefractionOf(app);
    switch (event) {
        case Event::ScrollBar1:
            s.IncidenceValue = s.IncidenceMax - app.Window.ScrollBar1.Position;
            return true;
        case Event::TrackBar1:
            if (s.ShowRedRay) DrawCriticalAngleLine(app.Map, canvas, r.CriticalAngle);
            s.CurrentColour = app.Window.TrackBar1.Position;
            UpdateCriticalAngle(app);
            if (s.ShowRedRay) DrawCriticalAngleLine(app.Map, canvas, r.CriticalAngle);
            return true;
        case Event::TrackBar2:
            s.RayDirection = static_cast<std::uint16_t>(app.Window.TrackBar2.Position);
            return true;
        case Event::F2:
            FlipViewToggle(s, event);
            return true;
        case Event::F3:
            FlipViewToggle(s, event);
            DrawSurfaceNormal(app.Map, canvas);
            return true;
        case Event::F5:
            FlipViewToggle(s, event);
            DrawCriticalAngleLine(app.Map, canvas, r.CriticalAngle);
            return true;
        default:
            return false;
    }
}

double RayIncidenceAt(App& app, WorldPoint w) {
    const bool fromAir = app.State.RayDirection != FromWater;
    return IncidencePosition(app, AngleFrom({0, 0}, w, fromAir ? 180 : 0, -1));
}

}  // namespace viv
