// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/waves/doppler.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "app/events.h"
#include "library/colour_table.h"
#include "library/drawing.h"
#include "library/format.h"
#include "library/trig.h"
#include "library/world.h"
#include "library/world_drawing.h"
#include "sims/waves/moving_picture.h"
#include "sims/waves/waves_motion_state.h"

namespace viv {

namespace {

// One wavelength is one world unit; the source moves v pixels of the screen picture per
// period, which is v / P world units.
constexpr int Fronts = 6;                 // fronts emitted 0..5 periods ago
constexpr double BarX = 9;                // world units: where the frequencies are read off
constexpr int BarShift = 2;               // pixels between a reference bar and its reading
constexpr int ReenterPixels = 100;        // how far inside the opposite edge the source comes back
constexpr double ArrowHead = 0.25;        // world units
constexpr double ArrowBarb = 3 * Pi / 4;  // radians from the arrow's direction

constexpr TColor FrontColour = clRed;
constexpr TColor MarkColour = clBlue;
constexpr TColor ReferenceColour = clSilver;

int PeriodOf(const WavesMotionState& ws) {
    return std::max(ws.PeriodPixels, 1);
}

// Past an edge of the window the source comes back a little inside the opposite edge.
void KeepSourceInView(WavesMotionState& ws) {
    const double inside = static_cast<double>(ReenterPixels) / PeriodOf(ws);
    if (ws.SourceX > 10)
        ws.SourceX = -10 + inside;
    else if (ws.SourceX < -10)
        ws.SourceX = 10 - inside;
}

void DrawFronts(Scene& scene, TCanvas& canvas) {
    const WavesMotionState& ws = WavesMotionOf(scene);
    const double p = PeriodOf(ws);
    const double travel = ws.SourceSpeed / p;  // world units per period
    const double phase = scene.State.AnimationStep / p;
    canvas.Pen.Color = FrontColour;
    for (int j = 0; j < Fronts; ++j)
        DrawCircle(scene.Map, canvas, ws.SourceX - j * travel, 0, j + phase);
}

// From the source along its way, as far as it goes in one period.
void DrawVelocityArrow(Scene& scene, TCanvas& canvas) {
    const WavesMotionState& ws = WavesMotionOf(scene);
    if (ws.SourceSpeed == 0) return;
    const World& world = scene.Map;
    const double tip = ws.SourceX + static_cast<double>(ws.SourceSpeed) / PeriodOf(ws);
    const double direction = ws.SourceSpeed > 0 ? 0 : Pi;
    canvas.Pen.Color = MarkColour;
    Line(world, canvas, ws.SourceX, 0, tip, 0);
    for (const double barb : {direction + ArrowBarb, direction - ArrowBarb}) {
        canvas.MoveTo(world.PictureX(tip + ArrowHead * std::cos(barb)),
                      world.PictureY(ArrowHead * std::sin(barb)));
        canvas.LineTo(world.PictureX(tip), world.PictureY(0));
    }
}

// Below the wave speed the relative frequencies as bars beside the reference bars of
// height 1; above it the two lines of the cone from where they touch the oldest front to
// the source.
void DrawFrequencyMarks(Scene& scene, TCanvas& canvas) {
    const WavesMotionState& ws = WavesMotionOf(scene);
    const World& world = scene.Map;
    const DopplerReading d = DopplerReadingFor(ws.SourceSpeed, PeriodOf(ws));
    canvas.Pen.Color = MarkColour;
    if (!d.Supersonic) {
        if (d.InFront) Line(world, canvas, BarX, 0, BarX, *d.InFront);
        if (d.Behind) Line(world, canvas, -BarX, 0, -BarX, *d.Behind);
        return;
    }
    const double half = d.ConeAngle / 2;
    const double back = ws.SourceSpeed > 0 ? -1 : 1;  // from the source towards the old fronts
    const double along = (Fronts - 1) * std::abs(d.RelativeSpeed) * std::cos(half);
    for (const double side : {1.0, -1.0}) {
        Line(world, canvas, ws.SourceX + back * along * std::cos(half),
             side * along * std::sin(half), ws.SourceX, 0);
    }
}

void DrawFigures(Scene& scene, TCanvas& canvas) {
    DrawFronts(scene, canvas);
    DrawVelocityArrow(scene, canvas);
    if (scene.State.ShowMarks) DrawFrequencyMarks(scene, canvas);
}

void WriteDopplerTable(Scene& scene) {
    const WavesMotionState& ws = WavesMotionOf(scene);
    const DopplerReading d = DopplerReadingFor(ws.SourceSpeed, PeriodOf(ws));
    Report& table = scene.Out;
    const std::string speed = FormatReal(1, 2, d.RelativeSpeed);
    table.SetCell(1, 1, speed);
    scene.Out.Panel1 = "Vrel=" + speed;
    if (d.Supersonic) {
        const std::string angle = FormatReal(1, 1, d.ConeAngle * DegPerRad);
        table.SetCell(0, 2, " vinkel/°");
        table.SetCell(1, 2, angle);
        scene.Out.Panel3 = "v=" + angle + "°";
    } else {
        const std::string ratio = d.InFront ? FormatReal(1, 2, *d.InFront) : std::string();
        table.SetCell(0, 2, " relativ frekvens");
        table.SetCell(1, 2, ratio);
        scene.Out.Panel3 = d.InFront ? "f'/f=" + ratio : std::string();
    }
}

void DrawScene(Scene& scene, bool clearFirst, TCanvas& canvas) {
    World& world = scene.Map;
    SetupWaveWorld(world, clearFirst, canvas);
    // The period in pixels follows the screen picture's size; a printed page keeps it.
    if (scene.OnScreen(canvas)) {
        WavesMotionState& ws = WavesMotionOf(scene);
        ws.PeriodPixels = std::max(world.PictureX(1) - world.PictureX(0), 1);
        scene.State.AnimationStep = std::clamp(scene.State.AnimationStep, 0, ws.PeriodPixels);
    }
    canvas.Pen.Style = psSolid;
    canvas.Pen.Color = ReferenceColour;
    for (const double x : {BarX, -BarX}) {
        const int column = world.PictureX(x) + (x > 0 ? BarShift : -BarShift);
        canvas.MoveTo(column, world.PictureY(0));
        canvas.LineTo(column, world.PictureY(1));
    }
}

}  // namespace

DopplerReading DopplerReadingFor(int speed, int period) {
    DopplerReading d;
    const double p = std::max(period, 1);
    d.RelativeSpeed = speed / p;
    d.Supersonic = std::abs(speed) > std::max(period, 1);
    if (d.Supersonic) {
        d.ConeAngle = 2 * ArcSin(p / std::abs(speed));
    } else {
        if (speed != period) d.InFront = p / (p - speed);
        if (speed != -period) d.Behind = p / (p + speed);
    }
    return d;
}

void SetDopplerStartValues(Scene& scene) {
    WavesMotionState& ws = WavesMotionOf(scene);
    ws.SourceSpeed = 0;
    ws.SourceX = 0;
}

namespace {

// What an event other than Redraw changes, the figures wiped meanwhile.
void TakeChange(Scene& scene, Event event, TCanvas& /*canvas*/) {
    WavesMotionState& ws = WavesMotionOf(scene);
    switch (event) {
        case Event::ScrollBar1:
            // The source goes on at once with its new speed.
            ws.SourceSpeed = 60 - 2 * scene.Controls.ScrollBar1.Position;
            ws.SourceX += static_cast<double>(ws.SourceSpeed) / PeriodOf(ws);
            KeepSourceInView(ws);
            break;
        case Event::Tick:
        case Event::Step:
            if (++scene.State.AnimationStep > PeriodOf(ws)) {
                scene.State.AnimationStep = 1;
                ws.SourceX += static_cast<double>(ws.SourceSpeed) / PeriodOf(ws);
                KeepSourceInView(ws);
            }
            break;
        default:
            scene.State.ShowMarks = !scene.State.ShowMarks;
            break;
    }
}

}  // namespace

void DrawDoppler(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    const bool handled = event == Event::Redraw || event == Event::ScrollBar1 ||
                         event == Event::Tick || event == Event::Step || event == Event::F2;
    if (!handled) return;
    DrawMovingPicture({&DrawScene, &DrawFigures, &TakeChange}, scene, event, clearFirst, canvas);
    WriteDopplerTable(scene);
}

}  // namespace viv
