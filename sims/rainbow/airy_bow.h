// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Airy's theory of the primary bow: the light a drop of a given size scatters near the
// geometrical bow angle, as the square of the Airy function. It puts one broad maximum a
// little inside the bow angle, narrower supernumeraries after it, and light fading
// exponentially outside it, where the two-ray picture shows fringes of equal height on
// the bright side and nothing on the dark side.
#pragma once

#include <vector>

#include "library/canvas.h"
#include "library/world.h"

namespace viv {

// h = -d²v/dp² at the rainbow ray of water of index n (drop radius 1, v the exit angle in
// radians, p the impact parameter): 3 tan r / cos² i with cos² i = (n² - 1) / 3.
// 0 where n admits no primary bow (n outside 1..2).
double BowCurvature(double n);

// How fast Airy's variable z grows inside the bow angle, per degree, for a drop of radius
// `dropSize` metres in light of `waveLength` nm: (2 / h)^(1/3) (2 pi a / lambda)^(2/3)
// per radian. 0 for a drop or a wavelength that is not positive.
double AiryScale(double dropSize, double waveLength, double n);

// Ai(-z)², z positive inside the bow angle. 0 where the function cannot be evaluated.
double AiryIntensity(double z);

// z of the k-th maximum of Ai²(-z), k = 1, 2, ...: the k-th zero of Ai'(-z)
// (1.0188, 3.2482, 4.8201, ...). k below 1 counts as 1.
double AiryMaximum(int k);

// The exit angle, degrees from the antisolar point, of the k-th maximum for the bow angle
// `bowAngle` (degrees) and the scale `zPerDegree`; the bow angle itself for scale 0.
double AiryMaximumAngle(double bowAngle, double zPerDegree, int k);

// Airy's curve in picture points of the inset's mapping, one point a column from the exit
// angle `from` to `to` (degrees), scaled like the two-ray interference term: 2 at its
// highest maximum, 0 at its zeros. Empty for scale 0.
std::vector<TPoint> BuildAiryCurve(const World& insetMap, double bowAngle, double zPerDegree,
                                   double from, double to);

}  // namespace viv
