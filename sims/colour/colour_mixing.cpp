// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/colour/colour_mixing.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>

#include "app/events.h"
#include "library/format.h"
#include "library/world.h"
#include "sims/colour/colour_levels.h"
#include "sims/colour/colour_state.h"

namespace viv {

namespace {

constexpr std::string_view kWidestLabel = "100.0% ";

// A light is a pie of a circle of radius 5 facing the middle, from the ray towards the
// start point counter-clockwise to the ray towards the end point (world units).
constexpr double LightRadius = 5;
constexpr double ScreenHalfSide = 6;    // the black screen the lights fall on
constexpr double FigureHalfSide = 6.5;  // the screen and the filters lie inside

struct LightShape {
    double cx, cy;  // centre
    double sx, sy;  // start point
    double ex, ey;  // end point
    double lx, ly;  // the label's left end
};

enum class Channel : std::uint8_t { Red, Green, Blue };

constexpr TColor InChannel(Channel channel, int level) {
    switch (channel) {
        case Channel::Red:
            return RGB(level, 0, 0);
        case Channel::Green:
            return RGB(0, level, 0);
        case Channel::Blue:
            return RGB(0, 0, level);
    }
    return clBlack;
}

struct Light {
    Channel channel;
    int ColourState::*level;
    LightShape shape;
};

// Drawn in this order: blue, green, red.
constexpr std::array<Light, 3> kLights{{
    {Channel::Blue, &ColourState::Level3, {4, 0, 4, 5, 4, -5, 2.5, 0}},
    {Channel::Green, &ColourState::Level2, {-2, -3.5, 3, -6.5, -7, 1.5, -2.5, -2.5}},
    {Channel::Red, &ColourState::Level1, {-2, 3.5, -7, -1.5, 5, 7.5, -2.5, 2.5}},
}};

// A filter is drawn in the colour of the light it takes away: XOR-ed onto white it
// leaves its own colour, and where filters overlap what is left is their product.
struct Filter {
    Channel removes;
    int ColourState::*level;
    std::array<WorldPoint, 4> corners;  // a rectangle's two corners, or a quadrilateral
    bool rectangle;
    WorldPoint label;
};

// Drawn in this order: cyan, yellow, magenta.
constexpr std::array<Filter, 3> kFilters{{
    {Channel::Red, &ColourState::Level2, {{{-2, -6}, {2, 6}, {}, {}}}, true, {0, 5}},
    {Channel::Blue, &ColourState::Level1, {{{-4, 5}, {-5, 1}, {4, -5}, {5, -1}}}, false, {-4, 2}},
    {Channel::Green, &ColourState::Level3, {{{-5, -1}, {-4, -5}, {5, 1}, {4, 5}}}, false, {3, 2}},
}};

void DrawTitle(Scene& scene, TCanvas& canvas, std::string_view title) {
    const World& world = scene.Map;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clWhite;
    canvas.Font.Color = clBlack;
    canvas.Font.Bold = true;
    const int y = world.PictureY(world.WorldYMax) + canvas.TextHeight("t");
    canvas.TextOut(world.PictureX(world.WorldXMin + 1), y, title);
    canvas.Font.Bold = false;
}

// One light's pie, OR-ed onto what lies there: red and green give yellow, all three white.
void DrawLightShape(Scene& scene, TCanvas& canvas, const Light& light) {
    const World& world = scene.Map;
    const LightShape& s = light.shape;
    const TColor colour = InChannel(light.channel, ColourOf(scene).*light.level);
    SetSolidFill(canvas, colour, colour, pmMerge);
    WorldPie(world, canvas, s.cx, s.cy, LightRadius, s.sx, s.sy, s.ex, s.ey);
}

// The black screen and the three lights on it.
void DrawLightShapes(Scene& scene, TCanvas& canvas) {
    SetSolidFill(canvas, clBlack, clBlack, pmCopy);
    WorldRectangle(scene.Map, canvas, -ScreenHalfSide, -ScreenHalfSide, ScreenHalfSide,
                   ScreenHalfSide);
    for (const Light& light : kLights) DrawLightShape(scene, canvas, light);
}

void DrawFilterShape(Scene& scene, TCanvas& canvas, const Filter& filter) {
    const World& world = scene.Map;
    const TColor colour = InChannel(filter.removes, ColourOf(scene).*filter.level);
    SetSolidFill(canvas, colour, colour, pmXor);
    const auto& c = filter.corners;
    if (filter.rectangle) {
        WorldRectangle(world, canvas, c[0].x, c[0].y, c[1].x, c[1].y);
    } else {
        canvas.Polygon({world.Picture(c[0].x, c[0].y), world.Picture(c[1].x, c[1].y),
                        world.Picture(c[2].x, c[2].y), world.Picture(c[3].x, c[3].y)});
    }
}

void DrawFilterLabel(Scene& scene, TCanvas& canvas, const Filter& filter) {
    DrawLevelLabel(scene, scene.Map.PictureX(filter.label.x), scene.Map.PictureY(filter.label.y),
                   ColourOf(scene).*filter.level, canvas);
}

// A printer page or a vector picture knows no OR or XOR of colours and would lose every
// overlap: there the lights or filters are mixed on a raster picture of their own, whose
// rows are copied over as runs of equal colour, white left out. The lights keep their
// black screen, without which they would mix to nothing but white.
void DrawShapesThroughRaster(Scene& scene, TCanvas& canvas, bool additive) {
    World& world = scene.Map;
    const int left = std::max(world.PictureX(-FigureHalfSide), 0);
    const int right = std::min(world.PictureX(FigureHalfSide), canvas.Width());
    const int top = std::max(world.PictureY(FigureHalfSide), 0);
    const int bottom = std::min(world.PictureY(-FigureHalfSide), canvas.Height());
    if (left >= right || top >= bottom) return;
    const std::unique_ptr<TCanvas> mixed = scene.CreatePicture(right - left, bottom - top);
    const int offsetX = world.PrintOffsetX, offsetY = world.PrintOffsetY;
    world.PrintOffsetX = offsetX - left;
    world.PrintOffsetY = offsetY - top;
    mixed->Pen.Width = canvas.Pen.Width;
    if (additive) {
        DrawLightShapes(scene, *mixed);
    } else {
        for (const Filter& filter : kFilters) DrawFilterShape(scene, *mixed, filter);
    }
    world.PrintOffsetX = offsetX;
    world.PrintOffsetY = offsetY;

    canvas.Pen.Mode = pmCopy;
    canvas.Brush.Style = bsSolid;
    const int width = mixed->Width();
    for (int y = 0; y < mixed->Height(); ++y) {
        for (int x = 0; x < width;) {
            const TColor c = mixed->GetPixel(x, y);
            int end = x + 1;
            while (end < width && mixed->GetPixel(end, y) == c) ++end;
            if (c != clWhite) {
                canvas.Brush.Color = c;
                canvas.FillRect({left + x, top + y, left + end, top + y + 1});
            }
            x = end;
        }
    }
}

// The three lights on a black screen, each labelled with its level (no label lies in
// another light). `cleared`: the screen picture was cleared just before.
void DrawAdditivePicture(Scene& scene, TCanvas& canvas, bool cleared = false) {
    World& world = scene.Map;
    const bool onScreen = &canvas == world.Screen;
    if (onScreen && !cleared) ClearPicture(world);
    DrawTitle(scene, canvas, "Additiv");
    if (onScreen)
        DrawLightShapes(scene, canvas);
    else
        DrawShapesThroughRaster(scene, canvas, true);
    for (const Light& light : kLights)
        DrawLevelLabel(scene, world.PictureX(light.shape.lx), world.PictureY(light.shape.ly),
                       ColourOf(scene).*light.level, canvas);
    canvas.Pen.Mode = pmNotXor;
}

// The three filters over white, each labelled with its level (no label lies in another
// filter).
void DrawSubtractivePicture(Scene& scene, TCanvas& canvas, bool cleared) {
    World& world = scene.Map;
    const bool onScreen = &canvas == world.Screen;
    if (onScreen && !cleared) ClearPicture(world);
    DrawTitle(scene, canvas, "Subtraktiv");
    canvas.Font.Color = clBlack;
    if (onScreen) {
        for (const Filter& filter : kFilters) DrawFilterShape(scene, canvas, filter);
    } else {
        DrawShapesThroughRaster(scene, canvas, false);
    }
    for (const Filter& filter : kFilters) DrawFilterLabel(scene, canvas, filter);
    canvas.Pen.Mode = pmNotXor;
}

void DrawMixingPicture(Scene& scene, TCanvas& canvas, bool cleared) {
    if (ColourOf(scene).AdditiveMode)
        DrawAdditivePicture(scene, canvas, cleared);
    else
        DrawSubtractivePicture(scene, canvas, cleared);
}

// The labels under the bars and the table's headers follow the mode.
void Relabel(Scene& scene) {
    const bool additive = ColourOf(scene).AdditiveMode;
    Report& w = scene.Out;
    w.ScrollBar1Symbol.Caption = additive ? "R" : "gul";
    w.ScrollBar2Symbol.Caption = additive ? "G" : "cyan";
    w.ScrollBar3Symbol.Caption = additive ? "B" : "mag.";
    Report& table = scene.Out;
    table.SetCell(0, 0, additive ? "Additiv" : "Subtraktiv");
    table.SetCell(0, 1, additive ? " Rød /%" : " gul /%");
    table.SetCell(0, 2, additive ? " Grøn /%" : " cyan /%");
    table.SetCell(0, 3, additive ? " Blå /%" : " magenta /%");
}

// One bar moved. The filters are taken away by drawing them again, then drawn with the
// new strength. The lights are OR-ed together, which cannot be undone where they reach
// past the black screen or lie under a label, so the picture of the lights is laid anew.
void ChangeLevel(Scene& scene, TCanvas& canvas, int ColourState::*level, const RangeControl& bar) {
    ColourState& cs = ColourOf(scene);
    if (cs.AdditiveMode) {
        cs.*level = LevelOf(bar);
        DrawAdditivePicture(scene, canvas);
        return;
    }
    for (const Filter& filter : kFilters) {
        if (filter.level != level) continue;
        DrawFilterShape(scene, canvas, filter);
        cs.*level = LevelOf(bar);
        DrawFilterShape(scene, canvas, filter);
        DrawFilterLabel(scene, canvas, filter);
    }
    canvas.Pen.Mode = pmNotXor;
}

}  // namespace

void DrawLevelLabel(Scene& scene, int x, int y, int level, TCanvas& canvas) {
    const std::string text = FormatReal(5, 1, level * 100.0 / 255) + "% ";
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clWhite;
    const int top = y - canvas.TextHeight("t") / 2;
    const int width = std::max(canvas.TextWidth(text), canvas.TextWidth(kWidestLabel));
    canvas.FillRect({x, top, x + width, top + canvas.TextHeight(text)});
    canvas.TextOut(x, top, text);
    canvas.Pen.Mode = ColourOf(scene).AdditiveMode ? pmCopy : pmXor;
}

void SetMixingStartValues(SetupScene& scene) {
    ColourOf(scene).AdditiveMode = true;
}

// Equal scales with the square and its sectors whole, in a wide picture too.
void SetupMixingWorld(World& world, bool clearFirst, TCanvas& canvas) {
    const double a = world.AspectHeight;
    const WorldWindow view = ShowingHeights({-10, 10, -a, a}, -FigureHalfSide, FigureHalfSide);
    SetupWorld(world, 0, clearFirst, canvas, view.xmin, view.xmax, view.ymin, view.ymax);
}

void DrawColourMixing(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    ColourState& cs = ColourOf(scene);
    World& world = scene.Map;
    switch (event) {
        case Event::Redraw:
            world.PictureMarginX = 0;
            world.PictureMarginY = 0;
            SetupMixingWorld(world, clearFirst, canvas);
            ReadLevels(scene);
            DrawMixingPicture(scene, canvas, clearFirst);
            break;
        case Event::TrackBar2:
            cs.AdditiveMode = scene.Controls.TrackBar2.Position == 0;
            DrawMixingPicture(scene, canvas, false);
            Relabel(scene);
            break;
        case Event::ScrollBar1:
            ChangeLevel(scene, canvas, &ColourState::Level1, scene.Controls.ScrollBar1);
            break;
        case Event::ScrollBar2:
            ChangeLevel(scene, canvas, &ColourState::Level2, scene.Controls.ScrollBar2);
            break;
        case Event::ScrollBar3:
            ChangeLevel(scene, canvas, &ColourState::Level3, scene.Controls.ScrollBar3);
            break;
        default:
            break;
    }
    WriteLevelCells(scene);
    const MainWindowModel& w = scene.Controls;
    WriteLevelPanels(scene, w.ScrollBar1Symbol.Caption, w.ScrollBar2Symbol.Caption,
                     w.ScrollBar3Symbol.Caption);
}

}  // namespace viv
