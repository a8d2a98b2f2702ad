// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/waves/doppler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "library/colour_table.h"
#include "library/trig.h"
#include "motion_checks.h"
#include "sims/simulations.h"
#include "sims/waves/waves_motion_state.h"

namespace viv {
namespace {

class DopplerSimulation : public test::StartedOn {
protected:
    DopplerSimulation() : StartedOn(19) {}

    int Period() const { return started.app.Map.PictureX(1) - started.app.Map.PictureX(0); }
    void SetSpeed(int v) { app.ControlChange(Control::ScrollBar1, (60 - v) / 2); }
    // A picture whose period is an even number of pixels, so that the source can keep
    // pace with its fronts.
    void UseEvenPeriod() {
        app.Window.ScrollBoxWidth = 640;
        app.Window.ScrollBoxHeight = 480;
        app.FormResize();
        ASSERT_EQ(Period(), 32);
        ASSERT_EQ(WavesMotionOf(scene).PeriodPixels, 32);
    }
    struct Front {
        double centre, radius;  // world units
    };
    // The red circles of a full redraw, oldest last.
    static std::vector<Front> Fronts(const test::LargeRecording& rec) {
        std::vector<Front> out;
        for (const auto& f : test::InColour(rec.figures, clRed, "ellipse")) {
            const double left = rec.world.X(f.points[0]), right = rec.world.X(f.points[1]);
            out.push_back({(left + right) / 2, (right - left) / 2});
        }
        return out;
    }
};

TEST_F(DopplerSimulation, SourceAtRestSendsOutConcentricFrontsAtUnchangedFrequency) {
    test::ExpectCells(
        app,
        {{0, 0, "Dopplereffekt"}, {1, 1, "0.00"}, {0, 2, " relativ frekvens"}, {1, 2, "1.00"}});
    EXPECT_EQ(app.Window.Panel1, "Vrel=0.00");
    EXPECT_EQ(app.Window.Panel3, "f'/f=1.00");
    Steps(7);
    const auto fronts = Fronts(test::RecordedAtScale(app));
    ASSERT_EQ(fronts.size(), 6u);
    for (std::size_t j = 0; j < fronts.size(); ++j) {
        EXPECT_NEAR(fronts[j].centre, 0, 0.01);
        EXPECT_NEAR(fronts[j].radius, j + 7.0 / Period(), 0.01);
    }
}

// The wavelength read off the drawn fronts in front of and behind the moving source
// gives f'/f = c / (c - v) and c / (c + v), with c one wavelength per period.
TEST_F(DopplerSimulation, FrequencyFromTheDrawnFrontsMatchesTheDopplerFormula) {
    const int p = Period();
    for (int v = -60; v <= 60; v += 6) {
        if (std::abs(v) >= p) continue;
        SetSpeed(v);
        Steps(5);
        SCOPED_TRACE("v=" + std::to_string(v));
        const double c = p;  // pixels per period
        const double expectedFront = c / (c - v), expectedBehind = c / (c + v);
        EXPECT_NEAR(std::stod(app.Table.Cell(1, 2)), expectedFront, 0.005);
        EXPECT_EQ(app.Window.Panel3, "f'/f=" + app.Table.Cell(1, 2));
        EXPECT_NEAR(std::stod(app.Table.Cell(1, 1)), v / c, 0.005);
        const auto fronts = Fronts(test::RecordedAtScale(app));
        ASSERT_EQ(fronts.size(), 6u);
        // Successive fronts' far sides: to the right in front, to the left behind.
        const double aheadGap =
            (fronts[2].centre + fronts[2].radius) - (fronts[1].centre + fronts[1].radius);
        const double behindGap =
            (fronts[1].centre - fronts[1].radius) - (fronts[2].centre - fronts[2].radius);
        EXPECT_NEAR(aheadGap, 1 / expectedFront, 0.003);
        EXPECT_NEAR(behindGap, 1 / expectedBehind, 0.003);
    }
}

TEST_F(DopplerSimulation, BarsShowTheRelativeFrequencyBesideTheReferenceBars) {
    app.FKeyClick(FKey::F2);
    SetSpeed(20);
    const test::LargeRecording rec = test::RecordedAtScale(app);
    const auto bars = test::InColour(rec.figures, clBlue, "line");
    const double c = Period();
    double front = 0, behind = 0;
    for (const auto& f : bars) {
        const double x = rec.world.X(f.points[0]);
        if (std::abs(x - 9) < 0.01) front = rec.world.Y(f.points[1]);
        if (std::abs(x + 9) < 0.01) behind = rec.world.Y(f.points[1]);
    }
    EXPECT_NEAR(front, c / (c - 20), 0.01);
    EXPECT_NEAR(behind, c / (c + 20), 0.01);
}

TEST_F(DopplerSimulation, AtTheWaveSpeedNoFrequencyInFrontAndNoDivisionByZero) {
    UseEvenPeriod();
    app.FKeyClick(FKey::F2);
    for (const int v : {32, -32}) {
        SetSpeed(v);
        Steps(40);
        SCOPED_TRACE("v=" + std::to_string(v));
        test::ExpectNoNanShown(app);
        EXPECT_EQ(app.Table.Cell(0, 2), " relativ frekvens");
        EXPECT_EQ(app.Table.Cell(1, 1), v > 0 ? "1.00" : "-1.00");
        const test::LargeRecording rec = test::RecordedAtScale(app);
        int front = 0, behind = 0;
        for (const auto& f : test::InColour(rec.figures, clBlue, "line")) {
            const double x = rec.world.X(f.points[0]);
            if (std::abs(x - 9) < 0.01) ++front;
            if (std::abs(x + 9) < 0.01) ++behind;
        }
        if (v > 0) {
            EXPECT_EQ(app.Table.Cell(1, 2), "");
            EXPECT_EQ(app.Window.Panel3, "");
            EXPECT_EQ(front, 0);
            EXPECT_EQ(behind, 1);  // behind, half the frequency
        } else {
            EXPECT_EQ(app.Table.Cell(1, 2), "0.50");
            EXPECT_EQ(app.Window.Panel3, "f'/f=0.50");
            EXPECT_EQ(front, 1);
            EXPECT_EQ(behind, 0);
        }
    }
}

// Above the wave speed the fronts pile up into a cone of opening angle 2 arcsin(c / v),
// whose sides touch the fronts as they were emitted.
TEST_F(DopplerSimulation, AboveTheWaveSpeedTheConesSidesTouchTheFronts) {
    app.FKeyClick(FKey::F2);
    const int p = Period();
    ASSERT_LT(p, 60);
    for (const int v : {60, -50, 40}) {
        SetSpeed(v);
        SCOPED_TRACE("v=" + std::to_string(v));
        const double angle = 2 * std::asin(static_cast<double>(p) / std::abs(v)) * DegPerRad;
        EXPECT_EQ(app.Table.Cell(0, 2), " vinkel/°");
        EXPECT_NEAR(std::stod(app.Table.Cell(1, 2)), angle, 0.051);
        EXPECT_EQ(app.Window.Panel3, "v=" + app.Table.Cell(1, 2) + "°");
        // At the start of a period each front has a whole number of wavelengths as radius.
        Steps(p - app.State.AnimationStep + 1);
        ASSERT_EQ(app.State.AnimationStep, 1);
        const test::LargeRecording rec = test::RecordedAtScale(app);
        const auto fronts = Fronts(rec);
        ASSERT_EQ(fronts.size(), 6u);
        std::vector<test::Figure> sides;
        for (const auto& f : test::InColour(rec.figures, clBlue, "line"))
            if (std::hypot(rec.world.X(f.points[1]) - rec.world.X(f.points[0]),
                           rec.world.Y(f.points[1]) - rec.world.Y(f.points[0])) > 1 &&
                f.points[0].y != f.points[1].y)
                sides.push_back(f);  // not the arrow
        ASSERT_EQ(sides.size(), 2u);
        const auto dir = [&](const test::Figure& f) {
            return std::atan2(rec.world.Y(f.points[1]) - rec.world.Y(f.points[0]),
                              rec.world.X(f.points[1]) - rec.world.X(f.points[0]));
        };
        const double opening =
            std::abs(std::remainder(dir(sides[0]) - dir(sides[1]), 2 * Pi)) * DegPerRad;
        EXPECT_NEAR(opening, angle, 0.1);
        // Both sides meet at the source, the centre of the newest front.
        for (const auto& side : sides) {
            EXPECT_NEAR(rec.world.X(side.points[1]), fronts[0].centre, 0.01);
            EXPECT_NEAR(rec.world.Y(side.points[1]), 0, 0.01);
            // Distance from the oldest front's centre to the side: its radius less the
            // one pixel the period has run.
            const double x1 = rec.world.X(side.points[0]), y1 = rec.world.Y(side.points[0]);
            const double x2 = rec.world.X(side.points[1]), y2 = rec.world.Y(side.points[1]);
            const double dist =
                std::abs((x2 - x1) * (0 - y1) - (fronts[5].centre - x1) * (y2 - y1)) /
                std::hypot(x2 - x1, y2 - y1);
            EXPECT_NEAR(dist, fronts[5].radius - 1.0 / p, 0.01);
        }
    }
}

TEST_F(DopplerSimulation, SourceMovesOnePeriodsWayEachPeriodAndComesBackInsideTheOtherEdge) {
    SetSpeed(40);
    const double start = WavesMotionOf(scene).SourceX;
    const int p = WavesMotionOf(scene).PeriodPixels;
    Steps(p - app.State.AnimationStep);
    EXPECT_DOUBLE_EQ(WavesMotionOf(scene).SourceX, start);
    Steps(1);
    EXPECT_NEAR(WavesMotionOf(scene).SourceX, start + 40.0 / p, 1e-9);
    EXPECT_EQ(app.State.AnimationStep, 1);
    // On to the right edge: it comes back 100 pixels inside the left one.
    for (int k = 0; k < 100 * p && WavesMotionOf(scene).SourceX > 0; ++k) Steps(1);
    EXPECT_NEAR(WavesMotionOf(scene).SourceX, -10 + 100.0 / p, 40.0 / p);
    SetSpeed(-60);
    for (int k = 0; k < 100 * p && WavesMotionOf(scene).SourceX < 0; ++k) Steps(1);
    EXPECT_NEAR(WavesMotionOf(scene).SourceX, 10 - 100.0 / p, 60.0 / p);
}

TEST_F(DopplerSimulation, PictureAfterAnyAnimatedSequenceEqualsItsFullRedraw) {
    test::ExpectRandomAnimationMatchesRedraw(started, 19, {Control::ScrollBar1}, {FKey::F2},
                                             "doppler");
}

TEST_F(DopplerSimulation, TogglePressedTwiceLeavesThePicture) {
    for (const int v : {0, 20, 60, -44}) {
        SetSpeed(v);
        Steps(3);
        test::ExpectTogglesTwiceRestore(started, {FKey::F2}, "doppler-" + std::to_string(v));
    }
}

}  // namespace
}  // namespace viv
