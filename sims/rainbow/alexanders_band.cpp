// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/alexanders_band.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/drag.h"
#include "app/events.h"
#include "library/colour_table.h"
#include "library/drawing.h"
#include "library/format.h"
#include "library/trig.h"
#include "library/world.h"
#include "library/world_drawing.h"
#include "sims/rainbow/rainbow_state.h"

namespace viv {

namespace {

using AngleRow = std::array<double, WorkBuffers::Samples>;

constexpr int LastSample = WorkBuffers::Samples - 1;  // 50: the drop's edge, p = 1

// The main graph: p across, v in degrees upwards.
constexpr double GraphXMin = -0.07, GraphXMax = 1.15;
constexpr double GraphYMin = -20, GraphYMax = 190;  // degrees
// The inset enlarges the region round the dark band.
constexpr double InsetXMin = 0.7, InsetXMax = 1.04;
constexpr double InsetYMin = 25, InsetYMax = 75;  // degrees
constexpr double InsetTop = 79;  // degrees: the window's top, room above the curves
// The inset's axes cross here; its curves and band stay right of and above them, clear of
// the axes' numbers.
constexpr double InsetAxisX = 0.75, InsetAxisY = 30;  // p, degrees

// The small picture of the drop: centre (0.2, 80°), radius 0.07 in p.
constexpr double IconX = 0.2, IconY = 80;  // p, degrees
constexpr double IconRadius = 0.07;
// Degrees that span as many pixels as 0.07 in p, times H / W.
constexpr double IconHeightPerAspect = 12.049180327868852;

constexpr double TwiceDegPerRad = 114.59155902616465;  // 360 / pi

// The guide angles of F2 (degrees), indexed like PresetParameter: 1..4 on the primary
// curve, 5..7 on the secondary one.
constexpr std::array<double, 8> PresetTarget{0, 25, 35, 35, 25, 100, 60, 60};
constexpr int FirstPrimaryPreset = 1, LastPrimaryPreset = 4;
constexpr int FirstSecondaryPreset = 5, LastSecondaryPreset = 7;

const AngleRow& PrimaryRow(const Scene& scene, int colour) {
    return scene.Buffers()
        ->PrimaryAngleTable[static_cast<std::size_t>(std::clamp(colour, 1, 8) - 1)];
}
const AngleRow& SecondaryRow(const Scene& scene, int colour) {
    return scene.Buffers()
        ->SecondaryAngleTable[static_cast<std::size_t>(std::clamp(colour, 1, 8) - 1)];
}
const AngleRow& CurrentRow(const Scene& scene) {
    return scene.State.CurrentBow == 2 ? SecondaryRow(scene, scene.State.CurrentColour)
                                       : PrimaryRow(scene, scene.State.CurrentColour);
}

double At(const AngleRow& row, int s) {
    return row[static_cast<std::size_t>(s)];
}

// Parameter spacing of the samples from s to s + 1.
double SampleSpacing(int s) {
    return s <= 9 ? 0.07 : (s <= 29 ? 0.01 : 0.005);
}

// The table's angle at p, linear between the samples; the edge p = 1 is the last sample
// itself.
double InterpolatedAngle(const AngleRow& row, double p) {
    if (!(p > 0)) p = 0;
    if (p >= 1) return At(row, LastSample);
    double t = 0;
    int first = 0;
    if (p < 0.7) {
        t = p * 14.285714285714286;  // p / 0.07
    } else if (p < 0.9) {
        t = (p - 0.7) * 100;
        first = 10;
    } else {
        t = (p - 0.9) * 200;
        first = 30;
    }
    const double whole = std::trunc(t);
    const int k = static_cast<int>(whole) + first;
    if (k > LastSample - 1) return At(row, LastSample);
    const double f = t - whole;
    return (1 - f) * At(row, k) + f * At(row, k + 1);
}

// The exit angle of the ray with parameter p through a drop of index n, degrees.
double ExactAngle(double p, double n, int bow) {
    const double i = ArcSin(p);
    const double r = ArcSin(p / n);
    return bow == 2 ? 180 - DegPerRad * (6 * r - 2 * i) : (4 * r - 2 * i) * DegPerRad;
}

double IconHeight(const World& world) {
    return IconHeightPerAspect * world.PictureWidth / world.PictureHeight;
}

void Text(const World& world, TCanvas& canvas, double x, double y, std::string_view text) {
    canvas.TextOut(world.PictureX(x), world.PictureY(y), text);
}

void BoxFigure(const World& world, TCanvas& canvas, double x1, double y1, double x2, double y2) {
    canvas.Rectangle(world.PictureX(x1), world.PictureY(y1), world.PictureX(x2),
                     world.PictureY(y2));
}

// The mapping of the inset in the upper right of the picture: the right two fifths, clear
// of the secondary bow's curve in the main graph, and the upper half.
InsetGraph Inset(World& world) {
    return {world, nullptr, {3, 5}, {1, 2}, {InsetXMin, InsetXMax, InsetYMin, InsetTop}};
}

void DrawSampleCurve(const World& world, TCanvas& canvas, const RainbowState& rs,
                     const AngleRow& row, int firstSample) {
    std::vector<TPoint> points;
    for (int s = firstSample; s <= LastSample; ++s)
        points.push_back(
            world.Picture(rs.SampleParameter[static_cast<std::size_t>(s)], At(row, s)));
    canvas.Polyline(points);
}

// The part of the segment a-b inside the inset's window (world units), by the segment's
// parameters t0 <= t1 (Liang-Barsky); false when none of it is inside.
bool ClipToInset(WorldPoint a, WorldPoint b, double& t0, double& t1) {
    t0 = 0, t1 = 1;
    const double d[2] = {b.x - a.x, b.y - a.y};
    const double from[2] = {a.x, a.y};
    const double low[2] = {InsetAxisX, InsetAxisY}, high[2] = {InsetXMax, InsetYMax};
    for (int axis = 0; axis < 2; ++axis) {
        for (const auto& [p, q] : {std::pair{-d[axis], from[axis] - low[axis]},
                                   std::pair{d[axis], high[axis] - from[axis]}}) {
            if (p == 0) {
                if (q < 0) return false;
                continue;
            }
            const double t = q / p;
            if (p < 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
        }
    }
    return t0 <= t1;
}

// A curve of the inset, cut at the inset's edges so that it never covers the main graph.
void DrawInsetCurve(const World& world, TCanvas& canvas, const RainbowState& rs,
                    const AngleRow& row, int firstSample) {
    std::vector<TPoint> points;
    auto sample = [&](int s) {
        return WorldPoint{rs.SampleParameter[static_cast<std::size_t>(s)], At(row, s)};
    };
    for (int s = firstSample; s < LastSample; ++s) {
        const WorldPoint a = sample(s), b = sample(s + 1);
        double t0 = 0, t1 = 0;
        if (!ClipToInset(a, b, t0, t1)) continue;
        const TPoint from = world.Picture(a.x + t0 * (b.x - a.x), a.y + t0 * (b.y - a.y));
        const TPoint to = world.Picture(a.x + t1 * (b.x - a.x), a.y + t1 * (b.y - a.y));
        if (!points.empty() && !(points.back() == from)) {
            canvas.Polyline(points);
            points.clear();
        }
        if (points.empty()) points.push_back(from);
        if (!(points.back() == to)) points.push_back(to);
    }
    if (points.size() >= 2) canvas.Polyline(points);
}

// Both curves of all eight colours, from sample firstSample on: in the inset cut at its
// edges, in the main graph whole.
void DrawColourCurves(Scene& scene, TCanvas& canvas, int firstSample, bool inset) {
    const auto draw = inset ? DrawInsetCurve : DrawSampleCurve;
    for (int c = 1; c <= ColourCount; ++c) {
        canvas.Pen.Color = Colour(c).ScreenColour;
        draw(scene.Map, canvas, RainbowOf(scene), SecondaryRow(scene, c), firstSample);
        draw(scene.Map, canvas, RainbowOf(scene), PrimaryRow(scene, c), firstSample);
    }
    canvas.Pen.Color = clBlack;
}

void DrawBandBowLabels(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = scene.State.CurrentBow == 2 ? clGreen : clBlack;
    Text(world, canvas, 0.1, 125, "Sekundær vivarno");
    canvas.Font.Color = scene.State.CurrentBow == 1 ? clGreen : clBlack;
    Text(world, canvas, 0.1, 40, "Primær vivarno");
    canvas.Font.Color = clBlack;
}

// The enlarged region round the dark band, in the upper-right quarter.
void DrawBandInset(Scene& scene, TCanvas& canvas) {
    World& world = scene.Map;
    const InsetGraph inset = Inset(world);
    DrawAxes(world, 2, 0, "", InsetAxisX, InsetAxisY, 0.05, 5, "°", false, canvas);
    DrawDotGrid(world, clBlack, canvas, InsetAxisX, InsetAxisY, 0.05, 5);

    // No colour leaves between the reddest primary and the reddest secondary bow.
    const RainbowAngles& bows = scene.State.Rainbow;
    canvas.Pen.Style = psDot;
    canvas.Pen.Color = clSilver;
    canvas.Brush.Color = clSilver;
    canvas.Brush.Style = bsDiagCross;
    BoxFigure(world, canvas, InsetAxisX, bows.PrimaryBowAngle[8], 1, bows.SecondaryBowAngle[8]);
    canvas.Pen.Style = psSolid;
    canvas.Pen.Color = clBlack;
    canvas.Brush.Style = bsSolid;  // the name on a white ground over the band's hatch
    canvas.Brush.Color = clWhite;
    Text(world, canvas, 0.8, 48, "Alexanders mørke bånd");
    canvas.Brush.Style = bsClear;

    DrawColourCurves(scene, canvas, 10, true);
}

// The guide lines of F2.
void DrawPresetLevels(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    canvas.Pen.Color = clBlue;
    Line(world, canvas, 0.4, 25, 1.1, 25);
    Line(world, canvas, 0.4, 35, 1.1, 35);
    Line(world, canvas, 0.6, 60, 1.1, 60);
    Line(world, canvas, 0.4, 100, 0.6, 100);
    canvas.Pen.Color = clBlack;
}

// The incoming ray at height p in the small drop: the upper half for the primary bow,
// the lower half for the secondary one.
void DrawDropIconRay(Scene& scene, TCanvas& canvas, double p) {
    const World& world = scene.Map;
    canvas.Pen.Color = clGreen;
    const double i = ArcSin(p);
    const double xs = IconX - IconRadius * std::cos(i);
    const double e = IconHeight(world) * std::sin(i);
    const double ys = scene.State.CurrentBow == 2 ? IconY - e : IconY + e;
    canvas.Polyline({world.Picture(0.08, ys), world.Picture(xs, ys), world.Picture(xs, IconY)});
    canvas.Polyline(
        {world.Picture(0.1, ys + 2.2), world.Picture(0.11, ys), world.Picture(0.1, ys - 2.2)});
}

void WriteBandTable(Scene& scene) {
    const ColourRow& colour = Colour(scene.State.CurrentColour);
    Report& table = scene.Out;
    table.SetCell(1, 1, FormatReal(6, 3, colour.WaterIndex));
    table.SetCell(1, 2, FormatReal(6, 1, colour.WaveLength));
    table.SetCell(0, 2, " bølgelængde/nm, " + std::string(colour.ColourName));
    const std::string p = FormatReal(5, 3, RainbowOf(scene).RayParameter);
    const std::string v = FormatReal(5, 1, RainbowOf(scene).BandAngle);
    table.SetCell(1, 3, p);
    table.SetCell(1, 4, v);
    scene.Out.Panel1 = "p: " + p;
    scene.Out.Panel2 = "v: " + v + "°";
}

// Event 32 up to the figures that follow the state: axes, grid, texts, the drop, the
// curves, the inset.
void DrawBandGraph(Scene& scene, bool clearFirst, TCanvas& canvas) {
    World& world = scene.Map;
    world.PictureMarginX = 0;
    world.PictureMarginY = 0;
    // Room left of the y axis for its ticks and numbers ("180°") in a narrow picture too.
    const int room = AxisTickReachX(world) + canvas.TextWidth("180° ") + 2;  // pixels
    const double xmin =
        std::min(GraphXMin, -room * GraphXMax / std::max(1, world.PictureWidth - room));
    SetupWorld(world, 0, clearFirst, canvas, xmin, GraphXMax, GraphYMin, GraphYMax);
    // The background is laid down as it is; only what follows the state is inverted.
    canvas.Pen.Mode = pmCopy;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Color = clBlack;
    canvas.Font.Color = clBlack;
    canvas.Brush.Style = bsClear;
    DrawAxes(world, 1, 0, "", 0, 0, 0.1, 20, "°", false, canvas);
    DrawDotGrid(world, clBlack, canvas, 0, 0, 0.1, 20);
    Text(world, canvas, 0.05, 190, "vinkel v");
    Text(world, canvas, 1, 10, "parameter p");

    // The drop on a blank patch, its axis and its radius, the unit of p.
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clWhite;
    canvas.Pen.Color = clWhite;
    BoxFigure(world, canvas, 0.05, 100, 0.35, 60);
    canvas.Pen.Color = clBlack;
    Line(world, canvas, 0.08, IconY, 0.32, IconY);
    canvas.Brush.Style = bsClear;
    const double rho = IconHeight(world);
    canvas.Ellipse(world.PictureX(IconX - IconRadius), world.PictureY(IconY + rho),
                   world.PictureX(IconX + IconRadius), world.PictureY(IconY - rho));
    Line(world, canvas, IconX, IconY, IconX, IconY + rho);
    Text(world, canvas, 0.21, 91, "1");

    DrawBandBowLabels(scene, canvas);
    BuildAngleTables(scene);
    DrawColourCurves(scene, canvas, 0, false);

    canvas.Pen.Mode = pmNotXor;
    canvas.Pen.Style = psDot;
    BoxFigure(world, canvas, 0.7, 75, 1.05, 25);
    canvas.Pen.Style = psSolid;
    DrawBandInset(scene, canvas);
    RainbowOf(scene).PresetIndex = FirstPrimaryPreset;
}

// The preset index that follows `index` on the current bow's curve, wrapping round.
int NextPresetIndex(int index, int bow) {
    ++index;
    if (bow == 2)
        return (index < FirstSecondaryPreset || index > LastSecondaryPreset) ? FirstSecondaryPreset
                                                                             : index;
    return (index < FirstPrimaryPreset || index > LastPrimaryPreset) ? FirstPrimaryPreset : index;
}

int FirstPresetOf(int bow) {
    return bow == 2 ? FirstSecondaryPreset : FirstPrimaryPreset;
}

double ScrollBarParameter(const Scene& scene) {
    const RangeControl& bar = scene.Controls.ScrollBar1;
    return (bar.Max - bar.Position) * 0.005;
}

}  // namespace

void BuildAngleTables(Scene& scene) {
    RainbowState& rs = RainbowOf(scene);
    if (rs.AngleTablesBuilt || !scene.Buffers()) return;
    // Dense near the edge of the drop, where the curves turn.
    rs.SampleParameter[0] = 0;
    for (std::size_t s = 1; s <= 10; ++s) rs.SampleParameter[s] = 0.07 * static_cast<double>(s);
    for (std::size_t s = 11; s <= 30; ++s) rs.SampleParameter[s] = rs.SampleParameter[s - 1] + 0.01;
    for (std::size_t s = 31; s <= LastSample; ++s)
        rs.SampleParameter[s] = rs.SampleParameter[s - 1] + 0.005;
    for (std::size_t s = 0; s < LastSample; ++s)
        rs.SampleIncidence[s] = ArcSin(rs.SampleParameter[s]);
    rs.SampleIncidence[LastSample] = Pi / 2;

    for (std::size_t c = 0; c < ColourCount; ++c) {
        const double n = Colour(static_cast<int>(c) + 1).WaterIndex;
        for (std::size_t s = 0; s <= LastSample; ++s) {
            const double i = rs.SampleIncidence[s];
            const double r = ArcSin(rs.SampleParameter[s] / n);
            scene.Buffers()->PrimaryAngleTable[c][s] = (2 * r - i) * TwiceDegPerRad;  // 4r - 2i
            scene.Buffers()->SecondaryAngleTable[c][s] =
                (i - 3 * r) * TwiceDegPerRad + 180;  // 180 + 2i - 6r
        }
    }
    rs.AngleTablesBuilt = true;
}

void AngleAtParameter(Scene& scene, double p) {
    const SharedState& s = scene.State;
    RainbowState& rs = RainbowOf(scene);
    if (s.CurrentSimulation == 7) {
        rs.BandAngle = ExactAngle(p, Colour(s.CurrentColour).WaterIndex, s.CurrentBow);
    } else if (s.CurrentSimulation == 8 && scene.Buffers()) {
        BuildAngleTables(scene);
        rs.BandAngle = InterpolatedAngle(CurrentRow(scene), p);
    }
}

void FindPresetParameters(Scene& scene) {
    if (!scene.Buffers()) return;
    BuildAngleTables(scene);
    RainbowState& rs = RainbowOf(scene);
    const int colour = scene.State.CurrentColour;

    // One walk along each curve: each guide angle is looked for from where the previous
    // one was found, so that the crossings come in the curve's order.
    int running = 0;
    const auto cross = [&](const AngleRow& row, int preset, bool upwards) {
        const double target = PresetTarget[static_cast<std::size_t>(preset)];
        double& result = rs.PresetParameter[static_cast<std::size_t>(preset)];
        int found = running;
        while (found <= LastSample &&
               !(upwards ? At(row, found) >= target : At(row, found) <= target))
            ++found;
        if (found > LastSample) {
            // The curve never gets there: take the sample that comes nearest.
            int nearest = running;
            for (int s = running; s <= LastSample; ++s)
                if (std::abs(At(row, s) - target) < std::abs(At(row, nearest) - target))
                    nearest = s;
            result = rs.SampleParameter[static_cast<std::size_t>(nearest)];
            running = nearest;
            return;
        }
        // Linear between the sample before the crossing and the crossing sample.
        const int k = std::max(found - 1, 0);
        const double from = rs.SampleParameter[static_cast<std::size_t>(k)];
        const double to = rs.SampleParameter[static_cast<std::size_t>(std::min(k + 1, LastSample))];
        const double slope = (At(row, k + 1) - At(row, k)) / SampleSpacing(k);
        const double p = slope != 0 ? from + (target - At(row, k)) / slope : to;
        result = std::clamp(std::isfinite(p) ? p : to, from, to);
        running = found;
    };

    const AngleRow& primary = PrimaryRow(scene, colour);
    cross(primary, 1, true);
    cross(primary, 2, true);
    cross(primary, 3, false);
    cross(primary, 4, false);
    running = 0;
    const AngleRow& secondary = SecondaryRow(scene, colour);
    cross(secondary, 5, false);
    cross(secondary, 6, false);
    cross(secondary, 7, true);
}

void DrawParameterCursor(Scene& scene, TCanvas& canvas, double p) {
    World& world = scene.Map;
    const double v = RainbowOf(scene).BandAngle;
    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = world.BoldPenWidth;
    Line(world, canvas, p - 0.025, v, p + 0.025, v);
    Line(world, canvas, p, v - 5, p, v + 5);
    canvas.Pen.Width = world.PenWidth;
    if (p >= 0.7 && v > 25) {
        const InsetGraph inset = Inset(world);
        canvas.Pen.Width = world.BoldPenWidth;
        Line(world, canvas, p, v - 5, p, v + 5);
        Line(world, canvas, p - 0.025, v, p + 0.025, v);
        canvas.Pen.Width = world.PenWidth;
    }
}

void SetBandRayParameter(SetupScene& scene) {
    RainbowOf(scene).RayParameter = 0.5;
}

namespace {

// The ray parameter after a move of a control or the guides' switch (F2): the next guide
// level while the guides are shown, otherwise where the scroll bar stands.
void FollowBandEvent(Scene& scene, TCanvas& canvas, Event event) {
    RainbowState& rs = RainbowOf(scene);
    SharedState& s = scene.State;
    double& p = rs.RayParameter;
    switch (event) {
        case Event::ScrollBar1:
            if (s.ShowMarks) {
                rs.PresetIndex = NextPresetIndex(rs.PresetIndex, s.CurrentBow);
                p = rs.PresetParameter[static_cast<std::size_t>(rs.PresetIndex)];
            } else {
                p = ScrollBarParameter(scene);
            }
            break;
        case Event::TrackBar1:
            s.CurrentColour = scene.Controls.TrackBar1.Position;
            if (s.ShowMarks) {
                FindPresetParameters(scene);
                rs.PresetIndex = FirstPresetOf(s.CurrentBow);
                p = rs.PresetParameter[static_cast<std::size_t>(rs.PresetIndex)];
            }
            break;
        case Event::TrackBar2:
            s.CurrentBow = scene.Controls.TrackBar2.Position;
            rs.PresetIndex = FirstPresetOf(s.CurrentBow);
            DrawBandBowLabels(scene, canvas);
            if (s.ShowMarks) p = rs.PresetParameter[static_cast<std::size_t>(rs.PresetIndex)];
            break;
        case Event::F2:
            DrawPresetLevels(scene, canvas);
            FindPresetParameters(scene);
            rs.PresetIndex = FirstPresetOf(s.CurrentBow);
            FlipViewToggle(s, event);
            // With the guides off the cursor goes back to where the scroll bar stands.
            p = s.ShowMarks ? rs.PresetParameter[static_cast<std::size_t>(rs.PresetIndex)]
                            : ScrollBarParameter(scene);
            break;
        default:
            break;
    }
}

}  // namespace

void DrawAlexandersBand(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    const bool handled = event == Event::Redraw || event == Event::ScrollBar1 ||
                         event == Event::TrackBar1 || event == Event::TrackBar2 ||
                         event == Event::F2;
    if (!handled || !scene.Buffers()) return;
    RainbowState& rs = RainbowOf(scene);
    SharedState& s = scene.State;
    double& p = rs.RayParameter;

    if (event == Event::Redraw) {
        DrawBandGraph(scene, clearFirst, canvas);
    } else {
        canvas.Pen.Mode = pmNotXor;
        canvas.Pen.Style = psSolid;
    }

    // Draws the figures of the present state, or erases them before the state changes.
    const auto drawMoving = [&] {
        AngleAtParameter(scene, p);
        DrawParameterCursor(scene, canvas, p);
        DrawDropIconRay(scene, canvas, p);
    };
    drawMoving();
    if (event == Event::Redraw) {
        WriteBandTable(scene);
        if (s.ShowMarks) DrawPresetLevels(scene, canvas);
        return;
    }

    FollowBandEvent(scene, canvas, event);
    drawMoving();
    WriteBandTable(scene);
}

namespace {

constexpr double MarkerHalfWidth = 0.025;   // p, the cross's arms as DrawParameterCursor draws them
constexpr double MarkerHalfHeight = 5;      // degrees
constexpr double ParameterPerStep = 0.005;  // ScrollBar1's step in p

// The cursor's cross on the curve. While the guides (F2) are shown the cursor jumps
// between them, so it is not dragged then.
bool GripsMarker(Scene& scene, TPoint p) {
    if (scene.State.ShowMarks) return false;
    const RainbowState& rs = RainbowOf(scene);
    const double x = rs.RayParameter, v = rs.BandAngle;
    return GripsSegment(scene, p, {x - MarkerHalfWidth, v}, {x + MarkerHalfWidth, v}) ||
           GripsSegment(scene, p, {x, v - MarkerHalfHeight}, {x, v + MarkerHalfHeight});
}

// The marker follows the curve at the pointer's p; ScrollBar1 shows Max - p / 0.005.
double MarkerPositionAt(Scene& scene, WorldPoint w) {
    return scene.Controls.ScrollBar1.Max - w.x / ParameterPerStep;
}

}  // namespace

const DragFigure BandMarkerDrag{.Name = "mærket på kurven",
                                .Moves = Control::ScrollBar1,
                                .Grips = &GripsMarker,
                                .PositionAt = &MarkerPositionAt};

}  // namespace viv
