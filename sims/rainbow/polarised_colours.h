// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Polarisation og farver": the light per degree of exit angle of one colour for light
// polarised perpendicular or parallel to the plane of incidence, from the rays entering
// the drop below the bow's own ray (solid) and above it (dotted), with the spectra of
// the two bows on the angle axis.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

struct DragFigure;

// The drawing routine: events 32 (full redraw), 33 (ScrollBar1, the angle cursor),
// 34 (colour) and 35 (TrackBar2, the polarisation: every colour is counted again).
void DrawPolarisedColours(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The menu entry's start values: the cursor at 25° and perpendicular light, counted
// afresh; after the table the cursor reads the count curve.
void SetPolarisedColoursStartValues(SetupScene& scene);
void PolarisedColoursAfterTable(SetupScene& scene);

// The angle cursor, dragged along the angle axis: ScrollBar1.
extern const DragFigure PolarisedColoursCursorDrag;

}  // namespace viv
