// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What the optics simulations' track bar 1 chooses, kept while other simulations are
// shown: the substance of the prism and the lenses, and the ice crystal's wavelength.
#pragma once

#include "app/scene.h"

namespace viv {

struct OpticsChoice {
    int Substance = 4;      // a row of the substance table, 1..SubstanceCount
    int IceWavelength = 4;  // a row of the ice crystal's three wavelengths, held in 1..3
};

inline OpticsChoice& OpticsChoiceOf(const Scene& scene) {
    return scene.Own<OpticsChoice>();
}

// The track bar's start position: the substance chosen last.
inline int SubstanceChosen(Scene& scene) {
    return OpticsChoiceOf(scene).Substance;
}

// The track bar's start position: the ice crystal's wavelength chosen last.
inline int IceWavelengthChosen(Scene& scene) {
    return OpticsChoiceOf(scene).IceWavelength;
}

}  // namespace viv
