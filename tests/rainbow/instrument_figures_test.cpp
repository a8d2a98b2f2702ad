// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/instrument_figures.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/catalogue.h"
#include "sims/simulations.h"
#include "test_host.h"

namespace viv {
namespace {

constexpr double Deg = 3.14159265358979323846 / 180;

// A cross-piece of 30 slid to x spans the angle 2 atan(15 / x).
TEST(JacobsStaff, TicksStandWhereTheCrossPieceSpansTheirAngle) {
    EXPECT_NEAR(JacobsStaffPosition(40), 41.21, 0.005);
    EXPECT_NEAR(JacobsStaffPosition(60), 25.98, 0.005);
    for (double theta = 40; theta <= 60; theta += 0.5)
        EXPECT_NEAR(2 * std::atan(15 / JacobsStaffPosition(theta)) / Deg, theta, 1e-9);
}

TEST(InstrumentFigures, DrawnOnceByTheirEntries) {
    test::StartedApp started;
    App& app = started.app;
    app.MenuEntry(43);
    const World& map = app.Map;
    // The 40° and 60° ticks are bold lines across the staff; the 41° tick thin.
    for (double theta : {40.0, 45.0, 50.0, 60.0})
        EXPECT_EQ(
            started.picture().GetPixel(map.PictureX(JacobsStaffPosition(theta)), map.PictureY(0.5)),
            clBlack)
            << theta;
    EXPECT_EQ(started.picture().GetPixel(map.PictureX(JacobsStaffPosition(41)), map.PictureY(0.7)),
              clBlack);
    EXPECT_EQ(
        started.picture().GetPixel(map.PictureX(JacobsStaffPosition(40.5)), map.PictureY(0.8)),
        clWhite);
    // Nothing beyond the 40° end of the staff.
    EXPECT_EQ(started.picture().GetPixel(map.PictureX(43), map.PictureY(0)), clWhite);
    const QImage staff = started.picture().Image().copy();
    app.FKeyClick(FKey::F2);
    EXPECT_EQ(started.picture().Image(), staff);

    const TFont font = started.picture().Font;
    app.MenuEntry(42);
    // The ten-degree line at 300° from radius 7.5 to 16, red hatching between the squares.
    const double a = 300 * Deg;
    int black = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (started.picture().GetPixel(map.PictureX(11 * std::cos(a)) + dx,
                                           map.PictureY(11 * std::sin(a)) + dy) == clBlack)
                ++black;
    EXPECT_GT(black, 0);
    int red = 0;
    for (int y = 0; y < started.picture().Height(); ++y)
        for (int x = 0; x < started.picture().Width(); ++x)
            if (started.picture().GetPixel(x, y) == clRed) ++red;
    EXPECT_GT(red, 20);
    // The font is left as the figure found it.
    EXPECT_EQ(started.picture().Font.Size, font.Size);
    EXPECT_EQ(started.picture().Font.Bold, font.Bold);
}

}  // namespace
}  // namespace viv
