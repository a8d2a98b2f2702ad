// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/bow_cone.h"

#include <cmath>
#include <random>
#include <string>
#include <string_view>
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

// Side view, world units with the ground at y = 0; the heights scale with AspectHeight.
constexpr double ViewXMin = -4, ViewXMax = 16;
constexpr double ViewBottom = -0.2, ViewTop = 1.8;  // times AspectHeight
constexpr double RaysFromX = -2, RaysToX = 14;      // where the sun rays are drawn
constexpr double RainLeft = 10, RainRight = 12;     // the curtain of rain
constexpr int SunRayCount = 60;                     // rays 0.03 AspectHeight apart at x = 10
constexpr double SunRayStep = 0.03;                 // times AspectHeight
constexpr int DropCount = 300;
constexpr double DropRadius = 0.1;

constexpr TColor SunColour = clYellow;
constexpr TColor SightColour = clSilver;
constexpr TColor ArcColour = clBlue;
constexpr TColor GroundColour = clGreen;

double Radians(int degrees) {
    return degrees / DegPerRad;
}

// The slope of the sun rays, which descend to the right.
double SunSlope(const RainbowState& rs) {
    return Tan(-Radians(rs.SunHeight));
}

// The slope of the line of sight towards the bow direction D (radians from the
// antisolar point); the direction is seen above the horizon when it is not negative.
double SightSlope(const RainbowState& rs, double d) {
    return Tan(d - Radians(rs.SunHeight));
}

void Text(const World& world, TCanvas& canvas, double x, double y, std::string_view text) {
    canvas.TextOut(world.PictureX(x), world.PictureY(y), text);
}

void DrawGround(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    const double a = world.AspectHeight;
    canvas.Brush.Color = GroundColour;
    canvas.Brush.Style = bsDiagCross;
    canvas.Rectangle(world.PictureX(ViewXMin), world.PictureY(0), world.PictureX(ViewXMax),
                     world.PictureY(ViewBottom * a));
    canvas.Brush.Color = clWhite;
}

// A new shower at every full redraw, spread evenly over the curtain of rain.
void DrawRainDrops(Scene& scene, TCanvas& canvas) {
    RainbowState& rs = RainbowOf(scene);
    rs.DropRandom.seed(rs.DropSeed.value_or(scene.Milliseconds()));
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double a = scene.Map.AspectHeight;
    canvas.Pen.Color = clBlack;
    for (int k = 0; k < DropCount; ++k) {
        const double r1 = unit(rs.DropRandom);
        const double r2 = unit(rs.DropRandom);
        DrawCircle(scene.Map, canvas, RainLeft + (RainRight - RainLeft) * r1, 1.9 * a * r2,
                   DropRadius);
    }
}

// The sun's height on an opaque patch, and the parallel sun rays as one polyline whose
// rays are joined alternately at their ends and at their entries.
void DrawSunRays(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    RainbowState& rs = RainbowOf(scene);
    const double a = world.AspectHeight;
    const double m = SunSlope(rs);
    const double top = ViewTop * a;

    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clWhite;
    Text(world, canvas, -3, 0.2 * a, "solhøjde=" + FormatReal(5, 1, rs.SunHeight) + "°  ");

    canvas.Pen.Color = SunColour;
    std::vector<TPoint> points;
    points.reserve(2 * static_cast<std::size_t>(SunRayCount));
    double lowest = top;
    for (int k = 0; k < SunRayCount; ++k) {
        const double ys = SunRayStep * (SunRayCount - k) * a;  // height at x = 10
        const double ye = ys + (RaysFromX - RainLeft) * m;
        const TPoint entry =
            ye > top ? world.Picture((top - ys) / m + RainLeft, top) : world.Picture(RaysFromX, ye);
        const double u = ys + (RaysToX - RainLeft) * m;
        const TPoint end = u >= 0 ? world.Picture(RaysToX, u) : world.Picture(RainLeft - ys / m, 0);
        if (k % 2 == 0) {
            points.push_back(entry);
            points.push_back(end);
        } else {
            points.push_back(end);
            points.push_back(entry);
        }
        lowest = ys;
    }
    canvas.Polyline(points);
    rs.LowestSunRay = lowest;
}

// The bow directions the lines of sight follow: the secondary bow's eight, then the
// primary bow's eight (radians).
std::vector<double> BowDirections(const RainbowAngles& bows) {
    std::vector<double> d;
    for (int c = 1; c <= ColourCount; ++c)
        d.push_back(bows.SecondaryBowDeviation[static_cast<std::size_t>(c)]);
    for (int c = 1; c <= ColourCount; ++c)
        d.push_back(bows.PrimaryBowDeviation[static_cast<std::size_t>(c)]);
    return d;
}

// A fan from the eye to the left edge of the rain, one line for every direction above
// the horizon.
void DrawSightLines(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    const RainbowState& rs = RainbowOf(scene);
    const double x0 = rs.ObserverX;
    const TPoint eye = world.Picture(x0, 0);
    canvas.Pen.Color = SightColour;
    std::vector<TPoint> points;
    for (double d : BowDirections(scene.State.Rainbow)) {
        const double s = SightSlope(rs, d);
        if (!(s >= 0)) continue;
        const TPoint atRain = world.Picture(RainLeft, s * (RainLeft - x0));
        if (points.size() % 4 == 0) {
            points.push_back(eye);
            points.push_back(atRain);
        } else {
            points.push_back(atRain);
            points.push_back(eye);
        }
    }
    if (!points.empty()) canvas.Polyline(points);
}

// Where a line of sight crosses the rain, in its colour.
void DrawBowSegments(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    const RainbowState& rs = RainbowOf(scene);
    const RainbowAngles& bows = scene.State.Rainbow;
    const double x0 = rs.ObserverX;
    for (int c = 1; c <= ColourCount; ++c) {
        const auto k = static_cast<std::size_t>(c);
        for (double d : {bows.SecondaryBowDeviation[k], bows.PrimaryBowDeviation[k]}) {
            const double s = SightSlope(rs, d);
            if (!(s >= 0)) continue;
            canvas.Pen.Color = Colour(c).ScreenColour;
            Line(world, canvas, RainLeft, s * (RainLeft - x0), RainRight, s * (RainRight - x0));
        }
    }
}

// The bow angles of the extreme colours, each between the sunlight and the line of sight
// where the line of sight meets the lowest sun ray above the ground.
void DrawBowAngleArcs(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    const RainbowState& rs = RainbowOf(scene);
    const RainbowAngles& bows = scene.State.Rainbow;
    const double m = SunSlope(rs);
    const double low = rs.LowestSunRay;
    const double x0 = rs.ObserverX;
    canvas.Pen.Color = ArcColour;
    for (double d : {bows.PrimaryBowDeviation[1], bows.PrimaryBowDeviation[8],
                     bows.SecondaryBowDeviation[1], bows.SecondaryBowDeviation[8]}) {
        const double s = SightSlope(rs, d);
        if (s == m) continue;  // parallel: they never meet
        WorldPoint meet;
        meet.x = (low - RainLeft * m + x0 * s) / (s - m);
        meet.y = (meet.x - RainLeft) * m + low;
        if (meet.y > 0)
            DrawAngleArc(world, meet, canvas, 1, Pi - Radians(rs.SunHeight), std::atan(s) + Pi);
    }
}

// A stick figure with its eye at (ObserverX, 0); the body keeps the colour of the last
// figure drawn before it.
void DrawObserver(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    const double x = RainbowOf(scene).ObserverX;
    canvas.Pen.Width = world.BoldPenWidth;
    Line(world, canvas, x, -0.4, x, 0);
    canvas.Pen.Color = SunColour;
    Line(world, canvas, x - 0.04, 0.04, x + 0.04, 0.04);
    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = world.PenWidth;
    Line(world, canvas, x - 0.1, -0.6, x, -0.4);
    Line(world, canvas, x + 0.1, -0.6, x, -0.4);
    Line(world, canvas, x - 0.1, -0.3, x + 0.1, 0.1);
}

void WriteConeTable(Scene& scene) {
    const RainbowAngles& bows = scene.State.Rainbow;
    Report& table = scene.Out;
    table.SetCell(1, 1, FormatInteger(RainbowOf(scene).SunHeight, 1));
    table.SetCell(1, 2, FormatReal(2, 1, bows.PrimaryBowAngle[1]));
    table.SetCell(1, 3, FormatReal(2, 1, bows.PrimaryBowAngle[8]));
    table.SetCell(1, 4, FormatReal(2, 1, bows.SecondaryBowAngle[8]));
    table.SetCell(1, 5, FormatReal(2, 1, bows.SecondaryBowAngle[1]));
}

// Event 32 up to the figures that follow the state: texts, ground and rain.
void DrawConeScene(Scene& scene, bool clearFirst, TCanvas& canvas) {
    World& world = scene.Map;
    const double a = world.AspectHeight;
    world.PictureMarginX = 0;
    world.PictureMarginY = 0;
    SetupWorld(world, 0, clearFirst, canvas, ViewXMin, ViewXMax, ViewBottom * a, ViewTop * a);
    // The scene is laid down as it is; only what follows the state is inverted.
    canvas.Pen.Mode = pmCopy;
    canvas.Pen.Style = psSolid;
    canvas.Font.Color = clBlack;
    canvas.Brush.Style = bsClear;
    // Each name where no ray passes: left of the observer's arms where he starts (he
    // moves only to the right), left of where the sun rays begin, and on a white patch in
    // the ground under the rain.
    const int gap = 4 * static_cast<int>(world.Zoom);  // pixels
    const std::string_view observer = "Iagttager", sunlight = "Sollys", rain = "Regndråber";
    canvas.TextOut(world.PictureX(-0.1) - gap - canvas.TextWidth(observer), world.PictureY(0.5),
                   observer);
    canvas.TextOut(world.PictureX(RaysFromX) - gap - canvas.TextWidth(sunlight),
                   world.PictureY(1.4 * a), sunlight);
    canvas.Brush.Style = bsSolid;
    canvas.Pen.Color = clWhite;  // the ground has no outline of its own
    DrawGround(scene, canvas);
    canvas.Brush.Style = bsSolid;
    canvas.TextOut(world.PictureX((RainLeft + RainRight) / 2) - canvas.TextWidth(rain) / 2,
                   world.PictureY(ViewBottom * a / 2) - canvas.TextHeight(rain) / 2, rain);
    canvas.Pen.Mode = pmNotXor;
    DrawRainDrops(scene, canvas);
}

}  // namespace

void SetConeStartValues(SetupScene& scene) {
    RainbowOf(scene).SunHeight = 30;
    RainbowOf(scene).ObserverX = 0;
}

void DrawBowCone(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    RainbowState& rs = RainbowOf(scene);
    const bool handled = event == Event::Redraw || event == Event::ScrollBar1 ||
                         event == Event::TrackBar2 || event == Event::F2;
    if (handled) {
        if (event == Event::Redraw) {
            DrawConeScene(scene, clearFirst, canvas);
        } else {
            canvas.Pen.Mode = pmNotXor;
            canvas.Pen.Style = psSolid;
        }
        // Draws the figures of the present state, or erases them before it changes.
        const auto drawFigures = [&](bool withSun) {
            if (withSun) DrawSunRays(scene, canvas);
            DrawSightLines(scene, canvas);
            DrawBowSegments(scene, canvas);
            if (scene.State.ShowMarks) {
                DrawBowAngleArcs(scene, canvas);
            }
            DrawObserver(scene, canvas);
        };
        drawFigures(event != Event::F2);
        if (event != Event::Redraw) {
            if (event == Event::ScrollBar1) rs.SunHeight = 60 - scene.Controls.ScrollBar1.Position;
            if (event == Event::TrackBar2) rs.ObserverX = scene.Controls.TrackBar2.Position - 1;
            if (event == Event::F2) FlipViewToggle(scene.State, event);
            drawFigures(event != Event::F2);
        }
    }
    WriteConeTable(scene);
    scene.Out.Panel1 = "h: " + FormatInteger(rs.SunHeight, 1) + "°";
}

namespace {

// The stick figure from its feet to its eye, with the arms' reach.
bool GripsObserver(Scene& scene, TPoint p) {
    const double x = RainbowOf(scene).ObserverX;
    return GripsSegment(scene, p, {x, -0.6}, {x, 0.1}) ||
           GripsSegment(scene, p, {x - 0.1, -0.3}, {x + 0.1, 0.1});
}

// The observer stands at x = TrackBar2 - 1.
double ObserverPositionAt(Scene& /*scene*/, WorldPoint w) {
    return w.x + 1;
}

}  // namespace

const DragFigure ObserverDrag{.Name = "iagttageren",
                              .Moves = Control::TrackBar2,
                              .Grips = &GripsObserver,
                              .PositionAt = &ObserverPositionAt};

}  // namespace viv
