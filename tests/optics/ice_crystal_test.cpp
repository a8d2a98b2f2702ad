// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/optics/ice_crystal.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <string>

#include "app/catalogue.h"
#include "optics/optics_checks.h"
#include "picture_checks.h"
#include "sims/optics/optics_choice.h"
#include "sims/simulations.h"
#include "test_host.h"

namespace viv {
namespace {

using test::ExpectSamePicture;

constexpr double Deg = 3.14159265358979323846 / 180;

// The ray through the 60° wedge of faces 2 and 0, written out with Snell's law at both
// faces; NaN when it does not leave through face 0. The ray inside, from the middle of
// face 2 at the direction r1 - 30°, meets face 0 only when it passes above the vertex
// (3, 0) and below the vertex (1.5, 2.598).
double ExpectedDeviation(double iDeg, double n) {
    const double r1 = std::asin(std::sin(iDeg * Deg) / n);
    const double direction = r1 - 30 * Deg;
    const double entryX = -2.25, entryY = 1.299038105676658;
    const double toLower = std::atan2(0 - entryY, 3 - entryX);
    const double toUpper = std::atan2(2.598076211353316 - entryY, 1.5 - entryX);
    if (direction <= toLower || direction >= toUpper) return NAN;
    const double s = n * std::sin(60 * Deg - r1);
    if (s >= 1) return NAN;
    return iDeg + std::asin(s) / Deg - 60;
}

class IceCrystalSimulation : public test::OpticsFixture<::testing::Test> {
protected:
    IceCrystalSimulation() { app.MenuEntry(41); }
    void SetIncidence(int i) { app.ControlChange(Control::ScrollBar1, 90 - i); }
    void SetColour(int c) { app.ControlChange(Control::TrackBar1, c); }

    // Red pixels right of the crystal, below the inset graph.
    int RedRightOfCrystal() {
        return CountIn(clRed, app.Map.PictureX(3.2), Picture().height() / 3 + 1, Picture().width(),
                       Picture().height());
    }
};

TEST_F(IceCrystalSimulation, StartsBlueAtThirtyDegrees) {
    EXPECT_EQ(Cell(0, 0), "Iskrystallen");
    EXPECT_EQ(app.Sims.Get<OpticsChoice>().IceWavelength, 1);
    EXPECT_EQ(Cell(1, 1), "30");
    const double v = ExpectedDeviation(30, 1.3147);
    EXPECT_NEAR(std::stod(Cell(1, 2)), v, 0.0051);
    EXPECT_EQ(Cell(0, 3), " bølgelængde/nm, blå");
    EXPECT_EQ(Cell(1, 3), " 486.1");
    test::ExpectPanels(app, "i=30°", "v=" + Cell(1, 2) + "°", "blå: 486.1 nm");
    SetColour(3);
    EXPECT_EQ(Cell(0, 3), " bølgelængde/nm, rød");
    EXPECT_EQ(app.Window.Panel3, "rød: 759.4 nm");
}

TEST_F(IceCrystalSimulation, DeviationFollowsSnellForEveryAngleAndColour) {
    for (int c = 1; c <= 3; ++c) {
        SetColour(c);
        const double n = IceColours[c - 1].Index;
        for (int i = 0; i <= 89; ++i) {
            SetIncidence(i);
            SCOPED_TRACE("colour " + std::to_string(c) + ", i " + std::to_string(i));
            EXPECT_EQ(Cell(1, 1), std::to_string(i));
            const double v = ExpectedDeviation(i, n);
            if (std::isnan(v)) {
                EXPECT_EQ(Cell(1, 2), "");
                EXPECT_EQ(app.Window.Panel2, "");
            } else {
                EXPECT_NEAR(std::stod(Cell(1, 2)), v, 0.0051);
            }
            for (const std::string* text : std::initializer_list<const std::string*>{
                     &Cell(1, 2), &app.Window.Panel1, &app.Window.Panel2, &app.Window.Panel3})
                EXPECT_EQ(text->find("nan"), std::string::npos);
        }
    }
}

// The ray inside that meets the opposite, parallel face (small angles) or the top face
// (grazing incidence) is not deviated by the wedge and leaves no ray outside.
TEST_F(IceCrystalSimulation, NoDeviationWhereTheRayMissesTheWedgeFace) {
    SetColour(2);
    for (int i : {0, 5, 13, 14, 18, 21}) {
        SetIncidence(i);
        EXPECT_EQ(Cell(1, 2), "") << i;
        EXPECT_EQ(app.Window.Panel2, "") << i;
        EXPECT_EQ(RedRightOfCrystal(), 0) << i;
        const IceRay ray = TraceIceRay(i * Deg, 1.3104);
        EXPECT_FALSE(ray.Emerges);
        EXPECT_NE(ray.ExitFace, WedgeFace) << i;
    }
    SetIncidence(41);
    EXPECT_NE(Cell(1, 2), "");
    EXPECT_GT(RedRightOfCrystal(), 0);
    // Every traced exit point lies on the crystal's surface.
    for (int i = 0; i <= 89; ++i) {
        const IceRay ray = TraceIceRay(i * Deg, 1.3062);
        EXPECT_NEAR(
            std::hypot(ray.Exit.x, ray.Exit.y) *
                std::cos(std::atan2(ray.Exit.y, ray.Exit.x) - (30 + 60 * ray.ExitFace) * Deg),
            3 * std::cos(30 * Deg), 1e-9)
            << i;
        if (ray.Emerges) {
            // Snell at the exit, from the drawn points and the face's normal at 30°.
            const double inside = std::atan2(ray.Exit.y - ray.Entry.y, ray.Exit.x - ray.Entry.x);
            const double outside = std::atan2(ray.End.y - ray.Exit.y, ray.End.x - ray.Exit.x);
            EXPECT_NEAR(1.3062 * std::sin(30 * Deg - inside), std::sin(30 * Deg - outside), 1e-12);
            // And at the entry, with the normal at 150°.
            const double incident =
                std::atan2(ray.Entry.y - ray.Start.y, ray.Entry.x - ray.Start.x);
            EXPECT_NEAR(std::sin(incident + 30 * Deg), 1.3062 * std::sin(inside + 30 * Deg), 1e-12);
        }
    }
}

TEST_F(IceCrystalSimulation, HaloMinimumInYellow) {
    SetColour(2);
    const double n = 1.3104;
    const double expected = 2 * std::asin(n * std::sin(30 * Deg)) / Deg - 60;
    EXPECT_NEAR(expected, 21.86, 0.01);
    double lowest = 1e9;
    int at = 0;
    for (int i = 22; i <= 80; ++i) {
        SetIncidence(i);
        const double v = std::stod(Cell(1, 2));
        if (v < lowest) {
            lowest = v;
            at = i;
        }
    }
    EXPECT_NEAR(at, 41, 1);
    EXPECT_NEAR(lowest, expected, 0.02);
    EXPECT_GE(lowest, expected - 0.005);
}

TEST_F(IceCrystalSimulation, TogglesAndColoursMatchAFullRedraw) {
    for (int i : {41, 18}) {
        SetIncidence(i);
        // At 18° no ray emerges, so there are no deviation marks for F2 to draw.
        test::ExpectTogglesTwiceRestore(
            started, {FKey::F2, FKey::F3}, "ice",
            i == 41 ? std::initializer_list<FKey>{} : std::initializer_list<FKey>{FKey::F2});
    }
    SetColour(3);
    const QImage drawn = Picture().copy();
    ExpectSamePicture(drawn, Redrawn(), "ice-colour");
}

TEST_F(IceCrystalSimulation, RandomUseMatchesAFullRedraw) {
    test::ExpectRandomUseMatchesRedraw(started, 4141, {Control::ScrollBar1, Control::TrackBar1},
                                       {FKey::F2, FKey::F3}, "ice");
}

}  // namespace
}  // namespace viv
