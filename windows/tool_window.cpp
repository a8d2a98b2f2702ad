// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/tool_window.h"

#include <QAction>
#include <QDockWidget>
#include <QFont>
#include <QMenu>
#include <QMenuBar>

namespace viv {

QFont ToolWindowFont(int pixelHeight) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    return font;
}

QMenuBar* SetUpToolWindow(QWidget* window, const QFont& font) {
    window->setFont(font);
    window->setMouseTracking(true);
    auto* menu = new QMenuBar(window);
    menu->setNativeMenuBar(false);
    return menu;
}

QWidget* FrameOf(QWidget* window) {
    if (auto* dock = qobject_cast<QDockWidget*>(window->parentWidget())) return dock;
    return window;
}

void TakeFocusFor(QWidget* window, QWidget* view) {
    if (!window->isVisible()) return;
    if (!window->isActiveWindow() && FrameOf(window) == window) window->activateWindow();
    if (!view->hasFocus()) view->setFocus(Qt::MouseFocusReason);
}

QAction* AddHintedItem(QMenu* menu, const char* caption, const char* hint) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setData(QString::fromUtf8(hint));
    return action;
}

bool ShowItemHint(App& app, const QAction* action) {
    if (action == nullptr) return false;
    app.DisplayHint(action->data().toString().toStdString());
    return true;
}

}  // namespace viv
