// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The colour under the mouse in the colour circles: its red, green and blue as
// percentages in the status panels.
#pragma once

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

// Panel1..3 := "R=", "G=", "B=" with the pixel's channels in whole percent and "%".
void ShowColourUnderMouse(Scene& scene, TCanvas& canvas);

}  // namespace viv
