// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The measuring scale ("Målebånd"): a vertical scale with a tick every 0.2 world units and
// a label every whole unit, laid against the right-hand side of a picture so that pupils
// can read heights off it (diffraction patterns, spectral lines, the spring).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "library/canvas.h"
#include "library/world.h"

namespace viv {

// What lay under the scale's labels before they were written, so that taking the scale
// away gives the picture back exactly, even where a label covered part of a figure of the
// picture's own (an axis, say).
struct ScaleUnderlay {
    struct Pixel {
        int x = 0, y = 0;
        TColor Colour = clWhite;  // before the label was written
    };
    std::vector<TRect> Boxes;   // the labels' boxes, pixels
    std::vector<Pixel> Pixels;  // the pixels the labels changed
};

// A label of a scale: its top-left corner, pixels, and its text.
struct ScaleLabel {
    int x = 0, y = 0;
    std::string text;
};

// The core of every measuring scale. Shown: writes the labels in black (noting in `underlay`,
// when given, every pixel they changed), then calls `drawLines`. Not shown: calls `drawLines`
// again and takes the labels away, putting back from `underlay` what lay under them when it
// was filled for the same labels, or else writing them over in white. The brush and the font
// colour are left as they were.
void DrawLabelledScale(TCanvas& canvas, bool shown, const std::vector<ScaleLabel>& labels,
                       const std::function<void()>& drawLines, ScaleUnderlay* underlay);

// From the scale's vertical line to its labels, world units.
constexpr double MeasuringScaleReach = 0.8;

// Draws the scale (shown) or takes it away again (not shown). The lines are drawn in the
// canvas's pen mode, which the simulations keep at pmNotXor, so drawing them twice removes
// them. The labels cannot be removed that way: they are written in black while shown and,
// when taken away, either put back from `underlay` (when one is given and was filled when
// the scale was shown on the same canvas) or overwritten in white.
//
// The scale: a vertical line at x = position - 0.8 from -halfHeight to halfHeight, a line
// from (position - 0.8, 0) to (position, 0) labelled " 0.0" followed by `unit`, and ticks
// every 0.2 world units up and down while below halfHeight, 0.5 long at every whole unit
// and 0.2 otherwise; each whole unit y is labelled y * factor at (position, y) and its
// mirror -y * factor just left of it so that the digits line up. World units throughout.
void DrawMeasuringScale(const World& world, TCanvas& canvas, bool shown, std::string_view unit,
                        double factor, double position, double halfHeight,
                        ScaleUnderlay* underlay = nullptr);

}  // namespace viv
