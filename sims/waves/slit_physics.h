// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The physics behind the diffraction pictures: the directions of the orders of a grating
// or a pair of slits, the minima of a single slit, and the intensity on a screen behind
// them. Lengths in wavelengths of the laser unless said otherwise; angles in radians.
#pragma once

#include <vector>

#include "library/world.h"

namespace viv {

constexpr double LaserWaveLength = 632.8;                     // nm, the red helium-neon laser
constexpr double LaserWavesPerMetre = 1580278.1289506953224;  // 1 / 632.8 nm

// X = d / λ of a grating of `linesPerMm` lines per millimetre (d = 10^6 / N nm).
double GratingSpacing(int linesPerMm);

// The double slit's slit distance and the single slit's width for a scroll bar position.
double DoubleSlitSpacing(int position);  // 0..60
double SingleSlitWidth(int position);    // 0..100

// Order m (the m-th minimum of the single slit) leaves at sin v = m / X; it exists when
// m >= 1 and m / X < 1.
bool OrderExists(int m, double X);
double OrderAngle(int m, double X);  // v; only for orders that exist, or m = 0

// Half the width of each opening of the double slit, wavelengths.
constexpr double DoubleSlitHalfWidth = 0.2;

enum class SlitScreen { DoubleSlit, SingleSlit };

// The Fraunhofer intensity at sin θ = `sine` relative to the central maximum: (sin β /
// β)² for one slit of width a, times (sin Nα / (N sin α))² for N slits at the spacing
// X, with β = π a sin θ and α = π X sin θ. The double slit has two openings of width 0.4
// at the spacing X, the single slit one of width X.
double SlitIntensity(SlitScreen screen, double X, double sine);

// The intensity curve against the screen 8.2 wavelengths behind the slits, from `lowest`
// up to `highest` (world y on the screen): x = 8.2 - 0.8 * relative intensity, sampled
// every `step` from y = 0, with the zeros and the maxima of the intensity added where
// they fall.
std::vector<WorldPoint> IntensityCurve(SlitScreen screen, double X, double lowest, double highest,
                                       double step);

// The screen the intensity curve stands against, wavelengths behind the slits.
constexpr double SlitScreenDistance = 8.2;
// The height of the central maximum of the curve, world units.
constexpr double IntensityPeak = 0.8;

}  // namespace viv
