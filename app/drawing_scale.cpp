// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/drawing_scale.h"

#include <algorithm>
#include <cmath>

namespace viv {

int SmoothScale(int width, int height) {
    constexpr double kMostPixels = 8.3e6;  // a 3840 x 2160 picture drawn once
    constexpr int kScale = 2;
    const double large =
        static_cast<double>(std::max(width, 1)) * std::max(height, 1) * kScale * kScale;
    return large <= kMostPixels ? kScale : 1;
}

double ZoomWithin(double zoom) {
    if (!std::isfinite(zoom)) return MinZoom;
    return std::clamp(std::round(zoom / ZoomStep) * ZoomStep, MinZoom, MaxZoom);
}

double PresentationZoom(int pictureHeight, double textHeight) {
    if (!(textHeight > 0) || pictureHeight <= 0) return MinZoom;
    const double wanted = pictureHeight / 40.0 / textHeight;
    return std::clamp(std::ceil(wanted / ZoomStep - 1e-9) * ZoomStep, MinZoom, MaxZoom);
}

int PenScale(double pixelRatio) {
    if (!(pixelRatio >= 1.0) || !std::isfinite(pixelRatio)) return 1;
    return std::max(1, static_cast<int>(std::lround(std::min(pixelRatio, 64.0))));
}

}  // namespace viv
