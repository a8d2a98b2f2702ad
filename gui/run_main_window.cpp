// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The windowed program: the main window, the memo, the results table window, and the loop.
#include <QApplication>
#include <QSettings>
#include <memory>

#include "gui/main_window.h"
#include "gui/program_icon.h"
#include "gui/remembered_settings.h"
#include "gui/startup.h"
#include "windows/memo_window.h"
#include "windows/table_window.h"

namespace viv {

int RunMainWindow(const Catalogue& catalogue, std::optional<Language> language) {
    // The name the window titles carry: the program's own, no operating system's.
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Vivarnon"));
    QApplication::setWindowIcon(ProgramIcon());
    MainWindow window(catalogue);
    QSettings settings;
    // Before the memo reads its guidance.
    window.SetLanguage(StartLanguage(language, settings));
    MemoWindow memo(window.app());
    memo.setAttribute(Qt::WA_QuitOnClose, false);
    TableWindow table(window.app());
    // Closing the main window ends the program, whatever other window is open.
    table.setAttribute(Qt::WA_QuitOnClose, false);
    window.AttachTableWindow(&table);
    window.AttachMemoWindow(&memo);
    RestoreWindowSettings(window, settings);
    KeepWindowSettings(window);
    // The memo's and the table's places and the last save folder, from one run to the next.
    window.RememberPlaces(std::make_shared<QSettings>());
    window.show();
    return QApplication::exec();
}

}  // namespace viv
