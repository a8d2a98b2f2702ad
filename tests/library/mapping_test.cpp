// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include "library/world.h"
#include "recording_canvas.h"

namespace viv {
namespace {

TEST(Mapping, WholePictureWindow) {
    World world = test::PictureWorld(600, 400);
    world.SetWorldWindow(-10, 10, -5, 5);
    EXPECT_EQ(world.PictureX(-10), 0);
    EXPECT_EQ(world.PictureX(10), 600);
    EXPECT_EQ(world.PictureY(5), 0);
    EXPECT_EQ(world.PictureY(-5), 400);
    EXPECT_EQ(world.PictureX(0), 300);
    EXPECT_EQ(world.PictureY(0), 200);
    EXPECT_DOUBLE_EQ(world.AspectHeight, 10.0 * 400 / 600);
}

TEST(Mapping, HalfPixelRoundsToEven) {
    World world = test::PictureWorld(100, 100);
    world.SetWorldWindow(0, 100, 0, 100);  // one pixel per unit
    EXPECT_EQ(world.PictureX(2.5), 2);
    EXPECT_EQ(world.PictureX(3.5), 4);
    EXPECT_EQ(world.PictureX(-2.5), -2);
    EXPECT_EQ(world.PictureY(100 - 0.5), 0);
    EXPECT_EQ(world.PictureY(100 - 1.5), 2);
}

TEST(Mapping, InsetGraphMargins) {
    World world = test::PictureWorld(600, 400);
    world.PictureMarginX = 2 * 600 / 3;
    world.PictureMarginY = 2 * 400 / 3;
    world.SetWorldWindow(320, 800, 30, 60);
    EXPECT_EQ(world.PictureX(320), 400);
    EXPECT_EQ(world.PictureX(800), 600);
    EXPECT_EQ(world.PictureY(60), 0);
    EXPECT_EQ(world.PictureY(30), 134);
}

TEST(Mapping, ScalesFixedUntilNextWindowAndOffsetsReadAtCall) {
    World world = test::PictureWorld(600, 400);
    world.SetWorldWindow(-10, 10, -5, 5);
    world.PictureWidth = 1200;  // takes effect only with the next SetWorldWindow
    EXPECT_EQ(world.PictureX(10), 600);
    world.PrintOffsetX = 200;
    world.PrintOffsetY = 200;
    EXPECT_EQ(world.PictureX(-10), 200);
    EXPECT_EQ(world.PictureY(5), 200);
    world.SetWorldWindow(-10, 10, -5, 5);
    EXPECT_EQ(world.PictureX(10), 1400);
}

TEST(Mapping, FarAndUndefinedValuesStayBounded) {
    World world = test::PictureWorld(600, 400);
    world.SetWorldWindow(-10, 10, -5, 5);
    EXPECT_EQ(world.PictureX(1e300), 1 << 30);
    EXPECT_EQ(world.PictureX(-1e300), -(1 << 30));
    EXPECT_LT(world.PictureY(std::numeric_limits<double>::quiet_NaN()), -100000);
    EXPECT_EQ(world.PictureX(std::numeric_limits<double>::infinity()), 1 << 30);
}

TEST(SetupWorld, StoresWindowAndLeavesNotXor) {
    World world = test::PictureWorld(600, 400);
    test::RecordingCanvas canvas;
    SetupWorld(world, 0, false, canvas, -10, 10, -5, 5);
    EXPECT_TRUE(canvas.figures.empty());
    EXPECT_EQ(canvas.Pen.Mode, pmNotXor);
    EXPECT_EQ(world.WorldXMin, -10);
    EXPECT_EQ(world.WorldYMax, 5);
    EXPECT_EQ(world.PictureX(0), 300);
}

TEST(SetupWorld, AxisLineSolidOrDottedAndClearsOnlyTheScreen) {
    World world = test::PictureWorld(600, 400);
    test::RecordingCanvas screen, canvas;
    world.Screen = &screen;
    SetupWorld(world, 2, true, canvas, -10, 10, -4, 6);
    ASSERT_EQ(screen.Of("fill").size(), 1u);
    EXPECT_EQ(screen.Of("fill")[0].brush.Color, clWhite);
    ASSERT_EQ(canvas.Of("line").size(), 1u);
    const test::Figure axis = canvas.Of("line")[0];
    EXPECT_EQ(axis.pen.Style, psDot);
    EXPECT_EQ(axis.pen.Color, clSilver);
    EXPECT_EQ(axis.points[0], (TPoint{0, 240}));
    EXPECT_EQ(axis.points[1], (TPoint{600, 240}));
    EXPECT_EQ(canvas.Pen.Style, psSolid);
    EXPECT_EQ(canvas.Pen.Color, clSilver);
    EXPECT_EQ(canvas.Pen.Mode, pmNotXor);
}

class FixedPointer : public PointerSource {
public:
    TPoint cursor, origin, size;
    TPoint CursorPos() const override { return cursor; }
    TPoint PictureOrigin() const override { return origin; }
    TPoint PictureSize() const override { return size; }
};

TEST(MouseToWorld, UsesTheSimulationsWindowNotTheInset) {
    World world = test::PictureWorld(600, 400);
    test::RecordingCanvas canvas;
    SetupWorld(world, 0, false, canvas, -10, 10, -5, 5);
    world.PictureMarginX = 400;
    world.SetWorldWindow(320, 800, 30, 60);  // an inset graph does not move the mouse
    FixedPointer pointer;
    pointer.origin = {100, 50};
    pointer.size = {600, 400};
    pointer.cursor = {400, 250};
    MouseToWorld(world, pointer);
    EXPECT_DOUBLE_EQ(world.MouseWorld.x, 0);
    EXPECT_DOUBLE_EQ(world.MouseWorld.y, 0);
    pointer.cursor = {100, 50};
    MouseToWorld(world, pointer);
    EXPECT_DOUBLE_EQ(world.MouseWorld.x, -10);
    EXPECT_DOUBLE_EQ(world.MouseWorld.y, 5);
}

}  // namespace
}  // namespace viv
