// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The own state of the colour simulations, kept while other simulations are shown.
#pragma once

#include <array>
#include <cstdint>
#include <random>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

// The afterimage experiment: the instructions alone, a coloured square to stare at, or
// the square turned white after the thirty seconds.
enum class EyePhase : std::uint8_t { Instructions, SquareShown, Afterimage };

struct ColourState {
    // --- Mixing and contrast: the three scroll bars, each 255 at the top ---
    int Level1 = 255;          // red, or the yellow filter (ScrollBar1)
    int Level2 = 255;          // green, or the cyan filter (ScrollBar2)
    int Level3 = 255;          // blue, or the magenta filter (ScrollBar3)
    bool AdditiveMode = true;  // light on black; false: filters on white
    double BandShift = 0.4;    // the pattern's shift between the colour and its complement

    // --- The eye's fatigue ---
    EyePhase Phase = EyePhase::Instructions;
    std::uint32_t StareStartTime = 0;   // ms on the program's clock when the square appeared
    std::array<int, 3> SquareLevels{};  // red, green, blue, each 0..254
    std::mt19937 SquareRandom;          // reseeded from the clock for every square
};

// The colour simulations' state in the program's core.
inline ColourState& ColourOf(Scene& scene) {
    return scene.Own<ColourState>();
}

}  // namespace viv
