// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/colour/complementary_colour.h"

#include "app/events.h"
#include "library/trig.h"
#include "library/world.h"
#include "sims/colour/colour_levels.h"
#include "sims/colour/colour_state.h"

namespace viv {

namespace {

constexpr double CircleX = 9.5, CircleY = 0;  // centre of the colour circle, world units
constexpr double DiscRadius = 5;              // the mixed colour and its complement

constexpr TColor Mean(TColor a, TColor b) {
    return RGB((RedOf(a) + RedOf(b)) / 2, (GreenOf(a) + GreenOf(b)) / 2,
               (BlueOf(a) + BlueOf(b)) / 2);
}

constexpr std::array<TColor, 25> MakeCircleColours() {
    std::array<TColor, 25> c{};
    c[1] = clBlue;
    c[5] = clAqua;
    c[9] = clLime;
    c[13] = clYellow;
    c[17] = clRed;
    c[21] = clFuchsia;
    for (int k = 3; k <= 23; k += 4) c[k] = Mean(c[k - 2], c[k == 23 ? 1 : k + 2]);
    for (int k = 2; k <= 24; k += 2) c[k] = Mean(c[k - 1], c[k == 24 ? 1 : k + 1]);
    return c;
}

constexpr std::array<TColor, 25> kCircleColours = MakeCircleColours();

// `cleared`: the screen picture was cleared just before.
void DrawColourCircle(Scene& scene, TCanvas& canvas, bool cleared) {
    World& world = scene.Map;
    if (!cleared && &canvas == world.Screen) ClearPicture(world);
    canvas.Pen.Color = clWhite;  // the sectors get white outlines
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmCopy;
    canvas.Brush.Style = bsSolid;
    DrawColourRing(scene, 24, canvas, 4);
    DrawColourRing(scene, 12, canvas, 3);
    DrawColourRing(scene, 6, canvas, 2);
    DrawColourRing(scene, 3, canvas, 1);

    canvas.Brush.Color = clWhite;
    canvas.Font.Color = clBlack;
    canvas.Font.Bold = true;
    const int top = world.PictureY(world.WorldYMax) + canvas.TextHeight("t");
    canvas.TextOut(world.PictureX(world.WorldXMin + 3), top, "Komplementærfarver");
    canvas.TextOut(world.PictureX(5), top, "Farvecirklen, mættede farver");
    canvas.Font.Bold = false;
    canvas.TextOut(world.PictureX(-5.25), world.PictureY(4.8), "+");
    canvas.TextOut(world.PictureX(-4.25), world.PictureY(4.8), "+");
    canvas.TextOut(world.PictureX(-3.25), world.PictureY(4.8), "=");
}

// The mixed colour as the left half of a disc, its complement as the right half, and
// the three components in small boxes: red + green + blue = the disc.
void DrawMixer(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    const ColourState& cs = ColourOf(scene);
    const TColor mixed = MixedColour(scene);
    SetSolidFill(canvas, clWhite, mixed, pmCopy);
    WorldPie(world, canvas, 0, 0, DiscRadius, 0, 5, 0, -5);
    canvas.Brush.Color = Complement(mixed);
    WorldPie(world, canvas, 0, 0, DiscRadius, 0, -5, 0, 5);
    canvas.Brush.Color = RGB(cs.Level1, 0, 0);
    WorldRectangle(world, canvas, -6, 5, -5.3, 4);
    canvas.Brush.Color = RGB(0, cs.Level2, 0);
    WorldRectangle(world, canvas, -5, 5, -4.3, 4);
    canvas.Brush.Color = RGB(0, 0, cs.Level3);
    WorldRectangle(world, canvas, -4, 5, -3.3, 4);
}

}  // namespace

const std::array<TColor, 25>& CircleColours() {
    return kCircleColours;
}

void DrawColourRing(Scene& scene, int n, TCanvas& canvas, double radius) {
    const World& world = scene.Map;
    for (int k = 1; k <= n; ++k) {
        canvas.Brush.Color = kCircleColours[static_cast<std::size_t>(1 + (k - 1) * 24 / n)];
        const double from = 2 * Pi * (k - 1) / n - Pi / n;
        const double to = 2 * Pi * k / n - Pi / n;
        WorldPieByAngle(world, canvas, CircleX, CircleY, radius, from, to);
    }
}

void DrawComplementaryColour(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    World& world = scene.Map;
    switch (event) {
        case Event::Redraw:
            SetupColourWorld(world, clearFirst, canvas, -6, 14);
            ReadLevels(scene);
            DrawColourCircle(scene, canvas, clearFirst);
            DrawMixer(scene, canvas);
            break;
        case Event::ScrollBar1:
        case Event::TrackBar2:
        case Event::ScrollBar2:
        case Event::ScrollBar3:
            ReadLevels(scene);
            DrawMixer(scene, canvas);
            break;
        default:
            break;
    }
    WriteLevelCells(scene);
    WriteRgbPanels(scene);
}

}  // namespace viv
