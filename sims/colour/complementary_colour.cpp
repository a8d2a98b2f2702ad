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
void DrawColourCircle(App& app, TCanvas& canvas, bool cleared) {
    World& world = app.Map;
    if (!cleared && &canvas == world.Screen) ClearPicture(world);
    canvas.Pen.Color = clWhite;  // the sectors get white outlines
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmCopy;
    canvas.Brush.Style = bsSolid;
    DrawColourRing(app, 24, canvas, 4);
    DrawColourRing(app, 12, canvas, 3);
    DrawColourRing(app, 6, canvas, 2);
    DrawColourRing(app, 3, canvas, 1);

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
void DrawMixer(App& app, TCanvas& canvas) {
    const World& world = app.Map;
    const ColourState& cs = ColourOf(app);
    const TColor mixed = MixedColour(app);
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

void DrawColourRing(App& app, int n, TCanvas& canvas, double radius) {
    const World& world = app.Map;
    for (int k = 1; k <= n; ++k) {
        canvas.Brush.Color = kCircleColours[static_cast<std::size_t>(1 + (k - 1) * 24 / n)];
        const double from = 2 * Pi * (k - 1) / n - Pi / n;
        const double to = 2 * Pi * k / n - Pi / n;
        WorldPieByAngle(world, canvas, CircleX, CircleY, radius, from, to);
    }
}

void DrawComplementaryColour(App& app, Event event, bool clearFirst, TCanvas& canvas) {
    World& world = app.Map;
    switch (event) {
        case Event::Redraw:
            SetupColourWorld(world, clearFirst, canvas, -6, 14);
            ReadLevels(app);
            DrawColourCircle(app, canvas, clearFirst);
            DrawMixer(app, canvas);
            break;
        case Event::ScrollBar1:
        case Event::TrackBar2:
        case Event::ScrollBar2:
        case Event::ScrollBar3:
            ReadLevels(app);
            DrawMixer(app, canvas);
            break;
        default:
            break;
    }
    WriteLevelCells(app);
    WriteRgbPanels(app);
}

}  // namespace viv
