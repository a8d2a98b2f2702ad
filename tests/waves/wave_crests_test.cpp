// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The wave picture's geometry measured as a ruler would: spacing of the crests and their
// slant against the boundary, against Snell's law and n = wavelength in air / in water.
#include "sims/waves/wave_crests.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "library/colour_table.h"
#include "library/trig.h"
#include "sims/waves/refraction_angles.h"

namespace viv {
namespace {

struct Segment {
    WorldPoint a, b;
};

// The unit normal of a segment's line.
WorldPoint NormalOf(const Segment& s) {
    const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y, l = std::hypot(dx, dy);
    return {-dy / l, dx / l};
}

// Distance of the line through `t` from the line through `s`, both parallel.
double Spacing(const Segment& s, const Segment& t) {
    const WorldPoint n = NormalOf(s);
    return std::abs((t.a.x - s.a.x) * n.x + (t.a.y - s.a.y) * n.y);
}

// Angle between the segment and the boundary x = 0, radians in [0, pi/2].
double SlantToBoundary(const Segment& s) {
    return std::atan2(std::abs(s.b.x - s.a.x), std::abs(s.b.y - s.a.y));
}

BeamSetup Beam(int degrees, int direction, int colour, double phase, bool reflection = false) {
    const double n = ColourTable[colour].WaterIndex;
    BeamSetup beam;
    beam.Angles = RefractionAt(degrees, direction, n, CriticalAngleDegrees(n));
    beam.Direction = direction;
    beam.AirWaveLength = PictureWaveLength(ColourTable[colour].WaveLength);
    beam.Index = n;
    beam.Phase = phase;
    beam.Reflection = reflection;
    return beam;
}

struct Sorted {
    std::vector<Segment> incident;   // the incident crests
    std::vector<Segment> beyond;     // the parts past the boundary, from each refracted crest
    std::vector<Segment> continued;  // the parts before it, of the crests bent at the boundary
    std::vector<Segment> reflected;
    std::vector<int> bent;  // how many points each refracted crest has
};

Sorted Sort(const BeamCrests& crests) {
    Sorted s;
    for (std::size_t k = 0; k < crests.Count; ++k) {
        const CrestLine& c = crests.Lines[k];
        const Segment first{c.Points[0], c.Points[1]};
        switch (c.Kind) {
            case CrestKind::Incident:
                s.incident.push_back(first);
                break;
            case CrestKind::Reflected:
                s.reflected.push_back(first);
                break;
            case CrestKind::Refracted:
                s.beyond.push_back(first);
                s.bent.push_back(c.Count);
                if (c.Count == 3) s.continued.push_back({c.Points[1], c.Points[2]});
                break;
        }
    }
    return s;
}

TEST(WaveCrests, WaterShortensTheWaveByTheIndex) {
    for (int direction : {FromAir, FromWater})
        for (int colour : {1, 4, 8}) {
            const double n = ColourTable[colour].WaterIndex;
            const double air = 0.8 * ColourTable[colour].WaveLength / 404.7;
            const Sorted s = Sort(ComputeCrests(Beam(30, direction, colour, 0.37)));
            ASSERT_EQ(s.incident.size(), 5u);
            ASSERT_EQ(s.beyond.size(), 7u);
            const double first = direction == FromAir ? air : air / n;
            const double second = direction == FromAir ? air / n : air;
            for (std::size_t k = 1; k < s.incident.size(); ++k)
                EXPECT_NEAR(Spacing(s.incident[k - 1], s.incident[k]), first, 1e-9);
            for (std::size_t k = 1; k < s.beyond.size(); ++k)
                EXPECT_NEAR(Spacing(s.beyond[k - 1], s.beyond[k]), second, 1e-9);
            // Air spacing over water spacing is n.
            const double inAir = direction == FromAir ? Spacing(s.incident[0], s.incident[1])
                                                      : Spacing(s.beyond[0], s.beyond[1]);
            const double inWater = direction == FromAir ? Spacing(s.beyond[0], s.beyond[1])
                                                        : Spacing(s.incident[0], s.incident[1]);
            EXPECT_NEAR(inAir / inWater, n, 1e-9) << direction << " " << colour;
        }
}

TEST(WaveCrests, SlantAgainstTheBoundaryFollowsSnellsLaw) {
    for (int direction : {FromAir, FromWater})
        for (int degrees : {5, 20, 45, 70}) {
            if (direction == FromWater && degrees > 45) continue;  // totally reflected
            const double n = ColourTable[4].WaterIndex;
            const Sorted s = Sort(ComputeCrests(Beam(degrees, direction, 4, 0.5)));
            const double first = SlantToBoundary(s.incident[0]);
            // A crest stands square to its ray, so it slants by the ray's angle to the normal.
            EXPECT_NEAR(first, degrees * Pi / 180, 1e-9);
            for (const Segment& w : s.beyond) {
                const double second = SlantToBoundary(w);
                const double air = direction == FromAir ? first : second;
                const double water = direction == FromAir ? second : first;
                EXPECT_NEAR(std::sin(air), n * std::sin(water), 1e-9)
                    << direction << " " << degrees;
            }
        }
}

TEST(WaveCrests, CrestsBendAtTheBoundaryWithoutABreakInPhase) {
    for (int direction : {FromAir, FromWater}) {
        const BeamSetup beam = Beam(direction == FromAir ? 50 : 35, direction, 6, 0.73);
        const BeamCrests crests = ComputeCrests(beam);
        const Sorted s = Sort(crests);
        ASSERT_FALSE(s.continued.empty());
        const double first =
            direction == FromAir ? beam.AirWaveLength : beam.AirWaveLength / beam.Index;
        for (std::size_t k = 0; k < crests.Count; ++k) {
            const CrestLine& c = crests.Lines[k];
            if (c.Kind != CrestKind::Refracted || c.Count != 3) continue;
            EXPECT_NEAR(c.Points[1].x, 0, 1e-12);  // the bend lies on the boundary
            // The part before the boundary lies on the incident wave: a whole number of
            // wavelengths from the first incident crest.
            const double d = Spacing(s.incident[0], {c.Points[1], c.Points[2]}) / first;
            EXPECT_NEAR(d, std::round(d), 1e-9) << direction;
            EXPECT_NEAR(SlantToBoundary({c.Points[1], c.Points[2]}), SlantToBoundary(s.incident[0]),
                        1e-9);
        }
        // The crests past the boundary lie on that side, the incident ones on the other.
        const double side = direction == FromAir ? 1 : -1;
        for (const Segment& w : s.beyond) {
            EXPECT_GE(side * w.a.x, -1e-12);
            EXPECT_GE(side * w.b.x, -1e-12);
        }
        for (const Segment& w : s.incident) {
            EXPECT_LE(side * w.a.x, 1e-12);
            EXPECT_LE(side * w.b.x, 1e-12);
        }
    }
}

// The beam is 5 air wavelengths wide along the boundary whichever way the light goes.
TEST(WaveCrests, BeamSpansFiveAirWaveLengthsOfTheBoundary) {
    for (int direction : {FromAir, FromWater}) {
        const BeamSetup beam = Beam(30, direction, 2, 0.2);
        const double h = 5 * beam.AirWaveLength;
        const Sorted s = Sort(ComputeCrests(beam));
        for (const Segment& c : s.incident)
            EXPECT_NEAR(std::hypot(c.b.x - c.a.x, c.b.y - c.a.y), h * std::cos(Pi / 6), 1e-9);
        const BeamRays rays = ComputeBeamRays(beam);
        std::vector<double> entries;
        for (const BeamRay& r : rays.Rays) entries.push_back(r.Points[1].y);
        EXPECT_NEAR(std::abs(entries[0] - entries[1]), h, 1e-12);
        EXPECT_NEAR(std::min(entries[0], entries[1]), 0, 1e-12);
        // Snell's law on the rays as well.
        for (const BeamRay& r : rays.Rays) {
            ASSERT_EQ(r.Count, 3);
            const double in = std::atan2(std::abs(r.Points[1].y - r.Points[0].y),
                                         std::abs(r.Points[1].x - r.Points[0].x));
            const double out = std::atan2(std::abs(r.Points[2].y - r.Points[1].y),
                                          std::abs(r.Points[2].x - r.Points[1].x));
            const double air = direction == FromAir ? in : out;
            const double water = direction == FromAir ? out : in;
            EXPECT_NEAR(std::sin(air), beam.Index * std::sin(water), 1e-9);
        }
    }
}

TEST(WaveCrests, TotallyReflectedLightCarriesOnAsTheReflectedWave) {
    const BeamSetup beam = Beam(60, FromWater, 4, 0.4);
    ASSERT_FALSE(beam.Angles.Refracts);
    const Sorted s = Sort(ComputeCrests(beam));
    EXPECT_TRUE(s.beyond.empty());
    ASSERT_EQ(s.reflected.size(), 7u);
    for (const Segment& r : s.reflected) {
        EXPECT_GE(r.a.x, -1e-12);  // in the water
        EXPECT_GE(r.b.x, -1e-12);
        EXPECT_NEAR(SlantToBoundary(r), SlantToBoundary(s.incident[0]), 1e-9);
    }
    const BeamRays rays = ComputeBeamRays(beam);
    EXPECT_EQ(rays.Rays[0].Count, 2);  // ending at the boundary
    EXPECT_EQ(rays.ArrowCount, 2u);
}

TEST(WaveCrests, ReflectedWaveOnlyWhenAskedForBesideTheRefractedOne) {
    EXPECT_TRUE(Sort(ComputeCrests(Beam(30, FromAir, 4, 0.4))).reflected.empty());
    const Sorted s = Sort(ComputeCrests(Beam(30, FromAir, 4, 0.4, true)));
    ASSERT_EQ(s.reflected.size(), 7u);
    for (const Segment& r : s.reflected) {
        EXPECT_LE(r.a.x, 1e-12);  // back in the air
        EXPECT_LE(r.b.x, 1e-12);
        // Mirror image of the incident wave: same slant, the other way.
        EXPECT_NEAR(SlantToBoundary(r), Pi / 6, 1e-9);
    }
}

TEST(WaveCrests, TheCrestAtTheBoundaryIsLeftOutJustAfterTheWrap) {
    EXPECT_EQ(Sort(ComputeCrests(Beam(30, FromAir, 4, 0.0))).beyond.size(), 6u);
    EXPECT_EQ(Sort(ComputeCrests(Beam(30, FromAir, 4, 0.01))).beyond.size(), 6u);
    EXPECT_EQ(Sort(ComputeCrests(Beam(30, FromAir, 4, 0.05))).beyond.size(), 7u);
    // At normal incidence the crests stand parallel to the boundary and never bend.
    const Sorted s = Sort(ComputeCrests(Beam(0, FromAir, 4, 0.5)));
    for (int points : s.bent) EXPECT_EQ(points, 2);
}

}  // namespace
}  // namespace viv
