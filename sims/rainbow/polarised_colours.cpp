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
#include "sims/rainbow/angle_cursor_drag.h"
#include "sims/rainbow/bow_colours.h"
#include "sims/rainbow/bow_statistics.h"
#include "sims/world_setup.h"

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
void WritePolarisationText(App& app, TCanvas& canvas) {
    const World& world = app.Map;
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
    canvas.TextOut(x, y, BowStatsOf(app).PolarisationMode == 1 ? PerpendicularText : ParallelText);
}

void DrawGraph(App& app, bool clearFirst, TCanvas& canvas) {
    DrawColourGraphFrame(app, clearFirst, canvas,
                         {GraphXMin, GraphXMax, GraphYMin, GraphYMax, 10, 4, 49, 45});
    WritePolarisationText(app, canvas);
    const World& world = app.Map;

    // The spectrum of each bow on the angle axis, violet to red.
    const RainbowAngles& bows = app.State.Rainbow;
    canvas.Pen.Width = world.BoldPenWidth;
    for (std::size_t c = 1; c < ColourCount; ++c) {
        canvas.Pen.Color = ColourTable[c + 1].ScreenColour;
        Line(world, canvas, bows.PrimaryBowAngle[c], 0, bows.PrimaryBowAngle[c + 1], 0);
        Line(world, canvas, bows.SecondaryBowAngle[c], 0, bows.SecondaryBowAngle[c + 1], 0);
    }
    canvas.Pen.Width = world.PenWidth;
    canvas.Pen.Mode = pmNotXor;
}

void DrawCurves(App& app, TCanvas& canvas) {
    canvas.Pen.Color = ColourTable[ColourIndex(app.State.CurrentColour)].ScreenColour;
    DrawIntensityCurve(app, canvas, IntensitySide::Below, LastAngle);
    DrawIntensityCurve(app, canvas, IntensitySide::Above, LastAngle);
}

// The cross at angle v on the solid curve, with the read-out of both curves.
void DrawAngleCursor(App& app, TCanvas& canvas, int v) {
    const World& world = app.Map;
    const BowStatistics& st = BowStatsOf(app);
    const std::size_t c = ColourIndex(app.State.CurrentColour);
    v = std::clamp(v, 0, BowStatistics::Bins - 1);
    const auto bin = static_cast<std::size_t>(v);
    const double h = app.Buffers->IntensityBelow[c - 1][bin];
    const double o =
        v <= app.State.Rainbow.PrimaryBowAngle[c] ? st.PrimaryBinOffset : st.SecondaryBinOffset;
    const double x = v + o / 2;
    BowStatsOf(app).CursorX = x;
    BowStatsOf(app).CursorY = h;
    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = world.BoldPenWidth;
    Line(world, canvas, x - 4, h, x + 4, h);
    Line(world, canvas, x, h - 2.5, x, h + 2.5);
    canvas.Pen.Width = world.PenWidth;

    const std::string angle = FormatInteger(v, 3);
    const std::string below = FormatInteger(std::lround(h), 3);
    app.Table.SetCell(1, 3, angle);
    app.Table.SetCell(1, 4, below);
    app.Table.SetCell(1, 5, FormatInteger(std::lround(app.Buffers->IntensityAbove[c - 1][bin]), 3));
    app.Window.Panel1 = "v: " + angle + "°";
    app.Window.Panel2 = "N: " + below;
}

void WritePolarisedColoursTable(App& app) {
    const ColourRow& colour = ColourTable[ColourIndex(app.State.CurrentColour)];
    app.Table.SetCell(1, 1, FormatReal(6, 3, colour.WaterIndex));
    app.Table.SetCell(1, 2, FormatReal(6, 1, colour.WaveLength));
    app.Table.SetCell(0, 2, " bølgelængde/nm, " + std::string(colour.ColourName));
}

}  // namespace

void SetPolarisedColoursStartValues(App& app) {
    app.State.ScatterAngle = 25;
    BowStatsOf(app).PolarisationMode = 1;
    ClearBowStatistics(app);
}

void PolarisedColoursAfterTable(App& app) {
    BowStatsOf(app).CursorCurve = 1;
}

void DrawPolarisedColours(App& app, Event event, bool clearFirst, TCanvas& canvas) {
    const bool handled = event == Event::Redraw || event == Event::ScrollBar1 ||
                         event == Event::TrackBar1 || event == Event::TrackBar2;
    if (!handled || !app.Buffers) return;
    SharedState& s = app.State;
    BowStatistics& st = BowStatsOf(app);
    BeginColourGraphEvent(app, event, clearFirst, canvas, &DrawGraph);

    // Draws the figures of the present state, or erases them before the state changes.
    if (event != Event::ScrollBar1) DrawCurves(app, canvas);
    if (event == Event::Redraw) WritePolarisedColoursTable(app);
    DrawAngleCursor(app, canvas, s.ScatterAngle);
    if (event == Event::Redraw) return;

    switch (event) {
        case Event::TrackBar2:
            st.PolarisationMode =
                static_cast<std::uint16_t>(std::clamp(app.Window.TrackBar2.Position, 1, 2));
            ClearBowStatistics(app);
            WritePolarisationText(app, canvas);
            break;
        default:
            ApplyAngleOrColour(app, event);
            break;
    }
    EnsureColourDone(app);

    if (event != Event::ScrollBar1) {
        DrawCurves(app, canvas);
        WritePolarisedColoursTable(app);
    }
    DrawAngleCursor(app, canvas, s.ScatterAngle);
}

namespace {

// The cross of the angle cursor, as last drawn: 2.5 per cent up and down.
bool GripsCursor(App& app, TPoint p) {
    return GripsAngleCursor(app, p, 2.5);
}

}  // namespace

const DragFigure PolarisedColoursCursorDrag{.Name = "vinkelmærket",
                                            .Moves = Control::ScrollBar1,
                                            .Grips = &GripsCursor,
                                            .PositionAt = &AngleCursorPositionAt};

}  // namespace viv
