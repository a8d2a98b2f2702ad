// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/canvas/canvas_common.h"

#include <algorithm>
#include <cmath>

namespace viv::canvas_internal {

bool ClipSegment(PointD a, PointD b, const RectD& r, double& t0, double& t1) {
    t0 = 0.0;
    t1 = 1.0;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - r.left, r.right - a.x, a.y - r.top, r.bottom - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
    }
    return t0 <= t1;
}

namespace {

template <class Inside, class Cross>
std::vector<PointD> ClipAgainst(const std::vector<PointD>& in, Inside inside, Cross cross) {
    std::vector<PointD> out;
    if (in.empty()) return out;
    out.reserve(in.size() + 4);
    PointD prev = in.back();
    bool prevIn = inside(prev);
    for (const PointD& cur : in) {
        const bool curIn = inside(cur);
        if (curIn) {
            if (!prevIn) out.push_back(cross(prev, cur));
            out.push_back(cur);
        } else if (prevIn) {
            out.push_back(cross(prev, cur));
        }
        prev = cur;
        prevIn = curIn;
    }
    return out;
}

PointD CrossX(PointD p, PointD q, double x) {
    const double t = (x - p.x) / (q.x - p.x);
    return {x, p.y + t * (q.y - p.y)};
}
PointD CrossY(PointD p, PointD q, double y) {
    const double t = (y - p.y) / (q.y - p.y);
    return {p.x + t * (q.x - p.x), y};
}

}  // namespace

std::vector<PointD> ClipPolygon(const std::vector<PointD>& polygon, const RectD& r) {
    auto v = ClipAgainst(
        polygon, [&](PointD p) { return p.x >= r.left; },
        [&](PointD p, PointD q) { return CrossX(p, q, r.left); });
    v = ClipAgainst(
        v, [&](PointD p) { return p.x <= r.right; },
        [&](PointD p, PointD q) { return CrossX(p, q, r.right); });
    v = ClipAgainst(
        v, [&](PointD p) { return p.y >= r.top; },
        [&](PointD p, PointD q) { return CrossY(p, q, r.top); });
    v = ClipAgainst(
        v, [&](PointD p) { return p.y <= r.bottom; },
        [&](PointD p, PointD q) { return CrossY(p, q, r.bottom); });
    return v;
}

const DashPattern* DashFor(TPenStyle style) {
    static constexpr DashPattern kDash{{18, 6, 0, 0}, 2, 24};
    static constexpr DashPattern kDot{{3, 3, 0, 0}, 2, 6};
    static constexpr DashPattern kDashDot{{9, 6, 3, 6}, 4, 24};
    switch (style) {
        case psDash:
            return &kDash;
        case psDot:
            return &kDot;
        case psDashDot:
            return &kDashDot;
        default:
            return nullptr;
    }
}

EllipseBox MakeEllipseBox(int x1, int y1, int x2, int y2) {
    EllipseBox e;
    e.x1 = std::min(x1, x2);
    e.x2 = std::max(x1, x2);
    e.y1 = std::min(y1, y2);
    e.y2 = std::max(y1, y2);
    e.empty = e.x1 == e.x2 || e.y1 == e.y2;
    e.cx = (static_cast<double>(e.x1) + static_cast<double>(e.x2) - 1.0) / 2.0;
    e.cy = (static_cast<double>(e.y1) + static_cast<double>(e.y2) - 1.0) / 2.0;
    e.A = (static_cast<double>(e.x2) - static_cast<double>(e.x1)) / 2.0;
    e.B = (static_cast<double>(e.y2) - static_cast<double>(e.y1)) / 2.0;
    e.a = std::max(e.A - 0.5, 0.0);
    e.b = std::max(e.B - 0.5, 0.0);
    return e;
}

double DirectionAngle(double dx, double dyDown) {
    const double y = -dyDown;
    // Along the axes the angle is exact (as atan2 gives it, its signed zeros too) and
    // needs no arctangent: the pixels on a horizontal or vertical ray.
    if (dx == 0.0 && (y > 0.0 || y < 0.0)) return y > 0.0 ? kPi / 2.0 : -kPi / 2.0;
    if (y == 0.0 && (dx > 0.0 || dx < 0.0)) return std::copysign(dx > 0.0 ? 0.0 : kPi, y);
    return std::atan2(y, dx);
}

double AngleRange::Offset(double angle) const {
    double d = std::fmod(angle - start, kTwoPi);
    if (d < 0.0) d += kTwoPi;
    if (d >= kTwoPi) d -= kTwoPi;
    return d;
}

bool AngleRange::Contains(double angle) const {
    if (Full()) return true;
    constexpr double kEps = 1e-9;
    const double d = Offset(angle);
    return d <= sweep + kEps || d >= kTwoPi - kEps;
}

AngleRange ArcRange(const EllipseBox& box, int x3, int y3, int x4, int y4) {
    AngleRange r;
    r.start = DirectionAngle(x3 - box.cx, y3 - box.cy);
    const double end = DirectionAngle(x4 - box.cx, y4 - box.cy);
    double sweep = std::fmod(end - r.start, kTwoPi);
    if (sweep < 0.0) sweep += kTwoPi;
    if (sweep < 1e-12 || sweep > kTwoPi - 1e-12) sweep = kTwoPi;
    r.sweep = sweep;
    return r;
}

double ParamFromDirection(double a, double b, double theta) {
    return ParamFromDirection(a, b, std::cos(theta), std::sin(theta));
}

double ParamFromDirection(double a, double b, double cosTheta, double sinTheta) {
    // (a cos t, b sin t) parallel to (cos theta, sin theta): tan t = (a / b) tan theta.
    const double aa = std::max(a, 1e-9);
    const double bb = std::max(b, 1e-9);
    return std::atan2(aa * sinTheta, bb * cosTheta);
}

PointD EllipsePoint(const EllipseBox& box, double t) {
    return {box.cx + box.a * std::cos(t), box.cy - box.b * std::sin(t)};
}

int ArcChordCount(const EllipseBox& box, double sweep, double tolerance) {
    const double r = std::max({box.a, box.b, 1e-3});
    const double dt = std::sqrt(8.0 * tolerance / r);
    double n = std::ceil(sweep / std::max(dt, 1e-12));
    n = std::max(n, std::ceil(sweep / (kPi / 32.0)));
    n = std::clamp(n, 1.0, static_cast<double>(1 << 18));
    return static_cast<int>(n);
}

void ArcOffsets(double a, double b, double t0, double sweep, int count, std::vector<PointD>& out) {
    out.resize(static_cast<std::size_t>(count) + 1);
    for (int i = 0; i <= count; ++i) {
        const double t = t0 + sweep * i / count;
        out[static_cast<std::size_t>(i)] = {a * std::cos(t), b * std::sin(t)};
    }
}

std::vector<PointD> SampleArc(const EllipseBox& box, double t0, double sweep, double tolerance) {
    std::vector<PointD> points;
    ArcOffsets(box.a, box.b, t0, sweep, ArcChordCount(box, sweep, tolerance), points);
    for (PointD& p : points) p = {box.cx + p.x, box.cy - p.y};
    return points;
}

int PixelSizeFor(int points, double dpi) {
    return std::max(1, static_cast<int>(std::lround(points * dpi / 72.0)));
}

QFont MakeFont(const TFont& font, int pixelSize, bool antialias) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, pixelSize));
    f.setBold(font.Bold);
    if (!antialias) {
        // Two-colour glyphs placed at fractional advances fall unevenly ("Pri mær", "rn"
        // read as "m"); fully hinted glyphs have whole-pixel advances and stay legible.
        // Each glyph is still drawn in a single colour, so a text drawn twice gives the
        // same pixels.
        f.setStyleStrategy(QFont::NoAntialias);
        f.setHintingPreference(QFont::PreferFullHinting);
    }
    return f;
}

}  // namespace viv::canvas_internal
