// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Komplementærfarve": the colour the three bars mix, beside its complement, next to a
// colour circle of saturated colours in which complementary colours face each other.
#pragma once

#include <array>
#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

// The 24 colours of the circle, C1..C24 at indices 1..24: blue, cyan, green, yellow, red
// and magenta at every fourth place from C1, the others the channel-by-channel mean
// (rounded down) of their neighbours.
const std::array<TColor, 25>& CircleColours();

// The drawing routine: event 32 draws the circle and the mixer; 33, 35, 38 and 39 the
// mixer alone. Every call ends with the percentages in the table and the panels.
void DrawComplementaryColour(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// One ring of the circle about (9.5, 0): n sectors, sector k (1..n) from angle
// 2π(k − 1)/n − π/n to 2πk/n − π/n in colour C(1 + (k − 1)·24/n), white outlines.
void DrawColourRing(Scene& scene, int n, TCanvas& canvas, double radius);

}  // namespace viv
