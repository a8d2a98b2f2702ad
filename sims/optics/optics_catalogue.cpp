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
#include "sims/optics/prism.h"

namespace viv {

namespace {

using SV = std::string_view;

// --- Start values the menu entries write into the shared state ---

// Kvarts, with the apex angle pi/3.
void PrismStart(App& app) {
    SetPrismStartValues(app);
    app.State.CurrentColour = 3;
}

void IceCrystalStart(App& app) {
    app.State.CurrentColour = 1;
}

// The lens and mirror modules set their own parameters (the stop at x = -1 with the
// half-opening 2, the radii 5, the second substance := CurrentColour; the parabola's
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

// --- The rows ---

constexpr std::array kEntries = [] {
    std::array<CatalogueEntry, 9> c{};
    c[0] = {.Number = 23,
            .Caption = "Linsens egenskaber",
            .Table = {8, 3, true},
            .ColumnHeaders = {CaptionHeader, "blå", "rød"},
            .RowHeaders = kLensRows,
            .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::F5 | Buttons::F6 |
                     Buttons::Table,
            .BeforeSelect = &SetLensStartValues,
            .Draw = &DrawLensProperties,
            .Drag = &LensBeamDrag};
    c[1] = {.Number = 24,
            .Caption = "Billeddannelse",
            .Table = {6, 2, true},
            .ColumnHeaders = kCaptionOnly,
            .RowHeaders = kImageRows,
            .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::F5 | Buttons::F6 |
                     Buttons::Table,
            .BeforeSelect = &SetLensImageStartValues,
            .Draw = &DrawLensImage,
            .Drag = &ObjectArrowDrag};
    c[2] = {.Number = 25,
            .Caption = "Linsesystemer",
            .Table = {7, 3, true},
            .ColumnHeaders = {CaptionHeader, "linse 1", "linse 2"},
            .RowHeaders = kLensSystemRows,
            .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::F6 | Buttons::Table,
            .BeforeSelect = &SetLensStartValues,
            .Draw = &DrawLensSystems};
    c[3] = {.Number = 26,
            .Caption = "Prismet",
            .Table = {6, 2, true},
            .ColumnHeaders = kCaptionOnly,
            .RowHeaders = kPrismRows,
            .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::Table,
            .BeforeSelect = &PrismStart,
            .Draw = &DrawPrism,
            .Drag = &PrismRayDrag};
    c[4] = {.Number = 27,
            .Caption = "Hulspejlet",
            .Table = {4, 2, true},
            .ColumnHeaders = kCaptionOnly,
            .RowHeaders = kMirrorRows,
            .Shown = Buttons::F2 | Buttons::F3 | Buttons::F6 | Buttons::Table,
            .BeforeSelect = &SetConcaveMirrorStartValues,
            .Draw = &DrawConcaveMirror,
            .Drag = &ConcaveMirrorBeamDrag};
    c[5] = {.Number = 28,
            .Caption = "Spejlbilledet",
            .Table = {6, 2, true},
            .ColumnHeaders = kCaptionOnly,
            .RowHeaders = kImageRows,
            .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::F5 | Buttons::F6 |
                     Buttons::Table,
            .BeforeSelect = &SetMirrorImageStartValues,
            .Draw = &DrawMirrorImage,
            .Drag = &ObjectArrowDrag};
    c[6] = {.Number = 29,
            .Caption = "Parabol",
            .Table = {4, 2, true},
            .ColumnHeaders = kCaptionOnly,
            .RowHeaders = kParabolaRows,
            .Shown = Buttons::F2 | Buttons::Table,
            .BeforeSelect = &SetParabolaStartValues,
            .Draw = &DrawParabola,
            .Drag = &ParabolaBeamDrag};
    // The sheet of lens outlines keeps the caption and the table of the simulation
    // before it.
    c[7] = {.Number = 30, .Draw = &DrawLensOutlines};
    c[8] = {.Number = 41,
            .Caption = "Iskrystallen",
            .Table = {4, 2, true},
            .ColumnHeaders = kCaptionOnly,
            .RowHeaders = kIceRows,
            .Shown = Buttons::F2 | Buttons::F3,
            .BeforeSelect = &IceCrystalStart,
            .Draw = &DrawIceCrystal,
            .Drag = &IceRayDrag};
    return c;
}();

}  // namespace

void AddOpticsSimulations(Catalogue& catalogue) {
    catalogue.Add(kEntries);
}

}  // namespace viv
