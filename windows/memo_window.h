// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The memo window: the guidance text of every simulation in a rich-text editor, always on
// top at the top right of the screen. The main window selects the guidance of the chosen
// simulation in it; the user may edit, copy, print and hide the text.
#pragma once

#include <QWidget>

#include "app/app.h"

class QAction;
class QMenu;
class QMenuBar;
class QPrinter;
class QTextEdit;

namespace viv {

class MemoWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int StartWidth = 435;   // pixels
    static constexpr int StartHeight = 300;  // pixels
    static constexpr int FontPixelHeight = 13;

    // Loads the guidance text of the start directory (a missing file is reported once).
    explicit MemoWindow(App& app, QWidget* parent = nullptr);

    // Shows the model: visibility and a selection the main window asked for.
    void SyncFromModel();

    // The window the form shows in: itself, or the dock panel of the main window that holds it.
    QWidget* Frame();

    QTextEdit* TextView() const { return richEdit_; }
    QMenuBar* MainMenu() const { return menu_; }
    QAction* Altidverst1() const { return alwaysOnTopItem_; }
    QAction* Gem1() const { return saveItem_; }

    // Prints the memo on a printer that is set up already; a failed job is reported once.
    bool PrintOn(QPrinter& printer);
    // Writes the memo as rich text to `path`, whole or not at all.
    bool SaveAs(const QString& path, std::string* reason = nullptr);

public slots:
    void ToggleAlwaysOnTop();  // "&Altid øverst"
    void CutSelection();       // "Kl&ip": the selection onto the clipboard and out of the text
    void SelectAllText();      // "&Marker alt"
    void CopyAll();            // "&Kopi"
    void PrintText();          // "&Udskriv"
    void SaveText();           // "&Gem"
    void CloseMemo();          // "&Luk"

signals:
    // The window changed the model (its visibility or the status line's hint).
    void ModelChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The "&Rediger" menu, its items and their keys.
    void BuildEditMenu();
    // The guidance of the memo's model as the text, at its beginning.
    void ShowGuidance();
    // The menu in the program's language.
    void ShowLanguage();
    void FormShow();
    // Scrolls the selected heading to the top of the text view, at once or when the view
    // first has its size.
    void ShowSelectionAtTop();
    void OnEditMenuOpened();
    void TakeFocus();
    void ShowHint(QAction* action);
    void TextChanged();

    App& app_;
    QMenuBar* menu_ = nullptr;
    QTextEdit* richEdit_ = nullptr;
    QAction* alwaysOnTopItem_ = nullptr;
    QAction* printItem_ = nullptr;
    QAction* copyItem_ = nullptr;
    QAction* cutItem_ = nullptr;
    QAction* saveItem_ = nullptr;
    int selectionsShown_ = 0;  // the main window's selection requests already shown
    int loadsShown_ = 0;       // the reading of the guidance the text shows
    Language shownLanguage_ = Language::Danish;  // the language the menu is in
    bool keepPlace_ = false;                     // the next show keeps the window's place
    bool headingAtTop_ = false;                  // the selected heading is kept at the view's top
};

}  // namespace viv
