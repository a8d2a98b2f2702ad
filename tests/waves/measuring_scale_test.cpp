// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/measuring_scale.h"

#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "library/canvas/raster_canvas.h"
#include "picture_checks.h"
#include "recording_canvas.h"

namespace viv {
namespace {

struct ScalePicture {
    World world;
    ScalePicture(int width, int height) {
        world.PictureWidth = static_cast<std::uint16_t>(width);
        world.PictureHeight = static_cast<std::uint16_t>(height);
        world.UpdateAspect();
        world.SetWorldWindow(-10, 10, -world.AspectHeight, world.AspectHeight);
    }
};

TEST(MeasuringScale, LabelsEveryWholeUnitBothWays) {
    ScalePicture p(600, 450);  // half-height 7.5
    test::RecordingCanvas canvas(600, 450);
    canvas.Pen.Mode = pmNotXor;
    DrawMeasuringScale(p.world, canvas, true, " cm", 10, 9, p.world.AspectHeight);
    std::vector<std::string> texts;
    for (const auto& f : canvas.Of("text")) texts.push_back(f.text);
    // 0, then 1..7 up and down.
    ASSERT_EQ(texts.size(), 15u);
    EXPECT_EQ(texts[0], " 0.0 cm");
    EXPECT_EQ(texts[1], "10.0 cm");
    EXPECT_EQ(texts[2], "-10.0 cm");
    EXPECT_EQ(texts[13], "70.0 cm");
    EXPECT_EQ(texts[14], "-70.0 cm");
    const auto labels = canvas.Of("text");
    // Positive labels start at the scale's position; the negative ones one "-" further left.
    EXPECT_EQ(labels[1].points[0].x, p.world.PictureX(9));
    EXPECT_EQ(labels[2].points[0].x, p.world.PictureX(9) - canvas.TextWidth("-"));
    // Vertically centred on their ticks.
    EXPECT_EQ(labels[1].points[0].y, p.world.PictureY(1) - canvas.TextHeight("0") / 2);
    // Lines: the scale, the zero line and 2 x 37 ticks (0.2 .. 7.4).
    const auto lines = canvas.Of("line");
    ASSERT_EQ(lines.size(), 2u + 2 * 37);
    int longTicks = 0;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].points[0].x, p.world.PictureX(8.2));
        if (lines[i].points[1].x == p.world.PictureX(8.7))
            ++longTicks;
        else
            EXPECT_EQ(lines[i].points[1].x, p.world.PictureX(8.4));
    }
    EXPECT_EQ(longTicks, 14);
}

TEST(MeasuringScale, TakenAwayLeavesThePictureAsItWas) {
    ScalePicture p(631, 445);
    RasterCanvas canvas(631, 445);
    // A dotted axis under the " 0.0" label, as the diffraction pictures have.
    canvas.Pen.Color = clSilver;
    canvas.Pen.Style = psDot;
    canvas.MoveTo(0, p.world.PictureY(0));
    canvas.LineTo(631, p.world.PictureY(0));
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmNotXor;
    const QImage before = canvas.Image().copy();
    ScaleUnderlay underlay;
    DrawMeasuringScale(p.world, canvas, true, "", 10, 9, p.world.AspectHeight, &underlay);
    EXPECT_NE(canvas.Image(), before);
    EXPECT_FALSE(underlay.Pixels.empty());
    DrawMeasuringScale(p.world, canvas, false, "", 10, 9, p.world.AspectHeight, &underlay);
    test::ExpectSamePicture(canvas.Image().copy(), before, "scale-underlay");
    EXPECT_TRUE(underlay.Pixels.empty());

    // Without a record of what was under the labels they are overwritten in white.
    RasterCanvas white(631, 445);
    white.Pen.Mode = pmNotXor;
    const QImage blank = white.Image().copy();
    DrawMeasuringScale(p.world, white, true, "", 10, 9, p.world.AspectHeight);
    DrawMeasuringScale(p.world, white, false, "", 10, 9, p.world.AspectHeight);
    test::ExpectSamePicture(white.Image().copy(), blank, "scale-white");
}

}  // namespace
}  // namespace viv
