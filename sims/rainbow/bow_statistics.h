// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The statistics of the light a raindrop sends out: 20,001 parallel sunrays per colour
// through one drop, counted into whole degrees of exit angle and weighted with the light
// each ray keeps after the drop's surfaces. Shared by "Vivarnons farver" and
// "Polarisation og farver"; the counts live in the work buffers, the flags here.
#pragma once

#include <array>
#include <cstdint>

#include "app/scene.h"
#include "library/colour_table.h"

namespace viv {

struct BowStatistics {
    static constexpr int Rays = 20001;    // ray index j = 0..20000, impact parameter p = j / 20000
    static constexpr int Samples = 2002;  // Fresnel samples s = 0..2001, p = s / 2000
    static constexpr int Bins = 181;      // whole degrees 0..180

    bool ArcSinTableBuilt = false;
    std::array<bool, ColourCount + 1> ColourDone{};  // indexed 1..8
    bool AllColoursDone = false;
    std::array<std::uint16_t, ColourCount + 1>
        PrimaryPeak{};  // largest count below the primary bow
    std::array<std::uint16_t, ColourCount + 1> SecondaryPeak{};  // above the secondary bow
    // 0 unpolarised light, 1 polarised perpendicular to the plane of incidence, 2 parallel.
    std::uint16_t PolarisationMode = 0;
    // What the angle cursor of the colours of the bow reads: 1 the current colour's count,
    // 3 the corrected sum of all colours.
    std::uint16_t CursorCurve = 1;
    // The centre of the angle cursor's cross as last drawn, world units (degrees across).
    double CursorX = 0, CursorY = 0;
    // Fractional parts of the bow angles (degrees) of the colour last counted or selected,
    // by which the bins are aligned on the bow angles.
    double PrimaryBinOffset = 0;
    double SecondaryBinOffset = 0;
    // The same for the reddest colour: the offsets of the colour sums.
    double SumPrimaryOffset = 0;
    double SumSecondaryOffset = 0;

    // The Fresnel samples of the colour being counted: refraction angle (radians) and the
    // fractions of the sunlight that leave after one and after two inner reflections.
    std::array<double, Samples> SampleRefraction{};
    std::array<double, Samples> SampleOnce{};
    std::array<double, Samples> SampleTwice{};
};

// How much each colour counts in the sum over all colours; the weights add up to 1.
constexpr std::array<double, ColourCount + 1> ColourWeight{0,          24.0 / 380, 33.0 / 380,
                                                           34.0 / 380, 84.0 / 380, 10.0 / 380,
                                                           62.0 / 380, 65.0 / 380, 68.0 / 380};

inline BowStatistics& BowStatsOf(Scene& scene) {
    return scene.Own<BowStatistics>();
}

// The incidence angle arcsin(j / 20000), radians, for every ray: exact at every eighth
// ray, linear in between. Built once.
void BuildArcSinTable(Scene& scene);

// The 2,002 Fresnel samples of colour c for the current polarisation mode.
void ComputeFresnelSamples(Scene& scene, int c);

// Counts the 20,001 rays of colour c into its bins and adds their light fractions, below
// or above the threshold ray of each bow; the bin offsets become colour c's.
void CountRays(Scene& scene, int c);

// Adds colour c, weighted, to the sums over all colours.
void AddToColourSums(Scene& scene, int c);

// Counts the current colour if it has not been counted; sets the bin offsets to its own.
void EnsureColourDone(Scene& scene);

// Counts every colour not yet counted; the current colour and its offsets stay.
void ComputeAllColours(Scene& scene);

// Everything counted is forgotten (the program's start).
void ResetBowStatistics(Scene& scene);

// The counts, the light fractions and the sums are cleared, and every colour is marked
// to be counted again (a change of polarisation).
void ClearBowStatistics(Scene& scene);

// Bins of the exit angle v (degrees): on the primary side [k - 1 + f1, k + f1), on the
// secondary side [k + f2, k + 1 + f2), held inside 0..180.
int PrimaryBin(double v, double f1);
int SecondaryBin(double v, double f2);

}  // namespace viv
