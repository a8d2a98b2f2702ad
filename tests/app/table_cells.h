// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A table's cells written in one go from a list, for tests that need a filled table.
#pragma once

#include <initializer_list>
#include <string>

#include "app/results_table.h"

namespace viv::test {

// Sets the table up with `rows` and `columns` and writes the texts given row by row, each
// row's from the first column on.
inline void FillTable(ResultsTable& table, int rows, int columns,
                      std::initializer_list<std::initializer_list<const char*>> texts) {
    table.Setup(rows, columns);
    int row = 0;
    for (const auto& rowTexts : texts) {
        int col = 0;
        for (const char* text : rowTexts) table.SetCell(col++, row, text);
        ++row;
    }
}

}  // namespace viv::test
