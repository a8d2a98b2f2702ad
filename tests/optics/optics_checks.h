// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Checks shared by the tests of the prism, lens and mirror simulations.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <initializer_list>
#include <string>

#include "app/app.h"
#include "library/canvas.h"
#include "picture_checks.h"
#include "rainbow/cell_checks.h"
#include "test_host.h"

namespace viv::test {

// The fixture of the optics tests: a started program, its picture, a full redraw, the
// table's cells and counts of pixels.
template <class Base = ::testing::Test>
class OpticsFixture : public Base {
protected:
    const QImage& Picture() { return started.picture().Image(); }
    QImage Redrawn() { return test::Redrawn(started); }
    const std::string& Cell(int col, int row) { return app.Table.Cell(col, row); }
    void ExpectNoNan() { test::ExpectNoNan(app); }

    // Pixels of `colour` in the columns left .. right - 1 and the rows top .. bottom - 1.
    int CountIn(TColor colour, int left, int top, int right, int bottom) {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (started.picture().GetPixel(x, y) == colour) ++count;
        return count;
    }

    StartedApp started;
    App& app = started.app;
};

// Each key pressed twice leaves the picture as it was; the first press changes it, unless
// the key is one of `mayKeep` (a figure the current state does not show).
inline void ExpectTogglesTwiceRestore(StartedApp& started, std::initializer_list<FKey> keys,
                                      const std::string& name,
                                      std::initializer_list<FKey> mayKeep = {}) {
    for (FKey key : keys) {
        const QImage before = started.picture().Image().copy();
        started.app.FKeyClick(key);
        if (std::find(mayKeep.begin(), mayKeep.end(), key) == mayKeep.end()) {
            EXPECT_NE(started.picture().Image(), before)
                << name << " F" << static_cast<int>(key) + 2;
        }
        started.app.FKeyClick(key);
        ExpectSamePicture(started.picture().Image().copy(), before,
                          name + "-toggle-" + std::to_string(static_cast<int>(key) + 2));
    }
}

// One cell of the results table and the text it shows.
struct CellText {
    int Col = 0, Row = 0;
    std::string Text;
};

// Each listed cell shows its text.
inline void ExpectCells(const App& app, std::initializer_list<CellText> cells) {
    for (const CellText& c : cells)
        EXPECT_EQ(app.Table.Cell(c.Col, c.Row), c.Text) << "cell " << c.Col << "," << c.Row;
}

// The three status panels show these texts.
inline void ExpectPanels(const App& app, const std::string& panel1, const std::string& panel2,
                         const std::string& panel3) {
    EXPECT_EQ(app.Window.Panel1, panel1);
    EXPECT_EQ(app.Window.Panel2, panel2);
    EXPECT_EQ(app.Window.Panel3, panel3);
}

}  // namespace viv::test
