// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Reading the results table and the status panels of a simulation under test.
#pragma once

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>

#include "app/app.h"

namespace viv::test {

// A cell's number, read whatever the system's decimal separator.
inline double Number(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    double value = std::nan("");
    if (first != std::string::npos)
        std::from_chars(text.data() + first, text.data() + text.size(), value);
    return value;
}

// No cell and no panel shows a number that is none.
inline void ExpectNoNan(const App& app) {
    for (int row = 0; row < app.Table.RowCount(); ++row)
        for (int col = 0; col < app.Table.ColCount(); ++col) {
            const std::string& cell = app.Table.Cell(col, row);
            EXPECT_EQ(cell.find("nan"), std::string::npos) << col << "," << row << ": " << cell;
            EXPECT_EQ(cell.find("inf"), std::string::npos) << col << "," << row << ": " << cell;
        }
    for (const std::string* panel : {&app.Window.Panel1, &app.Window.Panel2, &app.Window.Panel3})
        EXPECT_EQ(panel->find("nan"), std::string::npos) << *panel;
}

}  // namespace viv::test
