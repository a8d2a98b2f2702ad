// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The simulations of colour mixing, contrast, colour circles and the afterimage, as catalogue rows.
#pragma once

namespace viv {

class Catalogue;

void AddColourSimulations(Catalogue& catalogue);

}  // namespace viv
