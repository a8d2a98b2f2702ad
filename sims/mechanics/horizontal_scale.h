// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The horizontal measuring scale ("Målebånd") of the waves on a string, the standing
// waves and the sonar: a line with ticks hanging down from it, every fifth tick long and
// labelled with its position.
#pragma once

#include "library/canvas.h"
#include "library/measuring_scale.h"
#include "library/world.h"

namespace viv {

// Draws the scale (shown) or takes it away (not shown), ticks every `step` world units
// from `left` while below right + step / 2, on the line y. The lines are drawn in the
// canvas's pen mode (pmNotXor, so drawing them twice removes them); the labels are
// written in black and, when the scale is taken away, put back from `underlay` (when it
// was filled as the scale was shown on the same canvas) or overwritten in white.
void DrawHorizontalScale(const World& world, TCanvas& canvas, bool shown, double step, double right,
                         double left, double y, ScaleUnderlay* underlay = nullptr);

}  // namespace viv
