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

TEST(Clock, RunAndStopFollowTheButton) {
    test::StartedApp s;
    App& app = s.app;
    app.MenuEntry(16);
    EXPECT_FALSE(app.Window.Timer1.Enabled);
    EXPECT_FALSE(ReachesDispatcher(app, [&] { app.Timer1Timer(); }));  // a stale tick

    app.TimerButtonClick();
    EXPECT_TRUE(app.Window.Timer1.Enabled);
    EXPECT_TRUE(app.Window.TimerButton.Down);
    EXPECT_TRUE(ReachesDispatcher(app, [&] { app.Timer1Timer(); }));

    app.TimerButtonClick();
    EXPECT_FALSE(app.Window.Timer1.Enabled);
    EXPECT_FALSE(app.Window.TimerButton.Down);
}

TEST(Clock, ChoosingASimulationStopsIt) {
    test::StartedApp s;
    App& app = s.app;
    app.MenuEntry(37);
    app.TimerButtonClick();
    ASSERT_TRUE(app.Window.Timer1.Enabled);
    app.MenuEntry(38);
    EXPECT_FALSE(app.Window.Timer1.Enabled);
    EXPECT_FALSE(app.Window.TimerButton.Down);
    EXPECT_TRUE(app.Window.TimerButton.Visible);
}

TEST(Clock, StepWorksWhetherRunningOrNot) {
    test::StartedApp s;
    App& app = s.app;
    app.MenuEntry(19);
    EXPECT_TRUE(ReachesDispatcher(app, [&] { app.FremButtonClick(); }));
    app.TimerButtonClick();
    EXPECT_TRUE(ReachesDispatcher(app, [&] { app.FremButtonClick(); }));
    EXPECT_TRUE(app.Window.Timer1.Enabled);  // a step between two ticks leaves it running
}

TEST(Clock, OnlyAnimatedSimulationsRunOrStep) {
    test::StartedApp s;
    App& app = s.app;
    app.MenuEntry(21);  // a click there is a step: a running clock would step it on its own
    app.TimerButtonClick();
    EXPECT_FALSE(app.Window.Timer1.Enabled);
    EXPECT_FALSE(app.Window.TimerButton.Down);
    EXPECT_FALSE(ReachesDispatcher(app, [&] { app.FremButtonClick(); }));

    app.MenuEntry(36);  // the spring follows real time: it runs but takes no single steps
    EXPECT_FALSE(ReachesDispatcher(app, [&] { app.FremButtonClick(); }));
    app.TimerButtonClick();
    EXPECT_TRUE(app.Window.Timer1.Enabled);
}

TEST(Clock, SlowMotionTogglesAndSurvivesAChangeOfSimulation) {
    test::StartedApp s;
    App& app = s.app;
    app.MenuEntry(14);
    EXPECT_EQ(app.Window.Timer1.Interval, 20);
    app.HalvFartButtonClick();
    EXPECT_EQ(app.Window.Timer1.Interval, 200);
    EXPECT_TRUE(app.Window.HalvFartButton.Down);
    app.HalvFartButtonClick();
    EXPECT_EQ(app.Window.Timer1.Interval, 30);
    EXPECT_FALSE(app.Window.HalvFartButton.Down);

    app.HalvFartButtonClick();
    app.TimerButtonClick();
    app.MenuEntry(15);
    EXPECT_EQ(app.Window.Timer1.Interval, 200);
    app.TimerButtonClick();
    EXPECT_EQ(app.Window.Timer1.Interval, 200);
}

}  // namespace
}  // namespace viv
