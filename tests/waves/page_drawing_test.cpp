// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The thin film, the reflection, the superposition and the Doppler effect drawn on a
// printed page: the page shows the same scene at its own scale, and the screen picture
// and the simulations' state are as before.
#include <gtest/gtest.h>

#include <string>

#include "app/events.h"
#include "motion_checks.h"
#include "sims/waves/waves_motion_state.h"

namespace viv {
namespace {

TEST(WavesMotionOnAPage, PageKeepsTheSceneAndTheScreenPictureComesBack) {
    for (const std::uint16_t n : {3, 14, 15, 19}) {
        SCOPED_TRACE("simulation " + std::to_string(n));
        test::StartedApp started;
        App& app = started.app;
        Scene scene{app};
        app.MenuEntry(n);
        app.FKeyClick(FKey::F2);
        if (n == 19) app.ControlChange(Control::ScrollBar1, 12);
        for (int k = 0; k < 37; ++k) app.StepButtonClick();
        const QImage before = started.picture().Image().copy();
        const std::string panels =
            app.Window.Panel1 + "|" + app.Window.Panel2 + "|" + app.Window.Panel3;
        const WavesMotionState state = WavesMotionOf(scene);
        const int step = app.State.AnimationStep;

        // As the printer does it: the page's size, margins and pens, then back.
        World& map = app.Map;
        const World screen = map;
        test::ExpectDrawnOnPage(app, 200 - 2400, 200 + 2 * 2400);  // nowhere wild
        map.PictureWidth = screen.PictureWidth;
        map.PictureHeight = screen.PictureHeight;
        map.PrintOffsetX = map.PrintOffsetY = 0;
        map.PenWidth = screen.PenWidth;
        map.BoldPenWidth = screen.BoldPenWidth;
        app.RedrawPicture();

        test::ExpectSamePicture(started.picture().Image().copy(), before,
                                "page-" + std::to_string(n));
        EXPECT_EQ(app.Window.Panel1 + "|" + app.Window.Panel2 + "|" + app.Window.Panel3, panels);
        EXPECT_EQ(app.State.AnimationStep, step);
        EXPECT_EQ(WavesMotionOf(scene).PeriodPixels, state.PeriodPixels);
        EXPECT_DOUBLE_EQ(WavesMotionOf(scene).SourceX, state.SourceX);
        // And the animation goes on cleanly from there.
        for (int k = 0; k < 11; ++k) app.StepButtonClick();
        const QImage later = started.picture().Image().copy();
        test::ExpectSamePicture(later, test::Redrawn(started),
                                "page-then-ticks-" + std::to_string(n));
    }
}

}  // namespace
}  // namespace viv
