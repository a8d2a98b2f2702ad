// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/optics/optics_figures.h"

#include <gtest/gtest.h>

#include <cmath>

#include "recording_canvas.h"

namespace viv {
namespace {

constexpr WorldBox Box{-10, 10, -5, 5};

TEST(OpticsGeometry, ClippingKeepsTheLineAndCutsAtTheEdges) {
    WorldPoint a{-58, 2}, b{0, 2};  // from far left to the lens
    ASSERT_TRUE(ClipToBox(a, b, Box));
    EXPECT_DOUBLE_EQ(a.x, -10);
    EXPECT_DOUBLE_EQ(a.y, 2);
    EXPECT_DOUBLE_EQ(b.x, 0);

    WorldPoint c{0, 0}, d{20, 20};  // leaves through the top at (5, 5)
    ASSERT_TRUE(ClipToBox(c, d, Box));
    EXPECT_DOUBLE_EQ(d.x, 5);
    EXPECT_DOUBLE_EQ(d.y, 5);

    WorldPoint e{-20, 6}, f{20, 7};  // above the box
    EXPECT_FALSE(ClipToBox(e, f, Box));
}

TEST(OpticsGeometry, ExitPointLiesOnTheRayAtTheEdge) {
    const WorldPoint p = ExitPoint({0, 3}, {2, 0}, Box);  // through a focal point at 2
    EXPECT_NEAR(p.y, -5, 1e-12);
    EXPECT_NEAR(p.x, 2 * 8 / 3.0, 1e-12);
    const WorldPoint q = ExitPoint({0, 1}, {-1, 1}, Box);  // back along the axis
    EXPECT_DOUBLE_EQ(q.x, -10);
    EXPECT_DOUBLE_EQ(q.y, 1);
}

TEST(OpticsGeometry, CrossingOfTwoDirections) {
    WorldPoint q;
    ASSERT_TRUE(CrossingOf({0, 0}, 0, {1, 1}, -3.14159265358979323846 / 4, q));
    EXPECT_NEAR(q.x, 2, 1e-12);
    EXPECT_NEAR(q.y, 0, 1e-12);
    EXPECT_FALSE(CrossingOf({0, 0}, 0.3, {1, 1}, 0.3, q));
}

TEST(OpticsGeometry, ImagesOfLensAndMirror) {
    const OpticalImage lens = ThinLensImage(-8, 2, 3);
    ASSERT_TRUE(lens.Exists);
    EXPECT_NEAR(1 / lens.b - 1 / -8.0, 1 / 2.0, 1e-12);
    EXPECT_NEAR(lens.B, 3 * lens.b / -8, 1e-12);
    EXPECT_FALSE(ThinLensImage(-2, 2, 3).Exists);

    const OpticalImage mirror = MirrorImage(-8, -5, 2);
    ASSERT_TRUE(mirror.Exists);
    EXPECT_NEAR(1 / -8.0 + 1 / mirror.b, 1 / -5.0, 1e-12);
    EXPECT_NEAR(mirror.B, -2 * mirror.b / -8, 1e-12);
    EXPECT_FALSE(MirrorImage(-5, -5, 2).Exists);
}

// A path leaving the box and coming back is drawn as two pieces; one that stays inside
// is one polyline, so its joints are combined once.
TEST(OpticsGeometry, ClippedPathsAreDrawnPieceByPiece) {
    World map;
    map.PictureWidth = 200;
    map.PictureHeight = 100;
    map.SetWorldWindow(-10, 10, -5, 5);
    test::RecordingCanvas canvas(200, 100);
    DrawClippedPath(map, canvas, {{-5, 0}, {0, 4}, {5, 0}}, Box);
    ASSERT_EQ(canvas.Of("polyline").size(), 1u);
    EXPECT_EQ(canvas.Of("polyline")[0].points.size(), 3u);

    canvas.figures.clear();
    DrawClippedPath(map, canvas, {{-5, 0}, {0, 20}, {5, 0}}, Box);
    const auto pieces = canvas.Of("polyline");
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].points.back(), map.Picture(-3.75, 5));
    EXPECT_EQ(pieces[1].points.front(), map.Picture(3.75, 5));
}

}  // namespace
}  // namespace viv
