// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The own state of the thin film, the reflection at normal incidence, the superposition
// and the Doppler effect, kept while other simulations are shown.
#pragma once

#include "app/scene.h"

namespace viv {

struct WavesMotionState {
    // --- The thin film ---
    double FilmThickness = 1.0;  // t, micrometres (world units)

    // --- Reflection and transmission at normal incidence ---
    double ReflectionAmplitude = 2.0;  // A of the incident wave, world units

    // --- Superposition ---
    double SecondAmplitude = -1.0;  // A2 of wave 2; wave 1 has amplitude 1

    // --- The Doppler effect ---
    int SourceSpeed = 0;    // v, pixels per period (one wavelength is PeriodPixels)
    double SourceX = 0;     // the source's place on the axis, world units
    int PeriodPixels = 31;  // P, one world unit in pixels on the screen picture
};

// The state in the program's core.
inline WavesMotionState& WavesMotionOf(Scene& scene) {
    return scene.Own<WavesMotionState>();
}

}  // namespace viv
