// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The simulations of the bow, the drop and the instruments, as catalogue rows.
#pragma once

namespace viv {

class Catalogue;

void AddRainbowSimulations(Catalogue& catalogue);

}  // namespace viv
