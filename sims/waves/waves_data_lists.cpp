// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/waves/waves_data_lists.h"

#include "app/scene.h"
#include "library/colour_table.h"
#include "library/format.h"
#include "library/trig.h"
#include "sims/waves/thin_film.h"
#include "sims/waves/waves_motion_state.h"

namespace viv {

DataList ThinFilmData(Scene& scene) {
    DataList list;
    list.Headers = {"vinkel i/°", "vinkel b/°", "faseforskel/pi"};
    const double thickness = WavesMotionOf(scene).FilmThickness;  // um
    list.Subtitle =
        "tykkelse d = " + FormatReal(2, 0, thickness * 1000) + "nm" + ", " + ColourLine(scene);
    // The same phase as the picture and the table: the path difference 2 n t cos b in
    // wavelengths times 2 pi, plus pi for the reflection at the front face.
    for (int degrees = 0; degrees <= scene.State.IncidenceMax; ++degrees) {
        const FilmRays f = ThinFilmRays(degrees, scene.State.CurrentColour, thickness);
        list.Rows.push_back({FormatInteger(degrees, 1), FormatReal(1, 1, f.Refraction * DegPerRad),
                             FormatReal(5, 3, f.Phase / Pi)});
    }
    return list;
}

}  // namespace viv
