// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The own state of the rainbow simulations, kept while other simulations are shown.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>

#include "app/events.h"
#include "app/scene.h"
#include "app/view_toggles.h"
#include "library/drop_rays.h"

namespace viv {

struct RainbowState {
    // --- The cone of the bow ---
    int SunHeight = 30;       // degrees above the horizon
    int ObserverX = 0;        // the observer's place on the ground, world units
    double LowestSunRay = 0;  // height at x = 10 of the lowest sun ray drawn, world units
    std::mt19937 DropRandom;  // the rain drops, reseeded at every full redraw
    // A fixed seed for the drops of every full redraw; none: the clock.
    std::optional<std::uint32_t> DropSeed;

    // --- Alexander's band ---
    static constexpr int BandSamples = 51;
    double RayParameter = 0.5;                // impact parameter p, drop radius 1
    double BandAngle = 0;                     // exit angle v of the ray with parameter p, degrees
    int PresetIndex = 1;                      // 1..4 primary, 5..7 secondary
    std::array<double, 8> PresetParameter{};  // indexed 1..7
    bool AngleTablesBuilt = false;
    std::array<double, BandSamples> SampleParameter{};  // impact parameters, dense near the edge
    std::array<double, BandSamples> SampleIncidence{};  // their angles of incidence, radians

    // --- Rays through the drop (the drop, Young's interference, polarisation) ---
    DropRayState DropRays;  // the last traced ray and its exit direction
    // The incoming ray's impact parameter p = RayStep / RaySteps, which ScrollBar1 sets:
    // the drop and the bow's polarisation take hundredths, Young's interference
    // eight-hundredths.
    int RayStep = 50;
    int RaySteps = 100;
};

// The impact parameter ScrollBar1 has set, drop radius 1.
inline double ImpactParameter(const RainbowState& rs) {
    return rs.RaySteps > 0 ? static_cast<double>(rs.RayStep) / rs.RaySteps : 0.0;
}

// The rainbow simulations' state in the program's core.
inline RainbowState& RainbowOf(const Scene& scene) {
    return scene.Own<RainbowState>();
}

}  // namespace viv
