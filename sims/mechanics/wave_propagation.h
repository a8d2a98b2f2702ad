// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Bølgeudbredelse": a row of balls along the x axis carries a longitudinal wave (the
// balls swing along the row) or a transverse wave (they swing across it), with the
// compression curve or the wave curve on request.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

// Where ball i of a row spaced 1/b apart stands at the phase tau (world units the wave
// has travelled): its centre, world units.
struct BallCentre {
    double x = 0, y = 0;
};
BallCentre WaveBallCentre(int waveType, int lambda, int b, int i, double tau);

// The drawing routine: events 32 (full redraw), 33 (ScrollBar1, the speed), 34
// (TrackBar1, the wavelength), 35 (TrackBar2, the wave type), 36 and 37 (the wave moves
// on) and 113 .. 117 (F2 the curve, F4 a single ball, F5 small balls, F6 the scale).
void DrawWavePropagation(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The menu entry's start: a longitudinal wave of wavelength 5 at rest, speed 40.
void SetWavePropagationStartValues(SetupScene& scene);

}  // namespace viv
