// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/optics/optics_figures.h"

#include <algorithm>
#include <cmath>

namespace viv {

namespace {

constexpr double ArcStep = 0.017453292519943295;  // one degree, radians

TPoint Pixel(const World& map, WorldPoint p) {
    return map.Picture(p.x, p.y);
}

}  // namespace

void SetupFullHeightWorld(World& map, std::uint16_t axisMode, bool clearFirst, TCanvas& canvas,
                          double xMin, double xMax) {
    map.PictureMarginX = 0;
    map.PictureMarginY = 0;
    SetupWorld(map, axisMode, clearFirst, canvas, xMin, xMax, -map.AspectHeight, map.AspectHeight);
}

WorldBox WindowOf(const World& map) {
    return {map.WorldXMin, map.WorldXMax, map.WorldYMin, map.WorldYMax};
}

bool ClipToBox(WorldPoint& a, WorldPoint& b, const WorldBox& box) {
    // Liang-Barsky: the part 0 <= t0 <= t <= t1 <= 1 of a + t (b - a) inside the box.
    const double dx = b.x - a.x, dy = b.y - a.y;
    double t0 = 0, t1 = 1;
    const auto edge = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double t = q / p;
        if (p < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
        return true;
    };
    if (!(edge(-dx, a.x - box.XMin) && edge(dx, box.XMax - a.x) && edge(-dy, a.y - box.YMin) &&
          edge(dy, box.YMax - a.y)))
        return false;
    const WorldPoint from = a;
    if (t1 < 1) b = {from.x + t1 * dx, from.y + t1 * dy};
    if (t0 > 0) a = {from.x + t0 * dx, from.y + t0 * dy};
    return true;
}

WorldPoint ExitPoint(WorldPoint from, WorldPoint through, const WorldBox& box) {
    const double dx = through.x - from.x, dy = through.y - from.y;
    double t = HUGE_VAL;
    if (dx > 0) t = std::min(t, (box.XMax - from.x) / dx);
    if (dx < 0) t = std::min(t, (box.XMin - from.x) / dx);
    if (dy > 0) t = std::min(t, (box.YMax - from.y) / dy);
    if (dy < 0) t = std::min(t, (box.YMin - from.y) / dy);
    if (!std::isfinite(t) || t < 0) return from;
    return {from.x + t * dx, from.y + t * dy};
}

WorldPoint PointAtX(WorldPoint p, WorldPoint q, double x) {
    return {x, p.y + (x - p.x) * (q.y - p.y) / (q.x - p.x)};
}

bool CrossingOf(WorldPoint p, double alpha, WorldPoint q, double beta, WorldPoint& crossing) {
    const double ux = std::cos(alpha), uy = std::sin(alpha);
    const double vx = std::cos(beta), vy = std::sin(beta);
    const double det = ux * vy - uy * vx;  // sin(beta - alpha)
    if (std::abs(det) < 1e-12) return false;
    const double s = ((q.x - p.x) * vy - (q.y - p.y) * vx) / det;
    crossing = {p.x + s * ux, p.y + s * uy};
    return true;
}

void DrawSegment(const World& map, TCanvas& canvas, WorldPoint from, WorldPoint to) {
    canvas.MoveTo(map.PictureX(from.x), map.PictureY(from.y));
    canvas.LineTo(map.PictureX(to.x), map.PictureY(to.y));
}

void DrawClippedSegment(const World& map, TCanvas& canvas, WorldPoint from, WorldPoint to,
                        const WorldBox& box) {
    if (ClipToBox(from, to, box)) DrawSegment(map, canvas, from, to);
}

void DrawPath(const World& map, TCanvas& canvas, std::span<const WorldPoint> points) {
    std::vector<TPoint> pixels;
    pixels.reserve(points.size());
    for (const WorldPoint& p : points) pixels.push_back(Pixel(map, p));
    canvas.Polyline(pixels);
}

void DrawPath(const World& map, TCanvas& canvas, std::initializer_list<WorldPoint> points) {
    DrawPath(map, canvas, std::span<const WorldPoint>(points.begin(), points.size()));
}

void DrawClippedPath(const World& map, TCanvas& canvas, std::span<const WorldPoint> points,
                     const WorldBox& box) {
    std::vector<TPoint> piece;
    const auto flush = [&] {
        if (piece.size() >= 2) canvas.Polyline(piece);
        piece.clear();
    };
    for (std::size_t k = 0; k + 1 < points.size(); ++k) {
        WorldPoint a = points[k], b = points[k + 1];
        if (!ClipToBox(a, b, box)) {
            flush();
            continue;
        }
        const bool continues = !piece.empty() && a.x == points[k].x && a.y == points[k].y;
        if (!continues) {
            flush();
            piece.push_back(Pixel(map, a));
        }
        piece.push_back(Pixel(map, b));
        if (b.x != points[k + 1].x || b.y != points[k + 1].y) flush();
    }
    flush();
}

void DrawClippedPath(const World& map, TCanvas& canvas, std::initializer_list<WorldPoint> points,
                     const WorldBox& box) {
    DrawClippedPath(map, canvas, std::span<const WorldPoint>(points.begin(), points.size()), box);
}

void AppendArc(std::vector<WorldPoint>& points, WorldPoint centre, double r, double from,
               double to) {
    const int steps = std::max(4, static_cast<int>(std::ceil(std::abs(to - from) / ArcStep)));
    for (int k = 0; k <= steps; ++k) {
        const double t = from + (to - from) * k / steps;
        points.push_back({centre.x + r * std::cos(t), centre.y + r * std::sin(t)});
    }
}

void DrawArrow(const World& map, TCanvas& canvas, double x, double height) {
    const double s = 0.1 * height;
    // The shaft leaves out the tip, which the head draws, so that no pixel is combined
    // twice.
    DrawSegment(map, canvas, {x, 0}, {x, height});
    DrawPath(map, canvas, {{x - s, height - s}, {x, height}, {x + s, height - s}});
}

OpticalImage ThinLensImage(double a, double f, double G) {
    OpticalImage image;
    if (a + f == 0 || a == 0) return image;
    image.Exists = true;
    image.b = 1 / (1 / a + 1 / f);
    image.B = G / a * image.b;
    return image;
}

OpticalImage MirrorImage(double a, double xF, double G) {
    OpticalImage image;
    const double focalSlope = G / xF;   // the parallel ray after reflection, negated
    const double vertexSlope = -G / a;  // the ray reflected at the vertex
    if (a == 0 || xF == 0 || vertexSlope + focalSlope == 0) return image;
    image.Exists = true;
    image.b = G / (vertexSlope + focalSlope);
    image.B = vertexSlope * image.b;
    return image;
}

double ObjectPosition(int position) {
    if (position >= 150) return 142.0 - position;
    // -0.5 - 0.05 position, exactly: the focal point of the lens (position 30) is -2.
    return -(10.0 + position) / 20.0;
}

}  // namespace viv
