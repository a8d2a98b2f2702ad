// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Komplementært mønster" and "Simultan kontrast": the stripes' colours and widths,
// the white lines of F3, and the grey square on its coloured ground.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/catalogue.h"
#include "colour_checks.h"
#include "picture_checks.h"
#include "rainbow/cell_checks.h"
#include "sims/colour/colour_state.h"
#include "sims/colour/complement_pattern.h"
#include "sims/colour/simultaneous_contrast.h"
#include "sims/simulations.h"

namespace viv {
namespace {

using test::ExpectNoNan;
using test::ExpectSamePicture;
using test::Rgb;

class ComplementPattern : public test::ColourFixture {
protected:
    ComplementPattern() : ColourFixture(33) {}

    // The runs of equal colour along the row through y = 0 (where the wavy edge is at
    // x = -6.5), from the edge to the first white (the last band).
    std::vector<std::pair<TColor, int>> Stripes() {
        std::vector<std::pair<TColor, int>> runs;
        const int y = app.Map.PictureY(0);
        int x = app.Map.PictureX(-7.5);
        while (started.picture().GetPixel(x, y) == clWhite) ++x;
        for (; x < Picture().width(); ++x) {
            const TColor c = started.picture().GetPixel(x, y);
            if (c == clWhite && !app.State.ShowNormals) break;
            if (runs.empty() || runs.back().first != c) runs.push_back({c, 0});
            ++runs.back().second;
        }
        return runs;
    }
    int Pixels(double worldUnits) { return app.Map.PictureX(worldUnits) - app.Map.PictureX(0); }
};

TEST_F(ComplementPattern, StartsWithTheShiftOfTheTrackBar) {
    EXPECT_EQ(app.Window.TrackBar2.Position, 4);
    EXPECT_DOUBLE_EQ(ColourOf(scene).BandShift, 4);
    EXPECT_EQ(app.Window.F3Button.Hint, " Indsæt hvid streg mellem felter");
    EXPECT_EQ(app.Window.ScrollBar1.Position, 255);
    EXPECT_EQ(app.Window.Panel1, "R=0.0%");
}

TEST_F(ComplementPattern, StripesAlternateBetweenTheColourAndItsComplement) {
    SetLevels(200, 60, 10);
    const TColor m = RGB(200, 60, 10), complement = RGB(55, 195, 245);
    const int b = Pixels(1.5);
    for (int shift : {0, 4, 9}) {
        app.ControlChange(Control::TrackBar2, shift);
        const int d = Pixels(shift / 7.0);
        const auto runs = Stripes();
        ASSERT_EQ(runs.size(), 9u) << "shift " << shift;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            EXPECT_EQ(runs[i].first, i % 2 == 0 ? m : complement) << i << " " << Rgb(runs[i].first);
            EXPECT_EQ(runs[i].second, i % 2 == 0 ? b - d : b + d)
                << "stripe " << i << ", shift " << shift;
        }
    }
    EXPECT_EQ(app.Window.Panel2, "G=23.5%");
    ExpectNoNan(app);
}

TEST_F(ComplementPattern, WhiteLinesComeAndGoWithF3) {
    SetLevels(30, 140, 250);
    app.ControlChange(Control::TrackBar2, 0);
    const QImage plain = Picture().copy();
    app.FKeyClick(FKey::F3);
    EXPECT_TRUE(app.State.ShowNormals);
    EXPECT_TRUE(app.Window.F3Button.Down);
    // Between every two stripes a white line.
    const auto runs = Stripes();
    int lines = 0;
    for (const auto& run : runs)
        if (run.first == clWhite) ++lines;
    EXPECT_GE(lines, 8);
    app.FKeyClick(FKey::F3);
    EXPECT_FALSE(app.State.ShowNormals);
    ExpectSamePicture(Picture().copy(), plain, "pattern-f3-twice");
    for (int shift : {3, 9}) {
        app.ControlChange(Control::TrackBar2, shift);
        const QImage before = Picture().copy();
        app.FKeyClick(FKey::F3);
        app.FKeyClick(FKey::F3);
        ExpectSamePicture(Picture().copy(), before, "pattern-f3-twice-" + std::to_string(shift));
    }
}

TEST_F(ComplementPattern, PictureAfterAnyControlSequenceEqualsItsFullRedraw) {
    test::ExpectRandomUseMatchesRedraw(
        started, 33,
        {Control::ScrollBar1, Control::ScrollBar2, Control::ScrollBar3, Control::TrackBar2},
        {FKey::F3}, "pattern", 30, 8);
    ExpectNoNan(app);
}

class SimultaneousContrast : public test::ColourFixture {
protected:
    SimultaneousContrast() : ColourFixture(34) {}
};

TEST_F(SimultaneousContrast, GreySquareOnTheMixedGround) {
    EXPECT_EQ(At(0, 0), clSilver);
    const int g0 = 255 - app.Window.ScrollBar2.Position, b0 = 255 - app.Window.ScrollBar3.Position;
    EXPECT_EQ(At(2, 2), RGB(0, g0, b0));  // the first bar starts at the bottom
    SetLevels(0, 128, 255);
    EXPECT_EQ(At(0, 0), clSilver);
    EXPECT_EQ(At(0.9, -0.9), clSilver);
    for (const auto& [x, y] :
         std::vector<std::pair<double, double>>{{2, 2}, {-3.4, 0}, {0, -3.4}, {1.2, 0}})
        EXPECT_EQ(At(x, y), RGB(0, 128, 255)) << x << "," << y;
    EXPECT_EQ(At(3.6, 0), clWhite);
    EXPECT_EQ(app.Window.Panel1, "R=0.0%");
    EXPECT_EQ(app.Window.Panel2, "G=50.2%");
    EXPECT_EQ(app.Window.Panel3, "B=100.0%");
    ExpectNoNan(app);
}

TEST_F(SimultaneousContrast, PictureAfterAnyControlSequenceEqualsItsFullRedraw) {
    test::ExpectRandomUseMatchesRedraw(
        started, 34, {Control::ScrollBar1, Control::ScrollBar2, Control::ScrollBar3}, {},
        "contrast", 20, 6);
}

}  // namespace
}  // namespace viv
