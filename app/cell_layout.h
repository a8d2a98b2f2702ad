// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Where the results table puts a cell's text: the header row centred, the row headers at
// the cell's left edge, the values right-aligned just inside the cell's right edge.
#pragma once

#include "library/canvas.h"

namespace viv {

enum class CellKind { Header, RowHeader, Value };

// Row 0 holds the column headers, column 0 of the other rows the row headers.
CellKind KindOfCell(int col, int row);

// The values end this many pixels inside the cell's right edge.
constexpr int ValueRightInset = 3;  // pixels

// The top-left corner of a text of `textWidth` x `textHeight` pixels in the cell `cell`
// (right and bottom edges excluded). Centring halves the free space, rounding toward zero.
TPoint CellTextOrigin(const TRect& cell, int textWidth, int textHeight, CellKind kind);

}  // namespace viv
