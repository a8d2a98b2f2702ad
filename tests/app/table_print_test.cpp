// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The printed table: title line, rows and value columns, page breaks and the print
// offsets of the mapping.
#include "app/table_print.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "recording_canvas.h"
#include "test_host.h"

namespace viv {
namespace {

// The recording canvas measures 6 pixels per byte and 13 pixels of height.
constexpr int LineHeight = 13;
constexpr int ValueEnd = 200 + 2 * 6 * 20;  // "bølgelængde,orange" is 20 bytes
constexpr int ColumnStep = 6 * 12;

class TablePrint : public ::testing::Test {
protected:
    test::StartedApp started;
    App& app = started.app;
    test::RecordingCanvas page{4800, 6600};
    int pages = 1;
    std::vector<std::size_t> pageStarts;  // figures drawn before each new page

    std::function<bool()> NewPage() {
        return [this] {
            pageStarts.push_back(page.figures.size());
            ++pages;
            return true;
        };
    }
    void Table(int rows, int columns) {
        app.Window.Caption = "Regnbuen";
        app.SetupTable(rows, columns, false);
        for (int r = 0; r < rows; ++r) app.Table.SetCell(0, r, "række " + std::to_string(r));
    }
};

TEST_F(TablePrint, TitleLineAndRows) {
    Table(3, 3);
    app.Table.SetCell(1, 0, " n");
    app.Table.SetCell(1, 1, "   1.333");
    app.Table.SetCell(2, 1, "41.2");
    ASSERT_TRUE(PrintResultsTable(app, page, 6600, "Klasse 2a", NewPage()));

    const auto texts = page.Of("text");
    ASSERT_EQ(texts.size(), 1u + 3u * 3u);
    EXPECT_EQ(texts[0].text, "Klasse 2a, Regnbuen");
    EXPECT_EQ(texts[0].points[0], (TPoint{200, 10}));
    // Row 0 at 5 text heights, each further row one text height lower.
    EXPECT_EQ(texts[1].text, "række 0");
    EXPECT_EQ(texts[1].points[0], (TPoint{200, 5 * LineHeight}));
    // Leading blanks go; the value ends at the column's right end.
    EXPECT_EQ(texts[2].text, "n");
    EXPECT_EQ(texts[2].points[0], (TPoint{ValueEnd - 6, 5 * LineHeight}));
    EXPECT_EQ(texts[4].text, "række 1");
    EXPECT_EQ(texts[4].points[0].y, 6 * LineHeight);
    EXPECT_EQ(texts[5].text, "1.333");
    EXPECT_EQ(texts[5].points[0], (TPoint{ValueEnd - 30, 6 * LineHeight}));
    EXPECT_EQ(texts[6].text, "41.2");
    EXPECT_EQ(texts[6].points[0], (TPoint{ValueEnd + ColumnStep - 24, 6 * LineHeight}));
    // An empty cell, or one of blanks only, prints as nothing at the column's end.
    EXPECT_EQ(texts[9].text, "");
    EXPECT_EQ(texts[9].points[0].x, ValueEnd + ColumnStep);
    EXPECT_EQ(pages, 1);
}

TEST_F(TablePrint, EmptyTitleStillGivesTheTitleLine) {
    Table(3, 2);
    ASSERT_TRUE(PrintResultsTable(app, page, 6600, "", NewPage()));
    const auto texts = page.Of("text");
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, ", Regnbuen");
    EXPECT_EQ(texts[0].points[0], (TPoint{200, 10}));
}

TEST_F(TablePrint, NewPageWhenTheRowsReachTheBottom) {
    Table(12, 2);
    // The limit is 100 - 2 * 13 = 74: row 0 at 65 fills the first page, then five rows
    // (13 .. 65) to each page.
    ASSERT_TRUE(PrintResultsTable(app, page, 100, "t", NewPage()));
    EXPECT_EQ(pages, 4);
    std::vector<int> rowY;
    for (const auto& f : page.Of("text"))
        if (f.text.rfind("række", 0) == 0) rowY.push_back(f.points[0].y);
    EXPECT_EQ(rowY, (std::vector<int>{65, 13, 26, 39, 52, 65, 13, 26, 39, 52, 65, 13}));
    // Row 1 is the first text of the second page.
    ASSERT_EQ(pageStarts.size(), 3u);
    EXPECT_EQ(page.figures[pageStarts[0]].text, "række 1");
    EXPECT_EQ(page.figures[pageStarts[1]].text, "række 6");
}

TEST_F(TablePrint, OffsetsAre200DuringTheJobAnd0After) {
    Table(12, 3);
    int seenX = -1, seenY = -1;
    ASSERT_TRUE(PrintResultsTable(app, page, 100, "", [&] {
        seenX = app.Map.PrintOffsetX;
        seenY = app.Map.PrintOffsetY;
        return true;
    }));
    EXPECT_EQ(seenX, 200);
    EXPECT_EQ(seenY, 200);
    EXPECT_EQ(app.Map.PrintOffsetX, 0);
    EXPECT_EQ(app.Map.PrintOffsetY, 0);
}

TEST_F(TablePrint, AFailedPageStopsTheJobAndResetsTheOffsets) {
    Table(12, 2);
    int calls = 0;
    EXPECT_FALSE(PrintResultsTable(app, page, 100, "", [&] {
        ++calls;
        return false;
    }));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(page.Of("text").size(), 1u + 2u);  // the title line and row 0
    EXPECT_EQ(app.Map.PrintOffsetX, 0);
    EXPECT_EQ(app.Map.PrintOffsetY, 0);

    EXPECT_THROW(PrintResultsTable(app, page, 100, "",
                                   []() -> bool { throw std::runtime_error("printer gone"); }),
                 std::runtime_error);
    EXPECT_EQ(app.Map.PrintOffsetX, 0);
    EXPECT_EQ(app.Map.PrintOffsetY, 0);
}

}  // namespace
}  // namespace viv
