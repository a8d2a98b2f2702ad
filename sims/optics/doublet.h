// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The cemented doublet of "Linsens egenskaber": a second element of another substance
// cemented behind the lens. When the second substance disperses more than the first, its
// back face is shaped so that the pair brings blue and red light to one focus (an
// achromat); otherwise no such pair exists, and the second element is a thin shell that
// follows the cemented face.
#pragma once

#include "sims/optics/lens_trace.h"

namespace viv {

// The refractive indices of one element's substance.
struct ElementIndices {
    double Blue = 1;  // 486.1 nm
    double Red = 1;   // 768.2 nm
    double Dispersion() const { return Blue - Red; }
};

// The signed curvature of a face, 1 / world unit: positive when its centre lies to the
// right of its vertex, 0 for a plane.
double FaceCurvature(const LensFace& face);

// The abscissa of the face's vertex, where it crosses the axis.
double FaceVertex(const LensFace& face);

// Whether a second element of substance `two` cemented behind one of substance `one`
// can make an achromat: only when it disperses more.
bool AchromatExists(const ElementIndices& one, const ElementIndices& two);

// The back face of the second element, cemented to `cemented`, the back face of the
// first element whose front face is `front`; `thickness` on the axis. For an achromat
// the thin-lens condition gives its curvature first: each element's power for blue
// minus its power for red, (n_blue - n_red) (c_front - c_back), adds up to nothing. The
// exact paraxial trace through the thick elements then moves it until blue and red
// light meet in one focal point. Otherwise the face follows the cemented one.
LensFace DoubletBackFace(const LensFace& front, const LensFace& cemented, const ElementIndices& one,
                         const ElementIndices& two, double thickness);

}  // namespace viv
