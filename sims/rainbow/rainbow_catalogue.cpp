// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The catalogue rows of the bow, the drop and the instruments: what each menu entry sets up and
// which routine draws it.
#include "sims/rainbow/rainbow_catalogue.h"

#include "app/catalogue.h"
#include "sims/rainbow/alexanders_band.h"
#include "sims/rainbow/bow_colours.h"
#include "sims/rainbow/bow_cone.h"
#include "sims/rainbow/bow_polarisation.h"
#include "sims/rainbow/drop_ray_drags.h"
#include "sims/rainbow/drop_scattering.h"
#include "sims/rainbow/instrument_figures.h"
#include "sims/rainbow/polarised_colours.h"
#include "sims/rainbow/rainbow_data_lists.h"
#include "sims/rainbow/rainbow_state.h"
#include "sims/rainbow/water_polarisation.h"
#include "sims/rainbow/youngs_interference.h"

namespace viv {

namespace {

using SV = std::string_view;

// --- Start values the menu entries write into the shared state ---

void WaterPolarisationStart(SetupScene& scene) {
    SetIncidenceRange(scene.State, 90);
    scene.State.RayDirection = 1;
}

// The sun 30° high and the observer at x = 0 are set by the cone module.
void ConeAfterTable(SetupScene& scene) {
    scene.Out.MessagePanel.clear();
    scene.Out.Panel2.clear();
}

void DropStart(SetupScene& scene) {
    RainbowOf(scene).RaySteps = 100;
    RainbowOf(scene).RayStep = 50;
}

// The drop and the band start with the primary bow; the bow's track bar, set up from the
// bow shown before, follows.
void PrimaryBowAfterTable(SetupScene& scene) {
    scene.State.CurrentBow = 1;
    scene.Window.TrackBar2.Position = 1;
}

// The smallest drop is set by the interference module after the table.
void YoungStart(SetupScene& scene) {
    RainbowOf(scene).RaySteps = 800;
    RainbowOf(scene).RayStep = 750;
}

void BowPolarisationStart(SetupScene& scene) {
    RainbowOf(scene).RaySteps = 100;
    RainbowOf(scene).RayStep = 33;
}

// --- Controls and texts several rows share ---

// TrackBar1 picks the wavelength and shows its colour in Panel3.
constexpr TrackBar1Setup kWavelengthBar{.From = PositionFrom::CurrentColour,
                                        .Hint = " Skift bølgelængde",
                                        .ShowsLambda = true,
                                        .ColourTextInPanel3 = true};
// TrackBar2 switches between the primary and the secondary bow.
constexpr TrackBar2Setup kBowBar{
    .From = PositionFrom::CurrentBow, .Hint = " Primær/Sekundær", .Caption = "bue"};
// ScrollBar1 sets the ray's incidence parameter p.
// ScrollBar1 shows 100 - the impact parameter in hundredths, which starts at `start`.
constexpr ScrollBar1Setup RayParameterBar(int start) {
    return {.Max = 100, .Position = 100 - start, .Hint = " Indfaldsparameter", .Symbol = "p"};
}
// ScrollBar1 sets the scattering angle v/° the colour graphs mark, from 1° to max.
constexpr ScrollBar1Setup ScatterAngleBar(int max, int position) {
    return {.Rule = ScrollRule::Scatter,
            .Min = 1,
            .Max = max,
            .Position = position,
            .Hint = " Spredningsvinkel",
            .Symbol = "v"};
}
constexpr ButtonText kPerpendicularsKey{"Lodder, F3", " Tegn indfaldslodder"};
constexpr ButtonText kAxesKey{"Akser, F4", " Koordinatsystem"};
constexpr ButtonText kRedRayKey{"Rød, F5", " Strålen som »ses«"};

// --- Table headers ---

constexpr SV kWaterPolarisationRows[] = {
    " brydningsindex, n", " bølgelængde/nm, ", " indfaldsvinkel i/°", " brydningsvinkel b/°",
    " 180° -(i+b)",       " lys brudt",        " lys spejlet"};
constexpr SV kConeRows[] = {" solhøjde h/°", " bue 1 blå/°", " bue 1 rød/°", " bue 2 rød/°",
                            " bue 2 blå/°"};
constexpr SV kDropRows[] = {" brydningsindex, n",  " bølgelængde/nm, ", " maksimal vinkel/°",
                            " parameter p",        " vinkel v/°",       " indfaldsvinkel i/°",
                            " brydningsvinkel b/°"};
constexpr SV kBandRows[] = {" brydningsindex, n", " bølgelængde/nm, ", " parameter p",
                            " vinkel v/°"};
constexpr SV kBowColourRows[] = {" brydningsindex, n", " bølgelængde/nm, ", " maksimal vinkel/°",
                                 " minimal vinkel/°",  " det mørke område", " primær maksimum",
                                 " sekundær maksimum", " vinkel v/°",       " antal N"};
constexpr SV kYoungRows[] = {" brydningsindex, n", " bølgelængde/nm, ", " maksimal vinkel/°",
                             " vinkel v/°",        " diameter/mm",      " antal bølgelængder",
                             " spredt lys/%",      " parameter p",      " dp",
                             " spredt lys · dp",   " forhold",          " Airy maks., buevinkel/°"};
constexpr SV kBowPolarisationRows[] = {" brydningsindex, n",       " bølgelængde/nm, ",
                                       " maksimal vinkel/°",       " vinkel v/°",
                                       " lys igen efter brydning", " lys igen efter spejling",
                                       " lys igen efter brydning", ""};
constexpr SV kPolarisedColourRows[] = {" brydningsindex, n", " bølgelængde/nm, ", " vinkel v/°",
                                       " antal N (p<pmax)", " antal N (p>pmax)"};

// --- The rows ---

constexpr CatalogueEntry kEntries[] = {
    {.Number = 4,
     .Menu = {.In = SubjectMenu::Waves,
              .Place = 4,
              .Name = "Polarisation1",
              .Caption = "&Polarisation",
              .Hint = "Polarisation ved brydning og spejling i vand"},
     .Caption = "Polarisation i vand",
     .Table = {8, 3, true},
     .ColumnHeaders = {CaptionHeader, "vinkelret", "parallelt"},
     .RowHeaders = kWaterPolarisationRows,
     .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::F5 | Buttons::F6 | Buttons::Table,
     .ScrollBar1 =
         ScrollBar1Setup{.Rule = ScrollRule::Incidence, .Hint = " Indfaldsvinkel", .Symbol = "i"},
     .TrackBar1 = kWavelengthBar,
     .FKeys = {{{"Vinkel, F2", " 180° - i - b (sml. Brewster)"},
                {"Lod, F3", " Tegn indfaldslod"},
                {"VP-retn, F4", " Polarisationsretninger"},
                {"Brew. F5", " Brewstervinklen"},
                {"Måler, F6", " Vinkelmåler"}}},
     .FMenuCaptions = {"&Indfaldslodder", "&Polarisationstegn", "&Brewstervinklen", "&Vinkelmåler"},
     .BeforeSelect = &WaterPolarisationStart,
     .Draw = &DrawWaterPolarisation,
     .Data = &WaterPolarisationData,
     .Drag = &WaterPolarisationDrag},
    {.Number = 6,
     .Menu = {.In = SubjectMenu::Rainbow,
              .Place = 1,
              .Name = "Vivarnonskegle1",
              .Caption = "Vivarnons &Kegle",
              .Hint = "Vivarnons kegle, hvilken vinkel ses vivarnon under?"},
     .Caption = "Vivarnons kegle",
     .Table = {6, 2, true},
     .ColumnHeaders = kCaptionOnly,
     .RowHeaders = kConeRows,
     .Shown = Buttons::F2 | Buttons::Table,
     .ScrollBar1 = ScrollBar1Setup{.Max = 60, .Position = 30, .Hint = " Solhøjde", .Symbol = "h"},
     .TrackBar2 = TrackBar2Setup{.Max = 8, .Hint = " Flyt mand", .Caption = "mand"},
     .FKeys = {{{"Vinkler, F2", " Vivarnovinkler"}}},
     .BeforeSelect = &SetConeStartValues,
     .AfterTable = &ConeAfterTable,
     .Draw = &DrawBowCone,
     .Drag = &ObserverDrag},
    {.Number = 7,
     .Menu = {.In = SubjectMenu::Rainbow,
              .Place = 2,
              .Name = "Draben1",
              .Caption = "&Dråben",
              .Hint = "Strålegangen i en regndråbe, minimum og maksimum for spredningsvinklen."},
     .Caption = "Spredning i en dråbe",
     .Table = {8, 2, true},
     .ColumnHeaders = {" Primær vivarno:", "", ""},
     .RowHeaders = kDropRows,
     .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::F5 | Buttons::F6 | Buttons::Table,
     .ScrollBar1 = RayParameterBar(50),
     .TrackBar1 = kWavelengthBar,
     .TrackBar2 = kBowBar,
     .FKeys = {{{"p,v, F2", " Parameter og afbøjningsvinkler"},
                kPerpendicularsKey,
                kAxesKey,
                kRedRayKey,
                {"Stråler, F6", " Mange stråler"}}},
     .FMenuCaptions = {"&Indfaldslodder", "&Koordinatakser", "&Rød stråle", "&Stråler"},
     .BeforeSelect = &DropStart,
     .AfterTable = &PrimaryBowAfterTable,
     .Draw = &DrawScatteringInDrop,
     .Data = &DropScatteringData,
     .Drag = &DropRayDrag},
    {.Number = 8,
     .Menu = {.In = SubjectMenu::Rainbow,
              .Place = 3,
              .Name = "Alexandersband1",
              .Caption = "&Alexanders bånd",
              .Hint = "Alexanders mørke bånd og farvesammensætning af vivarnorne"},
     .Caption = "Alexanders bånd",
     .Table = {5, 2, true},
     .ColumnHeaders = kNoHeaders,
     .RowHeaders = kBandRows,
     .Shown = Buttons::F2 | Buttons::Table,
     .ScrollBar1 =
         ScrollBar1Setup{.Max = 200, .Position = 100, .Hint = " Indfaldsparameter", .Symbol = "p"},
     .TrackBar1 = kWavelengthBar,
     .TrackBar2 = kBowBar,
     .BeforeSelect = &SetBandRayParameter,
     .AfterTable = &PrimaryBowAfterTable,
     .Draw = &DrawAlexandersBand,
     .Data = &AlexandersBandData,
     .Drag = &BandMarkerDrag},
    {.Number = 9,
     .Menu = {.In = SubjectMenu::Rainbow,
              .Place = 4,
              .Name = "Vivarnonsfarver1",
              .Caption = "Vivarnons &Farver",
              .Hint = "Vivarnons farver og lysets vinkelfordeling"},
     .Caption = "Vivarnons farver",
     .Table = {10, 2, true},
     .ColumnHeaders = {" 40000 stråler mod en dråbe:", "", ""},
     .RowHeaders = kBowColourRows,
     .Shown = Buttons::F2 | Buttons::F5 | Buttons::F6 | Buttons::Table,
     .ScrollBar1 = ScatterAngleBar(178, 179),
     .TrackBar1 = kWavelengthBar,
     .FKeys = {{{},
                {},
                {},
                {"Sum, F5", " Sum af alle farver, se i hjælpen"},
                {"Korr, F6", " Korrigerer for tab, se polarisation"}}},
     .FMenuCaptions = {"", "", "&Sum, alle farver", "Korrigeret &Farve"},
     .BeforeSelect = &SetBowColoursStartValues,
     .AfterTable = &BowColoursAfterTable,
     .Draw = &DrawColoursOfBow,
     .Data = &BowColoursData,
     .Drag = &BowColoursCursorDrag},
    {.Number = 10,
     .Menu = {.In = SubjectMenu::Rainbow,
              .Place = 5,
              .Name = "Youngsinterferens1",
              .Caption = "&Youngs interferens",
              .Hint = "Youngs interferens af vinkelret polariseret lys"},
     .Caption = "Youngs interferens",
     .Table = {13, 3, true},
     .ColumnHeaders = {CaptionHeader, "stråle 1", "stråle 2"},
     .RowHeaders = kYoungRows,
     .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::F5 | Buttons::F6 | Buttons::Table,
     .ScrollBar1 =
         ScrollBar1Setup{
             .Min = 691, .Max = 799, .Position = 750, .Hint = " Indfaldsparameter", .Symbol = "p"},
     .TrackBar1 = kWavelengthBar,
     .TrackBar2 = TrackBar2Setup{.Max = 4, .Hint = " Dråberadius", .Caption = "radius"},
     .FKeys = {{{},
                {"Airy, F3", " Airys teori for de overtallige buer"},
                kAxesKey,
                kRedRayKey,
                {"Kor.lys, F6", " Korriger for tab, se polarisation"}}},
     .FMenuCaptions = {"&Airys teori", "&Koordinatakser", "&Rød stråle", "Korrigeret &Farve"},
     .BeforeSelect = &YoungStart,
     .AfterTable = &SetYoungStartValues,
     .Draw = &DrawYoungsInterference,
     .Data = &YoungsInterferenceData,
     .Drag = &YoungRayDrag},
    {.Number = 11,
     .Menu = {.In = SubjectMenu::Rainbow,
              .Place = 6,
              .Name = "VivarnonsPolarisation1",
              .Caption = "Vivarnons &Polarisation",
              .Hint = "Polarisation og intensitet af det spredte lys i vivarnon"},
     .Caption = "Vivarnons polarisation",
     .Table = {9, 3, true},
     .ColumnHeaders = {CaptionHeader, "vinkelret", "parallelt"},
     .RowHeaders = kBowPolarisationRows,
     .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::F5 | Buttons::Table,
     .ScrollBar1 = RayParameterBar(33),
     .TrackBar1 = kWavelengthBar,
     .TrackBar2 = kBowBar,
     .FKeys = {{{}, kPerpendicularsKey, kAxesKey, kRedRayKey}},
     .FMenuCaptions = {"&Indfaldslodder", "&Koordinatakser", "&Rød stråle", ""},
     .BeforeSelect = &BowPolarisationStart,
     .Draw = &DrawBowPolarisation,
     .Data = &BowPolarisationData,
     .Drag = &DropRayDrag},
    {.Number = 12,
     .Menu = {.In = SubjectMenu::Rainbow,
              .Place = 7,
              .Name = "Polarisationogfarver1",
              .Caption = "Polarisation &og farver",
              .Hint = "Intensitestfordeling for vinkelt og parallelt polariseret lys"},
     .Caption = "Polarisation og farver",
     .Table = {6, 2, true},
     .ColumnHeaders = {" 40000 stråler mod en dråbe:", "", ""},
     .RowHeaders = kPolarisedColourRows,
     .Shown = Buttons::Table,
     .ScrollBar1 = ScatterAngleBar(100, 101),
     .TrackBar1 = kWavelengthBar,
     .TrackBar2 = TrackBar2Setup{.Hint = " Polarisationsregning", .Caption = "pol."},
     .BeforeSelect = &SetPolarisedColoursStartValues,
     .AfterTable = &PolarisedColoursAfterTable,
     .Draw = &DrawPolarisedColours,
     .Data = &PolarisedColoursData,
     .Drag = &PolarisedColoursCursorDrag},
    {.Number = 42,
     .Menu = {.In = SubjectMenu::Waves,
              .Place = 17,
              .Name = "Kvadrant1",
              .Caption = "Kvadrant",
              .Hidden = true},
     .Caption = "Kvadrant",
     .Shown = Buttons::F2,
     .Draw = &DrawQuadrantPicture},
    {.Number = 43,
     .Menu = {.In = SubjectMenu::Waves,
              .Place = 18,
              .Name = "jakobsstav1",
              .Caption = "jakobsstav",
              .Hidden = true},
     .Caption = "Jakobsstav",
     .Shown = Buttons::F2,
     .Draw = &DrawJacobsStaffPicture},
};

}  // namespace

void AddRainbowSimulations(Catalogue& catalogue) {
    catalogue.Add(kEntries);
}

}  // namespace viv
