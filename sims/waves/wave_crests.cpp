// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/waves/wave_crests.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "library/colour_table.h"
#include "library/trig.h"

namespace viv {

namespace {

constexpr double kVioletWaveLength = 0.8;  // world units, for the shortest colour
constexpr int kBeamWidth = 5;              // air wavelengths along the boundary
constexpr int kIncidentCrests = 5;
constexpr int kLastCrest = 6;              // refracted crests j0..6
constexpr double kFirstCrestPhase = 0.01;  // at or below it the crest j = 0 is left out
constexpr double kNoBend = -1e10;          // world units: a boundary point far below the beam
constexpr double kRaysBefore = 4;          // wavelengths of the rays before the boundary
constexpr double kRaysBeyond = 6;          // and beyond it
constexpr double kArrowBefore = 2;         // wavelengths before the boundary
constexpr double kArrowBeyond = 3;         // wavelengths beyond it
constexpr double kReflectedArrow = 2;      // wavelengths from the boundary

WorldPoint Mirrored(WorldPoint a) {
    return {-a.x, a.y};
}

// The beam worked out as light from the left travelling down to the right, the first
// medium on the left: the ray that meets the boundary first does so at U = (0, H), the
// other at the origin O. Light from the water is the same picture turned half round
// about (0, H/2), with the media exchanged.
struct Frame {
    double H = 0;       // the beam's width along the boundary, 5 air wavelengths
    double First = 0;   // wavelength in the first medium
    double Second = 0;  // wavelength in the second medium
    double SinI = 0;
    WorldPoint In;    // direction of the incident light
    WorldPoint Out;   // of the refracted light
    WorldPoint Back;  // of the reflected light
    WorldPoint U;     // where the first ray meets the boundary
    WorldPoint F;     // the base crest's end on the other ray, before the boundary
    bool Turned = false;
    bool Refracts = true;

    explicit Frame(const BeamSetup& beam) {
        const double i = beam.Angles.Incidence;
        const double b = beam.Angles.Refraction;
        const double air = beam.AirWaveLength;
        const double water = air / beam.Index;
        Turned = beam.Direction == FromWater;
        Refracts = beam.Angles.Refracts;
        First = Turned ? water : air;
        Second = Turned ? air : water;
        H = kBeamWidth * air;
        SinI = std::sin(i);
        In = {std::cos(i), -SinI};
        Out = {std::cos(b), -std::sin(b)};
        Back = {-std::cos(i), -SinI};
        U = {0, H};
        F = (-H * SinI) * In;
    }

    WorldPoint World(WorldPoint p) const { return Turned ? WorldPoint{-p.x, H - p.y} : p; }
    double Angle(WorldPoint direction) const {
        const double a = std::atan2(direction.y, direction.x);
        return Turned ? a + Pi : a;
    }
};

void Add(BeamCrests& crests, const Frame& f, CrestKind kind,
         std::initializer_list<WorldPoint> points) {
    CrestLine& line = crests.Lines[crests.Count++];
    line.Kind = kind;
    line.Count = 0;
    for (const WorldPoint p : points) line.Points[line.Count++] = f.World(p);
}

BeamRay MakeRay(const Frame& f, std::initializer_list<WorldPoint> points) {
    BeamRay ray;
    for (const WorldPoint p : points) ray.Points[ray.Count++] = f.World(p);
    return ray;
}

}  // namespace

double PictureWaveLength(double nanometres) {
    return kVioletWaveLength * nanometres / ColourTable[1].WaveLength;
}

BeamCrests ComputeCrests(const BeamSetup& beam) {
    const Frame f(beam);
    const double p = beam.Phase;
    BeamCrests crests;

    // The incident crests: the base crest through U moved back against the light.
    for (int k = 1; k <= kIncidentCrests; ++k) {
        const double s = -(k - p) * f.First;
        Add(crests, f, CrestKind::Incident, {f.U + s * f.In, f.F + s * f.In});
    }

    const bool reflected = beam.Reflection || !f.Refracts;
    const int first = p <= kFirstCrestPhase ? 1 : 0;
    for (int j = first; j <= kLastCrest; ++j) {
        const double s1 = (j + p) * f.First;  // how far this crest's phase is past U
        const double s2 = (j + p) * f.Second;
        // Where the crest of this phase meets the boundary; at or below the origin the
        // whole beam has passed the boundary.
        const double q = f.SinI > 0 ? f.H - s1 / f.SinI : kNoBend;
        const WorldPoint bend{0, q};
        const WorldPoint before = (-q * f.SinI) * f.In;  // on the other ray, before the boundary
        if (f.Refracts) {
            const WorldPoint start = f.U + s2 * f.Out;
            if (q > 0)
                Add(crests, f, CrestKind::Refracted, {start, bend, before});
            else
                Add(crests, f, CrestKind::Refracted, {start, Dot(start, f.Out) * f.Out});
        } else if (q > 0) {
            Add(crests, f, CrestKind::Incident, {bend, before});
        }
        if (reflected) {
            // The incident crest of this phase continued past the boundary, mirrored in it.
            const WorldPoint upper = f.U + s1 * f.In;
            const WorldPoint lower = f.F + s1 * f.In;
            Add(crests, f, CrestKind::Reflected, {Mirrored(upper), q > 0 ? bend : Mirrored(lower)});
        }
    }
    return crests;
}

BeamRays ComputeBeamRays(const BeamSetup& beam) {
    const Frame f(beam);
    const WorldPoint origin{0, 0};
    const double sinB = -f.Out.y;
    const WorldPoint start = -kRaysBefore * f.First * f.In;
    BeamRays rays;
    if (f.Refracts) {
        rays.Rays[0] = MakeRay(f, {f.U + start, f.U, f.U + kRaysBeyond * f.Second * f.Out});
        rays.Rays[1] =
            MakeRay(f, {f.F + start, origin, (kRaysBeyond * f.Second - f.H * sinB) * f.Out});
    } else {
        rays.Rays[0] = MakeRay(f, {f.U + start, f.U});
        rays.Rays[1] = MakeRay(f, {f.F + start, origin});
    }
    const double in = f.Angle(f.In);
    for (const WorldPoint entry : {f.U, origin})
        rays.Arrows[rays.ArrowCount++] = {f.World(entry + (-kArrowBefore * f.First) * f.In), in};
    if (f.Refracts) {
        const double out = f.Angle(f.Out);
        for (const WorldPoint entry : {f.U, origin})
            rays.Arrows[rays.ArrowCount++] = {f.World(entry + (kArrowBeyond * f.Second) * f.Out),
                                              out};
    }

    // Both reflected rays end on one crest of the reflected wave, 6 wavelengths past U and
    // at least 3 past the origin.
    const double reach = std::max(kRaysBeyond * f.First, f.H * f.SinI + (kArrowBeyond * f.First));
    rays.ReflectedRays[0] = MakeRay(f, {f.U, f.U + reach * f.Back});
    rays.ReflectedRays[1] = MakeRay(f, {origin, (reach - f.H * f.SinI) * f.Back});
    const double back = f.Angle(f.Back);
    rays.ReflectedArrows[0] = {f.World(f.U + (kReflectedArrow * f.First) * f.Back), back};
    rays.ReflectedArrows[1] = {f.World((kReflectedArrow * f.First) * f.Back), back};
    return rays;
}

}  // namespace viv
