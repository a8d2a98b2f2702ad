// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Small mathematical routines shared by all simulations. Angles in radians.
#pragma once

namespace viv {

constexpr double Pi = 3.14159265358979323846;

// value modulo modulus, in [0, modulus) for a positive modulus; 0 for a zero modulus.
double FloatMod(double value, double modulus);

// Inverse cosine and sine in radians. Arguments outside [-1, 1] are taken as the
// nearest end, and a NaN gives 0, so nothing unbounded ever reaches a picture.
double ArcCos(double x);
double ArcSin(double x);

// sin x / cos x.
double Tan(double x);

}  // namespace viv
