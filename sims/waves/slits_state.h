// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The own state of the diffraction simulations (the optical grating, the double slit and
// the single slit), kept while other simulations are shown.
#pragma once

#include <optional>

#include "app/scene.h"
#include "library/measuring_scale.h"

namespace viv {

// Everything the changing figures of a diffraction picture are drawn from. The picture
// always shows the figures of the view last drawn, so that an event can take exactly
// those away before it draws the figures of the new view.
struct SlitView {
    double X = 0;             // slit distance (grating, double slit) or slit width, wavelengths
    int Order = 1;            // m; in the single slit the minimum counted
    int ZoneOffset = 0;       // k, single slit: the wavelet centres moved along the slit by 0.1 k X
    int Step = 0;             // s, pixels the waves have moved on
    bool Marks = false;       // F2
    bool Fronts = false;      // F3
    bool Direction = false;   // F4
    bool Spectrum = false;    // F5
    bool Scale = false;       // F6
    double PointerValue = 0;  // the double slit's read-out: the displacement under the pointer
};

struct SlitsState {
    double X = 2.6337968815844923;  // wavelengths
    int LinesPerMm = 600;           // N, the grating
    int Order = 1;
    int ZoneOffset = 0;
    // The double slit's read-out: where the pointer was last seen over the picture (world
    // units) and the displacement shown there.
    std::optional<WorldPoint> Pointer;
    double PointerValue = 0;

    SlitView Drawn;            // the view the picture shows
    ScaleUnderlay UnderScale;  // the picture under the measuring scale's labels
    // The tiles the waves of the last clock tick changed, while the still picture they
    // were drawn over is kept: what the next tick puts back.
    TileLog WaveTiles;
};

inline SlitsState& SlitsOf(Scene& scene) {
    return scene.Own<SlitsState>();
}

}  // namespace viv
