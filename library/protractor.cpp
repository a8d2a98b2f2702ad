// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/protractor.h"

#include <cmath>
#include <string>

#include "library/drawing.h"
#include "library/format.h"
#include "library/trig.h"

namespace viv {

void DrawProtractor(const World& world, TCanvas& canvas, bool shown) {
    constexpr double radius = 4;     // world units
    constexpr double tickEnd = 4.3;  // world units
    constexpr double labelAt = 4.5;  // world units
    constexpr double degree = Pi / 180;
    canvas.Pen.Color = clGreen;
    DrawCircle(world, canvas, 0, 0, radius);
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = shown ? clBlack : clWhite;
    for (int k = 0; k < 180; ++k) {
        const double a = 2 * k * degree;
        const double c = std::cos(a), s = std::sin(a);
        if (k % 5 != 0) {
            // A one-pixel figure in the pen's mode, so that drawing it again removes it.
            const TPoint dot = ProtractorDot(world, k);
            canvas.Pen.Color = clRed;
            canvas.MoveTo(dot.x, dot.y);
            canvas.LineTo(dot.x + 1, dot.y);
            canvas.Pen.Color = clGreen;
        } else {
            canvas.MoveTo(world.PictureX(radius * c), world.PictureY(radius * s));
            canvas.LineTo(world.PictureX(tickEnd * c), world.PictureY(tickEnd * s));
        }
    }
    for (int j = 0; j <= 9; ++j) {
        const std::string label = FormatInteger(10LL * j, 1);
        const int halfWidth = canvas.TextWidth(label) / 2;
        const int halfHeight = canvas.TextHeight(label) / 2;
        // The angles of incidence above left, those of refraction below right.
        // The two zeros stand just above the surface normal that runs through them.
        const int up = j == 0 ? halfHeight : 0;
        for (const double a : {Pi - 10 * j * degree, -10 * j * degree}) {
            canvas.TextOut(world.PictureX(labelAt * std::cos(a)) - halfWidth,
                           world.PictureY(labelAt * std::sin(a)) - halfHeight - up, label);
        }
    }
    canvas.Font.Color = clBlack;
}

TPoint ProtractorDot(const World& world, int k) {
    constexpr double radius = 4;   // world units
    constexpr double outside = 2;  // pixels beyond the circle
    const double a = 2 * k * Pi / 180;
    const double c = std::cos(a), s = std::sin(a);
    return {world.PictureX(radius * c) + static_cast<int>(std::lround(outside * c)),
            world.PictureY(radius * s) - static_cast<int>(std::lround(outside * s))};
}

void DrawSurfaceNormal(const World& world, TCanvas& canvas) {
    canvas.Pen.Color = clRed;
    canvas.MoveTo(world.PictureX(-5), world.PictureY(0));
    canvas.LineTo(world.PictureX(5), world.PictureY(0));
}

}  // namespace viv
