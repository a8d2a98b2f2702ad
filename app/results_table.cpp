// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/results_table.h"

#include <algorithm>

namespace viv {

namespace {
const std::string Empty;
constexpr std::size_t ClipboardBuffer = 65535;  // bytes, the terminating zero included
}  // namespace

ResultsTable::ResultsTable() {
    rows_ = 3;
    cols_ = 2;
    cells_.assign(static_cast<std::size_t>(rows_ * cols_), std::string());
    gridWidth_ = (ColumnWidth + GridLineWidth) * cols_;
    gridHeight_ = (DefaultRowHeight + GridLineWidth) * rows_;
}

void ResultsTable::Setup(int rows, int columns) {
    shaped_ = true;
    rows_ = std::max(rows, 1);
    cols_ = columns == 3 ? 3 : 2;
    gridHeight_ = (GridLineWidth + DefaultRowHeight) * rows_ + 3;
    gridWidth_ = Column0Width + (cols_ == 3 ? 122 : 61) + 4;
    cells_.assign(static_cast<std::size_t>(rows_ * cols_), std::string());
    // A new table starts with its first value selected, whatever was selected before.
    Select(CellBlock{});
}

const std::string& ResultsTable::Cell(int col, int row) const {
    if (col < 0 || col >= cols_ || row < 0 || row >= rows_) return Empty;
    return cells_[static_cast<std::size_t>(col * rows_ + row)];
}

void ResultsTable::SetCell(int col, int row, std::string text) {
    if (col < 0 || col >= cols_ || row < 0 || row >= rows_) return;
    cells_[static_cast<std::size_t>(col * rows_ + row)] = std::move(text);
}

void ResultsTable::Select(CellBlock block) {
    const auto clampTo = [](int v, int hi) { return std::clamp(v, 1, std::max(hi, 1)); };
    block.Left = clampTo(block.Left, cols_ - 1);
    block.Right = clampTo(block.Right, cols_ - 1);
    block.Top = clampTo(block.Top, rows_ - 1);
    block.Bottom = clampTo(block.Bottom, rows_ - 1);
    if (block.Left > block.Right) std::swap(block.Left, block.Right);
    if (block.Top > block.Bottom) std::swap(block.Top, block.Bottom);
    selection_ = block;
}

void ResultsTable::SelectAll() {
    Select({1, 1, cols_ - 1, rows_ - 1});
}

std::string ResultsTable::CopyText(char listSeparator, char decimalSeparator) const {
    std::string text;
    const auto line = [&](int row, bool header) {
        std::string out = Cell(0, row);
        for (int c = selection_.Left; c <= selection_.Right; ++c) {
            std::string field = Cell(c, row);
            if (!header) {
                if (field.empty()) field = "0.0";
                if (const auto dot = field.find('.'); dot != std::string::npos)
                    field[dot] = decimalSeparator;
            }
            out += listSeparator;
            out += field;
        }
        out += "\r\n";
        // The text never outgrows the clipboard buffer; a line that would is left out.
        if (text.size() + out.size() < ClipboardBuffer) text += out;
    };
    line(0, true);
    for (int r = selection_.Top; r <= selection_.Bottom; ++r) line(r, false);
    return text;
}

}  // namespace viv
