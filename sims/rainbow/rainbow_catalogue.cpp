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
#include "sims/rainbow/water_polarisation.h"
#include "sims/rainbow/youngs_interference.h"

namespace viv {

namespace {

using SV = std::string_view;

// --- Start values the menu entries write into the shared state ---

void WaterPolarisationStart(App& app) {
    SetIncidenceRange(app, 90);
    app.State.RayDirection = 1;
}

// The sun 30° high and the observer at x = 0 are set by the cone module.
void ConeAfterTable(App& app) {
    app.Window.MessagePanel.clear();
    app.Window.Panel2.clear();
}

void DropStart(App& app) {
    SetIncidenceRange(app, 100);
}

// The drop and the band start with the primary bow; the bow's track bar, set up from the
// bow shown before, follows.
void PrimaryBowAfterTable(App& app) {
    app.State.CurrentBow = 1;
    app.Window.TrackBar2.Position = 1;
}

// The smallest drop is set by the interference module after the table.
void YoungStart(App& app) {
    app.State.IncidenceMax = 800;
}

void BowPolarisationStart(App& app) {
    app.State.IncidenceMax = 100;
    app.State.IncidenceMin = 0;
    app.State.IncidenceValue = 33;
}

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

constexpr std::array kEntries = [] {
    std::array<CatalogueEntry, 10> c{};
    c[0] = {.Number = 4,
            .Caption = "Polarisation i vand",
            .Table = {8, 3, true},
            .ColumnHeaders = {CaptionHeader, "vinkelret", "parallelt"},
            .RowHeaders = kWaterPolarisationRows,
            .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::F5 | Buttons::F6 |
                     Buttons::Table,
            .BeforeSelect = &WaterPolarisationStart,
            .Draw = &DrawWaterPolarisation,
            .Data = &WaterPolarisationData,
            .Drag = &WaterPolarisationDrag};
    c[1] = {.Number = 6,
            .Caption = "Vivarnons kegle",
            .Table = {6, 2, true},
            .ColumnHeaders = kCaptionOnly,
            .RowHeaders = kConeRows,
            .Shown = Buttons::F2 | Buttons::Table,
            .BeforeSelect = &SetConeStartValues,
            .AfterTable = &ConeAfterTable,
            .Draw = &DrawBowCone,
            .Drag = &ObserverDrag};
    c[2] = {.Number = 7,
            .Caption = "Spredning i en dråbe",
            .Table = {8, 2, true},
            .ColumnHeaders = {" Primær vivarno:", "", ""},
            .RowHeaders = kDropRows,
            .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::F5 | Buttons::F6 |
                     Buttons::Table,
            .BeforeSelect = &DropStart,
            .AfterTable = &PrimaryBowAfterTable,
            .Draw = &DrawScatteringInDrop,
            .Data = &DropScatteringData,
            .Drag = &DropRayDrag};
    c[3] = {.Number = 8,
            .Caption = "Alexanders bånd",
            .Table = {5, 2, true},
            .ColumnHeaders = kNoHeaders,
            .RowHeaders = kBandRows,
            .Shown = Buttons::F2 | Buttons::Table,
            .BeforeSelect = &SetBandRayParameter,
            .AfterTable = &PrimaryBowAfterTable,
            .Draw = &DrawAlexandersBand,
            .Data = &AlexandersBandData,
            .Drag = &BandMarkerDrag};
    c[4] = {.Number = 9,
            .Caption = "Vivarnons farver",
            .Table = {10, 2, true},
            .ColumnHeaders = {" 40000 stråler mod en dråbe:", "", ""},
            .RowHeaders = kBowColourRows,
            .Shown = Buttons::F2 | Buttons::F5 | Buttons::F6 | Buttons::Table,
            .BeforeSelect = &SetBowColoursStartValues,
            .AfterTable = &BowColoursAfterTable,
            .Draw = &DrawColoursOfBow,
            .Data = &BowColoursData,
            .Drag = &BowColoursCursorDrag};
    c[5] = {.Number = 10,
            .Caption = "Youngs interferens",
            .Table = {13, 3, true},
            .ColumnHeaders = {CaptionHeader, "stråle 1", "stråle 2"},
            .RowHeaders = kYoungRows,
            .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::F5 | Buttons::F6 |
                     Buttons::Table,
            .BeforeSelect = &YoungStart,
            .AfterTable = &SetYoungStartValues,
            .Draw = &DrawYoungsInterference,
            .Data = &YoungsInterferenceData,
            .Drag = &YoungRayDrag};
    c[6] = {.Number = 11,
            .Caption = "Vivarnons polarisation",
            .Table = {9, 3, true},
            .ColumnHeaders = {CaptionHeader, "vinkelret", "parallelt"},
            .RowHeaders = kBowPolarisationRows,
            .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::F5 | Buttons::Table,
            .BeforeSelect = &BowPolarisationStart,
            .Draw = &DrawBowPolarisation,
            .Data = &BowPolarisationData,
            .Drag = &DropRayDrag};
    c[7] = {.Number = 12,
            .Caption = "Polarisation og farver",
            .Table = {6, 2, true},
            .ColumnHeaders = {" 40000 stråler mod en dråbe:", "", ""},
            .RowHeaders = kPolarisedColourRows,
            .Shown = Buttons::Table,
            .BeforeSelect = &SetPolarisedColoursStartValues,
            .AfterTable = &PolarisedColoursAfterTable,
            .Draw = &DrawPolarisedColours,
            .Data = &PolarisedColoursData,
            .Drag = &PolarisedColoursCursorDrag};
    c[8] = {
        .Number = 42, .Caption = "Kvadrant", .Shown = Buttons::F2, .Draw = &DrawQuadrantPicture};
    c[9] = {.Number = 43,
            .Caption = "Jakobsstav",
            .Shown = Buttons::F2,
            .Draw = &DrawJacobsStaffPicture};
    return c;
}();

}  // namespace

void AddRainbowSimulations(Catalogue& catalogue) {
    catalogue.Add(kEntries);
}

}  // namespace viv
