// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gui/panel_dock.h"

#include <QCloseEvent>

namespace viv {

PanelDock::PanelDock(const QString& title, const QString& name, QWidget* form, QWidget* parent)
    : QDockWidget(title, parent) {
    setObjectName(name);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    const bool shown = !form->isHidden();
    form->setWindowFlags(Qt::Widget);
    setWidget(form);
    form->show();
    setVisible(shown);
}

void PanelDock::closeEvent(QCloseEvent* event) {
    QDockWidget::closeEvent(event);
    if (event->isAccepted()) emit Closed();
}

}  // namespace viv
