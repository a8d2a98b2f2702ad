// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The catalogue rows of colour mixing, contrast, colour circles and the afterimage: what each menu
// entry sets up and which routine draws it.
#include "sims/colour/colour_catalogue.h"

#include "app/catalogue.h"
#include "sims/colour/colour_mixing.h"
#include "sims/colour/colour_under_mouse.h"
#include "sims/colour/complement_pattern.h"
#include "sims/colour/complementary_colour.h"
#include "sims/colour/eye_fatigue.h"
#include "sims/colour/goethe_triangle.h"
#include "sims/colour/simultaneous_contrast.h"
#include "sims/colour/twelve_part_circle.h"

namespace viv {

namespace {

using SV = std::string_view;

// --- Start values the menu entries write into the shared state ---

void LabelsRgb(App& app) {
    app.Window.ScrollBar1Symbol.Caption = "R";
    app.Window.ScrollBar2Symbol.Caption = "G";
    app.Window.ScrollBar3Symbol.Caption = "B";
}

void ColourMixingAfterSelect(App& app) {
    LabelsRgb(app);
}

// The text would be emptied again by the table set-up, so it follows the table.
void ColourCircleAfterTable(App& app) {
    app.Window.MessagePanel = "Bevæg musen over figuren";
}

void ContrastAfterSelect(App& app) {
    app.Window.MessagePanel.clear();
    LabelsRgb(app);
}

// --- Table headers ---

constexpr SV kRgbRows[] = {" Rød /%", " Grøn /%", " Blå /%"};
constexpr SV kAfterImageRows[] = {" Rød /%", " Grøn /%", " Blå %"};

// --- The rows ---

constexpr std::array kEntries = [] {
    std::array<CatalogueEntry, 7> c{};
    c[0] = {.Number = 20,
            .Caption = "Farveblanding",
            .Table = {4, 2, true},
            .ColumnHeaders = {"Additiv", "", ""},
            .RowHeaders = kRgbRows,
            .Shown = Buttons::Table,
            .BeforeSelect = &SetMixingStartValues,
            .AfterSelect = &ColourMixingAfterSelect,
            .Draw = &DrawColourMixing};
    c[1] = {.Number = 21,
            .Caption = "Øjets træthed",
            .Table = {4, 2, true},
            .ColumnHeaders = kCaptionOnly,
            .RowHeaders = kAfterImageRows,
            .Shown = Buttons::Table,
            .BeforeSelect = &SetEyeFatigueStartValues,
            .Draw = &DrawEyeFatigue,
            .HideScrollBar1 = true};
    c[2] = {.Number = 22,
            .Caption = "Komplementærfarve",
            .Table = {4, 2, true},
            .ColumnHeaders = kCaptionOnly,
            .RowHeaders = kRgbRows,
            .Shown = Buttons::Table,
            .AfterSelect = &LabelsRgb,
            .Draw = &DrawComplementaryColour};
    c[3] = {.Number = 31,
            .Caption = "Goethes farvetrekant",
            .Table = {3, 2, false},
            .AfterTable = &ColourCircleAfterTable,
            .Draw = &DrawGoetheTriangle,
            .HideScrollBar1 = true,
            .Mouse = &ShowColourUnderMouse};
    c[4] = {.Number = 32,
            .Caption = "Den tolvdelte farvecirkel",
            .Table = {3, 2, false},
            .AfterTable = &ColourCircleAfterTable,
            .Draw = &DrawTwelvePartCircle,
            .HideScrollBar1 = true,
            .Mouse = &ShowColourUnderMouse};
    c[5] = {.Number = 33,
            .Caption = "Komplementært mønster",
            .Table = {3, 2, false},
            .Shown = Buttons::F3,
            .BeforeSelect = &SetPatternStartValues,
            .AfterSelect = &ContrastAfterSelect,
            .Draw = &DrawComplementPattern};
    c[6] = {.Number = 34,
            .Caption = "Simultan kontrast",
            .Table = {3, 2, false},
            .AfterSelect = &ContrastAfterSelect,
            .Draw = &DrawSimultaneousContrast};
    return c;
}();

}  // namespace

void AddColourSimulations(Catalogue& catalogue) {
    catalogue.Add(kEntries);
}

}  // namespace viv
