#include "sims/rainbow/bow_colours.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <charconv>
#include <memory>
#include <cmath>
#include <string>

#include "app/catalogue.h"
#include "app/events.h"
#include "library/colour_table.h"
#include "library/format.h"
#include "picture_checks.h"
#include "recording_canvas.h"
#include "sims/rainbow/bow_statistics.h"
#include "sims/rainbow/polarised_colours.h"
#include "sims/simulations.h"
#include "test_host.h"

namespace viv {
namespace {

using test::ExpectSamePicture;

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

// A cell's number, read whatever the system's decimal separator.
double Number(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    double value = std::nan("");
    if (first != std::string::npos) std::from_chars(text.data() + first, text.data() + text.size(), value);
    return value;
}

void ExpectNoNan(const App& app) {
    for (int row = 0; row < app.Table.RowCount(); ++row)
        for (int col = 0; col < app.Table.ColCount(); ++col) {
            const std::string& cell = app.Table.Cell(col, row);
            EXPECT_EQ(cell.find("nan"), std::string::npos) << col << "," << row << ": " << cell;
            EXPECT_EQ(cell.find("inf"), std::string::npos) << col << "," << row << ": " << cell;
        }
    for (const std::string* panel : {&app.Window.Panel1, &app.Window.Panel2, &app.Window.Panel3})
        EXPECT_EQ(panel->find("nan"), std::string::npos) << *panel;
}

class BowColourSimulation : public ::testing::Test {
protected:
    BowColourSimulation() { app.MenuEntry(9); }

    const QImage& Picture() { return started.picture().Image(); }
    const auto& Counts(int c) { return app.Buffers->RayCount[static_cast<std::size_t>(c - 1)]; }
    BowStatistics& St() { return BowStatsOf(app); }
    // The figures a full redraw draws.
    std::unique_ptr<test::RecordingCanvas> Recorded() {
        auto canvas = std::make_unique<test::RecordingCanvas>(started.picture().Width(),
                                                              started.picture().Height());
        app.DrawSimulation(evRedraw, false, *canvas);
        return canvas;
    }

    test::StartedApp started;
    App& app = started.app;
};

TEST_F(BowColourSimulation, TableAndPanelsAgreeWithTheDropsGeometry) {
    EXPECT_EQ(AllSimulations().Find(9)->Draw, &DrawColoursOfBow);
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
    EXPECT_EQ(app.Table.Cell(1, 2), " 546.1");
    EXPECT_EQ(app.Table.Cell(0, 2), " bølgelængde/nm, grøn");
    // 51.2 - 41.9, though the angles themselves are 9.22° apart.
    EXPECT_EQ(app.Table.Cell(1, 3), "  41.9");
    EXPECT_EQ(app.Table.Cell(1, 4), "  51.2");
    EXPECT_EQ(app.Table.Cell(1, 5), "   9.3");
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
            if (f.pen.Width == app.Map.BoldPenWidth && f.pen.Color == Colour(c).ScreenColour && f.points.size() > 5)
                curves.push_back(f);
        ASSERT_EQ(curves.size(), 2u);
        const RainbowAngles& bows = app.State.Rainbow;
        const int t1 = static_cast<int>(bows.PrimaryBowAngle[c]);
        const int t2 = static_cast<int>(bows.SecondaryBowAngle[c]);
        EXPECT_EQ(curves[0].points.front(), app.Map.Picture(bows.PrimaryBowAngle[c], Counts(c)[t1]));
        EXPECT_EQ(curves[1].points.front(), app.Map.Picture(bows.SecondaryBowAngle[c], Counts(c)[t2]));
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
        if (f.pen.Color == clBlack && f.pen.Width == app.Map.PenWidth && f.points.size() > 3) ++black;
    EXPECT_EQ(black, 1);
}

TEST_F(BowColourSimulation, TogglesPressedTwiceLeaveThePicture) {
    for (int c : {1, 5, 8}) {
        app.ControlChange(Control::TrackBar1, c);
        for (FKey key : {FKey::F2, FKey::F5, FKey::F6}) {
            const QImage before = Picture().copy();
            app.FKeyClick(key);
            EXPECT_NE(Picture(), before);
            app.FKeyClick(key);
            ExpectSamePicture(Picture().copy(), before, "colours-toggle-twice");
        }
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

class PolarisedColourSimulation : public ::testing::Test {
protected:
    PolarisedColourSimulation() { app.MenuEntry(12); }

    const QImage& Picture() { return started.picture().Image(); }
    const auto& Below(int c) { return app.Buffers->IntensityBelow[static_cast<std::size_t>(c - 1)]; }
    const auto& Above(int c) { return app.Buffers->IntensityAbove[static_cast<std::size_t>(c - 1)]; }
    BowStatistics& St() { return BowStatsOf(app); }
    std::vector<std::string> Texts() {
        test::RecordingCanvas canvas(started.picture().Width(), started.picture().Height());
        app.DrawSimulation(evRedraw, false, canvas);
        std::vector<std::string> out;
        for (const auto& f : canvas.Of("text")) out.push_back(f.text);
        return out;
    }

    test::StartedApp started;
    App& app = started.app;
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
        const double amplitude = mode == 1 ? (ci - n * cr) / (ci + n * cr) : (n * ci - cr) / (n * ci + cr);
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
    EXPECT_EQ(AllSimulations().Find(12)->Draw, &DrawPolarisedColours);
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
    app.DrawSimulation(evRedraw, false, canvas);
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
        started, 12, {Control::ScrollBar1, Control::TrackBar1, Control::TrackBar2}, {}, "polarised");
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
