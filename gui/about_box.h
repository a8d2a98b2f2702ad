// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The About box, "Om Vivarnon": version, licence, credits and the Qt it runs on.
#pragma once

#include <QString>
#include <functional>
#include <string_view>

class QMessageBox;
class QWidget;

namespace viv {

// The box, one at a time for its window, in the language of `words` (a Danish text of the
// program in the language shown).
QMessageBox* ShowAboutBox(QWidget* parent, const std::function<QString(std::string_view)>& words);

}  // namespace viv
