// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The control panel and the button bar: what each simulation shows, the change
// handlers, the F-keys, the "&Vis" menu and the mouse over the picture.
#include <gtest/gtest.h>

#include <string>

#include "app/control_tables.h"
#include "dispatch_probe.h"
#include "sims/optics/optics_choice.h"
#include "sims/rainbow/rainbow_state.h"
#include "test_host.h"

namespace viv {
namespace {

using test::ReachesDispatcher;

// A started program for each test: `app` and its main window `w`.
class StartedProgram : public ::testing::Test {
protected:
    test::StartedApp s;
    App& app = s.app;
    const MainWindowModel& w = app.Window;
};
using SetScrollRange = StartedProgram;
using ControlChange = StartedProgram;
using FKeys = StartedProgram;
using OnViewMenuOpened = StartedProgram;
using ImageMouse = StartedProgram;
using MemoSync = StartedProgram;

struct VisibleControls {
    std::uint16_t n;
    bool sb1, sb2, sb3, tb1, tb2, tb3, tb4;
    std::array<bool, 5> fkeys;  // F2..F6
    bool run, step, slow;
    std::string_view label4;
    int panelWidth;  // pixels
};

// Chosen one after the other, so that a control left over from the previous
// simulation shows up as a failure.
TEST(ConfigureParameters, EachSimulationShowsItsOwnControls) {
    // The flags as 0 and 1 read as a grid.
    // NOLINTBEGIN(readability-implicit-bool-conversion)
    const VisibleControls cases[] = {
        {2, true, false, false, true, true, false, false, {1, 1, 0, 1, 1}, 0, 0, 0, "i", 36},
        {5, true, false, false, true, true, false, false, {1, 1, 1, 1, 1}, 1, 1, 1, "i", 36},
        {6, true, false, false, false, true, false, false, {1, 0, 0, 0, 0}, 0, 0, 0, "h", 36},
        {20, true, true, true, false, true, false, false, {0, 0, 0, 0, 0}, 0, 0, 0, "R", 84},
        {21, false, false, false, false, false, false, false, {0, 0, 0, 0, 0}, 0, 0, 0, "", 36},
        {23, true, false, false, true, true, true, true, {1, 1, 1, 1, 1}, 0, 0, 0, "i", 84},
        {31, false, false, false, false, false, false, false, {0, 0, 0, 0, 0}, 0, 0, 0, "", 36},
        {36, true, false, false, true, true, false, false, {1, 0, 0, 1, 1}, 1, 0, 0, "", 36},
        {38, true, false, false, true, true, false, false, {1, 1, 1, 0, 1}, 1, 1, 0, "v", 36},
        {41, true, false, false, true, false, false, false, {1, 1, 0, 0, 0}, 0, 0, 0, "", 36},
        {42, false, false, false, false, false, false, false, {1, 0, 0, 0, 0}, 0, 0, 0, "", 36},
    };
    // NOLINTEND(readability-implicit-bool-conversion)
    test::StartedApp s;
    const MainWindowModel& w = s.app.Window;
    for (const VisibleControls& c : cases) {
        s.app.MenuEntry(c.n);
        SCOPED_TRACE(c.n);
        EXPECT_EQ(w.ScrollBar1.Visible, c.sb1);
        EXPECT_EQ(w.ScrollBar2.Visible, c.sb2);
        EXPECT_EQ(w.ScrollBar3.Visible, c.sb3);
        EXPECT_EQ(w.TrackBar1.Visible, c.tb1);
        EXPECT_EQ(w.TrackBar2.Visible, c.tb2);
        EXPECT_EQ(w.TrackBar2Caption.Visible, c.tb2);
        EXPECT_EQ(w.TrackBar3.Visible, c.tb3);
        EXPECT_EQ(w.TrackBar4.Visible, c.tb4);
        EXPECT_EQ(w.ScrollBar2Symbol.Visible, c.sb2);
        EXPECT_EQ(w.F2Button.Visible, c.fkeys[0]);
        EXPECT_EQ(w.F3Button.Visible, c.fkeys[1]);
        EXPECT_EQ(w.F4Button.Visible, c.fkeys[2]);
        EXPECT_EQ(w.F5Button.Visible, c.fkeys[3]);
        EXPECT_EQ(w.F6Button.Visible, c.fkeys[4]);
        EXPECT_EQ(w.RunButton.Visible, c.run);
        EXPECT_EQ(w.StepButton.Visible, c.step);
        EXPECT_EQ(w.SlowMotionButton.Visible, c.slow);
        EXPECT_TRUE(w.ScrollBar1Symbol.Visible);
        EXPECT_EQ(w.ScrollBar1Symbol.Caption, c.label4);
        EXPECT_EQ(w.ScrollPanelWidth, c.panelWidth);
        EXPECT_FALSE(w.Configuring);
    }
}

TEST(ConfigureParameters, ControlsStayInsideTheirRanges) {
    test::StartedApp s;
    const MainWindowModel& w = s.app.Window;
    for (std::uint16_t n = 2; n <= 43; ++n) {
        if (n == 13) continue;
        s.app.MenuEntry(n);
        SCOPED_TRACE(n);
        for (const RangeControl* c : {&w.ScrollBar1, &w.ScrollBar2, &w.ScrollBar3, &w.TrackBar1,
                                      &w.TrackBar2, &w.TrackBar3, &w.TrackBar4}) {
            EXPECT_LE(c->Min, c->Position);
            EXPECT_LE(c->Position, c->Max);
        }
        for (const RangeControl* c : {&w.TrackBar1, &w.TrackBar2, &w.TrackBar3, &w.TrackBar4}) {
            EXPECT_EQ(c->SelStart, c->Min);
            EXPECT_EQ(c->SelEnd, c->Max);
        }
    }
}

TEST(ConfigureParameters, YoungsBarRunsBelowTheIncidenceMaximum) {
    for (std::uint16_t before : {16, 14, 2}) {
        test::StartedApp s;
        s.app.MenuEntry(before);
        s.app.MenuEntry(10);
        const RangeControl& bar = s.app.Window.ScrollBar1;
        EXPECT_EQ(bar.Min, 691) << before;
        EXPECT_EQ(bar.Max, 799) << before;
        EXPECT_EQ(bar.Position, 750) << before;
        EXPECT_EQ(s.app.Sims.Get<RainbowState>().RayStep, 750) << before;
        EXPECT_EQ(bar.Hint, " Indfaldsparameter");
    }
}

TEST(ConfigureParameters, TrackBarRowsLabelsAndHints) {
    test::StartedApp s;
    const MainWindowModel& w = s.app.Window;
    s.app.MenuEntry(18);
    EXPECT_EQ(w.TrackBar1.Max, 5);
    EXPECT_EQ(w.TrackBar1.Position, 2);
    EXPECT_EQ(w.TrackBar1.Hint, " Skift spektralserie");
    EXPECT_TRUE(w.TrackBar1Caption.Visible);
    EXPECT_EQ(w.TrackBar1Caption.Caption, "serie");
    EXPECT_FALSE(w.LambdaMark.Visible);
    EXPECT_EQ(w.TrackBar2.Min, 0);
    EXPECT_EQ(w.TrackBar2.Max, 5);
    EXPECT_EQ(w.TrackBar2.Position, 1);
    EXPECT_EQ(w.TrackBar2Caption.Caption, "orden");
    EXPECT_EQ(w.ScrollBar1.Hint, " Gitterafstand");
    EXPECT_EQ(w.ScrollBar1Symbol.Caption, "d");

    s.app.MenuEntry(3);
    EXPECT_EQ(w.TrackBar2.Min, 5);
    EXPECT_EQ(w.TrackBar2.Max, 15);
    EXPECT_EQ(w.TrackBar2.Position, 10);
    EXPECT_EQ(w.TrackBar2.Hint, " Filmtykkelse");
    EXPECT_EQ(w.TrackBar2Caption.Caption, "<-d->");
    EXPECT_TRUE(w.LambdaMark.Visible);
    EXPECT_FALSE(w.TrackBar1Caption.Visible);

    s.app.State.CurrentColour = 6;
    s.app.MenuEntry(14);  // superposition starts at the last colour
    EXPECT_EQ(s.app.State.CurrentColour, 8);
    EXPECT_EQ(w.TrackBar1.Position, 8);
    EXPECT_EQ(w.ScrollBar1.Max, 200);
    EXPECT_EQ(w.ScrollBar1.Position, 200);
    EXPECT_EQ(w.ScrollBar1.Hint, " Udsving");

    s.app.Sims.Get<OpticsChoice>().Substance = 5;
    s.app.MenuEntry(25);
    EXPECT_EQ(w.TrackBar3.Position, 1);
    EXPECT_EQ(w.TrackBar4.Position, 5);

    s.app.MenuEntry(41);
    EXPECT_EQ(w.ScrollBar1.Hint, " Parameter");
    EXPECT_EQ(w.ScrollBar1.Min, 1);
    EXPECT_EQ(w.ScrollBar1.Max, 90);
    EXPECT_EQ(w.ScrollBar1.Position, 60);
}

TEST(ConfigureParameters, ReadOutsAreEmptiedAndTheColourShown) {
    test::StartedApp s;
    s.app.Window.Panel1 = "p: 0.5";
    s.app.Window.Panel2 = "v: 42";
    s.app.State.CurrentSimulation = 7;
    s.app.ConfigureParameters();
    EXPECT_EQ(s.app.Window.Panel1, "");
    EXPECT_EQ(s.app.Window.Panel2, "");
    EXPECT_EQ(s.app.Window.Panel3, "grøn: 546.1 nm");
    // No colour bar, no colour text (the simulation's own drawing may write Panel3 later).
    s.app.State.CurrentSimulation = 24;
    s.app.ConfigureParameters();
    EXPECT_EQ(s.app.Window.Panel3, "");
}

TEST_F(SetScrollRange, PositionNeverLeavesTheRange) {
    const RangeControl& bar = app.Window.ScrollBar1;
    const auto expectRange = [&](int lo, int hi, int pos) {
        EXPECT_EQ(bar.Min, lo);
        EXPECT_EQ(bar.Max, hi);
        EXPECT_EQ(bar.Position, pos);
    };
    app.SetScrollRange(0, 200, 150);  // growing
    expectRange(0, 200, 150);
    app.SetScrollRange(0, 60, 30);  // shrinking below the position
    expectRange(0, 60, 30);
    app.SetScrollRange(691, 799, 750);  // the new minimum lies above the old maximum
    expectRange(691, 799, 750);
    app.SetScrollRange(0, 25, 100);  // a position beyond the new maximum
    expectRange(0, 25, 25);
    app.SetScrollRange(10, 90, 3);
    expectRange(10, 90, 10);
    app.SetScrollRange(10, 5, 7);  // an empty range collapses onto its minimum
    expectRange(10, 10, 10);
}

TEST_F(ControlChange, HeldInsideTheRange) {
    s.app.MenuEntry(7);
    s.app.ControlChange(Control::TrackBar1, 12);
    EXPECT_EQ(s.app.Window.TrackBar1.Position, 8);
    s.app.ControlChange(Control::TrackBar1, -3);
    EXPECT_EQ(s.app.Window.TrackBar1.Position, 1);
    s.app.ControlChange(Control::ScrollBar1, 40);
    EXPECT_EQ(s.app.Window.ScrollBar1.Position, 40);
}

TEST_F(ControlChange, NothingIsDrawnWhileConfiguring) {
    app.MenuEntry(7);
    app.Window.Configuring = true;
    for (Control c :
         {Control::ScrollBar1, Control::ScrollBar2, Control::ScrollBar3, Control::TrackBar1,
          Control::TrackBar2, Control::TrackBar3, Control::TrackBar4}) {
        EXPECT_FALSE(ReachesDispatcher(app, [&] { app.ControlChange(c, 1); }));
    }
    EXPECT_EQ(app.Window.ScrollBar1.Position, 1);  // the position is taken all the same
    app.Window.Configuring = false;
    EXPECT_TRUE(ReachesDispatcher(app, [&] { app.ControlChange(Control::ScrollBar1, 20); }));
}

TEST_F(ControlChange, EachControlSendsItsOwnEvent) {
    EXPECT_EQ(static_cast<int>(EventOf(Control::ScrollBar1)), 33);
    EXPECT_EQ(static_cast<int>(EventOf(Control::TrackBar1)), 34);
    EXPECT_EQ(static_cast<int>(EventOf(Control::TrackBar2)), 35);
    EXPECT_EQ(static_cast<int>(EventOf(Control::ScrollBar2)), 38);
    EXPECT_EQ(static_cast<int>(EventOf(Control::ScrollBar3)), 39);
    EXPECT_EQ(static_cast<int>(EventOf(Control::TrackBar3)), 40);
    EXPECT_EQ(static_cast<int>(EventOf(Control::TrackBar4)), 41);
}

TEST_F(ControlChange, ColourTextFollowsTrackBar1ExceptWhereTheSimulationWritesItsOwn) {
    app.MenuEntry(7);
    app.Window.Panel3.clear();
    app.ControlChange(Control::TrackBar1, 4);
    EXPECT_EQ(app.Window.Panel3, "grøn: 546.1 nm");
    app.State.CurrentColour = 1;
    app.ControlChange(Control::TrackBar1, 1);
    EXPECT_EQ(app.Window.Panel3, "violet: 404.7 nm");

    for (std::uint16_t n : {26, 36, 41}) {
        app.MenuEntry(n);
        app.Window.Panel3 = "stof: 1.52";
        app.ControlChange(Control::TrackBar1, 2);
        // Left alone, or rewritten by the simulation itself: never the colour text.
        EXPECT_NE(app.Window.Panel3, app.ColourText()) << n;
    }
    // The superposition writes its own read-out there, not the colour.
    app.MenuEntry(14);
    app.Window.Panel3 = "stof: 1.52";
    app.ControlChange(Control::TrackBar1, 2);
    EXPECT_NE(app.Window.Panel3, "stof: 1.52");
    EXPECT_NE(app.Window.Panel3, app.ColourText());
    // Other controls leave Panel3 alone.
    app.MenuEntry(7);
    app.Window.Panel3 = "x";
    app.ControlChange(Control::ScrollBar1, 10);
    EXPECT_EQ(app.Window.Panel3, "x");
}

TEST_F(FKeys, AnUnusedKeyLeavesItsButtonUp) {
    app.MenuEntry(3);                 // F2 and F3 only
    app.Window.F5Button.Down = true;  // the view pressed it
    EXPECT_TRUE(ReachesDispatcher(app, [&] { app.FKeyClick(FKey::F5); }));
    EXPECT_FALSE(app.State.ShowRedRay);
    EXPECT_FALSE(app.Window.F5Button.Down);
}

TEST_F(FKeys, ButtonFollowsTheToggleTheSimulationLeaves) {
    app.MenuEntry(7);  // the drop flips F6
    app.FKeyClick(FKey::F6);
    EXPECT_TRUE(app.State.ShowRays);
    EXPECT_TRUE(app.Window.F6Button.Down);
    app.FKeyClick(FKey::F6);
    EXPECT_FALSE(app.Window.F6Button.Down);
}

TEST_F(FKeys, SuperpositionAndReflectionStartWithTheirKeysDown) {
    app.MenuEntry(14);
    EXPECT_TRUE(app.State.ShowNormals);
    EXPECT_TRUE(app.State.ShowAxes);
    EXPECT_FALSE(w.F2Button.Down);
    EXPECT_TRUE(w.F3Button.Down);
    EXPECT_TRUE(w.F4Button.Down);
    EXPECT_FALSE(w.F5Button.Down);

    app.MenuEntry(15);
    EXPECT_FALSE(app.State.ShowNormals);
    EXPECT_TRUE(app.State.ShowAxes);
    EXPECT_FALSE(w.F3Button.Down);
    EXPECT_TRUE(w.F4Button.Down);

    app.State.ShowMarks = app.State.ShowRedRay = app.State.ShowRays = true;
    app.MenuEntry(7);
    for (FKey k : {FKey::F2, FKey::F3, FKey::F4, FKey::F5, FKey::F6})
        EXPECT_FALSE(app.Window.Of(k).Down);
    EXPECT_FALSE(app.State.ShowMarks || app.State.ShowNormals || app.State.ShowAxes ||
                 app.State.ShowRedRay || app.State.ShowRays);
}

TEST_F(FKeys, CaptionsHintsAndMenuCaptions) {
    app.MenuEntry(24);
    EXPECT_EQ(w.F2Button.Caption, "a, b, F2");
    EXPECT_EQ(w.F3Button.Caption, "|| , F3");
    EXPECT_EQ(w.F3Button.Hint, " Stråle parallel med akse");
    EXPECT_EQ(w.F5Button.Hint, " Stråle gennem brændpunkt f");
    EXPECT_EQ(w.NormalsItem.Caption, "&Parallel stråle");
    EXPECT_EQ(w.RedRayItem.Caption, "&Brændpunktstråle");

    app.MenuEntry(9);  // F2 back to its default; F3 and F4 kept
    EXPECT_EQ(w.F2Button.Caption, "Mærke, F2");
    EXPECT_EQ(w.F2Button.Hint, " Hjælpebuer, streger");
    EXPECT_EQ(w.F3Button.Caption, "|| , F3");
    EXPECT_EQ(w.F5Button.Caption, "Sum, F5");
    EXPECT_EQ(w.RedRayItem.Caption, "&Sum, alle farver");
    EXPECT_EQ(w.RaysItem.Caption, "Korrigeret &Farve");
    EXPECT_EQ(w.HelperMarksItem.Caption, "&Hjælpemærker");

    app.MenuEntry(41);  // the ice crystal's face normals
    EXPECT_TRUE(w.F3Button.Visible);
    EXPECT_EQ(w.F3Button.Caption, "Lodder, F3");
    EXPECT_EQ(w.F3Button.Hint, " Tegn indfaldslodder");
    EXPECT_EQ(w.NormalsItem.Caption, "&Indfaldslodder");
}

TEST_F(OnViewMenuOpened, ChecksAndEnablesTheItems) {
    app.MenuEntry(36);
    app.RunButtonClick();
    app.State.ShowRedRay = true;
    app.Memo.Visible = true;
    app.OnViewMenuOpened();
    EXPECT_TRUE(w.RunItem.Enabled);
    EXPECT_TRUE(w.RunItem.Checked);
    EXPECT_FALSE(w.StepItem.Enabled);
    EXPECT_FALSE(w.SlowMotionItem.Enabled);
    EXPECT_TRUE(w.HelperMarksItem.Enabled);
    EXPECT_FALSE(w.NormalsItem.Enabled);
    EXPECT_FALSE(w.AxesItem.Enabled);
    EXPECT_TRUE(w.RedRayItem.Enabled);
    EXPECT_TRUE(w.RedRayItem.Checked);
    EXPECT_FALSE(w.RaysItem.Checked);
    EXPECT_TRUE(w.ShowMemoItem.Checked);
    EXPECT_FALSE(w.ShowTableItem.Checked);

    app.MenuEntry(5);
    app.SlowMotionButtonClick();
    app.OnViewMenuOpened();
    EXPECT_TRUE(w.StepItem.Enabled);
    EXPECT_TRUE(w.SlowMotionItem.Enabled);
    EXPECT_TRUE(w.SlowMotionItem.Checked);
    EXPECT_FALSE(w.RunItem.Checked);

    app.MenuEntry(20);
    app.OnViewMenuOpened();
    EXPECT_FALSE(w.RunItem.Enabled);
    EXPECT_FALSE(w.StepItem.Enabled);
    EXPECT_FALSE(w.HelperMarksItem.Enabled);
}

TEST_F(ImageMouse, PointerReadOutOnlyWhileTheClockStands) {
    app.MenuEntry(14);
    app.Map.WorldXMin = -10;
    app.Map.WorldXMax = 10;
    app.Map.WorldYMin = -5;
    app.Map.WorldYMax = 5;
    s.host.pointer.origin = {100, 50};
    s.host.pointer.cursor = {100, 50};
    app.Window.MessagePanel = "";

    app.RunButtonClick();
    ASSERT_TRUE(app.Window.Clock.Enabled);
    app.ImageMouseMove();
    EXPECT_EQ(app.Window.MessagePanel, "");

    app.RunButtonClick();
    app.ImageMouseMove();
    EXPECT_EQ(app.Window.MessagePanel, "(-10.00; 5.00)");

    app.MenuEntry(7);  // no read-out in the drop
    app.Window.MessagePanel = "";
    app.ImageMouseMove();
    EXPECT_EQ(app.Window.MessagePanel, "");
}

TEST_F(ImageMouse, ClickStepsOnlyTheAfterImage) {
    app.MenuEntry(21);
    EXPECT_TRUE(ReachesDispatcher(app, [&] { app.ImageMouseDown(); }));
    app.MenuEntry(7);
    EXPECT_FALSE(ReachesDispatcher(app, [&] { app.ImageMouseDown(); }));
}

TEST_F(MemoSync, ChoosingASimulationSelectsItsGuidance) {
    app.Memo.Visible = true;
    app.Memo.Text = U"Brydning i vand: ... Spredning i en dråbe ... Spredning i en dråbe: her";
    app.MenuEntry(7);
    EXPECT_EQ(app.Memo.SelStart, 46);
    EXPECT_EQ(app.Memo.SelLength, 20);
    const int requests = app.Memo.SelectionRequests;

    app.MenuEntry(38);  // no guidance for it: the selection stays
    EXPECT_EQ(app.Memo.SelectionRequests, requests);
    EXPECT_EQ(app.Memo.SelStart, 46);

    app.Memo.Visible = false;
    app.MenuEntry(2);
    EXPECT_EQ(app.Memo.SelectionRequests, requests);
}

}  // namespace
}  // namespace viv
