// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The image a thin lens ("Billeddannelse") or a spherical mirror ("Spejlbilledet") forms
// of an upright arrow. The object distance follows ScrollBar1; the image follows from the
// lens or mirror equation and is drawn as a second arrow, dotted when it is virtual. The
// three principal rays can be switched on one by one. Coordinates along the axis carry
// their signs: the object stands at x = a < 0, the lens or the mirror's vertex at x = 0.
#pragma once

#include <cstdint>
#include <vector>

#include "app/scene.h"
#include "library/canvas.h"
#include "sims/optics/optics_figures.h"

namespace viv {

// The own state of both simulations, kept while other simulations are shown.
struct ImageFormationState {
    double ObjectX = -8;       // a, world units (cm)
    double ObjectHeight = 3;   // G, world units (cm)
    double FocalLength = 2;    // f of the lens, world units (cm)
    double MirrorLength = 10;  // L: the mirror's focal point lies L/2 from its vertex
};

ImageFormationState& ImageFormationOf(Scene& scene);

// The menu entries' start values: a = -8 with G = 3 and f = 2 (lens), a = -8 with G = 2
// and L = 10 (mirror).
void SetLensImageStartValues(SetupScene& scene);
void SetMirrorImageStartValues(SetupScene& scene);

// The drawing routine of "Billeddannelse": events 32 (full redraw), 33 (ScrollBar1: the
// object distance) and the toggles F2 (the distances a and b), F3 (the ray parallel to
// the axis), F4 (the central ray), F5 (the ray through the focal point) and F6 (the
// diverging lens). Other events do nothing.
void DrawLensImage(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The drawing routine of "Spejlbilledet": the same events, with F2 marking the focal
// length and twice the focal length, F5 the ray perpendicular to the mirror and F6 the
// convex mirror.
void DrawMirrorImage(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// --- Shared by both and by tests ---

// The signed focal length of the current lens (negative for the diverging lens) and the
// current mirror's focal point x_F (negative for the concave mirror).
double LensFocalLength(Scene& scene);
double MirrorFocalPoint(Scene& scene);

// The image the current lens or mirror forms of the current object.
OpticalImage CurrentLensImage(Scene& scene);
OpticalImage CurrentMirrorImage(Scene& scene);

// Rows 1..5 of the results table (a, b, f, G, B with 2 decimals; b and B empty while
// there is no image) and the status panels "a=", "b=", "f=".
void WriteImageTable(Scene& scene, double a, double f, double G, const OpticalImage& image);

// What sets one image simulation apart from the other: its world window, the still
// parts drawn once with the picture (nullptr for none), the lens or mirror (drawn again
// round F6, which changes its kind), the figures that follow the object (drawing them
// again removes them), and its focal length and image for the table.
struct ImageSimulationParts {
    double XMin = 0, XMax = 0;  // world units (cm)
    void (*DrawStill)(Scene&, TCanvas&) = nullptr;
    void (*DrawOptic)(Scene&, TCanvas&) = nullptr;
    void (*DrawFigures)(Scene&, TCanvas&) = nullptr;
    double (*FocalLength)(Scene&) = nullptr;
    OpticalImage (*Image)(Scene&) = nullptr;
};

// The drawing routine both image simulations share: the full redraw, ScrollBar1 (the
// object distance), the toggles F2..F5 and F6 (the other kind of lens or mirror).
void DrawImageSimulation(Scene& scene, Event event, bool clearFirst, TCanvas& canvas,
                         const ImageSimulationParts& parts);

// One principal ray: the real ray as one path, and where the image is virtual the
// dotted continuation of its last part back to the image.
struct PrincipalRay {
    std::vector<WorldPoint> Solid;
    bool HasContinuation = false;
    WorldPoint ContinuationFrom;  // the dotted line runs from here ...
    WorldPoint ContinuationTo;    // ... towards here, whose pixel the real ray draws
};

// Draws the ray in the current pen colour, cut to the box. Drawing it again removes it.
void DrawPrincipalRay(const World& map, TCanvas& canvas, const PrincipalRay& ray,
                      const WorldBox& box);

}  // namespace viv
