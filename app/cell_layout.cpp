// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/cell_layout.h"

namespace viv {

CellKind KindOfCell(int col, int row) {
    if (row == 0) return CellKind::Header;
    if (col == 0) return CellKind::RowHeader;
    return CellKind::Value;
}

TPoint CellTextOrigin(const TRect& cell, int textWidth, int textHeight, CellKind kind) {
    // Integer division truncates toward zero, also when the text is larger than the cell.
    const int top = cell.Top + (cell.Bottom - cell.Top - textHeight) / 2;
    switch (kind) {
        case CellKind::Header:
            return {cell.Left + (cell.Right - cell.Left - textWidth) / 2, top};
        case CellKind::RowHeader:
            return {cell.Left, top};
        case CellKind::Value:
            break;
    }
    return {cell.Right - textWidth - ValueRightInset, top};
}

}  // namespace viv
