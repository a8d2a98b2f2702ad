// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A picture of a still scene with figures moving over it in pmNotXor, as the thin film, the
// reflection at normal incidence, the superposition and the Doppler effect draw theirs, and
// the world without margins most waves' and mechanics' pictures are drawn in.
#pragma once

#include <cstdint>
#include <string_view>

#include "app/events.h"
#include "app/scene.h"
#include "library/canvas.h"
#include "library/world.h"

namespace viv {

// Sets up a picture without margins: axes as `axisMode` asks, x from `left` to `right` and y
// over the aspect height either side of 0.
inline void SetupMarginlessWorld(World& world, std::uint16_t axisMode, bool clear, TCanvas& canvas,
                                 double left, double right) {
    const double a = world.AspectHeight;
    world.PictureMarginX = 0;
    world.PictureMarginY = 0;
    SetupWorld(world, axisMode, clear, canvas, left, right, -a, a);
}

// The world of a wave picture's still scene: no margins, axis mode 2, x from -10 to 10;
// returns the half height it was set up with.
inline double SetupWaveWorld(World& world, bool clear, TCanvas& canvas) {
    SetupMarginlessWorld(world, 2, clear, canvas, -10, 10);
    return world.WorldYMax;
}

// `text` in `colour` with its top left corner at the world point (x, y).
inline void WriteAt(const World& world, TCanvas& canvas, double x, double y, TColor colour,
                    std::string_view text) {
    canvas.Font.Color = colour;
    canvas.TextOut(world.PictureX(x), world.PictureY(y), text);
}

// The routines of a picture whose figures, drawn a second time, wipe themselves.
struct MovingPicture {
    void (*Still)(Scene& scene, bool clearFirst, TCanvas& canvas);  // the still picture
    void (*Figures)(Scene& scene, TCanvas& canvas);                 // the moving figures
    void (*Change)(Scene& scene, Event event, TCanvas& canvas);     // takes in any other event
};

// On Redraw the scene and the figures; on any other event the figures are wiped, the event
// taken in and the figures drawn again.
inline void DrawMovingPicture(const MovingPicture& picture, Scene& scene, Event event,
                              bool clearFirst, TCanvas& canvas) {
    if (event == Event::Redraw) {
        picture.Still(scene, clearFirst, canvas);
        picture.Figures(scene, canvas);
        return;
    }
    canvas.Pen.Mode = pmNotXor;
    canvas.Pen.Style = psSolid;
    picture.Figures(scene, canvas);
    picture.Change(scene, event, canvas);
    picture.Figures(scene, canvas);
}

}  // namespace viv
