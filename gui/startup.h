// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What the program finds around it at start, read from the system; and the windowed run.
#pragma once

#include <optional>

#include "app/app.h"

class QLocale;
class QTranslator;

namespace viv {

// The current directory (or the program's own, when the photograph lies only there),
// the system's decimal point and list separator, and the places of the set-up file.
StartupEnvironment SystemStartupEnvironment();

// Loads Qt's own translations for `locale` (the standard dialogs, the buttons of the
// message boxes) into `translator`; false when the system has none for that language.
bool LoadQtTranslations(const QLocale& locale, QTranslator& translator);

// Creates the main window, the memo and the table window and runs the message loop; the
// program speaks `language` (from the command line), else the language last chosen, else
// the system's.
int RunMainWindow(const Catalogue& catalogue, std::optional<Language> language = {});

}  // namespace viv
