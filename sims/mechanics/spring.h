// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Fjedersvingning": a spring hanging from a ceiling with 0.05 kg weights on its hanger
// rod oscillates harmonically about its equilibrium in real time; a phase pointer turns
// on a small phase circle and an inset diagram shows the potential-energy parabola, the
// level of the mechanical energy and a marker at the current elongation.
#pragma once

#include <cstdint>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

struct DragFigure;

constexpr double Gravity = 9.816;    // m/s^2
constexpr double WeightMass = 0.05;  // kg, one weight

// The spring's motion for n weights, spring constant k (N/m) and amplitude A (m).
struct SpringMotion {
    double Mass = 0;         // m = 0.05 n, kg
    double Period = 0;       // T = 2 pi sqrt(m / k), s; 0 with no weights
    double Equilibrium = 0;  // static elongation e = m g / k, m
    double Amplitude = 0;    // m; 0 with no weights: an empty spring does not oscillate

    bool Oscillates() const { return Period > 0; }
    // The elongation t seconds after the start: e + A sin(2 pi t / T), m.
    double ElongationAt(double t) const;
};

SpringMotion SpringMotionFor(int weights, double k, double amplitude);

// The energies at elongation x (m), in joules, zero at the equilibrium: Epot = k (x - e)^2 / 2,
// Emek = m (2 pi A / T)^2 / 2 and Ekin = Emek - Epot (never below 0).
struct SpringEnergies {
    double Potential = 0, Kinetic = 0, Mechanical = 0;
};
SpringEnergies SpringEnergiesAt(const SpringMotion& motion, double k, double x);

// The drawing routine: events 32 (full redraw), 33 (ScrollBar1, the amplitude), 34
// (TrackBar1, the spring constant), 35 (TrackBar2, the number of weights), 36 and 37
// (the clock: the time is read from the host's clock), 113 (F2, the phase pointer), 116
// (F5, the energy diagram) and 117 (F6, the measuring scale).
void DrawSpringSimulation(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The menu entry's start: one weight, k = 10 N/m, A = 0.05 m, at rest, the time counted
// from now.
void SetSpringStartValues(Scene& scene);

// The weight, pulled down and let go: ScrollBar1, the amplitude; the swing starts from
// where it is let go.
extern const DragFigure SpringWeightDrag;

}  // namespace viv
