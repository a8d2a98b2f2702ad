// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The main window: menu bar, button bar, control panel, picture and status line, a thin
// view of the core's model. Every user action calls one handler of the core, after which
// SyncFromModel shows the model in every widget.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <memory>
#include <string_view>
#include <vector>

#include "app/app.h"
#include "app/catalogue.h"
#include "gui/qt_host.h"

class QAbstractSlider;
class QAction;
class QDockWidget;
class QFrame;
class QSettings;
class QPushButton;
class QLabel;
class QScrollArea;
class QSplitter;
class QTimer;
class QToolButton;
class QTranslator;

namespace viv {

class ControlPanelView;
class PictureView;
class PrintCommands;
class HelpWindow;
class TableWindow;
class MemoWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Started as the program starts: current directory, system separators, set-up file.
    // The window of a program with the simulations of `catalogue`, which outlives it.
    explicit MainWindow(const Catalogue& catalogue, QWidget* parent = nullptr);
    MainWindow(const Catalogue& catalogue, const StartupEnvironment& env,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    App& app() { return app_; }
    QtHost& host() { return host_; }

    // The results table window: refreshed with this window, printed by "Udskriv &Tabel".
    void AttachTableWindow(TableWindow* table);
    // The memo window: shown, hidden and given its selection with this window.
    void AttachMemoWindow(MemoWindow* memo);

    // Shows the model in every widget, with their signals blocked.
    void SyncFromModel();

    // The memo's and the table's places and the folder of the last save are kept in
    // `settings` when the window closes, and taken from it now.
    void RememberPlaces(std::shared_ptr<QSettings> settings);

    // Shows the program in `language` at once: picture, table, panels, menus, memo and the
    // standard dialogs; remembered for the next run once the places are.
    void SetLanguage(Language language);

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct RangeWidget {
        QAbstractSlider* Widget;
        Control Which;
        QWidget* Row;   // the control's row in the panel
        QLabel* Name;   // its name in words
        QLabel* Value;  // its value as the status line reads it out
    };
    struct ButtonWidget {
        QToolButton* Widget;
        ToolButton MainWindowModel::*Button;
        std::string_view SpokenName;  // the accessible name when the button has no caption
        QString Shortcut;             // shown in the tool tip, empty for none
    };
    // A menu or menu item whose caption is the program's text in the language shown.
    struct MenuCaption {
        QAction* Action;
        std::string_view Caption;  // in Danish
    };
    struct BoundAction {
        QAction* Action;
        MenuItemState MainWindowModel::*Item;
    };

    void BuildMenu();
    // A text of the program in the language shown.
    QString Words(std::string_view danish) const;
    // The texts that no model holds (menus, the reset button, the scroll boxes' names),
    // when the language shown changed.
    void ShowLanguage();
    // Escape leaves presentation mode, as in any full-screen view.
    void AddPresentationExit();
    // The button bar over the control panel and the picture, and the status line under them.
    QWidget* BuildCentralWidget();
    QFrame* BuildButtonBar();
    QWidget* BuildControlPanel();
    void AddRangeRow(const char* objectName, Control which, bool scrollBar);
    QFrame* BuildStatusLine();
    QScrollArea* BuildScrollBox();

    // Runs a handler of the core and shows what it changed.
    template <class Handler>
    void Act(Handler&& handler);
    void ShowModel();
    // Accessible names and descriptions from the labels and hints, and the picture's
    // description from the simulation and its table.
    void ShowAccessibleTexts();
    void ShowButtons();
    bool ShowRanges();
    void RunCommand(MenuCommand command);
    bool RunViewCommand(MenuCommand command);  // whether it was one
    void RunFileCommand(MenuCommand command);
    void OpenHomePage();
    // "&Gem billede..." and "Gem &tabel...": a file dialog, then the file; a failure is
    // reported once.
    void SavePictureAs();
    void SaveTableAs();
    QString ChooseSaveFile(const QString& title, const QString& extension, const QString& filters,
                           QString& chosenFilter);
    // The help window at a topic of the help document ("" for its beginning).
    void ShowHelp(const char* topic);
    void ExitProgram();
    void RestorePlaces();
    void SavePlaces();
    // The window's size or state changed: the core recreates the picture for its new area.
    void PictureAreaChanged();
    // Presentation mode (F11, Escape leaves it): full screen, the picture's zoom for the
    // back row, the control panel and the status line in a larger font.
    void SetPresentation(bool on);
    // Takes the screen's device pixel ratio for the picture, its fonts and its pens; true
    // when it changed (or `always`).
    bool ApplyDevicePixelRatio(bool always = false);

    QtHost host_;
    App app_;

    QFrame* buttonPanel_ = nullptr;
    QLabel* legend_ = nullptr;
    ControlPanelView* scrollPanel_ = nullptr;
    QScrollArea* scrollBox_ = nullptr;
    PictureView* picture_ = nullptr;
    QFrame* statusBar_ = nullptr;
    QSplitter* panels_ = nullptr;
    QLabel* panel1_ = nullptr;
    QLabel* panel2_ = nullptr;
    QLabel* panel3_ = nullptr;
    QLabel* messagePanel_ = nullptr;
    QLabel* statusCaption_ = nullptr;
    QAbstractSlider* scrollBar1_ = nullptr;
    QPushButton* nulstil_ = nullptr;  // "Nulstil": the start values
    QTimer* timer_ = nullptr;
    std::vector<RangeWidget> ranges_;
    std::vector<ButtonWidget> buttons_;
    std::vector<BoundAction> boundActions_;
    std::vector<MenuCaption> menuCaptions_;
    Language shownLanguage_ = Language::Danish;
    std::unique_ptr<QTranslator> qtDanish_;  // the standard dialogs' Danish texts
    QPointer<TableWindow> table_;
    QPointer<MemoWindow> memo_;
    QString saveDirectory_;                 // where the last picture or table was saved
    std::unique_ptr<PrintCommands> print_;  // "&Filer": printing and the clipboard
    QPointer<HelpWindow> help_;
    QPointer<QDockWidget> memoDock_;
    QPointer<QDockWidget> tableDock_;
    std::shared_ptr<QSettings> settings_;

    bool created_ = false;    // FormCreate has run
    bool minimised_ = false;  // the window was last seen minimised
    bool maximisedBeforePresentation_ = false;
    QFont panelFont_;   // the control panel's and the status line's fonts outside
    QFont statusFont_;  // presentation mode
    bool syncing_ = false;
    bool syncAgain_ = false;
    bool destroying_ = false;
};

}  // namespace viv
