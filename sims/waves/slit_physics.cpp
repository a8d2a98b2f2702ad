// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/waves/slit_physics.h"

#include <algorithm>
#include <cmath>

#include "library/trig.h"

namespace viv {

namespace {

constexpr int GoldenSteps = 60;         // narrows a maximum's bracket to 1e-12 of its width
constexpr double MostSamples = 100000;  // along the screen, however fine the step asked for

double SineOnScreen(double y) {
    return y / std::hypot(y, SlitScreenDistance);
}

double ScreenHeight(double sine) {
    return SlitScreenDistance * sine / std::sqrt(1 - sine * sine);  // 8.2 tan θ
}

// (sin x / x)², 1 at x = 0.
double Sinc2(double x) {
    if (std::abs(x) < 1e-9) return 1;
    const double s = std::sin(x) / x;
    return s * s;
}

double IntensityAt(SlitScreen screen, double X, double y) {
    return SlitIntensity(screen, X, SineOnScreen(y));
}

// The place of the maximum of the intensity between a and b (world y), by golden-section
// search; the intensity has one maximum there.
double MaximumBetween(SlitScreen screen, double X, double a, double b) {
    const double g = (std::sqrt(5.0) - 1) / 2;
    double c = b - g * (b - a), d = a + g * (b - a);
    double fc = IntensityAt(screen, X, c), fd = IntensityAt(screen, X, d);
    for (int k = 0; k < GoldenSteps; ++k) {
        if (fc > fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - g * (b - a);
            fc = IntensityAt(screen, X, c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + g * (b - a);
            fd = IntensityAt(screen, X, d);
        }
    }
    return (a + b) / 2;
}

}  // namespace

double GratingSpacing(int linesPerMm) {
    return 0.001 / linesPerMm * LaserWavesPerMetre;
}

double DoubleSlitSpacing(int position) {
    return (30 - position) / 35.0 + 2.53;
}

double SingleSlitWidth(int position) {
    return (100 - position) / 35.0 + 2.53;
}

bool OrderExists(int m, double X) {
    return m >= 1 && m / X < 1;
}

double OrderAngle(int m, double X) {
    return std::asin(std::clamp(m / X, -1.0, 1.0));
}

double SlitIntensity(SlitScreen screen, double X, double sine) {
    const bool single = screen == SlitScreen::SingleSlit;
    const double width = single ? X : 2 * DoubleSlitHalfWidth;
    const double envelope = Sinc2(Pi * width * sine);
    if (single) return envelope;
    // Two slits: sin 2α / (2 sin α) = cos α.
    const double c = std::cos(Pi * X * sine);
    return envelope * c * c;
}

std::vector<WorldPoint> IntensityCurve(SlitScreen screen, double X, double lowest, double highest,
                                       double step) {
    std::vector<double> ys;
    if (!(step > 0) || !(lowest < highest)) return {};
    step = std::max(step, (highest - lowest) / MostSamples);
    for (double k = std::ceil(lowest / step); k * step <= highest; ++k) ys.push_back(k * step);
    // The dark places: the single slit's at sin θ = i / X, the double slit's at (i + ½) / X
    // (its openings are too narrow for dark places of their own).
    const double offset = screen == SlitScreen::SingleSlit ? 0 : 0.5;
    for (int i = 0; (i + offset) / X < 1; ++i) {
        if (i + offset == 0) continue;
        const double y = ScreenHeight((i + offset) / X);
        for (const double at : {y, -y})
            if (at >= lowest && at <= highest) ys.push_back(at);
    }
    std::sort(ys.begin(), ys.end());
    std::vector<double> intensity(ys.size());
    for (std::size_t k = 0; k < ys.size(); ++k) intensity[k] = IntensityAt(screen, X, ys[k]);
    // The bright places, between the samples round every local maximum.
    std::vector<WorldPoint> points;
    points.reserve(ys.size() + 32);
    for (std::size_t k = 0; k < ys.size(); ++k) {
        points.push_back({SlitScreenDistance - IntensityPeak * intensity[k], ys[k]});
        if (k == 0 || k + 1 == ys.size()) continue;
        if (!(intensity[k] > intensity[k - 1] && intensity[k] >= intensity[k + 1])) continue;
        const double top = MaximumBetween(screen, X, ys[k - 1], ys[k + 1]);
        if (std::abs(top - ys[k]) < 1e-9) continue;
        const WorldPoint peak{SlitScreenDistance - IntensityPeak * IntensityAt(screen, X, top),
                              top};
        points.insert(top < ys[k] ? points.end() - 1 : points.end(), peak);
    }
    return points;
}

}  // namespace viv
