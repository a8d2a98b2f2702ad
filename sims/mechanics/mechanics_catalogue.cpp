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
void SpringStart(App& app) {
    app.State.AnimationStep = static_cast<std::int32_t>(app.host().Milliseconds());
    SetSpringStartValues(app);
}

// --- Table headers ---

constexpr SV kSpringRows[] = {" fjederforlængelse, x/m",  " fjedermasse, m/kg",
                              " fjederkonstant k/ N/m,",  " potentiel energi Epot/J,",
                              " kinetisk energi Ekin/J,", " mekanisk energi Emek/J,"};

// --- The rows ---

constexpr std::array kEntries = [] {
    std::array<CatalogueEntry, 5> c{};
    c[0] = {.Number = 36,
            .Caption = "Fjedersvingning",
            .Table = {7, 2, true},
            .ColumnHeaders = kCaptionOnly,
            .RowHeaders = kSpringRows,
            .Shown = Buttons::F2 | Buttons::F5 | Buttons::F6 | Buttons::Clock,
            .BeforeSelect = &SpringStart,
            .Draw = &DrawSpringSimulation,
            .Drag = &SpringWeightDrag};
    c[1] = {.Number = 37,
            .Caption = "Bølgeudbredelse",
            .Table = {3, 2, false},
            .Shown = Buttons::F2 | Buttons::F4 | Buttons::F5 | Buttons::F6 | Buttons::Clock,
            .BeforeSelect = &SetWavePropagationStartValues,
            .Draw = &DrawWavePropagation};
    c[2] = {.Number = 38,
            .Caption = "Stående bølger",
            .Table = {3, 2, false},
            .Shown = Buttons::F2 | Buttons::F3 | Buttons::F4 | Buttons::F6 | Buttons::Clock,
            .BeforeSelect = &SetStandingWavesStartValues,
            .Draw = &DrawStandingWaves};
    c[3] = {.Number = 39,
            .Caption = "Sonar",
            .Table = {3, 2, false},
            .Shown = Buttons::F6 | Buttons::Clock,
            .BeforeSelect = &SetSonarStartValues,
            .Draw = &DrawSonar};
    c[4] = {.Number = 40,
            .Caption = "Vandbølger",
            .Shown = Buttons::F2 | Buttons::F3 | Buttons::Clock,
            .BeforeSelect = &SetWaterWavesStartValues,
            .Draw = &DrawWaterWaves};
    return c;
}();

}  // namespace

void AddMechanicsSimulations(Catalogue& catalogue) {
    catalogue.Add(kEntries);
}

}  // namespace viv
