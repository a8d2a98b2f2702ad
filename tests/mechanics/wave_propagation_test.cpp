// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/mechanics/wave_propagation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "mechanics_checks.h"
#include "sims/mechanics/string_waves_state.h"
#include "sims/simulations.h"

namespace viv {
namespace {

using test::ExpectSamePicture;

class WavePropagation : public test::StartedOn {
protected:
    WavePropagation() : StartedOn(37) {}

    struct Ball {
        double x, y, r;
        TColor colour;
    };
    // The balls of a full redraw on a large page, world units.
    std::vector<Ball> Balls() {
        const test::LargeRecording rec = test::RecordedAtScale(app);
        std::vector<Ball> out;
        for (const test::Figure& f : rec.figures) {
            if (f.kind != "ellipse") continue;
            const double left = rec.world.X(f.points[0]), right = rec.world.X(f.points[1]);
            const double top = rec.world.Y(f.points[0]), bottom = rec.world.Y(f.points[1]);
            out.push_back(
                {(left + right) / 2, (top + bottom) / 2, (right - left) / 2, f.brush.Color});
        }
        return out;
    }
    std::vector<TPoint> Curve() {
        const test::LargeRecording rec = test::RecordedAtScale(app);
        world_ = rec.world;
        for (const test::Figure& f : rec.figures)
            if (f.kind == "polyline" && f.points.size() == 73) return f.points;
        return {};
    }

    test::Unmapped world_;
};

TEST_F(WavePropagation, RowsOfBallsForEachSizeAndTheSingleGreenBall) {
    EXPECT_EQ(app.Window.Panel3, "lambda=5.0");
    std::vector<Ball> balls = Balls();
    ASSERT_EQ(balls.size(), 19u);
    std::sort(balls.begin(), balls.end(), [](const Ball& a, const Ball& b) { return a.x < b.x; });
    for (std::size_t i = 0; i < balls.size(); ++i) {
        // At rest (tau = 0) the longitudinal displacement is 0.3 sin(2 pi x / 5).
        const double rest = static_cast<double>(i) - 9;
        EXPECT_NEAR(balls[i].x, rest + 0.3 * std::sin(2 * std::numbers::pi * rest / 5), 0.002);
        EXPECT_NEAR(balls[i].y, 0, 0.002);
        EXPECT_NEAR(balls[i].r, 0.3, 0.002);
        EXPECT_EQ(balls[i].colour, rest == 0 ? clGreen : clRed);
    }
    app.FKeyClick(FKey::F5);  // small balls
    balls = Balls();
    ASSERT_EQ(balls.size(), 37u);
    std::sort(balls.begin(), balls.end(), [](const Ball& a, const Ball& b) { return a.x < b.x; });
    for (std::size_t i = 0; i < balls.size(); ++i) {
        const double rest = (static_cast<double>(i) - 18) / 2;
        EXPECT_NEAR(balls[i].x, rest + 0.15 * std::sin(2 * std::numbers::pi * rest / 5), 0.002);
        EXPECT_NEAR(balls[i].r, 0.2, 0.002);
    }
    app.FKeyClick(FKey::F4);  // only the middle ball
    balls = Balls();
    ASSERT_EQ(balls.size(), 1u);
    EXPECT_NEAR(balls[0].x, 0, 0.002);
    EXPECT_EQ(balls[0].colour, clGreen);
    EXPECT_NEAR(balls[0].r, 0.2, 0.002);
}

// A transverse wave y = sin(2 pi (x - v t) / lambda), with v t = 0.01 per step and unit
// of speed: after n steps at speed s the crest has gone 0.01 n s to the right.
TEST_F(WavePropagation, TransverseWaveTravelsToTheRightAtItsSpeed) {
    app.ControlChange(Control::TrackBar2, 2);
    app.ControlChange(Control::TrackBar1, 4);    // lambda 8
    app.ControlChange(Control::ScrollBar1, 61);  // speed 20
    EXPECT_EQ(app.Window.Panel3, "lambda=8.0");
    Steps(7);
    const double travelled = 0.01 * 7 * 20;
    for (const Ball& b : Balls())
        EXPECT_NEAR(b.y, std::sin(2 * std::numbers::pi * (b.x - travelled) / 8), 0.003) << b.x;
    app.FKeyClick(FKey::F2);
    const std::vector<TPoint> curve = Curve();
    ASSERT_EQ(curve.size(), 73u);
    for (const TPoint& p : curve) {
        const double x = world_.X(p);
        EXPECT_NEAR(world_.Y(p), std::sin(2 * std::numbers::pi * (x - travelled) / 8), 0.003) << x;
    }
}

// The compression curve of the longitudinal wave is highest where the balls are closest
// together: where the displacement falls fastest along the row, a quarter wavelength
// ahead of the displacement's crest.
TEST_F(WavePropagation, CompressionCurvePeaksWhereTheBallsCrowd) {
    app.FKeyClick(FKey::F2);
    app.FKeyClick(FKey::F5);
    app.ControlChange(Control::TrackBar1, 6);  // lambda 10
    Steps(3);
    std::vector<Ball> balls = Balls();
    std::sort(balls.begin(), balls.end(), [](const Ball& a, const Ball& b) { return a.x < b.x; });
    const std::vector<TPoint> curve = Curve();
    ASSERT_FALSE(curve.empty());
    // The closest neighbours, and the curve's highest point between -5 and 5.
    double closest = 1e9, where = 0;
    for (std::size_t i = 0; i + 1 < balls.size(); ++i) {
        const double mid = (balls[i].x + balls[i + 1].x) / 2;
        if (std::abs(mid) < 5 && balls[i + 1].x - balls[i].x < closest) {
            closest = balls[i + 1].x - balls[i].x;
            where = mid;
        }
    }
    double highest = -1e9, peak = 0;
    for (const TPoint& p : curve) {
        if (std::abs(world_.X(p)) < 5 && world_.Y(p) > highest) {
            highest = world_.Y(p);
            peak = world_.X(p);
        }
    }
    EXPECT_NEAR(peak, where, 0.4);
}

TEST_F(WavePropagation, EachToggleAndTheTitleTwiceLeaveThePicture) {
    Steps(5);
    for (const FKey key : {FKey::F2, FKey::F4, FKey::F5, FKey::F6})
        test::ExpectToggleTwiceRestores(
            started, key, "propagation-toggle-" + std::to_string(static_cast<int>(key) + 2));
    app.FKeyClick(FKey::F6);
    const QImage before = started.picture().Image().copy();
    app.ControlChange(Control::TrackBar2, 2);
    app.ControlChange(Control::TrackBar2, 1);
    ExpectSamePicture(started.picture().Image().copy(), before, "propagation-title-twice");
}

TEST_F(WavePropagation, PictureAfterAnyRunningSequenceEqualsItsFullRedraw) {
    test::ExpectRandomRunMatchesRedraw(
        started, 37, {Control::ScrollBar1, Control::TrackBar1, Control::TrackBar2},
        {FKey::F2, FKey::F4, FKey::F5, FKey::F6}, "propagation");
}

}  // namespace
}  // namespace viv
