// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The "sildeben": the long list of numbers behind the picture of some simulations, printed
// in two page columns by "Udskriv &Data". Each simulation that has one names the routine
// that fills it in its catalogue row.
#pragma once

#include <string>
#include <vector>

namespace viv {

class Scene;

struct DataList {
    std::vector<std::string> Headers;  // 2, 3 or 4 column headers
    std::string Subtitle;
    std::vector<std::vector<std::string>> Rows;  // one value per header
};

using DataListRoutine = DataList (*)(Scene& scene);

// "bølgelængde " + the wavelength of CurrentColour + "nm, " + its name: the end of every
// list's subtitle.
std::string ColourLine(const Scene& scene);

}  // namespace viv
