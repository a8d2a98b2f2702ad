// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/mechanics/sonar.h"

#include <cmath>
#include <string>

#include "app/events.h"
#include "app/view_toggles.h"
#include "library/format.h"
#include "library/world.h"
#include "library/world_drawing.h"
#include "sims/mechanics/horizontal_scale.h"
#include "sims/mechanics/string_waves_state.h"

namespace viv {

namespace {

constexpr double WorldLeft = -0.1, WorldRight = 1.9;  // km
constexpr double StepsPerKm = 30;                     // AnimationStep per km the pulse goes
constexpr int FrontCount = 6;
constexpr double FrontSpacing = 0.05;  // km
constexpr double EchoWindow = 0.015;   // km: the echo is back within this of 2 D
constexpr double Overshoot = 0.3;      // km beyond the target before the next pulse
constexpr double HalfHeight = 2;       // the transmitter, the target and the fronts, world units
constexpr double TransmitterWidth = 0.05;

constexpr double ScaleStep = 0.02, ScaleRight = 1.8, ScaleLeft = 0;  // km
constexpr double ScaleY = -HalfHeight - 0.3;  // under the transmitter and the target

constexpr TColor FrontColour = clBlue;
constexpr TColor TargetColour = clSilver;

double PulseFront(const Scene& scene) {
    return scene.State.AnimationStep / StepsPerKm;
}

void DrawScale(Scene& scene, TCanvas& canvas, bool shown) {
    DrawStringWavesScale(scene, canvas, shown, ScaleStep, ScaleRight, ScaleLeft, ScaleY);
}

// The target: four slanted strokes and a triangle on a silver hull.
void DrawTarget(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    const double d = StringWavesOf(scene).TargetDistance;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = world.BoldPenWidth;
    canvas.Brush.Color = clBlack;
    canvas.Brush.Style = bsSolid;
    for (int j = 1; j <= 4; ++j)
        Line(world, canvas, d + 0.04, 1 - j / 3.0, d + 0.01, 1.3 - j / 3.0);
    canvas.Polygon(
        {world.Picture(d + 0.02, -1), world.Picture(d + 0.08, -1), world.Picture(d + 0.05, -1.5)});
    canvas.Pen.Width = world.PenWidth;
    // The hull's half-width at y = -2, -1, 0, 1, 2 about x = D + 0.05.
    constexpr double halfWidth[] = {0.045, 0.05, 0.05, 0.04, 0};
    std::vector<TPoint> hull;
    hull.reserve(10);
    for (int i = 0; i < 5; ++i) hull.push_back(world.Picture(d + 0.05 - halfWidth[i], i - 2.0));
    for (int i = 3; i >= 0; --i) hull.push_back(world.Picture(d + 0.05 + halfWidth[i], i - 2.0));
    hull.push_back(world.Picture(d, -2));
    canvas.Pen.Color = TargetColour;
    canvas.Brush.Color = TargetColour;
    canvas.Polygon(hull);
    canvas.Pen.Color = clBlack;
    canvas.Brush.Style = bsClear;
}

void DrawPulse(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Color = FrontColour;
    for (const double x : SonarFronts(PulseFront(scene), StringWavesOf(scene).TargetDistance))
        Line(world, canvas, x, HalfHeight, x, -HalfHeight);
    canvas.Pen.Color = clBlack;
}

// The time the pulse has run and the speed of sound; when the echo is back, the distance
// it gives.
void WriteReadOuts(Scene& scene) {
    const StringWavesState& ws = StringWavesOf(scene);
    const double s = PulseFront(scene);
    if (std::abs(s - 2 * ws.TargetDistance) < EchoWindow)
        scene.Out.Panel1 = "s=" + FormatReal(2, 2, s / 2) + " km";
    scene.Out.Panel2 = "t=" + FormatReal(2, 2, 1000 * s / ws.SoundSpeed) + " s";
    scene.Out.Panel3 = "v=" + FormatReal(2, 3, ws.SoundSpeed / 1000.0) + " km/s";
}

void FullRedraw(Scene& scene, bool clearFirst, TCanvas& canvas) {
    World& world = scene.Map;
    SetupWavePicture(scene, clearFirst, canvas, WorldLeft, WorldRight);
    canvas.Pen.Color = clBlack;
    canvas.Brush.Color = clBlack;
    canvas.Brush.Style = bsSolid;
    canvas.Rectangle(world.PictureX(-TransmitterWidth), world.PictureY(HalfHeight),
                     world.PictureX(0), world.PictureY(-HalfHeight));
    canvas.Brush.Style = bsClear;
    // The scale lies under the target, as it does when F6 lays it down between taking the
    // target away and drawing it again.
    if (scene.State.ShowRays) DrawScale(scene, canvas, true);
    DrawTarget(scene, canvas);
    DrawPulse(scene, canvas);
    WriteReadOuts(scene);
}

}  // namespace

std::vector<double> SonarFronts(double s, double target) {
    std::vector<double> out;
    for (int j = 0; j < FrontCount; ++j) {
        double x = s - FrontSpacing * j;
        if (x > target) x = 2 * target - x;
        if (x > 0) out.push_back(x);
    }
    return out;
}

void SetSonarStartValues(SetupScene& scene) {
    StringWavesState& ws = StringWavesOf(scene);
    scene.State.AnimationStep = 0;
    ws.WaveSpeedStep = 1;
    ws.SoundSpeed = 1450;
    ws.TargetDistance = 1.0;
}

void DrawSonar(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    if (event == Event::Redraw) {
        FullRedraw(scene, clearFirst, canvas);
        return;
    }
    const bool handled = event == Event::ScrollBar1 || event == Event::TrackBar1 ||
                         event == Event::Tick || event == Event::Step || event == Event::F2 ||
                         event == Event::F6;
    if (!handled) return;
    StringWavesState& ws = StringWavesOf(scene);
    SharedState& st = scene.State;
    const MainWindowModel& w = scene.Controls;
    canvas.Pen.Mode = pmNotXor;
    DrawPulse(scene, canvas);
    switch (event) {
        case Event::ScrollBar1:
            DrawTarget(scene, canvas);
            ws.TargetDistance = w.ScrollBar1.Position * 0.02 + 0.2;
            DrawTarget(scene, canvas);
            break;
        case Event::TrackBar1:
            ws.SoundSpeed = w.TrackBar1.Position * 10 + 1400;
            break;
        case Event::Tick:
        case Event::Step:
            st.AnimationStep += ws.WaveSpeedStep;
            // The next pulse leaves once this one has gone well past the target and back.
            if (PulseFront(scene) > 2 * (ws.TargetDistance + Overshoot)) st.AnimationStep = 0;
            break;
        case Event::F2:
            FlipViewToggle(st, event);
            break;
        default:  // F6
            st.ShowRays = !st.ShowRays;
            DrawTarget(scene, canvas);
            DrawScale(scene, canvas, st.ShowRays);
            DrawTarget(scene, canvas);
            break;
    }
    DrawPulse(scene, canvas);
    WriteReadOuts(scene);
}

}  // namespace viv
