// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/bow_colours.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

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

// The bow angles of a drop of index n from the rays of extreme deviation:
// cos^2 i = (n^2 - 1) / 3 once reflected, (n^2 - 1) / 8 twice.
double PrimaryAngle(double n) {
    const double i = std::acos(std::sqrt((n * n - 1) / 3));
    const double r = std::asin(std::sin(i) / n);
    return (4 * r - 2 * i) * DegPerRad;
}
double SecondaryAngle(double n) {
    const double i = std::acos(std::sqrt((n * n - 1) / 8));
    const double r = std::asin(std::sin(i) / n);
    return 180 + (2 * i - 6 * r) * DegPerRad;
}

// Rays of colour c per bin, counted with exact angles.
std::array<int, 181> ExactCounts(const RainbowAngles& bows, int c) {
    const double n = Colour(c).WaterIndex;
    const double f1 = bows.PrimaryBowAngle[c] - std::floor(bows.PrimaryBowAngle[c]);
    const double f2 = bows.SecondaryBowAngle[c] - std::floor(bows.SecondaryBowAngle[c]);
    std::array<int, 181> count{};
    for (int j = 0; j <= 20000; ++j) {
        const double i = std::asin(j / 20000.0) * DegPerRad;
        const double r = std::asin(j / 20000.0 / n) * DegPerRad;
        ++count[std::clamp(static_cast<int>(std::floor(4 * r - 2 * i + 1 - f1)), 0, 180)];
        ++count[std::clamp(static_cast<int>(std::floor(180 + 2 * i - 6 * r - f2)), 0, 180)];
    }
    return count;
}

class BowColourSimulation : public ::testing::Test {
protected:
    BowColourSimulation() { app.MenuEntry(9); }

    const QImage& Picture() { return started.picture().Image(); }
    const auto& Counts(int c) const {
        return app.Buffers->RayCount[static_cast<std::size_t>(c - 1)];
    }
    BowStatistics& St() { return BowStatsOf(scene); }
    // The figures a full redraw draws.
    std::unique_ptr<test::RecordingCanvas> Recorded() {
        auto canvas = std::make_unique<test::RecordingCanvas>(started.picture().Width(),
                                                              started.picture().Height());
        app.DrawSimulation(Event::Redraw, false, *canvas);
        return canvas;
    }

    test::StartedApp started;
    App& app = started.app;
    Scene scene{app};
};

TEST_F(BowColourSimulation, TableAndPanelsAgreeWithTheDropsGeometry) {
    EXPECT_EQ(app.Window.Caption, "Vivarnons farver");
    for (int c = 1; c <= 8; ++c) {
        app.ControlChange(Control::TrackBar1, c);
        const double n = Colour(c).WaterIndex;
        EXPECT_EQ(app.Table.Cell(1, 1), FormatReal(6, 3, n));
        EXPECT_NEAR(Number(app.Table.Cell(1, 3)), PrimaryAngle(n), 0.051) << c;
        EXPECT_NEAR(Number(app.Table.Cell(1, 4)), SecondaryAngle(n), 0.051) << c;
        // The dark band is what the table shows it to be.
        EXPECT_NEAR(Number(app.Table.Cell(1, 5)),
                    Number(app.Table.Cell(1, 4)) - Number(app.Table.Cell(1, 3)), 1e-9)
            << "colour " << c;
        const std::array<int, 181> exact = ExactCounts(app.State.Rainbow, c);
        const int t1 = static_cast<int>(app.State.Rainbow.PrimaryBowAngle[c]);
        const int t2 = static_cast<int>(app.State.Rainbow.SecondaryBowAngle[c]);
        EXPECT_NEAR(Number(app.Table.Cell(1, 6)), *std::max_element(&exact[1], &exact[t1 + 1]), 10);
        EXPECT_NEAR(Number(app.Table.Cell(1, 7)), *std::max_element(&exact[t2], &exact[180]), 10);
        EXPECT_EQ(app.Table.Cell(1, 8), " 25");
        EXPECT_NEAR(Number(app.Table.Cell(1, 9)), exact[25], 3);
        EXPECT_EQ(app.Window.Panel1, "v:  25°");
        EXPECT_EQ(app.Window.Panel2, "N: " + app.Table.Cell(1, 9));
    }
    app.ControlChange(Control::TrackBar1, 4);
    // 51.2 - 41.9, though the angles themselves are 9.22° apart.
    EXPECT_EQ(app.Table.Cell(0, 2), " bølgelængde/nm, grøn");
    test::ExpectColumn(app, 1, 2, {" 546.1", "  41.9", "  51.2", "   9.3"});
    // ScrollBar1 stands at 179 - v.
    app.ControlChange(Control::ScrollBar1, 179 - 137);
    EXPECT_EQ(app.State.ScatterAngle, 137);
    EXPECT_EQ(app.Window.Panel1, "v: 137°");
    EXPECT_EQ(app.Table.Cell(1, 9), FormatInteger(Counts(4)[137], 3));
    ExpectNoNan(app);
}

TEST_F(BowColourSimulation, FirstChoiceCountsOnlyTheCurrentColour) {
    for (int c = 1; c <= 8; ++c) EXPECT_EQ(St().ColourDone[c], c == 4) << c;
    EXPECT_EQ(St().PolarisationMode, 0);
    EXPECT_EQ(St().CursorCurve, 1);
}

TEST_F(BowColourSimulation, CountCurvesStartAtTheBowAngles) {
    for (int c : {1, 4, 8}) {
        app.ControlChange(Control::TrackBar1, c);
        const auto canvas = Recorded();
        std::vector<test::Figure> curves;
        for (const auto& f : canvas->Of("polyline"))
            if (f.pen.Width == app.Map.BoldPenWidth && f.pen.Color == Colour(c).ScreenColour &&
                f.points.size() > 5)
                curves.push_back(f);
        ASSERT_EQ(curves.size(), 2u);
        const RainbowAngles& bows = app.State.Rainbow;
        const int t1 = static_cast<int>(bows.PrimaryBowAngle[c]);
        const int t2 = static_cast<int>(bows.SecondaryBowAngle[c]);
        EXPECT_EQ(curves[0].points.front(),
                  app.Map.Picture(bows.PrimaryBowAngle[c], Counts(c)[t1]));
        EXPECT_EQ(curves[1].points.front(),
                  app.Map.Picture(bows.SecondaryBowAngle[c], Counts(c)[t2]));
        EXPECT_EQ(curves[0].points.size(), static_cast<std::size_t>(t1));
        EXPECT_EQ(curves[1].points.back(),
                  app.Map.Picture(178 + St().SecondaryBinOffset, Counts(c)[178]));
    }
}

TEST_F(BowColourSimulation, SumOfAllColoursComesAndGoesWithF5) {
    const QImage before = Picture().copy();
    app.FKeyClick(FKey::F5);
    EXPECT_TRUE(St().AllColoursDone);
    EXPECT_EQ(app.Table.Cell(0, 9), " antal N (korr.)");
    EXPECT_EQ(St().CursorCurve, 3);
    // The cursor reads a tenth of the enlarged sum.
    const double sum = app.Buffers->ColourSumIntensity[25];
    EXPECT_EQ(app.Table.Cell(1, 9), FormatInteger(std::lround(sum * 0.1), 3));
    EXPECT_NE(Picture(), before);
    ExpectSamePicture(Picture().copy(), test::Redrawn(started), "colours-f5-on");
    const auto canvas = Recorded();
    int labels = 0;
    for (const auto& f : canvas->Of("text"))
        if (f.text == "10 gange" || f.text == "korrigeret sum") ++labels;
    EXPECT_EQ(labels, 2);

    app.FKeyClick(FKey::F5);
    EXPECT_EQ(app.Table.Cell(0, 9), " antal N");
    EXPECT_EQ(St().CursorCurve, 1);
    ExpectSamePicture(Picture().copy(), before, "colours-f5-twice");
    ExpectNoNan(app);
}

TEST_F(BowColourSimulation, SumCurveNeedsNoSecondaryBranchToEnd) {
    app.FKeyClick(FKey::F5);
    app.Buffers->ColourSumCount.fill(0);  // no twice-reflected light anywhere
    const auto canvas = Recorded();
    int black = 0;
    for (const auto& f : canvas->Of("polyline"))
        if (f.pen.Color == clBlack && f.pen.Width == app.Map.PenWidth && f.points.size() > 3)
            ++black;
    EXPECT_EQ(black, 1);
}

TEST_F(BowColourSimulation, TogglesPressedTwiceLeaveThePicture) {
    for (int c : {1, 5, 8}) {
        app.ControlChange(Control::TrackBar1, c);
        test::ExpectTogglesTwiceRestore(started, {FKey::F2, FKey::F5, FKey::F6}, "colours");
    }
}

TEST_F(BowColourSimulation, PictureAfterAnyControlSequenceEqualsItsFullRedraw) {
    test::ExpectRandomUseMatchesRedraw(started, 9, {Control::ScrollBar1, Control::TrackBar1},
                                       {FKey::F2, FKey::F5, FKey::F6}, "colours");
    ExpectNoNan(app);
}

TEST_F(BowColourSimulation, PolarisedVisitNeitherMixesNorDoublesTheSums) {
    app.FKeyClick(FKey::F5);
    const auto wantCount = app.Buffers->ColourSumCount;
    const auto wantLight = app.Buffers->ColourSumIntensity;
    const auto wantBelow = app.Buffers->IntensityBelow;

    app.MenuEntry(12);
    EXPECT_EQ(St().PolarisationMode, 1);
    app.MenuEntry(9);
    EXPECT_EQ(St().PolarisationMode, 0);
    EXPECT_FALSE(St().AllColoursDone);
    EXPECT_EQ(app.Buffers->IntensityBelow[3], wantBelow[3]);
    app.FKeyClick(FKey::F5);
    for (int k = 0; k <= 180; ++k) {
        ASSERT_NEAR(app.Buffers->ColourSumCount[k], wantCount[k], 1e-9) << k;
        ASSERT_NEAR(app.Buffers->ColourSumIntensity[k], wantLight[k], 1e-9) << k;
    }
    EXPECT_EQ(app.Buffers->IntensityBelow, wantBelow);
    ExpectSamePicture(Picture().copy(), test::Redrawn(started), "colours-after-polarised");
}

}  // namespace
}  // namespace viv
