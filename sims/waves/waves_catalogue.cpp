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

void RefractionStart(SetupScene& scene) {
    SetIncidenceRange(scene.State, 90);
}

void FilmStart(SetupScene& scene) {
    SetIncidenceRange(scene.State, 90);
    SetFilmStartValues(scene);
}

void SuperpositionStart(SetupScene& scene) {
    scene.State.AnimationStep = 190;
    SetSuperpositionStartValues(scene);
}
void SuperpositionAfterSelect(SetupScene& scene) {
    scene.Out.MessagePanel.clear();
}

void ReflectionStart(SetupScene& scene) {
    scene.State.AnimationStep = 25;
    SetReflectionStartValues(scene);
}
void ReflectionAfterSelect(SetupScene& scene) {
    scene.Out.Panel3 = "Ved 20°C og 486.1 nm";
}
void ReflectionAfterTable(SetupScene& scene) {
    scene.Out.SetCell(1, 5, "486.1");
}

// The waves at rest, the grating of 600 lines per millimetre and the first order.
void GratingStart(SetupScene& scene) {
    SetGratingStartValues(scene);
}

// The waves at rest, the slit distance 2.53 wavelengths, the first order and the pointer
// read-out at 0.
void DoubleSlitStart(SetupScene& scene) {
    SetDoubleSlitStartValues(scene);
}

// The Balmer series, the grating of 600 lines per millimetre and the first order.
void HydrogenStart(SetupScene& scene) {
    SetHydrogenStartValues(scene);
}

// The distance from the grating to the screen stands in the table.
void HydrogenAfterTable(SetupScene& scene) {
    scene.Out.SetCell(1, 1, "0.8");
}

void DopplerStart(SetupScene& scene) {
    scene.State.AnimationStep = 0;
    SetDopplerStartValues(scene);
}

// The waves at rest, the slit width 3.387 wavelengths, the first minimum and the wavelet
// centres at the start of the slit.
void SingleSlitStart(SetupScene& scene) {
    SetSingleSlitStartValues(scene);
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

// --- Controls more than one entry shows alike ---

// The angle of incidence, ruled by the refraction state.
constexpr ScrollBar1Setup kIncidenceBar{
    .Rule = ScrollRule::Incidence, .Hint = " Indfaldsvinkel", .Symbol = "i"};
// The wavelength from the current colour, its text in Panel3.
constexpr TrackBar1Setup kWavelengthBar{.From = PositionFrom::CurrentColour,
                                        .Hint = " Skift bølgelængde",
                                        .ShowsLambda = true,
                                        .ColourTextInPanel3 = true};
// The direction of the incident ray.
constexpr TrackBar2Setup kRayDirectionBar{
    .From = PositionFrom::RayDirection, .Hint = " Stråleretning", .Caption = "retn."};
// The displacement of the waves, 0..200.
constexpr ScrollBar1Setup kDisplacementBar{
    .Max = 200, .Position = 200, .Hint = " Udsving", .Symbol = "y"};
// The grating distance, 0..60.
constexpr ScrollBar1Setup kGratingDistanceBar{
    .Max = 60, .Position = 30, .Hint = " Gitterafstand", .Symbol = "d"};
// The order 0..5 of a grating or double slit.
constexpr TrackBar2Setup kOrderBar{.Min = 0, .Max = 5, .Hint = " Orden", .Caption = "orden"};

// The buttons of the double and the single slit.
constexpr Buttons kSlitButtons =
    Buttons::F2 | Buttons::F4 | Buttons::F5 | Buttons::F6 | Buttons::Clock | Buttons::Table;

// F-buttons more than one entry shows alike: the angles of incidence and refraction, the
// normal, the critical angle, the measuring scale, the spectrum and the angle of deflection.
constexpr ButtonText kAnglesKey{"Vinkler, F2", " Viser vinkler"};
constexpr ButtonText kNormalKey{"Lod, F3", " Tegn indfaldslod"};
constexpr ButtonText kCriticalAngleKey{"Grænse, F5", " Grænsevinkel"};
constexpr ButtonText kTapeMeasureKey{"Måler, F6", " Målebånd"};
constexpr ButtonText kSpectrumKey{"Spekt., F5", " Tegn spektrum"};
constexpr ButtonText kDeflectionKey{"Vinkel, F2", " Afbøjningsvinkel"};

// --- The rows ---

constexpr CatalogueEntry kEntries[] = {
    {.Number = 2,
     .Menu = {.In = SubjectMenu::Waves,
              .Place = 1,
              .Name = "Brydning1",
              .Caption = "&Brydning",
              .Hint = "Brydning, et computerforsøg, mål indfaldsvinkel og brydningsvinkel"},
     .Caption = "Brydning i vand",
     .Table = {5, 2, true},
     .ColumnHeaders = kCaptionOnly,
     .RowHeaders = kRefractionRows,
     .Shown = Buttons::F2 | Buttons::F3 | Buttons::F5 | Buttons::F6 | Buttons::Table,
     .ScrollBar1 = kIncidenceBar,
     .TrackBar1 = kWavelengthBar,
     .TrackBar2 = kRayDirectionBar,
     .FKeys = {{kAnglesKey, kNormalKey, {}, kCriticalAngleKey, {"Måler, F6", " Vinkelmåler"}}},
     .FMenuCaptions = {"&Indfaldslodder", "", "&Grænsevinkel", "&Vinkelmåler"},
     .BeforeSelect = &RefractionStart,
     .Draw = &DrawRefractionInWater,
     .Drag = &RefractionInWaterDrag},
    {.Number = 3,
     .Menu = {.In = SubjectMenu::Waves,
              .Place = 3,
              .Name = "Interferens1",
              .Caption = "&Interferens i film",
              .Hint = "Interferens i en tynd film: hinde på vand eller sommerfuglevinge..."},
     .Caption = "Interferens i en tynd film",
     .Table = {7, 2, true},
     .ColumnHeaders = {" interferens", "", ""},
     .RowHeaders = kFilmRows,
     .Shown = Buttons::F2 | Buttons::F3 | Buttons::Table,
     .ScrollBar1 = kIncidenceBar,
     .TrackBar1 = kWavelengthBar,
     .TrackBar2 =
         TrackBar2Setup{
             .Min = 5, .Max = 15, .Position = 10, .Hint = " Filmtykkelse", .Caption = "<-d->"},
     .FKeys = {{{"Streg, F2", " Hjælp til vejforskel"}, kNormalKey}},
     .FMenuCaptions = {"&Indfaldslodder", "", "", ""},
     .BeforeSelect = &FilmStart,
     .Draw = &DrawThinFilm,
     .Data = &ThinFilmData,
     .Drag = &ThinFilmDrag},
    {.Number = 5,
     .Menu = {.In = SubjectMenu::Waves,
              .Place = 2,
              .Name = "Brydningsloven1",
              .Caption = "Brydnings&loven",
              .Hint = "Simulation af brydning, ændring af bølgelængde, hastighed og retning"},
     .Caption = "Brydningsloven",
     .Table = {5, 2, true},
     .ColumnHeaders = {" brydning i vand", "", ""},
     .RowHeaders = kRefractionRows,
     .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::F5 | Buttons::F6 | Buttons::Clock |
              Buttons::Table,
     .ScrollBar1 = kIncidenceBar,
     .TrackBar1 = kWavelengthBar,
     .TrackBar2 = kRayDirectionBar,
     .FKeys = {{kAnglesKey,
                kNormalKey,
                {"Stråle, F4", " Stråleretning"},
                kCriticalAngleKey,
                {"Spejling, F6", " Tegn spejlede bølger"}}},
     .FMenuCaptions = {"&Indfaldslodder", "Str&åleretning", "&Grænsevinkel", "S&pejling"},
     .BeforeSelect = &SetRefractionLawStartValues,
     .Draw = &DrawRefractionLaw,
     .Drag = &RefractionLawDrag},
    {.Number = 14,
     .Menu = {.In = SubjectMenu::Waves,
              .Place = 5,
              .Name = "Superposition1",
              .Caption = "&Superposition",
              .Hint = "Interferens mellem to bølger, der løber mod hinanden"},
     .Caption = "Superposition",
     .Table = {5, 2, true},
     .ColumnHeaders = kCaptionOnly,
     .RowHeaders = kSuperpositionRows,
     .Shown =
         Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::F5 | Buttons::Clock | Buttons::Table,
     .ScrollBar1 = kDisplacementBar,
     .TrackBar1 = TrackBar1Setup{.Position = 8,
                                 .Hint = " Skift bølgelængde",
                                 .ShowsLambda = true,
                                 .SetsCurrentColour = true},
     .FKeys = {{{"Udsving, F2", " Udsving ved origo"},
                {"Delt, F3", " Tegn bølgerne i 3 dele"},
                {"1+2, F4", " Tegn indgående bølger"},
                {"Puls, F5", " Tegn puls,(en enkelt bølgetop)"}}},
     .FMenuCaptions = {"&Delt bølgemønster", "&Bølge 1 og 2", "Tegn &Puls", ""},
     .StartOn = Buttons::F3 | Buttons::F4,
     .PointerReadout = true,
     .BeforeSelect = &SuperpositionStart,
     .AfterSelect = &SuperpositionAfterSelect,
     .Draw = &DrawSuperposition},
    {.Number = 15,
     .Menu = {.In = SubjectMenu::Waves,
              .Place = 6,
              .Name = "Refleksion1",
              .Caption = "&Refleksion",
              .Hint = "Refleksion og transmission af bølger ved overgang fra luft til vand (glas)"},
     .Caption = "Vinkelret refleksion og transmission",
     .Table = {6, 2, true},
     .ColumnHeaders = {"refleksion og transmision", "", ""},
     .RowHeaders = kReflectionRows,
     .Shown = Buttons::F2 | Buttons::F4 | Buttons::Clock | Buttons::Table,
     .ScrollBar1 = kDisplacementBar,
     .TrackBar1 =
         TrackBar1Setup{
             .From = PositionFrom::CurrentColour, .Hint = " Skift stof", .Caption = "stof"},
     .FKeys = {{{"Lambda, F2", " Bølgelængde i stof 1 og 2"},
                {},
                {"1+2, F4", " Tegn indkomne og reflekteret bølge"}}},
     .FMenuCaptions = {"", "Str&åle 1 og 2", "", ""},
     .StartOn = Buttons::F4,
     .BeforeSelect = &ReflectionStart,
     .AfterSelect = &ReflectionAfterSelect,
     .AfterTable = &ReflectionAfterTable,
     .Draw = &DrawNormalReflection},
    {.Number = 16,
     .Menu = {.In = SubjectMenu::Waves,
              .Place = 10,
              .Name = "Gitter1",
              .Caption = "&Gitter",
              .Hint = "Laserlys's interferens i optisk gitter"},
     .Caption = "Optisk gitter",
     .Table = {5, 2, true},
     .ColumnHeaders = kCaptionOnly,
     .RowHeaders = kGratingRows,
     .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::Clock | Buttons::Table,
     .ScrollBar1 = kGratingDistanceBar,
     .TrackBar2 = kOrderBar,
     .FKeys = {{kDeflectionKey,
                {"Fronter, F3", " Tegn bølgefronter"},
                {"Stråle, F4", " Tegn stråleretning"}}},
     .FMenuCaptions = {"&Fronter", "Str&åleretning", "", ""},
     .BeforeSelect = &GratingStart,
     .Draw = &DrawOpticalGrating},
    {.Number = 17,
     .Menu = {.In = SubjectMenu::Waves,
              .Place = 9,
              .Name = "Dobbeltspalte1",
              .Caption = "&Dobbeltspalte",
              .Hint = "Lys's interferens i dobbeltspalte"},
     .Caption = "Dobbeltspalte",
     .Table = {4, 2, true},
     .ColumnHeaders = kCaptionOnly,
     .RowHeaders = kSlitRows,
     .Shown = kSlitButtons,
     .ScrollBar1 =
         ScrollBar1Setup{.Max = 60, .Position = 30, .Hint = " Spalteafstand", .Symbol = "d"},
     .TrackBar2 = kOrderBar,
     .FKeys = {{kDeflectionKey,
                {},
                {"Maxima, F4", " Konstruktiv interferens"},
                kSpectrumKey,
                kTapeMeasureKey}},
     .FMenuCaptions = {"", "M&axima", "Te&gn spektrum", "M&ålebånd"},
     .BeforeSelect = &DoubleSlitStart,
     .Draw = &DrawDoubleSlit,
     .Mouse = &DoubleSlitMouse},
    {.Number = 18,
     .Menu = {.In = SubjectMenu::Waves,
              .Place = 11,
              .Name = "Hydrogen1",
              .Caption = "&Hydrogenspektret",
              .Hint = "Hydrogenspektret, viser Energidiagram og afbøjning i gitter."},
     .Caption = "Hydrogenspektret",
     .Table = {5, 3, true},
     .ColumnHeaders = {CaptionHeader, "", "lambda/nm"},
     .RowHeaders = kHydrogenRows,
     .Shown = Buttons::F4 | Buttons::F6 | Buttons::Table,
     .ScrollBar1 = kGratingDistanceBar,
     .TrackBar1 =
         TrackBar1Setup{
             .Max = 5, .Position = 2, .Hint = " Skift spektralserie", .Caption = "serie"},
     .TrackBar2 = kOrderBar,
     .FKeys = {{{}, {}, {"Tegn alt, F4", " Tegn alle ordener"}, {}, kTapeMeasureKey}},
     .FMenuCaptions = {"", "Tegn &alle ordener", "", "M&ålebånd"},
     .BeforeSelect = &HydrogenStart,
     .AfterTable = &HydrogenAfterTable,
     .Draw = &DrawHydrogenSpectrum,
     .Mouse = &HydrogenMouse},
    {.Number = 19,
     .Menu = {.In = SubjectMenu::Waves,
              .Place = 7,
              .Name = "Dopplereffekt1",
              .Caption = "D&opplereffekt",
              .Hint = "Dopplereffekt: viser forskydning af frekvens og chockbølger"},
     .Caption = "Dopplereffekt",
     .Table = {3, 2, true},
     .ColumnHeaders = kCaptionOnly,
     .RowHeaders = kDopplerRows,
     .Shown = Buttons::F2 | Buttons::Clock | Buttons::Table,
     .ScrollBar1 = ScrollBar1Setup{.Max = 60, .Position = 30, .Hint = " Hastighed", .Symbol = "v"},
     .FKeys = {{{"df/f, F2", " Relativ frekvens eller bølgefront"}}},
     .BeforeSelect = &DopplerStart,
     .Draw = &DrawDoppler},
    {.Number = 35,
     .Menu = {.In = SubjectMenu::Waves,
              .Place = 8,
              .Name = "EnkeltSpalte1",
              .Caption = "&Enkeltspalte",
              .Hint = "Lys's interferens i enkeltspalte",
              .SeparatorBefore = "N3"},
     .Caption = "Enkeltspalte",
     .Table = {4, 2, true},
     .ColumnHeaders = kCaptionOnly,
     .RowHeaders = kSlitRows,
     .Shown = kSlitButtons,
     .ScrollBar1 =
         ScrollBar1Setup{.Max = 100, .Position = 70, .Hint = " Spaltebredde", .Symbol = "d"},
     .TrackBar1 = TrackBar1Setup{.Max = 6, .Hint = " flyt cirkler", .Caption = "cirkler"},
     .TrackBar2 = TrackBar2Setup{.Max = 5, .Hint = " Orden", .Caption = "orden"},
     .FKeys = {{{"Vinkel, F2", " Vinkel + spalteopdeling"},
                {},
                {"Minima, F4", " Destruktiv interferens"},
                kSpectrumKey,
                kTapeMeasureKey}},
     .FMenuCaptions = {"", "&Destruktiv retning", "Te&gn spektrum", "M&ålebånd"},
     .BeforeSelect = &SingleSlitStart,
     .Draw = &DrawSingleSlit},
};

}  // namespace

void AddWaveSimulations(Catalogue& catalogue) {
    catalogue.Add(kEntries);
}

}  // namespace viv
