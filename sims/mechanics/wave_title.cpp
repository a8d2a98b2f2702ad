// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/mechanics/wave_title.h"

#include <algorithm>

namespace viv {

void DrawWaveTitle(const World& world, TCanvas& canvas, std::string_view title,
                   std::initializer_list<std::string_view> all) {
    const TFont font = canvas.Font;
    const TBrush brush = canvas.Brush;
    canvas.Font.Bold = true;
    canvas.Font.Color = clBlack;
    canvas.Brush.Color = clWhite;
    canvas.Brush.Style = bsSolid;
    const int left = world.PictureX(world.WorldXMin + 1);
    const int top = world.PictureY(world.WorldYMax) + canvas.TextHeight("t");
    int width = canvas.TextWidth(title);
    int height = canvas.TextHeight(title);
    for (const std::string_view other : all) {
        width = std::max(width, canvas.TextWidth(other));
        height = std::max(height, canvas.TextHeight(other));
    }
    canvas.FillRect({left, top, left + width, top + height});
    canvas.TextOut(left, top, title);
    canvas.Font = font;
    canvas.Brush = brush;
}

}  // namespace viv
