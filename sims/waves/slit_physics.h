// The physics behind the diffraction pictures: the directions of the orders of a grating
// or a pair of slits, the minima of a single slit, and the intensity on a screen behind
// them. Lengths in wavelengths of the laser unless said otherwise; angles in radians.
#pragma once

#include <vector>

#include "library/world.h"

namespace viv {

constexpr double LaserWaveLength = 632.8;                      // nm, the red helium-neon laser
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

enum class SlitScreen { DoubleSlit, SingleSlit };

// The intensity curve against the screen 8.2 wavelengths behind the slits: a point for
// each of six equally spaced screen positions between every maximum and its neighbouring
// minimum, from the bottom of the screen upwards; x = 8.2 - relative height * peak height.
// Points further down than `lowest` are left out.
std::vector<WorldPoint> IntensityCurve(SlitScreen screen, double X, double lowest);

// The screen the intensity curve stands against, wavelengths behind the slits.
constexpr double SlitScreenDistance = 8.2;

}  // namespace viv
