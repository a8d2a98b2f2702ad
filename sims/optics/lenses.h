// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Linsens egenskaber" and "Linsesystemer": a parallel beam traced exactly, ray by ray,
// through thick lenses with spherical faces, and the sheet of lens outlines. The lens's
// rim plane stands at x = 0; the beam comes from the left at the angle theta.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "app/scene.h"
#include "library/canvas.h"
#include "sims/optics/lens_trace.h"

namespace viv {

// The own state of both lens simulations, kept while other simulations are shown.
struct LensState {
    double R1 = 5;           // radius of the first face (23) or of the first lens (25), world units
    double R2 = 5;           // radius of the second face (23) or of the second lens (25)
    int Substance2 = 4;      // the doublet's second element (23) or the second lens (25), 1..8
    int Angle = 0;           // theta, whole degrees
    double StopX = -1;       // the aperture stop's abscissa
    double StopOpening = 2;  // its half-opening without F3
};

LensState& LensOf(Scene& scene);

// The menu entries' start values: the stop at x = -1 with the half-opening 2, both radii
// 5 and the second substance equal to the first.
void SetLensStartValues(SetupScene& scene);

// The radius a track bar's position 1..10 stands for: 2.5 (position + 1).
double RadiusFromTrackBar(int position);

// The state of simulations 23 and 25 as the controls show it: the beam's angle from
// ScrollBar1, the radii from TrackBar2 and TrackBar3, the second substance from TrackBar4.
void ReadLensControls(Scene& scene);

// The full redraw's start in simulations 23 and 25: the lens window set up on the
// picture's whole height, and the state read from the controls.
void SetupLensSimulation(Scene& scene, bool clearFirst, TCanvas& canvas);

// The drawing routine of "Linsens egenskaber": events 32, 33 (ScrollBar1: theta), 34
// (TrackBar1: substance 1), 35 (TrackBar2: r1), 40 (TrackBar3: r2), 41 (TrackBar4:
// substance 2) and the toggles F2 (focal planes), F3 (the narrow stop), F4 (red rays),
// F5 (plano-convex) and F6 (the doublet).
void DrawLensProperties(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The drawing routine of "Linsesystemer": the same events with F2, F3, F4 and F6 (the
// second lens concave).
void DrawLensSystems(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The sheet of six lens outlines, drawn on event 32 only.
void DrawLensOutlines(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// --- The optics of the current set-up, shared with the tests ---

// The faces of simulation 23's lens, from left to right, with the index behind each,
// for blue (486.1 nm) or red (768.2 nm) light.
std::vector<Interface> LensFaces(Scene& scene, bool blue);

// One element of simulation 25: its faces and its centre plane.
struct SystemLens {
    std::vector<Interface> Faces;
    double Centre = 0;
};

// Lens 1 or 2 of simulation 25 alone, for blue or red light.
SystemLens SystemLensOf(Scene& scene, int lens, bool blue);

// The back focal point (its abscissa) and the focal length of simulation 23's lens for
// blue and red light.
std::optional<ParaxialFocusing> LensFocus(Scene& scene, bool blue);

// The half-opening of the stop: 1 with F3, else the menu entry's opening.
double StopOpeningOf(Scene& scene);

// The heights (at x = 0) of the rays of the beam with their colour: the green axis ray,
// the blue rays at +-0.5 .. +-2.5 and with F4 the red ones at +-0.25 .. +-2.75, all
// those passing the stop.
struct BeamRay {
    double Height = 0;
    bool Blue = true;
    bool Axis = false;
};
std::vector<BeamRay> BeamOf(Scene& scene);

// A ray of the beam of height c at x = 0 traced from the left edge of the window (x =
// -5) through the faces; nothing when a face stops it.
std::optional<TracedRay> TraceBeamRay(double c, int angleDegrees, std::span<const Interface> faces);

}  // namespace viv
