// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The main menu: every menu of the menu bar with its entries, as data.
#include "app/main_menu.h"

namespace viv {

namespace {

// --- The main menu ---

using MC = MenuCommand;

constexpr MenuItemDef kFiler[] = {
    {"Gembillede1", "&Gem billede...", "Ctrl+S",
     "Gem grafen som billedfil: PNG (som på skærmen), SVG eller PDF (vektorgrafik)", 0,
     MC::SavePicture},
    {"Gemtabel1", "Gem ta&bel...", "", "Gem data i Tabellen som CSV-fil til regneark", 0,
     MC::SaveTable},
    {"N0", "-"},
    {"Udskrivgraf1", "Udskriv G&raf...", "Ctrl+P",
     "Udskriv graf på printer, Vinkeltro udskrift anbefalses", 0, MC::PrintPicture},
    {"PrintDataItem", "Udskriv &Data", "",
     "Udskriv »sildeben« hørende til graf. (Menupunktet kan kun vælges for nogle simulationer)", 0,
     MC::PrintData},
    {"PrintTableItem", "Udskriv &Tabel", "",
     "Udskriv data i Tabellen. (samme udskrift kan vælges i tabellen)", 0, MC::PrintTable},
    {"N1", "-"},
    {"Copy1", "Kopiér som b&illede", "Ctrl+C", "Kopiér grafen som billede til udklipsholderen", 0,
     MC::CopyBitmap},
    {"Kopisommetafile1", "Kopiér som &vektorgrafik", "",
     "Kopiér grafen som vektorgrafik (SVG, med et billede ved siden af) til udklipsholderen", 0,
     MC::CopyMetafile},
    {"N2", "-"},
    {"exit1", "&Afslut", "Ctrl+Q", "Afslut program", 0, MC::Exit},
};

constexpr MenuItemDef kBolgelare[] = {
    {"Brydning1", "&Brydning", "",
     "Brydning, et computerforsøg, mål indfaldsvinkel og brydningsvinkel", 2},
    {"Brydningsloven1", "Brydnings&loven", "",
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
    {"Linsesystemer1", "Linses&ystemer", "", "system af to linser, bestemmelse af brændvidde", 25},
    {"Spejlbilledet1", "&Spejlbillede", "", "Billeddannelse i hulspejl", 28},
    {"Hulspejlet1", "&Hulspejl", "", "Hulspejlet og dets egenskaber", 27},
    {"Parabolen1", "P&arabol", "", "Parabolen og dens egenskaber", 29},
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
    {"ShowTableItem", "Vis &Tabel", "Ctrl+T", "Vis tabel med beregningsresultater", 0,
     MC::ShowTable},
    {"ShowMemoItem", "Vis &Memo", "Ctrl+M", "Vis memo med hjælpetekst", 0, MC::ShowMemo},
    {"HelperMarksItem", "&Hjælpemærker", "F2", "Buer, streger ..., som markerer en pointe", 0,
     MC::F2},
    {"NormalsItem", "&Indfaldslodder", "F3",
     "Indfaldslodder, gør det lettere at aflæse indfaldsvinkel og brydningsvinkel", 0, MC::F3},
    {"AxesItem", "&Koordinatakser", "F4",
     "Koordinatakser indtegnes, letter aflæsning af indfaldsparameter", 0, MC::F4},
    {"RedRayItem", "&Rød stråle", "F5",
     "Strålen, hvor vivarnovinklen er maksimal/minimal. Ved denne vinkel ses vivarnon.", 0, MC::F5},
    {"RaysItem", "&Stråler", "F6", "Strålebundt, vinkelmåler, målebånd... afhænger af menupunkt.",
     0, MC::F6},
    {"N5", "-"},
    {"RunItem", "K&ør", "Ctrl+K", "Start / stop animation", 0, MC::Run},
    {"StepItem", "Fr&em", "Ctrl+F", "Kør et billede frem", 0, MC::Step},
    {"SlowMotionItem", "&Langsomt", "Ctrl+W",
     "Langsomt skifter fra 20 billeder i sekundet til 5 billeder i sekundet.", 0, MC::SlowMotion},
    {"N7", "-"},
    {"SmoothItem", "Glat tegni&ng", "",
     "Glatte linjer og tekst: billedet tegnes større og vises formindsket", 0, MC::Smooth},
    {"ZoomInItem", "&Zoom ind", "Ctrl++", "Større linjer, tekst og pile i billedet", 0, MC::ZoomIn},
    {"ZoomOutItem", "Zoom &ud", "Ctrl+-", "Mindre linjer, tekst og pile i billedet", 0,
     MC::ZoomOut},
    {"ZoomResetItem", "F&jern zoom", "Ctrl+0", "Linjer, tekst og pile i normal størrelse", 0,
     MC::ZoomReset},
    {"PresentationItem", "Pr&æsentation", "F11",
     "Fuld skærm med stor tekst til tavle og projektor; Esc går tilbage", 0, MC::Presentation},
};

constexpr MenuItemDef kHjalp[] = {
    {"Indhold1", "&Indhold", "F1", "Vivarnons hjælp: simulationerne, menuerne og udskrift", 0,
     MC::Help},
    {"Hjemmeside1", "&Hjemmeside", "", "Vivarnons hjemmeside på internettet", 0, MC::HomePage},
    {"N6", "-"},
    {"Omvivarnon1", "&Om Vivarnon", "", "Programmets versionsnummer", 0, MC::About},
};

constexpr MenuDef kMainMenu[] = {
    {"Filer1", "&Filer", "Gem, udskriv og kopiér grafen...", false, kFiler},
    {"Bolgelare1", "&Bølgelære", "Simuler interferens, brydningsloven, gitter,....", true,
     kBolgelare},
    {"Farver1", "F&arver", "", true, kFarver},
    {"Optik1", "&Optik", "", true, kOptik},
    {"Simuler1", "&Vivarnon", "Simuler forskellige billeder af vivarnons teori", true, kSimuler},
    {"Vis1", "V&is", "Vis tabel med data , vis Memo med vejledning", false, kVis},
    {"Hjalp1", "&Hjælp...", "Online hjælp til vivarnon", false, kHjalp},
};

}  // namespace

std::span<const MenuDef> MainMenu() {
    return kMainMenu;
}

std::string_view MnemonicOf(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        std::size_t length = 1;
        const auto lead = static_cast<unsigned char>(caption[i + 1]);
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        return caption.substr(i + 1, length);
    }
    return {};
}

}  // namespace viv
