// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Dragging a figure of the picture: a second way to move the control that sets the
// figure's position or angle. The drag only moves the control; the control's own event
// draws, fills the table and erases, as when the control is moved by hand.
#pragma once

#include <string_view>

#include "app/window_model.h"
#include "library/canvas.h"
#include "library/world.h"

namespace viv {

class Scene;

// A figure the mouse can take hold of, in a simulation's catalogue row.
struct DragFigure {
    // What is dragged, for the status line (" Trækker " and this).
    std::string_view Name;
    // The control the figure follows.
    Control Moves = Control::ScrollBar1;
    // Whether a press at picture pixel p takes hold of the figure as it is drawn now.
    bool (*Grips)(Scene& scene, TPoint p) = nullptr;
    // The control position (before rounding and holding in range) that puts the figure
    // under the pointer at world point w.
    double (*PositionAt)(Scene& scene, WorldPoint w) = nullptr;
    // The clock moves the figure too: its ticks wait while the figure is held, and `LetGo`
    // sets it going again from where it is let go.
    bool MovedByClock = false;
    // Optional: the figure is taken hold of, and let go after being moved or not.
    void (*Take)(Scene& scene) = nullptr;
    void (*LetGo)(Scene& scene, bool moved) = nullptr;
};

// The pixels around a figure within which a press takes hold of it.
constexpr double GripPixels = 6;

// The world point under picture pixel p in the simulation's own world window (the inverse
// of the mapping of a full redraw; points off the picture lie off the window).
WorldPoint PictureToWorld(const World& world, TPoint p);

// The distance in pixels from picture pixel p to the segment between the pixels of world
// points a and b.
double PixelDistanceToSegment(const World& world, TPoint p, WorldPoint a, WorldPoint b);

// The angle in degrees of the direction from `centre` to `w`, counted from the direction
// `zeroAngle` (degrees, anticlockwise), with the sense `sense` (+1 anticlockwise, -1
// clockwise); in (-180, 180].
double AngleFrom(WorldPoint centre, WorldPoint w, double zeroAngle, int sense);

// Whether picture pixel p lies within GripPixels of the segment from world point a to b.
bool GripsSegment(const Scene& scene, TPoint p, WorldPoint a, WorldPoint b);

// The position of ScrollBar1, which shows IncidenceMax - the angle of incidence, for an
// angle of incidence of `degrees` held in 0..IncidenceMax.
double IncidencePosition(const Scene& scene, double degrees);

// An angle in degrees held in lo..hi: one outside goes to the edge nearer round the
// circle, so that a pointer swung past either end stays at that end.
double HoldAngle(double degrees, double lo, double hi);

}  // namespace viv
