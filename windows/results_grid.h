// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The grid of the results table: a string grid with one fixed header row and one fixed
// header column that draws its own cells (headers centred, row headers at the left edge,
// values right-aligned). Rows can be resized by dragging their lower line in the header
// column; a block of the normal cells can be selected with the mouse or the arrow keys.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "app/results_table.h"

namespace viv {

class ResultsGrid : public QWidget {
    Q_OBJECT

public:
    static constexpr int DefaultColWidth = 60;   // pixels
    static constexpr int DefaultRowHeight = 24;  // pixels
    static constexpr int GridLineWidth = 1;      // pixels
    static constexpr int BorderWidth = 2;        // the sunken frame, pixels

    explicit ResultsGrid(QWidget* parent = nullptr);

    int ColCount() const { return static_cast<int>(colWidths_.size()); }
    int RowCount() const { return static_cast<int>(rowHeights_.size()); }
    // Rows and columns that stay keep their sizes and texts; new ones start empty at the
    // default sizes. At least two of each (the headers and one normal cell).
    void SetSize(int cols, int rows);
    int ColWidth(int col) const;
    void SetColWidth(int col, int width);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int height);

    // Cells outside the grid read as empty and ignore writes.
    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);

    // The selected block of normal cells; the current cell is its anchor corner.
    CellBlock Selection() const { return selection_; }
    void SetSelection(CellBlock block);

    // The cell's box in widget pixels, grid line excluded.
    QRect CellRect(int col, int row) const;
    // The cell under a point, or false when the point lies on no cell.
    bool CellAt(QPoint point, int& col, int& row) const;

signals:
    // The user changed the selection.
    void SelectionChanged(viv::CellBlock block);
    // The mouse moved over the grid.
    void MouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int ColLeft(int col) const;
    int RowTop(int row) const;
    // The row whose lower line lies under the point in the header column, or -1.
    int RowSizingLineAt(QPoint point) const;
    void PaintCell(QPainter& painter, int col, int row);
    void SelectFromAnchor(int col, int row);

    std::vector<int> colWidths_;   // pixels
    std::vector<int> rowHeights_;  // pixels
    std::vector<QString> cells_;   // column-major
    CellBlock selection_;
    int anchorCol_ = 1, anchorRow_ = 1;  // the current cell
    int focusCol_ = 1, focusRow_ = 1;    // the corner the arrow keys move
    bool selecting_ = false;
    int sizingRow_ = -1;    // the row being resized, -1 while none is
    int sizingOrigin_ = 0;  // the mouse's y when sizing began, pixels
    int sizingHeight_ = 0;  // the row's height then, pixels
};

}  // namespace viv
