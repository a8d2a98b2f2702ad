// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The catalogue rows of the prism, lenses and mirrors and the ice crystal: what each menu entry
// sets up and which routine draws it.
#include "sims/optics/optics_catalogue.h"

#include "app/catalogue.h"
#include "sims/optics/ice_crystal.h"
#include "sims/optics/image_formation.h"
#include "sims/optics/incident_light_drags.h"
#include "sims/optics/lenses.h"
#include "sims/optics/mirrors.h"
#include "sims/optics/object_arrow_drag.h"
#include "sims/optics/optics_choice.h"
#include "sims/optics/prism.h"

namespace viv {

namespace {

using SV = std::string_view;

// --- Start values the menu entries write into the shared state ---

// Kvarts, with the apex angle pi/3.
void PrismStart(SetupScene& scene) {
    SetPrismStartValues(scene);
    OpticsChoiceOf(scene).Substance = 3;
}

void IceCrystalStart(SetupScene& scene) {
    OpticsChoiceOf(scene).IceWavelength = 1;
}

// The lens and mirror modules set their own parameters (the stop at x = -1 with the
// half-opening 2, the radii 5, the second substance := the first; the parabola's
// f = 2). The image simulations start with the object at a = -8: 24 with
// the focal length 2 and the object 3 high, 28 with the mirror length 10 and the object
// 2 high.

// --- Table headers ---

constexpr SV kLensRows[] = {" radius, r1/cm",    " radius, r2/cm", " brændvidde f/cm",
                            " brændpunkt, x/cm", " stof 1, n",     " stof 2, n",
                            " vinkel, i/°"};
constexpr SV kImageRows[] = {" afstand, a/cm", " afstand, b/cm", " brændvidde, f/cm",
                             " genstand, G/cm", " billede, B/cm"};
constexpr SV kLensSystemRows[] = {" radius/cm", " brændvidde/cm",     " brændpunkt, x/cm",
                                  " stof",      " n (blå: 486.1 nm)", " n (rød: 768.2 nm)"};
constexpr SV kPrismRows[] = {" topvinkel, p/°", " indfaldsvinkel, i/°", " afbøjningsvinkel, v/°",
                             " stof, n", " n (768.2 nm)"};
constexpr SV kMirrorRows[] = {" radius/cm", " brændvidde/cm", " vinkel/°"};
constexpr SV kParabolaRows[] = {" A /cm", " brændvidde/cm", " vinkel/°"};
constexpr SV kIceRows[] = {" indfaldsvinkel, i/°", " afbøjningsvinkel, v/°", " farve"};

// --- Control descriptions several rows share ---

constexpr Buttons kAllFKeysAndTable =
    Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::F5 | Buttons::F6 | Buttons::Table;
constexpr ScrollBar1Setup kIncidenceBar{
    .Max = 60, .Position = 30, .Hint = " Indfaldsvinkel", .Symbol = "i"};
constexpr ScrollBar1Setup kObjectDistanceBar{
    .Max = 200, .Position = 150, .Hint = " Afstand", .Symbol = "a"};
constexpr ScrollBar1Setup kMirrorAngleBar{
    .Max = 60, .Position = 30, .Hint = " Vinkel", .Symbol = "v"};
constexpr TrackBar1Setup kSubstanceBar{.From = PositionFrom::Own,
                                       .StartAt = &SubstanceChosen,
                                       .Hint = " Skift stof",
                                       .Caption = "stof"};
constexpr TrackBar2Setup kRadiusBar{.Max = 10, .Hint = " radius", .Caption = "radius"};

constexpr ButtonText kFocalPlaneKey{"f, F2", " Brændplan"};
constexpr ButtonText kLensStopKey{"Blænde, F3", " Indsæt blænde foran linsen"};
constexpr ButtonText kTwoColoursKey{"2 farver, F4", " Farvespredning"};
constexpr ButtonText kConcaveLensKey{"Konkav, F6", " Konveks/konkav linse"};
constexpr ButtonText kConcaveMirrorKey{"Konkav, F6", " Konvekst/konkavt spejl"};
constexpr ButtonText kParallelRayKey{"|| , F3", " Stråle parallel med akse"};
constexpr ButtonText kCentralRayKey{"Midte, F4", " Stråle gennem midtpunkt"};
constexpr ButtonText kNormalsKey{"Lodder, F3", " Tegn indfaldslodder"};

// --- The rows ---

constexpr CatalogueEntry kEntries[] = {
    {.Number = 23,
     .Menu = {.In = SubjectMenu::Optics,
              .Place = 4,
              .Name = "Linsen1",
              .Caption = "&Linse",
              .Hint = "Linsen og linsefejl"},
     .Caption = "Linsens egenskaber",
     .Table = {8, 3, true},
     .ColumnHeaders = {CaptionHeader, "blå", "rød"},
     .RowHeaders = kLensRows,
     .Shown = kAllFKeysAndTable,
     .ScrollBar1 = kIncidenceBar,
     .TrackBar1 = kSubstanceBar,
     .TrackBar2 = kRadiusBar,
     .LensBars = true,
     .FKeys = {{kFocalPlaneKey,
                kLensStopKey,
                kTwoColoursKey,
                {"Plan, F5", " Plankonveks linse"},
                {"Dublet, F6", " Dobbelt akromatisk linse"}}},
     .FMenuCaptions = {"&Blænde", "T&o farver", "&Plankonveks", "&Dobbelt linse"},
     .PointerReadout = true,
     .BeforeSelect = &SetLensStartValues,
     .Draw = &DrawLensProperties,
     .Drag = &LensBeamDrag},
    {.Number = 24,
     .Menu = {.In = SubjectMenu::Optics,
              .Place = 3,
              .Name = "Linsebillede1",
              .Caption = "&Billeddannelse",
              .Hint = "Billeddannelse og linseformlen"},
     .Caption = "Billeddannelse",
     .Table = {6, 2, true},
     .ColumnHeaders = kCaptionOnly,
     .RowHeaders = kImageRows,
     .Shown = kAllFKeysAndTable,
     .ScrollBar1 = kObjectDistanceBar,
     .FKeys = {{{"a, b, F2", " Genstandsafstand og billedafstand"},
                kParallelRayKey,
                kCentralRayKey,
                {"f, F5", " Stråle gennem brændpunkt f"},
                kConcaveLensKey}},
     .FMenuCaptions = {"&Parallel stråle", "M&idterstråle", "&Brændpunktstråle", "&Konveks/konkav"},
     .PointerReadout = true,
     .BeforeSelect = &SetLensImageStartValues,
     .Draw = &DrawLensImage,
     .Drag = &ObjectArrowDrag},
    {.Number = 25,
     .Menu = {.In = SubjectMenu::Optics,
              .Place = 5,
              .Name = "Linsesystemer1",
              .Caption = "Linses&ystemer",
              .Hint = "system af to linser, bestemmelse af brændvidde"},
     .Caption = "Linsesystemer",
     .Table = {7, 3, true},
     .ColumnHeaders = {CaptionHeader, "linse 1", "linse 2"},
     .RowHeaders = kLensSystemRows,
     .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::F6 | Buttons::Table,
     .ScrollBar1 = kIncidenceBar,
     .TrackBar1 = kSubstanceBar,
     .TrackBar2 = kRadiusBar,
     .LensBars = true,
     .FKeys = {{{}, kLensStopKey, kTwoColoursKey, {}, kConcaveLensKey}},
     .FMenuCaptions = {"&Blænde", "T&o farver", "", "&Konveks/konkav"},
     .PointerReadout = true,
     .BeforeSelect = &SetLensStartValues,
     .Draw = &DrawLensSystems},
    {.Number = 26,
     .Menu = {.In = SubjectMenu::Optics,
              .Place = 1,
              .Name = "Prismet1",
              .Caption = "&Prisme",
              .Hint =
                  "Bestemmelse af brydningsindex og farvespredning vha. prismet i hovedstilling"},
     .Caption = "Prismet",
     .Table = {6, 2, true},
     .ColumnHeaders = kCaptionOnly,
     .RowHeaders = kPrismRows,
     .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::Table,
     .ScrollBar1 =
         ScrollBar1Setup{
             .Min = 1, .Max = 89, .Position = 60, .Hint = " Indfaldsvinkel", .Symbol = "i"},
     .TrackBar1 = kSubstanceBar,
     .TrackBar2 =
         TrackBar2Setup{
             .Min = 0, .Max = 5, .Position = 3, .Hint = " Prismets topvinkel, p", .Caption = "p/°"},
     .FKeys = {{{}, kNormalsKey, kTwoColoursKey}},
     .FMenuCaptions = {"&Indfaldslodder", "T&o farver", "", ""},
     .PointerReadout = true,
     .BeforeSelect = &PrismStart,
     .Draw = &DrawPrism,
     .Drag = &PrismRayDrag},
    {.Number = 27,
     .Menu = {.In = SubjectMenu::Optics,
              .Place = 7,
              .Name = "Hulspejlet1",
              .Caption = "&Hulspejl",
              .Hint = "Hulspejlet og dets egenskaber"},
     .Caption = "Hulspejlet",
     .Table = {4, 2, true},
     .ColumnHeaders = kCaptionOnly,
     .RowHeaders = kMirrorRows,
     .Shown = Buttons::F2 | Buttons::F3 | Buttons::F6 | Buttons::Table,
     .ScrollBar1 = kMirrorAngleBar,
     .TrackBar2 = kRadiusBar,
     .FKeys = {{kFocalPlaneKey,
                {"Blænde, F3", " Indsæt blænde foran spejlet"},
                {},
                {},
                kConcaveMirrorKey}},
     .FMenuCaptions = {"&Blænde", "", "", "K&onvekst/konkavt"},
     .PointerReadout = true,
     .BeforeSelect = &SetConcaveMirrorStartValues,
     .Draw = &DrawConcaveMirror,
     .Drag = &ConcaveMirrorBeamDrag},
    {.Number = 28,
     .Menu = {.In = SubjectMenu::Optics,
              .Place = 6,
              .Name = "Spejlbilledet1",
              .Caption = "&Spejlbillede",
              .Hint = "Billeddannelse i hulspejl"},
     .Caption = "Spejlbilledet",
     .Table = {6, 2, true},
     .ColumnHeaders = kCaptionOnly,
     .RowHeaders = kImageRows,
     .Shown = kAllFKeysAndTable,
     .ScrollBar1 = kObjectDistanceBar,
     .FKeys = {{{"f, F2", " Brændvidde og dobbelt brændvidde"},
                kParallelRayKey,
                kCentralRayKey,
                {"Vinkelret, F5", " Stråle vinkelret på spejl"},
                kConcaveMirrorKey}},
     .FMenuCaptions = {"&Parallel stråle", "M&idterstråle", "&Vinkelret", "K&onvekst/konkavt"},
     .PointerReadout = true,
     .BeforeSelect = &SetMirrorImageStartValues,
     .Draw = &DrawMirrorImage,
     .Drag = &ObjectArrowDrag},
    {.Number = 29,
     .Menu = {.In = SubjectMenu::Optics,
              .Place = 8,
              .Name = "Parabolen1",
              .Caption = "P&arabol",
              .Hint = "Parabolen og dens egenskaber"},
     .Caption = "Parabol",
     .Table = {4, 2, true},
     .ColumnHeaders = kCaptionOnly,
     .RowHeaders = kParabolaRows,
     .Shown = Buttons::F2 | Buttons::Table,
     .ScrollBar1 = kMirrorAngleBar,
     .TrackBar2 = TrackBar2Setup{.Max = 10, .Position = 2, .Hint = " brændvidde", .Caption = "f"},
     .FKeys = {{kFocalPlaneKey}},
     .PointerReadout = true,
     .BeforeSelect = &SetParabolaStartValues,
     .Draw = &DrawParabola,
     .Drag = &ParabolaBeamDrag},
    // The sheet of lens outlines keeps the caption and the table of the simulation
    // before it.
    {.Number = 30,
     .Menu = {.In = SubjectMenu::Optics,
              .Place = 9,
              .Name = "Tegnlinser1",
              .Caption = "Tegnlinser",
              .Hidden = true},
     .Draw = &DrawLensOutlines},
    {.Number = 41,
     .Menu = {.In = SubjectMenu::Optics, .Place = 2, .Name = "Iskrystal1", .Caption = "&Iskrystal"},
     .Caption = "Iskrystallen",
     .Table = {4, 2, true},
     .ColumnHeaders = kCaptionOnly,
     .RowHeaders = kIceRows,
     .Shown = Buttons::F2 | Buttons::F3,
     .ScrollBar1 = ScrollBar1Setup{.Min = 1, .Max = 90, .Position = 60},
     .TrackBar1 = TrackBar1Setup{.Max = 3,
                                 .From = PositionFrom::Own,
                                 .StartAt = &IceWavelengthChosen,
                                 .Hint = " Skift bølgelængde",
                                 .ShowsLambda = true},
     .FKeys = {{{}, kNormalsKey}},
     .FMenuCaptions = {"&Indfaldslodder", "", "", ""},
     .BeforeSelect = &IceCrystalStart,
     .Draw = &DrawIceCrystal,
     .Drag = &IceRayDrag},
};  // namespace

}  // namespace

void AddOpticsSimulations(Catalogue& catalogue) {
    catalogue.Add(kEntries);
}

}  // namespace viv
