// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/waves/superposition.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string_view>
#include <vector>

#include "app/events.h"
#include "app/view_toggles.h"
#include "library/format.h"
#include "library/trig.h"
#include "library/world.h"
#include "sims/waves/moving_picture.h"
#include "sims/waves/waves_motion_state.h"

namespace viv {

namespace {

constexpr int LastPoint = SuperposedWaves::Points - 1;  // 200
constexpr int Origin = LastPoint / 2;                   // the point at x = 0
constexpr double PointSpacing = 0.1;                    // world units
constexpr double PointsPerHalfWave = 40;                // wave 1: 8 world units long
constexpr int TrainPoints = 520;                        // a train enters from the edge
constexpr int PulsePoints = 40;                         // a single crest of wave 1
constexpr int RestartStep = 210;                        // beyond the edge: nothing shows yet
constexpr int LastTrainStep = -510;                     // the train has passed
constexpr int LastPulseStep = -40;                      // the crest has passed
constexpr int CrossArm = 5;                             // pixels
constexpr int BarOffset = 2;                            // pixels beside the origin

constexpr TColor FirstColour = clGreen;
constexpr TColor SecondColour = clBlack;
constexpr TColor SumColour = clRed;

double PointX(int i) {
    return PointSpacing * i - 10;
}

struct Baselines {
    double First = 0, Second = 0, Sum = 0;  // world y
};

Baselines BaselinesOf(Scene& scene) {
    const double a = scene.Map.AspectHeight;
    if (!scene.State.ShowNormals) return {};
    return {0.5 * a, 0, -0.5 * a};
}

SuperposedWaves CurrentWaves(Scene& scene) {
    return SuperposedWavesAt(scene.State.AnimationStep, WavesMotionOf(scene).SecondAmplitude,
                             scene.State.CurrentColour, scene.State.ShowRedRay);
}

void DrawWave(const World& world, const std::array<double, SuperposedWaves::Points>& y,
              double baseline, TCanvas& canvas) {
    std::vector<TPoint> points;
    points.reserve(y.size());
    for (int i = 0; i <= LastPoint; ++i)
        points.push_back(world.Picture(PointX(i), baseline + y[static_cast<std::size_t>(i)]));
    canvas.Polyline(points);
}

void VerticalBar(const World& world, TCanvas& canvas, int x, double from, double to) {
    canvas.MoveTo(x, world.PictureY(from));
    canvas.LineTo(x, world.PictureY(to));
}

void DrawFigures(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    const SuperposedWaves w = CurrentWaves(scene);
    const Baselines base = BaselinesOf(scene);
    const auto origin = static_cast<std::size_t>(Origin);
    if (scene.State.ShowAxes) {
        canvas.Pen.Color = FirstColour;
        DrawWave(world, w.First, base.First, canvas);
        canvas.Pen.Color = SecondColour;
        DrawWave(world, w.Second, base.Second, canvas);
    }
    canvas.Pen.Color = SumColour;
    DrawWave(world, w.Sum, base.Sum, canvas);
    // A small diagonal cross on the sum where it passes the origin.
    const TPoint at = world.Picture(0, base.Sum + w.Sum[origin]);
    canvas.MoveTo(at.x - CrossArm, at.y - CrossArm);
    canvas.LineTo(at.x + CrossArm + 1, at.y + CrossArm + 1);
    canvas.MoveTo(at.x - CrossArm, at.y + CrossArm);
    canvas.LineTo(at.x + CrossArm + 1, at.y - CrossArm - 1);
    if (scene.State.ShowMarks) {
        const int x0 = world.PictureX(0);
        canvas.Pen.Color = FirstColour;
        VerticalBar(world, canvas, x0 - BarOffset, base.First, base.First + w.First[origin]);
        canvas.Pen.Color = SecondColour;
        VerticalBar(world, canvas, x0 + BarOffset, base.Second, base.Second + w.Second[origin]);
        canvas.Pen.Color = SumColour;
        VerticalBar(world, canvas, x0, base.Sum, base.Sum + w.Sum[origin]);
    }
}

void WriteSuperpositionTable(Scene& scene) {
    const int k = std::clamp(scene.State.CurrentColour, 1, 8);
    Report& table = scene.Out;
    table.SetCell(1, 1, "8.0");
    table.SetCell(1, 2, FormatReal(1, 1, 8.0 * (k + 1) / 9));
    table.SetCell(1, 3, "1.0");
    table.SetCell(1, 4, FormatReal(1, 2, std::abs(WavesMotionOf(scene).SecondAmplitude)));
    // The displacements at the origin in whole pixels, upwards positive.
    const SuperposedWaves w = CurrentWaves(scene);
    const auto origin = static_cast<std::size_t>(Origin);
    const auto pixels = [&](double y) {
        return FormatInteger(World::RoundToPixel(y * scene.Map.MapScaleY), 1);
    };
    scene.Out.Panel1 = pixels(w.First[origin]);
    scene.Out.Panel2 = pixels(w.Second[origin]);
    scene.Out.Panel3 = pixels(w.Sum[origin]);
}

void DrawScene(Scene& scene, bool clearFirst, TCanvas& canvas) {
    World& world = scene.Map;
    const double a = SetupWaveWorld(world, clearFirst, canvas);
    canvas.Pen.Color = clSilver;
    canvas.Pen.Style = psSolid;
    canvas.MoveTo(world.PictureX(0), world.PictureY(a));
    canvas.LineTo(world.PictureX(0), world.PictureY(-a));
    canvas.Pen.Style = psDot;
    for (const double y : {0.5 * a, -0.5 * a}) {
        canvas.MoveTo(world.PictureX(-10), world.PictureY(y));
        canvas.LineTo(world.PictureX(10), world.PictureY(y));
    }
    canvas.Pen.Style = psSolid;
    canvas.Brush.Style = bsClear;
    WriteAt(world, canvas, -9, 0.6 * a, clBlack, "<- bølge 1");
    WriteAt(world, canvas, -9, 0.1 * a, clBlack, "bølge 2 ->");
    WriteAt(world, canvas, -9, -0.4 * a, SumColour, "bølge 1 + bølge 2");
    canvas.Font.Color = clBlack;
}

}  // namespace

SuperposedWaves SuperposedWavesAt(int step, double secondAmplitude, int colour, bool pulse) {
    SuperposedWaves w;
    const int k = std::clamp(colour, 1, 8);
    const double relative = 9.0 / (k + 1);  // wave 1's wavelength over wave 2's
    // The points that carry the train (or the crest); the others lie on the baseline. A
    // crest is half a wave long: wave 2's is shorter or longer with its wavelength.
    const int first = std::max(step, 0);
    const int length1 = pulse ? PulsePoints : TrainPoints;
    const int length2 =
        pulse ? static_cast<int>(std::floor(PulsePoints / relative + 1e-9)) : TrainPoints;
    for (int i = first; i <= std::min(step + length1, LastPoint); ++i)
        w.First[static_cast<std::size_t>(i)] = std::sin(Pi * (i - step) / PointsPerHalfWave);
    // Wave 2 is the mirror image: it enters from the left edge.
    for (int i = first; i <= std::min(step + length2, LastPoint); ++i)
        w.Second[static_cast<std::size_t>(LastPoint - i)] =
            secondAmplitude * std::sin(relative * Pi * (i - step) / PointsPerHalfWave);
    for (std::size_t i = 0; i < w.Sum.size(); ++i) w.Sum[i] = w.First[i] + w.Second[i];
    return w;
}

void SetSuperpositionStartValues(Scene& scene) {
    WavesMotionOf(scene).SecondAmplitude = -1.0;
}

namespace {

// What an event other than Redraw changes, the figures wiped meanwhile.
void TakeChange(Scene& scene, Event event, TCanvas& /*canvas*/) {
    SharedState& s = scene.State;
    switch (event) {
        case Event::ScrollBar1:
            WavesMotionOf(scene).SecondAmplitude =
                (100 - scene.Controls.ScrollBar1.Position) / 100.0;
            break;
        case Event::TrackBar1:
            s.CurrentColour = scene.Controls.TrackBar1.Position;
            break;
        case Event::Tick:
        case Event::Step:
            --s.AnimationStep;
            if (s.AnimationStep < (s.ShowRedRay ? LastPulseStep : LastTrainStep))
                s.AnimationStep = RestartStep;
            break;
        case Event::F2:
        case Event::F3:
        case Event::F4:
            FlipViewToggle(s, event);
            break;
        default:
            s.ShowRedRay = !s.ShowRedRay;
            break;
    }
}

}  // namespace

void DrawSuperposition(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    const bool handled = event == Event::Redraw || event == Event::ScrollBar1 ||
                         event == Event::TrackBar1 || event == Event::Tick ||
                         event == Event::Step || (event >= Event::F2 && event <= Event::F5);
    if (!handled) return;
    DrawMovingPicture({&DrawScene, &DrawFigures, &TakeChange}, scene, event, clearFirst, canvas);
    WriteSuperpositionTable(scene);
}

}  // namespace viv
