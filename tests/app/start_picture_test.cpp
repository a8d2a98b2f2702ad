// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/start_picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "app/start_photograph.h"
#include "library/canvas/raster_canvas.h"
#include "library/colour_table.h"
#include "library/trig.h"
#include "recording_canvas.h"

namespace viv {
namespace {

struct StartPicture {
    World world;
    RainbowAngles rainbow = ComputeRainbowAngles();
    explicit StartPicture(int w = 720, int h = 540) {
        world.PictureWidth = static_cast<std::uint16_t>(w);
        world.PictureHeight = static_cast<std::uint16_t>(h);
        world.UpdateAspect();
    }
};

std::map<QRgb, int> CountColours(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y) & 0xFFFFFF];
    return counts;
}

QRgb Screen(int k) {
    const TColor c = Colour(k).ScreenColour;
    return qRgb(RedOf(c), GreenOf(c), BlueOf(c)) & 0xFFFFFF;
}

TEST(StartPicture, EveryColourShowsAsABand) {
    StartPicture s;
    RasterCanvas canvas(720, 540);
    DrawStartPicture(s.world, s.rainbow, Event::Redraw, canvas);
    const auto counts = CountColours(canvas.Image());
    for (int k = 1; k <= 8; ++k) {
        if (k == 7) continue;  // the same index as orange: its band lies under orange's
        EXPECT_GT(counts.contains(Screen(k)) ? counts.at(Screen(k)) : 0, 20) << "colour " << k;
    }
}

// The angle, seen from the bows' centre, at which a band of colour k is found along
// the ring of radius 3.5 world units on one side of the axis.
double BandAngle(const QImage& image, const World& world, QRgb colour, double from, double to) {
    double sum = 0;
    int n = 0;
    for (double a = from; a <= to; a += 0.0002) {
        const int x = world.PictureX(3.5 * std::cos(a));
        const int y = world.PictureY(3.5 * std::sin(a));
        if ((image.pixel(x, y) & 0xFFFFFF) == colour) sum += a, ++n;
    }
    return n != 0 ? sum / n : NAN;
}

TEST(StartPicture, VioletInsideRedInThePrimaryOutsideInTheSecondary) {
    StartPicture s;
    RasterCanvas canvas(720, 540);
    DrawStartPicture(s.world, s.rainbow, Event::Redraw, canvas);
    const double axis = Pi - Pi / 6;
    const QImage& image = canvas.Image();
    // On the side of smaller angles: the primary bow at axis - ~41 degrees, the
    // secondary at axis - ~51 degrees.
    const double primaryRed = BandAngle(image, s.world, Screen(8), axis - 0.8, axis - 0.6);
    const double primaryBlue = BandAngle(image, s.world, Screen(2), axis - 0.8, axis - 0.6);
    const double secondaryRed = BandAngle(image, s.world, Screen(8), axis - 1.0, axis - 0.8);
    const double secondaryBlue = BandAngle(image, s.world, Screen(2), axis - 1.0, axis - 0.8);
    EXPECT_GT(axis - primaryRed, axis - primaryBlue);      // red further from the axis
    EXPECT_LT(axis - secondaryRed, axis - secondaryBlue);  // red nearer the axis
    EXPECT_NEAR(axis - primaryRed, s.rainbow.PrimaryBowDeviation[8], 0.01);
    EXPECT_NEAR(axis - secondaryRed, s.rainbow.SecondaryBowDeviation[8], 0.01);
}

TEST(StartPicture, SameBandsOverThePhotograph) {
    StartPicture s;
    RasterCanvas white(720, 540);
    QImage photo(720, 540, QImage::Format_RGB32);
    photo.fill(qRgb(40, 60, 90));
    RasterCanvas over(photo);
    DrawStartPicture(s.world, s.rainbow, Event::Redraw, white);
    DrawStartPicture(s.world, s.rainbow, Event::Redraw, over);
    int differing = 0, drawn = 0;
    for (int y = 0; y < 540; ++y)
        for (int x = 0; x < 720; ++x) {
            const QRgb a = white.Image().pixel(x, y) & 0xFFFFFF;
            if (a == 0xFFFFFF) continue;
            ++drawn;
            differing += static_cast<int>(a != (over.Image().pixel(x, y) & 0xFFFFFF));
        }
    EXPECT_GT(drawn, 1000);
    EXPECT_EQ(differing, 0);
}

TEST(StartPicture, OnlyAFullRedrawDraws) {
    StartPicture s;
    test::RecordingCanvas canvas(720, 540);
    for (Event code : {Event::ScrollBar1, Event::TrackBar1, Event::TrackBar2, Event::Tick,
                       Event::Step, Event::ScrollBar2, Event::F2, Event::F6})
        DrawStartPicture(s.world, s.rainbow, code, canvas);
    EXPECT_TRUE(canvas.figures.empty());
    DrawStartPicture(s.world, s.rainbow, Event::Redraw, canvas);
    EXPECT_EQ(canvas.Of("pie").size(), 32u);
    EXPECT_EQ(canvas.Of("text").size(), 5u);
    EXPECT_EQ(canvas.Of("ellipse").size(), 1u);
    EXPECT_EQ(canvas.Pen.Width, 1);
}

}  // namespace
}  // namespace viv

namespace viv {
namespace {

RgbImage Filled(int w, int h, TColor (*colour)(int x, int y)) {
    RgbImage image{w, h, {}};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.Pixels.push_back(colour(x, y));
    return image;
}

TEST(CoverPicture, SameSizeIsTheSamePicture) {
    const RgbImage photo =
        Filled(37, 23, [](int x, int y) { return RGB(x * 6, y * 11, (x * y) % 256); });
    const RgbImage same = CoverPicture(photo, 37, 23);
    EXPECT_EQ(same.Pixels, photo.Pixels);
}

TEST(CoverPicture, ShrinkingAveragesAndEnlargingBlends) {
    // A fine checkerboard of black and white shrunk to a third: mid grey everywhere.
    const RgbImage board =
        Filled(90, 60, [](int x, int y) { return ((x + y) % 2) != 0 ? clWhite : clBlack; });
    const RgbImage small = CoverPicture(board, 30, 20);
    for (const TColor c : small.Pixels) EXPECT_NEAR(RedOf(c), 127.5, 12);
    // Two pixels, black and white, enlarged: the values between rise steadily.
    const RgbImage pair = Filled(2, 1, [](int x, int) { return x != 0 ? clWhite : clBlack; });
    const RgbImage wide = CoverPicture(pair, 8, 4);
    for (int x = 1; x < 8; ++x) EXPECT_GE(RedOf(wide.At(x, 2)), RedOf(wide.At(x - 1, 2)));
    EXPECT_EQ(RedOf(wide.At(0, 0)), 0);
    EXPECT_EQ(RedOf(wide.At(7, 0)), 255);
}

TEST(CoverPicture, KeepsTheAspectAndCropsAtTheCentre) {
    // A 4:3 photograph with a red left half and a blue right half, a one-pixel black
    // frame round it.
    const RgbImage photo = Filled(400, 300, [](int x, int y) {
        if (x == 0 || y == 0 || x == 399 || y == 299) return clBlack;
        return x < 200 ? clRed : clBlue;
    });
    // A tall picture: scaled to the height, the sides cut off equally.
    const RgbImage tall = CoverPicture(photo, 200, 600);
    EXPECT_EQ(tall.At(96, 300), clRed);
    EXPECT_EQ(tall.At(104, 300), clBlue);
    EXPECT_EQ(tall.At(0, 300), clRed);  // the frame at the sides is cut off
    // A wide picture: scaled to the width, top and bottom cut off.
    const RgbImage wide = CoverPicture(photo, 1600, 300);
    EXPECT_EQ(wide.At(804, 0), clBlue);  // the frame at the top is cut off
    EXPECT_EQ(wide.At(796, 150), clRed);
    EXPECT_EQ(wide.At(804, 150), clBlue);
    EXPECT_EQ(RedOf(wide.At(0, 150)), 0);  // the frame at the left stays
    // Nothing white where the photograph has no white.
    for (const RgbImage* image : {&tall, &wide})
        for (const TColor c : image->Pixels) EXPECT_NE(c, clWhite);
}

TEST(CoverPicture, NoPhotographGivesWhite) {
    const RgbImage white = CoverPicture(RgbImage{}, 5, 4);
    EXPECT_EQ(white.Pixels, std::vector<TColor>(20, clWhite));
}

}  // namespace
}  // namespace viv
