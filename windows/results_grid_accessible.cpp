// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/results_grid_accessible.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QAccessibleWidget>
#include <map>
#include <utility>

#include "windows/results_grid.h"

namespace viv {

namespace {

class GridAccessible;

// One cell of the grid. Cells are made when a reader asks for them and live as long as
// the grid's interface.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(GridAccessible* table, ResultsGrid* grid, int col, int row)
        : table_(table), grid_(grid), col_(col), row_(row) {}

    bool isValid() const override {
        return grid_ != nullptr && col_ < grid_->ColCount() && row_ < grid_->RowCount();
    }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name || t == QAccessible::Value)
            return grid_->Cell(col_, row_).trimmed();
        return {};
    }
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = grid_->CellRect(col_, row_);
        return QRect(grid_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override {
        if (row_ == 0) return QAccessible::ColumnHeader;
        if (col_ == 0) return QAccessible::RowHeader;
        return QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        if (row_ > 0 && col_ > 0) {
            s.selectable = true;
            s.selected = isSelected();
        }
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override {
        const CellBlock b = grid_->Selection();
        return row_ > 0 && col_ > 0 && col_ >= b.Left && col_ <= b.Right && row_ >= b.Top &&
               row_ <= b.Bottom;
    }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    int columnIndex() const override { return col_; }
    int rowIndex() const override { return row_; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    QAccessibleInterface* table() const override;

private:
    GridAccessible* table_;
    ResultsGrid* grid_;
    int col_, row_;
};

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridAccessible(ResultsGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridAccessible() override {
        for (const auto& [where, id] : cells_) QAccessible::deleteAccessibleInterface(id);
    }

    ResultsGrid* Grid() const { return static_cast<ResultsGrid*>(widget()); }

    QAccessibleInterface* Cell(int col, int row) const {
        if (col < 0 || row < 0 || col >= Grid()->ColCount() || row >= Grid()->RowCount())
            return nullptr;
        const auto found = cells_.find({col, row});
        if (found != cells_.end()) return QAccessible::accessibleInterface(found->second);
        auto* cell = new CellAccessible(const_cast<GridAccessible*>(this), Grid(), col, row);
        cells_[{col, row}] = QAccessible::registerAccessibleInterface(cell);
        return cell;
    }

    // Children: the cells, row by row.
    int childCount() const override { return Grid()->ColCount() * Grid()->RowCount(); }
    QAccessibleInterface* child(int index) const override {
        const int cols = Grid()->ColCount();
        return index < 0 || cols == 0 ? nullptr : Cell(index % cols, index / cols);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr || child->role() == QAccessible::Table) return -1;
        for (const auto& [where, id] : cells_)
            if (QAccessible::accessibleInterface(id) == child)
                return where.second * Grid()->ColCount() + where.first;
        return -1;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override { return Cell(column, row); }
    int columnCount() const override { return Grid()->ColCount(); }
    int rowCount() const override { return Grid()->RowCount(); }
    QString columnDescription(int column) const override {
        return Grid()->Cell(column, 0).trimmed();
    }
    QString rowDescription(int row) const override { return Grid()->Cell(0, row).trimmed(); }

    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        const CellBlock b = Grid()->Selection();
        for (int row = b.Top; row <= b.Bottom; ++row)
            for (int col = b.Left; col <= b.Right; ++col)
                if (QAccessibleInterface* c = Cell(col, row)) cells << c;
        return cells;
    }
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int /*column*/) const override { return false; }
    bool isRowSelected(int /*row*/) const override { return false; }
    bool selectRow(int /*row*/) override { return false; }
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int /*row*/) override { return false; }
    bool unselectColumn(int /*column*/) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* /*event*/) override {}

private:
    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;  // (column, row)
};

QAccessibleInterface* CellAccessible::parent() const {
    return table_;
}
QAccessibleInterface* CellAccessible::table() const {
    return table_;
}
QList<QAccessibleInterface*> CellAccessible::columnHeaderCells() const {
    if (row_ == 0) return {};
    return {table_->Cell(col_, 0)};
}
QList<QAccessibleInterface*> CellAccessible::rowHeaderCells() const {
    if (col_ == 0) return {};
    return {table_->Cell(0, row_)};
}

}  // namespace

QAccessibleInterface* ResultsGridAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("viv::ResultsGrid") && object != nullptr &&
        object->isWidgetType())
        return new GridAccessible(static_cast<ResultsGrid*>(object));
    return nullptr;
}

void InstallResultsGridAccessibility() {
    // Qt keeps each factory once however often it is installed.
    QAccessible::installFactory(&ResultsGridAccessibleFactory);
}

}  // namespace viv
