// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/colour/complement_pattern.h"

#include <array>
#include <cmath>
#include <vector>

#include "app/events.h"
#include "app/view_toggles.h"
#include "library/world.h"
#include "sims/colour/colour_levels.h"
#include "sims/colour/colour_state.h"

namespace viv {

namespace {

constexpr int EdgePoints = 50;
constexpr int BandCount = 10;      // the last one white
constexpr double BandWidth = 1.5;  // world units
constexpr double ShiftScale = 7;   // the shift of TrackBar2's position p is p/7 world units

// The wavy left edge, from y = 5 down to y = -4.8 (world units), in pixels.
std::array<TPoint, EdgePoints> LeftEdge(const World& world) {
    std::array<TPoint, EdgePoints> edge{};
    for (int j = 0; j < EdgePoints; ++j) {
        const double y = 5 - 0.2 * j;
        edge[static_cast<std::size_t>(j)] = world.Picture(0.5 * std::sin(y) - 6.5, y);
    }
    return edge;
}

// Each band overlaps the next one, so the stripes seen are alternately b − d and b + d
// pixels wide.
void DrawPattern(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    const std::array<TPoint, EdgePoints> edge = LeftEdge(world);
    const int b = world.PictureX(BandWidth) - world.PictureX(0);
    int d = world.PictureX(ColourOf(scene).BandShift / ShiftScale) - world.PictureX(0);
    const TColor mixed = MixedColour(scene);
    canvas.Pen.Mode = pmCopy;
    canvas.Pen.Style = psSolid;
    canvas.Brush.Style = bsSolid;
    int left = 0, right = b;  // shifts of the band's two edges, pixels
    std::vector<TPoint> band(2 * static_cast<std::size_t>(EdgePoints));
    for (int i = 0; i < BandCount; ++i) {
        TColor colour = i % 2 == 0 ? mixed : Complement(mixed);
        if (i == BandCount - 1) colour = clWhite;
        canvas.Brush.Color = colour;
        canvas.Pen.Color = scene.State.ShowNormals ? clWhite : colour;
        for (int j = 0; j < EdgePoints; ++j) {
            const TPoint p = edge[static_cast<std::size_t>(j)];
            band[static_cast<std::size_t>(j)] = {p.x + left, p.y};
            band[static_cast<std::size_t>(2 * EdgePoints - 1 - j)] = {p.x + right, p.y};
        }
        canvas.Polygon(band);
        left += b - d;
        right += b + d;
        d = -d;
    }
    canvas.Pen.Mode = pmNotXor;
}

}  // namespace

void SetPatternStartValues(SetupScene& scene) {
    ColourOf(scene).BandShift = 0.4;
}

void DrawComplementPattern(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    World& world = scene.Map;
    ColourState& cs = ColourOf(scene);
    bool draw = true;
    switch (event) {
        case Event::Redraw:
            SetupColourWorld(world, clearFirst, canvas);
            ReadLevels(scene);
            cs.BandShift = scene.Controls.TrackBar2.Position;
            break;
        case Event::TrackBar2:
            cs.BandShift = scene.Controls.TrackBar2.Position;
            break;
        case Event::F3:
            FlipViewToggle(scene.State, event);
            break;
        default:
            draw = ReadMovedLevel(scene, event);
            break;
    }
    if (draw) DrawPattern(scene, canvas);
    WriteRgbPanels(scene);
}

}  // namespace viv
