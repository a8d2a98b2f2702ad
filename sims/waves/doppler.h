// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Dopplereffekt": a point source moving along the x axis sends out circular wave
// fronts; the relative frequency in front of and behind the source is shown, and above
// the wave speed the cone of the fronts and its opening angle.
#pragma once

#include <cstdint>
#include <optional>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

// What the observers in front (to the right) and behind (to the left) of the source
// hear, for a source speed `speed` and a wave speed `period`, both in pixels per period.
struct DopplerReading {
    double RelativeSpeed = 0;  // V = v / P
    bool Supersonic = false;   // |v| > P: the fronts pile up into a cone
    // f'/f = P / (P - v) in front and P / (P + v) behind; none where the source keeps
    // pace with its own fronts and the fronts never part.
    std::optional<double> InFront, Behind;
    double ConeAngle = 0;  // above the wave speed: the opening angle 2 arcsin(P / |v|), radians
};

DopplerReading DopplerReadingFor(int speed, int period);

// The drawing routine: events 32 (full redraw), 33 (ScrollBar1, the source's speed), 36
// and 37 (the fronts spread and the source moves on) and 113 (F2, the relative frequency
// or the cone). Each rewrites Panel1, Panel3 and the table.
void DrawDoppler(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The menu entry's start: the source at rest at the origin.
void SetDopplerStartValues(Scene& scene);

}  // namespace viv
