// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The shared parameter state of the main window: every simulation may read it, and it
// keeps its values across changes of simulation.
#pragma once

#include <cstdint>
#include <string>

#include "library/rainbow_angles.h"

namespace viv {

// CurrentSimulation values that are not simulations.
constexpr std::uint16_t StartingUp = 0;
constexpr std::uint16_t StartPicture = 1;
constexpr std::uint16_t LeavingStartPicture = 99;
constexpr std::uint16_t Closed = 100;

struct SharedState {
    std::uint16_t CurrentSimulation = StartingUp;
    int CurrentColour = 4;           // 1..8, the colour table's row
    int CurrentBow = 1;              // 1 primary, 2 secondary
    std::uint16_t RayDirection = 1;  // 1..2
    int IncidenceMin = 0;
    int IncidenceMax = 25;
    int IncidenceValue = 12;  // the angle of incidence, degrees
    int ScatterAngle = 25;    // degrees
    std::int32_t AnimationStep = 0;
    bool ShowMarks = false;    // F2
    bool ShowNormals = false;  // F3
    bool ShowAxes = false;     // F4
    bool ShowRedRay = false;   // F5
    bool ShowRays = false;     // F6

    char ListSeparator = ',';
    char DecimalSeparator = '.';
    std::string StartDirectory;
    std::string OpenDialogDirectory;  // "STI" of the set-up file
    bool PrintTableToo = false;
    std::string PrintTitle;  // the title last entered in the print dialog

    RainbowAngles Rainbow;  // computed once at start-up
};

}  // namespace viv
