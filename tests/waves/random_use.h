// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What the random-use checks of the waves' and the mechanics' tests share: a control moved
// to a random place, and no read-out showing "nan" or "inf".
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "app/app.h"

namespace viv::test {

// Moves `control` to a random place of its range and notes the change in `events`.
inline void MoveToRandomPlace(App& app, std::mt19937& random, Control control,
                              std::string& events) {
    const RangeControl& range = app.Window.Of(control);
    const int position =
        range.Min +
        static_cast<int>(random() % static_cast<std::uint32_t>(range.Max - range.Min + 1));
    app.ControlChange(control, position);
    events +=
        " control" + std::to_string(static_cast<int>(control)) + "=" + std::to_string(position);
}

// No cell of the table and no status panel holds a NaN or an infinity.
inline void ExpectNoNanShown(App& app, const std::string& where = {}) {
    const auto bad = [](const std::string& text) {
        return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
    };
    for (int r = 0; r < app.Table.RowCount(); ++r)
        for (int c = 0; c < app.Table.ColCount(); ++c)
            EXPECT_FALSE(bad(app.Table.Cell(c, r))) << where << ": cell " << c << "," << r;
    for (const std::string* panel :
         {&app.Window.Panel1, &app.Window.Panel2, &app.Window.Panel3, &app.Window.MessagePanel})
        EXPECT_FALSE(bad(*panel)) << where << ": panel " << *panel;
}

}  // namespace viv::test
