// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The title in the upper left of the pictures of waves on a string and standing waves:
// bold black on white, wiping out whichever title of the same simulation stood there.
#pragma once

#include <initializer_list>
#include <string_view>

#include "library/canvas.h"
#include "library/world.h"

namespace viv {

// Writes `title` with its left edge at WorldXMin + 1 and its top one text height below
// the top of the picture, over a white box as wide as the widest of `all`.
void DrawWaveTitle(const World& world, TCanvas& canvas, std::string_view title,
                   std::initializer_list<std::string_view> all);

}  // namespace viv
