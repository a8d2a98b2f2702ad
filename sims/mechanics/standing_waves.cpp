// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/mechanics/standing_waves.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/events.h"
#include "app/view_toggles.h"
#include "library/format.h"
#include "library/trig.h"
#include "library/world.h"
#include "library/world_drawing.h"
#include "sims/mechanics/horizontal_scale.h"
#include "sims/mechanics/string_waves_state.h"
#include "sims/mechanics/wave_title.h"

namespace viv {

namespace {

constexpr double WorldLeft = -10, WorldRight = 10;
constexpr std::uint16_t PipeLambda = 32;  // world units
constexpr double PipeEnd = 8;             // world units
constexpr double SampleStep = 0.25;       // world units between the curves' points
constexpr double LayerTop = 1.8;          // the air layers reach from -1.8 to 1.8
constexpr double LayerSwing = 0.25;       // a layer's displacement per unit of the curve
constexpr double PipeHalfHeight = 2;
constexpr double OpenEnd = 7.9;  // where the drawn open ends stop
constexpr double PressureScale = 0.5;
constexpr double PhasePerStep = 0.01;  // radians of sin tau per AnimationStep
// Past 2^30 steps the counter goes back 10^8 periods of sin tau (6.28e8 steps), which
// leaves the phase within 0.003 radians of where it was.
constexpr std::int32_t StepLimit = 1 << 30;
constexpr std::int32_t StepRewind = 628318531;

constexpr double ScaleStep = 0.2, ScaleLeft = -8, ScaleRight = 8;
constexpr double ScaleY =
    -PipeHalfHeight - 0.3;  // under the pipe, whose lines would cross the labels

constexpr TColor PressureColour = clGreen;

constexpr std::string_view HalfOpenTitle = "Halvåbent rør";
constexpr std::string_view OpenTitle = "Åbent rør        ";
constexpr std::string_view ClosedTitle = "Lukket rør       ";

enum class WaveMode { Erase, Draw };

void DrawTitle(Scene& scene, TCanvas& canvas) {
    const int type = StringWavesOf(scene).WaveType;
    const std::string_view title = type == 2 ? OpenTitle : type == 3 ? ClosedTitle : HalfOpenTitle;
    DrawWaveTitle(scene.Map, canvas, title, {HalfOpenTitle, OpenTitle, ClosedTitle});
}

void ShowHarmonic(Scene& scene) {
    scene.Out.Panel3 = HarmonicName(StringWavesOf(scene).HarmonicNumber);
}

void DrawScale(Scene& scene, TCanvas& canvas, bool shown) {
    DrawStringWavesScale(scene, canvas, shown, ScaleStep, ScaleRight, ScaleLeft, ScaleY);
}

void DrawPipe(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    const double h = PipeHalfHeight;
    canvas.Pen.Color = clBlack;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = world.BoldPenWidth;
    switch (StringWavesOf(scene).WaveType) {
        case 2:
            Line(world, canvas, OpenEnd, h, -OpenEnd, h);
            Line(world, canvas, OpenEnd, -h, -OpenEnd, -h);
            break;
        case 3:
            canvas.Polyline({world.Picture(PipeEnd, h), world.Picture(-PipeEnd, h),
                             world.Picture(-PipeEnd, -h), world.Picture(PipeEnd, -h),
                             world.Picture(PipeEnd, h)});
            break;
        default:
            canvas.Polyline({world.Picture(OpenEnd, h), world.Picture(0, h), world.Picture(0, -h),
                             world.Picture(OpenEnd, -h)});
            break;
    }
    canvas.Pen.Width = world.PenWidth;
}

// The air layers at every second sample, the displacement curve (F2) and the pressure
// curve (F4). While F3 keeps the traces, the curves are not erased and are drawn in
// pmCopy under the moving layers, so that taking a layer away again never cuts into them.
void DrawStandingWave(Scene& scene, TCanvas& canvas, WaveMode mode) {
    const StringWavesState& ws = StringWavesOf(scene);
    const SharedState& st = scene.State;
    const World& world = scene.Map;
    const StandingWaveShape shape = StandingWaveFor(ws.WaveType, ws.HarmonicNumber, ws.WaveLambda);
    const double amplitude = std::sin(PhasePerStep * st.AnimationStep);
    std::vector<TPoint> displacement, pressure;
    std::vector<double> layers;
    for (int j = 0;; ++j) {
        const double x = shape.Start + SampleStep * j;
        if (!(x <= PipeEnd)) break;
        const double u = shape.Displacement(x, amplitude);
        displacement.push_back(world.Picture(x, u));
        pressure.push_back(world.Picture(x, shape.Pressure(x, amplitude)));
        // At a closed end the layer would lie in the wall (a node) and cut it in two.
        const bool inWall =
            (x == shape.Start && ws.WaveType != 2) || (x == PipeEnd && ws.WaveType == 3);
        if (j % 2 == 0 && !inWall) layers.push_back(x + LayerSwing * u);
    }
    const auto drawLayers = [&] {
        canvas.Pen.Color = clBlack;
        for (const double x : layers) Line(world, canvas, x, LayerTop, x, -LayerTop);
    };
    const auto drawCurves = [&] {
        canvas.Pen.Color = clBlack;
        if (st.ShowMarks) canvas.Polyline(displacement);
        if (st.ShowAxes) {
            canvas.Pen.Color = PressureColour;
            canvas.Polyline(pressure);
            canvas.Pen.Color = clBlack;
        }
    };
    canvas.Pen.Style = psSolid;
    if (!st.ShowNormals) {
        drawLayers();
        drawCurves();
        return;
    }
    if (mode == WaveMode::Draw) {
        canvas.Pen.Mode = pmCopy;
        drawCurves();
        canvas.Pen.Mode = pmNotXor;
    }
    drawLayers();
}

// Clears the picture of frozen traces and draws the still parts anew.
void RedrawScene(Scene& scene, TCanvas& canvas, bool clear) {
    SetupWavePicture(scene, clear, canvas, WorldLeft, WorldRight);
    // The scale goes under the pipe, as it does when F6 lays it down between taking the
    // pipe away and drawing it again.
    if (scene.State.ShowRays) DrawScale(scene, canvas, true);
    DrawPipe(scene, canvas);
    DrawTitle(scene, canvas);
}

}  // namespace

double StandingWaveShape::Displacement(double x, double amplitude) const {
    return amplitude * std::sin(Phase + WaveNumber * x);
}

double StandingWaveShape::Pressure(double x, double amplitude) const {
    return PressureScale * amplitude * std::sin(WaveNumber * x + Phase - Pi / 2);
}

StandingWaveShape StandingWaveFor(int pipeType, int harmonic, int lambda) {
    StandingWaveShape s;
    const bool odd = harmonic % 2 != 0;
    int multiplier = 1;
    switch (pipeType) {
        case 2:  // open: displacement antinodes at both ends
            s.Phase = odd ? Pi / 2 : 0;
            s.Start = -PipeEnd;
            break;
        case 3:  // closed: nodes at both ends
            s.Phase = odd ? 0 : Pi / 2;
            s.Start = -PipeEnd;
            break;
        default:  // half-open: only the odd harmonics 2k + 1 fit
            multiplier = 2;
            s.Start = 0;
            break;
    }
    s.WaveNumber = 2 * Pi * (multiplier * harmonic + 1) / lambda;
    return s;
}

std::string HarmonicName(int harmonic) {
    if (harmonic == 0) return "grundtone";
    return FormatInteger(harmonic, 1) + ". overtone";
}

void SetStandingWavesStartValues(SetupScene& scene) {
    StringWavesState& ws = StringWavesOf(scene);
    scene.State.AnimationStep = 0;
    ws.WaveLambda = PipeLambda;
    ws.WaveSpeedStep = 40;
    ws.HarmonicNumber = 0;
    ws.WaveType = 1;
}

void DrawStandingWaves(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    if (event == Event::Redraw) {
        RedrawScene(scene, canvas, clearFirst);
        ShowHarmonic(scene);
        DrawStandingWave(scene, canvas, WaveMode::Erase);
        return;
    }
    const bool handled = (event >= Event::ScrollBar1 && event <= Event::Step) ||
                         (event >= Event::F2 && event <= Event::F4) || event == Event::F6;
    if (!handled) return;
    StringWavesState& ws = StringWavesOf(scene);
    SharedState& st = scene.State;
    const MainWindowModel& w = scene.Controls;
    canvas.Pen.Mode = pmNotXor;
    DrawStandingWave(scene, canvas, WaveMode::Erase);
    switch (event) {
        case Event::ScrollBar1:
            ws.WaveSpeedStep = WaveSpeedStepOf(w.ScrollBar1);
            break;
        case Event::TrackBar1:
            ws.HarmonicNumber = static_cast<std::uint16_t>(std::max(w.TrackBar1.Position - 1, 0));
            ShowHarmonic(scene);
            if (st.ShowNormals) RedrawScene(scene, canvas, true);
            break;
        case Event::TrackBar2:
            DrawPipe(scene, canvas);
            ws.WaveType = static_cast<std::uint16_t>(w.TrackBar2.Position);
            DrawTitle(scene, canvas);
            DrawPipe(scene, canvas);
            if (st.ShowNormals) RedrawScene(scene, canvas, true);
            break;
        case Event::Tick:
        case Event::Step:
            st.AnimationStep += ws.WaveSpeedStep;
            if (st.AnimationStep > StepLimit) st.AnimationStep -= StepRewind;
            break;
        case Event::F2:
            FlipViewToggle(st, event);
            break;
        case Event::F3:
            FlipViewToggle(st, event);
            if (!st.ShowNormals) RedrawScene(scene, canvas, true);
            break;
        case Event::F4:
            FlipViewToggle(st, event);
            if (!st.ShowAxes) RedrawScene(scene, canvas, true);
            break;
        default:  // F6
            st.ShowRays = !st.ShowRays;
            DrawPipe(scene, canvas);
            DrawScale(scene, canvas, st.ShowRays);
            DrawPipe(scene, canvas);
            if (st.ShowNormals) RedrawScene(scene, canvas, true);
            break;
    }
    DrawStandingWave(scene, canvas, WaveMode::Draw);
}

}  // namespace viv
