// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/trig.h"

#include <cmath>

namespace viv {

double FloatMod(double value, double modulus) {
    if (modulus == 0.0 || !std::isfinite(value) || !std::isfinite(modulus)) return 0.0;
    const double q = value / modulus;
    double f = q - std::trunc(q);  // the fraction, with the sign of the quotient
    if (f < 0) f += 1.0;
    return modulus * f;
}

namespace {

double Clamped(double x) {
    if (std::isnan(x)) return 0.0;
    if (x > 1.0) return 1.0;
    if (x < -1.0) return -1.0;
    return x;
}

}  // namespace

double ArcCos(double x) {
    x = Clamped(x);
    if (x >= 0) return 2.0 * std::atan(std::sqrt((1.0 - x) / (1.0 + x)));
    return Pi - 2.0 * std::atan(std::sqrt((1.0 + x) / (1.0 - x)));
}

double ArcSin(double x) {
    x = Clamped(x);
    if (x == -1.0) return -Pi / 2;  // the formula's division by zero
    return Pi / 2 - 2.0 * std::atan(std::sqrt((1.0 - x) / (1.0 + x)));
}

double Tan(double x) {
    return std::sin(x) / std::cos(x);
}

}  // namespace viv
