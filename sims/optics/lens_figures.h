// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Figures shared by the lens and mirror simulations: the pen, the aperture stop, the
// focal planes and the beam of parallel rays traced through a lens.
#pragma once

#include <span>

#include "app/scene.h"
#include "library/canvas.h"
#include "library/world.h"
#include "sims/optics/lens_trace.h"

namespace viv {

// The lens simulations' world window: x from -5 to 15; the emerging rays end at x = 14.5.
constexpr double LensWindowXMin = -5, LensWindowXMax = 15;
constexpr double RayEndMargin = 0.5;

// The pen of every figure: solid unless told, the simulation's pen width, not-xor.
void SetLensPen(TCanvas& canvas, const World& map, TColor colour, TPenStyle style = psSolid);

// The aperture stop: two thick black lines at x = stopX from the half-opening outwards
// to one unit beyond the lens's rim.
void DrawStop(const World& map, TCanvas& canvas, double stopX, double opening);

// A focal plane: a line at x from y = -3 to 3, or its half above the axis (with the
// axis's row) or below it, for two focal planes that fall on one pixel column and would
// mix their colours.
enum class FocalSpan { Whole, Upper, Lower };
void DrawFocalLine(const World& map, TCanvas& canvas, double x, TColor colour, TPenStyle style,
                   FocalSpan span = FocalSpan::Whole);

// The beam of simulations 23 and 25 traced through the faces (for blue and for red
// light) and drawn, each ray as one path up to x = 14.5 or the top or bottom of the
// window; rays stopped by a face are left out.
void DrawBeam(Scene& scene, TCanvas& canvas, std::span<const Interface> blue,
              std::span<const Interface> red);

// The events the lens simulations answer besides the full redraw: ScrollBar1, TrackBar1
// to TrackBar4 and the function keys.
bool IsLensEvent(Event event);

// What the lens simulations' shared controls do: TrackBar1 picks the substance 1 ..
// SubstanceCount, a function key flips its display switch.
void TakeLensEvent(Scene& scene, Event event);

}  // namespace viv
