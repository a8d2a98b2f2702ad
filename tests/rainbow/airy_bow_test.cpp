// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/airy_bow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "app/events.h"
#include "app/script.h"
#include "gui/headless_host.h"
#include "library/colour_table.h"
#include "library/trig.h"
#include "recording_canvas.h"
#include "sims/rainbow/youngs_interference.h"
#include "sims/simulations.h"
#include "test_host.h"

namespace viv {
namespace {

// The exit angle of a once-reflected ray, radians from the antisolar point.
double ExitAngle(double p, double n) {
    return 4 * std::asin(p / n) - 2 * std::asin(p);
}

double RainbowParameter(double n) {
    return std::sqrt((4 - n * n) / 3);
}

// -d²v/dp² at the rainbow ray, by central differences of the exit angle.
double NumericCurvature(double n) {
    const double pr = RainbowParameter(n), d = 1e-4;
    return -(ExitAngle(pr + d, n) - 2 * ExitAngle(pr, n) + ExitAngle(pr - d, n)) / (d * d);
}

// How far inside the bow angle, degrees, Ai²(-z) peaks for the k-th time, with z from the
// cubic wavefront: z = (2 / h)^(1/3) (2 pi a / lambda)^(2/3) x the angle in radians.
double ExpectedInside(double zk, double radius, double waveLength, double n) {
    const double ka = 2 * Pi * radius / (waveLength * 1e-9);
    return zk / (std::cbrt(2 / NumericCurvature(n)) * std::cbrt(ka * ka)) * DegPerRad;
}

// The zeros of Ai'(-z): the maxima of Ai²(-z).
constexpr double MaximaOfAi2[] = {1.018792971647471, 3.248197582179837, 4.820099211178736};

TEST(AiryFunction, KnownValues) {
    EXPECT_NEAR(std::sqrt(AiryIntensity(0)), 0.355028053887817, 1e-14);
    // Ai(-2.338107410459767) = 0: the first dark band.
    EXPECT_LT(AiryIntensity(2.338107410459767), 1e-24);
    for (int k = 1; k <= 3; ++k) {
        const double z = AiryMaximum(k);
        EXPECT_NEAR(z, MaximaOfAi2[k - 1], 1e-9) << k;
        EXPECT_GT(AiryIntensity(z), AiryIntensity(z - 0.01)) << k;
        EXPECT_GT(AiryIntensity(z), AiryIntensity(z + 0.01)) << k;
    }
    EXPECT_EQ(AiryMaximum(0), AiryMaximum(1));
    // The maxima come closer together, as (4/3) z^(3/2) grows by 2 pi from one to the next.
    for (int k = 10; k <= 12; ++k) {
        const double a = AiryMaximum(k), b = AiryMaximum(k + 1);
        EXPECT_NEAR(4.0 / 3 * (std::pow(b, 1.5) - std::pow(a, 1.5)), 2 * Pi, 0.01) << k;
    }
}

// Outside the bow the light fades as exp(-(4/3) |z|^(3/2)) / (4 pi sqrt|z|).
TEST(AiryFunction, FadesExponentiallyOutsideTheBow) {
    double before = AiryIntensity(0);
    for (const double x : {0.5, 1.0, 2.0, 4.0, 6.0}) {
        const double intensity = AiryIntensity(-x);
        EXPECT_LT(intensity, before) << x;
        before = intensity;
    }
    for (const double x : {6.0, 8.0}) {
        const double asymptotic = std::exp(-4.0 / 3 * std::pow(x, 1.5)) / (4 * Pi * std::sqrt(x));
        EXPECT_NEAR(AiryIntensity(-x) / asymptotic, 1, 0.02) << x;
    }
    // Far beyond, the function underflows to 0 rather than to anything not a number.
    EXPECT_EQ(AiryIntensity(-200), 0);
    EXPECT_TRUE(std::isfinite(AiryIntensity(1e6)));
}

TEST(AiryBow, CurvatureOfTheDeviationCurve) {
    for (const double n : {1.329, 1.331, 1.334, 1.337, 1.343})
        EXPECT_NEAR(BowCurvature(n), NumericCurvature(n), 1e-5 * NumericCurvature(n)) << n;
    EXPECT_EQ(BowCurvature(1.0), 0);
    EXPECT_EQ(BowCurvature(2.5), 0);
    EXPECT_EQ(AiryScale(0, 656.3, 1.331), 0);
    EXPECT_EQ(AiryScale(0.0005, 0, 1.331), 0);
    EXPECT_EQ(AiryMaximumAngle(42.0, 0, 1), 42.0);
}

// A drop 1 mm across in red light (656.3 nm, n = 1.331): Airy's main maximum lies 0.350°
// inside the geometrical bow angle.
TEST(AiryBow, MainMaximumOfAMillimetreDropInRedLight) {
    const double n = 1.331, lambda = 656.3, radius = 0.0005;
    const double bow = ExitAngle(RainbowParameter(n), n) * DegPerRad;
    const double scale = AiryScale(radius, lambda, n);
    const double inside = bow - AiryMaximumAngle(bow, scale, 1);
    EXPECT_NEAR(inside, ExpectedInside(MaximaOfAi2[0], radius, lambda, n), 1e-6);
    EXPECT_NEAR(inside, 0.3504, 0.0005);
    EXPECT_NEAR(bow - AiryMaximumAngle(bow, scale, 3),
                ExpectedInside(MaximaOfAi2[2], radius, lambda, n), 1e-6);
}

// The distance between the first two maxima shrinks as (a / lambda)^(-2/3).
TEST(AiryBow, FringeDistanceShrinksWithTheTwoThirdsPowerOfTheDrop) {
    const double n = 1.334;
    const auto distance = [n](double radius, double lambda) {
        const double scale = AiryScale(radius, lambda, n);
        return AiryMaximumAngle(42, scale, 1) - AiryMaximumAngle(42, scale, 2);
    };
    const double reference = distance(0.0001, 546.1) * std::cbrt(std::pow(0.0001 / 546.1e-9, 2));
    for (const double radius : {0.0001, 0.0002, 0.0004, 0.0005, 0.001})
        for (const double lambda : {404.7, 546.1, 768.2}) {
            const double d = distance(radius, lambda);
            EXPECT_GT(d, 0);
            EXPECT_NEAR(d * std::cbrt(std::pow(radius / (lambda * 1e-9), 2)), reference,
                        1e-9 * reference);
        }
    EXPECT_NEAR(distance(0.0004, 546.1) / distance(0.0002, 546.1), std::pow(2.0, -2.0 / 3), 1e-12);
}

// The two-ray maxima lie where the phase difference is whole; for a large drop the
// distances between the outer ones approach those between Airy's maxima (Airy's k-th
// maximum follows the two-ray maximum of phase k - 1 by about a quarter fringe).
TEST(AiryBow, OuterSupernumerariesOfALargeDropSpaceLikeTheTwoRayFringes) {
    const double n = 1.334, lambda = 546.1;
    const double pr = RainbowParameter(n);
    const double bow = ExitAngle(pr, n) * DegPerRad;
    const auto relativeMismatch = [&](double radius, int from) {
        const std::vector<SweepSample> samples =
            SweepInterference(n, pr, bow, InterferencePathScales(radius, lambda, n));
        std::vector<double> twoRay{bow};  // phase 0 at the bow angle
        for (std::size_t s = 1; s < samples.size(); ++s) {
            const double a = samples[s - 1].PathDifference, b = samples[s].PathDifference;
            if (std::floor(b) > std::floor(a)) {
                const double t = (std::floor(b) - a) / (b - a);
                twoRay.push_back(samples[s - 1].ExitAngle +
                                 t * (samples[s].ExitAngle - samples[s - 1].ExitAngle));
            }
        }
        const double scale = AiryScale(radius, lambda, n);
        double worst = 0;
        for (int m = from; m < from + 3; ++m) {
            EXPECT_LT(static_cast<std::size_t>(m + 1), twoRay.size()) << radius;
            if (static_cast<std::size_t>(m + 1) >= twoRay.size()) return 1.0;
            const double young = twoRay[m] - twoRay[m + 1];
            const double airy =
                AiryMaximumAngle(bow, scale, m + 1) - AiryMaximumAngle(bow, scale, m + 2);
            worst = std::max(worst, std::fabs(airy / young - 1));
        }
        return worst;
    };
    const double large = relativeMismatch(0.0004, 4);
    EXPECT_LT(large, 0.02);
    // The first fringes, near the bow, are where the theories part.
    EXPECT_GT(relativeMismatch(0.0004, 0), large);
}

// The simulation's F3: Airy's curve in the inset and its main maximum in the table.
class AiryInYoungsInterference : public ::testing::Test {
protected:
    AiryInYoungsInterference() { app.MenuEntry(10); }

    // The inset's mapping, as the simulation sets it.
    World InsetMap() const {
        World m = app.Map;
        m.PictureMarginX = static_cast<std::uint16_t>(3 * m.PictureWidth / 5);
        m.PictureMarginY = static_cast<std::uint16_t>(m.PictureHeight / 2);
        m.SetWorldWindow(36, 45, -0.4, 2.8);
        return m;
    }
    double BowAngle() {
        return app.State.Rainbow.PrimaryBowAngle[static_cast<std::size_t>(app.State.CurrentColour)];
    }
    // The picture columns of the inset holding Airy's colour in the row where it peaks.
    std::vector<int> PeakColumns() {
        const World m = InsetMap();
        std::vector<int> columns;
        for (int x = m.PictureX(36); x <= m.PictureX(43.4); ++x)
            if (started.picture().GetPixel(x, m.PictureY(2)) == clFuchsia) columns.push_back(x);
        return columns;
    }

    test::StartedApp started;
    App& app = started.app;
};

TEST_F(AiryInYoungsInterference, KeyAndMenuEntry) {
    const MainWindowModel& w = app.Window;
    EXPECT_TRUE(w.F3Button.Visible);
    EXPECT_EQ(w.F3Button.Caption, "Airy, F3");
    EXPECT_EQ(w.F3Button.Hint, " Airys teori for de overtallige buer");
    EXPECT_EQ(w.NormalsItem.Caption, "&Airys teori");
    app.OnViewMenuOpened();
    EXPECT_TRUE(w.NormalsItem.Enabled);
    EXPECT_FALSE(w.NormalsItem.Checked);
    app.FKeyClick(FKey::F3);
    app.OnViewMenuOpened();
    EXPECT_TRUE(w.NormalsItem.Checked);
    EXPECT_TRUE(w.F3Button.Down);
    // Another simulation starts without it.
    app.MenuEntry(7);
    app.MenuEntry(10);
    EXPECT_FALSE(app.State.ShowNormals);
    EXPECT_TRUE(PeakColumns().empty());
}

// The curve peaks at 2, where the formula puts the main maximum, and nearer the bow angle
// for a larger drop.
TEST_F(AiryInYoungsInterference, CurvePeaksAtTheMainMaximum) {
    EXPECT_TRUE(PeakColumns().empty());
    app.FKeyClick(FKey::F3);
    for (const int colour : {1, 7, 4})
        for (const int size : {1, 4}) {
            app.ControlChange(Control::TrackBar1, colour);
            app.ControlChange(Control::TrackBar2, size);
            const ColourRow& c = Colour(colour);
            const double peak = BowAngle() - ExpectedInside(MaximaOfAi2[0], size * 0.0001,
                                                            c.WaveLength, c.WaterIndex);
            const std::vector<int> columns = PeakColumns();
            ASSERT_FALSE(columns.empty()) << colour << " " << size;
            const int expected = InsetMap().PictureX(peak);
            EXPECT_LE(columns.front(), expected + 1) << colour << " " << size;
            EXPECT_GE(columns.back(), expected - 1) << colour << " " << size;
        }
    app.ControlChange(Control::TrackBar2, 1);
    const int small = PeakColumns().front();
    app.ControlChange(Control::TrackBar2, 4);
    EXPECT_GT(PeakColumns().front(), small);
}

// Row 12: Airy's main maximum beside the geometrical bow angle, whether or not the curve
// is shown.
TEST_F(AiryInYoungsInterference, TableRowGivesTheMainMaximum) {
    EXPECT_EQ(app.Table.RowCount(), 13);
    EXPECT_EQ(app.Table.Cell(0, 12), " Airy maks., buevinkel/°");
    const auto fixed = [](double v) {
        char text[32];
        std::snprintf(text, sizeof text, "%6.2f", v);
        return std::string(text);
    };
    for (const int colour : {1, 4, 8})
        for (const int size : {1, 2, 3, 4}) {
            app.ControlChange(Control::TrackBar1, colour);
            app.ControlChange(Control::TrackBar2, size);
            const ColourRow& c = Colour(colour);
            const double bow = ExitAngle(RainbowParameter(c.WaterIndex), c.WaterIndex) * DegPerRad;
            const double airy =
                bow - ExpectedInside(MaximaOfAi2[0], size * 0.0001, c.WaveLength, c.WaterIndex);
            EXPECT_EQ(app.Table.Cell(2, 12), fixed(bow)) << colour << " " << size;
            EXPECT_EQ(app.Table.Cell(1, 12), fixed(airy)) << colour << " " << size;
        }
    app.FKeyClick(FKey::F3);
    const std::string shown = app.Table.Cell(1, 12);
    app.FKeyClick(FKey::F3);
    EXPECT_EQ(app.Table.Cell(1, 12), shown);
}

// On the printer's page the curve keeps to the inset's box.
TEST_F(AiryInYoungsInterference, PrintedCurveStaysInTheInset) {
    app.FKeyClick(FKey::F3);
    test::RecordingCanvas page(2400, 1800);
    World& m = app.Map;
    const World screen = m;
    m.PictureWidth = 2000;
    m.PictureHeight = 1500;
    m.PrintOffsetX = m.PrintOffsetY = 200;
    app.DrawSimulation(Event::Redraw, false, page);
    const World printed = InsetMap();
    m = screen;
    const test::Figure* curve = nullptr;
    for (const test::Figure& f : page.figures)
        if (f.kind == "polyline" && f.pen.Color == clFuchsia) curve = &f;
    ASSERT_NE(curve, nullptr);
    ASSERT_GT(curve->points.size(), 500u);
    for (const TPoint& p : curve->points) {
        EXPECT_GE(p.x, printed.PictureX(35.8));
        EXPECT_LE(p.x, printed.PictureX(43.5));
        EXPECT_GE(p.y, printed.PictureY(2.5));
        EXPECT_LE(p.y, printed.PictureY(-0.4));
    }
}

// The scripted mode opens the "&Vis" menu and chooses its entry as the window does.
TEST(AiryScript, VisMenuEntry) {
    HeadlessHost host;
    App app(host, AllSimulations());
    StartupEnvironment env;
    env.SetupFileCandidates.clear();
    host.LayoutChanged(app.Window);
    app.FormCreate(env);
    app.FormResize();
    std::istringstream script("select 10\nvis\nkey F3\nvis\nselect 9\nvis\n");
    std::ostringstream out, err;
    ASSERT_EQ(RunScript(app, host, script, out, err), 0) << err.str();
    const std::string text = out.str();
    const std::string off = "&Airys teori\tenabled\t\n", on = "&Airys teori\tenabled\tchecked\n";
    const auto first = text.find(off), second = text.find(on);
    ASSERT_NE(first, std::string::npos) << text;
    ASSERT_NE(second, std::string::npos) << text;
    EXPECT_LT(first, second);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 30);
    // Simulation 9 shows no F3: the entry is disabled and unchecked, with its first caption.
    const auto third = text.find("&Indfaldslodder\tdisabled\t\n");
    ASSERT_NE(third, std::string::npos) << text;
    EXPECT_GT(third, second);
}

}  // namespace
}  // namespace viv
