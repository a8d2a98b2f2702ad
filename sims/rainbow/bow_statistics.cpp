// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/bow_statistics.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "library/trig.h"

namespace viv {

namespace {

constexpr double TwiceDegPerRad = 114.59155902616464;  // 360 / pi: radians to twice the degrees
constexpr int LastRay = BowStatistics::Rays - 1;       // 20000, the ray grazing the drop
constexpr int ExactEvery = 8;                          // the arc-sine table is exact every 8th ray
constexpr int RaysPerSample = 10;                      // rays between two Fresnel samples
constexpr int SummedBins = 180;                        // the colour sums run over bins 0..179

std::size_t Row(int c) {
    return static_cast<std::size_t>(std::clamp(c, 1, ColourCount) - 1);
}

int HeldColour(int c) {
    return std::clamp(c, 1, ColourCount);
}

double Frac(double v) {
    return v - std::trunc(v);
}

int HeldBin(double v) {
    if (!(v > 0)) return 0;  // NaN too
    if (v >= BowStatistics::Bins - 1) return BowStatistics::Bins - 1;
    return static_cast<int>(v);
}

void SetBinOffsets(Scene& scene, int c) {
    BowStatistics& st = BowStatsOf(scene);
    const RainbowAngles& bows = scene.State.Rainbow;
    const auto k = static_cast<std::size_t>(HeldColour(c));
    st.PrimaryBinOffset = Frac(bows.PrimaryBowAngle[k]);
    st.SecondaryBinOffset = Frac(bows.SecondaryBowAngle[k]);
    st.SumPrimaryOffset = Frac(bows.PrimaryBowAngle[ColourCount]);
    st.SumSecondaryOffset = Frac(bows.SecondaryBowAngle[ColourCount]);
}

// The fraction of the light reflected at the drop's surface for the angle of incidence i
// and the angle of refraction r (radians), perpendicular (s) and parallel (p) to the plane
// of incidence.
struct Reflectance {
    double s, p;
};
Reflectance SurfaceReflectance(double i, double r) {
    const double a = std::sin(i + r);
    const double b = std::sin(i - r);
    const double rs = (b / a) * (b / a);
    return {rs, rs * (1 - a * a) / (1 - b * b)};
}

void CountPeaks(Scene& scene, int c) {
    BowStatistics& st = BowStatsOf(scene);
    const auto& counts = scene.Buffers()->RayCount[Row(c)];
    const auto k = static_cast<std::size_t>(HeldColour(c));
    const double a1 = scene.State.Rainbow.PrimaryBowAngle[k];
    const double a2 = scene.State.Rainbow.SecondaryBowAngle[k];
    std::uint16_t& primary = st.PrimaryPeak[k];
    for (int bin = 1; bin < a1 + 1 && bin < BowStatistics::Bins; ++bin)
        primary = std::max(primary, counts[static_cast<std::size_t>(bin)]);
    std::uint16_t& secondary = st.SecondaryPeak[k];
    for (int bin = 179; bin > a2 - 1 && bin >= 0; --bin)
        secondary = std::max(secondary, counts[static_cast<std::size_t>(bin)]);
}

}  // namespace

int PrimaryBin(double v, double f1) {
    return HeldBin(v + 1 - f1);
}

int SecondaryBin(double v, double f2) {
    return HeldBin(v - f2);
}

void BuildArcSinTable(Scene& scene) {
    BowStatistics& st = BowStatsOf(scene);
    if (st.ArcSinTableBuilt || !scene.Buffers()) return;
    std::vector<double>& table = scene.Buffers()->ArcSinTable;
    table.assign(BowStatistics::Rays, 0.0);
    constexpr int exact = LastRay / ExactEvery;  // 2500
    for (int e = 1; e <= exact; ++e) {
        const auto top = static_cast<std::size_t>(ExactEvery * e);
        const std::size_t bottom = top - ExactEvery;
        table[top] = ArcSin(static_cast<double>(e) / exact);
        const double step = (table[top] - table[bottom]) / ExactEvery;
        for (std::size_t m = 1; m < ExactEvery; ++m)
            table[bottom + m] = table[bottom] + static_cast<double>(m) * step;
    }
    st.ArcSinTableBuilt = true;
}

void ComputeFresnelSamples(Scene& scene, int c) {
    if (!scene.Buffers()) return;
    BuildArcSinTable(scene);
    BowStatistics& st = BowStatsOf(scene);
    const std::vector<double>& arcSin = scene.Buffers()->ArcSinTable;
    const double n = Colour(c).WaterIndex;
    const std::uint16_t mode = st.PolarisationMode;
    constexpr int last = BowStatistics::Samples - 1;  // 2001, beyond the drop's edge
    constexpr int edge = last - 1;                    // 2000, p = 1

    // Straight in: both polarisations alike.
    const double r0 = ((n - 1) / (n + 1)) * ((n - 1) / (n + 1));
    const double t0 = (1 - r0) * (1 - r0);
    const double share = mode == 0 ? 1.0 : 0.5;
    st.SampleRefraction[0] = 0;
    st.SampleOnce[0] = share * r0 * t0;
    st.SampleTwice[0] = share * r0 * r0 * t0;

    // In through the surface, reflected once or twice inside and out again: T R T and
    // T R R T, with T = 1 - R at each crossing; each polarisation carries half the sunlight.
    for (int s = 1; s <= edge; ++s) {
        const auto k = static_cast<std::size_t>(s);
        const double i = arcSin[static_cast<std::size_t>(RaysPerSample * s)];
        const double r = ArcSin(s / (edge * n));
        const Reflectance refl = SurfaceReflectance(i, r);
        const double ts = (1 - refl.s) * (1 - refl.s);
        const double tp = (1 - refl.p) * (1 - refl.p);
        st.SampleRefraction[k] = r;
        switch (mode) {
            case 1:
                st.SampleOnce[k] = 0.5 * refl.s * ts;
                st.SampleTwice[k] = 0.5 * refl.s * refl.s * ts;
                break;
            case 2:
                st.SampleOnce[k] = 0.5 * refl.p * tp;
                st.SampleTwice[k] = 0.5 * refl.p * refl.p * tp;
                break;
            default:
                st.SampleOnce[k] = 0.5 * (refl.p * tp + refl.s * ts);
                st.SampleTwice[k] = 0.5 * (refl.p * refl.p * tp + refl.s * refl.s * ts);
                break;
        }
    }
    st.SampleRefraction[last] = 0;
    st.SampleOnce[last] = 0;
    st.SampleTwice[last] = 0;
}

namespace {

// The refraction angle (radians) and the light fractions leaving after one and after two
// inner reflections of ray after ray: taken at each sample, interpolated in tenths between.
struct RayInterpolation {
    double Refraction = 0, Once = 0, Twice = 0;
    double RefractionStep = 0, OnceStep = 0, TwiceStep = 0;

    // Ray j, the rays taken in order from 0.
    void MoveTo(const BowStatistics& st, int j) {
        if (j % RaysPerSample != 0) {
            Refraction += RefractionStep;
            Once += OnceStep;
            Twice += TwiceStep;
            return;
        }
        const auto s = static_cast<std::size_t>(j / RaysPerSample);
        Refraction = st.SampleRefraction[s];
        Once = st.SampleOnce[s];
        Twice = st.SampleTwice[s];
        RefractionStep = (st.SampleRefraction[s + 1] - Refraction) * 0.1;
        OnceStep = (st.SampleOnce[s + 1] - Once) * 0.1;
        TwiceStep = (st.SampleTwice[s + 1] - Twice) * 0.1;
    }
};

}  // namespace

void CountRays(Scene& scene, int c) {
    if (!scene.Buffers()) return;
    c = HeldColour(c);
    BowStatistics& st = BowStatsOf(scene);
    WorkBuffers& wb = *scene.Buffers();
    const auto k = static_cast<std::size_t>(c);
    const RainbowAngles& bows = scene.State.Rainbow;
    SetBinOffsets(scene, c);
    const double f1 = st.PrimaryBinOffset;
    const double f2 = st.SecondaryBinOffset;

    // With polarised light the rays entering below and above the bow's own ray are kept
    // apart; unpolarised, only the grazing ray counts as above.
    int t1 = LastRay;
    int t2 = LastRay;
    if (st.PolarisationMode != 0) {
        t1 = static_cast<int>(std::lround(bows.PrimaryBowParameter[k] * LastRay));
        t2 = static_cast<int>(std::lround(bows.SecondaryBowParameter[k] * LastRay));
    }
    ComputeFresnelSamples(scene, c);

    auto& counts = wb.RayCount[Row(c)];
    auto& below = wb.IntensityBelow[Row(c)];
    auto& above = wb.IntensityAbove[Row(c)];
    counts.fill(0);
    below.fill(0);
    above.fill(0);

    // No trigonometry per ray: the incidence comes from the arc-sine table, the refraction
    // and the light fractions are interpolated over the ten rays between two samples.
    const std::vector<double>& arcSin = wb.ArcSinTable;
    // No once-reflected ray leaves beyond the primary bow, and no twice-reflected one
    // inside the secondary: the rays of extreme deviation, which the interpolation may
    // carry a hair across the bow angle, stay on their own side of the dark band.
    const int lastPrimary = static_cast<int>(bows.PrimaryBowAngle[k]);
    const int firstSecondary = static_cast<int>(bows.SecondaryBowAngle[k]);
    RayInterpolation ray;
    for (int j = 0; j <= LastRay; ++j) {
        ray.MoveTo(st, j);
        const double r = ray.Refraction, once = ray.Once, twice = ray.Twice;
        const double i = arcSin[static_cast<std::size_t>(j)];
        const double primary = (2 * r - i) * TwiceDegPerRad;          // 4r - 2i, degrees
        const double secondary = 180 + (i - 3 * r) * TwiceDegPerRad;  // 180 + 2i - 6r
        const auto k1 = static_cast<std::size_t>(std::min(PrimaryBin(primary, f1), lastPrimary));
        const auto k2 =
            static_cast<std::size_t>(std::max(SecondaryBin(secondary, f2), firstSecondary));
        ++counts[k1];
        ++counts[k2];
        (j < t1 ? below : above)[k1] += once;
        (j < t2 ? below : above)[k2] += twice;
    }
    CountPeaks(scene, c);
}

void AddToColourSums(Scene& scene, int c) {
    if (!scene.Buffers()) return;
    WorkBuffers& wb = *scene.Buffers();
    const double weight = ColourWeight[static_cast<std::size_t>(HeldColour(c))];
    const auto& counts = wb.RayCount[Row(c)];
    const auto& below = wb.IntensityBelow[Row(c)];
    for (std::size_t bin = 0; bin < SummedBins; ++bin) {
        wb.ColourSumCount[bin] += counts[bin] * weight;
        wb.ColourSumIntensity[bin] += 10 * below[bin] * weight;
    }
}

namespace {

void CountColour(Scene& scene, int c) {
    BowStatistics& st = BowStatsOf(scene);
    CountRays(scene, c);
    AddToColourSums(scene, c);
    st.ColourDone[static_cast<std::size_t>(c)] = true;
    st.AllColoursDone =
        std::all_of(st.ColourDone.begin() + 1, st.ColourDone.end(), [](bool done) { return done; });
}

}  // namespace

void EnsureColourDone(Scene& scene) {
    if (!scene.Buffers()) return;
    BuildArcSinTable(scene);
    const int c = HeldColour(scene.State.CurrentColour);
    if (BowStatsOf(scene).ColourDone[static_cast<std::size_t>(c)])
        SetBinOffsets(scene, c);
    else
        CountColour(scene, c);
}

void ComputeAllColours(Scene& scene) {
    if (!scene.Buffers()) return;
    BuildArcSinTable(scene);
    BowStatistics& st = BowStatsOf(scene);
    const int current = scene.State.CurrentColour;
    for (int c = 1; c <= ColourCount; ++c) {
        if (st.ColourDone[static_cast<std::size_t>(c)]) continue;
        scene.State.CurrentColour = c;
        CountColour(scene, c);
    }
    scene.State.CurrentColour = current;
    SetBinOffsets(scene, current);
    st.AllColoursDone = true;
}

void ResetBowStatistics(Scene& scene) {
    BowStatistics& st = BowStatsOf(scene);
    st.PrimaryPeak.fill(0);
    st.SecondaryPeak.fill(0);
    ClearBowStatistics(scene);
}

void ClearBowStatistics(Scene& scene) {
    BowStatistics& st = BowStatsOf(scene);
    // A colour whose counts are gone is no longer done, and the sums hold none of them.
    st.ColourDone.fill(false);
    st.AllColoursDone = false;
    if (!scene.Buffers()) return;
    WorkBuffers& wb = *scene.Buffers();
    for (auto& counts : wb.RayCount) counts.fill(0);
    for (auto& row : wb.IntensityBelow) row.fill(0);
    for (auto& row : wb.IntensityAbove) row.fill(0);
    wb.ColourSumCount.fill(0);
    wb.ColourSumIntensity.fill(0);
}

}  // namespace viv
