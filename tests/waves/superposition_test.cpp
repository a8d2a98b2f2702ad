// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/waves/superposition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "library/trig.h"
#include "motion_checks.h"
#include "sims/simulations.h"
#include "sims/waves/waves_motion_state.h"

namespace viv {
namespace {

using test::ExpectSamePicture;

class SuperpositionSimulation : public test::StartedOn {
protected:
    SuperpositionSimulation() : StartedOn(14) {}

    void SetSecondAmplitude(double a2) {
        app.ControlChange(Control::ScrollBar1, static_cast<int>(std::lround(100 - 100 * a2)));
    }
    // A wave's displacements read back from a recorded polyline, about its baseline.
    static std::vector<double> Displacements(const test::Figure& f, const test::Unmapped& w,
                                             double baseline) {
        std::vector<double> y;
        for (const TPoint p : f.points) y.push_back(w.Y(p) - baseline);
        return y;
    }
};

TEST_F(SuperpositionSimulation, StartsWithEqualWavesOfOppositeSignInThreeRows) {
    EXPECT_EQ(app.State.AnimationStep, 190);
    EXPECT_DOUBLE_EQ(WavesMotionOf(scene).SecondAmplitude, -1.0);
    EXPECT_EQ(app.State.CurrentColour, 8);
    EXPECT_TRUE(app.State.ShowNormals);
    EXPECT_TRUE(app.State.ShowAxes);
    EXPECT_FALSE(app.State.ShowMarks);
    EXPECT_FALSE(app.State.ShowRedRay);
    test::ExpectCells(
        app,
        {{0, 0, "Superposition"}, {1, 1, "8.0"}, {1, 2, "8.0"}, {1, 3, "1.0"}, {1, 4, "1.00"}});
    test::ExpectPanels(app, "0", "0", "0");  // nothing has reached the origin yet
}

TEST_F(SuperpositionSimulation, CounterStartsAgainAt210OnceTheTrainOrTheCrestHasPassed) {
    Steps(700);
    EXPECT_EQ(app.State.AnimationStep, -510);
    Steps(1);
    EXPECT_EQ(app.State.AnimationStep, 210);
    app.FKeyClick(FKey::F5);
    Steps(250);
    EXPECT_EQ(app.State.AnimationStep, -40);
    Steps(1);
    EXPECT_EQ(app.State.AnimationStep, 210);
}

// The red curve is the sum of the green and the black one, point for point, whatever
// the rows, the amplitude, the wavelength and the time.
TEST_F(SuperpositionSimulation, SumIsTheSumOfTheTwoDrawnWavesPointByPoint) {
    const double a = app.Map.AspectHeight;
    for (const bool rows : {true, false}) {
        if (app.State.ShowNormals != rows) app.FKeyClick(FKey::F3);
        for (const double a2 : {-1.0, 0.5, 0.0, 1.0}) {
            SetSecondAmplitude(a2);
            for (const int k : {1, 5, 8}) {
                app.ControlChange(Control::TrackBar1, k);
                for (const int step : {150, 60, -100, -400}) {
                    app.State.AnimationStep = step;
                    app.RedrawPicture();
                    SCOPED_TRACE("rows=" + std::to_string(rows) + " a2=" + std::to_string(a2) +
                                 " k=" + std::to_string(k) + " T=" + std::to_string(step));
                    const test::LargeRecording rec = test::RecordedAtScale(app);
                    const auto green = test::InColour(rec.figures, clGreen, "polyline");
                    const auto black = test::InColour(rec.figures, clBlack, "polyline");
                    const auto red = test::InColour(rec.figures, clRed, "polyline");
                    ASSERT_EQ(green.size(), 1u);
                    ASSERT_EQ(black.size(), 1u);
                    ASSERT_EQ(red.size(), 1u);
                    const double b1 = rows ? 0.5 * a : 0, b2 = 0, bs = rows ? -0.5 * a : 0;
                    const auto w1 = Displacements(green[0], rec.world, b1);
                    const auto w2 = Displacements(black[0], rec.world, b2);
                    const auto sum = Displacements(red[0], rec.world, bs);
                    ASSERT_EQ(sum.size(), 201u);
                    for (std::size_t i = 0; i < sum.size(); ++i) {
                        EXPECT_NEAR(rec.world.X(red[0].points[i]), rec.world.X(green[0].points[i]),
                                    1e-9);
                        EXPECT_NEAR(sum[i], w1[i] + w2[i], 0.005) << i;
                    }
                }
            }
        }
    }
}

// Wave 1 runs left with wavelength 8, wave 2 right with 8 (k + 1) / 9, as the table says.
TEST_F(SuperpositionSimulation, DrawnWavelengthsAndDirectionsMatchTheTable) {
    for (const int k : {2, 5, 8}) {
        app.ControlChange(Control::TrackBar1, k);
        app.State.AnimationStep = -200;  // the trains cover the whole width
        app.RedrawPicture();
        const auto measure = [&](TColor colour) {
            const test::LargeRecording rec = test::RecordedAtScale(app);
            const auto f = test::InColour(rec.figures, colour, "polyline");
            std::vector<double> ups;
            const double base = colour == clGreen ? 0.5 * app.Map.AspectHeight : 0;
            for (std::size_t i = 1; i < f.at(0).points.size(); ++i) {
                const double y0 = rec.world.Y(f[0].points[i - 1]) - base,
                             y1 = rec.world.Y(f[0].points[i]) - base;
                if ((y0 < 0) != (y1 < 0)) ups.push_back(rec.world.X(f[0].points[i]));
            }
            return ups;
        };
        const auto one = measure(clGreen), two = measure(clBlack);
        ASSERT_GE(one.size(), 3u);
        ASSERT_GE(two.size(), 3u);
        // Half a wavelength between zero crossings.
        EXPECT_NEAR(2 * (one[2] - one[1]), 8.0, 0.25);
        EXPECT_NEAR(2 * (two[2] - two[1]), std::stod(app.Table.Cell(1, 2)), 0.25) << k;
        // One tick later wave 1 has moved left and wave 2 right, by a point each.
        const auto& before1 = one;
        const auto& before2 = two;
        Steps(1);
        const auto after1 = measure(clGreen), after2 = measure(clBlack);
        const auto nearest = [](const std::vector<double>& xs, double x) {
            double best = xs.at(0);
            for (const double v : xs)
                if (std::abs(v - x) < std::abs(best - x)) best = v;
            return best;
        };
        EXPECT_NEAR(nearest(after1, before1[1]) - before1[1], -0.1, 0.02);
        EXPECT_NEAR(nearest(after2, before2[1]) - before2[1], 0.1, 0.02);
    }
}

TEST_F(SuperpositionSimulation, PanelsShowTheDisplacementsAtTheOriginInPixels) {
    SetSecondAmplitude(0.5);
    app.ControlChange(Control::TrackBar1, 3);
    for (int step = 100; step > -300; step -= 37) {
        app.State.AnimationStep = step + 1;
        Steps(1);
        const double scale = app.Map.MapScaleY;
        // Wave 1 at x = 0 has travelled 100 - T points; wave 2 the same from the left.
        const double y1 = step <= 100 ? std::sin(Pi * (100 - step) / 40) : 0;
        const double y2 = step <= 100 ? 0.5 * std::sin(9.0 / 4 * Pi * (100 - step) / 40) : 0;
        EXPECT_NEAR(std::stoi(app.Window.Panel1), y1 * scale, 0.51) << step;
        EXPECT_NEAR(std::stoi(app.Window.Panel2), y2 * scale, 0.51) << step;
        EXPECT_NEAR(std::stoi(app.Window.Panel3), (y1 + y2) * scale, 0.51) << step;
    }
}

TEST_F(SuperpositionSimulation, PulseIsASingleCrestOfEachWave) {
    app.FKeyClick(FKey::F5);
    app.State.AnimationStep = 80;
    app.RedrawPicture();
    const test::LargeRecording rec = test::RecordedAtScale(app);
    const auto green = test::InColour(rec.figures, clGreen, "polyline");
    ASSERT_EQ(green.size(), 1u);
    int lifted = 0;
    for (const TPoint p : green[0].points)
        if (rec.world.Y(p) - 0.5 * app.Map.AspectHeight > 0.01) ++lifted;
    EXPECT_EQ(lifted, 39);  // the points strictly inside the crest
    for (const TPoint p : green[0].points)
        EXPECT_GT(rec.world.Y(p) - 0.5 * app.Map.AspectHeight, -0.01);
    // Wave 2's crest is half its own wavelength long, whatever that is: one-signed,
    // rising from the baseline and falling back to it.
    for (const int k : {1, 4, 8}) {
        app.ControlChange(Control::TrackBar1, k);
        const test::LargeRecording r2 = test::RecordedAtScale(app);
        const auto black = test::InColour(r2.figures, clBlack, "polyline");
        ASSERT_EQ(black.size(), 1u);
        int below = 0, above = 0;
        double lowest = 0;
        for (const TPoint p : black[0].points) {
            const double y = r2.world.Y(p);
            if (y < -0.01) ++below;
            if (y > 0.01) ++above;
            lowest = std::min(lowest, y);
        }
        EXPECT_EQ(above, 0) << k;  // wave 2 starts with amplitude -1
        EXPECT_GT(below, 0) << k;
        EXPECT_NEAR(lowest, -1, 0.02) << k;
        const double halfWave = 4.0 * (k + 1) / 9;
        EXPECT_NEAR(below * 0.1, halfWave, 0.15) << k;
    }
}

TEST_F(SuperpositionSimulation, PictureAfterAnyAnimatedSequenceEqualsItsFullRedraw) {
    test::ExpectRandomAnimationMatchesRedraw(started, 14, {Control::ScrollBar1, Control::TrackBar1},
                                             {FKey::F2, FKey::F3, FKey::F4, FKey::F5},
                                             "superposition");
}

TEST_F(SuperpositionSimulation, TogglePressedTwiceLeavesThePicture) {
    for (const int step : {190, 50, -300}) {
        app.State.AnimationStep = step;
        app.RedrawPicture();
        for (const FKey key : {FKey::F2, FKey::F3, FKey::F4, FKey::F5}) {
            const QImage before = Picture();
            app.FKeyClick(key);
            app.FKeyClick(key);
            ExpectSamePicture(Picture(), before, "superposition-toggle-" + std::to_string(step));
        }
    }
}

TEST_F(SuperpositionSimulation, MouseReadoutOnlyWhileStopped) {
    started.host.pointer.size = {app.Map.PictureWidth, app.Map.PictureHeight};
    started.host.pointer.cursor = {started.host.pointer.origin.x + app.Map.PictureX(5),
                                   started.host.pointer.origin.y + app.Map.PictureY(2)};
    app.ImageMouseMove();
    const std::string& text = app.Window.MessagePanel;
    ASSERT_EQ(text.front(), '(');
    const auto comma = text.find(';');
    EXPECT_NEAR(std::stod(text.substr(1, comma - 1)), 5, 0.05);
    EXPECT_NEAR(std::stod(text.substr(comma + 1)), 2, 0.05);
    app.Window.MessagePanel.clear();
    app.RunButtonClick();
    app.ImageMouseMove();
    EXPECT_EQ(app.Window.MessagePanel, "");
}

}  // namespace
}  // namespace viv
