// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Vivarnons farver": the number of rays of one colour per whole degree of exit angle,
// piling up at the two bow angles with Alexander's dark band between them; the light
// they carry after the drop's surfaces (F6) and its sum over all colours (F5); an inset
// of how the eight colours' edges make the coloured fringes of the two bows.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

struct DragFigure;

// The drawing routine: events 32 (full redraw), 33 (ScrollBar1, the angle cursor),
// 34 (colour), 113 (F2, the bow-angle marks), 116 (F5, the sum of all colours) and
// 117 (F6, the corrected curve).
void DrawColoursOfBow(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The menu entry's start values: the cursor at 25°, unpolarised light (the statistics
// are counted again when the light was polarised); after the table the cursor reads the
// count curve.
void SetBowColoursStartValues(SetupScene& scene);
void BowColoursAfterTable(SetupScene& scene);

// The world and the fixed texts of a colour graph: degrees of exit angle along x, rays per
// degree up (ticks every YTick), the two titles left-aligned at TitleX and the axis's name
// above its arrow head. The pen ends in pmCopy.
struct ColourGraphFrame {
    double XMin, XMax, YMin, YMax, YTick;
    double TitleX, TitleY1, TitleY2;
};
void DrawColourGraphFrame(Scene& scene, bool clearFirst, TCanvas& canvas,
                          const ColourGraphFrame& frame);

// The start of every event of the two colour graphs ("Vivarnons farver" and "Polarisation
// og farver"): the current colour counted; on a full redraw the graph drawn anew with
// drawGraph, otherwise the pen set to draw the figures again in pmNotXor.
void BeginColourGraphEvent(Scene& scene, Event event, bool clearFirst, TCanvas& canvas,
                           void (*drawGraph)(Scene&, bool, TCanvas&));

// The colour graphs' common controls: ScrollBar1 moves the angle cursor, TrackBar1 picks
// the colour; other events change nothing.
void ApplyAngleOrColour(Scene& scene, Event event);

enum class IntensitySide { Below, Above };

// The light per degree of the current colour, of the rays entering below or above the
// bow's own ray (dotted): the primary side from its bow angle down to 1°, the secondary
// side from its bow angle up to last - 1 degrees. Current pen; the style ends solid.
void DrawIntensityCurve(Scene& scene, TCanvas& canvas, IntensitySide which, int last);

// The angle cursor, dragged along the angle axis: ScrollBar1.
extern const DragFigure BowColoursCursorDrag;

}  // namespace viv
