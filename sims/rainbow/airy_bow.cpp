// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/airy_bow.h"

#include <algorithm>
#include <boost/math/policies/policy.hpp>
#include <boost/math/special_functions/airy.hpp>
#include <cmath>

#include "library/colour_table.h"
#include "library/trig.h"

namespace viv {

// Where the curve comes from (G. B. Airy, "On the intensity of light in the neighbourhood
// of a caustic", Trans. Cambridge Phil. Soc. 6 (1838) 379; worked through for the rainbow
// in J. A. Adam, "The mathematical physics of rainbows and glories", Physics Reports 356
// (2002) 229, section 2.1):
//
// A ray with impact parameter p (drop radius a, sin i = p, sin r = p / n) leaves the drop
// after one reflection at v(p) = 4 r - 2 i from the antisolar point. With r' = dr/di =
// cos i / (n cos r) one finds r'' = tan r (r'² - 1); at the rainbow ray r' = 1/2, so
// d²v/di² = 4 r'' = -3 tan r, and as dv/di = 0 there,
//     v(p) = v_r - (h / 2) (p - p_r)² + ...,   h = 3 tan r_r / cos² i_r.
// The optical path Phi of the ray with offset b = a p, measured to a wavefront across the
// direction v, changes with b by the angle between the ray and that direction:
// dPhi/db = v(p) - v. Integrated with s = p - p_r,
//     Phi = a [(v_r - v) s - (h / 6) s³] + const,
// the cubic wavefront of the bow. The light in the direction v is the sum of the waves
// along it, E(v) ~ Integral exp(i k Phi) ds with k = 2 pi / lambda. Setting
// s = t (2 / (k a h))^(1/3) turns the exponent into z t - t³/3, and as
// Integral exp(i (z t - t³/3)) dt = 2 pi Ai(-z) over the whole line,
//     I(v) ~ Ai²(-z),   z = (2 / h)^(1/3) (2 pi a / lambda)^(2/3) (v_r - v)   (v in radians).
// The two stationary points s = +-sqrt(2 (v_r - v) / h) are Young's two rays; their phase
// difference is (4/3) z^(3/2), and for large z Ai²(-z) ~ (1 + sin((4/3) z^(3/2))) /
// (2 pi sqrt z): the same fringes, a quarter period further from the bow and fading.

namespace {

// Errors of the special functions give NaN and are handled here; nothing throws.
using QuietPolicy = boost::math::policies::policy<
    boost::math::policies::domain_error<boost::math::policies::errno_on_error>,
    boost::math::policies::pole_error<boost::math::policies::errno_on_error>,
    boost::math::policies::overflow_error<boost::math::policies::errno_on_error>,
    boost::math::policies::evaluation_error<boost::math::policies::errno_on_error>>;

double Ai(double x) {
    const double value = boost::math::airy_ai(x, QuietPolicy());
    return std::isfinite(value) ? value : 0.0;
}

double AiPrime(double x) {
    const double value = boost::math::airy_ai_prime(x, QuietPolicy());
    return std::isfinite(value) ? value : 0.0;
}

constexpr int NewtonSteps = 30;
constexpr double NewtonTolerance = 1e-13;

}  // namespace

double BowCurvature(double n) {
    if (!(n > 1 && n < 2)) return 0;
    const double cos2I = (n * n - 1) / 3;
    const double sinI = std::sqrt(1 - cos2I);
    const double r = std::asin(sinI / n);
    return 3 * std::tan(r) / cos2I;
}

double AiryScale(double dropSize, double waveLength, double n) {
    const double h = BowCurvature(n);
    if (!(dropSize > 0) || !(waveLength > 0) || !(h > 0)) return 0;
    const double ka = 2 * Pi * dropSize / (waveLength * 1e-9);
    return std::cbrt(2 / h) * std::cbrt(ka * ka) / DegPerRad;
}

double AiryIntensity(double z) {
    const double a = Ai(-z);
    return a * a;
}

double AiryMaximum(int k) {
    k = std::max(k, 1);
    // The asymptotic zero of Ai' as the start, then Newton's iteration on f(z) = Ai'(-z),
    // whose slope is f'(z) = -Ai''(-z) = z Ai(-z).
    const double t = 3 * Pi / 8 * (4 * k - 3);
    double z = std::cbrt(t * t) * (1 - 7 / (48 * t * t));
    for (int step = 0; step < NewtonSteps; ++step) {
        const double slope = z * Ai(-z);
        if (slope == 0) break;
        const double change = AiPrime(-z) / slope;
        z -= change;
        if (std::fabs(change) < NewtonTolerance * std::max(1.0, z)) break;
    }
    return z;
}

double AiryMaximumAngle(double bowAngle, double zPerDegree, int k) {
    if (!(zPerDegree > 0)) return bowAngle;
    return bowAngle - AiryMaximum(k) / zPerDegree;
}

std::vector<TPoint> BuildAiryCurve(const World& insetMap, double bowAngle, double zPerDegree,
                                   double from, double to) {
    std::vector<TPoint> curve;
    if (!(insetMap.MapScaleX > 0) || !(zPerDegree > 0) || !(to > from)) return curve;
    const double peak = AiryIntensity(AiryMaximum(1));
    const int first = insetMap.PictureX(from), last = insetMap.PictureX(to);
    const int columnZero = insetMap.PictureMarginX + insetMap.PrintOffsetX;
    curve.reserve(static_cast<std::size_t>(std::max(0, last - first + 1)));
    for (int x = first; x <= last; ++x) {
        const double v = insetMap.MapXMin + (x - columnZero) / insetMap.MapScaleX;
        const double y = 2 * AiryIntensity((bowAngle - v) * zPerDegree) / peak;
        curve.push_back({x, insetMap.PictureY(std::clamp(y, 0.0, 2.0))});
    }
    return curve;
}

}  // namespace viv
