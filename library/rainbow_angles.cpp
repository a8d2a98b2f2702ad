// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/rainbow_angles.h"

#include <cmath>

#include "library/trig.h"

namespace viv {

RainbowAngles ComputeRainbowAngles() {
    RainbowAngles a;
    for (int k = 1; k <= ColourCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const double n = Colour(k).WaterIndex;
        // One reflection inside the drop: the angle of incidence of extreme deviation.
        double inc = ArcSin(std::sqrt((4 - n * n) / 3));
        double b = ArcSin(std::sin(inc) / n);
        a.PrimaryBowRefraction[i] = b * DegPerRad;
        a.PrimaryBowDeviation[i] = 4 * b - 2 * inc;
        a.PrimaryBowAngle[i] = (4 * b - 2 * inc) * DegPerRad;
        a.PrimaryBowParameter[i] = std::sin(inc);
        // Two reflections.
        inc = ArcSin(std::sqrt((9 - n * n) / 8));
        b = ArcSin(std::sin(inc) / n);
        a.SecondaryBowRefraction[i] = b * DegPerRad;
        a.SecondaryBowDeviation[i] = 2 * inc + Pi - 6 * b;
        a.SecondaryBowAngle[i] = (2 * inc + Pi - 6 * b) * DegPerRad;
        a.SecondaryBowParameter[i] = std::sin(inc);
    }
    return a;
}

}  // namespace viv
