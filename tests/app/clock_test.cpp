// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The animation clock: run and stop, single steps and slow motion.
#include <gtest/gtest.h>

#include "dispatch_probe.h"
#include "test_host.h"

namespace viv {
namespace {

using test::ReachesDispatcher;

// The clock runs, and the run button is down, or neither.
void ExpectRunning(const App& app, bool running) {
    EXPECT_EQ(app.Window.Clock.Enabled, running);
    EXPECT_EQ(app.Window.RunButton.Down, running);
}

TEST(Clock, RunAndStopFollowTheButton) {
    test::StartedApp s;
    App& app = s.app;
    app.MenuEntry(16);
    EXPECT_FALSE(app.Window.Clock.Enabled);
    EXPECT_FALSE(ReachesDispatcher(app, [&] { app.OnClockTick(); }));  // a stale tick

    app.RunButtonClick();
    ExpectRunning(app, true);
    EXPECT_TRUE(ReachesDispatcher(app, [&] { app.OnClockTick(); }));

    app.RunButtonClick();
    ExpectRunning(app, false);
}

TEST(Clock, ChoosingASimulationStopsIt) {
    test::StartedApp s;
    App& app = s.app;
    app.MenuEntry(37);
    app.RunButtonClick();
    ASSERT_TRUE(app.Window.Clock.Enabled);
    app.MenuEntry(38);
    ExpectRunning(app, false);
    EXPECT_TRUE(app.Window.RunButton.Visible);
}

TEST(Clock, StepWorksWhetherRunningOrNot) {
    test::StartedApp s;
    App& app = s.app;
    app.MenuEntry(19);
    EXPECT_TRUE(ReachesDispatcher(app, [&] { app.StepButtonClick(); }));
    app.RunButtonClick();
    EXPECT_TRUE(ReachesDispatcher(app, [&] { app.StepButtonClick(); }));
    EXPECT_TRUE(app.Window.Clock.Enabled);  // a step between two ticks leaves it running
}

TEST(Clock, OnlyAnimatedSimulationsRunOrStep) {
    test::StartedApp s;
    App& app = s.app;
    app.MenuEntry(21);  // a click there is a step: a running clock would step it on its own
    app.RunButtonClick();
    ExpectRunning(app, false);
    EXPECT_FALSE(ReachesDispatcher(app, [&] { app.StepButtonClick(); }));

    app.MenuEntry(36);  // the spring follows real time: it runs but takes no single steps
    EXPECT_FALSE(ReachesDispatcher(app, [&] { app.StepButtonClick(); }));
    app.RunButtonClick();
    EXPECT_TRUE(app.Window.Clock.Enabled);
}

TEST(Clock, SlowMotionTogglesAndSurvivesAChangeOfSimulation) {
    test::StartedApp s;
    App& app = s.app;
    app.MenuEntry(14);
    EXPECT_EQ(app.Window.Clock.Interval, 20);
    app.SlowMotionButtonClick();
    EXPECT_EQ(app.Window.Clock.Interval, 200);
    EXPECT_TRUE(app.Window.SlowMotionButton.Down);
    app.SlowMotionButtonClick();
    EXPECT_EQ(app.Window.Clock.Interval, 30);
    EXPECT_FALSE(app.Window.SlowMotionButton.Down);

    app.SlowMotionButtonClick();
    app.RunButtonClick();
    app.MenuEntry(15);
    EXPECT_EQ(app.Window.Clock.Interval, 200);
    app.RunButtonClick();
    EXPECT_EQ(app.Window.Clock.Interval, 200);
}

}  // namespace
}  // namespace viv
