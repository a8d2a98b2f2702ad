// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/world.h"

#include <algorithm>
#include <cmath>

namespace viv {

int World::RoundToPixel(double v) {
    constexpr double limit = 1073741824.0;  // 2^30 pixels
    if (v != v) return -static_cast<int>(limit);
    if (v >= limit) return static_cast<int>(limit);
    if (v <= -limit) return -static_cast<int>(limit);
    return static_cast<int>(std::lrint(v));  // the default rounding: halfway to even
}

void World::SetWorldWindow(double xmin, double xmax, double ymin, double ymax) {
    MapXMin = xmin;
    MapXMax = xmax;
    MapYMin = ymin;
    MapYMax = ymax;
    MapWidth = xmax - xmin;
    MapHeight = ymax - ymin;
    const int w = static_cast<int>(PictureWidth) - static_cast<int>(PictureMarginX);
    const int h = static_cast<int>(PictureHeight) - static_cast<int>(PictureMarginY);
    MapScaleX = MapWidth != 0 ? w / MapWidth : 0.0;
    MapScaleY = MapHeight != 0 ? h / MapHeight : 0.0;
}

void World::UpdateAspect() {
    AspectHeight =
        PictureWidth != 0 ? static_cast<double>(PictureHeight) / PictureWidth * 10.0 : 0.0;
}

void SetupWorld(World& world, std::uint16_t axisMode, bool clear, TCanvas& canvas, double xmin,
                double xmax, double ymin, double ymax) {
    if (clear) ClearPicture(world);
    world.WorldXMin = xmin;
    world.WorldXMax = xmax;
    world.WorldYMin = ymin;
    world.WorldYMax = ymax;
    world.SetWorldWindow(xmin, xmax, ymin, ymax);
    if (axisMode == 1 || axisMode == 2) {
        canvas.Pen.Color = clSilver;
        if (axisMode == 2) canvas.Pen.Style = psDot;
        canvas.MoveTo(world.PictureX(xmin), world.PictureY(0));
        canvas.LineTo(world.PictureX(xmax), world.PictureY(0));
        canvas.Pen.Style = psSolid;
    }
    canvas.Pen.Mode = pmNotXor;
}

WorldWindow ShowingHeights(const WorldWindow& w, double lowest, double highest) {
    if (w.ymin <= lowest && w.ymax >= highest) return w;
    WorldWindow out = w;
    out.ymin = std::min(w.ymin, lowest);
    out.ymax = std::max(w.ymax, highest);
    const double stretch = (out.ymax - out.ymin) / (w.ymax - w.ymin);
    const double middle = (w.xmin + w.xmax) / 2, half = (w.xmax - w.xmin) / 2 * stretch;
    out.xmin = middle - half;
    out.xmax = middle + half;
    return out;
}

InsetMapping::InsetMapping(World& world, Fraction fromLeft, Fraction fromTop,
                           const WorldWindow& window)
    : world_(world) {
    world.PictureMarginX = static_cast<std::uint16_t>((fromLeft.numerator * world.PictureWidth) /
                                                      fromLeft.denominator);
    world.PictureMarginY =
        static_cast<std::uint16_t>((fromTop.numerator * world.PictureHeight) / fromTop.denominator);
    world.SetWorldWindow(window.xmin, window.xmax, window.ymin, window.ymax);
}

InsetMapping::~InsetMapping() {
    world_.PictureMarginX = 0;
    world_.PictureMarginY = 0;
    world_.SetWorldWindow(world_.WorldXMin, world_.WorldXMax, world_.WorldYMin, world_.WorldYMax);
}

void ClearPicture(World& world) {
    if (world.Screen == nullptr) return;
    TCanvas& c = *world.Screen;
    c.Brush.Style = bsSolid;
    c.Pen.Color = clWhite;
    c.Pen.Style = psSolid;
    c.Brush.Color = clWhite;
    c.FillRect({0, 0, c.Width(), c.Height()});
}

void MouseToWorld(World& world, const PointerSource& pointer) {
    const TPoint cursor = pointer.CursorPos();
    const TPoint origin = pointer.PictureOrigin();
    const TPoint size = pointer.PictureSize();
    if (size.x <= 0 || size.y <= 0) return;
    world.MouseWorld.x =
        world.WorldXMin + (world.WorldXMax - world.WorldXMin) / size.x * (cursor.x - origin.x);
    world.MouseWorld.y =
        world.WorldYMax - (world.WorldYMax - world.WorldYMin) / size.y * (cursor.y - origin.y);
}

}  // namespace viv
