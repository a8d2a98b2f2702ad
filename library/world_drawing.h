// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Drawing in world units: lines, the thin black pen, and the world window moved into an
// inset graph and back.
#pragma once

#include <cstdint>

#include "library/canvas.h"
#include "library/world.h"

namespace viv {

// Maps the world window xMin..xMax, yMin..yMax onto the part of the picture right of
// marginX and below marginY (pixels): an inset graph in the picture's upper right.
inline void EnterInsetWindow(World& world, int marginX, int marginY, double xMin, double xMax,
                             double yMin, double yMax) {
    world.PictureMarginX = static_cast<std::uint16_t>(marginX);
    world.PictureMarginY = static_cast<std::uint16_t>(marginY);
    world.SetWorldWindow(xMin, xMax, yMin, yMax);
}

// Back to the whole picture and the simulation's own world window.
inline void LeaveInsetWindow(World& world) {
    world.PictureMarginX = 0;
    world.PictureMarginY = 0;
    world.SetWorldWindow(world.WorldXMin, world.WorldXMax, world.WorldYMin, world.WorldYMax);
}

// An inset graph's world window for as long as the object lives: made, it maps the world
// window onto a part of the picture's upper right; gone, it gives back the whole picture
// and the simulation's own world window, and the canvas given (if any) its pen width.
class InsetGraph {
public:
    // A share of the picture's width or height, Num / Den of it, rounded down.
    struct Share {
        int Num = 0;
        int Den = 1;
    };
    struct Window {
        double XMin, XMax, YMin, YMax;  // world units
    };
    // The inset right of `left` of the picture's width and below `top` of its height.
    InsetGraph(World& world, TCanvas* canvas, Share left, Share top, Window window)
        : world_(world), canvas_(canvas) {
        EnterInsetWindow(world, world.PictureWidth * left.Num / left.Den,
                         world.PictureHeight * top.Num / top.Den, window.XMin, window.XMax,
                         window.YMin, window.YMax);
    }
    InsetGraph(const InsetGraph&) = delete;
    InsetGraph& operator=(const InsetGraph&) = delete;
    ~InsetGraph() {
        if (canvas_ != nullptr) canvas_->Pen.Width = world_.PenWidth;
        LeaveInsetWindow(world_);
    }

private:
    World& world_;
    TCanvas* canvas_;
};

// The thin solid black pen of the world's width, in `mode`.
inline void SetThinBlackPen(const World& world, TCanvas& canvas, TPenMode mode) {
    canvas.Pen.Color = clBlack;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = world.PenWidth;
    canvas.Pen.Mode = mode;
}

// A line from (x1, y1) to (x2, y2), world units, in the canvas's pen.
inline void Line(const World& world, TCanvas& canvas, double x1, double y1, double x2, double y2) {
    canvas.MoveTo(world.PictureX(x1), world.PictureY(y1));
    canvas.LineTo(world.PictureX(x2), world.PictureY(y2));
}

// A line from one world point to another, in the canvas's pen.
inline void Line(const World& world, TCanvas& canvas, WorldPoint from, WorldPoint to) {
    canvas.MoveTo(world.PictureX(from.x), world.PictureY(from.y));
    canvas.LineTo(world.PictureX(to.x), world.PictureY(to.y));
}

}  // namespace viv
