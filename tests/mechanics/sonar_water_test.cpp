// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "mechanics_checks.h"
#include "sims/mechanics/sonar.h"
#include "sims/mechanics/string_waves_state.h"
#include "sims/mechanics/water_waves.h"
#include "sims/simulations.h"

namespace viv {
namespace {

using test::ExpectSamePicture;

class Sonar : public test::StartedOn {
protected:
    Sonar() : StartedOn(39) {}
};

TEST_F(Sonar, HiddenEntryDrawsTheSonarWithItsStartValues) {
    EXPECT_EQ(app.Window.Caption, "Sonar");
    EXPECT_EQ(app.Window.Panel3, "v=1.450 km/s");
    EXPECT_EQ(app.Window.Panel2, "t=0.00 s");
    EXPECT_EQ(app.Window.Panel1, "");
}

// The echo from a target D km away is back after 2 D km of travel; the distance read out
// is half the way the pulse went, v t / 2 with the time shown.
TEST_F(Sonar, EchoGivesTheTargetsDistance) {
    for (const int position : {40, 41, 42, 10, 77}) {
        app.ControlChange(Control::ScrollBar1, position);
        app.ControlChange(Control::TrackBar1, 3);  // 1430 m/s
        const double d = position * 0.02 + 0.2;
        app.State.AnimationStep = 0;
        app.Window.Panel1.clear();
        int echoes = 0;
        for (int i = 0; i < 200 && app.State.AnimationStep == i; ++i) {
            app.StepButtonClick();
            if (!app.Window.Panel1.empty() && echoes == 0) {
                ++echoes;
                SCOPED_TRACE("D=" + std::to_string(d));
                const double shown = std::stod(app.Window.Panel1.substr(2));
                EXPECT_NEAR(shown, d, 0.0101);
                const double t = std::stod(app.Window.Panel2.substr(2));
                EXPECT_NEAR(1430 * t / 2 / 1000, shown, 0.01);
                EXPECT_EQ(app.Window.Panel3, "v=1.430 km/s");
            }
        }
        EXPECT_EQ(echoes, 1) << position;
    }
}

TEST_F(Sonar, FrontsComeBackFromTheTargetAndTheNextPulseFollows) {
    const std::vector<double> fronts = SonarFronts(1.1, 1.0);
    const std::vector<double> want = {0.9, 0.95, 1.0, 0.95, 0.9, 0.85};
    ASSERT_EQ(fronts.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) EXPECT_NEAR(fronts[i], want[i], 1e-12);
    EXPECT_EQ(SonarFronts(0.12, 1.0).size(), 3u);  // 0.12, 0.07, 0.02 are out
    EXPECT_TRUE(SonarFronts(2.3, 1.0).empty());    // all back past the transmitter
    // The pulse starts again once it has gone 2 (D + 0.3) km.
    Steps(78);
    EXPECT_EQ(app.State.AnimationStep, 78);
    Steps(1);
    EXPECT_EQ(app.State.AnimationStep, 0);
}

TEST_F(Sonar, ScaleTwiceAndRandomUseLeaveTheRedrawnPicture) {
    Steps(20);
    test::ExpectToggleTwiceRestores(started, FKey::F6, "sonar-f6-twice");
    app.FKeyClick(FKey::F6);
    for (const int position : {1, 40, 80}) {
        app.ControlChange(Control::ScrollBar1, position);
        test::ExpectToggleTwiceRestores(started, FKey::F6,
                                        "sonar-f6-twice-" + std::to_string(position));
    }
    test::ExpectRandomRunMatchesRedraw(started, 39, {Control::ScrollBar1, Control::TrackBar1},
                                       {FKey::F6}, "sonar");
}

class WaterWaves : public test::StartedOn {
protected:
    WaterWaves() : StartedOn(40) {}
};

TEST_F(WaterWaves, HiddenEntrySaysItIsStillBeingWorkedOn) {
    test::RecordingCanvas canvas(app.Map.PictureWidth, app.Map.PictureHeight);
    app.DrawSimulation(Event::Redraw, false, canvas);
    const auto texts = canvas.Of("text");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Dybtvandsbølger, under udarbejdelse");
    EXPECT_EQ(texts[0].points[0].y, 20);
    EXPECT_EQ(canvas.Of("ellipse").size(), 9u);  // the particles' circles
}

// Each particle goes round its circle of radius 1; the surface passes through every
// particle, and with the circles turning clockwise its crests move to the right.
TEST_F(WaterWaves, SurfaceRunsThroughTheParticlesAndItsCrestsMoveRight) {
    app.FKeyClick(FKey::F3);
    Steps(30);
    const test::LargeRecording rec = test::RecordedAtScale(app);
    std::vector<std::pair<double, double>> balls;
    std::vector<TPoint> surface;
    for (const test::Figure& f : rec.figures) {
        if (f.kind == "ellipse" && f.brush.Color == clGreen)
            balls.emplace_back((rec.world.X(f.points[0]) + rec.world.X(f.points[1])) / 2,
                               (rec.world.Y(f.points[0]) + rec.world.Y(f.points[1])) / 2);
        if (f.kind == "polyline" && f.points.size() == 65) surface = f.points;
    }
    ASSERT_EQ(balls.size(), 9u);
    ASSERT_EQ(surface.size(), 65u);
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_NEAR(std::hypot(balls[i].first - (2.0 * i - 8), balls[i].second), 1, 0.003);
        EXPECT_NEAR(rec.world.X(surface[8 * i]), balls[i].first, 0.003);
        EXPECT_NEAR(rec.world.Y(surface[8 * i]), balls[i].second, 0.003);
    }
    // The highest point of the surface moves right as the clock runs.
    const auto crest = [](double psi) {
        double best = -2, at = 0;
        for (int i = 0; i <= 64; ++i) {
            const SurfacePoint p = WaterSurfacePoint(i, 3.14159265358979 / 4, psi);
            if (p.x > -4 && p.x < 4 && p.y > best) {
                best = p.y;
                at = p.x;
            }
        }
        return at;
    };
    EXPECT_GT(crest(-0.2), crest(0));
}

TEST_F(WaterWaves, TogglesTwiceAndRandomUseLeaveTheRedrawnPicture) {
    Steps(7);
    test::ExpectToggleTwiceRestores(started, FKey::F2, "water-f2-twice");
    test::ExpectToggleTwiceRestores(started, FKey::F3, "water-f3-twice");
    test::ExpectRandomRunMatchesRedraw(started, 40, {Control::ScrollBar1, Control::TrackBar2},
                                       {FKey::F2, FKey::F3}, "water");
}

}  // namespace
}  // namespace viv
