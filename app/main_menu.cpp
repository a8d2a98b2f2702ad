// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The main menu: every menu of the menu bar with its entries, as data.
#include "app/main_menu.h"

#include <algorithm>
#include <optional>
#include <span>

#include "app/catalogue.h"

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

// Each language named in itself, so that a reader of either finds it.
constexpr MenuItemDef kSprog[] = {
    {"DanishItem", "&Dansk", "", "Programmet på dansk", 0, MC::Danish},
    {"EnglishItem", "&English", "", "Programmet på engelsk", 0, MC::English},
};

constexpr MenuItemDef kHjalp[] = {
    {"Indhold1", "&Indhold", "F1", "Vivarnons hjælp: simulationerne, menuerne og udskrift", 0,
     MC::Help},
    {"Hjemmeside1", "&Hjemmeside", "", "Vivarnons hjemmeside på internettet", 0, MC::HomePage},
    {"N6", "-"},
    {"Omvivarnon1", "&Om Vivarnon", "", "Programmets versionsnummer", 0, MC::About},
};

// A menu of the menu bar: its own items, or (a subject menu) the entries of the
// catalogue's rows that name it.
struct MenuBarRow {
    std::string_view Name;
    std::string_view Caption;
    std::string_view Hint;
    std::span<const MenuItemDef> Items{};
    std::optional<SubjectMenu> Subject{};
};

constexpr MenuBarRow kMainMenu[] = {
    {"Filer1", "&Filer", "Gem, udskriv og kopiér grafen...", kFiler},
    {"Bolgelare1",
     "&Bølgelære",
     "Simuler interferens, brydningsloven, gitter,....",
     {},
     SubjectMenu::Waves},
    {"Farver1", "F&arver", "", {}, SubjectMenu::Colours},
    {"Optik1", "&Optik", "", {}, SubjectMenu::Optics},
    {"Simuler1",
     "&Vivarnon",
     "Simuler forskellige billeder af vivarnons teori",
     {},
     SubjectMenu::Rainbow},
    {"Vis1", "V&is", "Vis tabel med data , vis Memo med vejledning", kVis},
    {"Sprog1", "&Sprog / Language", "Programmets sprog: dansk eller engelsk", kSprog},
    {"Hjalp1", "&Hjælp...", "Online hjælp til vivarnon", kHjalp},
};

// The entries of the rows in `subject`, in the order of their places, each after the
// separator it asks for.
std::vector<MenuItemDef> SubjectItems(const Catalogue& catalogue, SubjectMenu subject) {
    std::vector<const CatalogueEntry*> rows;
    for (const std::uint16_t n : catalogue.Numbers()) {
        const CatalogueEntry* e = catalogue.Find(n);
        if (n != StartPicture && e->Menu.In == subject) rows.push_back(e);
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const CatalogueEntry* a, const CatalogueEntry* b) {
                         return a->Menu.Place < b->Menu.Place;
                     });
    std::vector<MenuItemDef> items;
    for (const CatalogueEntry* e : rows) {
        const SimulationMenuItem& m = e->Menu;
        if (!m.SeparatorBefore.empty())
            items.push_back({.Name = m.SeparatorBefore, .Caption = "-"});
        items.push_back({.Name = m.Name,
                         .Caption = m.Caption,
                         .Hint = m.Hint,
                         .Simulation = e->Number,
                         .Hidden = m.Hidden});
    }
    return items;
}

}  // namespace

std::vector<MenuDef> MainMenu(const Catalogue& catalogue) {
    std::vector<MenuDef> menus;
    for (const MenuBarRow& row : kMainMenu) {
        menus.push_back(
            {.Name = row.Name,
             .Caption = row.Caption,
             .Hint = row.Hint,
             .ClearsLegend = row.Subject.has_value(),
             .Items = row.Subject ? SubjectItems(catalogue, *row.Subject)
                                  : std::vector<MenuItemDef>(row.Items.begin(), row.Items.end())});
    }
    return menus;
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
