// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The results grid for screen readers: a table of cells with their texts, the header row
// and column as headers, and the selected block as the selected cells.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace viv {

// The accessibility factory for ResultsGrid, installed by the table window.
QAccessibleInterface* ResultsGridAccessibleFactory(const QString& className, QObject* object);
void InstallResultsGridAccessibility();

}  // namespace viv
