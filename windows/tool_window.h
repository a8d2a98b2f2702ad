// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What the memo and the table window share as small windows beside the main window that
// may sit in one of its dock panels: the frame they show in, taking the keyboard focus,
// and menu items whose hint goes to the status line.
#pragma once

#include <QFont>
#include <QWidget>

#include "app/app.h"

class QAction;
class QMenu;
class QMenuBar;

namespace viv {

// The font of the small windows: "MS Sans Serif" of pixelHeight pixels.
QFont ToolWindowFont(int pixelHeight);

// The window's font and mouse tracking, and a menu bar of its own for its layout to take.
QMenuBar* SetUpToolWindow(QWidget* window, const QFont& font);

// The window the form shows in: itself, or the dock panel of the main window that holds it.
QWidget* FrameOf(QWidget* window);

// A visible window takes the focus for `view` when the mouse moves over it; a free window is
// activated, one in a dock panel is not.
void TakeFocusFor(QWidget* window, QWidget* view);

// A menu item with its status-line hint as its data. The hint stays Danish, as the status
// line translates what it shows; the Danish caption is kept for ShowMenuCaptions.
QAction* AddHintedItem(QMenu* menu, const char* caption, const char* hint);
// A menu of the menu bar, with its hint as AddHintedItem gives an item.
QMenu* AddHintedMenu(QMenuBar* bar, const char* caption, const char* hint);

// Every menu and item of `bar` that the two above made, captioned in the program's language.
void ShowMenuCaptions(const QMenuBar& bar, const App& app);

// The hint of a hovered menu item onto the status line; false where there is no item.
bool ShowItemHint(App& app, const QAction* action);

}  // namespace viv
