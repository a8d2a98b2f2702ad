// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// How much larger smooth drawing draws the picture than it is shown.
#pragma once

namespace viv {

// The drawing scale k for a picture shown width x height pixels: 2 (each shown pixel the
// mean of 2 x 2 drawn ones), or 1 where the large picture would pass about 8 megapixels,
// as on a 4K screen, whose pixels are small already. A scale of 3 would smooth a little
// more but triples the drawing time of the busiest pictures past what a redraw may take.
int SmoothScale(int width, int height);

// The zoom of lines, text and arrow heads, and its step.
constexpr double MinZoom = 1.0, MaxZoom = 4.0, ZoomStep = 0.25;
// `zoom` held within MinZoom..MaxZoom and rounded to a whole number of steps.
double ZoomWithin(double zoom);

// The zoom of presentation mode: the least step at which picture text `textHeight` pixels
// high at zoom 1 is at least a fortieth of a picture `pictureHeight` pixels high, so
// that the back of a classroom can read it.
double PresentationZoom(int pictureHeight, double textHeight);

// Pen widths for a picture of `pixelRatio` picture pixels per pixel of the layout: as
// many picture pixels wide as one layout pixel.
int PenScale(double pixelRatio);

}  // namespace viv
