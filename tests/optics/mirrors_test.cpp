// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/optics/mirrors.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "optics/optics_checks.h"
#include "picture_checks.h"
#include "sims/simulations.h"
#include "test_host.h"

namespace viv {
namespace {

// The law of reflection at the ray's last point for a mirror with the normal (nx, ny)
// there: the angles to the normal are equal and the ray is turned back.
void ExpectReflection(const TracedRay& ray, double nx, double ny) {
    ASSERT_EQ(ray.Points.size(), 2u);
    const WorldPoint a = ray.Points[0], p = ray.Points[1];
    const double l = std::hypot(nx, ny);
    nx /= l;
    ny /= l;
    double ix = p.x - a.x, iy = p.y - a.y;
    const double li = std::hypot(ix, iy);
    ix /= li;
    iy /= li;
    const double cosIn = ix * nx + iy * ny, cosOut = ray.Dx * nx + ray.Dy * ny;
    EXPECT_NEAR(cosOut, -cosIn, 1e-12);
    // The tangential part is kept.
    EXPECT_NEAR(ix * ny - iy * nx, ray.Dx * ny - ray.Dy * nx, 1e-12);
}

double AxisCrossingOf(const TracedRay& ray) {
    return *AxisCrossing(ray);
}

class MirrorSimulation : public test::OpticsFixture<::testing::Test> {
protected:
    void SetAngle(int degrees) { app.ControlChange(Control::ScrollBar1, degrees + 30); }
};

TEST_F(MirrorSimulation, ConcaveMirrorTableAndPanels) {
    app.MenuEntry(27);
    test::ExpectCells(app, {{0, 0, "Hulspejlet"}, {1, 1, "5.0"}, {1, 2, "2.5"}, {1, 3, "0"}});
    test::ExpectPanels(app, "r=5.0", "f=2.5", "v=0°");
    app.ControlChange(Control::TrackBar2, 7);
    SetAngle(-13);
    EXPECT_EQ(Cell(1, 1), "20.0");
    EXPECT_EQ(Cell(1, 2), "10.0");
    EXPECT_EQ(app.Window.Panel3, "v=-13°");
    // Convex, the focal point virtual behind the mirror: a negative focal length, as in
    // the image simulations.
    app.FKeyClick(FKey::F6);
    EXPECT_EQ(Cell(1, 2), "-10.0");
    EXPECT_EQ(app.Window.Panel2, "f=-10.0");
    EXPECT_EQ(Cell(1, 1), "20.0");
    ExpectNoNan();
}

// Spherical aberration: the farther from the axis, the closer to the mirror the
// reflected ray crosses it; all inside the paraxial focus at -r/2.
TEST_F(MirrorSimulation, OuterRaysCrossTheAxisNearerTheMirror) {
    double previous = -2.5;
    for (double c : {0.5, 1.0, 1.5, 2.0}) {
        const auto ray = ReflectedAtSphere(c, 0, 5, false);
        ASSERT_TRUE(ray.has_value()) << c;
        const double x = AxisCrossingOf(*ray);
        EXPECT_GT(x, previous) << c;
        EXPECT_LT(x, 0);
        previous = x;
    }
    EXPECT_NEAR(AxisCrossingOf(*ReflectedAtSphere(0.01, 0, 5, false)), -2.5, 1e-4);
    // The rays at 2.5 pass the mirror's rim.
    EXPECT_FALSE(ReflectedAtSphere(2.5, 0, 5, false).has_value());
    // Convex: the reflected rays seem to come from behind the mirror, near +r/2.
    const double x = AxisCrossingOf(*ReflectedAtSphere(0.5, 0, 5, true));
    EXPECT_GT(x, 2.3);
    EXPECT_LT(x, 2.5);
}

TEST_F(MirrorSimulation, LawOfReflectionOnBothMirrors) {
    for (bool convex : {false, true})
        for (double r : {5.0, 12.5, 27.5})
            for (int angle : {-30, -5, 0, 20, 30})
                for (double c = -2.5; c <= 2.5; c += 0.5) {
                    const auto ray = ReflectedAtSphere(c, angle, r, convex);
                    if (!ray) continue;
                    const WorldPoint p = ray->Points[1];
                    const double cx = convex ? r : -r;
                    EXPECT_NEAR(std::hypot(p.x - cx, p.y), r, 1e-9);
                    EXPECT_LE(std::abs(p.y), LensRimHeight);
                    // Between the vertex and the rim's plane.
                    EXPECT_LE(std::abs(p.x), 1e-12 + (r - std::sqrt(r * r - 4.75)));
                    EXPECT_LE(convex ? -p.x : p.x, 1e-12);
                    ExpectReflection(*ray, p.x - cx, p.y);
                }
    for (int f = 1; f <= 10; ++f)
        for (int angle : {-30, -3, 0, 11, 30})
            for (double c = -3; c <= 3; c += 0.5) {
                const auto ray = ReflectedAtParabola(c, angle, f);
                if (!ray) continue;
                const WorldPoint p = ray->Points[1];
                const double A = 1.0 / (4 * f);
                EXPECT_NEAR(p.x, -A * p.y * p.y, 1e-9);
                ExpectReflection(*ray, 1, 2 * A * p.y);
            }
}

// The distance of the point q from the reflected ray's line.
double DistanceFromRay(const TracedRay& ray, WorldPoint q) {
    const WorldPoint p = ray.Last();
    return std::abs((q.x - p.x) * ray.Dy - (q.y - p.y) * ray.Dx);
}

TEST_F(MirrorSimulation, ParabolaFocusesOnlyTheAxialBeam) {
    for (int f = 1; f <= 10; ++f) {
        int rays = 0;
        for (double c = -3; c <= 3; c += 0.5) {
            const auto ray = ReflectedAtParabola(c, 0, f);
            if (!ray) continue;
            ++rays;
            EXPECT_NEAR(DistanceFromRay(*ray, {-static_cast<double>(f), 0}), 0, 1e-9)
                << f << " " << c;
        }
        EXPECT_EQ(rays, 13);
    }
    // Tilted: the crossings of neighbouring rays scatter over more than a tenth.
    for (int angle : {-10, 5, 20}) {
        std::vector<WorldPoint> crossings;
        std::optional<TracedRay> previous;
        for (double c = -2; c <= 2; c += 0.5) {
            const auto ray = ReflectedAtParabola(c, angle, 4);
            ASSERT_TRUE(ray.has_value());
            if (previous) {
                const WorldPoint p = previous->Last(), q = ray->Last();
                const double det = previous->Dx * ray->Dy - previous->Dy * ray->Dx;
                const double s = ((q.x - p.x) * ray->Dy - (q.y - p.y) * ray->Dx) / det;
                crossings.push_back({p.x + s * previous->Dx, p.y + s * previous->Dy});
            }
            previous = ray;
        }
        double spread = 0;
        for (const WorldPoint& a : crossings)
            for (const WorldPoint& b : crossings)
                spread = std::max(spread, std::hypot(a.x - b.x, a.y - b.y));
        EXPECT_GT(spread, 0.1) << angle;
    }
}

TEST_F(MirrorSimulation, ParabolaTableAndPicture) {
    app.MenuEntry(29);
    test::ExpectCells(app, {{0, 0, "Parabol"}, {1, 1, "0.125"}, {1, 2, "2.00"}, {1, 3, "0.0"}});
    test::ExpectPanels(app, "A=0.125", "f=2.00", "v=0.0°");
    // The mirror near its vertex, and nothing behind it.
    const int row = app.Map.PictureY(0.25);
    EXPECT_EQ(started.picture().GetPixel(app.Map.PictureX(-0.125 * 0.25 * 0.25), row), clBlack);
    EXPECT_EQ(started.picture().GetPixel(app.Map.PictureX(0.5), app.Map.PictureY(2.75)), clWhite);
    app.ControlChange(Control::TrackBar2, 8);
    SetAngle(25);
    test::ExpectCells(app, {{1, 1, "0.031"}, {1, 2, "8.00"}, {1, 3, "25.0"}});
    ExpectNoNan();
}

TEST_F(MirrorSimulation, TogglesTwiceLeaveThePicture) {
    app.MenuEntry(27);
    SetAngle(8);
    test::ExpectTogglesTwiceRestore(started, {FKey::F2, FKey::F3, FKey::F6}, "mirror");
    app.MenuEntry(29);
    test::ExpectTogglesTwiceRestore(started, {FKey::F2}, "parabola");
}

TEST_F(MirrorSimulation, RandomUseMatchesAFullRedraw) {
    app.MenuEntry(27);
    test::ExpectRandomUseMatchesRedraw(started, 2727, {Control::ScrollBar1, Control::TrackBar2},
                                       {FKey::F2, FKey::F3, FKey::F6}, "mirror");
    app.MenuEntry(29);
    test::ExpectRandomUseMatchesRedraw(started, 2929, {Control::ScrollBar1, Control::TrackBar2},
                                       {FKey::F2}, "parabola");
}

}  // namespace
}  // namespace viv
