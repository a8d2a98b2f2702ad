// The catalogue: for every simulation what its menu entry sets up, and the main menu.
#include "app/catalogue.h"

#include <array>

#include "app/start_picture.h"
#include "sims/rainbow/alexanders_band.h"
#include "sims/rainbow/bow_cone.h"
#include "sims/rainbow/drop_scattering.h"

namespace viv {

namespace {

using SV = std::string_view;

// --- Drawing routines ---

void DrawStart(App& app, std::uint16_t code, bool /*clearFirst*/, TCanvas& canvas) {
    DrawStartPicture(app.Map, app.State.Rainbow, code, canvas);
}

// --- Start values the menu entries write into the shared state ---
// Values of a simulation's own variables are written by its module; they are named
// where they belong.

// The incidence runs 0..`maximum` and starts in the middle.
void SetIncidenceRange(App& app, int maximum) {
    app.State.IncidenceMax = maximum;
    app.State.IncidenceValue = (app.State.IncidenceMin + maximum) / 2;
}

void RefractionStart(App& app) {
    SetIncidenceRange(app, 90);
}

void FilmStart(App& app) {
    SetIncidenceRange(app, 90);
    // the film thickness, 1.0 um, is set by the film module
}

void WaterPolarisationStart(App& app) {
    SetIncidenceRange(app, 90);
    app.State.RayDirection = 1;
}

void RefractionLawStart(App& app) {
    SetIncidenceRange(app, 90);
    app.State.RayDirection = 1;
    // the wave's phase, 0.21, is set by the refraction module
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

// The scattering module clears its statistics and the colours done when it leaves the
// polarised mode, selects the unpolarised mode, and after the table starts the cursor
// curve at 1 with its counter at 0.
void BowColoursStart(App& app) {
    app.State.ScatterAngle = 25;
}

// The two small parameters (0.0001) and the flag (1) of the interference are set by
// the Young module after the table.
void YoungStart(App& app) {
    app.State.IncidenceMax = 800;
}

void BowPolarisationStart(App& app) {
    app.State.IncidenceMax = 100;
    app.State.IncidenceMin = 0;
    app.State.IncidenceValue = 33;
}

// The polarised mode, cleared statistics and colours done, and the cursor curve at 1
// after the table, are set by the scattering module.
void PolarisedColoursStart(App& app) {
    app.State.ScatterAngle = 25;
}

void SuperpositionStart(App& app) {
    app.State.AnimationStep = 190;
    // the second amplitude, -1.0, is set by the superposition module
}
void SuperpositionAfterSelect(App& app) {
    app.Window.MessagePanel.clear();
}

void ReflectionStart(App& app) {
    app.State.AnimationStep = 25;
    // the amplitude, 2.0, is set by the reflection module
}
void ReflectionAfterSelect(App& app) {
    app.Window.Panel3 = "Ved 20°C og 486.1 nm";
}
void ReflectionAfterTable(App& app) {
    app.Table.SetCell(1, 4, "486.1");
}

// The grating of 600 lines per millimetre (X = 2.6337968815844923) and the first order
// are set by the slit module.
void GratingStart(App& app) {
    app.State.AnimationStep = 0;
}

// X = 2.53, the first order and the screen value 0 are set by the slit module.
void DoubleSlitStart(App& app) {
    app.State.AnimationStep = 0;
}

// The series (2), the grating (X = 2.6337968815844923) and the first order are set by
// the hydrogen module; the distance to the grating stands in the table.
void HydrogenAfterTable(App& app) {
    app.Table.SetCell(1, 1, "0.8");
}

// The second state value (0) and the source at PictureX(0) are set by the Doppler
// module.
void DopplerStart(App& app) {
    app.State.AnimationStep = 0;
}

void LabelsRgb(App& app) {
    app.Window.Label4.Caption = "R";
    app.Window.Label5.Caption = "G";
    app.Window.Label6.Caption = "B";
}

// The additive mode is set by the colour-mixing module.
void ColourMixingAfterSelect(App& app) {
    LabelsRgb(app);
}

// The prism's apex angle, pi/3, is set by the prism module.
void PrismStart(App& app) {
    app.State.CurrentColour = 3;
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

// X = 3.387142857142857, the first order and the values 1 and 0 are set by the slit
// module.
void SingleSlitStart(App& app) {
    app.State.AnimationStep = 0;
}

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

void IceCrystalStart(App& app) {
    app.State.CurrentColour = 1;
}

// The lens modules set their own parameters: 23 and 25 the radii and substances
// (1.0, -1.0, 2.0, 5.0, 5.0, the second lens's substance := CurrentColour), 24 the focal
// length 2.0 with -8.0 and 3.0, 27 1.0, -1.0, 2.0, 5.0, 28 -8.0, 2.0 and the mirror
// length 10.0, 29 2.0.

// --- Table headers ---

constexpr SV kRefractionRows[] = {" brydningsindex, n", " bølgelængde/nm, ", " indfaldsvinkel i/°",
                                  " brydningsvinkel b/°"};
constexpr SV kFilmRows[] = {" brydningsindex, n",   " bølgelængde/nm, ", " indfaldsvinkel i/°",
                            " brydningsvinkel b/°", " faseforskel/pi",   " tykkelse d/ nm"};
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
                             " spredt lys · dp",   " forhold"};
constexpr SV kBowPolarisationRows[] = {" brydningsindex, n",       " bølgelængde/nm, ",
                                       " maksimal vinkel/°",       " vinkel v/°",
                                       " lys igen efter brydning", " lys igen efter spejling",
                                       " lys igen efter brydning", ""};
constexpr SV kPolarisedColourRows[] = {" brydningsindex, n", " bølgelængde/nm, ", " vinkel v/°",
                                       " antal N (p<pmax)", " antal N (p>pmax)"};
constexpr SV kSuperpositionRows[] = {" bølgelængde 1", " bølgelængde 2", " amplitude 1",
                                     " amplitude 2"};
constexpr SV kReflectionRows[] = {" stof", " brydningsindex, n", " reflektans", " bølgelængde/ nm"};
constexpr SV kGratingRows[] = {" orden", " 1mm/d", " d/nm", " v/°"};
constexpr SV kSlitRows[] = {" orden", " d/nm", " v/°"};
constexpr SV kHydrogenRows[] = {" afstand til gitter", " orden", " d/nm", " serie"};
constexpr SV kDopplerRows[] = {" relativ hastighed", " relativ frekvens"};
constexpr SV kRgbRows[] = {" Rød /%", " Grøn /%", " Blå /%"};
constexpr SV kAfterImageRows[] = {" Rød /%", " Grøn /%", " Blå %"};
constexpr SV kLensRows[] = {" radius, r1/cm", " radius, r2/cm", " brandvidde f/cm",
                            " stof 1, n",     " stof 2, n",     " vinkel, i/°"};
constexpr SV kImageRows[] = {" afstand, a/cm", " afstand, b/cm", " brændvidde, f/cm",
                             " genstand, G/cm", " billede, B/cm"};
constexpr SV kLensSystemRows[] = {" radius/cm", " brandvidde/cm", " stof", " n (blå: 486,1 nm)",
                                  " n (rød: 768,2 nm)"};
constexpr SV kPrismRows[] = {" topvinkel, p/°", " indfaldsvinkel, i/°", " afbøjningsvinkel, v/°",
                             " stof, n", " n (768,2 nm)"};
constexpr SV kMirrorRows[] = {" radius/cm", " brandvidde/cm", " vinkel/°"};
constexpr SV kParabolaRows[] = {" A /cm", " brandvidde/cm", " vinkel/°"};
constexpr SV kSpringRows[] = {" fjederforlængelse, x/m",  " fjedermasse, m/kg",
                              " fjederkonstant k/ N/m,",  " potentiel energi Epot/J,",
                              " kinetisk energi Ekin/J,", " mekanisk energi Emek/J,"};
constexpr SV kIceRows[] = {" indfaldsvinkel, i/°", " afbøjningsvinkel, v/°", " farve"};

constexpr std::array<SV, 3> kCaptionOnly{CaptionHeader, "", ""};
constexpr std::array<SV, 3> kNoHeaders{"", "", ""};

// --- The catalogue, indexed by simulation number; Number 0 marks no simulation ---

constexpr std::size_t kSlots = 44;

constexpr std::array<CatalogueEntry, kSlots> MakeCatalogue() {
    std::array<CatalogueEntry, kSlots> c{};
    c[1] = {.Number = 1, .Draw = &DrawStart};
    c[2] = {.Number = 2,
            .Caption = "Brydning i vand",
            .Table = {5, 2, true},
            .ColumnHeaders = kCaptionOnly,
            .RowHeaders = kRefractionRows,
            .Mask = 310,
            .BeforeSelect = &RefractionStart};
    c[3] = {.Number = 3,
            .Caption = "Interferens i en tynd film",
            .Table = {7, 2, true},
            .ColumnHeaders = {" interferens", "", ""},
            .RowHeaders = kFilmRows,
            .Mask = 262,
            .BeforeSelect = &FilmStart};
    c[4] = {.Number = 4,
            .Caption = "Polarisation i vand",
            .Table = {8, 3, true},
            .ColumnHeaders = {CaptionHeader, "vinkelret", "parallelt"},
            .RowHeaders = kWaterPolarisationRows,
            .Mask = 318,
            .BeforeSelect = &WaterPolarisationStart};
    c[5] = {.Number = 5,
            .Caption = "Brydningsloven",
            .Table = {5, 2, true},
            .ColumnHeaders = {" brydning i vand", "", ""},
            .RowHeaders = kRefractionRows,
            .Mask = 446,
            .BeforeSelect = &RefractionLawStart};
    c[6] = {.Number = 6,
            .Caption = "Vivarnons kegle",
            .Table = {6, 2, true},
            .ColumnHeaders = kCaptionOnly,
            .RowHeaders = kConeRows,
            .Mask = 258,
            .BeforeSelect = &SetConeStartValues,
            .AfterTable = &ConeAfterTable,
            .Draw = &DrawBowCone};
    c[7] = {.Number = 7,
            .Caption = "Spredning i en dråbe",
            .Table = {8, 2, true},
            .ColumnHeaders = {" Primær vivarno:", "", ""},
            .RowHeaders = kDropRows,
            .Mask = 318,
            .BeforeSelect = &DropStart,
            .AfterTable = &PrimaryBowAfterTable,
            .Draw = &DrawScatteringInDrop};
    c[8] = {.Number = 8,
            .Caption = "Alexanders bånd",
            .Table = {5, 2, true},
            .ColumnHeaders = kNoHeaders,
            .RowHeaders = kBandRows,
            .Mask = 258,
            .BeforeSelect = &SetBandRayParameter,
            .AfterTable = &PrimaryBowAfterTable,
            .Draw = &DrawAlexandersBand};
    c[9] = {.Number = 9,
            .Caption = "Vivarnons farver",
            .Table = {10, 2, true},
            .ColumnHeaders = {" 40000 stråler mod en dråbe:", "", ""},
            .RowHeaders = kBowColourRows,
            .Mask = 306,
            .BeforeSelect = &BowColoursStart};
    c[10] = {.Number = 10,
             .Caption = "Youngs interferens",
             .Table = {12, 3, true},
             .ColumnHeaders = {CaptionHeader, "stråle 1", "stråle 2"},
             .RowHeaders = kYoungRows,
             .Mask = 314,
             .BeforeSelect = &YoungStart};
    c[11] = {.Number = 11,
             .Caption = "Vivarnons polarisation",
             .Table = {9, 3, true},
             .ColumnHeaders = {CaptionHeader, "vinkelret", "parallelt"},
             .RowHeaders = kBowPolarisationRows,
             .Mask = 286,
             .BeforeSelect = &BowPolarisationStart};
    c[12] = {.Number = 12,
             .Caption = "Polarisation og farver",
             .Table = {6, 2, true},
             .ColumnHeaders = {" 40000 stråler mod en dråbe:", "", ""},
             .RowHeaders = kPolarisedColourRows,
             .Mask = 256,
             .BeforeSelect = &PolarisedColoursStart};
    c[14] = {.Number = 14,
             .Caption = "Superposition",
             .Table = {5, 2, true},
             .ColumnHeaders = kCaptionOnly,
             .RowHeaders = kSuperpositionRows,
             .Mask = 414,
             .BeforeSelect = &SuperpositionStart,
             .AfterSelect = &SuperpositionAfterSelect};
    c[15] = {.Number = 15,
             .Caption = "Vinkelret refleksion og transmission",
             .Table = {5, 2, true},
             .ColumnHeaders = {"refleksion og transmision", "", ""},
             .RowHeaders = kReflectionRows,
             .Mask = 394,
             .BeforeSelect = &ReflectionStart,
             .AfterSelect = &ReflectionAfterSelect,
             .AfterTable = &ReflectionAfterTable};
    c[16] = {.Number = 16,
             .Caption = "Optisk gitter",
             .Table = {5, 2, true},
             .ColumnHeaders = kCaptionOnly,
             .RowHeaders = kGratingRows,
             .Mask = 398,
             .BeforeSelect = &GratingStart};
    c[17] = {.Number = 17,
             .Caption = "Dobbeltspalte",
             .Table = {4, 2, true},
             .ColumnHeaders = kCaptionOnly,
             .RowHeaders = kSlitRows,
             .Mask = 442,
             .BeforeSelect = &DoubleSlitStart};
    c[18] = {.Number = 18,
             .Caption = "Hydrogenspektret",
             .Table = {5, 3, true},
             .ColumnHeaders = {CaptionHeader, "", "lambda/nm"},
             .RowHeaders = kHydrogenRows,
             .Mask = 296,
             .AfterTable = &HydrogenAfterTable};
    c[19] = {.Number = 19,
             .Caption = "Dopplereffekt",
             .Table = {3, 2, true},
             .ColumnHeaders = kCaptionOnly,
             .RowHeaders = kDopplerRows,
             .Mask = 386,
             .BeforeSelect = &DopplerStart};
    c[20] = {.Number = 20,
             .Caption = "Farveblanding",
             .Table = {4, 2, true},
             .ColumnHeaders = {"Additiv", "", ""},
             .RowHeaders = kRgbRows,
             .Mask = 256,
             .AfterSelect = &ColourMixingAfterSelect};
    c[21] = {.Number = 21,
             .Caption = "Øjets træthed",
             .Table = {4, 2, true},
             .ColumnHeaders = kCaptionOnly,
             .RowHeaders = kAfterImageRows,
             .Mask = 256,
             .HideScrollBar1 = true};
    c[22] = {.Number = 22,
             .Caption = "Komplementærfarve",
             .Table = {4, 2, true},
             .ColumnHeaders = kCaptionOnly,
             .RowHeaders = kRgbRows,
             .Mask = 256,
             .AfterSelect = &LabelsRgb};
    c[23] = {.Number = 23,
             .Caption = "Linsens egenskaber",
             .Table = {7, 3, true},
             .ColumnHeaders = {CaptionHeader, "blå", "rød"},
             .RowHeaders = kLensRows,
             .Mask = 318};
    c[24] = {.Number = 24,
             .Caption = "Billeddannelse",
             .Table = {6, 2, true},
             .ColumnHeaders = kCaptionOnly,
             .RowHeaders = kImageRows,
             .Mask = 318};
    c[25] = {.Number = 25,
             .Caption = "Linsesystemer",
             .Table = {6, 3, true},
             .ColumnHeaders = {CaptionHeader, "linse 1", "linse 2"},
             .RowHeaders = kLensSystemRows,
             .Mask = 302};
    c[26] = {.Number = 26,
             .Caption = "Prismet",
             .Table = {6, 2, true},
             .ColumnHeaders = kCaptionOnly,
             .RowHeaders = kPrismRows,
             .Mask = 270,
             .BeforeSelect = &PrismStart};
    c[27] = {.Number = 27,
             .Caption = "Hulspejlet",
             .Table = {4, 2, true},
             .ColumnHeaders = kCaptionOnly,
             .RowHeaders = kMirrorRows,
             .Mask = 294};
    c[28] = {.Number = 28,
             .Caption = "Spejlbilledet",
             .Table = {6, 2, true},
             .ColumnHeaders = kCaptionOnly,
             .RowHeaders = kImageRows,
             .Mask = 318};
    c[29] = {.Number = 29,
             .Caption = "Parabol",
             .Table = {4, 2, true},
             .ColumnHeaders = kCaptionOnly,
             .RowHeaders = kParabolaRows,
             .Mask = 258};
    // The sheet of lens outlines keeps the caption and the table of the simulation
    // before it.
    c[30] = {.Number = 30};
    c[31] = {.Number = 31,
             .Caption = "Goethes farvetrekant",
             .Table = {3, 2, false},
             .AfterTable = &ColourCircleAfterTable,
             .HideScrollBar1 = true};
    c[32] = {.Number = 32,
             .Caption = "Den tolvdelte farvecirkel",
             .Table = {3, 2, false},
             .AfterTable = &ColourCircleAfterTable,
             .HideScrollBar1 = true};
    c[33] = {.Number = 33,
             .Caption = "Komplementært mønster",
             .Table = {3, 2, false},
             .Mask = 4,
             .AfterSelect = &ContrastAfterSelect};
    c[34] = {.Number = 34,
             .Caption = "Simultan konstrast",
             .Table = {3, 2, false},
             .AfterSelect = &ContrastAfterSelect};
    c[35] = {.Number = 35,
             .Caption = "Enkeltspalte",
             .Table = {4, 2, true},
             .ColumnHeaders = kCaptionOnly,
             .RowHeaders = kSlitRows,
             .Mask = 442,
             .BeforeSelect = &SingleSlitStart};
    c[36] = {.Number = 36,
             .Caption = "Fjedersvingning",
             .Table = {7, 2, true},
             .ColumnHeaders = kCaptionOnly,
             .RowHeaders = kSpringRows,
             .Mask = 178,
             .BeforeSelect = &SpringStart};
    c[37] = {.Number = 37,
             .Caption = "Bølgeudbredelse",
             .Table = {3, 2, false},
             .Mask = 186,
             .BeforeSelect = &WaveStart};
    c[38] = {.Number = 38,
             .Caption = "Stående bølger",
             .Table = {3, 2, false},
             .Mask = 174,
             .BeforeSelect = &WaveStart};
    c[39] = {.Number = 39,
             .Caption = "Sonar",
             .Table = {3, 2, false},
             .Mask = 160,
             .BeforeSelect = &WaveStart};
    c[40] = {.Number = 40, .Caption = "Vandbølger", .Mask = 134, .BeforeSelect = &WaveStart};
    c[41] = {.Number = 41,
             .Caption = "Iskrystallen",
             .Table = {4, 2, true},
             .ColumnHeaders = kCaptionOnly,
             .RowHeaders = kIceRows,
             .Mask = 6,
             .BeforeSelect = &IceCrystalStart};
    c[42] = {.Number = 42, .Caption = "Kvadrant", .Mask = 2};
    c[43] = {.Number = 43, .Caption = "Jakobsstav", .Mask = 2};
    return c;
}

constexpr std::array<CatalogueEntry, kSlots> kCatalogue = MakeCatalogue();

// --- The main menu ---

using MC = MenuCommand;

constexpr MenuItemDef kFiler[] = {
    {"Udskrivgraf1", "Udskriv &Graf...", "",
     "Udskriv graf på printer, Vinkeltro udskrift anbefalses", 0, MC::PrintPicture},
    {"Udskrivdata1", "Udskriv &Data", "",
     "Udskriv »sildeben« hørende til graf. (Menupunktet kan kun vælges for nogle simulationer)", 0,
     MC::PrintData},
    {"UdskrivTabel1", "Udskriv &Tabel", "",
     "Udskriv data i Tabellen. (samme udskrift kan vælges i tabellen)", 0, MC::PrintTable},
    {"N1", "-"},
    {"Copy1", "Kopi som &Bitmap", "Ctrl+C",
     "Kopier graf som bitmap til windows klippebord. (fylder meget)", 0, MC::CopyBitmap},
    {"Kopisommetafile1", "Kopi som &Metafile", "",
     "Kopier graf som windows metafile (vektorgrafik) til klippebordet", 0, MC::CopyMetafile},
    {"N2", "-"},
    {"exit1", "&Afslut", "", "Afslut program", 0, MC::Exit},
};

constexpr MenuItemDef kBolgelare[] = {
    {"Brydning1", "&Brydning", "",
     "Brydning, et computerforsøg, mål indfaldsvinkel og brydningsvinkel", 2},
    {"Brydningsloven1", "Brydnings&Loven", "",
     "Simulation af brydning, ændring af bølgelængde, hastighed og retning", 5},
    {"Interferens1", "&Interferens i film", "",
     "Interferens i en tynd film: hinde på vand eller sommerfuglevinge...", 3},
    {"Polarisation1", "&Polarisation", "", "Polarisation ved brydning og spejling i vand", 4},
    {"Superposition1", "&Superposition", "", "Interferens mellem to bølger, der løber mod hinanden",
     14},
    {"Refleksion1", "&Refleksion", "",
     "Refleksion og transmission af bølger ved overgang fra luft til vand (glas)", 15},
    {"Dopplereffekt1", "D&opplereffekt", "",
     "Dopplereffekt: viser forskydning af frekvens og chockbølger", 19},
    {"N3", "-"},
    {"EnkeltSpalte1", "&Enkeltspalte", "", "Lys's interferens i enkeltspalte", 35},
    {"Dobbeltspalte1", "&Dobbeltspalte", "", "Lys's interferens i dobbeltspalte", 17},
    {"Gitter1", "&Gitter", "", "Laserlys's interferens i optisk gitter", 16},
    {"Hydrogen1", "&Hydrogenspektret", "",
     "Hydrogenspektret, viser Energidiagram og afbøjning i gitter.", 18},
    {"N4", "-"},
    {"Fjedersvingning1", "&Fjedersvingning", "", "Harmoniske svingninger, energiforhold", 36},
    {"Bolgeudbredelse1", "Bølge&udbredelse", "", "Longitudinalbølger og transversalbølger på snor",
     37},
    {"Staendebolger1", "St&ående bølger", "",
     "Stående bølger i åben, halvåben og lukket resonanskasse", 38},
    {"Sonar1", "So&nar", "", "", 39, MC::None, true},
    {"Vandbolger1", "Vandbølger", "", "", 40, MC::None, true},
    {"Kvadrant1", "Kvadrant", "", "", 42, MC::None, true},
    {"jakobsstav1", "jakobsstav", "", "", 43, MC::None, true},
};

constexpr MenuItemDef kFarver[] = {
    {"Farveblanding1", "&Farveblanding", "", "Additiv og subtraktiv farveblanding", 20},
    {"Komplementarfarve1", "&Komplementærfarve", "",
     "Komplementærfarve for mættede og brækkede farver, farvecirklen", 22},
    {"Ojetstrathed1", "&Øjets træthed", "",
     "Se komplementært skyggebillede efter 30 sekunders kik på en farve", 21},
    {"Gothesfarvetrekant1", "&Goethes farvetrekant", "", "Goethes farvetrekant.", 31},
    {"Tolvfarvecirklen1", "&Tolvfarvecirklen", "",
     "Den tolvdelte farvecirkel dannet af de primære farver: gul, rød og blå", 32},
    {"Monster1", "&Mønster", "", "Mønster af komplementærfarver", 33},
    {"Simultankontrast1", "&Simultan kontrast", "", "Simultan kontrast", 34},
};

constexpr MenuItemDef kOptik[] = {
    {"Prismet1", "&Prisme", "",
     "Bestemmelse af brydningsindex og farvespredning vha. prismet i hovedstilling", 26},
    {"Iskrystal1", "&Iskrystal", "", "", 41},
    {"Linsebillede1", "&Billeddannelse", "", "Billeddannelse og linseformlen", 24},
    {"Linsen1", "&Linse", "", "Linsen og linsefejl", 23},
    {"Linsesystemer1", "Linse&systemer", "", "system af to linser, bestemmelse af brændvidde", 25},
    {"Spejlbilledet1", "&Spejlbillede", "", "Billeddannelse i hulspejl", 28},
    {"Hulspejlet1", "&Hulspejl", "", "Hulspejlet og dets egenskaber", 27},
    {"Parabolen1", "Para&bol", "", "Parabolen og dens egenskaber", 29},
    {"Tegnlinser1", "Tegnlinser", "", "", 30, MC::None, true},
};

constexpr MenuItemDef kSimuler[] = {
    {"Vivarnonskegle1", "Vivarnons &Kegle", "",
     "Vivarnons kegle, hvilken vinkel ses vivarnon under?", 6},
    {"Draben1", "&Dråben", "",
     "Strålegangen i en regndråbe, minimum og maksimum for spredningsvinklen.", 7},
    {"Alexandersband1", "&Alexanders bånd", "",
     "Alexanders mørke bånd og farvesammensætning af vivarnorne", 8},
    {"Vivarnonsfarver1", "Vivarnons &Farver", "", "Vivarnons farver og lysets vinkelfordeling", 9},
    {"Youngsinterferens1", "&Youngs interferens", "",
     "Youngs interferens af vinkelret polariseret lys", 10},
    {"VivarnonsPolarisation1", "Vivarnons &Polarisation", "",
     "Polarisation og intensitet af det spredte lys i vivarnon", 11},
    {"Polarisationogfarver1", "Polarisation &og farver", "",
     "Intensitestfordeling for vinkelt og parallelt polariseret lys", 12},
};

constexpr MenuItemDef kVis[] = {
    {"Vistabel1", "Vis &Tabel", "Ctrl+T", "Vis tabel med beregningsresultater", 0, MC::ShowTable},
    {"Vismemo1", "Vis &Memo", "Ctrl+M", "Vis memo med hjælpetekst", 0, MC::ShowMemo},
    {"Hjalpemarker1", "&Hjælpemærker", "F2", "Buer, streger ..., som markerer en pointe", 0,
     MC::F2},
    {"Indfaldslodder1", "&Indfaldslodder", "F3",
     "Indfaldslodder, gør det lettere at aflæse indfaldsvinkel og brydningsvinkel", 0, MC::F3},
    {"Koordinatakser1", "&Koordinatakser", "F4",
     "Koordinatakser indtegnes, letter aflæsning af indfaldsparameter", 0, MC::F4},
    {"Rodstrale1", "&Rød stråle", "F5",
     "Strålen, hvor vivarnovinklen er maksimal/minimal. Ved denne vinkel ses vivarnon.", 0, MC::F5},
    {"Straler1", "&Stråler", "F6", "Strålebundt, vinkelmåler, målebånd... afhænger af menupunkt.",
     0, MC::F6},
    {"N5", "-"},
    {"KOR1", "Kør", "Ctrl+K", "Start / stop animation", 0, MC::Run},
    {"Frem1", "Frem", "Ctrl+F", "Kør et billede frem", 0, MC::Step},
    {"Slowmotion1", "Slo&wmotion", "Ctrl+W",
     "Slowmotion skifter fra 20 billeder i sekundet til 5 billeder i sekundet.", 0, MC::SlowMotion},
};

constexpr MenuItemDef kHjalp[] = {
    {"Hjemmeside1", "&Hjemmeside", "", "Vivarnons hjemmeside på internettet", 0, MC::HomePage},
    {"N6", "-"},
    {"Omvivarnon1", "&Om vivarnon", "", "Programmets versionsnummer", 0, MC::About},
};

constexpr MenuDef kMainMenu[] = {
    {"Filer1", "&Filer", "Udskriv graf, Kopi graf til windows klippebord...", false, kFiler},
    {"Bolgelare1", "&Bølgelære", "Simuler interferens, brydningsloven, gitter,....", true,
     kBolgelare},
    {"Farver1", "&Farver", "", true, kFarver},
    {"Optik1", "&Optik", "", true, kOptik},
    {"Simuler1", "&Vivarnon", "Simuler forskellige billeder af vivarnons teori", true, kSimuler},
    {"Vis1", "&Vis", "Vis tabel med data , vis Memo med vejledning", false, kVis},
    {"Hjalp1", "&Hjælp...", "Online hjælp til vivarnon", false, kHjalp},
};

}  // namespace

const CatalogueEntry* FindSimulation(std::uint16_t n) {
    if (n >= kSlots || kCatalogue[n].Number == 0) return nullptr;
    return &kCatalogue[n];
}

std::span<const MenuDef> MainMenu() {
    return kMainMenu;
}

}  // namespace viv
