// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Iskrystallen": a ray through a hexagonal ice crystal in one of three colours, the
// origin of the 22° halo. The ray enters the middle of the upper-left face and leaves,
// deviated, through the face that forms a 60° wedge with it; an inset graph shows the
// deviation against the angle of incidence, whose minimum is the halo's radius.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "app/scene.h"
#include "library/canvas.h"
#include "library/world.h"

namespace viv {

// The three colours of the crystal with the refractive index of ice.
struct IceColour {
    std::string_view Name;
    double WaveLength;  // nm
    double Index;
};

constexpr std::array<IceColour, 3> IceColours{{
    {"blå", 486.1, 1.3147},
    {"gul", 589.3, 1.3104},
    {"rød", 759.4, 1.3062},
}};

// Colour c = 1..3 (held inside the range).
const IceColour& IceColourOf(int c);

// The own state: the angle of incidence in whole degrees, 0..89.
struct IceCrystalState {
    int Incidence = 30;
};

IceCrystalState& IceCrystalOf(Scene& scene);

// The crystal: a regular hexagon of circumradius 3 about the origin with vertices at
// 60° k; face k runs from vertex k to vertex k + 1, its outward normal points at
// 30° + 60° k. The ray enters face 2 and leaves, when it does, through face 0.
constexpr double CrystalRadius = 3;
constexpr int EntryFace = 2;
constexpr int WedgeFace = 0;

// The ray of index n at the angle of incidence i (radians) through the crystal.
struct IceRay {
    WorldPoint Start;       // 3 units before the entry point
    WorldPoint Entry;       // the middle of face 2
    WorldPoint Exit;        // where the ray inside meets the crystal's surface
    WorldPoint End;         // 3 units beyond the exit along the emergent ray, when it emerges
    int ExitFace = 0;       // the face the ray inside meets
    double Incident = 0;    // the incident direction, radians from the x axis
    double Refraction = 0;  // r1 at the entry, radians
    double Emergence = 0;   // e at face 0, radians, when the ray emerges
    double Deviation = 0;   // v = i + e - 60°, radians, when the ray emerges
    bool Emerges = false;   // it meets face 0 and is not totally reflected there
};

IceRay TraceIceRay(double i, double n);

// The drawing routine: events 32, 33 (ScrollBar1: i = 90 - position), 34 (TrackBar1:
// the colour) and the toggles F2 (the deviation marks) and F3 (the face normals).
void DrawIceCrystal(Scene& scene, Event event, bool clearFirst, TCanvas& canvas);

}  // namespace viv
