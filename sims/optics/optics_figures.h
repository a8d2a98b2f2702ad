// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Geometry and figures shared by the simulations of prisms, lenses and mirrors: lines cut
// at the world window, paths, arcs of lens faces and mirrors, the object and image arrows,
// and the image a thin lens or a spherical mirror forms. World units throughout; angles
// in radians.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "library/canvas.h"
#include "library/world.h"

namespace viv {

// A rectangle of the world, xmin < xmax and ymin < ymax.
struct WorldBox {
    double XMin = 0, XMax = 0, YMin = 0, YMax = 0;
    bool Contains(WorldPoint p) const {
        return p.x >= XMin && p.x <= XMax && p.y >= YMin && p.y <= YMax;
    }
};

// Sets up the world window from x = xMin to xMax (world units) over the picture's whole
// height with equal scales and no margins; axisMode and clearFirst as SetupWorld takes them.
void SetupFullHeightWorld(World& map, std::uint16_t axisMode, bool clearFirst, TCanvas& canvas,
                          double xMin, double xMax);

// The simulation's own world window (as passed to SetupWorld).
WorldBox WindowOf(const World& map);

// Cuts the segment from `a` to `b` to the box; false when nothing of it lies inside.
bool ClipToBox(WorldPoint& a, WorldPoint& b, const WorldBox& box);

// The point where the ray from `from` through `through` leaves the box (`from` itself
// when the two points coincide). `from` should lie inside the box.
WorldPoint ExitPoint(WorldPoint from, WorldPoint through, const WorldBox& box);

// The point of the line through p and q at abscissa x (p.x != q.x).
WorldPoint PointAtX(WorldPoint p, WorldPoint q, double x);

// The crossing of the line through p with direction angle alpha and the line through q
// with direction angle beta; false for parallel lines.
bool CrossingOf(WorldPoint p, double alpha, WorldPoint q, double beta, WorldPoint& crossing);

// A line from `from` to `to`; the pixel of `to` is left out, so that a figure ending
// where another begins combines that pixel once.
void DrawSegment(const World& map, TCanvas& canvas, WorldPoint from, WorldPoint to);

// The same, cut to the box first.
void DrawClippedSegment(const World& map, TCanvas& canvas, WorldPoint from, WorldPoint to,
                        const WorldBox& box);

// One polyline through the points.
void DrawPath(const World& map, TCanvas& canvas, std::span<const WorldPoint> points);
void DrawPath(const World& map, TCanvas& canvas, std::initializer_list<WorldPoint> points);

// A path cut to the box: the pieces that lie inside, each piece one polyline.
void DrawClippedPath(const World& map, TCanvas& canvas, std::span<const WorldPoint> points,
                     const WorldBox& box);
void DrawClippedPath(const World& map, TCanvas& canvas, std::initializer_list<WorldPoint> points,
                     const WorldBox& box);

// Appends the points of the arc of the circle about `centre` with radius r from angle
// `from` to angle `to` (either way round), the end points included.
void AppendArc(std::vector<WorldPoint>& points, WorldPoint centre, double r, double from,
               double to);

// An upright (height > 0) or inverted (height < 0) arrow standing on the axis at x: a
// line from (x, 0) to the tip (x, height) and a head of two lines from the tip back to
// (x -+ s, height - s), s = 0.1 * height.
void DrawArrow(const World& map, TCanvas& canvas, double x, double height);

// The image of an object of height G standing at x = a < 0 (coordinates along the axis
// with the lens or the mirror's vertex at the origin).
struct OpticalImage {
    bool Exists = false;  // false when the rays leave parallel (image at infinity)
    double b = 0;         // the image's position; b < 0 lies on the object's side
    double B = 0;         // its height, negative when inverted
};

// A thin lens of focal length f (negative for a diverging lens): 1/b = 1/a + 1/f,
// B = G b / a.
OpticalImage ThinLensImage(double a, double f, double G);

// A spherical mirror with its focal point at x = xF (negative: concave, positive:
// convex), found where the ray reflected through the focal point meets the ray
// reflected at the vertex.
OpticalImage MirrorImage(double a, double xF, double G);

// The object distance of the image simulations from ScrollBar1's position: 0..149 in
// steps of 0.05 from -0.5 to -7.95, 150..200 in whole units from -8 to -58.
double ObjectPosition(int position);

}  // namespace viv
