// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The memo window follows the main window: on every choice of simulation it scrolls to
// the guidance of that simulation and shows its heading selected.
#pragma once

#include <string_view>

#include "app/memo_model.h"

namespace viv {

// If the memo shows, selects the heading of simulation `simulation` in its text: the
// heading its guidance marks with that number, or else the first occurrence of `caption`
// followed by ":" (the selection covers the heading without its colon). `caption` is UTF-8.
void SelectGuidance(MemoModel& memo, int simulation, std::string_view caption);

}  // namespace viv
