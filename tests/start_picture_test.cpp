#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "app/start_picture.h"
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
    DrawStartPicture(s.world, s.rainbow, 32, canvas);
    const auto counts = CountColours(canvas.Image());
    for (int k = 1; k <= 8; ++k) {
        if (k == 7) continue;  // the same index as orange: its band lies under orange's
        EXPECT_GT(counts.count(Screen(k)) ? counts.at(Screen(k)) : 0, 20) << "colour " << k;
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
    return n ? sum / n : NAN;
}

TEST(StartPicture, VioletInsideRedInThePrimaryOutsideInTheSecondary) {
    StartPicture s;
    RasterCanvas canvas(720, 540);
    DrawStartPicture(s.world, s.rainbow, 32, canvas);
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
    DrawStartPicture(s.world, s.rainbow, 32, white);
    DrawStartPicture(s.world, s.rainbow, 32, over);
    int differing = 0, drawn = 0;
    for (int y = 0; y < 540; ++y)
        for (int x = 0; x < 720; ++x) {
            const QRgb a = white.Image().pixel(x, y) & 0xFFFFFF;
            if (a == 0xFFFFFF) continue;
            ++drawn;
            differing += a != (over.Image().pixel(x, y) & 0xFFFFFF);
        }
    EXPECT_GT(drawn, 1000);
    EXPECT_EQ(differing, 0);
}

TEST(StartPicture, OnlyAFullRedrawDraws) {
    StartPicture s;
    test::RecordingCanvas canvas(720, 540);
    for (std::uint16_t code : {33, 34, 35, 36, 37, 38, 113, 117}) DrawStartPicture(s.world, s.rainbow, code, canvas);
    EXPECT_TRUE(canvas.figures.empty());
    DrawStartPicture(s.world, s.rainbow, 32, canvas);
    EXPECT_EQ(canvas.Of("pie").size(), 32u);
    EXPECT_EQ(canvas.Of("text").size(), 5u);
    EXPECT_EQ(canvas.Of("ellipse").size(), 1u);
    EXPECT_EQ(canvas.Pen.Width, 1);
}

}  // namespace
}  // namespace viv
