// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The results table window: a small always-on-top window with the table's grid, a menu
// to print the table or close the window, and one to copy a selection or select all.
// It is a view of the table model in the program's core (App::Table).
#pragma once

#include <QSize>
#include <QWidget>
#include <vector>

#include "app/app.h"

class QAction;
class QMenuBar;
class QPrinter;

namespace viv {

class ResultsGrid;

class TableWindow : public QWidget {
    Q_OBJECT

public:
    // The grid's place in the window, pixels.
    static constexpr int GridLeft = 10;
    static constexpr int GridTop = 12;
    static constexpr int FontPixelHeight = 13;

    explicit TableWindow(App& app, QWidget* parent = nullptr);

    // Shows the model: visibility, caption, sizes, cells and selection.
    void SyncFromModel();

    // The window the form shows in: itself, or the dock panel of the main window that holds it.
    QWidget* Frame();

    ResultsGrid* Grid() const { return grid_; }
    QMenuBar* MainMenu() const { return menu_; }

    // Lays the table out on a printer that is set up already; a failed job is reported
    // once. Returns whether the job went through.
    bool PrintOn(QPrinter& printer);

public slots:
    // "&Udskriv": the print dialog, then the table on the chosen printer.
    void PrintTable();
    // "&Kopi": the selected block onto the clipboard as separated text.
    void CopyTable() const;
    // "&Marker alt".
    void SelectAllCells();
    // "&Luk": the window is only hidden.
    void exit1Click();

signals:
    // The window changed the model (its visibility, the selection or the hint of the
    // status line); the main window shows the change.
    void ModelChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Menu captions and the grid's accessible name in the program's language.
    void ShowLanguage();
    void FormShow();
    void TakeFocus();
    void ShowHint(QAction* action);

    App& app_;
    QMenuBar* menu_ = nullptr;
    QWidget* client_ = nullptr;
    ResultsGrid* grid_ = nullptr;
    QSize clientSize_;               // the client size last taken from the model, pixels
    std::vector<QAction*> ownKeys_;  // "&Kopi" and "&Marker alt"
    Language shownLanguage_ = Language::Danish;  // the language the static texts are in
};

}  // namespace viv
