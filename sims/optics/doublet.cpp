// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/optics/doublet.h"

#include <array>
#include <cmath>

namespace viv {

namespace {

// Below this curvature (a radius of 10^6 world units) the back face is a plane.
constexpr double PlaneCurvature = 1e-6;  // 1 / world unit
// The steepest back face that still reaches the rim with room to spare.
constexpr double SteepestCurvature = 0.4;  // 1 / world unit
constexpr int SecantSteps = 30;
constexpr double SecantStart = 0.01;       // the second curvature tried, beside the first
constexpr double Converged = 1e-12;        // 1 / world unit
constexpr double MeetingTolerance = 1e-6;  // world units between the blue and the red focus

// The face of curvature c with its vertex at x = vertex.
LensFace FaceThrough(double vertex, double c) {
    if (std::abs(c) < PlaneCurvature) return PlaneFace(vertex);
    const double r = 1 / std::abs(c);
    // A centre right of the vertex: the face bends into the glass (the near half of its
    // circle); left of it: the face bulges out (the far half).
    return c > 0 ? LensFace{false, vertex + r, r, false} : LensFace{false, vertex - r, r, true};
}

// Where red light meets the axis behind the doublet minus where blue light does; nothing
// when the paraxial ray does not get through or leaves parallel.
std::optional<double> FocalShift(const LensFace& front, const LensFace& cemented,
                                 const LensFace& back, const ElementIndices& one,
                                 const ElementIndices& two) {
    const double startX = FaceVertex(front) - 1;
    const std::array<Interface, 3> blue{{{front, one.Blue}, {cemented, two.Blue}, {back, 1}}};
    const std::array<Interface, 3> red{{{front, one.Red}, {cemented, two.Red}, {back, 1}}};
    const auto b = ParaxialFocus(blue, startX), r = ParaxialFocus(red, startX);
    if (!b || !r) return std::nullopt;
    return *r - *b;
}

}  // namespace

double FaceCurvature(const LensFace& face) {
    if (face.Plane) return 0;
    return face.Far ? -1 / face.R : 1 / face.R;
}

double FaceVertex(const LensFace& face) {
    return FaceX(face, 0);
}

bool AchromatExists(const ElementIndices& one, const ElementIndices& two) {
    return two.Dispersion() > one.Dispersion();
}

LensFace DoubletBackFace(const LensFace& front, const LensFace& cemented, const ElementIndices& one,
                         const ElementIndices& two, double thickness) {
    const double vertex = FaceVertex(cemented) + thickness;
    if (!AchromatExists(one, two)) {
        LensFace shell = cemented;
        shell.X += thickness;
        return shell;
    }
    // Thin elements: the first element's power for blue exceeds its power for red by
    // dispersion1 (c_front - c_cemented); the second must take away as much.
    const double cementedCurvature = FaceCurvature(cemented);
    const double thin = cementedCurvature + (FaceCurvature(front) - cementedCurvature) *
                                                one.Dispersion() / two.Dispersion();
    // The secant method on the focal shift, from the thin-lens curvature.
    const auto shift = [&](double c) {
        return FocalShift(front, cemented, FaceThrough(vertex, c), one, two);
    };
    double c0 = thin, c1 = thin + SecantStart;
    auto s0 = shift(c0), s1 = shift(c1);
    for (int k = 0; k < SecantSteps && s0 && s1 && *s1 != *s0 && std::abs(c1 - c0) > Converged;
         ++k) {
        const double c2 = c1 - *s1 * (c1 - c0) / (*s1 - *s0);
        if (!(std::abs(c2) <= SteepestCurvature)) break;
        c0 = c1;
        s0 = s1;
        c1 = c2;
        s1 = shift(c1);
    }
    // Should the trace find no such face, the thin-lens one is near it.
    const bool found = s1 && std::abs(*s1) < MeetingTolerance && std::abs(c1) <= SteepestCurvature;
    return FaceThrough(vertex, found ? c1 : thin);
}

}  // namespace viv
