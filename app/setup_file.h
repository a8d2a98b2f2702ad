// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The optional set-up file "VIVARNON.INI": its first line is the file's own name, then
// lines "KEY,value"; SEPARATOR chooses the clipboard's list separator ("#" a tab, ","
// or ";"), STI the initial directory of the open dialog.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace viv {

struct SetupFileSettings {
    bool Found = false;  // a file with the right first line was read
    std::optional<char> ListSeparator;
    std::optional<std::string> OpenDialogDirectory;
};

// Reads the first of `candidates` that can be opened; a missing file or a first line
// that is not the file's name gives no settings and no message.
SetupFileSettings ReadSetupFile(const std::vector<std::string>& candidates);
// The same for a file opened already (read from where it stands).
SetupFileSettings ReadSetupFile(std::FILE* file);

}  // namespace viv
