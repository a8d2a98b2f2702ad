// The catalogue rows of colour mixing, contrast, colour circles and the afterimage: what each menu entry sets up and which routine draws it.
#include "sims/colour/colour_catalogue.h"

#include "app/catalogue.h"


namespace viv {

namespace {

using SV = std::string_view;

// --- Start values the menu entries write into the shared state ---

void LabelsRgb(App& app) {
    app.Window.Label4.Caption = "R";
    app.Window.Label5.Caption = "G";
    app.Window.Label6.Caption = "B";
}

// The additive mode is set by the colour-mixing module.
void ColourMixingAfterSelect(App& app) {
    LabelsRgb(app);
}

// The text would be emptied again by the table set-up, so it follows the table.
void ColourCircleAfterTable(App& app) {
    app.Window.MessagePanel = "Bevæg musen over figuren";
}

// The pattern's band width, 0.4, is set by the pattern module.
void ContrastAfterSelect(App& app) {
    app.Window.MessagePanel.clear();
    LabelsRgb(app);
}

// --- Table headers ---

constexpr SV kRgbRows[] = {" Rød /%", " Grøn /%", " Blå /%"};
constexpr SV kAfterImageRows[] = {" Rød /%", " Grøn /%", " Blå %"};

// --- The rows ---

constexpr std::array kEntries = [] {
    std::array<CatalogueEntry, 7> c{};
    c[0] = {.Number = 20,
             .Caption = "Farveblanding",
             .Table = {4, 2, true},
             .ColumnHeaders = {"Additiv", "", ""},
             .RowHeaders = kRgbRows,
             .Mask = 256,
             .AfterSelect = &ColourMixingAfterSelect};
    c[1] = {.Number = 21,
             .Caption = "Øjets træthed",
             .Table = {4, 2, true},
             .ColumnHeaders = kCaptionOnly,
             .RowHeaders = kAfterImageRows,
             .Mask = 256,
             .HideScrollBar1 = true};
    c[2] = {.Number = 22,
             .Caption = "Komplementærfarve",
             .Table = {4, 2, true},
             .ColumnHeaders = kCaptionOnly,
             .RowHeaders = kRgbRows,
             .Mask = 256,
             .AfterSelect = &LabelsRgb};
    c[3] = {.Number = 31,
             .Caption = "Goethes farvetrekant",
             .Table = {3, 2, false},
             .AfterTable = &ColourCircleAfterTable,
             .HideScrollBar1 = true};
    c[4] = {.Number = 32,
             .Caption = "Den tolvdelte farvecirkel",
             .Table = {3, 2, false},
             .AfterTable = &ColourCircleAfterTable,
             .HideScrollBar1 = true};
    c[5] = {.Number = 33,
             .Caption = "Komplementært mønster",
             .Table = {3, 2, false},
             .Mask = 4,
             .AfterSelect = &ContrastAfterSelect};
    c[6] = {.Number = 34,
             .Caption = "Simultan konstrast",
             .Table = {3, 2, false},
             .AfterSelect = &ContrastAfterSelect};
    return c;
}();

}  // namespace

void AddColourSimulations(Catalogue& catalogue) {
    catalogue.Add(kEntries);
}

}  // namespace viv
