// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The catalogue of simulations, as data: each row describes one simulation whole, from its
// menu entry and its controls to the routines that draw it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/app.h"
#include "app/control_tables.h"
#include "app/data_list.h"
#include "app/drag.h"
#include "app/main_menu.h"
#include "app/scene.h"

namespace viv {

// Header text standing for the window caption.
constexpr std::string_view CaptionHeader =
    "\x01"
    "caption";

// Row 0 of a table whose first column header is the window caption, and of one with none.
constexpr std::array<std::string_view, 3> kCaptionOnly{CaptionHeader, "", ""};
constexpr std::array<std::string_view, 3> kNoHeaders{"", "", ""};

struct TableSetup {
    std::uint16_t Rows = 0;     // 0: the menu entry sets up no table
    std::uint16_t Columns = 2;  // 3 or 2
    bool Message = false;       // " Se flere data i tabellen."
};

struct CatalogueEntry {
    std::uint16_t Number = 0;
    SimulationMenuItem Menu{};   // its entry in a subject menu
    std::string_view Caption{};  // the window caption; empty leaves it unchanged
    TableSetup Table{};
    // Row 0: columns 0, 1, 2 (CaptionHeader for the window caption; empty for none).
    std::array<std::string_view, 3> ColumnHeaders{};
    // Column 0 from row 1 on.
    std::span<const std::string_view> RowHeaders{};
    Buttons Shown = Buttons::None;  // the buttons and items it shows

    // --- The control panel and the button bar ---
    std::optional<ScrollBar1Setup> ScrollBar1{};  // none: the bar stays hidden
    bool HideScrollBar1 = false;                  // hidden already before SelectSimulation
    std::optional<TrackBar1Setup> TrackBar1{};    // none: hidden
    std::optional<TrackBar2Setup> TrackBar2{};    // none: hidden
    bool ColourBars = false;  // ScrollBar2, ScrollBar3 and the labels "R", "G", "B"
    bool LensBars = false;    // TrackBar3 (radius) and TrackBar4 (the second lens's substance)
    // F2..F6; an empty caption leaves the button as it is (F2 then takes DefaultF2).
    std::array<ButtonText, 5> FKeys{};
    // Captions of the "&Vis" menu's F3..F6 items; empty: the item's first caption.
    std::array<std::string_view, 4> FMenuCaptions{};
    Buttons StartOn = Buttons::None;  // the toggles F2..F6 that start on
    bool StepButton = true;           // "Frem", where the clock is shown
    bool SlowMotionButton = true;     // slow motion, where the clock is shown
    bool PointerReadout = false;      // the mouse position over the picture in world units
    bool ClickSteps = false;          // a click on the picture is one step of the experiment

    // --- The routines ---
    // The menu entry's own start values, before SelectSimulation.
    void (*BeforeSelect)(SetupScene&) = nullptr;
    // After SelectSimulation and the caption, before the table.
    void (*AfterSelect)(SetupScene&) = nullptr;
    // After the table is set up and its headers written.
    void (*AfterTable)(SetupScene&) = nullptr;
    DrawRoutine Draw = nullptr;  // nullptr: not drawn yet, the picture stays white
    // The simulation's own response to the mouse moving over the picture; nullptr: none.
    void (*Mouse)(Scene&, TCanvas&) = nullptr;
    // The numbers behind the picture for "Udskriv &Data"; nullptr: the item is disabled.
    DataListRoutine Data = nullptr;
    // The figure the mouse can drag, a second way to move its control; nullptr: none.
    const DragFigure* Drag = nullptr;
};

// Every simulation the program knows, indexed by number: the start picture, which the
// core draws itself, and the rows each subject adds.
class Catalogue {
public:
    Catalogue();  // holds the start picture only

    // Adds the entries of one subject; a later entry of the same number replaces the earlier.
    // Numbers from the start picture's on up to the states that are no simulation
    // (LeavingStartPicture) are ignored.
    void Add(std::span<const CatalogueEntry> entries);

    // The entry of simulation n, or nullptr for numbers without a row.
    const CatalogueEntry* Find(std::uint16_t n) const;
    // Whether n is the number of a row (the start picture's included).
    bool Has(long n) const;

    // The numbers of every row, the start picture's included, smallest first.
    std::vector<std::uint16_t> Numbers() const;
    // The largest number of a row.
    std::uint16_t Largest() const;
    // The numbers there are, as the scripted mode names them: "first..largest", then
    // ", `except` " and the numbers in that range without a row, if any.
    std::string NumbersText(std::string_view except = "not") const;

private:
    std::vector<CatalogueEntry> entries_;  // indexed by number; Number 0 where none
};

// The incidence runs 0..`maximum` and starts in the middle (menu entries of the ray
// simulations).
void SetIncidenceRange(SharedState& state, int maximum);

}  // namespace viv
