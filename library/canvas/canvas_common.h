// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Geometry shared by the raster and the vector canvas: clipping, the ellipse inscribed
// in a box, arcs taken by direction, dash patterns and the canvas font. Internal to
// library/canvas.
//
// Coordinates here are "pixel-index" coordinates: the pixel (i, j) has its centre at the
// point (i, j). A box (x1, y1, x2, y2) excludes its right and bottom edges, so it covers
// the pixel centres x1 .. x2-1 and y1 .. y2-1.
#pragma once

#include <QFont>
#include <cstdint>
#include <vector>

#include "library/canvas.h"

namespace viv::canvas_internal {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

struct PointD {
    double x = 0.0;
    double y = 0.0;
};

struct RectD {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

// Liang-Barsky: the part t0..t1 (0 <= t0 <= t1 <= 1) of the segment a -> b inside r.
bool ClipSegment(PointD a, PointD b, const RectD& r, double& t0, double& t1);

// Sutherland-Hodgman against a rectangle; keeps the even-odd and winding fill of every
// point inside r.
std::vector<PointD> ClipPolygon(const std::vector<PointD>& polygon, const RectD& r);

// The on/off runs of a one-pixel dashed pen, in pixels; nullptr for a solid pen.
struct DashPattern {
    int runs[4];
    int count;
    int period;
};
const DashPattern* DashFor(TPenStyle style);

// The ellipse inscribed in a box: centre in pixel-index coordinates and the half sizes of
// the box. Its area is the ellipse with radii (A, B); its one-pixel outline runs through
// the centres of the border pixels, the curve with radii (a, b) = (A - 1/2, B - 1/2).
struct EllipseBox {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // normalised, x1 < x2 and y1 < y2 unless empty
    double cx = 0.0, cy = 0.0;
    double A = 0.0, B = 0.0;
    double a = 0.0, b = 0.0;
    bool empty = true;
};
EllipseBox MakeEllipseBox(int x1, int y1, int x2, int y2);

// Direction of (dx, dy) on the picture (y downwards) as an angle counter-clockwise from
// the x axis, in (-pi, pi].
double DirectionAngle(double dx, double dyDown);

// The counter-clockwise range of directions from a start ray over a sweep.
struct AngleRange {
    double start = 0.0;
    double sweep = kTwoPi;  // in (0, 2 pi]
    // Offset of an angle from the start, in [0, 2 pi).
    double Offset(double angle) const;
    bool Contains(double angle) const;
    bool Full() const { return sweep >= kTwoPi; }
};
// The range of Arc/Pie: from the ray (box centre -> (x3, y3)) to the ray towards (x4, y4).
AngleRange ArcRange(const EllipseBox& box, int x3, int y3, int x4, int y4);

// The parametric angle t of the point (a cos t, b sin t) lying in direction theta.
double ParamFromDirection(double a, double b, double theta);
// The same from the direction's cosine and sine, where they are known already.
double ParamFromDirection(double a, double b, double cosTheta, double sinTheta);
PointD EllipsePoint(const EllipseBox& box, double t);  // on the outline curve (a, b)

// Points along the outline curve from parametric angle t0 over sweep (counter-clockwise
// on the picture), chord error at most `tolerance` pixels; both ends included.
std::vector<PointD> SampleArc(const EllipseBox& box, double t0, double sweep, double tolerance);
// SampleArc in two steps, for a caller that keeps the offsets of equal arcs: the number
// of chords, and the count + 1 points' offsets (a cos t, b sin t) from the centre, y
// upwards. The point is (cx + offset.x, cy - offset.y), the same double as SampleArc's.
int ArcChordCount(const EllipseBox& box, double sweep, double tolerance);
void ArcOffsets(double a, double b, double t0, double sweep, int count, std::vector<PointD>& out);

// The canvas font: a sans-serif family that exists on the system, the given pixel size.
QFont MakeFont(const TFont& font, int pixelSize, bool antialias);
int PixelSizeFor(int points, double dpi);

// 0x00BBGGRR <-> 0x00RRGGBB (QRgb without alpha).
constexpr std::uint32_t SwapRB(std::uint32_t c) {
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

}  // namespace viv::canvas_internal
