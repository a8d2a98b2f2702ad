// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/mechanics/wave_propagation.h"

#include <cmath>
#include <string>
#include <vector>

#include "app/events.h"
#include "app/view_toggles.h"
#include "library/format.h"
#include "library/trig.h"
#include "library/world.h"
#include "sims/mechanics/horizontal_scale.h"
#include "sims/mechanics/string_waves_state.h"
#include "sims/mechanics/wave_title.h"

namespace viv {

namespace {

constexpr double WorldLeft = -10, WorldRight = 10;
constexpr int HalfRow = 9;     // balls each side of the middle one, per spacing
constexpr double Swing = 0.3;  // longitudinal amplitude at spacing 1, world units
constexpr double LargeBall = 0.3, SmallBall = 0.2;  // radii, world units
constexpr double CurveFrom = -9, CurveStep = 0.25;  // world units
constexpr int CurvePoints = 73;                     // -9 .. 9
constexpr double PhasePerStep = 0.01;               // world units the wave moves per AnimationStep
// The phase repeats after 2520 world units, a whole number of every wavelength (5 .. 10),
// so the step counter can start again there without the picture noticing.
constexpr std::int32_t StepCycle = 252000;

constexpr double ScaleStep = 0.2, ScaleLeft = -8, ScaleRight = 8;
constexpr double CurveAmplitude = 1;              // F2's curve, world units
constexpr double ScaleY = -CurveAmplitude - 0.3;  // under the curve, which would cross the labels

constexpr TColor BallColour = clRed;
constexpr TColor MiddleColour = clGreen;

constexpr std::string_view LongitudinalTitle = "Longitudinalbølger ";
constexpr std::string_view TransverseTitle = "Transversalbølger  ";

double Tau(const Scene& scene) {
    return PhasePerStep * scene.State.AnimationStep;
}

void DrawTitle(Scene& scene, TCanvas& canvas) {
    const StringWavesState& ws = StringWavesOf(scene);
    DrawWaveTitle(scene.Map, canvas, ws.WaveType == 2 ? TransverseTitle : LongitudinalTitle,
                  {LongitudinalTitle, TransverseTitle});
}

void DrawScale(Scene& scene, TCanvas& canvas, bool shown) {
    DrawStringWavesScale(scene, canvas, shown, ScaleStep, ScaleRight, ScaleLeft, ScaleY);
}

void WriteLambda(Scene& scene) {
    scene.Out.Panel3 = "lambda=" + FormatReal(1, 1, StringWavesOf(scene).WaveLambda);
}

// The balls, the middle one green, and the curve if F2 is on.
void DrawWaveBalls(Scene& scene, TCanvas& canvas) {
    const SharedState& st = scene.State;
    if (st.ShowNormals) return;
    const StringWavesState& ws = StringWavesOf(scene);
    const World& world = scene.Map;
    const int b = st.ShowRedRay ? 2 : 1;
    const int first = st.ShowAxes ? 0 : -HalfRow * b;
    const int last = st.ShowAxes ? 0 : HalfRow * b;
    const double tau = Tau(scene);
    const double r = ws.BallRadius;
    canvas.Pen.Style = psSolid;
    canvas.Brush.Style = bsSolid;
    for (int i = first; i <= last; ++i) {
        const TColor fill = i == 0 ? MiddleColour : BallColour;
        canvas.Pen.Color = i == 0 ? MiddleColour : clBlack;
        canvas.Brush.Color = fill;
        const BallCentre c = WaveBallCentre(ws.WaveType, ws.WaveLambda, b, i, tau);
        canvas.Ellipse(world.PictureX(c.x - r), world.PictureY(c.y + r), world.PictureX(c.x + r),
                       world.PictureY(c.y - r));
    }
    canvas.Brush.Color = clWhite;
    canvas.Pen.Color = clBlack;
    if (!st.ShowMarks) return;
    // The longitudinal wave's compression curve runs a quarter wavelength ahead of the
    // displacement.
    const double shift = ws.WaveType == 2 ? 0 : Pi / 2;
    std::vector<TPoint> curve;
    curve.reserve(CurvePoints);
    for (int j = 0; j < CurvePoints; ++j) {
        const double x = CurveFrom + CurveStep * j;
        curve.push_back(world.Picture(
            x, CurveAmplitude * std::sin(2 * Pi * (x - tau) / ws.WaveLambda - shift)));
    }
    canvas.Polyline(curve);
}

void FullRedraw(Scene& scene, bool clearFirst, TCanvas& canvas) {
    World& world = scene.Map;
    SetupWavePicture(scene, clearFirst, canvas, WorldLeft, WorldRight);
    canvas.Pen.Color = clSilver;
    // The middle's line ends at the scale's, clear of the scale's zero.
    canvas.MoveTo(world.PictureX(0), world.PictureY(world.WorldYMax));
    canvas.LineTo(world.PictureX(0), world.PictureY(ScaleY));
    WriteLambda(scene);
    DrawTitle(scene, canvas);
    if (scene.State.ShowRays) DrawScale(scene, canvas, true);
    DrawWaveBalls(scene, canvas);
}

}  // namespace

BallCentre WaveBallCentre(int waveType, int lambda, int b, int i, double tau) {
    const double x = static_cast<double>(i) / b;
    const double wave = std::sin(2 * Pi * (x - tau) / lambda);
    if (waveType == 2) return {x, wave};
    return {x + Swing / b * wave, 0};
}

void SetWavePropagationStartValues(SetupScene& scene) {
    StringWavesState& ws = StringWavesOf(scene);
    scene.State.AnimationStep = 0;
    ws.WaveType = 1;
    ws.WaveSpeedStep = 40;
    ws.WaveLambda = 5;
    ws.BallRadius = LargeBall;
}

void DrawWavePropagation(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    if (event == Event::Redraw) {
        FullRedraw(scene, clearFirst, canvas);
        return;
    }
    const bool handled =
        (event >= Event::ScrollBar1 && event <= Event::Step) || IsFunctionKey(event);
    if (!handled) return;
    StringWavesState& ws = StringWavesOf(scene);
    SharedState& st = scene.State;
    const MainWindowModel& w = scene.Controls;
    canvas.Pen.Mode = pmNotXor;
    DrawWaveBalls(scene, canvas);
    switch (event) {
        case Event::ScrollBar1:
            ws.WaveSpeedStep = WaveSpeedStepOf(w.ScrollBar1);
            break;
        case Event::TrackBar1:
            ws.WaveLambda = static_cast<std::uint16_t>(w.TrackBar1.Position + 4);
            WriteLambda(scene);
            break;
        case Event::TrackBar2:
            ws.WaveType = static_cast<std::uint16_t>(w.TrackBar2.Position);
            DrawTitle(scene, canvas);
            break;
        case Event::Tick:
        case Event::Step:
            st.AnimationStep += ws.WaveSpeedStep;
            if (st.AnimationStep >= StepCycle) st.AnimationStep -= StepCycle;
            break;
        case Event::F2:
        case Event::F3:
        case Event::F4:
            FlipViewToggle(st, event);
            break;
        case Event::F5:
            FlipViewToggle(st, event);
            ws.BallRadius = st.ShowRedRay ? SmallBall : LargeBall;
            break;
        default:  // F6
            st.ShowRays = !st.ShowRays;
            DrawScale(scene, canvas, st.ShowRays);
            break;
    }
    DrawWaveBalls(scene, canvas);
}

}  // namespace viv
