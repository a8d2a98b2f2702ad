// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The catalogue of simulations and the main menu: what each menu entry sets up.
#include "app/catalogue.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "library/canvas/raster_canvas.h"
#include "sims/optics/optics_choice.h"
#include "sims/rainbow/rainbow_state.h"
#include "sims/simulations.h"
#include "test_host.h"

namespace viv {
namespace {

// The numbers there are come from the rows; numbers of the states that are no simulation
// are refused.
TEST(Catalogue, NumbersComeFromItsRows) {
    Catalogue c;
    const CatalogueEntry rows[] = {{.Number = 5}, {.Number = 2}, {.Number = LeavingStartPicture}};
    c.Add(rows);
    EXPECT_EQ(c.Numbers(), (std::vector<std::uint16_t>{1, 2, 5}));
    EXPECT_EQ(c.Largest(), 5);
    EXPECT_EQ(c.NumbersText(), "1..5, not 3, 4");
    for (const long n : {-1L, 0L, 3L, 6L, 99L, 100L, 65537L}) EXPECT_FALSE(c.Has(n)) << n;
    EXPECT_TRUE(c.Has(1));
    EXPECT_EQ(AllSimulations().NumbersText(), "1..43, not 13");
}

// Every row: chosen from its menu entry, it draws a picture of its own (not the white of
// a cleared picture, not the start picture) and leaves every shown control within its
// range; its own start positions lie in their ranges (the panel would clamp them unseen);
// its table's headers fit; its menu letter is its own within its menu.
TEST(Catalogue, EveryRowDrawsStartsInRangeAndHasItsOwnMenuLetter) {
    test::StartedApp s;
    const QImage start = s.picture().Image().copy();
    for (const std::uint16_t n : AllSimulations().Numbers()) {
        if (n == StartPicture) continue;
        SCOPED_TRACE(n);
        const CatalogueEntry& e = *AllSimulations().Find(n);
        if (e.Table.Rows > 0) {
            EXPECT_TRUE(e.Table.Columns == 2 || e.Table.Columns == 3);
            EXPECT_LE(e.RowHeaders.size() + 1, e.Table.Rows);
        }
        if (e.ScrollBar1 && e.ScrollBar1->Rule == ScrollRule::Fixed) {
            EXPECT_LE(e.ScrollBar1->Min, e.ScrollBar1->Position);
            EXPECT_LE(e.ScrollBar1->Position, e.ScrollBar1->Max);
        }
        if (e.TrackBar1 && e.TrackBar1->From == PositionFrom::Fixed) {
            EXPECT_LE(1, e.TrackBar1->Position);
            EXPECT_LE(e.TrackBar1->Position, e.TrackBar1->Max);
        }
        if (e.TrackBar2 && e.TrackBar2->From == PositionFrom::Fixed) {
            EXPECT_LE(e.TrackBar2->Min, e.TrackBar2->Position);
            EXPECT_LE(e.TrackBar2->Position, e.TrackBar2->Max);
        }
        s.app.MenuEntry(n);
        const QImage& picture = s.picture().Image();
        EXPECT_NE(picture, start);
        bool drawn = false;
        for (int y = 0; y < picture.height() && !drawn; ++y)
            for (int x = 0; x < picture.width() && !drawn; ++x)
                drawn = (picture.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu;
        EXPECT_TRUE(drawn);
        for (const Control c : AllControls) {
            const RangeControl& control = s.app.Window.Of(c);
            if (!control.Visible) continue;
            EXPECT_LE(control.Min, control.Position);
            EXPECT_LE(control.Position, control.Max);
        }
    }
    for (const MenuDef& menu : MainMenu(AllSimulations())) {
        if (!menu.ClearsLegend) continue;
        std::map<std::string, std::string_view> letters;
        for (const MenuItemDef& item : menu.Items) {
            if (item.Caption == "-" || item.Hidden) continue;
            std::string letter(MnemonicOf(item.Caption));
            for (char& c : letter)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            EXPECT_FALSE(letter.empty()) << item.Caption;
            const auto [at, fresh] = letters.emplace(letter, item.Caption);
            EXPECT_TRUE(fresh) << item.Caption << " and " << at->second << " in " << menu.Caption;
        }
    }
}

TEST(MenuEntry, WritesCaptionTableShapeAndHeaders) {
    test::StartedApp s;
    App& app = s.app;
    app.MenuEntry(2);
    EXPECT_EQ(app.Window.Caption, "Brydning i vand");
    EXPECT_EQ(app.Table.RowCount(), 5);
    EXPECT_EQ(app.Table.ColCount(), 2);
    EXPECT_EQ(app.Table.Cell(0, 0), "Brydning i vand");
    EXPECT_EQ(app.Table.Cell(0, 1), " brydningsindex, n");
    // The header as the menu entry writes it, with the colour the simulation adds.
    EXPECT_EQ(app.Table.Cell(0, 2), " bølgelængde/nm, grøn");
    EXPECT_EQ(app.Table.Cell(0, 4), " brydningsvinkel b/°");
    EXPECT_EQ(app.Window.MessagePanel, " Se flere data i tabellen.");

    app.MenuEntry(4);
    EXPECT_EQ(app.Table.ColCount(), 3);
    EXPECT_EQ(app.Table.Cell(0, 0), "Polarisation i vand");
    EXPECT_EQ(app.Table.Cell(1, 0), "vinkelret");
    EXPECT_EQ(app.Table.Cell(2, 0), "parallelt");
    EXPECT_EQ(app.Table.Cell(0, 7), " lys spejlet");

    app.MenuEntry(9);
    EXPECT_EQ(app.Table.RowCount(), 10);
    EXPECT_EQ(app.Table.Cell(0, 0), " 40000 stråler mod en dråbe:");
    EXPECT_EQ(app.Table.Cell(0, 9), " antal N");
}

TEST(MenuEntry, TableCaptionFollowsTheWindowCaption) {
    test::StartedApp s;
    s.app.MenuEntry(7);
    EXPECT_EQ(s.app.Table.Caption, "Spredning i en dråbe");
    s.app.MenuEntry(38);
    EXPECT_EQ(s.app.Window.Caption, "Stående bølger");
    EXPECT_EQ(s.app.Table.Caption, "Stående bølger");
    EXPECT_EQ(s.app.Table.RowCount(), 3);
    EXPECT_EQ(s.app.Table.Cell(0, 0), "");
    EXPECT_EQ(s.app.Window.MessagePanel, "");
}

TEST(MenuEntry, SheetOfLensesKeepsCaptionAndTable) {
    test::StartedApp s;
    App& app = s.app;
    app.MenuEntry(7);
    app.Table.SetCell(1, 4, "0.86");
    app.MenuEntry(30);
    EXPECT_EQ(app.State.CurrentSimulation, 30);
    EXPECT_EQ(app.Window.Caption, "Spredning i en dråbe");
    EXPECT_EQ(app.Table.RowCount(), 8);
    EXPECT_EQ(app.Table.Cell(0, 0), " Primær vivarno:");
    EXPECT_EQ(app.Table.Cell(1, 4), "0.86");
    EXPECT_EQ(app.Window.ShownButtons, Buttons::None);
}

TEST(MenuEntry, EntriesWithoutTableKeepThePreviousOne) {
    test::StartedApp s;
    s.app.MenuEntry(23);
    for (std::uint16_t n : {40, 42, 43}) {
        s.app.MenuEntry(n);
        EXPECT_EQ(s.app.Table.RowCount(), 8) << n;
        EXPECT_EQ(s.app.Table.Cell(1, 0), "blå") << n;
    }
    EXPECT_EQ(s.app.Window.Caption, "Jakobsstav");
}

TEST(MenuEntry, CellsWrittenAfterTheTable) {
    test::StartedApp s;
    App& app = s.app;
    app.MenuEntry(15);
    EXPECT_EQ(app.Table.Cell(0, 0), "refleksion og transmision");
    EXPECT_EQ(app.Table.Cell(1, 5), "486.1");
    EXPECT_EQ(app.Window.Panel3, "Ved 20°C og 486.1 nm");
    EXPECT_EQ(app.State.AnimationStep, 25);

    app.MenuEntry(18);
    EXPECT_EQ(app.Table.Cell(0, 0), "Hydrogenspektret");
    EXPECT_EQ(app.Table.Cell(1, 0), "");
    EXPECT_EQ(app.Table.Cell(2, 0), "lambda/nm");
    EXPECT_EQ(app.Table.Cell(1, 1), "0.8");
    EXPECT_EQ(app.Table.Cell(0, 1), " afstand til gitter");
}

TEST(MenuEntry, IncidenceStartValues) {
    test::StartedApp s;
    App& app = s.app;
    app.MenuEntry(2);
    EXPECT_EQ(app.State.IncidenceMax, 90);
    EXPECT_EQ(app.State.IncidenceValue, 45);
    EXPECT_EQ(app.Window.ScrollBar1.Position, 45);

    app.MenuEntry(7);
    EXPECT_EQ(app.Sims.Get<RainbowState>().RaySteps, 100);
    EXPECT_EQ(app.Sims.Get<RainbowState>().RayStep, 50);

    app.MenuEntry(10);
    EXPECT_EQ(app.Sims.Get<RainbowState>().RaySteps, 800);
    EXPECT_EQ(app.Sims.Get<RainbowState>().RayStep, 750);

    app.MenuEntry(11);
    EXPECT_EQ(app.Sims.Get<RainbowState>().RaySteps, 100);
    EXPECT_EQ(app.Sims.Get<RainbowState>().RayStep, 33);
    EXPECT_EQ(app.Window.ScrollBar1.Max, 100);
    EXPECT_EQ(app.Window.ScrollBar1.Position, 67);
}

TEST(MenuEntry, SharedStartValuesAreWrittenOnEveryVisit) {
    test::StartedApp s;
    App& app = s.app;
    app.State.RayDirection = 2;
    app.MenuEntry(4);
    EXPECT_EQ(app.State.RayDirection, 1);

    app.State.ScatterAngle = 60;
    app.MenuEntry(9);
    EXPECT_EQ(app.State.ScatterAngle, 25);
    EXPECT_EQ(app.Window.ScrollBar1.Position, 154);

    // The prism's substance and the ice crystal's wavelength are no colour: the colour
    // the rainbow simulations share stays as it was.
    const int colour = app.State.CurrentColour;
    app.MenuEntry(26);
    EXPECT_EQ(app.Sims.Get<OpticsChoice>().Substance, 3);
    EXPECT_EQ(app.Window.TrackBar1.Position, 3);
    app.MenuEntry(41);
    EXPECT_EQ(app.Sims.Get<OpticsChoice>().IceWavelength, 1);
    EXPECT_EQ(app.State.CurrentColour, colour);
    EXPECT_EQ(app.Window.TrackBar1.Max, 3);

    app.MenuEntry(14);
    EXPECT_EQ(app.State.AnimationStep, 190);
    for (std::uint16_t n : {16, 17, 19, 35, 37, 38, 39, 40}) {
        app.State.AnimationStep = 1234;
        app.MenuEntry(n);
        EXPECT_EQ(app.State.AnimationStep, 0) << n;
    }
}

TEST(MenuEntry, SpringStartsAtTheClocksTime) {
    test::StartedApp s;
    s.host.now = 987654;
    s.app.MenuEntry(36);
    EXPECT_EQ(s.app.State.AnimationStep, 987654);
}

TEST(MenuEntry, DropStartsWithThePrimaryBowOnItsTrackBar) {
    test::StartedApp s;
    App& app = s.app;
    app.MenuEntry(11);
    app.State.CurrentBow = 2;  // the user chose the secondary bow
    app.ControlChange(Control::TrackBar2, 2);
    for (std::uint16_t n : {7, 8}) {
        app.MenuEntry(n);
        EXPECT_EQ(app.State.CurrentBow, 1) << n;
        EXPECT_EQ(app.Window.TrackBar2.Position, 1) << n;
        app.State.CurrentBow = 2;
        app.Window.TrackBar2.Position = 2;
    }
}

TEST(MenuEntry, ColourLabelsAndStatusTexts) {
    test::StartedApp s;
    App& app = s.app;
    for (std::uint16_t n : {20, 22, 33, 34}) {
        app.MenuEntry(n);
        EXPECT_EQ(app.Window.ScrollBar1Symbol.Caption, "R") << n;
        EXPECT_EQ(app.Window.ScrollBar2Symbol.Caption, "G") << n;
        EXPECT_EQ(app.Window.ScrollBar3Symbol.Caption, "B") << n;
        EXPECT_TRUE(app.Window.ScrollBar2Symbol.Visible) << n;
    }
    app.MenuEntry(6);
    EXPECT_EQ(app.Window.MessagePanel, "");
    EXPECT_EQ(app.Window.Panel2, "");

    // The colour circles ask for the mouse and keep the text after their table is set up.
    for (std::uint16_t n : {31, 32}) {
        app.MenuEntry(7);
        app.MenuEntry(n);
        EXPECT_EQ(app.Window.MessagePanel, "Bevæg musen over figuren") << n;
        EXPECT_FALSE(app.Window.ScrollBar1.Visible) << n;
    }
    app.MenuEntry(21);
    EXPECT_FALSE(app.Window.ScrollBar1.Visible);
}

// --- The main menu ---

const std::vector<MenuDef>& Menus() {
    static const std::vector<MenuDef> menus = MainMenu(AllSimulations());
    return menus;
}

const MenuDef* FindMenu(std::string_view name) {
    for (const MenuDef& m : Menus())
        if (m.Name == name) return &m;
    return nullptr;
}

const MenuItemDef* FindItem(std::string_view name) {
    for (const MenuDef& m : Menus())
        for (const MenuItemDef& item : m.Items)
            if (item.Name == name) return &item;
    return nullptr;
}

TEST(MainMenu, MenusInOrderWithTheSubjectMenusClearingTheLegend) {
    const std::vector<std::pair<std::string_view, bool>> expected = {{"&Filer", false},
                                                                     {"&Bølgelære", true},
                                                                     {"F&arver", true},
                                                                     {"&Optik", true},
                                                                     {"&Vivarnon", true},
                                                                     {"V&is", false},
                                                                     {"&Sprog / Language", false},
                                                                     {"&Hjælp...", false}};
    const auto& menus = Menus();
    ASSERT_EQ(menus.size(), expected.size());
    for (std::size_t i = 0; i < menus.size(); ++i) {
        EXPECT_EQ(menus[i].Caption, expected[i].first);
        EXPECT_EQ(menus[i].ClearsLegend, expected[i].second) << menus[i].Caption;
    }
}

TEST(MainMenu, SeparatorsStandAfterTheirItems) {
    std::vector<std::string_view> before;
    for (const MenuDef& m : Menus())
        for (std::size_t i = 1; i < m.Items.size(); ++i)
            if (m.Items[i].Caption == "-") before.push_back(m.Items[i - 1].Caption);
    EXPECT_EQ(before,
              (std::vector<std::string_view>{
                  "Gem ta&bel...", "Udskriv &Tabel", "Kopiér som &vektorgrafik", "D&opplereffekt",
                  "&Hydrogenspektret", "&Stråler", "&Langsomt", "&Hjemmeside"}));
    const MenuDef* help = FindMenu("Hjalp1");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Items.back().Caption, "&Om Vivarnon");
    EXPECT_EQ(help->Items.back().Command, MenuCommand::About);
    EXPECT_FALSE(help->Items.back().Hint.empty());
}

TEST(MainMenu, ShortcutsCommandsAndHints) {
    const std::vector<std::tuple<std::string_view, std::string_view, MenuCommand>> keys = {
        {"Copy1", "Ctrl+C", MenuCommand::CopyBitmap},
        {"Gembillede1", "Ctrl+S", MenuCommand::SavePicture},
        {"ShowTableItem", "Ctrl+T", MenuCommand::ShowTable},
        {"ShowMemoItem", "Ctrl+M", MenuCommand::ShowMemo},
        {"HelperMarksItem", "F2", MenuCommand::F2},
        {"NormalsItem", "F3", MenuCommand::F3},
        {"AxesItem", "F4", MenuCommand::F4},
        {"RedRayItem", "F5", MenuCommand::F5},
        {"RaysItem", "F6", MenuCommand::F6},
        {"RunItem", "Ctrl+K", MenuCommand::Run},
        {"StepItem", "Ctrl+F", MenuCommand::Step},
        {"SlowMotionItem", "Ctrl+W", MenuCommand::SlowMotion}};
    for (const auto& [name, shortcut, command] : keys) {
        const MenuItemDef* item = FindItem(name);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item->Shortcut, shortcut) << name;
        EXPECT_EQ(item->Command, command) << name;
    }
    const MenuItemDef* drop = FindItem("Draben1");
    ASSERT_NE(drop, nullptr);
    EXPECT_EQ(drop->Caption, "&Dråben");
    EXPECT_EQ(drop->Simulation, 7);
    EXPECT_EQ(drop->Hint,
              "Strålegangen i en regndråbe, minimum og maksimum for spredningsvinklen.");
    EXPECT_EQ(FindItem("PrintDataItem")->Hint,
              "Udskriv »sildeben« hørende til graf. (Menupunktet kan kun vælges for nogle "
              "simulationer)");
    // Menu hints hide the read-out panels: none begins with a blank.
    for (const MenuDef& m : Menus()) {
        EXPECT_FALSE(m.Hint.starts_with(' ')) << m.Name;
        for (const MenuItemDef& item : m.Items)
            EXPECT_FALSE(item.Hint.starts_with(' ')) << item.Name;
    }
}

}  // namespace
}  // namespace viv
