// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The rays and angles of the primary and secondary rainbow for each of the eight
// colours, derived once at start-up from the refractive index of water.
#pragma once

#include <array>

#include "library/colour_table.h"

namespace viv {

struct RainbowAngles {
    using PerColour = std::array<double, ColourCount + 1>;  // indexed 1..8 like the colours
    PerColour PrimaryBowParameter{};     // impact parameter p = sin i (drop radius 1)
    PerColour PrimaryBowRefraction{};    // refraction angle b, degrees
    PerColour PrimaryBowDeviation{};     // bow angle 4b - 2i, radians
    PerColour PrimaryBowAngle{};         // the same, degrees
    PerColour SecondaryBowParameter{};   // impact parameter of the secondary bow's ray
    PerColour SecondaryBowRefraction{};  // degrees
    PerColour SecondaryBowDeviation{};   // bow angle 2i + pi - 6b, radians
    PerColour SecondaryBowAngle{};       // degrees
};

// Bow angles are measured from the antisolar point.
RainbowAngles ComputeRainbowAngles();

}  // namespace viv
