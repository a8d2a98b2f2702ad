// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The table and the memo window in the program's language: a change of language shows at
// their next sync, words, numbers, menus and guidance alike, and back again.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QTextCursor>
#include <QTextEdit>
#include <filesystem>

#include "app/memo_text.h"
#include "test_host.h"
#include "windows/memo_window.h"
#include "windows/results_grid.h"
#include "windows/table_window.h"

namespace viv {
namespace {

TEST(WindowLanguage, TableAndMemoSwitchToEnglishAndBack) {
    test::StartedApp started{VIV_SOURCE_DIR "/data"};
    App& app = started.app;
    ASSERT_TRUE(app.English.Load(
        (std::filesystem::path(VIV_BINARY).parent_path() / EnglishCatalogueName).string()));
    TableWindow table{app};
    MemoWindow memo{app};
    app.MenuEntry(7);
    app.State.DecimalSeparator = ',';  // a Danish system's; English shows a point

    const struct {
        Language Shown;
        QString Title, RowHeader, Value, TableMenu, MemoMenu;
    } cases[] = {
        {Language::Danish, "Spredning i en dråbe", " brydningsindex, n", " 1,334", "R&ediger",
         "&Rediger"},
        {Language::English, "Scattering in a drop", " refractive index, n", " 1.334", "&Edit",
         "&Edit"},
        {Language::Danish, "Spredning i en dråbe", " brydningsindex, n", " 1.334", "R&ediger",
         "&Rediger"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(LanguageCode(c.Shown).data());
        app.SetLanguage(c.Shown);
        table.SyncFromModel();
        memo.SyncFromModel();
        EXPECT_EQ(table.windowTitle(), c.Title);
        EXPECT_EQ(table.Grid()->Cell(0, 1), c.RowHeader);
        EXPECT_EQ(table.Grid()->Cell(1, 1), c.Value);
        EXPECT_EQ(table.MainMenu()->actions().at(1)->text(), c.TableMenu);
        EXPECT_EQ(memo.MainMenu()->actions().at(0)->text(), c.MemoMenu);
        table.SelectAllCells();
        table.CopyTable();
        EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(c.RowHeader));

        // The guidance of the language, with simulation 7's heading selected in it.
        const GuidanceFile guidance =
            ReadGuidanceFile(GuidancePath(app.State.StartDirectory, c.Shown));
        ASSERT_TRUE(guidance.Document.has_value());
        EXPECT_EQ(memo.TextView()->toPlainText().toStdString(), guidance.Document->PlainText());
        std::u32string heading = app.Memo.Headings.at(7);
        heading.pop_back();  // the ":" is not selected
        EXPECT_EQ(memo.TextView()->textCursor().selectedText(),
                  QString::fromUcs4(heading.data(), static_cast<qsizetype>(heading.size())));
    }
    // No row header is cut, in any simulation, in either language: its column grows.
    for (const Language language : {Language::Danish, Language::English}) {
        app.SetLanguage(language);
        for (const std::uint16_t n : app.catalogue().Numbers()) {
            app.MenuEntry(n);
            table.SyncFromModel();
            const ResultsGrid& grid = *table.Grid();
            for (int r = 0; r < grid.RowCount(); ++r)
                EXPECT_LE(grid.fontMetrics().horizontalAdvance(grid.Cell(0, r)), grid.ColWidth(0))
                    << n << " " << grid.Cell(0, r).toStdString();
        }
    }
}

}  // namespace
}  // namespace viv
