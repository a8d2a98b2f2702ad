// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/polarised_colours.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/events.h"
#include "cell_checks.h"
#include "library/colour_table.h"
#include "library/format.h"
#include "picture_checks.h"
#include "recording_canvas.h"
#include "sims/rainbow/bow_statistics.h"
#include "sims/simulations.h"
#include "test_host.h"

namespace viv {
namespace {

using test::ExpectNoNan;
using test::ExpectSamePicture;
using test::Number;

class PolarisedColourSimulation : public ::testing::Test {
protected:
    PolarisedColourSimulation() { app.MenuEntry(12); }

    const QImage& Picture() { return started.picture().Image(); }
    const auto& Below(int c) const {
        return app.Buffers->IntensityBelow[static_cast<std::size_t>(c - 1)];
    }
    const auto& Above(int c) const {
        return app.Buffers->IntensityAbove[static_cast<std::size_t>(c - 1)];
    }
    BowStatistics& St() { return BowStatsOf(scene); }
    std::vector<std::string> Texts() {
        test::RecordingCanvas canvas(started.picture().Width(), started.picture().Height());
        app.DrawSimulation(Event::Redraw, false, canvas);
        std::vector<std::string> out;
        for (const auto& f : canvas.Of("text")) out.push_back(f.text);
        return out;
    }

    test::StartedApp started;
    App& app = started.app;
    Scene scene{app};
};

// The light of the rays of colour c in bin v, entering below or above the bow's own ray
// (`above`), for polarisation `mode`, summed ray by ray with exact angles.
double ExactLight(const RainbowAngles& bows, int c, int mode, int v, bool above) {
    const double n = Colour(c).WaterIndex;
    const double f1 = bows.PrimaryBowAngle[c] - std::floor(bows.PrimaryBowAngle[c]);
    const double f2 = bows.SecondaryBowAngle[c] - std::floor(bows.SecondaryBowAngle[c]);
    const int t1 = static_cast<int>(std::lround(bows.PrimaryBowParameter[c] * 20000));
    const int t2 = static_cast<int>(std::lround(bows.SecondaryBowParameter[c] * 20000));
    double light = 0;
    for (int j = 0; j <= 20000; ++j) {
        const double p = j / 20000.0;
        const double i = std::asin(p), r = std::asin(p / n);
        const double ci = std::cos(i), cr = std::cos(r);
        const double amplitude =
            mode == 1 ? (ci - n * cr) / (ci + n * cr) : (n * ci - cr) / (n * ci + cr);
        const double R = amplitude * amplitude;
        const double d1 = (4 * r - 2 * i) * DegPerRad, d2 = 180 + (2 * i - 6 * r) * DegPerRad;
        if (static_cast<int>(std::floor(d1 + 1 - f1)) == v && (j >= t1) == above)
            light += R * (1 - R) * (1 - R) / 2;
        if (static_cast<int>(std::floor(d2 - f2)) == v && (j >= t2) == above)
            light += R * R * (1 - R) * (1 - R) / 2;
    }
    return light;
}

TEST_F(PolarisedColourSimulation, TableReadsBothCurvesOfTheChosenLight) {
    EXPECT_EQ(St().PolarisationMode, 1);
    EXPECT_EQ(app.Window.TrackBar2.Position, 1);
    const RainbowAngles& bows = app.State.Rainbow;
    for (int mode : {1, 2}) {
        app.ControlChange(Control::TrackBar2, mode);
        for (int c : {2, 7}) {
            app.ControlChange(Control::TrackBar1, c);
            EXPECT_EQ(app.Table.Cell(1, 1), FormatReal(6, 3, Colour(c).WaterIndex));
            for (int v : {12, 41, 51, 52, 90}) {
                app.ControlChange(Control::ScrollBar1, 101 - v);
                EXPECT_EQ(app.Table.Cell(1, 3), FormatInteger(v, 3));
                const double below = ExactLight(bows, c, mode, v, false);
                const double above = ExactLight(bows, c, mode, v, true);
                EXPECT_NEAR(Number(app.Table.Cell(1, 4)), below, 0.5 + 0.002 * below)
                    << "mode " << mode << " colour " << c << " v " << v;
                EXPECT_NEAR(Number(app.Table.Cell(1, 5)), above, 0.5 + 0.002 * above)
                    << "mode " << mode << " colour " << c << " v " << v;
                EXPECT_EQ(app.Table.Cell(1, 4), FormatInteger(std::lround(Below(c)[v]), 3));
                EXPECT_EQ(app.Table.Cell(1, 5), FormatInteger(std::lround(Above(c)[v]), 3));
                EXPECT_EQ(app.Window.Panel1, "v: " + FormatInteger(v, 3) + "°");
                EXPECT_EQ(app.Window.Panel2, "N: " + app.Table.Cell(1, 4));
            }
        }
    }
    ExpectNoNan(app);
}

TEST_F(PolarisedColourSimulation, SwitchingThePolarisationCountsAgain) {
    const auto texts = Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "vinkelret polariseret "), texts.end());
    const auto perpendicular = Below(4);
    app.ControlChange(Control::TrackBar2, 2);
    EXPECT_EQ(St().PolarisationMode, 2);
    for (int c = 1; c <= 8; ++c) EXPECT_EQ(St().ColourDone[c], c == 4);
    EXPECT_NE(Below(4), perpendicular);
    const auto after = Texts();
    EXPECT_NE(std::find(after.begin(), after.end(), "parallelt polariseret "), after.end());
    ExpectSamePicture(Picture().copy(), test::Redrawn(started), "polarised-switch");
    app.ControlChange(Control::TrackBar2, 1);
    EXPECT_EQ(Below(4), perpendicular);
    // Near the bow parallel light is mostly let through: much less is reflected inside.
    double s = 0, p = 0;
    for (int v = 30; v <= 42; ++v) s += Below(4)[v];
    app.ControlChange(Control::TrackBar2, 2);
    for (int v = 30; v <= 42; ++v) p += Below(4)[v];
    EXPECT_LT(p, 0.2 * s);
}

TEST_F(PolarisedColourSimulation, CurvesStartAtTheBowAngles) {
    test::RecordingCanvas canvas(started.picture().Width(), started.picture().Height());
    app.DrawSimulation(Event::Redraw, false, canvas);
    std::vector<test::Figure> curves;
    for (const auto& f : canvas.Of("polyline"))
        if (f.pen.Color == Colour(4).ScreenColour && f.points.size() > 5) curves.push_back(f);
    ASSERT_EQ(curves.size(), 4u);  // below and above, primary and secondary
    const RainbowAngles& bows = app.State.Rainbow;
    const int t1 = static_cast<int>(bows.PrimaryBowAngle[4]);
    const int t2 = static_cast<int>(bows.SecondaryBowAngle[4]);
    EXPECT_EQ(curves[0].points.front(), app.Map.Picture(bows.PrimaryBowAngle[4], Below(4)[t1]));
    EXPECT_EQ(curves[1].points.front(), app.Map.Picture(bows.SecondaryBowAngle[4], Below(4)[t2]));
    EXPECT_EQ(curves[2].points.front(), app.Map.Picture(bows.PrimaryBowAngle[4], Above(4)[t1]));
    EXPECT_EQ(curves[3].points.front(), app.Map.Picture(bows.SecondaryBowAngle[4], Above(4)[t2]));
    EXPECT_EQ(curves[0].pen.Style, psSolid);
    EXPECT_EQ(curves[2].pen.Style, psDot);
    EXPECT_EQ(curves[1].points.back(), app.Map.Picture(99 + St().SecondaryBinOffset, Below(4)[99]));
}

TEST_F(PolarisedColourSimulation, PictureAfterAnyControlSequenceEqualsItsFullRedraw) {
    test::ExpectRandomUseMatchesRedraw(
        started, 12, {Control::ScrollBar1, Control::TrackBar1, Control::TrackBar2}, {},
        "polarised");
    ExpectNoNan(app);
}

TEST_F(PolarisedColourSimulation, LeavingForTheColoursOfTheBowCountsUnpolarisedLight) {
    app.ControlChange(Control::TrackBar2, 2);
    app.MenuEntry(9);
    const auto unpolarised = Below(4);
    double above = 0;
    for (double v : Above(4)) above += v;
    EXPECT_NEAR(above, 0, 1e-12);
    // The same as a program that never showed polarised light.
    test::StartedApp fresh;
    fresh.app.MenuEntry(9);
    EXPECT_EQ(fresh.app.Buffers->IntensityBelow[3], unpolarised);
    ExpectSamePicture(Picture().copy(), fresh.picture().Image(), "colours-after-parallel");
    app.MenuEntry(12);
    EXPECT_EQ(St().PolarisationMode, 1);
    EXPECT_EQ(app.Window.TrackBar2.Position, 1);
}

}  // namespace
}  // namespace viv
