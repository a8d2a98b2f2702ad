// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A dock panel of the main window holding one of its companion windows (the memo, the
// results table): beside or under the picture, or floating; closing it only hides it.
#pragma once

#include <QDockWidget>

namespace viv {

class PanelDock : public QDockWidget {
    Q_OBJECT

public:
    // Takes `form` (a window until now) as its content.
    PanelDock(const QString& title, const QString& name, QWidget* form, QWidget* parent);

signals:
    // The user closed the panel.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace viv
