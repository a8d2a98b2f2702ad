// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The simulations of the prism, lenses and mirrors and the ice crystal, as catalogue rows.
#pragma once

namespace viv {

class Catalogue;

void AddOpticsSimulations(Catalogue& catalogue);

}  // namespace viv
