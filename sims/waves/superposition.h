// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Superposition": wave 1 runs to the left, wave 2 to the right, and their sum is drawn
// in red; optionally as a single crest, in three rows, or with the displacements at the
// origin marked.
#pragma once

#include <array>
#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

// The waves on the points x_i = 0.1 i - 10, i = 0..200, displacements in world units
// (wave 1 has amplitude 1).
struct SuperposedWaves {
    static constexpr int Points = 201;
    std::array<double, Points> First{};   // wave 1 at point i
    std::array<double, Points> Second{};  // wave 2 at point i
    std::array<double, Points> Sum{};     // their sum at point i
};

// At time counter `step` (points), amplitude `secondAmplitude` of wave 2, `colour` k
// (1..8) setting wave 2's wavelength to 8 (k + 1) / 9 world units; `pulse`: a single crest
// of each wave, half its own wavelength long.
SuperposedWaves SuperposedWavesAt(int step, double secondAmplitude, int colour, bool pulse);

// The drawing routine: events 32 (full redraw), 33 (ScrollBar1, wave 2's amplitude), 34
// (TrackBar1, wave 2's wavelength), 36 and 37 (the waves move on) and 113..116 (F2 the
// displacements at the origin, F3 three rows, F4 waves 1 and 2, F5 a single crest).
void DrawSuperposition(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The menu entry's start: wave 2 with amplitude -1.
void SetSuperpositionStartValues(Scene& scene);

}  // namespace viv
