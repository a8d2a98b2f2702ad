// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Hydrogenspektret": the light of a hydrogen lamp passes a grating. The first four lines
// of the chosen series are computed from the Rydberg formula, drawn as transitions in an
// energy-level diagram on the left and as diffracted rays reaching a screen 0.8 m behind
// the grating on the right, where the lines of the Balmer series appear in colour. One
// world unit is 0.1 m.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "app/scene.h"
#include "library/canvas.h"
#include "library/measuring_scale.h"

namespace viv {

// The Rydberg constant of an infinitely heavy nucleus, and hydrogen's own, corrected for
// the proton's finite mass: R_H = R_inf / (1 + m_e / m_p) (CODATA 2018).
constexpr double RydbergInfinite = 10973731.568;  // m^-1
constexpr double ElectronProtonMassRatio = 1 / 1836.15267343;
constexpr double RydbergHydrogen =
    RydbergInfinite / (1 + ElectronProtonMassRatio);  // 10 967 758 m^-1
constexpr double FineStructureConstant = 7.2973525693e-3;

// Above this wavelength lines are given in air, as data books give them; below it in
// vacuum (air absorbs the far ultraviolet).
constexpr double AirWaveLengthsFrom = 200;  // nm

// The refractive index of air for light of vacuum wavelength `vacuum` (nm), above 185 nm:
// Peck and Reeder's dispersion formula for dry air at 15 °C and 101 325 Pa (E. R. Peck,
// K. Reeder, J. Opt. Soc. Am. 62, 958 (1972)), by which the spectral tables turn vacuum
// wavelengths into wavelengths in air: n - 1 = 2.762e-4 at H-alpha, 2.822e-4 at H-delta
// (about 1.000277 in the middle of the visible). lambda_air = lambda_vacuum / n.
double AirIndex(double vacuum);

constexpr double GratingToScreen = 8;  // world units (0.8 m)

// The series whose lower level is n = k (1..5).
std::string_view SeriesName(int k);

// Line i (1..4) of series k: the transition from level k + i down to level k, nm; in air
// above 200 nm, in vacuum below. The levels lie at -hc R_H / n^2, lowered by their fine
// structure (Dirac's to order alpha^2) averaged over the level's states by their
// statistical weights 2j + 1: -hc R_H alpha^2 (5/4 - 1/n) / n^4. That moves the lines by
// about 10^-5 of themselves, the last printed digit, onto the tabulated wavelengths.
double SeriesWaveLength(int k, int i);

// The height on the screen of order m of a line of wavelength `lambda` (nm) behind a
// grating of spacing `d` (nm), world units; none when the order does not exist.
bool ScreenHeight(int m, double lambda, double d, double& y);

// What the changing figures are drawn from.
struct HydrogenView {
    int Series = 2;                 // k
    double X = 2.6337968815844923;  // grating spacing in laser wavelengths (632.8 nm)
    int Order = 1;
    bool AllOrders = false;  // F4
    bool Scale = false;      // F6
};

struct HydrogenState {
    int Series = 2;
    int LinesPerMm = 600;
    double X = 2.6337968815844923;
    int Order = 1;
    HydrogenView Drawn;        // the view the picture shows
    ScaleUnderlay UnderScale;  // the picture under the measuring scale's labels
};

inline HydrogenState& HydrogenOf(Scene& scene) {
    return scene.Own<HydrogenState>();
}

// The drawing routine: events 32 (full redraw), 33 (ScrollBar1: lines per millimetre),
// 34 (TrackBar1: the series), 35 (TrackBar2: the order), F4 (all orders) and F6 (the
// measuring scale).
void DrawHydrogenSpectrum(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

// The pointer over the picture: right of the grating its position in the measuring
// scale's units (cm), over a transition arrow the line's wavelength.
void HydrogenMouse(Scene& scene, TCanvas& canvas);

// The menu entry's start values: the Balmer series, 600 lines per millimetre, order 1.
void SetHydrogenStartValues(Scene& scene);

}  // namespace viv
