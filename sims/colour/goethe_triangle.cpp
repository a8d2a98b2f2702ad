// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/colour/goethe_triangle.h"

#include <cmath>

#include "app/events.h"
#include "library/trig.h"
#include "sims/colour/colour_levels.h"

namespace viv {

namespace {

constexpr double Side = 3.5;                              // a, world units
constexpr double Height = Side * 0.86602540378443864676;  // h = a sin 60°
constexpr double X0 = -6, Y0 = -4;                        // lower-left corner of the large triangle

constexpr std::array<GoetheTriangle, 9> kTriangles{{
    {true, 0, 0, RGB(255, 255, 0)},
    {true, 1, 0, RGB(0, 192, 0)},
    {true, 2, 0, RGB(0, 170, 255)},
    {false, 1, 0, RGB(255, 192, 0)},
    {false, 2, 0, RGB(0, 128, 0)},
    {true, 0.5, 1, RGB(255, 127, 0)},
    {true, 1.5, 1, RGB(128, 0, 128)},
    {false, 1.5, 1, RGB(191, 0, 0)},
    {true, 1, 2, RGB(255, 0, 128)},
}};

}  // namespace

const std::array<GoetheTriangle, 9>& GoetheTriangles() {
    return kTriangles;
}

std::array<WorldPoint, 3> GoetheCorners(int k) {
    const GoetheTriangle& t = kTriangles[static_cast<std::size_t>(k)];
    const double x = X0 + t.atX * Side;
    const double y = Y0 + t.atY * Height;
    if (t.up) return {{{x, y}, {x + Side, y}, {x + Side / 2, y + Height}}};
    return {{{x, y}, {x + Side / 2, y + Height}, {x - Side / 2, y + Height}}};
}

void DrawGoetheTriangle(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    World& world = scene.Map;
    if (event == Event::Redraw) {
        SetupColourWorld(world, clearFirst, canvas);
    }
    // Thin white lines part the triangles.
    canvas.Pen.Color = clWhite;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmCopy;
    canvas.Brush.Style = bsSolid;
    for (int k = 0; k < static_cast<int>(kTriangles.size()); ++k) {
        const auto c = GoetheCorners(k);
        canvas.Brush.Color = kTriangles[static_cast<std::size_t>(k)].colour;
        canvas.Polygon({world.Picture(c[0].x, c[0].y), world.Picture(c[1].x, c[1].y),
                        world.Picture(c[2].x, c[2].y)});
    }
    WriteSheetTitle(canvas, "Goethes farvetrekant");
}

}  // namespace viv
