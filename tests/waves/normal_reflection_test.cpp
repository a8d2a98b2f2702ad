// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/waves/normal_reflection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "library/substance_table.h"
#include "motion_checks.h"
#include "sims/simulations.h"
#include "sims/waves/waves_motion_state.h"

namespace viv {
namespace {

using test::ExpectSamePicture;

class ReflectionSimulation : public test::StartedOn {
protected:
    ReflectionSimulation() : StartedOn(15) {}

    // The waves' points in world units, by colour.
    struct Drawn {
        std::vector<std::vector<WorldPoint>> green, black, red;
    };
    Drawn Waves() {
        const test::LargeRecording rec = test::RecordedAtScale(app);
        Drawn d;
        const auto take = [&](TColor c, std::vector<std::vector<WorldPoint>>& into) {
            for (const auto& f : test::InColour(rec.figures, c, "polyline")) {
                std::vector<WorldPoint> pts;
                for (const TPoint p : f.points) pts.push_back({rec.world.X(p), rec.world.Y(p)});
                into.push_back(pts);
            }
        };
        take(clGreen, d.green);
        take(clBlack, d.black);
        take(clRed, d.red);
        return d;
    }
};

TEST_F(ReflectionSimulation,
       WaterReflectsFourteenAndExtraDenseFlintThirtyTwoHundredthsOfTheAmplitude) {
    app.ControlChange(Control::TrackBar1, 1);
    test::ExpectCells(app, {{0, 0, "refleksion og transmision"},
                            {0, 3, " amplitudeforhold, r"},
                            {0, 4, " reflektans, R = r²"}});
    // A reflectance of 0.021: about 2 % of the energy.
    test::ExpectColumn(app, 1, 1, {"Vand", "1.337", "0.14", "0.021", "486.1"});
    test::ExpectPanels(app, "n=1.337", "r=0.14", "Ved 20°C og 486.1 nm");
    app.ControlChange(Control::TrackBar1, 8);
    test::ExpectColumn(app, 1, 1, {"Ekstra tæt flint", "1.959", "0.32"});
    test::ExpectPanels(app, "n=1.959", "r=0.32", "Ved 20°C og 486.1 nm");
    // Every substance: r = (n - 1) / (n + 1) from the tabulated blue index; the energy
    // not transmitted, 1 - 4n / (n + 1)², is reflected, and that is the square of r.
    for (int s = 1; s <= SubstanceCount; ++s) {
        app.ControlChange(Control::TrackBar1, s);
        const double n = std::stod(app.Table.Cell(1, 2));
        const double r = std::stod(app.Table.Cell(1, 3)), R = std::stod(app.Table.Cell(1, 4));
        EXPECT_NEAR(r, (n - 1) / (n + 1), 0.005) << s;
        EXPECT_NEAR(R, 1 - 4 * n / ((n + 1) * (n + 1)), 0.0005) << s;
        EXPECT_NEAR(R, r * r, 2 * r * 0.005 + 0.0005) << s;
    }
}

TEST_F(ReflectionSimulation, WaterIndicesAreThoseOfTheColourTable) {
    EXPECT_DOUBLE_EQ(Substance(1).SubstanceIndexBlue, 1.337);
    EXPECT_DOUBLE_EQ(Substance(1).SubstanceIndexRed, 1.329);
}

TEST_F(ReflectionSimulation, StartsWithTheTrainInAirAndStartsAgainAfterStep310) {
    EXPECT_EQ(app.State.AnimationStep, 25);
    EXPECT_DOUBLE_EQ(WavesMotionOf(scene).ReflectionAmplitude, 2.0);
    EXPECT_TRUE(app.State.ShowAxes);
    Steps(285);
    EXPECT_EQ(app.State.AnimationStep, 310);
    Steps(1);
    EXPECT_EQ(app.State.AnimationStep, 25);
}

// The surface joins the waves: on it, incident plus reflected is the transmitted wave;
// the reflected wave is inverted and r times as high, the transmitted one 2 / (n + 1)
// times as high and n times shorter.
TEST_F(ReflectionSimulation, DrawnWavesMeetAtTheSurfaceWithFresnelAmplitudes) {
    for (const int s : {1, 4, 8}) {
        app.ControlChange(Control::TrackBar1, s);
        const double n = Substance(s).SubstanceIndexBlue;
        app.State.AnimationStep = 287;  // long after the train reached the surface
        app.RedrawPicture();
        const Drawn d = Waves();
        ASSERT_EQ(d.green.size(), 2u);  // incident and transmitted
        ASSERT_EQ(d.black.size(), 1u);
        ASSERT_EQ(d.red.size(), 1u);
        const auto& incident = d.green[0];
        const auto& transmitted = d.green[1];
        const auto& reflected = d.black[0];
        const auto& sum = d.red[0];
        ASSERT_EQ(incident.size(), 101u);
        ASSERT_EQ(reflected.size(), 101u);
        ASSERT_EQ(sum.size(), 101u);
        const double tolerance = 0.01;  // world units
        for (std::size_t j = 0; j < sum.size(); ++j) {
            EXPECT_NEAR(sum[j].x, incident[j].x, tolerance);
            EXPECT_NEAR(sum[j].y, incident[j].y + reflected[j].y, 2 * tolerance) << j;
        }
        // At the surface.
        EXPECT_NEAR(sum.back().x, 0, tolerance);
        EXPECT_NEAR(transmitted.front().x, 0, tolerance);
        EXPECT_NEAR(sum.back().y, transmitted.front().y, 2 * tolerance);
        // Amplitudes and the wavelength in the substance.
        const auto peak = [](const std::vector<WorldPoint>& w) {
            double m = 0;
            for (const auto& p : w) m = std::max(m, std::abs(p.y));
            return m;
        };
        const double r = (n - 1) / (n + 1);
        EXPECT_NEAR(peak(reflected), 2 * r, 0.02) << s;
        EXPECT_NEAR(peak(transmitted), 2 * 2 / (n + 1), 0.02) << s;
        EXPECT_NEAR(peak(incident), 2, 0.02);
        // Reflected inverted: at the surface it is -r times the incident.
        EXPECT_NEAR(reflected.back().y, -r * incident.back().y, 2 * tolerance);
        // Zero crossings half a wavelength apart: 8 world units a wave in air.
        const auto crossings = [](const std::vector<WorldPoint>& w) {
            std::vector<double> xs;
            for (std::size_t k = 1; k < w.size(); ++k)
                if ((w[k - 1].y < 0) != (w[k].y < 0)) xs.push_back(w[k].x);
            return xs;
        };
        const auto inAir = crossings(incident), inSubstance = crossings(transmitted);
        ASSERT_GE(inAir.size(), 2u);
        ASSERT_GE(inSubstance.size(), 2u);
        EXPECT_NEAR(2 * (inAir[1] - inAir[0]), 8, 0.25);
        EXPECT_NEAR(2 * (inSubstance[1] - inSubstance[0]), 8 / n, 0.25);
    }
}

// "Lambda" marks one wavelength in air and one in the substance, ending where the
// drawn waves have run one wave.
TEST_F(ReflectionSimulation, LambdaMarksAWavelengthInEachMedium) {
    app.FKeyClick(FKey::F2);
    for (const int s : {1, 8}) {
        app.ControlChange(Control::TrackBar1, s);
        const test::LargeRecording rec = test::RecordedAtScale(app);
        const auto blue = test::InColour(rec.figures, clBlue, "polyline");
        ASSERT_EQ(blue.size(), 1u);
        ASSERT_EQ(blue[0].points.size(), 3u);
        EXPECT_NEAR(rec.world.X(blue[0].points[0]), -8, 0.01);
        EXPECT_NEAR(rec.world.X(blue[0].points[1]), 0, 0.01);
        EXPECT_NEAR(rec.world.X(blue[0].points[2]), 8 / Substance(s).SubstanceIndexBlue, 0.01);
    }
}

TEST_F(ReflectionSimulation, NoReflectionOrTransmissionBeforeTheTrainReachesTheSurface) {
    app.State.AnimationStep = 60;
    app.RedrawPicture();
    const Drawn d = Waves();
    ASSERT_EQ(d.green.size(), 1u);
    EXPECT_EQ(d.green[0].size(), 61u);
    EXPECT_TRUE(d.black.empty());
    EXPECT_TRUE(d.red.empty());
    // Without "1+2" the air shows the incident wave up to the returning reflected wave
    // and the sum beyond, as one curve.
    app.FKeyClick(FKey::F4);
    app.State.AnimationStep = 170;
    app.RedrawPicture();
    const Drawn e = Waves();
    ASSERT_EQ(e.green.size(), 2u);
    ASSERT_EQ(e.red.size(), 1u);
    EXPECT_TRUE(e.black.empty());
    EXPECT_NEAR(e.green[0].back().x, e.red[0].front().x, 0.01);
    EXPECT_NEAR(e.green[0].back().y, e.red[0].front().y, 0.01);
    EXPECT_NEAR(e.red[0].back().x, 0, 0.01);
}

TEST_F(ReflectionSimulation, WithoutAmplitudeEveryWaveLiesOnTheAxis) {
    app.ControlChange(Control::ScrollBar1, 0);
    for (const int step : {25, 100, 150, 250}) {
        app.State.AnimationStep = step;
        app.RedrawPicture();
        const Drawn d = Waves();
        for (const auto* set : {&d.green, &d.black, &d.red})
            for (const auto& w : *set)
                for (const auto& p : w) EXPECT_NEAR(p.y, 0, 1e-3) << step;
    }
}

TEST_F(ReflectionSimulation, PictureAfterAnyAnimatedSequenceEqualsItsFullRedraw) {
    test::ExpectRandomAnimationMatchesRedraw(started, 15, {Control::ScrollBar1, Control::TrackBar1},
                                             {FKey::F2, FKey::F4}, "reflection");
}

TEST_F(ReflectionSimulation, TickErasesExactlyWhatItDrew) {
    // A whole cycle of the train (286 steps) brings the first picture back.
    const QImage first = Picture();
    Steps(286);
    EXPECT_EQ(app.State.AnimationStep, 25);
    ExpectSamePicture(Picture(), first, "reflection-cycle");
}

TEST_F(ReflectionSimulation, TogglePressedTwiceLeavesThePicture) {
    for (const int step : {40, 150, 260}) {
        app.State.AnimationStep = step;
        app.RedrawPicture();
        for (const FKey key : {FKey::F2, FKey::F4}) {
            const QImage before = Picture();
            app.FKeyClick(key);
            if (key == FKey::F2 || step > 100) {
                EXPECT_NE(Picture(), before) << step;
            }
            app.FKeyClick(key);
            ExpectSamePicture(Picture(), before, "reflection-toggle-" + std::to_string(step));
        }
    }
}

}  // namespace
}  // namespace viv
