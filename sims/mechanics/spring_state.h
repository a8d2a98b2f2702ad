// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The own state of the oscillating spring, kept while other simulations are shown.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/measuring_scale.h"

namespace viv {

struct SpringState {
    double SpringConstant = 10.0;       // k, N/m
    std::uint16_t WeightCount = 1;      // n weights of 0.05 kg on the hanger rod
    double SpringAmplitude = 0.05;      // A, m
    double SpringPeriod = 0;            // T, s; 0 with no weights (nothing oscillates)
    double SpringTime = 0;              // t, s since the menu entry
    std::uint32_t SpringStartTime = 0;  // the host's clock at the menu entry, ms
    double SpringPosition = 3.0;        // y = 3 + the elongation x in m
    double SpringPhase = 0;             // the phase pointer's angle, radians
    bool Held = false;         // the mouse holds the weight at the lowest point of its swing
    double GripOffset = 0;     // world units from the rod's lower end up to where it is held
    ScaleUnderlay UnderScale;  // the picture under the measuring scale's labels
};

inline SpringState& SpringOf(Scene& scene) {
    return scene.Own<SpringState>();
}

}  // namespace viv
