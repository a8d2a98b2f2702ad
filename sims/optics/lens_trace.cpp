// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/optics/lens_trace.h"

#include <cmath>

namespace viv {

namespace {

constexpr double Tiny = 1e-9;             // world units: a crossing this close is the start itself
constexpr int FaceSegments = 48;          // straight pieces of a drawn curved face
constexpr double ParaxialHeight = 0.001;  // world units above the axis

void AppendDistinct(std::vector<WorldPoint>& points, WorldPoint p) {
    if (!points.empty() && points.back().x == p.x && points.back().y == p.y) return;
    points.push_back(p);
}

}  // namespace

double FaceSag(double r) {
    return r - std::sqrt(r * r - LensRimSquared);
}

LensFace ConvexLeftFace(double rim, double r) {
    return {false, rim + std::sqrt(r * r - LensRimSquared), r, false};
}

LensFace ConvexRightFace(double rim, double r) {
    return {false, rim - std::sqrt(r * r - LensRimSquared), r, true};
}

LensFace ConcaveLeftFace(double rim, double r) {
    return {false, rim - std::sqrt(r * r - LensRimSquared), r, true};
}

LensFace ConcaveRightFace(double rim, double r) {
    return {false, rim + std::sqrt(r * r - LensRimSquared), r, false};
}

LensFace PlaneFace(double x) {
    return {true, x, 0, false};
}

double FaceX(const LensFace& face, double y) {
    if (face.Plane) return face.X;
    const double half = std::sqrt(std::max(0.0, face.R * face.R - y * y));
    return face.Far ? face.X + half : face.X - half;
}

TracedRay::TracedRay(WorldPoint start, double dx, double dy) {
    const double length = std::hypot(dx, dy);
    Points.push_back(start);
    Dx = dx / length;
    Dy = dy / length;
}

namespace {

// Where the ray from its last point first meets the face within `rim` of the axis, and
// the face's unit normal there (pointing to +x for a plane, away from the centre for a
// circle).
bool MeetFace(const TracedRay& ray, const LensFace& face, double rim, WorldPoint& hit, double& nx,
              double& ny) {
    const WorldPoint p = ray.Last();
    double t = -1;
    nx = 1;
    ny = 0;
    if (face.Plane) {
        if (ray.Dx == 0) return false;
        t = (face.X - p.x) / ray.Dx;
        if (!(t > Tiny)) return false;
    } else {
        // |p + t d - c|^2 = R^2 with |d| = 1: t^2 + 2 b t + q = 0.
        const double ux = p.x - face.X, uy = p.y;
        const double b = ray.Dx * ux + ray.Dy * uy;
        const double q = ux * ux + uy * uy - face.R * face.R;
        const double disc = b * b - q;
        if (disc < 0) return false;
        const double root = std::sqrt(disc);
        for (const double candidate : {-b - root, -b + root}) {
            if (!(candidate > Tiny)) continue;
            const double x = p.x + candidate * ray.Dx;
            // The near face is the circle's left half, the far face its right half.
            if ((x >= face.X) == face.Far) {
                t = candidate;
                break;
            }
        }
        if (t < 0) return false;
        nx = (p.x + t * ray.Dx - face.X) / face.R;
        ny = (p.y + t * ray.Dy) / face.R;
    }
    hit = {p.x + t * ray.Dx, p.y + t * ray.Dy};
    return std::abs(hit.y) <= rim;
}

}  // namespace

bool RefractAt(TracedRay& ray, const LensFace& face, double n1, double n2, double rim) {
    WorldPoint hit;
    double nx = 0, ny = 0;
    if (!MeetFace(ray, face, rim, hit, nx, ny)) return false;
    // Snell's law in vector form, with the normal turned against the ray.
    double cosI = -(nx * ray.Dx + ny * ray.Dy);
    if (cosI < 0) {
        nx = -nx;
        ny = -ny;
        cosI = -cosI;
    }
    const double eta = n1 / n2;
    const double k = 1 - eta * eta * (1 - cosI * cosI);
    if (k < 0) return false;
    const double a = eta * cosI - std::sqrt(k);
    const double dx = eta * ray.Dx + a * nx, dy = eta * ray.Dy + a * ny;
    const double length = std::hypot(dx, dy);
    ray.Points.push_back(hit);
    ray.Dx = dx / length;
    ray.Dy = dy / length;
    return true;
}

bool ReflectAt(TracedRay& ray, const LensFace& face, double rim) {
    WorldPoint hit;
    double nx = 0, ny = 0;
    if (!MeetFace(ray, face, rim, hit, nx, ny)) return false;
    Reflect(ray, nx, ny);
    ray.Points.push_back(hit);
    return true;
}

void Reflect(TracedRay& ray, double nx, double ny) {
    const double length = std::hypot(nx, ny);
    nx /= length;
    ny /= length;
    const double dot = ray.Dx * nx + ray.Dy * ny;
    ray.Dx -= 2 * dot * nx;
    ray.Dy -= 2 * dot * ny;
}

std::optional<TracedRay> TraceThrough(TracedRay ray, std::span<const Interface> faces, double rim) {
    double n = 1;
    for (const Interface& step : faces) {
        if (!RefractAt(ray, step.Face, n, step.IndexBehind, rim)) return std::nullopt;
        n = step.IndexBehind;
    }
    return ray;
}

std::optional<double> AxisCrossing(const TracedRay& ray) {
    if (std::abs(ray.Dy) < 1e-15) return std::nullopt;
    const WorldPoint p = ray.Last();
    return p.x - p.y / ray.Dy * ray.Dx;
}

std::optional<double> ParaxialFocus(std::span<const Interface> faces, double startX) {
    const auto data = ParaxialFocalData(faces, startX);
    if (!data) return std::nullopt;
    return data->FocalPoint;
}

std::optional<ParaxialFocusing> ParaxialFocalData(std::span<const Interface> faces, double startX) {
    const auto traced = TraceThrough(TracedRay({startX, ParaxialHeight}, 1, 0), faces);
    if (!traced) return std::nullopt;
    const auto crossing = AxisCrossing(*traced);
    if (!crossing) return std::nullopt;
    return ParaxialFocusing{*crossing, -ParaxialHeight * traced->Dx / traced->Dy};
}

void AppendFace(std::vector<WorldPoint>& points, const LensFace& face, bool upwards) {
    const int steps = face.Plane ? 1 : FaceSegments;
    for (int k = 0; k <= steps; ++k) {
        const double y = LensRimHeight * (upwards ? -1 + 2.0 * k / steps : 1 - 2.0 * k / steps);
        AppendDistinct(points, {FaceX(face, y), y});
    }
}

std::vector<WorldPoint> LensOutline(const LensFace& left, const LensFace& right) {
    std::vector<WorldPoint> points;
    AppendFace(points, left, true);
    std::vector<WorldPoint> back;
    AppendFace(back, right, false);
    for (const WorldPoint& p : back) AppendDistinct(points, p);
    AppendDistinct(points, points.front());
    return points;
}

}  // namespace viv
