// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Øjets træthed": the click, the thirty seconds on the clock, the white square, and the
// same experiment driven by a script.
#include "sims/colour/eye_fatigue.h"

#include <gtest/gtest.h>

#include <QImage>
#include <set>
#include <sstream>
#include <string>

#include "app/catalogue.h"
#include "app/events.h"
#include "app/script.h"
#include "colour_checks.h"
#include "gui/headless_host.h"
#include "library/canvas/raster_canvas.h"
#include "picture_checks.h"
#include "rainbow/cell_checks.h"
#include "recording_canvas.h"
#include "scripted_app.h"
#include "sims/colour/colour_state.h"
#include "sims/simulations.h"

namespace viv {
namespace {

using test::ExpectNoNan;
using test::ExpectSamePicture;
using test::Rgb;

class EyeFatigue : public test::ColourFixture {
protected:
    EyeFatigue() : ColourFixture(21) {}

    void Click() { app.ImageMouseDown(); }
    // One tick of the running clock at `ms`.
    void TickAt(std::uint32_t ms) {
        started.host.now = ms;
        app.OnClockTick();
    }
    TColor Square() {
        const auto& l = ColourOf(scene).SquareLevels;
        return RGB(l[0], l[1], l[2]);
    }
};

TEST_F(EyeFatigue, StartsWithTheInstructionsAlone) {
    EXPECT_FALSE(app.Window.ScrollBar1.Visible);
    EXPECT_FALSE(app.Window.RunButton.Visible);
    EXPECT_EQ(app.Table.Cell(0, 3), " Blå %");
    EXPECT_EQ(At(0, 0), clWhite);
    test::RecordingCanvas canvas(Picture().width(), Picture().height());
    app.DrawSimulation(Event::Redraw, false, canvas);
    const auto texts = canvas.Of("text");
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[1].text, "Klik med musen, når du er klar.");
    EXPECT_EQ(texts[0].points[0], (TPoint{10, 10}));
    EXPECT_EQ(texts[3].points[0].y - texts[2].points[0].y,
              texts[1].points[0].y - texts[0].points[0].y);
}

TEST_F(EyeFatigue, ThirtySecondsOfStaringThenAWhiteSquareInItsFrame) {
    started.host.now = 5000;
    Click();
    ASSERT_TRUE(app.Window.Clock.Enabled);
    const TColor square = Square();
    EXPECT_EQ(At(0, 0), square);
    EXPECT_EQ(At(2.9, -2.9), square);
    const QImage staring = Picture().copy();
    // A click while the clock runs does nothing; ticks before thirty seconds neither.
    Click();
    for (std::uint32_t t = 5020; t < 35000; t += 20) TickAt(t);
    EXPECT_TRUE(app.Window.Clock.Enabled);
    ExpectSamePicture(Picture().copy(), staring, "eye-staring");
    EXPECT_EQ(Square(), square);
    TickAt(35000);
    EXPECT_FALSE(app.Window.Clock.Enabled);
    EXPECT_EQ(At(0, 0), clWhite);
    EXPECT_EQ(At(2.5, 2.5), clWhite);
    // The outline keeps the colour.
    const int left = app.Map.PictureX(-3), y = app.Map.PictureY(0);
    EXPECT_EQ(started.picture().GetPixel(left, y), square)
        << Rgb(started.picture().GetPixel(left, y));
    // A stopped clock gets no more ticks; the next click starts a new square.
    TickAt(36000);
    EXPECT_EQ(At(0, 0), clWhite);
    started.host.now = 40000;
    Click();
    EXPECT_TRUE(app.Window.Clock.Enabled);
    EXPECT_EQ(At(0, 0), Square());
    EXPECT_NE(At(0, 0), clWhite);
}

// The clock counts milliseconds in 32 bits and wraps after 49.7 days; the experiment
// measures the time since the square appeared across the wrap.
TEST_F(EyeFatigue, ThirtySecondsAcrossTheWrapOfTheClock) {
    for (const std::uint32_t start : {0x7FFFF000u, 0xFFFFF000u, 0xFFFFFFFFu}) {
        started.host.now = start;
        Click();
        TickAt(start + 29999u);
        EXPECT_TRUE(app.Window.Clock.Enabled) << start;
        TickAt(start + 30000u);
        EXPECT_FALSE(app.Window.Clock.Enabled) << start;
    }
}

TEST_F(EyeFatigue, TableShowsTheSquaresLevelsBelowFullStrength) {
    std::set<int> levels;
    for (std::uint32_t t = 1; t <= 400; ++t) {
        started.host.now = t * 1000;
        Click();
        const auto l = ColourOf(scene).SquareLevels;
        EXPECT_EQ(At(0, 0), Square());
        for (int k = 0; k < 3; ++k) {
            const int v = l[static_cast<std::size_t>(k)];
            ASSERT_GE(v, 0);
            ASSERT_LE(v, 254);
            levels.insert(v);
            const double percent = test::Number(app.Table.Cell(1, k + 1));
            EXPECT_NEAR(percent, v * 100.0 / 255, 0.05);
            EXPECT_GE(percent, 0.0);
            EXPECT_LE(percent, 99.6);
        }
        ExpectNoNan(app);
        app.Window.Clock.Enabled = false;  // as after the thirty seconds
    }
    // 1200 draws spread over 255 values: the low and the high end are reached.
    EXPECT_GT(levels.size(), 200u);
    EXPECT_LT(*levels.begin(), 10);
    EXPECT_GT(*levels.rbegin(), 244);
}

// A new picture (the window resized, the picture printed) shows the experiment as far
// as it has come.
TEST_F(EyeFatigue, RedrawShowsTheExperimentWhereItIs) {
    started.host.now = 100;
    Click();
    TickAt(10000);
    const QImage staring = Picture().copy();
    ExpectSamePicture(Redrawn(), staring, "eye-redraw-staring");
    TickAt(30100);
    const QImage afterimage = Picture().copy();
    ExpectSamePicture(Redrawn(), afterimage, "eye-redraw-afterimage");
    // Chosen again, the square is gone.
    app.MenuEntry(21);
    EXPECT_EQ(At(0, 0), clWhite);
    EXPECT_EQ(At(-3, 0), clWhite);
}

TEST(EyeFatigueScript, FifteenHundredTicksAreTheThirtySeconds) {
    test::Scripted scripted;
    App& app = scripted.app;
    Scene scene{app};
    HeadlessHost& host = scripted.host;
    const auto run = [&](const std::string& text) { return scripted.Run(text); };
    const auto centre = [&] {
        return std::to_string(app.Map.PictureX(0)) + " " + std::to_string(app.Map.PictureY(0));
    };
    ASSERT_EQ(run("select 21\n"), 0);
    ASSERT_EQ(run("click " + centre() + "\ntick 1499\n"), 0) << scripted.err.str();
    EXPECT_EQ(host.Milliseconds(), 1499u * 20);
    // Between the ticks of a script the clock stays as the simulation left it: running.
    EXPECT_TRUE(app.Window.Clock.Enabled);
    EXPECT_NE(app.Image->GetPixel(app.Map.PictureX(0), app.Map.PictureY(0)), clWhite);
    ASSERT_EQ(run("tick 100\n"), 0);
    // The 1500th tick stopped the clock; the other 99 never came.
    EXPECT_FALSE(app.Window.Clock.Enabled);
    EXPECT_EQ(host.Milliseconds(), 1500u * 20);
    EXPECT_EQ(app.Image->GetPixel(app.Map.PictureX(0), app.Map.PictureY(0)), clWhite);

    // Every run of the same script gives the same picture.
    const auto picture = [&] {
        test::Scripted again;
        EXPECT_EQ(again.Run("select 21\ntick 3\n"), 0);
        return static_cast<RasterCanvas&>(*again.app.Image).Image().copy();
    };
    EXPECT_EQ(picture(), picture());
}

}  // namespace
}  // namespace viv
