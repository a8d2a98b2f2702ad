// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A table's cells written in one go from a list, for tests that need a filled table.
#pragma once

#include <initializer_list>
#include <string>

#include "app/results_table.h"

namespace viv::test {

struct TableCell {
    int col;
    int row;
    const char* text;
};

// Sets the table up with `rows` and `columns` and writes the cells in the order given.
inline void FillTable(ResultsTable& table, int rows, int columns,
                      std::initializer_list<TableCell> cells) {
    table.Setup(rows, columns);
    for (const TableCell& cell : cells) table.SetCell(cell.col, cell.row, cell.text);
}

}  // namespace viv::test
