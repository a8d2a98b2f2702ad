// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/waves/refraction_in_water.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <limits>
#include <string>

#include "app/catalogue.h"
#include "app/events.h"
#include "library/colour_table.h"
#include "library/trig.h"
#include "picture_checks.h"
#include "refraction_checks.h"
#include "sims/simulations.h"
#include "sims/waves/refraction_angles.h"
#include "sims/waves/refraction_state.h"
#include "test_host.h"

namespace viv {
namespace {

using test::ExpectSamePicture;

class RefractionInWater : public test::RefractionFixture {
protected:
    RefractionInWater() : RefractionFixture(2) {}

    void Green(int colour) { app.ControlChange(Control::TrackBar1, colour); }
    void FromWater() { app.ControlChange(Control::TrackBar2, 2); }
};

// Snell's law checked against sin i = n sin b worked out here, at several angles and
// colours, with the light from the air.
TEST_F(RefractionInWater, TableFollowsSnellsLawFromTheAir) {
    EXPECT_EQ(Cell(0, 0), "Brydning i vand");
    EXPECT_EQ(app.State.IncidenceValue, 45);
    EXPECT_EQ(Cell(1, 1), " 1.334");
    EXPECT_EQ(Cell(0, 2), " bølgelængde/nm, grøn");
    EXPECT_EQ(Cell(1, 2), " 546.1");
    EXPECT_EQ(Cell(1, 3), "45.0");
    EXPECT_EQ(Cell(1, 4), "32.0");
    EXPECT_EQ(app.Window.Panel1, "i: 45.0°");
    EXPECT_EQ(app.Window.Panel2, "b: 32.0°");

    struct Case {
        int colour, degrees;
        const char* n;
        const char* b;
    };
    for (const Case c : {Case{1, 30, " 1.343", "21.9"}, Case{8, 60, " 1.329", "40.7"},
                         Case{5, 89, " 1.333", "48.6"}, Case{4, 1, " 1.334", "0.7"},
                         Case{4, 0, " 1.334", "0.0"}, Case{1, 90, " 1.343", "48.1"}}) {
        Green(c.colour);
        Incidence(c.degrees);
        EXPECT_EQ(Cell(1, 1), c.n) << c.colour;
        EXPECT_EQ(Cell(1, 4), c.b) << c.colour << " " << c.degrees;
        const double n = ColourTable[c.colour].WaterIndex;
        const double b = std::asin(std::sin(c.degrees * Pi / 180) / n) * 180 / Pi;
        EXPECT_NEAR(std::stod(Cell(1, 4)), b, 0.05);
    }
    Green(8);
    EXPECT_EQ(Cell(0, 2), " bølgelængde/nm, rød");
    EXPECT_EQ(Cell(1, 2), " 768.2");
}

TEST_F(RefractionInWater, FromTheWaterNearTheCriticalAngleTheRaySnapsOntoIt) {
    Green(5);  // yellow, n = 1.333, critical angle 48.6°
    FromWater();
    Incidence(49);
    EXPECT_EQ(Cell(1, 3), "48.6");
    EXPECT_EQ(app.Window.Panel1, "i: 48.6°");
    // Refracted along the boundary, not taken as totally reflected.
    EXPECT_EQ(Cell(1, 4), "90.0");
    EXPECT_EQ(app.Window.Panel2, "b: 90.0°");
    // The refracted ray runs up the boundary, past the water's half-disc.
    EXPECT_EQ(started.picture().GetPixel(app.Map.PictureX(0), app.Map.PictureY(4.5)),
              Colour(5).ScreenColour);

    Incidence(48);  // 0.6° away: not snapped
    EXPECT_EQ(Cell(1, 3), "48.0");
    EXPECT_EQ(Cell(1, 4), "82.1");
    Incidence(40);
    EXPECT_EQ(Cell(1, 4), "59.0");
}

// The rays take the colour of the wavelength chosen; no other colour's pixels are left.
TEST_F(RefractionInWater, TheRaysTakeTheColourOfTheirWavelength) {
    const double h = app.Map.AspectHeight;
    for (int k = 1; k <= ColourCount; ++k) {
        Green(k);
        EXPECT_GT(Count(Colour(k).ScreenColour, -9.9, 0.3, -0.3, h), 20) << k;  // incident
        EXPECT_GT(Count(Colour(k).ScreenColour, 0.3, -0.3, 9.9, -h), 20) << k;  // refracted
        const TColor before = Colour(k == 1 ? 8 : k - 1).ScreenColour;
        if (before != Colour(k).ScreenColour) {
            EXPECT_EQ(Count(before, -9.9, 0.3, -0.3, h), 0) << k;
        }
    }
}

TEST_F(RefractionInWater, BeyondTheCriticalAngleNothingIsRefracted) {
    FromWater();
    Incidence(60);
    EXPECT_EQ(Cell(1, 3), "60.0");
    EXPECT_EQ(Cell(1, 4), "");
    EXPECT_EQ(app.Window.Panel2, "b: ");
    // Every green pixel lies in the water: the incident and the reflected ray.
    EXPECT_EQ(Count(clGreen, -9.9, -app.Map.AspectHeight, -0.2, app.Map.AspectHeight), 0);
    EXPECT_GT(Count(clGreen, 0.5, 3, 4.5, 4.5), 0);    // reflected, up to the right
    EXPECT_GT(Count(clGreen, 0.5, -3, 4.5, -4.5), 0);  // incident, from the lower right
    Incidence(30);
    EXPECT_EQ(Cell(1, 4), "41.8");  // n sin 30° = 0.667
    EXPECT_GT(Count(clGreen, -9.9, 0.5, -0.5, app.Map.AspectHeight), 0);
}

TEST_F(RefractionInWater, AtNormalIncidenceThereIsNoReflectedRay) {
    Incidence(0);
    // A reflected ray would lie on the incident one and wipe it out.
    const int y = app.Map.PictureY(0);
    int green = 0;
    for (int x = app.Map.PictureX(-4.9); x < app.Map.PictureX(-3.5); ++x)
        if (started.picture().GetPixel(x, y) == clGreen) ++green;
    EXPECT_EQ(green, app.Map.PictureX(-3.5) - app.Map.PictureX(-4.9));
    EXPECT_EQ(Cell(1, 4), "0.0");
}

TEST_F(RefractionInWater, AnglesAreMarkedFromTwoDegrees) {
    Incidence(1);
    const QImage without = Picture().copy();
    app.FKeyClick(FKey::F2);
    EXPECT_TRUE(app.State.ShowMarks);
    ExpectSamePicture(Picture().copy(), without, "water-arcs-below-2");
    Incidence(2);
    EXPECT_GT(Count(clBlue, -1.2, 1.2, 1.2, -1.2), 0);
    // Short arcs near the normal, not circles: nothing blue straight above the origin.
    Incidence(30);
    EXPECT_GT(Count(clBlue, -1.2, 0.05, -0.6, 0.6), 0);
    EXPECT_EQ(Count(clBlue, -0.1, 0.8, 0.1, 1.2), 0);
    EXPECT_EQ(Count(clBlue, -0.1, -0.8, 0.1, -1.2), 0);
}

TEST_F(RefractionInWater, CriticalAngleLineFollowsTheColour) {
    app.FKeyClick(FKey::F5);
    EXPECT_TRUE(app.State.ShowRedRay);
    for (int colour : {1, 8, 3}) {
        Green(colour);
        ExpectLikeRedraw("water-critical-" + std::to_string(colour));
        const double c = CriticalAngleDegrees(ColourTable[colour].WaterIndex) * Pi / 180;
        const double x = 4.6 * std::cos(c), y = -4.6 * std::sin(c);
        EXPECT_GT(Count(clRed, x - 0.05, y - 0.05, x + 0.05, y + 0.05), 0) << colour;
    }
}

TEST_F(RefractionInWater, EveryToggleTwiceLeavesThePicture) {
    Incidence(35);
    // Pressed twice, the protractor's dots too are gone.
    test::ExpectTogglesTwiceRestore(started, {FKey::F2, FKey::F3, FKey::F5, FKey::F6}, "water");
    // F4 is not this simulation's: nothing happens and the toggle stays off.
    const QImage before = Picture().copy();
    app.FKeyClick(FKey::F4);
    EXPECT_FALSE(app.State.ShowAxes);
    ExpectSamePicture(Picture().copy(), before, "water-f4");
}

TEST_F(RefractionInWater, ProtractorComesAndGoesUnderTheLinesCrossingItsLabels) {
    app.FKeyClick(FKey::F3);
    app.FKeyClick(FKey::F5);
    Incidence(0);  // the incident ray crosses the label 0 on the left
    app.FKeyClick(FKey::F6);
    EXPECT_TRUE(app.State.ShowRays);
    ExpectLikeRedraw("water-protractor-on");
    app.FKeyClick(FKey::F6);
    ExpectLikeRedraw("water-protractor-off", true);
}

TEST_F(RefractionInWater, NoNumberIsEverNaN) {
    app.FKeyClick(FKey::F2);
    for (int direction : {1, 2})
        for (int colour = 1; colour <= 8; ++colour) {
            app.ControlChange(Control::TrackBar2, direction);
            Green(colour);
            for (int degrees = 0; degrees <= 90; ++degrees) {
                Incidence(degrees);
                test::ExpectNoNanShown(app, std::to_string(direction) + "/" +
                                                std::to_string(colour) + "/" +
                                                std::to_string(degrees));
                if (::testing::Test::HasFailure()) return;
            }
        }
}

TEST_F(RefractionInWater, OtherEventsDrawNothing) {
    const QImage before = Picture().copy();
    for (Event event : {Event::Tick, Event::Step, Event::ScrollBar2, Event::ScrollBar3,
                        Event::TrackBar3, Event::TrackBar4})
        app.DrawSimulation(event, false, *app.Image);
    ExpectSamePicture(Picture().copy(), before, "water-other-events");
}

TEST_F(RefractionInWater, RandomUseMatchesAFullRedraw) {
    test::ExpectRandomUseMatchesRedrawing(
        started, 20261207,
        {.controls = {Control::ScrollBar1, Control::TrackBar1, Control::TrackBar2},
         .keys = {FKey::F2, FKey::F3, FKey::F5, FKey::F6},
         .ignoreProtractorDots = true},
        "water");
}

// Light at the critical angle may come out a rounding error above n sin i = 1; it is
// still refracted, along the boundary. One degree further it is totally reflected.
TEST(TotalReflection, HoldsAboveTheCriticalAngleOnly) {
    for (int colour = 1; colour <= ColourCount; ++colour) {
        const double n = ColourTable[colour].WaterIndex;
        double i = std::asin(1 / n);
        while (n * std::sin(i) <= 1) i = std::nextafter(i, 2.0);
        ASSERT_GT(n * std::sin(i), 1.0);
        EXPECT_FALSE(TotallyReflected(n, i)) << colour;
        EXPECT_TRUE(TotallyReflected(n, i + Pi / 180)) << colour;
        EXPECT_FALSE(TotallyReflected(n, i - Pi / 180)) << colour;

        const double critical = CriticalAngleDegrees(n);
        EXPECT_NEAR(critical, std::asin(1 / n) * 180 / Pi, 1e-12);
        const RefractionAngles a =
            RefractionAt(static_cast<int>(std::lround(critical)), FromWater, n, i * 180 / Pi);
        EXPECT_TRUE(a.Refracts) << colour;
        EXPECT_NEAR(a.Refraction, Pi / 2, 1e-7);
        // Light from the air is never snapped and always refracted.
        const RefractionAngles air =
            RefractionAt(static_cast<int>(std::lround(critical)), FromAir, n, critical);
        EXPECT_TRUE(air.Refracts);
        EXPECT_DOUBLE_EQ(air.Incidence * 180 / Pi, std::lround(critical));
    }
}

}  // namespace
}  // namespace viv
