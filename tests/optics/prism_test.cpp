// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/optics/prism.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/events.h"
#include "library/substance_table.h"
#include "optics/optics_checks.h"
#include "picture_checks.h"
#include "recording_canvas.h"
#include "sims/optics/optics_choice.h"
#include "sims/simulations.h"
#include "test_host.h"

namespace viv {
namespace {

using test::ExpectSamePicture;

constexpr double Deg = 3.14159265358979323846 / 180;

// Snell's law at both faces, written out for the prism in its usual position: the
// deviation in degrees, or NaN when the ray does not leave through the second face.
double ExpectedDeviation(double pDeg, double iDeg, double n) {
    const double r1 = std::asin(std::sin(iDeg * Deg) / n);
    const double s = n * std::sin(pDeg * Deg - r1);
    if (s >= 1) return NAN;
    return iDeg + std::asin(s) / Deg - pDeg;
}

class PrismSimulation : public test::OpticsFixture<::testing::Test> {
protected:
    PrismSimulation() { app.MenuEntry(26); }

    void SetIncidence(int degrees) { app.ControlChange(Control::ScrollBar1, 90 - degrees); }
    void SetApexPosition(int position) { app.ControlChange(Control::TrackBar2, position); }
    void SetSubstance(int k) { app.ControlChange(Control::TrackBar1, k); }

    // Pixels of `colour` in the main picture left of the inset graph, below row `fromRow`.
    int CountBelow(TColor colour, int fromRow) {
        return CountIn(colour, 0, fromRow, 2 * app.Map.PictureWidth / 3, Picture().height());
    }

    // Pixels of `colour` in the inset graph (the upper-right ninth).
    int CountInGraph(TColor colour) {
        return CountIn(colour, 2 * Picture().width() / 3, 0, Picture().width(),
                       Picture().height() / 3);
    }
};

TEST_F(PrismSimulation, QuartzAtSixtyDegreesDeviatesTheRedRay) {
    EXPECT_EQ(app.Sims.Get<OpticsChoice>().Substance, 3);
    test::ExpectCells(app, {{0, 0, "Prismet"}, {1, 1, "60.00"}, {1, 2, "30"}});
    const double v = ExpectedDeviation(60, 30, 1.454);
    EXPECT_NEAR(v, 38.81, 0.005);
    test::ExpectCells(app, {{1, 3, "38.81"},
                            {0, 4, " Kvarts, n (486.1 nm)"},
                            {1, 4, "1.463"},
                            {0, 5, " n (768.2 nm)"},
                            {1, 5, "1.454"}});
    test::ExpectPanels(app, "p=60.00°", "i=30°", "v=38.81°");
}

TEST_F(PrismSimulation, TableFollowsSnellsLawEverywhere) {
    for (int k = 1; k <= SubstanceCount; ++k) {
        SetSubstance(k);
        for (int position = 0; position <= 5; ++position) {
            SetApexPosition(position);
            const double p = 60 + 9 * (position - 3);
            for (int i = 1; i <= 89; i += 4) {
                SetIncidence(i);
                SCOPED_TRACE("substance " + std::to_string(k) + ", p " + std::to_string(p) +
                             ", i " + std::to_string(i));
                const double v = ExpectedDeviation(p, i, Substance(k).SubstanceIndexRed);
                if (std::isnan(v)) {
                    EXPECT_EQ(Cell(1, 3), "");
                    EXPECT_EQ(app.Window.Panel3, "v=");
                } else {
                    EXPECT_NEAR(std::stod(Cell(1, 3)), v, 0.0051);
                }
                EXPECT_EQ(Cell(1, 2), std::to_string(i));
                EXPECT_NEAR(std::stod(Cell(1, 1)), p, 1e-9);
                for (int row = 0; row < 6; ++row)
                    for (int col = 0; col < 2; ++col) {
                        EXPECT_EQ(Cell(col, row).find("nan"), std::string::npos);
                        EXPECT_EQ(Cell(col, row).find("NAN"), std::string::npos);
                        EXPECT_EQ(Cell(col, row).find("INF"), std::string::npos);
                    }
                for (const std::string* panel :
                     {&app.Window.Panel1, &app.Window.Panel2, &app.Window.Panel3})
                    EXPECT_EQ(panel->find_first_of("nN"), std::string::npos) << *panel;
            }
        }
    }
}

TEST_F(PrismSimulation, ExtraDenseFlintIsTotallyReflected) {
    SetSubstance(8);
    SetApexPosition(5);  // 78°
    for (int i = 1; i <= 89; ++i) {
        SetIncidence(i);
        EXPECT_EQ(Cell(1, 3), "") << i;
    }
    EXPECT_EQ(app.Window.Panel3, "v=");
    EXPECT_EQ(CountInGraph(clRed), 0);  // no red curve
    test::ExpectSameAsRedrawn(started, "prism-flint-78");

    SetApexPosition(3);  // 60°: the ray first leaves the prism at 65°
    SetIncidence(64);
    EXPECT_EQ(Cell(1, 3), "");
    SetIncidence(65);
    EXPECT_NEAR(ExpectedDeviation(60, 65, 1.902), 89.27, 0.005);
    EXPECT_EQ(Cell(1, 3), "89.27");
    // The red curve runs from 65° to 89°, above the graph's top.
    test::RecordingCanvas canvas(app.Map.PictureWidth, app.Map.PictureHeight);
    app.DrawSimulation(Event::Redraw, false, canvas);
    std::size_t curvePoints = 0;
    for (const test::Figure& f : canvas.Of("polyline"))
        if (f.pen.Color == clRed && f.points.size() > 4) curvePoints = f.points.size();
    EXPECT_EQ(curvePoints, 25u);
}

// The graph's lowest point is the minimum deviation, from which the prism's index
// follows as n = sin((p + v_min)/2) / sin(p/2).
TEST_F(PrismSimulation, LowestPointOfTheGraphGivesTheIndex) {
    for (int k : {1, 3, 5, 7}) {
        SetSubstance(k);
        for (int position : {0, 2, 3}) {
            SetApexPosition(position);
            const double p = 60 + 9 * (position - 3);
            // The drawn red curve: its lowest point on the picture.
            test::RecordingCanvas canvas(app.Map.PictureWidth, app.Map.PictureHeight);
            app.DrawSimulation(Event::Redraw, false, canvas);  // what a full redraw draws
            const std::vector<test::Figure> polylines = canvas.Of("polyline");
            const test::Figure* curve = nullptr;
            for (const test::Figure& f : polylines)
                if (f.pen.Color == clRed && f.points.size() > 10) curve = &f;
            ASSERT_NE(curve, nullptr);
            std::size_t lowest = 0;
            for (std::size_t j = 0; j < curve->points.size(); ++j)
                if (curve->points[j].y > curve->points[lowest].y) lowest = j;

            // The table at the angle of the lowest point and its neighbours.
            double vMin = 1e9;
            int iMin = 0;
            for (int i = 1; i <= 89; ++i) {
                SetIncidence(i);
                if (Cell(1, 3).empty()) continue;
                const double v = std::stod(Cell(1, 3));
                if (v < vMin) {
                    vMin = v;
                    iMin = i;
                }
            }
            const double n = std::sin((p + vMin) * Deg / 2) / std::sin(p * Deg / 2);
            EXPECT_NEAR(n, Substance(k).SubstanceIndexRed, 2e-3) << k << " " << p;
            // The curve's lowest pixel lies at the same angle, within the pixels' width.
            app.Map.PictureMarginX = static_cast<std::uint16_t>(2 * app.Map.PictureWidth / 3);
            app.Map.PictureMarginY = static_cast<std::uint16_t>(2 * app.Map.PictureHeight / 3);
            app.Map.SetWorldWindow(-5, 90, -10, 80);
            EXPECT_NEAR(curve->points[lowest].y, app.Map.PictureY(vMin), 1);
            // The bottom of the curve is flat: the angle lies among the points of its
            // lowest row.
            int left = 1 << 20, right = -1;
            for (const TPoint& point : curve->points)
                if (point.y == curve->points[lowest].y) {
                    left = std::min(left, point.x);
                    right = std::max(right, point.x);
                }
            EXPECT_GE(app.Map.PictureX(iMin), left);
            EXPECT_LE(app.Map.PictureX(iMin), right);
            app.Map.PictureMarginX = app.Map.PictureMarginY = 0;
            app.RedrawPicture();
        }
    }
}

// At 69° and 78° a ray entering steeply is reflected at the second face below the base:
// it ends where it meets the base instead.
TEST_F(PrismSimulation, ReflectedRayEndsAtTheBase) {
    for (int position : {4, 5}) {
        SetApexPosition(position);
        for (int i : {1, 5, 10}) {
            SetIncidence(i);
            const PrismRay ray = TracePrismRay((60 + 9 * (position - 3)) * Deg, i * Deg, 1.454);
            ASSERT_TRUE(ray.MeetsBase);
            EXPECT_FALSE(ray.Emerges);
            EXPECT_DOUBLE_EQ(ray.Exit.y, PrismBaseY);
            EXPECT_LT(std::abs(ray.Exit.x), 6 * std::tan((60 + 9 * (position - 3)) * Deg / 2));
            // Nothing red below the base line.
            EXPECT_EQ(CountBelow(clRed, app.Map.PictureY(PrismBaseY) + 2), 0)
                << position << " " << i;
            EXPECT_EQ(Cell(1, 3), "");
        }
    }
    // At 60° the same ray meets the second face and is reflected there.
    SetApexPosition(3);
    SetIncidence(1);
    EXPECT_FALSE(TracePrismRay(60 * Deg, 1 * Deg, 1.454).MeetsBase);
}

TEST_F(PrismSimulation, RayPointsLieOnTheFaces) {
    for (double p : {33.0, 60.0, 78.0})
        for (double i : {10.0, 40.0, 80.0}) {
            const PrismRay ray = TracePrismRay(p * Deg, i * Deg, 1.5);
            const double t = std::tan(p * Deg / 2);
            EXPECT_NEAR(ray.Entry.y, 3 + ray.Entry.x / t, 1e-12);  // left face
            if (!ray.MeetsBase) {
                EXPECT_NEAR(ray.Exit.y, 3 - ray.Exit.x / t, 1e-12);  // right face
            }
            // The incident ray meets the entry point from x = -5.
            EXPECT_NEAR(ray.Start.x, -5, 1e-12);
            EXPECT_NEAR(std::atan2(ray.Entry.y - ray.Start.y, ray.Entry.x - ray.Start.x),
                        (i - p / 2) * Deg, 1e-12);
        }
}

// The arc of F2 spans the deviation itself, from the emergent to the incident direction.
TEST_F(PrismSimulation, DeviationArcSpansTheDeviation) {
    app.FKeyClick(FKey::F2);
    test::RecordingCanvas canvas(app.Map.PictureWidth, app.Map.PictureHeight);
    app.DrawSimulation(Event::Redraw, false, canvas);  // what a full redraw draws
    const std::vector<test::Figure> arcs = canvas.Of("arc");
    ASSERT_EQ(arcs.size(), 1u);
    const test::Figure& arc = arcs[0];
    const double cx = (arc.points[0].x + arc.points[1].x) / 2.0;
    const double cy = (arc.points[0].y + arc.points[1].y) / 2.0;
    // Angles as seen on the picture (rows downwards), counter-clockwise from start to end.
    const double from = std::atan2(cy - arc.points[2].y, arc.points[2].x - cx);
    const double to = std::atan2(cy - arc.points[3].y, arc.points[3].x - cx);
    double span = (to - from) / Deg;
    if (span < 0) span += 360;
    EXPECT_NEAR(span, ExpectedDeviation(60, 30, 1.454), 2);
    EXPECT_EQ(arc.pen.Color, clBlue);
}

TEST_F(PrismSimulation, BlueRayAndCurveComeAndGoWithF4) {
    const QImage before = Picture().copy();
    const int redBefore = CountInGraph(clRed);
    app.FKeyClick(FKey::F4);
    EXPECT_TRUE(app.State.ShowAxes);
    EXPECT_GT(CountInGraph(clBlue), 0);
    const int start = PrismOf(scene).Incidence;
    // The blue ray is drawn from where it lies apart from the red one: nowhere do the two
    // mix into green, neither on the incident light nor inside the prism, at any angle.
    for (const int i : {10, 30, 50, 80}) {
        SetIncidence(i);
        const PrismState& prism = PrismOf(scene);
        const double n = Substance(app.Sims.Get<OpticsChoice>().Substance).SubstanceIndexBlue;
        const PrismRay blue = TracePrismRay(prism.Apex, prism.Incidence * Deg, n);
        test::RecordingCanvas canvas(app.Map.PictureWidth, app.Map.PictureHeight);
        app.DrawSimulation(Event::Redraw, false, canvas);  // what a full redraw draws
        const WorldPoint end = blue.MeetsBase ? blue.Exit : blue.End;
        int blueRays = 0;
        for (const test::Figure& f : canvas.Of("polyline"))
            blueRays += static_cast<int>(f.pen.Color == clBlue &&
                                         f.points.back() == app.Map.Picture(end.x, end.y));
        // Totally reflected, the two short rays may never part by a pixel and a half.
        EXPECT_EQ(blueRays, blue.Emerges ? 1 : blueRays > 0) << i;
        int mixed = 0, red = 0;
        for (int y = app.Map.PictureHeight / 3; y < app.Map.PictureHeight; ++y)
            for (int x = 0; x < app.Map.PictureWidth; ++x) {
                mixed += static_cast<int>(started.picture().GetPixel(x, y) == clLime);
                red += static_cast<int>(started.picture().GetPixel(x, y) == clRed);
            }
        EXPECT_EQ(mixed, 0) << i;
        EXPECT_GT(red, 100) << i;
    }
    SetIncidence(start);
    app.RedrawPicture();
    app.FKeyClick(FKey::F4);
    EXPECT_EQ(CountInGraph(clRed), redBefore);
    ExpectSamePicture(Picture().copy(), before, "prism-f4-off");
}

TEST_F(PrismSimulation, EveryToggleTwiceLeavesThePicture) {
    for (int i : {30, 5}) {  // an emerging and a reflected ray
        SetIncidence(i);
        test::ExpectTogglesTwiceRestore(
            started, {FKey::F2, FKey::F3, FKey::F4}, "prism",
            i == 30 ? std::initializer_list<FKey>{} : std::initializer_list<FKey>{FKey::F2});
    }
}

// A shorter substance name, or a new apex angle under the name, leaves no trace of the
// old name or the old faces.
TEST_F(PrismSimulation, NameAndPrismChangesMatchAFullRedraw) {
    SetSubstance(8);
    test::ExpectSameAsRedrawn(started, "prism-long-name");
    SetSubstance(1);
    test::ExpectSameAsRedrawn(started, "prism-short-name");
    SetApexPosition(0);
    test::ExpectSameAsRedrawn(started, "prism-narrow");
    SetSubstance(8);
    SetApexPosition(5);
    test::ExpectSameAsRedrawn(started, "prism-wide");
}

TEST_F(PrismSimulation, OtherEventsDrawNothing) {
    test::ExpectEventsDrawNothing(started,
                                  {Event::Tick, Event::Step, Event::ScrollBar2, Event::ScrollBar3,
                                   Event::TrackBar3, Event::TrackBar4, Event::F5, Event::F6},
                                  "prism");
}

TEST_F(PrismSimulation, RandomUseMatchesAFullRedraw) {
    test::ExpectRandomUseMatchesRedraw(
        started, 20261207, {Control::ScrollBar1, Control::TrackBar1, Control::TrackBar2},
        {FKey::F2, FKey::F3, FKey::F4}, "prism");
}

TEST_F(PrismSimulation, PointerShowsWorldCoordinates) {
    started.host.pointer.size = {app.Image->Width(), app.Image->Height()};
    started.host.pointer.cursor = {0, 0};
    app.ImageMouseMove();
    const double h = 10.0 * app.Image->Height() / app.Image->Width();
    char expected[64];
    std::snprintf(expected, sizeof expected, "(-8.00; %.2f)", h);
    EXPECT_EQ(app.Window.MessagePanel, expected);
    // The apex of the prism, at 40% of the width.
    started.host.pointer.cursor = {app.Map.PictureX(0), app.Map.PictureY(3)};
    app.ImageMouseMove();
    const std::string& text = app.Window.MessagePanel;
    ASSERT_EQ(text.front(), '(');
    const double x = std::stod(text.substr(1));
    const double y = std::stod(text.substr(text.find(';') + 1));
    EXPECT_NEAR(x, 0, 20.0 / app.Image->Width());
    EXPECT_NEAR(y, 3, 2 * h / app.Image->Height());
}

}  // namespace
}  // namespace viv
