// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/start_picture.h"

#include <cmath>

#include "library/drawing.h"
#include "library/trig.h"

namespace viv {

namespace {

constexpr double BowRadius = 4;       // world units
constexpr double Axis = Pi - Pi / 6;  // the bows' axis at 150 degrees, radians

// A filled sector of the bow circle from angle `from` to angle `to` (radians,
// counter-clockwise).
void Sector(const World& world, TCanvas& canvas, double from, double to) {
    canvas.Pie(world.PictureX(-BowRadius), world.PictureY(BowRadius), world.PictureX(BowRadius),
               world.PictureY(-BowRadius), world.PictureX(BowRadius * std::cos(from)),
               world.PictureY(BowRadius * std::sin(from)), world.PictureX(BowRadius * std::cos(to)),
               world.PictureY(BowRadius * std::sin(to)));
}

struct Label {
    const char* text;
    double x, y;  // world units, the text's top-left corner
};
constexpr Label Labels[] = {
    {"1", -11, 4}, {"2", -9, 2}, {"3", -7, -0.2}, {"4", -6.5, -0.7}, {"5", -5, -2}};

}  // namespace

void DrawStartPicture(World& world, const RainbowAngles& rainbow, Event code, TCanvas& canvas) {
    if (code != Event::Redraw) return;
    const double h = world.AspectHeight;
    world.WorldXMin = -15;
    world.WorldXMax = 5;
    world.WorldYMin = -h;
    world.WorldYMax = h;
    world.SetWorldWindow(-15, 5, -h, h);
    // The bands cover one another from red to violet over the photograph.
    canvas.Pen.Mode = pmCopy;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = world.PenWidth;
    canvas.Brush.Style = bsSolid;
    const double S1 = rainbow.SecondaryBowDeviation[1];
    const double P1 = rainbow.PrimaryBowDeviation[1];
    for (int k = ColourCount; k >= 1; --k) {
        const auto i = static_cast<std::size_t>(k);
        const double P = rainbow.PrimaryBowDeviation[i];
        const double S = rainbow.SecondaryBowDeviation[i];
        canvas.Pen.Color = Colour(k).ScreenColour;
        canvas.Brush.Color = Colour(k).ScreenColour;
        Sector(world, canvas, Axis - S1 - 0.01, Axis - S);
        Sector(world, canvas, Axis - P, Axis - P1 + 0.01);
        Sector(world, canvas, P1 + Axis - 0.01, P + Axis);
        Sector(world, canvas, S + Axis, S1 + Axis + 0.01);
    }
    canvas.Brush.Color = clWhite;
    canvas.Pen.Color = clBlack;
    DrawCircle(world, canvas, 0, 0, 0.1);

    canvas.Pen.Color = clYellow;
    canvas.Pen.Width = world.BoldPenWidth;
    canvas.MoveTo(world.PictureX(9 * std::cos(Axis)), world.PictureY(9 * std::sin(Axis)));
    canvas.LineTo(world.PictureX(std::cos(Axis)), world.PictureY(std::sin(Axis)));

    for (const Label& label : Labels)
        canvas.TextOut(world.PictureX(label.x), world.PictureY(label.y), label.text);
    canvas.Pen.Width = world.PenWidth;
}

}  // namespace viv
