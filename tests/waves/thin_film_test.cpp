// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/waves/thin_film.h"

#include <gtest/gtest.h>

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

using test::ExpectSamePicture;

class FilmSimulation : public test::StartedOn {
protected:
    FilmSimulation() : StartedOn(3) {}

    void SetIncidence(int degrees) { app.ControlChange(Control::ScrollBar1, 90 - degrees); }
    void SetColour(int k) { app.ControlChange(Control::TrackBar1, k); }
    void SetThicknessTenths(int tenths) { app.ControlChange(Control::TrackBar2, tenths); }
};

TEST_F(FilmSimulation, StartsAtFortyFiveDegreesThroughAMicrometreOfWaterInGreenLight) {
    EXPECT_DOUBLE_EQ(WavesMotionOf(scene).FilmThickness, 1.0);
    EXPECT_EQ(app.Table.Cell(0, 0), " interferens");
    EXPECT_EQ(app.Table.Cell(1, 1), " 1.334");
    EXPECT_EQ(app.Table.Cell(0, 2), " bølgelængde/nm, grøn");
    EXPECT_EQ(app.Table.Cell(1, 2), " 546.1");
    EXPECT_EQ(app.Table.Cell(1, 3), "45");
    EXPECT_EQ(app.Table.Cell(1, 4), "32.0");  // arcsin(sin 45° / 1.334)
    EXPECT_EQ(app.Table.Cell(1, 5), "9.285");
    EXPECT_EQ(app.Table.Cell(1, 6), "1000");
    EXPECT_EQ(app.Window.Panel1, "i: 45°");
    EXPECT_EQ(app.Window.Panel2, "fase:9.285");

    // Thickness, colour and angle come back with the menu entry.
    SetThicknessTenths(13);
    EXPECT_EQ(app.Table.Cell(1, 6), "1300");
    app.MenuEntry(15);
    app.MenuEntry(3);
    EXPECT_DOUBLE_EQ(WavesMotionOf(scene).FilmThickness, 1.0);
    EXPECT_EQ(app.Table.Cell(1, 3), "45");
}

TEST_F(FilmSimulation, AtNormalIncidenceThePhaseIsTwiceTheFilmsOpticalThicknessPlusHalfAWave) {
    SetIncidence(0);
    EXPECT_EQ(app.Table.Cell(1, 4), "0.0");
    for (int k = 1; k <= 8; ++k) {
        SetColour(k);
        for (int tenths : {5, 10, 15}) {
            SetThicknessTenths(tenths);
            // 2 n d in wavelengths, twice over in units of pi, plus the half wave lost at
            // the front face.
            const double d = 100.0 * tenths;  // nm
            const double expected = 2 * (2 * Colour(k).WaterIndex * d / Colour(k).WaveLength) + 1;
            EXPECT_NEAR(std::stod(app.Table.Cell(1, 5)), expected, 0.0005) << k << " " << tenths;
            EXPECT_EQ(app.Table.Cell(1, 6), std::to_string(100 * tenths));
        }
    }
}

// The phase difference read from the picture: the second ray's path in the film (n times
// over) less the first ray's path in air up to the line across both rays.
TEST_F(FilmSimulation, PhaseInTableAndInsetFollowsTheDrawnRays) {
    for (const int degrees : {0, 10, 30, 45, 60, 80, 90}) {
        for (const int k : {1, 4, 8}) {
            for (const int tenths : {5, 12}) {
                SetIncidence(degrees);
                SetColour(k);
                SetThicknessTenths(tenths);
                SCOPED_TRACE("i=" + std::to_string(degrees) + " k=" + std::to_string(k) +
                             " t=" + std::to_string(tenths));
                const test::LargeRecording rec = test::RecordedAtScale(app);
                const auto rays = test::InColour(rec.figures, clGreen, "polyline");
                const auto lines = test::InColour(rec.figures, clGreen, "line");
                // The second ray (4 points) and the two straight rays; arrow heads are
                // polylines of 3.
                std::vector<TPoint> second;
                for (const auto& f : rays)
                    if (f.points.size() == 4) second = f.points;
                ASSERT_EQ(second.size(), 4u);
                ASSERT_EQ(lines.size(), 2u);
                const test::Unmapped& w = rec.world;
                const auto wx = [&](TPoint p) { return w.X(p); };
                const auto wy = [&](TPoint p) { return w.Y(p); };
                const double inFilm =
                    std::hypot(wx(second[1]) - wx(second[0]), wy(second[1]) - wy(second[0])) +
                    std::hypot(wx(second[2]) - wx(second[1]), wy(second[2]) - wy(second[1]));
                // The first reflected ray: from the film out to the left and up.
                const TPoint a = lines[1].points[0], b = lines[1].points[1];
                const double len = std::hypot(wx(b) - wx(a), wy(b) - wy(a));
                const double ux = (wx(b) - wx(a)) / len, uy = (wy(b) - wy(a)) / len;
                const double inAir = (wx(second[2]) - wx(a)) * ux + (wy(second[2]) - wy(a)) * uy;
                const double n = Colour(k).WaterIndex;
                const double opd = 1000 * (n * inFilm - inAir);  // nm
                const double phaseOverPi = 2 * opd / Colour(k).WaveLength + 1;
                EXPECT_NEAR(std::stod(app.Table.Cell(1, 5)), phaseOverPi, 0.02);

                // The inset's blue wave y = sin(x - phi): fitted by least squares.
                const auto blue = test::InColour(rec.figures, clBlue, "polyline");
                ASSERT_EQ(blue.size(), 1u);
                World inset = app.Map;
                inset.PictureWidth = static_cast<std::uint16_t>(app.Map.PictureWidth * 20);
                inset.PictureHeight = static_cast<std::uint16_t>(app.Map.PictureHeight * 20);
                inset.PictureMarginX = static_cast<std::uint16_t>(2 * inset.PictureWidth / 3);
                inset.PictureMarginY = static_cast<std::uint16_t>(2 * inset.PictureHeight / 3);
                inset.SetWorldWindow(0, 10.8, -1.2, 1.25);
                double ss = 0, sc = 0, cc = 0, ys = 0, yc = 0;
                ASSERT_EQ(blue[0].points.size(), 51u);
                for (const TPoint p : blue[0].points) {
                    const double x = (p.x - inset.PictureMarginX) / inset.MapScaleX;
                    const double y = 1.25 - p.y / inset.MapScaleY;
                    const double s = std::sin(x), c = std::cos(x);
                    ss += s * s, sc += s * c, cc += c * c, ys += y * s, yc += y * c;
                }
                // y = cos(phi) sin x - sin(phi) cos x
                const double det = ss * cc - sc * sc;
                const double cosPhi = (ys * cc - yc * sc) / det;
                const double sinPhi = -(yc * ss - ys * sc) / det;
                const double fitted = std::atan2(sinPhi, cosPhi);
                const double drawn = std::remainder(phaseOverPi * Pi - fitted, 2 * Pi);
                EXPECT_NEAR(drawn, 0, 0.05);
                EXPECT_NEAR(std::hypot(cosPhi, sinPhi), 1, 0.01);
            }
        }
    }
}

TEST_F(FilmSimulation, HelpLineRunsAcrossBothRaysToTheFirst) {
    app.FKeyClick(FKey::F2);
    for (const int degrees : {15, 45, 75}) {
        SetIncidence(degrees);
        const test::LargeRecording rec = test::RecordedAtScale(app);
        const auto help = test::InColour(rec.figures, clBlue, "line");
        ASSERT_EQ(help.size(), 1u);
        const auto lines = test::InColour(rec.figures, clGreen, "line");
        ASSERT_EQ(lines.size(), 2u);
        const test::Unmapped& w = rec.world;
        const TPoint a = lines[1].points[0], b = lines[1].points[1];
        const TPoint end = help[0].points[1], start = help[0].points[0];
        // The end lies on the first reflected ray, and the line stands square on it.
        const double dx = w.X(b) - w.X(a), dy = w.Y(b) - w.Y(a);
        const double cross = (w.X(end) - w.X(a)) * dy - (w.Y(end) - w.Y(a)) * dx;
        EXPECT_NEAR(cross / std::hypot(dx, dy), 0, 0.005) << degrees;
        const double dot = (w.X(end) - w.X(start)) * dx + (w.Y(end) - w.Y(start)) * dy;
        EXPECT_NEAR(dot / std::hypot(dx, dy), 0, 0.005) << degrees;
    }
}

TEST_F(FilmSimulation, AtNormalIncidenceTheReturningLightKeepsItsArrowHead) {
    SetIncidence(0);
    const test::LargeRecording rec = test::RecordedAtScale(app);
    int back = 0, in = 0;
    for (const auto& f : test::InColour(rec.figures, clGreen, "polyline")) {
        if (f.points.size() != 3) continue;
        // A head pointing left has its barbs to the right of its tip.
        if (f.points[0].x > f.points[1].x)
            ++back;
        else
            ++in;
    }
    EXPECT_EQ(back, 1);
    EXPECT_EQ(in, 1);
}

TEST_F(FilmSimulation, ThickerFilmMovesTheSecondRayOutAndLeavesNoTrace) {
    const QImage thin = Picture();
    SetThicknessTenths(15);
    EXPECT_NE(Picture(), thin);
    SetThicknessTenths(10);
    ExpectSamePicture(Picture(), thin, "film-thickness-back");
}

TEST_F(FilmSimulation, PictureAfterAnyControlSequenceEqualsItsFullRedraw) {
    test::ExpectRandomAnimationMatchesRedraw(
        started, 3, {Control::ScrollBar1, Control::TrackBar1, Control::TrackBar2},
        {FKey::F2, FKey::F3}, "film");
}

TEST_F(FilmSimulation, TogglePressedTwiceLeavesThePicture) {
    for (const int degrees : {0, 30, 90}) {
        SetIncidence(degrees);
        for (const FKey key : {FKey::F2, FKey::F3}) {
            const QImage before = Picture();
            app.FKeyClick(key);
            // At normal and at grazing incidence the help line has no length.
            if ((degrees != 0 && degrees != 90) || key == FKey::F3) {
                EXPECT_NE(Picture(), before) << degrees;
            }
            app.FKeyClick(key);
            ExpectSamePicture(Picture(), before, "film-toggle-" + std::to_string(degrees));
        }
    }
}

}  // namespace
}  // namespace viv
