// The catalogue rows of the spring, waves on a string, standing waves, sonar and water waves: what each menu entry sets up and which routine draws it.
#include "sims/mechanics/mechanics_catalogue.h"

#include "app/catalogue.h"


namespace viv {

namespace {

using SV = std::string_view;

// --- Start values the menu entries write into the shared state ---

// The start time as a real, the spring's parameters (3.0, 10.0, 0.05 and four zeros)
// and its flag (1) are set by the spring module.
void SpringStart(App& app) {
    app.State.AnimationStep = static_cast<std::int32_t>(app.host().Milliseconds());
}

// The wave modules set their own start values: 37 the wave type 1, 40 and 5, 0.3;
// 38 32 and 40, the value 0, the pipe type 1; 39 the value 1, the speed of sound
// 1450 m/s and 1.0; 40 1.0, pi/4 and 10.
void WaveStart(App& app) {
    app.State.AnimationStep = 0;
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
             .Mask = 178,
             .BeforeSelect = &SpringStart};
    c[1] = {.Number = 37,
             .Caption = "Bølgeudbredelse",
             .Table = {3, 2, false},
             .Mask = 186,
             .BeforeSelect = &WaveStart};
    c[2] = {.Number = 38,
             .Caption = "Stående bølger",
             .Table = {3, 2, false},
             .Mask = 174,
             .BeforeSelect = &WaveStart};
    c[3] = {.Number = 39,
             .Caption = "Sonar",
             .Table = {3, 2, false},
             .Mask = 160,
             .BeforeSelect = &WaveStart};
    c[4] = {.Number = 40, .Caption = "Vandbølger", .Mask = 134, .BeforeSelect = &WaveStart};
    return c;
}();

}  // namespace

void AddMechanicsSimulations(Catalogue& catalogue) {
    catalogue.Add(kEntries);
}

}  // namespace viv
