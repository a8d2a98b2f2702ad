// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The menu items whose caption, check mark or enabling the main window's model holds,
// found by their component name.
#pragma once

#include <string_view>

#include "app/main_menu.h"
#include "app/window_model.h"

namespace viv {

// The model's state of the item `name` ("RaysItem"), or nullptr for an item whose
// caption never changes.
MenuItemState MainWindowModel::*BoundMenuItem(std::string_view name);

// The caption the item shows now: the model's for a bound item, else its own.
std::string_view ShownCaption(const MainWindowModel& window, const MenuItemDef& item);

}  // namespace viv
