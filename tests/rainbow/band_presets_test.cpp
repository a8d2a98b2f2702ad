// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Alexander's band with the guide angles on: after a full redraw the scroll bar steps
// through the crossings of the current bow's curve, never those of the other bow.
#include <gtest/gtest.h>

#include "app/app.h"
#include "sims/rainbow/rainbow_state.h"
#include "test_host.h"

namespace viv {
namespace {

TEST(BandPresets, AFullRedrawKeepsTheStepsOnTheCurrentBow) {
    for (const int bow : {1, 2}) {
        test::StartedApp s;
        App& app = s.app;
        Scene scene{app};
        app.MenuEntry(8);
        app.ControlChange(Control::TrackBar2, bow);
        app.FKeyClick(FKey::F2);
        ASSERT_TRUE(app.State.ShowMarks);
        app.RedrawPicture();  // as a resize or a print would
        const int first = bow == 2 ? 5 : 1, last = bow == 2 ? 7 : 4;
        const RainbowState& rs = RainbowOf(scene);
        for (int step = 0; step < 8; ++step) {
            const RangeControl& bar = app.Window.ScrollBar1;
            app.ControlChange(Control::ScrollBar1,
                              bar.Position == bar.Max ? bar.Min : bar.Position + 1);
            EXPECT_GE(rs.PresetIndex, first) << "bow " << bow << " step " << step;
            EXPECT_LE(rs.PresetIndex, last) << "bow " << bow << " step " << step;
            EXPECT_DOUBLE_EQ(rs.RayParameter,
                             rs.PresetParameter[static_cast<std::size_t>(rs.PresetIndex)]);
        }
    }
}

}  // namespace
}  // namespace viv
