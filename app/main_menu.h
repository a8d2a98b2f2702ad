// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The main menu as data: the menu tree the window builds, with each entry's caption,
// shortcut, hint and the simulation or command it stands for. The subject menus list the
// entries the catalogue's rows give.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace viv {

class Catalogue;

// --- The main menu ---

enum class MenuCommand : std::uint8_t {
    None,          // a simulation entry (see MenuItemDef::Simulation) or a separator
    PrintPicture,  // "Udskriv G&raf..."
    PrintData,     // "Udskriv &Data"
    PrintTable,    // "Udskriv &Tabel"
    CopyBitmap,    // "Kopiér som b&illede"
    CopyMetafile,  // "Kopiér som &vektorgrafik"
    Exit,          // "&Afslut"
    ShowTable,     // "Vis &Tabel"
    ShowMemo,      // "Vis &Memo"
    F2,
    F3,
    F4,
    F5,
    F6,
    Run,         // "Kør"
    Step,        // "Frem"
    SlowMotion,  // "&Langsomt"
    HomePage,
    About,         // "&Om Vivarnon"
    Help,          // the program's help
    SavePicture,   // "&Gem billede..."
    SaveTable,     // "Gem ta&bel..."
    Smooth,        // "Glat tegni&ng"
    ZoomIn,        // "&Zoom ind"
    ZoomOut,       // "Zoom &ud"
    ZoomReset,     // "F&jern zoom"
    Presentation,  // "Pr&æsentation"
    Danish,        // "&Dansk": the program in Danish
    English,       // "&English": the program in English
};

struct MenuItemDef {
    std::string_view Name{};      // the component name, e.g. "Brydning1"
    std::string_view Caption{};   // "-" for a separator
    std::string_view Shortcut{};  // as a key sequence text: "Ctrl+C", "F2"; empty for none
    std::string_view Hint{};
    std::uint16_t Simulation = 0;  // the simulation the entry selects, 0 for a command
    MenuCommand Command = MenuCommand::None;
    bool Hidden = false;
};

// The menus that list simulations.
enum class SubjectMenu : std::uint8_t {
    Waves,    // "&Bølgelære"
    Colours,  // "F&arver"
    Optics,   // "&Optik"
    Rainbow,  // "&Vivarnon"
};

// A simulation's entry in its subject menu, as its catalogue row gives it.
struct SimulationMenuItem {
    SubjectMenu In = SubjectMenu::Waves;
    int Place = 0;               // the entries of a menu stand in the order of their places
    std::string_view Name{};     // the component name, e.g. "Brydning1"
    std::string_view Caption{};  // in Danish, with the "&" before its letter
    std::string_view Hint{};
    bool Hidden = false;
    // The component name of a separator just above the entry ("N3"); empty for none.
    std::string_view SeparatorBefore{};
};

struct MenuDef {
    std::string_view Name{};
    std::string_view Caption{};
    std::string_view Hint{};
    bool ClearsLegend = false;  // the subject menus
    std::vector<MenuItemDef> Items{};
};

// The menu bar: the fixed menus, and in the subject menus the entries of the rows of
// `catalogue`.
std::vector<MenuDef> MainMenu(const Catalogue& catalogue);

// The letter after the "&" of a caption (one UTF-8 character, as written), or "" when the
// caption has none; "&&" is a written ampersand.
std::string_view MnemonicOf(std::string_view caption);

// The home page the help menu opens.
constexpr std::string_view HomePageAddress = "https://vivarnon.dk/";

}  // namespace viv
