// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/bow_cone.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <random>
#include <string>

#include "app/catalogue.h"
#include "app/events.h"
#include "library/canvas/raster_canvas.h"
#include "library/colour_table.h"
#include "library/format.h"
#include "picture_checks.h"
#include "recording_canvas.h"
#include "sims/rainbow/rainbow_state.h"
#include "sims/simulations.h"
#include "test_host.h"

namespace viv {
namespace {

using test::ExpectSamePicture;

class ConeSimulation : public ::testing::Test {
protected:
    ConeSimulation() {
        RainbowOf(scene).DropSeed = 6;
        app.MenuEntry(6);
    }

    const QImage& Picture() { return started.picture().Image(); }
    QImage Redrawn() {
        app.RedrawPicture();
        return Picture().copy();
    }
    // The figures of a full redraw.
    std::vector<test::Figure> Recorded() {
        test::RecordingCanvas canvas;
        app.DrawSimulation(Event::Redraw, false, canvas);
        return canvas.figures;
    }
    static std::vector<test::Figure> OfKind(const std::vector<test::Figure>& figures,
                                            const std::string& kind) {
        std::vector<test::Figure> out;
        for (const auto& f : figures)
            if (f.kind == kind) out.push_back(f);
        return out;
    }
    static std::vector<test::Figure> InColour(const std::vector<test::Figure>& figures, TColor c) {
        std::vector<test::Figure> out;
        for (const auto& f : figures)
            if (f.pen.Color == c) out.push_back(f);
        return out;
    }
    void SetSunHeight(int degrees) { app.ControlChange(Control::ScrollBar1, 60 - degrees); }

    test::StartedApp started;
    App& app = started.app;
    Scene scene{app};
};

TEST_F(ConeSimulation, StartsWithTheSunThirtyDegreesHighAndTabulatesTheBowAngles) {
    EXPECT_EQ(RainbowOf(scene).SunHeight, 30);
    EXPECT_EQ(RainbowOf(scene).ObserverX, 0);
    EXPECT_EQ(app.Window.Panel1, "h: 30°");
    EXPECT_EQ(app.Table.Cell(0, 0), "Vivarnons kegle");
    EXPECT_EQ(app.Table.Cell(1, 1), "30");
    // Rows 2..5 hold the bow angles of the extreme colours, whatever the sun and the
    // observer.
    const RainbowAngles& bows = app.State.Rainbow;
    const std::string angles[] = {
        FormatReal(2, 1, bows.PrimaryBowAngle[1]), FormatReal(2, 1, bows.PrimaryBowAngle[8]),
        FormatReal(2, 1, bows.SecondaryBowAngle[8]), FormatReal(2, 1, bows.SecondaryBowAngle[1])};
    EXPECT_EQ(angles[0], "40.6");
    EXPECT_EQ(angles[3], "53.5");
    for (int move = 0; move < 6; ++move) {
        SetSunHeight(move * 11);
        app.ControlChange(Control::TrackBar2, 1 + move);
        EXPECT_EQ(app.Table.Cell(1, 1), std::to_string(move * 11));
        EXPECT_EQ(app.Window.Panel1, "h: " + std::to_string(move * 11) + "°");
        for (int row = 2; row <= 5; ++row) EXPECT_EQ(app.Table.Cell(1, row), angles[row - 2]);
    }
    // Moved away, the menu entry brings the sun and the observer back.
    app.MenuEntry(8);
    app.MenuEntry(6);
    EXPECT_EQ(RainbowOf(scene).SunHeight, 30);
    EXPECT_EQ(RainbowOf(scene).ObserverX, 0);
}

TEST_F(ConeSimulation, LinesOfSightRiseAtTheBowAngleLessTheSunsHeight) {
    const auto figures = Recorded();
    const World& m = app.Map;
    // Each colour's pieces in the rain: secondary first, then primary.
    for (int c = 1; c <= 8; ++c) {
        const auto pieces = InColour(figures, Colour(c).ScreenColour);
        std::vector<test::Figure> lines;
        for (const auto& f : pieces)
            if (f.kind == "line" && f.points[0].x == m.PictureX(10)) lines.push_back(f);
        ASSERT_EQ(lines.size(), 2u) << "colour " << c;
        const double secondary = app.State.Rainbow.SecondaryBowAngle[c] - 30;
        const double primary = app.State.Rainbow.PrimaryBowAngle[c] - 30;
        EXPECT_EQ(lines[0].points[0].y, m.PictureY(10 * std::tan(secondary / DegPerRad)));
        EXPECT_EQ(lines[1].points[1], m.Picture(12, 12 * std::tan(primary / DegPerRad)));
    }
    const auto sight = InColour(figures, clSilver);
    ASSERT_EQ(sight.size(), 1u);
    EXPECT_EQ(sight[0].points.size(), 32u);  // two points for each of the 16 directions
}

TEST_F(ConeSimulation, NoLineOfSightWithTheSunAboveTheHighestBow) {
    const auto piecesInRain = [&](const std::vector<test::Figure>& figures, int c) {
        int pieces = 0;
        for (const auto& f : OfKind(InColour(figures, Colour(c).ScreenColour), "line"))
            if (f.points[0].x == app.Map.PictureX(10)) ++pieces;
        return pieces;
    };
    SetSunHeight(53);  // only the violet secondary bow (53.5°) is still above the horizon
    auto figures = Recorded();
    auto sight = OfKind(InColour(figures, clSilver), "polyline");
    ASSERT_EQ(sight.size(), 1u);
    EXPECT_EQ(sight[0].points.size(), 2u);
    EXPECT_EQ(piecesInRain(figures, 1), 1);
    for (int degrees : {54, 60}) {
        SetSunHeight(degrees);
        figures = Recorded();
        EXPECT_TRUE(OfKind(InColour(figures, clSilver), "polyline").empty()) << degrees;
        for (int c = 1; c <= 8; ++c) EXPECT_EQ(piecesInRain(figures, c), 0) << "colour " << c;
    }
    // No silver is left in the picture but the observer's body, which keeps the colour
    // of the lines of sight when no bow piece is drawn.
    const World& m = app.Map;
    int silver = 0;
    for (int y = 0; y < Picture().height(); ++y)
        for (int x = 0; x < Picture().width(); ++x) {
            const bool body = std::abs(x - m.PictureX(0)) <= m.BoldPenWidth &&
                              y >= m.PictureY(0) - m.BoldPenWidth &&
                              y <= m.PictureY(-0.4) + m.BoldPenWidth;
            if (!body && started.picture().GetPixel(x, y) == clSilver) ++silver;
        }
    EXPECT_EQ(silver, 0);
}

TEST_F(ConeSimulation, MovingTheObserverShiftsTheEyeButNotTheSunlight) {
    const auto before = Recorded();
    app.ControlChange(Control::TrackBar2, 4);
    EXPECT_EQ(RainbowOf(scene).ObserverX, 3);
    const auto after = Recorded();
    const World& m = app.Map;
    const auto sightBefore = InColour(before, clSilver), sightAfter = InColour(after, clSilver);
    ASSERT_EQ(sightBefore.size(), 1u);
    ASSERT_EQ(sightAfter.size(), 1u);
    EXPECT_EQ(sightBefore[0].points[0], m.Picture(0, 0));
    EXPECT_EQ(sightAfter[0].points[0], m.Picture(3, 0));
    // Still ending on the rain's left edge.
    EXPECT_EQ(sightAfter[0].points[1].x, m.PictureX(10));
    const auto sunBefore = InColour(before, clYellow), sunAfter = InColour(after, clYellow);
    ASSERT_FALSE(sunBefore.empty());
    EXPECT_EQ(sunBefore[0].points, sunAfter[0].points);
    EXPECT_EQ(sunBefore[0].points.size(), 120u);
}

TEST_F(ConeSimulation, ArcsOnlyWhereTheLineOfSightMeetsTheLowestSunRayAboveGround) {
    EXPECT_TRUE(OfKind(Recorded(), "arc").empty());
    app.FKeyClick(FKey::F2);
    ASSERT_TRUE(app.State.ShowMarks);
    for (int degrees = 0; degrees <= 60; degrees += 5) {
        SetSunHeight(degrees);
        const auto arcs = OfKind(Recorded(), "arc");
        for (const auto& arc : arcs) {
            EXPECT_EQ(arc.pen.Color, clBlue);
            const int centreRow = (arc.points[0].y + arc.points[1].y) / 2;
            EXPECT_LT(centreRow, app.Map.PictureY(0)) << degrees;
        }
        if (degrees == 30) {
            EXPECT_EQ(arcs.size(), 4u);
        }
        if (degrees == 60) {
            EXPECT_TRUE(arcs.empty());
        }
    }
}

TEST_F(ConeSimulation, DropsChangeAtEveryRedrawUnlessSeeded) {
    RainbowOf(scene).DropSeed.reset();
    started.host.now = 1000;
    const QImage first = Redrawn();
    started.host.now = 1001;
    EXPECT_NE(Redrawn(), first);
    started.host.now = 1000;
    EXPECT_EQ(Redrawn(), first);
}

TEST_F(ConeSimulation, PictureAfterAnyControlSequenceEqualsItsFullRedraw) {
    test::ExpectRandomUseMatchesRedraw(
        started, 6, {Control::ScrollBar1, Control::TrackBar1, Control::TrackBar2}, {FKey::F2},
        "cone");
}

TEST_F(ConeSimulation, TogglePressedTwiceLeavesThePicture) {
    for (int degrees : {0, 8, 30, 52, 60}) {
        SetSunHeight(degrees);
        const QImage before = Picture().copy();
        app.FKeyClick(FKey::F2);
        app.FKeyClick(FKey::F2);
        ExpectSamePicture(Picture().copy(), before, "cone-f2-twice-" + std::to_string(degrees));
    }
}

}  // namespace
}  // namespace viv
