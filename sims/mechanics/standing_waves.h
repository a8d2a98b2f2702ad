// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Stående bølger": the standing sound wave in a half-open, an open or a closed pipe:
// layers of air swinging back and forth, the displacement curve with its antinodes and
// nodes, and the pressure curve, for the fundamental and the overtones.
#pragma once

#include <cstdint>
#include <string>

#include "app/scene.h"
#include "library/canvas.h"

namespace viv {

// The standing wave of `harmonic` (0 the fundamental) in pipe `pipeType` (1 half-open,
// closed at x = 0 and open at x = 8; 2 open at x = -8 and 8; 3 closed at both), with the
// wavelength `lambda` of the fundamental's formula, world units.
struct StandingWaveShape {
    double Start = 0;       // x0, the pipe's left end
    double WaveNumber = 0;  // q = 2 pi (e k + 1) / lambda, radians per world unit
    double Phase = 0;       // c, radians
    // The displacement and the pressure at x when the time factor sin tau is `amplitude`.
    double Displacement(double x, double amplitude) const;
    double Pressure(double x, double amplitude) const;
};
StandingWaveShape StandingWaveFor(int pipeType, int harmonic, int lambda);

// "grundtone", or the overtone's number followed by ". overtone".
std::string HarmonicName(int harmonic);

// The drawing routine: events 32 (full redraw), 33 (ScrollBar1, the speed), 34
// (TrackBar1, the overtone), 35 (TrackBar2, the pipe), 36 and 37 (the wave swings on),
// 113 (F2, the displacement curve), 114 (F3, the curves leave their traces), 115 (F4,
// the pressure curve) and 117 (F6, the scale).
void DrawStandingWaves(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The menu entry's start: the half-open pipe's fundamental at rest, speed 40.
void SetStandingWavesStartValues(SetupScene& scene);

}  // namespace viv
