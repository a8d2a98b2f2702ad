// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What "&Om Vivarnon" tells: the version, the licence and whose work the program builds on.
#pragma once

#include <string>

namespace viv {

// "Vivarnon, version 2.0": the first line of the About box and of `--version`'s answer.
std::string VersionLine();

// The About box's text below the version line: what the program is, its licence and the
// credits of the libraries and the photograph it includes, as plain lines.
std::string AboutDetails();

}  // namespace viv
