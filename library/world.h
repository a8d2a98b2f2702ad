// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The mapping of world coordinates (reals, y upwards) onto picture pixels (integers,
// rows downwards), and the per-simulation set-up every full redraw begins with.
#pragma once

#include <cstdint>

#include "library/canvas.h"

namespace viv {

struct WorldPoint {
    double x = 0;
    double y = 0;
};

// Sums, multiples and the dot product of world points taken as plane vectors.
constexpr WorldPoint operator+(WorldPoint a, WorldPoint b) {
    return {a.x + b.x, a.y + b.y};
}
constexpr WorldPoint operator*(double s, WorldPoint a) {
    return {s * a.x, s * a.y};
}
constexpr double Dot(WorldPoint a, WorldPoint b) {
    return a.x * b.x + a.y * b.y;
}

// Where the picture lies on the screen and where the cursor is; the windowing layer
// (or the scripted mode) provides it.
class PointerSource {
public:
    virtual ~PointerSource() = default;
    virtual TPoint CursorPos() const = 0;      // screen pixels
    virtual TPoint PictureOrigin() const = 0;  // screen pixel of the picture's top-left corner
    virtual TPoint PictureSize() const = 0;    // the picture component's width and height
};

struct World {
    // The drawing target (the page while printing).
    std::uint16_t PictureWidth = 0;   // W, pixels
    std::uint16_t PictureHeight = 0;  // H, pixels
    // Strips left free by the mapping at the left (L) and at the bottom (B), pixels;
    // set while an inset graph is drawn.
    std::uint16_t PictureMarginX = 0;
    std::uint16_t PictureMarginY = 0;
    // Pixels added to every mapped column and row (200 while printing).
    int PrintOffsetX = 0;
    int PrintOffsetY = 0;
    int PenWidth = 1;      // ordinary lines, pixels
    int BoldPenWidth = 3;  // the drop's outline and heavy rays, pixels
    int AxisPenWidth = 0;  // DrawAxes; 0 draws one-pixel lines
    double Zoom = 1;       // arrow heads and marks grow by it; the world window stays
    // Half-height in world units of a window 20 units wide with equal scales.
    double AspectHeight = 0;

    // The current simulation's own world window, as passed to SetupWorld.
    double WorldXMin = 0, WorldXMax = 0, WorldYMin = 0, WorldYMax = 0;
    // The window the mapping uses now (an inset graph changes it).
    double MapXMin = 0, MapXMax = 0, MapYMin = 0, MapYMax = 0;
    double MapWidth = 0, MapHeight = 0;   // world units
    double MapScaleX = 0, MapScaleY = 0;  // pixels per world unit

    WorldPoint MouseWorld;  // the last mouse position in world units

    // The on-screen picture: ClearPicture always clears it, whatever canvas is drawn on.
    TCanvas* Screen = nullptr;

    // Sets the mapping window and fixes the scales for the current size and margins.
    void SetWorldWindow(double xmin, double xmax, double ymin, double ymax);

    int PictureX(double x) const {
        return RoundToPixel((x - MapXMin) * MapScaleX) + PictureMarginX + PrintOffsetX;
    }
    int PictureY(double y) const { return RoundToPixel((MapYMax - y) * MapScaleY) + PrintOffsetY; }
    TPoint Picture(double x, double y) const { return {PictureX(x), PictureY(y)}; }

    // AspectHeight from the picture size.
    void UpdateAspect();

    // Nearest integer, halfway to even; values beyond the picture's reach are held at
    // +-2^30 pixels and a NaN far off the picture, so no figure ever wraps around.
    static int RoundToPixel(double v);
};

// The first call of every full redraw: optionally clears the screen picture, stores
// the simulation's world window, maps it, draws the x axis (axisMode 1 solid, 2 dotted,
// 0 none) and leaves the pen in pmNotXor.
void SetupWorld(World& world, std::uint16_t axisMode, bool clear, TCanvas& canvas, double xmin,
                double xmax, double ymin, double ymax);

// A world window, world units.
struct WorldWindow {
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
};

// The window w (of equal scales) showing the heights lowest..highest too: where its y range
// falls short it is stretched to them and its x range widened about its middle in
// proportion, so the figure keeps its shape in a wide picture. Unchanged where it fits.
WorldWindow ShowingHeights(const WorldWindow& w, double lowest, double highest);

// An inset graph's mapping for as long as the object lives: `window` shown in the part of
// the picture right of and below the given fractions of its width and height (margins in
// whole pixels, rounded down); the simulation's own window, without margins, once it ends.
class InsetMapping {
public:
    struct Fraction {
        int numerator = 0, denominator = 1;
    };
    InsetMapping(World& world, Fraction fromLeft, Fraction fromTop, const WorldWindow& window);
    ~InsetMapping();
    InsetMapping(const InsetMapping&) = delete;
    InsetMapping& operator=(const InsetMapping&) = delete;

private:
    World& world_;
};

// Fills the whole on-screen picture white.
void ClearPicture(World& world);

// The world point under the cursor, stored in MouseWorld; uses the simulation's world
// window and the picture component's size.
void MouseToWorld(World& world, const PointerSource& pointer);

}  // namespace viv
