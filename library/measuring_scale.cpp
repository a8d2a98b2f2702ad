// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/measuring_scale.h"

#include <string>

#include "library/format.h"

namespace viv {

namespace {

constexpr double TickStep = 0.2;  // world units between ticks
constexpr int TicksPerLabel = 5;  // a labelled tick every whole unit
constexpr double ScaleWidth = MeasuringScaleReach;
constexpr double LongTick = 0.5;   // world units
constexpr double ShortTick = 0.2;  // world units
constexpr int GlyphOverhang = 1;   // pixels a glyph may reach beyond its text box

using Label = ScaleLabel;

TRect BoxOf(TCanvas& canvas, const Label& label) {
    return {label.x - GlyphOverhang, label.y - GlyphOverhang,
            label.x + canvas.TextWidth(label.text) + GlyphOverhang,
            label.y + canvas.TextHeight(label.text) + GlyphOverhang};
}

std::vector<TColor> PixelsOf(const TCanvas& canvas, const TRect& r) {
    std::vector<TColor> pixels;
    pixels.reserve(static_cast<std::size_t>((r.Right - r.Left) * (r.Bottom - r.Top)));
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) pixels.push_back(canvas.GetPixel(x, y));
    return pixels;
}

// Writes the label and notes in `underlay` every pixel it changed, with its colour before.
void WriteKeeping(TCanvas& canvas, const Label& label, ScaleUnderlay& underlay) {
    const TRect r = BoxOf(canvas, label);
    const std::vector<TColor> before = PixelsOf(canvas, r);
    canvas.TextOut(label.x, label.y, label.text);
    std::size_t i = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x, ++i)
            if (canvas.GetPixel(x, y) != before[i]) underlay.Pixels.push_back({x, y, before[i]});
    underlay.Boxes.push_back(r);
}

// The labels of the scale: the zero, then every whole unit upwards followed by its mirror
// below.
std::vector<Label> Labels(const World& world, TCanvas& canvas, std::string_view unit, double factor,
                          double position, double halfHeight) {
    std::vector<Label> labels;
    const int x = world.PictureX(position);
    const int half = canvas.TextHeight("0") / 2;
    labels.push_back({x, world.PictureY(0) - half, " 0.0" + std::string(unit)});
    const int minusWidth = canvas.TextWidth("-");
    for (int k = TicksPerLabel;; k += TicksPerLabel) {
        const double y = k * TickStep;
        if (!(y < halfHeight)) break;
        labels.push_back(
            {x, world.PictureY(y) - half, FormatReal(2, 1, y * factor) + std::string(unit)});
        labels.push_back({x - minusWidth, world.PictureY(-y) - half,
                          FormatReal(2, 1, -y * factor) + std::string(unit)});
    }
    return labels;
}

void DrawScaleLines(const World& world, TCanvas& canvas, double position, double halfHeight) {
    const double left = position - ScaleWidth;
    canvas.Pen.Color = clBlack;
    canvas.Pen.Style = psSolid;
    canvas.MoveTo(world.PictureX(left), world.PictureY(-halfHeight));
    canvas.LineTo(world.PictureX(left), world.PictureY(halfHeight));
    canvas.MoveTo(world.PictureX(left), world.PictureY(0));
    canvas.LineTo(world.PictureX(position), world.PictureY(0));
    for (int k = 1;; ++k) {
        const double y = k * TickStep;
        if (!(y < halfHeight)) break;
        const double length = k % TicksPerLabel == 0 ? LongTick : ShortTick;
        for (const double at : {y, -y}) {
            canvas.MoveTo(world.PictureX(left), world.PictureY(at));
            canvas.LineTo(world.PictureX(left + length), world.PictureY(at));
        }
    }
}

}  // namespace

void DrawLabelledScale(TCanvas& canvas, bool shown, const std::vector<ScaleLabel>& labels,
                       const std::function<void()>& drawLines, ScaleUnderlay* underlay) {
    const TBrushStyle brush = canvas.Brush.Style;
    const TColor font = canvas.Font.Color;
    canvas.Brush.Style = bsClear;
    if (shown) {
        canvas.Font.Color = clBlack;
        if (underlay != nullptr) {
            underlay->Boxes.clear();
            underlay->Pixels.clear();
            for (const Label& label : labels) WriteKeeping(canvas, label, *underlay);
        } else {
            for (const Label& label : labels) canvas.TextOut(label.x, label.y, label.text);
        }
        drawLines();
    } else {
        drawLines();
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
    canvas.Font.Color = font;
    canvas.Brush.Style = brush;
}

void DrawMeasuringScale(const World& world, TCanvas& canvas, bool shown, std::string_view unit,
                        double factor, double position, double halfHeight,
                        ScaleUnderlay* underlay) {
    DrawLabelledScale(
        canvas, shown, Labels(world, canvas, unit, factor, position, halfHeight),
        [&] { DrawScaleLines(world, canvas, position, halfHeight); }, underlay);
}

}  // namespace viv
