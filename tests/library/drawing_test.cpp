// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/drawing.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "library/trig.h"
#include "recording_canvas.h"

namespace viv {
namespace {

World Window600x400() {
    World world = test::PictureWorld(600, 400);
    world.SetWorldWindow(-10, 10, -5, 5);
    return world;
}

TEST(DrawAxes, TicksLabelsAndArrowHeads) {
    World world = Window600x400();
    test::RecordingCanvas canvas;
    canvas.Pen.Width = 3;
    DrawAxes(world, 0, 1, "", 0, 0, 1, 1, " cm", false, canvas);
    EXPECT_EQ(canvas.Pen.Width, 3);  // restored
    const auto lines = canvas.Of("line");
    // Axis lines, x ticks at -10..-1 and 1..9 (not at 10, within 2.5% of the end),
    // y ticks at -5..-1 and 1..4 (not at 5, within 1/30 of the top).
    EXPECT_EQ(lines.size(), 2u + 10 + 9 + 5 + 4);
    EXPECT_EQ(lines[0].pen.Width, 0);  // AxisPenWidth
    EXPECT_EQ(lines[0].points[0], (TPoint{0, 200}));
    EXPECT_EQ(lines[0].points[1], (TPoint{600, 200}));
    const auto heads = canvas.Of("polyline");
    ASSERT_EQ(heads.size(), 2u);
    const int tx = 600 / 80, ty = 400 / 60;
    EXPECT_EQ(heads[0].points,
              (std::vector<TPoint>{{600 - tx, 200 - ty}, {600, 200}, {600 - tx, 200 + ty}}));
    EXPECT_EQ(heads[1].points, (std::vector<TPoint>{{300 - tx, ty}, {300, 0}, {300 + tx, ty}}));
    std::vector<std::string> labels;
    for (const auto& t : canvas.Of("text")) labels.push_back(t.text);
    EXPECT_EQ(labels, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9",
                                                "1.0 cm", "2.0 cm", "3.0 cm", "4.0 cm"}));
    // An x label is centred under its tick's end; a y label ends a blank left of the ticks.
    const auto texts = canvas.Of("text");
    EXPECT_EQ(texts[0].points[0], (TPoint{330 - 3, 200 + ty + 1}));
    EXPECT_EQ(texts[9].points[0], (TPoint{300 - tx - 6 * 7, 160 - 6}));
}

TEST(DrawAxes, EightyStepsDrawNoTicks) {
    World world = Window600x400();
    test::RecordingCanvas canvas;
    DrawAxes(world, 0, 0, "", 0, 0, 20.0 / 80, 0, "", false, canvas);
    EXPECT_EQ(canvas.Of("line").size(), 2u);
    EXPECT_EQ(canvas.Of("polyline").size(), 2u);
    EXPECT_TRUE(canvas.Of("text").empty());
}

TEST(DrawAxes, OriginOffThePictureDropsThatAxis) {
    World world = Window600x400();
    test::RecordingCanvas canvas;
    DrawAxes(world, 0, 0, "", 0, 6, 0, 0, "", false, canvas);  // y0 above the top
    ASSERT_EQ(canvas.Of("line").size(), 1u);
    EXPECT_EQ(canvas.Of("line")[0].points[0].x, canvas.Of("line")[0].points[1].x);  // the y axis
    canvas.figures.clear();
    DrawAxes(world, 0, 0, "", -11, -5, 0, 0, "", false, canvas);  // x0 left of the picture
    ASSERT_EQ(canvas.Of("line").size(), 1u);
    EXPECT_EQ(canvas.Of("line")[0].points[0].y, 400);  // the x axis along the bottom row
}

TEST(DrawAxes, NegativeYLabelsOnlyWhenAsked) {
    World world = Window600x400();
    test::RecordingCanvas canvas;
    DrawAxes(world, 0, 0, "", 0, 0, 0, 2, "", true, canvas);
    std::vector<std::string> labels;
    for (const auto& t : canvas.Of("text")) labels.push_back(t.text);
    EXPECT_EQ(labels, (std::vector<std::string>{"-2", "-4", "2", "4"}));
}

TEST(DrawDotGrid, SkipsTheAxesAndKeepsToTheWindow) {
    World world = Window600x400();
    test::RecordingCanvas canvas;
    DrawDotGrid(world, clGray, canvas, 0.5, 0, 2, 2);
    const auto dots = canvas.Of("pixel");
    // Columns at -9.5, -7.5 ... -1.5 and 2.5 ... 8.5 (not 0.5); rows at -4, -2, 2, 4.
    EXPECT_EQ(dots.size(), (5u + 4u) * 4u);
    for (const auto& d : dots) {
        EXPECT_NE(d.points[0].x, world.PictureX(0.5));
        EXPECT_NE(d.points[0].y, world.PictureY(0));
    }
    canvas.figures.clear();
    DrawDotGrid(world, clGray, canvas, 0, 0, 0, 1);
    EXPECT_TRUE(canvas.figures.empty());
    DrawDotGrid(world, clGray, canvas, 0, 0, 0.01, 0.01);
    EXPECT_EQ(canvas.Of("pixel").size(), 60u * 60u);
}

TEST(DrawArrowHead, TipAndBarbs) {
    World world = Window600x400();
    test::RecordingCanvas canvas;
    DrawArrowHead(world, canvas, 0, 0, 1, 0);  // pointing right
    const auto head = canvas.Of("polyline");
    ASSERT_EQ(head.size(), 1u);
    EXPECT_EQ(head[0].points[1], (TPoint{300, 200}));
    // Barbs back at +-135 degrees, 1 unit long (30 pixels across, 40 down a unit).
    EXPECT_EQ(head[0].points[0], (TPoint{279, 172}));
    EXPECT_EQ(head[0].points[2], (TPoint{279, 228}));
}

TEST(DrawAngleArc, RunsThroughIncreasingWorldAngles) {
    World world = Window600x400();
    test::RecordingCanvas canvas;
    DrawAngleArc(world, {0, 0}, canvas, 2, 0, Pi / 2);
    const auto arc = canvas.Of("arc");
    ASSERT_EQ(arc.size(), 1u);
    EXPECT_EQ(arc[0].points[0], (TPoint{240, 120}));
    EXPECT_EQ(arc[0].points[1], (TPoint{360, 280}));
    EXPECT_EQ(arc[0].points[2], (TPoint{360, 200}));  // towards the right
    EXPECT_EQ(arc[0].points[3], (TPoint{300, 120}));  // towards the top of the picture
}

}  // namespace
}  // namespace viv
