// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/optics/deviation_graph.h"

#include "library/drawing.h"
#include "sims/optics/lens_figures.h"
#include "sims/optics/optics_figures.h"

namespace viv {

namespace {

constexpr WorldWindow GraphWindow{-5, 90, -10, 80};  // i across, v upwards, degrees
constexpr double GraphStep = 20;                     // degrees between numbers

}  // namespace

InsetMapping DeviationGraph(World& map) {
    return InsetMapping(map, {2, 3}, {2, 3}, GraphWindow);
}

void DrawDeviationGraphAxes(World& map, TCanvas& canvas) {
    const InsetMapping graph = DeviationGraph(map);
    SetLensPen(canvas, map, clBlack);
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = clBlack;
    DrawAxes(map, 0, 0, "°", 0, 0, GraphStep, GraphStep, "°", false, canvas);
    WriteAxisNames(map, canvas, 0, 0, "i", "v");
    canvas.Pen.Width = map.PenWidth;
}

void DrawDeviationGraphPoint(const World& map, TCanvas& canvas, int i, double v) {
    DrawPath(map, canvas, {{static_cast<double>(i), 0}, {static_cast<double>(i), v}});
}

}  // namespace viv
