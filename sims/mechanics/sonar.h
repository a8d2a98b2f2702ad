// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Sonar": a sound pulse leaves a transmitter, is thrown back by a target at distance D
// and comes back; when the echo arrives the distance it gives is read out. World units of
// kilometres.
#pragma once

#include <cstdint>
#include <vector>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

// Where the pulse's six fronts are drawn when its leading front has gone s km towards a
// target at D km: fronts past the target come back, fronts not yet out are left out.
std::vector<double> SonarFronts(double s, double target);

// The drawing routine: events 32 (full redraw), 33 (ScrollBar1, the target's distance),
// 34 (TrackBar1, the speed of sound), 36 and 37 (the pulse moves on), 113 (F2) and 117
// (F6, the scale).
void DrawSonar(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The menu entry's start: the pulse at the transmitter, sound at 1450 m/s, the target 1 km
// away.
void SetSonarStartValues(SetupScene& scene);

}  // namespace viv
