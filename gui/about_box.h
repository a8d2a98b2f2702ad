// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The About box, "Om Vivarnon": version, licence, credits and the Qt it runs on.
#pragma once

class QMessageBox;
class QWidget;

namespace viv {

// Shows the About box over `parent`; while one is open, it is brought to the front
// rather than a second one opened. Returns the box (deleted when it closes).
QMessageBox* ShowAboutBox(QWidget* parent);

}  // namespace viv
