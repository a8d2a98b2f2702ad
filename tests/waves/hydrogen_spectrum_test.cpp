// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/waves/hydrogen_spectrum.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <string>
#include <vector>

#include "app/events.h"
#include "wave_checks.h"

namespace viv {
namespace {

using test::ExpectSamePicture;

constexpr int Hydrogen = 18;

// From the energies of the levels: E_n = -13.605693 eV / n² for an electron round an
// infinitely heavy nucleus, times the reduced mass m_p / (m_p + m_e) (938.272 and 0.511
// MeV), each state (l, j) of the level lowered by Dirac's fine structure E α² / n² (n /
// (j + ½) - ¾) and the level taken as the mean of its 2n² states; λ = hc / ΔE with hc =
// 1239.84198 eV nm, in vacuum; above 200 nm in air by Edlén's formula for standard air
// (Metrologia 2, 71 (1966)). nm.
double BookWaveLength(int k, int n) {
    const double alpha = 7.2973525693e-3;
    const double rydberg = 13.605693 * 938.27209 / (938.27209 + 0.51099895);  // eV
    const auto level = [&](int m) {
        double sum = 0;
        int states = 0;
        for (int l = 0; l < m; ++l)
            for (const double j : {l - 0.5, l + 0.5}) {
                if (j < 0) continue;
                const int weight = static_cast<int>(2 * j + 1);
                const double bohr = -rydberg / (m * m);
                sum += weight * (bohr + bohr * alpha * alpha / (m * m) * (m / (j + 0.5) - 0.75));
                states += weight;
            }
        return sum / states;
    };
    const double vacuum = 1239.84198 / (level(n) - level(k));
    const double s2 = 1e6 / (vacuum * vacuum);
    const double air = 1 + 1e-8 * (8342.13 + 2406030 / (130 - s2) + 15997 / (38.9 - s2));
    return vacuum > 200 ? vacuum / air : vacuum;
}

std::string Fixed(int decimals, double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

class HydrogenSimulation : public ::testing::Test {
protected:
    HydrogenSimulation() { app.MenuEntry(Hydrogen); }

    const QImage& Picture() { return started.picture().Image(); }
    std::vector<test::Figure> Recorded() {
        test::RecordingCanvas canvas(app.Image->Width(), app.Image->Height());
        app.DrawSimulation(Event::Redraw, false, canvas);
        return canvas.figures;
    }
    void PointAt(double x, double y) {
        started.host.pointer.size = {app.Image->Width(), app.Image->Height()};
        started.host.pointer.cursor = app.Map.Picture(x, y);
        app.ImageMouseMove();
    }

    test::StartedApp started;
    App& app = started.app;
};

TEST_F(HydrogenSimulation, BalmerLinesAsInTheBook) {
    EXPECT_EQ(app.Table.Cell(0, 0), "Hydrogenspektret");
    EXPECT_EQ(app.Table.Cell(2, 0), "lambda/nm");
    EXPECT_EQ(app.Table.Cell(1, 1), "0.8");
    // The data book's wavelengths in air, H-alpha to H-delta, to the last digit shown.
    const char* book[] = {"656.28", "486.13", "434.05", "410.17"};
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(app.Table.Cell(2, i), book[i - 1]) << i;
    test::ExpectCells(app, {{1, 2, "1"}, {1, 3, "1666.7"}, {1, 4, "Balmer"}});
    test::ExpectPanels(app, "Orden: 1", "d=1666.7nm", "Balmer");
}

TEST_F(HydrogenSimulation, EverySeriesFromTheRydbergFormula) {
    const char* names[] = {"Lyman", "Balmer", "Paschen", "Brackett", "Pfund"};
    for (int k = 1; k <= 5; ++k) {
        app.ControlChange(Control::TrackBar1, k);
        EXPECT_EQ(app.Window.Panel3, names[k - 1]);
        EXPECT_EQ(app.Table.Cell(1, 4), names[k - 1]);
        for (int i = 1; i <= 4; ++i)
            EXPECT_NEAR(std::stod(app.Table.Cell(2, i)), BookWaveLength(k, k + i), 0.006)
                << k << " " << i;
        for (int position = 0; position <= 60; position += 10) {
            app.ControlChange(Control::ScrollBar1, position);
            EXPECT_EQ(app.Table.Cell(1, 3), Fixed(1, 1e6 / (10 * position + 300)));
            test::ExpectNoNanShown(app, names[k - 1]);
        }
    }
}

TEST_F(HydrogenSimulation, LymanLinesAtNineHundredLinesHaveFiveOrders) {
    app.ControlChange(Control::TrackBar1, 1);
    EXPECT_EQ(app.Table.Cell(2, 1), "121.57");  // Lyman alpha, in vacuum
    app.ControlChange(Control::ScrollBar1, 60);
    for (int m = 1; m <= 5; ++m) {
        app.ControlChange(Control::TrackBar2, m);
        int pairs = 0;
        for (const auto& f : Recorded())
            if (f.kind == "polyline" && f.points.size() == 3 &&
                f.points[1] == app.Map.Picture(0, 0))
                ++pairs;
        EXPECT_EQ(pairs, 4) << "order " << m;
    }
}

TEST_F(HydrogenSimulation, LinesOnTheScreenGiveTheirWavelengthBack) {
    // A pupil measures a line's height y on the screen 8 units (0.8 m) behind the grating
    // and finds λ = d sin(arctan(y / 8)).
    const World& w = app.Map;
    for (const int position : {0, 20, 30, 45, 60}) {
        app.ControlChange(Control::ScrollBar1, position);
        const double d = 1e6 / (10 * position + 300);  // nm
        const TColor colours[] = {clRed, clAqua, clBlue, clNavy};
        for (int i = 1; i <= 4; ++i) {
            const double lambda = BookWaveLength(2, 2 + i);
            int found = 0;
            for (const auto& f : Recorded()) {
                if (f.kind != "line" || f.pen.Color != colours[i - 1] ||
                    f.pen.Width != w.BoldPenWidth)
                    continue;
                ASSERT_EQ(f.points[0].x, w.PictureX(8));
                const double y =
                    w.AspectHeight - f.points[0].y / w.MapScaleY;  // the row's world height
                const int order = static_cast<int>(
                    std::lround(d * std::sin(std::atan(std::abs(y) / 8)) / lambda));
                ASSERT_GE(order, 1);
                const double measured = d * std::sin(std::atan(std::abs(y) / 8)) / order;
                // Half a pixel of height, in nm.
                const double tolerance = d / order * 0.5 / w.MapScaleY / 8 + 0.01;
                EXPECT_NEAR(measured, lambda, tolerance) << "line " << i << " order " << order;
                ++found;
            }
            int expected = 0;
            for (int j = 1; j * lambda < d; ++j) {
                const double s = j * lambda / d;
                if (8 * s / std::sqrt(1 - s * s) < w.AspectHeight) expected += 2;
            }
            EXPECT_EQ(found, expected) << "line " << i << " at " << position;
        }
    }
}

TEST_F(HydrogenSimulation, OrderZeroIsOneLineInEverySeries) {
    app.ControlChange(Control::TrackBar2, 0);
    const World& w = app.Map;
    for (int k = 1; k <= 5; ++k) {
        app.ControlChange(Control::TrackBar1, k);
        int straight = 0;
        for (const auto& f : Recorded())
            if (f.kind == "line" && f.points[0] == w.Picture(0, 0) &&
                f.points[1] == w.Picture(8, 0))
                ++straight;
        EXPECT_EQ(straight, 1) << k;
        // And it shows: black between the grating and the screen.
        const int row = w.PictureY(0);
        for (int x = w.PictureX(1); x < w.PictureX(7); x += 7)
            EXPECT_EQ(started.picture().GetPixel(x, row), clBlack) << k;
    }
}

TEST_F(HydrogenSimulation, PointerReadsScaleUnitsAndTransitions) {
    PointAt(4, 2);
    const World& w = app.Map;
    const double x = -10 + 20.0 / app.Image->Width() * w.PictureX(4);
    const double y = w.AspectHeight - 2 * w.AspectHeight / app.Image->Height() * w.PictureY(2);
    EXPECT_EQ(app.Window.MessagePanel, "(" + Fixed(1, 10 * x) + "; " + Fixed(1, 10 * y) + ")");
    // Over the second arrow of the Balmer series, between its levels.
    const double h = w.AspectHeight;
    const double level2 = 0.9 * h - 1.8 * h / 4, level6 = 0.9 * h - 1.8 * h / 36;
    PointAt(-7, (level2 + level6) / 2);
    EXPECT_EQ(app.Window.MessagePanel, "486.1 nm");
    PointAt(-8.2, (level2 + level6) / 2);
    EXPECT_EQ(app.Window.MessagePanel, "656.3 nm");
    // Outside the arrows' levels or beside them: nothing.
    PointAt(-7, level2 - 0.3);
    EXPECT_EQ(app.Window.MessagePanel, "");
    PointAt(-3, (level2 + level6) / 2);
    EXPECT_EQ(app.Window.MessagePanel, "");
}

TEST_F(HydrogenSimulation, RandomUseEndsAsRedraw) {
    test::ExpectRandomUseEndsAsRedraw(
        started, 18,
        {{Control::ScrollBar1, Control::TrackBar1, Control::TrackBar2},
         {FKey::F4, FKey::F6},
         false,
         true},
        "hydrogen");
}

TEST_F(HydrogenSimulation, TogglesTwiceLeaveThePicture) {
    for (const int k : {1, 2, 3}) {
        app.ControlChange(Control::TrackBar1, k);
        for (const FKey key : {FKey::F4, FKey::F6, FKey::F2}) {
            const QImage before = Picture().copy();
            app.FKeyClick(key);
            app.FKeyClick(key);
            ExpectSamePicture(Picture().copy(), before, "hydrogen-toggle-" + std::to_string(k));
        }
        app.FKeyClick(FKey::F4);
    }
    EXPECT_FALSE(app.State.ShowMarks);  // F2 is not this simulation's
}

}  // namespace
}  // namespace viv
