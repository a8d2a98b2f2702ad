// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A plain picture in memory: rows from the top, each pixel a colour 0x00BBGGRR.
#pragma once

#include <cstddef>
#include <vector>

#include "library/canvas.h"

namespace viv {

struct RgbImage {
    int Width = 0;
    int Height = 0;
    std::vector<TColor> Pixels;  // Width * Height, row by row

    TColor At(int x, int y) const {
        return Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) +
                      static_cast<std::size_t>(x)];
    }
};

}  // namespace viv
