// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/simulations.h"

#include "sims/colour/colour_catalogue.h"
#include "sims/mechanics/mechanics_catalogue.h"
#include "sims/optics/optics_catalogue.h"
#include "sims/rainbow/rainbow_catalogue.h"
#include "sims/waves/waves_catalogue.h"

namespace viv {

namespace {

Catalogue MakeAllSimulations() {
    Catalogue c;
    AddWaveSimulations(c);
    AddColourSimulations(c);
    AddOpticsSimulations(c);
    AddRainbowSimulations(c);
    AddMechanicsSimulations(c);
    return c;
}

}  // namespace

const Catalogue& AllSimulations() {
    static const Catalogue all = MakeAllSimulations();
    return all;
}

}  // namespace viv
