// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/colour/twelve_part_circle.h"

#include <cmath>
#include <vector>

#include "app/events.h"
#include "library/trig.h"
#include "library/world.h"
#include "sims/colour/colour_levels.h"

namespace viv {

namespace {

constexpr double RingOuter = 5;         // world units
constexpr double RingInner = 4.25;      // r: also the hexagon's corners
constexpr double SectorOverlap = 0.01;  // radians each sector reaches into the next

constexpr std::array<TColor, 12> kColours{RGB(255, 0, 0),    RGB(255, 84, 0),  RGB(255, 127, 0),
                                          RGB(255, 192, 64), RGB(255, 255, 0), RGB(127, 255, 127),
                                          RGB(0, 192, 0),    RGB(0, 171, 255), RGB(0, 0, 255),
                                          RGB(0, 64, 192),   RGB(128, 0, 128), RGB(191, 0, 0)};

double Radians(double degrees) {
    return degrees * Pi / 180;
}

TPoint Polar(const World& world, double radius, double degrees) {
    return world.Picture(radius * std::cos(Radians(degrees)), radius * std::sin(Radians(degrees)));
}

void Fill(TCanvas& canvas, TColor colour, std::initializer_list<TPoint> corners) {
    canvas.Brush.Color = colour;
    canvas.Pen.Color = colour;
    canvas.Polygon(corners);
}

void DrawRing(const World& world, TCanvas& canvas) {
    canvas.Pen.Mode = pmCopy;
    canvas.Pen.Style = psSolid;
    canvas.Brush.Style = bsSolid;
    for (int i = 0; i < 12; ++i) {
        const TColor c = kColours[static_cast<std::size_t>(i)];
        canvas.Brush.Color = c;
        canvas.Pen.Color = c;
        WorldPieByAngle(world, canvas, 0, 0, RingOuter, Radians(i * 30 - 45),
                        Radians((i + 1) * 30 - 45) + SectorOverlap);
    }
    // The inner disc, outlined in white too, so the ring's inner edge stays clean.
    canvas.Brush.Color = clWhite;
    canvas.Pen.Color = clWhite;
    WorldDisc(world, canvas, 0, 0, RingInner);
}

// The secondaries as three triangles, the primaries over them as three kites meeting in
// the centre: yellow at the top, red at the lower right, blue at the lower left.
void DrawHexagon(const World& world, TCanvas& canvas) {
    const double r = RingInner;
    const TPoint centre = world.Picture(0, 0);
    Fill(canvas, kColours[2], {Polar(world, r, 90), Polar(world, r, 330), Polar(world, r, 30)});
    Fill(canvas, kColours[6], {Polar(world, r, 90), Polar(world, r, 150), Polar(world, r, 210)});
    Fill(canvas, kColours[10], {Polar(world, r, 270), Polar(world, r, 330), Polar(world, r, 210)});
    Fill(canvas, kColours[0],
         {centre, Polar(world, r / 2, 30), Polar(world, r, 330), Polar(world, r / 2, 270)});
    Fill(canvas, kColours[4],
         {centre, Polar(world, r / 2, 30), Polar(world, r, 90), Polar(world, r / 2, 150)});
    Fill(canvas, kColours[8],
         {centre, Polar(world, r / 2, 150), Polar(world, r, 210), Polar(world, r / 2, 270)});
}

}  // namespace

const std::array<TColor, 12>& TwelveColours() {
    return kColours;
}

void DrawTwelvePartCircle(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    World& world = scene.Map;
    if (event == Event::Redraw) {
        SetupColourWorld(world, clearFirst, canvas);
    }
    DrawRing(world, canvas);
    DrawHexagon(world, canvas);
    WriteSheetTitle(canvas, "Den tolvdelte farvecirkel");
}

}  // namespace viv
