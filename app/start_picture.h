// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Simulation 1, the start picture: the primary and the secondary bow in all eight
// colours drawn over the photograph already in the picture.
#pragma once

#include <cstdint>

#include "app/events.h"
#include "library/canvas.h"
#include "library/rainbow_angles.h"
#include "library/world.h"

namespace viv {

// Draws on a full redraw (code 32) only, over what is in the picture.
void DrawStartPicture(World& world, const RainbowAngles& rainbow, Event code, TCanvas& canvas);

}  // namespace viv
