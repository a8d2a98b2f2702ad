// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The own state of the waves on a string, the standing waves in a pipe, the sonar and the
// water waves, kept while other simulations are shown.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/measuring_scale.h"
#include "library/trig.h"
#include "library/world.h"
#include "sims/mechanics/horizontal_scale.h"
#include "sims/waves/moving_picture.h"

namespace viv {

struct StringWavesState {
    std::uint16_t WaveSpeedStep = 40;  // AnimationStep added (40: subtracted) per tick
    std::uint16_t WaveLambda = 5;      // wavelength, world units (38: 32, fixed)
    // 37: 1 longitudinal, 2 transverse. 38: the pipe, 1 half-open, 2 open, 3 closed.
    std::uint16_t WaveType = 1;
    std::uint16_t HarmonicNumber = 0;  // 38: 0 the fundamental, k the k-th overtone
    double BallRadius = 0.3;           // 37, world units

    // --- The sonar (world units of kilometres) ---
    int SoundSpeed = 1450;        // v, m/s
    double TargetDistance = 1.0;  // D, km

    // --- The water waves ---
    double PhaseDifference = Pi / 4;  // between neighbouring particles, radians

    ScaleUnderlay UnderScale;  // the picture under the measuring scale's labels
};

inline StringWavesState& StringWavesOf(Scene& scene) {
    return scene.Own<StringWavesState>();
}

// The steps the waves move on a clock tick, as the speed scroll bar sets them: 1 with the
// bar at its maximum.
inline std::uint16_t WaveSpeedStepOf(const RangeControl& speedBar) {
    return static_cast<std::uint16_t>(speedBar.Max - speedBar.Position + 1);
}

// Sets up the picture these simulations share: no margins, axis mode 1, x from `left` to
// `right` and y over the aspect height either side of 0, and a solid pen.
inline void SetupWavePicture(Scene& scene, bool clear, TCanvas& canvas, double left, double right) {
    SetupMarginlessWorld(scene.Map, 1, clear, canvas, left, right);
    canvas.Pen.Style = psSolid;
}

// The measuring scale of these pictures (DrawHorizontalScale), the picture under its labels
// kept for the screen only.
inline void DrawStringWavesScale(Scene& scene, TCanvas& canvas, bool shown, double step,
                                 double right, double left, double y) {
    ScaleUnderlay* underlay = scene.OnScreen(canvas) ? &StringWavesOf(scene).UnderScale : nullptr;
    DrawHorizontalScale(scene.Map, canvas, shown, step, right, left, y, underlay);
}

}  // namespace viv
