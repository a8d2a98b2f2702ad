// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The animation clock: Clock sends one tick to the current simulation every interval;
// "Kør" starts and stops it, "Frem" advances one frame, slow motion slows it to five
// pictures a second.
#include "app/app.h"
#include "app/catalogue.h"
#include "app/events.h"

namespace viv {

namespace {
constexpr int kNormalInterval = 30;       // ms, about 20 pictures a second
constexpr int kSlowMotionInterval = 200;  // ms, 5 pictures a second

bool Animated(const MainWindowModel& w) {
    return Shows(w.ShownButtons, Buttons::Clock);
}
}  // namespace

void App::OnClockTick() {
    // A tick still queued when the clock was stopped is dropped.
    if (!Window.Clock.Enabled || !Image) return;
    // A figure the clock moves waits while the mouse holds it.
    if (held_ != nullptr && held_->MovedByClock) return;
    DrawSimulation(Event::Tick, false, *Image);
}

void App::RunButtonClick() {
    // Only an animated simulation starts the clock; stopping always works.
    Window.Clock.Enabled = !Window.Clock.Enabled && Animated(Window);
    Window.RunButton.Down = Window.Clock.Enabled;
    SyncViewMenu();
}

void App::StepButtonClick() {
    // A simulation without "Frem" takes no step either.
    const CatalogueEntry* row = catalogue_.Find(State.CurrentSimulation);
    if (!Animated(Window) || (row != nullptr && !row->StepButton) || !Image) return;
    DrawSimulation(Event::Step, false, *Image);
}

void App::SlowMotionButtonClick() {
    Window.Clock.Interval =
        Window.Clock.Interval == kSlowMotionInterval ? kNormalInterval : kSlowMotionInterval;
    Window.SlowMotionButton.Down = Window.Clock.Interval == kSlowMotionInterval;
    SyncViewMenu();
}

}  // namespace viv
