// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Shared checks of the colour simulations: where a world point lies, the pixel there,
// and a started program with a colour simulation chosen.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/scene.h"
#include "library/canvas.h"
#include "library/world.h"
#include "test_host.h"

namespace viv::test {

constexpr double kPi = 3.14159265358979323846;

// Inside the pie of the circle about c with radius r, counter-clockwise from the
// direction towards s to the direction towards e.
inline bool InPie(WorldPoint p, WorldPoint c, double r, WorldPoint s, WorldPoint e) {
    const double dx = p.x - c.x, dy = p.y - c.y;
    if (dx * dx + dy * dy >= r * r) return false;
    const auto angle = [&](double x, double y) {
        const double a = std::atan2(y, x);
        return a < 0 ? a + 2 * kPi : a;
    };
    const double from = angle(s.x - c.x, s.y - c.y);
    double to = angle(e.x - c.x, e.y - c.y) - from;
    double at = angle(dx, dy) - from;
    if (to < 0) to += 2 * kPi;
    if (at < 0) at += 2 * kPi;
    return at < to;
}

// Inside a convex polygon given in either orientation.
inline bool InConvex(WorldPoint p, const std::vector<WorldPoint>& corners) {
    int sign = 0;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const WorldPoint a = corners[i], b = corners[(i + 1) % corners.size()];
        const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
        const int s = cross > 0 ? 1 : -1;
        if (sign == 0) sign = s;
        if (s != sign) return false;
    }
    return true;
}

// The world point at the middle of picture pixel (x, y).
inline WorldPoint WorldOf(const World& w, int x, int y) {
    return {w.MapXMin + (x + 0.5) / w.MapScaleX, w.MapYMax - (y + 0.5) / w.MapScaleY};
}

// The answer of `inside` at p when it is the same all round p within `pixels` pixels;
// none where p lies on an edge.
inline std::optional<bool> Steadily(const World& w, WorldPoint p, double pixels,
                                    const std::function<bool(WorldPoint)>& inside) {
    const bool here = inside(p);
    const double dx = pixels / w.MapScaleX, dy = pixels / w.MapScaleY;
    for (int i = -1; i <= 1; ++i)
        for (int j = -1; j <= 1; ++j)
            if (inside({p.x + i * dx, p.y + j * dy}) != here) return std::nullopt;
    return here;
}

inline std::string Rgb(TColor c) {
    return "(" + std::to_string(RedOf(c)) + ", " + std::to_string(GreenOf(c)) + ", " +
           std::to_string(BlueOf(c)) + ")";
}

// A started program showing colour simulation n, and the picture's pixels in world units.
class ColourFixture : public ::testing::Test {
protected:
    explicit ColourFixture(std::uint16_t n) { app.MenuEntry(n); }

    const QImage& Picture() { return started.picture().Image(); }
    QImage Redrawn() {
        app.RedrawPicture();
        return Picture().copy();
    }
    TColor At(double x, double y) {
        return started.picture().GetPixel(app.Map.PictureX(x), app.Map.PictureY(y));
    }
    // The scroll bars as levels: 255 at the top.
    void SetLevels(int l1, int l2, int l3) {
        app.ControlChange(Control::ScrollBar1, 255 - l1);
        app.ControlChange(Control::ScrollBar2, 255 - l2);
        app.ControlChange(Control::ScrollBar3, 255 - l3);
    }

    StartedApp started;
    App& app = started.app;
    Scene scene{app};
};

}  // namespace viv::test
