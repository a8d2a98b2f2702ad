// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/colour/simultaneous_contrast.h"

#include "app/events.h"
#include "library/world.h"
#include "sims/colour/colour_levels.h"
#include "sims/colour/colour_state.h"

namespace viv {

namespace {

constexpr double GroundHalfSide = 3.5;  // world units
constexpr double GreyHalfSide = 1;
constexpr TColor Grey = clSilver;

void DrawSquares(App& app, TCanvas& canvas) {
    const World& world = app.Map;
    const TColor ground = MixedColour(app);
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = ground;
    canvas.Pen.Color = ground;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmCopy;
    WorldRectangle(world, canvas, -GroundHalfSide, -GroundHalfSide, GroundHalfSide, GroundHalfSide);
    canvas.Brush.Color = Grey;
    WorldRectangle(world, canvas, -GreyHalfSide, -GreyHalfSide, GreyHalfSide, GreyHalfSide);
}

}  // namespace

void DrawSimultaneousContrast(App& app, Event event, bool clearFirst, TCanvas& canvas) {
    World& world = app.Map;
    ColourState& cs = ColourOf(app);
    bool draw = true;
    switch (event) {
        case Event::Redraw:
            world.PictureMarginX = 0;
            world.PictureMarginY = 0;
            SetupWorld(world, 0, clearFirst, canvas, -10, 10, -world.AspectHeight,
                       world.AspectHeight);
            ReadLevels(app);
            break;
        case Event::ScrollBar1:
            cs.Level1 = LevelOf(app.Window.ScrollBar1);
            break;
        case Event::ScrollBar2:
            cs.Level2 = LevelOf(app.Window.ScrollBar2);
            break;
        case Event::ScrollBar3:
            cs.Level3 = LevelOf(app.Window.ScrollBar3);
            break;
        default:
            draw = false;
            break;
    }
    if (draw) DrawSquares(app, canvas);
    WriteRgbPanels(app);
}

}  // namespace viv
