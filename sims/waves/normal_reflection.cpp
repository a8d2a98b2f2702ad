// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/waves/normal_reflection.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

#include "app/events.h"
#include "app/view_toggles.h"
#include "library/drawing.h"
#include "library/format.h"
#include "library/substance_table.h"
#include "library/trig.h"
#include "library/world_drawing.h"
#include "sims/waves/moving_picture.h"
#include "sims/waves/waves_motion_state.h"

namespace viv {

namespace {

// The train is sampled at the points k = 0..200 of the time it has travelled; in air point
// k lies at x = 0.1 k - 10, so the surface (x = 0) is point 100.
constexpr int LastPoint = 200;
constexpr int SurfacePoint = 100;
constexpr double PointSpacing = 0.1;      // world units in air
constexpr double PointsPerHalfWave = 40;  // a wave is 80 points, 8 world units in air
constexpr int FirstStep = 25;             // where the train starts, and starts again
constexpr int LastStep = 310;
constexpr double WaveLengthInAir = 8;  // world units
constexpr int WaveLengthTick = 4;      // pixels each way

constexpr TColor WaveColour = clGreen;
constexpr TColor ReflectedColour = clBlack;
constexpr TColor SumColour = clRed;
constexpr TColor WaveLengthColour = clBlue;
constexpr TColor SurfaceColour = clSilver;

double AirX(int k) {
    return PointSpacing * k - 10;
}

// The points `first`..`last` of a wave (both included), as one polyline.
void DrawWave(const World& world, const std::vector<WorldPoint>& wave, std::size_t first,
              std::size_t last, TCanvas& canvas) {
    if (wave.empty() || first >= wave.size()) return;
    last = std::min(last, wave.size() - 1);
    if (last <= first) return;
    std::vector<TPoint> points;
    points.reserve(last - first + 1);
    for (std::size_t k = first; k <= last; ++k)
        points.push_back(world.Picture(wave[k].x, wave[k].y));
    canvas.Polyline(points);
}

ReflectionWaves CurrentWaves(Scene& scene) {
    return NormalReflectionWaves(WavesMotionOf(scene).ReflectionAmplitude,
                                 scene.State.AnimationStep, scene.State.CurrentColour);
}

void DrawWaves(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    const ReflectionWaves w = CurrentWaves(scene);
    const bool apart = scene.State.ShowAxes;
    canvas.Pen.Color = WaveColour;
    // Without "1+2" the air shows what is there: the incident wave alone up to where the
    // reflected wave has come back to, the sum beyond.
    std::size_t incidentEnd = w.Incident.size() - 1;
    if (!apart && !w.Reflected.empty()) incidentEnd = w.Incident.size() - w.Reflected.size();
    if (!w.Incident.empty()) DrawWave(world, w.Incident, 0, incidentEnd, canvas);
    DrawWave(world, w.Transmitted, 0, w.Transmitted.size(), canvas);
    if (apart) {
        canvas.Pen.Color = ReflectedColour;
        DrawWave(world, w.Reflected, 0, w.Reflected.size(), canvas);
    }
    canvas.Pen.Color = SumColour;
    DrawWave(world, w.Superposition, 0, w.Superposition.size(), canvas);
}

// A wavelength in air and one in the substance along the axis, each ended by a short
// tick.
void DrawWaveLengths(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    const double n = Substance(scene.State.CurrentColour).SubstanceIndexBlue;
    const double inSubstance = WaveLengthInAir / n;
    canvas.Pen.Color = WaveLengthColour;
    canvas.Polyline(
        {world.Picture(-WaveLengthInAir, 0), world.Picture(0, 0), world.Picture(inSubstance, 0)});
    const int y = world.PictureY(0);
    for (const double x : {-WaveLengthInAir, inSubstance}) {
        canvas.MoveTo(world.PictureX(x), y - WaveLengthTick);
        canvas.LineTo(world.PictureX(x), y + WaveLengthTick + 1);
    }
}

// The substance's name in bold on a white patch wide enough to cover any other name.
void WriteSubstanceName(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    const double a = world.AspectHeight;
    canvas.Font.Bold = true;
    canvas.Font.Color = clBlack;
    int width = 0;
    for (int s = 1; s <= SubstanceCount; ++s)
        width = std::max(width, canvas.TextWidth(std::string(Substance(s).SubstanceName) + "  "));
    const int x = world.PictureX(2), y = world.PictureY(0.8 * a);
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clWhite;
    canvas.FillRect({x, y, x + width, y + canvas.TextHeight("Ekstra tæt flint")});
    canvas.Brush.Style = bsClear;
    canvas.TextOut(x, y, Substance(scene.State.CurrentColour).SubstanceName);
    canvas.Font.Bold = false;
}

void WriteReflectionTable(Scene& scene) {
    const SubstanceRow& s = Substance(scene.State.CurrentColour);
    const double n = s.SubstanceIndexBlue;
    const double r = (n - 1) / (n + 1);
    Report& table = scene.Out;
    table.SetCell(1, 1, std::string(s.SubstanceName));
    table.SetCell(1, 2, FormatReal(1, 3, n));
    table.SetCell(1, 3, FormatReal(1, 2, r));
    table.SetCell(1, 4, FormatReal(1, 3, r * r));  // the share of the energy reflected
    table.SetCell(1, 5, "486.1");
    scene.Out.Panel1 = "n=" + FormatReal(1, 3, n);
    scene.Out.Panel2 = "r=" + FormatReal(1, 2, r);
}

void DrawScene(Scene& scene, bool clearFirst, TCanvas& canvas) {
    World& world = scene.Map;
    const double a = SetupWaveWorld(world, clearFirst, canvas);
    canvas.Pen.Style = psSolid;
    canvas.Pen.Color = SurfaceColour;
    Line(world, canvas, 0, -a, 0, a);
    canvas.Brush.Style = bsClear;
    WriteAt(world, canvas, -9, 0.4 * a, WaveColour, "Den indkomne bølge ->");
    WriteAt(world, canvas, 1, 0.4 * a, WaveColour, "Transmitteret bølge ->");
    WriteAt(world, canvas, -9, 0.1 * a, ReflectedColour, "Den reflekterede bølge <-");
    WriteAt(world, canvas, -9, -0.4 * a, SumColour, "Superposition");
    canvas.Font.Bold = true;
    WriteAt(world, canvas, -8, 0.8 * a, clBlack, "Luft");
    canvas.Font.Bold = false;
    canvas.Font.Color = clBlack;
    WriteSubstanceName(scene, canvas);
}

void DrawFigures(Scene& scene, TCanvas& canvas) {
    DrawWaves(scene, canvas);
    if (scene.State.ShowMarks) DrawWaveLengths(scene, canvas);
}

}  // namespace

ReflectionWaves NormalReflectionWaves(double amplitude, int step, int substance) {
    ReflectionWaves w;
    w.Index = Substance(substance).SubstanceIndexBlue;
    w.Reflection = (w.Index - 1) / (w.Index + 1);
    const double r = w.Reflection;
    // The incident wave where the train has come, nothing ahead of it.
    const auto u = [&](int k) {
        return k <= step ? amplitude * std::sin(Pi * (k - step) / PointsPerHalfWave) : 0.0;
    };
    const int front = std::min(step, LastPoint);  // the last point the train has reached
    for (int k = 0; k <= std::min(front, SurfacePoint); ++k) w.Incident.push_back({AirX(k), u(k)});
    // Past the surface the train goes on into the substance and, inverted at the denser
    // medium, back into the air from its mirror point.
    for (int k = SurfacePoint; k <= front; ++k) {
        w.Transmitted.push_back({(k - SurfacePoint) * PointSpacing / w.Index, (1 - r) * u(k)});
        w.Reflected.push_back({AirX(2 * SurfacePoint - k), -r * u(k)});
    }
    // The sum in air where the reflected wave has come back to, from the surface outwards.
    for (int k = SurfacePoint; k <= front; ++k) {
        const int j = 2 * SurfacePoint - k;  // the place in air
        w.Superposition.push_back({AirX(j), u(j) - r * u(k)});
    }
    std::reverse(w.Reflected.begin(), w.Reflected.end());
    std::reverse(w.Superposition.begin(), w.Superposition.end());
    return w;
}

void SetReflectionStartValues(Scene& scene) {
    WavesMotionOf(scene).ReflectionAmplitude = 2.0;
}

namespace {

// What an event other than Redraw changes, the figures wiped meanwhile.
void TakeChange(Scene& scene, Event event, TCanvas& canvas) {
    WavesMotionState& ws = WavesMotionOf(scene);
    switch (event) {
        case Event::ScrollBar1:
            ws.ReflectionAmplitude = 0.01 * scene.Controls.ScrollBar1.Position;
            break;
        case Event::TrackBar1:
            scene.State.CurrentColour = scene.Controls.TrackBar1.Position;
            WriteSubstanceName(scene, canvas);
            break;
        case Event::Tick:
        case Event::Step:
            if (++scene.State.AnimationStep > LastStep) scene.State.AnimationStep = FirstStep;
            break;
        case Event::F2:
            FlipViewToggle(scene.State, event);
            break;
        default:
            scene.State.ShowAxes = !scene.State.ShowAxes;
            break;
    }
}

}  // namespace

void DrawNormalReflection(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    const bool handled = event == Event::Redraw || event == Event::ScrollBar1 ||
                         event == Event::TrackBar1 || event == Event::Tick ||
                         event == Event::Step || event == Event::F2 || event == Event::F4;
    if (!handled) return;
    DrawMovingPicture({&DrawScene, &DrawFigures, &TakeChange}, scene, event, clearFirst, canvas);
    WriteReflectionTable(scene);
}

}  // namespace viv
