// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/colour/colour_levels.h"

#include <cmath>

#include "app/events.h"
#include "library/format.h"
#include "sims/colour/colour_state.h"

namespace viv {

int LevelOf(const RangeControl& bar) {
    return 255 - bar.Position;
}

void ReadLevels(Scene& scene) {
    ColourState& cs = ColourOf(scene);
    cs.Level1 = LevelOf(scene.Controls.ScrollBar1);
    cs.Level2 = LevelOf(scene.Controls.ScrollBar2);
    cs.Level3 = LevelOf(scene.Controls.ScrollBar3);
}

bool ReadMovedLevel(Scene& scene, Event event) {
    ColourState& cs = ColourOf(scene);
    switch (event) {
        case Event::ScrollBar1:
            cs.Level1 = LevelOf(scene.Controls.ScrollBar1);
            return true;
        case Event::ScrollBar2:
            cs.Level2 = LevelOf(scene.Controls.ScrollBar2);
            return true;
        case Event::ScrollBar3:
            cs.Level3 = LevelOf(scene.Controls.ScrollBar3);
            return true;
        default:
            return false;
    }
}

std::string PercentText(int level) {
    return FormatReal(2, 1, level * 100.0 / 255);
}

TColor MixedColour(Scene& scene) {
    const ColourState& cs = ColourOf(scene);
    return RGB(cs.Level1, cs.Level2, cs.Level3);
}

void WriteLevelCells(Scene& scene) {
    const ColourState& cs = ColourOf(scene);
    scene.Out.SetCell(1, 1, PercentText(cs.Level1));
    scene.Out.SetCell(1, 2, PercentText(cs.Level2));
    scene.Out.SetCell(1, 3, PercentText(cs.Level3));
}

void WriteLevelPanels(Scene& scene, std::string_view p1, std::string_view p2, std::string_view p3) {
    const ColourState& cs = ColourOf(scene);
    scene.Out.Panel1 = std::string(p1) + "=" + PercentText(cs.Level1) + "%";
    scene.Out.Panel2 = std::string(p2) + "=" + PercentText(cs.Level2) + "%";
    scene.Out.Panel3 = std::string(p3) + "=" + PercentText(cs.Level3) + "%";
}

void WriteRgbPanels(Scene& scene) {
    WriteLevelPanels(scene, "R", "G", "B");
}

void WorldPie(const World& world, TCanvas& canvas, double cx, double cy, double r, double sx,
              double sy, double ex, double ey) {
    canvas.Pie(world.PictureX(cx - r), world.PictureY(cy + r), world.PictureX(cx + r),
               world.PictureY(cy - r), world.PictureX(sx), world.PictureY(sy), world.PictureX(ex),
               world.PictureY(ey));
}

void WorldPieByAngle(const World& world, TCanvas& canvas, double cx, double cy, double r,
                     double from, double to) {
    WorldPie(world, canvas, cx, cy, r, cx + r * std::cos(from), cy + r * std::sin(from),
             cx + r * std::cos(to), cy + r * std::sin(to));
}

void WorldRectangle(const World& world, TCanvas& canvas, double x1, double y1, double x2,
                    double y2) {
    canvas.Rectangle(world.PictureX(std::fmin(x1, x2)), world.PictureY(std::fmax(y1, y2)),
                     world.PictureX(std::fmax(x1, x2)), world.PictureY(std::fmin(y1, y2)));
}

void WorldDisc(const World& world, TCanvas& canvas, double cx, double cy, double r) {
    canvas.Ellipse(world.PictureX(cx - r), world.PictureY(cy + r), world.PictureX(cx + r),
                   world.PictureY(cy - r));
}

void BoldText(TCanvas& canvas, int x, int y, std::string_view text) {
    canvas.Font.Bold = true;
    canvas.TextOut(x, y, text);
    canvas.Font.Bold = false;
}

void SetSolidFill(TCanvas& canvas, TColor outline, TColor fill, TPenMode mode) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = fill;
    canvas.Pen.Color = outline;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = mode;
}

void WriteSheetTitle(TCanvas& canvas, std::string_view title) {
    canvas.Brush.Color = clWhite;
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = clBlack;
    BoldText(canvas, 10, 10, title);
    canvas.Pen.Mode = pmNotXor;
}

void SetupColourWorld(World& world, bool clearFirst, TCanvas& canvas, double xMin, double xMax) {
    world.PictureMarginX = 0;
    world.PictureMarginY = 0;
    SetupWorld(world, 0, clearFirst, canvas, xMin, xMax, -world.AspectHeight, world.AspectHeight);
}

}  // namespace viv
