// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/waves/slits.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <complex>
#include <map>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/events.h"
#include "library/format.h"
#include "sims/simulations.h"
#include "sims/waves/slit_physics.h"
#include "sims/waves/slits_state.h"
#include "wave_checks.h"

namespace viv {
namespace {

using test::ExpectSamePicture;

constexpr double Laser = 632.8;  // nm
constexpr int Grating = 16, DoubleSlit = 17, SingleSlit = 35;

// The diffraction angle in degrees of order m behind a spacing of d nm, by the grating
// equation d sin v = m λ; none when the order does not exist.
std::string ExpectedAngle(int m, double d) {
    const double sine = m * Laser / d;
    if (m < 1 || sine >= 1) return "";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", std::asin(sine) * 180 / M_PI);
    return text;
}

std::string Fixed1(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

class SlitSimulations : public ::testing::Test {
protected:
    const QImage& Picture() { return started.picture().Image(); }
    std::vector<test::Figure> Recorded() {
        test::RecordingCanvas canvas(app.Image->Width(), app.Image->Height());
        app.DrawSimulation(Event::Redraw, false, canvas);
        return canvas.figures;
    }
    static std::vector<test::Figure> Of(const std::vector<test::Figure>& figures,
                                        const std::string& kind, TColor colour) {
        std::vector<test::Figure> out;
        for (const auto& f : figures)
            if (f.kind == kind && f.pen.Color == colour) out.push_back(f);
        return out;
    }
    // The spacing in nm for a scroll bar position, computed from the scroll bar's meaning.
    static double Spacing(int sim, int position) {
        if (sim == Grating) return 1e6 / (10 * position + 300);
        if (sim == DoubleSlit) return ((30 - position) / 35.0 + 2.53) * Laser;
        return ((100 - position) / 35.0 + 2.53) * Laser;
    }
    int RedPixelsRightOf(int column) {
        int n = 0;
        for (int y = 0; y < Picture().height(); ++y)
            for (int x = column; x < Picture().width(); ++x)
                if (started.picture().GetPixel(x, y) == clRed) ++n;
        return n;
    }

    test::StartedApp started;
    App& app = started.app;
    Scene scene{app};
};

TEST_F(SlitSimulations, StartValuesInTableAndPanels) {
    app.MenuEntry(Grating);
    EXPECT_EQ(app.Table.Cell(0, 0), "Optisk gitter");
    EXPECT_EQ(app.Table.Cell(1, 1), "1");
    EXPECT_EQ(app.Table.Cell(1, 2), "600");
    EXPECT_EQ(app.Table.Cell(1, 3), "1666.7");
    EXPECT_EQ(app.Table.Cell(1, 4), ExpectedAngle(1, 1e6 / 600));
    EXPECT_EQ(app.Window.Panel1, "Orden: 1");
    EXPECT_EQ(app.Window.Panel2, "d=1666.7nm");
    EXPECT_EQ(app.Window.Panel3, "v=" + ExpectedAngle(1, 1e6 / 600) + "°");

    app.MenuEntry(DoubleSlit);
    EXPECT_EQ(app.Table.Cell(1, 2), "1601.0");
    EXPECT_EQ(app.Window.Panel2, "d=  1601.0nm");
    EXPECT_EQ(app.Table.Cell(1, 3), ExpectedAngle(1, 2.53 * Laser));

    app.MenuEntry(SingleSlit);
    EXPECT_EQ(app.Table.Cell(1, 2), "2143.4");
    EXPECT_EQ(app.Window.Panel2, "d=  2143.4nm");
    EXPECT_EQ(app.Table.Cell(1, 3), ExpectedAngle(1, 3.3871428571428571 * Laser));
    EXPECT_EQ(app.State.AnimationStep, 0);
}

TEST_F(SlitSimulations, AnglesFollowTheGratingEquationForEveryOrderAndSpacing) {
    for (const int sim : {Grating, DoubleSlit, SingleSlit}) {
        app.MenuEntry(sim);
        const RangeControl& bar = app.Window.ScrollBar1;
        const int angleRow = sim == Grating ? 4 : 3;
        const int spacingRow = sim == Grating ? 3 : 2;
        for (int position = bar.Min; position <= bar.Max; position += 3) {
            app.ControlChange(Control::ScrollBar1, position);
            for (int m = app.Window.TrackBar2.Min; m <= app.Window.TrackBar2.Max; ++m) {
                app.ControlChange(Control::TrackBar2, m);
                const double d = Spacing(sim, position);
                const std::string where = std::to_string(sim) + " at " + std::to_string(position) +
                                          ", m " + std::to_string(m);
                EXPECT_EQ(app.Table.Cell(1, 1), std::to_string(m)) << where;
                EXPECT_EQ(app.Table.Cell(1, spacingRow), Fixed1(d)) << where;
                EXPECT_EQ(app.Table.Cell(1, angleRow), ExpectedAngle(m, d)) << where;
                const std::string angle = ExpectedAngle(m, d);
                EXPECT_EQ(app.Window.Panel3, angle.empty() ? "" : "v=" + angle + "°") << where;
                EXPECT_EQ(app.Window.Panel1, "Orden: " + std::to_string(m)) << where;
                if (sim == Grating) {
                    EXPECT_EQ(app.Table.Cell(1, 2), std::to_string(10 * position + 300)) << where;
                }
                test::ExpectNoNanShown(app, where);
            }
        }
    }
}

TEST_F(SlitSimulations, GratingOfNineHundredLinesHasOnlyTheFirstOrder) {
    app.MenuEntry(Grating);
    app.ControlChange(Control::ScrollBar1, 60);
    EXPECT_EQ(app.Table.Cell(1, 2), "900");
    EXPECT_NEAR(std::stod(app.Table.Cell(1, 4)), 34.7, 0.05);
    app.ControlChange(Control::TrackBar2, 2);
    EXPECT_EQ(app.Window.Panel3, "");
    EXPECT_EQ(app.Table.Cell(1, 4), "");
    // At the laser only one pair of rays.
    EXPECT_EQ(Of(Recorded(), "polyline", clRed).size(), 1u);
}

TEST_F(SlitSimulations, PathDifferenceIsOrderTimesWavelength) {
    for (const int sim : {Grating, DoubleSlit, SingleSlit}) {
        app.MenuEntry(sim);
        for (int m = 1; m <= 2; ++m) {
            app.ControlChange(Control::TrackBar2, m);
            const World& w = app.Map;
            const double X = SlitsOf(scene).X;
            if (m >= X) continue;
            // The triangle: three points, its corners on the marker one period apart.
            std::vector<test::Figure> triangles;
            for (const auto& f : Of(Recorded(), "polyline", clRed))
                if (f.points.size() == 3 && f.points[0].x == f.points[2].x &&
                    f.points[0].x == w.PictureX(-6))
                    triangles.push_back(f);
            ASSERT_EQ(triangles.size(), 1u) << sim << " m " << m;
            const auto& p = triangles[0].points;
            // The short side, from the slit where the path is longer, is m wavelengths.
            const TPoint start = sim == Grating ? p[2] : p[0];
            const double shortSide = std::hypot(p[1].x - start.x, p[1].y - start.y) / w.MapScaleX;
            EXPECT_NEAR(shortSide, m, 1.5 / w.MapScaleX) << sim;
            // The hypotenuse is one period (the whole width for the single slit).
            EXPECT_NEAR(std::abs(p[2].y - p[0].y) / w.MapScaleY, X, 1.5 / w.MapScaleY) << sim;
            // And the short side leaves at the order's angle (downwards for the grating).
            const double angle = std::atan2(std::abs(p[1].y - start.y), p[1].x - start.x);
            EXPECT_NEAR(angle, std::asin(m / X), 0.05) << sim;
        }
    }
}

TEST_F(SlitSimulations, NoOrderNoConstructionNoMarksAndNothingRunaway) {
    // The double slit starts at X = 2.53: order 3 does not exist.
    app.MenuEntry(DoubleSlit);
    app.ControlChange(Control::TrackBar2, 3);
    const QImage bare = Picture().copy();
    app.FKeyClick(FKey::F4);
    app.FKeyClick(FKey::F2);
    EXPECT_TRUE(app.State.ShowAxes);
    ExpectSamePicture(Picture().copy(), bare, "double-slit-order-3-figures");
    for (const int sim : {Grating, DoubleSlit, SingleSlit}) {
        app.MenuEntry(sim);
        for (const FKey k : {FKey::F2, FKey::F3, FKey::F4, FKey::F5, FKey::F6})
            if (app.Window.Of(k).Visible) app.FKeyClick(k);
        const RangeControl& bar = app.Window.ScrollBar1;
        for (int position = bar.Min; position <= bar.Max; position += 5)
            for (int m = app.Window.TrackBar2.Min; m <= app.Window.TrackBar2.Max; ++m) {
                app.ControlChange(Control::ScrollBar1, position);
                app.ControlChange(Control::TrackBar2, m);
                test::RecordingCanvas canvas(app.Image->Width(), app.Image->Height());
                app.DrawSimulation(Event::Redraw, false, canvas);
                test::ExpectNoRunawayPoints(
                    canvas,
                    std::to_string(sim) + " " + std::to_string(position) + " " + std::to_string(m));
            }
    }
}

// The radii in pixels of the black wavelets about picture point `centre`: the black
// polylines whose every point lies within a pixel of one circle about it and that span
// a good part of that circle.
std::vector<int> WaveletRadii(const std::vector<test::Figure>& figures, TPoint centre) {
    std::vector<int> radii;
    for (const auto& f : figures) {
        if (f.kind != "polyline" || f.pen.Color != clBlack || f.points.size() < 3) continue;
        double sum = 0;
        for (const TPoint& p : f.points) sum += std::hypot(p.x - centre.x, p.y - centre.y);
        const double r = sum / static_cast<double>(f.points.size());
        const double chord = std::hypot(f.points.front().x - f.points.back().x,
                                        f.points.front().y - f.points.back().y);
        if (chord >= r / 2 && std::all_of(f.points.begin(), f.points.end(), [&](TPoint p) {
                return std::abs(std::hypot(p.x - centre.x, p.y - centre.y) - r) <= 1;
            }))
            radii.push_back(static_cast<int>(std::lround(r)));
    }
    std::sort(radii.begin(), radii.end());
    return radii;
}

TEST_F(SlitSimulations, WaveletsGrowOnePixelATickAndRepeatAfterOneWavelength) {
    for (const int sim : {Grating, DoubleSlit, SingleSlit}) {
        app.MenuEntry(sim);
        const World& w = app.Map;
        const double X = SlitsOf(scene).X;
        const TPoint centre = w.Picture(0, sim == DoubleSlit ? X / 2 : 0);
        const auto start = Recorded();
        const std::vector<int> first = WaveletRadii(start, centre);
        ASSERT_FALSE(first.empty()) << sim;
        // Crests one wavelength apart.
        for (std::size_t j = 1; j < first.size(); ++j)
            EXPECT_NEAR(first[j] - first[j - 1], w.MapScaleX, 1.0) << sim;
        const int perWave = static_cast<int>(std::lround(w.MapScaleX));
        for (int tick = 1; tick < perWave; ++tick) {
            app.StepButtonClick();
            std::vector<int> now = WaveletRadii(Recorded(), centre);
            // The crest of radius 0 appears as soon as it has grown.
            if (now.size() > first.size()) now.erase(now.begin());
            ASSERT_EQ(now.size(), first.size())
                << sim << " tick " << tick << ": " << ::testing::PrintToString(now) << " from "
                << ::testing::PrintToString(first);
            for (std::size_t j = 0; j < now.size(); ++j)
                EXPECT_EQ(now[j], first[j] + tick) << sim << " tick " << tick;
        }
        app.StepButtonClick();
        EXPECT_EQ(app.State.AnimationStep, 0);
        const auto again = Recorded();
        ASSERT_EQ(again.size(), start.size()) << sim;
        for (std::size_t i = 0; i < again.size(); ++i)
            EXPECT_EQ(again[i].points, start[i].points) << sim;
    }
}

// The far-field intensity of the openings, by adding the waves from 400 strips across
// each opening (positions in wavelengths), relative to the straight-through direction.
double PhasorIntensity(const std::vector<std::pair<double, double>>& openings, double sine) {
    std::complex<double> sum = 0, straight = 0;
    for (const auto& [from, to] : openings)
        for (int j = 0; j < 400; ++j) {
            const double y = from + (j + 0.5) * (to - from) / 400;
            sum += std::polar(1.0, 2 * M_PI * y * sine);
            straight += 1.0;
        }
    return std::norm(sum) / std::norm(straight);
}

TEST_F(SlitSimulations, IntensityCurvesAreFraunhofersByAddingWaves) {
    struct Case {
        SlitScreen screen;
        double X;
    };
    const Case cases[] = {
        {SlitScreen::SingleSlit, 2.53},   {SlitScreen::SingleSlit, 100 / 35.0 + 2.53},
        {SlitScreen::SingleSlit, 3.3871}, {SlitScreen::DoubleSlit, 30 / 35.0 + 2.53},
        {SlitScreen::DoubleSlit, 2.53},   {SlitScreen::DoubleSlit, 1.67}};
    for (const Case& c : cases) {
        const bool single = c.screen == SlitScreen::SingleSlit;
        SCOPED_TRACE((single ? "single " : "double ") + std::to_string(c.X));
        const std::vector<std::pair<double, double>> openings =
            single ? std::vector<std::pair<double, double>>{{-c.X / 2, c.X / 2}}
                   : std::vector<std::pair<double, double>>{{c.X / 2 - 0.2, c.X / 2 + 0.2},
                                                            {-c.X / 2 - 0.2, -c.X / 2 + 0.2}};
        const std::vector<WorldPoint> curve = IntensityCurve(c.screen, c.X, -60, 60, 0.02);
        ASSERT_GT(curve.size(), 6000u);
        EXPECT_TRUE(
            std::is_sorted(curve.begin(), curve.end(),
                           [](const WorldPoint& a, const WorldPoint& b) { return a.y < b.y; }));
        std::vector<double> sines, heights;
        for (const WorldPoint& p : curve) {
            const double sine = p.y / std::hypot(p.y, 8.2);
            sines.push_back(sine);
            heights.push_back((8.2 - p.x) / 0.8);
            ASSERT_NEAR(heights.back(), PhasorIntensity(openings, sine), 2e-3) << "sin θ " << sine;
        }
        EXPECT_NEAR(
            heights[std::size_t(std::find(sines.begin(), sines.end(), 0.0) - sines.begin())], 1,
            1e-12);
        // The dark places lie on the screen.
        const double offset = single ? 0 : 0.5;
        for (int i = 0; (i + offset) / c.X < 1 && (i + offset) / c.X < 0.99; ++i) {
            if (i + offset == 0) continue;
            const double sine = (i + offset) / c.X;
            const auto at = std::min_element(sines.begin(), sines.end(), [&](double a, double b) {
                return std::abs(a - sine) < std::abs(b - sine);
            });
            EXPECT_NEAR(*at, sine, 1e-12) << "dark " << i;
            EXPECT_NEAR(heights[std::size_t(at - sines.begin())], 0, 1e-12) << "dark " << i;
        }
        // The first side maximum: a single slit's 4.7 % of the centre at sin θ = 1.430 / X.
        if (single) {
            std::size_t top = 0;
            for (std::size_t k = 0; k < sines.size(); ++k)
                if (sines[k] > 1 / c.X && sines[k] < 2 / c.X && heights[k] > heights[top]) top = k;
            EXPECT_NEAR(sines[top], 1.4303 / c.X, 1e-4);
            EXPECT_NEAR(heights[top], 0.047, 0.003);
        }
    }
}

TEST_F(SlitSimulations, PointerReadOutAddsTheTwoWaves) {
    app.MenuEntry(DoubleSlit);
    const World& w = app.Map;
    test::TestPointer& pointer = started.host.pointer;
    pointer.size = {app.Image->Width(), app.Image->Height()};
    const auto blueInBarColumn = [&] {
        int n = 0;
        for (int y = 0; y < Picture().height(); ++y)
            if (started.picture().GetPixel(w.PictureX(-9), y) == clBlue) ++n;
        return n;
    };
    // Left of the slits nothing moves.
    pointer.cursor = {w.PictureX(-3), w.PictureY(1)};
    app.ImageMouseMove();
    EXPECT_EQ(SlitsOf(scene).PointerValue, 0);
    EXPECT_EQ(blueInBarColumn(), 0);
    // On the axis between the slits both waves arrive together.
    const int px = w.PictureX(5), py = w.PictureY(0);
    pointer.cursor = {px, py};
    app.ImageMouseMove();
    const double x = -10 + 20.0 / app.Image->Width() * px;
    const double y = w.AspectHeight - 2 * w.AspectHeight / app.Image->Height() * py;
    const double r1 = std::hypot(x, y - 1.265), r2 = std::hypot(x, y + 1.265);
    EXPECT_NEAR(SlitsOf(scene).PointerValue, std::cos(2 * M_PI * r1) + std::cos(2 * M_PI * r2),
                1e-9);
    EXPECT_NEAR(y, 0, 0.05);
    const int bar = blueInBarColumn();
    EXPECT_NEAR(bar, std::abs(w.PictureY(SlitsOf(scene).PointerValue) - w.PictureY(0)), 3);
    // The waves move on under the pointer.
    for (int tick = 0; tick < 7; ++tick) app.StepButtonClick();
    const double tau = 7 / w.MapScaleX;
    EXPECT_NEAR(SlitsOf(scene).PointerValue,
                std::cos(2 * M_PI * (r1 - tau)) + std::cos(2 * M_PI * (r2 - tau)), 1e-9);
    // While the clock runs the mouse is not followed.
    const double before = SlitsOf(scene).PointerValue;
    app.RunButtonClick();
    pointer.cursor = {w.PictureX(2), w.PictureY(3)};
    app.ImageMouseMove();
    EXPECT_EQ(SlitsOf(scene).PointerValue, before);
    app.RunButtonClick();
    ExpectSamePicture(Picture().copy(), test::Redrawn(started), "pointer-bar");
}

TEST_F(SlitSimulations, GratingRandomUseEndsAsRedraw) {
    app.MenuEntry(Grating);
    test::ExpectRandomUseEndsAsRedraw(
        started, 16,
        {{Control::ScrollBar1, Control::TrackBar2}, {FKey::F2, FKey::F3, FKey::F4}, true, true},
        "grating");
}

TEST_F(SlitSimulations, GratingTicksKeepAStillPictureOnlyWhileShown) {
    app.MenuEntry(Grating);
    app.Window.Clock.Enabled = true;
    app.OnClockTick();
    EXPECT_NE(app.StillPicture, nullptr);
    app.MenuEntry(DoubleSlit);
    app.OnClockTick();
    EXPECT_EQ(app.StillPicture, nullptr);
}

TEST_F(SlitSimulations, DoubleSlitRandomUseEndsAsRedraw) {
    app.MenuEntry(DoubleSlit);
    test::ExpectRandomUseEndsAsRedraw(started, 17,
                                      {{Control::ScrollBar1, Control::TrackBar2},
                                       {FKey::F2, FKey::F4, FKey::F5, FKey::F6},
                                       true,
                                       true},
                                      "double-slit");
}

TEST_F(SlitSimulations, SingleSlitRandomUseEndsAsRedraw) {
    app.MenuEntry(SingleSlit);
    test::ExpectRandomUseEndsAsRedraw(
        started, 35,
        {{Control::ScrollBar1, Control::TrackBar1, Control::TrackBar2},
         {FKey::F2, FKey::F4, FKey::F5, FKey::F6},
         true,
         true},
        "single-slit");
}

TEST_F(SlitSimulations, EveryToggleTwiceLeavesThePicture) {
    for (const int sim : {Grating, DoubleSlit, SingleSlit}) {
        app.MenuEntry(sim);
        for (const int position : {0, 25, 60}) {
            app.ControlChange(Control::ScrollBar1, position);
            for (const FKey on : {FKey::F2, FKey::F4}) {
                for (const FKey k : {FKey::F2, FKey::F3, FKey::F4, FKey::F5, FKey::F6}) {
                    const QImage before = Picture().copy();
                    app.FKeyClick(k);
                    app.FKeyClick(k);
                    ExpectSamePicture(Picture().copy(), before,
                                      "toggle-" + std::to_string(sim) + "-F" +
                                          std::to_string(static_cast<int>(k) + 2));
                }
                app.FKeyClick(on);
            }
        }
    }
}

TEST_F(SlitSimulations, ScaleLabelsTakenAwayLeaveTheAxisWhole) {
    // The " 0.0" label lies on the dotted axis.
    app.MenuEntry(SingleSlit);
    test::ExpectTogglesTwiceRestore(started, {FKey::F6}, "scale-on-axis");
}

TEST_F(SlitSimulations, OnlyTheirOwnTogglesAreTaken) {
    app.MenuEntry(Grating);
    app.FKeyClick(FKey::F5);
    app.FKeyClick(FKey::F6);
    EXPECT_FALSE(app.State.ShowRedRay);
    EXPECT_FALSE(app.State.ShowRays);
    EXPECT_FALSE(app.Window.F6Button.Down);
    app.MenuEntry(DoubleSlit);
    app.FKeyClick(FKey::F3);
    EXPECT_FALSE(app.State.ShowNormals);
    // The screen of the intensity graph is drawn with F5 only.
    const int red = RedPixelsRightOf(app.Map.PictureX(8.1));
    app.FKeyClick(FKey::F5);
    EXPECT_GT(RedPixelsRightOf(app.Map.PictureX(8.1)), red + app.Image->Height() / 2);
    // The screen line stays whole where the curve lies on it, for both kinds of slit.
    for (const int sim : {DoubleSlit, SingleSlit}) {
        app.MenuEntry(sim);
        if (!app.State.ShowRedRay) app.FKeyClick(FKey::F5);
        const int column = app.Map.PictureX(8.2);
        for (int y = 0; y < app.Image->Height(); ++y)
            ASSERT_EQ(started.picture().GetPixel(column, y), clRed) << sim << " row " << y;
    }
}

}  // namespace
}  // namespace viv
