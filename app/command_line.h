// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The program's command line: the window (with Qt's own options), the scripted mode,
// --version and --help. No Qt: the answer decides whether Qt is started at all.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "app/language.h"

namespace viv {

class Catalogue;

struct CommandLine {
    enum class Mode { Window, Script, Version, Help, Error };
    Mode What = Mode::Window;
    std::string ScriptFile;  // Script: the file of commands, "-" for standard input
    std::string Error;       // Error: what was wrong, in Danish, for standard error
    // "--language da|en": the program's language, before the remembered one and the
    // system's; none when not given.
    std::optional<Language> StartLanguage;
};

// Exit status of a command line the program does not understand.
constexpr int UsageErrorStatus = 2;
// Exit status when the window cannot be shown (no display).
constexpr int NoDisplayStatus = 1;

// Reads the arguments after the program's name. Qt's own options for the window
// (-platform NAME, -style NAME, -reverse, ...) are left for Qt; anything else unknown
// is an error.
CommandLine ParseCommandLine(std::span<const char* const> args);

// `--help`: the window, the scripted mode and its commands, in Danish.
std::string UsageText(const Catalogue& catalogue);

// `--version`: "vivarnon 2.0".
std::string VersionAnswer();

}  // namespace viv
