// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/language.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/control_readout.h"
#include "test_host.h"

namespace viv {
namespace {

// The English catalogue the build compiles beside the program.
std::string EnglishCatalogue() {
    return (std::filesystem::path(VIV_BINARY).parent_path() / EnglishCatalogueName).string();
}

std::vector<std::string> Cells(const ResultsTable& table) {
    std::vector<std::string> cells;
    for (int r = 0; r < table.RowCount(); ++r)
        for (int c = 0; c < table.ColCount(); ++c) cells.push_back(table.Cell(c, r));
    return cells;
}

TEST(Language, EnglishAndBackGivesEverySimulationItsDanishPictureAndTable) {
    test::StartedApp s;
    ASSERT_TRUE(s.app.English.Load(EnglishCatalogue()));
    int changed = 0;
    for (std::uint16_t n : s.app.catalogue().Numbers()) {
        if (n == StartPicture) continue;
        s.app.MenuEntry(n);
        s.app.FKeyClick(FKey::F3);
        const QImage danish = s.picture().Image().copy();
        const std::vector<std::string> cells = Cells(s.app.Table);
        s.app.SetLanguage(Language::English);
        changed += s.picture().Image() != danish ? 1 : 0;
        s.app.SetLanguage(Language::Danish);
        EXPECT_EQ(s.picture().Image(), danish) << n;
        EXPECT_EQ(Cells(s.app.Table), cells) << n;
    }
    // Most pictures carry words, and those come out in English.
    EXPECT_GE(changed, 20);
}

// Every text a simulation shows, composed or not, comes out without a Danish letter: the
// window's caption and legend, the buttons, the controls' names and hints, the panels and
// the table, with every toggle up and down.
TEST(Language, EverySimulationsShownTextsReadInEnglish) {
    test::StartedApp s;
    ASSERT_TRUE(s.app.English.Load(EnglishCatalogue()));
    s.app.SetLanguage(Language::English);
    const auto danishIn = [&s](const std::string& text) {
        const std::string shown(s.app.Words(text));
        return shown.find_first_of("æøåÆØÅ") != std::string::npos ? shown : std::string();
    };
    std::vector<std::string> untranslated;
    for (std::uint16_t n : s.app.catalogue().Numbers()) {
        s.app.MenuEntry(n);
        for (int round = 0; round < 2; ++round) {
            const MainWindowModel& w = s.app.Window;
            std::vector<std::string> texts = {w.Caption, w.ButtonPanelCaption, w.Panel1, w.Panel2,
                                              w.Panel3,  w.MessagePanel};
            for (const ToolButton* b :
                 {&w.RunButton, &w.SlowMotionButton, &w.StepButton, &w.F2Button, &w.F3Button,
                  &w.F4Button, &w.F5Button, &w.F6Button})
                texts.insert(texts.end(), {b->Caption, b->Hint});
            for (const Control c : AllControls) {
                texts.push_back(w.Of(c).Hint);
                texts.push_back(ControlValue(w, c));
                const std::string name = ControlName(w, c, s.app.PictureWords());
                if (name.find_first_of("æøåÆØÅ") != std::string::npos) untranslated.push_back(name);
            }
            for (const std::string& cell : Cells(s.app.Table)) texts.push_back(cell);
            for (const std::string& text : texts)
                if (const std::string left = danishIn(text); !left.empty())
                    untranslated.push_back(std::to_string(n) + ": " + left);
            for (const FKey k : AllFKeys) s.app.FKeyClick(k);
        }
    }
    std::sort(untranslated.begin(), untranslated.end());
    untranslated.erase(std::unique(untranslated.begin(), untranslated.end()), untranslated.end());
    EXPECT_TRUE(untranslated.empty()) << ::testing::PrintToString(untranslated);
}

TEST(Language, TablesOfTheDropTheSpectrumAndTheSpringReadInEnglishWithDecimalPoints) {
    test::StartedApp s("/nonexistent-vivarnon-dir");
    ASSERT_TRUE(s.app.English.Load(EnglishCatalogue()));
    s.app.SetLanguage(Language::English);
    const struct {
        std::uint16_t Simulation;
        int Col, Row;
        std::string English;
    } cases[] = {
        {7, 0, 1, " refractive index, n"},
        {7, 1, 1, " 1.334"},
        {7, 0, 2, " wavelength/nm, green"},
        {7, 0, 6, " angle of incidence i/°"},
        {18, 0, 0, "The hydrogen spectrum"},
        {18, 0, 1, " distance to grating"},
        {18, 2, 2, "486.13"},
        {36, 0, 0, "Oscillating spring"},
        {36, 0, 3, " spring constant k/ N/m,"},
        {36, 1, 3, "10.0"},
    };
    for (const auto& c : cases) {
        s.app.MenuEntry(c.Simulation);
        EXPECT_EQ(s.app.Words(s.app.Table.Cell(c.Col, c.Row)), c.English) << c.Simulation;
    }
    for (std::uint16_t n : {7, 18, 36}) {
        s.app.MenuEntry(n);
        for (const std::string& cell : Cells(s.app.Table)) {
            const std::string shown(s.app.Words(cell));
            EXPECT_EQ(shown.find_first_of("æøåÆØÅ"), std::string::npos) << n << ": " << shown;
        }
        // Copied and saved as shown: English words, decimal points.
        const std::string copied =
            s.app.ShownTable().CopyText(s.app.State.ListSeparator, s.app.State.DecimalSeparator);
        EXPECT_NE(copied.find('.'), std::string::npos) << n;
        EXPECT_EQ(copied.find_first_of("æøåÆØÅ"), std::string::npos) << n << ": " << copied;
    }
    EXPECT_EQ(s.app.State.DecimalSeparator, '.');
}

}  // namespace
}  // namespace viv
