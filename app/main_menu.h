// The main menu as data: the menu tree the window builds, with each entry's caption,
// shortcut, hint and the simulation or command it stands for.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace viv {

// --- The main menu ---

enum class MenuCommand : std::uint8_t {
    None,          // a simulation entry (see MenuItemDef::Simulation) or a separator
    PrintPicture,  // "Udskriv &Graf..."
    PrintData,     // "Udskriv &Data"
    PrintTable,    // "Udskriv &Tabel"
    CopyBitmap,    // "Kopi som &Bitmap"
    CopyMetafile,  // "Kopi som &Metafile"
    Exit,          // "&Afslut"
    ShowTable,     // "Vis &Tabel"
    ShowMemo,      // "Vis &Memo"
    F2, F3, F4, F5, F6,
    Run,         // "Kør"
    Step,        // "Frem"
    SlowMotion,  // "Slo&wmotion"
    HomePage,
    About,       // "&Om vivarnon"
    Help,        // the program's help
    SavePicture,  // "&Gem billede..."
    SaveTable,    // "Gem &tabel..."
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

struct MenuDef {
    std::string_view Name;
    std::string_view Caption;
    std::string_view Hint;
    bool ClearsLegend = false;  // the subject menus
    std::span<const MenuItemDef> Items;
};

std::span<const MenuDef> MainMenu();

// The home page the help menu opens.
constexpr std::string_view HomePageAddress = "https://vivarnon.dk/";

}  // namespace viv
