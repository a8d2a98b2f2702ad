// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The protractor of the refraction pictures: on and off again leaves only its red dots.
#include "library/protractor.h"

#include <gtest/gtest.h>

#include <cmath>

#include "library/canvas/raster_canvas.h"
#include "recording_canvas.h"

namespace viv {
namespace {

World Window720x540() {
    World world = test::PictureWorld(720, 540);
    world.SetWorldWindow(-8.5, 11.5, -0.8 * world.AspectHeight, 1.2 * world.AspectHeight);
    return world;
}

// On: a red dot every 2 degrees just outside the circle, 144 of them (180 less the 36
// ticks) in distinct pixels; off again: nothing left, the dots gone with circle and ticks.
TEST(Protractor, OnShowsRedDotsEveryTwoDegreesAndOffLeavesNothing) {
    const World world = Window720x540();
    RasterCanvas canvas(720, 540);
    canvas.Pen.Mode = pmNotXor;
    DrawProtractor(world, canvas, true);
    // A tick at 90 degrees (k = 45) runs from radius 4 to 4.3 straight up.
    EXPECT_NE(canvas.GetPixel(world.PictureX(0), world.PictureY(4.15)), clWhite);
    int red = 0;
    for (int y = 0; y < 540; ++y)
        for (int x = 0; x < 720; ++x) red += static_cast<int>(canvas.GetPixel(x, y) == clRed);
    EXPECT_EQ(red, 144);
    // The dot at 2 degrees lies two pixels beyond the circle of radius 4, along its radius.
    const double a = 2 * 3.14159265358979 / 180, r = 4 + 2 / world.MapScaleX;
    EXPECT_EQ(canvas.GetPixel(world.PictureX(r * std::cos(a)), world.PictureY(r * std::sin(a))),
              clRed);
    DrawProtractor(world, canvas, false);
    int other = 0;
    for (int y = 0; y < 540; ++y)
        for (int x = 0; x < 720; ++x) other += static_cast<int>(canvas.GetPixel(x, y) != clWhite);
    EXPECT_EQ(other, 0);
}

TEST(SurfaceNormal, DrawnTwiceLeavesNoTrace) {
    const World world = Window720x540();
    RasterCanvas canvas(720, 540);
    canvas.Pen.Mode = pmNotXor;
    DrawSurfaceNormal(world, canvas);
    EXPECT_EQ(canvas.GetPixel(world.PictureX(2), world.PictureY(0)), clRed);
    DrawSurfaceNormal(world, canvas);
    EXPECT_EQ(canvas.GetPixel(world.PictureX(2), world.PictureY(0)), clWhite);
}

}  // namespace
}  // namespace viv
