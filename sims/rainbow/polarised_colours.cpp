// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/polarised_colours.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "app/drag.h"
#include "app/events.h"
#include "library/colour_table.h"
#include "library/drawing.h"
#include "library/format.h"
#include "library/world.h"
#include "library/world_drawing.h"
#include "sims/rainbow/angle_cursor_drag.h"
#include "sims/rainbow/bow_colours.h"
#include "sims/rainbow/bow_statistics.h"

namespace viv {

namespace {

// The graph: exit angle v in degrees across, light per degree upwards.
constexpr double GraphXMin = -9, GraphXMax = 100;  // degrees
constexpr double GraphYMin = -5, GraphYMax = 50;   // rays per degree
constexpr int LastAngle = 100;                     // the curves run up to 99°

constexpr WorldPoint PolarisationTextAt{4, 30};
constexpr std::string_view PerpendicularText = "vinkelret polariseret ";
constexpr std::string_view ParallelText = "parallelt polariseret ";

std::size_t ColourIndex(int c) {
    return static_cast<std::size_t>(std::clamp(c, 1, ColourCount));
}

// Which light is shown, written over the other's text: the place of the longer of the
// two is blanked first.
void WritePolarisationText(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    const int x = world.PictureX(PolarisationTextAt.x);
    const int y = world.PictureY(PolarisationTextAt.y);
    const int width = std::max(canvas.TextWidth(PerpendicularText), canvas.TextWidth(ParallelText));
    const int height =
        std::max(canvas.TextHeight(PerpendicularText), canvas.TextHeight(ParallelText));
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clWhite;
    canvas.FillRect({x, y, x + width, y + height});
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = clBlack;
    canvas.TextOut(x, y,
                   BowStatsOf(scene).PolarisationMode == 1 ? PerpendicularText : ParallelText);
}

void DrawGraph(Scene& scene, bool clearFirst, TCanvas& canvas) {
    DrawColourGraphFrame(scene, clearFirst, canvas,
                         {GraphXMin, GraphXMax, GraphYMin, GraphYMax, 10, 4, 49, 45});
    WritePolarisationText(scene, canvas);
    const World& world = scene.Map;

    // The spectrum of each bow on the angle axis, violet to red.
    const RainbowAngles& bows = scene.State.Rainbow;
    canvas.Pen.Width = world.BoldPenWidth;
    for (std::size_t c = 1; c < ColourCount; ++c) {
        canvas.Pen.Color = ColourTable[c + 1].ScreenColour;
        Line(world, canvas, bows.PrimaryBowAngle[c], 0, bows.PrimaryBowAngle[c + 1], 0);
        Line(world, canvas, bows.SecondaryBowAngle[c], 0, bows.SecondaryBowAngle[c + 1], 0);
    }
    canvas.Pen.Width = world.PenWidth;
    canvas.Pen.Mode = pmNotXor;
}

void DrawCurves(Scene& scene, TCanvas& canvas) {
    canvas.Pen.Color = ColourTable[ColourIndex(scene.State.CurrentColour)].ScreenColour;
    DrawIntensityCurve(scene, canvas, IntensitySide::Below, LastAngle);
    DrawIntensityCurve(scene, canvas, IntensitySide::Above, LastAngle);
}

// The cross at angle v on the solid curve, with the read-out of both curves.
void DrawAngleCursor(Scene& scene, TCanvas& canvas, int v) {
    const World& world = scene.Map;
    const BowStatistics& st = BowStatsOf(scene);
    const std::size_t c = ColourIndex(scene.State.CurrentColour);
    v = std::clamp(v, 0, BowStatistics::Bins - 1);
    const auto bin = static_cast<std::size_t>(v);
    const double h = scene.Buffers()->IntensityBelow[c - 1][bin];
    const double o =
        v <= scene.State.Rainbow.PrimaryBowAngle[c] ? st.PrimaryBinOffset : st.SecondaryBinOffset;
    const double x = v + o / 2;
    BowStatsOf(scene).CursorX = x;
    BowStatsOf(scene).CursorY = h;
    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = world.BoldPenWidth;
    Line(world, canvas, x - 4, h, x + 4, h);
    Line(world, canvas, x, h - 2.5, x, h + 2.5);
    canvas.Pen.Width = world.PenWidth;

    const std::string angle = FormatInteger(v, 3);
    const std::string below = FormatInteger(std::lround(h), 3);
    scene.Out.SetCell(1, 3, angle);
    scene.Out.SetCell(1, 4, below);
    scene.Out.SetCell(1, 5,
                      FormatInteger(std::lround(scene.Buffers()->IntensityAbove[c - 1][bin]), 3));
    scene.Out.Panel1 = "v: " + angle + "°";
    scene.Out.Panel2 = "N: " + below;
}

void WritePolarisedColoursTable(Scene& scene) {
    const ColourRow& colour = ColourTable[ColourIndex(scene.State.CurrentColour)];
    scene.Out.SetCell(1, 1, FormatReal(6, 3, colour.WaterIndex));
    scene.Out.SetCell(1, 2, FormatReal(6, 1, colour.WaveLength));
    scene.Out.SetCell(0, 2, " bølgelængde/nm, " + std::string(colour.ColourName));
}

}  // namespace

void SetPolarisedColoursStartValues(SetupScene& scene) {
    scene.State.ScatterAngle = 25;
    BowStatsOf(scene).PolarisationMode = 1;
    ClearBowStatistics(scene);
}

void PolarisedColoursAfterTable(SetupScene& scene) {
    BowStatsOf(scene).CursorCurve = 1;
}

void DrawPolarisedColours(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    const bool handled = event == Event::Redraw || event == Event::ScrollBar1 ||
                         event == Event::TrackBar1 || event == Event::TrackBar2;
    if (!handled || !scene.Buffers()) return;
    SharedState& s = scene.State;
    BowStatistics& st = BowStatsOf(scene);
    BeginColourGraphEvent(scene, event, clearFirst, canvas, &DrawGraph);

    // Draws the figures of the present state, or erases them before the state changes.
    if (event != Event::ScrollBar1) DrawCurves(scene, canvas);
    if (event == Event::Redraw) WritePolarisedColoursTable(scene);
    DrawAngleCursor(scene, canvas, s.ScatterAngle);
    if (event == Event::Redraw) return;

    switch (event) {
        case Event::TrackBar2:
            st.PolarisationMode =
                static_cast<std::uint16_t>(std::clamp(scene.Controls.TrackBar2.Position, 1, 2));
            ClearBowStatistics(scene);
            WritePolarisationText(scene, canvas);
            break;
        default:
            ApplyAngleOrColour(scene, event);
            break;
    }
    EnsureColourDone(scene);

    if (event != Event::ScrollBar1) {
        DrawCurves(scene, canvas);
        WritePolarisedColoursTable(scene);
    }
    DrawAngleCursor(scene, canvas, s.ScatterAngle);
}

namespace {

// The cross of the angle cursor, as last drawn: 2.5 per cent up and down.
bool GripsCursor(Scene& scene, TPoint p) {
    return GripsAngleCursor(scene, p, 2.5);
}

}  // namespace

const DragFigure PolarisedColoursCursorDrag{.Name = "vinkelmærket",
                                            .Moves = Control::ScrollBar1,
                                            .Grips = &GripsCursor,
                                            .PositionAt = &AngleCursorPositionAt};

}  // namespace viv
