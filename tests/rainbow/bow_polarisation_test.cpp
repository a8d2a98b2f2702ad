// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/bow_polarisation.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <cstdio>
#include <string>

#include "app/catalogue.h"
#include "app/events.h"
#include "library/colour_table.h"
#include "library/trig.h"
#include "picture_checks.h"
#include "sims/rainbow/rainbow_state.h"
#include "sims/rainbow/reflectance_inset.h"
#include "sims/rainbow/water_polarisation.h"
#include "sims/simulations.h"
#include "test_host.h"
#include "text_checks.h"

namespace viv {
namespace {

using test::ExpectSamePicture;

// The Fresnel amplitude coefficients for light from air into water, squared.
Reflectance FromAmplitudes(double i, double n) {
    const double cosI = std::cos(i);
    const double cosT = std::sqrt(1 - std::pow(std::sin(i) / n, 2));
    const double rs = (cosI - n * cosT) / (cosI + n * cosT);
    const double rp = (n * cosI - cosT) / (n * cosI + cosT);
    return {rs * rs, rp * rp};
}

using test::Fixed;
using test::Trimmed;

bool HasNan(const std::string& text) {
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

TEST(Reflectance, AgreesWithTheAmplitudeCoefficients) {
    for (const double n : {1.329, 1.334, 1.343}) {
        for (int degrees = 1; degrees <= 89; ++degrees) {
            const double i = degrees / DegPerRad;
            const Reflectance got = WaterReflectance(i, std::asin(std::sin(i) / n), n);
            const Reflectance want = FromAmplitudes(i, n);
            EXPECT_NEAR(got.Perpendicular, want.Perpendicular, 1e-12) << n << " " << degrees;
            EXPECT_NEAR(got.Parallel, want.Parallel, 1e-12) << n << " " << degrees;
        }
        const Reflectance normal = WaterReflectance(0, 0, n);
        EXPECT_NEAR(normal.Perpendicular, FromAmplitudes(0, n).Perpendicular, 1e-15);
        EXPECT_EQ(normal.Perpendicular, normal.Parallel);
    }
}

TEST(Reflectance, ParallelVanishesAtTheBrewsterAngle) {
    for (const double n : {1.329, 1.334, 1.343}) {
        const double brewster = std::atan(n);
        EXPECT_NEAR(BrewsterAngleOf(n), brewster * DegPerRad, 1e-9);
        const Reflectance r = WaterReflectance(brewster, std::asin(std::sin(brewster) / n), n);
        EXPECT_LT(r.Parallel, 1e-20);
        EXPECT_GT(r.Perpendicular, 0.05);
        // Either side of it the parallel light is reflected again.
        for (const double d : {-0.05, 0.05}) {
            const double i = brewster + d;
            EXPECT_GT(WaterReflectance(i, std::asin(std::sin(i) / n), n).Parallel, 1e-6);
        }
    }
}

class BowPolarisation : public ::testing::Test {
protected:
    BowPolarisation() { app.MenuEntry(11); }

    const QImage& Picture() { return started.picture().Image(); }
    const std::string& Cell(int col, int row) const { return app.Table.Cell(col, row); }
    void SetParameter(int p) {
        app.ControlChange(Control::ScrollBar1, app.Sims.Get<RainbowState>().RaySteps - p);
    }

    // Pixels of `colour` in the column of the inset at the refraction angle b (degrees),
    // between the inset's y values y1 and y2.
    int InsetColumnCount(TColor colour, double b, double y1, double y2) {
        World& m = app.Map;
        int x = 0, top = 0, bottom = 0;
        {
            const InsetGraph inset = ReflectanceInset(scene, *app.Image);
            x = m.PictureX(b);
            top = m.PictureY(y2);
            bottom = m.PictureY(y1);
        }
        int count = 0;
        for (int y = top; y <= bottom; ++y)
            if (started.picture().GetPixel(x, y) == colour) ++count;
        return count;
    }
    // The table's title, and the inset's green curve at bow angle `shown` but not at
    // `hidden` (degrees).
    void ExpectBow(const char* title, double shown, double hidden) {
        EXPECT_EQ(Cell(0, 0), title);
        EXPECT_GT(InsetColumnCount(clGreen, shown, 0.5, 2.5), 0);
        EXPECT_EQ(InsetColumnCount(clGreen, hidden, 0.5, 2.5), 0);
    }

    test::StartedApp started;
    App& app = started.app;
    Scene scene{app};
};

// The light left after each surface, from the amplitude coefficients.
TEST_F(BowPolarisation, TableFollowsTheLightThroughTheDrop) {
    for (const int bow : {1, 2}) {
        app.ControlChange(Control::TrackBar2, bow);
        for (const int p : {5, 33, 70, 86, 95}) {
            SetParameter(p);
            const double n = Colour(app.State.CurrentColour).WaterIndex;
            const Reflectance r = FromAmplitudes(std::asin(p / 100.0), n);
            const double R[2] = {r.Perpendicular, r.Parallel};
            double leaving[2];
            for (int k = 0; k < 2; ++k) {
                const double in = 100 * (1 - R[k]);
                EXPECT_EQ(Trimmed(Cell(1 + k, 5)), Fixed(in, 2)) << bow << " " << p;
                EXPECT_EQ(Trimmed(Cell(1 + k, 6)), Fixed(in * R[k], 2)) << bow << " " << p;
                if (bow == 1) {
                    leaving[k] = in * R[k] * (1 - R[k]);
                    EXPECT_EQ(Trimmed(Cell(1 + k, 7)), Fixed(leaving[k], 2));
                    EXPECT_EQ(Cell(1 + k, 8), "");
                } else {
                    leaving[k] = in * R[k] * R[k] * (1 - R[k]);
                    EXPECT_EQ(Trimmed(Cell(1 + k, 7)), Fixed(in * R[k] * R[k], 2));
                    EXPECT_EQ(Trimmed(Cell(1 + k, 8)), Fixed(leaving[k], 2));
                }
            }
            EXPECT_EQ(app.Window.Panel1, "p: " + Fixed(p / 100.0, 3));
            EXPECT_EQ(app.Window.Panel2, "Ip/Iv: " + Fixed(leaving[1] / leaving[0], 3));
        }
    }
}

TEST_F(BowPolarisation, GrazingRayHasNoRatioAndTheCentralRayKeepsBoth) {
    for (const int bow : {1, 2}) {
        app.ControlChange(Control::TrackBar2, bow);
        SetParameter(100);
        EXPECT_EQ(app.Window.Panel2, "-----") << bow;
        SetParameter(0);
        EXPECT_EQ(app.Window.Panel2, "Ip/Iv: 1.000") << bow;
        for (int row = 5; row <= (bow == 1 ? 7 : 8); ++row)
            EXPECT_EQ(Trimmed(Cell(1, row)), Trimmed(Cell(2, row))) << bow << " " << row;
    }
}

TEST_F(BowPolarisation, SecondaryBowRelabelsAndMovesTheRainbowMarker) {
    const std::size_t c = 4;
    const double primary = app.State.Rainbow.PrimaryBowRefraction[c];
    const double secondary = app.State.Rainbow.SecondaryBowRefraction[c];
    ExpectBow("Primær vivarno", primary, secondary);

    app.ControlChange(Control::TrackBar2, 2);
    ExpectBow("Sekundær vivarno", secondary, primary);
    EXPECT_EQ(Cell(0, 7), " lys igen efter spejling");
    EXPECT_EQ(Cell(0, 8), " lys igen efter brydning");
    EXPECT_EQ(Cell(0, 3), " minimal vinkel/°");

    app.ControlChange(Control::TrackBar2, 1);
    ExpectBow("Primær vivarno", primary, secondary);
    EXPECT_EQ(Cell(0, 7), " lys igen efter brydning");
    for (int col = 0; col <= 2; ++col) EXPECT_EQ(Cell(col, 8), "");
}

// Chosen while the drop simulation shows the secondary bow, the table is labelled for it.
TEST_F(BowPolarisation, ArrivesWithTheBowLeftByTheDrop) {
    app.MenuEntry(7);
    app.ControlChange(Control::TrackBar2, 2);
    app.MenuEntry(11);
    EXPECT_EQ(app.State.CurrentBow, 2);
    EXPECT_EQ(Cell(0, 0), "Sekundær vivarno");
    EXPECT_EQ(Cell(0, 7), " lys igen efter spejling");
    EXPECT_EQ(Cell(0, 8), " lys igen efter brydning");
    EXPECT_FALSE(Cell(1, 8).empty());
}

TEST_F(BowPolarisation, ColourChangeMovesTheCriticalAngleLine) {
    const auto criticalLine = [&](int colour) {
        const double n = Colour(colour).WaterIndex;
        return InsetColumnCount(clBlack, std::asin(1 / n) * DegPerRad, 10, 28);
    };
    EXPECT_GT(criticalLine(4), 0);
    app.ControlChange(Control::TrackBar1, 1);
    EXPECT_GT(criticalLine(1), 0);
    EXPECT_EQ(criticalLine(4), 0);
    ExpectSamePicture(Picture().copy(), test::Redrawn(started), "bowpol-colour");
}

TEST_F(BowPolarisation, NoNanAnywhere) {
    for (const int bow : {1, 2})
        for (const int colour : {1, 4, 8}) {
            app.ControlChange(Control::TrackBar2, bow);
            app.ControlChange(Control::TrackBar1, colour);
            for (int p = 0; p <= 100; ++p) {
                SetParameter(p);
                for (int row = 0; row < app.Table.RowCount(); ++row)
                    for (int col = 0; col < 3; ++col) EXPECT_FALSE(HasNan(Cell(col, row)));
                EXPECT_FALSE(HasNan(app.Window.Panel1));
                EXPECT_FALSE(HasNan(app.Window.Panel2));
            }
        }
}

TEST_F(BowPolarisation, EveryToggleTwiceLeavesThePicture) {
    for (const int bow : {1, 2}) {
        app.ControlChange(Control::TrackBar2, bow);
        test::ExpectTogglesTwiceRestore(started, {FKey::F2, FKey::F3, FKey::F4, FKey::F5},
                                        "bowpol");
    }
}

TEST_F(BowPolarisation, OtherEventsDrawNothing) {
    test::ExpectEventsDrawNothing(started,
                                  {Event::Tick, Event::Step, Event::ScrollBar2, Event::ScrollBar3,
                                   Event::TrackBar3, Event::TrackBar4, Event::F6},
                                  "bowpol");
}

TEST_F(BowPolarisation, RandomUseMatchesAFullRedraw) {
    test::ExpectRandomUseMatchesRedraw(
        started, 20261207, {Control::ScrollBar1, Control::TrackBar1, Control::TrackBar2},
        {FKey::F2, FKey::F3, FKey::F4, FKey::F5}, "bowpol");
}

}  // namespace
}  // namespace viv
