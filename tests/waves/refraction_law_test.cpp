// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/waves/refraction_law.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>

#include "app/catalogue.h"
#include "app/events.h"
#include "app/script.h"
#include "gui/headless_host.h"
#include "library/canvas/raster_canvas.h"
#include "library/colour_table.h"
#include "library/trig.h"
#include "picture_checks.h"
#include "refraction_checks.h"
#include "scripted_app.h"
#include "sims/simulations.h"
#include "sims/waves/refraction_state.h"
#include "test_host.h"

namespace viv {
namespace {

using test::ExpectSamePicture;

class RefractionLaw : public test::RefractionFixture {
protected:
    RefractionLaw() : RefractionFixture(5) {}

    void Ticks(int k) {
        app.Window.Clock.Enabled = true;
        for (int t = 0; t < k; ++t) app.OnClockTick();
        app.Window.Clock.Enabled = false;
    }
};

TEST_F(RefractionLaw, SelectedWithItsStartValues) {
    app.ControlChange(Control::TrackBar2, 2);
    Ticks(7);
    app.MenuEntry(5);  // chosen again: the start values come back
    EXPECT_DOUBLE_EQ(RefractionOf(scene).Phase, 0.21);
    EXPECT_EQ(app.State.RayDirection, 1);
    EXPECT_EQ(app.Window.TrackBar2.Position, 1);
    EXPECT_EQ(app.State.IncidenceValue, 45);
    EXPECT_TRUE(app.Window.RunButton.Visible);
    EXPECT_EQ(Cell(0, 0), " brydning i vand");
    EXPECT_EQ(Cell(1, 1), " 1.334");
    EXPECT_EQ(Cell(1, 3), "45.0");
    EXPECT_EQ(Cell(1, 4), "32.0");
    EXPECT_EQ(app.Window.Panel2, "b: 32.0°");
    // The labels of the two media and the crests on both sides of the boundary.
    EXPECT_GT(Count(clBlack, -9.5, 0.2 * app.Map.AspectHeight, -8.5, 0.1 * app.Map.AspectHeight),
              0);
    EXPECT_GT(Count(clGreen, -3, 0, -0.1, 5), 0);
    EXPECT_GT(Count(clGreen, 0.1, 0, 3, 5), 0);
}

TEST_F(RefractionLaw, CrestsComeBackAfterTwentyFiveTicks) {
    app.FKeyClick(FKey::F6);
    const QImage start = Picture().copy();
    QImage previous = start;
    for (int t = 1; t <= 25; ++t) {
        Ticks(1);
        if (t < 25) {
            EXPECT_NE(Picture(), previous) << t;  // the crests have moved
            EXPECT_NE(Picture(), start) << t;
        }
        previous = Picture().copy();
    }
    EXPECT_NEAR(RefractionOf(scene).Phase, 0.21, 1e-12);
    ExpectSamePicture(Picture().copy(), start, "law-25-ticks");
}

TEST_F(RefractionLaw, ATickMovesOnlyTheCrests) {
    app.FKeyClick(FKey::F2);
    app.FKeyClick(FKey::F4);
    app.FKeyClick(FKey::F5);
    const QImage before = Picture().copy();
    app.Table.SetCell(1, 3, "x");
    app.Window.Panel1 = "x";
    Ticks(3);
    EXPECT_NEAR(RefractionOf(scene).Phase, 0.33, 1e-12);
    EXPECT_EQ(Cell(1, 3), "x");  // the table is not touched by the clock
    EXPECT_EQ(app.Window.Panel1, "x");
    // The crests have moved; the olive rays, the blue arcs and the red line drawn by a
    // full redraw are all still in place.
    EXPECT_NE(Picture(), before);
    ExpectLikeRedraw("law-after-ticks");

    app.Table.SetCell(1, 3, "x");
    app.StepButtonClick();  // a step moves the crests and rewrites the table
    EXPECT_NEAR(RefractionOf(scene).Phase, 0.37, 1e-12);
    EXPECT_EQ(Cell(1, 3), "45.0");
}

// The picture drawn on another canvas between two ticks, as on a page with its margins,
// leaves the crests on the screen to be moved on as they are.
TEST_F(RefractionLaw, ACopyOfThePictureLeavesTheScreensCrestsAlone) {
    app.FKeyClick(FKey::F6);
    Ticks(2);
    RasterCanvas page(app.Image->Width() + 400, app.Image->Height() + 400);
    app.Map.PrintOffsetX = app.Map.PrintOffsetY = 200;
    app.DrawSimulation(Event::Redraw, false, page);
    app.Map.PrintOffsetX = app.Map.PrintOffsetY = 0;
    ExpectSamePicture(page.Image().copy(200, 200, app.Image->Width(), app.Image->Height()),
                      Picture().copy(), "law-copy");
    Ticks(1);
    ExpectLikeRedraw("law-tick-after-copy");
}

TEST_F(RefractionLaw, PhaseWrapsAfterReachingOne) {
    double p = RefractionState::StartPhase;
    for (int t = 0; t < 19; ++t) p = NextPhase(p);
    EXPECT_NEAR(p, 0.97, 1e-12);
    p = NextPhase(p);
    EXPECT_NEAR(p, 0.01, 1e-12);
    EXPECT_GE(p, 0);
    EXPECT_LT(NextPhase(0.96), 1.0);
}

TEST_F(RefractionLaw, FromTheWaterPastTheCriticalAngle) {
    app.ControlChange(Control::TrackBar1, 5);
    app.ControlChange(Control::TrackBar2, 2);
    Incidence(49);
    EXPECT_EQ(Cell(1, 3), "48.6");
    EXPECT_EQ(Cell(1, 4), "90.0");
    EXPECT_EQ(app.Window.Panel1, "i: 48.6°");
    Incidence(60);
    EXPECT_EQ(Cell(1, 4), "");
    EXPECT_EQ(app.Window.Panel2, "b: ");
    // Nothing in the air but what the label and boundary leave; the reflected wave is
    // drawn in the water though F6 is off.
    EXPECT_EQ(Count(clGreen, -9.9, -0.5 * app.Map.AspectHeight, -0.1, 1.5 * app.Map.AspectHeight),
              0);
    EXPECT_FALSE(app.State.ShowRays);
    ExpectLikeRedraw("law-total");
    Ticks(4);
    ExpectLikeRedraw("law-total-ticks");
}

TEST_F(RefractionLaw, AnglesAreMarkedFromFourDegrees) {
    Incidence(3);
    const QImage without = Picture().copy();
    app.FKeyClick(FKey::F2);
    ExpectSamePicture(Picture().copy(), without, "law-arcs-below-4");
    Incidence(4);
    EXPECT_GT(Count(clBlue, -1.1, 1.1, 1.1, -1.1), 0);
}

TEST_F(RefractionLaw, EveryToggleTwiceLeavesThePicture) {
    Incidence(30);
    Ticks(2);
    test::ExpectTogglesTwiceRestore(started, {FKey::F2, FKey::F3, FKey::F4, FKey::F5, FKey::F6},
                                    "law");
}

TEST_F(RefractionLaw, NoNumberIsEverNaN) {
    for (FKey key : {FKey::F2, FKey::F4, FKey::F6}) app.FKeyClick(key);
    for (int direction : {1, 2})
        for (int colour : {1, 5, 8}) {
            app.ControlChange(Control::TrackBar2, direction);
            app.ControlChange(Control::TrackBar1, colour);
            for (int degrees = 0; degrees <= 90; ++degrees) {
                Incidence(degrees);
                app.StepButtonClick();
                test::ExpectNoNanShown(app, std::to_string(direction) + "/" +
                                                std::to_string(colour) + "/" +
                                                std::to_string(degrees));
                if (::testing::Test::HasFailure()) return;
            }
        }
}

TEST_F(RefractionLaw, RandomUseWithTheClockMatchesAFullRedraw) {
    test::ExpectRandomUseMatchesRedrawing(
        started, 5122026,
        {.controls = {Control::ScrollBar1, Control::TrackBar1, Control::TrackBar2},
         .keys = {FKey::F2, FKey::F3, FKey::F4, FKey::F5, FKey::F6},
         .clock = true},
        "law");
}

// The scripted mode drives the same clock: 25 ticks bring the crests back, and a step
// moves them as one tick does.
TEST(RefractionLawScript, TicksAndStepsInTheScriptedMode) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "vivarnon-refraction-law-script";
    fs::create_directories(dir);
    test::Scripted s;
    const std::string a = (dir / "a.png").string(), b = (dir / "b.png").string(),
                      c = (dir / "c.png").string(), d = (dir / "d.png").string();
    ASSERT_EQ(s.Run("select 5\nkey F6\nsave " + a + "\ntick 25\nsave " + b + "\ntick\nsave " + c +
                    "\ntick 24\nstep\nsave " + d + "\n"),
              0)
        << s.err.str();
    const QImage first(QString::fromStdString(a));
    ASSERT_FALSE(first.isNull());
    ExpectSamePicture(QImage(QString::fromStdString(b)), first, "law-script-25");
    EXPECT_NE(QImage(QString::fromStdString(c)), first);
    ExpectSamePicture(QImage(QString::fromStdString(d)), QImage(QString::fromStdString(c)),
                      "law-script-step");
    EXPECT_FALSE(s.app.Window.Clock.Enabled);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace viv
