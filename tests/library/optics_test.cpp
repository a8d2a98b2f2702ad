// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "library/colour_table.h"
#include "library/rainbow_angles.h"
#include "library/substance_table.h"
#include "library/trig.h"

namespace viv {
namespace {

TEST(ColourTable, StartColourIsGreen) {
    const ColourRow& green = Colour(4);
    EXPECT_EQ(green.ColourName, "grøn");
    EXPECT_DOUBLE_EQ(green.WaveLength, 546.1);
    EXPECT_DOUBLE_EQ(green.WaterIndex, 1.334);
    EXPECT_EQ(green.ScreenColour, RGB(0, 128, 0));
    EXPECT_EQ(green.ScreenColour, SelectedRayGreen);
    EXPECT_EQ(Colour(0).ColourName, "violet");  // held inside 1..8
    EXPECT_EQ(Colour(99).WaveLength, 768.2);
    EXPECT_EQ(Substance(7).SubstanceName, "Tæt flint");
    EXPECT_DOUBLE_EQ(Substance(8).SubstanceIndexRed, 1.902);
}

// The deviation of a ray entering a sphere with impact parameter p, traced with
// k inner reflections, computed independently by geometry: the total turning of the
// direction at each interface.
double TracedDeviation(double p, double n, int k) {
    const double i = std::asin(p);
    const double r = std::asin(p / n);
    return 2 * (i - r) + k * (Pi - 2 * r);  // radians turned, counter-clockwise
}

TEST(RainbowAngles, RowsOneFiveEight) {
    const RainbowAngles a = ComputeRainbowAngles();
    EXPECT_NEAR(a.PrimaryBowAngle[5], 42.08, 0.005);
    EXPECT_NEAR(a.PrimaryBowParameter[5], 0.86084, 0.000005);
    EXPECT_NEAR(a.PrimaryBowRefraction[5], 40.22, 0.005);
    EXPECT_NEAR(a.SecondaryBowAngle[5], 50.89, 0.005);
    EXPECT_NEAR(a.SecondaryBowParameter[5], 0.95020, 0.000005);
    EXPECT_NEAR(a.SecondaryBowRefraction[5], 45.47, 0.005);
    EXPECT_NEAR(a.PrimaryBowAngle[1], 40.65, 0.005);
    EXPECT_NEAR(a.SecondaryBowAngle[1], 53.48, 0.005);
    EXPECT_NEAR(a.PrimaryBowAngle[8], 42.66, 0.005);
    EXPECT_NEAR(a.SecondaryBowAngle[8], 49.84, 0.005);
    for (int k = 1; k <= 8; ++k)
        EXPECT_NEAR(a.PrimaryBowDeviation[k] * DegPerRad, a.PrimaryBowAngle[k], 1e-12);
}

TEST(RainbowAngles, OrderOfColoursInTheTwoBows) {
    const RainbowAngles a = ComputeRainbowAngles();
    for (int k = 1; k < 8; ++k) {
        EXPECT_LE(a.PrimaryBowAngle[k], a.PrimaryBowAngle[k + 1]);
        EXPECT_GE(a.SecondaryBowAngle[k], a.SecondaryBowAngle[k + 1]);
    }
    EXPECT_EQ(a.PrimaryBowAngle[6], a.PrimaryBowAngle[7]);
    EXPECT_EQ(a.SecondaryBowAngle[6], a.SecondaryBowAngle[7]);
}

TEST(RainbowAngles, BowRaysAreTheExtremesOfTheTracedDeviation) {
    const RainbowAngles a = ComputeRainbowAngles();
    for (int k = 1; k <= 8; ++k) {
        const double n = Colour(k).WaterIndex;
        // Bow angle from the antisolar point: pi minus the turning (one reflection),
        // turning minus pi (two reflections).
        const auto primary = [&](double p) { return Pi - TracedDeviation(p, n, 1); };
        const auto secondary = [&](double p) { return TracedDeviation(p, n, 2) - Pi; };
        double bestP = 0, best = -1, bestS = 0, lowest = 10;
        for (int j = 0; j <= 200000; ++j) {
            const double p = j / 200000.0;
            if (primary(p) > best) best = primary(p), bestP = p;
            if (secondary(p) < lowest) lowest = secondary(p), bestS = p;
        }
        EXPECT_NEAR(a.PrimaryBowDeviation[k], best, 1e-9) << k;
        EXPECT_NEAR(a.PrimaryBowParameter[k], bestP, 1e-4) << k;
        EXPECT_NEAR(a.SecondaryBowDeviation[k], lowest, 1e-9) << k;
        EXPECT_NEAR(a.SecondaryBowParameter[k], bestS, 1e-4) << k;
    }
}

}  // namespace
}  // namespace viv
