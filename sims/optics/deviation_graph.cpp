// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/optics/deviation_graph.h"

#include <cmath>

#include "library/drawing.h"
#include "library/trig.h"
#include "sims/optics/lens_figures.h"
#include "sims/optics/optics_figures.h"

namespace viv {

namespace {

constexpr WorldWindow GraphWindow{-5, 90, -10, 80};  // i across, v upwards, degrees
constexpr double GraphStep = 20;                     // degrees between numbers
constexpr TColor MarkColour = clBlue;
constexpr double IncidenceLength = 6;  // world units
constexpr double DeviationArcRadius = 2;

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

void DrawDeviationGraphCurrent(World& map, TCanvas& canvas, int i, double v) {
    const InsetMapping graph = DeviationGraph(map);
    SetLensPen(canvas, map, MarkColour);
    DrawDeviationGraphPoint(map, canvas, i, v * DegPerRad);
}

void DrawDeviationMarks(const World& map, TCanvas& canvas, WorldPoint entry, double incident,
                        WorldPoint exit, double emergent) {
    WorldPoint q;
    if (!CrossingOf(entry, incident, exit, emergent, q)) return;
    SetLensPen(canvas, map, MarkColour, psDot);
    DrawPath(map, canvas,
             {entry,
              {entry.x + IncidenceLength * std::cos(incident),
               entry.y + IncidenceLength * std::sin(incident)}});
    DrawPath(map, canvas, {exit, q});
    canvas.Pen.Style = psSolid;
    DrawAngleArc(map, q, canvas, DeviationArcRadius, emergent, incident);
}

}  // namespace viv
