// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The geometry of the wave picture "Brydningsloven": a parallel beam of light, 5 air
// wavelengths wide where it meets the boundary x = 0, drawn as wave crests that bend at
// the boundary, shorten by the factor n in water and are partly or wholly reflected.
// World units throughout; air on the left (x < 0), water on the right.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "library/world.h"
#include "sims/waves/refraction_angles.h"

namespace viv {

// What the beam's geometry depends on.
struct BeamSetup {
    RefractionAngles Angles;
    int Direction = FromAir;
    double AirWaveLength = 0.8;  // world units
    double Index = 1.334;        // n of the water
    double Phase = 0;            // p in [0, 1): how far the crests have moved, wavelengths
    // Whether the reflected wave is asked for; with total reflection it is always drawn.
    bool Reflection = false;
};

// The air wavelength of a colour in the picture, world units: 0.8 for violet (404.7 nm),
// longer in proportion to the wavelength.
double PictureWaveLength(double nanometres);

enum class CrestKind : std::uint8_t { Incident, Refracted, Reflected };

// One crest: a straight line, or a line bent at the boundary (three points).
struct CrestLine {
    std::array<WorldPoint, 3> Points{};
    std::uint8_t Count = 0;
    CrestKind Kind = CrestKind::Incident;
};

struct BeamCrests {
    static constexpr std::size_t Capacity = 5 + 7 + 7;
    std::array<CrestLine, Capacity> Lines{};
    std::size_t Count = 0;
};

// The crests of the beam: 5 incident crests one wavelength apart, the refracted crests
// j = j0..6 (j0 = 1 when p <= 0.01, else 0), each continued in the first medium as the
// incident crest of the same phase where the lower part of the beam has not reached the
// boundary yet, and, when asked for or when the light is totally reflected, the crests of
// the reflected wave of the same phases.
BeamCrests ComputeCrests(const BeamSetup& beam);

// An arrow head on a ray: tip and direction of travel (radians).
struct RayArrow {
    WorldPoint Tip;
    double Angle = 0;
};

// A boundary ray of the beam: a line bent where it meets the boundary (two points when
// nothing is refracted).
struct BeamRay {
    std::array<WorldPoint, 3> Points{};
    std::uint8_t Count = 0;
};

// The two boundary rays of the beam from 4 wavelengths before the boundary to 6
// wavelengths beyond it, and the two reflected rays, with their arrow heads.
struct BeamRays {
    std::array<BeamRay, 2> Rays;           // the one meeting the boundary first, then the other
    std::array<BeamRay, 2> ReflectedRays;  // from the boundary
    std::array<RayArrow, 4> Arrows{};      // 2 before, and when refracted 2 beyond the boundary
    std::size_t ArrowCount = 0;
    std::array<RayArrow, 2> ReflectedArrows{};
};

BeamRays ComputeBeamRays(const BeamSetup& beam);

}  // namespace viv
