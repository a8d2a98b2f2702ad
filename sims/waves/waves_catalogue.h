// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The simulations of refraction, interference, slits, spectra and the Doppler effect, as catalogue
// rows.
#pragma once

namespace viv {

class Catalogue;

void AddWaveSimulations(Catalogue& catalogue);

}  // namespace viv
