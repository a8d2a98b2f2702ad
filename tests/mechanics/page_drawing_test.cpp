// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The spring, the waves on a string, the standing waves, the sonar and the water waves
// drawn on a printed page: the screen picture, the read-outs and the state come back as
// they were, and the animation goes on cleanly.
#include <gtest/gtest.h>

#include <string>

#include "app/events.h"
#include "mechanics_checks.h"

namespace viv {
namespace {

TEST(MechanicsOnAPage, PageLeavesTheScreenPictureAndTheReadOutsAlone) {
    for (const std::uint16_t n : {36, 37, 38, 39, 40}) {
        SCOPED_TRACE("simulation " + std::to_string(n));
        test::StartedApp started;
        App& app = started.app;
        app.MenuEntry(n);
        for (const FKey key : {FKey::F2, FKey::F4, FKey::F5, FKey::F6})
            if (app.Window.Of(key).Visible) app.FKeyClick(key);
        app.RunButtonClick();
        const auto tick = [&] {
            started.host.now += 30;
            app.OnClockTick();
        };
        for (int k = 0; k < 23; ++k) tick();
        const QImage before = started.picture().Image().copy();
        const std::string panels =
            app.Window.Panel1 + "|" + app.Window.Panel2 + "|" + app.Window.Panel3;
        const std::string cells =
            app.Table.Cell(1, 1) + "|" + app.Table.Cell(1, 4) + "|" + app.Table.Cell(1, 5);
        const int step = app.State.AnimationStep;

        // As the printer does it: the page's size, margins and pens, then back.
        World& map = app.Map;
        const World screen = map;
        test::ExpectDrawnOnPage(app, 0, 2800);
        EXPECT_EQ(map.PictureMarginX, 0);
        EXPECT_EQ(map.PictureMarginY, 0);
        map = screen;
        app.RedrawPicture();

        test::ExpectSamePicture(started.picture().Image().copy(), before,
                                "mechanics-page-" + std::to_string(n));
        EXPECT_EQ(app.Window.Panel1 + "|" + app.Window.Panel2 + "|" + app.Window.Panel3, panels);
        EXPECT_EQ(app.Table.Cell(1, 1) + "|" + app.Table.Cell(1, 4) + "|" + app.Table.Cell(1, 5),
                  cells);
        EXPECT_EQ(app.State.AnimationStep, step);
        for (int k = 0; k < 11; ++k) tick();
        const QImage later = started.picture().Image().copy();
        test::ExpectSamePicture(later, test::Redrawn(started),
                                "mechanics-page-then-ticks-" + std::to_string(n));
    }
}

}  // namespace
}  // namespace viv
