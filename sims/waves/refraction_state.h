// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The own state of the two refraction simulations, "Brydning i vand" and
// "Brydningsloven", kept while other simulations are shown.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

// One wave crest as it was drawn: a line of two points, or three when it bends at the
// boundary, in picture pixels.
struct DrawnCrest {
    std::array<TPoint, 3> Points{};
    std::uint8_t Count = 0;
    TPenStyle Style = psSolid;
};

// Every crest of the last drawing of the wave picture, so that the next tick removes
// exactly what is on the picture: up to 5 incident, 7 refracted and 7 reflected crests.
struct DrawnCrests {
    static constexpr std::size_t Capacity = 5 + 7 + 7;
    std::array<DrawnCrest, Capacity> Crests{};
    std::size_t Count = 0;
};

struct RefractionState {
    // The critical angle of the current colour, degrees; recomputed at every full redraw
    // and change of colour.
    double CriticalAngle = 48.6;

    // --- The wave picture ---
    static constexpr double StartPhase = 0.21;
    static constexpr double PhaseStep = 0.04;  // a crest moves one wavelength in 25 steps
    double Phase = StartPhase;                 // p in [0, 1), wavelengths
    DrawnCrests Drawn;                         // the crests now on the picture
};

// The refraction simulations' state in the program's core.
inline RefractionState& RefractionOf(Scene& scene) {
    return scene.Own<RefractionState>();
}

}  // namespace viv
