// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/drop_scattering.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <random>
#include <string>
#include <utility>

#include "app/catalogue.h"
#include "app/events.h"
#include "library/canvas/raster_canvas.h"
#include "library/colour_table.h"
#include "library/trig.h"
#include "picture_checks.h"
#include "recording_canvas.h"
#include "sims/rainbow/rainbow_state.h"
#include "sims/simulations.h"
#include "test_host.h"

namespace viv {
namespace {

using test::ExpectSamePicture;

class DropSimulation : public ::testing::Test {
protected:
    DropSimulation() { app.MenuEntry(7); }

    const QImage& Picture() { return started.picture().Image(); }
    QImage Redrawn() {
        app.RedrawPicture();
        return Picture().copy();
    }
    const std::string& Cell(int col, int row) const { return app.Table.Cell(col, row); }

    // How many pixels of `colour` lie in the box of world points (x1, y1)..(x2, y2) of
    // the current mapping window.
    int CountColour(TColor colour, double x1, double y1, double x2, double y2) {
        const World& m = app.Map;
        int count = 0;
        for (int y = m.PictureY(y1); y <= m.PictureY(y2); ++y)
            for (int x = m.PictureX(x1); x <= m.PictureX(x2); ++x)
                if (started.picture().GetPixel(x, y) == colour) ++count;
        return count;
    }

    // Of the two bow names of the inset graph, only that of `bow` (1 primary, 2 secondary)
    // has green pixels in its box right of the marker of the current colour.
    void ExpectGreenBowName(int bow) {
        World& m = app.Map;
        m.PictureMarginX = static_cast<std::uint16_t>(2 * m.PictureWidth / 3);
        m.PictureMarginY = static_cast<std::uint16_t>(2 * m.PictureHeight / 3);
        m.SetWorldWindow(320, 800, 30, 60);
        const int secondary = CountColour(clGreen, 560, 57, 660, 55);
        const int primary = CountColour(clGreen, 560, 47, 660, 45);
        m.PictureMarginX = m.PictureMarginY = 0;
        m.SetWorldWindow(m.WorldXMin, m.WorldXMax, m.WorldYMin, m.WorldYMax);
        EXPECT_EQ(primary > 0, bow == 1) << primary;
        EXPECT_EQ(secondary > 0, bow == 2) << secondary;
    }

    test::StartedApp started;
    App& app = started.app;
    Scene scene{app};
};

TEST_F(DropSimulation, FirstSelectionShowsTheGreenPrimaryRayAtHalfTheRadius) {
    EXPECT_EQ(Cell(0, 0), " Primær vivarno:");
    EXPECT_EQ(Cell(1, 1), " 1.334");
    EXPECT_EQ(Cell(0, 2), " bølgelængde/nm, grøn");
    EXPECT_EQ(Cell(1, 2), " 546.1");
    EXPECT_EQ(Cell(0, 3), " maksimal vinkel/°");
    EXPECT_EQ(Cell(1, 3), "  41.9");
    EXPECT_EQ(Cell(1, 4), "0.50");
    EXPECT_EQ(Cell(1, 5), " 28.1");
    EXPECT_EQ(Cell(1, 6), "  30.0");
    EXPECT_EQ(Cell(1, 7), " 22.0");
    EXPECT_EQ(app.Window.Panel1, "p: 0.50");
    EXPECT_EQ(app.Window.Panel2, "v:  28.1°");

    // The drop of radius 3 about the centre of the main window, drawn in black.
    EXPECT_GT(CountColour(clBlack, -0.1, 3.1, 0.1, 2.9), 0);
    EXPECT_GT(CountColour(clBlack, 2.9, 0.1, 3.1, -0.1), 0);
    EXPECT_EQ(CountColour(clBlack, -1, 2, 1, -2), 0);
    // The ray comes in at height 1.5.
    EXPECT_GT(CountColour(clGreen, -8.5, 1.6, -7.5, 1.4), 0);
    // The gauge's outgoing arm lies along the light leaving at v = 28.05° below the
    // reversed sunlight, that is towards the lower left of its centre (-4, 5.3).
    const double v = 28.05 * Pi / 180;
    const double x = -4 - 0.6 * std::cos(v), y = 5.3 - 0.6 * std::sin(v);
    EXPECT_GT(CountColour(clGreen, x - 0.05, y + 0.05, x + 0.05, y - 0.05), 0);
    // The bow in use is named in green.
    ExpectGreenBowName(1);
}

TEST_F(DropSimulation, ScrollBarEndsGiveTheGrazingAndTheCentralRay) {
    app.ControlChange(Control::ScrollBar1, 0);
    EXPECT_EQ(app.Sims.Get<RainbowState>().RayStep, 100);
    EXPECT_EQ(Cell(1, 4), "1.00");
    EXPECT_EQ(Cell(1, 6), "  90.0");
    app.ControlChange(Control::ScrollBar1, 100);
    EXPECT_EQ(Cell(1, 4), "0.00");
    EXPECT_EQ(Cell(1, 5), "  0.0");
    EXPECT_EQ(app.Window.Panel2, "v:   0.0°");
    test::ExpectSameAsRedrawn(started, "drop-central");
}

TEST_F(DropSimulation, ControlledRaySnapsOntoTheRainbowRay) {
    app.ControlChange(Control::ScrollBar1, 14);  // p = 0.86, 0.00032 from the rainbow ray
    EXPECT_EQ(Cell(1, 4), "0.86");
    EXPECT_EQ(Cell(1, 5), " 41.9");
    EXPECT_EQ(app.Window.Panel1, "p: 0.86");
    EXPECT_EQ(app.Window.Panel2, "v:  41.9°");
    EXPECT_NEAR(RainbowOf(scene).DropRays.RayPoints[0].y, 3 * 0.86032, 3e-5);
    EXPECT_NEAR(RainbowOf(scene).DropRays.RayExitAngle, app.State.Rainbow.PrimaryBowDeviation[4],
                1e-12);
}

TEST_F(DropSimulation, SecondaryBowRelabelsTableAndGraph) {
    app.ControlChange(Control::TrackBar2, 2);
    EXPECT_EQ(app.State.CurrentBow, 2);
    EXPECT_EQ(Cell(0, 0), " Sekundær vivarno");
    EXPECT_EQ(Cell(0, 3), " minimal vinkel/°");
    EXPECT_EQ(Cell(1, 3), "  51.2");
    EXPECT_EQ(Cell(1, 5), "107.9");  // twice reflected at p = 0.5
    EXPECT_EQ(app.Window.Panel2, "v: 107.9°");
    ExpectGreenBowName(2);
    // The ray now enters below the centre.
    EXPECT_GT(CountColour(clGreen, -8.5, -1.4, -7.5, -1.6), 0);
    EXPECT_EQ(CountColour(clGreen, -8.5, 1.6, -7.5, 1.4), 0);
    test::ExpectSameAsRedrawn(started, "drop-secondary");

    app.ControlChange(Control::TrackBar2, 1);
    EXPECT_EQ(Cell(0, 0), " Primær vivarno");
    EXPECT_EQ(Cell(0, 3), " maksimal vinkel/°");
    ExpectGreenBowName(1);
}

TEST_F(DropSimulation, ColourChangeRewritesTheTable) {
    app.ControlChange(Control::TrackBar1, 8);
    EXPECT_EQ(app.State.CurrentColour, 8);
    EXPECT_EQ(Cell(1, 1), " 1.329");
    EXPECT_EQ(Cell(0, 2), " bølgelængde/nm, rød");
    EXPECT_EQ(Cell(1, 2), " 768.2");
    EXPECT_EQ(Cell(1, 3), "  42.7");
}

TEST_F(DropSimulation, FanHasARayForEveryFourthStep) {
    for (int bow : {1, 2}) {
        test::RecordingCanvas canvas;
        DrawRayFan(scene, canvas, bow);
        const auto rays = canvas.Of("polyline");
        ASSERT_EQ(rays.size(), 26u) << bow;
        for (std::size_t k = 0; k < rays.size(); ++k) {
            EXPECT_EQ(rays[k].pen.Color, clSilver);
            const double y = (bow == 1 ? 1 : -1) * 3 * 0.04 * static_cast<double>(k);
            EXPECT_EQ(rays[k].points[0], app.Map.Picture(-9, y));
        }
    }
}

TEST_F(DropSimulation, AxesThroughTheCentreComeAndGo) {
    const QImage before = Picture().copy();
    EXPECT_EQ(CountColour(clBlack, -7.2, 0.05, -6.8, -0.05), 0);
    app.FKeyClick(FKey::F4);
    EXPECT_TRUE(app.State.ShowAxes);
    EXPECT_GT(CountColour(clBlack, -7.2, 0.05, -6.8, -0.05), 0);
    EXPECT_GT(CountColour(clBlack, -0.05, -1, 0.05, -2), 0);
    {
        const QImage withAxes = Picture().copy();  // taken before the redraw
        ExpectSamePicture(withAxes, Redrawn(), "drop-axes");
    }
    app.FKeyClick(FKey::F4);
    ExpectSamePicture(Picture().copy(), before, "drop-axes-off");
}

TEST_F(DropSimulation, EveryToggleTwiceLeavesThePicture) {
    app.ControlChange(Control::ScrollBar1, 20);
    test::ExpectTogglesTwiceRestore(started, {FKey::F2, FKey::F3, FKey::F4, FKey::F5, FKey::F6},
                                    "drop");
}

TEST_F(DropSimulation, OtherEventsDrawNothing) {
    test::ExpectEventsDrawNothing(started,
                                  {Event::Tick, Event::Step, Event::ScrollBar2, Event::ScrollBar3,
                                   Event::TrackBar3, Event::TrackBar4},
                                  "drop");
}

// Whatever the user does, the picture drawn piece by piece equals a fresh full redraw.
TEST_F(DropSimulation, RandomUseMatchesAFullRedraw) {
    test::ExpectRandomUseMatchesRedraw(
        started, 20240607, {Control::ScrollBar1, Control::TrackBar1, Control::TrackBar2},
        {FKey::F2, FKey::F3, FKey::F4, FKey::F5, FKey::F6}, "drop");
}

}  // namespace
}  // namespace viv
