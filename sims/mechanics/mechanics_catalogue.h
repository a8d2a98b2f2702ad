// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The simulations of the spring, waves on a string, standing waves, sonar and water waves, as
// catalogue rows.
#pragma once

namespace viv {

class Catalogue;

void AddMechanicsSimulations(Catalogue& catalogue);

}  // namespace viv
