// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What the program remembers between runs, in Qt's settings: on Linux the user's
// ~/.config/vivarnon/vivarnon.conf, with defaults an administrator may place for every user
// in vivarnon/vivarnon.conf under the system's XDG configuration folders (/etc/xdg). The
// set-up file VIVARNON.INI, where it is found, wins over both for what it sets.
#pragma once

#include <cstdint>
#include <optional>

#include "app/language.h"

class QObject;
class QSettings;

namespace viv {

// The language last chosen in "Sprog / Language": "da" or "en".
constexpr char LanguageKey[] = "visning/sprog";

// The language the window starts in: `fromCommandLine` when given, else the one last chosen,
// else the system's (Danish for a Danish locale, English for every other).
Language StartLanguage(std::optional<Language> fromCommandLine, const QSettings& settings);

class MainWindow;

// The names under which Qt finds the program's settings, and the desktop entry that
// groups its windows; called once, before the application object's windows exist.
void NameApplication();

// Gives the window the size, place and simulation it had when it was last closed.
// Before the window is shown.
void RestoreWindowSettings(MainWindow& window, QSettings& settings);

// Writes the window's size and place and the simulation it shows (1..43) to `settings`.
void SaveWindowSettings(const MainWindow& window, std::uint16_t simulation, QSettings& settings);

// Saves the window's settings to the user's settings whenever it is closed; the keeper
// is a child of the window.
QObject* KeepWindowSettings(MainWindow& window);

}  // namespace viv
