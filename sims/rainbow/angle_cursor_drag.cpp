// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/angle_cursor_drag.h"

#include "app/drag.h"
#include "sims/rainbow/bow_statistics.h"

namespace viv {

namespace {
constexpr double CursorHalfWidth = 4;  // degrees, the cross's arms as drawn
}  // namespace

bool GripsAngleCursor(Scene& scene, TPoint p, double halfHeight) {
    const BowStatistics& st = BowStatsOf(scene);
    const double x = st.CursorX, h = st.CursorY;
    return GripsSegment(scene, p, {x - CursorHalfWidth, h}, {x + CursorHalfWidth, h}) ||
           GripsSegment(scene, p, {x, h - halfHeight}, {x, h + halfHeight});
}

double AngleCursorPositionAt(Scene& scene, WorldPoint w) {
    const double shift = BowStatsOf(scene).CursorX - scene.State.ScatterAngle;
    return scene.Controls.ScrollBar1.Max + 1 - (w.x - shift);
}

}  // namespace viv
