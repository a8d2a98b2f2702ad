// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/drawing.h"

#include <cmath>
#include <string>
#include <vector>

#include "library/format.h"
#include "library/trig.h"

namespace viv {

void DrawCircle(const World& world, TCanvas& canvas, double cx, double cy, double r) {
    canvas.Brush.Style = bsClear;
    canvas.Ellipse(world.PictureX(cx - r), world.PictureY(cy + r), world.PictureX(cx + r),
                   world.PictureY(cy - r));
}

void DrawArrowHead(const World& world, TCanvas& canvas, double x, double y, double length,
                   double angle) {
    const double a = angle + 3 * Pi / 4;
    const double ux = length * world.Zoom * std::cos(a);
    const double uy = length * world.Zoom * std::sin(a);
    canvas.Polyline(
        {world.Picture(x + ux, y + uy), world.Picture(x, y), world.Picture(x - uy, y + ux)});
}

void DrawAngleArc(const World& world, WorldPoint centre, TCanvas& canvas, double r,
                  double fromAngle, double toAngle) {
    const double cx = centre.x;
    const double cy = centre.y;
    // Rows count downwards, so the box's corners swap in y.
    canvas.Arc(world.PictureX(cx - r), world.PictureY(cy + r), world.PictureX(cx + r),
               world.PictureY(cy - r), world.PictureX(cx + r * std::cos(fromAngle)),
               world.PictureY(cy + r * std::sin(fromAngle)),
               world.PictureX(cx + r * std::cos(toAngle)),
               world.PictureY(cy + r * std::sin(toAngle)));
}

int AxisTickReachX(const World& world) {
    return world.PictureWidth / 80;
}

int AxisTickReachY(const World& world) {
    return world.PictureHeight / 60;
}

int BelowAxisNumbers(const World& world, TCanvas& canvas, int axisRow) {
    return axisRow + AxisTickReachY(world) + 1 + canvas.TextHeight("0");
}

void WriteXAxisNumber(const World& world, TCanvas& canvas, int decimals, std::string_view unit,
                      double x, int row) {
    // Below where the axis's ticks end, clear of them.
    const std::string label = FormatReal(1, decimals, x) + std::string(unit);
    canvas.TextOut(world.PictureX(x) - canvas.TextWidth(label) / 2, row + AxisTickReachY(world) + 1,
                   label);
}

void WriteAxisNames(const World& world, TCanvas& canvas, double x0, double y0,
                    std::string_view xName, std::string_view yName) {
    if (!yName.empty())
        canvas.TextOut(world.PictureX(x0) + AxisTickReachX(world) + 2,
                       world.PictureY(world.MapYMax), yName);
    if (!xName.empty())
        canvas.TextOut(world.PictureX(world.MapXMax) - canvas.TextWidth(xName),
                       BelowAxisNumbers(world, canvas, world.PictureY(y0)), xName);
}

void DrawAxes(const World& world, int xDecimals, int yDecimals, std::string_view xUnit, double x0,
              double y0, double xStep, double yStep, std::string_view yUnit, bool labelNegativeY,
              TCanvas& canvas) {
    const int W = world.PictureWidth;
    const int H = world.PictureHeight;
    const int tx = AxisTickReachX(world);
    const int ty = AxisTickReachY(world);
    const double xmin = world.MapXMin, xmax = world.MapXMax;
    const double ymin = world.MapYMin, ymax = world.MapYMax;
    canvas.Pen.Style = psSolid;
    const int savedWidth = canvas.Pen.Width;
    canvas.Pen.Width = world.AxisPenWidth;

    const int g = world.PictureY(y0);
    if (g >= 0 && g <= H + world.PrintOffsetY) {
        const int left = world.PictureX(xmin);
        const int right = world.PictureX(xmax);
        canvas.MoveTo(left, g);
        canvas.LineTo(right, g);
        canvas.Polyline({{right - tx, g - ty}, {right, g}, {right - tx, g + ty}});
        if (xStep > 0 && (xmax - xmin) / xStep < 80) {
            for (double x = x0 - xStep; x >= xmin; x -= xStep) {
                canvas.MoveTo(world.PictureX(x), g + ty);
                canvas.LineTo(world.PictureX(x), g - ty);
            }
            for (double x = x0 + xStep; x <= xmax - (xmax - xmin) * 0.025; x += xStep) {
                const int px = world.PictureX(x);
                canvas.MoveTo(px, g + ty);
                canvas.LineTo(px, g - ty);
                if (xDecimals >= 0) WriteXAxisNumber(world, canvas, xDecimals, xUnit, x, g);
            }
        }
    }

    const int e = world.PictureX(x0);
    if (e >= 0 && e <= W) {
        const int top = world.PictureY(ymax);
        canvas.MoveTo(e, world.PictureY(ymin));
        canvas.LineTo(e, top);
        canvas.Polyline({{e - tx, top + ty}, {e, top}, {e + tx, top + ty}});
        if (yStep > 0 && (ymax - ymin) / yStep < 80) {
            const auto tick = [&](double y, bool labelled) {
                const int py = world.PictureY(y);
                canvas.MoveTo(e + tx, py);
                canvas.LineTo(e - tx, py);
                if (!labelled) return;
                const std::string label = FormatReal(1, yDecimals, y) + std::string(yUnit);
                canvas.TextOut(e - tx - canvas.TextWidth(label + " "),
                               py - canvas.TextHeight(label) / 2, label);
            };
            for (double y = y0 - yStep; y >= ymin; y -= yStep) tick(y, labelNegativeY);
            for (double y = y0 + yStep; y <= ymax - (ymax - ymin) / 30; y += yStep) tick(y, true);
        }
    }
    canvas.Pen.Width = savedWidth;
}

void DrawDotGrid(const World& world, TColor colour, TCanvas& canvas, double x0, double y0,
                 double dx, double dy) {
    if (!(dx > 0) || !(dy > 0)) return;
    constexpr std::size_t maxLines = 60;
    const auto lattice = [](double lo, double hi, double origin, double step, auto map) {
        std::vector<int> out;
        for (double v = lo + FloatMod(origin - lo, step);
             v < origin - step / 2 && out.size() < maxLines; v += step)
            out.push_back(map(v));
        for (double v = origin + step; v <= hi && out.size() < maxLines; v += step)
            out.push_back(map(v));
        return out;
    };
    const std::vector<int> columns =
        lattice(world.MapXMin, world.MapXMax, x0, dx, [&](double x) { return world.PictureX(x); });
    const std::vector<int> rows =
        lattice(world.MapYMin, world.MapYMax, y0, dy, [&](double y) { return world.PictureY(y); });
    for (int px : columns)
        for (int py : rows) canvas.SetPixel(px, py, colour);
}

}  // namespace viv
