// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Vinkelret refleksion og transmission": a wave train in air meets the plane surface of
// a substance at right angles; the reflected and the transmitted waves and their
// superposition in air are animated.
#pragma once

#include <cstdint>
#include <vector>

#include "app/scene.h"
#include "library/canvas.h"
#include "library/world.h"

namespace viv {

// The waves at time step T: each a list of world points, the amplitude in world units.
// A list with fewer than two points is not drawn.
struct ReflectionWaves {
    double Index = 1;                     // n of the substance at 486.1 nm
    double Reflection = 0;                // amplitude reflection coefficient r = (n - 1) / (n + 1)
    std::vector<WorldPoint> Incident;     // in air, up to the surface, as far as the train has come
    std::vector<WorldPoint> Reflected;    // in air, travelling back, inverted and r times as high
    std::vector<WorldPoint> Transmitted;  // in the substance, 1 - r times as high, n times shorter
    std::vector<WorldPoint> Superposition;  // in air, incident plus reflected, where both exist
};

// `amplitude` world units, the train advanced `step` points of 0.1 world units from the
// left edge, substance `substance` (1..8).
ReflectionWaves NormalReflectionWaves(double amplitude, int step, int substance);

// The drawing routine: events 32 (full redraw), 33 (ScrollBar1, the amplitude), 34
// (TrackBar1, the substance), 36 and 37 (the train moves on), 113 (F2, two wavelengths
// in each medium) and 115 (F4, the incident and the reflected wave drawn apart).
void DrawNormalReflection(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The menu entry's start: amplitude 2.
void SetReflectionStartValues(Scene& scene);

}  // namespace viv
