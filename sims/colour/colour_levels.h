// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The three colour levels the scroll bars give, their percentages as the table, the
// status panels and the picture labels show them, and the figures in world units the
// colour pictures are built of.
#pragma once

#include <string>
#include <string_view>

#include "app/scene.h"
#include "library/canvas.h"
#include "library/world.h"

namespace viv {

// A vertical bar of range 0..255: 255 at the top.
int LevelOf(const RangeControl& bar);
// All three levels from ScrollBar1..3.
void ReadLevels(Scene& scene);
// The level of the one bar ScrollBar1..3 the event moved; false, reading nothing, for any
// other event.
bool ReadMovedLevel(Scene& scene, Event event);

// A level as a percentage of full strength, one decimal ("100.0", "0.0").
std::string PercentText(int level);

// (Level1, Level2, Level3) as a colour, and the complement of any colour.
TColor MixedColour(Scene& scene);
constexpr TColor Complement(TColor c) {
    return RGB(255 - RedOf(c), 255 - GreenOf(c), 255 - BlueOf(c));
}

// Column 1, rows 1..3 of the results table := the three percentages.
void WriteLevelCells(Scene& scene);
// Panel1..3 := each prefix, the text of table row 1..3 and "%".
void WriteLevelPanels(Scene& scene, std::string_view p1, std::string_view p2, std::string_view p3);
// Panel1..3 := "R=", "G=", "B=" with the three percentages and "%".
void WriteRgbPanels(Scene& scene);

// --- Figures in world units ---
// The pie of the circle about (cx, cy) with radius r, counter-clockwise from the ray
// towards (sx, sy) to the ray towards (ex, ey).
void WorldPie(const World& world, TCanvas& canvas, double cx, double cy, double r, double sx,
              double sy, double ex, double ey);
// The same pie between two angles (radians, counter-clockwise from the x axis).
void WorldPieByAngle(const World& world, TCanvas& canvas, double cx, double cy, double r,
                     double from, double to);
// The rectangle with corners (x1, y1) and (x2, y2), in either order.
void WorldRectangle(const World& world, TCanvas& canvas, double x1, double y1, double x2,
                    double y2);
// A filled disc.
void WorldDisc(const World& world, TCanvas& canvas, double cx, double cy, double r);
// Solid filled figures from here on: the brush in `fill`, a solid pen in `outline`
// combining by `mode`.
void SetSolidFill(TCanvas& canvas, TColor outline, TColor fill, TPenMode mode);
// Bold text at a picture pixel, then the font back to normal.
void BoldText(TCanvas& canvas, int x, int y, std::string_view text);
// A colour sheet's title in bold black at the picture's top left corner; leaves the pen
// in not-xor.
void WriteSheetTitle(TCanvas& canvas, std::string_view title);

// The world window from x = xMin to xMax (world units) over the picture's whole height
// with equal scales, no margins and no axes.
void SetupColourWorld(World& world, bool clearFirst, TCanvas& canvas, double xMin = -10,
                      double xMax = 10);

}  // namespace viv
