// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Komplementærfarve": the disc's two halves, the component boxes and the colour circle.
#include "sims/colour/complementary_colour.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "app/catalogue.h"
#include "colour_checks.h"
#include "library/format.h"
#include "picture_checks.h"
#include "rainbow/cell_checks.h"
#include "sims/simulations.h"

namespace viv {
namespace {

using test::ExpectNoNan;
using test::Rgb;

class ComplementaryColour : public test::ColourFixture {
protected:
    ComplementaryColour() : ColourFixture(22) {}

    void ExpectDisc(TColor left, TColor right) {
        for (double y : {-3.0, 0.0, 3.0}) {
            EXPECT_EQ(At(-2.5, y), left) << Rgb(At(-2.5, y)) << " at y " << y;
            EXPECT_EQ(At(2.5, y), right) << Rgb(At(2.5, y)) << " at y " << y;
        }
    }
};

TEST_F(ComplementaryColour, MixedColourBesideItsComplement) {
    // The first bar starts at the bottom, the two others where they were left.
    EXPECT_EQ(app.Window.ScrollBar1.Position, 255);
    const int g0 = 255 - app.Window.ScrollBar2.Position, b0 = 255 - app.Window.ScrollBar3.Position;
    ExpectDisc(RGB(0, g0, b0), RGB(255, 255 - g0, 255 - b0));
    SetLevels(255, 255, 255);
    ExpectDisc(clWhite, clBlack);
    SetLevels(255, 0, 0);
    ExpectDisc(clRed, RGB(0, 255, 255));
    EXPECT_EQ(At(-5.65, 4.5), clRed);
    EXPECT_EQ(At(-4.65, 4.5), clBlack);
    EXPECT_EQ(At(-3.65, 4.5), clBlack);
    SetLevels(0, 0, 0);
    ExpectDisc(clBlack, clWhite);
    std::mt19937 random(22);
    std::uniform_int_distribution<int> level(0, 255);
    for (int trial = 0; trial < 20; ++trial) {
        const int r = level(random), g = level(random), b = level(random);
        SetLevels(r, g, b);
        ExpectDisc(RGB(r, g, b), RGB(255 - r, 255 - g, 255 - b));
        EXPECT_EQ(At(-5.65, 4.5), RGB(r, 0, 0));
        EXPECT_EQ(At(-4.65, 4.5), RGB(0, g, 0));
        EXPECT_EQ(At(-3.65, 4.5), RGB(0, 0, b));
        const auto percent = [](int l) { return FormatReal(2, 1, 100.0 * l / 255); };
        EXPECT_EQ(app.Window.Panel1, "R=" + percent(r) + "%");
        EXPECT_EQ(app.Table.Cell(1, 3), percent(b));
        EXPECT_NEAR(test::Number(app.Table.Cell(1, 2)), 100.0 * g / 255, 0.05);
    }
    ExpectNoNan(app);
}

TEST_F(ComplementaryColour, CircleColoursFaceTheirComplements) {
    const auto& c = CircleColours();
    EXPECT_EQ(c[1], clBlue);
    EXPECT_EQ(c[9], clLime);
    EXPECT_EQ(c[17], clRed);
    EXPECT_EQ(c[3], RGB(0, 127, 255));
    EXPECT_EQ(c[24], RGB(63, 0, 255));
    for (int k = 1; k <= 12; ++k) {
        const auto index = static_cast<std::size_t>(k);
        const TColor a = c[index], b = c[index + 12];
        for (int (*channel)(TColor) : {&RedOf, &GreenOf, &BlueOf}) {
            const int v = channel(a);
            EXPECT_TRUE(v == 0 || v == 63 || v == 127 || v == 191 || v == 255) << k;
            EXPECT_LE(std::abs(channel(a) + channel(b) - 255), 1)
                << k << " " << Rgb(a) << " " << Rgb(b);
        }
    }
}

// Each ring shows every 24/n-th colour, sector k centred on angle 2π(k − 1)/n.
TEST_F(ComplementaryColour, RingsShowTheirShareOfTheColours) {
    const auto& c = CircleColours();
    const struct {
        int n;
        double radius;
    } rings[] = {{24, 3.5}, {12, 2.5}, {6, 1.5}, {3, 0.6}};
    for (const auto& ring : rings) {
        for (int k = 1; k <= ring.n; ++k) {
            const double a = 2 * test::kPi * (k - 1) / ring.n;
            const TColor got = At(9.5 + ring.radius * std::cos(a), ring.radius * std::sin(a));
            EXPECT_EQ(got, c[static_cast<std::size_t>(1 + (k - 1) * 24 / ring.n)])
                << "ring " << ring.n << " sector " << k << ": " << Rgb(got);
        }
    }
    // The circle does not follow the bars.
    const QImage before = Picture().copy();
    SetLevels(10, 20, 30);
    for (int k = 1; k <= 24; ++k) {
        const double a = 2 * test::kPi * (k - 1) / 24;
        const int x = app.Map.PictureX(9.5 + 3.5 * std::cos(a)),
                  y = app.Map.PictureY(3.5 * std::sin(a));
        EXPECT_EQ(Picture().pixel(x, y), before.pixel(x, y));
    }
}

TEST_F(ComplementaryColour, PictureAfterAnyControlSequenceEqualsItsFullRedraw) {
    test::ExpectRandomUseMatchesRedraw(
        started, 22, {Control::ScrollBar1, Control::ScrollBar2, Control::ScrollBar3}, {},
        "complement", 30, 8);
    ExpectNoNan(app);
}

}  // namespace
}  // namespace viv
