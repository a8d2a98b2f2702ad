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
constexpr int GlyphOverhang = 1;   // pixels a glyph may reach beyond its text box

struct Label {
    int x = 0, y = 0;  // top-left, pixels
    std::string text;
};

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

TRect BoxOf(TCanvas& canvas, const Label& label) {
    return {label.x - GlyphOverhang, label.y - GlyphOverhang,
            label.x + canvas.TextWidth(label.text) + GlyphOverhang,
            label.y + canvas.TextHeight(label.text) + GlyphOverhang};
}

// Writes the label and notes in `underlay` every pixel it changed, with its colour before.
void WriteKeeping(TCanvas& canvas, const Label& label, ScaleUnderlay& underlay) {
    const TRect r = BoxOf(canvas, label);
    std::vector<TColor> before;
    before.reserve(static_cast<std::size_t>((r.Right - r.Left) * (r.Bottom - r.Top)));
    for (int py = r.Top; py < r.Bottom; ++py)
        for (int px = r.Left; px < r.Right; ++px) before.push_back(canvas.GetPixel(px, py));
    canvas.TextOut(label.x, label.y, label.text);
    std::size_t i = 0;
    for (int py = r.Top; py < r.Bottom; ++py)
        for (int px = r.Left; px < r.Right; ++px, ++i)
            if (canvas.GetPixel(px, py) != before[i])
                underlay.Pixels.push_back({px, py, before[i]});
    underlay.Boxes.push_back(r);
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
    const TBrushStyle brush = canvas.Brush.Style;
    const TFont font = canvas.Font;
    canvas.Brush.Style = bsClear;
    canvas.Font.Bold = false;
    const std::vector<Label> labels = Labels(world, canvas, step, right, left, y);
    if (shown) {
        canvas.Font.Color = clBlack;
        if (underlay != nullptr) {
            underlay->Boxes.clear();
            underlay->Pixels.clear();
            for (const Label& label : labels) WriteKeeping(canvas, label, *underlay);
        } else {
            for (const Label& label : labels) canvas.TextOut(label.x, label.y, label.text);
        }
        DrawLines(world, canvas, step, right, left, y);
    } else {
        DrawLines(world, canvas, step, right, left, y);
        bool kept = underlay != nullptr && underlay->Boxes.size() == labels.size();
        for (std::size_t i = 0; kept && i < labels.size(); ++i)
            kept = underlay->Boxes[i] == BoxOf(canvas, labels[i]);
        if (kept) {
            // Last written first, in case one label's box reached into another's.
            for (auto p = underlay->Pixels.rbegin(); p != underlay->Pixels.rend(); ++p)
                canvas.SetPixel(p->x, p->y, p->Colour);
        } else {
            canvas.Font.Color = clWhite;
            for (const Label& label : labels) canvas.TextOut(label.x, label.y, label.text);
        }
        if (underlay != nullptr) {
            underlay->Boxes.clear();
            underlay->Pixels.clear();
        }
    }
    canvas.Font = font;
    canvas.Brush.Style = brush;
}

}  // namespace viv
