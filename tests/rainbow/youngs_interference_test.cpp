// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/youngs_interference.h"

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
#include "recording_canvas.h"
#include "sims/rainbow/rainbow_state.h"
#include "sims/simulations.h"
#include "test_host.h"
#include "text_checks.h"

namespace viv {
namespace {

using test::Fixed;
using test::Trimmed;

// The direction, radians, in which a ray leaves the drop at `exit` after travelling inside
// from `from`: Snell's law at the surface, worked out with vectors.
double ExitDirection(WorldPoint from, WorldPoint exit, double n) {
    double dx = exit.x - from.x, dy = exit.y - from.y;
    const double length = std::hypot(dx, dy);
    dx /= length;
    dy /= length;
    const double nx = exit.x / DropRadius, ny = exit.y / DropRadius;  // outward normal
    const double cosIn = dx * nx + dy * ny;
    const double tx = dx - cosIn * nx, ty = dy - cosIn * ny;  // along the surface
    const double cosOut = std::sqrt(1 - n * n * (tx * tx + ty * ty));
    return std::atan2(n * ty + cosOut * ny, n * tx + cosOut * nx);
}

// The optical path, in drop radii, from the plane x = -2 through a once-reflected ray
// to a plane across the exit direction u.
double OpticalPath(double p, WorldPoint p2, WorldPoint p3, double u, double n) {
    const WorldPoint p1{-DropRadius * std::sqrt(1 - p * p), p * DropRadius};
    const double inside =
        std::hypot(p2.x - p1.x, p2.y - p1.y) + std::hypot(p3.x - p2.x, p3.y - p2.y);
    const double outside = (p1.x + 2 * DropRadius) - (p3.x * std::cos(u) + p3.y * std::sin(u));
    return (outside + n * inside) / DropRadius;
}

class YoungsInterference : public ::testing::Test {
protected:
    YoungsInterference() { app.MenuEntry(10); }

    const QImage& Picture() { return started.picture().Image(); }
    const std::string& Cell(int col, int row) const { return app.Table.Cell(col, row); }
    YoungState& Young() { return YoungOf(scene); }
    double N() const { return Colour(app.State.CurrentColour).WaterIndex; }

    test::StartedApp started;
    App& app = started.app;
    Scene scene{app};
};

TEST_F(YoungsInterference, SelectionShowsRayOneAtFifteenSixteenths) {
    EXPECT_EQ(app.Sims.Get<RainbowState>().RayStep, 750);
    EXPECT_EQ(Young().Rays.Ray1Parameter, 0.9375);
    EXPECT_EQ(Cell(1, 8), " 0.93750");
    EXPECT_EQ(app.Window.Panel1, "p: 0.938");
    EXPECT_EQ(Cell(1, 5), "  0.20");
    EXPECT_LT(Young().Rays.Ray2Parameter, app.State.Rainbow.PrimaryBowParameter[4]);
    EXPECT_EQ(Cell(1, 1), " 1.334");
    EXPECT_EQ(Cell(1, 3), "  41.9");
    for (int row : {9, 10}) {
        EXPECT_EQ(Cell(1, row), "");
        EXPECT_EQ(Cell(2, row), "");
    }
}

// Both rays, as drawn, leave the drop in the direction of row 4, and their optical paths
// differ by the phase difference shown.
TEST_F(YoungsInterference, BothRaysLeaveAtTheSameAngle) {
    for (const int colour : {1, 4, 8})
        for (const int position : {691, 700, 750, 799}) {
            app.ControlChange(Control::TrackBar1, colour);
            app.ControlChange(Control::ScrollBar1, position);
            const YoungState& y = Young();
            const double n = N();
            const double u1 =
                ExitDirection({y.Ray1Xs[0], y.Ray1Ys[0]}, {y.Ray1Xs[1], y.Ray1Ys[1]}, n);
            const double u2 =
                ExitDirection({y.Ray2Xs[0], y.Ray2Ys[0]}, {y.Ray2Xs[1], y.Ray2Ys[1]}, n);
            EXPECT_NEAR(u1, u2, 2e-4) << colour << " " << position;
            // v is measured from the antisolar point: the light leaves towards the sun's side.
            const double v = 180 - std::fabs(u1) * DegPerRad;
            EXPECT_EQ(Trimmed(Cell(1, 4)), Fixed(v, 1)) << colour << " " << position;

            const double path1 = OpticalPath(y.Rays.Ray1Parameter, {y.Ray1Xs[0], y.Ray1Ys[0]},
                                             {y.Ray1Xs[1], y.Ray1Ys[1]}, u1, n);
            const double path2 = OpticalPath(y.Rays.Ray2Parameter, {y.Ray2Xs[0], y.Ray2Ys[0]},
                                             {y.Ray2Xs[1], y.Ray2Ys[1]}, u1, n);
            const double wavelengths =
                (path1 - path2) * y.DropSize / (Colour(colour).WaveLength * 1e-9);
            EXPECT_NEAR(y.Rays.PathDifference, wavelengths, 0.02) << colour << " " << position;
        }
}

TEST_F(YoungsInterference, DoublingTheDropDoublesThePhase) {
    app.ControlChange(Control::ScrollBar1, 720);
    const double phi1 = Young().Rays.PathDifference;
    EXPECT_GT(phi1, 0.5);
    EXPECT_EQ(app.Window.Panel2, "fase: " + Fixed(phi1, 3));
    app.ControlChange(Control::TrackBar2, 2);
    EXPECT_NEAR(Young().Rays.PathDifference, 2 * phi1, 1e-9);
    EXPECT_EQ(Cell(1, 5), "  0.40");
    app.ControlChange(Control::TrackBar2, 4);
    EXPECT_EQ(Cell(1, 5), "  0.80");
    EXPECT_NEAR(Young().Rays.PathDifference, 4 * phi1, 1e-9);
}

// The sweep of the inset: from the bow angle outwards, the phase difference growing, and
// twice as many fringes for a drop twice as large.
TEST_F(YoungsInterference, SweepPacksTheFringesForALargerDrop) {
    const double n = N(), pr = app.State.Rainbow.PrimaryBowParameter[4];
    const double bow = app.State.Rainbow.PrimaryBowAngle[4];
    const auto fringes = [&](double size) {
        const auto samples = SweepInterference(n, pr, bow, InterferencePathScales(size, 546.1, n));
        EXPECT_FALSE(samples.empty());
        EXPECT_LT(samples.back().ExitAngle, 36);
        double v = bow, phi = 0;
        for (const SweepSample& s : samples) {
            EXPECT_LT(s.ExitAngle, v);
            EXPECT_GE(s.PathDifference, phi);
            v = s.ExitAngle;
            phi = s.PathDifference;
        }
        return phi;
    };
    const double small = fringes(0.0001), large = fringes(0.0002);
    EXPECT_NEAR(large / small, 2, 0.05);
}

// The inset's curve starts at the top, at the bow angle of the colour shown.
TEST_F(YoungsInterference, InsetCurveStartsAtTheCurrentColoursBowAngle) {
    for (const int colour : {1, 8, 4}) {
        app.ControlChange(Control::TrackBar1, colour);
        World& m = app.Map;
        m.PictureMarginX = static_cast<std::uint16_t>(3 * m.PictureWidth / 5);
        m.PictureMarginY = static_cast<std::uint16_t>(m.PictureHeight / 2);
        m.SetWorldWindow(36, 45, -0.65, 2.8);
        const int x =
            m.PictureX(app.State.Rainbow.PrimaryBowAngle[static_cast<std::size_t>(colour)]);
        const int y = m.PictureY(2);
        m.PictureMarginX = m.PictureMarginY = 0;
        m.SetWorldWindow(m.WorldXMin, m.WorldXMax, m.WorldYMin, m.WorldYMax);
        EXPECT_EQ(started.picture().GetPixel(x, y), clBlack) << colour;
        EXPECT_EQ(started.picture().GetPixel(x + 3, y), clWhite) << colour;
    }
}

TEST_F(YoungsInterference, OneScrollStepFillsTheLastRows) {
    app.ControlChange(Control::ScrollBar1, 741);  // p1 = 749 / 800
    app.ControlChange(Control::ScrollBar1, 740);  // one step up: 750 / 800
    const YoungState& y = Young();
    const double dp1 = 0.00125;
    const double dp2 = y.Rays.Ray2Parameter - y.PreviousRay2Parameter;
    EXPECT_LT(dp2, 0);  // ray 2 moves towards the axis as ray 1 moves out
    EXPECT_EQ(Trimmed(Cell(1, 9)), Fixed(dp1, 5));
    EXPECT_EQ(Trimmed(Cell(2, 9)), Fixed(dp2, 5));
    const double light1 = 100 * y.Rays.Light1, light2 = 100 * y.Rays.Light2;
    EXPECT_EQ(Trimmed(Cell(1, 10)), Fixed(dp1 * light1, 5));
    EXPECT_EQ(Trimmed(Cell(1, 11)), Fixed(std::fabs(dp1 / dp2 * light1 / light2), 3));

    // Anything else empties them.
    for (int event = 0; event < 4; ++event) {
        app.ControlChange(Control::ScrollBar1, 740);
        app.ControlChange(Control::ScrollBar1, 741);
        ASSERT_FALSE(Cell(1, 9).empty()) << event;
        switch (event) {
            case 0:
                app.ControlChange(Control::ScrollBar1, 743);
                break;
            case 1:
                app.ControlChange(Control::TrackBar1, 5);
                break;
            case 2:
                app.FKeyClick(FKey::F4);
                break;
            case 3:
                app.RedrawPicture();
                break;
        }
        EXPECT_EQ(Cell(1, 9), "") << event;
        EXPECT_EQ(Cell(2, 10), "") << event;
        EXPECT_EQ(Cell(1, 11), "") << event;
    }
}

// The light each ray carries is in the table whether or not the corrected curve is shown.
TEST_F(YoungsInterference, ScatteredLightFromThePerpendicularReflectance) {
    const double n = N();
    for (const bool corrected : {false, true}) {
        if (corrected) app.FKeyClick(FKey::F6);
        const InterferenceRays& r = Young().Rays;
        for (const auto& [p, col] :
             {std::pair{r.Ray1Parameter, 1}, std::pair{r.Ray2Parameter, 2}}) {
            const double cosI = std::sqrt(1 - p * p), cosT = std::sqrt(1 - p * p / (n * n));
            const double rs = (cosI - n * cosT) / (cosI + n * cosT);
            const double R = rs * rs;
            EXPECT_EQ(Trimmed(Cell(col, 7)), Fixed(100 * R * (1 - R) * (1 - R), 2)) << corrected;
        }
    }
}

// The construction's corner lies on the line through the centre and ray 2's point of
// reflection, straight below or above its entry point.
TEST_F(YoungsInterference, PathConstructionMeetsTheAxisOfTheRay) {
    app.FKeyClick(FKey::F2);
    test::RecordingCanvas canvas(app.Map.PictureWidth, app.Map.PictureHeight);
    app.DrawSimulation(Event::Redraw, false, canvas);
    const YoungState& y = Young();
    const test::Figure* construction = nullptr;
    for (const test::Figure& f : canvas.figures)
        if (f.kind == "polyline" && f.pen.Color == clBlue) construction = &f;
    ASSERT_NE(construction, nullptr);
    const double e = -DropRadius * std::cos(y.Rays.I2);
    const double onAxis = e * y.Ray2Ys[0] / y.Ray2Xs[0];
    EXPECT_NEAR(construction->points[1].x, app.Map.PictureX(e), 1);
    EXPECT_NEAR(construction->points[1].y, app.Map.PictureY(onAxis), 1);
}

TEST_F(YoungsInterference, PrintingLeavesTheTable) {
    app.ControlChange(Control::ScrollBar1, 741);
    app.ControlChange(Control::ScrollBar1, 740);
    const std::string row9 = Cell(1, 9);
    ASSERT_FALSE(row9.empty());
    test::RecordingCanvas page(2000, 2000);
    app.Map.PrintOffsetX = app.Map.PrintOffsetY = 200;
    app.DrawSimulation(Event::Redraw, false, page);
    app.Map.PrintOffsetX = app.Map.PrintOffsetY = 0;
    EXPECT_EQ(Cell(1, 9), row9);
}

TEST_F(YoungsInterference, NoNanAnywhere) {
    for (const int colour : {1, 4, 8})
        for (const int size : {1, 4}) {
            app.ControlChange(Control::TrackBar1, colour);
            app.ControlChange(Control::TrackBar2, size);
            if (!app.State.ShowRays) app.FKeyClick(FKey::F6);
            for (int position = 691; position <= 799; ++position) {
                app.ControlChange(Control::ScrollBar1, position);
                for (int row = 0; row < app.Table.RowCount(); ++row)
                    for (int col = 0; col < 3; ++col) {
                        EXPECT_EQ(Cell(col, row).find("nan"), std::string::npos);
                        EXPECT_EQ(Cell(col, row).find("inf"), std::string::npos);
                    }
                EXPECT_EQ(app.Window.Panel2.find("nan"), std::string::npos);
            }
        }
}

// Inputs outside the scroll bar's range still give bounded rays.
TEST(SecondRay, StaysBetweenTheAxisAndTheRainbowRay) {
    const double n = 1.334;
    const PathScales scales = InterferencePathScales(0.0001, 546.1, n);
    const double pr = std::sqrt((4 - n * n) / 3);
    for (const double p1 : {0.0, 0.3, pr, pr + 1e-9, 0.99999, 1.0, 1.5, -0.2}) {
        const InterferenceRays r = SolveSecondRay(p1, SecondRayGuess(p1, pr), n, scales);
        EXPECT_GE(r.Ray2Parameter, 0) << p1;
        EXPECT_LE(r.Ray2Parameter, pr + 1e-12) << p1;
        EXPECT_TRUE(std::isfinite(r.PathDifference)) << p1;
        EXPECT_TRUE(std::isfinite(r.Divergence)) << p1;
        EXPECT_TRUE(std::isfinite(r.ExitAngle)) << p1;
    }
}

TEST_F(YoungsInterference, EveryToggleTwiceLeavesThePicture) {
    test::ExpectTogglesTwiceRestore(started, {FKey::F2, FKey::F3, FKey::F4, FKey::F5, FKey::F6},
                                    "young");
}

TEST_F(YoungsInterference, OtherEventsDrawNothing) {
    test::ExpectEventsDrawNothing(started,
                                  {Event::Tick, Event::Step, Event::ScrollBar2, Event::ScrollBar3,
                                   Event::TrackBar3, Event::TrackBar4},
                                  "young");
}

TEST_F(YoungsInterference, RandomUseMatchesAFullRedraw) {
    test::ExpectRandomUseMatchesRedraw(
        started, 1010, {Control::ScrollBar1, Control::TrackBar1, Control::TrackBar2},
        {FKey::F2, FKey::F3, FKey::F4, FKey::F5, FKey::F6}, "young");
}

}  // namespace
}  // namespace viv
