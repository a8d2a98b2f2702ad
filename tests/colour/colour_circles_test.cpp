// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Goethes farvetrekant" and "Den tolvdelte farvecirkel": the colours where they belong
// and the colour under the mouse.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/catalogue.h"
#include "colour_checks.h"
#include "picture_checks.h"
#include "rainbow/cell_checks.h"
#include "sims/colour/colour_levels.h"
#include "sims/colour/colour_under_mouse.h"
#include "sims/colour/goethe_triangle.h"
#include "sims/colour/twelve_part_circle.h"
#include "sims/simulations.h"

namespace viv {
namespace {

using test::ExpectNoNan;
using test::ExpectSamePicture;
using test::Rgb;

class ColourCircles : public test::ColourFixture {
protected:
    explicit ColourCircles(std::uint16_t n) : ColourFixture(n) {}

    // The mouse over world point (x, y): the pointer reports the matching screen pixel.
    void MouseOver(double x, double y) {
        auto& p = started.host.pointer;
        p.origin = {100, 50};
        p.size = {Picture().width(), Picture().height()};
        p.cursor = {p.origin.x + app.Map.PictureX(x), p.origin.y + app.Map.PictureY(y)};
        app.ImageMouseMove();
    }
    std::string Panels() {
        return app.Window.Panel1 + " " + app.Window.Panel2 + " " + app.Window.Panel3;
    }
};

class GoetheTriangleSim : public ColourCircles {
protected:
    GoetheTriangleSim() : ColourCircles(31) {}
};

TEST_F(GoetheTriangleSim, NineTrianglesTileTheLargeOne) {
    EXPECT_EQ(app.Window.MessagePanel, "Bevæg musen over figuren");
    const double a = 3.5, h = a * std::sqrt(3.0) / 2;
    // The top triangle's apex, the large triangle's corners.
    const auto top = GoetheCorners(8);
    EXPECT_NEAR(top[2].x, -2.5 + a / 2, 1e-12);
    EXPECT_NEAR(top[2].y, -4 + 3 * h, 1e-12);
    double area = 0;
    for (int k = 0; k < 9; ++k) {
        const auto c = GoetheCorners(k);
        area += std::abs((c[1].x - c[0].x) * (c[2].y - c[0].y) -
                         (c[2].x - c[0].x) * (c[1].y - c[0].y)) /
                2;
        // Every triangle lies inside the large one, and its middle shows its colour.
        const double mx = (c[0].x + c[1].x + c[2].x) / 3, my = (c[0].y + c[1].y + c[2].y) / 3;
        for (const WorldPoint& p : c) {
            EXPECT_GE(p.y, -4 - 1e-9);
            EXPECT_LE(std::abs(p.x - (-6 + 1.5 * a)), (-4 + 3 * h - p.y) / std::sqrt(3.0) + 1e-9);
        }
        EXPECT_EQ(At(mx, my), GoetheTriangles()[static_cast<std::size_t>(k)].colour) << k;
    }
    EXPECT_NEAR(area, 9 * a * h / 2, 1e-9);
    EXPECT_EQ(At(-2.5 + a / 2, -4 + 3 * h - 0.4), RGB(255, 0, 128));
    EXPECT_EQ(At(-7, 0), clWhite);
}

TEST_F(GoetheTriangleSim, MouseReadsTheColourUnderIt) {
    const double h = 3.5 * std::sqrt(3.0) / 2;
    MouseOver(-6 + 1.75, -4 + h / 3);  // the yellow corner triangle
    EXPECT_EQ(Panels(), "R=100% G=100% B=0%");
    MouseOver(-6 + 3.5, -4 + 2 * h / 3);  // the upside-down (255, 192, 0)
    EXPECT_EQ(Panels(), "R=100% G=75% B=0%");
    MouseOver(8, -6);
    EXPECT_EQ(Panels(), "R=100% G=100% B=100%");
    ExpectNoNan(app);
    // A redraw leaves the picture as it was.
    const QImage before = Picture().copy();
    ExpectSamePicture(Redrawn(), before, "goethe-redraw");
}

class TwelvePartCircleSim : public ColourCircles {
protected:
    TwelvePartCircleSim() : ColourCircles(32) {}
};

TEST_F(TwelvePartCircleSim, RingOfTwelveAroundThePrimariesAndSecondaries) {
    const auto& c = TwelveColours();
    EXPECT_EQ(c[5], Complement(c[10]));
    EXPECT_EQ(c[7], Complement(c[1]));
    for (int i = 0; i < 12; ++i) {
        const double a = (i * 30 - 30) * test::kPi / 180;  // the sector's middle
        EXPECT_EQ(At(4.6 * std::cos(a), 4.6 * std::sin(a)), c[static_cast<std::size_t>(i)]) << i;
    }
    // Each colour of the hexagon faces its own sector of the ring.
    for (int i : {0, 2, 4, 6, 8, 10}) {
        const double a = (i * 30 - 30) * test::kPi / 180;
        const double r = i % 4 == 0 ? 1.5 : 3.0;  // the primaries' kites lie nearer the centre
        EXPECT_EQ(At(r * std::cos(a), r * std::sin(a)), c[static_cast<std::size_t>(i)])
            << i << " " << Rgb(At(r * std::cos(a), r * std::sin(a)));
    }
    // Between the hexagon and the ring: white.
    EXPECT_EQ(At(4.1, 0), clWhite);
    EXPECT_EQ(At(-4.0, 0), clWhite);
    EXPECT_EQ(At(0, 5.3), clWhite);
}

TEST_F(TwelvePartCircleSim, MouseOverTheYellowKiteAndTheWhiteGap) {
    MouseOver(0, 2.5);
    EXPECT_EQ(Panels(), "R=100% G=100% B=0%");
    MouseOver(-0.3, -3);  // the blue kite's lower point is at 210°: below the centre lies violet
    EXPECT_EQ(Panels(), "R=50% G=0% B=50%");
    MouseOver(4.1, 0);
    EXPECT_EQ(Panels(), "R=100% G=100% B=100%");
    // While the clock runs the mouse reads nothing.
    app.Window.Panel1 = "x";
    app.Window.Clock.Enabled = true;
    MouseOver(0, 2.5);
    EXPECT_EQ(app.Window.Panel1, "x");
    app.Window.Clock.Enabled = false;
    ExpectNoNan(app);
    const QImage before = Picture().copy();
    ExpectSamePicture(Redrawn(), before, "twelve-redraw");
}

}  // namespace
}  // namespace viv
