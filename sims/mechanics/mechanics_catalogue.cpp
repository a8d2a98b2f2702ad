// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The catalogue rows of the spring, waves on a string, standing waves, sonar and water waves: what
// each menu entry sets up and which routine draws it.
#include "sims/mechanics/mechanics_catalogue.h"

#include "app/catalogue.h"
#include "sims/mechanics/sonar.h"
#include "sims/mechanics/spring.h"
#include "sims/mechanics/standing_waves.h"
#include "sims/mechanics/water_waves.h"
#include "sims/mechanics/wave_propagation.h"

namespace viv {

namespace {

using SV = std::string_view;

// --- Start values the menu entries write into the shared state ---

// The start time, and the spring at rest with one weight, k = 10 N/m and A = 0.05 m.
void SpringStart(SetupScene& scene) {
    scene.State.AnimationStep = static_cast<std::int32_t>(scene.Milliseconds());
    SetSpringStartValues(scene);
}

// --- Table headers ---

constexpr SV kSpringRows[] = {" fjederforlængelse, x/m",  " fjedermasse, m/kg",
                              " fjederkonstant k/ N/m,",  " potentiel energi Epot/J,",
                              " kinetisk energi Ekin/J,", " mekanisk energi Emek/J,"};

// The speed of the waves on a string or in a pipe, 1..80.
constexpr ScrollBar1Setup kWaveSpeedBar{
    .Min = 1, .Max = 80, .Position = 40, .Hint = " Hastighed", .Symbol = "v"};

// The F-button of the measuring scale.
constexpr ButtonText kTapeMeasureKey{"Måler, F6", " Målebånd"};

// --- The rows ---

constexpr CatalogueEntry kEntries[] = {
    {.Number = 36,
     .Menu = {.In = SubjectMenu::Waves,
              .Place = 12,
              .Name = "Fjedersvingning1",
              .Caption = "&Fjedersvingning",
              .Hint = "Harmoniske svingninger, energiforhold",
              .SeparatorBefore = "N4"},
     .Caption = "Fjedersvingning",
     .Table = {7, 2, true},
     .ColumnHeaders = kCaptionOnly,
     .RowHeaders = kSpringRows,
     .Shown = Buttons::F2 | Buttons::F5 | Buttons::F6 | Buttons::Clock,
     .ScrollBar1 = ScrollBar1Setup{.Max = 60, .Position = 30, .Hint = " Amplitude"},
     .TrackBar1 = TrackBar1Setup{.Max = 11, .Hint = " fjederkonstant", .Caption = "k"},
     .TrackBar2 = TrackBar2Setup{.Min = 0, .Max = 5, .Hint = " Antal lodder", .Caption = "lodder"},
     .FKeys = {{{"Fase, F2", " Viser fasevinkel under kørsel"},
                {},
                {},
                {"Energi, F5", " Tegn energidiagram"},
                kTapeMeasureKey}},
     .FMenuCaptions = {"", "", "Energi&diagram", "M&ålebånd"},
     .StepButton = false,
     .SlowMotionButton = false,
     .BeforeSelect = &SpringStart,
     .Draw = &DrawSpringSimulation,
     .Drag = &SpringWeightDrag},
    {.Number = 37,
     .Menu = {.In = SubjectMenu::Waves,
              .Place = 13,
              .Name = "Bolgeudbredelse1",
              .Caption = "Bølge&udbredelse",
              .Hint = "Longitudinalbølger og transversalbølger på snor"},
     .Caption = "Bølgeudbredelse",
     .Table = {3, 2, false},
     .Shown = Buttons::F2 | Buttons::F4 | Buttons::F5 | Buttons::F6 | Buttons::Clock,
     .ScrollBar1 = kWaveSpeedBar,
     .TrackBar1 = TrackBar1Setup{.Max = 6, .Hint = " bølgelængde", .ShowsLambda = true},
     .TrackBar2 = TrackBar2Setup{.Hint = " Bølgetype", .Caption = "type"},
     .FKeys = {{{"Bølge, F2", " Fortætning (fortynding) eller bølger"},
                {},
                {"Enkelt, F4", " Tegn kun 1 kugle"},
                {"Små, F5", " Små kugler"},
                kTapeMeasureKey}},
     .FMenuCaptions = {"", "Tegn kun &1 kugle", "&Små kugler", "M&ålebånd"},
     .SlowMotionButton = false,
     .PointerReadout = true,
     .BeforeSelect = &SetWavePropagationStartValues,
     .Draw = &DrawWavePropagation},
    {.Number = 38,
     .Menu = {.In = SubjectMenu::Waves,
              .Place = 14,
              .Name = "Staendebolger1",
              .Caption = "St&ående bølger",
              .Hint = "Stående bølger i åben, halvåben og lukket resonanskasse"},
     .Caption = "Stående bølger",
     .Table = {3, 2, false},
     .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::F6 | Buttons::Clock,
     .ScrollBar1 = kWaveSpeedBar,
     .TrackBar1 = TrackBar1Setup{.Max = 6, .Hint = " overtoner", .Caption = "tone"},
     .TrackBar2 = TrackBar2Setup{.Max = 3, .Hint = " Rørtype", .Caption = "type"},
     .FKeys = {{{"Udsving, F2", " Buer og knuder"},
                {"Frys, F3", " Slet ikke mærke"},
                {"Tryk, F4", " Tegn trykvariation"},
                {},
                kTapeMeasureKey}},
     .FMenuCaptions = {"&Frys mærker", "Tegn tr&ykvariation", "", "M&ålebånd"},
     .SlowMotionButton = false,
     .PointerReadout = true,
     .BeforeSelect = &SetStandingWavesStartValues,
     .Draw = &DrawStandingWaves},
    {.Number = 39,
     .Menu = {.In = SubjectMenu::Waves,
              .Place = 15,
              .Name = "Sonar1",
              .Caption = "So&nar",
              .Hidden = true},
     .Caption = "Sonar",
     .Table = {3, 2, false},
     .Shown = Buttons::F6 | Buttons::Clock,
     .ScrollBar1 =
         ScrollBar1Setup{.Min = 1, .Max = 80, .Position = 40, .Hint = " Afstand", .Symbol = "a"},
     .TrackBar1 =
         TrackBar1Setup{.Max = 10, .Position = 5, .Hint = " lydhastighed", .Caption = "Vlyd"},
     .FKeys = {{{}, {}, {}, {}, kTapeMeasureKey}},
     .FMenuCaptions = {"", "", "", "M&ålebånd"},
     .BeforeSelect = &SetSonarStartValues,
     .Draw = &DrawSonar},
    {.Number = 40,
     .Menu = {.In = SubjectMenu::Waves,
              .Place = 16,
              .Name = "Vandbolger1",
              .Caption = "Vandbølger",
              .Hidden = true},
     .Caption = "Vandbølger",
     .Shown = Buttons::F2 | Buttons::F3 | Buttons::Clock,
     .ScrollBar1 = ScrollBar1Setup{.Max = 100, .Position = 90, .Hint = " Hastighed"},
     .TrackBar2 =
         TrackBar2Setup{.Max = 8, .Position = 2, .Hint = " Faseforskel", .Caption = "fase"},
     .FKeys = {{{}, {"Kugler, F3", " Tegn kugler"}}},
     .FMenuCaptions = {"&Kugler", "", "", ""},
     .BeforeSelect = &SetWaterWavesStartValues,
     .Draw = &DrawWaterWaves},
};

}  // namespace

void AddMechanicsSimulations(Catalogue& catalogue) {
    catalogue.Add(kEntries);
}

}  // namespace viv
