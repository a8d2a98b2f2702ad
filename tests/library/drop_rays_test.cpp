// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/drop_rays.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "library/canvas/raster_canvas.h"
#include "library/colour_table.h"
#include "library/rainbow_angles.h"
#include "library/trig.h"
#include "recording_canvas.h"

namespace viv {
namespace {

// --- Plane vectors, for checking the traced points by geometry of their own ---

struct Vec {
    double x, y;
};
Vec operator-(WorldPoint a, WorldPoint b) {
    return {a.x - b.x, a.y - b.y};
}
Vec Neg(Vec v) {
    return {-v.x, -v.y};
}
Vec Radial(WorldPoint p) {
    return {p.x, p.y};
}
double Dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y;
}
double Cross(Vec a, Vec b) {
    return a.x * b.y - a.y * b.x;
}
double Length(Vec a) {
    return std::hypot(a.x, a.y);
}
// The unsigned angle between two directions, radians.
double AngleBetween(Vec a, Vec b) {
    return std::atan2(std::fabs(Cross(a, b)), Dot(a, b));
}
double Deg(double radians) {
    return radians * 180.0 / Pi;
}

constexpr Vec Incoming{1, 0};  // sunlight travels in +x

class DropRays : public ::testing::Test {
protected:
    DropRays() {
        map.PictureWidth = 800;
        map.PictureHeight = 600;
        map.UpdateAspect();
        map.SetWorldWindow(-9, 11, -7.5, 7.5);
    }

    DropRayContext Context(int colour = 4, bool marks = false, bool normals = false) {
        return DropRayContext{map, rainbow, colour, 100, 50, marks, normals};
    }

    // Traces a ray without snapping (red is never the controlled ray).
    const std::array<WorldPoint, RayPointCount>& Trace(int bow, int colour, double p) {
        test::RecordingCanvas canvas;
        if (bow == 1)
            DrawPrimaryRay(Context(colour), state, clRed, false, canvas, p);
        else
            DrawSecondaryRay(Context(colour), state, clRed, false, canvas, p);
        return state.RayPoints;
    }

    // The angle between the exit ray and the reversed incoming light, from the drawn points.
    double DrawnDeviation(int bow, int colour, double p) {
        const auto& P = Trace(bow, colour, p);
        const int exit = bow == 1 ? 3 : 4;
        return AngleBetween(P[exit + 1] - P[exit], Neg(Incoming));
    }

    World map;
    RainbowAngles rainbow = ComputeRainbowAngles();
    DropRayState state;
};

std::vector<double> SomeParameters() {
    std::vector<double> ps;
    for (int k = 1; k <= 20; ++k) ps.push_back(0.05 * k - 0.01);
    ps.push_back(1.0);
    return ps;
}

TEST_F(DropRays, SurfacePointsLieOnTheDrop) {
    for (int bow : {1, 2}) {
        for (double p : SomeParameters()) {
            const auto& P = Trace(bow, 4, p);
            const int exit = bow == 1 ? 3 : 4;
            for (int k = 1; k <= exit; ++k)
                EXPECT_NEAR(Length(Radial(P[k])), DropRadius, 1e-12)
                    << "bow " << bow << " p " << p << " P" << k;
            // The incoming ray keeps its height until it meets the drop, on the sunny side.
            EXPECT_DOUBLE_EQ(P[0].y, (bow == 1 ? 1 : -1) * p * DropRadius);
            EXPECT_DOUBLE_EQ(P[1].y, P[0].y);
            EXPECT_LE(P[1].x, 1e-12);  // the grazing ray touches the top
            EXPECT_NEAR(Length(P[exit + 1] - P[exit]), 6.0, 1e-12);
        }
    }
}

TEST_F(DropRays, SnellAtEntryAndExitAndReflectionInside) {
    for (int colour : {1, 4, 8}) {
        const double n = Colour(colour).WaterIndex;
        for (int bow : {1, 2}) {
            const int exit = bow == 1 ? 3 : 4;
            for (double p : SomeParameters()) {
                const auto& P = Trace(bow, colour, p);
                SCOPED_TRACE("colour " + std::to_string(colour) + " bow " + std::to_string(bow) +
                             " p " + std::to_string(p));
                // Entry: refracted towards the inward normal, on the same side of it.
                const Vec inward1 = Neg(Radial(P[1]));
                const Vec refracted = P[2] - P[1];
                EXPECT_NEAR(std::sin(AngleBetween(Incoming, inward1)),
                            n * std::sin(AngleBetween(refracted, inward1)), 1e-9);
                EXPECT_GE(Cross(inward1, Incoming) * Cross(inward1, refracted), -1e-12);
                // Each inner reflection: equal angles on either side of the normal.
                for (int k = 2; k < exit; ++k) {
                    const Vec inward = Neg(Radial(P[k]));
                    const Vec back = P[k - 1] - P[k];
                    const Vec on = P[k + 1] - P[k];
                    EXPECT_NEAR(AngleBetween(back, inward), AngleBetween(on, inward), 1e-9);
                    EXPECT_LE(Cross(inward, back) * Cross(inward, on), 1e-12);
                }
                // Exit: the light leaves the drop (the grazing ray along its surface), bent
                // away from the outward normal.
                const Vec outward = Radial(P[exit]);
                const Vec inside = P[exit] - P[exit - 1];
                const Vec out = P[exit + 1] - P[exit];
                EXPECT_GT(Dot(out, outward), -1e-9);
                EXPECT_NEAR(std::sin(AngleBetween(out, outward)),
                            n * std::sin(AngleBetween(inside, outward)), 1e-9);
            }
        }
    }
}

TEST_F(DropRays, ReadoutDescribesTheDrawnRay) {
    for (int bow : {1, 2}) {
        const int exit = bow == 1 ? 3 : 4;
        for (double p : {0.2, 0.5, 0.73, 0.99}) {
            test::RecordingCanvas canvas;
            const RayReadout r =
                bow == 1 ? DrawPrimaryRay(Context(6), state, clGreen, true, canvas, p)
                         : DrawSecondaryRay(Context(6), state, clGreen, true, canvas, p);
            const auto& P = state.RayPoints;
            const Vec out = P[exit + 1] - P[exit];
            SCOPED_TRACE("bow " + std::to_string(bow) + " p " + std::to_string(p));
            EXPECT_NEAR(std::stod(r.Rows[0]), p, 0.005);
            EXPECT_NEAR(std::stod(r.Rows[1]), Deg(AngleBetween(out, Neg(Incoming))), 0.05 + 1e-9);
            EXPECT_NEAR(std::stod(r.Rows[2]), Deg(AngleBetween(Incoming, Neg(Radial(P[1])))),
                        0.05 + 1e-9);
            EXPECT_NEAR(std::stod(r.Rows[3]), Deg(AngleBetween(P[2] - P[1], Neg(Radial(P[1])))),
                        0.05 + 1e-9);
            EXPECT_EQ(r.Panel1, "p: " + r.Rows[0]);
            EXPECT_EQ(r.Panel2, "v: " + r.Rows[1] + "°");
            // The exit angle points from the drop back along the exit ray.
            const Vec back{std::cos(state.RayExitAngle), std::sin(state.RayExitAngle)};
            EXPECT_NEAR(Dot(back, out) / Length(out), -1.0, 1e-12);
        }
    }
}

TEST_F(DropRays, RainbowRayIsTheExtremeDeviation) {
    for (int colour : {1, 5, 8}) {
        double best = 0, bestP = 0;     // primary: the largest deviation
        double least = 10, leastP = 0;  // secondary: the smallest
        for (int k = 1; k <= 2000; ++k) {
            const double p = k / 2000.0;
            const double v1 = DrawnDeviation(1, colour, p);
            if (v1 > best) best = v1, bestP = p;
            const double v2 = DrawnDeviation(2, colour, p);
            if (v2 < least) least = v2, leastP = p;
        }
        const auto c = static_cast<std::size_t>(colour);
        EXPECT_NEAR(Deg(best), rainbow.PrimaryBowAngle[c], 0.001) << colour;
        EXPECT_NEAR(bestP, rainbow.PrimaryBowParameter[c], 0.002) << colour;
        EXPECT_NEAR(Deg(least), rainbow.SecondaryBowAngle[c], 0.001) << colour;
        EXPECT_NEAR(leastP, rainbow.SecondaryBowParameter[c], 0.002) << colour;
    }
}

TEST_F(DropRays, GreenRaySnapsOntoTheRainbowRayWithinHalfAStep) {
    test::RecordingCanvas canvas;
    const RayReadout r = DrawPrimaryRay(Context(4), state, clGreen, true, canvas, 0.86);
    EXPECT_NEAR(state.RayPoints[0].y / DropRadius, 0.86032, 5e-6);
    EXPECT_DOUBLE_EQ(state.RayPoints[0].y / DropRadius, rainbow.PrimaryBowParameter[4]);
    EXPECT_EQ(r.Rows[0], "0.86");
    EXPECT_EQ(r.Rows[1], " 41.9");
    EXPECT_EQ(r.Panel1, "p: 0.86");
    EXPECT_EQ(r.Panel2, "v:  41.9°");

    // Another colour's ray, or a green one more than half a step away, is left alone.
    DrawPrimaryRay(Context(4), state, clRed, false, canvas, 0.86);
    EXPECT_DOUBLE_EQ(state.RayPoints[0].y, 0.86 * DropRadius);
    const double q = rainbow.PrimaryBowParameter[4];
    DrawPrimaryRay(Context(4), state, clGreen, false, canvas, q + 0.0051);
    EXPECT_DOUBLE_EQ(state.RayPoints[0].y, (q + 0.0051) * DropRadius);

    // The secondary ray snaps onto the secondary rainbow ray.
    DrawSecondaryRay(Context(5), state, clGreen, false, canvas, 0.95);
    EXPECT_NEAR(-state.RayPoints[0].y / DropRadius, 0.95020, 5e-6);
    // The half step follows the control's range.
    EXPECT_DOUBLE_EQ(SnapToRainbowRay(clGreen, 0.5, 0.5004, 1000), 0.5004);
    EXPECT_DOUBLE_EQ(SnapToRainbowRay(clGreen, 0.5, 0.5006, 1000), 0.5);
}

TEST_F(DropRays, CentralAndGrazingRays) {
    test::RecordingCanvas canvas;
    RayReadout r = DrawPrimaryRay(Context(4), state, clGreen, true, canvas, 0);
    EXPECT_EQ(r.Rows[1], "  0.0");
    EXPECT_EQ(r.Rows[2], "   0.0");
    // Along the axis to the rear of the drop and straight back: no exit arrow.
    const auto lines = canvas.Of("polyline");
    ASSERT_EQ(lines.size(), 2u);  // the incoming arrow head and the path
    EXPECT_EQ(lines[1].points,
              (std::vector<TPoint>{map.Picture(-9, 0), map.Picture(-3, 0), map.Picture(3, 0)}));
    EXPECT_NEAR(std::cos(state.RayExitAngle), 1.0, 1e-12);  // seen straight away from the sun

    r = DrawPrimaryRay(Context(4), state, clGreen, true, canvas, 1);
    EXPECT_EQ(r.Rows[2], "  90.0");
    EXPECT_EQ(r.Rows[0], "1.00");

    r = DrawSecondaryRay(Context(4), state, clGreen, true, canvas, 0);
    EXPECT_EQ(r.Rows[1], "180.0");  // straight on through the drop
}

TEST_F(DropRays, SilverRaysHaveNoArrowHeads) {
    for (int bow : {1, 2}) {
        test::RecordingCanvas silver, green;
        const auto draw = [&](TCanvas& canvas, TColor colour) {
            if (bow == 1)
                DrawPrimaryRay(Context(), state, colour, false, canvas, 0.6);
            else
                DrawSecondaryRay(Context(), state, colour, false, canvas, 0.6);
        };
        draw(silver, clSilver);
        draw(green, clGreen);
        EXPECT_EQ(silver.Of("polyline").size(), 1u) << bow;
        EXPECT_EQ(green.Of("polyline").size(), 3u) << bow;
        for (const auto& f : silver.figures) EXPECT_EQ(f.pen.Mode, pmNotXor);
    }
}

TEST_F(DropRays, LabelsAndMarksOnlyForTheRayWithDetails) {
    for (int bow : {1, 2}) {
        test::RecordingCanvas plain, detailed;
        const DropRayContext all = Context(4, true, true);
        if (bow == 1) {
            EXPECT_TRUE(DrawPrimaryRay(all, state, clSilver, false, plain, 0.6).Rows[0].empty());
            DrawPrimaryRay(all, state, clGreen, true, detailed, 0.6);
        } else {
            EXPECT_TRUE(DrawSecondaryRay(all, state, clSilver, false, plain, 0.6).Rows[0].empty());
            DrawSecondaryRay(all, state, clGreen, true, detailed, 0.6);
        }
        EXPECT_EQ(plain.figures.size(), 1u);
        const auto has = [](const test::RecordingCanvas& c, TColor colour) {
            return std::ranges::any_of(c.figures,
                                       [&](const auto& f) { return f.pen.Color == colour; });
        };
        EXPECT_TRUE(has(detailed, RayNormalColour)) << bow;
        EXPECT_TRUE(has(detailed, RayConstructionColour)) << bow;
        // The bends at every surface point.
        EXPECT_EQ(detailed.Of("arc").size(), bow == 1 ? 3u : 4u) << bow;
        EXPECT_EQ(detailed.Pen.Style, psSolid);
    }
}

TEST_F(DropRays, DrawingARayTwiceLeavesNoTrace) {
    RasterCanvas canvas(800, 600);
    const QImage white = canvas.Image().copy();
    for (double p : {0.0, 0.3, 0.86, 1.0}) {
        for (int bow : {1, 2}) {
            const DropRayContext all = Context(4, true, true);
            for (int twice = 0; twice < 2; ++twice) {
                if (bow == 1)
                    DrawPrimaryRay(all, state, clGreen, true, canvas, p);
                else
                    DrawSecondaryRay(all, state, clGreen, true, canvas, p);
            }
            EXPECT_TRUE(canvas.Image() == white) << "bow " << bow << " p " << p;
        }
    }
    canvas.Pen.Mode = pmNotXor;
    for (int twice = 0; twice < 4; ++twice) {
        DrawPrimaryRaySplit(Context(4, true, true), state, clGreen, true, canvas,
                            twice < 2 ? 0.4 : 0.0);
        DrawSecondaryRaySplit(Context(4, true, true), state, clGreen, true, canvas, 0.4);
    }
    EXPECT_TRUE(canvas.Image() == white);
}

TEST_F(DropRays, SplitPartialRaysObeyReflectionAndRefraction) {
    test::RecordingCanvas canvas;
    const double n = Colour(4).WaterIndex;
    const auto reflects = [](Vec in, Vec normal, Vec out) {
        // Angle of incidence equals angle of reflection, on the other side of the normal.
        EXPECT_NEAR(AngleBetween(Neg(in), normal), AngleBetween(out, normal), 1e-9);
        EXPECT_LE(Cross(normal, Neg(in)) * Cross(normal, out), 1e-12);
    };
    const auto refractsOut = [n](Vec in, Vec outward, Vec out) {
        EXPECT_NEAR(std::sin(AngleBetween(out, outward)), n * std::sin(AngleBetween(in, outward)),
                    1e-9);
    };
    for (double p : {0.3, 0.7, 0.95}) {
        RayReadout r = DrawPrimaryRaySplit(Context(), state, clGreen, true, canvas, p);
        auto P = state.RayPoints;
        reflects(Incoming, Radial(P[1]), P[5] - P[1]);
        refractsOut(P[2] - P[1], Radial(P[2]), P[6] - P[2]);
        reflects(P[3] - P[2], Neg(Radial(P[3])), P[7] - P[3]);
        for (int k : {5, 6, 7}) EXPECT_NEAR(Length(P[k] - P[k - 4]), 2.0, 1e-12);
        EXPECT_NEAR(Length(P[4] - P[3]), 6.0, 1e-12);
        EXPECT_NEAR(std::stod(r.Rows[0]), Deg(AngleBetween(P[4] - P[3], Neg(Incoming))),
                    0.05 + 1e-9);
        EXPECT_TRUE(r.Rows[1].empty());

        r = DrawSecondaryRaySplit(Context(), state, clGreen, true, canvas, p);
        P = state.RayPoints;
        reflects(Incoming, Radial(P[1]), P[6] - P[1]);
        refractsOut(P[2] - P[1], Radial(P[2]), P[7] - P[2]);
        refractsOut(P[3] - P[2], Radial(P[3]), P[8] - P[3]);
        reflects(P[4] - P[3], Neg(Radial(P[4])), P[9] - P[4]);
        EXPECT_NEAR(std::stod(r.Rows[0]), Deg(AngleBetween(P[5] - P[4], Neg(Incoming))),
                    0.05 + 1e-9);
    }
    EXPECT_DOUBLE_EQ(state.ExitRayLength, 6.0);
}

TEST_F(DropRays, CachedPathFollowsTheTracedRay) {
    const double p = 0.7;
    const double n = Colour(4).WaterIndex;
    const double i = std::asin(p), b = std::asin(p / n);
    test::RecordingCanvas traced, cached;
    DrawPrimaryRay(Context(), state, clRed, false, traced, p);
    RayPathCache xs{}, ys{};
    DrawPrimaryRayPath(map, state, true, xs, ys, p, i, b, std::cos(i), cached);
    ASSERT_EQ(cached.Of("polyline").size(), 3u);
    EXPECT_EQ(cached.Of("polyline")[1].points, traced.Of("polyline")[2].points);
    // Drawn again from the cache with other angles, the old path comes back exactly.
    test::RecordingCanvas again;
    DrawPrimaryRayPath(map, state, false, xs, ys, p, 0.1, 0.1, std::cos(i), again);
    EXPECT_EQ(again.Of("polyline")[1].points, traced.Of("polyline")[2].points);
    EXPECT_EQ(again.Of("polyline")[1].pen.Color, clGreen);
}

}  // namespace
}  // namespace viv
