// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Øjets træthed": the pupil stares at a square of a random colour for thirty seconds;
// then it turns white and the eye, tired of that colour, sees its complement.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

// How long the pupil stares, ms.
constexpr std::uint32_t StareMilliseconds = 30000;

// The drawing routine: event 32 (full redraw: the instructions and whatever square the
// experiment has reached), 33 (the same with a new square) and 36 (a click on the
// picture with the clock stopped starts a new square and the clock; a tick of the running
// clock at or after thirty seconds stops it and turns the square white).
void DrawEyeFatigue(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The menu entry's start: the instructions alone.
void SetEyeFatigueStartValues(SetupScene& scene);

}  // namespace viv
