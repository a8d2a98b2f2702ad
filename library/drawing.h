// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Drawing routines in world coordinates shared by all simulations. Angles in radians,
// counter-clockwise from the positive x axis.
#pragma once

#include <string_view>

#include "library/canvas.h"
#include "library/world.h"

namespace viv {

// An unfilled circle; leaves the brush clear.
void DrawCircle(const World& world, TCanvas& canvas, double cx, double cy, double r);

// An open arrow head with its tip at (x, y) pointing along `angle`, barbs `length`
// world units long at angle +-135 degrees.
void DrawArrowHead(const World& world, TCanvas& canvas, double x, double y, double length,
                   double angle);

// Arc of radius r about `centre` from fromAngle to toAngle through increasing angles.
void DrawAngleArc(const World& world, WorldPoint centre, TCanvas& canvas, double r,
                  double fromAngle, double toAngle);

// Axes through (x0, y0) across the mapping window with ticks every xStep and yStep,
// labelled with the given decimals and units; xDecimals < 0 leaves the x axis's numbers out,
// for a graph that writes them with WriteXAxisNumber elsewhere.
void DrawAxes(const World& world, int xDecimals, int yDecimals, std::string_view xUnit, double x0,
              double y0, double xStep, double yStep, std::string_view yUnit, bool labelNegativeY,
              TCanvas& canvas);

// How far DrawAxes' ticks reach either side of the y axis and of the x axis, pixels.
int AxisTickReachX(const World& world);
int AxisTickReachY(const World& world);
// The names of DrawAxes' axes through (x0, y0): yName right of the y axis's arrow head,
// xName under the x axis's numbers ending at its arrow's tip; clear of ticks, numbers and
// arrow heads. An empty name is left out.
void WriteAxisNames(const World& world, TCanvas& canvas, double x0, double y0,
                    std::string_view xName, std::string_view yName);
// The number of x as DrawAxes writes it under an x axis at pixel row `row`.
void WriteXAxisNumber(const World& world, TCanvas& canvas, int decimals, std::string_view unit,
                      double x, int row);
// The first pixel row below the numbers DrawAxes writes under an x axis at row axisRow,
// for a title there.
int BelowAxisNumbers(const World& world, TCanvas& canvas, int axisRow);

// Single pixels at x0 + i*dx, y0 + j*dy, leaving out the column through x0 and the row
// through y0; at most 60 columns and 60 rows.
void DrawDotGrid(const World& world, TColor colour, TCanvas& canvas, double x0, double y0,
                 double dx, double dy);

}  // namespace viv
