// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/mechanics/horizontal_scale.h"

#include <string>
#include <vector>

#include "library/format.h"

namespace viv {

namespace {

constexpr int TicksPerLabel = 5;   // every fifth tick, counted from the first, is labelled
constexpr double LongTick = 0.5;   // world units
constexpr double ShortTick = 0.2;  // world units

using Label = ScaleLabel;

// The ticks' positions: from `left` in steps while below right + step / 2.
std::vector<double> TickPositions(double step, double right, double left) {
    std::vector<double> out;
    if (!(step > 0)) return out;
    for (int i = 0;; ++i) {
        const double x = left + i * step;
        if (!(x < right + step / 2)) break;
        out.push_back(x);
    }
    return out;
}

std::vector<Label> Labels(const World& world, TCanvas& canvas, double step, double right,
                          double left, double y) {
    std::vector<Label> labels;
    const std::vector<double> ticks = TickPositions(step, right, left);
    for (std::size_t i = 0; i < ticks.size(); i += TicksPerLabel) {
        std::string text = FormatReal(2, 1, ticks[i]);
        const int x = world.PictureX(ticks[i]) - canvas.TextWidth(text) / 2;
        labels.push_back({x, world.PictureY(y - LongTick), std::move(text)});
    }
    return labels;
}

// The line runs one step beyond the first and the last tick. Each tick hangs down from
// the line, leaving the line's own pixel alone.
void DrawLines(const World& world, TCanvas& canvas, double step, double right, double left,
               double y) {
    canvas.Pen.Color = clBlack;
    canvas.Pen.Style = psSolid;
    canvas.MoveTo(world.PictureX(left - step), world.PictureY(y));
    canvas.LineTo(world.PictureX(right + step), world.PictureY(y));
    const std::vector<double> ticks = TickPositions(step, right, left);
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const double length = i % TicksPerLabel == 0 ? LongTick : ShortTick;
        canvas.MoveTo(world.PictureX(ticks[i]), world.PictureY(y - length));
        canvas.LineTo(world.PictureX(ticks[i]), world.PictureY(y));
    }
}

}  // namespace

void DrawHorizontalScale(const World& world, TCanvas& canvas, bool shown, double step, double right,
                         double left, double y, ScaleUnderlay* underlay) {
    const TFont font = canvas.Font;
    canvas.Font.Bold = false;
    DrawLabelledScale(
        canvas, shown, Labels(world, canvas, step, right, left, y),
        [&] { DrawLines(world, canvas, step, right, left, y); }, underlay);
    canvas.Font = font;
}

}  // namespace viv
