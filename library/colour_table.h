// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The eight colours of light the refraction and rainbow simulations work with, each a
// spectral line with the refractive index of water there. Indexed 1..8 (CurrentColour).
#pragma once

#include <array>
#include <string_view>

#include "library/canvas.h"

namespace viv {

constexpr double DegPerRad = 57.29577951308232;  // 180 / pi

struct ColourRow {
    double WaveLength;  // nm
    double WaterIndex;  // refractive index of water at that wavelength
    std::string_view ColourName;
    TColor ScreenColour;
};

constexpr int ColourCount = 8;

// Row 0 is unused so that the table is indexed like CurrentColour.
constexpr std::array<ColourRow, ColourCount + 1> ColourTable{{
    {0, 1, "", clWhite},
    {404.7, 1.343, "violet", RGB(0, 0, 128)},
    {434.0, 1.340, "blå", RGB(0, 0, 255)},
    {480.0, 1.337, "blå", RGB(0, 255, 255)},
    {546.1, 1.334, "grøn", RGB(0, 128, 0)},
    {587.3, 1.333, "gul", RGB(255, 255, 0)},
    {643.9, 1.331, "orange", RGB(224, 173, 54)},
    {656.3, 1.331, "rød", RGB(232, 64, 28)},
    {768.2, 1.329, "rød", RGB(255, 0, 0)},
}};

// The row of colour k, k held inside 1..8.
constexpr const ColourRow& Colour(int k) {
    return ColourTable[static_cast<std::size_t>(k < 1 ? 1 : (k > ColourCount ? ColourCount : k))];
}

// The green of row 4, by which the ray of the selected colour is recognised.
constexpr TColor SelectedRayGreen = RGB(0, 128, 0);

}  // namespace viv
