// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/water_polarisation.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>

#include "app/catalogue.h"
#include "app/events.h"
#include "library/colour_table.h"
#include "library/protractor.h"
#include "library/trig.h"
#include "picture_checks.h"
#include "sims/rainbow/reflectance_inset.h"
#include "sims/simulations.h"
#include "test_host.h"
#include "text_checks.h"

namespace viv {
namespace {

using test::Fixed;
using test::Trimmed;

class WaterPolarisation : public ::testing::Test {
protected:
    WaterPolarisation() { app.MenuEntry(4); }

    const QImage& Picture() { return started.picture().Image(); }
    const std::string& Cell(int col, int row) const { return app.Table.Cell(col, row); }
    void SetIncidence(int degrees) {
        app.ControlChange(Control::ScrollBar1, app.State.IncidenceMax - degrees);
    }
    double N() const { return Colour(app.State.CurrentColour).WaterIndex; }

    // Pixels of `colour` within `radius` pixels of the world point (x, y).
    int CountNear(TColor colour, double x, double y, int radius) {
        const int px = app.Map.PictureX(x), py = app.Map.PictureY(y);
        int count = 0;
        for (int v = py - radius; v <= py + radius; ++v)
            for (int u = px - radius; u <= px + radius; ++u)
                if (started.picture().GetPixel(u, v) == colour) ++count;
        return count;
    }

    // The picture with the protractor's red dots painted white: where a ray crosses a dot,
    // the dot drawn over the ray and the ray over the dot differ.
    QImage WithoutProtractorDots(const QImage& picture) const {
        QImage out = picture.copy();
        for (int k = 0; k < 180; ++k) {
            if (k % 5 == 0) continue;
            const TPoint dot = ProtractorDot(app.Map, k);
            if (out.rect().contains(dot.x, dot.y)) out.setPixel(dot.x, dot.y, qRgb(255, 255, 255));
        }
        return out;
    }

    void ExpectSameButDots(const QImage& got, const QImage& want, const std::string& name) {
        test::ExpectSamePicture(WithoutProtractorDots(got), WithoutProtractorDots(want), name);
    }

    test::StartedApp started;
    App& app = started.app;
    Scene scene{app};
};

TEST_F(WaterPolarisation, TableAgreesWithSnellAndFresnel) {
    for (const int degrees : {10, 30, 45, 60, 75, 89}) {
        SetIncidence(degrees);
        const double n = N();
        const double i = degrees / DegPerRad;
        const double cosT = std::sqrt(1 - std::pow(std::sin(i) / n, 2));
        const double b = std::acos(cosT) * DegPerRad;
        const double rs = (std::cos(i) - n * cosT) / (std::cos(i) + n * cosT);
        const double rp = (n * std::cos(i) - cosT) / (n * std::cos(i) + cosT);
        EXPECT_EQ(Trimmed(Cell(1, 1)), Fixed(n, 3));
        EXPECT_EQ(Cell(1, 3), std::to_string(degrees));
        EXPECT_EQ(Cell(1, 4), Fixed(b, 1)) << degrees;
        EXPECT_EQ(Cell(1, 5), Fixed(180 - degrees - b, 1)) << degrees;
        EXPECT_EQ(Trimmed(Cell(1, 6)), Fixed(100 * (1 - rs * rs), 2)) << degrees;
        EXPECT_EQ(Trimmed(Cell(2, 6)), Fixed(100 * (1 - rp * rp), 2)) << degrees;
        EXPECT_EQ(Trimmed(Cell(1, 7)), Fixed(100 * rs * rs, 2)) << degrees;
        EXPECT_EQ(Trimmed(Cell(2, 7)), Fixed(100 * rp * rp, 2)) << degrees;
        EXPECT_EQ(app.Window.Panel1, "i: " + std::to_string(degrees) + "°");
        EXPECT_EQ(app.Window.Panel2, "b: " + Fixed(b, 1) + "°");
    }
}

TEST_F(WaterPolarisation, SnapsOntoTheBrewsterAngle) {
    app.FKeyClick(FKey::F4);  // the polarisation marks
    app.FKeyClick(FKey::F2);  // the angle between the reflected and the refracted ray
    const double brewster = std::atan(N()) * DegPerRad;  // 53.14° for green light
    const double reflected = Pi + brewster / DegPerRad;
    const double barX = 1.75 * std::cos(reflected), barY = 1.75 * std::sin(reflected);

    SetIncidence(45);
    EXPECT_FALSE(WaterPolarisationOf(scene).AtBrewster);
    EXPECT_NE(Trimmed(Cell(2, 7)), "0.00");
    EXPECT_GT(CountNear(clOlive, -2 * std::cos(Pi / 4), -2 * std::sin(Pi / 4), 4), 0);

    SetIncidence(53);
    EXPECT_TRUE(WaterPolarisationOf(scene).AtBrewster);
    EXPECT_NEAR(WaterPolarisationOf(scene).Incidence * DegPerRad, brewster, 1e-9);
    EXPECT_EQ(Trimmed(Cell(2, 7)), "0.00");
    EXPECT_NE(Trimmed(Cell(1, 7)), "0.00");
    EXPECT_EQ(Cell(1, 5), "90.0");  // reflected and refracted ray at right angles
    // No parallel bars on the reflected ray, but still on the incoming one.
    EXPECT_EQ(CountNear(clOlive, barX, barY, 12), 0);
    EXPECT_GT(CountNear(clOlive, barX, -barY, 12), 0);

    // With the red rays of the Brewster angle (F5) under it, the ray keeps its green: no
    // mixed colour anywhere along the three rays, as before F5.
    const auto colours = [&] {
        std::map<TColor, int> seen;
        for (const double r : {3.6, 4.2, 4.8}) {
            const double b = Pi / 2 - brewster / DegPerRad;
            for (const WorldPoint p : {WorldPoint{-r * std::cos(brewster / DegPerRad),
                                                  r * std::sin(brewster / DegPerRad)},
                                       WorldPoint{-r * std::cos(brewster / DegPerRad),
                                                  -r * std::sin(brewster / DegPerRad)},
                                       WorldPoint{r * std::cos(b), -r * std::sin(b)}})
                for (const TColor c : {clGreen, clRed, TColor(RGB(0, 127, 255))})
                    seen[c] += CountNear(c, p.x, p.y, 2);
        }
        return seen;
    };
    const std::map<TColor, int> without = colours();
    app.FKeyClick(FKey::F5);
    EXPECT_EQ(colours(), without);
    EXPECT_GT(without.at(clGreen), 8);
    test::ExpectSamePicture(Picture().copy(), test::Redrawn(started), "waterpol-brewster-f5");
    app.FKeyClick(FKey::F5);

    SetIncidence(54);  // more than half a degree away
    EXPECT_FALSE(WaterPolarisationOf(scene).AtBrewster);
    EXPECT_EQ(Cell(1, 3), "54");
    test::ExpectSamePicture(Picture().copy(), test::Redrawn(started), "waterpol-brewster");
}

// The inset's marker follows the angle set, also while the rays are snapped.
TEST_F(WaterPolarisation, InsetMarkerFollowsTheControl) {
    const auto markerAt = [&](double incidence) {
        const double b = std::asin(std::sin(incidence / DegPerRad) / N()) * DegPerRad;
        World& m = app.Map;
        int x = 0, y = 0;
        {
            const InsetGraph inset = ReflectanceInset(scene, *app.Image);
            x = m.PictureX(b);
            y = m.PictureY(10);
        }
        return started.picture().GetPixel(x, y) == clGreen;
    };
    SetIncidence(53);
    EXPECT_TRUE(markerAt(53));
    EXPECT_FALSE(markerAt(std::atan(N()) * DegPerRad + 0.9));
    SetIncidence(30);
    EXPECT_TRUE(markerAt(30));
    EXPECT_FALSE(markerAt(53));
}

TEST_F(WaterPolarisation, StraightDownTheLightIsReflectedAlike) {
    SetIncidence(0);
    EXPECT_EQ(Cell(1, 3), "0");
    EXPECT_EQ(Cell(1, 4), "0.0");
    EXPECT_EQ(Cell(1, 5), "180.0");
    EXPECT_EQ(Cell(1, 7), Cell(2, 7));
    EXPECT_EQ(Cell(1, 6), Cell(2, 6));
    const double r0 = std::pow((N() - 1) / (N() + 1), 2);
    EXPECT_EQ(Trimmed(Cell(1, 7)), Fixed(100 * r0, 2));
    // The incoming ray is there: no reflected ray drawn over it takes it away, with or
    // without the polarisation marks.
    EXPECT_GT(CountNear(clGreen, -2.5, 0, 1), 0);
    app.FKeyClick(FKey::F4);
    EXPECT_GT(CountNear(clOlive, -2, 0, 3), 0);
    EXPECT_GT(CountNear(clMaroon, -3.5, 0, 6), 0);
    test::ExpectSamePicture(Picture().copy(), test::Redrawn(started), "waterpol-zero");
}

TEST_F(WaterPolarisation, NoNanAnywhere) {
    for (const int colour : {1, 4, 8}) {
        app.ControlChange(Control::TrackBar1, colour);
        for (int degrees = 0; degrees <= 90; ++degrees) {
            SetIncidence(degrees);
            for (int row = 0; row < app.Table.RowCount(); ++row)
                for (int col = 0; col < 3; ++col) {
                    EXPECT_EQ(Cell(col, row).find("nan"), std::string::npos);
                    EXPECT_EQ(Cell(col, row).find("inf"), std::string::npos);
                    EXPECT_EQ(Cell(col, row).find("-0.0"), std::string::npos);
                }
            EXPECT_EQ(app.Window.Panel1.find("nan"), std::string::npos);
            EXPECT_EQ(app.Window.Panel2.find("nan"), std::string::npos);
        }
    }
}

TEST_F(WaterPolarisation, EveryToggleTwiceLeavesThePicture) {
    for (const int degrees : {53, 50}) {
        SetIncidence(degrees);
        app.FKeyClick(FKey::F3);  // the normal crosses the protractor's labels
        app.FKeyClick(FKey::F5);
        for (FKey key : {FKey::F2, FKey::F3, FKey::F4, FKey::F5, FKey::F6}) {
            const QImage before = Picture().copy();
            app.FKeyClick(key);
            // On the Brewster angle the ray covers the red rays F5 draws.
            if (degrees != 53 || key != FKey::F5) {
                EXPECT_NE(Picture(), before) << static_cast<int>(key);
            }
            app.FKeyClick(key);
            ExpectSameButDots(Picture().copy(), before,
                              "waterpol-toggle-" + std::to_string(static_cast<int>(key) + 2));
        }
        app.FKeyClick(FKey::F3);
        app.FKeyClick(FKey::F5);
    }
}

TEST_F(WaterPolarisation, ProtractorComesAndGoesWithItsDots) {
    const QImage before = Picture().copy();
    app.FKeyClick(FKey::F6);
    ExpectSameButDots(Picture().copy(), test::Redrawn(started), "waterpol-protractor");
    const TPoint dot = ProtractorDot(app.Map, 1);
    EXPECT_EQ(started.picture().GetPixel(dot.x, dot.y), clRed);
    app.FKeyClick(FKey::F6);
    test::ExpectSamePicture(Picture().copy(), before, "waterpol-protractor-off");
}

TEST_F(WaterPolarisation, OtherEventsDrawNothing) {
    test::ExpectEventsDrawNothing(started,
                                  {Event::TrackBar2, Event::Tick, Event::Step, Event::ScrollBar2,
                                   Event::ScrollBar3, Event::TrackBar3, Event::TrackBar4},
                                  "waterpol");
}

// Random use of every control ends in the picture of a full redraw, apart from the
// protractor's dots.
TEST_F(WaterPolarisation, RandomUseMatchesAFullRedraw) {
    std::mt19937 random(4041);
    const FKey keys[] = {FKey::F2, FKey::F3, FKey::F4, FKey::F5, FKey::F6};
    for (int sequence = 0; sequence < 50; ++sequence) {
        std::string events;
        for (int e = 0; e < 10; ++e) {
            const std::uint32_t k = random() % 8;
            if (k < 2) {
                // Half of the angles near the Brewster angle, where the rays snap.
                const int degrees = (random() % 2) != 0u ? 50 + static_cast<int>(random() % 7)
                                                         : static_cast<int>(random() % 91);
                SetIncidence(degrees);
                events += " i=" + std::to_string(degrees);
            } else if (k == 2) {
                const int colour = 1 + static_cast<int>(random() % 8);
                app.ControlChange(Control::TrackBar1, colour);
                events += " c=" + std::to_string(colour);
            } else {
                app.FKeyClick(keys[k - 3]);
                events += " F" + std::to_string(k - 1);
            }
        }
        SCOPED_TRACE("sequence " + std::to_string(sequence) + ":" + events);
        const QImage drawn = Picture().copy();
        ExpectSameButDots(drawn, test::Redrawn(started),
                          "waterpol-sequence-" + std::to_string(sequence));
        if (HasFailure()) return;
    }
}

}  // namespace
}  // namespace viv
