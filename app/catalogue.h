// The catalogue of simulations and the main menu, as data: what each menu entry sets
// up, and the menu tree the window builds from it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "app/app.h"

namespace viv {

// Header text standing for the window caption.
constexpr std::string_view CaptionHeader = "\x01" "caption";

struct TableSetup {
    std::uint16_t Rows = 0;    // 0: the menu entry sets up no table
    std::uint16_t Columns = 2;  // 3 or 2
    bool Message = false;       // " Se flere data i tabellen."
};

struct CatalogueEntry {
    std::uint16_t Number = 0;
    std::string_view Caption{};  // the window caption; empty leaves it unchanged
    TableSetup Table{};
    // Row 0: columns 0, 1, 2 (CaptionHeader for the window caption; empty for none).
    std::array<std::string_view, 3> ColumnHeaders{};
    // Column 0 from row 1 on.
    std::span<const std::string_view> RowHeaders{};
    std::uint16_t Mask = 0;  // the ConfigureButtons argument
    // The menu entry's own start values, before SelectSimulation.
    void (*BeforeSelect)(App&) = nullptr;
    // After SelectSimulation and the caption, before the table.
    void (*AfterSelect)(App&) = nullptr;
    // After the table is set up and its headers written.
    void (*AfterTable)(App&) = nullptr;
    DrawRoutine Draw = nullptr;  // nullptr: not drawn yet, the picture stays white
    bool HideScrollBar1 = false;  // hidden before SelectSimulation (21, 31, 32)
    // The simulation's own response to the mouse moving over the picture (17, 18, 31,
    // 32); nullptr: none.
    void (*Mouse)(App&, TCanvas&) = nullptr;
};

// The entry of simulation n, or nullptr for numbers that are no simulation (13, > 43).
const CatalogueEntry* FindSimulation(std::uint16_t n);

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
