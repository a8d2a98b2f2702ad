// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Vandbølger": deep-water waves, in which every particle of water goes round a circle
// and each particle is a fixed phase behind its neighbour; the picture says that it is
// still being worked on.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

// Point i (0 .. 64) of the water surface when the particles are `phaseDifference`
// radians apart (every eighth point is a particle) and the circles have turned to psi.
struct SurfacePoint {
    double x = 0, y = 0;
};
SurfacePoint WaterSurfacePoint(int i, double phaseDifference, double psi);

// The drawing routine: events 32 (full redraw), 33 (ScrollBar1, the speed), 35
// (TrackBar2, the phase difference), 36 and 37 (the circles turn on), 113 (F2, the phase
// marks) and 114 (F3, the particles as balls).
void DrawWaterWaves(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The menu entry's start: the particles a quarter of a half turn apart, speed 10.
void SetWaterWavesStartValues(SetupScene& scene);

}  // namespace viv
