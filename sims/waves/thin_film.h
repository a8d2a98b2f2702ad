// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Interferens i en tynd film": a ray meets a thin film of water; the ray reflected at
// the front face and the ray reflected at the back face leave parallel, and their phase
// difference is shown as two sine waves in an inset graph.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

struct DragFigure;

// The film's geometry and the phase difference of the two reflected rays for an angle of
// incidence, a colour of light and a film thickness.
struct FilmRays {
    double Incidence = 0;   // i, radians
    double Refraction = 0;  // b, radians, inside the film
    double Index = 1;       // n of water in this colour
    double WaveLength = 0;  // nm
    double Thickness = 0;   // t, micrometres (world units)
    double HalfOffset =
        0;  // M = t tan b: half the offset of the two rays along the film, world units
    // 2 pi times the optical path difference 2 n t cos b in wavelengths, plus pi for the
    // reflection at the front face (radians).
    double Phase = 0;
};

FilmRays ThinFilmRays(int incidenceDegrees, int colour, double thickness);

// The drawing routine: events 32 (full redraw), 33 (ScrollBar1, the angle of incidence),
// 34 (TrackBar1, the colour), 35 (TrackBar2, the thickness), 113 (F2, the help line of
// the path difference) and 114 (F3, the normal). Each rewrites the table and the panels.
void DrawThinFilm(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The menu entry's start: a film 1.0 um thick.
void SetFilmStartValues(Scene& scene);

// The incident ray, dragged about its point of incidence: ScrollBar1.
extern const DragFigure ThinFilmDrag;

}  // namespace viv
