// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/bow_colours.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "app/drag.h"
#include "app/events.h"
#include "library/colour_table.h"
#include "library/drawing.h"
#include "library/format.h"
#include "library/world.h"
#include "library/world_drawing.h"
#include "sims/rainbow/angle_cursor_drag.h"
#include "sims/rainbow/bow_statistics.h"
#include "sims/rainbow/rainbow_state.h"

namespace viv {

namespace {

// The graph: exit angle v in degrees across, rays per degree upwards.
constexpr double GraphXMin = -15, GraphXMax = 190;    // degrees
constexpr double GraphYMin = -200, GraphYMax = 2000;  // rays per degree
// The inset of the colours' edges: degrees across, one row per colour upwards.
constexpr double InsetXMin = 32, InsetXMax = 60;  // degrees
constexpr double InsetYMin = -3, InsetYMax = 20;
constexpr double InsetAxisX = 35;  // degrees, where the inset's angle axis starts
constexpr double SumRowY = 1;      // the row where all colours add up
constexpr double InsetMarkTop = 19;

constexpr int LastAngle = 179;  // the count curves run up to 178°

std::size_t ColourIndex(int c) {
    return static_cast<std::size_t>(std::clamp(c, 1, ColourCount));
}

double Frac(double v) {
    return v - std::trunc(v);
}

double RowOf(int c) {
    return 2.0 * c + 2;
}

void Text(const World& world, TCanvas& canvas, double x, double y, std::string_view text) {
    canvas.TextOut(world.PictureX(x), world.PictureY(y), text);
}

// The inset fills the right third of the upper half of the picture.
InsetGraph Inset(World& world, TCanvas& canvas) {
    return {world, &canvas, {2, 3}, {1, 2}, {InsetXMin, InsetXMax, InsetYMin, InsetYMax}};
}

// Dotted vertical lines at the current colour's two bow angles.
void DrawBowAngleMarks(const Scene& scene, TCanvas& canvas, double bottom, double top) {
    const std::size_t c = ColourIndex(scene.State.CurrentColour);
    const RainbowAngles& bows = scene.State.Rainbow;
    canvas.Pen.Style = psDot;
    Line(scene.Map, canvas, bows.SecondaryBowAngle[c], bottom, bows.SecondaryBowAngle[c], top);
    Line(scene.Map, canvas, bows.PrimaryBowAngle[c], bottom, bows.PrimaryBowAngle[c], top);
    canvas.Pen.Style = psSolid;
}

// A curve of one value per degree of exit angle of colour c, in two pieces: from the
// primary bow angle down to 1° and from the secondary bow angle up to `last` - 1°, each
// shifted right by its bow's bin offset.
template <class PerDegree>
void DrawBowSideCurves(Scene& scene, TCanvas& canvas, std::size_t c, const PerDegree& values,
                       int last) {
    const World& world = scene.Map;
    const BowStatistics& st = BowStatsOf(scene);
    const RainbowAngles& bows = scene.State.Rainbow;
    std::vector<TPoint> points;
    for (int k = static_cast<int>(bows.PrimaryBowAngle[c]); k >= 1; --k)
        points.push_back(
            world.Picture(k + st.PrimaryBinOffset, values[static_cast<std::size_t>(k)]));
    canvas.Polyline(points);
    points.clear();
    for (int k = static_cast<int>(bows.SecondaryBowAngle[c]); k <= last - 1; ++k)
        points.push_back(
            world.Picture(k + st.SecondaryBinOffset, values[static_cast<std::size_t>(k)]));
    canvas.Polyline(points);
}

// The number of rays per degree of the current colour, starting at each bow angle.
void DrawCountCurve(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    const std::size_t c = ColourIndex(scene.State.CurrentColour);
    const auto& counts = scene.Buffers()->RayCount[c - 1];
    canvas.Pen.Width = world.BoldPenWidth;
    DrawBowSideCurves(scene, canvas, c, counts, LastAngle);
    canvas.Pen.Width = world.PenWidth;
    if (scene.State.ShowMarks) DrawBowAngleMarks(scene, canvas, 0, world.WorldYMax);
}

// The corrected light of all colours, ten times enlarged, with its labels; drawn again it
// disappears, and the labels are written over in white.
void DrawColourSums(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    BowStatistics& st = BowStatsOf(scene);
    const RainbowAngles& bows = scene.State.Rainbow;
    st.SumPrimaryOffset = Frac(bows.PrimaryBowAngle[ColourCount]);
    st.SumSecondaryOffset = Frac(bows.SecondaryBowAngle[ColourCount]);
    const double f1 = st.SumPrimaryOffset;
    const double f2 = st.SumSecondaryOffset;
    const auto& sum = scene.Buffers()->ColourSumIntensity;
    const auto& count = scene.Buffers()->ColourSumCount;
    const auto at = [](const auto& values, int k) { return values[static_cast<std::size_t>(k)]; };

    canvas.Pen.Color = clBlack;
    std::vector<TPoint> points{world.Picture(1 + f1, at(sum, 1))};
    int k = 2;
    for (; k <= LastAngle && at(sum, k) > 0.1; ++k)
        points.push_back(world.Picture(k + f1, at(sum, k)));
    points.push_back(world.Picture(k + f1, 0));
    canvas.Polyline(points);

    // The secondary side starts where the reddest colour's twice-reflected rays begin;
    // when there are none the search ends at the last bin.
    int first = k + 2;
    while (first <= LastAngle - 1 && at(count, first) < 0.1) ++first;
    if (first <= LastAngle - 1) {
        points.assign({world.Picture(first + f2, 0)});
        for (k = first; k <= LastAngle - 1 && at(sum, k) > 0; ++k)
            points.push_back(world.Picture(k + f2, at(sum, k)));
        canvas.Polyline(points);
    }

    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clWhite;
    canvas.Font.Color = scene.State.ShowRedRay ? clBlack : clWhite;
    // Above the flat tail of the curves, away from the angle cursor.
    Text(world, canvas, 80, 330, "10 gange");
    Text(world, canvas, 80, 260, "korrigeret sum");
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = clBlack;
    scene.Out.SetCell(0, 9, scene.State.ShowRedRay ? " antal N (korr.)" : " antal N");
}

// Each colour's light inside its primary and outside its secondary bow, and below them
// their sum: white where all colours overlap, a coloured fringe at each bow.
void DrawColourInset(Scene& scene, TCanvas& canvas) {
    World& world = scene.Map;
    const RainbowAngles& bows = scene.State.Rainbow;
    const InsetGraph inset = Inset(world, canvas);
    canvas.Pen.Mode = pmCopy;
    canvas.Pen.Color = clBlack;
    canvas.Pen.Style = psSolid;
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = clBlack;
    DrawAxes(world, 0, 0, "°", InsetAxisX, 0, 5, 0, "", false, canvas);

    canvas.Pen.Width = world.BoldPenWidth;
    for (int c = 1; c <= ColourCount; ++c) {
        const auto k = static_cast<std::size_t>(c);
        canvas.Pen.Color = ColourTable[k].ScreenColour;
        const double y = RowOf(c);
        Line(world, canvas, InsetAxisX, y, bows.PrimaryBowAngle[k], y);
        Line(world, canvas, bows.SecondaryBowAngle[k], y, InsetXMax, y);
        if (c < ColourCount) Text(world, canvas, 46.2, 2.0 * c + 4, "+");
    }
    Text(world, canvas, 46.2, 3.5, "=");

    // Each colour overdraws the longer lines of the redder ones: at every angle the
    // colour of the nearest bow edge stays.
    for (int c = ColourCount; c >= 1; --c) {
        const auto k = static_cast<std::size_t>(c);
        canvas.Pen.Color = ColourTable[k].ScreenColour;
        Line(world, canvas, InsetAxisX, SumRowY, bows.PrimaryBowAngle[k], SumRowY);
        Line(world, canvas, bows.SecondaryBowAngle[k], SumRowY, InsetXMax, SumRowY);
    }

    const std::string_view name = "vinkel v";
    canvas.TextOut(world.PictureX(InsetXMax) - canvas.TextWidth("vinkel v  "),
                   BelowAxisNumbers(world, canvas, world.PictureY(0)), name);

    // Inside the violet primary edge and outside the violet secondary edge every colour
    // is there: white light.
    canvas.Pen.Color = clWhite;
    Line(world, canvas, InsetAxisX, SumRowY, bows.PrimaryBowAngle[1], SumRowY);
    Line(world, canvas, bows.SecondaryBowAngle[1], SumRowY, InsetXMax, SumRowY);
    canvas.Pen.Color = clBlack;
}

// The arrow at the current colour's row of the inset.
void DrawColourArrow(Scene& scene, TCanvas& canvas) {
    World& world = scene.Map;
    const int c = static_cast<int>(ColourIndex(scene.State.CurrentColour));
    const InsetGraph inset = Inset(world, canvas);
    canvas.Pen.Color = ColourTable[static_cast<std::size_t>(c)].ScreenColour;
    canvas.Pen.Width = world.BoldPenWidth;
    const double y = RowOf(c);
    canvas.Polyline(
        {world.Picture(33, y + 0.5), world.Picture(33.5, y), world.Picture(33, y - 0.5)});
    Line(world, canvas, 32, y, 33, y);
    canvas.Pen.Width = world.PenWidth;
    if (scene.State.ShowMarks) DrawBowAngleMarks(scene, canvas, 0, InsetMarkTop);
}

// The cross at angle v on the curve the cursor reads, with its read-out.
void DrawAngleCursor(Scene& scene, TCanvas& canvas, int v) {
    const World& world = scene.Map;
    const BowStatistics& st = BowStatsOf(scene);
    const std::size_t c = ColourIndex(scene.State.CurrentColour);
    v = std::clamp(v, 0, BowStatistics::Bins - 1);
    const auto bin = static_cast<std::size_t>(v);
    const bool primarySide = v <= scene.State.Rainbow.PrimaryBowAngle[c];
    const bool sum = st.CursorCurve == 3;
    double h = 0;
    double o = 0;
    long long n = 0;
    if (sum) {
        const double s = scene.Buffers()->ColourSumIntensity[bin];
        h = static_cast<double>(std::lround(s));
        o = primarySide ? Frac(scene.State.Rainbow.PrimaryBowAngle[ColourCount])
                        : Frac(scene.State.Rainbow.SecondaryBowAngle[ColourCount]);
        n = std::lround(s * 0.1);
    } else {
        h = scene.Buffers()->RayCount[c - 1][bin];
        o = primarySide ? st.PrimaryBinOffset : st.SecondaryBinOffset;
        n = scene.Buffers()->RayCount[c - 1][bin];
    }
    const double x = v + o / 2;
    BowStatsOf(scene).CursorX = x;
    BowStatsOf(scene).CursorY = h;
    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = world.BoldPenWidth;
    Line(world, canvas, x - 4, h, x + 4, h);
    Line(world, canvas, x, h - 50, x, h + 50);
    canvas.Pen.Width = world.PenWidth;

    const std::string angle = FormatInteger(v, 3);
    const std::string rays = FormatInteger(n, 3);
    scene.Out.SetCell(1, 8, angle);
    scene.Out.SetCell(1, 9, rays);
    scene.Out.Panel1 = "v: " + angle + "°";
    scene.Out.Panel2 = "N: " + rays;
}

// The number a formatted cell shows, whatever the system's decimal separator.
double ShownValue(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return 0;
    double value = 0;
    std::from_chars(text.data() + first, text.data() + text.size(), value);
    return value;
}

void WriteColoursTable(Scene& scene) {
    const std::size_t c = ColourIndex(scene.State.CurrentColour);
    const ColourRow& colour = ColourTable[c];
    const BowStatistics& st = BowStatsOf(scene);
    const double a1 = scene.State.Rainbow.PrimaryBowAngle[c];
    const double a2 = scene.State.Rainbow.SecondaryBowAngle[c];
    Report& t = scene.Out;
    t.SetCell(1, 1, FormatReal(6, 3, colour.WaterIndex));
    t.SetCell(1, 2, FormatReal(6, 1, colour.WaveLength));
    t.SetCell(0, 2, " bølgelængde/nm, " + std::string(colour.ColourName));
    const std::string largest = FormatReal(6, 1, a1);
    const std::string smallest = FormatReal(6, 1, a2);
    t.SetCell(1, 3, largest);
    t.SetCell(1, 4, smallest);
    // The width of the dark band as the two angles above it read: their difference
    // rounded anew could disagree with them in the last digit.
    t.SetCell(1, 5, FormatReal(6, 1, ShownValue(smallest) - ShownValue(largest)));
    t.SetCell(1, 6, FormatInteger(st.PrimaryPeak[c], 6));
    t.SetCell(1, 7, FormatInteger(st.SecondaryPeak[c], 6));
}

// The fixed part of the picture: axes, texts and the inset. The titles stand right of the
// primary bow's peak, which runs off the top at 42°, and left of the inset.
void DrawGraph(Scene& scene, bool clearFirst, TCanvas& canvas) {
    DrawColourGraphFrame(scene, clearFirst, canvas,
                         {GraphXMin, GraphXMax, GraphYMin, GraphYMax, 250, 55, 1950, 1850});
    DrawColourInset(scene, canvas);
    canvas.Pen.Mode = pmNotXor;
}

// The figures of the current colour that a change of colour or toggle moves.
void DrawColourFigures(Scene& scene, TCanvas& canvas) {
    canvas.Pen.Color = ColourTable[ColourIndex(scene.State.CurrentColour)].ScreenColour;
    DrawCountCurve(scene, canvas);
    if (scene.State.ShowRays) DrawIntensityCurve(scene, canvas, IntensitySide::Below, LastAngle);
    DrawColourArrow(scene, canvas);
}

}  // namespace

void DrawIntensityCurve(Scene& scene, TCanvas& canvas, IntensitySide which, int last) {
    const std::size_t c = ColourIndex(scene.State.CurrentColour);
    const auto& values = which == IntensitySide::Above ? scene.Buffers()->IntensityAbove[c - 1]
                                                       : scene.Buffers()->IntensityBelow[c - 1];
    last = std::min(last, BowStatistics::Bins - 1);
    canvas.Pen.Style = which == IntensitySide::Above ? psDot : psSolid;
    DrawBowSideCurves(scene, canvas, c, values, last);
    canvas.Pen.Style = psSolid;
}

void SetBowColoursStartValues(SetupScene& scene) {
    scene.State.ScatterAngle = 25;
    BowStatistics& st = BowStatsOf(scene);
    if (st.PolarisationMode != 0) ClearBowStatistics(scene);
    st.PolarisationMode = 0;
}

void BowColoursAfterTable(SetupScene& scene) {
    BowStatsOf(scene).CursorCurve = 1;
}

void DrawColourGraphFrame(Scene& scene, bool clearFirst, TCanvas& canvas,
                          const ColourGraphFrame& frame) {
    World& world = scene.Map;
    world.PictureMarginX = 0;
    world.PictureMarginY = 0;
    SetupWorld(world, 0, clearFirst, canvas, frame.XMin, frame.XMax, frame.YMin, frame.YMax);
    canvas.Pen.Mode = pmCopy;
    canvas.Pen.Width = world.PenWidth;
    canvas.Pen.Color = clBlack;
    canvas.Pen.Style = psSolid;
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = clBlack;
    DrawAxes(world, 0, 0, "°", 0, 0, 10, frame.YTick, "", false, canvas);
    const int titleX = world.PictureX(frame.TitleX);
    canvas.TextOut(titleX, world.PictureY(frame.TitleY1), "40000 solstråler mod en dråbe");
    canvas.TextOut(titleX, world.PictureY(frame.TitleY2), "Antal stråler N pr grad");
    const std::string_view name = "vinkel v";
    // Above the axis's arrow head.
    canvas.TextOut(world.PictureX(frame.XMax) - canvas.TextWidth("vinkel v  "),
                   world.PictureY(0) - AxisTickReachY(world) - 2 - canvas.TextHeight(name), name);
}

void BeginColourGraphEvent(Scene& scene, Event event, bool clearFirst, TCanvas& canvas,
                           void (*drawGraph)(Scene&, bool, TCanvas&)) {
    BuildArcSinTable(scene);
    EnsureColourDone(scene);
    if (event == Event::Redraw) {
        drawGraph(scene, clearFirst, canvas);
    } else {
        canvas.Pen.Mode = pmNotXor;
        canvas.Pen.Style = psSolid;
        canvas.Pen.Width = scene.Map.PenWidth;
        canvas.Brush.Style = bsClear;
    }
}

void ApplyAngleOrColour(Scene& scene, Event event) {
    if (event == Event::ScrollBar1)
        scene.State.ScatterAngle =
            scene.Controls.ScrollBar1.Max - scene.Controls.ScrollBar1.Position + 1;
    if (event == Event::TrackBar1)
        scene.State.CurrentColour = std::clamp(scene.Controls.TrackBar1.Position, 1, ColourCount);
}

void DrawColoursOfBow(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    const bool handled = event == Event::Redraw || event == Event::ScrollBar1 ||
                         event == Event::TrackBar1 || event == Event::F2 || event == Event::F5 ||
                         event == Event::F6;
    if (!handled || !scene.Buffers()) return;
    SharedState& s = scene.State;
    BowStatistics& st = BowStatsOf(scene);
    BeginColourGraphEvent(scene, event, clearFirst, canvas, &DrawGraph);

    // Draws the figures of the present state, or erases them before the state changes.
    if (event != Event::ScrollBar1) DrawColourFigures(scene, canvas);
    if (event == Event::Redraw) {
        if (s.ShowRedRay) DrawColourSums(scene, canvas);
        WriteColoursTable(scene);
    }
    DrawAngleCursor(scene, canvas, s.ScatterAngle);
    if (event == Event::Redraw) return;

    switch (event) {
        case Event::F2:
        case Event::F6:
            FlipViewToggle(s, event);
            break;
        case Event::F5:
            if (!st.AllColoursDone) ComputeAllColours(scene);
            st.AllColoursDone = true;
            FlipViewToggle(s, event);
            DrawColourSums(scene, canvas);
            st.CursorCurve = s.ShowRedRay ? 3 : 1;
            break;
        default:
            ApplyAngleOrColour(scene, event);
            break;
    }
    EnsureColourDone(scene);

    if (event != Event::ScrollBar1) DrawColourFigures(scene, canvas);
    DrawAngleCursor(scene, canvas, s.ScatterAngle);
    WriteColoursTable(scene);
}

namespace {

// The cross of the angle cursor, as last drawn: 50 rays per degree up and down.
bool GripsCursor(Scene& scene, TPoint p) {
    return GripsAngleCursor(scene, p, 50);
}

}  // namespace

const DragFigure BowColoursCursorDrag{.Name = "vinkelmærket",
                                      .Moves = Control::ScrollBar1,
                                      .Grips = &GripsCursor,
                                      .PositionAt = &AngleCursorPositionAt};

}  // namespace viv
