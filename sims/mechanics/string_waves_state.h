// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The own state of the waves on a string, the standing waves in a pipe, the sonar and the
// water waves, kept while other simulations are shown.
#pragma once

#include <cstdint>

#include "app/app.h"
#include "library/measuring_scale.h"
#include "library/trig.h"

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

inline StringWavesState& StringWavesOf(App& app) {
    return app.Sims.Get<StringWavesState>();
}

}  // namespace viv
