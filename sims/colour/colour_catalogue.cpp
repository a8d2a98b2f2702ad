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

void LabelsRgb(SetupScene& scene) {
    scene.Window.ScrollBar1Symbol.Caption = "R";
    scene.Window.ScrollBar2Symbol.Caption = "G";
    scene.Window.ScrollBar3Symbol.Caption = "B";
}

void ColourMixingAfterSelect(SetupScene& scene) {
    LabelsRgb(scene);
}

// The text would be emptied again by the table set-up, so it follows the table.
void ColourCircleAfterTable(SetupScene& scene) {
    scene.Out.MessagePanel = "Bevæg musen over figuren";
}

void ContrastAfterSelect(SetupScene& scene) {
    scene.Out.MessagePanel.clear();
    LabelsRgb(scene);
}

// --- Table headers ---

constexpr SV kRgbRows[] = {" Rød /%", " Grøn /%", " Blå /%"};
constexpr SV kAfterImageRows[] = {" Rød /%", " Grøn /%", " Blå %"};

// --- Control descriptions several rows share ---

// The first colour bar, positions 0..255, starting at 255.
constexpr ScrollBar1Setup kFullColourBar{.Max = 255, .Position = 255, .Hint = " % farve"};

// --- The rows ---

constexpr CatalogueEntry kEntries[] = {
    {.Number = 20,
     .Menu = {.In = SubjectMenu::Colours,
              .Place = 1,
              .Name = "Farveblanding1",
              .Caption = "&Farveblanding",
              .Hint = "Additiv og subtraktiv farveblanding"},
     .Caption = "Farveblanding",
     .Table = {4, 2, true},
     .ColumnHeaders = {"Additiv", "", ""},
     .RowHeaders = kRgbRows,
     .Shown = Buttons::Table,
     .ScrollBar1 = ScrollBar1Setup{.Max = 255, .Hint = " % farve"},
     .TrackBar2 = TrackBar2Setup{.Min = 0,
                                 .Max = 1,
                                 .Position = 0,
                                 .Hint = " Additiv eller subtraktiv",
                                 .Caption = "+/-"},
     .ColourBars = true,
     .BeforeSelect = &SetMixingStartValues,
     .AfterSelect = &ColourMixingAfterSelect,
     .Draw = &DrawColourMixing},
    {.Number = 21,
     .Menu = {.In = SubjectMenu::Colours,
              .Place = 3,
              .Name = "Ojetstrathed1",
              .Caption = "&Øjets træthed",
              .Hint = "Se komplementært skyggebillede efter 30 sekunders kik på en farve"},
     .Caption = "Øjets træthed",
     .Table = {4, 2, true},
     .ColumnHeaders = kCaptionOnly,
     .RowHeaders = kAfterImageRows,
     .Shown = Buttons::Table,
     .HideScrollBar1 = true,
     .ClickSteps = true,
     .BeforeSelect = &SetEyeFatigueStartValues,
     .Draw = &DrawEyeFatigue},
    {.Number = 22,
     .Menu = {.In = SubjectMenu::Colours,
              .Place = 2,
              .Name = "Komplementarfarve1",
              .Caption = "&Komplementærfarve",
              .Hint = "Komplementærfarve for mættede og brækkede farver, farvecirklen"},
     .Caption = "Komplementærfarve",
     .Table = {4, 2, true},
     .ColumnHeaders = kCaptionOnly,
     .RowHeaders = kRgbRows,
     .Shown = Buttons::Table,
     .ScrollBar1 = kFullColourBar,
     .ColourBars = true,
     .AfterSelect = &LabelsRgb,
     .Draw = &DrawComplementaryColour},
    {.Number = 31,
     .Menu = {.In = SubjectMenu::Colours,
              .Place = 4,
              .Name = "Gothesfarvetrekant1",
              .Caption = "&Goethes farvetrekant",
              .Hint = "Goethes farvetrekant."},
     .Caption = "Goethes farvetrekant",
     .Table = {3, 2, false},
     .HideScrollBar1 = true,
     .AfterTable = &ColourCircleAfterTable,
     .Draw = &DrawGoetheTriangle,
     .Mouse = &ShowColourUnderMouse},
    {.Number = 32,
     .Menu = {.In = SubjectMenu::Colours,
              .Place = 5,
              .Name = "Tolvfarvecirklen1",
              .Caption = "&Tolvfarvecirklen",
              .Hint = "Den tolvdelte farvecirkel dannet af de primære farver: gul, rød og blå"},
     .Caption = "Den tolvdelte farvecirkel",
     .Table = {3, 2, false},
     .HideScrollBar1 = true,
     .AfterTable = &ColourCircleAfterTable,
     .Draw = &DrawTwelvePartCircle,
     .Mouse = &ShowColourUnderMouse},
    {.Number = 33,
     .Menu = {.In = SubjectMenu::Colours,
              .Place = 6,
              .Name = "Monster1",
              .Caption = "&Mønster",
              .Hint = "Mønster af komplementærfarver"},
     .Caption = "Komplementært mønster",
     .Table = {3, 2, false},
     .Shown = Buttons::F3,
     .ScrollBar1 = kFullColourBar,
     .TrackBar2 =
         TrackBar2Setup{
             .Min = 0, .Max = 9, .Position = 4, .Hint = " Båndbredde", .Caption = "bredde"},
     .ColourBars = true,
     .FKeys = {{{}, {"Streg, F3", " Indsæt hvid streg mellem felter"}}},
     .FMenuCaptions = {"H&vid streg", "", "", ""},
     .BeforeSelect = &SetPatternStartValues,
     .AfterSelect = &ContrastAfterSelect,
     .Draw = &DrawComplementPattern},
    {.Number = 34,
     .Menu = {.In = SubjectMenu::Colours,
              .Place = 7,
              .Name = "Simultankontrast1",
              .Caption = "&Simultan kontrast",
              .Hint = "Simultan kontrast"},
     .Caption = "Simultan kontrast",
     .Table = {3, 2, false},
     .ScrollBar1 = kFullColourBar,
     .ColourBars = true,
     .AfterSelect = &ContrastAfterSelect,
     .Draw = &DrawSimultaneousContrast},
};

}  // namespace

void AddColourSimulations(Catalogue& catalogue) {
    catalogue.Add(kEntries);
}

}  // namespace viv
