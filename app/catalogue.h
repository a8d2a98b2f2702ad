// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The catalogue of simulations, as data: what each menu entry sets up and which routine
// draws it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "app/app.h"
#include "app/data_list.h"
#include "app/drag.h"
#include "app/main_menu.h"

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
    std::string_view Caption{};  // the window caption; empty leaves it unchanged
    TableSetup Table{};
    // Row 0: columns 0, 1, 2 (CaptionHeader for the window caption; empty for none).
    std::array<std::string_view, 3> ColumnHeaders{};
    // Column 0 from row 1 on.
    std::span<const std::string_view> RowHeaders{};
    Buttons Shown = Buttons::None;  // the buttons and items it shows
    // The menu entry's own start values, before SelectSimulation.
    void (*BeforeSelect)(App&) = nullptr;
    // After SelectSimulation and the caption, before the table.
    void (*AfterSelect)(App&) = nullptr;
    // After the table is set up and its headers written.
    void (*AfterTable)(App&) = nullptr;
    DrawRoutine Draw = nullptr;   // nullptr: not drawn yet, the picture stays white
    bool HideScrollBar1 = false;  // hidden before SelectSimulation (21, 31, 32)
    // The simulation's own response to the mouse moving over the picture (17, 18, 31,
    // 32); nullptr: none.
    void (*Mouse)(App&, TCanvas&) = nullptr;
    // The numbers behind the picture for "Udskriv &Data"; nullptr: the item is disabled.
    DataListRoutine Data = nullptr;
    // The figure the mouse can drag, a second way to move its control; nullptr: none.
    const DragFigure* Drag = nullptr;
};

// Every simulation the program knows, indexed by number: the start picture, which the
// core draws itself, and the rows each subject adds.
class Catalogue {
public:
    static constexpr std::size_t Slots = 44;  // simulations 1..43

    Catalogue();  // holds the start picture only

    // Adds the entries of one subject; a later entry of the same number replaces the earlier.
    void Add(std::span<const CatalogueEntry> entries);

    // The entry of simulation n, or nullptr for numbers that are no simulation (13, > 43).
    const CatalogueEntry* Find(std::uint16_t n) const;

private:
    std::array<CatalogueEntry, Slots> entries_{};
};

// The incidence runs 0..`maximum` and starts in the middle (menu entries of the ray
// simulations).
void SetIncidenceRange(App& app, int maximum);

}  // namespace viv
