// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Spredning i en dråbe": one raindrop in cross-section with sunlight from the left. One
// ray, chosen by its impact parameter, colour and bow, is traced through the drop; a gauge
// shows its exit direction, an inset graph the bow angles of all colours, and on request
// a fan of rays and the red rainbow ray are added.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"
#include "library/drop_rays.h"

namespace viv {

// The drawing routine of the simulation: events 32 (full redraw), 33 (ScrollBar1: the
// impact parameter), 34 (TrackBar1: the colour), 35 (TrackBar2: the bow) and 113..117
// (the toggles F2..F6). Other events do nothing.
void DrawScatteringInDrop(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// --- Shared with the other simulations of rays through the drop ---

// What the ray routines read of the program's state.
DropRayContext DropContext(const Scene& scene);

// The world window of a drop picture: x from xMin to xMax, y from yMinFactor to yMaxFactor
// times the picture's AspectHeight.
void SetDropWorld(World& map, double xMin, double xMax, double yMinFactor, double yMaxFactor);

// Copies what a ray drawn with details left into column 1 of the results table and into
// Panel1 and Panel2.
void ShowRayReadout(Scene& scene, const RayReadout& readout);

// A ray through the drop for bow 1 (one reflection inside) or 2 (two reflections); with
// details its readout goes to the table and the status panels.
void DrawDropRay(Scene& scene, TCanvas& canvas, int bow, TColor colour, bool withDetails, double p);

// Rows 1..3 of the results table for the current colour: n, the wavelength with the
// colour's name, and the bow's extreme angle (the largest for bow 1, the smallest for 2).
void WriteDropTable(Scene& scene, int bow);

// Silver background rays across the whole drop at p = 4k / RaySteps for
// k = 0 .. RaySteps div 4. Drawing it again removes it.
void DrawRayFan(Scene& scene, TCanvas& canvas, int bow);

// The red rainbow ray (the ray of extreme deviation) of the current colour and `bow`, and
// its direction beside the exit gauge. Drawing it again removes it.
void DrawRainbowRayMark(Scene& scene, TCanvas& canvas, int bow);

// --- The simulation's own figures ---

// The inset in the upper-right ninth of the picture: the bow angles of both bows against
// the wavelength, with a green marker at the current colour. Drawn on the white picture.
void DrawBowAngleGraph(Scene& scene, TCanvas& canvas);

// Moves the marker of the inset graph to the colour (event 34) or the bow (event 35) of
// the control that sent the event, and takes the new value into the shared state.
void ChangeColourOrBow(Scene& scene, TCanvas& canvas, Event event);

// The exit direction of the current ray at the top left: an arm for the incoming light and
// one along the outgoing light, with their arrow heads.
void DrawExitGauge(Scene& scene, TCanvas& canvas);

}  // namespace viv
