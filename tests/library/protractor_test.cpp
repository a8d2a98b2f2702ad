// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The protractor of the refraction pictures: on and off again leaves only its red dots.
#include "library/protractor.h"

#include <gtest/gtest.h>

#include <cmath>

#include "library/canvas/raster_canvas.h"

namespace viv {
namespace {

World Window720x540() {
    World world;
    world.PictureWidth = 720;
    world.PictureHeight = 540;
    world.UpdateAspect();
    world.SetWorldWindow(-8.5, 11.5, -0.8 * world.AspectHeight, 1.2 * world.AspectHeight);
    return world;
}

TEST(Protractor, OnAndOffLeavesOnlyTheRedDotsEveryTwoDegrees) {
    const World world = Window720x540();
    RasterCanvas canvas(720, 540);
    canvas.Pen.Mode = pmNotXor;
    DrawProtractor(world, canvas, true);
    // A tick at 90 degrees (k = 45) runs from radius 4 to 4.3 straight up.
    EXPECT_NE(canvas.GetPixel(world.PictureX(0), world.PictureY(4.15)), clWhite);
    DrawProtractor(world, canvas, false);
    int red = 0, other = 0;
    for (int y = 0; y < 540; ++y)
        for (int x = 0; x < 720; ++x) {
            const TColor c = canvas.GetPixel(x, y);
            if (c == clRed)
                ++red;
            else if (c != clWhite)
                ++other;
        }
    EXPECT_EQ(other, 0);
    // 180 positions every 2 degrees, less the 36 ticks; neighbouring dots may share a pixel.
    EXPECT_GT(red, 130);
    EXPECT_LE(red, 144);
    // A dot at 2 degrees lies on the circle of radius 4.
    const double a = 2 * 3.14159265358979 / 180;
    EXPECT_EQ(canvas.GetPixel(world.PictureX(4 * std::cos(a)), world.PictureY(4 * std::sin(a))),
              clRed);
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
