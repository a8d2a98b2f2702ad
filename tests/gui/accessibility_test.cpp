// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The main window by keyboard and screen reader: every shown control has a name a reader
// can say, the tab key reaches every scroll bar and track bar from top to bottom, and the
// animation buttons tell their shortcuts.
#include <gtest/gtest.h>

#include <QAbstractSlider>
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>
#include <algorithm>
#include <memory>
#include <set>

#include "app/main_menu.h"
#include "gui/main_window.h"
#include "main_window_checks.h"
#include "sims/simulations.h"
#include "windows/results_grid.h"
#include "windows/table_window.h"

namespace viv {
namespace {

struct Program {
    std::unique_ptr<MainWindow> window =
        std::make_unique<MainWindow>(AllSimulations(), test::DataEnvironment());
    void Choose(std::uint16_t simulation) const { test::ChooseFromMenu(*window, simulation); }
    std::vector<QWidget*> Shown() const {
        std::vector<QWidget*> shown;
        for (QWidget* w : window->findChildren<QWidget*>())
            if (w->isVisible() &&
                (qobject_cast<QAbstractSlider*>(w) || qobject_cast<QToolButton*>(w)))
                shown.push_back(w);
        return shown;
    }
};

QString Said(QWidget* w, QAccessible::Text what) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a != nullptr ? a->text(what) : QString();
}

std::vector<std::uint16_t> AllMenuSimulations() {
    std::vector<std::uint16_t> all;
    for (const MenuDef& menu : MainMenu(AllSimulations()))
        for (const MenuItemDef& item : menu.Items)
            if (item.Simulation != 0) all.push_back(item.Simulation);
    return all;
}

TEST(Accessibility, EveryShownControlOfEverySimulationHasANameAndTheTabKeyReachesItsBars) {
    Program p;
    p.window->show();
    QApplication::setActiveWindow(p.window.get());
    for (std::uint16_t n : AllMenuSimulations()) {
        p.Choose(n);
        QApplication::processEvents();
        std::vector<QWidget*> bars;
        for (QWidget* w : p.Shown()) {
            // A name given for the reader, not the caption Qt falls back on: a button with
            // a caption but no name of its own fails.
            EXPECT_FALSE(w->accessibleName().trimmed().isEmpty())
                << "simulation " << n << ": " << w->objectName().toStdString();
            EXPECT_EQ(Said(w, QAccessible::Name), w->accessibleName())
                << w->objectName().toStdString();
            // The panel's scroll bars and track bars (not the boxes' own scroll bars).
            if (qobject_cast<QAbstractSlider*>(w) != nullptr &&
                (w->objectName().startsWith(QStringLiteral("ScrollBar")) ||
                 w->objectName().startsWith(QStringLiteral("TrackBar"))))
                bars.push_back(w);
        }
        if (bars.empty()) continue;
        // From the first bar, the tab key visits every bar, from the top of the panel down.
        bars.front()->setFocus(Qt::OtherFocusReason);
        std::vector<QWidget*> visited{QApplication::focusWidget()};
        for (std::size_t i = 0; i < 2 * bars.size() + 20; ++i) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(QApplication::focusWidget(), &tab);
            if (QApplication::focusWidget() == visited.front()) break;
            visited.push_back(QApplication::focusWidget());
        }
        // The buttons of the bar and "Nulstil" are stops as well; the bars come from the top down.
        std::vector<QWidget*> barsVisited;
        for (QWidget* w : visited)
            if (std::find(bars.begin(), bars.end(), w) != bars.end()) barsVisited.push_back(w);
        EXPECT_EQ(std::set<QWidget*>(barsVisited.begin(), barsVisited.end()),
                  std::set<QWidget*>(bars.begin(), bars.end()))
            << "simulation " << n;
        for (std::size_t i = 1; i < barsVisited.size(); ++i)
            EXPECT_LE(barsVisited[i - 1]->mapToGlobal(QPoint(0, 0)).y(),
                      barsVisited[i]->mapToGlobal(QPoint(0, 0)).y() + 4)
                << "simulation " << n;
    }
}

TEST(Accessibility, BarsAreNamedByHintAndLabelAndTheReaderGetsTheirPosition) {
    Program p;
    p.window->show();
    p.Choose(7);
    auto* bar = p.window->findChild<QAbstractSlider*>(QStringLiteral("ScrollBar1"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(Said(bar, QAccessible::Name).toStdString(), "Indfaldsparameter (p)");
    EXPECT_TRUE(Said(bar, QAccessible::Description).contains(QStringLiteral("Page Up")));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(bar);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(a->valueInterface(), nullptr);
    EXPECT_EQ(a->valueInterface()->currentValue().toInt(), bar->value());
}

TEST(Accessibility, AnimationButtonsSayWhatTheyDoAndTheirShortcuts) {
    Program p;
    p.window->show();
    p.Choose(14);  // an animated simulation
    for (const auto& [name, spoken, key] : {std::tuple{"RunButton", "Kør/Stop", "Ctrl+K"},
                                            std::tuple{"SlowMotionButton", "Halv fart", "Ctrl+W"},
                                            std::tuple{"StepButton", "Frem", "Ctrl+F"}}) {
        auto* button = p.window->findChild<QToolButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        if (!button->isVisible()) continue;
        const QString said = Said(button, QAccessible::Name);
        EXPECT_TRUE(said == QString::fromUtf8(spoken) || !button->text().isEmpty()) << name;
        EXPECT_TRUE(button->toolTip().contains(QString::fromLatin1(key)))
            << button->toolTip().toStdString();
    }
}

TEST(Accessibility, ThePictureNamesTheSimulationAndDescribesItsTable) {
    Program p;
    p.Choose(7);
    QWidget* picture = nullptr;
    for (QWidget* w : p.window->findChildren<QWidget*>())
        if (w->metaObject()->className() == std::string("viv::PictureView")) picture = w;
    ASSERT_NE(picture, nullptr);
    const App& app = p.window->app();
    EXPECT_EQ(Said(picture, QAccessible::Name).toStdString(), app.Window.Caption);
    const QString description = Said(picture, QAccessible::Description);
    for (int row = 1; row < app.Table.RowCount(); ++row)
        if (!app.Table.Cell(1, row).empty()) {
            EXPECT_TRUE(
                description.contains(QString::fromStdString(app.Table.Cell(1, row)).trimmed()))
                << app.Table.Cell(1, row) << " not in " << description.toStdString();
        }
}

TEST(Accessibility, TheTableWindowShowsItsCellsAsATable) {
    Program p;
    TableWindow table(p.window->app());
    p.window->AttachTableWindow(&table);
    p.Choose(7);
    const ResultsTable& model = p.window->app().Table;
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(table.Grid());
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->role(), QAccessible::Table);
    QAccessibleTableInterface* cells = grid->tableInterface();
    ASSERT_NE(cells, nullptr);
    ASSERT_EQ(cells->rowCount(), model.RowCount());
    ASSERT_EQ(cells->columnCount(), model.ColCount());
    EXPECT_EQ(grid->childCount(), model.RowCount() * model.ColCount());
    for (int row = 0; row < model.RowCount(); ++row)
        for (int col = 0; col < model.ColCount(); ++col) {
            QAccessibleInterface* cell = cells->cellAt(row, col);
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->text(QAccessible::Name),
                      QString::fromStdString(model.Cell(col, row)).trimmed());
            EXPECT_EQ(cell->parent(), grid);
            EXPECT_EQ(grid->indexOfChild(cell), row * model.ColCount() + col);
        }
    QAccessibleTableCellInterface* value = cells->cellAt(1, 1)->tableCellInterface();
    ASSERT_NE(value, nullptr);
    ASSERT_EQ(value->rowHeaderCells().size(), 1);
    EXPECT_EQ(value->rowHeaderCells()[0]->text(QAccessible::Name),
              QString::fromStdString(model.Cell(0, 1)).trimmed());
    EXPECT_EQ(cells->cellAt(model.RowCount(), 0), nullptr);
    p.window->AttachTableWindow(nullptr);
}

}  // namespace
}  // namespace viv
