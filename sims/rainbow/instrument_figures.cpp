// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/instrument_figures.h"

#include <cmath>
#include <string>
#include <vector>

#include "app/events.h"
#include "library/drawing.h"
#include "library/format.h"
#include "library/trig.h"
#include "library/world_drawing.h"

namespace viv {

namespace {

constexpr double RadPerDeg = Pi / 180;
constexpr double Sin45 = 0.7071067811865476;

// The quadrant, world units.
constexpr double BarLength = 15, BarHalf = 0.5;
constexpr double VaneHalf = 0.3, VaneWidth = 0.2;
constexpr double VaneX[] = {2, 13};
constexpr double ArcRadii[] = {7.5, 14.5, 15, 16};
constexpr double InnerRadius = 7.5;  // the ten-degree lines start here
constexpr double FiveRadius = 14.5;  // the five-degree ticks
constexpr double DegreeRadius = 15;  // the one-degree ticks
constexpr double OuterRadius = 16;
constexpr double LabelGap = 3;  // between the outer arc and a number's box, pixels
// The window the whole quadrant and its numbers fit in, world units.
constexpr double QuadrantLeft = -1, QuadrantRight = 18.5, QuadrantTop = 1, QuadrantBottom = -18;
constexpr double SmallSquare = 6,
                 LargeSquare = 7.5;              // the squares' outer corners lie at these radii
constexpr double Steepest = 1.5697963267948967;  // radians; steeper counts as straight down
constexpr int QuadrantFontSize = 16;

// The Jacob's staff.
constexpr int FirstDegree = 40, LastDegree = 60;
constexpr double StaffHeight = 1, HalfTickHeight = 0.5;
constexpr int StaffFontSize = 12;

constexpr TColor HatchColour = clRed;

void Path(const World& map, TCanvas& canvas, std::initializer_list<WorldPoint> points) {
    std::vector<TPoint> pixels;
    for (const WorldPoint& p : points) pixels.push_back(map.Picture(p.x, p.y));
    canvas.Polyline(pixels);
}

void Box(const World& map, TCanvas& canvas, double x1, double y1, double x2, double y2) {
    Path(map, canvas, {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}});
}

WorldPoint Polar(double r, double degrees) {
    return {r * std::cos(degrees * RadPerDeg), r * std::sin(degrees * RadPerDeg)};
}

// Y / tan(a), or 0 where the direction a is (nearly) straight down.
double AlongDirection(double y, double a) {
    return std::abs(a) > Steepest ? 0 : y / std::tan(a);
}

// Five hatched bands between the quadrant's squares' bottom sides: 45°..50°, 55°..60°,
// ..., 85°..90° below the sighting edge; leaves the brush hatched.
void DrawHatchedBands(const World& map, TCanvas& canvas) {
    canvas.Brush.Color = HatchColour;
    canvas.Brush.Style = bsDiagCross;
    const double y1 = -SmallSquare * Sin45, y2 = -LargeSquare * Sin45;
    for (int i = 1; i <= 5; ++i) {
        const double a1 = -(10 * i + 35) * RadPerDeg, a2 = -(10 * i + 40) * RadPerDeg;
        canvas.Polygon(
            {map.Picture(AlongDirection(y1, a1), y1), map.Picture(AlongDirection(y2, a1), y2),
             map.Picture(AlongDirection(y2, a2), y2), map.Picture(AlongDirection(y1, a2), y1)});
    }
}

// The ten-degree numbers 10 .. 80 round the quadrant's scale, in its bold font.
void WriteQuadrantNumbers(const World& map, TCanvas& canvas) {
    canvas.Font.Color = clBlack;
    canvas.Font.Size = QuadrantFontSize;
    canvas.Font.Bold = true;
    // Each number just beyond the outer arc, clear of the degree ticks: its box's centre
    // lies as far out as the box reaches towards the arc, plus a gap.
    for (int j = 1; j <= 8; ++j) {
        const std::string text = FormatInteger(10LL * j, 1);
        const double a = (270 + 10 * j) * RadPerDeg;
        const double reach = std::abs(canvas.TextWidth(text) / 2.0 * std::cos(a)) +
                             std::abs(canvas.TextHeight(text) / 2.0 * std::sin(a)) +
                             LabelGap * map.Zoom;  // pixels
        const WorldPoint p = Polar(OuterRadius + reach / map.MapScaleX, 270 + 10 * j);
        canvas.TextOut(map.PictureX(p.x) - canvas.TextWidth(text) / 2,
                       map.PictureY(p.y) - canvas.TextHeight(text) / 2, text);
    }
}

}  // namespace

void DrawQuadrant(const World& map, TCanvas& canvas) {
    const TFont font = canvas.Font;
    SetThinBlackPen(map, canvas, pmCopy);
    canvas.Brush.Style = bsClear;

    // The sighting bar and its two vanes, each crossed by its diagonals.
    Box(map, canvas, 0, -BarHalf, BarLength, BarHalf);
    for (const double x : VaneX) {
        Box(map, canvas, x, -VaneHalf, x + VaneWidth, VaneHalf);
        Line(map, canvas, {x, -VaneHalf}, {x + VaneWidth, VaneHalf});
        Line(map, canvas, {x, VaneHalf}, {x + VaneWidth, -VaneHalf});
    }

    for (const double r : ArcRadii) DrawAngleArc(map, {0, 0}, canvas, r, -Pi / 2, -0.001);
    Line(map, canvas, {0, 0}, {0, -InnerRadius});
    Line(map, canvas, {0, 0}, {InnerRadius, 0});

    // The two squares in the corner, each drawn as its two outer sides.
    for (const double radius : {SmallSquare, LargeSquare}) {
        const double s = radius * Sin45;
        Path(map, canvas, {{0, -s}, {s, -s}, {s, 0}});
    }

    DrawHatchedBands(map, canvas);
    canvas.Brush.Style = bsClear;

    // The scale, every whole degree of the quarter below.
    for (int d = 270; d <= 360; ++d) {
        const double inner = d % 10 == 0 ? InnerRadius : (d % 5 == 0 ? FiveRadius : DegreeRadius);
        Line(map, canvas, Polar(inner, d), Polar(OuterRadius, d));
    }
    WriteQuadrantNumbers(map, canvas);
    canvas.Font = font;
    canvas.Pen.Mode = pmNotXor;
}

double JacobsStaffPosition(double thetaDegrees) {
    return JacobsCrossPiece / 2 / std::tan(thetaDegrees * RadPerDeg * 0.5);
}

void DrawJacobsStaffScale(const World& map, TCanvas& canvas) {
    const TFont font = canvas.Font;
    canvas.Pen.Color = clBlack;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmCopy;
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = clBlack;
    canvas.Font.Size = StaffFontSize;
    canvas.Font.Bold = false;
    for (int theta = FirstDegree; theta <= LastDegree; ++theta) {
        const double x = JacobsStaffPosition(theta);
        const bool five = theta % 5 == 0;
        canvas.Pen.Width = five ? map.BoldPenWidth : map.PenWidth;
        Line(map, canvas, {x, 0}, {x, StaffHeight});
        if (five) {
            const std::string text = FormatInteger(theta, 2) + "°";
            canvas.TextOut(map.PictureX(x) - canvas.TextWidth(text) / 2, map.PictureY(0) + 2, text);
        }
    }
    canvas.Pen.Width = map.PenWidth;
    for (int theta = FirstDegree; theta < LastDegree; ++theta) {
        const double x = JacobsStaffPosition(theta + 0.5);
        Line(map, canvas, {x, 0}, {x, HalfTickHeight});
    }
    const double x1 = JacobsStaffPosition(FirstDegree), x2 = JacobsStaffPosition(LastDegree);
    Line(map, canvas, {x1, 0}, {x2, 0});
    Line(map, canvas, {x1, StaffHeight}, {x2, StaffHeight});
    canvas.Font = font;
    canvas.Pen.Mode = pmNotXor;
}

void DrawQuadrantPicture(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    if (event != Event::Redraw) return;
    World& map = scene.Map;
    map.PictureMarginX = 0;
    map.PictureMarginY = 0;
    // Equal scales, the whole quadrant in view: a wide picture shows more on either side,
    // a tall one more below.
    const double width = QuadrantRight - QuadrantLeft, height = QuadrantTop - QuadrantBottom;
    const double shownHeight = 2 * map.AspectHeight * width / 20;  // for the whole width
    if (shownHeight >= height) {
        SetupWorld(map, 0, clearFirst, canvas, QuadrantLeft, QuadrantRight,
                   QuadrantTop - shownHeight, QuadrantTop);
    } else {
        const double shownWidth = width * height / shownHeight;
        const double middle = (QuadrantLeft + QuadrantRight) / 2;
        SetupWorld(map, 0, clearFirst, canvas, middle - shownWidth / 2, middle + shownWidth / 2,
                   QuadrantBottom, QuadrantTop);
    }
    DrawQuadrant(map, canvas);
}

void DrawJacobsStaffPicture(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    if (event != Event::Redraw) return;
    World& map = scene.Map;
    map.PictureMarginX = 0;
    map.PictureMarginY = 0;
    const double h = map.AspectHeight;
    SetupWorld(map, 0, clearFirst, canvas, 20, 60, -h, h);
    DrawJacobsStaffScale(map, canvas);
}

}  // namespace viv
