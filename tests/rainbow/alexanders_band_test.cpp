// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/alexanders_band.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "app/catalogue.h"
#include "app/events.h"
#include "library/canvas/raster_canvas.h"
#include "library/colour_table.h"
#include "library/format.h"
#include "library/world.h"
#include "picture_checks.h"
#include "recording_canvas.h"
#include "sims/rainbow/rainbow_state.h"
#include "sims/simulations.h"
#include "test_host.h"

namespace viv {
namespace {

using test::ExpectSamePicture;

using Vec = WorldPoint;  // a plane vector

// Refraction of the unit direction d at a surface with unit normal n facing against d,
// from index n1 into index n2.
Vec Refract(Vec d, Vec n, double n1, double n2) {
    const double eta = n1 / n2;
    const double cosI = -Dot(d, n);
    const double cosT = std::sqrt(1 - eta * eta * (1 - cosI * cosI));
    return eta * d + (eta * cosI - cosT) * n;
}

// The angle (degrees) between the antisolar direction and a ray of light that enters a
// drop of radius 1 at height p, is reflected `reflections` times inside and leaves
// again, traced point by point with Snell's law.
double TracedAngle(double p, double index, int reflections) {
    const Vec in{1, 0};  // sunlight travels along +x
    Vec at{-std::sqrt(1 - p * p), p};
    Vec d = Refract(in, at, 1.0, index);
    for (int k = 0;; ++k) {
        at = at + (-2 * Dot(at, d)) * d;  // the next point on the unit circle
        if (k == reflections) break;
        d = d + (-2 * Dot(d, at)) * at;  // reflected inside
    }
    const Vec out = Refract(d, -1 * at, index, 1.0);
    return std::acos(std::clamp(-out.x, -1.0, 1.0)) * DegPerRad;
}

class BandSimulation : public ::testing::Test {
protected:
    BandSimulation() { app.MenuEntry(8); }

    const QImage& Picture() { return started.picture().Image(); }
    QImage Redrawn() {
        app.RedrawPicture();
        return Picture().copy();
    }
    double AngleAt(double p) {
        AngleAtParameter(scene, p);
        return RainbowOf(scene).BandAngle;
    }
    double Traced(double p) const {
        return TracedAngle(p, Colour(app.State.CurrentColour).WaterIndex, app.State.CurrentBow);
    }
    // The inset's mapping, as the simulation draws it.
    World InsetMap() const {
        World m = app.Map;
        m.PictureMarginX = static_cast<std::uint16_t>(m.PictureWidth * 3 / 5);
        m.PictureMarginY = static_cast<std::uint16_t>(m.PictureHeight / 2);
        m.SetWorldWindow(0.7, 1.04, 25, 79);
        return m;
    }

    test::StartedApp started;
    App& app = started.app;
    Scene scene{app};
};

TEST_F(BandSimulation, DrawnByItsCatalogueEntryWithTheRayAtHalfTheRadius) {
    EXPECT_EQ(app.Window.ScrollBar1.Position, 100);
    EXPECT_DOUBLE_EQ(RainbowOf(scene).RayParameter, 0.5);
    EXPECT_EQ(app.Table.Cell(1, 1), " 1.334");
    EXPECT_EQ(app.Table.Cell(1, 2), " 546.1");
    EXPECT_EQ(app.Table.Cell(0, 2), " bølgelængde/nm, grøn");
    EXPECT_EQ(app.Table.Cell(1, 3), "0.500");
    const std::string v = FormatReal(5, 1, RainbowOf(scene).BandAngle);
    EXPECT_EQ(app.Table.Cell(1, 4), v);
    EXPECT_EQ(app.Window.Panel1, "p: 0.500");
    EXPECT_EQ(app.Window.Panel2, "v: " + v + "°");
    EXPECT_NEAR(RainbowOf(scene).BandAngle, Traced(0.5), 0.05);
    app.ControlChange(Control::ScrollBar1, 40);  // p = (200 - 40) * 0.005
    EXPECT_NEAR(RainbowOf(scene).RayParameter, 0.8, 1e-12);
    EXPECT_EQ(app.Window.Panel1, "p: 0.800");
    EXPECT_NEAR(RainbowOf(scene).BandAngle, Traced(0.8), 0.05);
    app.ControlChange(Control::ScrollBar1, 0);
    EXPECT_EQ(app.Window.Panel1, "p: 1.000");
    EXPECT_EQ(RainbowOf(scene).BandAngle, app.Buffers->PrimaryAngleTable[3][50]);
}

TEST_F(BandSimulation, EndsOfTheCurves) {
    for (int c = 1; c <= 8; ++c) {
        app.State.CurrentColour = c;
        const auto k = static_cast<std::size_t>(c - 1);
        app.State.CurrentBow = 1;
        EXPECT_EQ(AngleAt(0), 0.0);
        EXPECT_EQ(AngleAt(1), app.Buffers->PrimaryAngleTable[k][50]);
        app.State.CurrentBow = 2;
        EXPECT_EQ(AngleAt(0), 180.0);
        EXPECT_EQ(AngleAt(1), app.Buffers->SecondaryAngleTable[k][50]);
        // At the edge the ray grazes the drop: i = 90°.
        const double r = std::asin(1 / Colour(c).WaterIndex) * DegPerRad;
        EXPECT_NEAR(app.Buffers->PrimaryAngleTable[k][50], 4 * r - 180, 1e-9);
        EXPECT_NEAR(app.Buffers->SecondaryAngleTable[k][50], 360 - 6 * r, 1e-9);
    }
}

TEST_F(BandSimulation, CurvesFollowTheRaysTracedThroughTheDrop) {
    for (int c = 1; c <= 8; ++c) {
        app.State.CurrentColour = c;
        for (int bow = 1; bow <= 2; ++bow) {
            app.State.CurrentBow = bow;
            // The table's samples lie on the curve itself (the edge, where the ray only
            // grazes the drop, is checked in closed form above).
            for (int s = 0; s < 50; ++s) {
                const double p = RainbowOf(scene).SampleParameter[static_cast<std::size_t>(s)];
                const auto& row =
                    bow == 1 ? app.Buffers->PrimaryAngleTable : app.Buffers->SecondaryAngleTable;
                EXPECT_NEAR(row[static_cast<std::size_t>(c - 1)][static_cast<std::size_t>(s)],
                            Traced(p), 1e-7)
                    << "colour " << c << " bow " << bow << " sample " << s;
            }
            // Between them the straight pieces stay close; the curve is steepest at the
            // edge of the drop, where the samples lie densest.
            for (int k = 0; k <= 999; ++k) {
                const double p = k * 0.001;
                const double tolerance = p < 0.99 ? 0.2 : 3.0;
                ASSERT_NEAR(AngleAt(p), Traced(p), tolerance)
                    << "colour " << c << " bow " << bow << " p " << p;
            }
        }
    }
    // While the drop is shown the angle is computed exactly; elsewhere it is left alone.
    app.State.CurrentSimulation = 7;
    for (double p : {0.1, 0.861, 0.997}) EXPECT_NEAR(AngleAt(p), Traced(p), 1e-9);
    app.State.CurrentSimulation = 9;
    RainbowOf(scene).BandAngle = -7;
    EXPECT_EQ(AngleAt(0.5), -7);
}

TEST_F(BandSimulation, GuideAnglesCycleThroughTheCrossingsOfTheCurrentBow) {
    for (int c : {1, 4, 8}) {
        app.ControlChange(Control::TrackBar1, c);
        app.ControlChange(Control::TrackBar2, 1);
        app.FKeyClick(FKey::F2);
        ASSERT_TRUE(app.State.ShowMarks);
        const double primary[] = {25, 35, 35, 25};
        double lastP = 0;
        for (int round = 0; round < 2; ++round) {
            for (int k = 0; k < 4; ++k) {
                if (round + k > 0) app.ControlChange(Control::ScrollBar1, 10);
                const double p = RainbowOf(scene).RayParameter;
                EXPECT_NEAR(Traced(p), primary[k], 0.3) << "colour " << c << " crossing " << k;
                EXPECT_NEAR(RainbowOf(scene).BandAngle, primary[k], 0.05);
                // The crossings come in the order of the curve.
                if (k > 0 && round == 0) {
                    EXPECT_GT(p, lastP);
                }
                lastP = p;
            }
        }
        app.ControlChange(Control::TrackBar2, 2);
        const double secondary[] = {100, 60, 60};
        for (int round = 0; round < 2; ++round) {
            for (int k = 0; k < 3; ++k) {
                if (round + k > 0) app.ControlChange(Control::ScrollBar1, 10);
                const double p = RainbowOf(scene).RayParameter;
                // The last crossing lies in the last sample interval, where the curve
                // bends sharply and its straight piece departs furthest from it.
                EXPECT_NEAR(Traced(p), secondary[k], p > 0.995 ? 1.5 : 0.3)
                    << "colour " << c << " crossing " << k;
                EXPECT_NEAR(RainbowOf(scene).BandAngle, secondary[k], 0.05);
                if (k > 0 && round == 0) {
                    EXPECT_GT(p, lastP);
                }
                lastP = p;
            }
        }
        app.FKeyClick(FKey::F2);
        ASSERT_FALSE(app.State.ShowMarks);
    }
}

TEST_F(BandSimulation, GuideAnglesTheCurveNeverReachesStayOnTheDrop) {
    // A drop whose primary curve turns at about 30°, below the 35° guide.
    for (auto& v : app.Buffers->PrimaryAngleTable[3]) v *= 0.7;
    int peak = 0;
    for (int s = 0; s <= 50; ++s)
        if (app.Buffers->PrimaryAngleTable[3][s] > app.Buffers->PrimaryAngleTable[3][peak])
            peak = s;
    FindPresetParameters(scene);
    const auto& preset = RainbowOf(scene).PresetParameter;
    for (int k = 1; k <= 7; ++k) {
        EXPECT_TRUE(std::isfinite(preset[k]));
        EXPECT_GE(preset[k], 0);
        EXPECT_LE(preset[k], 1);
    }
    EXPECT_DOUBLE_EQ(preset[2], RainbowOf(scene).SampleParameter[peak]);
    EXPECT_DOUBLE_EQ(preset[3], RainbowOf(scene).SampleParameter[peak]);
    EXPECT_LT(preset[1], preset[2]);
    EXPECT_GT(preset[4], preset[3]);

    // A curve that never even reaches 25°: every preset waits at its top.
    for (auto& v : app.Buffers->PrimaryAngleTable[3]) v *= 0.5;
    FindPresetParameters(scene);
    for (int k = 1; k <= 4; ++k)
        EXPECT_DOUBLE_EQ(preset[k], RainbowOf(scene).SampleParameter[peak]);
}

TEST_F(BandSimulation, InsetCursorOnlyWhereTheInsetShowsTheCurve) {
    const auto boldLines = [&](double p, double v) {
        test::RecordingCanvas canvas;
        RainbowOf(scene).BandAngle = v;
        DrawParameterCursor(scene, canvas, p);
        std::vector<test::Figure> bold;
        for (const auto& f : canvas.Of("line"))
            if (f.pen.Width == app.Map.BoldPenWidth) bold.push_back(f);
        return bold;
    };
    EXPECT_EQ(boldLines(0.69, 40).size(), 2u);
    EXPECT_EQ(boldLines(0.9, 25).size(), 2u);
    EXPECT_EQ(boldLines(0.3, 60).size(), 2u);
    const auto both = boldLines(0.7, 25.5);
    ASSERT_EQ(both.size(), 4u);
    // In the inset: the vertical stroke first, within the upper-right quarter.
    const World inset = InsetMap();
    EXPECT_EQ(both[2].points[0], inset.Picture(0.7, 20.5));
    EXPECT_EQ(both[2].points[1], inset.Picture(0.7, 30.5));
    EXPECT_EQ(both[3].points[0], inset.Picture(0.675, 25.5));
    // The main graph's mapping is back afterwards.
    EXPECT_EQ(app.Map.PictureMarginX, 0);
    EXPECT_EQ(app.Map.PictureX(app.Map.WorldXMin), 0);
}

TEST_F(BandSimulation, DarkBandLiesBetweenTheReddestBows) {
    test::RecordingCanvas canvas;
    app.DrawSimulation(Event::Redraw, false, canvas);
    std::vector<test::Figure> hatched;
    for (const auto& f : canvas.Of("rectangle"))
        if (f.brush.Style == bsDiagCross) hatched.push_back(f);
    ASSERT_EQ(hatched.size(), 1u);
    const World inset = InsetMap();
    const RainbowAngles& bows = app.State.Rainbow;
    EXPECT_EQ(hatched[0].points[0], inset.Picture(0.75, bows.PrimaryBowAngle[8]));  // from the axis
    EXPECT_EQ(hatched[0].points[1], inset.Picture(1, bows.SecondaryBowAngle[8]));
    EXPECT_EQ(hatched[0].pen.Color, clSilver);
    EXPECT_EQ(hatched[0].pen.Mode, pmNotXor);
    EXPECT_EQ(app.Map.PictureMarginX, 0);
    EXPECT_EQ(app.Map.PictureMarginY, 0);
}

TEST_F(BandSimulation, PictureAfterAnyControlSequenceEqualsItsFullRedraw) {
    test::ExpectRandomUseMatchesRedraw(
        started, 8, {Control::ScrollBar1, Control::TrackBar1, Control::TrackBar2}, {FKey::F2},
        "band");
}

TEST_F(BandSimulation, TogglePressedTwiceLeavesThePicture) {
    for (int position : {100, 3, 170}) {
        app.ControlChange(Control::ScrollBar1, position);
        for (int bow = 1; bow <= 2; ++bow) {
            app.ControlChange(Control::TrackBar2, bow);
            const QImage before = Picture().copy();
            const double p = RainbowOf(scene).RayParameter;
            app.FKeyClick(FKey::F2);
            EXPECT_NE(Picture(), before);  // the guide lines
            app.FKeyClick(FKey::F2);
            ExpectSamePicture(Picture().copy(), before, "band-f2-twice");
            EXPECT_EQ(RainbowOf(scene).RayParameter, p);
        }
    }
}

}  // namespace
}  // namespace viv
