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
#include "app/scene.h"
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
    Scene scene{app};
};

}  // namespace viv::test
