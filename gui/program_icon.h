// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The program's icon (a raindrop under a rainbow) for its windows and the About box.
#pragma once

#include <QIcon>

namespace viv {

// The installed icon theme's "dk.vivarnon.Vivarnon", or the program's own copy at 16 to
// 256 pixels where the theme has none.
QIcon ProgramIcon();

}  // namespace viv
