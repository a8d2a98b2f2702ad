// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The eight numeric blocks shared by the bow-statistics and angle-table simulations:
// allocated once when the main window is created and freed when it closes.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace viv {

struct WorkBuffers {
    static constexpr int Angles = 181;  // whole degrees 0..180
    static constexpr int Samples = 51;  // impact parameters, dense near the edge

    std::vector<double> ArcSinTable = std::vector<double>(20001);      // block 1
    std::array<std::array<std::uint16_t, Angles>, 8> RayCount{};       // block 2
    std::array<std::array<double, Angles>, 8> IntensityBelow{};        // block 3
    std::array<std::array<double, Angles>, 8> IntensityAbove{};        // block 4
    std::array<double, Angles> ColourSumCount{};                       // block 5
    std::array<double, Angles> ColourSumIntensity{};                   // block 6
    std::array<std::array<double, Samples>, 8> PrimaryAngleTable{};    // block 7
    std::array<std::array<double, Samples>, 8> SecondaryAngleTable{};  // block 8
};

}  // namespace viv
