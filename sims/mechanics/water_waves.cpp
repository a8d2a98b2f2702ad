// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/mechanics/water_waves.h"

#include <cmath>
#include <vector>

#include "app/events.h"
#include "app/view_toggles.h"
#include "library/drawing.h"
#include "library/trig.h"
#include "library/world.h"
#include "library/world_drawing.h"
#include "sims/mechanics/string_waves_state.h"

namespace viv {

namespace {

constexpr double WorldLeft = -10, WorldRight = 10;
constexpr int Particles = 9;           // circles of radius 1 at x = -8, -6, .. 8
constexpr double ParticleSpacing = 2;  // world units
constexpr double FirstCircle = -8;
constexpr int SurfacePoints = 65;  // 8 between neighbouring particles
constexpr int PointsPerParticle = 8;
constexpr double BallRadius = 0.1;
constexpr double CrossX = -6, CrossY = 3;  // where the angle between neighbours is shown
constexpr double PhasePerStep = 0.002;     // radians per AnimationStep
// Below -2^30 steps the counter goes forward 10^5 turns (3.14e8 steps), which leaves the
// phase within 0.001 radians of where it was.
constexpr std::int32_t StepLimit = -(1 << 30);
constexpr std::int32_t StepRewind = 314159265;
constexpr int TitleRow = 20;  // pixels

constexpr TColor BallColour = clGreen;
constexpr TColor MarkColour = clBlue;

// The balls (F3), the phase marks (F2) and the surface through the particles.
void DrawMovingFigure(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    const SharedState& st = scene.State;
    const double delta = StringWavesOf(scene).PhaseDifference;
    const double psi = PhasePerStep * st.AnimationStep;
    canvas.Pen.Style = psSolid;
    if (st.ShowNormals) {
        canvas.Pen.Color = BallColour;
        canvas.Brush.Color = BallColour;
        canvas.Brush.Style = bsSolid;
        for (int i = 0; i < Particles; ++i) {
            const double a = i * delta + psi;
            const double cx = ParticleSpacing * i + FirstCircle + std::cos(a), cy = std::sin(a);
            canvas.Ellipse(world.PictureX(cx - BallRadius), world.PictureY(cy + BallRadius),
                           world.PictureX(cx + BallRadius), world.PictureY(cy - BallRadius));
        }
        canvas.Brush.Style = bsClear;
    }
    if (st.ShowMarks) {
        // The radius of the middle circle, and at the cross the angle between neighbours.
        const double d = psi + 4 * delta;
        canvas.Pen.Color = MarkColour;
        Line(world, canvas, 0, 0, std::cos(d), std::sin(d));
        canvas.Polyline(
            {world.Picture(std::cos(d) + CrossX, std::sin(d) + CrossY),
             world.Picture(CrossX, CrossY),
             world.Picture(std::cos(d + delta) + CrossX, std::sin(d + delta) + CrossY)});
    }
    canvas.Pen.Color = clBlack;
    std::vector<TPoint> surface;
    surface.reserve(SurfacePoints);
    for (int i = 0; i < SurfacePoints; ++i) {
        const SurfacePoint p = WaterSurfacePoint(i, delta, psi);
        surface.push_back(world.Picture(p.x, p.y));
    }
    canvas.Polyline(surface);
}

void FullRedraw(Scene& scene, bool clearFirst, TCanvas& canvas) {
    World& world = scene.Map;
    SetupWavePicture(scene, clearFirst, canvas, WorldLeft, WorldRight);
    canvas.Pen.Color = clBlack;
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = clBlack;
    canvas.TextOut(world.PictureX(-9), TitleRow + world.PrintOffsetY,
                   "Dybtvandsbølger, under udarbejdelse");
    Line(world, canvas, CrossX - 1, CrossY, CrossX + 1, CrossY);
    Line(world, canvas, CrossX, CrossY - 1, CrossX, CrossY + 1);
    for (int i = 0; i < Particles; ++i)
        DrawCircle(world, canvas, ParticleSpacing * i + FirstCircle, 0, 1);
    DrawMovingFigure(scene, canvas);
}

}  // namespace

SurfacePoint WaterSurfacePoint(int i, double phaseDifference, double psi) {
    const double a = i * phaseDifference / PointsPerParticle + psi;
    return {std::cos(a) + ParticleSpacing / PointsPerParticle * i + FirstCircle, std::sin(a)};
}

void SetWaterWavesStartValues(SetupScene& scene) {
    StringWavesState& ws = StringWavesOf(scene);
    scene.State.AnimationStep = 0;
    ws.PhaseDifference = Pi / 4;
    ws.WaveSpeedStep = 10;
}

void DrawWaterWaves(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    if (event == Event::Redraw) {
        FullRedraw(scene, clearFirst, canvas);
        return;
    }
    const bool handled = event == Event::ScrollBar1 || event == Event::TrackBar2 ||
                         event == Event::Tick || event == Event::Step || event == Event::F2 ||
                         event == Event::F3;
    if (!handled) return;
    StringWavesState& ws = StringWavesOf(scene);
    SharedState& st = scene.State;
    const MainWindowModel& w = scene.Controls;
    canvas.Pen.Mode = pmNotXor;
    DrawMovingFigure(scene, canvas);
    switch (event) {
        case Event::ScrollBar1:
            ws.WaveSpeedStep = WaveSpeedStepOf(w.ScrollBar1);
            break;
        case Event::TrackBar2:
            ws.PhaseDifference = w.TrackBar2.Position * Pi / 8;
            break;
        case Event::Tick:
        case Event::Step:
            // The circles turn clockwise, so the wave runs to the right.
            st.AnimationStep -= ws.WaveSpeedStep;
            if (st.AnimationStep < StepLimit) st.AnimationStep += StepRewind;
            break;
        case Event::F2:
            FlipViewToggle(st, event);
            break;
        default:  // F3
            st.ShowNormals = !st.ShowNormals;
            break;
    }
    DrawMovingFigure(scene, canvas);
}

}  // namespace viv
