#include "sims/waves/slit_physics.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace viv {

namespace {

// One extremum of the intensity: sin θ of its direction and its peak height (0 for a
// minimum), world units.
struct Extremum {
    double sine = 0;
    double peak = 0;
    bool maximum = false;
};

// The heights of the maxima, the central one first; further maxima are faint.
constexpr std::array<double, 4> DoubleSlitPeaks{0.8, 0.7, 0.4, 0.2};
constexpr std::array<double, 4> SingleSlitPeaks{0.8, 0.4, 0.2, 0.01};
constexpr double FaintPeak = 0.01;

// From a maximum to the neighbouring minimum, at six equally spaced screen positions.
constexpr std::array<double, 6> Falling{1, 0.96, 0.8, 0.4, 0.04, 0};

template <std::size_t N>
double Peak(const std::array<double, N>& peaks, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? peaks[static_cast<std::size_t>(index)]
                                                             : FaintPeak;
}

std::vector<Extremum> Extrema(SlitScreen screen, double X) {
    std::vector<Extremum> e;
    const auto add = [&](double order, double peak, bool maximum) {
        const double sine = order / X;
        if (std::abs(sine) < 1) e.push_back({sine, peak, maximum});
    };
    const int orders = static_cast<int>(std::ceil(X)) + 1;
    for (int i = -orders; i <= orders; ++i) {
        const int a = std::abs(i);
        if (screen == SlitScreen::DoubleSlit) {
            add(i, Peak(DoubleSlitPeaks, a), true);
            add(i + 0.5, 0, false);
        } else if (i == 0) {
            add(0, SingleSlitPeaks[0], true);
        } else {
            add(i, 0, false);
            // The side maximum beyond the minimum i.
            add(i > 0 ? i + 0.5 : i - 0.5, Peak(SingleSlitPeaks, a), true);
        }
    }
    std::sort(e.begin(), e.end(), [](const Extremum& a, const Extremum& b) { return a.sine < b.sine; });
    return e;
}

double ScreenHeight(double sine) {
    return SlitScreenDistance * sine / std::sqrt(1 - sine * sine);  // 8.2 tan θ
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

std::vector<WorldPoint> IntensityCurve(SlitScreen screen, double X, double lowest) {
    const std::vector<Extremum> e = Extrema(screen, X);
    std::vector<WorldPoint> points;
    const auto add = [&](double y, double height) {
        if (y >= lowest) points.push_back({SlitScreenDistance - height, y});
    };
    for (std::size_t i = 0; i + 1 < e.size(); ++i) {
        const Extremum& a = e[i];
        const Extremum& b = e[i + 1];
        const double ya = ScreenHeight(a.sine);
        const double yb = ScreenHeight(b.sine);
        for (std::size_t k = i == 0 ? 0 : 1; k < Falling.size(); ++k) {
            const double t = static_cast<double>(k) / (Falling.size() - 1);
            const double height = a.maximum ? Falling[k] * a.peak : Falling[Falling.size() - 1 - k] * b.peak;
            add(ya + t * (yb - ya), height);
        }
    }
    if (e.size() == 1) add(ScreenHeight(e[0].sine), e[0].peak);
    return points;
}

}  // namespace viv
