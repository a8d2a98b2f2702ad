// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/results_grid.h"

#include <qdrawutil.h>

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <iterator>

#include "app/cell_layout.h"

namespace viv {

namespace {

constexpr int MinGridSize = 2;    // the header and one normal row or column
constexpr int SizingLineHit = 2;  // pixels either side of a row's lower line
constexpr int MinRowHeight = 1;   // pixels
const QColor NormalLineColour(192, 192, 192);
const QColor FixedLineColour(0, 0, 0);

bool SameBlock(const CellBlock& a, const CellBlock& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

bool InBlock(const CellBlock& block, int col, int row) {
    return col >= block.Left && col <= block.Right && row >= block.Top && row <= block.Bottom;
}

// The cells are kept column by column, each column `rows` cells long.
std::size_t CellIndex(int col, int row, int rows) {
    return static_cast<std::size_t>(col) * static_cast<std::size_t>(rows) +
           static_cast<std::size_t>(row);
}

}  // namespace

ResultsGrid::ResultsGrid(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetSize(MinGridSize, MinGridSize + 1);
}

void ResultsGrid::SetSize(int cols, int rows) {
    cols = std::max(cols, MinGridSize);
    rows = std::max(rows, MinGridSize);
    if (cols == ColCount() && rows == RowCount()) return;
    std::vector<QString> cells(static_cast<std::size_t>(cols * rows));
    for (int c = 0; c < std::min(cols, ColCount()); ++c)
        for (int r = 0; r < std::min(rows, RowCount()); ++r)
            cells[CellIndex(c, r, rows)] = cells_[CellIndex(c, r, RowCount())];
    cells_ = std::move(cells);
    colWidths_.resize(static_cast<std::size_t>(cols), DefaultColWidth);
    rowHeights_.resize(static_cast<std::size_t>(rows), DefaultRowHeight);
    const CellBlock kept = selection_;
    selection_ = {0, 0, 0, 0};  // forces the clamped block to be taken
    SetSelection(kept);
    update();
}

namespace {

// The step of the focus cell an arrow key makes, in columns and rows.
struct ArrowStep {
    int Key, Columns, Rows;
};
constexpr ArrowStep ArrowSteps[] = {
    {Qt::Key_Left, -1, 0}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 0, -1}, {Qt::Key_Down, 0, 1}};

// Sets sizes[i] to `size`, at least `least`; false where i lies outside or nothing changes.
bool ChangeSize(std::vector<int>& sizes, int i, int size, int least) {
    if (i < 0 || i >= static_cast<int>(sizes.size())) return false;
    int& kept = sizes[static_cast<std::size_t>(i)];
    if (kept == std::max(size, least)) return false;
    kept = std::max(size, least);
    return true;
}

}  // namespace

int ResultsGrid::ColWidth(int col) const {
    return col >= 0 && col < ColCount() ? colWidths_[static_cast<std::size_t>(col)] : 0;
}

void ResultsGrid::SetColWidth(int col, int width) {
    if (ChangeSize(colWidths_, col, width, 0)) update();
}

int ResultsGrid::RowHeight(int row) const {
    return row >= 0 && row < RowCount() ? rowHeights_[static_cast<std::size_t>(row)] : 0;
}

void ResultsGrid::SetRowHeight(int row, int height) {
    if (ChangeSize(rowHeights_, row, height, MinRowHeight)) update();
}

QString ResultsGrid::Cell(int col, int row) const {
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) return {};
    return cells_[CellIndex(col, row, RowCount())];
}

void ResultsGrid::SetCell(int col, int row, const QString& text) {
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) return;
    QString& cell = cells_[CellIndex(col, row, RowCount())];
    if (cell == text) return;
    cell = text;
    update(CellRect(col, row));
}

void ResultsGrid::SetSelection(CellBlock block) {
    const auto clampTo = [](int v, int count) { return std::clamp(v, 1, count - 1); };
    block.Left = clampTo(block.Left, ColCount());
    block.Right = clampTo(block.Right, ColCount());
    block.Top = clampTo(block.Top, RowCount());
    block.Bottom = clampTo(block.Bottom, RowCount());
    if (block.Left > block.Right) std::swap(block.Left, block.Right);
    if (block.Top > block.Bottom) std::swap(block.Top, block.Bottom);
    // The same block again keeps the corner the user started from.
    if (SameBlock(block, selection_)) return;
    selection_ = block;
    anchorCol_ = block.Left;
    anchorRow_ = block.Top;
    focusCol_ = block.Right;
    focusRow_ = block.Bottom;
    update();
}

int ResultsGrid::ColLeft(int col) const {
    int x = BorderWidth;
    for (int c = 0; c < col && c < ColCount(); ++c) x += ColWidth(c) + GridLineWidth;
    return x;
}

int ResultsGrid::RowTop(int row) const {
    int y = BorderWidth;
    for (int r = 0; r < row && r < RowCount(); ++r) y += RowHeight(r) + GridLineWidth;
    return y;
}

QRect ResultsGrid::CellRect(int col, int row) const {
    return {ColLeft(col), RowTop(row), ColWidth(col), RowHeight(row)};
}

bool ResultsGrid::CellAt(QPoint point, int& col, int& row) const {
    col = -1;
    row = -1;
    for (int c = 0; c < ColCount(); ++c) {
        const int left = ColLeft(c);
        if (point.x() >= left && point.x() < left + ColWidth(c) + GridLineWidth) col = c;
    }
    for (int r = 0; r < RowCount(); ++r) {
        const int top = RowTop(r);
        if (point.y() >= top && point.y() < top + RowHeight(r) + GridLineWidth) row = r;
    }
    return col >= 0 && row >= 0;
}

int ResultsGrid::RowSizingLineAt(QPoint point) const {
    if (point.x() < ColLeft(0) || point.x() >= ColLeft(1)) return -1;
    for (int r = 0; r < RowCount(); ++r) {
        const int line = RowTop(r) + RowHeight(r);
        if (std::abs(point.y() - line) <= SizingLineHit) return r;
    }
    return -1;
}

void ResultsGrid::SelectFromAnchor(int col, int row) {
    col = std::clamp(col, 1, ColCount() - 1);
    row = std::clamp(row, 1, RowCount() - 1);
    const CellBlock block{std::min(anchorCol_, col), std::min(anchorRow_, row),
                          std::max(anchorCol_, col), std::max(anchorRow_, row)};
    focusCol_ = col;
    focusRow_ = row;
    if (SameBlock(block, selection_)) return;
    selection_ = block;
    update();
    emit SelectionChanged(selection_);
}

void ResultsGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    if (const int row = RowSizingLineAt(at); row >= 0) {
        sizingRow_ = row;
        sizingOrigin_ = at.y();
        sizingHeight_ = RowHeight(row);
        return;
    }
    int col = 0, row = 0;
    if (!CellAt(at, col, row) || col < 1 || row < 1) return;
    setFocus(Qt::MouseFocusReason);
    if (!(event->modifiers() & Qt::ShiftModifier)) {
        anchorCol_ = col;
        anchorRow_ = row;
    }
    selecting_ = true;
    SelectFromAnchor(col, row);
    update(CellRect(anchorCol_, anchorRow_));
}

void ResultsGrid::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMoved();
    const QPoint at = event->position().toPoint();
    if (sizingRow_ >= 0) {
        SetRowHeight(sizingRow_, sizingHeight_ + at.y() - sizingOrigin_);
        return;
    }
    if (selecting_) {
        // Beyond the grid's edges the selection keeps to the outermost cells.
        int col = ColCount() - 1, row = RowCount() - 1;
        for (int c = ColCount() - 1; c >= 1; --c)
            if (at.x() < ColLeft(c) + ColWidth(c) + GridLineWidth) col = c;
        for (int r = RowCount() - 1; r >= 1; --r)
            if (at.y() < RowTop(r) + RowHeight(r) + GridLineWidth) row = r;
        SelectFromAnchor(col, row);
        return;
    }
    if (RowSizingLineAt(at) >= 0)
        setCursor(Qt::SplitVCursor);
    else
        unsetCursor();
}

void ResultsGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    sizingRow_ = -1;
    selecting_ = false;
}

void ResultsGrid::keyPressEvent(QKeyEvent* event) {
    const auto* step = std::find_if(std::begin(ArrowSteps), std::end(ArrowSteps),
                                    [&](const ArrowStep& s) { return s.Key == event->key(); });
    if (step == std::end(ArrowSteps)) return QWidget::keyPressEvent(event);
    const int col = std::clamp(focusCol_ + step->Columns, 1, ColCount() - 1);
    const int row = std::clamp(focusRow_ + step->Rows, 1, RowCount() - 1);
    if (!(event->modifiers() & Qt::ShiftModifier)) {
        update(CellRect(anchorCol_, anchorRow_));
        anchorCol_ = col;
        anchorRow_ = row;
    }
    SelectFromAnchor(col, row);
    update(CellRect(anchorCol_, anchorRow_));
}

void ResultsGrid::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void ResultsGrid::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void ResultsGrid::PaintCell(QPainter& painter, int col, int row) {
    const QRect box = CellRect(col, row);
    if (box.isEmpty()) return;
    const QPalette& pal = palette();
    const bool fixed = col == 0 || row == 0;
    // The selection shows only while the grid has the focus; its current cell then shows
    // a focus frame instead of the highlight.
    const bool current = hasFocus() && col == anchorCol_ && row == anchorRow_;
    const bool highlighted = hasFocus() && !fixed && !current && InBlock(selection_, col, row);

    QColor text = pal.color(QPalette::Text);
    if (fixed) {
        painter.fillRect(box, pal.color(QPalette::Button));
        text = pal.color(QPalette::ButtonText);
    } else if (highlighted) {
        painter.fillRect(box, pal.color(QPalette::Highlight));
        text = pal.color(QPalette::HighlightedText);
    } else {
        painter.fillRect(box, pal.color(QPalette::Base));
    }
    if (fixed) {
        // A raised edge inside the header cells.
        painter.setPen(pal.color(QPalette::Light));
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(pal.color(QPalette::Mid));
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    }

    const QString content = Cell(col, row);
    if (!content.isEmpty()) {
        const QFontMetrics metrics = painter.fontMetrics();
        const TRect cell{box.left(), box.top(), box.left() + box.width(), box.top() + box.height()};
        const TPoint origin = CellTextOrigin(cell, metrics.horizontalAdvance(content),
                                             metrics.height(), KindOfCell(col, row));
        painter.save();
        painter.setClipRect(box);
        painter.setPen(text);
        painter.drawText(origin.x, origin.y + metrics.ascent(), content);
        painter.restore();
    }
    if (current) {
        painter.setPen(QPen(pal.color(QPalette::Text), 1, Qt::DotLine));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
    }
}

void ResultsGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.fillRect(rect(), palette().color(QPalette::Base));

    // Grid lines: each cell's right and lower line, black around the headers.
    for (int c = 0; c < ColCount(); ++c) {
        for (int r = 0; r < RowCount(); ++r) {
            const QRect box = CellRect(c, r);
            const QColor line = (c == 0 || r == 0) ? FixedLineColour : NormalLineColour;
            painter.fillRect(box.right() + 1, box.top(), GridLineWidth,
                             box.height() + GridLineWidth, line);
            painter.fillRect(box.left(), box.bottom() + 1, box.width() + GridLineWidth,
                             GridLineWidth, line);
            PaintCell(painter, c, r);
        }
    }
    // The sunken frame.
    qDrawWinPanel(&painter, rect(), palette(), true, nullptr);
}

}  // namespace viv
