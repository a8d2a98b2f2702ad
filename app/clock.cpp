// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The animation clock: Timer1 sends one tick to the current simulation every interval;
// "Kør" starts and stops it, "Frem" advances one frame, slow motion slows it to five
// pictures a second.
#include "app/app.h"
#include "app/catalogue.h"
#include "app/control_tables.h"
#include "app/events.h"

namespace viv {

namespace {
constexpr int kNormalInterval = 30;       // ms, about 20 pictures a second
constexpr int kSlowMotionInterval = 200;  // ms, 5 pictures a second

bool Animated(const MainWindowModel& w) {
    return (w.ButtonMask & TimerButtonsBit) == TimerButtonsBit;
}
}  // namespace

void App::Timer1Timer() {
    // A tick still queued when the clock was stopped is dropped.
    if (!Window.Timer1.Enabled || !Image) return;
    // A figure the clock moves waits while the mouse holds it.
    if (held_ != nullptr && held_->MovedByClock) return;
    DrawSimulation(evTick, false, *Image);
}

void App::TimerButtonClick() {
    // Only an animated simulation starts the clock; stopping always works.
    Window.Timer1.Enabled = !Window.Timer1.Enabled && Animated(Window);
    Window.TimerButton.Down = Window.Timer1.Enabled;
    SyncViewMenu();
}

void App::FremButtonClick() {
    if (!Animated(Window) || NoStepSims.Has(State.CurrentSimulation) || !Image) return;
    DrawSimulation(evStep, false, *Image);
}

void App::HalvFartButtonClick() {
    Window.Timer1.Interval =
        Window.Timer1.Interval == kSlowMotionInterval ? kNormalInterval : kSlowMotionInterval;
    Window.HalvFartButton.Down = Window.Timer1.Interval == kSlowMotionInterval;
    SyncViewMenu();
}

}  // namespace viv
