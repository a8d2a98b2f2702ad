// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Smooth drawing: the picture is drawn by the same exact routines on a canvas k times
// larger in each direction and shown reduced, every shown pixel the mean of its k x k
// pixels (an area filter). Lines, arcs and text come out smooth, while the large picture
// keeps its exact pen arithmetic, so a figure drawn twice in not-xor still leaves no trace.
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

#include "library/canvas.h"

namespace viv {

class RasterCanvas;

// The area filter of `large` reduced k times, for the shown pixels of `area` (clipped to
// the reduced picture), written into `reduced`, which is W / k x H / k pixels.
void ReduceArea(const QImage& large, int k, const TRect& area, QImage& reduced);

// The picture as shown: the canvas's own image, or with a drawing scale k > 1 its
// reduction, made whole (for saving and copying; the canvas's changed box is left alone).
QImage ShownImage(const RasterCanvas& picture, int k);

// The reduced picture of a large canvas, filtered again only where the canvas changed.
class ReducedPicture {
public:
    // Brings the reduced picture up to date with `large` (k >= 2) and returns it.
    const QImage& Update(RasterCanvas& large, int k);

private:
    QImage reduced_;
    int k_ = 0;
    std::vector<std::uint32_t> tiles_;  // the large picture's changed tiles
    std::vector<std::uint8_t> seen_;    // scratch for joining them
};

}  // namespace viv
