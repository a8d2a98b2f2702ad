// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The results table: a grid of text cells the simulations write their numbers into,
// column first and 0-based, row 0 and column 0 holding headers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace viv {

struct CellBlock {
    int Left = 1, Top = 1, Right = 1, Bottom = 1;  // columns and rows, inclusive
};

class ResultsTable {
public:
    static constexpr int Column0Width = 160;  // pixels
    static constexpr int ColumnWidth = 60;    // pixels
    static constexpr int DefaultRowHeight = 24;
    static constexpr int GridLineWidth = 1;

    ResultsTable();

    // Shapes the table: `rows` rows, three columns if `columns` is 3, else two; empties
    // every cell. Sizes follow the grid's fixed column widths.
    void Setup(int rows, int columns);

    int RowCount() const { return rows_; }
    int ColCount() const { return cols_; }
    // Cells outside the table read as empty and ignore writes.
    const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, std::string text);

    int GridWidth() const { return gridWidth_; }
    int GridHeight() const { return gridHeight_; }
    int ClientWidth() const { return gridWidth_ + 20; }
    int ClientHeight() const { return gridHeight_ + 30; }
    // Before the first Setup every column has the default width.
    int ColumnWidthOf(int col) const { return col == 0 && shaped_ ? Column0Width : ColumnWidth; }

    // The selected block, held inside the table's normal cells.
    CellBlock Selection() const { return selection_; }
    void Select(CellBlock block);
    void SelectAll();  // everything but the headers

    // The selection as text: a header line, then a line per row, fields joined by
    // `listSeparator`, each line ended by CR LF; an empty selected cell reads "0.0" and the
    // first "." of a value becomes `decimalSeparator`.
    std::string CopyText(char listSeparator, char decimalSeparator) const;

    std::string Caption = "Tabel";
    bool Visible = false;
    bool TableWanted = false;  // the user has once used "Vis &Tabel"

private:
    bool shaped_ = false;  // Setup has run
    int rows_ = 3;
    int cols_ = 2;
    int gridWidth_ = 0;
    int gridHeight_ = 0;
    std::vector<std::string> cells_;  // column-major
    CellBlock selection_;
};

}  // namespace viv
