// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The set-up of the control panel and the button bar that a simulation's catalogue row
// gives: which controls it shows, their ranges, start positions, captions and hints.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "app/events.h"
#include "app/window_model.h"

namespace viv {

class Scene;

// Where a control's start position comes from: a fixed number, a shared parameter, or the
// simulation's own state (its row's StartAt routine).
enum class PositionFrom : std::uint8_t { Fixed, CurrentColour, RayDirection, CurrentBow, Own };

constexpr std::string_view DefaultScrollBar1Hint = " Parameter";

// How ScrollBar1's range follows the shared state.
enum class ScrollRule : std::uint8_t {
    Fixed,      // Min..Max at Position
    Incidence,  // 0..IncidenceMax at IncidenceMax - IncidenceValue
    Scatter,    // Min..Max at Position - ScatterAngle
};

// ScrollBar1 with the symbol of its quantity (ScrollBar1Symbol) under it.
struct ScrollBar1Setup {
    ScrollRule Rule = ScrollRule::Fixed;
    int Min = 0;
    int Max = 0;
    int Position = 0;
    std::string_view Hint = DefaultScrollBar1Hint;
    std::string_view Symbol{};  // empty: none (the colour bars' "R" stays)
};

// TrackBar1 (minimum 1): colour, substance or a simulation's own choice.
struct TrackBar1Setup {
    int Max = 8;
    PositionFrom From = PositionFrom::Fixed;
    int Position = 1;                        // when From is Fixed
    int (*StartAt)(Scene& scene) = nullptr;  // when From is Own
    std::string_view Hint{};
    bool ShowsLambda = false;        // LambdaMark (λ) under the bar; otherwise TrackBar1Caption
    std::string_view Caption{};      // when TrackBar1Caption is shown
    bool SetsCurrentColour = false;  // CurrentColour := Position before the bar is set
    // Panel3 shows the colour text at once and after every change of the bar; otherwise
    // the simulation writes Panel3 itself.
    bool ColourTextInPanel3 = false;
};

// TrackBar2 with its label TrackBar2Caption.
struct TrackBar2Setup {
    int Min = 1;
    int Max = 2;
    PositionFrom From = PositionFrom::Fixed;
    int Position = 1;  // when From is Fixed
    std::string_view Hint{};
    std::string_view Caption{};
};

// A caption and hint of an F-button; an empty caption leaves the button as it is.
struct ButtonText {
    std::string_view Caption;
    std::string_view Hint;
};

constexpr ButtonText DefaultF2{"Mærke, F2", " Hjælpebuer, streger"};

// The event code a control sends when it changes.
Event EventOf(Control control);

}  // namespace viv
