// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/colour/eye_fatigue.h"

#include <random>

#include "app/events.h"
#include "library/world.h"
#include "sims/colour/colour_levels.h"
#include "sims/colour/colour_state.h"

namespace viv {

namespace {

constexpr double SquareHalfSide = 3;  // world units
constexpr int TextColumn = 10;        // pixels

constexpr const char* kInstructions[] = {
    "Du skal stirre intenst på en firkant midt på skærmen i 30 sekunder.",
    "Klik med musen, når du er klar.",
    "Stir fortsat på skærmen, når billedet forsvinder.",
    "Har du anstrengt dig, vil du se komplementærfarven.",
};

TColor SquareColour(const ColourState& cs) {
    return RGB(cs.SquareLevels[0], cs.SquareLevels[1], cs.SquareLevels[2]);
}

void DrawInstructions(TCanvas& canvas) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clWhite;
    canvas.Font.Color = clBlack;
    canvas.Font.Bold = true;
    const int t = canvas.TextHeight("t");
    int row = 10;
    for (const char* line : kInstructions) {
        canvas.TextOut(TextColumn, row, line);
        row += t;
    }
    canvas.Font.Bold = false;
}

// The square filled with `fill`, outlined in the square's colour.
void DrawSquare(Scene& scene, TCanvas& canvas, TColor fill) {
    SetSolidFill(canvas, SquareColour(ColourOf(scene)), fill, pmCopy);
    WorldRectangle(scene.Map, canvas, -SquareHalfSide, -SquareHalfSide, SquareHalfSide,
                   SquareHalfSide);
}

void WriteSquareCells(Scene& scene) {
    const ColourState& cs = ColourOf(scene);
    for (int k = 0; k < 3; ++k)
        scene.Out.SetCell(1, k + 1, PercentText(cs.SquareLevels[static_cast<std::size_t>(k)]));
}

// A square of a new colour: three independent levels spread evenly over 0..254.
void NewSquare(Scene& scene, TCanvas& canvas) {
    ColourState& cs = ColourOf(scene);
    cs.SquareRandom.seed(scene.Milliseconds());
    std::uniform_int_distribution<int> level(0, 254);
    for (int& l : cs.SquareLevels) l = level(cs.SquareRandom);
    cs.Phase = EyePhase::SquareShown;
    DrawSquare(scene, canvas, SquareColour(cs));
    WriteSquareCells(scene);
}

// The square turns white; its outline stays as a frame to fix the eye on.
void WhitenSquare(Scene& scene, TCanvas& canvas) {
    ColourOf(scene).Phase = EyePhase::Afterimage;
    DrawSquare(scene, canvas, clWhite);
}

void Tick(Scene& scene, TCanvas& canvas) {
    ColourState& cs = ColourOf(scene);
    ClockModel& clock = scene.Clock;
    const std::uint32_t now = scene.Milliseconds();
    if (!clock.Enabled || cs.Phase != EyePhase::SquareShown) {
        cs.StareStartTime = now;
        NewSquare(scene, canvas);
        clock.Enabled = true;
    }
    // The clock's count wraps after 49.7 days; the difference in unsigned arithmetic is the
    // time elapsed all the same.
    if (now - cs.StareStartTime < StareMilliseconds) return;
    scene.StopClock();
    WhitenSquare(scene, canvas);
}

}  // namespace

void SetEyeFatigueStartValues(SetupScene& scene) {
    ColourOf(scene).Phase = EyePhase::Instructions;
}

void DrawEyeFatigue(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    World& world = scene.Map;
    ColourState& cs = ColourOf(scene);
    if (event == Event::Redraw || event == Event::ScrollBar1) {
        SetupColourWorld(world, clearFirst, canvas);
        DrawInstructions(canvas);
        if (event == Event::ScrollBar1) {
            NewSquare(scene, canvas);
        } else if (cs.Phase == EyePhase::SquareShown) {
            DrawSquare(scene, canvas, SquareColour(cs));
        } else if (cs.Phase == EyePhase::Afterimage) {
            DrawSquare(scene, canvas, clWhite);
        }
        canvas.Pen.Mode = pmNotXor;
    } else if (event == Event::Tick) {
        Tick(scene, canvas);
    }
}

}  // namespace viv
