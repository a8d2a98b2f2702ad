// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What the control panel shows beside each control: its name in words and its current
// value as the status line reads it out ("Indfaldsvinkel (i)", "45.0°").
#pragma once

#include <string>

#include "app/window_model.h"
#include "library/translation.h"

namespace viv {

// The symbol of the quantity a control sets, from the label that goes with it ("i", "λ",
// "retn."); empty when it has none.
std::string ControlSymbol(const MainWindowModel& window, Control control);

// The control's name: its hint in words, capitalised, with its symbol in brackets; with
// `words`, hint and symbol in their language.
std::string ControlName(const MainWindowModel& window, Control control,
                        const Translation* words = nullptr);

// The control's current value as the status panels show it, with its unit; a choice
// between named states by its name; otherwise the control's position.
std::string ControlValue(const MainWindowModel& window, Control control);

}  // namespace viv
