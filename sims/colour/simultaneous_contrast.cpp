// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/colour/simultaneous_contrast.h"

#include "app/events.h"
#include "library/world.h"
#include "sims/colour/colour_levels.h"

namespace viv {

namespace {

constexpr double GroundHalfSide = 3.5;  // world units
constexpr double GreyHalfSide = 1;
constexpr TColor Grey = clSilver;

void DrawSquares(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    const TColor ground = MixedColour(scene);
    SetSolidFill(canvas, ground, ground, pmCopy);
    WorldRectangle(world, canvas, -GroundHalfSide, -GroundHalfSide, GroundHalfSide, GroundHalfSide);
    canvas.Brush.Color = Grey;
    WorldRectangle(world, canvas, -GreyHalfSide, -GreyHalfSide, GreyHalfSide, GreyHalfSide);
}

}  // namespace

void DrawSimultaneousContrast(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    World& world = scene.Map;
    bool draw = true;
    if (event == Event::Redraw) {
        SetupColourWorld(world, clearFirst, canvas);
        ReadLevels(scene);
    } else {
        draw = ReadMovedLevel(scene, event);
    }
    if (draw) DrawSquares(scene, canvas);
    WriteRgbPanels(scene);
}

}  // namespace viv
