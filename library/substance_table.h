// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The eight transparent substances of the optics simulations with their refractive
// index for blue (486.1 nm) and red (768.2 nm) light. Indexed 1..8.
#pragma once

#include <array>
#include <string_view>

namespace viv {

struct SubstanceRow {
    std::string_view SubstanceName;
    double SubstanceIndexBlue;  // n at 486.1 nm
    double SubstanceIndexRed;   // n at 768.2 nm
};

constexpr int SubstanceCount = 8;

constexpr std::array<SubstanceRow, SubstanceCount + 1> SubstanceTable{{
    {"", 1, 1},
    {"Vand", 1.337, 1.329},
    {"Flusspat", 1.437, 1.431},
    {"Kvarts", 1.463, 1.454},
    {"Kronglas", 1.515, 1.505},
    {"Stensalt", 1.553, 1.537},
    {"Svovlkulstof", 1.652, 1.608},
    {"Tæt flint", 1.717, 1.686},
    {"Ekstra tæt flint", 1.959, 1.902},
}};

// The row of substance k, k held inside 1..8.
constexpr const SubstanceRow& Substance(int k) {
    return SubstanceTable[static_cast<std::size_t>(
        k < 1 ? 1 : (k > SubstanceCount ? SubstanceCount : k))];
}

// Table headers of the two index columns.
constexpr std::string_view IndexBlueHeader = "n (blå: 486,1 nm)";
constexpr std::string_view IndexRedHeader = "n (rød: 768,2 nm)";

}  // namespace viv
