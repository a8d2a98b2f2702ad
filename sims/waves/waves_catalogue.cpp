// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The catalogue rows of refraction, interference, slits, spectra and the Doppler effect: what each
// menu entry sets up and which routine draws it.
#include "sims/waves/waves_catalogue.h"

#include "app/catalogue.h"
#include "sims/waves/doppler.h"
#include "sims/waves/hydrogen_spectrum.h"
#include "sims/waves/normal_reflection.h"
#include "sims/waves/refraction_in_water.h"
#include "sims/waves/refraction_law.h"
#include "sims/waves/slits.h"
#include "sims/waves/superposition.h"
#include "sims/waves/thin_film.h"
#include "sims/waves/waves_data_lists.h"

namespace viv {

namespace {

using SV = std::string_view;

// --- Start values the menu entries write into the shared state ---

void RefractionStart(App& app) {
    SetIncidenceRange(app, 90);
}

void FilmStart(App& app) {
    SetIncidenceRange(app, 90);
    SetFilmStartValues(app);
}

void SuperpositionStart(App& app) {
    app.State.AnimationStep = 190;
    SetSuperpositionStartValues(app);
}
void SuperpositionAfterSelect(App& app) {
    app.Window.MessagePanel.clear();
}

void ReflectionStart(App& app) {
    app.State.AnimationStep = 25;
    SetReflectionStartValues(app);
}
void ReflectionAfterSelect(App& app) {
    app.Window.Panel3 = "Ved 20°C og 486.1 nm";
}
void ReflectionAfterTable(App& app) {
    app.Table.SetCell(1, 5, "486.1");
}

// The waves at rest, the grating of 600 lines per millimetre and the first order.
void GratingStart(App& app) {
    SetGratingStartValues(app);
}

// The waves at rest, the slit distance 2.53 wavelengths, the first order and the pointer
// read-out at 0.
void DoubleSlitStart(App& app) {
    SetDoubleSlitStartValues(app);
}

// The Balmer series, the grating of 600 lines per millimetre and the first order.
void HydrogenStart(App& app) {
    SetHydrogenStartValues(app);
}

// The distance from the grating to the screen stands in the table.
void HydrogenAfterTable(App& app) {
    app.Table.SetCell(1, 1, "0.8");
}

void DopplerStart(App& app) {
    app.State.AnimationStep = 0;
    SetDopplerStartValues(app);
}

// The waves at rest, the slit width 3.387 wavelengths, the first minimum and the wavelet
// centres at the start of the slit.
void SingleSlitStart(App& app) {
    SetSingleSlitStartValues(app);
}

// --- Table headers ---

constexpr SV kRefractionRows[] = {" brydningsindex, n", " bølgelængde/nm, ", " indfaldsvinkel i/°",
                                  " brydningsvinkel b/°"};
constexpr SV kFilmRows[] = {" brydningsindex, n",   " bølgelængde/nm, ", " indfaldsvinkel i/°",
                            " brydningsvinkel b/°", " faseforskel/pi",   " tykkelse d/ nm"};
constexpr SV kSuperpositionRows[] = {" bølgelængde 1", " bølgelængde 2", " amplitude 1",
                                     " amplitude 2"};
constexpr SV kReflectionRows[] = {" stof", " brydningsindex, n", " amplitudeforhold, r",
                                  " reflektans, R = r²", " bølgelængde/ nm"};
constexpr SV kGratingRows[] = {" orden", " 1mm/d", " d/nm", " v/°"};
constexpr SV kSlitRows[] = {" orden", " d/nm", " v/°"};
constexpr SV kHydrogenRows[] = {" afstand til gitter", " orden", " d/nm", " serie"};
constexpr SV kDopplerRows[] = {" relativ hastighed", " relativ frekvens"};

// --- The rows ---

constexpr std::array kEntries = [] {
    std::array<CatalogueEntry, 10> c{};
    c[0] = {.Number = 2,
            .Caption = "Brydning i vand",
            .Table = {5, 2, true},
            .ColumnHeaders = kCaptionOnly,
            .RowHeaders = kRefractionRows,
            .Shown = Buttons::F2 | Buttons::F3 | Buttons::F5 | Buttons::F6 | Buttons::Table,
            .BeforeSelect = &RefractionStart,
            .Draw = &DrawRefractionInWater,
            .Drag = &RefractionInWaterDrag};
    c[1] = {.Number = 3,
            .Caption = "Interferens i en tynd film",
            .Table = {7, 2, true},
            .ColumnHeaders = {" interferens", "", ""},
            .RowHeaders = kFilmRows,
            .Shown = Buttons::F2 | Buttons::F3 | Buttons::Table,
            .BeforeSelect = &FilmStart,
            .Draw = &DrawThinFilm,
            .Data = &ThinFilmData,
            .Drag = &ThinFilmDrag};
    c[2] = {.Number = 5,
            .Caption = "Brydningsloven",
            .Table = {5, 2, true},
            .ColumnHeaders = {" brydning i vand", "", ""},
            .RowHeaders = kRefractionRows,
            .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::F5 | Buttons::F6 |
                     Buttons::Clock | Buttons::Table,
            .BeforeSelect = &SetRefractionLawStartValues,
            .Draw = &DrawRefractionLaw,
            .Drag = &RefractionLawDrag};
    c[3] = {.Number = 14,
            .Caption = "Superposition",
            .Table = {5, 2, true},
            .ColumnHeaders = kCaptionOnly,
            .RowHeaders = kSuperpositionRows,
            .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::F5 | Buttons::Clock |
                     Buttons::Table,
            .BeforeSelect = &SuperpositionStart,
            .AfterSelect = &SuperpositionAfterSelect,
            .Draw = &DrawSuperposition};
    c[4] = {.Number = 15,
            .Caption = "Vinkelret refleksion og transmission",
            .Table = {6, 2, true},
            .ColumnHeaders = {"refleksion og transmision", "", ""},
            .RowHeaders = kReflectionRows,
            .Shown = Buttons::F2 | Buttons::F4 | Buttons::Clock | Buttons::Table,
            .BeforeSelect = &ReflectionStart,
            .AfterSelect = &ReflectionAfterSelect,
            .AfterTable = &ReflectionAfterTable,
            .Draw = &DrawNormalReflection};
    c[5] = {.Number = 16,
            .Caption = "Optisk gitter",
            .Table = {5, 2, true},
            .ColumnHeaders = kCaptionOnly,
            .RowHeaders = kGratingRows,
            .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::Clock | Buttons::Table,
            .BeforeSelect = &GratingStart,
            .Draw = &DrawOpticalGrating};
    c[6] = {.Number = 17,
            .Caption = "Dobbeltspalte",
            .Table = {4, 2, true},
            .ColumnHeaders = kCaptionOnly,
            .RowHeaders = kSlitRows,
            .Shown = Buttons::F2 | Buttons::F4 | Buttons::F5 | Buttons::F6 | Buttons::Clock |
                     Buttons::Table,
            .BeforeSelect = &DoubleSlitStart,
            .Draw = &DrawDoubleSlit,
            .Mouse = &DoubleSlitMouse};
    c[7] = {.Number = 18,
            .Caption = "Hydrogenspektret",
            .Table = {5, 3, true},
            .ColumnHeaders = {CaptionHeader, "", "lambda/nm"},
            .RowHeaders = kHydrogenRows,
            .Shown = Buttons::F4 | Buttons::F6 | Buttons::Table,
            .BeforeSelect = &HydrogenStart,
            .AfterTable = &HydrogenAfterTable,
            .Draw = &DrawHydrogenSpectrum,
            .Mouse = &HydrogenMouse};
    c[8] = {.Number = 19,
            .Caption = "Dopplereffekt",
            .Table = {3, 2, true},
            .ColumnHeaders = kCaptionOnly,
            .RowHeaders = kDopplerRows,
            .Shown = Buttons::F2 | Buttons::Clock | Buttons::Table,
            .BeforeSelect = &DopplerStart,
            .Draw = &DrawDoppler};
    c[9] = {.Number = 35,
            .Caption = "Enkeltspalte",
            .Table = {4, 2, true},
            .ColumnHeaders = kCaptionOnly,
            .RowHeaders = kSlitRows,
            .Shown = Buttons::F2 | Buttons::F4 | Buttons::F5 | Buttons::F6 | Buttons::Clock |
                     Buttons::Table,
            .BeforeSelect = &SingleSlitStart,
            .Draw = &DrawSingleSlit};
    return c;
}();

}  // namespace

void AddWaveSimulations(Catalogue& catalogue) {
    catalogue.Add(kEntries);
}

}  // namespace viv
