// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The per-simulation settings of the control panel and the button bar, as data: which
// controls each simulation shows, their ranges, start positions, captions and hints.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "app/events.h"
#include "app/sim_set.h"
#include "app/window_model.h"

namespace viv {

// Where a control's start position comes from.
enum class PositionFrom : std::uint8_t { Fixed, CurrentColour, RayDirection, CurrentBow };

// The symbol of ScrollBar1's quantity, shown by ScrollBar1Symbol under the bar.
struct ScrollBar1SymbolRow {
    SimSet Sims;
    std::string_view Symbol;
};

// TrackBar1 (minimum 1): colour, substance or a simulation's own choice.
struct TrackBar1Row {
    SimSet Sims{};
    int Max = 8;
    PositionFrom From = PositionFrom::Fixed;
    int Position = 1;  // when From is Fixed
    std::string_view Hint{};
    bool ShowsLambda = false;         // LambdaMark (λ) under the bar; otherwise TrackBar1Caption
    std::string_view Caption{};       // when TrackBar1Caption is shown
    bool SetsCurrentColour = false;   // CurrentColour := Position before the bar is set
    bool ColourTextInPanel3 = false;  // Panel3 shows the colour text at once
};

// TrackBar2 with its label TrackBar2Caption.
struct TrackBar2Row {
    SimSet Sims;
    int Min = 1;
    int Max = 2;
    PositionFrom From = PositionFrom::Fixed;
    int Position = 1;  // when From is Fixed
    std::string_view Hint;
    std::string_view Caption;
};

// How ScrollBar1's range follows the shared state.
enum class ScrollRule : std::uint8_t {
    Fixed,           // Min..Max at Position
    Incidence,       // 0..IncidenceMax at IncidenceMax - IncidenceValue
    YoungIncidence,  // Min..IncidenceMax - 1 at IncidenceMax - 50, which becomes IncidenceValue
    Scatter,         // Min..Max at Position - ScatterAngle
};

struct ScrollBar1Row {
    SimSet Sims;
    ScrollRule Rule = ScrollRule::Fixed;
    int Min = 0;
    int Max = 0;
    int Position = 0;
};

struct HintRow {
    SimSet Sims;
    std::string_view Hint;
};

// A caption and hint of an F-button; an empty caption leaves the button as it is.
struct ButtonText {
    std::string_view Caption;
    std::string_view Hint;
};

// F2..F6 of the simulations in Sims; an empty F2 takes DefaultF2.
struct FButtonRow {
    SimSet Sims;
    std::array<ButtonText, 5> Keys;
};

// Menu captions of the F3..F6 items ("&Hjælpemærker" never changes); empty leaves them.
struct FMenuRow {
    SimSet Sims;
    std::array<std::string_view, 4> Captions;
};

// The toggles F2..F6 a simulation starts with (all others start off).
struct StartTogglesRow {
    SimSet Sims;
    std::array<bool, 5> On;
};

constexpr ButtonText DefaultF2{"Mærke, F2", " Hjælpebuer, streger"};
constexpr std::string_view DefaultScrollBar1Hint = " Parameter";

// Simulations whose control panel is measured by ScrollBar3 (the colour bars) rather
// than by ScrollBar1.
constexpr SimSet WidePanelSims{20, 22, 23, 25, 33, 34};
// ScrollBar2, ScrollBar3 and the labels "R", "G", "B".
constexpr SimSet ColourBarSims{20, 22, 33, 34};
// TrackBar3 (radius) and TrackBar4 (the second lens's substance).
constexpr SimSet LensBarSims{23, 25};
// ScrollBar1 stays hidden: these simulations have no use for it (the lens drawing 30 and
// the two instrument figures 42, 43 have no control at all).
constexpr SimSet NoScrollBar1Sims{21, 30, 31, 32, 42, 43};
// TrackBar1 changes leave Panel3 to the simulation.
constexpr SimSet OwnPanel3Sims = SimSet{14, 15, 18, 23, 25, 26, 41} | SimSet::Range(35, 39);
// The animation buttons, except "Frem" and slow motion where they make no sense.
constexpr SimSet NoStepSims{36};
constexpr SimSet NoSlowMotionSims{36, 37, 38};
// The mouse position over the picture is shown in world units.
constexpr SimSet PointerReadoutSims = SimSet{14, 37, 38} | SimSet::Range(23, 29);
// A click on the picture is one step of the experiment.
constexpr SimSet ClickStepSims{21};

std::span<const ScrollBar1SymbolRow> ScrollBar1Symbols();
std::span<const TrackBar1Row> TrackBar1Rows();
std::span<const TrackBar2Row> TrackBar2Rows();
std::span<const ScrollBar1Row> ScrollBar1Rows();
std::span<const HintRow> ScrollBar1Hints();
std::span<const FButtonRow> FButtonRows();
std::span<const FMenuRow> FMenuRows();
std::span<const StartTogglesRow> StartToggles();

// The first row of `rows` for simulation n, or nullptr.
template <class Row>
const Row* RowFor(std::span<const Row> rows, int n) {
    for (const Row& row : rows)
        if (row.Sims.Has(n)) return &row;
    return nullptr;
}

// The event code a control sends when it changes.
Event EventOf(Control control);

}  // namespace viv
