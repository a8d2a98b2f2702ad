// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/results_table.h"

#include <gtest/gtest.h>

#include "app/table_cells.h"

namespace viv {
namespace {

TEST(ResultsTable, ShapesAndSizes) {
    ResultsTable table;
    EXPECT_EQ(table.ColumnWidthOf(0), 60);  // before the first set-up, default widths
    table.Setup(3, 2);
    EXPECT_EQ(table.RowCount(), 3);
    EXPECT_EQ(table.ColCount(), 2);
    EXPECT_EQ(table.GridWidth(), 225);
    EXPECT_EQ(table.GridHeight(), 25 * 3 + 3);
    EXPECT_EQ(table.ClientWidth(), 245);
    EXPECT_EQ(table.ColumnWidthOf(0), 160);
    table.Setup(12, 3);
    EXPECT_EQ(table.ColCount(), 3);
    EXPECT_EQ(table.GridWidth(), 160 + 122 + 4);
    table.Setup(5, 7);  // anything but 3 gives two columns
    EXPECT_EQ(table.ColCount(), 2);
}

TEST(ResultsTable, CellsOutsideAreIgnoredAndSetupEmptiesAll) {
    ResultsTable table;
    table.Setup(4, 2);
    table.SetCell(1, 3, "7.5");
    table.SetCell(2, 1, "x");  // no third column
    table.SetCell(0, 4, "x");  // no fifth row
    table.SetCell(-1, 0, "x");
    EXPECT_EQ(table.Cell(1, 3), "7.5");
    EXPECT_EQ(table.Cell(2, 1), "");
    table.Setup(4, 2);
    EXPECT_EQ(table.Cell(1, 3), "");
}

TEST(ResultsTable, CopyOfOneColumnKeepsRowHeadersAndHeaderTexts) {
    ResultsTable table;
    test::FillTable(table, 3, 3,
                    {{" Polarisation i vand", "vinkelret", "n 1.5"},
                     {" lys brudt", "", " 12.25"},
                     {" lys spejlet"}});
    table.Select({2, 1, 2, 2});
    EXPECT_EQ(table.CopyText('\t', ','),
              " Polarisation i vand\tn 1.5\r\n lys brudt\t 12,25\r\n lys spejlet\t0,0\r\n");
    table.SelectAll();
    EXPECT_EQ(table.Selection().Left, 1);
    EXPECT_EQ(table.Selection().Right, 2);
    EXPECT_EQ(table.Selection().Bottom, 2);
}

TEST(ResultsTable, ClipboardTextNeverOutgrowsItsBuffer) {
    ResultsTable table;
    table.Setup(12, 3);
    for (int r = 0; r < 12; ++r)
        for (int c = 0; c < 3; ++c) table.SetCell(c, r, std::string(4000, 'x'));
    table.SelectAll();
    const std::string text = table.CopyText(';', ',');
    EXPECT_LT(text.size(), 65535u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");  // whole lines only
}

}  // namespace
}  // namespace viv
